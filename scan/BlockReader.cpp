#include "scan/BlockReader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "base/LineEnds.h"

namespace corvane {

BlockReader::BlockReader(const LogFile& file, std::int64_t begin, std::int64_t end,
                         std::size_t blockLength, bool afterCr)
    : file_(file),
      end_(end),
      blockLength_(std::max<std::size_t>(blockLength, 1)),
      pos_(begin),
      readPos_(begin),
      taken_(begin),
      afterCr_(afterCr) {}

bool BlockReader::Next(BlockBuffer& into, Block& block) {
    MoveRest(into);
    if (pos_ >= end_) return false;
    for (;;) {
        if (Buffered() < blockLength_ && readPos_ < end_) Fill(blockLength_ - Buffered());
        const std::int64_t blockEnd = readPos_ == end_ ? end_ : LastLineEnd();
        if (blockEnd > pos_) {
            block.begin = buffer_->data.get();
            block.end = block.begin + (blockEnd - pos_);
            block.offset = pos_;
            taken_ = blockEnd;
            block.afterCr = afterCr_;
            afterCr_ = block.end[-1] == '\r';
            if (countLineEnds_) IndexLineEnds(block);
            return true;
        }
        // Not one whole line in the buffer: the line is longer than a block.
        if (!TakeWholeLine()) return false;
    }
}

// Finds where the overlong line that fills the buffer ends and reads all of it into
// a buffer of exactly that length: no doubling, and no copy of the line kept twice.
bool BlockReader::TakeWholeLine() {
    const std::int64_t lineEnd = file_.FindLineEnd(readPos_);
    const std::size_t length =
        static_cast<std::size_t>((lineEnd < end_ ? lineEnd + 1 : end_) - pos_);
    if (length > buffer_->capacity) {
        if (growGate_ && !growGate_()) return false;
        std::unique_ptr<char[]> whole(new char[length]);
        std::memcpy(whole.get(), buffer_->data.get(), Buffered());
        buffer_->data = std::move(whole);
        buffer_->capacity = length;
    }
    Fill(length - Buffered());
    return true;
}

void BlockReader::IndexLineEnds(Block& block) {
    std::vector<std::int64_t>& index = buffer_->lineEnds;
    index.clear();
    index.push_back(0);
    std::int64_t count = 0;
    for (const char* p = block.begin; p < block.end; p += kLineIndexStride) {
        const char* to = block.end - p > static_cast<std::ptrdiff_t>(kLineIndexStride)
                             ? p + kLineIndexStride
                             : block.end;
        count += corvane::CountLineEnds(p, to, p == block.begin ? block.afterCr : p[-1] == '\r');
        index.push_back(count);
    }
    block.lineEndsBefore = lineEnds_;
    block.lineEndIndex = index.data();
    lineEnds_ += count;
}

// Drops the block handed out last and makes `into` the buffer, holding what was
// read after that block.  A buffer that grew for an overlong line goes back to the
// ordinary length.
void BlockReader::MoveRest(BlockBuffer& into) {
    const std::size_t keep = static_cast<std::size_t>(readPos_ - taken_);
    const char* rest = keep > 0 ? buffer_->data.get() + (taken_ - pos_) : nullptr;
    const std::size_t wanted =
        std::max(keep, static_cast<std::size_t>(std::min<std::int64_t>(
                           static_cast<std::int64_t>(blockLength_), end_ - taken_)));
    if (into.capacity < wanted || into.capacity > 2 * std::max(wanted, blockLength_)) {
        if (&into != buffer_) into.data.reset();
        std::unique_ptr<char[]> fresh(new char[wanted]);
        if (keep > 0) std::memcpy(fresh.get(), rest, keep);
        into.data = std::move(fresh);
        into.capacity = wanted;
    } else if (keep > 0) {
        std::memmove(into.data.get(), rest, keep);
    }
    buffer_ = &into;
    pos_ = taken_;
}

// Reads `want` more bytes into the buffer, which has room for them.
void BlockReader::Fill(std::size_t want) {
    want = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(want), end_ - readPos_));
    if (want == 0) return;
    file_.Read(buffer_->data.get() + Buffered(), want, readPos_);
    readPos_ += static_cast<std::int64_t>(want);
}

// The file offset just past the last line end in the buffer, or pos_ if none.
std::int64_t BlockReader::LastLineEnd() const {
    const char* begin = buffer_->data.get();
    const char* p = begin + Buffered();
    while (p > begin && !IsLineEndByte(p[-1])) --p;
    return pos_ + (p - begin);
}

BlockSource::BlockSource(BlockReader& reader, bool readAhead) : reader_(reader) {
    if (!readAhead) return;
    reader_.SetGrowGate([this] { return WaitUntilAllReturned(); });
    try {
        thread_ = std::thread([this] { ReadAhead(); });
    } catch (const std::system_error&) {
        // No thread to be had: read on the calling thread instead.
    }
}

BlockSource::~BlockSource() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    bufferFree_.notify_one();
    thread_.join();
}

bool BlockSource::Next(Block& block) {
    if (!thread_.joinable()) return reader_.Next(buffers_[0], block);
    std::unique_lock<std::mutex> lock(mutex_);
    if (holding_) {
        holding_ = false;
        ++released_;
        bufferFree_.notify_one();
    }
    blockReady_.wait(lock, [this] { return released_ < produced_ || finished_; });
    if (released_ < produced_) {
        block = blocks_[released_ % kBuffers];
        holding_ = true;
        return true;
    }
    if (failure_) std::rethrow_exception(failure_);
    return false;
}

void BlockSource::ReadAhead() {
    for (std::uint64_t n = 0;; ++n) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            // Buffer n % kBuffers is free once block n - kBuffers has been given back.
            bufferFree_.wait(lock, [&] { return stop_ || n - released_ < kBuffers; });
            if (stop_) return;
        }
        Block block;
        bool more = false;
        std::exception_ptr failure;
        try {
            reading_ = n % kBuffers;
            more = reader_.Next(buffers_[reading_], block);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (more) {
                blocks_[n % kBuffers] = block;
                produced_ = n + 1;
            } else {
                finished_ = true;
                failure_ = failure;
            }
        }
        blockReady_.notify_one();
        if (!more) return;
    }
}

// On the reading thread, before a buffer grows for an overlong line: once the scan
// has given back every block, no other buffer is in use, and what they hold can go.
bool BlockSource::WaitUntilAllReturned() {
    std::unique_lock<std::mutex> lock(mutex_);
    bufferFree_.wait(lock, [this] { return stop_ || released_ == produced_; });
    if (stop_) return false;
    for (std::size_t i = 0; i < kBuffers; ++i) {
        if (i == reading_) continue;
        buffers_[i].data.reset();
        buffers_[i].capacity = 0;
    }
    return true;
}

}  // namespace corvane
