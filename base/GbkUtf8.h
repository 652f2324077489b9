// The one converter between GBK and UTF-8.  The core keeps GBK as bytes; text is
// converted only where it leaves the program for a person (exports, the command
// line's --utf8 output, the window's display) or arrives from one (names typed in
// UTF-8, file names inside GBK messages).  Text is read as GBK and nothing else: a
// double-byte character is a lead byte 0x81-0xFE and a trail byte 0x40-0xFE (not 0x7F)
// that GBK assigns a character; the four-byte forms of GB18030 are not characters.
// The C library's GBK table (iconv) says which character each pair is.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Error.h"

namespace corvane {

// True when every byte is ASCII, which reads the same in both encodings.
bool IsAsciiText(std::string_view text);

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or values
// beyond U+10FFFF).
bool IsUtf8Text(std::string_view text);

// A GBK to UTF-8 converter.  Nothing a log holds can stop it: every byte that does
// not begin a character (0x80, 0xFF, a lead byte without a trail that makes a GBK
// character with it, a lead byte cut off by the end of the text) becomes one U+FFFD,
// and conversion goes on with the very next byte, so an ASCII byte after it is always
// kept.  Without a GBK table in the C library every byte above 0x7F is U+FFFD.
class GbkToUtf8Converter {
public:
    // Appends the UTF-8 form of `gbk` to `utf8`.
    void Append(std::string_view gbk, std::string& utf8) const;
};

// The UTF-8 form of `gbk`.
std::string GbkToUtf8(std::string_view gbk);

// This system's converter (iconv) does not know a character set: no text reaches it.
class ConversionUnavailable : public Error {
public:
    using Error::Error;
};

// `text` (UTF-8) in the character set `charset` ("GBK", "GB18030"), or nothing when it
// is not valid UTF-8 or has no form there.  Throws ConversionUnavailable when this
// system cannot convert to `charset` at all.
std::optional<std::string> FromUtf8(const std::string& text, const char* charset);

}  // namespace corvane
