#include "analysis/Scanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include "analysis/FileNameText.h"
#include "analysis/PatternMatcher.h"
#include "analysis/TextScan.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"

namespace corvane {
namespace {

constexpr std::int64_t kMiB = 1048576;

const std::string_view kMarkers[] = {"fail ", "failed "};

class BusyGuard {
public:
    BusyGuard() { AnalysisBusy = true; }
    ~BusyGuard() { AnalysisBusy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;
};

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Opens a log file for reading only; other processes keep reading and writing it.
// Only regular files count: a directory, FIFO or device is not a log file (and a
// FIFO must not block the window).  `size` receives the file's length, taken once
// right after opening: bytes appended later are not examined.
int OpenLogFile(const std::string& path, std::int64_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    size = st.st_size;
    return fd;
}

// Reads up to `count` bytes at `offset`; fewer only at the end of the file.
std::size_t ReadAt(int fd, char* into, std::size_t count, std::int64_t offset) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, into + got, count - got,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
        if (n < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

std::string ProgressText(std::int64_t done, std::int64_t size) {
    std::string text(gbk::kProgressDone);
    text += std::to_string(done / kMiB);
    text += "MB/";
    text += std::to_string(size / kMiB);
    text += "MB";
    return text;
}

// The patterns of one scan and what each of them means for a line.
struct ScanPatterns {
    enum Kind : std::uint8_t { Keyword, Ignore, Marker };
    struct Meaning {
        Kind kind;
        std::size_t record;  // catalogue index, for keywords
    };
    std::vector<std::string> texts;
    std::vector<Meaning> meanings;

    void Add(std::string_view text, Kind kind, std::size_t record,
             std::unordered_map<std::string, std::size_t>& seen) {
        // A pattern with a line end can never lie inside a line; an empty one never matches.
        if (text.empty() || text.find_first_of("\r\n") != std::string_view::npos) return;
        // The same text (after folding) twice in one role adds nothing: the first
        // keyword in catalogue order is the one that wins anyway.
        std::string key = FoldAscii(text);
        key.push_back(static_cast<char>(kind));
        if (!seen.emplace(std::move(key), texts.size()).second) return;
        texts.emplace_back(text);
        meanings.push_back({kind, record});
    }
};

ScanPatterns BuildPatterns(const std::string& serviceCode, const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList) {
    ScanPatterns patterns;
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ErrorRecord& rec = catalogue[i];
        if (rec.serviceCode == serviceCode)
            patterns.Add(rec.keyword, ScanPatterns::Keyword, i, seen);
    }
    for (const std::string& text : ignoreList) patterns.Add(text, ScanPatterns::Ignore, 0, seen);
    for (std::string_view marker : kMarkers) patterns.Add(marker, ScanPatterns::Marker, 0, seen);
    return patterns;
}

// Walks the lines of the chunks, in file order, and builds the finding list.
class LineWalker {
public:
    LineWalker(const ScanPatterns& patterns, const ErrorCatalogue& catalogue, EventPump& pump)
        : patterns_(patterns), matcher_(patterns.texts), catalogue_(catalogue), pump_(pump) {}

    // Examines one line-aligned block; false when the window asked us to stop.
    bool Examine(const char* begin, const char* end) {
        pump_.ProcessEvents();
        if (pump_.StopRequested()) return false;
        return Block(begin, end);
    }

    FindingList TakeList() {
        list_.push_back(std::to_string(unknown_));
        list_.push_back(std::to_string(known_));
        return std::move(list_);
    }

private:
    // One line-aligned block: the engine finds the lines that hold a pattern; the
    // lines in between are visited only while the most recent finding can still
    // take a time stamp.
    bool Block(const char* begin, const char* end) {
        matches_.clear();
        matcher_.Scan(begin, static_cast<std::size_t>(end - begin), matches_);
        const char* pos = begin;
        std::size_t i = 0;
        while (i < matches_.size()) {
            const char* matchEnd = begin + matches_[i].end;
            const char* lineStart = matchEnd - matcher_.PatternLength(matches_[i].id);
            while (lineStart > pos && !IsLineEndByte(lineStart[-1])) --lineStart;
            Unmatched(pos, lineStart);
            const char* lineEnd = FindLineEnd(matchEnd, end);

            bool ignore = false;
            bool marker = false;
            std::size_t record = std::numeric_limits<std::size_t>::max();
            for (; i < matches_.size() && begin + matches_[i].end <= lineEnd; ++i) {
                const ScanPatterns::Meaning& m = patterns_.meanings[matches_[i].id];
                switch (m.kind) {
                    case ScanPatterns::Ignore:
                        ignore = true;
                        break;
                    case ScanPatterns::Marker:
                        marker = true;
                        break;
                    case ScanPatterns::Keyword:
                        record = std::min(record, m.record);
                        break;
                }
            }

            pump_.ProcessEvents();
            if (pump_.StopRequested()) return false;
            const std::string_view line(lineStart, static_cast<std::size_t>(lineEnd - lineStart));
            Carry(line);
            if (!ignore) {
                if (record != std::numeric_limits<std::size_t>::max()) {
                    Append(catalogue_[record].errorCode, line);
                    ++known_;
                } else if (marker) {
                    Append(kUnknownCode, line);
                    ++unknown_;
                }
            }
            pos = lineEnd;
        }
        Unmatched(pos, end);
        return true;
    }

    // Lines without any pattern: only the time-stamp carry can concern them.
    void Unmatched(const char* p, const char* end) {
        while (carryOpen_ && p < end) {
            while (p < end && IsLineEndByte(*p)) ++p;
            if (p == end) break;
            const char* lineEnd = FindLineEnd(p, end);
            Carry(std::string_view(p, static_cast<std::size_t>(lineEnd - p)));
            p = lineEnd;
        }
    }

    void Carry(std::string_view line) {
        if (!carryOpen_ || !(DigitAt(line, 0) || DigitAt(line, 1))) return;
        if (CarryTimeStamp(list_.back(), line)) carryOpen_ = CarryStillPossible(list_.back());
    }

    void Append(std::string_view code, std::string_view line) {
        std::string finding;
        finding.reserve(code.size() + 1 + line.size());
        finding.append(code).append("|").append(line);
        list_.push_back(std::move(finding));
        carryOpen_ = CarryStillPossible(list_.back());
    }

    const ScanPatterns& patterns_;
    PatternMatcher matcher_;
    const ErrorCatalogue& catalogue_;
    EventPump& pump_;
    std::vector<PatternMatcher::Match> matches_;
    FindingList list_;
    std::int64_t known_ = 0;
    std::int64_t unknown_ = 0;
    bool carryOpen_ = false;  // the most recent finding can still take a time stamp
};

// One buffer of file text; the blocks handed to the scan are views into it.
struct BlockBuffer {
    std::unique_ptr<char[]> data;
    std::size_t capacity = 0;
};

struct Block {
    const char* begin = nullptr;
    const char* end = nullptr;
    bool chunkDone = false;  // the block ends a chunk
    std::int64_t done = 0;   // file offset just past the block
};

// Reads the file front to back in line-aligned blocks and tells where the chunks
// end.  A chunk is the unit of the progress text: it runs from where the previous
// one ended for the nominal chunk length and then on to the first line end (CR or
// LF) at or after that point, or to the end of the file.  Ending at a CR as well as
// at an LF keeps a file with CR-only line ends from becoming one giant chunk; at
// worst it makes an empty line, which never matters.
//
// Blocks are much smaller than chunks, so the text goes through the cache once on
// its way from the page cache to the pattern engine, and memory stays at a few
// blocks plus the longest line whatever the file holds.
class BlockReader {
public:
    BlockReader(int fd, std::int64_t size, std::int64_t chunkLength, std::size_t blockLength,
                const std::string& path)
        : fd_(fd),
          size_(size),
          chunkLength_(std::max<std::int64_t>(chunkLength, 1)),
          blockLength_(std::max<std::size_t>(blockLength, 1)),
          path_(path) {
        StartChunk(0);
    }

    // The next block, or false at the end of the file.  The block is read into
    // `into`, which receives the partial line after the previous block first; the
    // previous block stays intact unless `into` is the buffer that holds it.
    bool Next(BlockBuffer& into, Block& block) {
        MoveRest(into);
        if (pos_ >= size_) return false;
        for (;;) {
            if (Buffered() < blockLength_ && readPos_ < size_) Fill(blockLength_ - Buffered());
            FindChunkEnd();
            std::int64_t blockEnd = -1;
            if (chunkEnd_ >= 0 && chunkEnd_ <= readPos_ &&
                chunkEnd_ - pos_ <= static_cast<std::int64_t>(blockLength_)) {
                blockEnd = chunkEnd_;
            } else if (readPos_ == size_) {
                blockEnd = chunkEnd_ >= 0 && chunkEnd_ <= readPos_ ? chunkEnd_ : size_;
            } else {
                blockEnd = LastLineEnd();
                if (chunkEnd_ >= 0 && blockEnd > chunkEnd_) blockEnd = chunkEnd_;
            }
            if (blockEnd > pos_) {
                block.begin = buffer_->data.get();
                block.end = block.begin + (blockEnd - pos_);
                block.done = blockEnd;
                taken_ = blockEnd;
                block.chunkDone = blockEnd == chunkEnd_;
                if (block.chunkDone) StartChunk(blockEnd);
                return true;
            }
            // Not one whole line in the buffer: the line is longer than a block.
            Fill(std::max(blockLength_, Buffered()));
        }
    }

private:
    std::size_t Buffered() const { return static_cast<std::size_t>(readPos_ - pos_); }

    void StartChunk(std::int64_t start) {
        nominalEnd_ = start + chunkLength_;
        chunkEnd_ = nominalEnd_ >= size_ ? size_ : -1;
        searchedTo_ = nominalEnd_;
    }

    // Drops the block handed out last and makes `into` the buffer, holding what was
    // read after that block.
    void MoveRest(BlockBuffer& into) {
        const std::size_t keep = static_cast<std::size_t>(readPos_ - taken_);
        if (&into == buffer_) {
            if (keep > 0 && taken_ > pos_)
                std::memmove(into.data.get(), into.data.get() + (taken_ - pos_), keep);
        } else {
            const std::size_t wanted =
                std::max(keep, static_cast<std::size_t>(std::min<std::int64_t>(
                                   static_cast<std::int64_t>(blockLength_), size_ - taken_)));
            // A buffer that grew for an overlong line goes back to the ordinary length.
            if (into.capacity < wanted || into.capacity > 2 * std::max(wanted, blockLength_)) {
                into.data.reset();
                into.data.reset(new char[wanted]);
                into.capacity = wanted;
            }
            if (keep > 0) std::memcpy(into.data.get(), buffer_->data.get() + (taken_ - pos_), keep);
            buffer_ = &into;
        }
        pos_ = taken_;
    }

    void Fill(std::size_t want) {
        want = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(want), size_ - readPos_));
        if (want == 0) return;
        const std::size_t need = Buffered() + want;
        if (need > buffer_->capacity) {
            const std::size_t capacity = std::max(need, buffer_->capacity * 2);
            std::unique_ptr<char[]> bigger(new char[capacity]);
            std::memcpy(bigger.get(), buffer_->data.get(), Buffered());
            buffer_->data = std::move(bigger);
            buffer_->capacity = capacity;
        }
        if (ReadAt(fd_, buffer_->data.get() + Buffered(), want, readPos_) != want) {
            // The file is shorter than it was when the scan began.
            throw ScanReadError(std::string(gbk::kMsgReadFailed) + FileNameForMessage(path_));
        }
        readPos_ += static_cast<std::int64_t>(want);
    }

    // Looks for the current chunk's end in what has been read so far.
    void FindChunkEnd() {
        if (chunkEnd_ >= 0 || readPos_ <= searchedTo_) return;
        const char* begin = buffer_->data.get();
        const char* from = begin + (std::max(searchedTo_, pos_) - pos_);
        const char* to = begin + Buffered();
        const char* lineEnd = FindLineEnd(from, to);
        if (lineEnd < to) {
            chunkEnd_ = pos_ + (lineEnd - begin) + 1;
        } else {
            searchedTo_ = readPos_;
            if (readPos_ == size_) chunkEnd_ = size_;
        }
    }

    // The file offset just past the last line end in the buffer, or pos_ if none.
    std::int64_t LastLineEnd() const {
        const char* begin = buffer_->data.get();
        const char* p = begin + Buffered();
        while (p > begin && !IsLineEndByte(p[-1])) --p;
        return pos_ + (p - begin);
    }

    const int fd_;
    const std::int64_t size_;
    const std::int64_t chunkLength_;
    const std::size_t blockLength_;
    const std::string& path_;
    BlockBuffer* buffer_ = nullptr;  // holds the file text from pos_ to readPos_
    std::int64_t pos_ = 0;           // file offset of the buffer's first byte
    std::int64_t readPos_ = 0;       // file offset just past the buffered bytes
    std::int64_t taken_ = 0;         // end of the block handed out last
    std::int64_t nominalEnd_ = 0;
    std::int64_t chunkEnd_ = -1;  // -1 while not yet found
    std::int64_t searchedTo_ = 0;
};

// Hands out the reader's blocks in file order.  For a file of more than a couple of
// blocks the reader runs ahead on a thread of its own, so that copying the text out
// of the page cache overlaps with the pattern engine's pass over earlier blocks; the
// matching itself stays on the calling thread.  A ring of a few buffers bounds how
// far the reader gets ahead: it waits until the scan gives a buffer back.  Whatever
// the reader throws (a file that shrank) reaches the scan in file order, once the
// blocks before it have been examined.
class BlockSource {
public:
    BlockSource(BlockReader& reader, bool readAhead) : reader_(reader) {
        if (!readAhead) return;
        try {
            thread_ = std::thread([this] { ReadAhead(); });
        } catch (const std::system_error&) {
            // No thread to be had: read on the calling thread instead.
        }
    }
    ~BlockSource() {
        if (!thread_.joinable()) return;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        bufferFree_.notify_one();
        thread_.join();
    }
    BlockSource(const BlockSource&) = delete;
    BlockSource& operator=(const BlockSource&) = delete;

    // The next block, or false at the end of the file.  A block stays valid until
    // the next call.
    bool Next(Block& block) {
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

private:
    static constexpr std::uint64_t kBuffers = 4;

    void ReadAhead() {
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
                more = reader_.Next(buffers_[n % kBuffers], block);
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
    bool finished_ = false;       // the reader has ended: end of file or failure_
    bool stop_ = false;
    std::exception_ptr failure_;
    std::thread thread_;
};

}  // namespace

std::optional<FindingList> ScanLogFile(const std::string& serviceCode, const std::string& path,
                                       const ErrorCatalogue& catalogue, ProgressSink& row,
                                       UserDialogs& dialogs, EventPump& pump,
                                       const ScanOptions& options) {
    BusyGuard busy;

    std::int64_t size = 0;
    FileHandle file(OpenLogFile(path, size));
    if (file.get() < 0) {
        dialogs.ShowMessage(std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path));
        return std::nullopt;
    }

    if (options.askAboutLargeFiles && size > kLargeFileThreshold) {
        std::string question(gbk::kMsgLargeFile);
        question += '\r';
        question += gbk::kMsgFileName;
        question += FileNameForMessage(path);
        if (!dialogs.AskYesNo(gbk::kCaptionPrompt, question)) return std::nullopt;
    }

    const ScanPatterns patterns =
        BuildPatterns(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    LineWalker walker(patterns, catalogue, pump);
    BlockReader reader(file.get(), size, options.chunkLength, options.blockLength, path);
    // A file of a block or two is read faster than a thread starts.
    BlockSource blocks(reader, static_cast<std::uint64_t>(size) / 2 >=
                                   std::max<std::size_t>(options.blockLength, 1));

    row.SetProgressText(ProgressText(0, size));
    Block block;
    while (blocks.Next(block)) {
        if (!walker.Examine(block.begin, block.end)) return std::nullopt;
        if (block.chunkDone) row.SetProgressText(ProgressText(block.done, size));
    }
    // An empty file is one empty chunk.
    if (size == 0) row.SetProgressText(ProgressText(0, size));

    return walker.TakeList();
}

}  // namespace corvane
