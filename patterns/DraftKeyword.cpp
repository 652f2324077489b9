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
// of text, a punctuation mark, an opening or closing bracket, or a quote.
enum class PieceKind { Blank, Word, Text, Punct, Open, Close, Quote };

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
            // A byte that is no whole character: nothing may begin or end on it.
            p = {i, i + 1, PieceKind::Punct, 0};
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

bool MayBegin(PieceKind k) {
    return k == PieceKind::Word || k == PieceKind::Text || k == PieceKind::Open ||
           k == PieceKind::Quote;
}
bool MayEnd(PieceKind k) {
    return k == PieceKind::Word || k == PieceKind::Text || k == PieceKind::Close ||
           k == PieceKind::Quote;
}

// Adds the clean stretches of `s` that begin at piece `i`, up to piece `last`
// (exclusive); with `wholeOnly` only the one that ends at `lastEnd`.
void AddStretchesFrom(std::string_view s, const std::vector<Piece>& pieces, std::size_t i,
                      std::size_t last, std::size_t lastEnd, bool wholeOnly,
                      std::unordered_set<std::string>& seen, std::vector<std::string>& out) {
    std::vector<int> open;  // the brackets open so far
    int quotes[2] = {0, 0};
    bool hasText = false;
    for (std::size_t j = i; j < last; ++j) {
        const Piece& p = pieces[j];
        if (p.end - pieces[i].begin > kProfileValueMax) return;
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
        if (seen.emplace(text).second) out.emplace_back(text);
    }
}

bool IsSingleByteWordAt(std::string_view line, const std::vector<bool>& charStart, std::size_t at) {
    return at < line.size() && charStart[at] && static_cast<unsigned char>(line[at]) < 0x80 &&
           IsWordByte(static_cast<unsigned char>(line[at]));
}

}  // namespace

std::vector<std::string> KeywordCandidates(const std::vector<std::string>& constants) {
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
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
            AddStretchesFrom(c, pieces, i, near, 0, false, seen, out);
            if (i == first && near < lastEnd)
                AddStretchesFrom(c, pieces, i, lastEnd, lastEnd, true, seen, out);
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const std::string& a, const std::string& b) {
        return a.size() > b.size();
    });
    return out;
}

// The state of one line's matching, handed to the matcher's callback.
struct KeywordChooser::Work {
    explicit Work(const LiteralMatcher& matcher, std::size_t count)
        : scratch(matcher), seenIn(count, 0) {}
    LiteralMatcher::Scratch scratch;
    const LiteralMatcher* matcher = nullptr;
    std::vector<std::uint32_t> seenIn;  // the number of the last pattern line each was in
    std::uint32_t lineNumber = 0;
    std::string_view line;
    bool ofPattern = false;
    std::vector<bool> charStart;  // of the pattern line: where a character begins
    std::vector<bool>* alive = nullptr;
    std::size_t* aliveCount = nullptr;
};

KeywordChooser::KeywordChooser(const std::vector<std::string>& constants)
    : candidates_(KeywordCandidates(constants)),
      alive_(candidates_.size(), true),
      aliveCount_(candidates_.size()) {
    if (candidates_.empty()) return;
    matcher_ = std::make_unique<LiteralMatcher>(candidates_);
    work_ = std::make_unique<Work>(*matcher_, candidates_.size());
    work_->matcher = matcher_.get();
    work_->alive = &alive_;
    work_->aliveCount = &aliveCount_;
}

KeywordChooser::~KeywordChooser() = default;

void KeywordChooser::AddLine(std::string_view line, bool ofPattern) {
    if (aliveCount_ == 0) return;
    Work& w = *work_;
    w.line = line;
    w.ofPattern = ofPattern;
    if (ofPattern) {
        ++w.lineNumber;
        w.charStart.assign(line.size() + 1, false);
        for (std::size_t i = 0; i < line.size();) {
            w.charStart[i] = true;
            i += IsGbkLeadByte(static_cast<unsigned char>(line[i])) && i + 1 < line.size() ? 2 : 1;
        }
        w.charStart[line.size()] = true;
    }
    matcher_->Scan(
        line.data(), line.size(), w.scratch,
        [](void* context, std::size_t end, std::uint32_t id) {
            Work& work = *static_cast<Work*>(context);
            if (!(*work.alive)[id]) return true;
            if (!work.ofPattern) {
                // The scanner would give this line to the new entry too.
                (*work.alive)[id] = false;
                return --*work.aliveCount > 0;
            }
            const std::size_t begin = end - work.matcher->LiteralLength(id);
            const std::vector<bool>& starts = work.charStart;
            const bool onCharacters = starts[begin] && starts[end];
            // Not cut out of a longer word: an ASCII letter or digit on both sides of an end.
            const bool cutBefore = begin > 0 && IsSingleByteWordAt(work.line, starts, begin) &&
                                   IsSingleByteWordAt(work.line, starts, begin - 1);
            const bool cutAfter = end < work.line.size() &&
                                  IsSingleByteWordAt(work.line, starts, end) &&
                                  IsSingleByteWordAt(work.line, starts, end - 1);
            if (onCharacters && !cutBefore && !cutAfter) work.seenIn[id] = work.lineNumber;
            return true;
        },
        &w);
    if (!ofPattern) return;
    for (std::size_t id = 0; id < candidates_.size(); ++id) {
        if (alive_[id] && w.seenIn[id] != w.lineNumber) {
            alive_[id] = false;
            --aliveCount_;
        }
    }
}

std::optional<std::string> KeywordChooser::Keyword() const {
    for (std::size_t id = 0; id < candidates_.size(); ++id)
        if (alive_[id]) return candidates_[id];
    return std::nullopt;
}

KeywordPass ChoosePatternKeyword(const std::vector<std::string>& constants, const std::string& path,
                                 const std::vector<std::int64_t>& patternLines,
                                 const std::vector<std::int64_t>& knownLines,
                                 const std::vector<std::string>& ignoreList, EventPump* pump,
                                 const StopToken& stop) {
    std::vector<std::string> ignores;
    for (const std::string& t : ignoreList)
        if (!t.empty()) ignores.push_back(FoldAscii(t));
    KeywordChooser chooser(constants);
    FileLineReader reader(path);
    FileLine line;
    std::string folded;
    auto pattern = patternLines.begin();
    auto known = knownLines.begin();
    while (chooser.Open() && reader.Next(line)) {
        if (PumpAndCheckStop(pump, stop)) return {true, std::nullopt};
        while (pattern != patternLines.end() && *pattern < line.number) ++pattern;
        while (known != knownLines.end() && *known < line.number) ++known;
        // An earlier entry keeps its lines: the new one comes after every other.
        if (known != knownLines.end() && *known == line.number) continue;
        const bool ofPattern = pattern != patternLines.end() && *pattern == line.number;
        if (!ignores.empty()) {
            folded = FoldAscii(line.text);
            if (std::any_of(ignores.begin(), ignores.end(), [&](const std::string& t) {
                    return folded.find(t) != std::string::npos;
                }))
                continue;
        }
        chooser.AddLine(line.text, ofPattern);
    }
    return {false, chooser.Keyword()};
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
