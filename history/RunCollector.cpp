#include "history/RunCollector.h"

#include "analysis/FileLines.h"
#include "analysis/PatternListing.h"

#include <sys/stat.h>

#include "catalog/ErrorCatalogue.h"

namespace corvane {

namespace {

// A finding's code, as the report tally takes it: its first three bytes.
constexpr std::size_t kCodeLength = 3;

}  // namespace

RunCollector::RunCollector(FindingsObserver* next, PatternCounter patterns, std::int64_t ranAt)
    : next_(next), patterns_(std::move(patterns)) {
    record_.ranAt = ranAt;
}

void RunCollector::AddFindings(const std::string& serviceCode, const FindingList& findings) {
    if (next_ != nullptr) next_->AddFindings(serviceCode, findings);
    pending_ = ServiceRecord{};
    for (const std::string& finding : findings) {
        const std::string code = finding.substr(0, kCodeLength);
        if (code != kUnknownCode) ++pending_.codes[code];
    }
    pendingFindings_ = &findings;
}

void RunCollector::PassStored(const ServicePass& pass, const FindingPlaces& places) {
    if (next_ != nullptr) next_->PassStored(pass, places);
    ServiceRecord service = std::move(pending_);
    pending_ = ServiceRecord{};
    if (patterns_ && pendingFindings_ != nullptr && pass.unknown > 0)
        service.patterns = patterns_(pass, *pendingFindings_, places);
    pendingFindings_ = nullptr;
    service.directory = pass.directory;
    service.day = pass.day;
    service.serviceCode = pass.serviceCode;
    service.known = pass.known;
    service.unknown = pass.unknown;
    service.seconds = pass.seconds;
    struct stat st {};
    if (::stat(pass.logFile.c_str(), &st) == 0) service.bytes = st.st_size;
    record_.services.push_back(std::move(service));
}

std::vector<PatternCount> CountUnknownPatterns(const FindingList& findings,
                                               const FindingPlaces& places, EventPump* pump) {
    std::vector<PatternCount> counts;
    for (const PatternGroup& group : MineUnknownFindingPatterns(findings, places, pump).groups)
        counts.push_back({group.text, group.count});
    return counts;
}

}  // namespace corvane
