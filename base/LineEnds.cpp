#include "base/LineEnds.h"

#if defined(__SSE2__)
#include <immintrin.h>
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

namespace {

// The bytes from `p` on, whose predecessor p[-1] is readable.
std::int64_t CountLineEndsTail(const char* p, const char* end) {
    std::int64_t n = 0;
    for (; p < end; ++p) n += *p == '\r' || (*p == '\n' && p[-1] != '\r');
    return n;
}

// The counting kernels below keep one byte counter per vector lane: a lane adds one
// for each line end, and the lanes are summed before a counter can overflow.  The
// byte before each byte comes from a second load one byte earlier, so no carry runs
// from one vector to the next.
#if defined(__x86_64__)
__attribute__((target("avx512bw"))) std::int64_t CountAvx512(const char* p, const char* end) {
    const __m512i lf = _mm512_set1_epi8('\n');
    const __m512i cr = _mm512_set1_epi8('\r');
    const __m512i one = _mm512_set1_epi8(1);
    std::int64_t n = 0;
    while (end - p >= 64) {
        __m512i lanes = _mm512_setzero_si512();
        for (int i = 0; i < 255 && end - p >= 64; ++i, p += 64) {
            const __m512i v = _mm512_loadu_si512(p);
            const __m512i before = _mm512_loadu_si512(p - 1);
            const __mmask64 isLf = _mm512_cmpeq_epi8_mask(v, lf);
            const __mmask64 crLf = _mm512_mask_cmpeq_epi8_mask(isLf, before, cr);
            const __mmask64 ends = _mm512_cmpeq_epi8_mask(v, cr) | (isLf & ~crLf);
            lanes = _mm512_mask_add_epi8(lanes, ends, lanes, one);
        }
        alignas(64) std::uint64_t sums[8];
        _mm512_store_si512(sums, _mm512_sad_epu8(lanes, _mm512_setzero_si512()));
        for (std::uint64_t sum : sums) n += static_cast<std::int64_t>(sum);
    }
    return n + CountLineEndsTail(p, end);
}

__attribute__((target("avx2"))) std::int64_t CountAvx2(const char* p, const char* end) {
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i cr = _mm256_set1_epi8('\r');
    std::int64_t n = 0;
    while (end - p >= 32) {
        __m256i lanes = _mm256_setzero_si256();
        for (int i = 0; i < 255 && end - p >= 32; ++i, p += 32) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
            const __m256i before = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p - 1));
            const __m256i ends = _mm256_or_si256(
                _mm256_cmpeq_epi8(v, cr),
                _mm256_andnot_si256(_mm256_cmpeq_epi8(before, cr), _mm256_cmpeq_epi8(v, lf)));
            lanes = _mm256_sub_epi8(lanes, ends);  // a match is -1
        }
        const __m256i sums = _mm256_sad_epu8(lanes, _mm256_setzero_si256());
        n += _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1) +
             _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
    }
    return n + CountLineEndsTail(p, end);
}

std::int64_t CountSse2(const char* p, const char* end) {
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    std::int64_t n = 0;
    while (end - p >= 16) {
        __m128i lanes = _mm_setzero_si128();
        for (int i = 0; i < 255 && end - p >= 16; ++i, p += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p - 1));
            const __m128i ends =
                _mm_or_si128(_mm_cmpeq_epi8(v, cr),
                             _mm_andnot_si128(_mm_cmpeq_epi8(before, cr), _mm_cmpeq_epi8(v, lf)));
            lanes = _mm_sub_epi8(lanes, ends);
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        n += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
    }
    return n + CountLineEndsTail(p, end);
}

#endif

}  // namespace

std::vector<LineEndKernel> LineEndKernels() {
    std::vector<LineEndKernel> kernels;
#if defined(__x86_64__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw")) kernels.push_back(CountAvx512);
    if (__builtin_cpu_supports("avx2")) kernels.push_back(CountAvx2);
    kernels.push_back(CountSse2);
#endif
    kernels.push_back(CountLineEndsTail);
    return kernels;
}

std::int64_t CountLineEnds(const char* begin, const char* end, bool afterCr) {
    if (begin >= end) return 0;
    static const LineEndKernel kernel = LineEndKernels().front();
    // The first byte's predecessor lies outside the range; the kernels read p[-1].
    const std::int64_t first = *begin == '\r' || (*begin == '\n' && !afterCr);
    return first + kernel(begin + 1, end);
}

}  // namespace corvane
