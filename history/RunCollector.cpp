#include "history/RunCollector.h"

#include "history/PassMarks.h"
#include "patterns/PatternListing.h"

namespace corvane {

RunCollector::RunCollector(FindingsObserver* next, PatternCounter patterns, std::int64_t ranAt)
    : next_(next), patterns_(std::move(patterns)) {
    record_.ranAt = ranAt;
}

void RunCollector::PassStored(const ServicePass& pass) {
    if (next_ != nullptr) next_->PassStored(pass);
    ServiceRecord service;
    service.codes = KnownCodeCounts({&pass.findings});
    if (patterns_ && pass.unknown > 0) service.patterns = patterns_(pass);
    service.directory = pass.directory;
    service.day = pass.day;
    service.serviceCode = pass.serviceCode;
    service.known = pass.known;
    service.unknown = pass.unknown;
    service.bytes = pass.logStamp.size;
    service.seconds = pass.seconds;
    record_.services.push_back(std::move(service));
}

std::optional<std::vector<PatternCount>> CountUnknownPatterns(const FindingList& findings,
                                                              const StopToken& stop) {
    const std::optional<PatternListing> listing = MineUnknownFindingPatterns(findings, stop);
    if (!listing) return std::nullopt;
    std::vector<PatternCount> counts;
    for (const PatternGroup& group : listing->groups) counts.push_back({group.text, group.count});
    return counts;
}

}  // namespace corvane
