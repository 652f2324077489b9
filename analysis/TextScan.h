// Small byte-level helpers of the scanner: line terminators, digits, the fold, and
// the time-stamp carry.  Kept apart so tests can check them directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

inline bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }

// True when byte `index` (0-based) of `s` exists and is one of 0-9.
inline bool DigitAt(std::string_view s, std::size_t index) {
    return index < s.size() && s[index] >= '0' && s[index] <= '9';
}

// The first CR or LF in [p, end), or end.
const char* FindLineEnd(const char* p, const char* end);

// The number of lines that end in [begin, end): every CR ends one, and so does
// every LF that does not directly follow a CR.  `afterCr` tells whether the byte
// just before `begin` is a CR (an LF at `begin` then completes that CR LF).
std::int64_t CountLineEnds(const char* begin, const char* end, bool afterCr);

// The kernels behind CountLineEnds that this processor can run, the one it uses
// first.  A kernel counts the line ends in [begin, end) and reads begin[-1] to tell
// an LF of a CR LF.  Exposed so that tests can check each of them.
using LineEndKernel = std::int64_t (*)(const char* begin, const char* end);
std::vector<LineEndKernel> LineEndKernels();

// Folds a-z to A-Z byte by byte; every other byte, GBK trail bytes included, is
// left alone except that trail bytes in a-z fold like letters.
std::string FoldAscii(std::string_view s);

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
