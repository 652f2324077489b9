// The streaming decompression of a gzip file, for the scan of a compressed day and
// its decompressed copy.  ISA-L's inflate decodes a stream piece by piece at several
// times zlib's speed, so memory stays at a few buffers whatever the file holds.
#pragma once

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "base/FileAccess.h"
#include "base/LineEnds.h"
#include "scan/BlockReader.h"

namespace corvane {

inline constexpr std::size_t kGzipInputPiece = std::size_t{1} << 20;
inline constexpr std::size_t kGzipOutputBuffer = std::size_t{4} << 20;

// How a decompression ended.
enum class Inflated { Done, Corrupt, TooLarge, Stopped };

// Decompresses a gzip file (one or more members, zeros after the last one allowed) on
// a thread of its own into a ring of buffers that the calling thread takes in order:
// the decompression of the next buffers overlaps with the work on the earlier ones.
class Inflater {
public:
    Inflater(const FileDescriptor& in, std::int64_t limit) : in_(in), limit_(limit) {
        for (auto& buffer : buffers_) buffer.data.reset(new char[kGzipOutputBuffer]);
    }
    ~Inflater() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Hands each buffer of decompressed bytes to `write(data, size)` in order; false
    // from it ends the decompression (Stopped).  At most `limit` bytes are made.
    template <typename Write>
    Inflated Run(Write&& write) {
        thread_ = std::thread([this] { Produce(); });
        for (std::uint64_t n = 0;; ++n) {
            Buffer* buffer;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                changed_.wait(lock, [&] { return produced_ > n || finished_; });
                if (produced_ <= n) return outcome_;
                buffer = &buffers_[n % kBuffers];
            }
            const bool more = write(buffer->data.get(), buffer->size);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                released_ = n + 1;
            }
            changed_.notify_all();
            if (!more) return Inflated::Stopped;
        }
    }

private:
    static constexpr std::size_t kBuffers = 3;
    struct Buffer {
        std::unique_ptr<char[]> data;
        std::size_t size = 0;
    };

    // Waits for buffer n's slot to be free; false on a stop.
    bool Slot(std::uint64_t n) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return stop_ || n - released_ < kBuffers; });
        return !stop_;
    }

    void Publish(std::uint64_t n) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            produced_ = n + 1;
        }
        changed_.notify_all();
    }

    void Finish(Inflated outcome) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finished_ = true;
            outcome_ = outcome;
        }
        changed_.notify_all();
    }

    void Produce() { Finish(Inflate()); }

    Inflated Inflate() {
        std::unique_ptr<std::uint8_t[]> input(new std::uint8_t[kGzipInputPiece]);
        auto state = std::make_unique<inflate_state>();
        isal_inflate_init(state.get());
        state->crc_flag = ISAL_GZIP;
        state->avail_in = 0;
        bool atEnd = false;           // the whole input has been read
        bool betweenMembers = false;  // a member has ended; only another or zeros may follow
        std::int64_t total = 0;
        std::uint64_t n = 0;
        if (!Slot(n)) return Inflated::Stopped;
        Buffer* out = &buffers_[0];
        out->size = 0;
        for (;;) {
            if (state->avail_in == 0 && !atEnd) {
                const std::optional<std::size_t> got =
                    ReadSome(in_, reinterpret_cast<char*>(input.get()), kGzipInputPiece);
                if (!got) return Inflated::Corrupt;
                if (*got == 0) {
                    atEnd = true;
                } else {
                    state->next_in = input.get();
                    state->avail_in = static_cast<std::uint32_t>(*got);
                }
            }
            if (betweenMembers) {
                if (state->avail_in == 0) {
                    if (atEnd) break;
                    continue;
                }
                if (state->next_in[0] == 0) {
                    // Zeros that pad the end of a file are no member.
                    ++state->next_in;
                    --state->avail_in;
                    continue;
                }
                std::uint8_t* next = state->next_in;
                const std::uint32_t avail = state->avail_in;
                isal_inflate_reset(state.get());
                state->crc_flag = ISAL_GZIP;
                state->next_in = next;
                state->avail_in = avail;
                betweenMembers = false;
            }
            const std::uint32_t inBefore = state->avail_in;
            state->next_out = reinterpret_cast<std::uint8_t*>(out->data.get()) + out->size;
            state->avail_out = static_cast<std::uint32_t>(kGzipOutputBuffer - out->size);
            const std::uint32_t outBefore = state->avail_out;
            const int result = isal_inflate(state.get());
            if (result < 0) return Inflated::Corrupt;
            const std::size_t made = outBefore - state->avail_out;
            out->size += made;
            total += static_cast<std::int64_t>(made);
            if (total > limit_) return Inflated::TooLarge;
            const bool finished = state->block_state == ISAL_BLOCK_FINISH;
            if (out->size == kGzipOutputBuffer || (finished && atEnd && state->avail_in == 0)) {
                if (out->size > 0) {
                    Publish(n);
                    ++n;
                    if (!Slot(n)) return Inflated::Stopped;
                    out = &buffers_[n % kBuffers];
                    out->size = 0;
                }
            }
            if (finished) {
                betweenMembers = true;
                continue;
            }
            // Nothing more to read, nothing taken, nothing made: the stream stops short.
            if (atEnd && state->avail_in == 0 && made == 0 && inBefore == 0)
                return Inflated::Corrupt;
        }
        if (out->size > 0) Publish(n);
        return Inflated::Done;
    }

    const FileDescriptor& in_;
    const std::int64_t limit_;
    std::array<Buffer, kBuffers> buffers_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::uint64_t produced_ = 0;  // guarded by mutex_
    std::uint64_t released_ = 0;  // guarded by mutex_
    bool finished_ = false;       // guarded by mutex_
    bool stop_ = false;           // guarded by mutex_
    Inflated outcome_ = Inflated::Done;
    std::thread thread_;
};

// The size the stream's end records: the decompressed size modulo 4 GiB of its last
// member, exact for the usual file of one member; 0 when it cannot be read.
inline std::int64_t RecordedSize(const FileDescriptor& in, const FileStatus& status) {
    if (status.stamp.size < 4) return 0;
    unsigned char trailer[4] = {};
    if (ReadFullAt(in, reinterpret_cast<char*>(trailer), 4, status.stamp.size - 4) != 4u) return 0;
    return trailer[0] | trailer[1] << 8 | trailer[2] << 16 |
           static_cast<std::int64_t>(trailer[3]) << 24;
}

// The decompressed buffers of a stream as blocks of whole lines (BlockReader.h): each
// buffer's lines up to its last line end, the partial line after it kept in front of
// the next buffer.  Memory is a buffer plus the longest line.
class GzipLines {
public:
    // Appends `size` decompressed bytes and makes the block of whole lines before the
    // last line end; false when no line ends in them yet.
    bool Add(const char* data, std::size_t size, Block& block) {
        if (rest_ + size > capacity_) Grow(rest_ + size);
        std::memcpy(buffer_.get() + rest_, data, size);
        const std::size_t filled = rest_ + size;
        std::size_t end = filled;
        while (end > 0 && !IsLineEndByte(buffer_[end - 1])) --end;
        if (end == 0) {
            rest_ = filled;
            return false;
        }
        Hand(end, block);
        // The bytes after the block move to the front once the walker is done with it.
        pendingFrom_ = end;
        pendingTo_ = filled;
        return true;
    }

    // The block's bytes have been examined: the partial line moves to the front.
    void Done() {
        rest_ = pendingTo_ - pendingFrom_;
        std::memmove(buffer_.get(), buffer_.get() + pendingFrom_, rest_);
        pendingFrom_ = pendingTo_ = 0;
    }

    // The last line, without a line end; false when there is none.
    bool Last(Block& block) {
        if (rest_ == 0) return false;
        Hand(rest_, block);
        rest_ = 0;
        return true;
    }

    std::size_t Rest() const { return rest_; }

private:
    void Hand(std::size_t end, Block& block) {
        block.begin = buffer_.get();
        block.end = buffer_.get() + end;
        block.offset = offset_;
        block.afterCr = afterCr_;
        block.lineEndsBefore = 0;
        block.lineEndIndex = nullptr;
        afterCr_ = buffer_[end - 1] == '\r';
        offset_ += static_cast<std::int64_t>(end);
    }

    void Grow(std::size_t need) {
        const std::size_t capacity = std::max(need, 2 * capacity_);
        std::unique_ptr<char[]> bigger(new char[capacity]);
        if (rest_ > 0) std::memcpy(bigger.get(), buffer_.get(), rest_);
        buffer_ = std::move(bigger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t rest_ = 0;  // bytes of the partial line at the front
    std::size_t pendingFrom_ = 0;
    std::size_t pendingTo_ = 0;
    std::int64_t offset_ = 0;
    bool afterCr_ = false;
};

}  // namespace corvane
