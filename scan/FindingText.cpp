#include "scan/FindingText.h"

#include <cstddef>

namespace corvane {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of a date "dddd-dd-dd" or "dddd/dd/dd" followed by a blank at the start
// of `line` (after an optional "["), or 0 when the line does not begin so.
std::size_t LeadingDateLength(std::string_view line) {
    const std::size_t at = !line.empty() && line[0] == '[' ? 1 : 0;
    if (line.size() < at + 11) return 0;
    const std::string_view date = line.substr(at, 10);
    const char separator = date[4];
    if (separator != '-' && separator != '/') return 0;
    if (date[7] != separator || line[at + 10] != ' ') return 0;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!IsDigit(date[i])) return 0;
    return at + 11;
}

}  // namespace

std::string_view LogLine(std::string_view finding) {
    return finding.size() > 4 ? finding.substr(4) : std::string_view();
}

std::string_view TimeField(std::string_view finding) {
    if (const std::size_t date = LeadingDateLength(LogLine(finding)))
        return finding.substr(4 + date, 8);
    const std::size_t from = finding.find('[') != std::string_view::npos ? 5 : 4;
    if (from >= finding.size()) return {};
    return finding.substr(from, 8);
}

}  // namespace corvane
