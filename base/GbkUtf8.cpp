#include "base/GbkUtf8.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "base/GbkBytes.h"

namespace corvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

bool IsDigitByte(unsigned char b) { return b >= 0x30 && b <= 0x39; }

// How many bytes at the start of `rest`, which the converter refused, make one bad
// character.
std::size_t BadCharacterLength(std::string_view rest) {
    const auto at = [rest](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    if (rest.size() >= 4 && IsGbkLeadByte(at(0)) && IsDigitByte(at(1)) && IsGbkLeadByte(at(2)) &&
        IsDigitByte(at(3)))
        return 4;
    if (rest.size() >= 2 && IsGbkLeadByte(at(0)) && at(1) == 0xFF) return 2;
    return 1;
}

}  // namespace

bool IsAsciiText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8Text(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        unsigned min = 0;
        unsigned cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            length = 2, cp = b & 0x1F, min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, cp = b & 0x0F, min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, cp = b & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

GbkToUtf8Converter::GbkToUtf8Converter() {
    const iconv_t cd = ::iconv_open("UTF-8", "GB18030");
    cd_ = cd == kNoDescriptor ? nullptr : cd;
}

GbkToUtf8Converter::~GbkToUtf8Converter() {
    if (cd_) ::iconv_close(static_cast<iconv_t>(cd_));
}

void GbkToUtf8Converter::Append(std::string_view gbk, std::string& utf8) {
    // Most log text is plain ASCII, which reads the same in both encodings.
    if (IsAsciiText(gbk)) {
        utf8.append(gbk);
        return;
    }
    if (!cd_) {
        for (char c : gbk) {
            if (static_cast<unsigned char>(c) < 0x80)
                utf8.push_back(c);
            else
                utf8.append(kReplacement);
        }
        return;
    }
    const auto cd = static_cast<iconv_t>(cd_);
    // No input byte should yield more than three output bytes: a double-byte
    // character gives at most three, a four-byte one four, an undecodable byte
    // U+FFFD's three.  The buffer still grows should a converter think otherwise.
    const std::size_t start = utf8.size();
    std::size_t used = start;
    utf8.resize(start + gbk.size() * 3 + kReplacement.size());
    char* in = const_cast<char*>(gbk.data());
    std::size_t inLeft = gbk.size();
    while (inLeft > 0) {
        char* out = utf8.data() + used;
        std::size_t outLeft = utf8.size() - used;
        const std::size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
        used = static_cast<std::size_t>(out - utf8.data());
        if (result != static_cast<std::size_t>(-1)) break;
        const bool full = errno == E2BIG;
        if (full || outLeft < kReplacement.size()) {
            utf8.resize(utf8.size() + inLeft * 3 + kReplacement.size());
            if (full) continue;
        }
        // EILSEQ (an invalid sequence) and EINVAL (a sequence cut off by the end of
        // the text) lose one byte, and what follows is converted again.  Only where
        // the bytes have the shape of one character (a four-byte form that names no
        // character, or a lead byte before 0xFF, which is never a trail byte) do
        // they make one bad character, as the window's decoder counts them, so that
        // an export shows what the window shows.
        const std::size_t bad = BadCharacterLength(std::string_view(in, inLeft));
        utf8.replace(used, kReplacement.size(), kReplacement);
        used += kReplacement.size();
        in += bad;
        inLeft -= bad;
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    utf8.resize(used);
}

std::string GbkToUtf8(std::string_view gbk) {
    thread_local GbkToUtf8Converter converter;
    std::string utf8;
    converter.Append(gbk, utf8);
    return utf8;
}

std::optional<std::string> FromUtf8(const std::string& text, const char* charset) {
    const iconv_t cd = ::iconv_open(charset, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no UTF-8 to ") + charset + " conversion");
    // Two bytes per input byte hold any GBK or GB18030 form of UTF-8 text.
    std::string out(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = ::iconv(cd, &in, &inLeft, &o, &outLeft);
    ::iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace corvane
