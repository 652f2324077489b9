// corvane-scan's run-history commands: `history` lists what was recorded for a log
// directory with its marks, `history backfill` analyses and records every day of one,
// and `run --record` records a run.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "history/RunCollector.h"
#include "history/RunRecord.h"
#include "scan/AnalysisRun.h"

namespace corvane::cli {

// Writes one line (main's writers: GBK as held, or UTF-8 on request).
using LineOut = std::function<void(std::string_view)>;

struct HistoryArguments {
    std::string db;       // --db FILE; empty: DefaultHistoryPath()
    std::string service;  // --service CODE; empty: every service
    int days = 0;         // --days N; 0: every recorded day
};

// The history options of the command line.
HistoryArguments HistoryOf(const Arguments& args);

// The unknown-error patterns recorded with a run.
std::vector<PatternCount> UnknownErrorPatterns(const ServicePass& pass);

// Sends a completed run's counts to the metrics server when Server.ini in `configDir`
// names one, with the history as the outbox of what the server does not take.  What
// the operator is told goes to `err`; the run's exit status stays as it is.
void SendRunMetrics(const std::string& configDir, const HistoryArguments& args,
                    const RunRecord& run, const LineOut& err);

// Records a completed run for `run --record`.  Problems go to `err`; returns the exit
// status (1 when the run could not be recorded).
int RecordRun(const HistoryArguments& args, const RunRecord& run, const LineOut& err);

}  // namespace corvane::cli
