// The log file scanner: one service's daily log file into its findings and counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/FindingList.h"
#include "scan/Host.h"
#include "scan/LineWalker.h"
#include "scan/LiteralMatcher.h"
#include "scan/LogFile.h"

namespace corvane {

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
    // Threads that scan parts of one file at once; 1 scans it on the calling thread.
    unsigned threads = 1;
    // Nominal length of those parts; 0 chooses it from the file size and the threads.
    // Tests make it small to reach part boundaries with small files.
    std::int64_t partLength = 0;
    // The literal engine looks for pieces of the literals in a long file only when a
    // sample of it shows them quicker (MatchOptions); tests choose the pieces, in a
    // file of any length.
    PieceChoice pieces = PieceChoice::Weighed;
};

// The machine's core count: the default of the window and the command line.
unsigned DefaultScanThreads();

// How many of a file's first bytes, and of the bytes before the end of what was
// examined, a follow compares at every look to notice a file written over or cut and
// written again.
inline constexpr std::int64_t kFollowHeadLength = 4096;
inline constexpr std::int64_t kFollowTailLength = 32;

// Where the scan of a plain file left it: the end of its complete lines (a last line
// without its line end, or ending in a CR that is the file's last byte, is not
// complete) and the walk's state there, with the bytes a follow compares.  A follow
// goes on from here without reading what the scan read, and examines the last line
// again once it is complete.
struct ScanEnd {
    std::int64_t examined = 0;
    bool afterCr = false;          // the byte before `examined` is a CR
    LineWalker::Checkpoint state;  // findings, counts and line ends before `examined`
    std::string head;              // the file's first bytes, up to kFollowHeadLength
    std::string tail;              // the bytes before `examined`, up to kFollowTailLength
};

// How a scan ended.  Only Scanned gives findings.
enum class ScanOutcome {
    Scanned,
    OpenFailed,  // the file could not be opened (or its compressed stream is corrupt)
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
    // What the operator is told of an open or read failure: the open-failure message
    // and the file name, the compressed stream's failure, or "读取日志文件出错：" and
    // the file name.  Empty otherwise.
    std::string error;
    // Where the walk stood at the end of the file's complete lines, for following the
    // file on from there (a plain file's scan only).
    std::optional<ScanEnd> end;
};

// Scans `path` for the service `serviceCode` against `catalogue`.  Asks the
// large-file question through `sink` before any other work and writes the progress
// texts into it.  A failure to open the file or to read it is told in the result,
// never shown or thrown.  The partial list of a scan that did not complete is
// discarded.
//
// Threads.  With options.threads == 1 (or a file of one part) everything happens on
// the calling thread, which checks `stop` before every block and every line that
// holds a literal.  Otherwise worker threads scan parts of the file (scan/LineEngine.h) while
// the calling thread waits for them; a stop request ends every worker before ScanLogFile returns
// Stopped.  Only the calling thread asks the question; the progress may then come
// from a worker thread (see ProgressSink).  The answer is the same for every number of
// threads.
ScanResult ScanLogFile(const std::string& serviceCode, const std::string& path,
                       const ErrorCatalogue& catalogue, ScanSink& sink, StopToken stop,
                       const ScanOptions& options);

}  // namespace corvane
