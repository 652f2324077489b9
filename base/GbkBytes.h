// The byte classes of GBK text: a lead byte opens a double-byte character and takes
// the next byte with it; ASCII bytes stand for themselves.
#pragma once

namespace corvane {

// 0x81-0xFE: the first byte of a double-byte character.
inline bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// 0x40-0xFE except 0x7F: a byte that can follow a lead byte in one character.
inline bool IsGbkTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

}  // namespace corvane
