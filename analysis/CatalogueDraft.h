// A draft ErrorList.ini entry for a pattern of unknown errors: the catalogue learns a
// kind of line from the logs.  The draft is text for the catalogue's keeper; nothing
// here writes a catalogue.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Host.h"
#include "base/Stop.h"
#include "catalog/ErrorCatalogue.h"

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

struct CatalogueDraft {
    std::string code;                    // the lowest unused code, 100..998; empty if none
    std::string listKey;                 // the unused key name under [ERRORLIST]
    std::optional<std::string> keyword;  // as given
    std::string text;                    // the ErrorList.ini fragment, GBK, CR LF line ends
};

// The draft entry for `serviceCode`: a line for [ERRORLIST] under an unused key name
// ("01", "02", ... compared ignoring case like INI key names), [ERROR_<code>] with the
// service code, an error name to fill in and the keyword, and [ERROR_<code>_MEMO]
// with key 01 and an explanation to fill in.  <code> is the lowest code from 100 to
// 998 that no entry of `catalogue` uses.  Without a keyword, a comment says that none
// was found instead.  `listKeys` are the key names of [ERRORLIST]
// (ReadErrorListKeys).
CatalogueDraft DraftCatalogueEntry(const ErrorCatalogue& catalogue,
                                   const std::vector<std::string>& listKeys,
                                   std::string_view serviceCode,
                                   const std::optional<std::string>& keyword);

// The key names of [ERRORLIST] in programDir + "ErrorList.ini".
std::vector<std::string> ReadErrorListKeys(const std::string& programDir);

}  // namespace corvane
