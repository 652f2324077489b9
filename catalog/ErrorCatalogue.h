// The error catalogue: ErrorList.ini loaded into an ordered list of entries.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ProfileString.h"

namespace corvane {

// One catalogue entry; plain data.
struct ErrorRecord {
    std::string serviceCode;
    std::string errorCode;
    std::string errorName;
    std::string keyword;
    std::vector<std::string> memo;  // the explanation lines
};

// Entries in the order of the keys of "ERRORLIST"; codes are not made unique.
using ErrorCatalogue = std::vector<ErrorRecord>;

// The most memory a loaded catalogue may take (its strings, each counted with its own
// size).  A small file can list one code thousands of times, and each listing copies the
// code's explanation, which can itself be thousands of lines long.
inline constexpr std::size_t kErrorCatalogueMax = std::size_t{256} << 20;

// Raised when a catalogue would take more than its limit once loaded.
class CatalogueTooLarge : public ProfileFileTooLarge {
public:
    using ProfileFileTooLarge::ProfileFileTooLarge;
};

// Fills `catalogue` (expected empty) from programDir + "ErrorList.ini".  A missing
// file leaves it empty; nothing is reported.  Throws ProfileFileTooLarge for a file
// above kIniFileMax and CatalogueTooLarge (leaving `catalogue` empty) for a catalogue
// above `maxBytes`.
void LoadErrorCatalogue(const std::string& programDir, ErrorCatalogue& catalogue,
                        std::size_t maxBytes = kErrorCatalogueMax);

// The display name of `code`: "未知错误" (GBK) for "999" or an unknown code,
// otherwise the name of the last entry with that code, even when empty.
std::string LookupErrorName(std::string_view code, const ErrorCatalogue& catalogue);

// Appends the memo lines of every entry with `code`, first entry first; nothing for "999".
void LookupExplanation(std::string_view code, const ErrorCatalogue& catalogue,
                       std::vector<std::string>& lines);

// The code of unknown errors.
inline constexpr std::string_view kUnknownCode = "999";

}  // namespace corvane
