// The byte classes of GBK text: a lead byte opens a double-byte character and takes
// the next byte with it; ASCII bytes stand for themselves.
#pragma once

#include <cstddef>

namespace corvane {

// 0x81-0xFE: the first byte of a double-byte character.
inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// 0x40-0xFE except 0x7F: a byte that can follow a lead byte in one character.
inline bool IsGbkTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// The length of the character at `p` (< `end`): 2 for a lead byte with a trail byte
// after it, else 1 (a lead byte without a trail is a character of its own).
inline std::size_t GbkCharacterLength(const char* p, const char* end) {
    return IsGbkLeadByte(static_cast<unsigned char>(p[0])) && end - p > 1 &&
                   IsGbkTrailByte(static_cast<unsigned char>(p[1]))
               ? 2
               : 1;
}

}  // namespace corvane
