// How lines end, for every reader of text in the program: CR LF, a lone CR and a lone
// LF each end one line, so LF CR ends a line and then an empty one.  A CR that is the
// last byte of what has been read so far cannot be judged yet: an LF as the next byte
// belongs to it.  Lines are bytes; NUL is an ordinary byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

inline bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }

// True when the two bytes are one CR LF terminator.
inline bool IsCrLf(char first, char second) { return first == '\r' && second == '\n'; }

// The first CR or LF in [p, end), or end.
const char* FindLineEnd(const char* p, const char* end);

// A terminator found in a range of bytes.
struct LineBreak {
    const char* at = nullptr;  // its first byte; the range's end when there is none
    std::size_t length = 0;    // 0 (none), 1 (a lone CR or LF) or 2 (CR LF)
    // `at` is a CR and the range's last byte: an LF that comes next still belongs to
    // it.  `length` is then 1.
    bool crAtEnd = false;
};

// The next terminator in [p, end).
inline LineBreak NextLineBreak(const char* p, const char* end) {
    LineBreak b;
    b.at = FindLineEnd(p, end);
    if (b.at == end) return b;
    b.length = 1;
    if (*b.at == '\r') {
        if (b.at + 1 == end)
            b.crAtEnd = true;
        else if (b.at[1] == '\n')
            b.length = 2;
    }
    return b;
}

// Calls f(line) for every line of `text`, without its terminator, in order.  A
// terminator at the very end starts no further line; empty text holds no line.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const LineBreak b = NextLineBreak(p, end);
        f(std::string_view(p, static_cast<std::size_t>(b.at - p)));
        p = b.at + b.length;
    }
}

// The number of lines that end in [begin, end): every CR ends one, and so does every
// LF that does not directly follow a CR.  `afterCr` tells whether the byte just
// before `begin` is a CR (an LF at `begin` then completes that CR LF).
std::int64_t CountLineEnds(const char* begin, const char* end, bool afterCr);

// The kernels behind CountLineEnds that this processor can run, the one it uses
// first.  A kernel counts the line ends in [begin, end) and reads begin[-1] to tell an
// LF of a CR LF.  Exposed so that tests can check each of them.
using LineEndKernel = std::int64_t (*)(const char* begin, const char* end);
std::vector<LineEndKernel> LineEndKernels();

}  // namespace corvane
