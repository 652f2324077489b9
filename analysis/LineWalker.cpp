#include "analysis/LineWalker.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "analysis/TextScan.h"
#include "catalog/GbkText.h"

namespace corvane {
namespace {

const std::string_view kMarkers[] = {"fail ", "failed "};

void AddPattern(ScanPatterns& patterns, std::string_view text, ScanPatterns::Kind kind,
                std::size_t record, std::unordered_map<std::string, std::size_t>& seen) {
    // A pattern with a line end can never lie inside a line; an empty one never matches.
    if (text.empty() || text.find_first_of("\r\n") != std::string_view::npos) return;
    // The same text (after folding) twice in one role adds nothing: the first
    // keyword in catalogue order is the one that wins anyway.
    std::string key = FoldAscii(text);
    key.push_back(static_cast<char>(kind));
    if (!seen.emplace(std::move(key), patterns.texts.size()).second) return;
    patterns.texts.emplace_back(text);
    patterns.meanings.push_back({kind, record});
}

}  // namespace

ScanPatterns BuildPatterns(const std::string& serviceCode, const ErrorCatalogue& catalogue,
                           const std::vector<std::string>& ignoreList) {
    ScanPatterns patterns;
    std::unordered_map<std::string, std::size_t> seen;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const ErrorRecord& rec = catalogue[i];
        if (rec.serviceCode == serviceCode)
            AddPattern(patterns, rec.keyword, ScanPatterns::Keyword, i, seen);
    }
    for (const std::string& text : ignoreList)
        AddPattern(patterns, text, ScanPatterns::Ignore, 0, seen);
    for (std::string_view marker : kMarkers)
        AddPattern(patterns, marker, ScanPatterns::Marker, 0, seen);
    return patterns;
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

LineWalker::LineWalker(const ScanPatterns& patterns, const PatternMatcher& matcher,
                       PatternMatcher::Scratch& scratch, const ErrorCatalogue& catalogue,
                       EventPump& pump, bool stretchBeginsFile)
    : patterns_(patterns),
      matcher_(matcher),
      scratch_(scratch),
      catalogue_(catalogue),
      pump_(pump) {
    if (stretchBeginsFile) incoming_.Close();
}

bool LineWalker::Examine(const Block& block) {
    pump_.ProcessEvents();
    if (pump_.StopRequested()) return false;
    if (!Lines(block)) return false;
    result_.lineEnds = block.LineEndsThrough();
    return true;
}

WalkResult LineWalker::Take() {
    result_.incoming = incoming_.Take();
    return std::move(result_);
}

// The engine finds the lines that hold a pattern; the lines in between are visited
// only while the most recent finding can still take a time stamp.
bool LineWalker::Lines(const Block& block) {
    const char* begin = block.begin;
    const char* end = block.end;
    matches_.clear();
    matcher_.Scan(begin, static_cast<std::size_t>(end - begin), scratch_, matches_);
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
                Append(catalogue_[record].errorCode, line, block);
                ++result_.known;
            } else if (marker) {
                Append(kUnknownCode, line, block);
                ++result_.unknown;
            }
        }
        pos = lineEnd;
    }
    Unmatched(pos, end);
    return true;
}

// Lines without any pattern: only the time-stamp carry can concern them.
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
    std::string& finding = result_.findings.back();
    if (CarryTimeStamp(finding, line)) carryOpen_ = CarryStillPossible(finding);
}

void LineWalker::Append(std::string_view code, std::string_view line, const Block& block) {
    // Room for two stamps, so that carrying them moves no long line.
    constexpr std::size_t kStampRoom = 32;
    std::string finding;
    finding.reserve(code.size() + 1 + line.size() + kStampRoom);
    finding.append(code).append("|").append(line);
    carryOpen_ = CarryStillPossible(finding);
    incoming_.Close();
    result_.findings.push_back(std::move(finding));
    result_.places.push_back(
        {block.LineEndsBefore(line.data()) + 1, block.offset + (line.data() - block.begin)});
}

}  // namespace corvane
