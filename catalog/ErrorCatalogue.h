// The error catalogue: ErrorList.ini loaded into an ordered list of entries.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// Fills `catalogue` (expected empty) from programDir + "ErrorList.ini".  A missing
// file leaves it empty; nothing is reported.
void LoadErrorCatalogue(const std::string& programDir, ErrorCatalogue& catalogue);

// The display name of `code`: "未知错误" (GBK) for "999" or an unknown code,
// otherwise the name of the last entry with that code, even when empty.
std::string LookupErrorName(std::string_view code, const ErrorCatalogue& catalogue);

// Appends the memo lines of every entry with `code`, first entry first; nothing for "999".
void LookupExplanation(std::string_view code, const ErrorCatalogue& catalogue,
                       std::vector<std::string>& lines);

// The code of unknown errors.
inline constexpr std::string_view kUnknownCode = "999";

}  // namespace corvane
