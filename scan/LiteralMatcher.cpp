#include "scan/LiteralMatcher.h"

#include "scan/FoldedWord.h"
#include "scan/WindowMatcher.h"

#include <hs/hs.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <queue>
#include <unordered_map>
#include <utility>

// The engine library's own entry for its AVX2 code, present in its builds that pick
// their code for the processor at run time.
// NOLINTNEXTLINE(readability-identifier-naming): the library's own name
extern "C" hs_error_t avx2_hs_scan(const hs_database_t* db, const char* data, unsigned length,
                                   unsigned flags, hs_scratch_t* scratch,
                                   match_event_handler onEvent, void* context)
    __attribute__((weak));

namespace corvane {
namespace {

using ScanEntry = decltype(&hs_scan);

// Which of the engine's code paths runs the scans, and the processor features the
// literals are compiled for so that it accepts them.
struct EnginePath {
    ScanEntry scan = hs_scan;
    bool avx2Only = false;
};

// The library picks its code for the processor when a scan begins.  On a processor
// with AVX-512 that is code which misses matches: with "llxy" and "failed " compiled,
// "failed " after a run of 61 'a' bytes is not reported, and about one random literal
// set in two hundred loses a match the same way, with or without case folding.  Its
// AVX2 code finds them all, so where the library offers that code by name, it runs
// every scan on such a processor.
const EnginePath& ChosenPath() {
    static const EnginePath path = [] {
        EnginePath chosen;
        if (avx2_hs_scan != nullptr && __builtin_cpu_supports("avx512f") &&
            __builtin_cpu_supports("avx2")) {
            chosen.scan = avx2_hs_scan;
            chosen.avx2Only = true;
        }
        return chosen;
    }();
    return path;
}

// With pieces (MatchOptions::sample): the literals (folded) that hold piece p are
// holders[first[p]] up to holders[first[p + 1]].
struct PieceHolders {
    struct Holder {
        std::uint32_t literal;
        std::uint32_t back;  // the literal's bytes up to the end of the piece in it
        std::uint64_t head;  // the literal's first eight bytes, folded, if it has eight
    };
    std::vector<std::uint32_t> first;
    std::vector<Holder> holders;
    std::vector<std::string> folded;
};

// One compiled set of texts and what its matches mean.
struct CompiledSet {
    hs_database_t* database = nullptr;
    hs_scratch_t* scratch = nullptr;  // the prototype each Scratch is cloned from
    PieceHolders pieces;              // empty when the literals themselves are looked for
    // Instead of the engine: the literals' own windows and pairs (WindowMatcher.h).
    std::unique_ptr<WindowMatcher> windows;
    CompiledSet() = default;
    CompiledSet(const CompiledSet&) = delete;
    CompiledSet& operator=(const CompiledSet&) = delete;
    ~CompiledSet() {
        if (scratch) hs_free_scratch(scratch);
        if (database) hs_free_database(database);
    }
};

}  // namespace

struct LiteralMatcher::Engine : CompiledSet {};

struct LiteralMatcher::Scratch::Space {
    hs_scratch_t* scratch = nullptr;
    ~Space() {
        if (scratch) hs_free_scratch(scratch);
    }
};

LiteralMatcher::Scratch::Scratch(const LiteralMatcher& matcher)
    : space_(std::make_unique<Space>()) {
    if (matcher.engine_->scratch &&
        hs_clone_scratch(matcher.engine_->scratch, &space_->scratch) != HS_SUCCESS) {
        throw LiteralEngineFailure("literal engine: cannot allocate scratch space");
    }
}

LiteralMatcher::Scratch::~Scratch() = default;

namespace {

// The literal interface takes a leading NUL byte for an empty literal.  A set with
// such a literal is compiled as expressions instead, every byte written as \\xHH,
// which match exactly the same places.
std::string AsExpression(const std::string& literal) {
    std::string expression;
    expression.reserve(4 * literal.size());
    char hex[5];
    for (const char c : literal) {
        std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
        expression += hex;
    }
    return expression;
}

// Compiles `texts` (each with the id of its place) with `flag` for the block mode.
hs_database_t* Compile(const std::vector<std::string>& texts, bool expressions, unsigned flag) {
    const bool literal =
        !expressions &&
        std::none_of(texts.begin(), texts.end(), [](const std::string& p) { return p[0] == '\0'; });
    std::vector<std::string> converted;
    if (!expressions && !literal)
        std::transform(texts.begin(), texts.end(), std::back_inserter(converted), AsExpression);
    const std::vector<std::string>& given = converted.empty() ? texts : converted;
    std::vector<const char*> pointers;
    std::vector<std::size_t> lengths;
    std::vector<unsigned> ids;
    for (std::size_t i = 0; i < given.size(); ++i) {
        pointers.push_back(given[i].c_str());
        lengths.push_back(given[i].size());
        ids.push_back(static_cast<unsigned>(i));
    }
    const std::vector<unsigned> flags(given.size(), flag);
    hs_platform_info_t platform{};
    hs_platform_info_t* target = nullptr;
    if (ChosenPath().avx2Only && hs_populate_platform(&platform) == HS_SUCCESS) {
        platform.cpu_features &= HS_CPU_FEATURES_AVX2;
        target = &platform;
    }
    hs_database_t* database = nullptr;
    hs_compile_error_t* error = nullptr;
    const unsigned count = static_cast<unsigned>(given.size());
    const hs_error_t compiled =
        literal ? hs_compile_lit_multi(pointers.data(), flags.data(), ids.data(), lengths.data(),
                                       count, HS_MODE_BLOCK, target, &database, &error)
                : hs_compile_multi(pointers.data(), flags.data(), ids.data(), count, HS_MODE_BLOCK,
                                   target, &database, &error);
    if (compiled != HS_SUCCESS) {
        std::string message =
            error && error->message ? error->message : "literal compilation failed";
        hs_free_compile_error(error);
        throw CompileRefused(message);
    }
    return database;
}

// Pieces are at most eight bytes long, so that each is one word: the folded bytes in
// memory order, zero beyond the piece's length, its first byte the lowest.
constexpr std::size_t kLongestPiece = 8;

// Beyond this many literals no small set of pieces is to be expected, and choosing
// them costs more than it could save.
constexpr std::size_t kMostLiteralsForPieces = 256;
// One more text for the engine costs about as much as a place to compare in every
// this many bytes.
constexpr double kBytesPerPlace = 150;

std::uint64_t Mask(std::size_t length) {
    return length >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * length)) - 1;
}

// A piece of one or more literals, and how often it occurs in the sample.
struct Piece {
    std::uint64_t word = 0;
    std::size_t length = 0;
    std::size_t count = 0;
    // The literals that hold it, each with the end of its first place in it.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> holders;
};

// The pieces of one length by their words: open addressing, for counting the sample's
// pieces without a hash map's cost per byte.
class PieceTable {
public:
    explicit PieceTable(std::size_t pieces) {
        std::size_t size = 16;
        while (size < 2 * pieces) size *= 2;
        words_.resize(size);
        slots_.assign(size, kEmpty);
        shift_ = 64;
        for (std::size_t s = size; s > 1; s /= 2) --shift_;
    }
    // The piece with `word`, or kEmpty.
    std::uint32_t Find(std::uint64_t word) const {
        for (std::size_t i = Slot(word);; i = (i + 1) & (slots_.size() - 1)) {
            if (slots_[i] == kEmpty || words_[i] == word) return slots_[i];
        }
    }
    void Add(std::uint64_t word, std::uint32_t piece) {
        std::size_t i = Slot(word);
        while (slots_[i] != kEmpty) i = (i + 1) & (slots_.size() - 1);
        words_[i] = word;
        slots_[i] = piece;
    }
    static constexpr std::uint32_t kEmpty = 0xffffffffu;

private:
    std::size_t Slot(std::uint64_t word) const {
        return static_cast<std::size_t>((word * 0x9e3779b97f4a7c15ull) >> shift_);
    }
    std::vector<std::uint64_t> words_;
    std::vector<std::uint32_t> slots_;
    unsigned shift_ = 0;
};

// Every piece of up to kLongestPiece bytes of the folded literals, counted in the
// folded sample.
std::vector<Piece> CountPieces(const std::vector<std::string>& folded, std::string_view sample) {
    std::vector<Piece> pieces;
    std::vector<std::vector<std::uint32_t>> byLength(kLongestPiece + 1);
    std::vector<std::unordered_map<std::uint64_t, std::uint32_t>> seen(kLongestPiece + 1);
    for (std::uint32_t id = 0; id < folded.size(); ++id) {
        std::string padded = folded[id] + std::string(kLongestPiece, '\0');
        const auto* bytes = reinterpret_cast<const unsigned char*>(padded.data());
        const std::size_t size = folded[id].size();
        for (std::size_t length = 1; length <= std::min(size, kLongestPiece); ++length) {
            for (std::size_t at = 0; at + length <= size; ++at) {
                const std::uint64_t word = Word(bytes + at) & Mask(length);
                const auto [it, added] =
                    seen[length].emplace(word, static_cast<std::uint32_t>(pieces.size()));
                if (added) {
                    pieces.push_back({word, length, 0, {}});
                    byLength[length].push_back(it->second);
                }
                auto& holders = pieces[it->second].holders;
                if (holders.empty() || holders.back().first != id)
                    holders.emplace_back(id, static_cast<std::uint32_t>(at + length));
            }
        }
    }
    std::string text(sample.size() + kLongestPiece, '\0');
    std::transform(sample.begin(), sample.end(), text.begin(), [](char c) {
        return static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    });
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    std::vector<PieceTable> tables;
    for (std::size_t length = 0; length <= kLongestPiece; ++length) {
        tables.emplace_back(byLength[length].size());
        for (const std::uint32_t piece : byLength[length])
            tables.back().Add(pieces[piece].word, piece);
    }
    // Every prefix of a piece is a piece too: at each place the lengths are tried
    // upwards until one is not a piece, most often at once.
    for (std::size_t at = 0; at < sample.size(); ++at) {
        const std::uint64_t word = Word(bytes + at);
        const std::size_t longest = std::min(kLongestPiece, sample.size() - at);
        for (std::size_t length = 1; length <= longest; ++length) {
            const std::uint32_t piece = tables[length].Find(word & Mask(length));
            if (piece == PieceTable::kEmpty) break;
            ++pieces[piece].count;
        }
    }
    return pieces;
}

// The pieces to look for instead of `literals` literals, each literal given to one
// piece that it holds, chosen greedily: each time the piece with the least estimated
// time per literal it newly covers, where one more text for the engine costs as much
// as `textCost` places found in the sample.
std::vector<Piece> ChoosePieces(const std::vector<Piece>& pieces, std::size_t literals,
                                double textCost) {
    std::vector<bool> covered(literals, false);
    std::size_t uncovered = literals;
    auto newlyCovered = [&](const Piece& piece) {
        std::size_t n = 0;
        for (const auto& holder : piece.holders) n += covered[holder.first] ? 0 : 1;
        return n;
    };
    // Each place found costs a call, and a comparison for each literal given to it.
    auto ratio = [&](const Piece& piece, std::size_t gain) {
        const double perPlace = 1.0 + 0.3 * static_cast<double>(gain);
        return (textCost + static_cast<double>(piece.count) * perPlace) / static_cast<double>(gain);
    };
    using Entry = std::pair<double, std::uint32_t>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    for (std::uint32_t p = 0; p < pieces.size(); ++p)
        queue.emplace(ratio(pieces[p], pieces[p].holders.size()), p);
    std::vector<Piece> chosen;
    while (uncovered > 0 && !queue.empty()) {
        const std::uint32_t p = queue.top().second;
        queue.pop();
        const Piece& piece = pieces[p];
        const std::size_t gain = newlyCovered(piece);
        if (gain == 0) continue;
        const double now = ratio(piece, gain);
        if (!queue.empty() && now > queue.top().first) {
            queue.emplace(now, p);  // its gain shrank since it was queued
            continue;
        }
        Piece taken{piece.word, piece.length, piece.count, {}};
        for (const auto& holder : piece.holders) {
            if (covered[holder.first]) continue;
            covered[holder.first] = true;
            --uncovered;
            taken.holders.push_back(holder);
        }
        chosen.push_back(std::move(taken));
    }
    return chosen;
}

// Compiles `pieces` into `set`, or the literals themselves when there are none.
void CompileSet(CompiledSet& set, const std::vector<std::string>& literals,
                const std::vector<std::string>& folded, const std::vector<Piece>& pieces,
                bool expressions, unsigned flag) {
    if (pieces.empty()) {
        set.database = Compile(literals, expressions, flag);
    } else {
        std::vector<std::string> texts;
        for (const Piece& piece : pieces) {
            set.pieces.first.push_back(static_cast<std::uint32_t>(set.pieces.holders.size()));
            for (const auto& [literal, back] : piece.holders)
                set.pieces.holders.push_back(
                    {literal, back,
                     folded[literal].size() >= kLongestPiece
                         ? Word(reinterpret_cast<const unsigned char*>(folded[literal].data()))
                         : 0});
            std::string text(kLongestPiece, '\0');
            std::memcpy(text.data(), &piece.word, kLongestPiece);
            text.resize(piece.length);
            texts.push_back(std::move(text));
        }
        set.pieces.first.push_back(static_cast<std::uint32_t>(set.pieces.holders.size()));
        set.pieces.folded = folded;
        set.database = Compile(texts, false, flag);
    }
    if (hs_alloc_scratch(set.database, &set.scratch) != HS_SUCCESS) {
        throw LiteralEngineFailure("literal engine: cannot allocate scratch space");
    }
}

// For each literal, its bytes up to the place where the four before it are rarest in
// the sample (the latest such place), at most kLongestPiece of them: a literal of
// fewer than four bytes is its own piece.  The engine's matcher for large sets filters
// on the last bytes of each text, so where the text is full of the literals' common
// endings (words of the same language, pieces of the keywords) a text that ends on a
// rare stretch lets far fewer places through to its comparisons.
std::vector<Piece> EndPieces(const std::vector<Piece>& counted,
                             const std::vector<std::string>& folded) {
    constexpr std::size_t kGram = 4;
    std::unordered_map<std::uint64_t, std::size_t> grams;
    for (const Piece& piece : counted)
        if (piece.length == kGram) grams.emplace(piece.word, piece.count);
    std::vector<Piece> chosen;
    std::vector<std::unordered_map<std::uint64_t, std::uint32_t>> byWord(kLongestPiece + 1);
    for (std::uint32_t id = 0; id < folded.size(); ++id) {
        const std::string padded = folded[id] + std::string(kLongestPiece, '\0');
        const auto* bytes = reinterpret_cast<const unsigned char*>(padded.data());
        const std::size_t size = folded[id].size();
        std::size_t end = size;
        std::size_t least = 0;
        for (std::size_t at = kGram; at <= size; ++at) {
            const auto found = grams.find(Word(bytes + at - kGram) & Mask(kGram));
            const std::size_t count = found == grams.end() ? 0 : found->second;
            if (at == kGram || count <= least) {
                least = count;
                end = at;
            }
        }
        const std::size_t begin = end > kLongestPiece ? end - kLongestPiece : 0;
        const std::size_t length = end - begin;
        const std::uint64_t word = Word(bytes + begin) & Mask(length);
        const auto [it, added] =
            byWord[length].emplace(word, static_cast<std::uint32_t>(chosen.size()));
        if (added) chosen.push_back({word, length, least, {}});
        chosen[it->second].holders.emplace_back(id, static_cast<std::uint32_t>(end));
    }
    return chosen;
}

// Whether `pieces` promise to be quicker than their literals: the engine's matcher for
// a small set runs several times as fast as its matcher for a large one where the text
// is unlike the texts sought, and as fast where it is like them, but small sets of
// pieces that are frequent in the text lose the gain again to the places to compare.
// Measured: on a log of GBK text nine pieces of a hundred literals took 0.4 of the
// literals' time, on one of hex ids five took 0.95, and twenty-one on text of keyword
// fragments took 1.09.
bool FewAndRare(const std::vector<Piece>& pieces, std::size_t sampleLength) {
    constexpr std::size_t kMostPieces = 16;
    std::size_t places = 0;
    for (const Piece& piece : pieces) places += piece.count;
    return !pieces.empty() && pieces.size() <= kMostPieces &&
           static_cast<double>(places) <= static_cast<double>(sampleLength) / kBytesPerPlace;
}

// The part of the sample whose pieces are counted: sixteen stretches spread over it,
// kCountedLength bytes in all.  Counting costs far more per byte than a pass of the
// engine, and a quarter of the sample shows which pieces are rare as well.
std::string CountingPart(std::string_view sample) {
    constexpr std::size_t kCountedLength = std::size_t{256} << 10;
    constexpr std::size_t kStretches = 16;
    if (sample.size() <= kCountedLength) return std::string(sample);
    std::string part;
    const std::size_t stretch = kCountedLength / kStretches;
    for (std::size_t k = 0; k < kStretches; ++k)
        part += sample.substr(k * sample.size() / kStretches, stretch);
    return part;
}

// The best of a few passes of each set over the sample.
std::vector<std::chrono::steady_clock::duration> BestPasses(
    const std::vector<const CompiledSet*>& sets, std::string_view sample, std::size_t longest);

// How often each piece of the folded literals occurs in the sample, by length and word.
WindowMatcher::PieceCount CountsOf(const std::vector<Piece>& counted) {
    auto byLength = std::make_shared<std::vector<std::unordered_map<std::uint64_t, std::size_t>>>(
        kLongestPiece + 1);
    for (const Piece& piece : counted) (*byLength)[piece.length].emplace(piece.word, piece.count);
    return [byLength](std::uint64_t word, std::size_t length) {
        const auto& counts = (*byLength)[length];
        const auto found = counts.find(word);
        return found == counts.end() ? std::size_t{0} : found->second;
    };
}

}  // namespace

LiteralMatcher::LiteralMatcher(const std::vector<std::string>& literals,
                               const MatchOptions& options)
    : engine_(std::make_unique<Engine>()) {
    lengths_.reserve(literals.size());
    for (const std::string& p : literals) lengths_.push_back(p.size());
    if (literals.empty()) return;

    unsigned flag = options.caseless ? HS_FLAG_CASELESS : 0;
    if (options.singleMatch) flag |= HS_FLAG_SINGLEMATCH;
    if (options.allowEmpty) flag |= HS_FLAG_ALLOWEMPTY;
    scanEmpty_ = options.allowEmpty;
    if (!options.caseless || options.expressions || options.singleMatch || options.allowEmpty ||
        options.sample.empty() || literals.size() > kMostLiteralsForPieces) {
        CompileSet(*engine_, literals, {}, {}, options.expressions, flag);
        return;
    }

    // Pieces that are rare in the text make the engine's first stage fire seldom, and
    // a few of them run on its matcher for small sets; a greedy choice with one more
    // text costing as much as a place found in every kBytesPerPlace bytes, kept only
    // when it came out few and rare (FewAndRare).
    std::vector<std::string> folded;
    for (const std::string& p : literals) {
        folded.push_back(p);
        for (char& c : folded.back())
            c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    }
    const std::string counting = CountingPart(options.sample);
    const std::vector<Piece> counted = CountPieces(folded, counting);
    const std::vector<Piece> pieces = ChoosePieces(
        counted, literals.size(), static_cast<double>(counting.size()) / kBytesPerPlace);
    if (options.pieces == PieceChoice::Few) {
        CompileSet(*engine_, literals, folded, pieces, false, flag);
        return;
    }
    if (options.pieces == PieceChoice::Ends) {
        CompileSet(*engine_, literals, folded, EndPieces(counted, folded), false, flag);
        return;
    }
    std::unique_ptr<WindowMatcher> windows =
        WindowMatcher::Make(folded, CountsOf(counted), counting.size());
    if (options.pieces == PieceChoice::Windows) {
        if (windows)
            engine_->windows = std::move(windows);
        else
            CompileSet(*engine_, literals, folded, {}, false, flag);
        return;
    }

    // The sets are timed over the whole sample, and one is taken over the one before
    // only when it ran in at most 0.8 of that one's time: the few pieces or else the
    // literals, then the ends of each, then the windows.
    std::vector<std::unique_ptr<Engine>> sets;
    sets.push_back(std::make_unique<Engine>());
    const bool few = FewAndRare(pieces, counting.size());
    CompileSet(*sets.back(), literals, folded, few ? pieces : std::vector<Piece>(), false, flag);
    if (!few) {
        sets.push_back(std::make_unique<Engine>());
        CompileSet(*sets.back(), literals, folded, EndPieces(counted, folded), false, flag);
    }
    if (windows) {
        sets.push_back(std::make_unique<Engine>());
        sets.back()->windows = std::move(windows);
    }
    std::vector<const CompiledSet*> timed;
    for (const auto& set : sets) timed.push_back(set.get());
    const auto best =
        BestPasses(timed, options.sample, *std::max_element(lengths_.begin(), lengths_.end()));
    std::size_t chosen = 0;
    for (std::size_t k = 1; k < sets.size(); ++k)
        if (5 * best[k].count() <= 4 * best[chosen].count()) chosen = k;
    engine_ = std::move(sets[chosen]);
}

std::size_t LiteralMatcher::SearchedTexts() const {
    if (engine_->windows) return engine_->windows->Texts();
    if (!engine_->pieces.first.empty()) return engine_->pieces.first.size() - 1;
    return engine_->database ? lengths_.size() : 0;
}

LiteralMatcher::~LiteralMatcher() = default;

namespace {

struct Delivery {
    LiteralMatcher::MatchHandler handler;
    void* context;
    std::size_t offset;        // of the engine's window in the text
    std::size_t reportedUpTo;  // matches ending here or before came in an earlier window
    const char* window;        // with pieces: the window, whose literals are compared
    std::size_t windowLength;
    const PieceHolders* pieces;
};

int OnMatch(unsigned int id, unsigned long long, unsigned long long to, unsigned int,
            void* context) {
    Delivery& delivery = *static_cast<Delivery*>(context);
    const std::size_t end = static_cast<std::size_t>(to) + delivery.offset;
    if (delivery.offset > 0 && end <= delivery.reportedUpTo) return 0;
    return delivery.handler(delivery.context, end, static_cast<std::uint32_t>(id)) ? 0 : 1;
}

// A piece was found ending at `to` in the window: each literal given to it that lies
// whole in the window there is a match.
int OnPiece(unsigned int id, unsigned long long, unsigned long long to, unsigned int,
            void* context) {
    Delivery& delivery = *static_cast<Delivery*>(context);
    const PieceHolders& engine = *delivery.pieces;
    const auto pieceEnd = static_cast<std::size_t>(to);
    for (std::uint32_t h = engine.first[id]; h < engine.first[id + 1]; ++h) {
        const PieceHolders::Holder& holder = engine.holders[h];
        const std::string& literal = engine.folded[holder.literal];
        if (pieceEnd < holder.back) continue;
        const std::size_t begin = pieceEnd - holder.back;
        if (begin + literal.size() > delivery.windowLength) continue;
        const auto* text = reinterpret_cast<const unsigned char*>(delivery.window + begin);
        std::size_t i = 0;
        if (literal.size() >= kLongestPiece) {
            // Most places found are not a match: the first word tells at once.
            if (FoldWord(Word(text)) != holder.head) continue;
            i = kLongestPiece;
        }
        while (i < literal.size() && FoldByte(text[i]) == static_cast<unsigned char>(literal[i]))
            ++i;
        if (i < literal.size()) continue;
        const std::size_t end = delivery.offset + begin + literal.size();
        if (delivery.offset > 0 && end <= delivery.reportedUpTo) continue;
        if (!delivery.handler(delivery.context, end, holder.literal)) return 1;
    }
    return 0;
}

}  // namespace

namespace {

bool ScanSet(const CompiledSet& set, hs_scratch_t* scratch, const char* data, std::size_t size,
             std::size_t longest, LiteralMatcher::MatchHandler handler, void* context) {
    // The engine takes 32-bit lengths.  Blocks are far smaller in practice, but a
    // pathological single line may not be: scan it in overlapping windows and hand
    // on each match once.
    if (set.windows) return set.windows->Scan(data, size, handler, context);
    constexpr std::size_t kMaxWindow = std::size_t{1} << 30;
    const bool pieces = !set.pieces.first.empty();
    Delivery delivery{handler, context, 0, 0, data, 0, &set.pieces};
    for (;;) {
        const std::size_t n = std::min(kMaxWindow, size - delivery.offset);
        delivery.window = data + delivery.offset;
        delivery.windowLength = n;
        const hs_error_t result =
            ChosenPath().scan(set.database, data + delivery.offset, static_cast<unsigned>(n), 0,
                              scratch, pieces ? OnPiece : OnMatch, &delivery);
        if (result == HS_SCAN_TERMINATED) return false;
        if (result != HS_SUCCESS) throw LiteralEngineFailure("literal engine: scan failed");
        delivery.reportedUpTo = delivery.offset + n;
        if (delivery.reportedUpTo >= size) return true;
        delivery.offset = delivery.reportedUpTo - (longest - 1);
    }
}

// How fast a set runs depends on which of its matchers the engine's compiler picks for
// it, which the counts in the sample do not tell, so the sets are timed over the
// sample, the comparisons of the places found included: the best of three passes
// each, taken in turn, so that a pass another program interrupted does not count.
std::vector<std::chrono::steady_clock::duration> BestPasses(
    const std::vector<const CompiledSet*>& sets, std::string_view sample, std::size_t longest) {
    using Clock = std::chrono::steady_clock;
    constexpr int kPasses = 3;
    const LiteralMatcher::MatchHandler nothing = [](void*, std::size_t, std::uint32_t) {
        return true;
    };
    std::vector<Clock::duration> best(sets.size(), Clock::duration::max());
    for (int i = 0; i < kPasses; ++i) {
        for (std::size_t k = 0; k < sets.size(); ++k) {
            const Clock::time_point start = Clock::now();
            ScanSet(*sets[k], sets[k]->scratch, sample.data(), sample.size(), longest, nothing,
                    nullptr);
            best[k] = std::min(best[k], Clock::now() - start);
        }
    }
    return best;
}

}  // namespace

bool LiteralMatcher::Scan(const char* data, std::size_t size, Scratch& scratch,
                          MatchHandler handler, void* context) const {
    if ((!engine_->database && !engine_->windows) || (size == 0 && !scanEmpty_)) return true;
    return ScanSet(*engine_, scratch.space_->scratch, data, size,
                   *std::max_element(lengths_.begin(), lengths_.end()), handler, context);
}

}  // namespace corvane
