#include "patterns/LineTokens.h"

#include <algorithm>
#include <array>
#include <limits>

#include "base/AsciiCase.h"
#include "base/GbkBytes.h"

namespace corvane {
namespace {

// Groups of raw tokens that become one token: a quoted text, and the words of a
// bracketed name ("[AsyncDispatcher event handler]").
constexpr std::uint8_t kNoGroup = 0;
constexpr std::uint8_t kQuoted = 1;
constexpr std::uint8_t kBracketed = 2;
constexpr std::uint8_t kQuotedWord = 3;  // a quoted text without blanks: one word
constexpr std::uint8_t kPath = 4;        // a path, file name, URL or drive

// Raw tokens before the variable parts are recognised.
enum class Raw : std::uint8_t { Word, Digit, Cjk, Symbol };

struct RawToken {
    std::uint32_t begin;
    std::uint32_t end;
    Raw kind;
    std::uint8_t group;  // the tokens of a group become one token; kNoGroup when made
};

inline unsigned char Byte(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}
constexpr bool IsBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
constexpr bool IsLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
constexpr bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline bool IsAlnum(unsigned char c) { return IsLetter(c) || IsDigit(c); }
inline bool IsUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }

// Punctuation that holds a run of letters and digits together as one value:
// 10.0.0.1:8080, blk_-42, /var/log/a.log, v1.2.3, 50%, user@host.
inline bool IsJoiner(unsigned char c) {
    switch (c) {
        case '.':
        case '_':
        case '-':
        case '/':
        case '\\':
        case ':':
        case '@':
        case '#':
        case '+':
        case '~':
        case '%':
        case '$':
        case '&':
            return true;
        default:
            return false;
    }
}
// Joiners that may end a value ("50%", "/var/log/"); the others end a sentence or
// introduce what follows ("took 5s.", "port 22:", "id 7-").
inline bool MayEndValue(unsigned char c) { return c == '%' || c == '/' || c == '\\'; }

// A raw symbol token that joins: one joiner byte, or a doubled one of those that
// double in values ("://", "a__b", "fe80::1"); two or more dots are an ellipsis or
// leader dots, which end a value.
inline bool JoinsValue(std::string_view line, std::uint32_t begin, std::uint32_t end) {
    const unsigned char c = static_cast<unsigned char>(line[begin]);
    if (!IsJoiner(c)) return false;
    if (end - begin == 1) return true;
    return c == '/' || c == '\\' || c == '_' || c == '-' || c == ':';
}

// The trail bytes of row A2's numerals: ⅰ-ⅹ, ⒈-⒛, ⑴-⒇, ①-⑩, ㈠-㈩ and Ⅰ-Ⅻ.
inline bool GbkNumeral(unsigned char t) {
    return (t >= 0xA1 && t <= 0xAA) || (t >= 0xB1 && t <= 0xE2) || (t >= 0xE5 && t <= 0xEE) ||
           (t >= 0xF1 && t <= 0xFC);
}

// The trail bytes of row A6's Greek letters: Α-Ω and α-ω.
inline bool GreekLetter(unsigned char t) {
    return (t >= 0xA1 && t <= 0xB8) || (t >= 0xC1 && t <= 0xD8);
}

// What a byte is to SplitRaw, looked up rather than compared: the split reads every byte.
enum class ByteClass : std::uint8_t { Other, Blank, Letter, Digit };
constexpr std::array<ByteClass, 256> kByteClass = [] {
    std::array<ByteClass, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const auto b = static_cast<unsigned char>(c);
        classes[b] = IsBlank(b)    ? ByteClass::Blank
                     : IsLetter(b) ? ByteClass::Letter
                     : IsDigit(b)  ? ByteClass::Digit
                                   : ByteClass::Other;
    }
    return classes;
}();

void SplitRaw(std::string_view line, std::vector<RawToken>& raw, std::size_t limit) {
    // Made in a buffer on the stack and copied at once: cheaper than growing the vector
    // token by token.
    constexpr std::size_t kBuffer = 4 * kMaxLineTokens;
    RawToken buffer[kBuffer];
    limit = std::min(limit, kBuffer);
    std::size_t count = 0;
    auto add = [&](std::uint32_t begin, std::size_t end, Raw kind) {
        buffer[count++] = {begin, static_cast<std::uint32_t>(end), kind, kNoGroup};
    };
    const std::size_t n = line.size();
    std::size_t i = 0;
    while (i < n && count < limit) {
        const unsigned char c = Byte(line, i);
        const ByteClass k = kByteClass[c];
        if (k == ByteClass::Blank) {
            ++i;
            continue;
        }
        const auto at = static_cast<std::uint32_t>(i);
        if (k == ByteClass::Letter || k == ByteClass::Digit) {
            std::size_t j = i + 1;
            while (j < n && kByteClass[Byte(line, j)] == k) ++j;
            add(at, j, k == ByteClass::Letter ? Raw::Word : Raw::Digit);
            i = j;
        } else if (IsGbkLeadByte(c) && i + 1 < n && IsGbkTrailByte(Byte(line, i + 1))) {
            const unsigned char t = Byte(line, i + 1);
            Raw kind = Raw::Cjk;
            // Rows A1-A9 hold punctuation, full-width forms and other symbols; the
            // full-width digits and the numerals of row A2 (Roman, circled and
            // bracketed: "工业园Ⅱ线", "10kVⅠ段母线") count as digits, and so does a
            // Greek letter of row A6 glued before digits, a diameter's sign ("Φ89×6").
            if (c >= 0xA1 && c <= 0xA9)
                kind = (c == 0xA3 && t >= 0xB0 && t <= 0xB9) || (c == 0xA2 && GbkNumeral(t)) ||
                               (c == 0xA6 && GreekLetter(t) && i + 2 < n &&
                                kByteClass[Byte(line, i + 2)] == ByteClass::Digit)
                           ? Raw::Digit
                           : Raw::Symbol;
            add(at, i + 2, kind);
            i += 2;
        } else {
            // A run of one punctuation character ("....", "----", "====") is one
            // token: leader dots and rules are layout, and their length belongs to
            // the kind of line.
            std::size_t j = i + 1;
            if (c < 0x80 && !IsBlank(c))
                while (j < n && Byte(line, j) == c) ++j;
            add(at, j, Raw::Symbol);
            i = j;
        }
    }
    raw.assign(buffer, buffer + count);
}

// Double-byte quotation marks: opening and closing pairs.
constexpr std::array<std::array<std::string_view, 2>, 5> kWideQuotes = {{
    {"\xa1\xb6", "\xa1\xb7"},  // 《 》: a title, punctuation and all
    {"\xa1\xb0", "\xa1\xb1"},  // “ ”
    {"\xa1\xae", "\xa1\xaf"},  // ‘ ’
    {"\xa1\xb8", "\xa1\xb9"},  // 「 」
    {"\xa1\xba", "\xa1\xbb"},  // 『 』
}};

std::string_view TokenText(std::string_view line, const RawToken& t) {
    return line.substr(t.begin, t.end - t.begin);
}

// Marks the tokens between matching quotes.  An ASCII quote opens only where it does
// not stand right after a letter or digit (so "can't" opens nothing) and closes only
// where no letter or digit follows.  Text quoted as a key ("name": or 'k'=) stays.
void MarkQuoted(std::string_view line, std::vector<RawToken>& raw) {
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i].kind != Raw::Symbol || raw[i].group != kNoGroup) continue;
        const std::string_view open = TokenText(line, raw[i]);
        std::string_view close;
        if (open == "\"" || open == "'") {
            if (raw[i].begin > 0 && IsAlnum(Byte(line, raw[i].begin - 1))) continue;
            close = open;
        } else {
            if (open.size() != 2 || open[0] != kWideQuotes[0][0][0])
                continue;  // each begins with 0xA1
            for (const auto& q : kWideQuotes)
                if (open == q[0]) close = q[1];
            if (close.empty()) continue;
        }
        // Chinese quotes nest ("「「金穗」农业合作社」"): the quote closes at its own pair.
        std::size_t j = i + 1;
        int depth = 0;
        for (; j < raw.size(); ++j) {
            if (raw[j].kind != Raw::Symbol) continue;
            const std::string_view text = TokenText(line, raw[j]);
            if (open.size() == 2 && open != close && text == open) ++depth;
            if (text != close) continue;
            if (close.size() == 1 && raw[j].end < line.size() && IsAlnum(Byte(line, raw[j].end)))
                continue;
            if (depth-- > 0) continue;
            break;
        }
        if (j >= raw.size()) continue;
        const bool key =
            raw[j].end < line.size() && (line[raw[j].end] == ':' || line[raw[j].end] == '=');
        // A quoted value ("tag=\"View Lock\"", "name: 'x'") is variable as a whole; any
        // other quoted text is variable only where it varies: without blanks it is one
        // word, with blanks (a request line, a sentence) its words are compared one by
        // one.
        std::size_t before = raw[i].begin;
        while (before > 0 && IsBlank(Byte(line, before - 1))) --before;
        const bool value = (before > 0 && (line[before - 1] == '=' || line[before - 1] == ':')) ||
                           (before > 1 && line.substr(before - 2, 2) == "\xa3\xba");  // ：
        const std::string_view inside = line.substr(raw[i].end, raw[j].begin - raw[i].end);
        const bool blanks = inside.find_first_of(" \t") != std::string_view::npos;
        bool path = false;
        for (std::size_t k = i + 1; k < j; ++k) path = path || raw[k].group == kPath;
        // A title is one name, blanks and all ("《MS Office高级应用》").
        const bool title = open == kWideQuotes[0][0];
        // So is text in Chinese quotes glued after Chinese text, which names what that
        // text speaks of ("商品“电动牙刷 Sonic Pro”"): with blanks it is a value.
        const bool named = open.size() == 2 && !title && i > 0 && raw[i - 1].kind == Raw::Cjk &&
                           raw[i - 1].end == raw[i].begin;
        const bool whole = value || (named && blanks);
        if (!key && (whole || ((!blanks || title) && !path)))
            for (std::size_t k = i + 1; k < j; ++k) raw[k].group = whole ? kQuoted : kQuotedWord;
        i = j;
    }
}

// The text between "[" and its matching "]" becomes one token when it is a short
// ASCII name of several tokens: thread names ("[AsyncDispatcher event handler]",
// "[RMCommunicator Allocator]") stand in the same place as one-word or numbered ones
// ("[main]", "[LeaseRenewer:x@host-41:9000]") and must line up with them.
void MarkBracketed(std::string_view line, std::vector<RawToken>& raw) {
    constexpr std::size_t kMaxBracketed = 64;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i].kind != Raw::Symbol || raw[i].group != kNoGroup ||
            TokenText(line, raw[i]) != "[")
            continue;
        std::size_t depth = 1;
        std::size_t j = i + 1;
        bool plain = true;
        for (; j < raw.size() && plain; ++j) {
            if (raw[j].kind == Raw::Cjk || raw[j].group != kNoGroup) plain = false;
            const std::string_view t = TokenText(line, raw[j]);
            if (t == "[") ++depth;
            if (t == "]" && --depth == 0) break;
        }
        if (!plain || j >= raw.size() || j < i + 3 || raw[j].begin - raw[i].end > kMaxBracketed)
            continue;
        for (std::size_t k = i + 1; k < j; ++k) raw[k].group = kBracketed;
        i = j;
    }
}

bool IsPathByte(unsigned char c) {
    return IsAlnum(c) || IsJoiner(c) || c == '=' || c == '?' || c == '!' || c == ';';
}

// Marks paths, file names and URLs whatever characters their parts hold (a Windows
// path with Chinese folder names, "/opt/应用/插件/统计.so", "http://a.cn/s?q=北京天气"),
// and drive letters ("分区F:").  A path begins with a drive, "/", "\", "~/" or a scheme
// and runs over letters, digits, Chinese characters and joiners without a blank.
// Chinese text glued after it is not the path's: a file name ends with its extension,
// a last part that begins in ASCII ends before Chinese text, and a query value that
// begins in ASCII ends there too.
void MarkPaths(std::string_view line, std::vector<RawToken>& raw) {
    const std::size_t n = raw.size();
    auto text = [&](std::size_t k) { return TokenText(line, raw[k]); };
    auto glued = [&](std::size_t k) { return k < n && raw[k].begin == raw[k - 1].end; };
    auto isSym = [&](std::size_t k, char c) {
        return k < n && raw[k].kind == Raw::Symbol && text(k).size() == 1 && text(k)[0] == c;
    };
    auto isSep = [&](std::size_t k) { return isSym(k, '/') || isSym(k, '\\'); };
    for (std::size_t i = 0; i < n; ++i) {
        // Only a drive letter, a scheme, a separator or "~" begins a path.  Most tokens
        // are none, and are told by their kind and first byte.
        if (raw[i].group != kNoGroup) continue;
        if (raw[i].kind == Raw::Word) {
            if (!isSym(i + 1, ':')) continue;
        } else if (raw[i].kind != Raw::Symbol || raw[i].end - raw[i].begin != 1 ||
                   !(line[raw[i].begin] == '/' || line[raw[i].begin] == '\\' ||
                     line[raw[i].begin] == '~')) {
            continue;
        }
        // What stands before: the start, a blank, Chinese text or punctuation.
        const bool free =
            i == 0 || !glued(i) || raw[i - 1].kind == Raw::Cjk ||
            (raw[i - 1].kind == Raw::Symbol && !IsPathByte(Byte(line, raw[i - 1].begin)));
        const bool freeOrValue =
            free || isSym(i - 1, '=') ||
            (i > 0 && raw[i - 1].kind == Raw::Symbol && (text(i - 1) == ":" || text(i - 1) == "("));
        constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        std::size_t j = kNone;  // the first token of the path's body
        bool url = false;
        if (raw[i].kind == Raw::Word && text(i).size() == 1 && isSym(i + 1, ':') && glued(i + 1) &&
            freeOrValue) {
            if (isSep(i + 2) && glued(i + 2)) {
                j = i + 2;
            } else if (i + 2 >= n || !glued(i + 2) || raw[i + 2].kind == Raw::Cjk) {
                // A drive alone: "分区F:使用率92%".
                if (free && (i == 0 || raw[i - 1].kind == Raw::Cjk || i + 2 >= n ||
                             raw[i + 2].kind == Raw::Cjk)) {
                    raw[i].group = raw[i + 1].group = kPath;
                    ++i;
                }
                continue;
            }
        } else if (raw[i].kind == Raw::Word && isSym(i + 1, ':') && glued(i + 1) && glued(i + 2) &&
                   text(i + 2) == "//" && freeOrValue) {
            j = i + 1;
            url = true;
        } else if (isSep(i) && freeOrValue && glued(i + 1) && raw[i + 1].kind != Raw::Symbol) {
            j = i;
        } else if (isSym(i, '~') && freeOrValue && isSep(i + 1) && glued(i + 1)) {
            j = i + 1;
        }
        if (j == kNone) continue;
        // The body: glued letters, digits, Chinese characters and path punctuation.
        std::size_t end = j;  // one past the last token of the path
        std::size_t lastSep = j;
        bool query = false;
        bool valueAscii = false;  // the current query value began in ASCII
        std::size_t k = j;
        bool windows = false;  // a backslash has separated its parts
        // A Windows folder name may hold a blank ("C:\Program Files\a.exe"): the path
        // goes on over one blank when a backslash follows before the next blank.
        auto goesOn = [&](std::size_t at) {
            if (!windows || raw[at].kind == Raw::Symbol || raw[at].begin != raw[at - 1].end + 1 ||
                line[raw[at - 1].end] != ' ')
                return false;
            for (std::size_t e = at + 1; e < n && glued(e); ++e)
                if (isSym(e, '\\')) return true;
            return false;
        };
        for (; k < n && (k == j || glued(k) || goesOn(k)) && raw[k].group == kNoGroup; ++k) {
            const RawToken& t = raw[k];
            if (t.kind == Raw::Symbol) {
                const unsigned char c = Byte(line, t.begin);
                // A query's value may list items ("?stations=K1203,K8090&elements=GST").
                const bool item = query && c == ',' && t.end - t.begin == 1 && k + 1 < n &&
                                  glued(k + 1) && raw[k + 1].kind != Raw::Symbol &&
                                  raw[k + 1].kind != Raw::Cjk;
                if (t.end - t.begin > 2 || (!IsPathByte(c) && !item)) break;
                if (c == '/' || c == '\\') lastSep = k;
                if (c == '\\') windows = true;
                // A query after a scheme's address, or a key and its sign after a path.
                if (c == '?' && (url || (k + 2 < n && raw[k + 1].kind == Raw::Word &&
                                         glued(k + 1) && isSym(k + 2, '=') && glued(k + 2))))
                    query = true;
                if (query && (c == '=' || c == '&')) valueAscii = false;
                if (query && c == '=' && k + 1 < n && raw[k + 1].kind != Raw::Cjk)
                    valueAscii = true;
                end = k + 1;
                continue;
            }
            if (t.kind == Raw::Cjk) {
                if (query && valueAscii) break;
                if (!query) {
                    // Chinese text after a file's extension, or after the ASCII start of
                    // the last part, is the message's.
                    bool extension = false;
                    bool ascii = k > lastSep + 1 && raw[lastSep + 1].kind != Raw::Cjk;
                    for (std::size_t e = lastSep + 1; e < k; ++e)
                        if (isSym(e, '.') && e + 1 < k && raw[e + 1].kind != Raw::Cjk)
                            extension = true;
                    if (extension) break;
                    if (ascii) {
                        bool later = false;  // another separator follows: a folder name
                        for (std::size_t e = k; e < n && glued(e) && raw[e].kind != Raw::Symbol;
                             ++e)
                            later = isSep(e + 1);
                        if (!later) break;
                    }
                }
            }
            end = k + 1;
        }
        while (end > j + 1 && raw[end - 1].kind == Raw::Symbol &&
               !MayEndValue(Byte(line, raw[end - 1].begin)))
            --end;
        if (end <= j + 1) continue;
        for (std::size_t m = i; m < end; ++m) raw[m].group = kPath;
        i = end - 1;
    }
}

bool LooksLikePath(std::string_view text) {
    if (text.empty()) return false;
    const char first = text[0];
    if (first == '/' || first == '\\' || first == '~') return true;
    if (text.size() > 2 && IsLetter(static_cast<unsigned char>(first)) && text[1] == ':' &&
        (text[2] == '\\' || text[2] == '/'))
        return true;
    if (text.find("://") != std::string_view::npos) return true;
    const std::size_t slash = text.find_last_of("/\\");
    if (slash == std::string_view::npos) return false;
    const std::size_t dot = text.find('.', slash);
    return dot != std::string_view::npos && dot + 1 < text.size() &&
           IsLetter(static_cast<unsigned char>(text[dot + 1]));
}

// A dotted name that ends in a top-level domain or a file extension: "zummit.com",
// "csnsu.nsuok.edu", "in-addr.zen.co.uk", "workers.properties", "app.log".  Qualified
// names of code end in a name that begins with a capital ("dfs.DataNode") or are
// calls ("workerEnv.init") and stay words.
bool LooksLikeHostOrFileName(std::string_view text) {
    static constexpr std::array<std::string_view, 48> kEndings = {
        "com",  "net",  "org",  "edu", "gov", "mil",  "int",  "info", "biz", "local",
        "lan",  "corp", "log",  "txt", "xml", "json", "csv",  "conf", "cfg", "ini",
        "yml",  "yaml", "jar",  "war", "so",  "dll",  "exe",  "sh",   "py",  "properties",
        "html", "htm",  "gz",   "zip", "tar", "tgz",  "dat",  "db",   "sql", "bak",
        "tmp",  "pid",  "sock", "pdf", "png", "jpg",  "xlsx", "doc"};
    const std::size_t dot = text.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 >= text.size()) return false;
    const std::string_view last = text.substr(dot + 1);
    for (char c : last)
        if (c < 'a' || c > 'z') return false;
    if (last.size() == 2) return true;  // country domains
    for (std::string_view e : kEndings)
        if (last == e) return true;
    return false;
}

bool IsCalendarName(std::string_view w) {
    static constexpr std::array<std::string_view, 19> kShort = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Sept",
        "Oct", "Nov", "Dec", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr std::array<std::string_view, 19> kLong = {
        "Sun",       "January",   "February", "March",    "April",    "June",   "July",
        "August",    "September", "October",  "November", "December", "Monday", "Tuesday",
        "Wednesday", "Thursday",  "Friday",   "Saturday", "Sunday"};
    if (w.size() < 3 || w.size() > 9) return false;
    const char first = static_cast<char>(w[0] & ~0x20);  // every name begins with a letter
    // Most words begin with a letter no name begins with.
    if (std::string_view("ADFJMNOSTW").find(first) == std::string_view::npos) return false;
    for (std::string_view s : kShort)
        if (s[0] == first && EqualsIgnoringAsciiCase(w, s)) return true;
    for (std::string_view s : kLong)
        if (s[0] == first && EqualsIgnoringAsciiCase(w, s)) return true;
    return false;
}

bool IsMeridiem(std::string_view w) {
    return w.size() == 2 && (EqualsIgnoringAsciiCase(w, "AM") || EqualsIgnoringAsciiCase(w, "PM"));
}

// Turns the raw tokens into tokens: values, paths and quoted texts become variables.
void BuildTokens(std::string_view line, const std::vector<RawToken>& raw,
                 std::vector<LineToken>& tokens) {
    tokens.clear();
    const std::size_t n = raw.size();
    std::size_t i = 0;
    while (i < n) {
        const RawToken& t = raw[i];
        if (t.group != kNoGroup) {
            std::size_t j = i + 1;
            bool digit = t.kind == Raw::Digit;
            for (; j < n && raw[j].group == t.group; ++j)
                digit = digit || raw[j].kind == Raw::Digit;
            const bool variable = t.group == kQuoted || t.group == kPath || digit;
            tokens.push_back(
                {t.begin, raw[j - 1].end, variable ? TokenKind::Variable : TokenKind::Word});
            i = j;
            continue;
        }
        // A bound before a number ("<1 sec", ">500ms") belongs to the value.
        const bool bound = t.kind == Raw::Symbol && t.end - t.begin == 1 &&
                           (line[t.begin] == '<' || line[t.begin] == '>') && i + 1 < n &&
                           raw[i + 1].kind == Raw::Digit && raw[i + 1].begin == t.end &&
                           raw[i + 1].group == kNoGroup;
        const bool starts = t.kind == Raw::Word || t.kind == Raw::Digit || bound ||
                            (t.kind == Raw::Symbol && JoinsValue(line, t.begin, t.end));
        if (starts) {
            // The run of letters, digits and joiners without a blank in between; the
            // stars of a masked number ("138****5678") join its digits.
            auto masked = [&](std::size_t k) {
                return raw[k].kind == Raw::Symbol && line[raw[k].begin] == '*' &&
                       raw[k - 1].kind == Raw::Digit &&
                       (k + 1 >= n || raw[k + 1].begin != raw[k].end ||
                        raw[k + 1].kind == Raw::Digit);
            };
            std::size_t j = i + 1;
            while (j < n && raw[j].group == kNoGroup && raw[j].begin == raw[j - 1].end &&
                   (raw[j].kind == Raw::Word || raw[j].kind == Raw::Digit || masked(j) ||
                    (raw[j].kind == Raw::Symbol && JoinsValue(line, raw[j].begin, raw[j].end))))
                ++j;
            while (j > i + 1 && raw[j - 1].kind == Raw::Symbol &&
                   !MayEndValue(Byte(line, raw[j - 1].begin)))
                --j;
            bool digit = false;
            bool alnum = false;
            for (std::size_t k = i; k < j; ++k) {
                digit = digit || raw[k].kind == Raw::Digit;
                alnum = alnum || raw[k].kind != Raw::Symbol;
            }
            const std::string_view text = line.substr(t.begin, raw[j - 1].end - t.begin);
            // A capitalised name that ends in one digit ("SOCKS5", "IPv6") is a word; in lower
            // case ("eth1", "gige7") it names one of many, and so it does glued after a
            // Chinese character (a plate, "津CELLS9").
            const bool afterChinese =
                i > 0 && raw[i - 1].kind == Raw::Cjk && raw[i - 1].end == raw[i].begin;
            const bool named = j == i + 2 && raw[i].kind == Raw::Word &&
                               raw[i].end - raw[i].begin >= 2 &&
                               IsUpper(Byte(line, raw[i].begin)) && raw[i + 1].kind == Raw::Digit &&
                               raw[i + 1].end - raw[i + 1].begin == 1 && !afterChinese;
            // A run of letters alone is no path: the test is kept for runs with joiners.
            if (alnum && !named && (digit || (j > i + 1 && LooksLikePath(text)))) {
                std::size_t from = i;
                // "port:8080": the key stays a word when the value after it holds a digit.
                if (j - i >= 3 && raw[i].kind == Raw::Word && line[raw[i + 1].begin] == ':' &&
                    raw[i + 1].kind == Raw::Symbol) {
                    bool valueDigit = false;
                    for (std::size_t k = i + 2; k < j; ++k)
                        valueDigit = valueDigit || raw[k].kind == Raw::Digit;
                    if (valueDigit) {
                        tokens.push_back({raw[i].begin, raw[i].end, TokenKind::Word});
                        tokens.push_back({raw[i + 1].begin, raw[i + 1].end, TokenKind::Symbol});
                        from = i + 2;
                    }
                }
                tokens.push_back({raw[from].begin, raw[j - 1].end, TokenKind::Variable});
                i = j;
                continue;
            }
            if (j >= i + 3 && raw[i].kind == Raw::Word && raw[i + 2].kind == Raw::Word &&
                TokenText(line, raw[i + 1]) == ":") {
                // "overlap:false", "action:android.intent.action.MAIN": a key and its value.
                tokens.push_back({raw[i].begin, raw[i].end, TokenKind::Word});
                tokens.push_back({raw[i + 1].begin, raw[i + 1].end, TokenKind::Symbol});
                tokens.push_back({raw[i + 2].begin, raw[j - 1].end, TokenKind::Variable});
                i = j;
                continue;
            }
            if (alnum && j > i + 1) {
                // Words held together by joiners are one word ("pam_unix",
                // "dfs.DataNode$PacketResponder", "authorMacBook-Pro"), so that they line
                // up with a variable part in the same place; host and file names are
                // variable parts themselves.
                const bool variable =
                    text.size() > 2 * kMaxWordLength || LooksLikeHostOrFileName(text);
                tokens.push_back(
                    {t.begin, raw[j - 1].end, variable ? TokenKind::Variable : TokenKind::Word});
                i = j;
                continue;
            }
        }
        TokenKind kind = TokenKind::Symbol;
        switch (t.kind) {
            case Raw::Word:
                kind = t.end - t.begin > kMaxWordLength ? TokenKind::Variable : TokenKind::Word;
                break;
            case Raw::Digit:
                kind = TokenKind::Variable;
                break;
            case Raw::Cjk:
                kind = TokenKind::Cjk;
                break;
            case Raw::Symbol:
                kind = TokenKind::Symbol;
                break;
        }
        tokens.push_back({t.begin, t.end, kind});
        ++i;
    }
}

std::string_view Text(std::string_view line, const LineToken& t) {
    return line.substr(t.begin, t.end - t.begin);
}

// Chinese units and date parts that a number glued before them carries: "3分钟",
// "12.5元", "共8页", "2026年12月9日06时00分14秒".  Two-character units come first.
constexpr std::array<std::string_view, 37> kChineseUnits = {
    "\xd4\xc2\xc1\xe4",  // 月龄
    "\xba\xc1\xc3\xeb",  // 毫秒
    "\xb7\xd6\xd6\xd3",  // 分钟
    "\xd0\xa1\xca\xb1",  // 小时
    "\xd7\xd6\xbd\xda",  // 字节
    "\xb9\xab\xc0\xef",  // 公里
    "\xc7\xa7\xbf\xcb",  // 千克
    "\xc3\xeb",         "\xcc\xec", "\xd6\xdc",
    "\xd4\xaa",         "\xbf\xe9", "\xb4\xce",  // 秒 天 周 元 块 次
    "\xb8\xf6",         "\xcc\xf5", "\xd2\xb3",
    "\xbc\xfe",         "\xd0\xd0", "\xb1\xca",  // 个 条 页 件 行 笔
    "\xd5\xc5",         "\xcc\xa8", "\xc8\xcb",
    "\xce\xbb",         "\xcf\xee", "\xb7\xdd",  // 张 台 人 位 项 份
    "\xb1\xb6",         "\xb6\xc8", "\xcd\xf2",
    "\xd2\xda",         "\xc3\xd7", "\xbf\xcb",  // 倍 度 万 亿 米 克
    "\xcb\xea",                                  // 岁
    "\xc4\xea",         "\xd4\xc2", "\xc8\xd5",  // 年 月 日
    "\xca\xb1",         "\xb7\xd6"};             // 时 分
bool IsUnitLead(unsigned char c) {
    static const std::array<bool, 256> kLeads = [] {
        std::array<bool, 256> leads{};
        for (std::string_view u : kChineseUnits) leads[static_cast<unsigned char>(u[0])] = true;
        return leads;
    }();
    return kLeads[c];
}
constexpr std::size_t kDateParts = 5;  // the last units: 年 月 日 时 分

// One of 〇零一二三四五六七八九十 (two bytes).
bool IsChineseNumeral(std::string_view c) {
    if (c.size() != 2) return false;
    switch ((static_cast<unsigned>(static_cast<unsigned char>(c[0])) << 8) |
            static_cast<unsigned char>(c[1])) {
        case 0xA996:
        case 0xC1E3:
        case 0xD2BB:
        case 0xB6FE:
        case 0xC8FD:
        case 0xCBC4:
        case 0xCEE5:
        case 0xC1F9:
        case 0xC6DF:
        case 0xB0CB:
        case 0xBEC5:
        case 0xCAAE:
            return true;
        default:
            return false;
    }
}

// A date written in Chinese numerals ("二〇二六年十二月九日", "十二月九日") is one
// value: two parts or more, each numerals and 年, 月 or 日 in that order.
void MergeNumeralDates(std::string_view line, std::vector<LineToken>& tokens) {
    auto numeral = [&](const LineToken& t) { return IsChineseNumeral(Text(line, t)); };
    auto part = [&](const LineToken& t) -> int {  // 1 年, 2 月, 3 日, else 0
        if (t.kind != TokenKind::Cjk) return 0;
        switch ((static_cast<unsigned>(Byte(line, t.begin)) << 8) | Byte(line, t.begin + 1)) {
            case 0xC4EA:
                return 1;
            case 0xD4C2:
                return 2;
            case 0xC8D5:
                return 3;
            default:
                return 0;
        }
    };
    // Most lines hold no 年, 月 or 日: nothing to look for (a byte pair found across two
    // characters only costs the look).
    if (line.find("\xc4\xea") == std::string_view::npos &&
        line.find("\xd4\xc2") == std::string_view::npos &&
        line.find("\xc8\xd5") == std::string_view::npos)
        return;
    std::size_t out = 0;
    for (std::size_t i = 0; i < tokens.size();) {
        std::size_t j = i;
        int last = 0;
        int parts = 0;
        std::size_t end = i;  // one past the last whole part
        while (j < tokens.size()) {
            std::size_t k = j;
            while (k < tokens.size() && numeral(tokens[k]) &&
                   (k == i || tokens[k].begin == tokens[k - 1].end))
                ++k;
            if (k == j || k >= tokens.size() || tokens[k].begin != tokens[k - 1].end) break;
            const int p = part(tokens[k]);
            if (p <= last) break;
            last = p;
            ++parts;
            j = end = k + 1;
        }
        if (parts >= 2) {
            tokens[out++] = {tokens[i].begin, tokens[end - 1].end, TokenKind::Variable};
            i = end;
        } else {
            tokens[out++] = tokens[i++];
        }
    }
    tokens.resize(out);
}

// Whether `line` holds "(" or "（" anywhere: the passes over brackets skip lines without.
bool HasOpeningBracket(std::string_view line) {
    return line.find('(') != std::string_view::npos ||
           line.find("\xa3\xa8") != std::string_view::npos;
}

// Chinese punctuation that ends a clause or a list's item: ，；。、
bool IsClauseEnd(std::string_view text) {
    return text == "\xa3\xac" || text == "\xa3\xbb" || text == "\xa1\xa3" || text == "\xa1\xa2";
}

// Words that say how something went ("登录成功", "连接超时"): brackets after them hold
// a detail of what happened, not of a name.
bool IsResultWord(std::string_view w) {
    static constexpr std::array<std::string_view, 16> kWords = {
        "\xb3\xc9\xb9\xa6", "\xca\xa7\xb0\xdc", "\xb3\xac\xca\xb1", "\xcd\xea\xb3\xc9",
        "\xd2\xec\xb3\xa3", "\xb4\xed\xce\xf3", "\xd6\xd0\xb6\xcf", "\xbe\xdc\xbe\xf8",
        "\xc8\xa1\xcf\xfb", "\xcd\xa8\xb9\xfd", "\xb2\xb5\xbb\xd8", "\xbd\xe1\xca\xf8",
        "\xbf\xaa\xca\xbc", "\xd6\xd8\xca\xd4", "\xbb\xd6\xb8\xb4", "\xb9\xca\xd5\xcf"};
    // 成功 失败 超时 完成 异常 错误 中断 拒绝 取消 通过 驳回 结束 开始 重试 恢复 故障
    return std::find(kWords.begin(), kWords.end(), w) != kWords.end();
}

// One past the "）" (or ")") that closes the "（" at `open` when what they hold is a
// name's qualifier: Chinese text and Latin words, glued, with joiners and brackets of
// their own but no digits ("（团队）", "（IPV）", "(CHO细胞)", "（改签/退票）", "（北门（团队
// 通道））"), short; 0 otherwise.
std::size_t QualifierEnd(std::string_view line, const std::vector<LineToken>& tokens,
                         std::size_t open) {
    constexpr std::size_t kMaxQualifier = 40;
    // A qualifier holds no digits: with them brackets hold a code ("员工张伟（E1024）上班"),
    // a measure or an id ("超时（3000毫秒）", "（航次2611E）"), which a name needs no more
    // than a verb does, and what follows them stays apart.  ASCII brackets qualify a name
    // only with Chinese text inside: elsewhere they hold a call's arguments.
    const bool ascii = line[tokens[open].begin] == '(';
    const std::string_view opening = ascii ? "(" : "\xa3\xa8";  // （
    const std::string_view closing = ascii ? ")" : "\xa3\xa9";  // ）
    // What a qualifier holds besides its brackets: Chinese text, Latin words, joiners,
    // and values without digits ("/退票", a path to the tokenizer).
    auto part = [](const LineToken& t, std::string_view text) {
        if (t.kind == TokenKind::Cjk || t.kind == TokenKind::Word) return true;
        if (t.kind == TokenKind::Symbol)
            return text.size() == 1 && std::string_view("/-_.&+").find(text[0]) != text.npos;
        return std::none_of(text.begin(), text.end(),
                            [](char c) { return IsDigit(static_cast<unsigned char>(c)); });
    };
    // Brackets that end a clause or the line (Chinese punctuation glued after them, or
    // nothing) annotate the value before them whatever they hold but punctuation
    // ("入园（南门 3号闸机），", "HPV疫苗（9价），", "氯雷他定片（10mg×6片）"); a verb would go
    // on after them.  After a word that says how something went they hold a detail of
    // what happened ("登录成功（10.0.0.5），", "连接超时（3000毫秒）").
    // Chinese brackets whose name parts (Latin words, runs of Chinese text) are two to
    // each value or more hold a name's qualifier even with blanks or values inside
    // ("（学前班 A）", "（Sunny Class K2）", "（老人（80岁以上））"), wherever they stand: a
    // code or a measure is mostly values ("（E1024 临时）", "（航次2611E）").
    bool chinese = !ascii;
    bool loose = false;  // digits or blanks inside
    std::size_t names = 0;
    std::size_t values = 0;
    std::size_t depth = 0;
    for (std::size_t j = open; j < tokens.size(); ++j) {
        const LineToken& t = tokens[j];
        if (t.end - tokens[open].begin > kMaxQualifier) return 0;
        const std::string_view text = line.substr(t.begin, t.end - t.begin);
        if (j > open && t.begin != tokens[j - 1].end) loose = true;
        chinese = chinese || t.kind == TokenKind::Cjk;
        if (t.kind == TokenKind::Word ||
            (t.kind == TokenKind::Cjk && tokens[j - 1].kind != TokenKind::Cjk))
            ++names;
        if (text == opening) {
            ++depth;
        } else if (text == closing) {
            if (--depth != 0) continue;
            if (j == open + 1 || !chinese) return 0;
            if (!loose || (!ascii && names >= 2 * values)) return j + 1;
            if (ascii || open < 2 || IsResultWord(line.substr(tokens[open - 2].begin, 4))) return 0;
            // So do a value's brackets that a value follows: no verb comes between ("站号
            // K9734（朱家尖（浮标站B-2））2026-07-14 05时…").
            const bool end =
                j + 1 == tokens.size() ||
                (tokens[j + 1].kind == TokenKind::Variable &&
                 tokens[open - 1].kind != TokenKind::Cjk) ||
                (tokens[j + 1].begin == t.end && IsClauseEnd(Text(line, tokens[j + 1])));
            return end ? j + 1 : 0;
        } else if (!part(t, text)) {
            if (t.kind != TokenKind::Variable) return 0;
            loose = true;
            ++values;
        }
    }
    return 0;
}

// A number in brackets after Chinese characters ("五年（3）班", "高二(6)班", "模拟考试
// （一）") is a value brackets and all: the same class or room is written "五年3班" too.
// So is a qualifier in Chinese brackets glued after Chinese text (QualifierEnd): the
// kind or branch of a name ("爆米花（大桶）", "悦庭酒店（外滩店）", "儿童票（1.2-1.5米）"),
// which some names lack.
void MergeBracketedValues(std::string_view line, std::vector<LineToken>& tokens) {
    auto is = [&](const LineToken& t, std::string_view wide, char ascii) {
        if (t.kind != TokenKind::Symbol || (line[t.begin] != ascii && line[t.begin] != wide[0]))
            return false;
        const std::string_view text = line.substr(t.begin, t.end - t.begin);
        return text == wide || (text.size() == 1 && text[0] == ascii);
    };
    auto number = [&](const LineToken& t) {
        if (t.kind == TokenKind::Cjk) return IsChineseNumeral(Text(line, t));
        if (t.kind != TokenKind::Variable) return false;
        for (std::size_t k = t.begin; k < t.end; ++k)
            if (!IsDigit(Byte(line, k))) return false;
        return true;
    };
    if (!HasOpeningBracket(line)) return;
    std::size_t out = 0;
    bool qualified = false;  // the last token written is a qualifier (QualifierEnd)
    for (std::size_t i = 0; i < tokens.size();) {
        // Chinese brackets hold such a number after a Latin name too ("Co., Ltd.（0104328531）").
        if (i > 0 && i + 2 < tokens.size() && is(tokens[i], "\xa3\xa8", '(') &&
            (tokens[i - 1].kind == TokenKind::Cjk || qualified ||
             Text(line, tokens[i]) == "\xa3\xa8") &&
            number(tokens[i + 1]) && is(tokens[i + 2], "\xa3\xa9", ')') &&
            tokens[i].begin == tokens[i - 1].end && tokens[i + 1].begin == tokens[i].end &&
            tokens[i + 2].begin == tokens[i + 1].end) {
            // After a qualifier, the number is the name's too
            // ("甬江报关行（普通合伙）（0104731327）").
            if (qualified)
                tokens[out - 1].end = tokens[i + 2].end;
            else
                tokens[out++] = {tokens[i].begin, tokens[i + 2].end, TokenKind::Variable};
            qualified = false;
            i += 3;
            continue;
        }
        qualified = false;
        if (i > 0 && tokens[i - 1].kind == TokenKind::Cjk && is(tokens[i], "\xa3\xa8", '(') &&
            tokens[i].begin == tokens[i - 1].end) {
            if (const std::size_t j = QualifierEnd(line, tokens, i); j != 0) {
                tokens[out++] = {tokens[i].begin, tokens[j - 1].end, TokenKind::Variable};
                qualified = true;
                i = j;
                continue;
            }
        }
        // A name's other name or kind in ASCII brackets after a blank, where a field ends
        // ("大福 (Daifuku)，", "先玉1225 (耐密)）"), is a value some names have.
        const bool afterChinese =
            out > 0 && (tokens[out - 1].kind == TokenKind::Cjk ||
                        (out > 1 && tokens[out - 1].kind == TokenKind::Variable &&
                         tokens[out - 2].kind == TokenKind::Cjk &&
                         tokens[out - 2].end == tokens[out - 1].begin));
        if (afterChinese && i + 2 < tokens.size() && Text(line, tokens[i]) == "(" &&
            tokens[i].begin > tokens[out - 1].end) {
            std::size_t j = i + 1;
            while (j < tokens.size() && j < i + 5 && tokens[j].kind != TokenKind::Symbol) ++j;
            const std::size_t after = j + 1;
            if (j > i + 1 && j < tokens.size() && Text(line, tokens[j]) == ")" &&
                tokens[j].end - tokens[i].begin <= 24 &&
                (after == tokens.size() || (tokens[after].begin == tokens[j].end &&
                                            (IsClauseEnd(Text(line, tokens[after])) ||
                                             Text(line, tokens[after]) == "\xa3\xa9")))) {  // ）
                tokens[out++] = {tokens[i].begin, tokens[j].end, TokenKind::Variable};
                i = after;
                continue;
            }
        }
        // A value's or a Latin name's own qualifier in Chinese brackets ("HX-31（外海）",
        // "闽CAULJL（白）") is the value's, where a field ends after it; Chinese text glued
        // after it may say what happened ("航班HX3662（成都-昆明）开放值机").
        if (out > 0 &&
            (tokens[out - 1].kind == TokenKind::Variable ||
             tokens[out - 1].kind == TokenKind::Word) &&
            Text(line, tokens[i]) == "\xa3\xa8" && tokens[i].begin == tokens[out - 1].end) {
            if (const std::size_t j = QualifierEnd(line, tokens, i);
                j != 0 && (j == tokens.size() || tokens[j].kind != TokenKind::Cjk ||
                           tokens[j].begin != tokens[j - 1].end)) {
                tokens[out - 1].end = tokens[j - 1].end;
                tokens[out - 1].kind = TokenKind::Variable;
                qualified = true;
                i = j;
                continue;
            }
        }
        tokens[out++] = tokens[i++];
    }
    tokens.resize(out);
}

// 上午 下午 中午 晚上 凌晨 早上 傍晚: the parts of the day a time may follow.
bool IsDayPart(std::string_view w) {
    static constexpr std::array<std::string_view, 7> kParts = {
        "\xc9\xcf\xce\xe7", "\xcf\xc2\xce\xe7", "\xd6\xd0\xce\xe7", "\xcd\xed\xc9\xcf",
        "\xc1\xe8\xb3\xbf", "\xd4\xe7\xc9\xcf", "\xb0\xf8\xcd\xed"};
    return std::find(kParts.begin(), kParts.end(), w) != kParts.end();
}

// Glues Chinese units and date parts to the number before them and a Chinese date
// into one variable part: its form ("12月9日", "2026年12月") never splits a pattern.
void MergeChineseValues(std::string_view line, std::vector<LineToken>& tokens) {
    std::size_t out = 0;  // merged in place: a token is written no later than it is read
    for (std::size_t i = 0; i < tokens.size();) {
        LineToken t = tokens[i++];
        // A temperature's or share's sign is the number's: "-20℃", "37.8℃", "5‰"; and so
        // is a unit written with μ or Ω: "10μg", "4.7kΩ", "136.5με" (other Greek letters
        // after a number may name a thing: "5σ").
        if (t.kind == TokenKind::Variable && i < tokens.size() && tokens[i].begin == t.end) {
            const std::string_view sign = Text(line, tokens[i]);
            auto greek = [&](std::string_view x) {
                return x.size() >= 2 && static_cast<unsigned char>(x[0]) == 0xA6 &&
                       GreekLetter(static_cast<unsigned char>(x[1]));
            };
            if (sign == "\xa1\xe6" || sign == "\xa1\xeb" || sign == "\xa1\xe3") {  // ℃ ‰ °
                t.end = tokens[i++].end;
            } else if (sign.substr(0, 2) == "\xa6\xcc" || sign.substr(0, 2) == "\xa6\xb8") {
                // The letters, Greek or Latin, glued after it: "με", "μg".
                t.end = tokens[i++].end;
                while (i < tokens.size() && tokens[i].begin == t.end &&
                       (tokens[i].kind == TokenKind::Word || greek(Text(line, tokens[i]))))
                    t.end = tokens[i++].end;
            }
        }
        // The part of the day before a time is the time's ("下午5:15", "2026年4月26日上午
        // 10:30"), and the date before it with it.
        if (t.kind == TokenKind::Cjk && i + 1 < tokens.size() && tokens[i].begin == t.end &&
            tokens[i].kind == TokenKind::Cjk && tokens[i + 1].kind == TokenKind::Variable &&
            tokens[i + 1].begin == tokens[i].end && IsDigit(Byte(line, tokens[i + 1].begin)) &&
            IsDayPart(line.substr(t.begin, tokens[i].end - t.begin))) {
            t.kind = TokenKind::Variable;
            t.end = tokens[i + 1].end;
            i += 2;
            if (out > 0 && tokens[out - 1].kind == TokenKind::Variable &&
                tokens[out - 1].end == t.begin) {
                tokens[out - 1].end = t.end;
                continue;
            }
        }
        if (t.kind == TokenKind::Variable) {
            for (;;) {
                if (i >= tokens.size() || tokens[i].kind != TokenKind::Cjk ||
                    tokens[i].begin != t.end || !IsUnitLead(Byte(line, t.end)))
                    break;
                std::size_t unit = kChineseUnits.size();
                std::size_t width = 0;
                for (std::size_t u = 0; u < kChineseUnits.size() && width == 0; ++u) {
                    const std::string_view w = kChineseUnits[u];
                    if (line[t.end] != w[0] || line[t.end + 1] != w[1]) continue;
                    const std::size_t chars = w.size() / 2;
                    if (i + chars > tokens.size() || tokens[i].begin != t.end) continue;
                    if (line.substr(t.end, w.size()) != w) continue;
                    bool whole = true;
                    for (std::size_t c = 0; c < chars; ++c)
                        whole = whole && tokens[i + c].kind == TokenKind::Cjk &&
                                tokens[i + c].begin == t.end + 2 * c;
                    if (whole) {
                        unit = u;
                        width = chars;
                    }
                }
                if (width == 0) break;
                t.end = tokens[i + width - 1].end;
                i += width;
                const bool part = unit >= kChineseUnits.size() - kDateParts;
                // A date goes on with its next number: "12月" "9日".
                if (!part || i >= tokens.size() || tokens[i].kind != TokenKind::Variable ||
                    tokens[i].begin != t.end)
                    break;
                t.end = tokens[i++].end;
            }
        }
        tokens[out++] = t;
    }
    tokens.resize(out);
}

// The provinces' one-character names that begin a vehicle's plate: 京 津 沪 渝 冀 豫 云 辽
// 黑 湘 皖 鲁 新 苏 浙 赣 鄂 桂 甘 晋 蒙 陕 吉 闽 贵 粤 青 藏 川 宁 琼.
bool IsPlateProvince(std::string_view c) {
    static constexpr std::array<std::string_view, 31> kProvinces = {
        "\xbe\xa9", "\xbd\xf2", "\xbb\xa6", "\xd3\xe5", "\xbc\xbd", "\xd4\xa5", "\xd4\xc6",
        "\xc1\xc9", "\xba\xda", "\xcf\xe6", "\xcd\xee", "\xc2\xb3", "\xd0\xc2", "\xcb\xd5",
        "\xd5\xe3", "\xb8\xd3", "\xb6\xf5", "\xb9\xf0", "\xb8\xca", "\xbd\xfa", "\xc3\xc9",
        "\xc9\xc2", "\xbc\xaa", "\xc3\xf6", "\xb9\xf3", "\xd4\xc1", "\xc7\xe0", "\xb2\xd8",
        "\xb4\xa8", "\xc4\xfe", "\xc7\xed"};
    return std::find(kProvinces.begin(), kProvinces.end(), c) != kProvinces.end();
}

// A vehicle's plate is one value, its province with it ("集卡沪B31G4R进闸", "车牌浙B·H0919"):
// the province's character glued before a capital letter and the letters and digits after
// it (a middle dot between them or not).
void MergePlates(std::string_view line, std::vector<LineToken>& tokens) {
    // Most lines hold no capital glued after a Chinese character: nothing to rewrite.
    std::size_t first = 0;
    while (first + 1 < tokens.size() &&
           !(tokens[first].kind == TokenKind::Cjk && tokens[first + 1].begin == tokens[first].end &&
             IsUpper(Byte(line, tokens[first + 1].begin))))
        ++first;
    if (first + 1 >= tokens.size()) return;
    std::size_t out = first;  // merged in place, from the first place that may hold a plate
    for (std::size_t i = first; i < tokens.size();) {
        const LineToken& t = tokens[i];
        if (t.kind == TokenKind::Cjk && i + 1 < tokens.size() && tokens[i + 1].begin == t.end &&
            (tokens[i + 1].kind == TokenKind::Variable || tokens[i + 1].kind == TokenKind::Word) &&
            IsUpper(Byte(line, tokens[i + 1].begin))) {
            std::size_t j = i + 2;
            // "浙B·H0919": the letter, a middle dot, the rest.
            const bool dot =
                j + 1 < tokens.size() && tokens[i + 1].end - tokens[i + 1].begin == 1 &&
                Text(line, tokens[j]) == "\xa1\xa4" && tokens[j].begin == tokens[i + 1].end &&
                tokens[j + 1].begin == tokens[j].end && tokens[j + 1].kind == TokenKind::Variable;
            if (dot) j += 2;
            const std::string_view plate =
                line.substr(tokens[i + 1].begin, tokens[j - 1].end - tokens[i + 1].begin);
            // Six or seven capitals and digits (a new-energy plate has seven).
            std::size_t alnum = 0;
            bool upper = true;
            for (char c : plate) {
                const auto b = static_cast<unsigned char>(c);
                if (IsDigit(b) || IsUpper(b))
                    ++alnum;
                else if (b < 0x80)
                    upper = false;
            }
            // With the dot the shape is a plate's whatever the character before it: a province's
            // other name ("黔G·S5882", "滇C·FU262") as well as the one on its plates.
            if (upper && alnum >= 6 && alnum <= 7 && (dot || IsPlateProvince(Text(line, t)))) {
                tokens[out++] = {t.begin, tokens[j - 1].end, TokenKind::Variable};
                i = j;
                continue;
            }
        }
        if (out != i) tokens[out] = tokens[i];  // nothing is moved until a merge
        ++out;
        ++i;
    }
    tokens.resize(out);
}

// 省 市 县 区: the last character of an administrative division's name (a province or
// a city for the first, `first`).
bool IsDivision(std::string_view c, bool first) {
    static constexpr std::array<std::string_view, 4> kDivisions = {"\xca\xa1", "\xca\xd0",
                                                                   "\xcf\xd8", "\xc7\xf8"};
    return std::find(kDivisions.begin(), kDivisions.begin() + (first ? 2 : 4), c) !=
           kDivisions.begin() + (first ? 2 : 4);
}

// Chinese text that is all the names of two administrative divisions or more, from one
// punctuation or blank to the next ("扫码地：河北省邯郸市成安县，", "湖南省常德市鼎城区"),
// is one value, an address: "<*>省<*>市<*>" would tell addresses apart by their form.
// Each name is two to six characters, the last its division's, and the first is a
// province's or a city's ("当前城市杭州" is no address).
void MergeChineseAddresses(std::string_view line, std::vector<LineToken>& tokens) {
    // Most lines name no province or city: nothing to look for.
    if (line.find("\xca\xa1") == std::string_view::npos &&
        line.find("\xca\xd0") == std::string_view::npos)
        return;
    auto glued = [&](std::size_t k) {
        return k > 0 && tokens[k].kind == TokenKind::Cjk && tokens[k - 1].kind == TokenKind::Cjk &&
               tokens[k].begin == tokens[k - 1].end;
    };
    std::size_t out = 0;  // merged in place
    for (std::size_t i = 0; i < tokens.size();) {
        if (tokens[i].kind == TokenKind::Cjk && !glued(i)) {
            std::size_t k = i;
            std::size_t parts = 0;
            for (;;) {
                std::size_t next = k;
                for (std::size_t m = k + 1; m < tokens.size() && m < k + 6 && glued(m); ++m) {
                    if (IsDivision(Text(line, tokens[m]), parts == 0)) {
                        next = m + 1;
                        break;
                    }
                }
                if (next == k) break;
                k = next;
                ++parts;
            }
            if (parts >= 2 && (k == tokens.size() || !glued(k))) {
                tokens[out++] = {tokens[i].begin, tokens[k - 1].end, TokenKind::Variable};
                i = k;
                continue;
            }
        }
        if (out != i) tokens[out] = tokens[i];  // nothing is moved until a merge
        ++out;
        ++i;
    }
    tokens.resize(out);
}

// The value of a key=value or key:value pair varies, the key does not: a word glued
// after "=" or ":" that is glued to its key is a variable part ("overlap:false",
// "ws=null"), and so is a one-word value after "key: " that a separator or the end of
// the line follows ("withExcluded: false,"), or (with `constantNames`) that is a
// constant's name ("action: android.intent.action.SCREEN_ON from ...").  Only the
// message's pairs count: a tag's colon in the header ("PhoneStatusBar: cancelAutohide")
// is no pair.
void MarkPairValues(std::string_view line, std::vector<LineToken>& tokens, std::size_t from,
                    bool constantNames) {
    const std::size_t n = tokens.size();
    for (std::size_t i = from + 2; i < n; ++i) {
        if (tokens[i].kind != TokenKind::Word) continue;
        const LineToken& sep = tokens[i - 1];
        const LineToken& key = tokens[i - 2];
        if (sep.kind != TokenKind::Symbol || sep.end - sep.begin != 1 ||
            (line[sep.begin] != '=' && line[sep.begin] != ':') || key.end != sep.begin)
            continue;
        // A Chinese key's value is data whatever its case ("支付方式=CASH").
        if (key.kind == TokenKind::Cjk && line[sep.begin] == '=' && tokens[i].begin == sep.end) {
            tokens[i].kind = TokenKind::Variable;
            continue;
        }
        if (key.kind != TokenKind::Word) continue;
        bool value = tokens[i].begin == sep.end;
        if (!value) {
            const bool last = i + 1 == n;
            value =
                last || (constantNames && ConstantName(Text(line, tokens[i]))) ||
                (tokens[i + 1].kind == TokenKind::Symbol && tokens[i + 1].begin == tokens[i].end &&
                 std::string_view(",;|)}").find(line[tokens[i + 1].begin]) !=
                     std::string_view::npos);
        }
        if (value) tokens[i].kind = TokenKind::Variable;
    }
}

// A pair's Chinese value that holds brackets ("channel=代售点（人民路88号）") is one value
// up to the blank or punctuation after it: "channel=行旅通App" and "channel=车站窗口"
// stand in the same place, and a value's own brackets never split a pattern.
void MergeBracketedPairValues(std::string_view line, std::vector<LineToken>& tokens,
                              std::size_t from) {
    auto text = [&](std::size_t k) { return Text(line, tokens[k]); };
    auto ends = [&](std::size_t k) {
        const std::string_view t = text(k);
        return t == "," || t == ";" || t == "\xa3\xac" || t == "\xa3\xbb" ||  // ， ；
               t == "\xa1\xa3";                                               // 。
    };
    if (!HasOpeningBracket(line)) return;
    // Merged in place: the key and "=" before token `i` are the last two written.
    std::size_t out = 0;
    for (std::size_t i = 0; i < tokens.size();) {
        if (out >= from + 2 && tokens[i].kind == TokenKind::Cjk && text(out - 1) == "=" &&
            tokens[i].begin == tokens[out - 1].end && tokens[out - 2].kind == TokenKind::Word &&
            tokens[out - 2].end == tokens[out - 1].begin) {
            std::size_t j = i + 1;
            bool bracket = false;
            while (j < tokens.size() && tokens[j].begin == tokens[j - 1].end && !ends(j)) {
                // A bracket, or a value that a bracket begins (a qualifier).
                const std::string_view t = text(j);
                bracket = bracket || t.substr(0, 1) == "(" || t.substr(0, 2) == "\xa3\xa8";  // （
                ++j;
            }
            if (bracket) {
                tokens[out++] = {tokens[i].begin, tokens[j - 1].end, TokenKind::Variable};
                i = j;
                continue;
            }
        }
        tokens[out++] = tokens[i++];
    }
    tokens.resize(out);
}

// The closing bracket of a Chinese opening one (【 「 《), or none.
std::string_view ClosingBracket(std::string_view open) {
    if (open == "\xa1\xbe") return "\xa1\xbf";  // 【】
    if (open == "\xa1\xb8") return "\xa1\xb9";  // 「」
    if (open == "\xa1\xb6") return "\xa1\xb7";  // 《》
    return {};
}

// A pair's value that holds blanks, up to the next pair ("pet=大福 (Daifuku) cost=…",
// "analyzer=IDEXX ProCyte Dx status=…"), is one value: a name of several words stands
// where other lines have one.  So is one in Chinese brackets ("tpl=【复诊提醒】").  Only values a
// pair follows count, so that the words after the last pair, which may say what happened, stay
// words; and only in lines with Chinese text, where a key is one word ("Source file=" is a key
// elsewhere).  A list's or a block's punctuation ends the value.
void MergeBlankPairValues(std::string_view line, std::vector<LineToken>& tokens, std::size_t from) {
    // A "=" with a value glued after it, in a line with Chinese text.
    std::size_t first = 1;
    while (first < tokens.size() &&
           !(tokens[first - 1].kind == TokenKind::Symbol &&
             tokens[first - 1].end - tokens[first - 1].begin == 1 &&
             line[tokens[first - 1].begin] == '=' && tokens[first].begin == tokens[first - 1].end))
        ++first;
    if (first >= tokens.size() ||
        std::none_of(tokens.begin(), tokens.end(),
                     [](const LineToken& t) { return t.kind == TokenKind::Cjk; }))
        return;
    auto sign = [&](std::size_t k) {
        return tokens[k].kind == TokenKind::Symbol && Text(line, tokens[k]) == "=";
    };
    auto stop = [&](std::size_t k) {
        const std::string_view t = Text(line, tokens[k]);
        return tokens[k].kind == TokenKind::Symbol &&
               (t == "," || t == ";" || t == "{" || t == "}" || t == "[" || t == "]" ||
                IsClauseEnd(t));
    };
    // A number ends its value: "pid=2100 [sched-worker-7] ink keys press=" holds no name.
    auto number = [&](std::size_t k) {
        const std::string_view t = Text(line, tokens[k]);
        return tokens[k].kind == TokenKind::Variable &&
               std::all_of(t.begin(), t.end(), [](char c) { return IsDigit(c) || c == '.'; });
    };
    // A key at `k`: a word with "=" glued after it, a blank before it.
    auto key = [&](std::size_t k) {
        return k + 1 < tokens.size() && tokens[k].kind == TokenKind::Word && sign(k + 1) &&
               tokens[k + 1].begin == tokens[k].end && tokens[k].begin > tokens[k - 1].end;
    };
    constexpr std::size_t kMaxValueTokens = 8;
    std::size_t out = 0;  // merged in place
    for (std::size_t i = 0; i < tokens.size();) {
        // Token i begins a value glued after a key's "=".
        if (out >= from + 2 && i > 0 && sign(i - 1) && tokens[i].begin == tokens[i - 1].end &&
            tokens[out - 2].kind == TokenKind::Word) {
            // A value in Chinese brackets, up to the closing one ("tpl=【复诊提醒】").
            const std::string_view close = ClosingBracket(Text(line, tokens[i]));
            if (tokens[i].kind == TokenKind::Symbol && !close.empty()) {
                std::size_t c = i + 1;
                while (c < tokens.size() && c - i <= 2 * kMaxValueTokens &&
                       Text(line, tokens[c]) != close)
                    ++c;
                if (c < tokens.size() && Text(line, tokens[c]) == close) {
                    tokens[out++] = {tokens[i].begin, tokens[c].end, TokenKind::Variable};
                    i = c + 1;
                    continue;
                }
            }
            std::size_t j = i + 1;
            bool blank = false;
            while (!number(i) && j < tokens.size() && j - i < kMaxValueTokens && !key(j) &&
                   !sign(j) && !stop(j)) {
                blank = blank || tokens[j].begin > tokens[j - 1].end;
                ++j;
            }
            if (blank && j < tokens.size() && key(j)) {
                tokens[out++] = {tokens[i].begin, tokens[j - 1].end, TokenKind::Variable};
                i = j;
                continue;
            }
        }
        if (out != i) tokens[out] = tokens[i];  // nothing is moved until a merge
        ++out;
        ++i;
    }
    tokens.resize(out);
}

// Whether `t` may stand inside an item of a Chinese list: text, values, brackets and
// quotes, and the joiners of a name or a quantity ("冷冻虾仁 1kg×10", "净菜·西兰花",
// "《活着》"); other punctuation ends the list.
bool ListItemPart(std::string_view line, const LineToken& t) {
    if (t.kind != TokenKind::Symbol) return true;
    const std::string_view text = Text(line, t);
    if (text.size() == 1) return std::string_view("()[]-_/.+*#%~&'").find(text[0]) != text.npos;
    if (text.size() != 2) return false;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    if (lead == 0xA3) return trail == 0xA8 || trail == 0xA9 || trail == 0xAB;  // （ ） ＋
    // 、 × · 【 】 「 」 《 》 〈 〉, and a result's flag or unit: ↑ ↓ ℃ ("AST 194.6↑")
    return lead == 0xA1 &&
           (trail == 0xA2 || trail == 0xC1 || trail == 0xA4 || (trail >= 0xB4 && trail <= 0xB9) ||
            trail == 0xBE || trail == 0xBF || trail == 0xFC || trail == 0xFD || trail == 0xE6);
}

// 1 for an opening bracket, -1 for a closing one, 0 for other text.
int Bracket(std::string_view text) {
    if (text.size() == 1)
        return text[0] == '(' || text[0] == '[' ? 1 : text[0] == ')' || text[0] == ']' ? -1 : 0;
    if (text.size() != 2) return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    const auto trail = static_cast<unsigned char>(text[1]);
    if (lead == 0xA3) return trail == 0xA8 ? 1 : trail == 0xA9 ? -1 : 0;  // （ ）
    if (lead != 0xA1) return 0;
    switch (trail) {
        case 0xBE:  // 【
        case 0xB8:  // 「
        case 0xB6:  // 《
        case 0xB4:  // 〈
            return 1;
        case 0xBF:  // 】
        case 0xB9:  // 」
        case 0xB7:  // 》
        case 0xB5:  // 〉
            return -1;
        default:
            return 0;
    }
}

// A list of items that the enumeration comma "、" divides, between the punctuation
// around it, is one value ("糖醋里脊×3、Coke Zero 330ml、酸梅汤（大杯）"): how many items
// it has and what each is made of change from line to line of one message.  Lists
// whose first or last item would be long are left alone: there the punctuation around
// them is too far to tell where the list begins or ends.
void MergeEnumerations(std::string_view line, std::vector<LineToken>& tokens, std::size_t from) {
    constexpr std::uint32_t kMaxEdgeItem = 40;  // bytes of the first or last item
    auto chineseComma = [&] {                   // an ASCII comma between two Chinese characters
        for (std::size_t p = line.find(','); p != std::string_view::npos; p = line.find(',', p + 1))
            if (p > 0 && p + 1 < line.size() && Byte(line, p - 1) >= 0x80 &&
                Byte(line, p + 1) >= 0x81)
                return true;
        return false;
    };
    if (line.find("\xa1\xa2") == std::string_view::npos &&
        line.find("\xa1\xc1") == std::string_view::npos && !chineseComma())
        return;
    // An ASCII comma glued between Chinese items of a label's value divides them as "、"
    // does ("商品：香辣鸡腿堡,可乐（330ml）,杨枝甘露（大杯）"); elsewhere it may end a clause
    // ("调用支付接口成功,耗时:15102ms").
    auto chineseAt = [&](std::uint32_t at) { return at < line.size() && Byte(line, at) >= 0x81; };
    std::size_t value = 0;  // where the run that holds such commas must begin
    auto comma = [&](std::size_t k) {
        return value > from && k > value && k + 1 < tokens.size() &&
               tokens[k].kind == TokenKind::Symbol && tokens[k].end - tokens[k].begin == 1 &&
               line[tokens[k].begin] == ',' && tokens[k - 1].end == tokens[k].begin &&
               tokens[k + 1].begin == tokens[k].end &&
               tokens[k - 1].end >= tokens[k - 1].begin + 2 && chineseAt(tokens[k - 1].end - 2) &&
               chineseAt(tokens[k + 1].begin);
    };
    std::size_t out = from;
    for (std::size_t i = from; i < tokens.size();) {
        // A closing bracket never begins a list: it closes one opened before.
        if (!ListItemPart(line, tokens[i]) || Bracket(Text(line, tokens[i])) < 0) {
            tokens[out++] = tokens[i++];
            continue;
        }
        value = i > from && Text(line, tokens[i - 1]) == "\xa3\xba" ? i : 0;  // after "："
        // The run of item parts from i and its first and last enumeration commas outside
        // brackets.  Inside brackets an item may hold any punctuation ("丝巾（千里江山，
        // 90×90cm）"); a bracket that closes one opened before the run ends it.
        std::size_t end = i;
        std::size_t first = 0;
        std::size_t last = 0;
        bool any = false;
        bool loose = false;  // punctuation that ends a list stands inside brackets
        int depth = 0;
        for (; end < tokens.size(); ++end) {
            const bool divides = comma(end);
            const bool part = divides || ListItemPart(line, tokens[end]);
            if (!part && depth == 0) break;
            loose = loose || !part;
            const int b = Bracket(Text(line, tokens[end]));
            if (b < 0 && depth == 0) break;
            depth += b;
            if (depth != 0 || (!divides && (tokens[end].kind != TokenKind::Symbol ||
                                            Text(line, tokens[end]) != "\xa1\xa2")))
                continue;
            if (!any) first = end;
            last = end;
            any = true;
        }
        // One item with its count ("帆布袋×3", "「鸟尊」毛绒挂件×2") is such a list too,
        // after punctuation: at the message's start the count's run holds what happened.
        const bool counted = !any && i > from && end - i >= 3 &&
                             tokens[end - 1].kind == TokenKind::Variable &&
                             Text(line, tokens[end - 2]) == "\xa1\xc1" &&
                             tokens[end - 1].begin == tokens[end - 2].end &&
                             tokens[end - 2].begin == tokens[end - 3].end &&
                             tokens[end - 1].end - tokens[i].begin <= kMaxEdgeItem;
        const bool list = any && first > i && last + 1 < end &&
                          tokens[first].begin - tokens[i].begin <= kMaxEdgeItem &&
                          tokens[end - 1].end - tokens[last].end <= kMaxEdgeItem;
        if (depth == 0 && (counted || list)) {
            tokens[out++] = {tokens[i].begin, tokens[end - 1].end, TokenKind::Variable};
            i = end;
        } else if (depth > 0 || loose) {
            // A bracket never closed, or one holding a sentence's punctuation: a list may
            // begin inside or after it ("异常3户（异常户：13栋2302、10栋2303）").
            tokens[out++] = tokens[i++];
        } else {
            while (i < end) tokens[out++] = tokens[i++];
        }
    }
    tokens.resize(out);
}

// Latin text glued after a Chinese label's colon, up to Chinese text or punctuation, a
// blank or the end, is one value ("汇率已更新：KRW/CNY 0.0054", "优惠：coupon=CPN238676，",
// "停止原因：Remote"): in Chinese text the words that name a kind are Chinese.  A name of
// several words ("Mr. Bean", "Hengtong Global Logistics") is left whole to the aligner.
void MergeLabelWordValues(std::string_view line, std::vector<LineToken>& tokens, std::size_t from) {
    if (line.find("\xa3\xba") == std::string_view::npos &&
        line.find("\xa3\xac") == std::string_view::npos)
        return;  // no Chinese colon or comma
    // A two-byte symbol: "：" (A3 BA) or "，" (A3 AC).
    auto wideSign = [&](std::size_t k, unsigned char second) {
        return tokens[k].kind == TokenKind::Symbol && tokens[k].end - tokens[k].begin == 2 &&
               Byte(line, tokens[k].begin) == 0xa3 && Byte(line, tokens[k].begin + 1) == second;
    };
    auto wide = [&](std::size_t k) {
        return tokens[k].kind == TokenKind::Cjk ||
               (tokens[k].kind == TokenKind::Symbol && tokens[k].end - tokens[k].begin == 2);
    };
    std::size_t out = 0;  // merged in place
    for (std::size_t i = 0; i < tokens.size();) {
        if (out >= from + 2 && i >= 2 && tokens[i].kind == TokenKind::Word &&
            tokens[out - 2].kind == TokenKind::Cjk && wideSign(out - 1, 0xba) &&
            tokens[out - 2].end == tokens[out - 1].begin &&
            tokens[i].begin == tokens[out - 1].end) {
            std::size_t j = i + 1;
            while (j < tokens.size() && tokens[j].begin == tokens[j - 1].end && !wide(j)) ++j;
            const bool alone = j == tokens.size() || tokens[j].begin == tokens[j - 1].end ||
                               tokens[j].kind != TokenKind::Word;
            if (alone) {
                tokens[out++] = {tokens[i].begin, tokens[j - 1].end, TokenKind::Variable};
                i = j;
                continue;
            }
        }
        // A name of Latin words alone between Chinese punctuation ("，Mr. Bean，", "：Apple
        // Pay，") is one value too.
        if (out >= from + 1 && i >= 1 && tokens[i].kind == TokenKind::Word &&
            (wideSign(out - 1, 0xba) || wideSign(out - 1, 0xac)) &&
            tokens[i].begin == tokens[out - 1].end) {
            constexpr std::size_t kMaxNameTokens = 16;
            std::size_t j = i + 1;
            // Words and values, with a name's own punctuation between them, and the colon
            // that ends an exception's name before its message ("，java.net.ConnectException:
            // Connection refused，": one value where others show "连接超时").
            while (j < tokens.size() && j - i < kMaxNameTokens && !wide(j) &&
                   (tokens[j].kind == TokenKind::Word || tokens[j].kind == TokenKind::Variable ||
                    (tokens[j].end - tokens[j].begin == 1 &&
                     std::string_view(".-&'()/,").find(line[tokens[j].begin]) !=
                         std::string_view::npos) ||
                    (tokens[j].end - tokens[j].begin == 1 && line[tokens[j].begin] == ':' &&
                     tokens[j].begin == tokens[j - 1].end && j + 1 < tokens.size() &&
                     tokens[j + 1].begin > tokens[j].end)))
                ++j;
            if (j < tokens.size() && j > i + 1 && IsClauseEnd(Text(line, tokens[j])) &&
                tokens[j].begin == tokens[j - 1].end) {
                tokens[out++] = {tokens[i].begin, tokens[j - 1].end, TokenKind::Variable};
                i = j;
                continue;
            }
        }
        if (out != i) tokens[out] = tokens[i];  // nothing is moved until a merge
        ++out;
        ++i;
    }
    tokens.resize(out);
}

// A capital letter alone, glued to Chinese text, is a value: a grade, a zone or a block
// ("考核等级S", "A座大堂").
void MarkLetterValues(std::string_view line, std::vector<LineToken>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        LineToken& t = tokens[i];
        if (t.kind != TokenKind::Word || t.end != t.begin + 1 ||
            !IsUpper(static_cast<unsigned char>(line[t.begin])))
            continue;
        const bool before =
            i > 0 && tokens[i - 1].kind == TokenKind::Cjk && tokens[i - 1].end == t.begin;
        const bool after = i + 1 < tokens.size() && tokens[i + 1].kind == TokenKind::Cjk &&
                           tokens[i + 1].begin == t.end;
        if (before || after) t.kind = TokenKind::Variable;
    }
}

// An HTTP status and the reason phrase the protocol gives it are one value: "HTTP 504
// Gateway Timeout" stands where "HTTP 401 Unauthorized" does.  Only a status with its
// own standard phrase, whole, so that a capitalised word a message writes after a
// number of its own stays a word ("404 Found Nothing").  Returns the index of the
// phrase's last token where the tokens from `first` on, after a blank, spell the phrase
// of `status`; 0 otherwise.
std::size_t ReasonPhraseEnd(std::string_view line, const std::vector<LineToken>& tokens,
                            const LineToken& status, std::size_t first) {
    struct Reason {
        std::string_view status;
        std::string_view phrase;
    };
    static constexpr std::array<Reason, 36> kReasons = {{
        {"200", "OK"},
        {"201", "Created"},
        {"202", "Accepted"},
        {"204", "No Content"},
        {"206", "Partial Content"},
        {"301", "Moved Permanently"},
        {"302", "Found"},
        {"303", "See Other"},
        {"304", "Not Modified"},
        {"307", "Temporary Redirect"},
        {"308", "Permanent Redirect"},
        {"400", "Bad Request"},
        {"401", "Unauthorized"},
        {"402", "Payment Required"},
        {"403", "Forbidden"},
        {"404", "Not Found"},
        {"405", "Method Not Allowed"},
        {"406", "Not Acceptable"},
        {"407", "Proxy Authentication Required"},
        {"408", "Request Timeout"},
        {"409", "Conflict"},
        {"410", "Gone"},
        {"411", "Length Required"},
        {"412", "Precondition Failed"},
        {"413", "Payload Too Large"},
        {"413", "Request Entity Too Large"},
        {"414", "URI Too Long"},
        {"415", "Unsupported Media Type"},
        {"422", "Unprocessable Entity"},
        {"429", "Too Many Requests"},
        {"500", "Internal Server Error"},
        {"501", "Not Implemented"},
        {"502", "Bad Gateway"},
        {"503", "Service Unavailable"},
        {"504", "Gateway Timeout"},
        {"505", "HTTP Version Not Supported"},
    }};
    const std::string_view code = Text(line, status);
    if (code.size() != 3 || code[0] < '1' || code[0] > '5' || !IsDigit(Byte(code, 1)) ||
        !IsDigit(Byte(code, 2)) || tokens[first].begin != status.end + 1 || line[status.end] != ' ')
        return 0;
    const std::string_view rest = line.substr(tokens[first].begin);
    for (const Reason& r : kReasons) {
        if (r.status != code || !rest.starts_with(r.phrase) ||
            (r.phrase.size() < rest.size() && IsAlnum(Byte(rest, r.phrase.size()))))
            continue;
        // The phrase must end where a token does.
        const auto end = static_cast<std::uint32_t>(tokens[first].begin + r.phrase.size());
        std::size_t last = first;
        while (last + 1 < tokens.size() && tokens[last].end < end) ++last;
        return tokens[last].end == end ? last : 0;
    }
    return 0;
}

// A number and the short unit word after it: "1 sec", "30 ms"; but not a key with its
// sign glued after it ("resident=R000956 hr=71").  So is an HTTP status and its
// reason phrase (ReasonPhraseEnd).
void MergeUnitWords(std::string_view line, std::vector<LineToken>& tokens) {
    static constexpr std::array<std::string_view, 14> kUnits = {
        "ms", "s", "sec", "secs", "min", "mins", "h", "hr", "hrs", "B", "KB", "MB", "GB", "TB"};
    std::size_t out = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Word || out == 0 ||
            tokens[out - 1].kind != TokenKind::Variable || tokens[i].begin <= tokens[out - 1].end) {
            tokens[out++] = tokens[i];
            continue;
        }
        if (tokens[i].end - tokens[i].begin <= 4 &&
            std::find(kUnits.begin(), kUnits.end(), Text(line, tokens[i])) != kUnits.end() &&
            (tokens[i].end >= line.size() ||
             (line[tokens[i].end] != '=' && line[tokens[i].end] != ':'))) {
            tokens[out - 1].end = tokens[i].end;
            continue;
        }
        if (IsUpper(Byte(line, tokens[i].begin))) {
            if (const std::size_t last = ReasonPhraseEnd(line, tokens, tokens[out - 1], i)) {
                tokens[out - 1].end = tokens[last].end;
                i = last;
                continue;
            }
        }
        tokens[out++] = tokens[i];
    }
    tokens.resize(out);
}

// A value with a bracketed value glued to it is one value: "nodes:node-[104-127]"
// stands where "nodes:node-0" does, and "ws=WorkSource{10113}" where "ws=null" does.
// A variable part or the "=" of a pair followed without a blank by "(", "[" or "{",
// variable parts and punctuation only and the closing bracket (an optional joiner
// before the bracket) becomes one variable part, several such brackets in a row too.
// A word before a bracket stays ("chdir(/p/a)" and "chdir(pwd)" are one kind), and
// so does a tag in the header ("sshd[42]:"): only the message's values are joined.
void MergeGluedValues(std::string_view line, std::vector<LineToken>& tokens, std::size_t from) {
    auto isSym = [&](const LineToken& t, std::string_view set) {
        return t.kind == TokenKind::Symbol && t.end - t.begin == 1 &&
               set.find(line[t.begin]) != std::string_view::npos;
    };
    // One past the bracket that closes the one at `k`, all glued, with only variable
    // parts and punctuation between and at least one variable part; 0 otherwise.
    auto group = [&](std::size_t k) -> std::size_t {
        if (k >= tokens.size() || !isSym(tokens[k], "([{")) return 0;
        const char open = line[tokens[k].begin];
        const char close = open == '(' ? ')' : open == '[' ? ']' : '}';
        bool variable = false;
        for (std::size_t j = k + 1; j < tokens.size() && tokens[j].begin == tokens[j - 1].end;
             ++j) {
            const LineToken& t = tokens[j];
            if (t.kind == TokenKind::Symbol && t.end - t.begin == 1 && line[t.begin] == close)
                return variable ? j + 1 : 0;
            if (t.kind == TokenKind::Variable)
                variable = true;
            else if (t.kind != TokenKind::Symbol || isSym(t, "([{"))
                return 0;
        }
        return 0;
    };
    bool bracket = false;  // most lines have no bracket in their message: nothing to do
    for (std::size_t i = from; i < tokens.size() && !bracket; ++i)
        bracket = isSym(tokens[i], "([{");
    if (!bracket) return;
    std::size_t out = from;  // merged in place: a token is written no later than it is read
    for (std::size_t i = from; i < tokens.size();) {
        LineToken t = tokens[i++];
        const bool start = t.kind == TokenKind::Variable ||
                           (isSym(t, "=") && i < tokens.size() && tokens[i].begin == t.end);
        if (start) {
            for (;;) {
                std::size_t at = i;
                if (t.kind == TokenKind::Variable && at + 1 < tokens.size() &&
                    isSym(tokens[at], "-_.:") && tokens[at].begin == t.end)
                    ++at;
                if (at >= tokens.size() ||
                    tokens[at].begin != (at == i ? t.end : tokens[at - 1].end))
                    break;
                const std::size_t end = group(at);
                if (end == 0) break;
                if (isSym(t, "=")) {
                    // The pair's "=" stays itself; the value after it is the group.
                    tokens[out++] = t;
                    t = tokens[at];
                }
                t.end = tokens[end - 1].end;
                t.kind = TokenKind::Variable;
                i = end;
            }
        }
        tokens[out++] = t;
    }
    tokens.resize(out);
}

// Month and weekday names are variable when they are part of a date: next to a day
// number, a time or another such name ("Sun Dec 04", "Jul  1 09:00:55", "4 May 2020").
// `names` gets the marks: true for a name that was made variable.
void MarkCalendarNames(std::string_view line, std::vector<LineToken>& tokens,
                       std::vector<bool>& names) {
    const std::size_t n = tokens.size();
    names.assign(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        if (tokens[i].kind != TokenKind::Word) continue;
        const std::string_view w = Text(line, tokens[i]);
        const bool prevVar = i > 0 && tokens[i - 1].kind == TokenKind::Variable;
        if (IsMeridiem(w)) {
            if (prevVar) tokens[i].kind = TokenKind::Variable;
            continue;
        }
        if (!IsCalendarName(w)) continue;
        const bool nextVar = i + 1 < n && tokens[i + 1].kind == TokenKind::Variable;
        const bool nextName = i + 1 < n && tokens[i + 1].kind == TokenKind::Word &&
                              IsCalendarName(Text(line, tokens[i + 1]));
        if (prevVar || nextVar || nextName) {
            tokens[i].kind = TokenKind::Variable;
            names[i] = true;
        }
    }
}

bool IsStampSymbol(std::string_view line, const LineToken& t) {
    return t.kind == TokenKind::Symbol && t.end - t.begin == 1 &&
           std::string_view(",.:-/+").find(line[t.begin]) != std::string_view::npos;
}

// A time stamp is one variable part, so that its form never splits a pattern: the
// variable parts at the start of the line (after an optional "[" or "("), and any
// other run of variable parts that holds a month or weekday name, together with the
// punctuation between them, are merged into one.
void MergeStamps(std::string_view line, std::vector<LineToken>& tokens,
                 const std::vector<bool>& names) {
    std::size_t lead = 0;
    if (!tokens.empty() && tokens[0].kind == TokenKind::Symbol &&
        (line[tokens[0].begin] == '[' || line[tokens[0].begin] == '('))
        lead = 1;
    // Whether the line holds Chinese text, asked only where it matters.
    int chineseKnown = -1;
    auto chinese = [&] {
        if (chineseKnown < 0)
            chineseKnown = std::any_of(tokens.begin(), tokens.end(),
                                       [](const LineToken& t) { return t.kind == TokenKind::Cjk; });
        return chineseKnown == 1;
    };
    std::size_t out = 0;  // merged in place: a token is written no later than it is read
    for (std::size_t i = 0; i < tokens.size();) {
        if (tokens[i].kind != TokenKind::Variable) {
            tokens[out++] = tokens[i++];
            continue;
        }
        std::size_t last = i + 1;  // one past the run's last variable part
        bool name = names[i];
        for (std::size_t k = i + 1; k < tokens.size(); ++k) {
            // A dotted name after a blank in a line with Chinese text (a logger's,
            // "2026-03-05 06:25:12,893 seedtrace.qr") is no part of the time.
            if (tokens[k].kind == TokenKind::Variable && tokens[k].begin > tokens[k - 1].end &&
                !names[k] && IsLetter(Byte(line, tokens[k].begin)) &&
                Text(line, tokens[k]).find('.') != std::string_view::npos && chinese())
                break;
            if (tokens[k].kind == TokenKind::Variable) {
                last = k + 1;
                name = name || names[k];
            } else if (!IsStampSymbol(line, tokens[k])) {
                break;
            }
        }
        if (i == lead || name) {
            tokens[out++] = {tokens[i].begin, tokens[last - 1].end, TokenKind::Variable};
            i = last;
        } else {
            tokens[out++] = tokens[i++];
        }
    }
    tokens.resize(out);
}

bool IsUpperWord(std::string_view w) {
    if (w.empty() || w.size() > 16) return false;
    for (char c : w)
        if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9') && c != '_') return false;
    return true;
}

// Finds the line's header: the fields before the message that every line of a log
// carries in its own form (time stamps, levels, process and thread ids, host names,
// bracketed and pipe-separated fields, the logger or tag with its colon).  It begins
// with a time stamp or number (after an optional "[", "(" or flag field) and takes
// fields for as long as they look like header fields.  Returns the number of leading
// tokens that form it.
class HeaderFinder {
public:
    HeaderFinder(std::string_view line, const std::vector<LineToken>& t) : line_(line), t_(t) {}

    std::size_t Find() {
        // A line that is all header fields has no message to tell its kind by: it is
        // mined whole.
        const std::size_t header = Fields();
        return header < t_.size() ? header : 0;
    }

private:
    std::size_t Fields() {
        const std::size_t n = t_.size();
        if (n < 2) return 0;
        if (const std::size_t pairs = PairFields(); pairs != 0) return pairs;
        if (const std::size_t object = IsSymbol(0, '{') ? ObjectFields() : 0; object != 0)
            return object;
        if (const std::size_t named = NamedBracketFields(); named != 0) return named;
        // A Chinese level in Chinese brackets may come first: "【信息】[2026-03-18 …]".
        const std::size_t s = WideLevel();
        if (s + 2 > n) return 0;
        const bool flag = IsSymbol(s, '-') || IsSymbol(s, '[') || IsSymbol(s, '(') ||
                          !WideOpen(s).empty() ||
                          (t_[s].kind == TokenKind::Word && IsUpperWord(Text(s)));
        // Chinese labels name the fields: "时间:2026-12-09 10:00:01 级别:信息 内容:".
        std::size_t first = s == 0 && t_[0].kind == TokenKind::Cjk ? Label(0) : 0;
        bool labelled = first != 0 && first < n && IsStampStart(first);
        // Or they follow a system's name in Chinese brackets and a time stamp:
        // "【燃气运营】2026/03/08 06:05:02 级别：告警 模块：稽查 | ".
        if (!labelled && s == 0 && !WideOpen(0).empty()) {
            const std::size_t j = WideClosing(0);
            if (j != 0 && j < n && IsStampStart(j) && !ChineseLevelAt(1)) {
                labelled = true;
                first = j;
            }
        }
        // So do they in brackets: "[时间:2026-06-12 08:10:01][级别:警告][门店:城西店]".
        const bool bracketLabels = IsBracketLabel(s) && IsStampStart(Label(s + 1));
        if (t_[s].kind != TokenKind::Variable && !(flag && t_[s + 1].kind == TokenKind::Variable) &&
            !labelled && !bracketLabels)
            return 0;
        bool level = s != 0;
        bool host = false;
        bool pipes = false;  // fields end in "|": the message follows the last one
        std::size_t i = labelled ? first : s;
        std::size_t header = i;
        while (i < n) {
            const LineToken& k = t_[i];
            if (labelled && k.kind == TokenKind::Cjk) {
                if (const std::size_t j = Label(i); j != 0) {
                    // A label's value is a header field when it is a value, a level or
                    // a short name before the next label; otherwise it is the message.
                    const std::size_t run = j < n && t_[j].kind == TokenKind::Cjk ? NameRun(j) : j;
                    if (j < n && t_[j].kind == TokenKind::Variable) {
                        i = header = j;
                        continue;
                    }
                    if (!level && ChineseLevelAt(j)) {
                        level = true;
                        i = header = run;
                        continue;
                    }
                    if (run > j && run <= j + 8 && run < n && t_[run].begin > t_[run - 1].end &&
                        t_[run].kind == TokenKind::Cjk && Label(run) != 0) {
                        i = header = run;
                        continue;
                    }
                    // A short name that a separator ends: "模块：稽查 | ", "模块：Offer管理 >> ".
                    const std::size_t name =
                        j < n && t_[j].kind == TokenKind::Word ? NameRun(j) : run;
                    if (name > j && name <= j + 8 && Separator(name)) {
                        i = header = name + 1;
                        continue;
                    }
                    return j;
                }
            }
            // A short Chinese field between pipes: "|设备管理|".
            if (pipes && k.kind == TokenKind::Cjk) {
                const std::size_t run = CjkRun(i);
                if (run <= i + 8 && IsSymbol(run, '|')) {
                    i = header = run + 1;
                    continue;
                }
            }
            if (pipes && !IsSymbol(i, '|') && !IsSymbol(i + 1, '|')) break;
            if (k.kind == TokenKind::Variable) {
                i = header = i + 1;
                continue;
            }
            // A level between angle brackets: "<INFO>".
            if (!level && IsSymbol(i, '<') && IsSymbol(i + 2, '>') &&
                t_[i + 1].kind == TokenKind::Word && IsLevel(Text(i + 1))) {
                level = true;
                i = header = i + 3;
                continue;
            }
            // A field in Chinese brackets that begins the header or is glued to the
            // field before it: "「2026-10-15 07:30:07」〔信息〕".
            // So is one that holds a Chinese level in a header of labels
            // ("【环卫监管】2026年03月18日 04:25:00 ［信息］ 模块：").
            if (!WideOpen(i).empty() && (i == s || t_[i].begin == t_[i - 1].end ||
                                         (labelled && !level && ChineseLevelAt(i + 1)))) {
                if (const std::size_t j = WideClosing(i); j != 0) {
                    level = level || ChineseLevelAt(i + 1);
                    i = header = j;
                    continue;
                }
            }
            // Chinese labels after such fields, where the first names a short value and
            // another label follows: "〔信息〕工位：留观区 说明：".
            if (!labelled && header > s && k.kind == TokenKind::Cjk && IsClosingField(i - 1)) {
                if (const std::size_t j = Label(i);
                    j != 0 && j < n && t_[j].kind == TokenKind::Cjk) {
                    const std::size_t run = NameRun(j);
                    if (run <= j + 8 && run < n && t_[run].begin > t_[run - 1].end &&
                        t_[run].kind == TokenKind::Cjk && Label(run) != 0) {
                        labelled = true;
                        i = header = run;
                        continue;
                    }
                }
            }
            if (IsSymbol(i, '[') || IsSymbol(i, '(')) {
                const std::size_t j = Closing(i, bracketLabels && IsBracketLabel(i));
                if (j == 0) break;
                // A logger's name of code with its colon after a level in brackets:
                // "[DBG] PetHis.Surgery: ".
                if (!level && j == i + 3 && t_[i + 1].kind == TokenKind::Word &&
                    IsLevel(Text(i + 1)) && j < n && t_[j].kind == TokenKind::Word &&
                    IsQualified(Text(j)) && t_[j].begin > t_[j - 1].end)
                    if (const std::size_t tag = Tag(j, true); tag == j + 2) return tag;
                i = header = j;
                continue;
            }
            // A box-drawing bar ("│") separates fields as "|" does.
            const bool bar = t_[i].kind == TokenKind::Symbol && Text(i) == "\xa9\xa6";
            if (IsSymbol(i, '-') || IsSymbol(i, ',') || IsSymbol(i, '|') || IsSymbol(i, ':') ||
                IsSymbol(i, '*') || IsSymbol(i, '#') || bar) {
                pipes = pipes || IsSymbol(i, '|') || bar;
                i = header = i + 1;
                continue;
            }
            if (k.kind == TokenKind::Cjk) {
                // A Chinese level ("错误"), and after it a service's name before " - ".
                const std::size_t run = CjkRun(i);
                if (!level && ChineseLevelAt(i)) {
                    level = true;
                    i = header = run;
                    continue;
                }
                if (level && run <= i + 8 && IsSymbol(run, '-')) {
                    i = header = run + 1;
                    continue;
                }
                // A station's name, its part in Chinese brackets glued after it, before a
                // Chinese level: "护理站〈1号楼2F护理单元〉 信息 │ ".
                if (!level && run <= i + 8) {
                    std::size_t j = run;
                    const std::string_view close = WideOpen(j);
                    if (!close.empty() && t_[j].begin == t_[j - 1].end) {
                        // Brackets may nest inside: "〈失智照护专区（2号楼）〉".
                        std::size_t c = j + 1;
                        while (c < n && c < j + 24 && Text(c) != close) ++c;
                        if (c < n && Text(c) == close) j = c + 1;
                    }
                    if (j < n && t_[j].begin > t_[j - 1].end && ChineseLevelAt(j)) {
                        level = true;
                        i = header = j + 2;
                        continue;
                    }
                }
                break;
            }
            if (k.kind != TokenKind::Word) break;
            // A level word, or a level letter between ids and the tag ("D", "W").
            const bool letter =
                Text(i).size() == 1 &&
                std::string_view("VDIWEFA").find(line_[k.begin]) != std::string_view::npos &&
                i > 0 && t_[i - 1].kind == TokenKind::Variable;
            if (!level && (letter || IsLevel(Text(i)))) {
                level = true;
                i = header = i + 1;
                continue;
            }
            // A tag: "sshd[42]:", "sshd(pam_unix)[42]:", "WindowManager:" after a level,
            // or after a host in a header that holds a month name.
            if (const std::size_t j = Tag(i, level || syslog_); j != 0) {
                // A level with its own colon after the tag is the header's level:
                // "shopd[13897]: warn: 订单…".
                if (!level && j + 1 < n && t_[j].kind == TokenKind::Word && IsLevel(Text(j)) &&
                    IsSymbol(j + 1, ':') && t_[j + 1].begin == t_[j].end)
                    return j + 2;
                return j;
            }
            if (syslog_ && !host && !level) {
                if (const std::size_t j = Tag(i + 1, true); j != 0) return j;
                host = true;
                i = header = i + 1;
                continue;
            }
            // A host and port ("wpad:80") is one field.
            if (IsSymbol(i + 1, ':') && i + 2 < n && t_[i + 2].kind == TokenKind::Variable &&
                t_[i + 1].begin == k.end && t_[i + 2].begin == t_[i + 1].end) {
                i = header = i + 3;
                continue;
            }
            // A short field followed by "|": "Step_LSC|".
            if (IsSymbol(i + 1, '|')) {
                i = header = i + 2;
                continue;
            }
            // A logger's dotted name before the level: "seedtrace.trial DEBUG [pid 5083]".
            if (!level && IsQualified(Text(i)) && i + 1 < n && t_[i + 1].kind == TokenKind::Word &&
                IsLevel(Text(i + 1))) {
                level = true;
                i = header = i + 2;
                continue;
            }
            // Upper-case fields before a level: "RAS KERNEL INFO".
            if (!level) {
                std::size_t j = i;
                while (j < n && j < i + 3 && t_[j].kind == TokenKind::Word &&
                       IsUpperWord(Text(j)) && !IsLevel(Text(j)))
                    ++j;
                if (j > i && j < n && t_[j].kind == TokenKind::Word && IsLevel(Text(j))) {
                    level = true;
                    i = header = j + 1;
                    continue;
                }
            }
            // A logger after the level: "nova.compute.manager [req-1]", "c.x.Y - ".  The
            // message begins after its dash, whatever values come first ("c.x.AccessLogFilter
            // - 10.20.1.36 oWxfbkJc \"GET …\""): they are not the header's.
            if (level && IsQualified(Text(i)) && (IsSymbol(i + 1, '[') || IsSymbol(i + 1, '-'))) {
                if (IsSymbol(i + 1, '-') && Separator(i + 1)) return i + 2;
                i = header = i + 1;
                continue;
            }
            // A few words before a time stamp in seconds since 1970 are header fields
            // too ("node-7 node status 1074274436 1 running"): a message does not go on
            // with the time it was written.
            if (lateStamps_ && header > 0) {
                std::size_t j = i;
                while (j < n && j < i + 3 && t_[j].kind == TokenKind::Word) ++j;
                if (j < n && IsEpochStamp(j)) {
                    i = header = j + 1;
                    continue;
                }
            }
            break;
        }
        return header;
    }

public:
    // Whether the header so far holds a month or weekday name: a syslog header, where a
    // host name stands before the tag.
    void SetSyslog(bool syslog) { syslog_ = syslog; }
    // Whether words before a time stamp in seconds belong to the header.
    void SetLateStamps(bool on) { lateStamps_ = on; }

private:
    std::string_view Text(std::size_t k) const {
        return line_.substr(t_[k].begin, t_[k].end - t_[k].begin);
    }
    // One past "【信息】" (a Chinese level in Chinese brackets) at the line's start, or 0.
    std::size_t WideLevel() const {
        if (t_.size() < 4 || Text(0) != "\xa1\xbe" || !ChineseLevelAt(1)) return 0;  // 【
        const std::size_t close = CjkRun(1);
        return close < t_.size() && Text(close) == "\xa1\xbf" ? close + 1 : 0;  // 】
    }
    // A JSON object of fields that begins the line, a blank after it
    // ("{\"ts\":\"2026-04-17T04:20:00.093+08:00\",\"lvl\":30,\"host\":\"ds-edge01\"} 苗种投放："):
    // one past it, or 0.  Nested objects are a message's, not a header's.
    // Rare, and kept out of line so that the search for the usual headers keeps its code.
    __attribute__((cold, noinline)) std::size_t ObjectFields() const {
        constexpr std::size_t kMaxObject = 64;  // tokens looked at, to bound the cost
        const std::size_t n = t_.size();
        if (!IsSymbol(0, '{') || !IsSymbol(1, '"')) return 0;
        std::size_t keys = 0;
        for (std::size_t k = 1; k < n && k < kMaxObject; ++k) {
            if (IsSymbol(k, '{')) return 0;
            if (IsSymbol(k, '"') && IsSymbol(k + 1, ':')) ++keys;
            if (IsSymbol(k, '}'))
                return keys >= 2 && k + 1 < n && t_[k + 1].begin > t_[k].end ? k + 1 : 0;
        }
        return 0;
    }
    // Pairs that name the fields, the first holding a stamp or number ("ts=1773788402518
    // lvl=I svc=dispatch msg=司机…"): the header ends where a pair's value begins with
    // Chinese text, which is the message.  0 when the line does not begin so.
    std::size_t PairFields() const {
        const std::size_t n = t_.size();
        auto glued = [&](std::size_t k) { return k < n && k > 0 && t_[k].begin == t_[k - 1].end; };
        std::size_t pairs = 0;
        std::size_t k = 0;
        while (k + 2 < n && t_[k].kind == TokenKind::Word && IsSymbol(k + 1, '=') && glued(k + 1) &&
               glued(k + 2)) {
            if (t_[k + 2].kind == TokenKind::Cjk) return pairs >= 2 ? k + 2 : 0;
            if (pairs == 0 && t_[k + 2].kind != TokenKind::Variable) return 0;
            ++pairs;
            k += 3;
            while (glued(k)) ++k;  // the rest of the value
        }
        return 0;
    }
    // Asked for several times per token: kept inline, where the compiler would not always.
    __attribute__((always_inline)) bool IsSymbol(std::size_t k, char c) const {
        return k < t_.size() && t_[k].kind == TokenKind::Symbol && t_[k].end - t_[k].begin == 1 &&
               line_[t_[k].begin] == c;
    }
    // One past a field's Chinese label at `k` (one to four characters) and its colon,
    // ASCII or full-width; at the value when the colon is glued to it (":2026-12-09").
    // 0 when there is none.
    std::size_t Label(std::size_t k) const {
        const std::size_t run = CjkRun(k);
        if (run > k + 4 || run >= t_.size()) return 0;
        const LineToken& c = t_[run];
        if (c.begin != t_[run - 1].end) return 0;
        if (IsSymbol(run, ':') || (c.kind == TokenKind::Symbol && c.end - c.begin == 2 &&
                                   line_.substr(c.begin, 2) == "\xa3\xba"))  // ：
            return run + 1;
        if (c.kind == TokenKind::Variable && line_[c.begin] == ':') return run;
        return 0;
    }
    // Whether `k` is a variable part that begins with a digit, after the label's colon
    // if it holds it: a date or time.
    bool IsStampStart(std::size_t k) const {
        if (t_[k].kind != TokenKind::Variable) return false;
        std::string_view w = Text(k);
        if (!w.empty() && w[0] == ':') w.remove_prefix(1);
        return !w.empty() && w[0] >= '0' && w[0] <= '9';
    }
    // One past a name glued together from `k`: Chinese characters, values, Latin words
    // and brackets ("码头作业3号机", "鸿川东(普速场)").
    std::size_t NameRun(std::size_t k) const {
        std::size_t j = k + 1;
        while (j < t_.size() && t_[j].begin == t_[j - 1].end &&
               (t_[j].kind != TokenKind::Symbol || IsSymbol(j, '(') || IsSymbol(j, ')') ||
                Text(j) == "\xa3\xa8" || Text(j) == "\xa3\xa9"))  // （ ）
            ++j;
        return j;
    }
    // One past the Chinese characters glued to each other from `k`.
    std::size_t CjkRun(std::size_t k) const {
        std::size_t j = k + 1;
        while (j < t_.size() && t_[j].kind == TokenKind::Cjk && t_[j].begin == t_[j - 1].end) ++j;
        return j;
    }
    // Whether a Chinese level ("错误") of two characters stands alone at `k`.
    bool ChineseLevelAt(std::size_t k) const {
        return k < t_.size() && t_[k].kind == TokenKind::Cjk && CjkRun(k) == k + 2 &&
               IsChineseLevel(line_.substr(t_[k].begin, 4));
    }
    static bool IsChineseLevel(std::string_view w) {
        static constexpr std::array<std::string_view, 8> kLevels = {
            "\xd0\xc5\xcf\xa2", "\xbe\xaf\xb8\xe6", "\xb4\xed\xce\xf3",
            "\xb5\xf7\xca\xd4", "\xd1\xcf\xd6\xd8", "\xd6\xc2\xc3\xfc",
            "\xcc\xe1\xca\xbe", "\xb8\xfa\xd7\xd9"};  // 信息 警告 错误 调试 严重 致命 提示 跟踪
        return std::find(kLevels.begin(), kLevels.end(), w) != kLevels.end();
    }
    // A name of code: dotted, with "_" or "$", or with a capital inside.
    static bool IsQualified(std::string_view w) {
        if (w.find_first_of("._$") != std::string_view::npos) return true;
        for (std::size_t k = 1; k < w.size(); ++k)
            if (w[k] >= 'A' && w[k] <= 'Z') return true;
        return false;
    }
    // Chinese brackets that hold a header's fields: opening and closing.
    static constexpr std::array<std::array<std::string_view, 2>, 5> kWideFields = {{
        {"\xa1\xb8", "\xa1\xb9"},  // 「 」
        {"\xa1\xb2", "\xa1\xb3"},  // 〔 〕
        {"\xa1\xbe", "\xa1\xbf"},  // 【 】
        {"\xa3\xdb", "\xa3\xdd"},  // ［ ］
        {"\xa1\xb4", "\xa1\xb5"},  // 〈 〉
    }};
    // The closing bracket of the Chinese bracket that opens at `k`, or empty.
    std::string_view WideOpen(std::size_t k) const {
        if (k >= t_.size() || t_[k].kind != TokenKind::Symbol) return {};
        for (const auto& pair : kWideFields)
            if (Text(k) == pair[0]) return pair[1];
        return {};
    }
    // One past the Chinese bracket that closes the one at `k`, within a field's length
    // and holding no Chinese punctuation; 0 when there is none.
    std::size_t WideClosing(std::size_t k) const {
        constexpr std::size_t kMaxField = 48;
        const std::string_view close = WideOpen(k);
        for (std::size_t j = k + 1; j < t_.size() && t_[j].end - t_[k].begin <= kMaxField; ++j) {
            if (t_[j].kind != TokenKind::Symbol || Text(j).size() != 2) continue;
            return Text(j) == close && j > k + 1 ? j + 1 : 0;
        }
        return 0;
    }
    // Whether the token at `k` closes a bracketed field.
    bool IsClosingField(std::size_t k) const {
        if (IsSymbol(k, ']') || IsSymbol(k, ')')) return true;
        if (t_[k].kind != TokenKind::Symbol) return false;
        for (const auto& pair : kWideFields)
            if (Text(k) == pair[1]) return true;
        return false;
    }
    // Whether a "[" at `k` opens a field named by a Chinese label ("[门店:城西店]").
    bool IsBracketLabel(std::size_t k) const {
        if (!IsSymbol(k, '[') || k + 1 >= t_.size() || t_[k + 1].kind != TokenKind::Cjk)
            return false;
        const std::size_t j = Label(k + 1);
        return j != 0 && j < t_.size();
    }
    // One past the bracket that closes the one at `k`, within a field's length; 0 when
    // there is none.  `named`: the field has a Chinese label, so its value may be a
    // long Chinese name ("[门店:北湖欢乐谷（水上乐园）]").
    std::size_t Closing(std::size_t k, bool named = false) const {
        constexpr std::size_t kMaxField = 192;
        constexpr std::size_t kMaxChineseField = 24;
        constexpr std::size_t kMaxNamedField = 64;
        const char open = line_[t_[k].begin];
        const char close = open == '[' ? ']' : ')';
        // Chinese text in a header field is a short name ("[订单中心]"), which may hold
        // Latin words ("[春晓园 Spring Campus/收费]") but then no value: a bracket of
        // Chinese words and values is a message.
        const std::size_t most = named ? kMaxNamedField : kMaxChineseField;
        std::size_t depth = 0;
        std::size_t chinese = 0;
        bool far = false;
        bool values = false;
        for (std::size_t j = k; j < t_.size() && t_[j].begin - t_[k].begin <= kMaxField; ++j) {
            if (t_[j].kind == TokenKind::Cjk) {
                chinese += t_[j].end - t_[j].begin;
                far = far || t_[j].end - t_[k].begin > most;
                if (chinese > most || t_[j].end - t_[k].begin > kMaxNamedField) return 0;
            }
            values = values || t_[j].kind == TokenKind::Variable;
            if (far && values) return 0;
            if (IsSymbol(j, open)) ++depth;
            if (IsSymbol(j, close) && --depth == 0) return j + 1;
        }
        return 0;
    }
    // Whether token `k` separates header fields from the message after a blank: "|", "│",
    // ">>", "->", "=>" or "-".
    bool Separator(std::size_t k) const {
        if (k >= t_.size() || k == 0 || t_[k].kind != TokenKind::Symbol ||
            t_[k].begin == t_[k - 1].end)
            return false;
        const std::string_view s = Text(k);
        return s == "|" || s == "\xa9\xa6" || s == ">>" || s == "->" || s == "=>" || s == "-";
    }
    // One past bracketed fields at the line's start, the first a Chinese name and one a
    // time stamp: "[消防物联网][信息][03-09 02:05:10][巡查管理] "; 0 when there are none.
    std::size_t NamedBracketFields() const {
        if (!IsSymbol(0, '[') || t_[1].kind != TokenKind::Cjk) return 0;
        std::size_t i = 0;
        bool stamp = false;
        while (i < t_.size() && IsSymbol(i, '[')) {
            const std::size_t j = Closing(i);
            if (j == 0) break;
            stamp = stamp || IsStampStart(i + 1);
            i = j;
        }
        return stamp && i < t_.size() ? i : 0;
    }
    // One past the colon of a tag that begins at `k`: a word or name, bracketed parts
    // glued to it, and a colon that ends the field; 0 when there is none.  A plain word
    // with its colon counts only where `plain` allows it.
    std::size_t Tag(std::size_t k, bool plain) const {
        if (k >= t_.size() || (t_[k].kind != TokenKind::Word && t_[k].kind != TokenKind::Variable))
            return 0;
        std::size_t j = k + 1;
        bool bracketed = false;
        while (j < t_.size() && (IsSymbol(j, '[') || IsSymbol(j, '('))) {
            const std::size_t c = Closing(j);
            if (c == 0) return 0;
            bracketed = true;
            j = c;
        }
        if (!IsSymbol(j, ':') || (!bracketed && !plain)) return 0;
        const std::uint32_t after = t_[j].end;
        if (after < line_.size() && !IsBlank(Byte(line_, after))) return 0;
        return j + 1;
    }

    // A variable part of ten digits from 1000000000 to 1999999999 (the years 2001 to
    // 2033), with an optional fraction: seconds since 1970.
    bool IsEpochStamp(std::size_t k) const {
        if (t_[k].kind != TokenKind::Variable) return false;
        const std::string_view w = Text(k);
        const std::size_t digits = w.find_first_not_of("0123456789");
        if (digits != 10 && !(digits == std::string_view::npos && w.size() == 10)) return false;
        if (digits == 10 && (w[10] != '.' || w.size() < 12 ||
                             w.find_first_not_of("0123456789", 11) != std::string_view::npos))
            return false;
        return w[0] == '1';
    }

    std::string_view line_;
    const std::vector<LineToken>& t_;
    bool syslog_ = false;
    bool lateStamps_ = true;
};

}  // namespace

namespace {

struct LevelName {
    std::string_view word;
    int severity;
};

// The level words and the severities they name, alike in every form; the first
// kLatinLevels are the words of more than one letter that IsLevel knows.
constexpr std::size_t kLatinLevels = 22;
constexpr std::array<LevelName, 37> kLevelWords = {{
    {"INFO", 2},
    {"INF", 2},
    {"WARN", 3},
    {"WARNING", 3},
    {"WRN", 3},
    {"ERROR", 4},
    {"ERR", 4},
    {"DEBUG", 1},
    {"DBG", 1},
    {"TRACE", 1},
    {"TRC", 1},
    {"FATAL", 5},
    {"CRITICAL", 5},
    {"CRIT", 5},
    {"NOTICE", 2},
    {"SEVERE", 4},
    {"FINE", 1},
    {"FINER", 1},
    {"FINEST", 1},
    {"ALERT", 5},
    {"EMERG", 5},
    {"VERBOSE", 1},
    {"D", 1},
    {"I", 2},
    {"W", 3},
    {"E", 4},
    {"F", 5},
    // 调试 信息 提示 通知 警告 告警 错误 故障 严重 致命
    {"\xb5\xf7\xca\xd4", 1},
    {"\xd0\xc5\xcf\xa2", 2},
    {"\xcc\xe1\xca\xbe", 2},
    {"\xcd\xa8\xd6\xaa", 2},
    {"\xbe\xaf\xb8\xe6", 3},
    {"\xb8\xe6\xbe\xaf", 3},
    {"\xb4\xed\xce\xf3", 4},
    {"\xb9\xca\xd5\xcf", 4},
    {"\xd1\xcf\xd6\xd8", 4},
    {"\xd6\xc2\xc3\xfc", 5},
}};

}  // namespace

bool IsLevel(std::string_view w) {
    for (std::size_t k = 0; k < kLatinLevels; ++k)
        if (EqualsIgnoringAsciiCase(w, kLevelWords[k].word)) return true;
    return false;
}

int LevelSeverity(std::string_view w) {
    // Case aside for the Latin words; the Chinese ones' bytes have none.
    for (const LevelName& l : kLevelWords)
        if (EqualsIgnoringAsciiCase(w, l.word)) return l.severity;
    return 0;
}

bool ConstantName(std::string_view text) {
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos || dot == 0 || text.size() - dot < 3 || text[0] < 'a' ||
        text[0] > 'z' || text[dot + 1] < 'A' || text[dot + 1] > 'Z')
        return false;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        const bool lower = c >= 'a' && c <= 'z';
        const bool digit = c >= '0' && c <= '9';
        if (k < dot ? !(lower || digit || c == '_' || (c == '.' && text[k - 1] != '.'))
                    : !((c >= 'A' && c <= 'Z') || digit || c == '_' || k == dot))
            return false;
    }
    return true;
}

std::size_t TokenizeLine(std::string_view line, std::vector<LineToken>& tokens, bool gluedValues,
                         bool lateStamps, bool constantNames) {
    if (line.size() > std::numeric_limits<std::uint32_t>::max())
        line = line.substr(0, std::numeric_limits<std::uint32_t>::max());
    // Scratch kept between lines, so that a line costs no allocation.
    thread_local std::vector<RawToken> raw;
    // Enough raw tokens for kMaxLineTokens tokens in all but contrived lines; what
    // lies beyond is cut off below anyway.
    SplitRaw(line, raw, 4 * kMaxLineTokens);
    const bool cut = !raw.empty() && raw.back().end < line.size() &&
                     line.find_first_not_of(" \t\v\f", raw.back().end) != std::string_view::npos;
    MarkPaths(line, raw);
    MarkQuoted(line, raw);
    MarkBracketed(line, raw);
    BuildTokens(line, raw, tokens);
    MergeNumeralDates(line, tokens);
    MergeBracketedValues(line, tokens);
    MergeChineseValues(line, tokens);
    MergeChineseAddresses(line, tokens);
    MergePlates(line, tokens);
    MergeUnitWords(line, tokens);
    MarkLetterValues(line, tokens);
    thread_local std::vector<bool> names;
    MarkCalendarNames(line, tokens, names);
    bool syslog = false;
    for (std::size_t k = 0; k < names.size() && k < 8 && !syslog; ++k) syslog = names[k];
    MergeStamps(line, tokens, names);
    if (tokens.size() > kMaxLineTokens || cut) {
        std::size_t keep = std::min(tokens.size(), kMaxLineTokens - 1);
        const std::uint32_t tail = keep < tokens.size() ? tokens[keep].begin : raw.back().end;
        tokens.resize(keep);
        tokens.push_back({tail, static_cast<std::uint32_t>(line.size()), TokenKind::Variable});
    }
    HeaderFinder finder(line, tokens);
    finder.SetSyslog(syslog);
    finder.SetLateStamps(lateStamps);
    const std::size_t header = finder.Find();
    MarkPairValues(line, tokens, header, constantNames);
    MergeBracketedPairValues(line, tokens, header);
    MergeBlankPairValues(line, tokens, header);
    MergeLabelWordValues(line, tokens, header);
    MergeEnumerations(line, tokens, header);
    if (gluedValues) MergeGluedValues(line, tokens, header);
    return header;
}

}  // namespace corvane
