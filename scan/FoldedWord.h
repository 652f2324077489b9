// The scanner's case fold (a-z and A-Z alike, byte by byte, nothing else) on a byte
// and on eight bytes at once, for the matchers that compare literals themselves.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace corvane {

static_assert(std::endian::native == std::endian::little, "a word's first byte is its lowest");

// The eight bytes at `p` in memory order, the first the lowest.
inline std::uint64_t Word(const unsigned char* p) {
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

inline unsigned char FoldByte(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 0x20) : c;
}

// FoldByte on each byte of a word at once: a byte from 'A' to 'Z' gains 0x20.
inline std::uint64_t FoldWord(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t low = word & (0x7f * kOnes);
    const std::uint64_t fromA = low + (0x80 - 'A') * kOnes;        // high bit: low >= 'A'
    const std::uint64_t beyondZ = low + (0x80 - 'Z' - 1) * kOnes;  // high bit: low > 'Z'
    const std::uint64_t upper = fromA & ~beyondZ & ~word & (0x80 * kOnes);
    return word | (upper >> 2);
}

}  // namespace corvane
