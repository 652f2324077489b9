// Exports of a run: the time field they share with the window, the GBK to UTF-8
// conversion, and the CSV and HTML files read back with Python's own parsers.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "Files.h"
#include "Findings.h"
#include "report/CsvExport.h"
#include "report/ExportFile.h"
#include "report/HtmlReport.h"
#include "report/Utf8Text.h"
#include "scan/FindingText.h"

namespace corvane {
namespace {

using testing_support::FindingsOf;
using testing_support::ReadFileBytes;
using testing_support::TempDir;

const std::string kFffd = "\xEF\xBF\xBD";

TEST(FindingText, TimeFieldAndLogLine) {
    struct Case {
        std::string finding, time;
    } cases[] = {
        {"103|[08:15:42.120] x", "08:15:42"},
        {"103|12:00:01.000 [x]", "2:00:01."},  // a "[" anywhere moves the field on
        {"103|10:00:02 x", "10:00:02"},
        {"103|2026-12-01 10:00:05 x", "10:00:05"},  // a full date first: the time after it
        {"103|[2026/12/01 10:00:06] x", "10:00:06"},
        {"103|2026-12-01 10:0", "10:0"},
        {"103|2026-12-01T10:00:07 x", "2026-12-"},  // no blank after the date
        {"103|2026-12/01 10:00:08 x", "2026-12/"},  // mixed separators
        {"103|2026-1a-01 10:00:09 x", "2026-1a-"},
        {"103|KWD", "KWD"},
        {"103|", ""},
        {"103|[", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TimeField(c.finding), c.time) << c.finding;
    EXPECT_EQ(LogLine("103|[08:15:42] x"), "[08:15:42] x");
    EXPECT_EQ(LogLine("103|"), "");
}

// Strict GBK: one U+FFFD for each byte that begins no character, and the next byte
// read afresh, so that no ASCII after a bad byte is lost.
TEST(Utf8Text, GbkToUtf8KeepsGoingPastBadBytes) {
    struct Case {
        std::string gbk, utf8;
    } cases[] = {
        {"plain, ASCII\r\n", "plain, ASCII\r\n"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"\xb4\xed \xcd\xf8\xb9\xd8", "错 网关"},
        {"\x81\x40\xfe\x4f", "丂" + std::string("\xEF\xA8\xA9")},  // the first and last pairs
        {"ID \x80 failed 42", "ID " + kFffd + " failed 42"},
        {"\x81\x30\x81\x30", kFffd + "0" + kFffd + "0"},  // GB18030's four-byte forms
        {"\x81\x35\xf4\x37", kFffd + "5" + kFffd + "7"},
        {"\x86\x30\x83\x39"
         "a",
         kFffd + "0" + kFffd + "9a"},
        {"\xff"
         "a\x80"
         "b",
         kFffd + "a" + kFffd + "b"},
        {"a\xb4", "a" + kFffd},  // cut off by the end
        {"\xb4\xff"
         "a",
         kFffd + kFffd + "a"},
        {"\xb4\x7f"
         "a",
         kFffd + "\x7f"
                 "a"},
        {"\xb4 \xb4\xed", kFffd + " 错"},
        {"ID \x80"
         "12 \xfe"
         "9\xfe"
         "9x",
         "ID " + kFffd + "12 " + kFffd + "9" + kFffd + "9x"},
    };
    for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8) << c.gbk;
    EXPECT_EQ(FileNameToUtf8("/logs/日志"), "/logs/日志");
    EXPECT_EQ(FileNameToUtf8("/logs/\xc8\xd5\xd6\xbe"), "/logs/日志");
}

TEST(ExportFile, AFailedWriteLeavesTheOldFileAndNoPart) {
    TempDir dir;
    const std::string target = dir.Write("out.csv", "old");
    EXPECT_THROW(WriteExportFile(target,
                                 [](std::ostream& out) {
                                     out << "new";
                                     throw std::runtime_error("stopped");
                                 }),
                 std::runtime_error);
    EXPECT_THROW(WriteExportFile(dir.path() + "missing/out.csv", [](std::ostream&) {}),
                 ExportError);
    EXPECT_EQ(ReadFileBytes(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

// A link planted at the name the temporary file once had (NAME.part<pid>) is not
// followed, and the new file is an ordinary one with the mode the umask gives.
TEST(ExportFile, ALinkBesideTheTargetIsNeverFollowed) {
    TempDir dir;
    const std::string victim = dir.Write("victim", "precious");
    const std::string target = dir.path() + "out.csv";
    std::filesystem::create_symlink(victim, target + ".part" + std::to_string(::getpid()));
    WriteExportFile(target, [](std::ostream& out) { out << "new"; });
    EXPECT_EQ(ReadFileBytes(victim), "precious");
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(target)));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0666 & ~mask));
}

// Runs the Python reader over an exported file: its output lines, or a failure.
std::vector<std::string> PythonRead(const std::string& kind, const std::string& file) {
    const std::string cmd =
        "python3 " CORVANE_SOURCE_DIR "/tests/support/parse_export.py " + kind + " '" + file + "'";
    FILE* p = ::popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    EXPECT_EQ(::pclose(p), 0) << "python3 could not read " << file;
    std::vector<std::string> lines;
    std::istringstream stream(out);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string Unhex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

std::vector<std::string> UnhexFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos; from = comma + 1)
        fields.push_back(Unhex(std::string_view(line).substr(from, comma - from)));
    fields.push_back(Unhex(std::string_view(line).substr(from)));
    return fields;
}

// What a cell shows: the decoded text with a NUL as U+2400.
std::string Shown(std::string_view gbk) {
    std::string text = GbkToUtf8(gbk);
    for (std::size_t at; (at = text.find('\0')) != std::string::npos;)
        text.replace(at, 1, "\xE2\x90\x80");
    return text;
}

// What a CSV cell holds: the shown text, behind "'" where a spreadsheet would run it.
std::string Cell(std::string_view gbk) {
    const std::string text = Shown(gbk);
    return !text.empty() && std::string_view("=+-@\t\r").find(text[0]) != std::string::npos
               ? "'" + text
               : text;
}

ErrorCatalogue HostileCatalogue() {
    ErrorCatalogue catalogue;
    catalogue.push_back({"GW", "101", "Boom, \"big\"", "boom", {}});
    catalogue.push_back({"GW", "102", "old name", "x", {}});
    catalogue.push_back({"GW", "102", "\xb4\xed\r\n<script>&'", "y", {}});
    return catalogue;
}

// Random findings over the bytes that trouble CSV and HTML writers and decoders.
FindingList RandomFindings(std::mt19937& rng, std::size_t count) {
    static const std::vector<std::string> pieces = {"a",
                                                    "Z",
                                                    ",",
                                                    "\"",
                                                    "\r",
                                                    "\n",
                                                    "\r\n",
                                                    " ",
                                                    "[",
                                                    "]",
                                                    "12",
                                                    ":",
                                                    "<",
                                                    "&amp;",
                                                    "'",
                                                    "\xb4\xed",
                                                    "\xcd\xf8\xb9\xd8",
                                                    "\xff",
                                                    "\x80",
                                                    "\xb4",
                                                    "2026-12-01 ",
                                                    std::string(1, '\0'),
                                                    "\x81\x30\x81\x30"};
    static const char* codes[] = {"101", "102", "555", "999", "999"};
    FindingList findings;
    for (std::size_t i = 0; i < count; ++i) {
        std::string finding = std::string(codes[rng() % 5]) + "|";
        for (std::size_t n = rng() % 24; n > 0; --n) finding += pieces[rng() % pieces.size()];
        findings.push_back({finding, {}});
    }
    return findings;
}

// One service of a run as the exports read it.
ServicePass Service(std::string caption, std::string code, FindingList findings,
                    std::int64_t known = 0, std::int64_t unknown = 0, double seconds = 0,
                    std::int64_t bytes = 0) {
    ServicePass pass;
    pass.caption = std::move(caption);
    pass.serviceCode = std::move(code);
    pass.findings = std::move(findings);
    pass.known = known;
    pass.unknown = unknown;
    pass.seconds = seconds;
    pass.logStamp.size = bytes;
    return pass;
}

TEST(CsvExport, RoundTripsThroughARealCsvParser) {
    std::mt19937 rng(20261201);
    const ErrorCatalogue catalogue = HostileCatalogue();
    FindingList first = RandomFindings(rng, 300), second = RandomFindings(rng, 200);
    // Every finding of the first service has its place, only some of the second's.
    for (std::size_t i = 0; i < first.size(); ++i) {
        const FindingPlace place{static_cast<std::int64_t>(3 * i + 1),
                                 static_cast<std::int64_t>(40 * i)};
        first[i].place = place;
        if (i < 50) second[i].place = place;
    }

    const ServicePass services[] = {Service("\xcd\xf8\xb9\xd8,\"GW\"", "GW", first),
                                    Service("row without findings", "XX", {}),
                                    Service("a\r\nb\xff", "D,B", second)};
    ExportedRun run{"/logs", "20261201", {}, &catalogue};
    for (const ServicePass& service : services) run.services.push_back(&service);
    TempDir dir;
    const std::string file = dir.path() + "findings.csv";
    SaveFindingsCsv(run, file);

    std::vector<std::vector<std::string>> expected = {
        {"服务名称", "服务代码", "错误代码", "错误名称", "发生时间", "行号", "日志原文"}};
    for (const ServicePass& service : services) {
        for (const Finding& found : service.findings) {
            const std::string& finding = found.text;
            const std::string code = finding.substr(0, 3);
            expected.push_back({Cell(service.caption), Cell(service.serviceCode), code,
                                Cell(LookupErrorName(code, catalogue)), Cell(TimeField(finding)),
                                found.place.line > 0 ? std::to_string(found.place.line) : "",
                                Cell(LogLine(finding))});
        }
    }
    std::vector<std::vector<std::string>> parsed;
    for (const std::string& line : PythonRead("csv", file)) parsed.push_back(UnhexFields(line));
    ASSERT_EQ(parsed.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(parsed[i], expected[i]) << i;

    // Records end in CR LF, the header too.
    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1),
              "\xEF\xBB\xBF服务名称,服务代码,错误代码,错误名称,发生时间,行号,日志原文\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
}

// Cells that begin with what a spreadsheet takes for a formula get an apostrophe,
// whichever column they are in; every other cell keeps its bytes.
TEST(CsvExport, CellsASpreadsheetWouldRunStayText) {
    ErrorCatalogue catalogue;
    catalogue.push_back({"GW", "101", "=HYPERLINK(\"http://x\")", "k", {}});
    const ServicePass service =
        Service("@gw", "-G",
                FindingsOf({"101|=1+2 k", "999|+cmd|' /C calc'!A0", "999|-1,@x", "999|@SUM(A1)",
                            "999|\tx", "999|\rx", "999|a=b", "999|'q"}));
    ExportedRun run{"/logs", "20261201", {&service}, &catalogue};
    std::ostringstream out;
    WriteFindingsCsv(run, out);
    const char* const records[] = {"101,\"'=HYPERLINK(\"\"http://x\"\")\",'=1+2 k,,'=1+2 k",
                                   "999,未知错误,'+cmd|' /,,'+cmd|' /C calc'!A0",
                                   "999,未知错误,\"'-1,@x\",,\"'-1,@x\"",
                                   "999,未知错误,'@SUM(A1),,'@SUM(A1)",
                                   "999,未知错误,'\tx,,'\tx",
                                   "999,未知错误,\"'\rx\",,\"'\rx\"",
                                   "999,未知错误,a=b,,a=b",
                                   "999,未知错误,'q,,'q"};
    std::string expected;
    for (const char* record : records) expected += "'@gw,'-G," + std::string(record) + "\r\n";
    EXPECT_EQ(out.str().substr(out.str().find("\r\n") + 2), expected);
}

TEST(HtmlReport, EscapesEveryTextAndCountsPerCode) {
    const ErrorCatalogue catalogue = HostileCatalogue();
    FindingList findings = FindingsOf({"101|[08:00:01] <b>boom</b> & co", "999|x failed 1",
                                       std::string("102|[08:00:02] y\0z\r", 19), "101|boom 2",
                                       "999|x failed 2", "101|boom 3", "999|x failed 3"});
    for (std::int64_t i = 0; i < 3; ++i) findings[static_cast<std::size_t>(i)].place = {10 + i, 0};
    const ServicePass withFindings =
        Service("<b>&\"'\xcd\xf8\xb9\xd8", "G<W", findings, 4, 3, 1.5, 3 * 1048576 + 1);
    const ServicePass empty = Service("empty", "EM", {}, 0, 0, 0.25, 10);
    ExportedRun run{"/logs/<dir>", "20261201", {&withFindings, &empty}, &catalogue};
    TempDir dir;
    const std::string file = dir.path() + "report.html";
    SaveHtmlReport(run, file, HtmlReportOptions{2, 2});

    // Only the report's own elements come out of a real HTML parser, and every
    // hostile text comes back as text.
    const std::set<std::string> allowed = {"html", "head", "meta", "title",   "style", "body",
                                           "h1",   "h2",   "h3",   "h4",      "table", "tr",
                                           "th",   "td",   "a",    "section", "p"};
    std::string text;
    for (const std::string& line : PythonRead("html", file)) {
        if (line.rfind("T ", 0) == 0) {
            EXPECT_TRUE(allowed.count(line.substr(2))) << line;
        }
        if (line.rfind("D ", 0) == 0) text += Unhex(line.substr(2)) + "\x1f";
    }
    for (const std::string shown :
         {"/logs/<dir>", "<b>&\"'网关（G<W）", "\x1f<b>&\"'网关\x1f", "\x1fG<W\x1f",
          "\x1f错␤␤<script>&'\x1f", "\x1f[08:00:01] <b>boom</b> & co\x1f",
          "\x1f[08:00:02] y␀z␤\x1f",
          "\x1f"
          "10\x1f"
          "08:00:01\x1f",
          "\x1f"
          "12\x1f"
          "08:00:02\x1f",
          "\x1fx failed 2\x1f", "3,145,739 字节（3.0 MiB）", "1.750 秒",
          "3,145,729 字节（3.0 MiB）"})
        EXPECT_NE(text.find(shown), std::string::npos) << shown;
    EXPECT_EQ(text.find("x failed 3"), std::string::npos);  // beyond the two lines asked for

    // The counts: per service as given, per code from the findings, most frequent first.
    const std::string html = ReadFileBytes(file);
    const std::string counts[] = {
        "<td class=\"n\">4</td><td class=\"n\">3</td>",
        "<td class=\"n\">0</td><td class=\"n\">0</td>",
        "<p class=\"note\">共 4 条，2 种错误代码</p>",
        "<tr><td>101</td><td>Boom, &quot;big&quot;</td><td class=\"n\">3</td></tr>\n"
        "<tr><td>102</td>",
        "<h4>101 Boom, &quot;big&quot;</h4>\n<p class=\"note\">共 3 条，显示前 2 条</p>",
        "</h4>\n<p class=\"note\">共 1 条</p>",
        "<h3>未知错误</h3>\n<p class=\"note\">共 3 条，显示前 2 条</p>",
        "<h3>已知错误</h3>\n<p class=\"note\">共 0 条，0 种错误代码</p>\n"
        "<h3>未知错误</h3>\n<p class=\"note\">共 0 条</p>"};
    for (const std::string& count : counts) EXPECT_NE(html.find(count), std::string::npos) << count;
}

}  // namespace
}  // namespace corvane
