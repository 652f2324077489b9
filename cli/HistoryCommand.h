// corvane-scan's run-history commands: `history` lists what was recorded for a log
// directory with its marks, `history backfill` analyses and records every day of one,
// and `run --record` records a run.  main.cpp parses the options and runs the day.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "history/RunCollector.h"
#include "history/RunRecord.h"

namespace corvane::cli {

// Writes one line (main's writers: GBK as held, or UTF-8 on request).
using LineOut = std::function<void(std::string_view)>;

struct HistoryArguments {
    std::string db;       // --db FILE; empty: DefaultHistoryPath()
    std::string service;  // --service CODE; empty: every service
    int days = 0;         // --days N; 0: every recorded day
};

// What `history` returns for a usage error; main then prints the usage.
inline constexpr int kHistoryUsage = -2;

// One analysis run of `day` in `logDir` over every service of the catalogue, exactly as
// `run` does it, with `observer` receiving each stored list.
using DayRun = std::function<RunOutcome(const std::string& logDir, const std::string& day,
                                        FindingsObserver& observer)>;

// `history LOGDIR` and `history backfill LOGDIR`; `operands` follow the command word.
// Returns the exit status, or kHistoryUsage.
int HistoryCommand(const HistoryArguments& args, const std::vector<std::string>& operands,
                   const DayRun& runDay, const LineOut& out, const LineOut& err);

// The unknown-error patterns recorded with a run.
std::vector<PatternCount> UnknownErrorPatterns(const ServicePass& pass, const FindingList& findings,
                                               const FindingPlaces& places);

// Records a completed run for `run --record`.  Problems go to `err`; returns the exit
// status (1 when the run could not be recorded).
int RecordRun(const HistoryArguments& args, const RunRecord& run, const LineOut& err);

}  // namespace corvane::cli
