// The scan as a client of the line engine (LineEngine.h): the scanner's line walker
// over each part, the parts' findings joined in file order.
#pragma once

#include <cstdint>
#include <string>

#include "base/FileAccess.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/Host.h"
#include "scan/LineWalker.h"
#include "scan/LogFile.h"

namespace corvane {

struct ScanResult;
struct ScanOptions;

// Scans `file` with `literals` (compiled into `matcher`) in parts on options.threads
// threads, or whole on the calling thread when the file makes one part.  Each part is
// walked on its own; the parts' findings are joined in file order, and the lines at
// the start of each part complete the most recent finding before it, so findings,
// places, counts and progress texts are those of a scan of the whole file on one
// thread.  `row` receives the progress texts in order as the examined text from the
// file's start grows, from the walking threads, one call at a time.  A stop request
// ends every worker and gives ScanOutcome::Stopped; a part that could not be read gives
// ReadFailed and its message.  The result's `end` holds the walk's state at `holdAt`
// (see LineWalker::HoldAt), as a walk of the whole file would have it there.
ScanResult ScanInParts(const LogFile& file, const ScanLiterals& literals,
                       const LiteralMatcher& matcher, const ErrorCatalogue& catalogue,
                       ProgressSink& row, const StopToken& stop, const ScanOptions& options,
                       std::int64_t holdAt);

// Scans the compressed log open in `in` on the calling thread while a thread of its
// own decompresses it.  The progress texts count the decompressed bytes against
// `recorded`, the size the stream's end records (exact for the usual one-member file).
// A corrupt or oversized stream gives ScanOutcome::OpenFailed and its message in
// `error`.
ScanResult ScanCompressedLog(const FileDescriptor& in, const std::string& path,
                             std::int64_t recorded, const ScanLiterals& literals,
                             const LiteralMatcher& matcher, const ErrorCatalogue& catalogue,
                             ProgressSink& row, const StopToken& stop, const ScanOptions& options);

}  // namespace corvane
