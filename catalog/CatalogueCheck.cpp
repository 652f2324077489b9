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

// The English wording of `problem`, the command line's; %1, %2, ... stand for its
// arguments.
std::string_view CatalogueProblemText(CatalogueProblem problem) {
    switch (problem) {
        case CatalogueProblem::FileMissing:
            return "the file does not exist; the catalogue is empty";
        case CatalogueProblem::FileTooLarge:
        case CatalogueProblem::CatalogueTooLarge:
            return "%1";
        case CatalogueProblem::BeforeFirstSection:
            return "line before the first section; the program never reads it";
        case CatalogueProblem::SectionAgain:
            return "section [%1] appears again (first on line %2); only the first is read";
        case CatalogueProblem::LineWithoutEquals:
            return "line without \"=\"; the program never sees it";
        case CatalogueProblem::KeyAgain:
            return "key \"%1\" appears again in the section (first on line %2); only its first "
                   "value is read";
        case CatalogueProblem::QuotedValue:
            return "the quotes around the value are removed: it reads as \"%1\"";
        case CatalogueProblem::ValueCut:
            return "the value of %1 bytes is cut to its first %2 bytes";
        case CatalogueProblem::SectionNotReached:
            return "no key of [%1] reaches this section; it is never read";
        case CatalogueProblem::ListMissing:
            return "section [%1] does not exist; the catalogue is empty";
        case CatalogueProblem::ServiceSectionMissing:
            return "section [%1] of service \"%2\" does not exist";
        case CatalogueProblem::EmptyPrefix:
            return "service \"%1\" has an empty log file prefix; its log files are named by the "
                   "day alone";
        case CatalogueProblem::SamePrefix:
            return "services \"%1\" and \"%2\" have the same log file prefix \"%3\"; both read "
                   "the same log files";
        case CatalogueProblem::CodeAgain:
            return "code \"%1\" is listed again (first under key \"%2\" on line %3); the "
                   "catalogue gets a second identical entry";
        case CatalogueProblem::CodeLength:
            return "code \"%1\" is %2 bytes long; the window and the report read three";
        case CatalogueProblem::ErrorSectionMissing:
            return "section [%1] of code \"%2\" does not exist";
        case CatalogueProblem::NoKeyword:
            return "code \"%1\" has no keyword; it never matches a line";
        case CatalogueProblem::KeywordShadowed:
            return "keyword \"%1\" of code \"%2\" never wins: the earlier keyword \"%3\" of "
                   "code \"%4\" lies inside it";
        case CatalogueProblem::KeywordIgnored:
            return "keyword \"%1\" of code \"%2\" contains the ignore text \"%3\" of service "
                   "\"%4\"; every line with it is ignored";
    }
    return "%1";
}

// `pattern` with each %1 ... %9 replaced by that argument (none when it is missing),
// in one pass: an argument that holds "%2" stays as it is.
std::string FillArguments(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[++i] - '1');
            if (n < arguments.size()) out += arguments[n];
        } else {
            out += pattern[i];
        }
    }
    return out;
}

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
            Warn(0, "", "", CatalogueProblem::FileMissing);
            return;
        }
        std::shared_ptr<const ProfileText> text;
        try {
            text = ini_.Current();
        } catch (const ProfileFileTooLarge& e) {
            Warn(0, "", "", CatalogueProblem::FileTooLarge,
                 {e.what(), std::to_string(kIniFileMax)});
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
              CatalogueProblem problem, std::vector<std::string> arguments = {}) {
        std::string message = FillArguments(CatalogueProblemText(problem), arguments);
        warnings_.push_back({name_, line, std::string(section), std::string(key),
                             std::move(message), problem, std::move(arguments)});
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
                        Warn(l.number, l.name, "", CatalogueProblem::SectionAgain,
                             {std::string(l.name), std::to_string(sections_[it->second].line)});
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
                        Warn(l.number, "", "", CatalogueProblem::BeforeFirstSection);
                    break;
                case ProfileLine::Kind::Bare:
                    if (current != kNoSection)
                        Warn(l.number, currentName, "", CatalogueProblem::LineWithoutEquals);
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
            Warn(l.number, s.name, l.name, CatalogueProblem::KeyAgain,
                 {std::string(l.name), std::to_string(s.keys[it->second].line)});
        } else {
            s.firstKey.emplace(folded, s.keys.size());
        }
        s.keys.push_back({std::string(l.name), l.number});

        const std::string_view raw = l.value;
        std::string_view value = raw;
        if (raw.size() >= 2 && (raw.front() == '"' || raw.front() == '\'') &&
            raw.back() == raw.front()) {
            Warn(l.number, s.name, l.name, CatalogueProblem::QuotedValue,
                 {std::string(CleanProfileValue(raw))});
            value = raw.substr(1, raw.size() - 2);
        }
        value = value.substr(0, value.find('\0'));
        if (value.size() > kProfileValueMax)
            Warn(l.number, s.name, l.name, CatalogueProblem::ValueCut,
                 {std::to_string(value.size()), std::to_string(kProfileValueMax)});
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
        file.Warn(s.line, s.name, "", CatalogueProblem::SectionNotReached, {std::string(list)});
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
        file.Warn(0, list, "", CatalogueProblem::ListMissing, {std::string(list)});
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
            file.Warn(c.line, list, c.key, CatalogueProblem::ServiceSectionMissing, {name, c.code});
            continue;
        }
        const std::string& prefix = rows[i].logPrefix;
        std::size_t line = file.KeyLine(section, gbk::kKeyLogPrefix);
        if (line == 0) line = section->line;
        if (prefix.empty()) {
            file.Warn(line, section->name, gbk::kKeyLogPrefix, CatalogueProblem::EmptyPrefix,
                      {c.code});
        } else if (auto [it, added] = prefixes.emplace(prefix, i); !added) {
            file.Warn(line, section->name, gbk::kKeyLogPrefix, CatalogueProblem::SamePrefix,
                      {listed[it->second].code, c.code, prefix});
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
        file.Warn(0, "", "", CatalogueProblem::CatalogueTooLarge,
                  {e.what(), std::to_string(kErrorCatalogueMax)});
        return;
    }
    std::map<std::string, std::size_t> seen;  // code -> first listing
    std::unordered_map<std::string, std::vector<std::string>> ignoreLists;
    for (std::size_t i = 0; i < listed.size() && i < catalogue.size(); ++i) {
        const ListedCode& c = listed[i];
        const ErrorRecord& rec = catalogue[i];
        if (auto [it, added] = seen.emplace(c.code, i); !added) {
            const ListedCode& first = listed[it->second];
            file.Warn(c.line, list, c.key, CatalogueProblem::CodeAgain,
                      {c.code, first.key, std::to_string(first.line)});
            continue;  // the same entry again: its faults are already told
        }
        if (c.code.size() != 3)
            file.Warn(c.line, list, c.key, CatalogueProblem::CodeLength,
                      {c.code, std::to_string(c.code.size())});
        const std::string name = std::string(gbk::kSecErrorPrefix) + c.code;
        const auto* section = file.Find(name);
        if (section == nullptr) {
            file.Warn(c.line, list, c.key, CatalogueProblem::ErrorSectionMissing, {name, c.code});
            continue;
        }
        std::size_t line = file.KeyLine(section, gbk::kKeyKeyword);
        if (line == 0) line = section->line;
        if (rec.keyword.empty()) {
            file.Warn(line, section->name, gbk::kKeyKeyword, CatalogueProblem::NoKeyword, {c.code});
            continue;
        }
        // An earlier entry of the same service whose keyword lies inside this one takes
        // every line that this one would take.
        for (std::size_t j = 0; j < i; ++j) {
            const ErrorRecord& earlier = catalogue[j];
            if (earlier.serviceCode != rec.serviceCode || earlier.errorCode == rec.errorCode ||
                !ScannerContains(rec.keyword, earlier.keyword))
                continue;
            file.Warn(line, section->name, gbk::kKeyKeyword, CatalogueProblem::KeywordShadowed,
                      {rec.keyword, rec.errorCode, earlier.keyword, earlier.errorCode});
            break;
        }
        auto [ignore, fresh] = ignoreLists.try_emplace(rec.serviceCode);
        if (fresh) ignore->second = ReadIgnoreList(programDir, rec.serviceCode);
        for (const std::string& text : ignore->second) {
            if (!ScannerContains(rec.keyword, text)) continue;
            file.Warn(line, section->name, gbk::kKeyKeyword, CatalogueProblem::KeywordIgnored,
                      {rec.keyword, rec.errorCode, text, rec.serviceCode});
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
