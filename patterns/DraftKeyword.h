// The keyword of a draft catalogue entry: the longest constant text of a pattern of
// unknown errors that is in every line of the pattern and in no other line of the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Stop.h"
#include "scan/Host.h"

namespace corvane {

// The texts a keyword may be: the constant parts of a pattern (PatternGroup::constants)
// and the blank-separated pieces of each, trimmed of blanks, quotes and ASCII
// punctuation at both ends (the INI reader would drop blanks and enclosing quotes),
// longest first, each once.
std::vector<std::string> KeywordCandidates(const std::vector<std::string>& constants);

// Chooses the keyword of a pattern: the longest candidate found, ignoring ASCII case
// as the scanner does, in every line of the pattern and in no other line.  Feed it
// every line of the file that the scan does not ignore.
class KeywordChooser {
public:
    explicit KeywordChooser(const std::vector<std::string>& constants);

    void AddLine(std::string_view line, bool ofPattern);
    // The keyword, or nothing when no candidate qualifies.
    std::optional<std::string> Keyword() const;

private:
    struct Candidate {
        std::string text;
        std::string folded;
        bool alive = true;
    };
    std::vector<Candidate> candidates_;
    std::string folded_;  // scratch
};

// One pass over the file at `path`: the keyword of the pattern whose lines are those
// numbered `patternLines` (1-based, increasing), among the lines that contain no text
// of `ignoreList` (ignoring case; empty texts never match).  Throws FileLinesError when
// the file cannot be read.  Serves `pump` (when given) and checks `stop` before every
// line.
struct KeywordPass {
    bool stopped = false;                // a stop was requested: no answer
    std::optional<std::string> keyword;  // nothing when no candidate qualifies
};
KeywordPass ChoosePatternKeyword(const std::vector<std::string>& constants, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::string>& ignoreList,
                                 EventPump* pump = nullptr, const StopToken& stop = {});

}  // namespace corvane
