// Reading INI files with the rules of the Windows ANSI profile-string reader
// (GetPrivateProfileStringA under code page 936).
//
// Where Windows and Wine disagree this follows Windows: the first ']' ends a section
// name and a header without ']' is still a header; lines before the first header
// are unreachable; ';' lines are comments for reads as well as for enumeration;
// only space, TAB and VT are blanks; parameters lose spaces (0x20) only; a UTF-8
// BOM is ordinary bytes of line 1.  Names are GBK: a lead byte 0x81-0xFE takes the
// next byte with it, so a trail byte is never a ']' and never folded.

#include "catalog/ProfileString.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace corvane {

namespace {

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v'; }

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

std::string_view TrimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string_view TrimRightBlanks(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(0, e);
}

std::string_view TrimLeftBlanks(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
    return s.substr(b);
}

// Caller-side strings are C strings for the Windows API: they end at a zero byte.
std::string_view AsCString(std::string_view s) {
    std::size_t nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// Section and key parameters lose spaces (0x20 only) at both ends.
std::string_view TrimParameter(std::string_view s) {
    s = AsCString(s);
    std::size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return s.substr(b, e - b);
}

// The matching form of a name: ASCII a-z folded to A-Z, double-byte characters
// kept whole, so that equal folded forms mean "same name ignoring ASCII case".
std::string FoldName(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c)) {
            ++i;  // the trail byte stays as it is
        } else if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 0x20);
        }
    }
    return out;
}

// The name inside a header line (which starts with '['): up to the first ']' that
// is not the trail byte of a double-byte character, or to the end of the line.
std::string_view HeaderName(std::string_view line) {
    std::size_t i = 1;
    while (i < line.size()) {
        unsigned char c = static_cast<unsigned char>(line[i]);
        if (IsLeadByte(c)) {
            i += 2;
            continue;
        }
        if (c == ']') break;
        ++i;
    }
    if (i > line.size()) i = line.size();  // a lead byte as the very last byte
    return TrimBlanks(line.substr(1, i - 1));
}

// The value as the reader hands it out: one pair of matching outer quotes removed,
// then cut to the buffer, and ending at a zero byte like any C string.
std::string CleanValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    v = AsCString(v);
    if (v.size() > kProfileValueMax) v = v.substr(0, kProfileValueMax);
    return std::string(v);
}

// The default as the reader hands it out: trailing spaces (0x20 only) removed,
// quotes kept, cut to the buffer.
std::string CleanDefault(std::string_view d) {
    d = AsCString(d);
    std::size_t e = d.size();
    while (e > 0 && d[e - 1] == ' ') --e;
    d = d.substr(0, e);
    if (d.size() > kProfileValueMax) d = d.substr(0, kProfileValueMax);
    return std::string(d);
}

struct FileStamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    static FileStamp Of(const struct stat& st) {
        FileStamp s;
        s.dev = st.st_dev;
        s.ino = st.st_ino;
        s.size = st.st_size;
        s.mtime = st.st_mtim;
        s.ctime = st.st_ctim;
        return s;
    }
    bool operator==(const FileStamp& o) const {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec &&
               ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

// Reads the whole regular file at `path`.  Returns false when it cannot be opened
// or read; `stamp` is the file's state before the read and `stable` tells whether
// it was still the same after it.
bool ReadWholeFile(const std::string& path, std::string& bytes, FileStamp& stamp, bool& stable) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat before {};
    if (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode)) {
        ::close(fd);
        return false;
    }
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(before.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        if (n == 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    struct stat after {};
    stable = ::fstat(fd, &after) == 0 && FileStamp::Of(before) == FileStamp::Of(after) &&
             bytes.size() == static_cast<std::size_t>(before.st_size);
    ::close(fd);
    stamp = FileStamp::Of(before);
    return true;
}

}  // namespace

struct ProfileFile::Parsed {
    struct Entry {
        std::string name;   // as in the file, trimmed
        std::string value;  // raw: trimmed, quotes still on
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;                          // "name=value" lines in file order
        std::unordered_map<std::string, std::size_t> first;  // folded name -> first entry
    };
    std::vector<Section> sections;
    std::unordered_map<std::string, std::size_t> firstSection;  // folded name -> first section

    static Parsed FromText(std::string_view text);

    const Section* Find(std::string_view section) const {
        auto it = firstSection.find(FoldName(TrimParameter(section)));
        return it == firstSection.end() ? nullptr : &sections[it->second];
    }
};

ProfileFile::Parsed ProfileFile::Parsed::FromText(std::string_view text) {
    Parsed p;
    // A UTF-16 file would be Unicode to the reader; Unicode INI files are not
    // supported, so it reads as a file without sections.
    if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
        static_cast<unsigned char>(text[1]) == 0xFE)
        return p;

    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;

        if (line.front() == '[') {
            p.sections.push_back(Section{std::string(HeaderName(line)), {}, {}});
            current = &p.sections.back();
            // Duplicate sections are kept but never found: the first one wins.
            p.firstSection.emplace(FoldName(current->name), p.sections.size() - 1);
            continue;
        }
        if (current == nullptr) continue;   // before the first header: unreachable
        if (line.front() == ';') continue;  // comment
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;  // bare line: neither listed nor read
        Entry e{std::string(TrimRightBlanks(line.substr(0, eq))),
                std::string(TrimLeftBlanks(line.substr(eq + 1)))};
        current->first.emplace(FoldName(e.name), current->entries.size());
        current->entries.push_back(std::move(e));
    }
    return p;
}

struct ProfileFile::Cache {
    std::mutex mutex;
    bool valid = false;
    FileStamp stamp;
    std::shared_ptr<const Parsed> parsed;
};

ProfileFile::ProfileFile(std::string path)
    : path_(std::move(path)), cache_(std::make_unique<Cache>()) {}

ProfileFile::~ProfileFile() = default;

std::shared_ptr<const ProfileFile::Parsed> ProfileFile::Current() const {
    static const std::shared_ptr<const Parsed> kEmpty = std::make_shared<const Parsed>();
    std::lock_guard<std::mutex> lock(cache_->mutex);

    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache_->valid = false;
        cache_->parsed.reset();
        return kEmpty;
    }
    if (cache_->valid && cache_->stamp == FileStamp::Of(st)) return cache_->parsed;

    std::string bytes;
    FileStamp stamp;
    bool stable = false;
    if (!ReadWholeFile(path_, bytes, stamp, stable)) {
        cache_->valid = false;
        cache_->parsed.reset();
        return kEmpty;
    }
    auto parsed = std::make_shared<const Parsed>(Parsed::FromText(bytes));
    // A file that changed while it was read is used once but not kept: the next
    // read looks at it again.
    cache_->valid = stable;
    cache_->stamp = stamp;
    cache_->parsed = parsed;
    return parsed;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    auto parsed = Current();
    if (const Parsed::Section* sec = parsed->Find(section)) {
        auto it = sec->first.find(FoldName(TrimParameter(key)));
        if (it != sec->first.end()) return CleanValue(sec->entries[it->second].value);
    }
    return CleanDefault(def);
}

std::vector<std::string> ProfileFile::ReadSection(std::string_view section) const {
    std::vector<std::string> names;
    auto parsed = Current();
    const Parsed::Section* sec = parsed->Find(section);
    if (sec == nullptr) return names;

    // Lay the names out as the reader does in the caller's buffer, then take them
    // back the way a caller walks it: string after string until an empty one.
    std::string list;
    for (const auto& e : sec->entries) {
        list += e.name;
        list += '\0';
    }
    if (list.size() > kProfileEnumBuffer - 2)
        list.resize(kProfileEnumBuffer - 2);  // overflow, exact fit too
    list += '\0';

    std::size_t p = 0;
    while (p < list.size() && list[p] != '\0') {
        std::size_t nul = list.find('\0', p);
        names.emplace_back(list, p, nul - p);
        p = nul + 1;
    }
    return names;
}

std::vector<std::string> ProfileFile::ReadSectionValues(std::string_view section) const {
    std::vector<std::string> lines;
    for (const auto& name : ReadSection(section))
        lines.push_back(name + "=" + ReadString(section, name, ""));
    return lines;
}

}  // namespace corvane
