// The keyword of a draft catalogue entry: the longest clean stretch of a pattern's
// constant text that, with the new entry after every other, takes exactly the lines of
// the pattern.  The scan skips a line with an ignore text and gives a line to the first
// entry whose keyword it holds, so the lines the keyword must not be in are only those
// that neither an ignore text nor an earlier entry claims.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stop.h"
#include "patterns/PatternListing.h"
#include "scan/FindingList.h"
#include "scan/Host.h"

namespace corvane {

class LiteralMatcher;

// The texts a keyword may be, each once: the stretches of a constant part
// (PatternGroup::constants) that begin and end on a word boundary (ASCII letters and
// digits are never cut apart) and on a character boundary (GBK), whose brackets and
// quotes are balanced, that neither begin nor end with a blank, hold some text and no
// zero byte, and do not stand inside one pair of the same quote (which the INI reader
// would drop); at most kProfileValueMax bytes each.  Those that begin and end with
// text, a bracket or a quote come first, longest first; then those with a punctuation
// mark at an end, longest first, for a pattern whose words alone stand in other lines.
std::vector<std::string> KeywordCandidates(const std::vector<std::string>& constants);

// Chooses the keyword of a pattern: the first candidate found, ignoring ASCII case as
// the scanner does, in every line of the pattern, there on a word and character
// boundary, and in no other line.  Lines with a text of `ignoreList` (empty texts never
// match) are passed over; feed it every other line that no catalogue entry of the
// service claims.
class KeywordChooser {
public:
    KeywordChooser(const std::vector<std::string>& constants,
                   const std::vector<std::string>& ignoreList);
    ~KeywordChooser();
    KeywordChooser(const KeywordChooser&) = delete;
    KeywordChooser& operator=(const KeywordChooser&) = delete;

    void AddLine(std::string_view line, bool ofPattern);
    // True while some candidate may still qualify.
    bool Open() const { return aliveCount_ > 0; }
    // The keyword, or nothing when no candidate qualifies.
    std::optional<std::string> Keyword() const;

private:
    void Kill(std::size_t id);

    std::vector<std::string> candidates_;
    std::vector<bool> alive_;
    std::size_t aliveCount_ = 0;
    std::unique_ptr<LiteralMatcher> matcher_;
    struct Work;
    std::unique_ptr<Work> work_;
};

// One pass over the file at `path` (a compressed log decompressed, as the scan reads
// it): the keyword of the pattern whose lines are those numbered `patternLines`
// (1-based, increasing).  Lines that contain a text of `ignoreList` (ignoring case;
// empty texts never match) and the lines numbered `knownLines` (increasing: the scan's
// known findings) are passed over.  Throws
// FileLinesError when the file cannot be read.  Checks `stop` before every line.
struct KeywordPass {
    bool stopped = false;                // a stop was requested: no answer
    std::optional<std::string> keyword;  // nothing when no candidate qualifies
};
KeywordPass ChoosePatternKeyword(const std::vector<std::string>& constants, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::int64_t>& knownLines,
                                 const std::vector<std::string>& ignoreList,
                                 const StopToken& stop = {});

// Whether a keyword its keeper typed takes exactly the lines of the pattern: found
// (ignoring ASCII case, as the scanner finds keywords) in every line numbered
// `patternLines` and in no other line that no earlier entry claims (the lines numbered
// `knownLines`) and no ignore text passes over.  `line` names the first line that
// breaks the rule, of the kind `fault` says.
struct KeywordCheck {
    enum class Fault { None, MissingFromPatternLine, InOtherLine };
    bool stopped = false;
    Fault fault = Fault::None;
    std::int64_t line = 0;
    bool Takes() const { return !stopped && fault == Fault::None; }
};
KeywordCheck CheckPatternKeyword(const std::string& keyword, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::int64_t>& knownLines,
                                 const std::vector<std::string>& ignoreList,
                                 const StopToken& stop = {});

// The line numbers of the pattern ranked `rank` (1 = largest, as listed) in `listing`,
// increasing; none for a rank beyond the listing.
std::vector<std::int64_t> PatternLinesOfRank(const PatternListing& listing, std::uint32_t rank);

// The line numbers of the known findings of a scan's list, increasing.
std::vector<std::int64_t> KnownFindingLines(const FindingList& findings);

}  // namespace corvane
