#include "scan/LineWalker.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "base/AsciiCase.h"
#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/TextScan.h"

namespace corvane {
namespace {

const std::string_view kMarkers[] = {"fail ", "failed "};
constexpr std::size_t kNoRecord = std::numeric_limits<std::size_t>::max();

void AddLiteral(ScanLiterals& literals, std::string_view text, ScanLiterals::Kind kind,
                std::size_t record, std::unordered_map<std::string, std::size_t>& seen) {
    // A literal with a line end can never lie inside a line; an empty one never matches.
    if (text.empty() || text.find_first_of("\r\n") != std::string_view::npos) return;
    // The same text (after folding) twice in one role adds nothing: the first
    // keyword in catalogue order is the one that wins anyway.
    std::string key = FoldAscii(text);
    key.push_back(static_cast<char>(kind));
    if (!seen.emplace(std::move(key), literals.texts.size()).second) return;
    literals.texts.emplace_back(text);
    literals.meanings.push_back({kind, record});
}

}  // namespace

ScanLiterals BuildLiterals(const std::string& serviceCode, const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList) {
    ScanLiterals literals;
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ErrorRecord& rec = catalogue[i];
        if (rec.serviceCode == serviceCode)
            AddLiteral(literals, rec.keyword, ScanLiterals::Keyword, i, seen);
    }
    for (const std::string& text : ignoreList)
        AddLiteral(literals, text, ScanLiterals::Ignore, 0, seen);
    for (std::string_view marker : kMarkers)
        AddLiteral(literals, marker, ScanLiterals::Marker, 0, seen);
    return literals;
}

IncomingCarry::IncomingCarry() : standIns_{"", "x", "xx", "xxx", "xxxx", "xxxx0x", "xxxxx0"} {}

void IncomingCarry::Offer(std::string_view line) {
    if (!open_ || !(DigitAt(line, 0) || DigitAt(line, 1))) return;
    bool changed = false;
    open_ = false;
    for (std::string& standIn : standIns_) {
        if (CarryStillPossible(standIn) && CarryTimeStamp(standIn, line)) {
            changed = true;
            // Only the bytes up to the sixth matter from here on.
            standIn.resize(6);
        }
        open_ = open_ || CarryStillPossible(standIn);
    }
    if (changed) lines_.push_back(CarryLineOf(line));
}

LineWalker::LineWalker(const ScanLiterals& literals, const LiteralMatcher& matcher,
                       LiteralMatcher::Scratch& scratch, const ErrorCatalogue& catalogue,
                       StopToken stop, bool partBeginsFile)
    : literals_(literals),
      matcher_(matcher),
      scratch_(scratch),
      catalogue_(catalogue),
      stop_(std::move(stop)) {
    if (partBeginsFile) incoming_.Close();
}

void LineWalker::Examine(const Block& block) {
    const std::int64_t length = block.end - block.begin;
    if (holdAt_ < block.offset || holdAt_ > block.offset + length) {
        ExamineBlock(block);
        return;
    }
    // The held offset lies in this block: its two pieces, with the state between.
    const std::int64_t cut = holdAt_ - block.offset;
    holdAt_ = -1;
    if (cut > 0) {
        Block first = block;
        first.end = block.begin + cut;
        ExamineBlock(first);
        if (stop_.stop_requested()) return;
    }
    held_ = Remember();
    if (cut < length) {
        Block second = block;
        second.begin = block.begin + cut;
        second.offset = block.offset + cut;
        second.afterCr = cut > 0 ? block.begin[cut - 1] == '\r' : block.afterCr;
        second.lineEndIndex = nullptr;
        second.lineEndsBefore = 0;
        ExamineBlock(second);
    }
}

void LineWalker::ExamineBlock(const Block& block) {
    if (stop_.stop_requested()) return;
    block_ = &block;
    pos_ = block.begin;
    counted_ = block.begin;
    line_ = MatchedLine();
    failure_ = nullptr;
    const bool complete = matcher_.Scan(
        block.begin, static_cast<std::size_t>(block.end - block.begin), scratch_, OnMatch, this);
    if (failure_) std::rethrow_exception(failure_);
    if (!complete || (line_.open && !FinishLine())) return;
    Unmatched(pos_, block.end);
    CountLineEndsTo(block.end);
    result_.lineEnds = lineEnds_;
}

LineWalker::Checkpoint LineWalker::Remember() const {
    Checkpoint checkpoint;
    checkpoint.findingCount = result_.findings.size();
    if (!result_.findings.empty()) checkpoint.last = result_.findings.back();
    checkpoint.unknown = result_.unknown;
    checkpoint.known = result_.known;
    checkpoint.lineEnds = lineEnds_;
    checkpoint.carryOpen = carryOpen_;
    checkpoint.incomingLines = incoming_.Kept();
    return checkpoint;
}

void LineWalker::GoOnFrom(const Checkpoint& checkpoint) {
    result_ = WalkResult();
    if (checkpoint.last) result_.findings.push_back(*checkpoint.last);
    result_.unknown = checkpoint.unknown;
    result_.known = checkpoint.known;
    result_.lineEnds = lineEnds_ = checkpoint.lineEnds;
    carryOpen_ = checkpoint.carryOpen;
    incoming_.Close();
    line_ = MatchedLine();
}

void LineWalker::GoBack(const Checkpoint& checkpoint) {
    result_.findings.resize(checkpoint.findingCount);
    if (checkpoint.last) result_.findings.back() = *checkpoint.last;
    result_.unknown = checkpoint.unknown;
    result_.known = checkpoint.known;
    result_.lineEnds = lineEnds_ = checkpoint.lineEnds;
    carryOpen_ = checkpoint.carryOpen;
    line_ = MatchedLine();
}

WalkResult LineWalker::Take() {
    result_.incoming = incoming_.Take();
    return std::move(result_);
}

bool LineWalker::OnMatch(void* walker, std::size_t end, std::uint32_t id) {
    LineWalker& self = *static_cast<LineWalker*>(walker);
    try {
        return self.Match(end, id);
    } catch (...) {
        // The engine's pass is C code: the error waits until it has returned.
        self.failure_ = std::current_exception();
        return false;
    }
}

// The engine reports the matches in order of their end; a line is decided, and its
// rules applied, when the first match beyond it arrives (or the block ends).  So no
// match is kept, however many a line holds.  The lines in between are visited only
// while a finding can still take a time stamp.
bool LineWalker::Match(std::size_t end, std::uint32_t id) {
    const char* matchEnd = block_->begin + end;
    const char* matchBegin = matchEnd - matcher_.LiteralLength(id);
    if (!line_.open || matchEnd > line_.end) {
        if (line_.open && !FinishLine()) return false;
        if (matchBegin < pos_) throw std::logic_error("literal engine: match out of order");
        const char* lineBegin = matchBegin;
        while (lineBegin > pos_ && !IsLineEndByte(lineBegin[-1])) --lineBegin;
        Unmatched(pos_, lineBegin);
        line_ = MatchedLine{lineBegin, FindLineEnd(matchEnd, block_->end), true, false, false,
                            kNoRecord};
    } else if (matchBegin < line_.begin) {
        throw std::logic_error("literal engine: match out of order");
    }
    const ScanLiterals::Meaning& meaning = literals_.meanings[id];
    switch (meaning.kind) {
        case ScanLiterals::Ignore:
            line_.ignore = true;
            break;
        case ScanLiterals::Marker:
            line_.marker = true;
            break;
        case ScanLiterals::Keyword:
            line_.record = std::min(line_.record, meaning.record);
            break;
    }
    return true;
}

// The rules for a line that holds a literal, in their order: the window's events,
// the carry, then ignore, known error, unknown error.
bool LineWalker::FinishLine() {
    line_.open = false;
    if (stop_.stop_requested()) return false;
    const std::string_view line(line_.begin, static_cast<std::size_t>(line_.end - line_.begin));
    Carry(line);
    if (!line_.ignore) {
        if (line_.record != kNoRecord) {
            Append(catalogue_[line_.record].errorCode, line);
            ++result_.known;
        } else if (line_.marker) {
            Append(kUnknownCode, line);
            ++result_.unknown;
        }
    }
    pos_ = line_.end;
    return true;
}

// Brings lineEnds_ to the line ends in the part before `p`, a position in the
// block at or after the last one asked for.
void LineWalker::CountLineEndsTo(const char* p) {
    const Block& block = *block_;
    if (block.lineEndIndex) {
        // Counted by the read-ahead thread: at most one stride is left to count.
        const std::size_t i = static_cast<std::size_t>(p - block.begin) / kLineIndexStride;
        const char* from = block.begin + i * kLineIndexStride;
        lineEnds_ = block.lineEndsBefore + block.lineEndIndex[i] +
                    CountLineEnds(from, p, from == block.begin ? block.afterCr : from[-1] == '\r');
        return;
    }
    // Counted here, in bulk from one finding's line to the next, right behind the
    // engine's pass while those bytes are still in the cache.
    lineEnds_ +=
        CountLineEnds(counted_, p, counted_ == block.begin ? block.afterCr : counted_[-1] == '\r');
    counted_ = p;
}

// Lines without any literal: only the time-stamp carry can concern them.
void LineWalker::Unmatched(const char* p, const char* end) {
    while ((carryOpen_ || incoming_.Open()) && p < end) {
        while (p < end && IsLineEndByte(*p)) ++p;
        if (p == end) break;
        const char* lineEnd = FindLineEnd(p, end);
        Carry(std::string_view(p, static_cast<std::size_t>(lineEnd - p)));
        p = lineEnd;
    }
}

void LineWalker::Carry(std::string_view line) {
    if (result_.findings.empty()) {
        incoming_.Offer(line);
        return;
    }
    if (!carryOpen_ || !(DigitAt(line, 0) || DigitAt(line, 1))) return;
    std::string& finding = result_.findings.back().text;
    if (CarryTimeStamp(finding, line)) carryOpen_ = CarryStillPossible(finding);
}

void LineWalker::Append(std::string_view code, std::string_view line) {
    // Room for two stamps, so that carrying them moves no long line.
    constexpr std::size_t kStampRoom = 32;
    std::string finding;
    finding.reserve(code.size() + 1 + line.size() + kStampRoom);
    finding.append(code).append("|").append(line);
    carryOpen_ = CarryStillPossible(finding);
    incoming_.Close();
    CountLineEndsTo(line.data());
    result_.findings.push_back({std::move(finding),
                                {lineEnds_ + 1, block_->offset + (line.data() - block_->begin),
                                 static_cast<std::int64_t>(line.size())}});
}

}  // namespace corvane
