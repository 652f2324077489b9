#include "base/GbkUtf8.h"

#include <iconv.h>

#include <algorithm>
#include <vector>

#include "base/GbkBytes.h"

namespace corvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The character of every lead and trail byte pair, 0 where GBK has none, from the C
// library's GBK table: each pair converted alone, once per process.
class DoubleByteTable {
public:
    DoubleByteTable() : characters_(kLeads * kTrails, 0) {
        const iconv_t cd = ::iconv_open("UTF-32LE", "GBK");
        if (cd == reinterpret_cast<iconv_t>(-1)) {
            // Text still converts, each double-byte character as U+FFFD; say why once.
            WriteFailure("GBK to UTF-8", "this system has no GBK conversion");
            return;
        }
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                if (!IsGbkTrailByte(static_cast<unsigned char>(trail))) continue;
                char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                unsigned char out[8] = {};
                char* in = pair;
                std::size_t inLeft = sizeof pair;
                char* o = reinterpret_cast<char*>(out);
                std::size_t outLeft = sizeof out;
                ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (::iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<std::size_t>(-1) ||
                    inLeft != 0 || outLeft != sizeof out - 4)
                    continue;
                const char32_t c =
                    out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
                // One pair, one character of the basic plane: U+FFFD would say nothing.
                if (c != 0 && c <= 0xFFFF && c != 0xFFFD)
                    characters_[Index(lead, trail)] = static_cast<char16_t>(c);
            }
        }
        ::iconv_close(cd);
    }

    char16_t At(unsigned char lead, unsigned char trail) const {
        return characters_[Index(lead, trail)];
    }

private:
    static constexpr unsigned kLeads = 0xFE - 0x81 + 1;
    static constexpr unsigned kTrails = 0xFE - 0x40 + 1;
    static std::size_t Index(unsigned lead, unsigned trail) {
        return (lead - 0x81) * kTrails + (trail - 0x40);
    }
    std::vector<char16_t> characters_;
};

const DoubleByteTable& Table() {
    static const DoubleByteTable table;
    return table;
}

void AppendUtf8(char16_t c, std::string& utf8) {
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | c >> 6);
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xE0 | c >> 12);
        utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
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

void GbkToUtf8Converter::Append(std::string_view gbk, std::string& utf8) const {
    // Most log text is plain ASCII, which reads the same in both encodings.
    if (IsAsciiText(gbk)) {
        utf8.append(gbk);
        return;
    }
    const DoubleByteTable& table = Table();
    utf8.reserve(utf8.size() + gbk.size() * 3 / 2 + 4);
    for (std::size_t i = 0; i < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0x80) {
            utf8 += static_cast<char>(b);
            ++i;
            continue;
        }
        if (IsGbkLeadByte(b) && i + 1 < gbk.size()) {
            const auto trail = static_cast<unsigned char>(gbk[i + 1]);
            if (IsGbkTrailByte(trail)) {
                if (const char16_t c = table.At(b, trail); c != 0) {
                    AppendUtf8(c, utf8);
                    i += 2;
                    continue;
                }
            }
        }
        utf8.append(kReplacement);
        ++i;
    }
}

std::string GbkToUtf8(std::string_view gbk) {
    const GbkToUtf8Converter converter;
    std::string utf8;
    converter.Append(gbk, utf8);
    return utf8;
}

std::optional<std::string> FromUtf8(const std::string& text, const char* charset) {
    const iconv_t cd = ::iconv_open(charset, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw ConversionUnavailable(std::string("no UTF-8 to ") + charset + " conversion");
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
