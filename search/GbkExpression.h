// Regular expressions over GBK lines, character by character.  The engine knows only
// bytes: left alone, a class such as [北上] is a class of four bytes, `.` is one byte and
// a match may begin on the trail byte of a character.  The search therefore hands the
// engine a rewritten expression in which every character-matching piece (a literal
// character, a class, `.`, \d and the like) matches exactly one whole character, and
// which is anchored at the line's start by any run of whole characters, so a match
// begins on a character boundary.
//
// A line is a run of characters: a lead byte 0x81-0xFE with a trail byte 0x40-0xFE
// (0x7F excepted), or any other single byte.  A lead byte without a trail after it (a
// lone lead byte) is a character of its own; since the engine cannot look ahead, the
// search marks it in the text it scans by a 0x7F after it, which makes it a two-byte
// character in the rewritten expression's terms without meeting any other character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scan/LiteralMatcher.h"

namespace corvane {

// The byte the search puts after a lone lead byte (MarkLoneLeadBytes).
inline constexpr unsigned char kLoneLeadMark = 0x7F;

// The forms of one expression the engine compiles.  A line matches when any of the
// expressions for it matches.
struct CharacterExpressions {
    // For any line: the run of whole characters from the line's start, then the
    // expression.  The engine refuses a start anchor after that run, so an expression
    // with one (^, \A) comes twice, once for a match at the line's start and once,
    // its anchors matching nothing, for the rest.
    std::vector<std::string> anyLine;
    // For a line of ASCII bytes alone, where every byte begins a character: the
    // expression with every set of characters cut to its ASCII members and without
    // the run before it, which the engine scans about as fast as the expression itself.
    std::string asciiLine;
    // Matches wherever `anyLine` does, and where a match would begin inside a
    // character too: a quick first look at a line that is not all ASCII, which the
    // engine scans about as fast as `asciiLine`.
    std::string candidates;
};

// `expression` (bytes as typed, GBK characters raw) as the engine should compile it,
// without the engine's own caseless flag: `caseless` (and (?i) in the expression)
// makes single-byte ASCII letters match either case, never a trail byte.  Throws
// CompileRefused for what cannot be read as an expression (a class that is not
// closed or that matches no character, a range out of order, a byte escape above
// 0xFF, a backslash at the end); the engine judges the rest.
CharacterExpressions WholeCharacterExpressions(std::string_view expression, bool caseless);

// Where the run of ASCII bytes that begins at `p` ends.
const char* AsciiRunEnd(const char* p, const char* end);

// When `line` holds a lone lead byte: `out` is the line with kLoneLeadMark after every
// lone lead byte, and the answer true.  Otherwise false, and `out` is left alone.
bool MarkLoneLeadBytes(std::string_view line, std::string& out);

}  // namespace corvane
