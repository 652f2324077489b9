// The log file scanner: one service's daily log file into its findings and counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/FindingList.h"
#include "scan/Host.h"
#include "scan/LogFile.h"

namespace corvane {

// True exactly while ScanLogFile runs; the start button refuses a second run then.
inline bool AnalysisBusy = false;

// Files strictly larger than this are scanned only after the operator agrees.
inline constexpr std::int64_t kLargeFileThreshold = 20971520;
// Nominal chunk length; a chunk is extended to the next line end.
inline constexpr std::int64_t kChunkLength = 104857600;

struct ScanOptions {
    std::string programDir;          // where ServiceList.ini (the ignore lists) lives
    bool askAboutLargeFiles = true;  // false: never ask the 20 MiB question
    // Nominal chunk length and the length of the blocks handed to the literal
    // engine; only tests change them, to reach chunk and block boundaries with
    // small files.
    std::int64_t chunkLength = kChunkLength;
    std::size_t blockLength = std::size_t{1} << 20;
    // Threads that scan parts of one file at once; 1 scans it on the calling thread,
    // which then calls the pump before every block and every line with a literal.
    unsigned threads = 1;
    // Nominal length of those parts; 0 chooses it from the file size and the threads.
    // Tests make it small to reach part boundaries with small files.
    std::int64_t partLength = 0;
};

// The machine's core count: the default of the window and the command line.
unsigned DefaultScanThreads();

// How a scan ended.  Only Scanned gives findings.
enum class ScanOutcome {
    Scanned,
    OpenFailed,  // the file could not be opened; the open-failure message was shown
    Declined,    // the operator declined to scan a large file
    Stopped,     // a stop was requested through the scan's token
    ReadFailed,  // the file delivered fewer bytes than its size promised
};

struct ScanResult {
    ScanOutcome outcome = ScanOutcome::Scanned;
    // The findings in file order, each with the place of its own line.
    FindingList findings;
    std::int64_t unknown = 0;  // findings of the unknown code
    std::int64_t known = 0;    // findings of a catalogue code
    std::int64_t bytes = 0;    // bytes scanned: the whole file
    // The file as the scan opened it: the findings and places describe that file.
    FileStamp stamp;
    // The message of a read failure ("读取日志文件出错：" and the file name).
    std::string error;
};

// Scans `path` for the service `serviceCode` against `catalogue`.  Shows the
// open-failure message and asks the large-file question through `dialogs` itself,
// before any other work, and writes the progress texts into `row`.  The partial list
// of a scan that did not complete is discarded.
//
// Threads.  With options.threads == 1 (or a file of one part) everything happens on
// the calling thread, which calls pump.ProcessEvents() before every block and every
// line that holds a literal, and checks `stop` after each call.  Otherwise worker
// threads scan parts of the file (scan/LineEngine.h) while the calling thread waits for
// them, without calling `pump`; a stop request ends every worker before ScanLogFile
// returns Stopped.  Only the calling thread calls `pump` and `dialogs`.  `row` may then
// be called from a worker thread (see ProgressSink).  `catalogue`, `options` and the
// file name are read by the workers until ScanLogFile returns, so they must not change
// meanwhile.  The answer is the same for every number of threads.
ScanResult ScanLogFile(const std::string& serviceCode, const std::string& path,
                       const ErrorCatalogue& catalogue, ProgressSink& row, UserDialogs& dialogs,
                       EventPump& pump, StopToken stop, const ScanOptions& options);

}  // namespace corvane
