#include "scan/WindowMatcher.h"

#include "scan/FoldedWord.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane {
namespace {

constexpr std::size_t kWindow = 8;
constexpr std::size_t kStride = 4;
// A literal this long holds kStride windows one after another.
constexpr std::size_t kLongLiteral = kWindow + kStride - 1;
// Each pair costs a comparison of every sixteen bytes.
constexpr std::size_t kMostPairs = 12;
constexpr std::size_t kChunk = 16;
constexpr unsigned kFilterBits = 16;
constexpr std::uint32_t kEmpty = 0xffffffffu;
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
// Setting 0x20 in every byte maps a letter's two cases to one byte (and some other
// bytes together): a filter on such words lets through every place a literal's
// window is, and some more that the comparisons reject.
constexpr std::uint64_t kCaseBits = 0x20 * kOnes;

std::size_t FilterSlot(std::uint64_t word) {
    return static_cast<std::size_t>(((word | kCaseBits) * 0x9e3779b97f4a7c15ull) >>
                                    (64 - kFilterBits));
}

std::size_t TableSlot(std::uint64_t word, std::size_t slots) {
    return static_cast<std::size_t>((word * 0xff51afd7ed558ccdull) >> 32) & (slots - 1);
}

}  // namespace

bool WindowMatcher::Pair::Holds(const unsigned char* p) const {
    return FoldByte(p[0]) == (folded & 0xff) && (single || FoldByte(p[1]) == folded >> 8);
}

WindowMatcher::~WindowMatcher() = default;

std::unique_ptr<WindowMatcher> WindowMatcher::Make(const std::vector<std::string>& folded,
                                                   const PieceCount& count,
                                                   std::size_t sampleLength) {
    std::unique_ptr<WindowMatcher> m(new WindowMatcher());
    m->literals_ = folded;
    std::map<std::uint64_t, std::vector<Holder>> windows;
    std::vector<std::uint32_t> shorts;
    for (std::uint32_t id = 0; id < folded.size(); ++id) {
        const std::string& literal = folded[id];
        const std::size_t length = literal.size();
        const std::string padded = literal + std::string(kWindow, '\0');
        const auto* bytes = reinterpret_cast<const unsigned char*>(padded.data());
        m->heads_.push_back(Word(bytes));
        if (length >= kLongLiteral) {
            // The run of kStride windows that is rarest in the sample.
            std::size_t best = 0;
            std::size_t least = 0;
            for (std::size_t at = 0; at + kLongLiteral <= length; ++at) {
                std::size_t sum = 0;
                for (std::size_t k = 0; k < kStride; ++k)
                    sum += count(Word(bytes + at + k), kWindow);
                if (at == 0 || sum < least) {
                    least = sum;
                    best = at;
                }
            }
            for (std::size_t k = 0; k < kStride; ++k)
                windows[Word(bytes + best + k)].push_back(
                    {id, static_cast<std::uint32_t>(best + k)});
            continue;
        }
        shorts.push_back(id);
    }
    if (!m->ChoosePairs(shorts, count, sampleLength)) return nullptr;

    m->filter_.assign(std::size_t{1} << kFilterBits, 0);
    std::size_t slots = 16;
    while (slots < 2 * windows.size()) slots *= 2;
    m->slotWords_.assign(slots, 0);
    m->slotWindow_.assign(slots, kEmpty);
    for (const auto& [word, holders] : windows) {
        const auto index = static_cast<std::uint32_t>(m->windowWords_.size());
        m->windowWords_.push_back(word);
        m->firstHolder_.push_back(static_cast<std::uint32_t>(m->holders_.size()));
        m->holders_.insert(m->holders_.end(), holders.begin(), holders.end());
        m->filter_[FilterSlot(word)] = 1;
        std::size_t s = TableSlot(word, slots);
        while (m->slotWindow_[s] != kEmpty) s = (s + 1) & (slots - 1);
        m->slotWords_[s] = word;
        m->slotWindow_[s] = index;
    }
    m->firstHolder_.push_back(static_cast<std::uint32_t>(m->holders_.size()));
    return m;
}

// Gives each of the `shorts` literals a pair (or its one byte), chosen greedily: each
// time the pair with the least estimated time per literal it newly covers, where one
// more pair costs as much as a place found in every kBytesPerPair bytes of the
// sample.  Fails when more than kMostPairs are needed.
bool WindowMatcher::ChoosePairs(const std::vector<std::uint32_t>& shorts, const PieceCount& count,
                                std::size_t sampleLength) {
    constexpr double kBytesPerPair = 800;
    struct Candidate {
        std::size_t count = 0;
        std::vector<Holder> holders;  // each literal once, at its first place
    };
    std::map<std::pair<std::uint16_t, bool>, Candidate> candidates;
    for (const std::uint32_t id : shorts) {
        const std::string& literal = literals_[id];
        const auto* bytes = reinterpret_cast<const unsigned char*>(literal.data());
        const bool single = literal.size() == 1;
        for (std::size_t at = 0; at + (single ? 1 : 2) <= literal.size(); ++at) {
            const auto pair =
                static_cast<std::uint16_t>(bytes[at] | (single ? 0 : bytes[at + 1] << 8));
            Candidate& c = candidates[{pair, single}];
            if (c.holders.empty()) c.count = count(pair, single ? 1 : 2);
            if (c.holders.empty() || c.holders.back().literal != id)
                c.holders.push_back({id, static_cast<std::uint32_t>(at)});
        }
    }
    std::vector<bool> covered(literals_.size(), false);
    std::size_t uncovered = shorts.size();
    const double pairCost = static_cast<double>(sampleLength) / kBytesPerPair;
    while (uncovered > 0) {
        if (pairs_.size() == kMostPairs) return false;
        const std::pair<std::uint16_t, bool>* best = nullptr;
        double bestRatio = 0;
        for (const auto& [key, c] : candidates) {
            std::size_t gain = 0;
            for (const Holder& h : c.holders) gain += covered[h.literal] ? 0 : 1;
            if (gain == 0) continue;
            const double ratio =
                (pairCost + static_cast<double>(c.count)) / static_cast<double>(gain);
            if (!best || ratio < bestRatio) {
                best = &key;
                bestRatio = ratio;
            }
        }
        Pair pair{best->first, best->second, {}};
        for (const Holder& h : candidates[*best].holders) {
            if (covered[h.literal]) continue;
            covered[h.literal] = true;
            --uncovered;
            pair.holders.push_back(h);
        }
        pairs_.push_back(std::move(pair));
    }
    return true;
}

// Whether the holder's literal lies at `place` less its offset; if so, the handler
// has it.  Returns false when the handler ended the scan.
bool WindowMatcher::Compare(const Holder& holder, std::size_t place, const unsigned char* data,
                            std::size_t size, MatchHandler handler, void* context) const {
    if (place < holder.offset) return true;
    const std::size_t begin = place - holder.offset;
    const std::string& literal = literals_[holder.literal];
    // A copy's zeros beyond the data may look like a literal's window or pair.
    if (begin > size || literal.size() > size - begin) return true;
    const unsigned char* text = data + begin;
    std::size_t i = 0;
    if (literal.size() >= kWindow) {
        if (FoldWord(Word(text)) != heads_[holder.literal]) return true;
        i = kWindow;
    }
    while (i < literal.size() && FoldByte(text[i]) == static_cast<unsigned char>(literal[i])) ++i;
    if (i < literal.size()) return true;
    return handler(context, begin + literal.size(), holder.literal);
}

// The kChunk places from `place` on, whose bytes (and the kChunk + kWindow after
// them) are at `at`: the data itself, or a copy padded with zeros at its end.
bool WindowMatcher::Chunk(const unsigned char* at, std::size_t place, const unsigned char* data,
                          std::size_t size, MatchHandler handler, void* context) const {
    const std::uint8_t* filter = filter_.data();
    const unsigned any = filter[FilterSlot(Word(at))] | filter[FilterSlot(Word(at + 4))] |
                         filter[FilterSlot(Word(at + 8))] | filter[FilterSlot(Word(at + 12))];
    unsigned pairs = 0;
    if (!pairs_.empty()) {
#if defined(__SSE2__)
        const __m128i caseBits = _mm_set1_epi8(0x20);
        const __m128i first =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), caseBits);
        const __m128i second =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 1)), caseBits);
        for (const Pair& pair : pairs_) {
            const __m128i a = _mm_set1_epi8(static_cast<char>((pair.folded & 0xff) | 0x20));
            const __m128i b = _mm_set1_epi8(static_cast<char>((pair.folded >> 8) | 0x20));
            const __m128i one = _mm_cmpeq_epi8(first, a);
            pairs |= static_cast<unsigned>(_mm_movemask_epi8(
                pair.single ? one : _mm_and_si128(one, _mm_cmpeq_epi8(second, b))));
        }
#else
        for (unsigned k = 0; k < kChunk; ++k)
            for (const Pair& pair : pairs_) pairs |= (pair.Holds(at + k) ? 1u : 0u) << k;
#endif
    }
    if ((any | pairs) == 0) return true;
    unsigned windows = 0;
    for (unsigned k = 0; k < kChunk; k += kStride)
        windows |= static_cast<unsigned>(filter[FilterSlot(Word(at + k))]) << k;
    for (unsigned found = windows | pairs; found != 0; found &= found - 1) {
        const unsigned k = static_cast<unsigned>(std::countr_zero(found));
        const unsigned bit = 1u << k;
        if (windows & bit) {
            const std::uint64_t word = FoldWord(Word(at + k));
            const std::size_t slots = slotWords_.size();
            for (std::size_t s = TableSlot(word, slots); slotWindow_[s] != kEmpty;
                 s = (s + 1) & (slots - 1)) {
                if (slotWords_[s] != word) continue;
                const std::uint32_t w = slotWindow_[s];
                for (std::uint32_t h = firstHolder_[w]; h < firstHolder_[w + 1]; ++h)
                    if (!Compare(holders_[h], place + k, data, size, handler, context))
                        return false;
                break;
            }
        }
        if (pairs & bit) {
            for (const Pair& pair : pairs_) {
                if (!pair.Holds(at + k)) continue;
                for (const Holder& holder : pair.holders)
                    if (!Compare(holder, place + k, data, size, handler, context)) return false;
            }
        }
    }
    return true;
}

bool WindowMatcher::Scan(const char* data, std::size_t size, MatchHandler handler,
                         void* context) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    // A chunk reads kChunk + kWindow bytes: the last chunks are read from a copy.
    constexpr std::size_t kReach = kChunk + kWindow;
    std::size_t place = 0;
    for (; size >= kReach && place <= size - kReach; place += kChunk)
        if (!Chunk(bytes + place, place, bytes, size, handler, context)) return false;
    unsigned char tail[kChunk + kReach] = {};
    for (; place < size; place += kChunk) {
        std::memset(tail, 0, sizeof tail);
        std::memcpy(tail, bytes + place, std::min(size - place, sizeof tail));
        if (!Chunk(tail, place, bytes, size, handler, context)) return false;
    }
    return true;
}

}  // namespace corvane
