#include "scan/TextScan.h"

#include <algorithm>

namespace corvane {

namespace {

// The stamp goes in after the finding's fourth byte (after a shorter finding's last).
bool Carry(std::string& finding, std::string_view head, bool bracketForm) {
    if (bracketForm) {
        if (DigitAt(finding, 5) || !DigitAt(head, 1)) return false;
        const std::string_view stamp = head.substr(1, 8);
        std::string insert;
        insert.reserve(stamp.size() + 7);
        insert.append("[").append(stamp).append(".000]|");
        finding.insert(std::min<std::size_t>(finding.size(), 4), insert);
    } else {
        if (DigitAt(finding, 4) || !DigitAt(head, 0)) return false;
        const std::string_view stamp = head.substr(0, 8);
        std::string insert;
        insert.reserve(stamp.size() + 5);
        insert.append(stamp).append(".000 ");
        finding.insert(std::min<std::size_t>(finding.size(), 4), insert);
    }
    return true;
}

}  // namespace

bool CarryTimeStamp(std::string& finding, std::string_view line) {
    return Carry(finding, line.substr(0, 9), line.find('[') != std::string_view::npos);
}

CarryLine CarryLineOf(std::string_view line) {
    return {std::string(line.substr(0, 9)), line.find('[') != std::string_view::npos};
}

bool CarryTimeStamp(std::string& finding, const CarryLine& line) {
    return Carry(finding, line.head, line.bracketForm);
}

}  // namespace corvane
