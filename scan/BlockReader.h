// Reading a part of a log file in line-aligned blocks, and the read-ahead thread
// that copies the next blocks out of the page cache while earlier ones are examined.
#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "scan/LogFile.h"

namespace corvane {

// A reader that counts line ends does so per stride of this many bytes of a block,
// so that the number of a line in the block costs at most one such stride more.
inline constexpr std::size_t kLineIndexStride = 4096;

// One buffer of file text; the blocks handed to the scan are views into it.
struct BlockBuffer {
    std::unique_ptr<char[]> data;
    std::size_t capacity = 0;
    std::vector<std::int64_t> lineEnds;  // the line index of the block in it
};

// Whole lines of the file: [begin, end) starts at `offset`.  Every block but the
// part's last ends just after a CR or LF, so no line is split between blocks
// (a CR LF pair may be: `afterCr` tells that the byte before the block is a CR).
struct Block {
    const char* begin = nullptr;
    const char* end = nullptr;
    std::int64_t offset = 0;
    bool afterCr = false;
    // From a reader that counts line ends: those in the part before the block,
    // and those in [begin, begin + i * kLineIndexStride) for each i up to the
    // block's end.  Null otherwise.
    std::int64_t lineEndsBefore = 0;
    const std::int64_t* lineEndIndex = nullptr;
};

// Reads [begin, end) of the file front to back, a block at a time, like a line
// buffer: fill it to the block length, hand out the whole lines in it, keep the
// partial line after them for the next block.  A line longer than a block is first
// measured (read in small pieces up to its end) and then read into a buffer of just
// its length, which goes back to the block length afterwards.  Blocks are much
// smaller than chunks, so the text goes through the cache once on its way from the
// page cache to the literal engine, and memory stays at a block plus the longest
// line whatever the file holds.
class BlockReader {
public:
    // `afterCr`: the byte before `begin` is a CR, so an LF at `begin` ends no line.
    BlockReader(const LogFile& file, std::int64_t begin, std::int64_t end, std::size_t blockLength,
                bool afterCr = false);

    // Count each block's line ends right after reading it (see Block).  The
    // read-ahead thread does so, so that the scanning thread need not.
    void CountLineEnds() { countLineEnds_ = true; }

    // The next block, or false at the end of the part.  The block is read into
    // `into`, which receives the partial line after the previous block first; the
    // previous block stays intact unless `into` is the buffer that holds it.
    bool Next(BlockBuffer& into, Block& block);

    // Asked before a buffer grows beyond the block length for an overlong line; the
    // read-ahead thread waits there until the scan holds no other buffer, so that at
    // most one overlong line is held at a time.  False ends the reading.
    void SetGrowGate(std::function<bool()> gate) { growGate_ = std::move(gate); }

private:
    std::size_t Buffered() const { return static_cast<std::size_t>(readPos_ - pos_); }
    void MoveRest(BlockBuffer& into);
    bool TakeWholeLine();
    void Fill(std::size_t want);
    std::int64_t LastLineEnd() const;
    void IndexLineEnds(Block& block);

    const LogFile& file_;
    const std::int64_t end_;
    const std::size_t blockLength_;
    BlockBuffer* buffer_ = nullptr;  // holds the file text from pos_ to readPos_
    std::int64_t pos_;               // file offset of the buffer's first byte
    std::int64_t readPos_;           // file offset just past the buffered bytes
    std::int64_t taken_;             // end of the block handed out last
    bool afterCr_;                   // the byte before taken_ is a CR
    bool countLineEnds_ = false;
    std::int64_t lineEnds_ = 0;  // line ends before taken_, when counted
    std::function<bool()> growGate_;
};

// Hands out the reader's blocks in file order.  For a part of more than a couple
// of blocks the reader runs ahead on a thread of its own, so that copying the text
// out of the page cache overlaps with the literal engine's pass over earlier blocks;
// the matching itself stays on the calling thread.  A ring of a few buffers bounds
// how far the reader gets ahead: it waits until the scan gives a buffer back.
// Whatever the reader throws (a file that shrank) reaches the scan in file order,
// once the blocks before it have been examined.
class BlockSource {
public:
    BlockSource(BlockReader& reader, bool readAhead);
    ~BlockSource();
    BlockSource(const BlockSource&) = delete;
    BlockSource& operator=(const BlockSource&) = delete;

    // The next block, or false at the end of the part.  A block stays valid until
    // the next call.
    bool Next(Block& block);

private:
    static constexpr std::uint64_t kBuffers = 4;

    void ReadAhead();
    bool WaitUntilAllReturned();

    BlockReader& reader_;  // used by the reading thread only, while there is one
    std::array<BlockBuffer, kBuffers> buffers_;
    std::mutex mutex_;
    std::condition_variable bufferFree_;
    std::condition_variable blockReady_;
    // Guarded by mutex_:
    std::array<Block, kBuffers> blocks_;
    std::uint64_t produced_ = 0;  // blocks read so far
    std::uint64_t released_ = 0;  // blocks the scan has given back
    bool holding_ = false;        // the scan holds block released_
    bool finished_ = false;       // the reader has ended: end of part or failure_
    bool stop_ = false;
    std::exception_ptr failure_;
    std::size_t reading_ = 0;  // the buffer the reading thread fills
    std::thread thread_;
};

}  // namespace corvane
