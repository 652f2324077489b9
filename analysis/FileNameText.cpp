#include "analysis/FileNameText.h"

#include <iconv.h>

#include <algorithm>

namespace corvane {

std::string FileNameForMessage(const std::string& fileName) {
    // Plain ASCII reads the same in both encodings.
    if (std::all_of(fileName.begin(), fileName.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return fileName;
    const iconv_t cd = ::iconv_open("GB18030", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return fileName;
    std::string out(fileName.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(fileName.data());
    std::size_t inLeft = fileName.size();
    char* o = out.data();
    std::size_t outLeft = out.size();
    const std::size_t r = ::iconv(cd, &in, &inLeft, &o, &outLeft);
    ::iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || inLeft != 0) return fileName;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace corvane
