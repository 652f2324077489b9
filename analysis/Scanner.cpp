#include "analysis/Scanner.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "analysis/PatternMatcher.h"
#include "analysis/TextScan.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"

namespace corvane {
namespace {

constexpr std::int64_t kMiB = 1048576;
// The chunk is extended to the next line end by reads of this size.
constexpr std::size_t kExtendStep = 64 * 1024;

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
// FIFO must not block the window).
int OpenLogFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

// Reads up to `count` bytes at `offset`; fewer only at the end of the file.
std::size_t ReadAt(int fd, char* into, std::size_t count, std::int64_t offset) {
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(fd, into + got, count - got, static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
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
        const TErrorRec& rec = catalogue[i];
        if (rec.ServiceCode == serviceCode) patterns.Add(rec.Keyword, ScanPatterns::Keyword, i, seen);
    }
    for (const std::string& text : ignoreList) patterns.Add(text, ScanPatterns::Ignore, 0, seen);
    for (std::string_view marker : kMarkers) patterns.Add(marker, ScanPatterns::Marker, 0, seen);
    return patterns;
}

// Walks the lines of the chunks, in file order, and builds the finding list.
class LineWalker {
public:
    // Lines are matched in blocks of about `blockLength` bytes, so the window gets
    // its events processed often even when no line of a block needs a closer look.
    LineWalker(const ScanPatterns& patterns, const ErrorCatalogue& catalogue, EventPump& pump,
               std::size_t blockLength)
        : patterns_(patterns), matcher_(patterns.texts), catalogue_(catalogue), pump_(pump),
          blockLength_(std::max<std::size_t>(blockLength, 1)) {}

    // Examines one chunk; false when the window asked us to stop.
    bool Chunk(const char* data, std::size_t length) {
        const char* const end = data + length;
        const char* block = data;
        while (block < end) {
            pump_.ProcessEvents();
            if (pump_.StopRequested()) return false;
            const char* blockEnd = end;
            if (static_cast<std::size_t>(end - block) > blockLength_) {
                blockEnd = FindLineEnd(block + blockLength_, end);
                if (blockEnd < end) ++blockEnd;
            }
            if (!Block(block, blockEnd)) return false;
            block = blockEnd;
        }
        return true;
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
                    case ScanPatterns::Ignore: ignore = true; break;
                    case ScanPatterns::Marker: marker = true; break;
                    case ScanPatterns::Keyword: record = std::min(record, m.record); break;
                }
            }

            pump_.ProcessEvents();
            if (pump_.StopRequested()) return false;
            const std::string_view line(lineStart, static_cast<std::size_t>(lineEnd - lineStart));
            Carry(line);
            if (!ignore) {
                if (record != std::numeric_limits<std::size_t>::max()) {
                    Append(catalogue_[record].ErrorCode, line);
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
    const std::size_t blockLength_;
    std::vector<PatternMatcher::Match> matches_;
    FindingList list_;
    std::int64_t known_ = 0;
    std::int64_t unknown_ = 0;
    bool carryOpen_ = false;  // the most recent finding can still take a time stamp
};

// A reusable buffer that never zero-fills what it is about to receive from a read.
class ChunkBuffer {
public:
    char* Reserve(std::size_t size) {
        if (size > capacity_) {
            std::unique_ptr<char[]> bigger(new char[size]);
            if (used_ > 0) std::copy(data_.get(), data_.get() + used_, bigger.get());
            data_ = std::move(bigger);
            capacity_ = size;
        }
        return data_.get();
    }
    void SetUsed(std::size_t used) { used_ = used; }

private:
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::size_t used_ = 0;
};

// Reads the chunk that starts at `done` into `buffer` and returns its length: the
// nominal length, extended to the first line end (CR or LF) at or after its end,
// or to the end of the file.  Ending at a CR as well as at an LF keeps a file with
// CR-only line ends from becoming one giant chunk; at worst it makes an empty line.
std::size_t ReadChunk(int fd, std::int64_t done, std::int64_t size, std::int64_t chunkLength,
                      ChunkBuffer& buffer, const std::string& path) {
    const auto fail = [&path]() { throw ScanReadError(std::string(gbk::kMsgReadFailed) + path); };
    if (done + chunkLength >= size) {
        const auto length = static_cast<std::size_t>(size - done);
        char* data = buffer.Reserve(length);
        if (ReadAt(fd, data, length, done) != length) fail();
        buffer.SetUsed(length);
        return length;
    }
    auto length = static_cast<std::size_t>(chunkLength);
    char* data = buffer.Reserve(length + kExtendStep);
    if (ReadAt(fd, data, length, done) != length) fail();
    buffer.SetUsed(length);
    for (;;) {
        const auto remaining = static_cast<std::size_t>(size - done - static_cast<std::int64_t>(length));
        if (remaining == 0) return length;
        const std::size_t step = std::min(kExtendStep, remaining);
        data = buffer.Reserve(length + step);
        if (ReadAt(fd, data + length, step, done + static_cast<std::int64_t>(length)) != step) fail();
        const char* lineEnd = FindLineEnd(data + length, data + length + step);
        if (lineEnd < data + length + step) {
            length = static_cast<std::size_t>(lineEnd - data) + 1;
            buffer.SetUsed(length);
            return length;
        }
        length += step;
        buffer.SetUsed(length);
    }
}

}  // namespace

std::optional<FindingList> ScanLogFile(const std::string& serviceCode, const std::string& path,
                                       const ErrorCatalogue& catalogue, ProgressSink& row,
                                       UserDialogs& dialogs, EventPump& pump,
                                       const ScanOptions& options) {
    BusyGuard busy;

    FileHandle file(OpenLogFile(path));
    if (file.get() < 0) {
        dialogs.ShowMessage(std::string(gbk::kMsgOpenFailed) + path);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        dialogs.ShowMessage(std::string(gbk::kMsgOpenFailed) + path);
        return std::nullopt;
    }
    const std::int64_t size = st.st_size;

    if (options.askAboutLargeFiles && size > kLargeFileThreshold) {
        std::string question(gbk::kMsgLargeFile);
        question += '\r';
        question += gbk::kMsgFileName;
        question += path;
        if (!dialogs.AskYesNo(gbk::kCaptionPrompt, question)) return std::nullopt;
    }

    const ScanPatterns patterns = BuildPatterns(serviceCode, catalogue, ReadIgnoreList(options.programDir, serviceCode));
    LineWalker walker(patterns, catalogue, pump, options.blockLength);
    const std::int64_t chunkLength = std::max<std::int64_t>(options.chunkLength, 1);
    ChunkBuffer buffer;

    std::int64_t done = 0;
    row.SetProgressText(ProgressText(done, size));
    do {
        const std::size_t length = ReadChunk(file.get(), done, size, chunkLength, buffer, path);
        if (!walker.Chunk(buffer.Reserve(0), length)) return std::nullopt;
        done += static_cast<std::int64_t>(length);
        row.SetProgressText(ProgressText(done, size));
    } while (done < size);

    return walker.TakeList();
}

}  // namespace corvane
