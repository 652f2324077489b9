#include "catalog/CatalogueCheck.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>

#include "catalog/ErrorCatalogue.h"
#include "catalog/GbkText.h"
#include "catalog/ProfileString.h"
#include "catalog/ServiceCatalogue.h"

namespace corvane {

namespace {

std::string Quote(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The scanner's fold: every byte in a-z, trail bytes included.
std::string ScannerFold(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    return out;
}

bool ScannerContains(std::string_view text, std::string_view part) {
    return !part.empty() && ScannerFold(text).find(ScannerFold(part)) != std::string::npos;
}

// One catalogue file as its lines lie: the first section of each name with its key
// lines, for the line numbers of the warnings.
class CatalogueFile {
public:
    struct Key {
        std::string name;
        std::size_t line;
    };
    struct Section {
        std::string name;
        std::size_t line;
        std::vector<Key> keys;  // in file order, duplicates each time
        std::unordered_map<std::string, std::size_t> firstKey;  // folded name -> index
    };

    CatalogueFile(const std::string& programDir, std::string name,
                  std::vector<CatalogueWarning>& warnings)
        : name_(std::move(name)), warnings_(warnings), ini_(programDir + name_) {
        struct stat st {};
        if (::stat(ini_.Path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            Warn(0, "", "", "the file does not exist; the catalogue is empty");
            return;
        }
        std::shared_ptr<const ProfileText> text;
        try {
            text = ini_.Current();
        } catch (const ProfileFileTooLarge& e) {
            Warn(0, "", "", e.what());
            return;
        }
        readable_ = true;
        Index(text->Bytes());
    }

    bool Readable() const { return readable_; }
    const ProfileFile& Ini() const { return ini_; }
    const std::vector<Section>& Sections() const { return sections_; }

    const Section* Find(std::string_view section) const {
        auto it = first_.find(FoldProfileName(section));
        return it == first_.end() ? nullptr : &sections_[it->second];
    }
    // The line of the first `key` in `section`, or 0.
    std::size_t KeyLine(const Section* s, std::string_view key) const {
        if (s == nullptr) return 0;
        auto it = s->firstKey.find(FoldProfileName(key));
        return it == s->firstKey.end() ? 0 : s->keys[it->second].line;
    }

    void Warn(std::size_t line, std::string_view section, std::string_view key,
              std::string message) {
        warnings_.push_back(
            {name_, line, std::string(section), std::string(key), std::move(message)});
    }

private:
    void Index(std::string_view bytes) {
        constexpr std::size_t kNoSection = static_cast<std::size_t>(-1);
        // None before the first header and in repeated sections.
        std::size_t current = kNoSection;
        std::string currentName;
        ForEachProfileLine(bytes, [&](const ProfileLine& l) {
            switch (l.kind) {
                case ProfileLine::Kind::Header: {
                    currentName = std::string(l.name);
                    const std::string folded = FoldProfileName(l.name);
                    if (auto it = first_.find(folded); it != first_.end()) {
                        Warn(l.number, l.name, "",
                             "section [" + std::string(l.name) + "] appears again (first on line " +
                                 std::to_string(sections_[it->second].line) +
                                 "); only the first is read");
                        current = kNoSection;
                    } else {
                        current = sections_.size();
                        first_.emplace(folded, current);
                        sections_.push_back({std::string(l.name), l.number, {}, {}});
                    }
                    break;
                }
                case ProfileLine::Kind::BeforeFirstHeader:
                    if (l.text.front() != ';')
                        Warn(l.number, "", "",
                             "line before the first section; the program never reads it");
                    break;
                case ProfileLine::Kind::Bare:
                    if (current != kNoSection)
                        Warn(l.number, currentName, "",
                             "line without \"=\"; the program never sees it");
                    break;
                case ProfileLine::Kind::Key:
                    if (current != kNoSection) IndexKey(sections_[current], l);
                    break;
                case ProfileLine::Kind::Comment:
                    break;
            }
        });
    }

    void IndexKey(Section& s, const ProfileLine& l) {
        const std::string folded = FoldProfileName(l.name);
        if (auto it = s.firstKey.find(folded); it != s.firstKey.end()) {
            Warn(l.number, s.name, l.name,
                 "key " + Quote(l.name) + " appears again in the section (first on line " +
                     std::to_string(s.keys[it->second].line) + "); only its first value is read");
        } else {
            s.firstKey.emplace(folded, s.keys.size());
        }
        s.keys.push_back({std::string(l.name), l.number});

        const std::string_view raw = l.value;
        std::string_view value = raw;
        if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
            raw.back() == raw.front()) {
            Warn(l.number, s.name, l.name,
                 "the quotes around the value are removed: it reads as " +
                     Quote(CleanProfileValue(raw)));
            value = raw.substr(1, raw.size() - 2);
        }
        value = value.substr(0, value.find('\0'));
        if (value.size() > kProfileValueMax)
            Warn(l.number, s.name, l.name,
                 "the value of " + std::to_string(value.size()) + " bytes is cut to its first " +
                     std::to_string(kProfileValueMax) + " bytes");
    }

    std::string name_;
    std::vector<CatalogueWarning>& warnings_;
    ProfileFile ini_;
    bool readable_ = false;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> first_;
};

// Sections named prefix + something that no listed code reaches (codes as read from the
// list section, each giving prefix + code and prefix + code + suffix).
void WarnUnreachedSections(CatalogueFile& file, std::string_view prefix, std::string_view suffix,
                           std::string_view list, const std::vector<std::string>& codes) {
    std::vector<std::string> reached;
    for (const std::string& code : codes) {
        reached.push_back(FoldProfileName(std::string(prefix) + code));
        reached.push_back(FoldProfileName(std::string(prefix) + code + std::string(suffix)));
    }
    std::sort(reached.begin(), reached.end());
    const std::string foldedPrefix = FoldProfileName(prefix);
    for (const auto& s : file.Sections()) {
        const std::string folded = FoldProfileName(s.name);
        if (folded.compare(0, foldedPrefix.size(), foldedPrefix) != 0) continue;
        if (std::binary_search(reached.begin(), reached.end(), folded)) continue;
        file.Warn(s.line, s.name, "",
                  "no key of [" + std::string(list) + "] reaches this section; it is never read");
    }
}

// The codes of a list section in enumeration order, each with the line of its key.
struct ListedCode {
    std::string key;
    std::string code;
    std::size_t line;
};

std::vector<ListedCode> ListedCodes(CatalogueFile& file, std::string_view list) {
    std::vector<ListedCode> listed;
    const auto* section = file.Find(list);
    if (section == nullptr) {
        file.Warn(0, list, "",
                  "section [" + std::string(list) + "] does not exist; the catalogue is empty");
        return listed;
    }
    // The enumeration returns the key lines in file order (up to the buffer's limit),
    // so the i-th name comes from the i-th key line.
    const std::vector<std::string> keys = file.Ini().ReadSection(list);
    for (std::size_t i = 0; i < keys.size(); ++i)
        listed.push_back({keys[i], file.Ini().ReadString(list, keys[i], ""),
                          i < section->keys.size() ? section->keys[i].line : section->line});
    return listed;
}

void CheckServices(const std::string& programDir, std::vector<CatalogueWarning>& warnings) {
    CatalogueFile file(programDir, "ServiceList.ini", warnings);
    if (!file.Readable()) return;
    const std::string_view list = gbk::kSecServiceList;
    const std::vector<ListedCode> listed = ListedCodes(file, list);

    std::vector<ServiceEntry> rows;
    LoadServiceCatalogue(programDir, rows);
    std::map<std::string, std::size_t> prefixes;  // prefix -> first row
    for (std::size_t i = 0; i < listed.size() && i < rows.size(); ++i) {
        const ListedCode& c = listed[i];
        const std::string name = std::string(gbk::kSecServicePrefix) + c.code;
        const auto* section = file.Find(name);
        if (section == nullptr) {
            file.Warn(c.line, list, c.key,
                      "section [" + name + "] of service " + Quote(c.code) + " does not exist");
            continue;
        }
        const std::string& prefix = rows[i].logPrefix;
        std::size_t line = file.KeyLine(section, gbk::kKeyLogPrefix);
        if (line == 0) line = section->line;
        if (prefix.empty()) {
            file.Warn(
                line, section->name, gbk::kKeyLogPrefix,
                "service " + Quote(c.code) +
                    " has an empty log file prefix; its log files are named by the day alone");
        } else if (auto [it, added] = prefixes.emplace(prefix, i); !added) {
            file.Warn(line, section->name, gbk::kKeyLogPrefix,
                      "services " + Quote(listed[it->second].code) + " and " + Quote(c.code) +
                          " have the same log file prefix " + Quote(prefix) +
                          "; both read the same log files");
        }
    }
    std::vector<std::string> codes;
    for (const auto& c : listed) codes.push_back(c.code);
    WarnUnreachedSections(file, gbk::kSecServicePrefix, gbk::kSecExceptSuffix, list, codes);
}

void CheckErrors(const std::string& programDir, std::vector<CatalogueWarning>& warnings) {
    CatalogueFile file(programDir, "ErrorList.ini", warnings);
    if (!file.Readable()) return;
    const std::string_view list = gbk::kSecErrorList;
    const std::vector<ListedCode> listed = ListedCodes(file, list);

    ErrorCatalogue catalogue;
    try {
        LoadErrorCatalogue(programDir, catalogue);
    } catch (const CatalogueTooLarge& e) {
        file.Warn(0, "", "", e.what());
        return;
    }
    std::map<std::string, std::size_t> seen;  // code -> first listing
    std::unordered_map<std::string, std::vector<std::string>> ignoreLists;
    for (std::size_t i = 0; i < listed.size() && i < catalogue.size(); ++i) {
        const ListedCode& c = listed[i];
        const ErrorRecord& rec = catalogue[i];
        if (auto [it, added] = seen.emplace(c.code, i); !added) {
            const ListedCode& first = listed[it->second];
            file.Warn(c.line, list, c.key,
                      "code " + Quote(c.code) + " is listed again (first under key " +
                          Quote(first.key) + " on line " + std::to_string(first.line) +
                          "); the catalogue gets a second identical entry");
            continue;  // the same entry again: its faults are already told
        }
        if (c.code.size() != 3)
            file.Warn(c.line, list, c.key,
                      "code " + Quote(c.code) + " is " + std::to_string(c.code.size()) +
                          " bytes long; the window and the report read three");
        if (c.code == kUnknownCode)
            file.Warn(c.line, list, c.key,
                      "code " + Quote(c.code) +
                          " is the code of unknown errors; its findings count as known, but "
                          "exports, patterns and the history take them for unknown ones");
        const std::string name = std::string(gbk::kSecErrorPrefix) + c.code;
        const auto* section = file.Find(name);
        if (section == nullptr) {
            file.Warn(c.line, list, c.key,
                      "section [" + name + "] of code " + Quote(c.code) + " does not exist");
            continue;
        }
        std::size_t line = file.KeyLine(section, gbk::kKeyKeyword);
        if (line == 0) line = section->line;
        if (rec.keyword.empty()) {
            file.Warn(line, section->name, gbk::kKeyKeyword,
                      "code " + Quote(c.code) + " has no keyword; it never matches a line");
            continue;
        }
        // An earlier entry of the same service whose keyword lies inside this one takes
        // every line that this one would take.
        for (std::size_t j = 0; j < i; ++j) {
            const ErrorRecord& earlier = catalogue[j];
            if (earlier.serviceCode != rec.serviceCode || earlier.errorCode == rec.errorCode ||
                !ScannerContains(rec.keyword, earlier.keyword))
                continue;
            file.Warn(line, section->name, gbk::kKeyKeyword,
                      "keyword " + Quote(rec.keyword) + " of code " + Quote(rec.errorCode) +
                          " never wins: the earlier keyword " + Quote(earlier.keyword) +
                          " of code " + Quote(earlier.errorCode) + " lies inside it");
            break;
        }
        auto [ignore, fresh] = ignoreLists.try_emplace(rec.serviceCode);
        if (fresh) ignore->second = ReadIgnoreList(programDir, rec.serviceCode);
        for (const std::string& text : ignore->second) {
            if (!ScannerContains(rec.keyword, text)) continue;
            file.Warn(line, section->name, gbk::kKeyKeyword,
                      "keyword " + Quote(rec.keyword) + " of code " + Quote(rec.errorCode) +
                          " contains the ignore text " + Quote(text) + " of service " +
                          Quote(rec.serviceCode) + "; every line with it is ignored");
            break;
        }
    }
    std::vector<std::string> codes;
    for (const auto& c : listed) codes.push_back(c.code);
    WarnUnreachedSections(file, gbk::kSecErrorPrefix, gbk::kSecMemoSuffix, list, codes);
}

}  // namespace

std::vector<CatalogueWarning> CheckCatalogues(const std::string& programDir) {
    std::vector<CatalogueWarning> warnings;
    CheckServices(programDir, warnings);
    const std::size_t services = warnings.size();
    CheckErrors(programDir, warnings);
    // Each file's warnings in line order; those about the whole file first.
    const auto byLine = [](const CatalogueWarning& a, const CatalogueWarning& b) {
        return a.line < b.line;
    };
    std::stable_sort(warnings.begin(), warnings.begin() + static_cast<std::ptrdiff_t>(services),
                     byLine);
    std::stable_sort(warnings.begin() + static_cast<std::ptrdiff_t>(services), warnings.end(),
                     byLine);
    return warnings;
}

}  // namespace corvane
