#include "analysis/FindingLines.h"

#include <algorithm>

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

std::vector<LocatedFinding> LocateUnknownFindings(const FindingList& findings,
                                                  const FindingPlaces& places) {
    std::vector<LocatedFinding> located;
    const std::size_t n = std::min(findings.size(), places.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view finding = findings[i];
        if (finding.size() < kCodeAndBar || finding.substr(0, 3) != kUnknownCode ||
            finding[3] != '|')
            continue;
        located.push_back({i, places[i], OwnLine(finding, places[i])});
    }
    return located;
}

}  // namespace corvane
