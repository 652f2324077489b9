// Small byte-level helpers of the scanner: digits and the time-stamp carry.  Kept apart so tests
// can check them directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// True when byte `index` (0-based) of `s` exists and is one of 0-9.
inline bool DigitAt(std::string_view s, std::size_t index) {
    return index < s.size() && s[index] >= '0' && s[index] <= '9';
}

// Tries to complete `finding` (the most recent one) with the time stamp of `line`.
// Returns true when the finding was changed.
bool CarryTimeStamp(std::string& finding, std::string_view line);

// All the carry needs of a line: its first nine bytes and whether it holds "[".
struct CarryLine {
    std::string head;
    bool bracketForm = false;
};
CarryLine CarryLineOf(std::string_view line);
bool CarryTimeStamp(std::string& finding, const CarryLine& line);

// True when some later line could still complete `finding` with a time stamp:
// byte 5 (plain form) or byte 6 (bracket form) of it is not a digit.
inline bool CarryStillPossible(std::string_view finding) {
    return !DigitAt(finding, 4) || !DigitAt(finding, 5);
}

}  // namespace corvane
