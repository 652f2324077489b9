// The line grammar of INI text as the Windows profile-string reader sees it: how
// lines end, what is blank, what a header, a key, a comment is, how names fold and
// what a value becomes when it is read.  Names and values are GBK bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/AsciiCase.h"
#include "base/GbkBytes.h"
#include "base/LineEnds.h"

namespace corvane {

// A value read is at most this many bytes (a 2,048-byte buffer with its terminator).
inline constexpr std::size_t kProfileValueMax = 2047;

// One line of INI text as the reader classifies it.
struct ProfileLine {
    enum class Kind { Header, Key, Comment, Bare, BeforeFirstHeader };
    Kind kind;
    std::size_t number;      // 1-based; CR LF, a lone CR and a lone LF each end a line
    std::string_view text;   // the line without its blanks at both ends
    std::string_view name;   // Header: the section name; Key: the key name
    std::string_view value;  // Key: the value as written (quotes still on, not cut)
};

// Names match as FoldAsciiGbk forms (base/AsciiCase.h): ASCII a-z as A-Z, the trail
// byte of a double-byte character kept as it is.

// Calls `visit` for every line of `bytes` that is not empty after trimming, in order.
void ForEachProfileLine(std::string_view bytes,
                        const std::function<void(const ProfileLine&)>& visit);

// The value as written without the quotes the reader removes: one '"' or '\'' at
// each end, the same at both.  A value without such a pair comes back as it is.
std::string_view UnquoteProfileValue(std::string_view raw);

// The value as the reader hands it out: outer quotes removed, cut at a zero byte and
// to kProfileValueMax bytes.
std::string CleanProfileValue(std::string_view raw);

// The byte rules under the grammar, shared with the section index.
namespace profile {

inline bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v'; }

inline std::string_view TrimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

inline std::string_view TrimRightBlanks(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && IsBlank(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(0, e);
}

// Caller-side strings are C strings for the Windows API: they end at a zero byte.
inline std::string_view AsCString(std::string_view s) {
    std::size_t nul = s.find('\0');
    return nul == std::string_view::npos ? s : s.substr(0, nul);
}

// The name inside a header line (which starts with '['): up to the first ']' that
// is not the trail byte of a double-byte character, or to the end of the line.
std::string_view HeaderName(std::string_view line);

// Splits a trimmed, non-empty line into its kind, name and value.
ProfileLine Classify(std::size_t number, std::string_view line, bool afterHeader);

// A UTF-16 file would be Unicode to the reader; Unicode INI files are not supported,
// so it reads as a file without sections.
inline bool IsUtf16(std::string_view text) {
    return text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
           static_cast<unsigned char>(text[1]) == 0xFE;
}

// ForEachProfileLine without the indirection of std::function, for the index.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
    if (IsUtf16(text)) return;
    bool afterHeader = false;
    std::size_t number = 0;
    corvane::ForEachLine(text, [&](std::string_view raw) {
        ++number;
        const std::string_view line = TrimBlanks(raw);
        if (line.empty()) return;
        const ProfileLine l = Classify(number, line, afterHeader);
        afterHeader = afterHeader || l.kind == ProfileLine::Kind::Header;
        f(l);
    });
}

}  // namespace profile

}  // namespace corvane
