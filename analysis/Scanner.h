// The log file scanner: one service's daily log file into a FindingList.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "analysis/FindingList.h"
#include "analysis/Host.h"
#include "catalog/ErrorCatalogue.h"

namespace corvane {

// True exactly while ScanLogFile runs; the start button refuses a second run then.
inline bool AnalysisBusy = false;

// Files strictly larger than this are scanned only after the operator agrees.
inline constexpr std::int64_t kLargeFileThreshold = 20971520;
// Nominal chunk length; a chunk is extended to the next line end.
inline constexpr std::int64_t kChunkLength = 104857600;

// Raised when the file delivers fewer bytes than its size promised (it was shortened
// while being scanned).  The scan's partial list is discarded.
class ScanReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScanOptions {
    std::string programDir;          // where ServiceList.ini (the ignore lists) lives
    bool askAboutLargeFiles = true;  // false: never ask the 20 MiB question
    // Nominal chunk length and the length of the blocks handed to the pattern
    // engine; only tests change them, to reach chunk and block boundaries with
    // small files.
    std::int64_t chunkLength = kChunkLength;
    std::size_t blockLength = std::size_t{1} << 20;
};

// Scans `path` for the service `serviceCode` against `catalogue`.
// Returns the findings followed by the unknown count and the known count, or
// nothing when the file cannot be opened (after the open-failure message), when the
// operator declines a large file, or when `pump` reports a stop request.
// Throws ScanReadError when the file shrinks under the scan.
std::optional<FindingList> ScanLogFile(const std::string& serviceCode, const std::string& path,
                                       const ErrorCatalogue& catalogue, ProgressSink& row,
                                       UserDialogs& dialogs, EventPump& pump,
                                       const ScanOptions& options);

}  // namespace corvane
