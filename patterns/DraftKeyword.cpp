#include "patterns/DraftKeyword.h"

#include <algorithm>
#include <unordered_set>

#include "base/AsciiCase.h"
#include "base/GbkBytes.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProfileString.h"
#include "scan/FileLines.h"
#include "scan/LiteralMatcher.h"

namespace corvane {
namespace {

// Stretches longer than this many pieces are taken only whole (from the first piece a
// keyword may begin with to the last it may end with): a long constant would otherwise
// give thousands of candidates.
constexpr std::size_t kMaxPiecesPerStretch = 40;

bool IsWordByte(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// One piece of a constant: a blank, a run of ASCII letters and digits, one character
// of text, a punctuation mark, an opening or closing bracket, a quote, or a byte that
// is no whole character.
enum class PieceKind { Blank, Word, Text, Punct, Open, Close, Quote, Broken };

struct Piece {
    std::size_t begin = 0;
    std::size_t end = 0;
    PieceKind kind = PieceKind::Punct;
    int pair = 0;  // Open and Close: which bracket; Quote: which quote
};

struct WideMark {
    unsigned char lead, trail;
    PieceKind kind;
    int pair;
};

// GBK brackets and quotation marks; each pair shares a number.
constexpr WideMark kWideMarks[] = {
    {0xA3, 0xA8, PieceKind::Open, 10}, {0xA3, 0xA9, PieceKind::Close, 10},  // （）
    {0xA1, 0xBE, PieceKind::Open, 11}, {0xA1, 0xBF, PieceKind::Close, 11},  // 【】
    {0xA1, 0xB6, PieceKind::Open, 12}, {0xA1, 0xB7, PieceKind::Close, 12},  // 《》
    {0xA1, 0xB8, PieceKind::Open, 13}, {0xA1, 0xB9, PieceKind::Close, 13},  // 「」
    {0xA1, 0xBA, PieceKind::Open, 14}, {0xA1, 0xBB, PieceKind::Close, 14},  // 『』
    {0xA1, 0xB2, PieceKind::Open, 15}, {0xA1, 0xB3, PieceKind::Close, 15},  // 〔〕
    {0xA1, 0xB0, PieceKind::Open, 16}, {0xA1, 0xB1, PieceKind::Close, 16},  // “”
    {0xA1, 0xAE, PieceKind::Open, 17}, {0xA1, 0xAF, PieceKind::Close, 17},  // ‘’
    {0xA3, 0xDB, PieceKind::Open, 18}, {0xA3, 0xDD, PieceKind::Close, 18},  // ［］
    {0xA3, 0xFB, PieceKind::Open, 19}, {0xA3, 0xFD, PieceKind::Close, 19},  // ｛｝
    {0xA1, 0xB4, PieceKind::Open, 20}, {0xA1, 0xB5, PieceKind::Close, 20},  // 〈〉
};

// A double-byte character: a bracket or quote, punctuation (the symbol rows A1-A9,
// but for the full-width letters and digits) or text.
Piece WidePiece(unsigned char lead, unsigned char trail) {
    for (const WideMark& m : kWideMarks)
        if (m.lead == lead && m.trail == trail) return {0, 0, m.kind, m.pair};
    const bool wideAlnum =
        lead == 0xA3 && ((trail >= 0xB0 && trail <= 0xB9) || (trail >= 0xC1 && trail <= 0xDA) ||
                         (trail >= 0xE1 && trail <= 0xFA));
    const bool symbol = lead >= 0xA1 && lead <= 0xA9 && !wideAlnum;
    return {0, 0, symbol ? PieceKind::Punct : PieceKind::Text, 0};
}

Piece AsciiPiece(unsigned char c) {
    switch (c) {
        case '(':
            return {0, 0, PieceKind::Open, 1};
        case ')':
            return {0, 0, PieceKind::Close, 1};
        case '[':
            return {0, 0, PieceKind::Open, 2};
        case ']':
            return {0, 0, PieceKind::Close, 2};
        case '{':
            return {0, 0, PieceKind::Open, 3};
        case '}':
            return {0, 0, PieceKind::Close, 3};
        case '"':
            return {0, 0, PieceKind::Quote, 4};
        case '\'':
            return {0, 0, PieceKind::Quote, 5};
        default:
            break;
    }
    if (c <= ' ' || c == 0x7F) return {0, 0, PieceKind::Blank, 0};
    return {0, 0, PieceKind::Punct, 0};
}

std::vector<Piece> PiecesOf(std::string_view s) {
    std::vector<Piece> pieces;
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        Piece p;
        if (IsWordByte(c)) {
            std::size_t j = i;
            while (j < s.size() && IsWordByte(static_cast<unsigned char>(s[j]))) ++j;
            p = {i, j, PieceKind::Word, 0};
        } else if (IsGbkLeadByte(c) && i + 1 < s.size()) {
            p = WidePiece(c, static_cast<unsigned char>(s[i + 1]));
            p.begin = i;
            p.end = i + 2;
        } else if (c >= 0x80) {
            // Nothing may begin or end on it.
            p = {i, i + 1, PieceKind::Broken, 0};
        } else {
            p = AsciiPiece(c);
            p.begin = i;
            p.end = i + 1;
        }
        pieces.push_back(p);
        i = p.end;
    }
    // An apostrophe inside a word ("can't") is punctuation, not a quote.
    for (std::size_t k = 1; k + 1 < pieces.size(); ++k)
        if (pieces[k].kind == PieceKind::Quote && pieces[k].pair == 5 &&
            pieces[k - 1].kind == PieceKind::Word && pieces[k + 1].kind == PieceKind::Word)
            pieces[k].kind = PieceKind::Punct;
    return pieces;
}

// A punctuation mark at an end is allowed only for the second choices.
bool MayBegin(PieceKind k) {
    return k == PieceKind::Word || k == PieceKind::Text || k == PieceKind::Open ||
           k == PieceKind::Quote || k == PieceKind::Punct;
}
bool MayEnd(PieceKind k) {
    return k == PieceKind::Word || k == PieceKind::Text || k == PieceKind::Close ||
           k == PieceKind::Quote || k == PieceKind::Punct;
}

// The stretches of a constant: those without punctuation at their ends come first.
struct Stretches {
    std::vector<std::string> clean;
    std::vector<std::string> punctuated;
    std::unordered_set<std::string> seen;
};

// Adds the stretches of `s` that begin at piece `i`, up to piece `last` (exclusive);
// with `wholeOnly` only the one that ends at `lastEnd`.
void AddStretchesFrom(std::string_view s, const std::vector<Piece>& pieces, std::size_t i,
                      std::size_t last, std::size_t lastEnd, bool wholeOnly, Stretches& out) {
    std::vector<int> open;  // the brackets open so far
    int quotes[2] = {0, 0};
    bool hasText = false;
    for (std::size_t j = i; j < last; ++j) {
        const Piece& p = pieces[j];
        // The reader cuts a value at a zero byte.
        if (p.end - pieces[i].begin > kProfileValueMax || s[p.begin] == '\0') return;
        if (p.kind == PieceKind::Open) {
            open.push_back(p.pair);
        } else if (p.kind == PieceKind::Close) {
            // A closing bracket that nothing opened stays unbalanced however far the
            // stretch goes on.
            if (open.empty() || open.back() != p.pair) return;
            open.pop_back();
        } else if (p.kind == PieceKind::Quote) {
            quotes[p.pair - 4] ^= 1;
        } else if (p.kind == PieceKind::Word || p.kind == PieceKind::Text) {
            hasText = true;
        }
        if (wholeOnly && j + 1 != lastEnd) continue;
        if (!hasText || !MayEnd(p.kind) || !open.empty() || quotes[0] != 0 || quotes[1] != 0)
            continue;
        const std::string_view text = s.substr(pieces[i].begin, p.end - pieces[i].begin);
        // The INI reader drops one pair of the same quote around a whole value.
        if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
            text.back() == text.front())
            continue;
        if (!out.seen.emplace(text).second) continue;
        const bool punctuated = pieces[i].kind == PieceKind::Punct || p.kind == PieceKind::Punct;
        (punctuated ? out.punctuated : out.clean).emplace_back(text);
    }
}

bool IsSingleByteWordAt(std::string_view line, const std::vector<bool>& charStart, std::size_t at) {
    return at < line.size() && charStart[at] && static_cast<unsigned char>(line[at]) < 0x80 &&
           IsWordByte(static_cast<unsigned char>(line[at]));
}

}  // namespace

std::vector<std::string> KeywordCandidates(const std::vector<std::string>& constants) {
    Stretches stretches;
    for (const std::string& c : constants) {
        const std::vector<Piece> pieces = PiecesOf(c);
        std::size_t first = pieces.size();
        std::size_t lastEnd = 0;  // one past the last piece a keyword may end with
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            if (first == pieces.size() && MayBegin(pieces[k].kind)) first = k;
            if (MayEnd(pieces[k].kind)) lastEnd = k + 1;
        }
        for (std::size_t i = first; i < lastEnd; ++i) {
            if (!MayBegin(pieces[i].kind)) continue;
            const std::size_t near = std::min(lastEnd, i + kMaxPiecesPerStretch);
            AddStretchesFrom(c, pieces, i, near, 0, false, stretches);
            if (i == first && near < lastEnd)
                AddStretchesFrom(c, pieces, i, lastEnd, lastEnd, true, stretches);
        }
    }
    const auto longestFirst = [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    };
    std::vector<std::string>& out = stretches.clean;
    std::stable_sort(out.begin(), out.end(), longestFirst);
    std::stable_sort(stretches.punctuated.begin(), stretches.punctuated.end(), longestFirst);
    out.insert(out.end(), stretches.punctuated.begin(), stretches.punctuated.end());
    return out;
}

// The matches of one line, gathered by the matcher's callback: an ignore text found
// ends the line's scan, since the scan passes the whole line over.
struct KeywordChooser::Work {
    explicit Work(const LiteralMatcher& matcher, std::size_t count)
        : scratch(matcher), candidates(count), seenIn(count, 0) {}
    LiteralMatcher::Scratch scratch;
    std::size_t candidates;
    bool ignored = false;
    std::vector<std::pair<std::size_t, std::uint32_t>> matches;  // end offset, candidate
    std::vector<std::uint32_t> seenIn;  // the number of the last pattern line each was in
    std::uint32_t patternLine = 0;
    std::vector<bool> charStart;  // of the pattern line: where a character begins
};

KeywordChooser::KeywordChooser(const std::vector<std::string>& constants,
                               const std::vector<std::string>& ignoreList)
    : candidates_(KeywordCandidates(constants)),
      alive_(candidates_.size(), true),
      aliveCount_(candidates_.size()) {
    if (candidates_.empty()) return;
    // One pass of the engine per line finds both the candidates and the ignore texts,
    // which come after them.
    std::vector<std::string> literals = candidates_;
    for (const std::string& t : ignoreList)
        if (!t.empty()) literals.push_back(t);
    matcher_ = std::make_unique<LiteralMatcher>(literals);
    work_ = std::make_unique<Work>(*matcher_, candidates_.size());
}

KeywordChooser::~KeywordChooser() = default;

void KeywordChooser::Kill(std::size_t id) {
    if (!alive_[id]) return;
    alive_[id] = false;
    --aliveCount_;
}

void KeywordChooser::AddLine(std::string_view line, bool ofPattern) {
    if (aliveCount_ == 0) return;
    Work& w = *work_;
    w.ignored = false;
    w.matches.clear();
    matcher_->Scan(
        line.data(), line.size(), w.scratch,
        [](void* context, std::size_t end, std::uint32_t id) {
            Work& work = *static_cast<Work*>(context);
            if (id >= work.candidates) {
                work.ignored = true;
                return false;
            }
            work.matches.emplace_back(end, id);
            return true;
        },
        &w);
    if (w.ignored) return;
    if (!ofPattern) {
        // The scanner would give this line to the new entry too.
        for (const auto& [end, id] : w.matches) Kill(id);
        return;
    }
    ++w.patternLine;
    std::vector<bool>& starts = w.charStart;
    starts.assign(line.size() + 1, false);
    for (std::size_t i = 0; i < line.size();) {
        starts[i] = true;
        i += IsGbkLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
    }
    starts[line.size()] = true;
    for (const auto& [end, id] : w.matches) {
        const std::size_t begin = end - matcher_->LiteralLength(id);
        // Not cut out of a longer word: an ASCII letter or digit on both sides of an end.
        const bool cutBefore = begin > 0 && IsSingleByteWordAt(line, starts, begin) &&
                               IsSingleByteWordAt(line, starts, begin - 1);
        const bool cutAfter = end < line.size() && IsSingleByteWordAt(line, starts, end) &&
                              IsSingleByteWordAt(line, starts, end - 1);
        if (starts[begin] && starts[end] && !cutBefore && !cutAfter) w.seenIn[id] = w.patternLine;
    }
    for (std::size_t id = 0; id < candidates_.size(); ++id)
        if (w.seenIn[id] != w.patternLine) Kill(id);
}

std::optional<std::string> KeywordChooser::Keyword() const {
    for (std::size_t id = 0; id < candidates_.size(); ++id)
        if (alive_[id]) return candidates_[id];
    return std::nullopt;
}

KeywordPass ChoosePatternKeyword(const std::vector<std::string>& constants, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::int64_t>& knownLines,
                                 const std::vector<std::string>& ignoreList,
                                 const StopToken& stop) {
    KeywordChooser chooser(constants, ignoreList);
    auto pattern = patternLines.begin();
    auto known = knownLines.begin();
    bool stopped = false;
    if (chooser.Open()) {
        ForEachLogLine(path, [&](const FileLine& line) {
            if (stop.stop_requested()) {
                stopped = true;
                return false;
            }
            while (pattern != patternLines.end() && *pattern < line.number) ++pattern;
            while (known != knownLines.end() && *known < line.number) ++known;
            // An earlier entry keeps its lines: the new one comes after every other.
            if (known != knownLines.end() && *known == line.number) return true;
            chooser.AddLine(line.text, pattern != patternLines.end() && *pattern == line.number);
            return chooser.Open();
        });
    }
    if (stopped) return {true, std::nullopt};
    return {false, chooser.Keyword()};
}

KeywordCheck CheckPatternKeyword(const std::string& keyword, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::int64_t>& knownLines,
                                 const std::vector<std::string>& ignoreList,
                                 const StopToken& stop) {
    // The keyword is literal 0, the ignore texts follow it.
    std::vector<std::string> literals{keyword};
    for (const std::string& t : ignoreList)
        if (!t.empty()) literals.push_back(t);
    const LiteralMatcher matcher(literals);
    LiteralMatcher::Scratch scratch(matcher);
    struct Seen {
        bool keyword = false;
        bool ignored = false;
    };
    KeywordCheck check;
    auto pattern = patternLines.begin();
    auto known = knownLines.begin();
    ForEachLogLine(path, [&](const FileLine& line) {
        if (stop.stop_requested()) {
            check.stopped = true;
            return false;
        }
        while (pattern != patternLines.end() && *pattern < line.number) ++pattern;
        while (known != knownLines.end() && *known < line.number) ++known;
        if (known != knownLines.end() && *known == line.number) return true;
        Seen seen;
        matcher.Scan(
            line.text.data(), line.text.size(), scratch,
            [](void* context, std::size_t, std::uint32_t id) {
                Seen& s = *static_cast<Seen*>(context);
                (id == 0 ? s.keyword : s.ignored) = true;
                return !s.ignored;
            },
            &seen);
        if (seen.ignored) return true;
        const bool ofPattern = pattern != patternLines.end() && *pattern == line.number;
        if (ofPattern == seen.keyword) return true;
        check.fault = ofPattern ? KeywordCheck::Fault::MissingFromPatternLine
                                : KeywordCheck::Fault::InOtherLine;
        check.line = line.number;
        return false;
    });
    return check;
}

std::vector<std::int64_t> PatternLinesOfRank(const PatternListing& listing, std::uint32_t rank) {
    std::uint32_t otherRank = 0;
    const std::vector<std::uint32_t> ranks = RanksById(listing.groups, otherRank);
    std::vector<std::int64_t> lines;
    for (const GroupedLine& l : listing.lines) {
        const std::uint32_t r = l.group == PatternMiner::kOtherGroup ? otherRank : ranks[l.group];
        if (r == rank) lines.push_back(l.line);
    }
    return lines;
}

std::vector<std::int64_t> KnownFindingLines(const FindingList& findings) {
    std::vector<std::int64_t> lines;
    for (const Finding& f : findings)
        if (f.Code() != kUnknownCode && f.place.line > 0) lines.push_back(f.place.line);
    // Findings come in file order; sorted all the same, since the pass relies on it.
    std::sort(lines.begin(), lines.end());
    return lines;
}

}  // namespace corvane
