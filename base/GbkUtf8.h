// The one converter between GBK and UTF-8.  The core keeps GBK as bytes; text is
// converted only where it leaves the program for a person (exports, the command
// line's --utf8 output, the window's display) or arrives from one (names typed in
// UTF-8, file names inside GBK messages).  GB18030 is read as a superset of GBK.
// iconv does the work.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// True when every byte is ASCII, which reads the same in both encodings.
bool IsAsciiText(std::string_view text);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values
// beyond U+10FFFF).
bool IsUtf8Text(std::string_view text);

// A reusable GBK to UTF-8 converter.  Nothing a log holds can stop it: every byte
// that does not begin a valid sequence, and an incomplete sequence at the end of the
// text, becomes U+FFFD, and conversion goes on with the next byte.  One converter
// serves one thread at a time.
class GbkToUtf8Converter {
public:
    GbkToUtf8Converter();
    ~GbkToUtf8Converter();
    GbkToUtf8Converter(const GbkToUtf8Converter&) = delete;
    GbkToUtf8Converter& operator=(const GbkToUtf8Converter&) = delete;

    // Appends the UTF-8 form of `gbk` to `utf8`.
    void Append(std::string_view gbk, std::string& utf8);

private:
    void* cd_;  // the iconv descriptor, or null when the C library lacks GB18030
};

// The UTF-8 form of `gbk`, through a converter kept per thread.
std::string GbkToUtf8(std::string_view gbk);

// `text` (UTF-8) in the character set `charset` ("GBK", "GB18030"), or nothing when it
// is not valid UTF-8 or has no form there.  Throws std::runtime_error when this
// system cannot convert to `charset` at all.
std::optional<std::string> FromUtf8(const std::string& text, const char* charset);

}  // namespace corvane
