// Splits a GBK log line into tokens and marks its variable parts, for pattern mining.
//
// Chinese text glues its variables to the words ("错误码1045", "耗时300ms"), so blanks
// cannot be the only separator: every double-byte character is a token of its own,
// runs of ASCII letters and runs of digits are tokens, and every other ASCII byte is
// a token by itself.  Blanks separate and are kept as the gaps between tokens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

enum class TokenKind : std::uint8_t {
    Word,      // a run of ASCII letters
    Cjk,       // one double-byte character that is not a symbol
    Symbol,    // punctuation, a double-byte symbol or a stray byte
    Variable,  // a variable part: numbers, ids, addresses, paths, quoted text, dates
};

// A token is the byte range [begin, end) of its line.  The bytes between two tokens
// are blanks.
struct LineToken {
    std::uint32_t begin = 0;
    std::uint32_t end = 0;
    TokenKind kind = TokenKind::Symbol;
};

// Lines are tokenized up to this many tokens; the rest of a longer line becomes one
// variable part, so that memory and time per line stay bounded.
inline constexpr std::size_t kMaxLineTokens = 128;
// A run of letters longer than this is data (an encoded blob), not a word.
inline constexpr std::size_t kMaxWordLength = 48;

// Replaces `tokens` with the tokens of `line`.  Variable parts found:
// - any run of letters, digits and joining punctuation (. _ - / \ : @ # + ~ % $ &)
//   that holds a digit: numbers, numbers with units (300ms), hexadecimal ids, IPv4
//   addresses with ports, versions, host names with numbers, masked numbers
//   ("138****5678"), a bound before a number ("<1"); a "key:" in front of such a value
//   stays a word; a capitalised name that ends in one digit ("SOCKS5") is a word;
// - paths, file names and URLs whatever their parts hold (Chinese folder and file
//   names, Windows and POSIX, drives, Chinese query text): a run that begins with
//   / \ ~/, a drive or a scheme, up to a file's extension or the Chinese text after an
//   ASCII last part; a drive letter alone ("分区F:"); and a run that ends in a file
//   name with an extension after a slash;
// - a number with the Chinese unit glued after it ("3分钟", "12.5元", "8页") or a short
//   unit word after it ("1 sec", "18.4 KB"), and a Chinese date ("2026年12月9日");
// - the value of a pair: the words glued after "key=" or "key:", or one word after
//   "key: " before a separator or the line's end;
// - quoted text (" ' “” ‘’ 「」 『』) where it varies: a quoted value (after =, : or ：)
//   as a whole, other quoted text without blanks as one word, with blanks word by
//   word (a quoted request keeps its method); a quoted key (followed by : or =) stays;
// - host and file names without digits (a dotted name ending in a top-level domain or
//   a file extension);
// - the ASCII text in square brackets when it has several tokens and a digit (thread
//   names such as "[pool-1-thread-3]"); without a digit it is one word;
// - month and weekday names next to a day number, a time or another such name, and a
//   date that holds one (merged into one variable part);
// - a time stamp at the start of the line (with an optional opening bracket), taken as
//   one variable part so that it never splits a pattern.
// Letters, digits and joiners without a digit form one word ("pam_unix"), and a run of
// one punctuation character ("....") one symbol.  A very long line ends in one variable
// part holding its tail.
//
// Returns the number of leading tokens that form the line's header (0 when it has
// none): time stamps of any common form, levels, process and thread ids, host names,
// bracketed and pipe-separated fields (Chinese ones too) and the logger or tag up to
// its colon, found without knowing the log's format.  The message after it is what
// makes a line's kind; the header only varies in form.
//
// With `gluedValues`, a value with a bracketed value glued to it ("node-[104-127]",
// "ws=WorkSource{10113}") is one variable part in the message.  With `lateStamps`, a
// few words before a time stamp in seconds since 1970 ("node-7 node status
// 1074274436 1 running") belong to a header that began before them.  With
// `constantNames`, a constant's name after "key: " is the pair's value wherever it
// stands in the message.
std::size_t TokenizeLine(std::string_view line, std::vector<LineToken>& tokens,
                         bool gluedValues = true, bool lateStamps = true,
                         bool constantNames = true);

// A constant's full name: dotted lower-case parts and a last part in capitals
// ("android.intent.action.SCREEN_ON"), which a program writes where it says which of a
// few things happened; a value is seldom written that way.
bool ConstantName(std::string_view text);

// Whether `word` names a message's level ("INFO", "warn", "ERR"), in any letter case.
bool IsLevel(std::string_view word);

// The severity that a level word names, alike in every form ("WARN", "W", "警告", "告警"):
// 1 for debugging, 2 for information, 3 for a warning, 4 for an error, 5 for a fatal one;
// 0 for other words.
int LevelSeverity(std::string_view word);

}  // namespace corvane
