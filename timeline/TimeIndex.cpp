#include "timeline/TimeIndex.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>

#include "base/LineEnds.h"
#include "base/UserDirs.h"
#include "scan/BlockReader.h"

namespace corvane {

namespace {

// An index file's first bytes, and the version of its layout after them: a file that
// does not begin so is no index of this program's, or one of another layout.
constexpr char kMagic[8] = {'C', 'V', 'T', 'I', 'M', 'E', 'I', 'X'};
constexpr std::uint32_t kLayout = 1;
// What a follow compares too: enough to notice a file cut and written again.
constexpr std::int64_t kHeadLength = 4096;
constexpr std::int64_t kTailLength = 32;
// An index of a file of many gibibytes is a few megabytes; anything far larger is
// not one.
constexpr std::size_t kMaxIndexFile = std::size_t{256} << 20;
// Indexes of days not looked at for a month go when another index is written.
constexpr std::int64_t kIndexKeepSeconds = std::int64_t{30} * 24 * 3600;
constexpr std::size_t kReadLength = std::size_t{1} << 20;

std::string KeyOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

class Writer {
public:
    template <typename T>
    void Put(const T& value) {
        bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void PutText(std::string_view text) {
        Put(static_cast<std::uint32_t>(text.size()));
        bytes.append(text);
    }
    std::string bytes;
};

class Reader {
public:
    explicit Reader(std::string_view bytes) : rest_(bytes) {}
    template <typename T>
    bool Get(T& value) {
        if (rest_.size() < sizeof value) return false;
        std::memcpy(&value, rest_.data(), sizeof value);
        rest_.remove_prefix(sizeof value);
        return true;
    }
    bool GetText(std::string& text) {
        std::uint32_t length = 0;
        if (!Get(length) || rest_.size() < length) return false;
        text.assign(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return true;
    }
    std::size_t Left() const { return rest_.size(); }

private:
    std::string_view rest_;
};

bool IsTime(DayTime time) { return time >= kNoTime && time < kSecondsPerDay; }

// The bytes of [begin, end) of the file.
std::string ReadBytes(const LogFile& file, std::int64_t begin, std::int64_t end) {
    std::string bytes(static_cast<std::size_t>(std::max<std::int64_t>(0, end - begin)), '\0');
    file.Read(bytes.data(), bytes.size(), begin);
    return bytes;
}

}  // namespace

// The one pass over a file's lines that makes (or extends) an index.
struct TimeIndexBuild {
    // The blocks of one stretch of lines, walked without knowing the time in force
    // before it: its lines before its first time are counted apart, and take that time
    // when the stretches are joined.
    struct Part {
        struct Times {
            DayTime least = std::numeric_limits<DayTime>::max();  // of the lines with a time
            DayTime most = kNoTime;
            bool untimed = false;  // it holds lines before the stretch's first time
        };
        std::vector<TimeBlock> blocks;  // firstLine counts from the stretch's start
        std::vector<Times> times;
        std::int64_t lines = 0;
        DayTime last = kNoTime;  // the effective time of its last line, if it has a time
    };

    // The complete lines of [begin, end), where `begin` is a line's start (`afterCr`
    // as for a block).  False after a stop.
    static bool WalkPart(const LogFile& file, std::int64_t blockLength, std::int64_t begin,
                         bool afterCr, std::int64_t end, const StopToken& stop, Part& part) {
        BlockReader reader(file, begin, end, kReadLength, afterCr);
        BlockBuffer buffer;
        Block block;
        TimeBlock* current = nullptr;
        Part::Times* times = nullptr;
        DayTime carried = kNoTime;
        bool lastEndCr = afterCr;  // the byte before the next line's start is a CR
        while (reader.Next(buffer, block)) {
            if (stop.stop_requested()) return false;
            const char* p = block.begin;
            if (block.afterCr && p < block.end && *p == '\n') {
                ++p;
                lastEndCr = false;
            }
            while (p < block.end) {
                const std::int64_t start = block.offset + (p - block.begin);
                if (current == nullptr || start >= current->offset + blockLength) {
                    part.blocks.push_back({start, part.lines + 1, lastEndCr, carried, 0, 0});
                    part.times.emplace_back();
                    current = &part.blocks.back();
                    times = &part.times.back();
                }
                const LineBreak lineBreak = NextLineBreak(p, block.end);
                const std::size_t length = static_cast<std::size_t>(lineBreak.at - p);
                // A stamp is looked for in the first bytes only; one more tells whether a
                // digit follows a stamp that ends at the reach.
                const DayTime own =
                    LineTimeOf(std::string_view(p, std::min(length, kTimeReach + 1)));
                if (own != kNoTime) carried = own;
                if (carried == kNoTime) {
                    times->untimed = true;
                } else {
                    times->least = std::min(times->least, carried);
                    times->most = std::max(times->most, carried);
                }
                ++part.lines;
                lastEndCr = lineBreak.length == 1 && *lineBreak.at == '\r';
                p = lineBreak.at + lineBreak.length;
            }
        }
        part.last = carried;
        return true;
    }

    // Appends `part` to the index, after `lines` lines whose last had the effective
    // time `carried`.
    static void Join(TimeIndex& index, const Part& part, std::int64_t& lines, DayTime& carried) {
        for (std::size_t i = 0; i < part.blocks.size(); ++i) {
            TimeBlock block = part.blocks[i];
            const Part::Times& times = part.times[i];
            block.firstLine += lines;
            if (block.carried == kNoTime) block.carried = carried;
            block.least = times.untimed ? std::min(carried, times.least) : times.least;
            block.most = times.untimed ? std::max(carried, times.most) : times.most;
            index.complete_.push_back(block);
        }
        lines += part.lines;
        if (part.last != kNoTime) carried = part.last;
    }

    // The complete lines of [begin, end) of `file`, where `begin` is a line's start
    // (`afterCr` as for a block) after `lines` lines, the last of them of effective
    // time `carried`: appended to index.complete_ in blocks.  A long stretch is walked
    // in two halves at once.  False after a stop.
    static bool Walk(const LogFile& file, TimeIndex& index, std::int64_t begin, bool afterCr,
                     std::int64_t lines, DayTime carried, std::int64_t end, const StopToken& stop) {
        // The second half begins at the first line that begins at or after the middle.
        std::int64_t middle = end;
        bool middleAfterCr = false;
        if (end - begin >= index.twoThreadsFrom_ && std::thread::hardware_concurrency() > 1) {
            const std::int64_t lineEnd = file.FindLineEnd(begin + (end - begin) / 2);
            char bytes[2] = {};
            if (lineEnd + 2 < end) {
                file.Read(bytes, sizeof bytes, lineEnd);
                middle = lineEnd + (IsCrLf(bytes[0], bytes[1]) ? 2 : 1);
                middleAfterCr = bytes[0] == '\r' && bytes[1] != '\n';
            }
        }
        Part first;
        Part second;
        std::exception_ptr failure;
        bool secondDone = true;
        std::thread other;
        if (middle < end) {
            other = std::thread([&] {
                try {
                    secondDone = WalkPart(file, index.blockLength_, middle, middleAfterCr, end,
                                          stop, second);
                } catch (...) {
                    failure = std::current_exception();
                }
            });
        }
        bool firstDone = false;
        try {
            firstDone = WalkPart(file, index.blockLength_, begin, afterCr, middle, stop, first);
        } catch (...) {
            if (other.joinable()) other.join();
            throw;
        }
        if (other.joinable()) other.join();
        if (failure) std::rethrow_exception(failure);
        if (!firstDone || !secondDone) return false;
        Join(index, first, lines, carried);
        Join(index, second, lines, carried);
        index.linesBefore_ = lines;
        index.endCarried_ = carried;
        return true;
    }

    static std::string Serialise(const TimeIndex& index, const std::string& key,
                                 const FileStamp& stamp, const std::string& head,
                                 const std::string& tail) {
        Writer out;
        out.bytes.append(kMagic, sizeof kMagic);
        out.Put(kLayout);
        out.Put(index.blockLength_);
        out.Put(stamp.device);
        out.Put(stamp.inode);
        out.Put(index.completeEnd_);
        out.Put(static_cast<std::uint8_t>(index.completeAfterCr_));
        out.Put(index.linesBefore_);
        out.Put(index.endCarried_);
        out.PutText(key);
        out.PutText(head);
        out.PutText(tail);
        out.Put(static_cast<std::uint64_t>(index.complete_.size()));
        for (const TimeBlock& block : index.complete_) {
            out.Put(block.offset);
            out.Put(block.firstLine);
            out.Put(static_cast<std::uint8_t>(block.afterCr));
            out.Put(block.carried);
            out.Put(block.least);
            out.Put(block.most);
        }
        out.Put(StableTextHash(out.bytes));
        return std::move(out.bytes);
    }

    // The complete lines' index in `bytes` when it is a sound one of this program's
    // for the file `key` with `stamp`'s identity, of blocks of `blockLength`; the
    // file's first bytes and those before the indexed end as it was then.
    static bool Parse(std::string_view bytes, const std::string& key, const FileStamp& stamp,
                      std::int64_t blockLength, TimeIndex& index, std::string& head,
                      std::string& tail) {
        constexpr std::size_t kSum = sizeof(std::uint64_t);
        if (bytes.size() < sizeof kMagic + kSum ||
            std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
            return false;
        std::uint64_t sum = 0;
        std::memcpy(&sum, bytes.data() + bytes.size() - kSum, kSum);
        if (sum != StableTextHash(bytes.substr(0, bytes.size() - kSum))) return false;
        Reader in(bytes.substr(sizeof kMagic, bytes.size() - sizeof kMagic - kSum));
        std::uint32_t layout = 0;
        FileStamp stored;
        std::uint8_t afterCr = 0;
        std::string storedKey;
        std::uint64_t count = 0;
        if (!in.Get(layout) || layout != kLayout || !in.Get(index.blockLength_) ||
            index.blockLength_ != blockLength || !in.Get(stored.device) || !in.Get(stored.inode) ||
            stored.device != stamp.device || stored.inode != stamp.inode ||
            !in.Get(index.completeEnd_) || !in.Get(afterCr) || !in.Get(index.linesBefore_) ||
            !in.Get(index.endCarried_) || !IsTime(index.endCarried_) || !in.GetText(storedKey) ||
            storedKey != key || !in.GetText(head) || !in.GetText(tail) || !in.Get(count))
            return false;
        index.completeAfterCr_ = afterCr != 0;
        constexpr std::size_t kBlockBytes = 2 * sizeof(std::int64_t) + 1 + 3 * sizeof(DayTime);
        if (count != in.Left() / kBlockBytes || in.Left() % kBlockBytes != 0) return false;
        index.complete_.resize(count);
        for (TimeBlock& block : index.complete_) {
            std::uint8_t blockAfterCr = 0;
            in.Get(block.offset);
            in.Get(block.firstLine);
            in.Get(blockAfterCr);
            in.Get(block.carried);
            in.Get(block.least);
            in.Get(block.most);
            block.afterCr = blockAfterCr != 0;
        }
        // What the rest of the program relies on, checked rather than trusted.
        std::int64_t offset = -1;
        std::int64_t line = 0;
        for (const TimeBlock& block : index.complete_) {
            if (block.offset <= offset || block.offset >= index.completeEnd_ ||
                block.firstLine <= line || !IsTime(block.carried) || !IsTime(block.least) ||
                !IsTime(block.most) || block.least > block.most)
                return false;
            offset = block.offset;
            line = block.firstLine;
        }
        const bool firstAtStart =
            count == 0 ? index.completeEnd_ == 0
                       : index.complete_[0].offset == 0 && index.complete_[0].firstLine == 1;
        return firstAtStart && index.linesBefore_ >= line && index.completeEnd_ >= 0 &&
               head.size() == static_cast<std::size_t>(std::min(kHeadLength, index.completeEnd_)) &&
               tail.size() == static_cast<std::size_t>(std::min(kTailLength, index.completeEnd_));
    }
};

std::string TimeIndex::CacheDirectory() {
    return UserBaseDirectory("XDG_CACHE_HOME", ".cache") + "/corvane/time/";
}

std::shared_ptr<const TimeIndex> TimeIndex::For(const LogFile& file, const StopToken& stop,
                                                const TimeIndexOptions& options) {
    auto index = std::make_shared<TimeIndex>();
    index->blockLength_ = std::max<std::int64_t>(1, options.blockLength);
    index->twoThreadsFrom_ = std::max<std::int64_t>(1, options.twoThreadsFrom);
    index->size_ = file.Size();
    bool endsAfterCr = false;
    const std::int64_t completeEnd = file.CompleteLinesEnd(0, endsAfterCr);

    const std::string key = KeyOf(file.Path());
    const std::string directory = CacheDirectory();
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%016llx-",
                  static_cast<unsigned long long>(StableTextHash(key)));
    const std::string name = prefix + std::to_string(file.Stamp().device) + "-" +
                             std::to_string(file.Stamp().inode) + ".tix";
    const bool cacheReady = PrivateDirectoryReady(directory);

    // What the cache holds, when it still describes the start of the file.
    bool loaded = false;
    if (cacheReady) {
        if (const FileDescriptor cached = OpenOwnFile(directory + name)) {
            const std::optional<FileStatus> status = StatusOf(cached);
            const std::size_t length =
                status ? static_cast<std::size_t>(std::max<std::int64_t>(0, status->stamp.size))
                       : 0;
            std::string bytes(std::min(length, kMaxIndexFile), '\0');
            const std::optional<std::size_t> read = ReadFull(cached, bytes.data(), bytes.size());
            std::string head;
            std::string tail;
            if (read && *read == length && length <= kMaxIndexFile) {
                loaded =
                    TimeIndexBuild::Parse(bytes, key, file.Stamp(), index->blockLength_, *index,
                                          head, tail) &&
                    index->completeEnd_ <= completeEnd &&
                    head == ReadBytes(file, 0, static_cast<std::int64_t>(head.size())) &&
                    tail == ReadBytes(file,
                                      index->completeEnd_ - static_cast<std::int64_t>(tail.size()),
                                      index->completeEnd_);
            }
            if (loaded) ::futimens(cached.Get(), nullptr);  // used now: kept another while
        }
    }
    if (!loaded) {
        index->complete_.clear();
        index->completeEnd_ = 0;
        index->completeAfterCr_ = false;
        index->linesBefore_ = 0;
        index->endCarried_ = kNoTime;
    }
    index->origin_ = !loaded                              ? Origin::Built
                     : index->completeEnd_ == completeEnd ? Origin::Cached
                                                          : Origin::Extended;
    if (index->origin_ != Origin::Cached) {
        // The last block may have been cut short by the end of what was indexed: it is
        // made again with what came after it.
        TimeBlock from{0, 1, false, kNoTime, kNoTime, kNoTime};
        std::int64_t linesBefore = 0;
        if (!index->complete_.empty()) {
            from = index->complete_.back();
            index->complete_.pop_back();
            linesBefore = from.firstLine - 1;
        }
        if (!TimeIndexBuild::Walk(file, *index, from.offset, from.afterCr, linesBefore,
                                  from.carried, completeEnd, stop))
            return nullptr;
        index->completeEnd_ = completeEnd;
        index->completeAfterCr_ = endsAfterCr;
        if (cacheReady) {
            const std::string head = ReadBytes(file, 0, std::min(kHeadLength, completeEnd));
            const std::string tail =
                ReadBytes(file, completeEnd - std::min(kTailLength, completeEnd), completeEnd);
            const std::string bytes =
                TimeIndexBuild::Serialise(*index, key, file.Stamp(), head, tail);
            // Written aside under a random name and renamed into place: a reader sees
            // the old index or the new one, never half of one.  A cache that cannot take
            // it costs the next merge a build, nothing more.
            ExclusiveFile out = CreateExclusive(directory + name, ".part", 0600);
            if (out && WriteAll(out.File(), bytes.data(), bytes.size()) == 0 &&
                std::rename(out.Path().c_str(), (directory + name).c_str()) == 0) {
                out.Keep();
                PruneCacheDirectory(directory, name, prefix, ".tix", kIndexKeepSeconds);
            }
        }
    }

    // The whole file: the last line without its line end joins the last block.
    index->blocks_ = index->complete_;
    if (index->size_ > completeEnd) {
        const std::string start = ReadBytes(
            file, completeEnd,
            std::min(index->size_, completeEnd + static_cast<std::int64_t>(kTimeReach) + 1));
        const std::string_view line(
            start.data(),
            static_cast<std::size_t>(FindLineEnd(start.data(), start.data() + start.size()) -
                                     start.data()));
        const DayTime own = LineTimeOf(line);
        const DayTime time = own != kNoTime ? own : index->endCarried_;
        if (index->blocks_.empty())
            index->blocks_.push_back({completeEnd, 1, false, kNoTime, time, time});
        TimeBlock& last = index->blocks_.back();
        last.least = std::min(last.least, time);
        last.most = std::max(last.most, time);
    }
    index->ascending_ = true;
    for (std::size_t i = 1; i < index->blocks_.size(); ++i)
        if (index->blocks_[i].least < index->blocks_[i - 1].most) index->ascending_ = false;
    return index;
}

std::vector<TimeSpan> TimeIndex::SpansFor(DayTime from, DayTime to) const {
    std::vector<TimeSpan> spans;
    const auto holds = [&](const TimeBlock& block) {
        return block.most >= from && block.least <= to;
    };
    std::size_t first = 0;
    std::size_t last = blocks_.size();
    if (ascending_) {
        // The most times ascend too: the blocks that may hold the range are one run.
        first = static_cast<std::size_t>(
            std::partition_point(blocks_.begin(), blocks_.end(),
                                 [&](const TimeBlock& block) { return block.most < from; }) -
            blocks_.begin());
        last = static_cast<std::size_t>(
            std::partition_point(blocks_.begin() + static_cast<std::ptrdiff_t>(first),
                                 blocks_.end(),
                                 [&](const TimeBlock& block) { return block.least <= to; }) -
            blocks_.begin());
    }
    for (std::size_t i = first; i < last; ++i) {
        if (!holds(blocks_[i])) continue;
        const std::int64_t end = i + 1 < blocks_.size() ? blocks_[i + 1].offset : size_;
        if (!spans.empty() && spans.back().end == blocks_[i].offset) {
            spans.back().end = end;
            continue;
        }
        spans.push_back(
            {blocks_[i].offset, end, blocks_[i].afterCr, blocks_[i].firstLine, blocks_[i].carried});
    }
    return spans;
}

}  // namespace corvane
