#include "patterns/FindingLines.h"

#include "catalog/ErrorCatalogue.h"

namespace corvane {
namespace {

// A finding begins with its three-byte code and "|".
constexpr std::size_t kCodeAndBar = 4;

}  // namespace

std::string_view OwnLine(std::string_view finding, const FindingPlace& place) {
    if (place.length < 0 || finding.size() < kCodeAndBar ||
        static_cast<std::size_t>(place.length) > finding.size() - kCodeAndBar)
        return {};
    return finding.substr(finding.size() - static_cast<std::size_t>(place.length));
}

std::vector<LocatedFinding> LocateUnknownFindings(const FindingList& findings) {
    std::vector<LocatedFinding> located;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        if (finding.text.size() < kCodeAndBar || finding.Code() != kUnknownCode ||
            finding.text[3] != '|')
            continue;
        located.push_back({i, finding.place, OwnLine(finding.text, finding.place)});
    }
    return located;
}

}  // namespace corvane
