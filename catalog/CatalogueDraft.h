// A draft ErrorList.ini entry for a pattern of unknown errors: the catalogue learns a
// kind of line from the logs.  The draft is text for the catalogue's keeper; nothing
// here writes a catalogue.  Its keyword is chosen from the log (patterns/DraftKeyword.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ErrorCatalogue.h"

namespace corvane {

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
