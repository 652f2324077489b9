#include "patterns/PatternMiner.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <unordered_map>

#include "patterns/LineTokens.h"

namespace corvane {
namespace {

// Patterns that share the most words with a line whose exact shape is new, and of
// those the ones compared in full: first those whose words the line covers best.
constexpr std::size_t kVoted = 12;
constexpr std::size_t kCandidates = 4;
// A similarity at which the search stops: no other pattern can be much better.
constexpr int kSurePercent = 90;
// A word found in more patterns than this does not help to find candidates.
constexpr std::size_t kMaxPostings = 1000;
// Exact line shapes remembered; the memory is cleared when it is full.
constexpr std::size_t kMaxShapes = std::size_t{1} << 18;
// Blanks kept of a gap in a pattern's text.
constexpr std::size_t kMaxGap = 32;

// Weights of the tokens in the comparison: an ASCII word counts as much as a Chinese
// word of two characters.
constexpr int kWordWeight = 8;
constexpr int kCjkWeight = 4;
constexpr int kSymbolWeight = 4;
// Each further Chinese character that a variable part of the pattern takes (the
// first costs half its weight, like any constant a variable part takes).
constexpr int kExtendCost = 1;
// A capitalised word in place of another one: in messages these begin a sentence or
// name a thing ("Accepted password" and "Failed password", "Task" and
// "TaskAttempt"), while the words that vary (user names, states of one thing) are
// mostly lower case.
constexpr int kCapitalCost = 4 * kWordWeight;
// A run of Chinese characters that differ: the first costs kRunOpen + kRunCost, each
// further one kRunCost, so that a glued name or place of two to four characters costs
// about as much as one word, whatever its length.
constexpr int kRunOpen = 5;
constexpr int kRunCost = 1;
constexpr int kForbidden = -(1 << 28);

int Weight(TokenKind kind) {
    switch (kind) {
        case TokenKind::Word:
            return kWordWeight;
        case TokenKind::Cjk:
            return kCjkWeight;
        case TokenKind::Symbol:
            return kSymbolWeight;
        case TokenKind::Variable:
            return 0;
    }
    return 0;
}

std::uint64_t HashToken(std::string_view s, TokenKind kind) {
    std::uint64_t h = 1469598103934665603ull ^ static_cast<std::uint64_t>(kind);
    for (char c : s) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    return h ^ (v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2));
}

// One token as the comparison sees it: of a line, or of a pattern compared with
// another pattern.
struct Item {
    std::uint64_t hash = 0;  // of kind and bytes; 0 for a variable part
    TokenKind kind = TokenKind::Variable;
    std::string_view text;  // the bytes of a constant
    std::string_view gap;   // the blanks before it
};

// One token of a pattern.  A variable part (kind Variable) takes any one token, and
// further Chinese characters or variable parts right after it.
struct PatternToken {
    std::uint64_t hash = 0;
    TokenKind kind = TokenKind::Variable;
    std::string text;  // the bytes of a constant
    std::string gap;   // the blanks before it
};

using Template = std::vector<PatternToken>;

bool IsConstant(TokenKind kind) { return kind != TokenKind::Variable; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }

// Whether `t` is one ASCII punctuation byte of `set`.
bool IsSymbolByte(const PatternToken& t, std::string_view set) {
    return t.kind == TokenKind::Symbol && t.text.size() == 1 &&
           set.find(t.text[0]) != std::string_view::npos;
}

// A variable part may be missing on one side ("()" and "(host)", "rhost=" and
// "rhost=x") only where punctuation, Chinese text or an end of the line stands next
// to it.  Between two words it must be matched: otherwise a pattern could slide its
// words against the line's ("for <*> from" against "for invalid user x from").
template <typename Seq>
bool Optional(const Seq& seq, std::size_t k) {
    auto loose = [&](std::size_t at) {
        return seq[at].kind == TokenKind::Symbol || seq[at].kind == TokenKind::Cjk;
    };
    return k == 0 || k + 1 == seq.size() || loose(k - 1) || loose(k + 1);
}

// Double-byte punctuation that divides a Chinese sentence.
constexpr std::string_view kWideComma = "\xa3\xac";         // ，
constexpr std::string_view kWideSemicolon = "\xa3\xbb";     // ；
constexpr std::string_view kWideColon = "\xa3\xba";         // ：
constexpr std::string_view kWideOpen = "\xa3\xa8";          // （
constexpr std::string_view kWideClose = "\xa3\xa9";         // ）
constexpr std::string_view kListComma = "\xa1\xa2";         // 、
constexpr std::string_view kMiddleDot = "\xa1\xa4";         // ·
constexpr std::string_view kTimes = "\xa1\xc1";             // ×
constexpr std::string_view kWideFieldOpen = "\xa1\xbc";     // 〖
constexpr std::string_view kWideFieldClose = "\xa1\xbd";    // 〗
constexpr std::string_view kWideBracketOpen = "\xa1\xbe";   // 【
constexpr std::string_view kWideBracketClose = "\xa1\xbf";  // 】

// Whether `x` divides a Chinese sentence's parts: a wide comma, semicolon or colon.
template <typename Token>
bool WideDivider(const Token& x) {
    // By bytes, as the aligner asks it for every value of a pattern: ， ； ： are A3 AC,
    // A3 BB and A3 BA.
    if (x.kind != TokenKind::Symbol || x.text.size() != 2 || x.text[0] != '\xa3') return false;
    const char c = x.text[1];
    return c == '\xac' || c == '\xbb' || c == '\xba';
}

// The endings of the names of organisations and places ("…有限公司", "…中心",
// "…委员会"): Chinese text glued after a value that ends in one is a name, the value's,
// whatever differs inside it ("有限公司" and "有限责任公司", "运维公司" and "监测中心").
// Single characters ("站", "库") are left out: they end verbs too ("进站", "出库").
constexpr std::string_view kNameEndings[] = {
    "\xb9\xab\xcb\xbe",          // 公司
    "\xd6\xd0\xd0\xc4",          // 中心
    "\xbc\xaf\xcd\xc5",          // 集团
    "\xd2\xf8\xd0\xd0",          // 银行
    "\xd2\xbd\xd4\xba",          // 医院
    "\xd1\xa7\xd0\xa3",          // 学校
    "\xb4\xf3\xd1\xa7",          // 大学
    "\xd1\xa7\xd4\xba",          // 学院
    "\xd2\xa9\xb7\xbf",          // 药房
    "\xd2\xa9\xb5\xea",          // 药店
    "\xbe\xc6\xb5\xea",          // 酒店
    "\xb1\xf6\xb9\xdd",          // 宾馆
    "\xb3\xac\xca\xd0",          // 超市
    "\xc9\xcc\xb3\xa1",          // 商场
    "\xb9\xa4\xb3\xa7",          // 工厂
    "\xb2\xd6\xbf\xe2",          // 仓库
    "\xbb\xfa\xb3\xa1",          // 机场
    "\xb3\xb5\xd5\xbe",          // 车站
    "\xc2\xeb\xcd\xb7",          // 码头
    "\xd0\xa1\xc7\xf8",          // 小区
    "\xd4\xb0\xc7\xf8",          // 园区
    "\xc9\xe7\xc7\xf8",          // 社区
    "\xbd\xd6\xb5\xc0",          // 街道
    "\xd0\xad\xbb\xe1",          // 协会
    "\xb7\xd6\xbe\xd6",          // 分局
    "\xb7\xd6\xd0\xd0",          // 分行
    "\xd6\xa7\xd0\xd0",          // 支行
    "\xb7\xa8\xd4\xba",          // 法院
    "\xd5\xfe\xb8\xae",          // 政府
    "\xce\xaf\xd4\xb1\xbb\xe1",  // 委员会
    "\xca\xc2\xce\xf1\xcb\xf9",  // 事务所
    "\xd1\xd0\xbe\xbf\xcb\xf9",  // 研究所
    "\xd1\xd0\xbe\xbf\xd4\xba",  // 研究院
    "\xb0\xec\xca\xc2\xb4\xa6",  // 办事处
    "\xd3\xaa\xd2\xb5\xb2\xbf",  // 营业部
    "\xc6\xf3\xd2\xb5",          // 企业
};

// Common one-character family names, which begin most people's names; not those that are
// as common in words (张 of "3张", 周 of "周一", 高, 方, 黄 of "黄色", 戴 of "佩戴").
constexpr std::string_view kSurnames =
    "\xcd\xf5\xc0\xee\xc1\xf5\xb3\xc2\xd1\xee\xd5\xd4\xce\xe2\xd0\xec"  // 王李刘陈杨赵吴徐
    "\xcb\xef\xd6\xec\xba\xfa\xb9\xf9\xc2\xde\xd6\xa3\xc1\xba\xcb\xce"  // 孙朱胡郭罗郑梁宋
    "\xcc\xc6\xba\xab\xb7\xeb\xb5\xcb\xb2\xdc\xc5\xed\xd0\xa4\xb6\xad"  // 唐韩冯邓曹彭肖董
    "\xd4\xac\xc5\xcb\xbd\xaf\xb2\xcc\xb6\xc5\xce\xba\xc2\xc0\xc9\xf2"  // 袁潘蒋蔡杜魏吕沈
    "\xd2\xa6\xc2\xac\xbd\xaa\xb4\xde\xcc\xb7\xcd\xf4\xc1\xce\xbc\xd6"  // 姚卢姜崔谭汪廖贾
    "\xce\xa4\xd7\xde\xc3\xcf\xd0\xdc\xc7\xd8\xc7\xf1\xd2\xfc\xd1\xa6"  // 韦邹孟熊秦邱尹薛
    "\xe3\xc6\xba\xee\xcc\xd5\xc0\xe8\xba\xc2\xb9\xa8\xc9\xdb\xf1\xfb"  // 闫侯陶黎郝龚邵覃
    "\xc4\xaa";                                                         // 莫

// Whether `text` is one of the double-byte characters that `chars` lists one after another.
bool OneOf(std::string_view chars, std::string_view text) {
    if (text.size() != 2) return false;
    for (std::size_t k = 0; k + 2 <= chars.size(); k += 2)
        if (chars.substr(k, 2) == text) return true;
    return false;
}

// Whether `text` is one of those family names (kSurnames).
bool Surname(std::string_view text) { return OneOf(kSurnames, text); }

// Measure words and units, which a number takes ("398支", "24板", "3天"): one after
// digits is the number's, not what happened to it.
constexpr std::string_view kUnits =
    "\xb8\xf6\xbc\xfe\xd5\xc5\xd6\xa7\xb0\xe5\xba\xd0\xc6\xbf\xb4\xfc"  // 个件张支板盒瓶袋
    "\xb0\xfc\xcf\xe4\xcc\xa8\xc1\xbe\xc8\xcb\xc3\xfb\xce\xbb\xb4\xce"  // 包箱台辆人名位次
    "\xb7\xdd\xb1\xbe\xb2\xe1\xcc\xf5\xbf\xe9\xc6\xac\xc1\xa3\xcd\xb7"  // 份本册条块片粒头
    "\xd6\xbb\xcc\xd7\xcb\xab\xb6\xd4\xbc\xe4\xb2\xe3\xb6\xb0\xba\xc5"  // 只套双对间层栋号
    "\xbb\xa7\xbc\xd2\xd4\xaa\xc3\xd7\xb6\xd6\xbf\xcb\xc9\xfd\xcc\xec"  // 户家元米吨克升天
    "\xc8\xd5\xc4\xea\xd4\xc2\xca\xb1\xb7\xd6\xc3\xeb\xb6\xc8\xd2\xb3"  // 日年月时分秒度页
    "\xb1\xca\xb5\xa5\xc6\xb1\xcc\xcb\xb0\xe0\xbc\xdc\xcb\xd2\xc1\xd0"  // 笔单票趟班架艘列
    "\xbd\xda\xd7\xf9\xb8\xf9\xbf\xc5\xd6\xea\xc4\xb6\xcd\xb0\xb9\xde"  // 节座根颗株亩桶罐
    "\xbe\xed\xc5\xfa\xd7\xe9\xcf\xee\xd6\xd6\xc6\xda\xbd\xec\xc2\xd6"  // 卷批组项种期届轮
    "\xcb\xea\xbd\xef\xc1\xbd";                                         // 岁斤两

// Whether `text` is one measure word or unit (kUnits).
bool Unit(std::string_view text) { return OneOf(kUnits, text); }

// Whether `text` is the sign of a temperature's or a share's unit: ℃ ‰ °.
bool UnitSign(std::string_view text) {
    return text == "\xa1\xe6" || text == "\xa1\xeb" || text == "\xa1\xe3";
}

// Whether `sign` is a times sign or an arrow (× ↑ ↓) glued after the Chinese character
// `before`: the last part of a name ("红叉×", "绿色箭头↓").
template <typename Token>
bool NameSign(const Token& before, const Token& sign) {
    return before.kind == TokenKind::Cjk && sign.gap.empty() &&
           (sign.text == "\xa1\xc1" || sign.text == "\xa1\xfc" || sign.text == "\xa1\xfd");
}

// Whether `text`, double-byte Chinese characters, ends in a name's ending.
bool NameEnding(std::string_view text) {
    for (std::string_view e : kNameEndings)
        if (text.size() >= e.size() && (text.size() - e.size()) % 2 == 0 &&
            text.substr(text.size() - e.size()) == e)
            return true;
    return false;
}

// The index of the "=" of a pair whose key is Chinese, one to five characters after a
// blank ("事由=<*>" of "天数=3 事由=感冒"), that begins at `k` of `seq`; or 0.
template <typename Seq>
std::size_t ChineseKeyEnd(const Seq& seq, std::size_t k) {
    constexpr std::size_t kMaxKey = 5;
    const std::size_t n = seq.size();
    if (seq[k].kind != TokenKind::Cjk || seq[k].gap.empty()) return 0;
    std::size_t e = k + 1;
    while (e < n && e < k + kMaxKey && seq[e].kind == TokenKind::Cjk && seq[e].gap.empty()) ++e;
    return e < n && IsSymbolByte(seq[e], "=") && seq[e].gap.empty() ? e : 0;
}

// Whether the value of a field between Chinese dividers may take item `k` of a line
// beyond the one it matched (Aligner::Align).
bool FieldTakes(const std::vector<Item>& items, std::size_t k) {
    const Item& b = items[k];
    if (b.kind == TokenKind::Cjk || WideDivider(b)) return false;
    if (b.kind != TokenKind::Symbol || b.text.size() != 2) return true;
    return !(k + 1 < items.size() && items[k + 1].kind == TokenKind::Cjk) &&
           !(k > 0 && items[k - 1].kind == TokenKind::Cjk);
}

// Aligns a pattern with a line by dynamic programming.  Equal constants match and
// gain their weight.  Costs: a constant replaced by another constant or by a variable
// part (punctuation never changes); a constant taken by a variable part of the
// pattern, half its weight, and each further Chinese character it takes; Chinese
// characters that differ or are more or fewer on one side, as one run: a glued
// variable of a few characters costs about one word; a variable part missing where
// Optional allows it is free.  Words and punctuation are never left over on one side:
// a pattern keeps the number and order of its words.  The similarity is
// matched / (matched + cost).
class Aligner {
public:
    // Returns the similarity in percent, or -1 when the two cannot be aligned.
    int Align(const Template& t, const std::vector<Item>& items) {
        const std::size_t m = t.size();
        const std::size_t n = items.size();
        const std::size_t w = n + 1;
        // Layer 1 holds the paths whose last step was part of a run of differing
        // Chinese characters, layer 0 all others.
        // Every cell but the first is written before it is read: the loops below go
        // row by row and read only cells above and to the left.
        for (int layer = 0; layer < 2; ++layer) {
            if (score_[layer].size() < (m + 1) * w) {
                score_[layer].resize((m + 1) * w);
                moves_[layer].resize((m + 1) * w);
            }
        }
        score_[0][0] = 0;
        score_[1][0] = kForbidden;
        // What each item allows, found once rather than in every cell of its column.
        column_.assign(n, 0);
        bool nameWord = false;  // the item before is a name's Latin word
        for (std::size_t j = 0; j < n; ++j) {
            const Item& b = items[j];
            // The Latin words of a name glued after a Chinese character ("赣CHGPUJ",
            // "船舶NORTHERN LARK") or a Chinese label's colon ("渠道：Apple Pay"), which a
            // value that took what came before extends over; and a name's own dots and
            // commas ("Hengtong Logistics Co., Ltd.").
            if (j > 0) {
                const Item& before = items[j - 1];
                const bool glued =
                    b.gap.empty() &&
                    (before.kind == TokenKind::Cjk ||
                     (before.kind == TokenKind::Symbol && before.text == kWideColon));
                const bool mark = b.kind == TokenKind::Symbol && b.gap.empty() &&
                                  (b.text == "." || b.text == ",");
                nameWord = (b.kind == TokenKind::Word && (glued || nameWord)) || (mark && nameWord);
            }
            std::uint8_t f = nameWord ? kNameWord : 0;
            if (b.kind == TokenKind::Variable && Optional(items, j)) f |= kOptionalValue;
            if (b.kind == TokenKind::Symbol && b.text.size() == 1 && b.gap.empty() &&
                std::string_view("()[]{}").find(b.text[0]) != std::string_view::npos)
                f |= kGluedBracket;
            if (b.kind == TokenKind::Cjk) f |= b.gap.empty() ? kGluedChinese : kChinese;
            column_[j] = f;
        }
        // Paths only go right and down, so a cell left of the first one a path reaches in
        // the row above, or right of its last where the cell before it in the row has
        // none, has none either: it is marked so and not worked out.
        std::size_t lo = 0;  // the first and last cells of the row above with a path
        std::size_t hi = 0;
        for (std::size_t i = 0; i <= m; ++i) {
            std::size_t rowLo = n + 1;
            std::size_t rowHi = 0;
            bool leftAlive = i == 0;  // whether the cell before in this row has a path
            const bool rowValue = i > 0 && t[i - 1].kind == TokenKind::Variable;
            const bool rowOptional = rowValue && Optional(t, i - 1);
            const bool rowChinese = i > 0 && t[i - 1].kind == TokenKind::Cjk;
            // A value alone between two dividers of a Chinese sentence ("，<*>，") is one
            // field, whatever it holds.
            const bool rowField =
                rowValue && i >= 2 && i < m && WideDivider(t[i - 2]) && WideDivider(t[i]);
            for (std::size_t j = 0; j <= n; ++j) {
                if (i == 0 && j == 0) {
                    rowLo = 0;
                    continue;
                }
                if (j < lo || ((i == 0 || j > hi + 1) && !leftAlive)) {
                    score_[0][i * w + j] = kForbidden;
                    score_[1][i * w + j] = kForbidden;
                    continue;
                }
                int best[2] = {kForbidden, kForbidden};
                std::uint8_t move[2] = {None, None};
                // A step from cell `from` into layer `to`; runs cost kRunOpen once.  It
                // runs for every cell: kept inline, where the compiler would not by itself.
                auto step = [&](std::size_t from, std::uint8_t how, int gain, int to)
                    __attribute__((always_inline)) {
                    if (gain <= kForbidden) return;
                    for (int layer = 0; layer < 2; ++layer) {
                        const int base = score_[layer][from];
                        if (base <= kForbidden) continue;
                        const int total = base + gain - (to == 1 && layer == 0 ? kRunOpen : 0);
                        if (total > best[to]) {
                            best[to] = total;
                            move[to] = static_cast<std::uint8_t>(how | (layer << 2));
                        }
                    }
                };
                if (i > 0 && j > 0) {
                    const PatternToken& a = t[i - 1];
                    const Item& b = items[j - 1];
                    const std::size_t from = (i - 1) * w + j - 1;
                    if (IsConstant(a.kind) && IsConstant(b.kind) &&
                        !(a.hash == b.hash && a.kind == b.kind) &&
                        (a.kind == TokenKind::Cjk || b.kind == TokenKind::Cjk) &&
                        a.kind != TokenKind::Symbol && b.kind != TokenKind::Symbol)
                        step(from, Diag, -kRunCost, 1);
                    else
                        step(from, Diag,
                             Diagonal(a, b, j < n ? &items[j] : nullptr,
                                      j >= 2 ? &items[j - 2] : nullptr),
                             0);
                }
                if (i > 0) {
                    const std::size_t from = (i - 1) * w + j;
                    if (rowOptional) step(from, Up, 0, 0);
                    if (rowChinese) step(from, Up, -kRunCost, 1);
                }
                if (j > 0) {
                    const std::uint8_t f = column_[j - 1];
                    const std::size_t from = i * w + j - 1;
                    if (f & kOptionalValue) step(from, Left, 0, 0);
                    if ((f & kGluedBracket) && rowValue && gluedSymbols_)
                        // A value that takes brackets glued to it ("LOCAL(0)" where an
                        // address stands) costs them half their weight; "=" or ":" would
                        // let a value swallow a pair ("<*>" against "<*> user=<*>").
                        step(from, Left, -kSymbolWeight / 2, 0);
                    if (f & (kChinese | kGluedChinese)) {
                        // A variable part extends over the characters glued to it.
                        if (rowValue && (f & kGluedChinese))
                            step(from, Left, -kExtendCost, 0);
                        else
                            step(from, Left, -kRunCost, 1);
                    }
                    // So does it over a name's Latin words after a Chinese character it
                    // took ("赣CHGPUJ" where "赣G5Y2U2" made it a value): a plate, a code.
                    if ((f & kNameWord) && rowValue) step(from, Left, -kExtendCost, 0);
                    // So does a field's value over its name's or list's Latin words, values
                    // and brackets ("双板 Norvik Alpine 78（158cm）、雪杖 115cm"), each for half
                    // its weight, as when a value takes one constant; over Chinese text only
                    // as any value does, and so over Chinese brackets next to it ("包间「兰亭」",
                    // "清蒸鲈鱼【时价】"), which mark a name or a remark.
                    if (rowField && FieldTakes(items, j - 1))
                        step(from, Left, -std::max(Weight(items[j - 1].kind) / 2, kExtendCost), 0);
                }
                for (int layer = 0; layer < 2; ++layer) {
                    score_[layer][i * w + j] = best[layer];
                    moves_[layer][i * w + j] = move[layer];
                }
                leftAlive = best[0] > kForbidden || best[1] > kForbidden;
                if (leftAlive) {
                    rowLo = std::min(rowLo, j);
                    rowHi = j;
                }
            }
            if (rowLo > n) return -1;
            lo = rowLo;
            hi = rowHi;
        }
        const int end = score_[1][m * w + n] > score_[0][m * w + n] ? 1 : 0;
        if (score_[end][m * w + n] <= kForbidden) return -1;
        // Walk the path back to split the score into what matched and what it cost.
        path_.clear();
        int matched = 0;
        int cost = 0;
        int layer = end;
        for (std::size_t i = m, j = n; i > 0 || j > 0;) {
            const int here = score_[layer][i * w + j];
            const std::uint8_t move = moves_[layer][i * w + j];
            path_.push_back(move & 3);
            if ((move & 3) != Left) --i;
            if ((move & 3) != Up) --j;
            layer = move >> 2;
            const int delta = here - score_[layer][i * w + j];
            if (delta >= 0)
                matched += delta;
            else
                cost -= delta;
        }
        if (matched == 0) return cost == 0 ? 100 : 0;
        return matched * 100 / (matched + cost);
    }

    // Generalises `t` along the path of the last Align with `items`: what differs
    // becomes a variable part, and variable parts with nothing between them are one.
    void Merge(Template& t, const std::vector<Item>& items) {
        Template merged;
        merged.reserve(t.size() + 1);
        WalkMerge(
            t, items,
            [&](std::size_t k) {
                merged.push_back(std::move(t[k]));
                return true;
            },
            [&](std::string_view gap) {
                PatternToken v;
                v.gap = std::string(gap);
                merged.push_back(std::move(v));
                return true;
            });
        t = std::move(merged);
    }

    // Whether Merge along the last path would leave `t` as it is: most lines of a
    // pattern that has settled, whose merge would only rebuild the same tokens.
    bool MergeKeeps(const Template& t, const std::vector<Item>& items) const {
        std::size_t out = 0;  // tokens of `t` the merge has rebuilt so far
        const bool same = WalkMerge(
            t, items, [&](std::size_t k) { return out++ == k; },
            [&](std::string_view gap) {
                if (out >= t.size()) return false;
                const PatternToken& v = t[out++];
                return v.kind == TokenKind::Variable && v.hash == 0 && v.text.empty() &&
                       v.gap == gap;
            });
        return same && out == t.size();
    }

    // Whether the merge along the last path would leave `t`, which holds Chinese text,
    // with none: a Chinese message of values and punctuation alone ("<*>：<*>") would take
    // any line of its shape.
    // A pair's or a label's Chinese value ("level=金卡", "level=<*>卡", "工位:售票") is a
    // value, not the message's text.
    bool MergeLosesChinese(const Template& t, const std::vector<Item>& items) {
        text_.assign(t.size(), 0);
        bool any = false;
        std::size_t chinese = 0;
        std::size_t words = 0;
        bool value = false;  // the glued run of Chinese text and values at k follows a sign
        for (std::size_t k = 0; k < t.size(); ++k) {
            words += t[k].kind == TokenKind::Word ? 1 : 0;
            const bool part = t[k].kind == TokenKind::Cjk || t[k].kind == TokenKind::Variable;
            if (!part) continue;
            const bool glued = k > 0 && t[k].gap.empty();
            if (!glued || (t[k - 1].kind != TokenKind::Cjk && t[k - 1].kind != TokenKind::Variable))
                value = glued && (IsSymbolByte(t[k - 1], "=:") || t[k - 1].text == kWideColon);
            if (t[k].kind != TokenKind::Cjk) continue;
            text_[k] = value ? 0 : 1;
            any = any || !value;
            chinese += value ? 0 : 1;
        }
        // Only in a Chinese message: a Latin one may begin with a source's Chinese name.
        if (!any || chinese <= words) return false;
        bool kept = false;
        WalkMerge(
            t, items,
            [&](std::size_t k) {
                kept = kept || text_[k] != 0;
                return !kept;
            },
            [](std::string_view) { return true; });
        return !kept;
    }

    // Whether the merge that the last Align found makes values of `most` keys of pairs or
    // more ("last_seen=<*>, rssi=<*>" and "fw=<*>, uptime=<*>"): pairs named otherwise are
    // messages of other kinds.
    bool MergeLosesKeys(const Template& t, const std::vector<Item>& items, std::size_t most) {
        text_.assign(t.size(), 0);
        std::size_t keys = 0;
        for (std::size_t k = 0; k + 1 < t.size(); ++k)
            if (t[k].kind == TokenKind::Word && IsSymbolByte(t[k + 1], "=") &&
                t[k + 1].gap.empty()) {
                text_[k] = 1;
                ++keys;
            } else if (const std::size_t eq = ChineseKeyEnd(t, k); eq > 0) {
                // A key of Chinese characters after a blank ("窑头=<*>" of "kiln.sample
                // 窑头=1132.2℃"), kept or lost with the character glued to its sign.
                text_[eq - 1] = 1;
                ++keys;
            }
        if (keys < most) return false;
        std::size_t kept = 0;
        WalkMerge(
            t, items,
            [&](std::size_t k) {
                kept += text_[k];
                return true;
            },
            [](std::string_view) { return true; });
        return keys - kept >= most;
    }

    enum Move : std::uint8_t { Diag, Up, Left, None };
    // The moves of the last Align, last first.
    const std::vector<std::uint8_t>& Path() const { return path_; }

    // Makes the family name that two names glued after the same text share ("用户徐强军退出"
    // and "用户徐明登录") part of the text that differs after it, on the last path: a name
    // is a value whatever its first character, and what happened to it ("退出", "登录")
    // must not be taken for the rest of a name.
    void UnmatchSurnames(const Template& t, const std::vector<Item>& items) {
        constexpr std::size_t kGivenName = 2;  // characters of a name after the family name
        forward_.assign(path_.rbegin(), path_.rend());
        auto same = [&](std::size_t i, std::size_t j) {
            return IsConstant(t[i].kind) && t[i].kind == items[j].kind &&
                   t[i].hash == items[j].hash;
        };
        auto glued = [&](std::size_t i, std::size_t j, std::uint8_t move) {
            return (move == Left || (t[i].kind == TokenKind::Cjk && t[i].gap.empty())) &&
                   (move == Up || (items[j].kind == TokenKind::Cjk && items[j].gap.empty()));
        };
        path_.clear();
        std::size_t i = 0;
        std::size_t j = 0;
        bool lastChinese = false;  // the step before matched equal Chinese characters
        for (std::size_t q = 0; q < forward_.size();) {
            const std::uint8_t move = forward_[q];
            if (move == Diag && lastChinese && same(i, j) && t[i].kind == TokenKind::Cjk &&
                t[i].gap.empty() && items[j].gap.empty() && Surname(t[i].text)) {
                // The steps over the given name: those that differ make it a name.
                // The given name ends with the last of them: characters that match after
                // it are the text's ("刘伟开具" and "刘洋开具").
                std::size_t r = q + 1;
                std::size_t ii = i + 1;
                std::size_t jj = j + 1;
                std::size_t last = q;
                while (r < forward_.size() && jj < items.size() && jj <= j + kGivenName &&
                       glued(ii, jj, forward_[r])) {
                    if (forward_[r] != Diag || !same(ii, jj)) last = r;
                    if (forward_[r] != Left) ++ii;
                    if (forward_[r] != Up) ++jj;
                    ++r;
                }
                // Only where the text differs on beyond the name, as what happened to it does.
                const bool beyond = r < forward_.size() && glued(ii, jj, forward_[r]) &&
                                    (forward_[r] != Diag || !same(ii, jj));
                if (last > q && beyond && (forward_[q + 1] != Diag || !same(i + 1, j + 1))) {
                    for (r = last + 1; q < r; ++q) {
                        const std::uint8_t m = forward_[q];
                        if (m == Diag && same(i, j)) {
                            path_.push_back(Up);
                            path_.push_back(Left);
                        } else {
                            path_.push_back(m);
                        }
                        if (m != Left) ++i;
                        if (m != Up) ++j;
                    }
                    lastChinese = false;
                    continue;
                }
            }
            path_.push_back(move);
            lastChinese = move == Diag && same(i, j) && t[i].kind == TokenKind::Cjk;
            if (move != Left) ++i;
            if (move != Up) ++j;
            ++q;
        }
        std::reverse(path_.begin(), path_.end());  // last first again
    }

private:
    // Walks the last path as Merge builds its result: `keep(k)` for constant k of `t`
    // that stays, `add(gap)` for each variable part the result gets.  A variable part
    // that is missing on one side (an up or left move) belongs to the variable part next
    // to it: "<*>" and not "<*> <*>".  Stops, false, where a callback returns false.
    template <typename Keep, typename Add>
    bool WalkMerge(const Template& t, const std::vector<Item>& items, Keep keep, Add add) const {
        bool loose = false;  // the last variable part added came from such a move
        bool lastVariable = false;
        auto variable = [&](std::string_view gap, bool missing) {
            if (lastVariable && (gap.empty() || missing || loose)) {
                loose = loose || missing;
                return true;
            }
            loose = missing;
            lastVariable = true;
            return add(gap);
        };
        std::size_t i = 0;
        std::size_t j = 0;
        for (auto it = path_.rbegin(); it != path_.rend(); ++it) {
            if (*it == Left) {
                if (!variable(items[j++].gap.substr(0, kMaxGap), true)) return false;
                continue;
            }
            const std::size_t k = i++;
            const PatternToken& a = t[k];
            if (*it == Diag && IsConstant(a.kind) && items[j].kind == a.kind &&
                items[j].hash == a.hash) {
                lastVariable = false;
                if (!keep(k)) return false;
            } else if (!variable(a.gap, *it == Up)) {
                return false;
            }
            if (*it == Diag) ++j;
        }
        return true;
    }

    // `next`: the line's item after `b`, if any; `prev`: the one before it, if any.
    int Diagonal(const PatternToken& a, const Item& b, const Item* next, const Item* prev) const {
        // Chinese punctuation divides a sentence's parts; it is never a value.  A unit's
        // sign on its own is one ("unit=℃" where others show "unit=m3/h"), and so is a
        // sign glued after Chinese text, part of a name ("红叉×", "绿色箭头↓": a signal).
        if (a.kind == TokenKind::Variable && b.kind == TokenKind::Symbol && b.text.size() == 2 &&
            !UnitSign(b.text) && !(prev != nullptr && NameSign(*prev, b)))
            return kForbidden;
        // Nor does a line's value stand where the pattern divides one ("离开<*>，已弹窗警告"
        // and "离开138秒").
        if (b.kind == TokenKind::Variable && a.kind == TokenKind::Symbol &&
            (a.text == kWideComma || a.text == kWideSemicolon || a.text == kWideColon))
            return kForbidden;
        if (a.kind == TokenKind::Variable) return -Weight(b.kind) / 2;
        if (b.kind == TokenKind::Variable) return -Weight(a.kind);
        if (a.hash == b.hash && a.kind == b.kind) return Weight(a.kind);
        if (a.kind == TokenKind::Symbol || b.kind == TokenKind::Symbol) return kForbidden;
        if (a.kind == TokenKind::Word && b.kind == TokenKind::Word && IsCapital(a.text[0]) &&
            IsCapital(b.text[0]))
            return -kCapitalCost;
        // A word glued to Chinese text ("表t_user新增", "- liuyang在") is a name in a
        // Chinese sentence; one between blanks may be what an English sentence says.
        if (a.kind == TokenKind::Word && b.kind == TokenKind::Word && !b.gap.empty() &&
            (next == nullptr || next->kind != TokenKind::Cjk || !next->gap.empty()))
            return -wordCost_;
        return -std::max(Weight(a.kind), Weight(b.kind));
    }

public:
    void SetGluedSymbols(bool on) { gluedSymbols_ = on; }
    void SetWordCost(int cost) { wordCost_ = cost; }

private:
    bool gluedSymbols_ = true;
    int wordCost_ = kWordWeight;
    std::vector<int> score_[2];
    std::vector<std::uint8_t> moves_[2];
    std::vector<std::uint8_t> path_;     // the moves of the last Align, last first
    std::vector<std::uint8_t> forward_;  // UnmatchSurnames' copy of it, first first
    // Per item of the last Align, what a step over it alone may do.
    static constexpr std::uint8_t kOptionalValue = 1;  // a value the pattern's side may lack
    static constexpr std::uint8_t kGluedBracket = 2;   // a bracket glued to what precedes it
    static constexpr std::uint8_t kChinese = 4;        // a Chinese character after a blank
    static constexpr std::uint8_t kGluedChinese = 8;   // one glued to what precedes it
    static constexpr std::uint8_t kNameWord = 16;      // a name's Latin word (Align)
    std::vector<std::uint8_t> column_;
    std::vector<std::uint8_t> text_;  // per token of a pattern: Chinese text of the message
};

// The words and Chinese characters of the patterns, to find the few patterns worth
// aligning with a line: those that share the most of them with it.
class CandidateIndex {
public:
    void Add(std::uint32_t id, const std::vector<std::uint64_t>& terms) {
        for (std::uint64_t term : terms) postings_[term].push_back(id);
        if (votes_.size() <= id) votes_.resize(id + 1, 0);
    }

    void Find(const std::vector<std::uint64_t>& terms, std::vector<std::uint32_t>& out) {
        out.clear();
        touched_.clear();
        for (std::uint64_t term : terms) {
            const auto found = postings_.find(term);
            if (found == postings_.end() || found->second.size() > kMaxPostings) continue;
            for (std::uint32_t id : found->second)
                if (votes_[id]++ == 0) touched_.push_back(id);
        }
        // The kVoted with the most votes (then the lowest ids), in that order: kept in a
        // short sorted list that most ids fail to enter at its last place.
        auto before = [&](std::uint32_t a, std::uint32_t b) {
            return votes_[a] != votes_[b] ? votes_[a] > votes_[b] : a < b;
        };
        for (std::uint32_t id : touched_) {
            if (out.size() == kVoted) {
                if (!before(id, out.back())) continue;
                out.pop_back();
            }
            out.insert(std::upper_bound(out.begin(), out.end(), id, before), id);
        }
        for (std::uint32_t id : touched_) votes_[id] = 0;
    }

private:
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> postings_;
    std::vector<std::uint32_t> votes_;
    std::vector<std::uint32_t> touched_;
};

// The distinct words and Chinese characters of `items`.
void Terms(const std::vector<Item>& items, std::vector<std::uint64_t>& terms) {
    terms.clear();
    for (const Item& it : items)
        if (it.kind == TokenKind::Word || it.kind == TokenKind::Cjk) terms.push_back(it.hash);
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
}

Template NewTemplate(const std::vector<Item>& items) {
    Template t;
    t.reserve(items.size());
    for (const Item& it : items) {
        // A variable part right after another one, with nothing between, is the same one.
        if (it.kind == TokenKind::Variable && !t.empty() && t.back().kind == TokenKind::Variable &&
            it.gap.empty())
            continue;
        PatternToken pt;
        pt.hash = it.hash;
        pt.kind = it.kind;
        pt.text.assign(it.text);
        pt.gap.assign(it.gap.substr(0, kMaxGap));
        t.push_back(std::move(pt));
    }
    return t;
}

void TemplateItems(const Template& t, std::vector<Item>& items) {
    items.clear();
    for (const PatternToken& pt : t) items.push_back({pt.hash, pt.kind, pt.text, pt.gap});
}

// Distinct words and Chinese characters of a template.
std::vector<std::uint64_t> TemplateTerms(const Template& t) {
    std::vector<std::uint64_t> terms;
    for (const PatternToken& pt : t)
        if (pt.kind == TokenKind::Word || pt.kind == TokenKind::Cjk) terms.push_back(pt.hash);
    std::sort(terms.begin(), terms.end());
    terms.erase(std::unique(terms.begin(), terms.end()), terms.end());
    return terms;
}

// Generalises a pattern's header with a line's (or another pattern's) header: tokens
// that differ become variable parts; headers of different forms become one variable
// part.  Headers never decide which pattern a line joins, so this keeps only what the
// lines share for the pattern's text.
void MergeHeader(Template& header, const Item* items, std::size_t count) {
    if (header.size() == 1 && header[0].kind == TokenKind::Variable) return;
    bool same = header.size() == count;
    for (std::size_t k = 0; k < count && same; ++k)
        same = IsConstant(header[k].kind) == IsConstant(items[k].kind);
    if (!same) {
        if (header.empty() && count == 0) return;
        PatternToken v;
        if (!header.empty()) v.gap = std::move(header[0].gap);
        header.assign(1, std::move(v));
        return;
    }
    for (std::size_t k = 0; k < count; ++k) {
        PatternToken& h = header[k];
        if (IsConstant(h.kind) && (h.kind != items[k].kind || h.hash != items[k].hash)) {
            h.kind = TokenKind::Variable;
            h.hash = 0;
            h.text.clear();
        }
    }
}

Template HeaderTemplate(const Item* items, std::size_t count) {
    Template t;
    t.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        PatternToken pt;
        pt.hash = items[k].hash;
        pt.kind = items[k].kind;
        pt.text.assign(items[k].text);
        pt.gap.assign(items[k].gap.substr(0, kMaxGap));
        t.push_back(std::move(pt));
    }
    return t;
}

// A place of a pattern where one of a few words stands ("Failed password for" and
// "Failed none for", "stored as bytes in" and "stored as values in", "user=root" and
// "user=guest"): in an English sentence such a word says what happened or what kind of
// thing it is about, and a pair's key names a thing of which few kinds (accounts,
// modes) come up, while a place that holds a value takes many.  The lines with each
// further word keep an id of their own, so that Ranked can show them apart once every
// word is seen often enough and no word beyond the few came.
constexpr std::size_t kMaxForkWords = 3;
// Words a place between words may take: one more makes it a value.  A pair's value
// may take kMaxForkWords (in a log without Chinese text: see ForkId).
constexpr std::size_t kMaxEitherWords = 2;

// The bytes of a run's text that an ending keeps: two Chinese characters.
constexpr std::size_t kEnding = 4;

struct Fork {
    bool on = false;
    bool wide = false;             // a word beyond the few (or no single word) stood there
    bool pair = false;             // the place is the value of the pair whose key is `before`
    bool label = false;            // the place is the message's first word
    bool key = false;              // the place is a pair's key, a colon glued after it
    bool run = false;              // the place is a run of Chinese characters in a sentence
    bool suffix = false;           // of a run place: its texts' last two characters count (the
                                   // first two where a value follows the run)
    std::size_t ending = kEnding;  // of a suffix place: the bytes of its texts' ends that count
    bool prefix = false;  // of a run place: the first two Chinese characters after the value
                          // that follows `before` count, whatever name comes after them
    std::array<std::string, 2>
        leads;                 // of a suffix place after digits: its first texts' beginnings
    bool group = false;        // a group's, found while patterns were grouped (Ranked)
    std::uint64_t before = 0;  // hashes of the words around the place (`after` 0 for a pair)
    std::uint64_t after = 0;
    std::size_t count = 0;  // words seen there
    std::uint64_t words[kMaxForkWords] = {};
    std::string text[kMaxForkWords];
    std::uint32_t ids[kMaxForkWords] = {};  // the id of the lines with each word

    std::size_t Limit() const { return pair || key ? kMaxForkWords : kMaxEitherWords; }
    std::uint64_t Place() const {
        return Mix(Mix(pair    ? 0x9A1Bu
                       : label ? 0x1ABEu
                       : key   ? 0x4E75u
                       : run   ? (prefix ? 0x2C3Fu : 0x2C3Eu)
                               : 0xE17Eu,
                       before),
                   after);
    }
};

// Makes `f` no fork (the texts it held stay, unused).
void ClearFork(Fork& f) {
    f.on = f.wide = f.pair = f.label = f.key = f.run = f.suffix = f.group = f.prefix = false;
    f.before = f.after = 0;
    f.count = 0;
    f.ending = kEnding;
}

// A pair of the first line of a pattern whose value may name a kind of line.
struct PairWord {
    std::uint64_t key = 0;
    std::uint64_t value = 0;
    std::string text;
};
// Pairs remembered per pattern, at most.
constexpr std::size_t kMaxPairWords = 8;

// What stands after a run of Chinese characters that ends the message ("的连接已建立"
// and "的连接被拒绝"), in place of a constant's hash.
constexpr std::uint64_t kMessageEnd = 0xE4D0F3E55A6Eull;
// What stands after a run of Chinese characters that a value follows ("选课人数36" and
// "选课已满"): only the characters the place begins with count.
constexpr std::uint64_t kValueAfter = 0x7A1E5AF7E2B1ull;
// What stands before a run of Chinese characters that begins the message ("唐明秀退出"
// and "宋杰登录"), in place of a constant's hash.
constexpr std::uint64_t kMessageStart = 0x57A27E5A6E11ull;

// Whether a place that `before` begins (a constant's hash, or kMessageStart) begins at
// token `k` of `t`.
bool PlaceBegins(const Template& t, std::size_t k, std::uint64_t before) {
    if (before == kMessageStart) return k == 0;
    return k > 0 && IsConstant(t[k - 1].kind) && t[k - 1].hash == before;
}

// Where a line differs from a pattern by Chinese characters alone, in one place of a
// sentence: the characters on each side (either may have none) and the constants
// around them (or the message's end after them).
struct ChineseRun {
    std::string pattern;
    std::string line;
    std::uint64_t before = 0;
    std::uint64_t after = 0;
    bool ending = false;      // the run follows a value at once: only its ending counts
    bool plainValue = false;  // that value ends, on both sides, in no Chinese character
    bool glued = false;       // it lies in Chinese text glued after a value
    bool lastOnly = false;    // only the last character before the constant counts
    bool prefix = false;      // after digits or letters: its first two characters count
    // Of a run that follows digits or letters on both sides: the first two characters of
    // each side, which tell what happened where a name follows them.
    std::array<std::string, 2> leads;
};

// Places of Chinese text watched at once, at most.
constexpr std::size_t kWatched = 4;

// The runs of Chinese text that differ between a pattern and a line, in order.
struct ChineseRuns {
    ChineseRun at[kWatched];
    std::size_t count = 0;
    std::size_t missing = 0;  // runs that one side lacks
    std::size_t places = 0;   // places where Chinese text differs, of any kind
};

// The places of Chinese text that differed in the first line that differed from a
// pattern ("认购成功，客户王丽" and "赎回成功，客户梁平"; "社保增员成功：吴超超，参保地苏州"
// and "社保减员成功：孙勇，参保地北京"), watched until all but one show a third text:
// those hold values, and the last one, which still holds two, is where the pattern forks.
struct Watch {
    bool on = false;
    std::size_t places = 0;
    ChineseRun place[kWatched];
    std::uint64_t seen[kWatched][3] = {};
    std::size_t count[kWatched] = {};
    bool values[kWatched] = {};  // a third text showed there
    // The id of the lines by the places where they held the second text (bit k for place
    // k; 0: the pattern's own id), 0 while none came.
    std::uint32_t ids[std::size_t{1} << kWatched] = {};
};

struct Pattern {
    Template header;  // the generalised header of its lines, shown before the tokens
    Template tokens;
    std::vector<std::uint64_t> terms;  // TemplateTerms(tokens)
    std::int64_t count = 0;
    std::string tail;      // the blanks after the last token of the first line
    std::uint32_t id = 0;  // the id of its lines (but those of the fork's further words)
    Fork fork;
    std::vector<PairWord> pairs;  // of its first line, while no line held another word
    // The ids of a run fork's further texts, given up when a third text showed its place
    // to hold a value: their lines are the pattern's own.
    std::vector<std::uint32_t> retired;
    Watch watch;  // places watched while no fork was made
    // Further ids of the fork's second word, given while places were watched.
    std::vector<std::uint32_t> aliases;
    // In a log with Chinese text, the level its first line's header shows (LineLevel), or 0:
    // its services write each message at one level, so a line of another level is
    // another kind ("dft.check … result=PASS" at 信息 and "… result=FAIL" at 警告).
    std::uint64_t level = 0;
};

// Lines that each of a fork's words needs before Ranked shows them apart: a word seen
// once may be a value that happens to be a word.
constexpr std::int64_t kMinForkLines = 2;

// A word that may name a kind: lower-case letters, and no truth value or null, which
// are values wherever they stand.
bool LowerWord(std::string_view text) {
    if (text.size() < 2) return false;
    for (char c : text)
        if (c < 'a' || c > 'z') return false;
    return text != "true" && text != "false" && text != "null";
}

// A word that may stand at a fork between words: a lower-case word between blanks.
bool ForkWord(std::string_view text, std::string_view gap) {
    return !gap.empty() && LowerWord(text);
}

// A name a message may start with, a colon glued after it ("getTasks:",
// "update_state:"): a function's or a step's name, which tells what the message is
// about; letters and underscores, the first a lower-case letter.
bool LabelWord(std::string_view text) {
    if (text.size() < 3 || text[0] < 'a' || text[0] > 'z') return false;
    for (char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_')) return false;
    return text != "true" && text != "false" && text != "null";
}

// Whether `at` holds a colon glued to the token before it.
template <typename Token>
bool GluedColon(const Token& at) {
    return at.kind == TokenKind::Symbol && at.text == ":" && at.gap.empty();
}

// Whether `items[k]` is the value of a pair whose key is the word items[k - 2]: glued
// after "key=", or (with `names`, for constants' names) after "key:" or "key: ".
bool PairValueAt(const std::vector<Item>& items, std::size_t k, bool names) {
    if (k < 2 || items[k - 2].kind != TokenKind::Word) return false;
    const Item& eq = items[k - 1];
    if (eq.kind != TokenKind::Symbol || !eq.gap.empty()) return false;
    if (eq.text == "=") return items[k].gap.empty();
    return names && eq.text == ":" && ConstantName(items[k].text);
}

// A pair's value that may name a kind: a lower-case word glued after "key=", or (with
// `names`) a constant's name.
bool KindValue(const Item& v, bool names) {
    return v.kind == TokenKind::Variable && (LowerWord(v.text) || (names && ConstantName(v.text)));
}

// The value of the first pair of `items` whose key has the hash `key`, or nullptr.
const Item* PairValue(const std::vector<Item>& items, std::uint64_t key, bool names) {
    for (std::size_t k = 2; k < items.size(); ++k)
        if (items[k - 2].hash == key && PairValueAt(items, k, names)) return &items[k];
    return nullptr;
}

// Whether `items[k]` is a pair's value that may name a kind, with a blank or the
// line's end after it.
bool PairWordAt(const std::vector<Item>& items, std::size_t k, bool names) {
    return PairValueAt(items, k, names) && KindValue(items[k], names) &&
           (k + 1 == items.size() || !items[k + 1].gap.empty());
}

// The pairs of a pattern's first line whose values may name a kind.
std::vector<PairWord> PairWords(const std::vector<Item>& items, bool names) {
    std::vector<PairWord> pairs;
    for (std::size_t k = 2; k < items.size() && pairs.size() < kMaxPairWords; ++k)
        if (PairWordAt(items, k, names))
            pairs.push_back({items[k - 2].hash, HashToken(items[k].text, TokenKind::Word),
                             std::string(items[k].text)});
    return pairs;
}

// Whether `run` differs on both sides right after "已", the mark of a thing done ("增氧机
// 5#水车式增氧机已开启" and "增氧机1#叶轮式增氧机已关闭"): what was done.
bool Done(const ChineseRun& run) {
    static const std::uint64_t done = HashToken("\xd2\xd1", TokenKind::Cjk);  // 已
    return run.before == done && !run.pattern.empty() && !run.line.empty();
}

// Whether `x` is one of the four points of the compass, 东 西 南 北.
bool CompassPoint(std::string_view x) {
    return x == "\xb6\xab" || x == "\xce\xf7" || x == "\xc4\xcf" || x == "\xb1\xb1";
}

// Whether `run` is a direction on both sides: "上" on one and "下" on the other before "行",
// the way a train, a bus or a link runs ("10号线上行", "线路《56路》下行"), or two points of
// the compass ("往南岸（城南方向）", "往北岸（城北方向）").  That is a value of the thing it
// follows, not what happened to it.
bool Directions(const ChineseRun& run) {
    static const std::uint64_t line = HashToken("\xd0\xd0", TokenKind::Cjk);  // 行
    constexpr std::string_view kUp = "\xc9\xcf";                              // 上
    constexpr std::string_view kDown = "\xcf\xc2";                            // 下
    if (CompassPoint(run.pattern) && CompassPoint(run.line)) return run.pattern != run.line;
    return run.after == line &&
           ((run.pattern == kUp && run.line == kDown) || (run.pattern == kDown && run.line == kUp));
}

// Whether the aligner's path from `t` to `items` changes constants in one run of
// Chinese characters only, after a constant that matches and before another one or the
// message's end ("缓存未命中" and "缓存命中", "接口成功," and "接口超时,"), whatever values
// differ elsewhere; where several such runs differ, the one run that one side lacks
// ("为合格" and "为不合格": a name is never missing, a negation may be).  Where two to
// kWatched differ and none is missing, `all` (when given) gets them and false is
// returned; otherwise it gets none.  Characters that a variable part
// takes after its value, or that a value follows at once ("测试5" and "包装8"), are the
// value's.
bool OneChineseRun(const Template& t, const std::vector<Item>& items,
                   const std::vector<std::uint8_t>& path, ChineseRun& run, ChineseRuns* all) {
    // Glued: a Chinese character that matched right after a value that holds Chinese
    // characters, which may be the value's own ("报表<*>报" and "报表日产量报表"): one more
    // that matches makes it a constant.
    enum class Last { None, Same, Glued, Value, Run };
    Last last = Last::None;
    ChineseRun current;
    std::size_t runs = 0;     // runs between matching constants
    std::size_t missing = 0;  // of them, runs one side lacks
    ChineseRun lacked;
    // Runs that a value ends, on both sides ("人数36" and "已满"): they count only where
    // no run between constants differs.
    std::size_t leads = 0;
    ChineseRun lead;
    std::optional<ChineseRun> start;  // a run the message begins with
    bool closedByCjk = false;         // the run being closed ends at a Chinese character
    std::string_view lineValueEnd;    // the line's last Chinese character in the value being read
    std::string lineValueCjk;  // the line's Chinese characters after the value's last other token
    bool pairedPlain = false;  // the value's last step on both sides held no Chinese character
    std::optional<ChineseRun> prefixed;  // a run after digits or letters that ends as a name
    std::optional<ChineseRun> modifier;  // a run one side lacks that may be a name's modifier
    std::optional<ChineseRun> done;      // a run right after "已" (Done)
    std::size_t dones = 0;
    std::size_t i = 0;  // the places of the path's next step in t and in items
    std::size_t j = 0;
    // Whether the run, with some of the Chinese characters that matched after it, is the
    // end of a name glued after a value on both sides ("<*>有限责任公司" and "<*>有限公司").
    auto inName = [&](std::uint64_t after) {
        if (!current.glued || after == kValueAfter) return false;
        // The name may end before those characters do ("<*>运维公司完成").
        std::string pattern = current.pattern;
        std::string line = current.line;
        // Or the end of a name that one side lacks ("泽安银行信用卡中心" and "临江农商银行").
        const bool lacking = pattern.empty() != line.empty();
        if (lacking && NameEnding(pattern.empty() ? line : pattern)) return true;
        for (std::size_t k = i - 1;; ++k) {
            if (NameEnding(pattern) && NameEnding(line)) return true;
            if (after == kMessageEnd || k >= t.size() || t[k].kind != TokenKind::Cjk) return false;
            pattern += t[k].text;
            line += t[k].text;
        }
    };
    // Right after digits or letters, a run that ends as a name, or that a value follows,
    // begins with what happened ("列车10054到达飞机场" and "列车08046驶离体育中心"): its
    // first two characters count, on both sides.
    auto prefix = [&] {
        const std::string line = lineValueCjk + current.line;
        if (prefixed || current.pattern.size() < kEnding || line.size() < kEnding ||
            current.pattern.compare(0, kEnding, line, 0, kEnding) == 0)
            return;
        prefixed = current;
        prefixed->pattern.resize(kEnding);
        prefixed->line = line.substr(0, kEnding);
        prefixed->after = kValueAfter;
        prefixed->prefix = true;
    };
    // Counts a run between matching constants.
    auto count = [&](const ChineseRun& r) {
        ++runs;
        if (r.pattern.empty() || r.line.empty()) {
            ++missing;
            lacked = r;
        }
        if (runs == 1) run = r;
        if (all != nullptr && runs <= kWatched) all->at[runs - 1] = r;
    };
    auto close = [&](std::uint64_t after) {
        if (Done(current)) {
            ++dones;
            done = current;
            done->after = after;
        }
        if (current.ending && pairedPlain && inName(after)) {
            prefix();
            return;
        }
        if (inName(after)) return;
        if (after == kValueAfter) {
            if (current.pattern.empty() || current.line.empty()) return;
            if (++leads == 1) {
                lead = current;
                lead.after = after;
            }
            return;
        }
        // After a value, one character of the pattern's may end the value ("技术部" and
        // "研发中心"); a word of two or more tells what happened ("退出" and "登录"), and
        // so does one character after digits or letters on both sides ("列车08144出库"
        // and "列车11021回库", "集卡沪DR12MZ出闸" and "集卡津CELLS9进闸").
        if (current.ending && !current.plainValue && current.pattern.size() < 4) {
            // Unless the character and the line's last one, which its value took, each
            // make a word with the one glued after them that ends the sentence's part
            // ("快递员<*>离线，" and "快递员罗军上线，"): what happened, told by one
            // character.
            if (current.pattern.size() != 2 || current.line.size() > 2 ||
                (current.line.empty() && lineValueEnd.empty()) || i >= t.size() ||
                t[i].kind != TokenKind::Symbol || !t[i].gap.empty() ||
                t[i - 1].kind != TokenKind::Cjk || !t[i - 1].gap.empty())
                return;
            if (current.line.empty()) current.line.assign(lineValueEnd);
            current.lastOnly = true;
        }
        if (current.ending && Unit(current.pattern) && Unit(current.line)) return;
        // The text a message begins with counts only where nothing else differs, and
        // where no Chinese character that matched ends it: it is mostly a name, what
        // happened to it may differ elsewhere, and a character after it may be the
        // name's own ("天津武清仓" and "昆山保税仓").
        if (current.before == kMessageStart) {
            if (!current.pattern.empty() && !current.line.empty() && !closedByCjk) {
                start = current;
                start->after = after;
            }
            return;
        }
        current.after = after;
        if (current.ending && (current.plainValue || pairedPlain)) {
            const std::string line = lineValueCjk + current.line;
            if (current.pattern.size() > kEnding && line.size() > kEnding) {
                current.leads[0] = current.pattern.substr(0, kEnding);
                current.leads[1] = line.substr(0, kEnding);
            }
        }
        // Three characters or more that one side lacks before a Chinese word are a
        // name's modifier where nothing else differs ("八电极体测仪" and "体测仪"); a
        // negation is one or two ("为不合格").
        if ((current.pattern.empty() || current.line.empty()) &&
            current.pattern.size() + current.line.size() > 4 && i < t.size() &&
            t[i].kind == TokenKind::Cjk && !modifier) {
            modifier = current;
            return;
        }
        count(current);
    };
    std::uint64_t same = 0;        // the last constant that matched
    std::uint64_t valueAfter = 0;  // the constant that the value being read follows
    bool valueAfterSame = false;   // whether one does
    bool chineseValue = false;     // the value being read holds Chinese characters
    bool pairedValue = false;      // both sides hold some of it
    bool endsChinese = false;      // its last step was a Chinese character
    bool chain = false;            // only Chinese characters matched since a Chinese value or name
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        const bool up = *it == Aligner::Up;
        const bool left = *it == Aligner::Left;
        const PatternToken* a = left ? nullptr : &t[i];
        const Item* b = up ? nullptr : &items[j];
        if (!up) ++j;
        if (!left) ++i;
        const bool aCjk = a != nullptr && a->kind == TokenKind::Cjk;
        const bool bCjk = b != nullptr && b->kind == TokenKind::Cjk;
        if (a != nullptr && b != nullptr && IsConstant(a->kind) && IsConstant(b->kind) &&
            a->kind == b->kind && a->hash == b->hash) {
            if (last == Last::Run) {
                closedByCjk = aCjk;
                close(a->hash);
            }
            same = a->hash;
            // Text that differs on both sides is a name as a value is ("成都沐芮新材料有限公司"
            // and "杭州砚舟供应链管理有限责任公司"), and so is the rest of a name that text or
            // a value began ("餐饮管理股份有限公司" and "供应链管理有限责任公司").
            const bool named =
                last == Last::Run &&
                (current.glued || (!current.pattern.empty() && !current.line.empty()));
            chain = aCjk && (named || ((chain || last == Last::Glued || last == Last::Value) &&
                                       last != Last::Run && (last != Last::Value || chineseValue)));
            last = last == Last::Value && chineseValue && aCjk ? Last::Glued : Last::Same;
            continue;
        }
        // A word in place of another one, away from the runs, is a value that differs
        // elsewhere ("[gateway]" and "[batch]").
        const bool wordValue = a != nullptr && b != nullptr && a->kind == TokenKind::Word &&
                               b->kind == TokenKind::Word && last != Last::Run;
        const bool value = (a != nullptr && a->kind == TokenKind::Variable) ||
                           (b != nullptr && b->kind == TokenKind::Variable) ||
                           (left && bCjk && last == Last::Value) || wordValue;
        if (value) {
            chain = false;
            if (last == Last::Run && !current.ending) close(kValueAfter);
            if (last == Last::Run && current.ending && pairedPlain) prefix();
            if (last != Last::Value) {
                // A value the message begins with is followed as one after a constant is:
                // "<*>退出" and "杨勇登录" tell what happened to someone by their endings.
                const bool atStart = last == Last::None;
                valueAfterSame = last == Last::Same || atStart;
                valueAfter = atStart ? kMessageStart : same;
                chineseValue = false;
                pairedValue = false;
                pairedPlain = false;
                lineValueCjk.clear();
            }
            chineseValue = chineseValue || aCjk || bCjk;
            if (b != nullptr) lineValueEnd = bCjk ? b->text : std::string_view();
            if (a != nullptr && b != nullptr) pairedPlain = !aCjk && !bCjk;
            if (b != nullptr && !bCjk) lineValueCjk.clear();
            if (bCjk) lineValueCjk += b->text;
            endsChinese = aCjk || bCjk;
            pairedValue = pairedValue || (a != nullptr && b != nullptr);
            last = Last::Value;  // a run right before it was the value's
            continue;
        }
        // Constants that differ: Chinese characters on both sides, or on the one side
        // that has any here.
        if ((a != nullptr && !aCjk) || (b != nullptr && !bCjk)) {
            // After a run, the rest of the message may say more of what the run named
            // ("附着成功，…，APN:ims" and "附着失败，…，原因值#15").
            if (runs > 0) {
                last = Last::None;  // a run of its own that began is no run
                break;
            }
            if (all != nullptr) all->count = 0;
            return false;
        }
        if (last != Last::Run) {
            // Right after a value, characters of the pattern's own that differ tell what
            // happened to it ("用户<*>退出" and "用户张敏磊登录"): the place is the value
            // and them, told apart by its ending.
            // So are those the message begins with ("唐明秀退出" and "宋杰登录").
            const bool first = last == Last::None;
            const bool ending = (last == Last::Value && valueAfterSame && a != nullptr) || first;
            // A character that matched after a value, with characters on both sides
            // that differ after it, is the sentence's ("天津武清仓出库" and "昆山保税仓入
            // 库"): what differs after it is a run.
            const bool afterGlued = last == Last::Glued && a != nullptr && b != nullptr;
            if (last != Last::Same && !ending && !afterGlued) {
                last = Last::Value;  // after a value: the value's
                continue;
            }
            current = ChineseRun{};
            current.before = first ? kMessageStart : ending ? valueAfter : same;
            current.ending = ending;
            current.plainValue = !endsChinese && pairedValue;
            current.glued = (ending && !first) || chain;
        }
        if (a != nullptr) current.pattern += a->text;
        if (b != nullptr) current.line += b->text;
        last = Last::Run;
    }
    if (last == Last::Run) close(kMessageEnd);
    // Where something else differs, the modifier counts as any run.
    if (modifier && (runs > 0 || leads > 0 || prefixed || start)) count(*modifier);
    if (all != nullptr) all->places = runs + leads + (start ? 1 : 0) + (prefixed ? 1 : 0);
    // What was done tells the kind, whatever else differs: the other runs are names (the
    // places that differ still count, for the grouping that refuses many).
    if (dones == 1) {
        run = *done;
        if (all != nullptr) {
            all->count = 0;
            all->missing = 0;
        }
        return true;
    }
    if (runs == 0 && leads == 1) {
        runs = 1;
        run = lead;
    }
    if (runs == 0 && leads == 0 && prefixed) {
        runs = 1;
        run = *prefixed;
    }
    if (runs == 0 && leads == 0 && start) {
        runs = 1;
        run = *start;
    }
    if (runs > 1 && missing == 1) run = lacked;
    if (all != nullptr) {
        all->count = runs >= 2 && runs <= kWatched && missing == 0 ? runs : 0;
        all->missing = missing;
    }
    return (runs == 1 || missing == 1) && run.pattern != run.line;
}

// The Chinese characters a line holds, along the aligner's path, at the variable part of
// `t` between the constants with the hashes `before` and `after` (or the message's end):
// false when anything else stands there.  With `ending`, the place is a value and what
// happened to it: the characters after the value's last other token ("CDT-4恢复").
bool RunAtFork(const Template& t, const std::vector<Item>& items,
               const std::vector<std::uint8_t>& path, std::uint64_t before, std::uint64_t after,
               std::string& run, bool ending = false, bool prefix = false) {
    const bool lead = after == kValueAfter;
    auto atFork = [&](std::size_t i) {
        return t[i].kind == TokenKind::Variable && PlaceBegins(t, i, before) &&
               (lead || (i + 1 < t.size() ? IsConstant(t[i + 1].kind) && t[i + 1].hash == after
                                          : after == kMessageEnd));
    };
    bool seen = false;
    bool inFork = false;
    bool ended = false;  // of a place where a value follows the run: the run ended
    auto take = [&](const Item& item) {
        if (prefix) {
            // The Chinese characters after the value's digits or letters, up to what follows.
            if (item.kind != TokenKind::Cjk)
                ended = ended || !run.empty();
            else if (!ended)
                run += item.text;
            return true;
        }
        if (ending && item.kind != TokenKind::Cjk) {
            run.clear();
            return true;
        }
        if (ended || item.kind != TokenKind::Cjk) {
            ended = true;
            return lead;
        }
        run += item.text;
        return true;
    };
    std::size_t i = 0;
    std::size_t j = 0;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (*it == Aligner::Left) {
            if (inFork && !take(items[j])) return false;
            ++j;
            continue;
        }
        inFork = atFork(i);
        if (inFork) {
            if (seen) return false;
            seen = true;
            if (*it == Aligner::Diag && !take(items[j])) return false;
        }
        ++i;
        if (*it == Aligner::Diag) ++j;
    }
    return seen;
}

// The Chinese characters (none, or constants) that `t` holds between a constant with the
// hash `before` and one with the hash `after` (or the end): false when no such place
// holds only Chinese characters.
bool RunTextAt(const Template& t, std::uint64_t before, std::uint64_t after, std::string& run) {
    for (std::size_t k = 0; k <= t.size(); ++k) {
        if (!PlaceBegins(t, k, before)) continue;
        run.clear();
        for (std::size_t e = k; e <= t.size(); ++e) {
            // Where a value follows the run, the value or the end ends it.
            const bool lead = after == kValueAfter && !run.empty();
            if (e == t.size()) {
                if (after == kMessageEnd || lead) return true;
                break;
            }
            if (IsConstant(t[e].kind) && t[e].hash == after) return true;
            if (t[e].kind != TokenKind::Cjk) {
                if (lead && t[e].kind == TokenKind::Variable) return true;
                // Or a clause ends it where the value is missing ("已完成，" beside
                // "已逾期<*>，").
                if (lead && t[e].kind == TokenKind::Symbol &&
                    (t[e].text == kWideComma || t[e].text == kWideSemicolon))
                    return true;
                // A pair's sign may stand between the text and its value ("识别置信度=0.59").
                if (lead && t[e].kind == TokenKind::Symbol && e + 1 < t.size() &&
                    t[e + 1].kind == TokenKind::Variable && t[e].text == "=")
                    return true;
                break;
            }
            run += t[e].text;
        }
    }
    return false;
}

// The last two Chinese characters of a run's text (two bytes each; kEnding), or all of
// it; or its last `bytes`.
std::string Ending(const std::string& text, std::size_t bytes = kEnding) {
    return text.size() > bytes ? text.substr(text.size() - bytes) : text;
}

// What counts of a run's text at run fork `f`: all of it, or, on a fork on its edges,
// its last two characters, or its first two where a value follows the run.
std::string ForkText(const Fork& f, const std::string& text) {
    if (!f.suffix) return text;
    return f.after == kValueAfter ? text.substr(0, kEnding) : Ending(text, f.ending);
}

// The Chinese text that `t` holds at run fork `f`'s place; for a fork on endings, the
// ending of the characters after the last value there ("<*>登录", "王<*>登录" or
// "王涛勇登录": "登录").
bool PlaceText(const Template& t, const Fork& f, std::string& text) {
    if (f.prefix) {
        // The Chinese characters after the value that follows `before`.
        for (std::size_t k = 0; k < t.size(); ++k) {
            if (!PlaceBegins(t, k, f.before) || t[k].kind != TokenKind::Variable) continue;
            text.clear();
            for (std::size_t e = k + 1; e < t.size() && t[e].kind == TokenKind::Cjk; ++e)
                text += t[e].text;
            if (text.empty()) return false;
            text = ForkText(f, text);
            return true;
        }
        return false;
    }
    if (!f.suffix || f.after == kValueAfter) {
        if (!RunTextAt(t, f.before, f.after, text)) return false;
        text = ForkText(f, text);
        return true;
    }
    for (std::size_t k = 0; k <= t.size(); ++k) {
        if (!PlaceBegins(t, k, f.before)) continue;
        text.clear();
        for (std::size_t e = k; e <= t.size(); ++e) {
            const bool end = e == t.size();
            if ((end && f.after == kMessageEnd) ||
                (!end && IsConstant(t[e].kind) && t[e].hash == f.after)) {
                if (text.empty()) break;
                text = Ending(text, f.ending);
                return true;
            }
            if (end) break;
            if (t[e].kind == TokenKind::Variable)
                text.clear();
            else if (t[e].kind == TokenKind::Cjk)
                text += t[e].text;
            else
                break;
        }
    }
    return false;
}

// Turns `p`'s run fork `f`, holding two texts with `third` coming, into a fork on their
// last two characters when each text holds more than those and the three end in at most
// two ways ("张强刚退出", "胡霞伟登录" and "徐军登录": a name glued before what
// happened), or on their first two where a value follows the run ("到达包装11",
// "到达装配7" and "电量低：10%": a place named after what happened).  The lines of the
// second text become the pattern's own when it has the first one's edge.
bool ToEdges(Pattern& p, Fork& f, const std::string& third) {
    if (f.count != 2) return false;
    Fork edged = f;
    edged.suffix = true;
    auto longer = [&](const std::string& text) {
        return text.size() > ForkText(edged, text).size();
    };
    auto twoWays = [&] {
        const std::string a = ForkText(edged, f.text[0]);
        const std::string b = ForkText(edged, f.text[1]);
        const std::string c = ForkText(edged, third);
        return longer(f.text[0]) && longer(f.text[1]) && longer(third) &&
               (a == b || c == a || c == b);
    };
    // Where one Chinese character glued after the place ends the sentence's part ("快递员马丽
    // 离线，" and "快递员吴丽上线，": 离 or 上 before 线), the texts' last character alone.
    auto oneAfter = [&] {
        const Template& t = p.tokens;
        for (std::size_t k = 1; k + 1 < t.size(); ++k)
            if (t[k].kind == TokenKind::Cjk && t[k].hash == f.after && t[k].gap.empty() &&
                t[k - 1].kind == TokenKind::Variable && t[k + 1].kind == TokenKind::Symbol)
                return true;
        return false;
    };
    if (!twoWays()) {
        if (f.after == kValueAfter || !oneAfter()) return false;
        edged.ending = kEnding / 2;
        if (!twoWays()) return false;
    }
    const std::string first = ForkText(edged, f.text[0]);
    const std::string second = ForkText(edged, f.text[1]);
    // Names of organisations are told apart by their whole text, not by their endings
    // ("配送中心" and "有限公司").
    // Nor are they where the ending that two texts share is a name's ("跨境电商企业", "支付企业"
    // and "进出口货物收发货人"): the place names organisations of a few kinds.
    // Nor is a remark alone in brackets ("（装修垃圾）", "（厨余垃圾）" and "（可回收物）") or a
    // label's value at the message's end ("品类：大件垃圾" and "品类：可回收物"): a value's
    // kind, not what happened.
    static const std::uint64_t open = HashToken(kWideOpen, TokenKind::Symbol);
    static const std::uint64_t close = HashToken(kWideClose, TokenKind::Symbol);
    static const std::uint64_t colon = HashToken(kWideColon, TokenKind::Symbol);
    if ((f.before == open && f.after == close) || (f.before == colon && f.after == kMessageEnd))
        return false;
    const std::string last = ForkText(edged, third);
    if ((NameEnding(f.text[0]) && NameEnding(f.text[1]) && NameEnding(third)) ||
        NameEnding(first == second || last == first ? first : second))
        return false;
    f.suffix = true;
    f.ending = edged.ending;
    f.words[0] = HashToken(first, TokenKind::Cjk);
    f.text[0] = first;
    if (second == first) {
        p.retired.push_back(f.ids[1]);
        f.count = 1;
    } else {
        f.words[1] = HashToken(second, TokenKind::Cjk);
        f.text[1] = second;
    }
    return true;
}

// Makes `f` a fork whose first word, `word` with the text `text`, is that of the lines
// with `id` (the pattern's own); the kind of place and where it stands are set apart.
void OpenFork(Fork& f, std::uint64_t word, std::string_view text, std::uint32_t id) {
    f.on = true;
    f.words[0] = word;
    f.text[0].assign(text);
    f.ids[0] = id;
    f.count = 1;
}

// The id of the lines with `word` at fork `f`: a word seen there before keeps its id, a
// new one gets one from `next` while the fork takes it, and one more widens the fork.
template <typename NextId>
std::uint32_t ForkWordId(Fork& f, std::uint64_t word, std::string_view text, NextId next) {
    for (std::size_t k = 0; k < f.count; ++k)
        if (f.words[k] == word) return f.ids[k];
    if (f.count >= f.Limit()) {
        f.wide = true;
        return f.ids[0];
    }
    f.words[f.count] = word;
    f.text[f.count].assign(text);
    f.ids[f.count] = next();
    return f.ids[f.count++];
}

// Keeps of a run that follows a value only the ending that tells what happened to it
// ("用户张敏磊登录": "登录"), on both sides.
void ToEnding(ChineseRun& run) {
    if (!run.ending || run.prefix) return;
    run.pattern = Ending(run.pattern);
    run.line = Ending(run.line);
}

// Makes `f` a run fork at the place of `run` (its ending kept, ToEnding), whose first
// text, the pattern's, is that of the lines with `id`.
void OpenRunFork(Fork& f, const ChineseRun& run, std::uint32_t id) {
    f.run = true;
    f.suffix = run.ending;
    f.prefix = run.prefix;
    f.leads[0] = run.leads[0];
    f.leads[1] = run.leads[1];
    f.before = run.before;
    f.after = run.after;
    OpenFork(f, HashToken(run.pattern, TokenKind::Cjk), run.pattern, id);
}

// Gives run fork `f`, holding its first text, the second one (the line's), without an id.
void AddSecondText(Fork& f, const std::string& text) {
    f.words[1] = HashToken(text, TokenKind::Cjk);
    f.text[1] = text;
    f.count = 2;
}

// Makes `f` a run fork at watched place `k` of `w`, its first text that of the lines
// with `id`, its second text the one that place showed second.
void ForkAtPlace(const Watch& w, std::size_t k, std::uint32_t id, Fork& f) {
    OpenRunFork(f, w.place[k], id);
    AddSecondText(f, w.place[k].line);
}

// Makes `p`'s fork a run fork at `run`, the place where a line differs from it (its ending
// kept, ToEnding), and returns the line's id.
template <typename NextId>
std::uint32_t ForkAtRun(Pattern& p, ChineseRun run, NextId next) {
    Fork& f = p.fork;
    ToEnding(run);
    OpenRunFork(f, run, p.id);
    if (run.lastOnly) {
        f.suffix = true;
        f.ending = kEnding / 2;
    }
    return ForkWordId(f, HashToken(run.line, TokenKind::Cjk), run.line, next);
}

// The first token at which a place that `before` begins begins in `t`, or t.size().
std::size_t PlaceAt(const Template& t, std::uint64_t before) {
    for (std::size_t k = 0; k < t.size(); ++k)
        if (PlaceBegins(t, k, before)) return k;
    return t.size();
}

// Whether the line differs from `t` along `path` in one word of the sentence, of one or two
// Chinese characters, that no colon or comma begins, which `word` gets, besides a place that
// `before` begins: where that place is a field's value, after a colon or a comma up to the
// next comma ("闸口：西区智能闸，" beside "进闸" and "出闸"), or after the message's first
// colon while the word stands before it, in the title ("参保地成都，" beside "社保减员成功："
// and "社保增员成功："), or where the word is what was done ("已开启" and "已关闭" beside
// "叶轮式" and "水车式").  A field's value or a name that takes two texts first may still
// take more: the word tells what happened.
bool WordBesideField(const Template& t, const std::vector<Item>& items,
                     const std::vector<std::uint8_t>& path, std::uint64_t before,
                     ChineseRun& word) {
    static const std::uint64_t wideColon = HashToken(kWideColon, TokenKind::Symbol);
    static const std::uint64_t wideComma = HashToken(kWideComma, TokenKind::Symbol);
    constexpr std::size_t kMaxWordBytes = 4;
    if (!OneChineseRun(t, items, path, word, nullptr) || word.pattern.empty() ||
        word.line.empty() || word.pattern.size() > kMaxWordBytes ||
        word.line.size() > kMaxWordBytes || word.before == wideColon || word.before == wideComma ||
        Directions(word))
        return false;
    if (before == wideColon || before == wideComma || Done(word)) return true;
    std::size_t colon = 0;
    while (colon < t.size() && !(t[colon].kind == TokenKind::Symbol && t[colon].text == kWideColon))
        ++colon;
    const std::size_t place = PlaceAt(t, before);
    return colon < place && place < t.size() && PlaceAt(t, word.before) < colon;
}

// A line that joins `p` while places are watched (Watch): the texts it holds there are
// counted, and once all places but one have shown a third text, the pattern forks at
// that one.  Returns the line's id.
template <typename NextId>
std::uint32_t WatchPlaces(Pattern& p, const std::vector<Item>& items,
                          const std::vector<std::uint8_t>& path, NextId next) {
    Watch& w = p.watch;
    std::size_t mask = 0;   // the places (still watched) where the line holds the second text
    std::size_t alive = 0;  // places that hold no values
    std::size_t last = 0;   // the last of them
    std::size_t index[kWatched] = {};  // of the text at each place among those seen there
    for (std::size_t k = 0; k < w.places; ++k) {
        std::string text;
        const bool ending = w.place[k].ending;
        if (!RunAtFork(p.tokens, items, path, w.place[k].before, w.place[k].after, text, ending)) {
            w.on = false;  // a value of another kind there: the lines stay the pattern's
            return p.id;
        }
        if (ending) text = Ending(text);
        const std::uint64_t h = HashToken(text, TokenKind::Cjk);
        index[k] =
            static_cast<std::size_t>(std::find(w.seen[k], w.seen[k] + w.count[k], h) - w.seen[k]);
        if (index[k] == w.count[k] && w.count[k] < 3) w.seen[k][w.count[k]++] = h;
        if (index[k] >= 2) w.values[k] = true;
        if (w.values[k]) continue;
        ++alive;
        last = k;
        if (index[k] == 1) mask |= std::size_t{1} << k;
    }
    if (alive == 0) {
        w.on = false;
        // Every place held values: the line may still fork the pattern in another one.
        if (ChineseRun run; OneChineseRun(p.tokens, items, path, run, nullptr) &&
                            !run.pattern.empty() && !run.line.empty() && !Directions(run))
            return ForkAtRun(p, run, next);
        return p.id;
    }
    // The last place that holds two texts is a field's value, and the line differs in a word
    // of the sentence as well: the pattern forks at the word (WordBesideField).
    if (ChineseRun word;
        alive == 1 && WordBesideField(p.tokens, items, path, w.place[last].before, word)) {
        w.on = false;
        return ForkAtRun(p, word, next);
    }
    if (alive == 1) {
        // The other places hold values: the pattern forks at the last one.
        w.on = false;
        Fork& f = p.fork;
        ForkAtPlace(w, last, p.id, f);
        // The ids lines got while watched: by their text at the fork's place.
        f.ids[1] = 0;
        for (std::size_t m = 0; m < (std::size_t{1} << w.places); ++m) {
            const std::uint32_t id = w.ids[m];
            if (id == 0 || id == p.id || ((m >> last) & 1) == 0) continue;
            p.retired.erase(std::remove(p.retired.begin(), p.retired.end(), id), p.retired.end());
            if (f.ids[1] == 0)
                f.ids[1] = id;
            else
                p.aliases.push_back(id);
        }
        if (f.ids[1] == 0) f.ids[1] = next();
        return f.ids[index[last]];
    }
    std::uint32_t& id = w.ids[mask];
    if (id == 0) {
        id = next();
        p.retired.push_back(id);
    }
    return id;
}

// The fork a pattern still watching places (Watch) makes when its lines are all
// counted: where they held the first line's texts only together ("检查申请已提交" and
// "检查报告已出具", never "申请" with "出具"), the two texts are kinds, told apart at the
// first place.  False when they came in other ways, or a fork was made.  `f` is a new
// fork.
bool WatchedFork(const Pattern& p, Fork& f, std::vector<std::uint32_t>& more) {
    const Watch& w = p.watch;
    if (!w.on || p.fork.on) return false;
    // The places that held two texts, no values ("到件" and "发件", "上一站" and "下一站",
    // beside a place of station names).
    std::size_t together = 0;
    std::size_t first = w.places;
    for (std::size_t k = 0; k < w.places; ++k) {
        if (w.values[k]) continue;
        if (w.count[k] != 2) return false;
        together |= std::size_t{1} << k;
        first = std::min(first, k);
    }
    if (together == 0) return false;
    const std::size_t all = (std::size_t{1} << w.places) - 1;
    more.clear();
    std::uint32_t second = 0;
    for (std::size_t m = 1; m <= all; ++m) {
        if (w.ids[m] == 0 || (m & together) == 0) continue;
        if ((m & together) != together) return false;
        if (second == 0)
            second = w.ids[m];
        else
            more.push_back(w.ids[m]);
    }
    if (second == 0 || Directions(w.place[first])) return false;
    ForkAtPlace(w, first, p.id, f);
    f.ids[1] = second;
    return true;
}

// Gives up `p`'s run fork: its further texts' lines are the pattern's again.
void GiveUpRunFork(Pattern& p) {
    Fork& f = p.fork;
    p.retired.insert(p.retired.end(), f.ids + 1, f.ids + f.count);
    p.retired.insert(p.retired.end(), p.aliases.begin(), p.aliases.end());
    p.aliases.clear();
    f.on = f.run = f.suffix = f.prefix = false;
    f.ending = kEnding;
    f.count = 0;
}

// The id of a line that joins `p` along `path` (the aligner's, before the Merge):
// p's own, or that of a further word of its fork.  The first line that differs from
// p only by one such word in place of another, both between words (with `either`),
// only by the name the message starts with before a colon (with `labels`), only by the
// message's first word or a pair's key (with `places`: "disk limit not specified" and
// "vcpu limit not specified", "Total memory: 5 MB" and "Total disk: 7 GB"), or only by
// the word a pair of p's first line holds (with `pairs`, unless `chineseLog`: a line so
// far held Chinese text), makes the fork (`next` gives its ids); anything but a word
// there widens it for good, but for a fork at a run of Chinese characters, which is
// given up and may be made again elsewhere.
template <typename NextId>
std::uint32_t ForkId(Pattern& p, const std::vector<std::uint8_t>& path,
                     const std::vector<Item>& items, const PatternTuning& tuning, bool chineseLog,
                     NextId next) {
    const bool either = tuning.eitherWord;
    const bool labels = tuning.labelWords;
    const bool places = tuning.wordPlaces;
    const bool pairs = tuning.pairWords;
    const bool names = tuning.constantNames;
    Fork& f = p.fork;
    if (f.wide) return p.id;
    if (f.on && f.run) {
        std::string run;
        if (!RunAtFork(p.tokens, items, path, f.before, f.after, run,
                       f.suffix && f.after != kValueAfter, f.prefix)) {
            // Other text than Chinese characters there: the place holds values, as where a
            // third text came (below), and the line may still make a fork in another place.
            GiveUpRunFork(p);
        } else {
            std::string text = ForkText(f, run);
            std::uint64_t word = HashToken(text, TokenKind::Cjk);
            // A fork at a field's value with a line that holds one of its two texts and differs in
            // a word of the sentence: the field holds names, and the fork is made again at the
            // word (below).
            if (ChineseRun sentence;
                f.count == 2 && std::find(f.words, f.words + f.count, word) != f.words + f.count &&
                WordBesideField(p.tokens, items, path, f.before, sentence)) {
                GiveUpRunFork(p);
            } else if (f.count >= f.Limit() &&
                       std::find(f.words, f.words + f.count, word) == f.words + f.count) {
                if (!f.suffix && ToEdges(p, f, run)) {
                    text = ForkText(f, run);
                    return ForkWordId(f, HashToken(text, TokenKind::Cjk), text, next);
                }
                // Texts after digits or letters that end in three ways but begin in two: what
                // happened comes first, a name after it ("到达科技园", "驶离飞机场" and
                // "到达世纪大道").
                if (f.suffix && !f.prefix && f.count == 2 && !f.leads[0].empty() &&
                    f.leads[0] != f.leads[1] && run.size() > kEnding &&
                    (run.compare(0, kEnding, f.leads[0]) == 0 ||
                     run.compare(0, kEnding, f.leads[1]) == 0)) {
                    f.prefix = true;
                    f.after = kValueAfter;
                    for (std::size_t k = 0; k < 2; ++k) {
                        f.text[k] = f.leads[k];
                        f.words[k] = HashToken(f.text[k], TokenKind::Cjk);
                    }
                    text = run.substr(0, kEnding);
                    return ForkWordId(f, HashToken(text, TokenKind::Cjk), text, next);
                }
                // A third text: the place holds names or other values ("质检员周娟判定" and
                // "质检员孙娜涛判定").  The fork is given up, so that one in another place
                // ("为合格" and "为不合格", or "<*>退出" and "张敏磊登录" right after the
                // names) can still be found, this line's first.
                GiveUpRunFork(p);
                // The line may still make a fork in another place: on below.
            } else {
                return ForkWordId(f, word, text, next);
            }
        }
    }
    if (f.on && f.pair) {
        const Item* v = PairValue(items, f.before, names);
        if (v == nullptr || !KindValue(*v, names)) {
            f.wide = true;
            return p.id;
        }
        return ForkWordId(f, HashToken(v->text, TokenKind::Word), v->text, next);
    }
    const Template& t = p.tokens;
    auto atFork = [&](std::size_t i) {
        if (f.label) return i == 0 && t[0].kind == TokenKind::Variable;
        return t[i].kind == TokenKind::Variable && i > 0 && i + 1 < t.size() &&
               t[i - 1].kind == TokenKind::Word && t[i - 1].hash == f.before &&
               (f.key ? GluedColon(t[i + 1]) : t[i + 1].kind == TokenKind::Word) &&
               t[i + 1].hash == f.after;
    };
    std::size_t changed = 0;  // constants of p in place of other constants
    std::size_t changedAt = 0;
    std::size_t changedItem = 0;
    const Item* found = nullptr;  // the line's word at the fork
    bool many = false;            // the fork's place takes more than one token, or no word
    bool inFork = false;
    std::size_t i = 0;
    std::size_t j = 0;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (*it == Aligner::Left) {
            many = many || inFork;
            ++j;
            continue;
        }
        inFork = f.on && atFork(i);
        if (inFork) {
            if (*it == Aligner::Diag && items[j].kind == TokenKind::Word && found == nullptr)
                found = &items[j];
            else
                many = true;
        }
        if (*it == Aligner::Diag && IsConstant(t[i].kind) && IsConstant(items[j].kind) &&
            (t[i].kind != items[j].kind || t[i].hash != items[j].hash)) {
            ++changed;
            changedAt = i;
            changedItem = j;
        }
        ++i;
        if (*it == Aligner::Diag) ++j;
    }
    if (f.on) {
        if (found == nullptr || many) {
            f.wide = true;
            return p.id;
        }
        return ForkWordId(f, found->hash, found->text, next);
    }
    bool pairsDiffered = false;
    // In a log with Chinese text the words that name a message's kind are Chinese, and a
    // pair's word is the state or result of what the message reports (result=clear,
    // result=consider) or a mode it ran in (track=original, track=accomp): a value, in
    // its machine records too.
    if (pairs && !p.pairs.empty() && !chineseLog) {
        // The pairs of p's first line whose word this line does not hold: one, with a
        // word, in a line otherwise alike makes the fork; any other hold values.
        std::size_t differ = 0;
        const PairWord* at = nullptr;
        const Item* atValue = nullptr;
        for (PairWord& pw : p.pairs) {
            const Item* v = PairValue(items, pw.key, names);
            const bool word = v != nullptr && KindValue(*v, names);
            const std::uint64_t h = word ? HashToken(v->text, TokenKind::Word) : 0;
            if (h == pw.value) continue;
            ++differ;
            at = word ? &pw : nullptr;
            atValue = v;
            pw.value = 0;  // marks it to go
        }
        if (differ == 1 && at != nullptr && changed == 0) {
            f.pair = true;
            f.before = at->key;
            OpenFork(f, HashToken(at->text, TokenKind::Word), at->text, p.id);
            p.pairs.clear();
            return ForkWordId(f, HashToken(atValue->text, TokenKind::Word), atValue->text, next);
        }
        if (differ > 0) {
            p.pairs.erase(std::remove_if(p.pairs.begin(), p.pairs.end(),
                                         [](const PairWord& pw) { return pw.value == 0; }),
                          p.pairs.end());
            // The pairs held values; Chinese text may still name the kind ("附着成功，
            // APN:ims" and "附着失败，原因值#7"), but nothing else does.
            if (!tuning.chineseRuns) return p.id;
            pairsDiffered = true;
        }
    }
    if (tuning.chineseRuns && p.watch.on) return WatchPlaces(p, items, path, next);
    if (tuning.chineseRuns) {
        ChineseRun run;
        ChineseRuns all;
        const bool one = OneChineseRun(t, items, path, run, &all);
        if (!one && all.count >= 2) {
            Watch& w = p.watch;
            w.on = true;
            w.places = all.count;
            for (std::size_t k = 0; k < all.count; ++k) {
                w.place[k] = std::move(all.at[k]);
                ToEnding(w.place[k]);  // what happened to a value counts, as in a fork
                w.seen[k][0] = HashToken(w.place[k].pattern, TokenKind::Cjk);
                w.seen[k][1] = HashToken(w.place[k].line, TokenKind::Cjk);
                w.count[k] = 2;
            }
            const std::size_t every = (std::size_t{1} << w.places) - 1;
            w.ids[0] = p.id;
            w.ids[every] = next();
            p.retired.push_back(w.ids[every]);  // the pattern's own until a fork says
            return w.ids[every];
        }
        if (one && Directions(run)) return p.id;
        if (one) return ForkAtRun(p, run, next);
    }
    if (pairsDiffered) return p.id;
    if (changed != 1 || changedAt + 1 >= t.size() || changedItem + 1 >= items.size()) return p.id;
    const PatternToken& a = t[changedAt];
    const Item& b = items[changedItem];
    const bool first = changedAt == 0 && changedItem == 0 && a.kind == TokenKind::Word &&
                       b.kind == TokenKind::Word && t.size() > 2 && items.size() > 2;
    if (first && ((labels && GluedColon(t[1]) && GluedColon(items[1]) && LabelWord(a.text) &&
                   LabelWord(b.text)) ||
                  (places && t[1].kind == TokenKind::Word && !t[1].gap.empty() &&
                   !items[1].gap.empty() && LowerWord(a.text) && LowerWord(b.text)))) {
        f.label = true;
        OpenFork(f, a.hash, a.text, p.id);
        return ForkWordId(f, b.hash, b.text, next);
    }
    if (changedAt == 0 || a.kind != TokenKind::Word || b.kind != TokenKind::Word ||
        t[changedAt - 1].kind != TokenKind::Word || !ForkWord(a.text, a.gap) ||
        !ForkWord(b.text, b.gap))
        return p.id;
    const bool key = places && GluedColon(t[changedAt + 1]) && GluedColon(items[changedItem + 1]);
    if (!key && (!either || t[changedAt + 1].kind != TokenKind::Word ||
                 t[changedAt + 1].gap.empty() || items[changedItem + 1].gap.empty()))
        return p.id;
    f.key = key;
    f.before = t[changedAt - 1].hash;
    f.after = t[changedAt + 1].hash;
    OpenFork(f, a.hash, a.text, p.id);
    return ForkWordId(f, b.hash, b.text, next);
}

// Whether the aligner's last path from `t` to `items` leaves a value of one side out:
// a variable part missing on the other side (Optional).
bool LeavesValueOut(const Template& t, const std::vector<Item>& items,
                    const std::vector<std::uint8_t>& path) {
    std::size_t i = 0;
    std::size_t j = 0;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        if (*it == Aligner::Up && t[i].kind == TokenKind::Variable) return true;
        if (*it == Aligner::Left && items[j].kind == TokenKind::Variable) return true;
        if (*it != Aligner::Left) ++i;
        if (*it != Aligner::Up) ++j;
    }
    return false;
}

// Whether a header of the same form as `header` names another program: another word
// where `header` holds a word ("combo gdm(pam_unix)" against "combo sshd(pam_unix)").
// A pattern whose lines came from several programs holds a variable part there.
// A word glued after a label's colon or "=" ("(站码:BJC)", "host=web1") is a field's
// value and names no program.
bool OtherProgram(const Template& header, const Item* items, std::size_t count) {
    if (header.size() != count) return false;
    auto fieldValue = [&](std::size_t k) {
        const std::string_view text = items[k].text;
        const Item& before = items[k - 1];
        return items[k].gap.empty() &&
               ((!text.empty() && (text[0] == ':' || text[0] == '=')) ||
                (before.kind == TokenKind::Symbol &&
                 (before.text == ":" || before.text == "=" || before.text == kWideColon)));
    };
    for (std::size_t k = 0; k < count; ++k)
        if (header[k].kind == TokenKind::Word && items[k].kind == TokenKind::Word &&
            header[k].hash != items[k].hash && !(k > 0 && fieldValue(k)))
            return true;
    return false;
}

// Whether a line (its header `head` of `headCount` items, its message `message`) that
// the aligner's last path joins to `p` comes from another program and lacks a value of
// p's or holds one p lacks.  The same message from two programs is one kind of line
// ("session opened for user root" of a login and of a cron job); a message that also
// needs a value left out to fit is mostly another program's own kind of line that
// happens to share the words ("tty=:0 ruser= rhost=" of a desktop login against
// "tty=NODEVssh ruser= rhost=<*>" of a remote one).
bool OtherSource(const Pattern& p, const Item* head, std::size_t headCount,
                 const std::vector<std::uint8_t>& path, const std::vector<Item>& message) {
    return OtherProgram(p.header, head, headCount) && LeavesValueOut(p.tokens, message, path);
}

std::size_t Shared(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
    std::size_t n = 0;
    for (std::size_t i = 0, j = 0; i < a.size() && j < b.size();) {
        if (a[i] < b[j]) {
            ++i;
        } else if (b[j] < a[i]) {
            ++j;
        } else {
            ++n;
            ++i;
            ++j;
        }
    }
    return n;
}

// The pattern of `pool` that `items` (with `terms`) is most similar to, when that is
// at least `similarity` percent (of matched / (matched + cost), see Aligner); -1
// otherwise.  Patterns of another `level` than the line's (Pattern::level) are not taken.  A
// generalised pattern has lost the words that varied, so candidates are taken in the order of how
// much of the pattern's words the line covers, not of how many words they share.
int BestMatch(const std::vector<Pattern>& pool, CandidateIndex& index, Aligner& aligner,
              const std::vector<Item>& items, const std::vector<std::uint64_t>& terms,
              std::vector<std::uint32_t>& candidates, int similarity, std::uint64_t level) {
    index.Find(terms, candidates);
    struct Ranked {
        std::uint32_t id;
        std::size_t shared;
        std::size_t size;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(candidates.size());
    for (std::uint32_t id : candidates)
        ranked.push_back(
            {id, Shared(terms, pool[id].terms), std::max<std::size_t>(pool[id].terms.size(), 1)});
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        const std::size_t l = a.shared * b.size;
        const std::size_t r = b.shared * a.size;
        if (l != r) return l > r;
        return a.shared != b.shared ? a.shared > b.shared : a.id < b.id;
    });
    int bestSimilarity = -1;
    int best = -1;
    int last = -1;  // the candidate whose path the aligner holds
    for (std::size_t k = 0; k < ranked.size() && k < kCandidates; ++k) {
        // A line without half of a pattern's words is not like it; skipping the
        // alignment keeps lines that resemble nothing (binary junk, free text) cheap.
        if (2 * ranked[k].shared < ranked[k].size) continue;
        if (level != 0 && pool[ranked[k].id].level != 0 && pool[ranked[k].id].level != level)
            continue;
        const int similarity = aligner.Align(pool[ranked[k].id].tokens, items);
        last = static_cast<int>(ranked[k].id);
        if (similarity > bestSimilarity) {
            bestSimilarity = similarity;
            best = last;
        }
        if (bestSimilarity >= kSurePercent) break;
    }
    if (bestSimilarity < similarity) return -1;
    // Merge needs the best one's path; mostly it was the last aligned.
    if (best != last) aligner.Align(pool[best].tokens, items);
    return best;
}

// Optional fields: a pattern's text may hold, or lack, a bracketed value ("bytes
// (<*>) sent" and "bytes sent") or further items of a list: values ("IRQs <*> <*> <*>"
// and "IRQs <*> <*>") or items of several tokens that repeat the one before them
// ("nodesets <*> <*> <ok> <*> <*> <ok>").  A key=value pair is no such field: a pair
// more names something more ("rhost=<*>" and "rhost=<*> user=<*>").
// Line by line such patterns are not alike (punctuation and words are never left over
// on one side); once the patterns are in, those whose texts differ only by such runs
// are one group.

// Chinese text's enumeration comma ("、", GBK A1 A2), which only ever separates the
// items of a list ("口罩、苹果、洗衣液").
bool IsListComma(const PatternToken& t) {
    return t.kind == TokenKind::Symbol && t.text == kListComma;
}

// Tokens of a list item that repeats the one before it, at most; and optional runs
// that begin at one place, at most.
constexpr std::size_t kMaxItemTokens = 6;
constexpr std::size_t kMaxRuns = kMaxItemTokens + 1;

// Whether `x` is a double-byte closing bracket: ）, or one of 》」』〗】, each of which
// comes right after its opening one in GBK.
template <typename Token>
bool WideClosing(const Token& x) {
    if (x.kind != TokenKind::Symbol || x.text.size() != 2) return false;
    const auto second = static_cast<unsigned char>(x.text[1]);
    return x.text == kWideClose ||
           (x.text[0] == '\xa1' && second >= 0xb7 && second <= 0xbf && second % 2 == 1);
}

// Whether `open` and `close` are a pair of double-byte brackets (（）, 《》, 「」, …).
template <typename Token>
bool WideBrackets(const Token& open, const Token& close) {
    if (!WideClosing(close) || open.kind != TokenKind::Symbol || open.text.size() != 2)
        return false;
    if (close.text == kWideClose) return open.text == kWideOpen;
    return open.text[0] == close.text[0] && static_cast<unsigned char>(open.text[1]) + 1 ==
                                                static_cast<unsigned char>(close.text[1]);
}

// One past a pair at `k` of `t` that a blank comes before ("attach=<*>",
// "remark=\"<*>\"", "事由=<*>"), or 0.  A Latin key's value may be values glued by a
// sign ("attach=<*>:<*>" of "attach=coupon:CPN-K1TM-EAYS"), or Chinese text glued with
// values, up to a blank ("plate=黔<*>·<*>" of a car's plate); a Chinese key's begins
// with a value and runs to a blank ("类型=<*>假").
std::size_t BlankPairEnd(const Template& t, std::size_t k) {
    const std::size_t n = t.size();
    if (std::size_t e = ChineseKeyEnd(t, k); e > 0) {
        if (e + 1 >= n || t[e + 1].kind != TokenKind::Variable || !t[e + 1].gap.empty()) return 0;
        for (e += 2; e < n && t[e].gap.empty() &&
                     (t[e].kind == TokenKind::Variable || t[e].kind == TokenKind::Cjk);
             ++e) {
        }
        return e == n || !t[e].gap.empty() ? e : 0;
    }
    if (t[k].kind != TokenKind::Word || t[k].gap.empty() || k + 2 >= n ||
        !IsSymbolByte(t[k + 1], "=") || !t[k + 1].gap.empty())
        return 0;
    if (t[k + 2].kind == TokenKind::Cjk && t[k + 2].gap.empty()) {
        std::size_t e = k + 2;
        bool value = false;
        while (e < n && e < k + 6 && t[e].gap.empty() &&
               (t[e].kind == TokenKind::Variable || t[e].kind == TokenKind::Cjk ||
                (t[e].kind == TokenKind::Symbol && t[e].text == kMiddleDot))) {
            value = value || t[e].kind == TokenKind::Variable;
            ++e;
        }
        if (value && (e == n || !t[e].gap.empty())) return e;
        return 0;
    }
    if (t[k + 2].kind == TokenKind::Variable && t[k + 2].gap.empty()) {
        std::size_t e = k + 3;
        while (e + 1 < n && IsSymbolByte(t[e], ":/-.@") && t[e].gap.empty() &&
               t[e + 1].kind == TokenKind::Variable && t[e + 1].gap.empty())
            e += 2;
        return e;
    }
    if (k + 4 < n && IsSymbolByte(t[k + 2], "\"") && t[k + 2].gap.empty() &&
        t[k + 3].kind == TokenKind::Variable && IsSymbolByte(t[k + 4], "\""))
        return k + 5;
    // Or in Chinese brackets ("coupon=「<*>」").
    if (k + 4 < n && t[k + 2].gap.empty() && t[k + 3].kind == TokenKind::Variable &&
        t[k + 3].gap.empty() && t[k + 4].gap.empty() && WideBrackets(t[k + 2], t[k + 4]))
        return k + 5;
    return 0;
}

// Whether `x` closes a quoted value: '"' or a double-byte closing bracket.
bool ClosingQuote(const PatternToken& x) { return IsSymbolByte(x, "\"") || WideClosing(x); }

// The first token of the pair after a blank that ends `t` ("door=<*>"), or 0.
std::size_t LastPairStart(const Template& t) {
    constexpr std::size_t kMaxPair = 8;  // tokens of the pair, to bound the search
    for (std::size_t k = t.size(); k-- > 1 && k + kMaxPair >= t.size();)
        if (BlankPairEnd(t, k) == t.size()) return k;
    return 0;
}

// Whether a pair begins at `k` of `t`: a word or a run of Chinese characters after a
// blank, glued to "=".
bool PairKeyAt(const Template& t, std::size_t k) {
    if (k >= t.size() || t[k].gap.empty()) return false;
    if (t[k].kind == TokenKind::Word)
        return k + 1 < t.size() && IsSymbolByte(t[k + 1], "=") && t[k + 1].gap.empty();
    return ChineseKeyEnd(t, k) > 0;
}

// One past the value of the pair whose "=" is at `eq` of `t`, when it holds a value and
// runs up to the next pair after a blank, whatever it holds on the way ("<*>（<*>）" and
// "煤磨排口 <*>" of "排口="); or 0.
std::size_t PairRecordValueEnd(const Template& t, std::size_t eq) {
    constexpr std::size_t kMaxValue = 12;  // tokens of one value, to bound the search
    const std::size_t n = t.size();
    bool variable = false;
    for (std::size_t e = eq + 1; e < n && e < eq + kMaxValue; ++e) {
        if (e > eq + 1 && PairKeyAt(t, e)) return variable ? e : 0;
        if (IsSymbolByte(t[e], "=")) return 0;
        variable = variable || t[e].kind == TokenKind::Variable;
    }
    return 0;
}

// Whether `k` of `t` is a wide comma between values that a closing bracket ends
// ("命中规则[<*>，<*>，<*>]"): a list in brackets, whose items the comma of sentences
// divides as often as the enumeration comma does.  At a message's end, outside brackets,
// "，<*>" may be a clause that says what happened, and stays.
bool InBracketedList(const Template& t, std::size_t k) {
    std::size_t e = k;
    while (e + 1 < t.size() && t[e].kind == TokenKind::Symbol && t[e].text == kWideComma &&
           t[e + 1].kind == TokenKind::Variable)
        e += 2;
    return e > k && e < t.size() && (IsSymbolByte(t[e], ")]}") || WideClosing(t[e]));
}

// The ends (one past) of the optional runs that begin at `k`, at most kMaxRuns.  `chinese`:
// the log holds Chinese text.
std::size_t OptionalRuns(const Template& t, std::size_t k, std::size_t ends[kMaxRuns],
                         bool chinese) {
    const std::size_t n = t.size();
    std::size_t count = 0;
    if (IsSymbolByte(t[k], "([{")) {
        // A bracketed value: variable parts and punctuation; in a Chinese log, after a
        // blank, a remark in Chinese too ("《<*>》 [直播]，").
        const char close = t[k].text[0] == '(' ? ')' : t[k].text[0] == '[' ? ']' : '}';
        const bool remark = chinese && !t[k].gap.empty();
        bool variable = false;
        for (std::size_t j = k + 1; j < n; ++j) {
            if (IsSymbolByte(t[j], std::string_view(&close, 1))) {
                if (variable) ends[count++] = j + 1;
                break;
            }
            if (t[j].kind == TokenKind::Variable || (remark && t[j].kind == TokenKind::Cjk)) {
                variable = true;
            } else if (t[j].kind != TokenKind::Symbol || IsSymbolByte(t[j], "([{")) {
                break;
            }
        }
    } else if (k > 0 && t[k - 1].kind == TokenKind::Variable) {
        // A further value of a list, alone or after its separator.
        if (t[k].kind == TokenKind::Variable)
            ends[count++] = k + 1;
        else if ((IsSymbolByte(t[k], ",;/") || IsListComma(t[k]) ||
                  (chinese && InBracketedList(t, k))) &&
                 k + 1 < n && t[k + 1].kind == TokenKind::Variable)
            ends[count++] = k + 2;
        // A further pair after a comma ("jym=<*>, cnt=<*>").
        else if (IsSymbolByte(t[k], ",") && k + 3 < n && t[k + 1].kind == TokenKind::Word &&
                 IsSymbolByte(t[k + 2], "=") && t[k + 2].gap.empty() &&
                 t[k + 3].kind == TokenKind::Variable && t[k + 3].gap.empty())
            ends[count++] = k + 4;
        // A further pair after a blank in a Chinese log ("candidate=<*> referrer=<*>",
        // "remark=\"<*>\"", "total_fee=<*> attach=<*>"); in other logs a pair more names
        // something more.
        else if (const std::size_t pair = chinese ? BlankPairEnd(t, k) : 0; pair > 0)
            ends[count++] = pair;
        // So is a labelled value: a Chinese label of one to four characters, its colon
        // and a value up to a blank ("terminal=<*> 车牌：<*>").
        else if (chinese && t[k].kind == TokenKind::Cjk && !t[k].gap.empty()) {
            constexpr std::size_t kMaxLabel = 4;
            std::size_t e = k + 1;
            while (e < n && e < k + kMaxLabel && t[e].kind == TokenKind::Cjk && t[e].gap.empty())
                ++e;
            if (e + 1 < n && (t[e].text == kWideColon || IsSymbolByte(t[e], ":")) &&
                t[e].gap.empty() && t[e + 1].kind == TokenKind::Variable && t[e + 1].gap.empty() &&
                (e + 2 == n || !t[e + 2].gap.empty()))
                ends[count++] = e + 2;
        }
    }
    // In a Chinese log, a further pair after a blank follows a value in quotes or Chinese
    // brackets too ("fw=\"<*>\" uptime=<*>").
    if (chinese && count == 0 && k >= 2 && !t[k].gap.empty() &&
        t[k - 2].kind == TokenKind::Variable && ClosingQuote(t[k - 1])) {
        if (const std::size_t pair = BlankPairEnd(t, k); pair > 0) ends[count++] = pair;
    }
    // In a Chinese log, a pair more after a word, when another pair follows it: a record
    // of pairs that names its subject on some lines only ("kiln.sample line=<*> 窑头=<*>",
    // whose value may hold blanks: "line=Line 2").
    if (chinese && count == 0 && k > 0 && t[k - 1].kind == TokenKind::Word &&
        t[k].kind == TokenKind::Word) {
        std::size_t e = BlankPairEnd(t, k);
        while (e > 0 && e < n && t[e].kind == TokenKind::Variable && !t[e].gap.empty()) ++e;
        if (e > 0 && PairKeyAt(t, e)) ends[count++] = e;
    }
    // In a Chinese log, a field more between wide commas: a label of one to four Chinese
    // characters, a colon or none, and its value ("客户「<*>」，版本<*>，时长<*>", "，<*>，
    // 品牌：<*>，洗护方式").  At the message's end a
    // field more may say what happened, so only one that another field follows.
    if (chinese && t[k].kind == TokenKind::Symbol && t[k].text == kWideComma) {
        std::size_t j = k + 1;
        while (j < n && j < k + 5 && t[j].kind == TokenKind::Cjk) ++j;
        const bool colon =
            j > k + 1 && j < n && t[j].kind == TokenKind::Symbol && t[j].text == kWideColon;
        if (colon) ++j;
        // The value may end in one Chinese character, its unit or grade ("，评定等级<*>级，").
        const std::size_t e = j + 2 < n && t[j + 1].kind == TokenKind::Cjk &&
                                      t[j + 1].text.size() == 2 && t[j + 1].gap.empty()
                                  ? j + 2
                                  : j + 1;
        if (j > k + 1 && e < n && t[j].kind == TokenKind::Variable && t[j].gap.empty() &&
            t[e].kind == TokenKind::Symbol && t[e].text == kWideComma)
            ends[count++] = e;
    }
    // Whether the `p` tokens from `at` repeat the `p` tokens right before `k` and hold a
    // value: an item like the one before.
    auto repeats = [&](std::size_t at, std::size_t p) {
        bool variable = false;
        for (std::size_t q = 0; q < p; ++q) {
            const PatternToken& x = t[k - p + q];
            const PatternToken& y = t[at + q];
            if (x.kind != y.kind || x.hash != y.hash || x.gap.empty() != y.gap.empty())
                return false;
            variable = variable || y.kind == TokenKind::Variable;
        }
        return variable;
    };
    // A further item of a list whose items are alike: the tokens right before `k`
    // again, holding a value ("node-1 0x1fe <ok>" after "node-0 0x1fe <ok>").
    for (std::size_t p = 2; p <= kMaxItemTokens && p <= k && k + p <= n; ++p)
        if (repeats(k, p)) ends[count++] = k + p;
    // A further item after its separator, when the first item has none ("《<*>》、《<*>》"
    // after "《<*>》"): the separator and the tokens right before it again.
    if (count < kMaxRuns && (IsSymbolByte(t[k], ",;/") || IsListComma(t[k]))) {
        for (std::size_t p = 2; p <= kMaxItemTokens - 1 && p <= k && k + 1 + p <= n; ++p) {
            if (!repeats(k + 1, p)) continue;
            ends[count++] = k + 1 + p;
            break;
        }
    }
    return count;
}

// A dump of a thing's fields in brackets ("Intent { act=<*> flg=<*> (has extras) }"):
// which fields it shows varies from line to line of one kind, so two dumps in one
// place are alike whatever they hold.  Returns one past its closing bracket when the
// brackets at `k` hold two key=value pairs or more, 0 otherwise.
std::size_t FieldDumpEnd(const Template& t, std::size_t k) {
    constexpr std::size_t kMaxDump = 96;  // tokens looked at, to bound the cost
    if (!IsSymbolByte(t[k], "([{")) return 0;
    const char open = t[k].text[0];
    const char close = open == '(' ? ')' : open == '[' ? ']' : '}';
    int depth = 0;
    int pairs = 0;
    for (std::size_t j = k; j < t.size() && j < k + kMaxDump; ++j) {
        if (IsSymbolByte(t[j], std::string_view(&open, 1))) {
            ++depth;
        } else if (IsSymbolByte(t[j], std::string_view(&close, 1))) {
            if (--depth == 0) return pairs >= 2 ? j + 1 : 0;
        } else if (IsSymbolByte(t[j], "=") && j > k && t[j - 1].kind == TokenKind::Word &&
                   depth == 1) {
            ++pairs;
        }
    }
    return 0;
}

// One past a value at `k` of `t` and a value glued after it with one Chinese character
// between ("<*>水<*>" of "<*>水<*>厂", a place's name in two values that others show as
// one), or k + 1.  Only two: a list's items ("<*>排<*>座、<*>排<*>座") stay items.
std::size_t GluedValueEnd(const Template& t, std::size_t k) {
    if (t[k].kind == TokenKind::Variable && k + 2 < t.size() && t[k + 1].kind == TokenKind::Cjk &&
        t[k + 1].gap.empty() && t[k + 2].kind == TokenKind::Variable && t[k + 2].gap.empty())
        return k + 3;
    return k + 1;
}

// The text of a pattern without its optional runs (the longest at each place) and with
// a mark for each field dump: patterns that differ only by optional runs mostly share it.
std::uint64_t Skeleton(const Template& t, bool chinese) {
    std::uint64_t h = 0x0B7E57u;
    std::size_t ends[kMaxRuns];
    for (std::size_t k = 0; k < t.size();) {
        if (const std::size_t dump = FieldDumpEnd(t, k); dump > 0) {
            h = Mix(h, 13);
            k = dump;
            continue;
        }
        const std::size_t runs = OptionalRuns(t, k, ends, chinese);
        if (runs > 0) {
            k = *std::max_element(ends, ends + runs);
            continue;
        }
        // In a Chinese log, a pair's value in a record of pairs, whatever form it takes.
        if (const std::size_t value =
                chinese && k > 0 && IsSymbolByte(t[k], "=") ? PairRecordValueEnd(t, k) : 0;
            value > 0) {
            h = Mix(h, t[k].hash);
            k = value;
            continue;
        }
        // In a Chinese log, every pair after a blank: one that follows an optional run
        // ("enc=<*>(<*> <*>) ch=<*>") is optional where the run is missing ("enc=<*> ch=<*>").
        if (const std::size_t pair = chinese ? BlankPairEnd(t, k) : 0; pair > 0) {
            k = pair;
            continue;
        }
        h = Mix(h, IsConstant(t[k].kind) ? t[k].hash : 7);
        k = GluedValueEnd(t, k);
    }
    return Mix(h, 11);
}

// Whether `a` and `b` differ only by optional runs, each place missing on one side
// only (two different runs in one place are two kinds of line), and by what their
// field dumps hold, and share a word outside the dumps.
bool DifferByOptionalRuns(const Template& a, const Template& b, bool chinese) {
    const std::size_t m = a.size();
    const std::size_t n = b.size();
    // States: the last step matched (0), left a run of `a` out (1) or one of `b` (2).
    std::vector<std::uint8_t> reach((m + 1) * (n + 1), 0);
    std::vector<std::uint8_t> words((m + 1) * (n + 1), 0);
    reach[0] = 1;
    std::size_t ends[kMaxRuns];
    for (std::size_t i = 0; i <= m; ++i) {
        for (std::size_t j = 0; j <= n; ++j) {
            const std::uint8_t here = reach[i * (n + 1) + j];
            if (here == 0) continue;
            const std::uint8_t word = words[i * (n + 1) + j];
            auto mark = [&](std::size_t ii, std::size_t jj, int state, std::uint8_t w) {
                reach[ii * (n + 1) + jj] |= static_cast<std::uint8_t>(1 << state);
                words[ii * (n + 1) + jj] |= w;
            };
            if (i < m && j < n && a[i].kind == b[j].kind &&
                (a[i].kind == TokenKind::Variable || a[i].hash == b[j].hash))
                mark(i + 1, j + 1, 0,
                     word || a[i].kind == TokenKind::Word || a[i].kind == TokenKind::Cjk);
            if (i < m && j < n && a[i].kind == TokenKind::Variable &&
                b[j].kind == TokenKind::Variable)
                mark(GluedValueEnd(a, i), GluedValueEnd(b, j), 0, word);
            if (i < m && j < n && a[i].kind == b[j].kind && a[i].hash == b[j].hash) {
                const std::size_t dumpA = FieldDumpEnd(a, i);
                const std::size_t dumpB = dumpA > 0 ? FieldDumpEnd(b, j) : 0;
                if (dumpB > 0) mark(dumpA, dumpB, 0, word);
            }
            // In a Chinese log, pairs of one key after a blank are alike whatever form
            // their values take ("plate=<*>" and "plate=黔<*>·<*>").
            if (chinese && i < m && j < n && a[i].kind == TokenKind::Word &&
                b[j].kind == TokenKind::Word && a[i].hash == b[j].hash) {
                const std::size_t endA = BlankPairEnd(a, i);
                const std::size_t endB = endA > 0 ? BlankPairEnd(b, j) : 0;
                if (endB > 0) mark(endA, endB, 0, word);
            }
            // So are the values of one key in a record of pairs, up to the next pair
            // ("排口=<*>（<*>） 颗粒物=<*>" and "排口=煤磨排口 <*> 颗粒物=<*>").
            if (chinese && i > 0 && j > 0 && i < m && j < n && IsSymbolByte(a[i], "=") &&
                IsSymbolByte(b[j], "=") && a[i - 1].hash == b[j - 1].hash) {
                const std::size_t endA = PairRecordValueEnd(a, i);
                const std::size_t endB = endA > 0 ? PairRecordValueEnd(b, j) : 0;
                if (endB > 0) mark(endA, endB, 0, word);
            }
            // Runs of one side may follow each other (a list three items longer), but
            // not runs of the other side at the same place.
            if (i < m && (here & 0b011) != 0)
                for (std::size_t r = 0, c = OptionalRuns(a, i, ends, chinese); r < c; ++r)
                    mark(ends[r], j, 1, word);
            if (j < n && (here & 0b101) != 0)
                for (std::size_t r = 0, c = OptionalRuns(b, j, ends, chinese); r < c; ++r)
                    mark(i, ends[r], 2, word);
        }
    }
    return reach[m * (n + 1) + n] != 0 && words[m * (n + 1) + n] != 0;
}

// Whether `a` and `b`, in a Chinese log, each end in a pair that the other lacks
// ("… fw=\"<*>\" uptime=<*>" and "… fw=\"<*>\" door=<*>": a device's record that shows one
// reading or another last) and differ before them only by optional runs.
bool DifferByTrailingPairs(const Template& a, const Template& b) {
    const std::size_t ka = LastPairStart(a);
    const std::size_t kb = ka > 0 ? LastPairStart(b) : 0;
    if (kb == 0 || a[ka].hash == b[kb].hash) return false;
    return DifferByOptionalRuns(Template(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(ka)),
                                Template(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(kb)),
                                true);
}

// Whether `w` is a level word of a header, in any case ("INFO", "warn", the "E" of "<E>").
bool LevelWord(std::string_view w) {
    return static_cast<unsigned char>(w[0]) < 0x80 && LevelSeverity(w) != 0;
}

// The severity (LevelSeverity) of a Chinese level at `k` of `t`, two characters that are a
// token each with no others glued around them ("[警告]"), looked at before `end`; or 0.
template <typename Seq>
int ChineseLevelAt(const Seq& t, std::size_t k, std::size_t end) {
    if (k + 1 >= end || t[k].kind != TokenKind::Cjk || t[k].text.size() != 2 ||
        t[k + 1].kind != TokenKind::Cjk || t[k + 1].text.size() != 2 || !t[k + 1].gap.empty() ||
        (k > 0 && t[k - 1].kind == TokenKind::Cjk) ||
        (k + 2 < end && t[k + 2].kind == TokenKind::Cjk))
        return 0;
    std::string word(t[k].text);
    word += t[k + 1].text;
    return LevelSeverity(word);
}

// The severity (LevelSeverity) of the level that the header (the first `head` items)
// shows, a level word or a Chinese level ("[警告]"), or the message's first field does; or 0.
std::uint64_t LineLevel(const std::vector<Item>& items, std::size_t head) {
    // The letter of a stamp that begins with it: "I0318 06:00:29.753339", "W1121 07:30:13".
    if (!items.empty() && items[0].kind == TokenKind::Variable && items[0].text.size() >= 5 &&
        items[0].text.find(':') != std::string_view::npos &&
        std::string_view("IWEF").find(items[0].text[0]) != std::string_view::npos &&
        std::all_of(items[0].text.begin() + 1, items[0].text.begin() + 5,
                    [](char c) { return c >= '0' && c <= '9'; }))
        return static_cast<std::uint64_t>(LevelSeverity(items[0].text.substr(0, 1)));
    for (std::size_t k = 0; k < head; ++k) {
        const int severity = items[k].kind == TokenKind::Word ? LevelSeverity(items[k].text)
                                                              : ChineseLevelAt(items, k, head);
        if (severity != 0) return static_cast<std::uint64_t>(severity);
    }
    // Or a level in angle brackets that the message begins with, after a program's tag
    // that ended the header ("gasmon[3320]: <warn> 可燃气体一级报警").
    if (head + 2 < items.size() && items[head].kind == TokenKind::Symbol &&
        items[head].text == "<" && items[head + 1].kind == TokenKind::Word &&
        items[head + 2].kind == TokenKind::Symbol && items[head + 2].text == ">")
        return static_cast<std::uint64_t>(LevelSeverity(items[head + 1].text));
    return 0;
}

// Whether headers `a` and `b` of one form show two levels at one place: a message that
// an event writes as an error and another as information ("pay notify result=<*> …"
// and the same with "err_code=<*>" more) is two kinds, however like their texts.
bool OtherLevel(const Template& a, const Template& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k].kind == TokenKind::Word && b[k].kind == TokenKind::Word &&
            a[k].hash != b[k].hash && LevelWord(a[k].text) && LevelWord(b[k].text))
            return true;
    // Or two Chinese levels.
    for (std::size_t k = 0; k + 1 < a.size(); ++k)
        if (ChineseLevelAt(a, k, a.size()) != 0 && ChineseLevelAt(b, k, b.size()) != 0 &&
            (a[k].hash != b[k].hash || a[k + 1].hash != b[k + 1].hash))
            return true;
    return false;
}

// Whether patterns or groups `a` and `b` show two levels: in their headers, or as the
// levels of their first lines (Pattern::level).
bool OtherLevels(const Pattern& a, const Pattern& b) {
    return OtherLevel(a.header, b.header) || (a.level != 0 && b.level != 0 && a.level != b.level);
}

// Joins the groups (largest first, as Ranked made them) that differ only by optional
// runs: each joins the first earlier group whose every member it differs from only so,
// and whose headers show no other level.
// `chinese`: the log holds Chinese text anywhere, so that its Latin messages take a pair
// more as optional too ("pay notify success … total_fee=<*> attach=<*>").  With
// `trailingPairs`, groups that end in one pair or another join too (DifferByTrailingPairs).
void JoinOptionalFields(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids,
                        bool chinese, bool trailingPairs = false) {
    constexpr std::size_t kMaxTried = 16;  // members compared per group, to bound the cost
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> clusters;  // skeleton -> heads
    std::vector<std::vector<std::size_t>> members(groups.size());
    std::vector<bool> joined(groups.size(), false);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::vector<std::size_t>& heads = clusters[Skeleton(groups[g].tokens, chinese)];
        bool placed = false;
        std::size_t tried = 0;
        for (std::size_t head : heads) {
            bool all = true;
            for (std::size_t other : members[head]) {
                const Template& a = groups[other].tokens;
                const Template& b = groups[g].tokens;
                all = ++tried <= kMaxTried && !OtherLevels(groups[other], groups[g]) &&
                      (DifferByOptionalRuns(a, b, chinese) ||
                       (trailingPairs && DifferByTrailingPairs(a, b)));
                if (!all) break;
            }
            if (!all) continue;
            members[head].push_back(g);
            joined[g] = true;
            placed = true;
            break;
        }
        if (!placed) {
            heads.push_back(g);
            members[g].push_back(g);
        }
    }
    std::vector<Pattern> kept;
    std::vector<std::vector<std::uint32_t>> keptIds;
    std::vector<Item> items;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (joined[g]) continue;
        Pattern head = std::move(groups[g]);
        std::vector<std::uint32_t> headIds = std::move(ids[g]);
        for (std::size_t k = 1; k < members[g].size(); ++k) {
            const std::size_t other = members[g][k];
            TemplateItems(groups[other].header, items);
            MergeHeader(head.header, items.data(), items.size());
            head.count += groups[other].count;
            headIds.insert(headIds.end(), ids[other].begin(), ids[other].end());
        }
        kept.push_back(std::move(head));
        keptIds.push_back(std::move(headIds));
    }
    groups = std::move(kept);
    ids = std::move(keptIds);
}

// A word of three to six capital letters, the last of which may be a digit ("DSDT",
// "LNKA", "SOCKS5"): the short name of one table, link, device or protocol among
// several of a kind.
bool Acronym(std::string_view w) {
    if (w.size() < 3 || w.size() > 6) return false;
    std::size_t k = 0;
    while (k < w.size() && IsCapital(w[k])) ++k;
    if (k + 1 == w.size() && w[k] >= '0' && w[k] <= '9') ++k;
    return k == w.size();
}

// A word of capital letters (and underscores) alone: in a Chinese sentence, where words
// of its own language do not begin with capitals, such a word is a state or a code that
// the message fills in ("状态流转 SHIPPED -> PAID"), not a sentence's beginning.
bool CapitalsOnly(std::string_view w) {
    if (w.size() < 2) return false;
    for (char c : w)
        if (!IsCapital(c) && c != '_') return false;
    return true;
}

// `t` with each run of variable parts next to each other as one.
Template OneValueRuns(const Template& t) {
    Template out;
    out.reserve(t.size());
    for (const PatternToken& pt : t)
        if (!(pt.kind == TokenKind::Variable && !out.empty() &&
              out.back().kind == TokenKind::Variable))
            out.push_back(pt);
    return out;
}

// Whether `a` and `b` hold their variable parts at the same places.
bool ValuesAlike(const Template& a, const Template& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if ((a[k].kind == TokenKind::Variable) != (b[k].kind == TokenKind::Variable)) return false;
    return true;
}

// Joins the groups that are alike but for one word in one place, when that place takes
// kMinSlotWords words or more ("removing chargen", "removing daytime", "removing echo"):
// such a word names one thing of many that the message is about, not what happened,
// which a few alternatives at most do ("session opened", "session closed").  Not the
// message's first word, which names what the message is about ("tickTime set to <*>",
// "klogd startup succeeded", "boot (command 12)" and "halt (command 14)"), unless it is
// an acronym (below).  Not a capitalised word, which
// names a kind ("VM Started", "POST"), unless (with `capsWords`) kMinAcronyms acronyms
// or more take the place ("ACPI: DSDT (v1)", "ACPI: FADT (v1)", ...): a request's
// methods, a few states or the protocols a connection goes through ("proxy a:5070 HTTPS",
// "proxy b:5070 SOCKS5") are fewer and tell events apart; in a log with `chinese` text,
// even in its lines of English alone ("\"GET /api/case HTTP/1.1\" 200"), a word of
// capitals alone takes the place as a lower-case word does (above).  A
// word alone between quotes is a value whatever its case (with `quotedWords`), once two
// take the place ("state 'Active'" and "state 'Inactive'"): a message quotes what it
// fills in.  The rest of the message must hold a word
// or Chinese text, so that a message of one word is never a variable part alone.
void JoinWordSlots(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids,
                   bool capsWords, bool quotedWords, bool chinese) {
    constexpr std::size_t kMinSlotWords = 3;
    constexpr std::size_t kMinAcronyms = 5;
    constexpr std::size_t kMinQuoted = 2;
    // Place -> groups, for lower-case words, acronyms and quoted words.
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> slots;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> acronyms;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> quoted;
    std::vector<std::uint64_t> before;  // hashes of the tokens before each place
    std::vector<std::uint64_t> after;   // and of those after it
    // In a log with Chinese text, values next to each other are one value here: a
    // record's fields (an address, a session's token or "-") show as one value or two by
    // what the lines of each group held ("<*> \"GET <*>\"" and "<*> <*> \"DELETE <*>\"").
    const bool collapse = chinese;
    std::vector<Template> normal(collapse ? groups.size() : 0);
    if (collapse)
        for (std::size_t g = 0; g < groups.size(); ++g) normal[g] = OneValueRuns(groups[g].tokens);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = collapse ? normal[g] : groups[g].tokens;
        std::size_t constants = 0;
        for (const PatternToken& pt : t)
            constants += pt.kind == TokenKind::Word || pt.kind == TokenKind::Cjk ? 1 : 0;
        // Two words or Chinese characters at least; in a log with Chinese text one will do,
        // placed by the values around it (an access record's method between its address
        // and its path).
        if (constants < (chinese ? 1u : 2u)) continue;
        before.assign(t.size() + 1, 0x5107u);
        after.assign(t.size() + 1, 0x5108u);
        for (std::size_t k = 0; k < t.size(); ++k) {
            before[k + 1] = Mix(before[k], IsConstant(t[k].kind) ? t[k].hash : 7);
            const std::size_t r = t.size() - 1 - k;
            after[r] = Mix(after[r + 1], IsConstant(t[r].kind) ? t[r].hash : 7);
        }
        for (std::size_t p = 0; p < t.size(); ++p) {
            if (t[p].kind != TokenKind::Word) continue;
            const std::uint64_t key = Mix(Mix(Mix(before[p], p), after[p + 1]), t.size());
            if (capsWords && chinese && CapitalsOnly(t[p].text))
                slots[key].push_back(g);
            else if (capsWords && Acronym(t[p].text))
                acronyms[key].push_back(g);
            else if (p == 0)
                continue;
            else if (quotedWords && p + 1 < t.size() && t[p].gap.empty() && t[p + 1].gap.empty() &&
                     IsSymbolByte(t[p - 1], "'\"") && IsSymbolByte(t[p + 1], t[p - 1].text))
                quoted[key].push_back(g);
            else if (!IsCapital(t[p].text[0]))
                slots[key].push_back(g);
        }
    }
    std::vector<std::size_t> head(groups.size());
    for (std::size_t g = 0; g < head.size(); ++g) head[g] = g;
    auto find = [&](std::size_t g) {
        while (head[g] != g) g = head[g] = head[head[g]];
        return g;
    };
    auto join = [&](const std::vector<std::size_t>& members) {
        for (std::size_t k = 1; k < members.size(); ++k) {
            if (OtherLevels(groups[members[0]], groups[members[k]])) continue;
            const std::size_t a = find(members[0]);
            const std::size_t b = find(members[k]);
            if (a != b) head[std::max(a, b)] = std::min(a, b);  // the larger group leads
        }
    };
    for (const auto& [key, members] : slots)
        if (members.size() >= kMinSlotWords) join(members);
    for (const auto& [key, members] : acronyms)
        if (members.size() >= kMinAcronyms) join(members);
    for (const auto& [key, members] : quoted)
        if (members.size() >= kMinQuoted) join(members);
    // A group whose members hold their values at other places is made of their texts
    // with each run of values as one; the others' differ only in constants.
    std::vector<bool> folded(groups.size(), false);
    if (collapse)
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (const std::size_t h = find(g); !ValuesAlike(groups[h].tokens, groups[g].tokens))
                folded[h] = true;
    std::vector<Pattern> kept;
    std::vector<std::vector<std::uint32_t>> keptIds;
    std::vector<std::size_t> keptAt(groups.size());
    std::vector<Item> items;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const std::size_t h = find(g);
        if (h == g) {
            keptAt[g] = kept.size();
            kept.push_back(std::move(groups[g]));
            if (folded[g]) kept.back().tokens = normal[g];
            keptIds.push_back(std::move(ids[g]));
            continue;
        }
        Pattern& into = kept[keptAt[h]];
        const Template& from = folded[h] ? normal[g] : groups[g].tokens;
        for (std::size_t k = 0; k < into.tokens.size() && into.tokens.size() == from.size(); ++k) {
            PatternToken& t = into.tokens[k];
            if (IsConstant(t.kind) && t.hash != from[k].hash) {
                t.kind = TokenKind::Variable;
                t.hash = 0;
                t.text.clear();
            }
        }
        into.terms = TemplateTerms(into.tokens);
        TemplateItems(groups[g].header, items);
        MergeHeader(into.header, items.data(), items.size());
        into.count += groups[g].count;
        keptIds[keptAt[h]].insert(keptIds[keptAt[h]].end(), ids[g].begin(), ids[g].end());
    }
    groups = std::move(kept);
    ids = std::move(keptIds);
}

// Groups of patterns, each with the ids of its lines.
struct Grouped {
    std::vector<Pattern> groups;
    std::vector<std::vector<std::uint32_t>> ids;
};

// Whether `a` and `b` differ only where a sentence begins (the message's start or after
// punctuation they share), where `a` holds a value and `b` Chinese text, and only before
// a sentence they share that begins with three Chinese characters or more ("<*>窗口暂停
// 服务" and "自助终端暂停服务"), and only by Chinese text and values.
bool DifferByLeadingValue(const Template& a, const Template& b) {
    auto same = [](const PatternToken& x, const PatternToken& y) {
        return x.kind == y.kind && (x.kind == TokenKind::Variable || x.hash == y.hash);
    };
    std::size_t start = 0;
    while (start < a.size() && start < b.size() && same(a[start], b[start])) ++start;
    while (start > 0 && a[start - 1].kind != TokenKind::Symbol) --start;
    if (start + 2 > b.size() || start >= a.size() || a[start].kind != TokenKind::Variable ||
        b[start].kind != TokenKind::Cjk || b[start + 1].kind != TokenKind::Cjk)
        return false;
    std::size_t shared = 0;
    while (shared < a.size() - start && shared < b.size() - start &&
           same(a[a.size() - 1 - shared], b[b.size() - 1 - shared]))
        ++shared;
    if (shared == a.size() - start || shared == b.size() - start) return false;
    std::size_t k = a.size() - shared;
    while (k < a.size() && a[k].kind == TokenKind::Variable) ++k;
    std::size_t chars = 0;
    while (k < a.size() && a[k].kind == TokenKind::Cjk) ++k, ++chars;
    if (chars < 3) return false;
    auto loose = [&](const Template& t) {
        for (std::size_t i = start; i < t.size() - shared; ++i)
            if (t[i].kind != TokenKind::Cjk && t[i].kind != TokenKind::Variable) return false;
        return true;
    };
    return loose(a) && loose(b);
}

// A hash of the tokens [begin, end) of `t` by their kinds and constants, any variable
// part alike; with `glued`, two values glued together with one Chinese character between
// them count as one value (GluedValueEnd: "<*>牌<*>" as "<*>", a plate's colour and
// number, which a group of fewer lines shows as one value).
std::uint64_t ShapeHash(const Template& t, std::size_t begin, std::size_t end, bool glued = false) {
    std::uint64_t h = 0;
    for (std::size_t k = begin; k < end; ++k) {
        if (glued && t[k].kind == TokenKind::Variable && GluedValueEnd(t, k) <= end)
            k = GluedValueEnd(t, k) - 1;
        h = Mix(Mix(h, static_cast<std::uint64_t>(t[k].kind)),
                t[k].kind == TokenKind::Variable ? 0 : t[k].hash);
    }
    return h;
}

// Moves each group g that into[g] sends to another group (following into[] to the group
// that stays) into that group: its header merged, its lines and ids added; `joined` is
// then called once on each group that took others.
template <typename Joined>
void ApplyJoins(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids,
                std::vector<std::size_t> into, Joined joined) {
    // Each group joins the group its chain ends in, but groups of two levels stay apart,
    // whatever made them alike.
    std::vector<std::size_t> root(into.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::size_t to = into[g];
        while (into[to] != to) to = into[to];
        root[g] = to;
    }
    for (std::size_t g = 0; g < groups.size(); ++g)
        into[g] = OtherLevels(groups[root[g]], groups[g]) ? g : root[g];
    std::vector<Pattern> kept;
    std::vector<std::vector<std::uint32_t>> keptIds;
    std::vector<std::size_t> at(groups.size(), 0);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (into[g] != g) continue;
        at[g] = kept.size();
        kept.push_back(std::move(groups[g]));
        keptIds.push_back(std::move(ids[g]));
    }
    std::vector<bool> took(kept.size(), false);
    std::vector<Item> items;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (into[g] == g) continue;
        std::size_t to = into[g];
        while (into[to] != to) to = into[to];
        Pattern& head = kept[at[to]];
        TemplateItems(groups[g].header, items);
        MergeHeader(head.header, items.data(), items.size());
        head.count += groups[g].count;
        keptIds[at[to]].insert(keptIds[at[to]].end(), ids[g].begin(), ids[g].end());
        took[at[to]] = true;
    }
    for (std::size_t k = 0; k < kept.size(); ++k)
        if (took[k]) joined(kept[k]);
    groups = std::move(kept);
    ids = std::move(keptIds);
}

// Joins each group to a group that differs from it only by a value where the other has
// Chinese text, where a sentence begins (DifferByLeadingValue): the text was one of the
// values, which the value's other texts had made unlike enough to stay apart.
void JoinLeadingValues(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids,
                       const PatternTuning& tuning) {
    // Groups by their last three tokens, which any two to be joined share.
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> byEnd;
    auto endKey = [](const Template& t) {
        return ShapeHash(t, t.size() < 3 ? 0 : t.size() - 3, t.size());
    };
    for (std::size_t g = 0; g < groups.size(); ++g) byEnd[endKey(groups[g].tokens)].push_back(g);
    Aligner aligner;
    aligner.SetGluedSymbols(tuning.gluedPunctuation);
    aligner.SetWordCost(tuning.wordCost);
    std::vector<Item> items;
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = g;
    for (std::size_t b = 0; b < groups.size(); ++b) {
        const auto bucket = byEnd.find(endKey(groups[b].tokens));
        if (bucket == byEnd.end()) continue;
        for (std::size_t a : bucket->second) {
            if (a == b || into[a] != a || !DifferByLeadingValue(groups[a].tokens, groups[b].tokens))
                continue;
            TemplateItems(groups[b].tokens, items);
            if (aligner.Align(groups[a].tokens, items) < 0) continue;
            aligner.Merge(groups[a].tokens, items);
            groups[a].terms = TemplateTerms(groups[a].tokens);
            into[b] = a;
            break;
        }
    }
    ApplyJoins(groups, ids, into, [](Pattern&) {});
}

// Where `t` holds the place between a constant with the hash `before` and the next
// constant, one with the hash `after`: tokens [begin, end), values and Chinese characters.
struct RunSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};
bool FindRunSpan(const Template& t, std::uint64_t before, std::uint64_t after, RunSpan& span) {
    for (std::size_t k = 0; k + 1 < t.size(); ++k) {
        if (!IsConstant(t[k].kind) || t[k].hash != before) continue;
        std::size_t e = k + 1;
        while (e < t.size() && (t[e].kind == TokenKind::Cjk || t[e].kind == TokenKind::Variable))
            ++e;
        if (e == k + 1 || e >= t.size() || !IsConstant(t[e].kind) || t[e].hash != after) continue;
        span.begin = k + 1;
        span.end = e;
        return true;
    }
    return false;
}

// ShapeHash of the tokens [0, end) of `t` with the place `span` marked, whatever it holds.
std::uint64_t RunShapeHash(const Template& t, const RunSpan& span, std::size_t end) {
    return Mix(Mix(ShapeHash(t, 0, span.begin), 0x2C3Eu), ShapeHash(t, span.end, end));
}

// Joins each group to the group whose text is its own up to a Chinese comma before the
// message's end, or a Chinese bracket that closes at the end ("签收人：<*>" and "签收人：
// <*>，备注：<*>", "处理结果：<*>" and "处理结果：<*>（备注：<*>）"): a clause that some
// lines of a kind add, as a remark.  The group with the shorter text takes the other's
// lines.
void JoinTrailingClauses(std::vector<Pattern>& groups,
                         std::vector<std::vector<std::uint32_t>>& ids) {
    auto hashOf = [](const Template& t, std::size_t end) { return ShapeHash(t, 0, end); };
    std::unordered_map<std::uint64_t, std::size_t> whole;
    std::unordered_map<std::uint64_t, std::size_t> looseWhole;  // by ShapeHash, glued values as one
    // Groups whose last clause is a value ("停留<*>，<*>"): any clause may stand there.
    std::unordered_map<std::uint64_t, std::size_t> open;
    // Groups whose members are told apart by a run ("<*>借阅《<*>》" and "<*>归还《<*>》"),
    // by their text with the run's place marked: a group with one of its texts there
    // and a clause more is one of its members with a remark.
    std::unordered_map<std::uint64_t, std::size_t> runWhole;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> runPlaces;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = groups[g].tokens;
        whole.emplace(hashOf(t, t.size()), g);
        looseWhole.emplace(ShapeHash(t, 0, t.size(), true), g);
        const Fork& f = groups[g].fork;
        if (f.group && f.run && f.after != kValueAfter && f.after != kMessageEnd) {
            RunSpan span;
            if (FindRunSpan(t, f.before, f.after, span) && span.end == span.begin + 1 &&
                t[span.begin].kind == TokenKind::Variable) {
                runWhole.emplace(RunShapeHash(t, span, t.size()), g);
                runPlaces.emplace_back(f.before, f.after);
            }
        }
        if (t.size() > 2 && t.back().kind == TokenKind::Variable &&
            t[t.size() - 2].kind == TokenKind::Symbol && t[t.size() - 2].text == kWideComma)
            open.emplace(hashOf(t, t.size() - 2), g);
    }
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = g;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = groups[g].tokens;
        for (std::size_t c = 1; c + 1 < t.size(); ++c) {
            if (t[c].kind != TokenKind::Symbol ||
                (t[c].text != kWideComma && t[c].text != kWideSemicolon &&
                 (t[c].text != kWideOpen || t.back().text != kWideClose)))
                continue;
            const std::uint64_t h = hashOf(t, c);
            std::size_t to = groups.size();
            if (const auto w = whole.find(h); w != whole.end() && w->second != g) {
                to = w->second;
            } else if (t[c].text == kWideComma) {
                if (const auto o = open.find(h); o != open.end() && o->second != g) to = o->second;
            }
            if (const auto w = looseWhole.find(ShapeHash(t, 0, c, true));
                to == groups.size() && w != looseWhole.end() && w->second != g)
                to = w->second;
            for (std::size_t p = 0; p < runPlaces.size() && to == groups.size(); ++p) {
                RunSpan span;
                if (!FindRunSpan(t, runPlaces[p].first, runPlaces[p].second, span) || span.end > c)
                    continue;
                const auto w = runWhole.find(RunShapeHash(t, span, c));
                if (w == runWhole.end() || w->second == g) continue;
                const Fork& f = groups[w->second].fork;
                std::string text;
                if (PlaceText(t, f, text) && (text == f.text[0] || text == f.text[1]))
                    to = w->second;
            }
            if (to == groups.size()) continue;
            while (into[to] != to) to = into[to];
            if (to == g) continue;
            into[g] = to;
            break;
        }
    }
    ApplyJoins(groups, ids, into, [](Pattern&) {});
}

// Whether `t` holds a value after its label's colon at `c`, and a clause after that.
bool ValueBeforeClause(const Template& t, std::size_t c) {
    return c > 0 && c + 2 < t.size() && t[c + 1].kind == TokenKind::Variable &&
           t[c + 2].kind == TokenKind::Symbol && t[c + 2].text == kWideComma;
}

// Joins the groups whose texts are one text up to a Chinese label's colon and differ only
// in the text after it, to the message's end ("续保失败：健康告知异常", "续保失败：
// 产品已停售" and "续保失败：年龄超出续保上限"): what follows a label is its value once
// three texts stand there, or one of them is a value already; two texts are two kinds
// ("结果：成功" and "结果：失败").  The largest group takes the others' lines.
void JoinLabelValues(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids) {
    // The place of a group's last Chinese colon, after a label, with anything after it,
    // or 0.
    auto label = [&](const Template& t) -> std::size_t {
        for (std::size_t c = t.size(); c-- > 1;) {
            const PatternToken& k = t[c];
            if (k.kind == TokenKind::Symbol && k.text == kWideColon) {
                // The label: Chinese text, or a remark in brackets after it
                // ("申报失败（<*>）：").
                const bool remark =
                    c > 0 && t[c - 1].kind == TokenKind::Symbol && t[c - 1].text == kWideClose;
                std::size_t l = c;
                while (l > 0 && t[l - 1].kind == TokenKind::Cjk) --l;
                return c + 1 < t.size() && (l < c || remark) ? c : 0;
            }
        }
        return 0;
    };
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> byLabel;
    std::vector<std::size_t> at(groups.size());  // label() of each group
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = groups[g].tokens;
        at[g] = label(t);
        if (at[g] == 0) continue;
        byLabel[ShapeHash(t, 0, at[g] + 1)].push_back(g);
    }
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = g;
    // A label that begins the message may be a source's ("网管：") or a header's level
    // ("[<*>] 【<*>】一般：") before messages of all kinds: what follows it is a value only
    // where one of the groups shows one.
    // So may one after a header the tokenizer did not tell ("〖POS06〗10月02日 09:00:03 通知："):
    // fields in brackets and values before the label.
    auto opening = [&](std::size_t g) {
        const Template& t = groups[g].tokens;
        bool inBrackets = false;  // of the header's, before the message
        bool message = false;
        for (std::size_t b = 0; b < at[g]; ++b) {
            const PatternToken& k = t[b];
            const bool open =
                IsSymbolByte(k, "[") || k.text == kWideBracketOpen || k.text == kWideFieldOpen;
            const bool close =
                IsSymbolByte(k, "]") || k.text == kWideBracketClose || k.text == kWideFieldClose;
            if (!message && !inBrackets && open) {
                inBrackets = true;
            } else if (inBrackets) {
                inBrackets = !close;
            } else if (k.kind == TokenKind::Cjk) {
                message = true;
            } else if (message || k.kind != TokenKind::Variable) {
                return false;
            }
        }
        return !inBrackets;
    };
    for (auto& [key, members] : byLabel) {
        if (members.size() < 2) continue;
        bool value = members.size() >= 3 && !opening(members[0]);
        // Texts counted by the Chinese words they begin with: two words with remarks and
        // clauses after them are still two kinds ("判定：合格" and "判定：不合格（<*>），已
        // 退回重做" with reasons of their own).
        if (value) {
            std::vector<std::string> firsts;
            bool words = true;
            for (std::size_t g : members) {
                const Template& t = groups[g].tokens;
                std::string first;
                for (std::size_t k = at[g] + 1; k < t.size() && t[k].kind == TokenKind::Cjk; ++k)
                    first += t[k].text;
                words = words && !first.empty();
                if (std::find(firsts.begin(), firsts.end(), first) == firsts.end())
                    firsts.push_back(std::move(first));
            }
            value = !words || firsts.size() != 2;
        }
        for (std::size_t g : members) {
            const Template& t = groups[g].tokens;
            // Values alone after the colon, with commas between ("查勘结论：<*>，<*>").
            bool values = true;
            for (std::size_t k = at[g] + 1; k < t.size(); ++k)
                values = values && (t[k].kind == TokenKind::Variable ||
                                    (t[k].kind == TokenKind::Symbol && t[k].text == kWideComma));
            value = value || (t.back().kind == TokenKind::Variable && values);
            // Or a value with the ending of a name, alone in the clause ("等级：<*>卡").
            bool named = t.size() <= at[g] + 4 && t.size() > at[g] + 2 &&
                         t[at[g] + 1].kind == TokenKind::Variable;
            for (std::size_t k = at[g] + 2; k < t.size() && named; ++k)
                named = t[k].kind == TokenKind::Cjk;
            value = value || named;
        }
        if (value) {
            for (std::size_t k = 1; k < members.size(); ++k) into[members[k]] = members[0];
            continue;
        }
        // A value after the label that a clause follows ("处置完毕：<*>，耗时<*>"): the
        // groups with any text there and the same clause after it join it ("处置完毕：供电
        // 恢复，逐步恢复正常运营，耗时<*>").
        for (std::size_t v : members) {
            const Template& tv = groups[v].tokens;
            if (!ValueBeforeClause(tv, at[v])) continue;
            const std::size_t tail = tv.size() - at[v] - 2;
            const std::uint64_t h = ShapeHash(tv, tv.size() - tail, tv.size());
            for (std::size_t g : members) {
                const Template& t = groups[g].tokens;
                if (g != v && t.size() > at[g] + 1 + tail &&
                    ShapeHash(t, t.size() - tail, t.size()) == h)
                    into[g] = v;
            }
            break;
        }
    }
    // The text of a group that took others shows a value after the colon.
    ApplyJoins(groups, ids, into, [&](Pattern& head) {
        const std::size_t c = label(head.tokens);
        if (c == 0 || ValueBeforeClause(head.tokens, c)) return;
        head.tokens.resize(c + 2);
        head.tokens[c + 1] = PatternToken{};
        head.tokens[c + 1].kind = TokenKind::Variable;
    });
}

// Whether token k of `t` comes right after a label's colon or a pair's sign.
bool LabelSign(const Template& t, std::size_t k) {
    return k > 0 && t[k - 1].kind == TokenKind::Symbol &&
           (t[k - 1].text == kWideColon || t[k - 1].text == "=");
}

// Punctuation inside a name or a list that a value stands for: a list's commas, a
// name's middle dot ("包子铺·早餐"), a Latin name's dot ("Dr. Zhang"), the sign of a
// size or a count ("标签纸 50mm×25mm", "帆布袋×3"), a unit's number sign ("2# 海德堡")
// and the stars that mask a name ("梁*", "刘**").
bool NameSymbol(const PatternToken& k) {
    return IsListComma(k) ||
           (k.kind == TokenKind::Symbol &&
            (k.text == kMiddleDot || k.text == kTimes || k.text == "," || k.text == "." ||
             k.text == "#" || k.text.find_first_not_of('*') == std::string::npos));
}

// Whether `k` is Chinese punctuation: a double-byte sign.
bool WidePunctuation(const PatternToken& k) {
    return k.kind == TokenKind::Symbol && k.text.size() == 2;
}

// 1 for an opening bracket of a name's remark (（【「《 or "("), -1 for a closing one, 0 for
// other tokens.
int RemarkBracket(const PatternToken& k) {
    if (k.kind == TokenKind::Symbol && k.text.size() == 1)
        return k.text[0] == '(' ? 1 : k.text[0] == ')' ? -1 : 0;
    static constexpr std::array<std::string_view, 4> kOpen = {kWideOpen, kWideBracketOpen,
                                                              "\xa1\xb8", "\xa1\xb6"};
    static constexpr std::array<std::string_view, 4> kClose = {kWideClose, kWideBracketClose,
                                                               "\xa1\xb9", "\xa1\xb7"};
    if (k.kind != TokenKind::Symbol || k.text.size() != 2) return 0;
    if (std::find(kOpen.begin(), kOpen.end(), k.text) != kOpen.end()) return 1;
    return std::find(kClose.begin(), kClose.end(), k.text) != kClose.end() ? -1 : 0;
}

// The closing mark of a quote that `k` opens (「『《【), or an empty view.  Text in quotes
// is one value, whatever blanks and punctuation it holds ("「窗帘 2.8m×2.6m」").
std::string_view QuoteClose(const PatternToken& k) {
    static constexpr std::array<std::string_view, 4> kOpen = {"\xa1\xb8", "\xa1\xba", "\xa1\xb6",
                                                              kWideBracketOpen};
    static constexpr std::array<std::string_view, 4> kClose = {"\xa1\xb9", "\xa1\xbb", "\xa1\xb7",
                                                               kWideBracketClose};
    if (k.kind != TokenKind::Symbol) return {};
    const auto at = std::find(kOpen.begin(), kOpen.end(), k.text);
    return at == kOpen.end() ? std::string_view() : kClose[at - kOpen.begin()];
}

// The place in [from, end) of `t` of the `close` that ends a quote opened by `open` right
// before `from`, quotes of the same marks nested inside it, or `end`.
std::size_t QuoteEnd(const Template& t, std::size_t from, std::size_t end, std::string_view open,
                     std::string_view close) {
    int nested = 0;
    for (std::size_t e = from; e < end; ++e) {
        if (t[e].kind != TokenKind::Symbol) continue;
        if (t[e].text == open) ++nested;
        if (t[e].text == close && nested-- == 0) return e;
    }
    return end;
}

// Whether token e of `t` is a hyphen between Chinese words, which joins a place's or a
// unit's name ("校园驿站-东区食堂旁").
bool NameHyphen(const Template& t, std::size_t e) {
    return e > 0 && e + 1 < t.size() && t[e].kind == TokenKind::Symbol && t[e].text == "-" &&
           t[e - 1].kind == TokenKind::Cjk && t[e + 1].kind == TokenKind::Cjk;
}

// Whether the first `m` tokens of `general` cover `t`: `t` is them with each value standing for
// Chinese text, words, values, list commas, a name's middle dot and hyphen of `t`
// ("路线<*>线，未打卡点位：<*>" covers "路线地库专线，未打卡点位：垃圾站、东门岗亭"), its
// last value after a label for anything ("原因：<*>" for "原因：超过单笔限购数量（<*>）"), a
// list's further items for none, and every other token the same.  `mutual`: also where a value
// of `t` stands for text of `general` that holds a value itself ("<*>" for "<*>号桌<*>", "<*>"
// for "共<*>"): each side shows a value where the other shows one in a form of its own.
bool Covers(const Template& general, std::size_t m, const Template& t, bool mutual = false) {
    const std::size_t n = t.size();
    auto loose = [&](const PatternToken& k) {
        return k.kind == TokenKind::Cjk || k.kind == TokenKind::Variable ||
               k.kind == TokenKind::Word || NameSymbol(k);
    };
    auto separator = [](const PatternToken& k) {
        return IsListComma(k) || (k.kind == TokenKind::Symbol && k.text == ",");
    };
    auto closes = [](const PatternToken& k) {
        return k.kind == TokenKind::Symbol && !NameSymbol(k);
    };
    // reach[i][j]: general's first i tokens cover t's first j.
    std::vector<std::uint8_t> reach((m + 1) * (n + 1), 0);
    reach[0] = 1;
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j <= n; ++j) {
            if (!reach[i * (n + 1) + j]) continue;
            const PatternToken& g = general[i];
            // A list's further items may be missing ("技能：<*>,<*>" for "技能：PMP").
            if (i + 1 < m && separator(g) && general[i + 1].kind == TokenKind::Variable)
                reach[(i + 2) * (n + 1) + j] = 1;
            // A value glued after Chinese text before punctuation or the end, where `t`
            // has punctuation or its end, is a qualifier its lines lack ("车型<*>车<*>，"
            // for "车型小型客车，" where others show "车型罐式半挂车（危化品），").
            if (g.kind == TokenKind::Variable && g.gap.empty() && i > 0 &&
                general[i - 1].kind == TokenKind::Cjk && (i + 1 == m || closes(general[i + 1])) &&
                (j == n || closes(t[j])))
                reach[(i + 1) * (n + 1) + j] = 1;
            // So is a value after a label, glued before Chinese text: a part of the label's
            // text that only some lines hold ("来源：<*>点<*>" for "来源：点歌屏").
            if (g.kind == TokenKind::Variable && i + 1 < m &&
                general[i + 1].kind == TokenKind::Cjk && general[i + 1].gap.empty() &&
                LabelSign(general, i))
                reach[(i + 1) * (n + 1) + j] = 1;
            if (j == n) continue;
            // Both whole fields between punctuation: a value inside a field may not stand
            // for words that tell messages apart ("信用卡<*>逾期<*>", "信用卡<*>还款<*>成功").
            if (mutual && t[j].kind == TokenKind::Variable && (j == 0 || !loose(t[j - 1])) &&
                (j + 1 == n || !loose(t[j + 1])) && (i == 0 || !loose(general[i - 1]))) {
                bool value = false;
                for (std::size_t e = i; e < m && loose(general[e]); ++e) {
                    value = value || general[e].kind == TokenKind::Variable;
                    if (value && (e + 1 == m || !loose(general[e + 1])))
                        reach[(e + 1) * (n + 1) + j + 1] = 1;
                }
            }
            if (g.kind == TokenKind::Variable) {
                // The value after a label with nothing but a list of values after it
                // stands for anything ("技能：<*>,<*>" for "技能：Excel,C/C++").
                const bool label = LabelSign(general, i);
                bool last = label;  // with only a list of values after it
                for (std::size_t k = i + 1; k < m && last; ++k)
                    last = general[k].kind == TokenKind::Variable || separator(general[k]);
                // Also for a remark in Chinese brackets, whole, with the Chinese
                // punctuation it holds ("第<*>轮<*>" for "第2轮（HR面）", "<*>" for "清蒸
                // 鲈鱼【时价】", "当事人：<*>，" for "当事人：某某合作社（法定代表人：马洋），").
                // But not words glued after Chinese text at the message's end with a remark
                // after them: they say what happened ("的连接<*>" for "的连接超时（1462秒）").
                const bool words = i > 0 && i + 1 == m && general[i - 1].kind == TokenKind::Cjk &&
                                   g.gap.empty() && t[j].kind == TokenKind::Cjk;
                // A whole quote's text, whatever it holds ("「<*>」" for "「窗帘 <*>×<*>」").
                const std::string_view close = i > 0 ? QuoteClose(general[i - 1]) : "";
                if (!close.empty() && i + 1 < m && general[i + 1].kind == TokenKind::Symbol &&
                    general[i + 1].text == close) {
                    const std::size_t q = QuoteEnd(t, j, n, general[i - 1].text, close);
                    if (q > j && q < n) reach[(i + 1) * (n + 1) + q] = 1;
                }
                int depth = 0;
                for (std::size_t e = j; e < n; ++e) {
                    const PatternToken& k = t[e];
                    if (RemarkBracket(k) > 0) {
                        if (words && depth == 0) break;
                        ++depth;
                    } else if (depth > 0 && RemarkBracket(k) < 0) {
                        --depth;
                    } else if (!last && !loose(k) && (depth == 0 || !WidePunctuation(k)) &&
                               (depth > 0 || !NameHyphen(t, e))) {
                        break;
                    }
                    if (depth == 0) reach[(i + 1) * (n + 1) + e + 1] = 1;
                }
            } else if (g.kind == t[j].kind && g.hash == t[j].hash) {
                reach[(i + 1) * (n + 1) + j + 1] = 1;
            }
        }
    }
    return reach[m * (n + 1) + n] != 0;
}

// Joins the groups that differ in one stretch only, where the same two texts stand
// between other texts at two places or more and one of them holds a value: one thing's
// name written two ways ("<*>号罐（<*>#，<*>立方）" and "T6 双层罐（<*>#柴油）" after
// "液位仪上报 " and after "低库存预警："), as no pair of words that says what happened
// ("成功" and "失败") is.  Groups whose headers show two levels stay apart.
void JoinAlternatives(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids) {
    constexpr std::size_t kMaxStretch = 12;   // tokens of a stretch that may be a name
    constexpr std::size_t kMaxGroups = 1000;  // the largest groups compared, to bound the cost
    constexpr std::size_t kMinAround = 2;     // words or Chinese characters around the stretch
    struct Place {
        std::size_t a;
        std::size_t b;
        std::uint64_t around;  // the text around the stretch
    };
    std::unordered_map<std::uint64_t, std::vector<Place>> byTexts;  // the two texts -> places
    std::vector<std::size_t> chinese;
    for (std::size_t g = 0; g < groups.size() && chinese.size() < kMaxGroups; ++g)
        if (std::any_of(groups[g].tokens.begin(), groups[g].tokens.end(),
                        [](const PatternToken& k) { return k.kind == TokenKind::Cjk; }))
            chinese.push_back(g);
    auto same = [](const PatternToken& x, const PatternToken& y) {
        return x.kind == y.kind && (x.kind == TokenKind::Variable || x.hash == y.hash);
    };
    auto text = [](const PatternToken& k) {
        return k.kind == TokenKind::Cjk || k.kind == TokenKind::Word;
    };
    auto value = [](const Template& t, std::size_t b, std::size_t e) {
        return std::any_of(t.begin() + static_cast<std::ptrdiff_t>(b),
                           t.begin() + static_cast<std::ptrdiff_t>(e),
                           [](const PatternToken& k) { return k.kind == TokenKind::Variable; });
    };
    for (std::size_t i = 0; i < chinese.size(); ++i) {
        for (std::size_t j = i + 1; j < chinese.size(); ++j) {
            const Template& x = groups[chinese[i]].tokens;
            const Template& y = groups[chinese[j]].tokens;
            const std::size_t m = x.size();
            const std::size_t n = y.size();
            std::size_t p = 0;
            while (p < m && p < n && same(x[p], y[p])) ++p;
            if (p == m || p == n) continue;
            std::size_t s = 0;
            while (s < m - p && s < n - p && same(x[m - 1 - s], y[n - 1 - s])) ++s;
            if (m - p - s > kMaxStretch || n - p - s > kMaxStretch) continue;
            const std::size_t around = static_cast<std::size_t>(
                std::count_if(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(p), text) +
                std::count_if(x.end() - static_cast<std::ptrdiff_t>(s), x.end(), text));
            if (around < kMinAround || (!value(x, p, m - s) && !value(y, p, n - s)) ||
                OtherLevels(groups[chinese[i]], groups[chinese[j]]))
                continue;
            const std::uint64_t hx = ShapeHash(x, p, m - s);
            const std::uint64_t hy = ShapeHash(y, p, n - s);
            byTexts[Mix(std::min(hx, hy), std::max(hx, hy))].push_back(
                {chinese[i], chinese[j], Mix(ShapeHash(x, 0, p), ShapeHash(x, m - s, m))});
        }
    }
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = g;
    auto root = [&](std::size_t g) {
        while (into[g] != g) g = into[g];
        return g;
    };
    for (const auto& entry : byTexts) {
        const std::vector<Place>& places = entry.second;
        if (std::all_of(places.begin(), places.end(),
                        [&](const Place& q) { return q.around == places[0].around; }))
            continue;
        for (const Place& q : places) {
            const std::size_t u = root(q.a);
            const std::size_t v = root(q.b);
            if (u != v) into[std::max(u, v)] = std::min(u, v);  // the larger group leads
        }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = root(g);
    ApplyJoins(groups, ids, into, [](Pattern&) {});
}

// Joins the groups that are one text but for one field between a Chinese sentence's
// punctuation, where each shows a value in a form of its own ("，<*>号桌<*>，" and
// "，包间「<*>」，": a table or a private room): one value written two ways.  Not the
// message's first field, which says what happened, and not fields of one form that
// differ only in their words ("<*>离线" and "<*>上线").  The largest group takes the
// others' lines.
void JoinFieldForms(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids) {
    constexpr std::size_t kMaxField = 12;  // tokens of a field that may be a value
    // The form of a field: its kinds, a run of Chinese characters as one, and its
    // punctuation.
    auto form = [](const Template& t, std::size_t b, std::size_t e) {
        std::uint64_t h = 0;
        for (std::size_t k = b; k < e; ++k) {
            if (t[k].kind == TokenKind::Cjk && k > b && t[k - 1].kind == TokenKind::Cjk) continue;
            h = Mix(Mix(h, static_cast<std::uint64_t>(t[k].kind)),
                    t[k].kind == TokenKind::Symbol ? t[k].hash : 0);
        }
        return h;
    };
    struct Place {
        std::size_t group;
        std::uint64_t form;
    };
    std::unordered_map<std::uint64_t, std::vector<Place>> byRest;  // the text but the field
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = groups[g].tokens;
        if (std::none_of(t.begin(), t.end(),
                         [](const PatternToken& k) { return k.kind == TokenKind::Cjk; }))
            continue;
        std::size_t b = 0;
        while (b < t.size() && !WideDivider(t[b])) ++b;  // the first field is never a value
        while (b < t.size()) {
            const std::size_t begin = b + 1;
            std::size_t end = begin;
            while (end < t.size() && !WideDivider(t[end])) ++end;
            const bool value = std::any_of(t.begin() + begin, t.begin() + end, [](const auto& k) {
                return k.kind == TokenKind::Variable;
            });
            if (value && end - begin <= kMaxField) {
                const std::uint64_t rest =
                    Mix(Mix(ShapeHash(t, 0, begin), 0xF1E1Du), ShapeHash(t, end, t.size()));
                byRest[rest].push_back({g, form(t, begin, end)});
            }
            b = end;
        }
    }
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = g;
    auto root = [&](std::size_t g) {
        while (into[g] != g) g = into[g];
        return g;
    };
    for (auto& [rest, places] : byRest) {
        for (std::size_t a = 0; a < places.size(); ++a)
            for (std::size_t c = a + 1; c < places.size(); ++c) {
                if (places[a].form == places[c].form) continue;
                std::size_t x = root(places[a].group);
                std::size_t y = root(places[c].group);
                if (x == y) continue;
                if (groups[y].count > groups[x].count ||
                    (groups[y].count == groups[x].count && y < x))
                    std::swap(x, y);
                into[y] = x;
            }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) into[g] = root(g);
    ApplyJoins(groups, ids, into, [](Pattern&) {});
}

// Joins each group that holds Chinese text to the first larger group that covers it
// (Covers): a name or a list that came often enough to stay constant in a few lines,
// where the larger group shows a value.
void JoinCoveredGroups(std::vector<Pattern>& groups, std::vector<std::vector<std::uint32_t>>& ids) {
    // Groups by the tokens a value never stands for, in order, up to the last label:
    // those of a covered group are the covering group's.
    auto frame = [](const Template& t, std::size_t size) {
        std::size_t end = size;
        while (end > 0 && !LabelSign(t, end)) --end;
        if (end == 0) end = size;
        std::uint64_t h = 0x5EEDu;
        int depth = 0;  // of remark brackets
        for (std::size_t k = 0; k < end; ++k) {
            // A quote's punctuation is its value's.
            if (const std::string_view close = QuoteClose(t[k]); !close.empty()) {
                if (const std::size_t q = QuoteEnd(t, k + 1, end, t[k].text, close); q < end) {
                    k = q;
                    continue;
                }
            }
            // A remark's Chinese punctuation is its own ("（法定代表人：<*>）"), and so is
            // that of a quote that a label inside it cuts ("「字幕条：").
            depth = std::max(depth + RemarkBracket(t[k]), 0);
            if (depth > 0 && WidePunctuation(t[k])) continue;
            // Nor is a hyphen: it may join a name's parts, which a value stands for.
            if (t[k].kind == TokenKind::Symbol && !NameSymbol(t[k]) && RemarkBracket(t[k]) == 0 &&
                t[k].text != "-")
                h = Mix(h, t[k].hash);
        }
        return h;
    };
    // A group that may cover others: its first `end` tokens, the whole of it or all but
    // clauses at its end (a group without a remark that others add), where Chinese text
    // ends the clause before them: a value there would take any clause.
    struct Cover {
        std::size_t group;
        std::size_t end;
    };
    constexpr std::size_t kMaxTried = 32;  // larger groups tried per group, to bound the cost
    std::unordered_map<std::uint64_t, std::vector<Cover>> byFrame;
    std::vector<std::size_t> into(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        into[g] = g;
        const Template& t = groups[g].tokens;
        const std::size_t words = static_cast<std::size_t>(std::count_if(
            t.begin(), t.end(), [](const PatternToken& k) { return k.kind == TokenKind::Cjk; }));
        const auto found = byFrame.find(frame(t, t.size()));
        std::size_t tried = 0;
        for (std::size_t c = 0; found != byFrame.end() && words > 0 && c < found->second.size() &&
                                ++tried <= kMaxTried;
             ++c) {
            const Cover& h = found->second[c];
            if (groups[h.group].count <= groups[g].count ||
                !Covers(groups[h.group].tokens, h.end, t, h.end == groups[h.group].tokens.size()))
                continue;
            into[g] = h.group;
            break;
        }
        // Or covers it but for a remark it adds at its end after a Chinese comma: Chinese
        // words alone ("…计费规则《<*>》，免押订单"), a label and its text ("…已拍照留证，
        // 备注：居民不在家"), or a field that holds a value
        // ("…快递员<*>，冷藏件（鲜奶 <*>×<*>）", "…瞳距PD <*>，矫正视力 <*>/<*>"), which a
        // few lines of a kind add.  The remark may run on past a comma in Chinese words
        // alone ("，备注：本人不在，邻居代领").  A field is no remark to a group that ends in
        // a value right after a comma: that value would take any clause ("航班<*>，<*>").
        // Fields of a few clauses are tried from the last ("瞳距PD <*>，ADD <*>，矫正视力
        // <*>"); once one is passed, a clause of a value alone is a field too.
        bool runOn = false;  // a clause of Chinese words alone was passed at the end
        std::size_t clauseEnd = t.size();
        int passed = 0;  // clauses passed without a cover
        for (std::size_t c = t.size(); into[g] == g && words > 0 && c-- > 1;) {
            if (t[c].kind != TokenKind::Symbol || t[c].text != kWideComma) continue;
            std::size_t l = c + 1;
            while (l < t.size() && t[l].kind == TokenKind::Cjk) ++l;
            const bool lone =
                passed > 0 && clauseEnd == c + 2 && t[c + 1].kind == TokenKind::Variable;
            if (l == c + 1 && !lone) break;
            const bool alone = l == t.size() && !runOn;
            const bool label =
                l + 1 < t.size() && t[l].kind == TokenKind::Symbol && t[l].text == kWideColon;
            const bool field =
                !alone && !label &&
                std::any_of(t.begin() + static_cast<std::ptrdiff_t>(l), t.end(),
                            [](const PatternToken& k) { return k.kind == TokenKind::Variable; });
            if (!label && !field && !alone) break;
            const Template head(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(c));
            const auto remark = byFrame.find(frame(head, head.size()));
            std::size_t tried = 0;
            for (std::size_t k = 0;
                 remark != byFrame.end() && k < remark->second.size() && ++tried <= kMaxTried;
                 ++k) {
                const Cover& h = remark->second[k];
                if (h.end != groups[h.group].tokens.size() ||
                    groups[h.group].count <= groups[g].count ||
                    !Covers(groups[h.group].tokens, h.end, head))
                    continue;
                const Template& cover = groups[h.group].tokens;
                if (field && h.end >= 2 && cover[h.end - 2].kind == TokenKind::Symbol &&
                    cover[h.end - 2].text == kWideComma)
                    continue;
                into[g] = h.group;
                break;
            }
            if (into[g] != g) break;
            if (alone) {
                runOn = true;
                clauseEnd = c;
                continue;
            }
            if (passed == 3) break;
            clauseEnd = c;
            ++passed;
        }
        // Only a group with a Chinese word covers others: one of values and punctuation
        // alone ("<*>：<*>") would cover messages of any kind.
        if (into[g] != g || words < 2) continue;
        byFrame[frame(t, t.size())].push_back({g, t.size()});
        for (std::size_t c = 1; c < t.size(); ++c)
            if (t[c].kind == TokenKind::Symbol && t[c].text == kWideComma &&
                t[c - 1].kind == TokenKind::Cjk)
                byFrame[frame(t, c)].push_back({g, c});
    }
    // A smaller group that covers a larger one whole takes its lines too: a few lines
    // that made a value of more ("<*>还书：<*>" of "<*>批量还书：<*>,<*>,<*>").
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const Template& t = groups[g].tokens;
        const auto found = byFrame.find(frame(t, t.size()));
        if (into[g] != g || found == byFrame.end()) continue;
        std::size_t tried = 0;
        for (const Cover& h : found->second) {
            if (++tried > kMaxTried) break;
            if (h.group == g || into[h.group] != h.group ||
                h.end != groups[h.group].tokens.size() || groups[h.group].count > groups[g].count ||
                !Covers(groups[h.group].tokens, h.end, t))
                continue;
            into[g] = h.group;
            break;
        }
    }
    ApplyJoins(groups, ids, into, [](Pattern&) {});
}

// The place where pattern `p` (with `items`, aligned along `path`) differs from group `g`
// by one run of Chinese characters, both sides holding some ("医生<*>登录工作站" and
// "医生<*>退出工作站"), becomes g's run place: Ranked tells its members apart by their
// text there while it holds at most two.
void GroupRun(Pattern& g, const std::vector<Item>& items, const std::vector<std::uint8_t>& path) {
    ChineseRun run;
    ChineseRuns all;
    // Where two to four places differ, each member holds one text at each of them: the
    // places change together, so the first tells the kinds ("<*>中心到件扫描：…，上一站
    // <*>" and "<*>中心发件扫描：…，下一站<*>").
    if (!OneChineseRun(g.tokens, items, path, run, &all)) {
        if (all.count < 2) return;
        run = all.at[0];
    }
    if (run.pattern.empty() || run.line.empty() || Directions(run)) return;
    Fork& f = g.fork;
    ClearFork(f);
    f.group = true;
    ToEnding(run);
    OpenRunFork(f, run, 0);
    AddSecondText(f, run.line);
}

// Keys of pairs that a merge may not make values of (MergeLosesKeys).  In a log with
// Chinese text, one: its Latin messages are a service's own, each kind with its own keys
// ("sms notify sent: … bizId=<*>" and "sms notify failed: … err=<*>").  In other logs
// two, as the public English logs were measured with.
std::size_t KeysLost(bool chinese) { return chinese ? 1 : 2; }

// `patterns` (with `ids`, the ids of each one's lines), in the order given, each joined to
// the first earlier group it is similar to, or a group of its own.
Grouped GroupSimilar(const std::vector<const Pattern*>& patterns,
                     std::vector<std::vector<std::uint32_t>> ids, const PatternTuning& tuning,
                     bool chinese) {
    Grouped out;
    CandidateIndex index;
    Aligner aligner;
    aligner.SetGluedSymbols(tuning.gluedPunctuation);
    aligner.SetWordCost(tuning.wordCost);
    std::vector<Item> items;
    std::vector<Item> headItems;
    std::vector<std::uint32_t> candidates;
    for (std::size_t k = 0; k < patterns.size(); ++k) {
        const Pattern& p = *patterns[k];
        TemplateItems(p.tokens, items);
        int best = BestMatch(out.groups, index, aligner, items, p.terms, candidates,
                             tuning.similarityPercent, p.level);
        if (best >= 0 && tuning.sameSource) {
            TemplateItems(p.header, headItems);
            if (OtherSource(out.groups[static_cast<std::size_t>(best)], headItems.data(),
                            headItems.size(), aligner.Path(), items))
                best = -1;
        }
        if (best >= 0 && tuning.chineseRuns &&
            aligner.MergeLosesChinese(out.groups[static_cast<std::size_t>(best)].tokens, items))
            best = -1;
        if (best >= 0 && aligner.MergeLosesKeys(out.groups[static_cast<std::size_t>(best)].tokens,
                                                items, KeysLost(chinese)))
            best = -1;
        if (best >= 0 && tuning.chineseRuns) {
            // Words that each side has where the other has none, in two places, say what
            // happened ("劳动合同已发起签署" and "劳动合同签署超时"): a name is never missing.
            // So do words that differ in three places ("红字…开具成功…冲红原因" and
            // "蓝字…开具失败…原因"): one value's name and form may differ in two.
            ChineseRun run;
            ChineseRuns all;
            OneChineseRun(out.groups[static_cast<std::size_t>(best)].tokens, items, aligner.Path(),
                          run, &all);
            if (all.missing >= 2 || all.places >= 3) best = -1;
        }
        if (best >= 0) {
            Pattern& g = out.groups[static_cast<std::size_t>(best)];
            if (tuning.chineseRuns && !g.fork.on) GroupRun(g, items, aligner.Path());
            aligner.Merge(g.tokens, items);
            g.terms = TemplateTerms(g.tokens);
            TemplateItems(p.header, items);
            MergeHeader(g.header, items.data(), items.size());
            g.count += p.count;
            std::vector<std::uint32_t>& joined = out.ids[static_cast<std::size_t>(best)];
            joined.insert(joined.end(), ids[k].begin(), ids[k].end());
        } else {
            index.Add(static_cast<std::uint32_t>(out.groups.size()), p.terms);
            out.groups.push_back(p);
            if (!p.fork.group) ClearFork(out.groups.back().fork);  // a member's own
            out.ids.push_back(std::move(ids[k]));
        }
    }
    return out;
}

}  // namespace

struct PatternMiner::State {
    State(std::size_t cap, const PatternTuning& t)
        : maxPatterns(std::max<std::size_t>(cap, 1)), tuning(t) {
        aligner.SetGluedSymbols(t.gluedPunctuation);
        aligner.SetWordCost(t.wordCost);
    }

    std::size_t maxPatterns;
    PatternTuning tuning;
    std::vector<Pattern> patterns;
    std::int64_t lines = 0;
    std::int64_t otherCount = 0;
    bool chinese = false;                                     // a line so far held Chinese text
    std::unordered_map<std::uint64_t, std::uint32_t> shapes;  // exact line shape -> id
    std::vector<std::uint32_t> idPattern;                     // the pattern of each id
    std::vector<std::int64_t> idCount;                        // lines of each id
    CandidateIndex index;
    Aligner aligner;

    // Scratch, kept to avoid allocations per line.
    std::vector<LineToken> tokens;
    std::vector<Item> items;
    std::vector<Item> message;  // the items after the header
    std::vector<std::uint64_t> terms;
    std::vector<std::uint32_t> candidates;

    std::uint32_t Add(std::string_view line);
};

std::uint32_t PatternMiner::State::Add(std::string_view line) {
    ++lines;
    const std::size_t head =
        TokenizeLine(line, tokens, tuning.gluedValues, tuning.lateStamps, tuning.constantNames);
    items.resize(tokens.size());
    std::uint64_t shape = 0x51ED27u;
    std::uint32_t prevEnd = 0;
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const LineToken& lt = tokens[k];
        Item& it = items[k];
        it.kind = lt.kind;
        it.text = line.substr(lt.begin, lt.end - lt.begin);
        it.gap = line.substr(prevEnd, lt.begin - prevEnd);
        it.hash = IsConstant(lt.kind) ? HashToken(it.text, lt.kind) : 0;
        chinese = chinese || lt.kind == TokenKind::Cjk;
        prevEnd = lt.end;
    }
    for (std::size_t k = head; k < items.size(); ++k) {
        // The shape is the message's: the header never decides the pattern.  A pair's
        // word is part of it, as it may name the line's kind (Fork).
        const Item& it = items[k];
        const bool pairWord = tuning.pairWords && k >= head + 2 &&
                              items[k - 1].kind == TokenKind::Symbol &&  // most are not
                              PairWordAt(items, k, tuning.constantNames);
        shape = Mix(shape, IsConstant(it.kind) ? it.hash
                           : pairWord          ? HashToken(it.text, TokenKind::Word)
                                               : 7);
    }
    shape = Mix(shape, items.size() - head);
    const std::uint64_t level = chinese ? LineLevel(items, head) : 0;
    shape = Mix(shape, level);
    if (const auto found = shapes.find(shape); found != shapes.end()) {
        Pattern& p = patterns[idPattern[found->second]];
        MergeHeader(p.header, items.data(), head);
        ++p.count;
        ++idCount[found->second];
        return found->second;
    }

    message.assign(items.begin() + static_cast<std::ptrdiff_t>(head), items.end());
    Terms(message, terms);
    int best = BestMatch(patterns, index, aligner, message, terms, candidates,
                         tuning.similarityPercent, level);
    std::uint32_t id;
    if (best >= 0 && tuning.sameSource &&
        OtherSource(patterns[static_cast<std::size_t>(best)], items.data(), head, aligner.Path(),
                    message))
        best = -1;
    if (best >= 0 && tuning.chineseRuns &&
        aligner.MergeLosesChinese(patterns[static_cast<std::size_t>(best)].tokens, message))
        best = -1;
    if (best >= 0 && aligner.MergeLosesKeys(patterns[static_cast<std::size_t>(best)].tokens,
                                            message, KeysLost(chinese)))
        best = -1;
    if (best >= 0) {
        Pattern& p = patterns[static_cast<std::size_t>(best)];
        id = p.id;
        // A pattern of one line is its text: a family name that the line's name shares
        // with the pattern's is no part of it.
        if (chinese && tuning.chineseRuns && p.count == 1)
            aligner.UnmatchSurnames(p.tokens, message);
        if (tuning.eitherWord || tuning.labelWords || tuning.wordPlaces || tuning.pairWords ||
            tuning.chineseRuns)
            id = ForkId(p, aligner.Path(), message, tuning, chinese, [&] {
                idPattern.push_back(static_cast<std::uint32_t>(best));
                idCount.push_back(0);
                return static_cast<std::uint32_t>(idPattern.size() - 1);
            });
        ++idCount[id];
        if (!aligner.MergeKeeps(p.tokens, message)) {
            aligner.Merge(p.tokens, message);
            p.terms = TemplateTerms(p.tokens);
        }
        MergeHeader(p.header, items.data(), head);
        ++p.count;
    } else if (patterns.size() < maxPatterns) {
        id = static_cast<std::uint32_t>(idPattern.size());
        idPattern.push_back(static_cast<std::uint32_t>(patterns.size()));
        idCount.push_back(1);
        index.Add(static_cast<std::uint32_t>(patterns.size()), terms);
        Template t = NewTemplate(message);
        patterns.push_back(
            {HeaderTemplate(items.data(), head),
             t,
             TemplateTerms(t),
             1,
             std::string(line.substr(prevEnd).substr(0, kMaxGap)),
             id,
             Fork{},
             tuning.pairWords ? PairWords(message, tuning.constantNames) : std::vector<PairWord>{},
             {},
             Watch{},
             {},
             level});
    } else {
        ++otherCount;
        return kOtherGroup;
    }
    if (shapes.size() >= kMaxShapes) shapes.clear();
    shapes.emplace(shape, id);
    return id;
}

PatternMiner::PatternMiner(std::size_t maxPatterns, const PatternTuning& tuning)
    : state_(std::make_unique<State>(maxPatterns, tuning)) {}
PatternMiner::~PatternMiner() = default;
PatternMiner::PatternMiner(PatternMiner&&) noexcept = default;
PatternMiner& PatternMiner::operator=(PatternMiner&&) noexcept = default;

std::uint32_t PatternMiner::Add(std::string_view line) { return state_->Add(line); }

bool ParsePatternTuning(std::string_view text, PatternTuning& tuning) {
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos || eq + 1 >= item.size() || item.size() - eq > 4)
            return false;
        int value = 0;
        for (char c : item.substr(eq + 1)) {
            if (c < '0' || c > '9') return false;
            value = value * 10 + (c - '0');
        }
        const std::string_view name = item.substr(0, eq);
        if (name == "similarity" && value <= 100)
            tuning.similarityPercent = value;
        else if (name == "glued" && value <= 1)
            tuning.gluedValues = value == 1;
        else if (name == "wordcost" && value <= 64)
            tuning.wordCost = value;
        else if (name == "stamps" && value <= 1)
            tuning.lateStamps = value == 1;
        else if (name == "punct" && value <= 1)
            tuning.gluedPunctuation = value == 1;
        else if (name == "optional" && value <= 1)
            tuning.optionalFields = value == 1;
        else if (name == "slots" && value <= 1)
            tuning.wordSlots = value == 1;
        else if (name == "either" && value <= 1)
            tuning.eitherWord = value == 1;
        else if (name == "pairs" && value <= 1)
            tuning.pairWords = value == 1;
        else if (name == "source" && value <= 1)
            tuning.sameSource = value == 1;
        else if (name == "caps" && value <= 1)
            tuning.capsWords = value == 1;
        else if (name == "quoted" && value <= 1)
            tuning.quotedWords = value == 1;
        else if (name == "labels" && value <= 1)
            tuning.labelWords = value == 1;
        else if (name == "names" && value <= 1)
            tuning.constantNames = value == 1;
        else if (name == "places" && value <= 1)
            tuning.wordPlaces = value == 1;
        else if (name == "runs" && value <= 1)
            tuning.chineseRuns = value == 1;
        else if (name == "again" && value <= 1)
            tuning.regroup = value == 1;
        else
            return false;
    }
    return true;
}
std::size_t PatternMiner::PatternCount() const { return state_->patterns.size(); }
std::int64_t PatternMiner::LineCount() const { return state_->lines; }

std::vector<PatternGroup> PatternMiner::Ranked() const {
    // A pattern that began before another one had generalised may be like it now:
    // patterns are compared once more, the largest first (they are the most general),
    // and each joins the group it is similar to.
    std::vector<std::uint32_t> order(state_->patterns.size());
    for (std::size_t id = 0; id < order.size(); ++id) order[id] = static_cast<std::uint32_t>(id);
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return state_->patterns[a].count > state_->patterns[b].count;
    });
    std::vector<const Pattern*> byCount;
    std::vector<std::vector<std::uint32_t>> members;
    for (std::uint32_t id : order) {
        byCount.push_back(&state_->patterns[id]);
        members.push_back({id});
    }
    Grouped grouped = GroupSimilar(byCount, std::move(members), state_->tuning, state_->chinese);
    if (state_->tuning.regroup) {
        // A group that began before a more general one formed may fit it now ("客户<*>
        // 登录失败：密码错误次数过多" before "客户<*>登录失败：<*>" had taken the other
        // reasons): the groups are compared once more in the same way.
        std::vector<std::size_t> largest(grouped.groups.size());
        for (std::size_t g = 0; g < largest.size(); ++g) largest[g] = g;
        std::stable_sort(largest.begin(), largest.end(), [&](std::size_t a, std::size_t b) {
            return grouped.groups[a].count > grouped.groups[b].count;
        });
        byCount.clear();
        for (std::size_t g : largest) {
            byCount.push_back(&grouped.groups[g]);
            members.push_back(std::move(grouped.ids[g]));
        }
        Grouped again = GroupSimilar(byCount, std::move(members), state_->tuning, state_->chinese);
        grouped = std::move(again);
    }
    std::vector<Pattern>& groups = grouped.groups;
    std::vector<std::vector<std::uint32_t>>& groupIds = grouped.ids;
    if (state_->tuning.chineseRuns) {
        JoinLeadingValues(groups, groupIds, state_->tuning);
        JoinTrailingClauses(groups, groupIds);
        JoinLabelValues(groups, groupIds);
    }
    if (state_->tuning.optionalFields) JoinOptionalFields(groups, groupIds, state_->chinese);
    if (state_->tuning.chineseRuns) {
        JoinCoveredGroups(groups, groupIds);
        JoinFieldForms(groups, groupIds);
        JoinAlternatives(groups, groupIds);
    }
    if (state_->tuning.wordSlots)
        JoinWordSlots(groups, groupIds, state_->tuning.capsWords, state_->tuning.quotedWords,
                      state_->chinese);
    // Records that end in one pair or another are one kind; only now, once the records
    // whose keys vary throughout (JoinWordSlots) are one group.
    if (state_->tuning.optionalFields && state_->chinese)
        JoinOptionalFields(groups, groupIds, true, true);

    // A group's text: the header and the tokens; at `fork`'s place (when given) its
    // word `which` in place of the variable part.
    auto render = [](const Pattern& g, const Fork* fork, int which, PatternGroup& out) {
        std::string constant;
        Template shown = g.header;
        shown.insert(shown.end(), g.tokens.begin(), g.tokens.end());
        const std::size_t head = g.header.size();
        bool placed = false;  // the fork's text was put in before the loop below
        // Only a token of the message can be the fork's word; asking that first keeps
        // k - 1 within the tokens.
        auto atEither = [&](std::size_t k) {
            return fork != nullptr && !fork->pair && !fork->label && k >= head &&
                   (fork->before == kMessageStart ? k == head
                                                  : k > head && shown[k - 1].hash == fork->before &&
                                                        IsConstant(shown[k - 1].kind)) &&
                   (k + 1 == shown.size()
                        ? fork->run && fork->after == kMessageEnd
                        : shown[k + 1].hash == fork->after && IsConstant(shown[k + 1].kind));
        };
        if (fork != nullptr && fork->run && fork->after == kValueAfter) {
            // The text the place begins with, before its value: "选课人数<*>".
            for (std::size_t k = head + 1; k < shown.size(); ++k) {
                if (shown[k].kind != TokenKind::Variable || shown[k - 1].hash != fork->before ||
                    !IsConstant(shown[k - 1].kind))
                    continue;
                PatternToken lead;
                lead.kind = TokenKind::Cjk;
                lead.text = fork->text[which];
                placed = true;
                if (fork->prefix) {
                    // After the value, before the name: "列车<*>到达<*>".
                    PatternToken name;  // a variable part, as made
                    shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(k) + 1, {lead, name});
                    break;
                }
                shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(k), lead);
                break;
            }
        }
        if (fork != nullptr && fork->suffix && fork->after != kValueAfter) {
            // The texts' common ending follows the value: "用户<*>登录", "<*>退出SCADA客户端".
            for (std::size_t k = head; k < shown.size(); ++k) {
                if (shown[k].kind != TokenKind::Variable || !atEither(k)) continue;
                PatternToken ending;
                ending.kind = TokenKind::Cjk;
                ending.text = fork->text[which];
                shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(k) + 1, ending);
                placed = true;
                break;
            }
        }
        // A run fork's text that no place above shows, as a value took it ("<*>门受阻" of
        // "关门受阻" and "开门受阻"), goes right before the text that follows it, so that
        // the kinds do not read alike.
        if (fork != nullptr && fork->run && !placed) {
            bool either = false;
            for (std::size_t k = head; k < shown.size() && !either; ++k)
                either = shown[k].kind == TokenKind::Variable && atEither(k);
            for (std::size_t k = head; k + 1 < shown.size() && !either; ++k) {
                if (shown[k].kind != TokenKind::Variable || !IsConstant(shown[k + 1].kind) ||
                    shown[k + 1].hash != fork->after)
                    continue;
                PatternToken text;
                text.kind = TokenKind::Cjk;
                text.text = fork->text[which];
                text.gap = shown[k + 1].gap;
                shown[k + 1].gap = {};
                shown.insert(shown.begin() + static_cast<std::ptrdiff_t>(k) + 1, text);
                break;
            }
        }
        bool afterVariable = false;
        for (std::size_t k = 0; k < shown.size(); ++k) {
            PatternToken& t = shown[k];
            const bool label = fork != nullptr && fork->label && k == head;
            const bool either = atEither(k);
            const bool pair = fork != nullptr && fork->pair && k >= head + 2 &&
                              IsSymbolByte(shown[k - 1], "=:") &&
                              shown[k - 2].kind == TokenKind::Word &&
                              shown[k - 2].hash == fork->before;
            if (t.kind == TokenKind::Variable && (label || (k > head && (either || pair)))) {
                t.kind = TokenKind::Word;
                t.text = fork->text[which];
            }
            // A variable part glued to the one before it is the same one.
            if (t.kind == TokenKind::Variable && afterVariable && t.gap.empty()) continue;
            afterVariable = t.kind == TokenKind::Variable;
            out.text += t.gap;
            if (t.kind == TokenKind::Variable) {
                out.text += "<*>";
                if (!constant.empty()) out.constants.push_back(std::move(constant));
                constant.clear();
            } else {
                out.text += t.text;
                constant += t.gap;
                constant += t.text;
            }
        }
        if (!constant.empty()) out.constants.push_back(std::move(constant));
        out.text += g.tail;
    };
    const std::vector<std::int64_t>& idCount = state_->idCount;
    // The forks of patterns whose watch of places ended with two kinds, and the further
    // ids of their second text.
    struct Watched {
        std::uint32_t pattern;
        Fork fork;
        std::vector<std::uint32_t> more;
    };
    std::vector<Watched> watched;
    std::vector<std::uint32_t> more;
    for (std::size_t q = 0; q < state_->patterns.size(); ++q) {
        Fork f;
        if (WatchedFork(state_->patterns[q], f, more))
            watched.push_back({static_cast<std::uint32_t>(q), std::move(f), more});
    }
    auto watchedOf = [&](std::uint32_t q) -> const Watched* {
        const auto at =
            std::lower_bound(watched.begin(), watched.end(), q,
                             [](const Watched& w, std::uint32_t r) { return w.pattern < r; });
        return at != watched.end() && at->pattern == q ? &*at : nullptr;
    };
    auto forkOf = [&](std::uint32_t q) -> const Fork& {
        const Watched* w = watchedOf(q);
        return w != nullptr ? w->fork : state_->patterns[q].fork;
    };
    std::vector<PatternGroup> ranked;
    ranked.reserve(groups.size() + 1);
    std::vector<std::uint64_t> levels;  // per group of `ranked`: its level (Pattern::level)
    // The words that each place of a group's forks took over all its patterns, and
    // the places that took anything but a word: a place that took more words than it
    // may, in one pattern or over several, holds a value.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> placeWords;
    std::vector<std::uint64_t> widePlaces;
    auto usable = [&](const Fork& f) {
        const std::uint64_t place = f.Place();
        if (f.wide || std::count(widePlaces.begin(), widePlaces.end(), place) > 0) return false;
        const auto words = std::count_if(placeWords.begin(), placeWords.end(),
                                         [&](const auto& pw) { return pw.first == place; });
        return static_cast<std::size_t>(words) <= f.Limit();
    };
    struct Apart {
        const Fork* fork;
        std::size_t word;
        PatternGroup group;
    };
    std::vector<Apart> apart;
    // Per member of a group, the hash of its text at the group's run place, when it has
    // no fork there.
    std::vector<std::optional<std::uint64_t>> memberText;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const Pattern& g = groups[k];
        PatternGroup out;
        out.count = g.count;
        placeWords.clear();
        widePlaces.clear();
        for (std::uint32_t q : groupIds[k]) {
            const Fork& f = forkOf(q);
            if (!f.on) continue;
            if (f.wide) widePlaces.push_back(f.Place());
            for (std::size_t w = 0; w < f.count; ++w)
                placeWords.emplace_back(f.Place(), f.words[w]);
        }
        // A run fork's place counts the Chinese text there of the group's other patterns
        // too: patterns kept apart by their headers each saw only some of its texts.
        for (std::uint32_t q : groupIds[k]) {
            const Fork& f = forkOf(q);
            if (!f.on || !f.run) continue;
            for (std::uint32_t r : groupIds[k]) {
                const Fork& other = forkOf(r);
                if (other.on && other.Place() == f.Place()) continue;
                std::string text;
                if (PlaceText(state_->patterns[r].tokens, f, text))
                    placeWords.emplace_back(f.Place(), HashToken(text, TokenKind::Cjk));
                else
                    widePlaces.push_back(f.Place());
            }
        }
        // The group's place of Chinese text that may name kinds: its own, found while
        // grouping, or else that of its first member with a run fork.  Each member without
        // a fork there counts its text at it (patterns kept apart by their headers, or
        // by how unlike their first lines were, each saw only some of the texts), and its
        // lines go with that text.
        const Fork* run = g.fork.on && g.fork.group ? &g.fork : nullptr;
        for (std::size_t m = 0; m < groupIds[k].size() && run == nullptr; ++m) {
            const Fork& f = forkOf(groupIds[k][m]);
            if (f.on && f.run) run = &f;
        }
        memberText.assign(groupIds[k].size(), std::nullopt);
        if (run != nullptr) {
            for (std::size_t m = 0; m < groupIds[k].size(); ++m) {
                const std::uint32_t q = groupIds[k][m];
                const Fork& f = forkOf(q);
                if (f.on && f.Place() == run->Place()) continue;
                std::string text;
                if (!PlaceText(state_->patterns[q].tokens, *run, text)) {
                    widePlaces.push_back(run->Place());  // the place holds values
                    break;
                }
                memberText[m] = HashToken(text, TokenKind::Cjk);
                placeWords.emplace_back(run->Place(), *memberText[m]);
            }
        }
        std::sort(placeWords.begin(), placeWords.end());
        placeWords.erase(std::unique(placeWords.begin(), placeWords.end()), placeWords.end());
        // A pattern's lines with a further word of its fork are a group of their own
        // (with those of the same word at the same place in the group's other patterns)
        // once the first word and that word hold kMinForkLines lines each.
        apart.clear();
        // The index in `apart` of the lines with word w of f's place.
        auto apartFor = [&](const Fork& f, std::size_t w) {
            auto same = std::find_if(apart.begin(), apart.end(), [&](const Apart& a) {
                return a.fork->Place() == f.Place() && a.fork->words[a.word] == f.words[w];
            });
            if (same != apart.end()) return static_cast<std::size_t>(same - apart.begin());
            apart.push_back({&f, w, {}});
            return apart.size() - 1;
        };
        const bool runUsable = run != nullptr && usable(*run);
        bool moved = false;  // lines of members without a fork went apart by their text
        for (std::size_t m = 0; m < groupIds[k].size(); ++m) {
            const std::uint32_t q = groupIds[k][m];
            const Pattern& p = state_->patterns[q];
            const Fork& f = forkOf(q);
            // Where the member's own lines go: with their text at the run place.
            std::size_t home = 0;  // 0: the group's; else 1 + the index in `apart`

            // A member forked at the run place goes by its fork's words, each to the group
            // of its text (one whose first line had the other text saw it first).
            const bool atRun = runUsable && f.on && f.Place() == run->Place();
            if (runUsable && memberText[m]) {
                const auto w = static_cast<std::size_t>(
                    std::find(run->words, run->words + run->count, *memberText[m]) - run->words);
                if (w > 0 && w < run->count) {
                    home = 1 + apartFor(*run, w);
                    moved = true;
                }
            } else if (atRun && f.words[0] != run->words[0]) {
                home = 1 + apartFor(f, 0);
                moved = true;
            }
            auto keep = [&](std::uint32_t id) {
                if (home == 0) {
                    out.ids.push_back(id);
                    return;
                }
                PatternGroup& to = apart[home - 1].group;
                to.ids.push_back(id);
                to.count += idCount[id];
                out.count -= idCount[id];
            };
            keep(p.id);
            const Watched* fromWatch = watchedOf(q);
            auto watchedSecond = [&](std::uint32_t id) {
                return fromWatch != nullptr &&
                       (id == f.ids[1] || std::find(fromWatch->more.begin(), fromWatch->more.end(),
                                                    id) != fromWatch->more.end());
            };
            for (const std::uint32_t id : p.retired)
                if (!watchedSecond(id)) keep(id);
            const bool split = f.on && usable(f) && idCount[p.id] >= kMinForkLines;
            for (std::size_t w = 1; w < f.count; ++w) {
                // The word's ids: its own and those that lines got while places were
                // watched (Watch).
                std::vector<std::uint32_t> wordIds = {f.ids[w]};
                if (w == 1) wordIds.insert(wordIds.end(), p.aliases.begin(), p.aliases.end());
                if (w == 1 && fromWatch != nullptr)
                    wordIds.insert(wordIds.end(), fromWatch->more.begin(), fromWatch->more.end());
                std::int64_t lines = 0;
                for (const std::uint32_t id : wordIds) lines += idCount[id];
                if (atRun && f.words[w] == run->words[0]) {
                    // The group's own text: its lines are the group's.
                    out.ids.insert(out.ids.end(), wordIds.begin(), wordIds.end());
                    continue;
                }
                if (!split || lines < kMinForkLines) {
                    for (const std::uint32_t id : wordIds) keep(id);
                    continue;
                }
                out.count -= lines;
                PatternGroup& to = apart[apartFor(f, w)].group;
                to.ids.insert(to.ids.end(), wordIds.begin(), wordIds.end());
                to.count += lines;
            }
        }
        const Fork* shownFork = !apart.empty() && groupIds[k].size() == 1 ? apart[0].fork : nullptr;
        if (moved) {
            // A text that too few lines held is no kind: they stay the group's.
            for (std::size_t a = apart.size(); a-- > 0;) {
                if (apart[a].group.count >= kMinForkLines) continue;
                out.ids.insert(out.ids.end(), apart[a].group.ids.begin(), apart[a].group.ids.end());
                out.count += apart[a].group.count;
                apart.erase(apart.begin() + static_cast<std::ptrdiff_t>(a));
            }
            const bool one = std::all_of(apart.begin(), apart.end(), [&](const Apart& a) {
                return a.fork->Place() == run->Place();
            });
            if (!apart.empty() && one) shownFork = run;
        }
        std::sort(out.ids.begin(), out.ids.end());
        render(g, shownFork, 0, out);
        ranked.push_back(std::move(out));
        levels.push_back(g.level);
        for (Apart& a : apart) {
            std::sort(a.group.ids.begin(), a.group.ids.end());
            render(g, a.fork, static_cast<int>(a.word), a.group);
            ranked.push_back(std::move(a.group));
            levels.push_back(g.level);
        }
    }
    // Groups that read alike are one: a split that their text cannot show (a fork whose
    // place the group's text made a value) is none the operator could use.  But for
    // groups of two levels, which a value of the header may hide ("I1121 07:30:13" and
    // "W1121 07:31:06").
    {
        std::map<std::pair<std::string_view, std::uint64_t>, std::size_t> byText;
        std::vector<PatternGroup> joined;
        joined.reserve(ranked.size());
        for (std::size_t r = 0; r < ranked.size(); ++r) {
            PatternGroup& g = ranked[r];
            const auto at = byText.find({g.text, levels[r]});
            if (at == byText.end()) {
                // The key views the text where it stays: joined holds room for all.
                joined.push_back(std::move(g));
                byText.emplace(std::make_pair(std::string_view(joined.back().text), levels[r]),
                               joined.size() - 1);
                continue;
            }
            PatternGroup& into = joined[at->second];
            const auto middle = static_cast<std::ptrdiff_t>(into.ids.size());
            into.ids.insert(into.ids.end(), g.ids.begin(), g.ids.end());
            std::inplace_merge(into.ids.begin(), into.ids.begin() + middle, into.ids.end());
            into.count += g.count;
        }
        ranked = std::move(joined);
    }
    // Equal counts in the order of first appearance: ids are in that order.
    std::sort(ranked.begin(), ranked.end(), [](const PatternGroup& a, const PatternGroup& b) {
        return a.count != b.count ? a.count > b.count : a.ids.front() < b.ids.front();
    });
    if (state_->otherCount > 0) {
        PatternGroup other;
        other.ids = {kOtherGroup};
        other.count = state_->otherCount;
        other.text = "<other>";
        other.other = true;
        ranked.push_back(std::move(other));
    }
    return ranked;
}

std::vector<std::uint32_t> RanksById(const std::vector<PatternGroup>& ranked,
                                     std::uint32_t& otherRank) {
    otherRank = 0;
    std::vector<std::uint32_t> ranks;
    for (std::size_t r = 0; r < ranked.size(); ++r) {
        const PatternGroup& g = ranked[r];
        if (g.other) {
            otherRank = static_cast<std::uint32_t>(r + 1);
            continue;
        }
        for (std::uint32_t id : g.ids) {
            if (ranks.size() <= id) ranks.resize(id + 1, 0);
            ranks[id] = static_cast<std::uint32_t>(r + 1);
        }
    }
    return ranks;
}

}  // namespace corvane
