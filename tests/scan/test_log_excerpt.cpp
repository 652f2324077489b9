// The lines around a finding, read by offset: checked against a plain split of the
// whole file, and against files that changed after the scan.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <random>

#include "CoreFakes.h"
#include "scan/LogExcerpt.h"

namespace corvane {
namespace {

using testing_support::TempDir;

FileStamp StampOf(const std::string& path) {
    LogFile file;
    return file.Open(path) ? file.Stamp() : FileStamp{};
}

// The whole file split by the line rule: a line ends at CR or LF; CR LF is one end.
std::vector<ExcerptLine> SplitAll(const std::string& text) {
    std::vector<ExcerptLine> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.push_back({static_cast<std::int64_t>(lines.size() + 1),
                         static_cast<std::int64_t>(pos), text.substr(pos, end - pos)});
        if (end < text.size() && text[end] == '\r')
            ++end;
        else if (end < text.size()) {
            pos = end + 1;
            continue;
        }
        if (end < text.size() && text[end] == '\n') ++end;
        pos = end;
    }
    return lines;
}

TEST(LogExcerptTest, MatchesAPlainSplitOnRandomFiles) {
    TempDir dir;
    std::mt19937 random(20261208);
    const std::string pieces[] = {"\r\n",
                                  "\r",
                                  "\n",
                                  "\n\r",
                                  "a",
                                  "fail ",
                                  "\xB4\xED",
                                  std::string(1, '\0'),
                                  "10:00:01.000 ",
                                  std::string(70000, 'x')};
    for (int round = 0; round < 60; ++round) {
        std::string text;
        const int count = std::uniform_int_distribution<int>(1, 40)(random);
        for (int i = 0; i < count; ++i) {
            const std::size_t pick = std::uniform_int_distribution<std::size_t>(0, 9)(random);
            if (pick == 9 && random() % 8 != 0) continue;  // long lines now and then
            text += pieces[pick];
        }
        const std::string path = dir.Write("log.log", text);
        const std::vector<ExcerptLine> all = SplitAll(text);
        if (all.empty()) continue;
        const std::size_t at =
            std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(random);
        const int before = std::uniform_int_distribution<int>(0, 5)(random);
        const int after = std::uniform_int_distribution<int>(0, 5)(random);
        const std::string finding = "999|" + all[at].text;

        const LogExcerpt excerpt = ReadLogExcerpt(
            path, StampOf(path), {all[at].number, all[at].offset}, finding, before, after);
        ASSERT_EQ(excerpt.status, ExcerptStatus::Ok) << "round " << round;
        const std::size_t first = at >= static_cast<std::size_t>(before) ? at - before : 0;
        const std::size_t last = std::min(all.size() - 1, at + after);
        ASSERT_EQ(excerpt.lines.size(), last - first + 1) << "round " << round;
        for (std::size_t i = first; i <= last; ++i) {
            const ExcerptLine& got = excerpt.lines[i - first];
            EXPECT_EQ(got.number, all[i].number);
            EXPECT_EQ(got.offset, all[i].offset);
            EXPECT_EQ(got.text, all[i].text.substr(0, kExcerptLineMax));
        }
        EXPECT_EQ(excerpt.atStart, first == 0);
        EXPECT_EQ(excerpt.atEnd, last == all.size() - 1);
    }
}

TEST(LogExcerptTest, AChangedOrMissingFileIsSaidSo) {
    TempDir dir;
    const std::string text = "one\r\n10:00:02 two failed here\r\nthree\r\n";
    const FindingPlace place{2, 5};
    const struct {
        const char* name;
        std::string content;  // empty: no file
        std::string finding;
        ExcerptStatus status;
    } cases[] = {
        {"same", text, "999|10:00:02 two failed here", ExcerptStatus::Ok},
        {"stamp carried into the finding", text, "999|[10:00:02.000]|10:00:02 two failed here",
         ExcerptStatus::Ok},
        {"appended to", text + "four\r\n", "999|10:00:02 two failed here", ExcerptStatus::Ok},
        {"line rewritten", "one\r\n10:00:02 TWO failed here\r\n", "999|10:00:02 two failed here",
         ExcerptStatus::FileChanged},
        {"shrunk", "one\r\n", "999|10:00:02 two failed here", ExcerptStatus::FileChanged},
        {"moved by a line", "zero\r\n" + text, "999|10:00:02 two failed here",
         ExcerptStatus::FileChanged},
        {"gone", "", "999|10:00:02 two failed here", ExcerptStatus::CannotOpen},
    };
    for (const auto& test : cases) {
        const std::string path = dir.path() + "case.log";
        const FileStamp scanned = StampOf(dir.Write("case.log", text));
        if (test.content != text) {
            std::remove(path.c_str());
            if (!test.content.empty()) dir.Write("case.log", test.content);
        }
        const LogExcerpt excerpt = ReadLogExcerpt(path, scanned, place, test.finding, 1, 1);
        EXPECT_EQ(excerpt.status, test.status) << test.name;
        EXPECT_EQ(excerpt.lines.empty(), test.status != ExcerptStatus::Ok) << test.name;
    }
}

// A file put in the log's place (a rotation, a copy) is another file, even with the
// same bytes and the same modification time.
TEST(LogExcerptTest, AFileReplacedByACopyIsSaidToHaveChanged) {
    TempDir dir;
    const std::string path = dir.Write("case.log", "one\r\n10:00:02 two failed here\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    const FileStamp scanned = StampOf(path);
    ASSERT_EQ(std::rename(path.c_str(), (dir / "old.log").c_str()), 0);
    dir.Write("case.log", "one\r\n10:00:02 two failed here\r\n");
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    ASSERT_EQ(StampOf(path).modifiedNs, scanned.modifiedNs);
    const LogExcerpt excerpt =
        ReadLogExcerpt(path, scanned, {2, 5}, "999|10:00:02 two failed here", 1, 1);
    EXPECT_EQ(excerpt.status, ExcerptStatus::Ok);
    EXPECT_TRUE(excerpt.fileChanged);
}

}  // namespace
}  // namespace corvane
