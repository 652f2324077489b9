// One file scanned in parts on several threads, with the one-thread answer.
//
// Three words name stretches of a log file, each for one job: a chunk is the unit of
// the progress texts (ChunkProgress.h), a block the line-aligned text handed to the
// literal engine at a time (BlockReader.h), and a part the range one line walker
// scans: the whole file on one thread, or one of the ranges cut below.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/Host.h"
#include "scan/LineWalker.h"
#include "scan/LogFile.h"

namespace corvane {

struct ScanResult;
struct ScanOptions;

// How the file is cut: part k begins just after the first line end at or after
// byte k * partLength - 1 (part 0 at byte 0), so every part ends at a line end and
// a part that lies inside one long line is empty.
struct PartPlan {
    std::int64_t partLength = 0;
    std::size_t parts = 0;
    unsigned threads = 0;
};

// The plan for `options` and a file of `size` bytes; fewer than two parts or
// threads mean the file is best scanned whole.
PartPlan PlanParts(std::int64_t size, const ScanOptions& options);

// Compiles `literals` and scans the parts on plan.threads worker threads while the
// calling thread waits for them; a stop request ends every worker and gives
// ScanOutcome::Stopped.  Each part is walked on its own; the parts' findings
// are joined in file order, and the lines at the start of each part complete the
// most recent finding before it, so findings, places, counts and progress texts are
// those of a scan of the whole file on one thread.  `row` receives the progress
// texts in order as the examined text from the file's start grows, from the
// worker threads, one call at a time.  Throws ScanReadError for the first part (in
// file order) whose file text could not be read, and the matcher's error when the
// engine refuses the literals.  The result's `end` holds the walk's state at `holdAt` (see
// LineWalker::HoldAt), as a walk of the whole file would have it there.
ScanResult ScanInParts(const LogFile& file, const ScanLiterals& literals,
                       const ErrorCatalogue& catalogue, ProgressSink& row, const StopToken& stop,
                       const ScanOptions& options, const PartPlan& plan, std::int64_t holdAt);

}  // namespace corvane
