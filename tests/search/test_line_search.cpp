// The day search against the plainest reference: split the text into lines by the
// line rule, fold, look for the pattern in each line; for expressions, std::regex on
// each line.  Random texts and patterns, cut into small blocks and parts so that
// every boundary is crossed, on one thread and on several; and corvane-scan grep
// against the same reference and against ripgrep on LF files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "Gbk.h"
#include "ReferenceScan.h"
#include "TempDir.h"
#include "catalog/GbkText.h"
#include "cli_support.h"
#include "search/LineSearch.h"

namespace corvane {
namespace {

using testing_support::Gbk;
using testing_support::RefFold;
using testing_support::RunCli;
using testing_support::TempDir;

bool IsAsciiPattern(const std::string& p) {
    return std::all_of(p.begin(), p.end(), [](char c) { return c >= ' ' && c <= '~'; });
}

struct Hit {
    std::int64_t number;
    std::string text;
    friend bool operator==(const Hit&, const Hit&) = default;
};

// What a shell command prints on stdout.
std::string ShellOutput(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

// The first line where `got` and `want` differ, and the line wanted there; empty when
// they are equal.
std::string FirstDifference(const std::string& got, const std::string& want) {
    if (got == want) return "";
    std::size_t at = 0;
    while (at < got.size() && at < want.size() && got[at] == want[at]) ++at;
    const std::size_t line = want.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = line == std::string::npos || at == 0 ? 0 : line + 1;
    return "got: " + got.substr(from, got.find('\n', from) - from) +
           "\nwanted: " + want.substr(from, want.find('\n', from) - from);
}

// The characters of a line: a lead byte 0x81-0xFE with a trail byte 0x40-0xFE (not
// 0x7F) after it, or any other byte alone.
std::vector<std::string> Characters(const std::string& line) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        const auto trail = i + 1 < line.size() ? static_cast<unsigned char>(line[i + 1]) : 0;
        const std::size_t n =
            lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
        characters.push_back(line.substr(i, n));
        i += n;
    }
    return characters;
}

// A character as one wide character that std::wregex compares whole: ASCII as itself,
// every other character in a private-use plane that has no case.
std::wstring Wide(const std::string& text) {
    std::wstring wide;
    for (const std::string& c : Characters(text)) {
        const auto first = static_cast<unsigned char>(c[0]);
        if (c.size() == 1 && first < 0x80)
            wide += static_cast<wchar_t>(first);
        else
            wide += static_cast<wchar_t>(
                0xF0000 + (c.size() == 1 ? first : first << 8 | static_cast<unsigned char>(c[1])));
    }
    return wide;
}

// Literals character by character, ASCII letters folded only where they are a
// character of their own; expressions by std::wregex over the wide characters.
std::vector<Hit> Reference(const std::string& text, const SearchQuery& q) {
    std::vector<Hit> hits;
    const std::vector<std::string> lines = corvane::testing_support::ReferenceLines(text);
    std::optional<std::wregex> re;
    if (q.regex)
        re.emplace(Wide(q.pattern), q.caseSensitive ? std::regex::ECMAScript
                                                    : std::regex::ECMAScript | std::regex::icase);
    const std::vector<std::string> pattern = Characters(q.pattern);
    const auto same = [&](const std::string& a, const std::string& b) {
        return q.caseSensitive || a.size() > 1 || b.size() > 1 ? a == b : RefFold(a) == RefFold(b);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool match = false;
        if (re) {
            match = std::regex_search(Wide(lines[i]), *re);
        } else {
            const std::vector<std::string> line = Characters(lines[i]);
            for (std::size_t at = 0; !match && at + pattern.size() <= line.size(); ++at)
                match = std::equal(pattern.begin(), pattern.end(), line.begin() + at, same);
        }
        if (match) hits.push_back({static_cast<std::int64_t>(i + 1), lines[i]});
    }
    return hits;
}

// ripgrep's rule: bytes, a-z folded wherever they are.
std::vector<Hit> ByteReference(const std::string& text, const std::string& pattern) {
    std::vector<Hit> hits;
    const std::vector<std::string> lines = corvane::testing_support::ReferenceLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (RefFold(lines[i]).find(RefFold(pattern)) != std::string::npos)
            hits.push_back({static_cast<std::int64_t>(i + 1), lines[i]});
    return hits;
}

class Collect final : public MatchSink {
public:
    bool Take(MatchBatch& batch) override {
        for (const LineMatch& m : batch.Lines()) hits.push_back({m.number, std::string(m.text)});
        return true;
    }
    std::vector<Hit> hits;
};

// Pieces whose bytes meet across character boundaries: 来自北京 holds the bytes of 本
// (B1BE) and 员 (D4B1) across its characters, 乤 (8161) is 丄 (8141) with a trail byte
// that folds like a letter, and lone lead bytes take whatever follows as their trail.
std::string RandomText(std::mt19937& rng, std::size_t length) {
    static const std::vector<std::string> pieces = {"a",
                                                    "b",
                                                    "A",
                                                    "B",
                                                    "ab",
                                                    "x",
                                                    " ",
                                                    "\r",
                                                    "\n",
                                                    "\r\n",
                                                    "\n\r",
                                                    std::string(1, '\0'),
                                                    "\xd6\xd0",
                                                    "\xb4\xed\xce\xf3",
                                                    "fail ",
                                                    "ORDER-42",
                                                    "\xa1",
                                                    "\xb1",
                                                    Gbk("来自北京"),
                                                    Gbk("本"),
                                                    Gbk("员"),
                                                    Gbk("丄"),
                                                    Gbk("乤"),
                                                    Gbk("上"),
                                                    Gbk("来自深圳 ok"),
                                                    "\x7f",
                                                    "\x80",
                                                    "\xff",
                                                    "1",
                                                    "j"};
    std::string text;
    while (text.size() < length) text += pieces[rng() % pieces.size()];
    return text;
}

std::string RandomPattern(std::mt19937& rng, bool regex) {
    static const std::vector<std::string> literals = {"a",
                                                      "ab",
                                                      "Ab",
                                                      "ba",
                                                      "B",
                                                      "x a",
                                                      "\xd6\xd0",
                                                      "ORDER-42",
                                                      "order",
                                                      "\xa1",
                                                      "aaa",
                                                      "",
                                                      Gbk("本"),
                                                      Gbk("员"),
                                                      Gbk("丄"),
                                                      Gbk("乤"),
                                                      "J",
                                                      Gbk("北京"),
                                                      "\xb1",
                                                      "\xb1\xb1",
                                                      "\xa1"
                                                      "a",
                                                      "a\xb1",
                                                      Gbk("来自")};
    // A lone lead byte before a space: before a bracket it would take the bracket as
    // its trail byte, and a class that follows would not be one.
    static const std::vector<std::string> atoms = {
        "a",          "B",       "x",       ".",       "j",         Gbk("本"),
        Gbk("北"),    Gbk("京"), Gbk("丄"), Gbk("乤"), Gbk("来自"), Gbk("[北上]"),
        Gbk("[^北]"), "[ab]",    "[^a]",    "\\d",     " ",         "\xa1 "};
    static const std::vector<std::string> quantifiers = {"", "", "", "?", "+", "*", "{2}"};
    if (!regex) return literals[rng() % literals.size()];
    std::string expression = rng() % 5 == 0 ? "^" : "";
    for (std::size_t n = 1 + rng() % 3; n > 0; --n) {
        const std::string atom = atoms[rng() % atoms.size()];
        const std::string quantifier = quantifiers[rng() % quantifiers.size()];
        expression += quantifier.empty() || atom.size() == 1 ? atom : "(" + atom + ")";
        expression += quantifier;
        if (rng() % 8 == 0) expression += "|";
    }
    if (rng() % 5 == 0) expression += "$";
    return expression;
}

TEST(LineSearchTest, RandomTextsMatchTheReferenceAcrossBlocksPartsAndThreads) {
    std::mt19937 rng(20261209);
    const TempDir dir;
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomText(rng, rng() % 3000);
        const std::string path = dir.Write("log" + std::to_string(round % 4) + ".log", text);
        SearchQuery q;
        q.regex = rng() % 3 == 0;
        q.caseSensitive = rng() % 2 == 0;
        q.pattern = RandomPattern(rng, q.regex);
        const std::vector<Hit> expected = Reference(text, q);
        const LineSearch search(q);
        LogFile file;
        ASSERT_TRUE(file.Open(path));
        SearchOptions options;
        options.threads = 1 + rng() % 3;
        options.blockLength = 1 + rng() % 200;
        options.partLength = options.threads > 1 ? 1 + static_cast<std::int64_t>(rng() % 700) : 0;
        Collect got;
        std::string error;
        ASSERT_EQ(SearchLogFile(file, search, got, StopToken{}, options, error),
                  SearchOutcome::Completed);
        ASSERT_EQ(got.hits, expected)
            << "round " << round << " pattern \"" << q.pattern << "\" regex " << q.regex
            << " threads " << options.threads << " block " << options.blockLength << " part "
            << options.partLength;
    }
}

// Characters whose bytes meet across a boundary, classes of characters, `.` as one
// character and case that never reaches a trail byte, as lines of one file.
TEST(LineSearchTest, MatchesWholeCharactersOnly) {
    const std::string text = Gbk("来自北京 ok\n来自深圳 ok\n来自上海\n丄\n乤\nJ\n本\n");
    struct Case {
        const char* pattern;
        bool regex;
        bool caseSensitive;
        std::vector<std::int64_t> lines;
    } cases[] = {
        {"本", false, false, {7}},
        {"员", false, false, {}},
        {"来自[北上]", true, false, {1, 3}},
        {"来自.. ok", true, false, {1, 2}},
        {"^.{4}$", true, false, {3}},
        {"丄", false, false, {4}},
        {"丄", true, false, {4}},
        {"乤", false, true, {5}},
        {"a", false, false, {}},
        {"A", false, true, {}},
        {"[a]", true, false, {}},
        {"j", false, false, {6}},
    };
    const TempDir dir;
    LogFile file;
    ASSERT_TRUE(file.Open(dir.Write("day.log", text)));
    for (const Case& c : cases) {
        const SearchQuery q{Gbk(c.pattern), c.regex, c.caseSensitive};
        Collect got;
        std::string error;
        ASSERT_EQ(SearchLogFile(file, LineSearch(q), got, StopToken{}, SearchOptions{}, error),
                  SearchOutcome::Completed);
        std::vector<std::int64_t> lines;
        for (const Hit& h : got.hits) lines.push_back(h.number);
        EXPECT_EQ(lines, c.lines) << c.pattern;
        EXPECT_EQ(got.hits, Reference(text, q)) << c.pattern;
    }
}

TEST(LineSearchTest, AnExpressionTheEngineRefusesGivesItsMessage) {
    SearchQuery q;
    q.regex = true;
    q.pattern = "a(b";
    try {
        LineSearch search(q);
        FAIL() << "compiled";
    } catch (const SearchPatternError& e) {
        EXPECT_NE(std::string(e.what()), "");
    }
}

// The command over a day of three services: its lines against the reference, service
// by service in catalogue order, and ripgrep's numbers on the same LF files.
TEST(GrepCliTest, PrintsEveryMatchingLineOfTheDayInCatalogueOrder) {
    std::mt19937 rng(7);
    const TempDir dir;
    std::string serviceList = "[SERVICELIST]\r\n01=ONE\r\n02=TWO\r\n03=THREE\r\n";
    for (const char* code : {"ONE", "TWO", "THREE"}) {
        std::string prefix = code;
        std::transform(prefix.begin() + 1, prefix.end(), prefix.begin() + 1,
                       [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        serviceList += "[SERVICE_" + std::string(code) + "]\r\n" + std::string(gbk::kKeyLogPrefix) +
                       "=" + prefix + "\r\n";
    }
    dir.Write("ServiceList.ini", serviceList);
    dir.Write("ErrorList.ini", "");
    const std::string logs = dir.path() + "logs";
    std::filesystem::create_directories(logs);
    const bool haveRg = std::system("rg --version >/dev/null 2>&1") == 0;
    for (int round = 0; round < 12; ++round) {
        const bool lfOnly = round % 2 == 0;
        // Services in catalogue order: Three has no file this day on odd rounds.
        const std::vector<std::pair<std::string, std::string>> services = {
            {"ONE", "One"}, {"TWO", "Two"}, {"THREE", "Three"}};
        std::vector<std::string> texts;
        for (std::size_t s = 0; s < services.size(); ++s) {
            std::string text = RandomText(rng, 20000 + rng() % 30000);
            if (lfOnly) std::erase(text, '\r');
            texts.push_back(text);
            const std::string file = logs + "/" + services[s].second + "20261201.log";
            if (s == 2 && round % 2 == 1)
                std::filesystem::remove(file);
            else
                testing_support::WriteFile(file, text);
        }
        SearchQuery q;
        q.pattern = RandomPattern(rng, false);
        if (q.pattern.empty() || q.pattern.find('\xa1') != std::string::npos) q.pattern = "ab";
        std::string expected;
        for (std::size_t s = 0; s < services.size(); ++s) {
            if (s == 2 && round % 2 == 1) continue;
            for (const Hit& h : Reference(texts[s], q))
                expected +=
                    services[s].first + "\t" + std::to_string(h.number) + "\t" + h.text + "\n";
        }
        const std::string args = "grep --program-dir " + dir.path() + " --threads " +
                                 std::to_string(1 + round % 3) + " -- '" + q.pattern + "' " + logs +
                                 " 20261201";
        const testing_support::CliResult r = RunCli(args, dir.path());
        EXPECT_EQ(r.status, expected.empty() ? 1 : 0) << args << r.err;
        // Whole outputs are too long to print: the first line that differs says enough.
        EXPECT_EQ(FirstDifference(r.out, expected), "") << args;
        // ripgrep matches bytes: where bytes and characters agree on this text, its
        // numbers are ours.
        if (haveRg && lfOnly && IsAsciiPattern(q.pattern) &&
            ByteReference(texts[0], q.pattern) == Reference(texts[0], q)) {
            // rg prints "number:line"; ours puts the service and a TAB before it.
            const std::string rg = ShellOutput("rg -n -F -i -a --no-heading -- '" + q.pattern +
                                               "' " + logs + "/One20261201.log");
            std::string ours;
            for (const Hit& h : Reference(texts[0], q))
                ours += std::to_string(h.number) + ":" + h.text + "\n";
            EXPECT_EQ(FirstDifference(rg, ours), "") << q.pattern;
        }
    }
}

}  // namespace
}  // namespace corvane
