// The literal pass over line-aligned blocks and the line rules that follow from it:
// ignore texts, keywords in catalogue order, the failure markers and the time-stamp
// carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/BlockReader.h"
#include "scan/FindingList.h"
#include "scan/LiteralMatcher.h"
#include "scan/TextScan.h"

namespace corvane {

// The literals of one scan and what each of them means for a line.
struct ScanLiterals {
    enum Kind : std::uint8_t { Keyword, Ignore, Marker };
    struct Meaning {
        Kind kind;
        std::size_t record;  // catalogue index, for keywords
    };
    std::vector<std::string> texts;
    std::vector<Meaning> meanings;
};

// The service's keywords in catalogue order, its ignore texts and both failure markers.
ScanLiterals BuildLiterals(const std::string& serviceCode, const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList);

// What the walk over a part of the file found.
struct WalkResult {
    FindingList findings;  // line numbers count from the part's first line, 1
    std::int64_t unknown = 0;
    std::int64_t known = 0;
    std::int64_t lineEnds = 0;  // line ends in the part
    // For a part that does not begin the file: the lines before and including its
    // first finding's line that may complete the most recent finding of the
    // parts before it, in file order (see IncomingCarry).
    std::vector<CarryLine> incoming;
};

// The lines at the start of a part that could complete a finding of an earlier
// part, which the walker of this part does not know.  For every later line, a
// finding that can still take a stamp behaves like one of a few stand-ins: what
// counts is its length up to four bytes and whether its fifth and sixth bytes are
// digits, since a stamp goes in after the fourth byte.  The stand-ins take the
// stamps; every line that changes one of them is kept, until none can change any
// more.  Replaying the kept lines on the real finding completes it exactly as the
// lines themselves would have (a line that does not apply changes nothing).
class IncomingCarry {
public:
    IncomingCarry();
    bool Open() const { return open_; }
    void Offer(std::string_view line);
    void Close() { open_ = false; }
    std::vector<CarryLine> Take() { return std::move(lines_); }
    std::size_t Kept() const { return lines_.size(); }

private:
    std::vector<std::string> standIns_;
    std::vector<CarryLine> lines_;
    bool open_ = true;
};

// Walks the lines of the blocks of one part, in file order, and builds its
// finding list.
class LineWalker {
public:
    // `partBeginsFile`: false for a later part of the file, whose first lines may
    // complete a finding of the parts before it.
    LineWalker(const ScanLiterals& literals, const LiteralMatcher& matcher,
               LiteralMatcher::Scratch& scratch, const ErrorCatalogue& catalogue, StopToken stop,
               bool partBeginsFile = true);

    // Examines one block.  A stop requested before or during the block (checked before
    // it and before every line that holds a literal) leaves it half examined: the
    // caller, holding the same token, sees the request and drops the walk.
    void Examine(const Block& block);

    WalkResult Take();

    // What the walk has found so far, after the blocks examined: a walker that is
    // handed the lines of a growing file as they arrive keeps its findings here.
    const WalkResult& Current() const { return result_; }

    // The walk's state between two blocks, to examine lines that may still change (a
    // growing file's last line before its line end has arrived) and to go back to it
    // afterwards.  Only the most recent finding can change after it was made, so that
    // one is all that is copied.
    struct Checkpoint {
        std::size_t findingCount = 0;
        std::optional<Finding> last;
        std::int64_t unknown = 0;
        std::int64_t known = 0;
        std::int64_t lineEnds = 0;
        bool carryOpen = false;
        // Of a part that does not begin the file: the lines kept so far that complete
        // the most recent finding of the parts before it.
        std::size_t incomingLines = 0;
    };
    Checkpoint Remember() const;
    // Back to the state `Remember` gave, for a walker that begins its file.
    void GoBack(const Checkpoint& checkpoint);

    // Remembers the walk's state where the file's bytes from `offset` on begin (a
    // block that holds that offset is examined in two pieces): a scan keeps the state
    // at the end of the file's complete lines, so that a follow of the file can go on
    // from there and examine its last line again once its line end has come.
    void HoldAt(std::int64_t offset) { holdAt_ = offset; }
    const std::optional<Checkpoint>& Held() const { return held_; }

    // A walker that begins its file, in the state `checkpoint` describes (the findings
    // before it not kept: only the most recent one, which a later line may complete).
    // Its findings are numbered from the checkpoint's count on: Current().findings
    // holds the most recent one and those after it.
    void GoOnFrom(const Checkpoint& checkpoint);
    // Takes `findings` (the most recent one and those after it) and the counts as what
    // the walk found so far, without walking the lines they come from: what a scan
    // found in lines the walk is to examine again later (after GoBack).
    void Adopt(FindingList findings, std::int64_t known, std::int64_t unknown) {
        result_.findings = std::move(findings);
        result_.known = known;
        result_.unknown = unknown;
    }

private:
    // The line that holds the latest match, while more matches may fall into it.
    struct MatchedLine {
        const char* begin = nullptr;
        const char* end = nullptr;
        bool open = false;
        bool ignore = false;
        bool marker = false;
        std::size_t record = 0;  // the first keyword in catalogue order, or kNoRecord
    };
    void ExamineBlock(const Block& block);
    static bool OnMatch(void* walker, std::size_t end, std::uint32_t id);
    bool Match(std::size_t end, std::uint32_t id);
    bool FinishLine();
    void CountLineEndsTo(const char* p);
    void Unmatched(const char* p, const char* end);
    void Carry(std::string_view line);
    void Append(std::string_view code, std::string_view line);

    const ScanLiterals& literals_;
    const LiteralMatcher& matcher_;
    LiteralMatcher::Scratch& scratch_;
    const ErrorCatalogue& catalogue_;
    StopToken stop_;
    WalkResult result_;
    bool carryOpen_ = false;  // the most recent finding can still take a time stamp
    IncomingCarry incoming_;
    // The block being examined: the lines before pos_ are done, and the line ends
    // before counted_ are counted in lineEnds_ (from the part's start).
    const Block* block_ = nullptr;
    const char* pos_ = nullptr;
    const char* counted_ = nullptr;
    std::int64_t lineEnds_ = 0;
    MatchedLine line_;
    std::exception_ptr failure_;  // raised inside the engine's pass, thrown after it
    std::int64_t holdAt_ = -1;
    std::optional<Checkpoint> held_;
};

}  // namespace corvane
