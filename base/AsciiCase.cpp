#include "base/AsciiCase.h"

#include <algorithm>

#include "base/GbkBytes.h"

namespace corvane {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

std::string FoldAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = AsciiUpper(c);
    return out;
}

std::string FoldAsciiGbk(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsGbkLeadByte(static_cast<unsigned char>(out[i])))
            ++i;  // the trail byte stays as it is
        else
            out[i] = AsciiUpper(out[i]);
    }
    return out;
}

int CompareAsciiGbkFolded(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    bool trailA = false, trailB = false;
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        const auto fa = trailA ? ca : static_cast<unsigned char>(AsciiUpper(a[i]));
        const auto fb = trailB ? cb : static_cast<unsigned char>(AsciiUpper(b[i]));
        trailA = !trailA && IsGbkLeadByte(ca);
        trailB = !trailB && IsGbkLeadByte(cb);
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace corvane
