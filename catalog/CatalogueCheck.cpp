#include "catalog/CatalogueCheck.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "base/AsciiCase.h"
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
        case CatalogueProblem::UnknownCode:
            return "code \"%1\" is the code of unknown errors; its findings count as known, but "
                   "exports, patterns and the history take them for unknown ones";
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

// A warning of `file` with its English wording.
CatalogueWarning MakeWarning(const std::string& file, std::size_t line, std::string_view section,
                             std::string_view key, CatalogueProblem problem,
                             std::vector<std::string> arguments = {}) {
    std::string message = FillArguments(CatalogueProblemText(problem), arguments);
    return {file,
            line,
            std::string(section),
            std::string(key),
            std::move(message),
            problem,
            std::move(arguments)};
}

bool ScannerContains(std::string_view text, std::string_view part) {
    return !part.empty() && FoldAscii(text).find(FoldAscii(part)) != std::string::npos;
}

// One catalogue file as its lines lie: the first section of each name with its key
// lines, for the line numbers of the warnings.  The warnings of single lines (repeated
// sections and keys, quotes, long values, lines the program never sees) can be as many
// as the file has lines, so they are never held: Deliver finds them again in a second
// walk over the lines and hands each on at once, and the unreached sections come from
// the index as the walk passes them.  Only the warnings about listed codes, a few for
// each key that the list section's 16,384-byte enumeration can hold, wait in `late_`
// for their place in line order.
class CatalogueFile {
public:
    struct Section {
        std::string name;
        std::size_t line;
        std::vector<std::size_t> keyLines;  // in file order, duplicates each time
        std::unordered_map<std::string, std::size_t> firstKey;  // folded name -> its line
    };

    CatalogueFile(const std::string& programDir, std::string name)
        : name_(std::move(name)), ini_(programDir + name_) {
        struct stat st {};
        if (::stat(ini_.Path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
            Warn(0, "", "", CatalogueProblem::FileMissing);
            return;
        }
        try {
            text_ = ini_.Current();
        } catch (const ProfileFileTooLarge& e) {
            Warn(0, "", "", CatalogueProblem::FileTooLarge,
                 {e.what(), std::to_string(kIniFileMax)});
            return;
        }
        Index(text_->Bytes());
    }

    bool Readable() const { return text_ != nullptr; }
    const ProfileFile& Ini() const { return ini_; }

    const Section* Find(std::string_view section) const {
        auto it = first_.find(FoldAsciiGbk(section));
        return it == first_.end() ? nullptr : &sections_[it->second];
    }
    // The line of the first `key` in `section`, or 0.
    std::size_t KeyLine(const Section* s, std::string_view key) const {
        if (s == nullptr) return 0;
        auto it = s->firstKey.find(FoldAsciiGbk(key));
        return it == s->firstKey.end() ? 0 : it->second;
    }

    void Warn(std::size_t line, std::string_view section, std::string_view key,
              CatalogueProblem problem, std::vector<std::string> arguments = {}) {
        late_.push_back(MakeWarning(name_, line, section, key, problem, std::move(arguments)));
    }

    // Sections named prefix + something that no listed code reaches (each code giving
    // prefix + code and prefix + code + suffix) are told by Deliver.
    void WarnUnreachedSections(std::string_view prefix, std::string_view suffix,
                               std::string_view list, const std::vector<std::string>& codes) {
        unreachedPrefix_ = FoldAsciiGbk(prefix);
        unreachedList_ = std::string(list);
        reached_.clear();
        for (const std::string& code : codes) {
            reached_.push_back(FoldAsciiGbk(std::string(prefix) + code));
            reached_.push_back(FoldAsciiGbk(std::string(prefix) + code + std::string(suffix)));
        }
        std::sort(reached_.begin(), reached_.end());
        checkUnreached_ = true;
    }

    // Hands every warning of the file to `sink` in line order, those about the whole
    // file first; of one line, those about the line itself, then those about its code,
    // then an unreached section.  Returns how many there were.
    std::size_t Deliver(const CatalogueWarningSink& sink) {
        std::stable_sort(
            late_.begin(), late_.end(),
            [](const CatalogueWarning& a, const CatalogueWarning& b) { return a.line < b.line; });
        std::size_t delivered = 0;
        std::size_t nextLate = 0;
        std::size_t nextSection = 0;
        // Everything held back that comes before a warning on `line`.
        const auto deliverBefore = [&](std::size_t line) {
            for (;;) {
                while (nextSection < sections_.size() && !Unreached(sections_[nextSection]))
                    ++nextSection;
                const std::size_t lateLine =
                    nextLate < late_.size() ? late_[nextLate].line : kNoLine;
                const std::size_t sectionLine =
                    nextSection < sections_.size() ? sections_[nextSection].line : kNoLine;
                if (std::min(lateLine, sectionLine) >= line) return;
                ++delivered;
                if (lateLine <= sectionLine) {
                    sink(late_[nextLate++]);
                } else {
                    const Section& s = sections_[nextSection++];
                    sink(MakeWarning(name_, s.line, s.name, "", CatalogueProblem::SectionNotReached,
                                     {unreachedList_}));
                }
            }
        };
        if (Readable()) {
            ForEachLineWarning(text_->Bytes(), [&](const CatalogueWarning& w) {
                deliverBefore(w.line);
                ++delivered;
                sink(w);
            });
        }
        deliverBefore(kNoLine);
        late_.clear();
        return delivered;
    }

private:
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    bool Unreached(const Section& s) const {
        if (!checkUnreached_) return false;
        const std::string folded = FoldAsciiGbk(s.name);
        return folded.compare(0, unreachedPrefix_.size(), unreachedPrefix_) == 0 &&
               !std::binary_search(reached_.begin(), reached_.end(), folded);
    }

    // The first section of each name and its keys; a repeated section is never read.
    void Index(std::string_view bytes) {
        Section* current = nullptr;
        ForEachProfileLine(bytes, [&](const ProfileLine& l) {
            if (l.kind == ProfileLine::Kind::Header) {
                const auto added = first_.emplace(FoldAsciiGbk(l.name), sections_.size()).second;
                current =
                    added ? &sections_.emplace_back(Section{std::string(l.name), l.number, {}, {}})
                          : nullptr;
            } else if (l.kind == ProfileLine::Kind::Key && current != nullptr) {
                current->firstKey.emplace(FoldAsciiGbk(l.name), l.number);
                current->keyLines.push_back(l.number);
            }
        });
    }

    // The warnings of single lines, in line order, told from the finished index.
    void ForEachLineWarning(std::string_view bytes, const CatalogueWarningSink& warn) const {
        const Section* current = nullptr;  // none before the first header and in repeats
        std::string currentName;
        const auto lineWarning = [&](const ProfileLine& l, std::string_view section,
                                     std::string_view key, CatalogueProblem problem,
                                     std::vector<std::string> arguments = {}) {
            warn(MakeWarning(name_, l.number, section, key, problem, std::move(arguments)));
        };
        ForEachProfileLine(bytes, [&](const ProfileLine& l) {
            switch (l.kind) {
                case ProfileLine::Kind::Header: {
                    currentName = std::string(l.name);
                    const Section& first = sections_[first_.at(FoldAsciiGbk(l.name))];
                    current = first.line == l.number ? &first : nullptr;
                    if (current == nullptr)
                        lineWarning(l, l.name, "", CatalogueProblem::SectionAgain,
                                    {std::string(l.name), std::to_string(first.line)});
                    break;
                }
                case ProfileLine::Kind::BeforeFirstHeader:
                    if (l.text.front() != ';')
                        lineWarning(l, "", "", CatalogueProblem::BeforeFirstSection);
                    break;
                case ProfileLine::Kind::Bare:
                    if (current != nullptr)
                        lineWarning(l, currentName, "", CatalogueProblem::LineWithoutEquals);
                    break;
                case ProfileLine::Kind::Key:
                    if (current != nullptr) KeyWarnings(*current, l, lineWarning);
                    break;
                case ProfileLine::Kind::Comment:
                    break;
            }
        });
    }

    template <typename LineWarning>
    static void KeyWarnings(const Section& s, const ProfileLine& l, const LineWarning& warn) {
        const std::size_t first = s.firstKey.at(FoldAsciiGbk(l.name));
        if (first != l.number)
            warn(l, s.name, l.name, CatalogueProblem::KeyAgain,
                 {std::string(l.name), std::to_string(first)});

        // The reader's own rule says which quotes go, so the warning names exactly
        // the value a read returns.
        const std::string_view raw = l.value;
        std::string_view value = UnquoteProfileValue(raw);
        if (value.size() != raw.size())
            warn(l, s.name, l.name, CatalogueProblem::QuotedValue,
                 {std::string(CleanProfileValue(raw))});
        value = value.substr(0, value.find('\0'));
        if (value.size() > kProfileValueMax)
            warn(l, s.name, l.name, CatalogueProblem::ValueCut,
                 {std::to_string(value.size()), std::to_string(kProfileValueMax)});
    }

    std::string name_;
    ProfileFile ini_;
    std::shared_ptr<const ProfileText> text_;  // null when the file cannot be read
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> first_;  // folded name -> index
    std::vector<CatalogueWarning> late_;
    bool checkUnreached_ = false;
    std::string unreachedPrefix_;  // folded
    std::string unreachedList_;
    std::vector<std::string> reached_;  // folded, sorted
};

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
                          i < section->keyLines.size() ? section->keyLines[i] : section->line});
    return listed;
}

void CheckServices(const std::string& programDir, CatalogueFile& file) {
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
    file.WarnUnreachedSections(gbk::kSecServicePrefix, gbk::kSecExceptSuffix, list, codes);
}

void CheckErrors(const std::string& programDir, CatalogueFile& file) {
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
        if (c.code == kUnknownCode)
            file.Warn(c.line, list, c.key, CatalogueProblem::UnknownCode, {c.code});
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
    file.WarnUnreachedSections(gbk::kSecErrorPrefix, gbk::kSecMemoSuffix, list, codes);
}

}  // namespace

std::size_t CheckCatalogues(const std::string& programDir, const CatalogueWarningSink& sink) {
    std::size_t count = 0;
    // One file after the other: ServiceList.ini's warnings are out before ErrorList.ini
    // is read.
    for (const auto& [name, check] :
         {std::pair{"ServiceList.ini", &CheckServices}, std::pair{"ErrorList.ini", &CheckErrors}}) {
        CatalogueFile file(programDir, name);
        if (file.Readable()) check(programDir, file);
        count += file.Deliver(sink);
    }
    return count;
}

std::vector<CatalogueWarning> CheckCatalogues(const std::string& programDir) {
    std::vector<CatalogueWarning> warnings;
    CheckCatalogues(programDir, [&](const CatalogueWarning& w) { warnings.push_back(w); });
    return warnings;
}

}  // namespace corvane
