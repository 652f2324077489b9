#include "analysis/FindingLines.h"

#include "analysis/FileLines.h"
#include "analysis/FileNameText.h"
#include "catalog/GbkText.h"

namespace corvane {
namespace {

constexpr std::string_view kUnknownPrefix = "999|";
constexpr std::size_t kMaxStamp = 8;

}  // namespace

bool IsCarriedStampPrefix(std::string_view prefix) {
    if (prefix.empty()) return true;
    // The stamp's own bytes may look like a stamp's end, so every split is tried; a
    // prefix holds only a handful of stamps, each at most 8 bytes long.
    if (prefix[0] == '[') {
        for (std::size_t k = 0; k <= kMaxStamp && 1 + k + 6 <= prefix.size(); ++k)
            if (prefix.substr(1 + k, 6) == ".000]|" && IsCarriedStampPrefix(prefix.substr(7 + k)))
                return true;
    }
    for (std::size_t k = 0; k <= kMaxStamp && k + 5 <= prefix.size(); ++k)
        if (prefix.substr(k, 5) == ".000 " && IsCarriedStampPrefix(prefix.substr(k + 5)))
            return true;
    return false;
}

std::vector<LocatedFinding> LocateUnknownFindings(const FindingList& findings,
                                                  const std::string& path, EventPump* pump) {
    std::vector<LocatedFinding> located;
    FileLineReader reader(path);
    FileLine line;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const std::string_view finding = findings[i];
        if (finding.substr(0, kUnknownPrefix.size()) != kUnknownPrefix) continue;
        const std::string_view rest = finding.substr(kUnknownPrefix.size());
        for (;;) {
            PumpOrStop(pump);
            if (!reader.Next(line))
                throw FileLinesError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path));
            if (rest.size() >= line.text.size() &&
                rest.substr(rest.size() - line.text.size()) == line.text &&
                IsCarriedStampPrefix(rest.substr(0, rest.size() - line.text.size())))
                break;
        }
        located.push_back(
            {i, {line.number, line.offset}, rest.substr(rest.size() - line.text.size())});
    }
    return located;
}

}  // namespace corvane
