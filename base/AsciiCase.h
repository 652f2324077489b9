// Case without regard to ASCII letters, the one fold of the program.  Only a-z and A-Z
// change case; every other byte, GBK included, stands for itself.  Two flavours,
// because two readers of the same bytes disagree on one point: the scanner looks at
// bytes and folds a trail byte in a-z like a letter, while INI names are read as
// characters and a double-byte character's trail byte is never folded.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }

// True when the two texts are the same with a-z read as A-Z, byte by byte.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Byte by byte: every a-z becomes A-Z, GBK trail bytes in a-z included.
std::string FoldAscii(std::string_view s);

// Character by character in GBK: a-z becomes A-Z, the trail byte of a double-byte
// character stays as it is.
std::string FoldAsciiGbk(std::string_view s);

// Orders texts as their FoldAsciiGbk forms would order; zero means the same text
// without regard to ASCII case.
int CompareAsciiGbkFolded(std::string_view a, std::string_view b);

}  // namespace corvane
