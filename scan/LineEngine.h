// The one driver of a walk over a log file's lines, for the scan and the search: it
// cuts the file into parts at line ends, walks the parts on worker threads (or the
// whole file on the calling thread), and hands each part's answer to its client in
// file order on the calling thread, with the progress of the text examined from the
// file's start.  A compressed day is read as one part, from its stream.  What a walk
// does with the lines (the scanner's line rules, the search's matching) is the
// client's.
//
// Three words name stretches of a log file, each for one job: a chunk is the unit of
// the progress texts (ChunkProgress.h), a block the line-aligned text handed to a
// walker at a time (BlockReader.h), and a part the range one walker walks: the whole
// file on one thread, or one of the ranges cut below.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "base/FileAccess.h"
#include "base/Stop.h"
#include "scan/BlockReader.h"
#include "scan/LogFile.h"

namespace corvane {

// How the file is cut: part k begins just after the first line end at or after
// byte k * partLength - 1 (part 0 at byte 0), so every part ends at a line end and
// a part that lies inside one long line is empty.
struct PartPlan {
    std::int64_t partLength = 0;
    std::size_t parts = 0;
    unsigned threads = 0;
};

// The plan for `threads` threads and a file of `size` bytes; `partLength` 0 chooses
// it from both.  Fewer than two parts or threads mean the file is best walked whole.
PartPlan PlanParts(std::int64_t size, unsigned threads, std::int64_t partLength);

struct LineEngineOptions {
    unsigned threads = 1;
    // Only tests change these, to reach block and part boundaries with small files.
    std::size_t blockLength = std::size_t{1} << 20;
    std::int64_t partLength = 0;  // 0: chosen from the file size and the threads
    // How many parts the workers may walk beyond the parts the client took, which
    // bounds the answers held at once; 0: any number, for a client that keeps them all.
    std::size_t partsAhead = 0;
    // The blocks of a file walked whole carry their line index (Block::lineEndIndex)
    // when the reader runs ahead on a thread of its own: that thread counts them.
    bool countLineEnds = false;
};

// One thread's walker of parts, made on that thread by LineClient::Walker and used by
// it alone: a part's blocks in file order between Begin and End.  A part that holds
// no byte is never begun: its answer stays as it was before the walk.
class PartWalker {
public:
    virtual ~PartWalker() = default;
    // Part `part` (0 begins the file) is walked from now on.  `stop` is requested
    // when its answer is no longer wanted; a walker that checks it may leave a block
    // half examined then.
    virtual void Begin(std::size_t part, const StopToken& stop) = 0;
    virtual void Examine(const Block& block) = 0;
    // Every block of the part has been examined: keep the part's answer for Take.
    virtual void End(std::size_t part) = 0;
};

// What a walk does with the lines and where the parts' answers go.  Parts, Take and
// TakeSoFar are called on the thread that called the engine; Walker and Reached on
// the walking threads.  A client keeps its answers per part, written by the walker
// of that part and read by Take once the engine hands it on (the engine orders the
// two).
class LineClient {
public:
    virtual ~LineClient() = default;
    // Before any walk: the number of parts.
    virtual void Parts(std::size_t count) = 0;
    // A walker for the calling thread of this function.
    virtual std::unique_ptr<PartWalker> Walker() = 0;
    // Part `part` has ended, every part before it taken.  False ends the walk.
    virtual bool Take(std::size_t part) = 0;
    // When the calling thread walks the one part itself, after every block: what the
    // part has given so far may be handed on now.  False ends the walk.
    virtual bool TakeSoFar(std::size_t /*part*/) { return true; }
    // Every byte before `examined` has been examined (of a compressed stream: has
    // been decompressed), growing; one call at a time, from the walking threads.
    virtual void Reached(std::int64_t /*examined*/) {}
};

enum class LineWalkEnd {
    Done,
    Stopped,       // the stop was requested, or the client's Take answered false
    ReadFailed,    // the file delivered fewer bytes than its size promised
    StreamFailed,  // a compressed stream was corrupt or too large (CompressedLines)
};

struct LineWalk {
    LineWalkEnd end = LineWalkEnd::Done;
    std::int64_t bytes = 0;  // bytes walked: the file's size, or the stream's decompressed
    // ReadFailed and StreamFailed: the message (GBK, naming the file).
    std::string error;
};

// A stretch of a file that begins at a line's start: `afterCr` tells that the byte
// before `begin` is a CR (an LF at `begin` then ends no line).
struct LineRange {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    bool afterCr = false;
};

// Walks `range` of `file` on the calling thread with `walker`, which the caller holds
// (begun, and ended, by the caller: a follow's walker goes on across its looks at a
// growing file).  The reader runs ahead on a thread of its own when the range is more
// than a couple of blocks, numbering the blocks' lines when `countLineEnds` and the
// range begins the file.  After each block, `examined` (may be empty) is told how far
// the walk has come and may end it by answering false.  Done with the range's length
// in bytes, or Stopped; a read failure throws ScanReadError (the caller's to tell).
LineWalk WalkRange(const LogFile& file, const LineRange& range, PartWalker& walker,
                   const StopToken& stop, std::size_t blockLength, bool countLineEnds,
                   const std::function<bool(std::int64_t examined)>& examined = {});

// Walks `file` (its size as opened) as the plan for `options` says.  On worker
// threads, while the calling thread waits for the next part in file order and hands
// it to the client (workers stay at most options.partsAhead parts ahead of it, when
// that is given).  The first part (in file order) that could not be read ends
// the walk with ReadFailed once the parts before it have been taken.  A stop request
// ends every worker before the call returns.  Exceptions of the client (other than
// ScanReadError, a read failure) reach the caller, every worker ended.
LineWalk WalkLogFile(const LogFile& file, LineClient& client, const StopToken& stop,
                     const LineEngineOptions& options);

// Walks the compressed log open in `in` (named `path` in messages) as one part on the
// calling thread while a thread of its own decompresses it (ForEachCompressedBlock).
// A stream that proves corrupt or too large ends the walk with StreamFailed and
// CompressedLogFailure's message; the blocks before were examined and handed on.
LineWalk WalkCompressedLog(const FileDescriptor& in, const std::string& path, LineClient& client,
                           const StopToken& stop);

}  // namespace corvane
