// corvane-scan's run-history commands: `history` lists what was recorded for a log
// directory with its marks, `history backfill` analyses and records every day of one,
// and `run --record` records a run.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "fleet/MetricsConfig.h"
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

// Records a completed run for `run --record` (`record`), and sends its counts to the
// metrics server when `metrics` names one, with the history as the outbox of what the
// server does not take; the history is opened once for both.  Problems go to `err`;
// returns the exit status: 1 when the run was to be recorded and could not be.  The
// metrics server never changes it.
int RecordRun(const HistoryArguments& args, const RunRecord& run, bool record,
              const std::optional<MetricsConfig>& metrics, const LineOut& err);

}  // namespace corvane::cli
