#include "analysis/TextScan.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane {

const char* FindLineEnd(const char* p, const char* end) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int mask =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
        if (mask != 0) return p + __builtin_ctz(static_cast<unsigned>(mask));
        p += 16;
    }
#endif
    while (p < end && !IsLineEndByte(*p)) ++p;
    return p;
}

std::string FoldAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
    }
    return out;
}

bool CarryTimeStamp(std::string& finding, std::string_view line) {
    const bool bracketForm = line.find('[') != std::string_view::npos;
    std::string replaced;
    if (bracketForm) {
        if (DigitAt(finding, 5) || !DigitAt(line, 1)) return false;
        const std::string_view stamp = line.substr(1, 8);
        replaced.reserve(finding.size() + stamp.size() + 7);
        replaced.append(finding, 0, 4).append("[").append(stamp).append(".000]|");
    } else {
        if (DigitAt(finding, 4) || !DigitAt(line, 0)) return false;
        const std::string_view stamp = line.substr(0, 8);
        replaced.reserve(finding.size() + stamp.size() + 5);
        replaced.append(finding, 0, 4).append(stamp).append(".000 ");
    }
    if (finding.size() > 4) replaced.append(finding, 4, std::string::npos);
    finding = std::move(replaced);
    return true;
}

}  // namespace corvane
