#include "search/LineSearch.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#include "base/AsciiCase.h"
#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/BlockReader.h"
#include "scan/FileNameText.h"
#include "scan/GzipCopy.h"
#include "scan/GzipStream.h"
#include "scan/PartScan.h"
#include "scan/Scanner.h"
#include "search/GbkExpression.h"

namespace corvane {

LineSearch::LineSearch(const SearchQuery& query) {
    std::vector<std::string> patterns = {query.pattern};
    const std::string& pattern = query.pattern;
    MatchOptions options;
    options.caseless = !query.caseSensitive;
    if (query.regex) {
        // The engine sees each line alone, so its first match answers for the line,
        // and an expression that matches the empty text matches every line.  The
        // rewritten expressions do their own case folding, by characters.
        CharacterExpressions expressions = WholeCharacterExpressions(pattern, options.caseless);
        patterns = std::move(expressions.anyLine);
        options.caseless = false;
        options.expressions = true;
        options.singleMatch = true;
        options.allowEmpty = true;
        perLine_ = true;
        asciiMatcher_ = std::make_unique<LiteralMatcher>(
            std::vector<std::string>{expressions.asciiLine}, options);
        candidates_ = std::make_unique<LiteralMatcher>(
            std::vector<std::string>{expressions.candidates}, options);
    } else if (pattern.empty()) {
        everyLine_ = true;
        return;
    } else if (std::any_of(pattern.begin(), pattern.end(), IsLineEndByte)) {
        noLine_ = true;
        return;
    } else {
        literal_ = pattern;
        const char* const begin = literal_.data();
        const char* const end = begin + literal_.size();
        for (const char* p = begin; p < end; p += GbkCharacterLength(p, end)) {
            const auto c = static_cast<unsigned char>(*p);
            if (GbkCharacterLength(p, end) == 2 && options.caseless &&
                AsciiUpper(static_cast<char>(p[1] | 0x20)) != (p[1] | 0x20))
                trailLetters_.push_back(static_cast<std::size_t>(p + 1 - begin));
            endsInLeadByte_ = IsGbkLeadByte(c) && GbkCharacterLength(p, end) == 1 && p + 1 == end;
        }
    }
    matcher_ = std::make_unique<LiteralMatcher>(patterns, options);
}

void MatchBatch::Add(std::int64_t number, std::int64_t offset, std::string_view text) {
    lines_.push_back({number, offset, {}});
    at_.push_back(bytes_.size());
    bytes_.append(text);
}

const std::vector<LineMatch>& MatchBatch::Lines() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::size_t end = i + 1 < at_.size() ? at_[i + 1] : bytes_.size();
        lines_[i].text = std::string_view(bytes_.data() + at_[i], end - at_[i]);
    }
    return lines_;
}

void MatchBatch::Renumber(std::int64_t lineEndsBefore) {
    for (LineMatch& line : lines_) line.number += lineEndsBefore;
}

void MatchBatch::Clear() {
    lines_.clear();
    at_.clear();
    bytes_.clear();
}

void MatchBatch::Swap(MatchBatch& other) {
    lines_.swap(other.lines_);
    at_.swap(other.at_);
    bytes_.swap(other.bytes_);
}

namespace {

// The walk over the blocks of one part: its matching lines, numbered from the part's
// first line, and its line ends.
class PartWalk {
public:
    PartWalk(const LineSearch& search, LiteralMatcher::Scratch* scratch, MatchBatch& out)
        : search_(search), scratch_(scratch), out_(out) {
        if (search.AsciiMatcher() != nullptr) {
            asciiScratch_ = std::make_unique<LiteralMatcher::Scratch>(*search.AsciiMatcher());
            candidateScratch_ = std::make_unique<LiteralMatcher::Scratch>(*search.Candidates());
        }
    }

    void Examine(const Block& block) {
        if (search_.MatchesNoLine()) {
            lineEnds_ += CountLineEnds(block.begin, block.end, block.afterCr);
        } else if (search_.PerLine() || search_.MatchesEveryLine()) {
            EachLine(block);
        } else {
            Literal(block);
        }
    }

    std::int64_t LineEnds() const { return lineEnds_; }

private:
    void Add(const Block& block, const char* begin, const char* end) {
        out_.Add(lineEnds_ + 1, block.offset + (begin - block.begin),
                 std::string_view(begin, static_cast<std::size_t>(end - begin)));
    }

    static bool OnLineMatch(void* matched, std::size_t, std::uint32_t) {
        *static_cast<bool*>(matched) = true;
        return false;
    }

    // Line by line: every line, or those the expression matches on their own.
    void EachLine(const Block& block) {
        const char* p = block.begin;
        const char* const end = block.end;
        if (block.afterCr && p < end && *p == '\n') ++p;  // the rest of a CR LF
        while (p < end) {
            const LineBreak b = NextLineBreak(p, end);
            bool matched = search_.MatchesEveryLine();
            if (!matched && AsciiRunEnd(p, b.at) == b.at) {
                search_.AsciiMatcher()->Scan(p, static_cast<std::size_t>(b.at - p), *asciiScratch_,
                                             &OnLineMatch, &matched);
            } else if (!matched) {
                const std::string_view line(p, static_cast<std::size_t>(b.at - p));
                // The rewritten expression takes a lone lead byte for a character only
                // with its mark after it.
                const std::string_view scanned = MarkLoneLeadBytes(line, marked_) ? marked_ : line;
                search_.Candidates()->Scan(scanned.data(), scanned.size(), *candidateScratch_,
                                           &OnLineMatch, &matched);
                if (matched) {
                    matched = false;
                    search_.Matcher()->Scan(scanned.data(), scanned.size(), *scratch_, &OnLineMatch,
                                            &matched);
                }
            }
            if (matched) Add(block, p, b.at);
            if (b.length == 0) break;
            ++lineEnds_;
            p = b.at + b.length;
        }
    }

    struct LiteralPass {
        PartWalk* walk;
        const Block* block;
        const char* counted;  // line ends before it are in walk->lineEnds_
        const char* lineEnd;  // the end of the last matching line
        // A character boundary reached by the last walk along a line, and that line's
        // start: a later match in the same line walks on from there.
        const char* walked;
        const char* walkedLine;
    };

    static bool OnLiteral(void* context, std::size_t endOffset, std::uint32_t) {
        LiteralPass& pass = *static_cast<LiteralPass*>(context);
        const Block& block = *pass.block;
        const LineSearch& search = pass.walk->search_;
        const char* const end = block.begin + endOffset;
        if (end <= pass.lineEnd) return true;  // a further match in the same line
        // The literal holds no line end, so its line is the one around its first byte.
        // Character boundaries are known only by walking from the line's start (or
        // from a boundary found before in the same line) to the match.
        const char* const first = end - search.LiteralLength();
        const char* from = first;
        while (from > block.begin && from != pass.walked && !IsLineEndByte(from[-1])) --from;
        const char* const begin = from == pass.walked ? pass.walkedLine : from;
        while (from < first) from += GbkCharacterLength(from, block.end);
        pass.walked = from;
        pass.walkedLine = begin;
        if (from != first) return true;  // it begins inside a character
        const char* const lineEnd = FindLineEnd(end, block.end);
        if (!search.WholeCharacters(first, end, lineEnd)) return true;
        pass.walk->lineEnds_ +=
            CountLineEnds(pass.counted, begin,
                          pass.counted == block.begin ? block.afterCr : pass.counted[-1] == '\r');
        pass.counted = begin;
        pass.lineEnd = lineEnd;
        pass.walk->Add(block, begin, pass.lineEnd);
        return true;
    }

    void Literal(const Block& block) {
        LiteralPass pass{this, &block, block.begin, block.begin, nullptr, nullptr};
        search_.Matcher()->Scan(block.begin, static_cast<std::size_t>(block.end - block.begin),
                                *scratch_, &OnLiteral, &pass);
        lineEnds_ +=
            CountLineEnds(pass.counted, block.end,
                          pass.counted == block.begin ? block.afterCr : pass.counted[-1] == '\r');
    }

    const LineSearch& search_;
    LiteralMatcher::Scratch* scratch_;
    MatchBatch& out_;
    std::int64_t lineEnds_ = 0;
    std::string marked_;  // a line with its lone lead bytes marked
    std::unique_ptr<LiteralMatcher::Scratch> asciiScratch_;
    std::unique_ptr<LiteralMatcher::Scratch> candidateScratch_;
};

std::unique_ptr<LiteralMatcher::Scratch> ScratchFor(const LineSearch& search) {
    if (search.Matcher() == nullptr) return nullptr;
    return std::make_unique<LiteralMatcher::Scratch>(*search.Matcher());
}

bool Deliver(MatchSink& sink, MatchBatch& batch, std::int64_t lineEndsBefore) {
    if (batch.Empty()) return true;
    batch.Renumber(lineEndsBefore);
    const bool more = sink.Take(batch);
    batch.Clear();
    return more;
}

// The whole file on the calling thread, with the reader ahead on a thread of its own
// when the file is more than a couple of blocks; each block's lines go to the sink
// before the next block is examined.
SearchOutcome SearchWhole(const LogFile& file, const LineSearch& search, MatchSink& sink,
                          const StopToken& stop, const SearchOptions& options) {
    const std::unique_ptr<LiteralMatcher::Scratch> scratch = ScratchFor(search);
    BlockReader reader(file, 0, file.Size(), options.blockLength);
    const bool readAhead = static_cast<std::uint64_t>(file.Size()) / 2 >=
                           std::max<std::size_t>(options.blockLength, 1);
    BlockSource blocks(reader, readAhead);
    MatchBatch batch;
    PartWalk walk(search, scratch.get(), batch);
    Block block;
    while (blocks.Next(block)) {
        if (stop.stop_requested()) return SearchOutcome::Stopped;
        walk.Examine(block);
        if (!Deliver(sink, batch, 0)) return SearchOutcome::Stopped;
    }
    return SearchOutcome::Completed;
}

// The file in parts on worker threads; the calling thread hands each part's lines to
// the sink in file order as soon as the parts before it are done.  Workers stay at
// most a few parts ahead of the sink, so a slow reader of the results bounds memory.
class PartSearch {
public:
    PartSearch(const LogFile& file, const LineSearch& search, const PartPlan& plan,
               const SearchOptions& options)
        : file_(file), search_(search), plan_(plan), options_(options), parts_(plan.parts) {}

    ~PartSearch() { StopAndJoin(); }

    // The calling thread is one of the plan's threads: while the next part to hand on
    // is not done, it searches a part itself.
    SearchOutcome Run(MatchSink& sink, const StopToken& stop) {
        PlanStarts();
        for (unsigned i = 1; i < plan_.threads; ++i) {
            try {
                workers_.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                break;  // fewer threads, down to the calling thread alone
            }
        }
        BlockBuffer buffer;
        std::unique_ptr<LiteralMatcher::Scratch> scratch;
        std::int64_t lineEnds = 0;
        for (std::size_t k = 0; k < parts_.size(); ++k) {
            for (;;) {
                if (stop.stop_requested()) return SearchOutcome::Stopped;
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    if (parts_[k].done) break;
                }
                if (SearchNext(false, buffer, scratch)) continue;
                std::unique_lock<std::mutex> lock(mutex_);
                partDone_.wait_for(lock, std::chrono::milliseconds(10),
                                   [&] { return parts_[k].done; });
            }
            Part& part = parts_[k];
            if (part.failure) std::rethrow_exception(part.failure);
            if (!Deliver(sink, part.matches, lineEnds)) return SearchOutcome::Stopped;
            {
                // The batch's memory serves a later part: a fresh one would be grown
                // again, and its pages faulted in again, for every part.
                std::lock_guard<std::mutex> lock(mutex_);
                pool_.emplace_back();
                pool_.back().Swap(part.matches);
            }
            lineEnds += part.lineEnds;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                delivered_ = k + 1;
            }
            partDelivered_.notify_all();
        }
        return SearchOutcome::Completed;
    }

private:
    struct Part {
        std::int64_t begin = 0;
        std::int64_t end = 0;
        MatchBatch matches;
        std::int64_t lineEnds = 0;
        std::exception_ptr failure;
        bool done = false;  // guarded by mutex_
    };

    // Part k begins just after the first line end at or after byte k * partLength - 1,
    // as the scan cuts a file; a long line is searched for its end only once.
    void PlanStarts() {
        std::int64_t start = 0;
        for (std::size_t k = 0; k < parts_.size(); ++k) {
            const std::int64_t from = static_cast<std::int64_t>(k) * plan_.partLength - 1;
            if (k > 0 && from >= start) start = std::min(file_.FindLineEnd(from) + 1, file_.Size());
            parts_[k].begin = start;
            if (k > 0) parts_[k - 1].end = start;
        }
        parts_.back().end = file_.Size();
    }

    void StopAndJoin() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        partDelivered_.notify_all();
        for (std::thread& worker : workers_)
            if (worker.joinable()) worker.join();
    }

    void Work() {
        BlockBuffer buffer;
        std::unique_ptr<LiteralMatcher::Scratch> scratch;
        while (SearchNext(true, buffer, scratch)) {
        }
    }

    // Searches the next part not yet taken, if the parts before it are close enough
    // behind in being handed on; a worker (`wait`) waits until they are, the calling
    // thread does not.  False when there is no part to search (or, for the calling
    // thread, none yet).
    bool SearchNext(bool wait, BlockBuffer& buffer,
                    std::unique_ptr<LiteralMatcher::Scratch>& scratch) {
        const std::size_t ahead = std::size_t{plan_.threads} + 1;
        std::size_t k;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            if (wait)
                partDelivered_.wait(lock, [&] {
                    return stopping_ || next_ >= parts_.size() || next_ < delivered_ + ahead;
                });
            if (stopping_ || next_ >= parts_.size() || next_ >= delivered_ + ahead) return false;
            k = next_++;
        }
        Part& part = parts_[k];
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (!pool_.empty()) {
                part.matches.Swap(pool_.back());
                pool_.pop_back();
            }
        }
        try {
            if (!scratch) scratch = ScratchFor(search_);
            SearchPart(part, buffer, scratch.get());
        } catch (...) {
            part.failure = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            part.done = true;
        }
        partDone_.notify_all();
        return true;
    }

    void SearchPart(Part& part, BlockBuffer& buffer, LiteralMatcher::Scratch* scratch) {
        if (part.begin >= part.end) return;
        bool afterCr = false;
        if (part.begin > 0) {
            char before = 0;
            file_.Read(&before, 1, part.begin - 1);
            afterCr = before == '\r';
        }
        BlockReader reader(file_, part.begin, part.end, options_.blockLength, afterCr);
        PartWalk walk(search_, scratch, part.matches);
        Block block;
        while (reader.Next(buffer, block)) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (stopping_) return;
            }
            walk.Examine(block);
        }
        part.lineEnds = walk.LineEnds();
    }

    const LogFile& file_;
    const LineSearch& search_;
    const PartPlan plan_;
    const SearchOptions& options_;
    std::vector<Part> parts_;
    std::vector<std::thread> workers_;
    std::size_t next_ = 0;  // guarded by mutex_: the first part not yet taken
    std::mutex mutex_;
    std::condition_variable partDone_;
    std::condition_variable partDelivered_;
    std::size_t delivered_ = 0;     // guarded by mutex_
    std::vector<MatchBatch> pool_;  // guarded by mutex_: batches handed on, emptied
    bool stopping_ = false;         // guarded by mutex_
};

}  // namespace

SearchOutcome SearchCompressedLog(const std::string& path, const LineSearch& search,
                                  MatchSink& sink, const StopToken& stop, std::string& error) {
    const FileDescriptor in = OpenSharedForReading(path);
    if (!in) {
        error = std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path);
        return SearchOutcome::Failed;
    }
    const std::unique_ptr<LiteralMatcher::Scratch> scratch = ScratchFor(search);
    MatchBatch batch;
    PartWalk walk(search, scratch.get(), batch);
    const CompressedLines end = ForEachCompressedBlock(in, [&](const Block& block) {
        walk.Examine(block);
        return !stop.stop_requested() && Deliver(sink, batch, 0);
    });
    if (end == CompressedLines::Stopped) return SearchOutcome::Stopped;
    if (end != CompressedLines::Done) {
        error = CompressedLogFailure(end, path);
        return SearchOutcome::Failed;
    }
    return SearchOutcome::Completed;
}

SearchOutcome SearchLogFile(const LogFile& file, const LineSearch& search, MatchSink& sink,
                            const StopToken& stop, const SearchOptions& options) {
    ScanOptions scan;
    scan.threads = options.threads;
    scan.partLength = options.partLength;
    const PartPlan plan = PlanParts(file.Size(), scan);
    if (plan.parts < 2 || plan.threads < 2) return SearchWhole(file, search, sink, stop, options);
    PartSearch parts(file, search, plan, options);
    return parts.Run(sink, stop);
}

}  // namespace corvane
