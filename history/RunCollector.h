// Gathers what the run history keeps while an analysis run goes on: hand it to
// RunServicePasses as the observer (it passes each list on to the report tally), and
// take its record once the run has completed.  A stopped or failed run is simply not
// recorded.
#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Stop.h"
#include "history/RunRecord.h"
#include "scan/AnalysisRun.h"

namespace corvane {

// The unknown-error patterns of one stored service (its findings of all codes; the
// unknown ones are those of code "999", each with the place the scan gave it).
using PatternCounter = std::function<std::vector<PatternCount>(const ServicePass& pass)>;

// The patterns of the unknown findings of `findings`, each as its line stands in its
// file (its place tells which bytes those are), largest first; nothing when a stop was
// requested through `stop`.
std::optional<std::vector<PatternCount>> CountUnknownPatterns(const FindingList& findings,
                                                              const StopToken& stop = {});

class RunCollector final : public FindingsObserver {
public:
    // `next` receives every list first (may be null).  Without `patterns` the records
    // have none; a caller that computes them later fills ServiceRecord::patterns itself.
    explicit RunCollector(FindingsObserver* next = nullptr, PatternCounter patterns = {},
                          std::int64_t ranAt = std::time(nullptr));

    void PassStored(const ServicePass& pass) override;

    const RunRecord& Record() const { return record_; }
    RunRecord TakeRecord() { return std::move(record_); }

private:
    FindingsObserver* next_;
    PatternCounter patterns_;
    RunRecord record_;
};

}  // namespace corvane
