#include "search/GbkExpression.h"

#include <emmintrin.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "base/GbkBytes.h"

namespace corvane {
namespace {

using ByteSet = std::bitset<256>;

bool IsLead(unsigned b) { return b <= 0xFF && IsGbkLeadByte(static_cast<unsigned char>(b)); }
bool IsTrail(unsigned b) { return b <= 0xFF && IsGbkTrailByte(static_cast<unsigned char>(b)); }
bool IsLetter(unsigned b) { return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z'); }

ByteSet BytesOf(const char* members) {
    ByteSet bytes;
    for (const char* p = members; *p != '\0'; ++p) bytes.set(static_cast<unsigned char>(*p));
    return bytes;
}

ByteSet ByteRange(unsigned from, unsigned to) {
    ByteSet bytes;
    for (unsigned b = from; b <= to; ++b) bytes.set(b);
    return bytes;
}

// A set of characters.  A character is named by its code: a single byte by its value
// (a lone lead byte too), a double-byte character by lead * 256 + trail.  In the text
// the engine scans, a lone lead byte L is the pair L, kLoneLeadMark, which is where
// the set keeps it.
class CharSet {
public:
    void Add(unsigned code) {
        if (code > 0xFF)
            doubles_[code >> 8].set(code & 0xFF);
        else if (IsLead(code))
            doubles_[code].set(kLoneLeadMark);
        else
            singles_.set(code);
    }

    // Every character whose code lies in [from, to].
    void AddRange(unsigned from, unsigned to) {
        for (unsigned c = from; c <= std::min(to, 0xFFu); ++c) Add(c);
        if (to <= 0xFF) return;
        for (unsigned lead = std::max(from >> 8, 0x81u); lead <= std::min(to >> 8, 0xFEu); ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
                const unsigned code = lead << 8 | trail;
                if (IsTrail(trail) && code >= from && code <= to) doubles_[lead].set(trail);
            }
    }

    void AddBytes(const ByteSet& bytes) {
        for (unsigned b = 0; b < 256; ++b)
            if (bytes[b]) Add(b);
    }

    void Merge(const CharSet& other) {
        singles_ |= other.singles_;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) doubles_[lead] |= other.doubles_[lead];
    }

    void Complement() {
        for (unsigned b = 0; b < 256; ++b)
            if (!IsLead(b)) singles_.flip(b);
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead)
            for (unsigned trail = 0x40; trail <= 0xFE; ++trail) doubles_[lead].flip(trail);
    }

    // Single-byte ASCII letters stand for both cases.
    void FoldCase() {
        for (unsigned b = 'a'; b <= 'z'; ++b)
            if (singles_[b] || singles_[b - 0x20]) singles_.set(b).set(b - 0x20);
    }

    // One byte class that matches the set's ASCII characters, for text that holds no
    // other byte; a line feed, which no line holds, for a set without any.
    std::string AsciiExpression() const {
        const ByteSet ascii = singles_ & ByteRange(0, 0x7F);
        return ascii.any() ? Class(ascii) : std::string("\\x0a");
    }

    // An alternation of byte classes that matches exactly the set's characters.
    std::string Expression() const {
        std::vector<std::string> alternatives;
        if (singles_.any()) alternatives.push_back(Class(singles_));
        // Lead bytes with the same trail bytes share one alternative.
        std::vector<std::pair<ByteSet, ByteSet>> groups;  // trails, leads
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            if (doubles_[lead].none()) continue;
            auto group = std::find_if(groups.begin(), groups.end(),
                                      [&](const auto& g) { return g.first == doubles_[lead]; });
            if (group == groups.end()) group = groups.insert(groups.end(), {doubles_[lead], {}});
            group->second.set(lead);
        }
        for (const auto& [trails, leads] : groups)
            alternatives.push_back(Class(leads) + Class(trails));
        if (alternatives.empty()) throw CompileRefused("a class that matches no character");
        std::string out = "(?:";
        for (std::size_t i = 0; i < alternatives.size(); ++i) {
            if (i > 0) out += '|';
            out += alternatives[i];
        }
        return out + ')';
    }

private:
    static std::string Byte(unsigned b) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02x", b);
        return hex;
    }

    static std::string Class(const ByteSet& bytes) {
        if (bytes.count() == 1)
            for (unsigned b = 0; b < 256; ++b)
                if (bytes[b]) return Byte(b);
        std::string out = "[";
        for (unsigned b = 0; b < 256; ++b) {
            if (!bytes[b]) continue;
            unsigned last = b;
            while (last + 1 < 256 && bytes[last + 1]) ++last;
            out += Byte(b);
            if (last > b) out += '-' + Byte(last);
            b = last;
        }
        return out + ']';
    }

    ByteSet singles_;
    std::array<ByteSet, 256> doubles_{};
};

// The ASCII classes of the engine's byte mode, named as in POSIX brackets.
std::optional<ByteSet> PosixBytes(std::string_view name) {
    const ByteSet lower = ByteRange('a', 'z'), upper = ByteRange('A', 'Z');
    const ByteSet digit = ByteRange('0', '9');
    const ByteSet punct = ByteRange(0x21, 0x2F) | ByteRange(0x3A, 0x40) | ByteRange(0x5B, 0x60) |
                          ByteRange(0x7B, 0x7E);
    if (name == "alpha") return lower | upper;
    if (name == "digit") return digit;
    if (name == "alnum") return lower | upper | digit;
    if (name == "word") return lower | upper | digit | BytesOf("_");
    if (name == "upper") return upper;
    if (name == "lower") return lower;
    if (name == "space") return BytesOf(" \t\n\v\f\r");
    if (name == "blank") return BytesOf(" \t");
    if (name == "cntrl") return ByteRange(0, 0x1F) | BytesOf("\x7f");
    if (name == "punct") return punct;
    if (name == "graph") return lower | upper | digit | punct;
    if (name == "print") return lower | upper | digit | punct | BytesOf(" ");
    if (name == "xdigit") return digit | ByteRange('a', 'f') | ByteRange('A', 'F');
    if (name == "ascii") return ByteRange(0, 0x7F);
    return std::nullopt;
}

// \d, \w, \s, \h, \v, \N and their negations, as character sets.
std::optional<CharSet> EscapeClass(char letter) {
    ByteSet bytes;
    switch (letter | 0x20) {
        case 'd':
            bytes = ByteRange('0', '9');
            break;
        case 'w':
            bytes = *PosixBytes("word");
            break;
        case 's':
            bytes = BytesOf(" \t\n\v\f\r");
            break;
        case 'h':
            bytes = BytesOf(" \t");
            break;
        case 'v':
            bytes = BytesOf("\n\v\f\r");
            break;
        case 'n':
            if (letter != 'N') return std::nullopt;
            bytes = BytesOf("\n");
            break;
        default:
            return std::nullopt;
    }
    CharSet set;
    set.AddBytes(bytes);
    if (letter >= 'A' && letter <= 'Z') set.Complement();
    return set;
}

CharSet AnyCharacter() {
    CharSet set;
    set.Add('\n');
    set.Complement();
    return set;
}

// One piece read from the expression.
struct Piece {
    enum Kind { Code, Set, Verbatim } kind = Code;
    unsigned code = 0;  // Code: one character
    CharSet set;        // Set
    std::string text;   // Verbatim: handed on as it is (anchors, references)
};

class Rewriter {
public:
    // `asciiOnly`: for text of ASCII bytes alone, every set as its ASCII members.
    Rewriter(std::string_view in, bool caseless, bool asciiOnly) : in_(in), asciiOnly_(asciiOnly) {
        flags_.push_back({caseless, false});
    }

    // The expression for a match that begins anywhere in the line: its start
    // anchors made to match nothing.
    const std::string& Floating() const { return floating_; }
    // The expression with its start anchors as written.
    const std::string& Written() const { return written_; }
    // Whether it has a start anchor (^, \A), which the engine refuses after the run
    // of characters.
    bool Anchors() const { return anchors_; }

    void Run() {
        while (i_ < in_.size()) Step();
    }

private:
    struct Flags {
        bool caseless;
        bool extended;
    };

    unsigned At(std::size_t i) const { return static_cast<unsigned char>(in_[i]); }
    bool Has(std::size_t i) const { return i < in_.size(); }

    void Step() {
        const unsigned c = At(i_);
        if (flags_.back().extended) {
            if (std::strchr(" \t\n\v\f\r", static_cast<int>(c)) != nullptr && c != 0) {
                ++i_;
                return;
            }
            if (c == '#') {
                while (Has(i_) && At(i_) != '\n') ++i_;
                return;
            }
        }
        switch (c) {
            case '(':
                Group();
                return;
            case ')':
                if (flags_.size() > 1) flags_.pop_back();
                Emit(')');
                ++i_;
                return;
            case '^':
                Anchor("^");
                ++i_;
                return;
            case '|':
            case '$':
            case '*':
            case '+':
            case '?':
                Emit(static_cast<char>(c));
                ++i_;
                return;
            case '{':
                if (const std::size_t n = QuantifierLength(); n > 0) {
                    Emit(in_.substr(i_, n));
                    i_ += n;
                    return;
                }
                break;
            case '[':
                Emit(Expression(Class()));
                return;
            case '.':
                Emit(Expression(AnyCharacter()));
                ++i_;
                return;
            case '\\':
                if (Has(i_ + 1) && At(i_ + 1) == 'Q') {
                    Quoted();
                    return;
                }
                break;
            default:
                break;
        }
        const Piece piece = Read(i_, false);
        if (piece.kind == Piece::Verbatim && (piece.text == "\\A" || piece.text == "\\G"))
            Anchor(piece.text);
        else if (piece.kind == Piece::Verbatim)
            Emit(piece.text);
        else if (piece.kind == Piece::Set)
            Emit(Expression(Folded(piece.set)));
        else
            Emit(Character(piece.code));
    }

    // The length of a counted repetition ({n}, {n,}, {n,m}) at i_, or 0 when the brace
    // is a plain character.
    std::size_t QuantifierLength() const {
        std::size_t j = i_ + 1;
        const auto digits = [&] {
            const std::size_t from = j;
            while (Has(j) && At(j) >= '0' && At(j) <= '9') ++j;
            return j > from;
        };
        if (!digits()) return 0;
        if (Has(j) && At(j) == ',') {
            ++j;
            digits();
        }
        return Has(j) && At(j) == '}' ? j + 1 - i_ : 0;
    }

    CharSet Folded(CharSet set) const {
        if (flags_.back().caseless) set.FoldCase();
        return set;
    }

    std::string Character(unsigned code) const {
        CharSet set;
        set.Add(code);
        return Expression(Folded(set));
    }

    std::string Expression(const CharSet& set) const {
        return asciiOnly_ ? set.AsciiExpression() : set.Expression();
    }

    // \Q...\E: every character up to \E as itself.
    void Quoted() {
        i_ += 2;
        while (Has(i_)) {
            if (At(i_) == '\\' && Has(i_ + 1) && At(i_ + 1) == 'E') {
                i_ += 2;
                return;
            }
            Emit(Character(RawCharacter(i_)));
        }
    }

    // A character written as itself: a lead byte takes the trail byte after it,
    // whatever that byte would mean on its own.
    unsigned RawCharacter(std::size_t& j) const {
        const unsigned c = At(j);
        if (IsLead(c) && Has(j + 1) && IsTrail(At(j + 1))) {
            j += 2;
            return c << 8 | At(j - 1);
        }
        ++j;
        return c;
    }

    // One character, class escape or verbatim piece at `j`.  A lead byte written as an
    // escape takes a trail byte written right after it (as an escape or as itself).
    Piece Read(std::size_t& j, bool inClass) const {
        Piece piece;
        if (At(j) != '\\') {
            piece.code = RawCharacter(j);
            return piece;
        }
        piece = Escape(j, inClass);
        if (piece.kind == Piece::Code && IsLead(piece.code) && Has(j)) {
            std::size_t k = j;
            std::optional<unsigned> trail;
            if (At(k) == '\\') {
                const Piece next = Escape(k, inClass);
                if (next.kind == Piece::Code) trail = next.code;
            } else if (!IsSpecial(At(k), inClass)) {
                trail = At(k++);
            }
            if (trail && IsTrail(*trail)) {
                piece.code = piece.code << 8 | *trail;
                j = k;
            }
        }
        return piece;
    }

    static bool IsSpecial(unsigned c, bool inClass) {
        if (inClass) return c == ']' || c == '-' || c == '[';
        return std::strchr("^$.|?*+()[{", static_cast<int>(c)) != nullptr && c != 0;
    }

    // The escape at `j` (a backslash); `j` moves past it.
    Piece Escape(std::size_t& j, bool inClass) const {
        Piece piece;
        const std::size_t start = j;
        ++j;
        if (!Has(j)) throw CompileRefused("\\ at the end of the expression");
        const unsigned e = At(j++);
        const auto byte = [&](unsigned value) {
            if (value > 0xFF) throw CompileRefused("a character code above \\xff");
            piece.code = value;
            return piece;
        };
        const auto number = [&](int base, std::size_t most) {
            unsigned value = 0;
            for (std::size_t n = 0; n < most && Has(j); ++n, ++j) {
                const unsigned d = At(j);
                unsigned digit;
                if (d >= '0' && d <= '9')
                    digit = d - '0';
                else if (base == 16 && (d | 0x20) >= 'a' && (d | 0x20) <= 'f')
                    digit = (d | 0x20) - 'a' + 10;
                else
                    break;
                if (static_cast<int>(digit) >= base) break;
                value = value * static_cast<unsigned>(base) + digit;
                if (value > 0xFFFF) value = 0x10000;
            }
            return value;
        };
        const auto braced = [&](int base) {
            ++j;  // the brace
            const unsigned value = number(base, 8);
            if (!Has(j) || At(j) != '}') throw CompileRefused("an unclosed \\x{ or \\o{");
            ++j;
            return byte(value);
        };
        switch (e) {
            case 'x':
                if (Has(j) && At(j) == '{') return braced(16);
                return byte(number(16, 2));
            case 'o':
                if (Has(j) && At(j) == '{') return braced(8);
                break;
            case '0':
                return byte(number(8, 2));
            case 'n':
                return byte('\n');
            case 'r':
                return byte('\r');
            case 't':
                return byte('\t');
            case 'f':
                return byte('\f');
            case 'e':
                return byte(0x1B);
            case 'a':
                return byte(0x07);
            case 'c':
                if (Has(j)) {
                    const unsigned x = At(j++);
                    return byte(((x >= 'a' && x <= 'z') ? x - 0x20 : x) ^ 0x40);
                }
                break;
            case 'b':
                if (inClass) return byte(0x08);
                break;
            case 'E':  // the end of a quotation that never began
                piece.kind = Piece::Verbatim;
                return piece;
            default:
                if (std::optional<CharSet> set = EscapeClass(static_cast<char>(e))) {
                    piece.kind = Piece::Set;
                    piece.set = std::move(*set);
                    return piece;
                }
                // An escaped character that is not a letter or digit stands for itself;
                // an escaped lead byte takes its trail byte as a raw character does.
                if (!((e >= '0' && e <= '9') || IsLetter(e))) {
                    --j;
                    piece.code = RawCharacter(j);
                    return piece;
                }
                break;
        }
        // Anchors, references and whatever else the engine makes of it.
        piece.kind = Piece::Verbatim;
        piece.text = std::string(in_.substr(start, j - start));
        return piece;
    }

    // A bracketed class at i_: its characters.
    CharSet Class() {
        std::size_t j = i_ + 1;
        const bool negated = Has(j) && At(j) == '^';
        if (negated) ++j;
        CharSet set;
        for (bool first = true;; first = false) {
            if (!Has(j)) throw CompileRefused("missing terminating ] for character class");
            if (At(j) == ']' && !first) {
                ++j;
                break;
            }
            if (At(j) == '[' && Has(j + 1) && At(j + 1) == ':') {
                const std::size_t close = in_.find(":]", j + 2);
                if (close != std::string_view::npos) {
                    std::string_view name = in_.substr(j + 2, close - j - 2);
                    const bool negatedName = !name.empty() && name[0] == '^';
                    if (negatedName) name.remove_prefix(1);
                    if (const std::optional<ByteSet> bytes = PosixBytes(name)) {
                        CharSet posix;
                        posix.AddBytes(*bytes);
                        if (negatedName) posix.Complement();
                        set.Merge(posix);
                        j = close + 2;
                        continue;
                    }
                    throw CompileRefused("unknown POSIX class name");
                }
            }
            Piece from = Read(j, true);
            if (from.kind == Piece::Verbatim)
                throw CompileRefused("an escape a class cannot hold: " + from.text);
            if (from.kind == Piece::Set) {
                set.Merge(from.set);
                continue;
            }
            if (Has(j + 1) && At(j) == '-' && At(j + 1) != ']') {
                std::size_t k = j + 1;
                const Piece to = Read(k, true);
                if (to.kind == Piece::Code) {
                    if (to.code < from.code)
                        throw CompileRefused("range out of order in character class");
                    set.AddRange(from.code, to.code);
                    j = k;
                    continue;
                }
            }
            set.Add(from.code);
        }
        i_ = j;
        set = Folded(set);
        if (negated) set.Complement();
        // An empty class is refused whatever text it would meet.
        static_cast<void>(set.Expression());
        return set;
    }

    // An opening parenthesis at i_: the engine gets the group as it is, except that
    // the i and x options are the rewriter's own.
    void Group() {
        if (!Has(i_ + 1) || At(i_ + 1) != '?') {
            Emit('(');
            ++i_;
            flags_.push_back(flags_.back());
            return;
        }
        std::size_t j = i_ + 2;
        if (Has(j) && At(j) == '#') {
            while (Has(j) && At(j) != ')') ++j;
            i_ = j + 1;
            return;
        }
        Flags flags = flags_.back();
        std::string on, off;
        bool negative = false;
        while (Has(j) && std::strchr("imsx-", static_cast<int>(At(j))) != nullptr && At(j) != 0) {
            const char letter = static_cast<char>(At(j++));
            if (letter == '-') {
                negative = true;
            } else if (letter == 'i') {
                flags.caseless = !negative;
            } else if (letter == 'x') {
                flags.extended = !negative;
            } else {
                (negative ? off : on) += letter;
            }
        }
        if (Has(j) && (At(j) == ')' || At(j) == ':')) {
            const std::string options = on + (off.empty() ? "" : "-" + off);
            if (At(j) == ')') {
                // Options for the rest of the enclosing group.
                flags_.back() = flags;
                if (!options.empty()) Emit("(?" + options + ")");
            } else {
                flags_.push_back(flags);
                Emit("(?" + options + ":");
            }
            i_ = j + 1;
            return;
        }
        // Look-arounds, atomic and named groups: their opening as written.
        j = i_ + 2;
        if (Has(j) && std::strchr("=!>|:", static_cast<int>(At(j))) != nullptr && At(j) != 0) {
            ++j;
        } else if (Has(j + 1) && At(j) == '<' && (At(j + 1) == '=' || At(j + 1) == '!')) {
            j += 2;
        } else if (Has(j) && (At(j) == '<' || At(j) == '\'' || At(j) == 'P')) {
            const char close = At(j) == '\'' ? '\'' : '>';
            const std::size_t end = in_.find(close, j + 1);
            j = end == std::string_view::npos ? in_.size() : end + 1;
        }
        Emit(in_.substr(i_, j - i_));
        flags_.push_back(flags_.back());
        i_ = j;
    }

    void Emit(std::string_view text) {
        floating_ += text;
        written_ += text;
    }
    void Emit(char c) { Emit(std::string_view(&c, 1)); }

    // A start anchor: in the floating form a line feed, which no line holds.
    void Anchor(std::string_view text) {
        floating_ += "\\x0a";
        written_ += text;
        anchors_ = true;
    }

    std::string_view in_;
    const bool asciiOnly_;
    std::size_t i_ = 0;
    std::vector<Flags> flags_;
    std::string floating_;
    std::string written_;
    bool anchors_ = false;
};

}  // namespace

CharacterExpressions WholeCharacterExpressions(std::string_view expression, bool caseless) {
    Rewriter rewriter(expression, caseless, false);
    rewriter.Run();
    Rewriter ascii(expression, caseless, true);
    ascii.Run();
    // Any run of whole characters from the line's start, then the expression: the
    // match begins where a character begins.
    CharSet any;
    any.Complement();
    CharacterExpressions expressions;
    expressions.anyLine = {"^" + any.Expression() + "*(?:" + rewriter.Floating() + ")"};
    if (rewriter.Anchors()) expressions.anyLine.push_back("^(?:" + rewriter.Written() + ")");
    expressions.asciiLine = "(?:" + ascii.Written() + ")";
    expressions.candidates = "(?:" + rewriter.Written() + ")";
    return expressions;
}

const char* AsciiRunEnd(const char* p, const char* end) {
    // Sixteen bytes at a time: the top bits of a vector say where the first byte
    // above 0x7F is.
    while (end - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int high = _mm_movemask_epi8(bytes);
        if (high != 0) return p + __builtin_ctz(static_cast<unsigned>(high));
        p += 16;
    }
    while (p < end && static_cast<unsigned char>(*p) < 0x80) ++p;
    return p;
}

bool MarkLoneLeadBytes(std::string_view line, std::string& out) {
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    const char* p = begin;
    for (;;) {
        p = AsciiRunEnd(p, end);
        if (p == end) return false;
        if (IsLead(static_cast<unsigned char>(*p)) && GbkCharacterLength(p, end) == 1) break;
        p += GbkCharacterLength(p, end);
    }
    out.assign(begin, p);
    for (; p < end; p += GbkCharacterLength(p, end)) {
        out.append(p, GbkCharacterLength(p, end));
        if (IsLead(static_cast<unsigned char>(*p)) && GbkCharacterLength(p, end) == 1)
            out += static_cast<char>(kLoneLeadMark);
    }
    return true;
}

}  // namespace corvane
