// The log file scanner: findings, counts, the time-stamp carry, line ends, chunks,
// the large-file question and failures.  A plain per-line reference
// implementation of the scanning rules checks the fast path on random logs.

#include "scan/Scanner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "CoreFakes.h"
#include "ReferenceScan.h"
#include "base/LineEnds.h"
#include "catalog/GbkText.h"
#include "scan/TextScan.h"

namespace corvane {
namespace {

using testing_support::FakeScanSink;
using testing_support::ListForm;
using testing_support::Places;
using testing_support::ReferenceScan;
using testing_support::ScanLines;
using testing_support::TempDir;

ErrorRecord Rec(std::string service, std::string code, std::string keyword) {
    ErrorRecord r;
    r.serviceCode = std::move(service);
    r.errorCode = std::move(code);
    r.keyword = std::move(keyword);
    return r;
}

class ScannerTest : public ::testing::Test {
protected:
    // Writes `ignore` as the ignore section of service GW and `log` as a log file.
    std::string Prepare(const std::string& log, const std::vector<std::string>& ignore = {}) {
        std::string ini = "[SERVICELIST]\r\n1=GW\r\n[SERVICE_GW_EXCEPT]\r\n";
        for (std::size_t i = 0; i < ignore.size(); ++i)
            ini += "k" + std::to_string(i) + "=" + ignore[i] + "\r\n";
        dir.Write("ServiceList.ini", ini);
        options.programDir = dir.path();
        return dir.Write("GW20261201.log", log);
    }
    // The scan's list, or nothing when the scan gave none; a read failure as the error.
    std::optional<ScanLines> Scan(const std::string& path, const std::string& code = "GW") {
        ScanResult result = ScanLogFile(code, path, catalogue, progress, stop.get_token(), options);
        if (result.outcome == ScanOutcome::ReadFailed) throw ScanReadError(result.error);
        if (!result.error.empty()) progress.messages.push_back(result.error);
        if (result.outcome != ScanOutcome::Scanned) return std::nullopt;
        places = Places(result.findings);
        return ListForm(result);
    }

    TempDir dir;
    ErrorCatalogue catalogue;
    ScanOptions options;
    StopSource stop;
    FakeScanSink progress;
    FakeScanSink& dialogs = progress;  // the question and the messages
    std::vector<FindingPlace> places;  // of the last scan that gave a list
};

TEST_F(ScannerTest, EmptyFileGivesTwoZeroCountsAndTwoProgressTexts) {
    const auto list = Scan(Prepare(""));
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (ScanLines{"0", "0"}));
    const std::string zero = std::string(gbk::kProgressDone) + "0MB/0MB";
    EXPECT_EQ(progress.texts, (std::vector<std::string>{zero, zero}));
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(ScannerTest, IgnoreBeatsKnownBeatsUnknown) {
    catalogue = {Rec("DB", "201", "disk"),    Rec("gw", "202", "timeout"),
                 Rec("GW", "101", "timeout"), Rec("GW", "102", "time"),
                 Rec("GW", "103", ""),        Rec("GW", "104", "refused")};
    const std::string log =
        "a Timeout and failed here\n"    // known beats the marker
        "disk full, fail now\n"          // another service's keyword: unknown
        "heartbeat timeout ok\n"         // ignore text beats a keyword
        "refused; then TIME went out\n"  // first record in catalogue order, not first in line
        "FAILED badly\n"                 // marker in capitals with its blank
        "it failed\n"                    // no blank after the marker
        "failure of nothing\n"
        "nothing at all\n";
    const auto list = Scan(Prepare(log, {"HEARTBEAT", ""}));
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (ScanLines{"101|a Timeout and failed here", "999|disk full, fail now",
                                "102|refused; then TIME went out", "999|FAILED badly", "2", "2"}));
}

TEST_F(ScannerTest, CaseFoldIsByteWiseOnAsciiLettersOnly) {
    // GBK 結 (BD 59) and 統 (BD 79) differ only in a trail byte that lies in A-Z/a-z:
    // the scanner's fold treats it like a letter.  Full-width letters are not folded.
    catalogue = {Rec("GW", "101", "\xbd\x59"), Rec("GW", "102", "\xa3\xe1" /* full-width a */)};
    const auto list = Scan(Prepare("x \xbd\x79 y\nfull \xa3\xc1 width\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (ScanLines{"101|x \xbd\x79 y", "0", "1"}));
}

TEST_F(ScannerTest, TimeStampCarryInBothForms) {
    // Bracket form: the finding's byte 6 is a blank, the next line has "[" and a digit at byte 2.
    auto list = Scan(Prepare("  oops failed \n[10:00:02.456]next\n[10:00:03.000]more\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ((*list)[0], "999|[10:00:02.000]|  oops failed ");

    // Plain form: the finding's byte 5 is a letter, the next line starts with a digit and has no
    // "[".
    list = Scan(Prepare("oops failed \n10:00:02.456 next\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ((*list)[0], "999|10:00:02.000 oops failed ");

    // "[" anywhere selects the bracket form: stamp from byte 2, digit tested at byte 2.
    list = Scan(Prepare("oops failed \n12:00:01.123 read [cfg]\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ((*list)[0], "999|[2:00:01..000]|oops failed ");

    // Only the most recent finding is completed; a finding that is itself a stamped
    // line completes the previous one and keeps its own time.
    list = Scan(Prepare("one failed \ntwo failed \n10:00:05 three failed \nx\n"));
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (ScanLines{"999|one failed ", "999|10:00:05.000 two failed ",
                                "999|10:00:05 three failed ", "3", "0"}));

    // Ignored lines still carry; a short line gives a short stamp.
    list = Scan(Prepare("oops failed \n1 skip me\n", {"skip"}));
    ASSERT_TRUE(list);
    EXPECT_EQ((*list)[0], "999|1 skip m.000 oops failed ");
}

TEST_F(ScannerTest, CarryReachesAcrossChunkAndBlockBoundaries) {
    options.chunkLength = 16;
    options.blockLength = 8;
    const std::string log = "aaaaaaaaaa continued failed \n10:00:09.123 next line\n";
    const auto list = Scan(Prepare(log));
    ASSERT_TRUE(list);
    EXPECT_EQ((*list)[0], "999|10:00:09.000 aaaaaaaaaa continued failed ");
    EXPECT_EQ(progress.texts.size(), 3u);  // two chunks
}

TEST_F(ScannerTest, AllLineEndFormsGiveTheSameFindings) {
    catalogue = {Rec("GW", "101", "boom")};
    const std::vector<std::string> body = {"x boom", "y failed ", "10:00:01 z", "plain"};
    std::optional<ScanLines> first;
    for (const std::string end : {"\r\n", "\n", "\r", "\n\r"}) {
        std::string log;
        for (const auto& line : body) log += line + end;
        const auto list = Scan(Prepare(log));
        ASSERT_TRUE(list);
        if (!first) first = list;
        EXPECT_EQ(*list, *first) << "line end "
                                 << (end == "\r"   ? "CR"
                                     : end == "\n" ? "LF"
                                                   : "pair");
    }
    EXPECT_EQ(*first, (ScanLines{"101|x boom", "999|10:00:01.000 y failed ", "1", "1"}));
}

TEST_F(ScannerTest, ZeroByteIsAnOrdinaryByteOfItsLine) {
    catalogue = {Rec("GW", "101", "boom")};
    const std::string log = std::string("before boom\nmid") + '\0' + "dle failed \nafter boom\n";
    const auto list = Scan(Prepare(log));
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (ScanLines{"101|before boom", std::string("999|mid") + '\0' + "dle failed ",
                                "101|after boom", "1", "2"}));
}

TEST_F(ScannerTest, CrOnlyFileIsReadInBoundedChunks) {
    options.chunkLength = 64;
    std::string log;
    for (int i = 0; i < 100; ++i)
        log += "line " + std::to_string(i) + (i % 10 ? "" : " failed ") + "\r";
    const auto list = Scan(Prepare(log));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->back(), "0");
    EXPECT_EQ((*list)[list->size() - 2], "10");
    // Each chunk writes a progress text; one chunk for the whole file would write two.
    EXPECT_GT(progress.texts.size(), 5u);
}

TEST_F(ScannerTest, LargeFileQuestionAboveTwentyMiBOnly) {
    const std::string path = Prepare("");
    ASSERT_EQ(::truncate(path.c_str(), kLargeFileThreshold), 0);
    ASSERT_TRUE(Scan(path));
    EXPECT_TRUE(dialogs.questions.empty());

    ASSERT_EQ(::truncate(path.c_str(), kLargeFileThreshold + 1), 0);
    progress.texts.clear();
    dialogs.answer = false;
    EXPECT_FALSE(Scan(path));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], std::string(gbk::kCaptionPrompt) + "|" +
                                        std::string(gbk::kMsgLargeFile) + "\r" +
                                        std::string(gbk::kMsgFileName) + path);
    EXPECT_TRUE(progress.texts.empty());

    dialogs.answer = true;
    EXPECT_TRUE(Scan(path));
    options.askAboutLargeFiles = false;
    EXPECT_TRUE(Scan(path));
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(ScannerTest, OpenFailureIsToldWithTheFileName) {
    Prepare("");
    for (const std::string& path : {dir.path() + "missing.log", dir.path()}) {
        dialogs.messages.clear();
        EXPECT_FALSE(Scan(path));
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0], std::string(gbk::kMsgOpenFailed) + path);
        EXPECT_TRUE(progress.texts.empty());
    }
}

TEST_F(ScannerTest, FileNamesInMessagesAreGivenInGbk) {
    // File names are UTF-8 here while messages are GBK: 日志 is E6 97 A5 E5 BF 97 on
    // disk and C8 D5 D6 BE in the message.  A name that is not UTF-8 keeps its bytes.
    Prepare("");
    EXPECT_FALSE(Scan(dir.path() + "\xe6\x97\xa5\xe5\xbf\x97/x.log"));
    EXPECT_FALSE(Scan(dir.path() + "\xff.log"));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{
                  std::string(gbk::kMsgOpenFailed) + dir.path() + "\xc8\xd5\xd6\xbe/x.log",
                  std::string(gbk::kMsgOpenFailed) + dir.path() + "\xff.log"}));
}

TEST_F(ScannerTest, StopRequestEndsScan) {
    options.blockLength = 10;
    const std::string path = Prepare("a failed \nb failed \n");
    progress.onProgress = [&] { stop.request_stop(); };
    EXPECT_FALSE(Scan(path));
}

TEST_F(ScannerTest, FileThatShrinksWhileScannedRaisesReadError) {
    options.chunkLength = 32;
    options.blockLength = 16;
    std::string log;
    for (int i = 0; i < 50; ++i) log += "line number " + std::to_string(i) + " failed \n";
    const std::string path = Prepare(log);
    progress.onProgress = [&] { ASSERT_EQ(::truncate(path.c_str(), 40), 0); };
    EXPECT_THROW(Scan(path), ScanReadError);
}

// A stop request or a failing window while the reader is ahead (100 blocks, so it
// runs on its own thread and soon waits for a free buffer): the scan must still
// end, and the next one work.
TEST_F(ScannerTest, StopOrWindowFailureWhileReadingAheadEndsTheScanCleanly) {
    options.blockLength = 16;
    std::string log;
    for (int i = 0; i < 100; ++i) log += "line " + std::to_string(1000 + i) + "\n";
    const std::string path = Prepare(log + "x failed \n");
    progress.onProgress = [&] { stop.request_stop(); };
    EXPECT_FALSE(Scan(path));

    stop = StopSource();
    progress.onProgress = [] { throw std::runtime_error("window closed"); };
    EXPECT_THROW(Scan(path), std::runtime_error);

    progress.onProgress = nullptr;
    EXPECT_EQ(*Scan(path), (ScanLines{"999|x failed ", "1", "0"}));
}

TEST_F(ScannerTest, IgnoreListIsReadAfreshAtEveryScan) {
    const std::string path = Prepare("x failed \n");
    EXPECT_EQ(Scan(path)->size(), 3u);
    Prepare("x failed \n", {"X FAILED"});
    EXPECT_EQ(*Scan(path), (ScanLines{"0", "0"}));
}

TEST_F(ScannerTest, ProgressCountsMiBOfEachChunk) {
    // 250 MiB of short lines: 0, 100, 200 and 250 MiB are reported.
    std::string block;
    while (block.size() < (1u << 20)) block += "2026-12-01 10:00:00 all is well\n";
    block.resize(1u << 20);
    block.back() = '\n';
    const std::string path = Prepare("");
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 250; ++i)
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    options.askAboutLargeFiles = false;
    ASSERT_TRUE(Scan(path));
    const std::string p(gbk::kProgressDone);
    EXPECT_EQ(progress.texts, (std::vector<std::string>{p + "0MB/250MB", p + "100MB/250MB",
                                                        p + "200MB/250MB", p + "250MB/250MB"}));
}

// The place of each finding the reference gives: its line's number, offset and
// length, the lines split as the reference splits them.  Whether a line gives a finding does not
// depend on the lines around it, so the reference decides that for each line alone.
std::vector<FindingPlace> ReferencePlaces(const std::string& text, const std::string& code,
                                          const ErrorCatalogue& cat,
                                          const std::vector<std::string>& ignore) {
    std::vector<FindingPlace> places;
    std::int64_t number = 1;
    for (std::size_t i = 0; i < text.size(); ++number) {
        std::size_t j = i;
        while (j < text.size() && text[j] != '\r' && text[j] != '\n') ++j;
        if (ReferenceScan(text.substr(i, j - i), code, cat, ignore).size() == 3)
            places.push_back(
                {number, static_cast<std::int64_t>(i), static_cast<std::int64_t>(j - i)});
        if (j < text.size() && text[j] == '\r') ++j;
        if (j < text.size() && text[j] == '\n') ++j;
        i = j;
    }
    return places;
}

// Random logs built from the pieces that stress the rules, scanned with random
// chunk and block lengths, must give exactly what the reference gives; and scanned in
// parts of a few bytes on 2 to 8 threads (so that carries, CR LF and LF CR pairs and
// NUL bytes fall on part boundaries), exactly what one thread gives, progress texts
// included.
TEST_F(ScannerTest, MatchesReferenceOnRandomLogs) {
    catalogue = {Rec("GW", "101", "timeout"),  Rec("GW", "102", "time"),
                 Rec("GW", "103", "out of"),   Rec("gw", "104", "refused"),
                 Rec("GW", "105", "\xbd\x59"), Rec("DB", "201", "disk"),
                 Rec("GW", "12", "conn"),      Rec("GW", "1234", "Conn reset"),
                 Rec("GW", "106", ""),         Rec("GW", "107", "TIMEOUT"),
                 Rec("GW", "7", "q")};  // findings shorter than four bytes take stamps too
    // Every third round also has keywords that begin with NUL bytes, which the engine
    // takes in another form; NUL is an ordinary byte of its line.
    const ErrorCatalogue plain = catalogue;
    ErrorCatalogue withNul = catalogue;
    withNul.insert(withNul.begin() + 3, Rec("GW", "108", std::string("\0fail", 5)));
    withNul.push_back(Rec("GW", "109", std::string(2, '\0')));
    const std::vector<std::string> ignore = {"heart", "\xc8\xd5x", "BEAT ok"};
    const std::vector<std::string> stamps = {"2026-12-01 10:00:0",
                                             "[10:00:0",
                                             "10:00:01.123 ",
                                             "",
                                             "  ",
                                             "x",
                                             "1",
                                             "[",
                                             "a[1",
                                             "1[",
                                             "99"};
    const std::vector<std::string> pieces = {"timeout",   "TimeOut",    "time",
                                             "out of",    "ouT OF",     "refused",
                                             "\xbd\x79",  "\xbd\x59",   "disk",
                                             "conn",      "CONN RESET", "fail ",
                                             "FAILED ",   "failed",     "failure",
                                             "fail",      "heart",      "HEART",
                                             "\xc8\xd5X", "beat ok",    std::string(1, '\0'),
                                             "[",         "]",          "7",
                                             " ",         "abc",        "\xb4\xed\xce\xf3",
                                             "z",         "q",          std::string(2, '\0')};
    const std::vector<std::string> ends = {"\n", "\r\n", "\r", "\n\r"};

    std::mt19937 rng(20261208);
    int known = 0, unknown = 0, carried = 0, carriedTwice = 0, nulKeywords = 0;
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    for (int round = 0; round < 300; ++round) {
        std::string log;
        const int lines = static_cast<int>(rng() % 40);
        for (int i = 0; i < lines; ++i) {
            log += pick(stamps);
            if (rng() % 2) log += std::to_string(rng() % 10);
            const int n = static_cast<int>(rng() % 5);
            for (int k = 0; k < n; ++k) log += pick(pieces);
            if (i + 1 < lines || rng() % 2) log += pick(ends);
        }
        catalogue = round % 3 == 0 ? withNul : plain;
        options.chunkLength = 1 + static_cast<std::int64_t>(rng() % 120);
        options.blockLength = 1 + rng() % 60;
        options.threads = 1;
        // A quarter of the rounds look for a few pieces of the literals wherever the log
        // offers some, a quarter for a piece of each literal ending where it is rarest,
        // a quarter for their windows and pairs.
        options.pieces = static_cast<PieceChoice>(round / 3 % 4);
        progress.texts.clear();
        const std::string path = Prepare(log, ignore);
        const auto list = Scan(path);
        ASSERT_TRUE(list);
        ASSERT_EQ(*list, ReferenceScan(log, "GW", catalogue, ignore))
            << "round " << round << " chunk " << options.chunkLength << " block "
            << options.blockLength;
        ASSERT_EQ(places, ReferencePlaces(log, "GW", catalogue, ignore)) << "round " << round;
        const std::vector<FindingPlace> onePlaces = places;
        const std::vector<std::string> oneTexts = progress.texts;

        options.threads = 2 + rng() % 7;
        options.partLength = rng() % 4 == 0 ? 1 : 1 + static_cast<std::int64_t>(rng() % 40);
        progress.texts.clear();
        const auto inParts = Scan(path);
        ASSERT_TRUE(inParts);
        ASSERT_EQ(*inParts, *list) << "round " << round << " threads " << options.threads
                                   << " parts of " << options.partLength;
        ASSERT_EQ(places, onePlaces) << "round " << round;
        ASSERT_EQ(progress.texts, oneTexts) << "round " << round;

        known += std::stoi(list->back());
        unknown += std::stoi((*list)[list->size() - 2]);
        for (std::size_t i = 0; i + 2 < list->size(); ++i) {
            const std::string& finding = (*list)[i];
            carried += finding.find(".000") != std::string::npos;
            nulKeywords += finding.rfind("108|", 0) == 0 || finding.rfind("109|", 0) == 0;
            carriedTwice += finding.find(".000 ") != std::string::npos &&
                            finding.find(".000]|") != std::string::npos;
        }
    }
    // The generator must keep exercising every rule, or the comparison proves little.
    EXPECT_GT(known, 300);
    EXPECT_GT(unknown, 100);
    EXPECT_GT(carried, 50);
    EXPECT_GT(carriedTwice, 10);
    EXPECT_GT(nulKeywords, 10);
}

TEST(TextScanTest, FindLineEndAndCarryHelpers) {
    const std::string s = std::string(40, 'a') + "\r" + std::string(5, 'b') + "\n";
    EXPECT_EQ(FindLineEnd(s.data(), s.data() + s.size()) - s.data(), 40);
    EXPECT_EQ(FindLineEnd(s.data() + 41, s.data() + s.size()) - s.data(), 46);
    EXPECT_EQ(FindLineEnd(s.data(), s.data() + 30), s.data() + 30);

    EXPECT_TRUE(CarryStillPossible("999|[10:00"));  // byte 5 is "[": plain form may still come
    EXPECT_FALSE(CarryStillPossible("999|10:00"));
    std::string f = "999|[10:00:00.000]|x";
    EXPECT_TRUE(
        CarryTimeStamp(f, "11:00:00 plain"));  // a bracket-carried finding can take a plain stamp
    EXPECT_EQ(f, "999|11:00:00.000 [10:00:00.000]|x");
    std::string shortCode = "7|";
    EXPECT_TRUE(CarryTimeStamp(shortCode, "1"));
    EXPECT_EQ(shortCode, "7|1.000 ");
}

}  // namespace
}  // namespace corvane
