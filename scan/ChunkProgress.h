// The progress text of a scan, written once before the first chunk and once after
// each chunk.  A chunk runs from where the previous one ended for the nominal chunk
// length and then on to the first line end (CR or LF) at or after that point, or to
// the end of the file.  Ending at a CR as well as at an LF keeps a file with CR-only
// line ends from becoming one giant chunk; at worst it makes an empty line, which
// never matters.
#pragma once

#include <cstdint>
#include <string>

#include "scan/Host.h"
#include "scan/LogFile.h"

namespace corvane {

inline constexpr std::int64_t kMiB = 1048576;

// "已分析:" done/unit "MB/" size/unit "MB", both rounded down.
std::string ProgressText(std::int64_t done, std::int64_t size, std::int64_t unit = kMiB);

class ChunkProgress {
public:
    ChunkProgress(const LogFile& file, std::int64_t chunkLength, ProgressSink& sink,
                  std::int64_t unit = kMiB);

    // The text before the first chunk (done = 0).
    void Start();
    // Every byte before `done` has been examined: writes the text of each chunk that
    // ends at or before it, in file order.  Finds a chunk's end by reading the few
    // bytes after its nominal end, so it needs no block of the scan.
    void Reached(std::int64_t done);
    // After the last block.  An empty file is one empty chunk.
    void Finish();

private:
    // The end of the chunk that begins at `start`, or -1 when the file ends there.
    std::int64_t ChunkEnd(std::int64_t start) const;

    const LogFile& file_;
    const std::int64_t chunkLength_;
    ProgressSink& sink_;
    const std::int64_t unit_;
    std::int64_t chunkEnd_ = -1;  // end of the chunk whose text is still to come
};

}  // namespace corvane
