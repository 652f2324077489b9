#include "search/LineSearch.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <utility>

#include "base/AsciiCase.h"
#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/BlockReader.h"
#include "scan/FileNameText.h"
#include "scan/LineEngine.h"
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
class MatchWalk {
public:
    MatchWalk(const LineSearch& search, LiteralMatcher::Scratch* scratch, MatchBatch& out)
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
        MatchWalk* walk;
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

class SearchClient;

// The matching of one thread, a new walk for each part into that part's batch.
class SearchWalker final : public PartWalker {
public:
    explicit SearchWalker(SearchClient& client);
    void Begin(std::size_t part, const StopToken& stop) override;
    void Examine(const Block& block) override { walk_->Examine(block); }
    void End(std::size_t part) override;

private:
    SearchClient& client_;
    std::unique_ptr<LiteralMatcher::Scratch> scratch_;
    std::optional<MatchWalk> walk_;
};

// The parts' matching lines handed to the sink in file order, numbered from the
// file's first line.  A part walked on the calling thread hands its lines on after
// every block.
class SearchClient final : public LineClient {
public:
    SearchClient(const LineSearch& search, MatchSink& sink) : search_(search), sink_(sink) {}

    void Parts(std::size_t count) override { parts_.resize(count); }
    std::unique_ptr<PartWalker> Walker() override { return std::make_unique<SearchWalker>(*this); }

    bool TakeSoFar(std::size_t part) override {
        return Deliver(sink_, parts_[part].matches, lineEnds_);
    }

    bool Take(std::size_t part) override {
        Part& taken = parts_[part];
        const bool more = Deliver(sink_, taken.matches, lineEnds_);
        lineEnds_ += taken.lineEnds;
        // The batch's memory serves a later part: a fresh one would be grown again, and
        // its pages faulted in again, for every part.
        std::lock_guard<std::mutex> lock(poolMutex_);
        pool_.emplace_back();
        pool_.back().Swap(taken.matches);
        return more;
    }

private:
    friend class SearchWalker;

    struct Part {
        MatchBatch matches;
        std::int64_t lineEnds = 0;
    };

    // An emptied batch for part `part`, when one was handed on before.
    void Reuse(std::size_t part) {
        std::lock_guard<std::mutex> lock(poolMutex_);
        if (pool_.empty()) return;
        parts_[part].matches.Swap(pool_.back());
        pool_.pop_back();
    }

    const LineSearch& search_;
    MatchSink& sink_;
    std::vector<Part> parts_;    // each written by its part's walker until taken
    std::int64_t lineEnds_ = 0;  // in the parts taken
    std::mutex poolMutex_;
    std::vector<MatchBatch> pool_;  // guarded by poolMutex_: batches handed on, emptied
};

SearchWalker::SearchWalker(SearchClient& client)
    : client_(client), scratch_(ScratchFor(client.search_)) {}

void SearchWalker::Begin(std::size_t part, const StopToken& /*stop*/) {
    client_.Reuse(part);
    walk_.emplace(client_.search_, scratch_.get(), client_.parts_[part].matches);
}

void SearchWalker::End(std::size_t part) {
    client_.parts_[part].lineEnds = walk_->LineEnds();
    walk_.reset();
}

SearchOutcome OutcomeOf(LineWalk walk, std::string& error) {
    switch (walk.end) {
        case LineWalkEnd::Done:
            return SearchOutcome::Completed;
        case LineWalkEnd::Stopped:
            return SearchOutcome::Stopped;
        case LineWalkEnd::ReadFailed:
        case LineWalkEnd::StreamFailed:
            break;
    }
    error = std::move(walk.error);
    return SearchOutcome::Failed;
}

}  // namespace

SearchOutcome SearchCompressedLog(const std::string& path, const LineSearch& search,
                                  MatchSink& sink, const StopToken& stop, std::string& error) {
    const FileDescriptor in = OpenSharedForReading(path);
    if (!in) {
        error = std::string(gbk::kMsgOpenFailed) + FileNameForMessage(path);
        return SearchOutcome::Failed;
    }
    SearchClient client(search, sink);
    return OutcomeOf(WalkCompressedLog(in, path, client, stop), error);
}

SearchOutcome SearchLogFile(const LogFile& file, const LineSearch& search, MatchSink& sink,
                            const StopToken& stop, const SearchOptions& options,
                            std::string& error) {
    LineEngineOptions engine;
    engine.threads = options.threads;
    engine.blockLength = options.blockLength;
    engine.partLength = options.partLength;
    // Far enough ahead to keep every thread busy while the sink takes a part, and no
    // further: a slow reader of the results bounds the memory.
    engine.partsAhead = std::size_t{options.threads} + 1;
    SearchClient client(search, sink);
    return OutcomeOf(WalkLogFile(file, client, stop, engine), error);
}

}  // namespace corvane
