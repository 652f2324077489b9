#include "analysis/FileNameText.h"

#include <iconv.h>

#include <algorithm>
#include <stdexcept>

namespace corvane {

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

std::string FileNameForMessage(const std::string& fileName) {
    // Plain ASCII reads the same in both encodings.
    if (std::all_of(fileName.begin(), fileName.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return fileName;
    try {
        return FromUtf8(fileName, "GB18030").value_or(fileName);
    } catch (const std::runtime_error&) {
        return fileName;
    }
}

}  // namespace corvane
