// Reading INI files with the rules of the Windows ANSI profile-string reader
// (GetPrivateProfileStringA under code page 936).
//
// Where Windows and Wine disagree this follows Windows: the first ']' ends a section
// name and a header without ']' is still a header; lines before the first header
// are unreachable; ';' lines are comments for reads as well as for enumeration;
// only space, TAB and VT are blanks; parameters lose spaces (0x20) only; a UTF-8
// BOM is ordinary bytes of line 1.  Names are GBK: a lead byte 0x81-0xFE takes the
// next byte with it, so a trail byte is never a ']' and never folded.
//
// The parsed form is the file's bytes plus offsets into them: no string is copied
// out of the text until a read returns it, so a file of millions of tiny lines costs
// eight bytes per line instead of a few allocations per line.

#include "catalog/ProfileString.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <mutex>
#include <utility>

namespace corvane {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v'; }

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

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

// Orders names as their folded forms would order: ASCII a-z read as A-Z, except the
// trail byte of a double-byte character.  Zero means "the same name ignoring ASCII case".
int CompareFolded(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    bool trailA = false, trailB = false;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        const unsigned char fa = !trailA && ca >= 'a' && ca <= 'z' ? ca - 0x20 : ca;
        const unsigned char fb = !trailB && cb >= 'a' && cb <= 'z' ? cb - 0x20 : cb;
        trailA = !trailA && IsLeadByte(ca);
        trailB = !trailB && IsLeadByte(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
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

// Calls f(number, line) for every line of `text`, `line` without its line end.
// CR LF, a lone CR and a lone LF each end one line.
template <class F>
void WalkLines(std::string_view text, F&& f) {
    std::size_t pos = 0, number = 1;
    const std::size_t n = text.size();
    for (;;) {
        std::size_t end = pos;
        while (end < n && !IsLineEnd(text[end])) ++end;
        f(number, text.substr(pos, end - pos));
        if (end >= n) return;
        pos = end + (text[end] == '\r' && end + 1 < n && text[end + 1] == '\n' ? 2 : 1);
        ++number;
    }
}

// Splits a trimmed, non-empty line into its kind, name and value.
ProfileLine Classify(std::size_t number, std::string_view line, bool afterHeader) {
    ProfileLine l{ProfileLine::Kind::Bare, number, line, {}, {}};
    if (line.front() == '[') {
        l.kind = ProfileLine::Kind::Header;
        l.name = HeaderName(line);
    } else if (!afterHeader) {
        l.kind = ProfileLine::Kind::BeforeFirstHeader;
    } else if (line.front() == ';') {
        l.kind = ProfileLine::Kind::Comment;
    } else if (std::size_t eq = line.find('='); eq != std::string_view::npos) {
        l.kind = ProfileLine::Kind::Key;
        l.name = TrimRightBlanks(line.substr(0, eq));
        l.value = TrimBlanks(line.substr(eq + 1));
    }
    return l;
}

// A UTF-16 file would be Unicode to the reader; Unicode INI files are not supported,
// so it reads as a file without sections.
bool IsUtf16(std::string_view text) {
    return text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
           static_cast<unsigned char>(text[1]) == 0xFE;
}

template <class F>
void ForEachLine(std::string_view text, F&& f) {
    if (IsUtf16(text)) return;
    bool afterHeader = false;
    WalkLines(text, [&](std::size_t number, std::string_view raw) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty()) return;
        const ProfileLine l = Classify(number, line, afterHeader);
        afterHeader = afterHeader || l.kind == ProfileLine::Kind::Header;
        f(l);
    });
}

// Names laid out as the reader lays them out in the caller's 16,384-byte buffer, then
// taken back the way a caller walks it: string after string until an empty one.
class EnumerationBuffer {
public:
    // False once the buffer is full: later names cannot appear.
    bool Add(std::string_view name) {
        list_.append(name);
        list_ += '\0';
        return list_.size() <= kProfileEnumBuffer - 2;
    }
    std::vector<std::string> Names() {
        if (list_.size() > kProfileEnumBuffer - 2)
            list_.resize(kProfileEnumBuffer - 2);  // overflow, exact fit too
        list_ += '\0';
        std::vector<std::string> names;
        std::size_t p = 0;
        while (p < list_.size() && list_[p] != '\0') {
            const std::size_t nul = list_.find('\0', p);
            names.emplace_back(list_, p, nul - p);
            p = nul + 1;
        }
        return names;
    }

private:
    std::string list_;
};

}  // namespace

void ForEachProfileLine(std::string_view bytes,
                        const std::function<void(const ProfileLine&)>& visit) {
    ForEachLine(bytes, [&](const ProfileLine& l) { visit(l); });
}

std::string FoldProfileName(std::string_view name) {
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        if (IsLeadByte(c))
            ++i;  // the trail byte stays as it is
        else if (c >= 'a' && c <= 'z')
            out[i] = static_cast<char>(c - 0x20);
    }
    return out;
}

std::string CleanProfileValue(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    v = AsCString(v);
    if (v.size() > kProfileValueMax) v = v.substr(0, kProfileValueMax);
    return std::string(v);
}

// ---------------------------------------------------------------------------
// ProfileText

namespace {

// The line that starts at `offset` (its first non-blank byte), without its line end
// and its trailing blanks.
std::string_view LineAt(std::string_view text, std::uint32_t offset) {
    std::size_t end = offset;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    return TrimRightBlanks(text.substr(offset, end - offset));
}

std::string_view HeaderNameAt(std::string_view text, std::uint32_t offset) {
    return HeaderName(LineAt(text, offset));
}

// A key line holds its '=' before its end, so the name needs no search for the end.
std::string_view KeyNameAt(std::string_view text, std::uint32_t offset) {
    const void* eq = std::memchr(text.data() + offset, '=', text.size() - offset);
    const std::size_t length = static_cast<const char*>(eq) - (text.data() + offset);
    return TrimRightBlanks(text.substr(offset, length));
}

std::string_view KeyValueAt(std::string_view text, std::uint32_t offset) {
    const std::string_view line = LineAt(text, offset);
    return TrimBlanks(line.substr(line.find('=') + 1));
}

}  // namespace

ProfileText::ProfileText(std::string bytes) : text_(std::move(bytes)) {
    if (text_.size() >= kNone) throw std::length_error("INI text too large to index");
    const std::string_view text(text_);
    const auto offsetOf = [&](std::string_view line) {
        return static_cast<std::uint32_t>(line.data() - text.data());
    };

    // Counted first, so that each vector is allocated once at its final size.
    std::size_t headerCount = 0, keyCount = 0;
    ForEachLine(text, [&](const ProfileLine& l) {
        headerCount += l.kind == ProfileLine::Kind::Header;
        keyCount += l.kind == ProfileLine::Kind::Key;
    });
    headers_.reserve(headerCount);
    keys_.reserve(keyCount);
    ForEachLine(text, [&](const ProfileLine& l) {
        if (l.kind == ProfileLine::Kind::Header) headers_.push_back(offsetOf(l.text));
        if (l.kind == ProfileLine::Kind::Key) keys_.push_back(offsetOf(l.text));
    });

    // Names are often in order already ("01", "02", ...): checking is cheaper than sorting.
    const auto sortBy = [](auto first, auto last, auto less) {
        if (!std::is_sorted(first, last, less)) std::sort(first, last, less);
    };
    byName_ = headers_;
    sortBy(byName_.begin(), byName_.end(), [&](std::uint32_t a, std::uint32_t b) {
        const int c = CompareFolded(HeaderNameAt(text, a), HeaderNameAt(text, b));
        return c != 0 ? c < 0 : a < b;
    });
    const auto byKeyName = [&](std::uint32_t a, std::uint32_t b) {
        const int c = CompareFolded(KeyNameAt(text, a), KeyNameAt(text, b));
        return c != 0 ? c < 0 : a < b;
    };
    keysByName_ = keys_;
    for (std::size_t h = 0; h < headers_.size(); ++h) {
        const auto [first, last] = KeyGroup(headers_[h]);
        sortBy(keysByName_.begin() + first, keysByName_.begin() + last, byKeyName);
    }
}

std::pair<std::size_t, std::size_t> ProfileText::KeyGroup(std::uint32_t header) const {
    // The key lines between the header and the next header.
    const auto next = std::upper_bound(headers_.begin(), headers_.end(), header);
    const std::uint32_t end = next == headers_.end() ? kNone : *next;
    const auto first = std::lower_bound(keys_.begin(), keys_.end(), header);
    const auto last = std::lower_bound(first, keys_.end(), end);
    return {static_cast<std::size_t>(first - keys_.begin()),
            static_cast<std::size_t>(last - keys_.begin())};
}

std::uint32_t ProfileText::FindSection(std::string_view section) const {
    const std::string_view text(text_);
    const std::string_view name = TrimParameter(section);
    // The first section of the name wins; the others are never searched.
    auto it = std::lower_bound(byName_.begin(), byName_.end(), name,
                               [&](std::uint32_t h, std::string_view n) {
                                   return CompareFolded(HeaderNameAt(text, h), n) < 0;
                               });
    if (it == byName_.end() || CompareFolded(HeaderNameAt(text, *it), name) != 0) return kNone;
    return *it;
}

std::string ProfileText::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    const std::uint32_t header = FindSection(section);
    if (header != kNone) {
        const std::string_view text(text_);
        const auto [firstIndex, lastIndex] = KeyGroup(header);
        const auto first = keysByName_.begin() + firstIndex;
        const auto last = keysByName_.begin() + lastIndex;
        const std::string_view name = TrimParameter(key);
        auto it = std::lower_bound(first, last, name, [&](std::uint32_t k, std::string_view n) {
            return CompareFolded(KeyNameAt(text, k), n) < 0;
        });
        if (it != last && CompareFolded(KeyNameAt(text, *it), name) == 0)
            return CleanProfileValue(KeyValueAt(text, *it));
    }
    return CleanDefault(def);
}

std::vector<std::string> ProfileText::ReadSection(std::string_view section) const {
    const std::uint32_t header = FindSection(section);
    if (header == kNone) return {};
    // Stops once the buffer is full, so a long section costs no more than a short one.
    EnumerationBuffer buffer;
    const auto [first, last] = KeyGroup(header);
    for (std::size_t k = first; k < last; ++k)
        if (!buffer.Add(KeyNameAt(text_, keys_[k]))) break;
    return buffer.Names();
}

std::vector<std::string> ProfileText::ReadSectionNames() const {
    EnumerationBuffer buffer;
    for (std::uint32_t h : headers_)
        if (!buffer.Add(HeaderNameAt(text_, h))) break;
    return buffer.Names();
}

// ---------------------------------------------------------------------------
// ProfileFile

namespace {

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

[[noreturn]] void RefuseLargeFile(const std::string& path, long long size, std::size_t maxBytes) {
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    throw ProfileFileTooLarge(
        name + " is too large to read (" +
        (size < 0 ? std::string("more than ") + std::to_string(maxBytes) : std::to_string(size)) +
        " bytes; INI files of at most " + std::to_string(maxBytes) + " bytes are read)");
}

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

// Reads the whole regular file at `path`, at most `maxBytes` of it.  Returns false
// when it cannot be opened or read; `stamp` is the file's state before the read and
// `stable` tells whether it was still the same after it.
bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   FileStamp& stamp, bool& stable) {
    const Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) return false;
    struct stat before {};
    if (::fstat(fd.Get(), &before) != 0 || !S_ISREG(before.st_mode)) return false;
    if (static_cast<unsigned long long>(before.st_size) > maxBytes)
        RefuseLargeFile(path, before.st_size, maxBytes);

    // One byte more than allowed is room enough to notice a file that grew meanwhile.
    bytes.assign(static_cast<std::size_t>(before.st_size) + 1, '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes) RefuseLargeFile(path, -1, maxBytes);
            bytes.resize(std::min(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t n = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    struct stat after {};
    stable = ::fstat(fd.Get(), &after) == 0 && FileStamp::Of(before) == FileStamp::Of(after) &&
             have == static_cast<std::size_t>(before.st_size);
    stamp = FileStamp::Of(before);
    return true;
}

}  // namespace

struct ProfileFile::Cache {
    std::mutex mutex;
    bool valid = false;
    FileStamp stamp;
    std::shared_ptr<const ProfileText> parsed;
};

ProfileFile::ProfileFile(std::string path, std::size_t maxBytes)
    : path_(std::move(path)), maxBytes_(maxBytes), cache_(std::make_unique<Cache>()) {}

ProfileFile::~ProfileFile() = default;

std::shared_ptr<const ProfileText> ProfileFile::Current() const {
    static const std::shared_ptr<const ProfileText> kEmpty = std::make_shared<const ProfileText>();
    std::lock_guard<std::mutex> lock(cache_->mutex);

    struct stat st {};
    if (::stat(path_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache_->valid = false;
        cache_->parsed.reset();
        return kEmpty;
    }
    if (cache_->valid && cache_->stamp == FileStamp::Of(st)) return cache_->parsed;
    cache_->valid = false;
    cache_->parsed.reset();  // the old copy goes before the new one is read

    std::string bytes;
    FileStamp stamp;
    bool stable = false;
    if (!ReadWholeFile(path_, maxBytes_, bytes, stamp, stable)) return kEmpty;
    auto parsed = std::make_shared<const ProfileText>(std::move(bytes));
    // A file that changed while it was read is used once but not kept: the next
    // read looks at it again.
    cache_->valid = stable;
    cache_->stamp = stamp;
    cache_->parsed = parsed;
    return parsed;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def) const {
    return Current()->ReadString(section, key, def);
}

std::vector<std::string> ProfileFile::ReadSection(std::string_view section) const {
    return Current()->ReadSection(section);
}

std::vector<std::string> ProfileFile::ReadSectionNames() const {
    return Current()->ReadSectionNames();
}

std::vector<std::string> ProfileFile::ReadSectionValues(std::string_view section) const {
    const auto parsed = Current();
    std::vector<std::string> lines;
    for (const auto& name : parsed->ReadSection(section))
        lines.push_back(name + "=" + parsed->ReadString(section, name, ""));
    return lines;
}

}  // namespace corvane
