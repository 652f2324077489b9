// INI reading: syntax, matching, quotes, limits and re-reading of a changed file.

#include "catalog/ProfileString.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ReferenceIni.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

class ProfileStringTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "corvane-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
        dir_ = tmpl;
        path_ = (dir_ / "test.ini").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Writes `bytes` exactly as given.
    void Write(const std::string& bytes) {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }

    // Sets the file's modification time explicitly, so a rewrite within the clock's
    // granularity is still a different file version.
    void SetMtime(time_t sec, long nsec) {
        timespec times[2] = {{sec, nsec}, {sec, nsec}};
        ASSERT_EQ(utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(ProfileStringTest, MissingFileReadsAsNoSections) {
    ProfileFile ini(path_);  // nothing there
    EXPECT_EQ(ini.ReadString("s", "k", "dflt"), "dflt");
    EXPECT_TRUE(ini.ReadSection("s").empty());
    EXPECT_TRUE(ini.ReadSectionValues("s").empty());

    // A directory in its place is no more readable than nothing.
    fs::create_directory(path_);
    EXPECT_EQ(ini.ReadString("s", "k", "x"), "x");
    EXPECT_TRUE(ini.ReadSection("s").empty());
}

TEST_F(ProfileStringTest, EveryLineEndAndTheThreeBlanks) {
    // CR LF, lone CR and lone LF all end lines; space, TAB and VT are trimmed.
    Write("[a]\r\nk1=v1\rk2=v2\nk3=v3\n\r\n\t\v [b] \v\r \tk = \t v v \t\x0b\r\n\fk=ff\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadSection("a"), (Names{"k1", "k2", "k3"}));
    EXPECT_EQ(ini.ReadString("a", "k2", ""), "v2");
    EXPECT_EQ(ini.ReadString("b", "k", ""), "v v");
    // Form feed is not a blank: it stays part of the name.
    EXPECT_EQ(ini.ReadSection("b"), (Names{"k", "\fk"}));
    EXPECT_EQ(ini.ReadString("b", "\fk", ""), "ff");
}

TEST_F(ProfileStringTest, SectionHeaders) {
    Write(
        "[ one ]x=1\r\n"  // text after ']' defines nothing
        "y=2\r\n"
        "[two][three]]\r\n"  // the first ']' ends the name
        "z=3\r\n"
        "[four   \r\n"  // no ']' at all: still a header
        "w=4\r\n"
        "[[five]\r\n"
        "v=5\r\n"
        "[]\r\n"
        "u=6\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadSection("one"), (Names{"y"}));
    EXPECT_EQ(ini.ReadString("one", "x", "none"), "none");
    EXPECT_EQ(ini.ReadString("two", "z", ""), "3");
    EXPECT_EQ(ini.ReadString("two][three", "z", "none"), "none");
    EXPECT_EQ(ini.ReadString("four", "w", ""), "4");
    EXPECT_EQ(ini.ReadString("[five", "v", ""), "5");
    EXPECT_EQ(ini.ReadString("", "u", ""), "6");
}

TEST_F(ProfileStringTest, LinesBeforeTheFirstHeaderAreUnreachable) {
    Write("k=early\r\nj=early\r\n[s]\r\nk=late\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("", "j", "none"), "none");
    EXPECT_EQ(ini.ReadString(" ", "j", "none"), "none");
    EXPECT_TRUE(ini.ReadSection("").empty());
    EXPECT_EQ(ini.ReadString("s", "k", ""), "late");
}

TEST_F(ProfileStringTest, CommentsBareLinesAndKeyLines) {
    Write(
        "[s]\r\n"
        ";c=comment\r\n"
        "  ;d=indented comment\r\n"
        "#h=hash\r\n"
        "bare\r\n"
        "k = a = b\r\n"
        "semi=;v ; x\r\n"
        "empty=\r\n"
        "=nameless\r\n"
        "after=1\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadSection("s"), (Names{"#h", "k", "semi", "empty"}))
        << "comments and bare lines are not listed; the nameless key ends the caller's list";
    EXPECT_EQ(ini.ReadString("s", ";c", "none"), "none");
    EXPECT_EQ(ini.ReadString("s", "c", "none"), "none");
    EXPECT_EQ(ini.ReadString("s", ";d", "none"), "none");
    EXPECT_EQ(ini.ReadString("s", "#h", ""), "hash");
    EXPECT_EQ(ini.ReadString("s", "bare", "none"), "none");
    EXPECT_EQ(ini.ReadString("s", "k", ""), "a = b");
    EXPECT_EQ(ini.ReadString("s", "semi", ""), ";v ; x");
    EXPECT_EQ(ini.ReadString("s", "empty", "none"), "");
    EXPECT_EQ(ini.ReadString("s", "", "none"), "nameless");
    EXPECT_EQ(ini.ReadString("s", "after", ""), "1");
}

TEST_F(ProfileStringTest, MatchingIgnoresAsciiCaseAndTrimsOnlySpacesOfParameters) {
    Write("[Sec]\r\nKey=v\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("sEC", "kEY", ""), "v");
    EXPECT_EQ(ini.ReadString("  sec  ", "  key  ", ""), "v");
    EXPECT_EQ(ini.ReadString("\tsec", "key", "none"), "none");
    EXPECT_EQ(ini.ReadString("sec", "key\t", "none"), "none");
    EXPECT_EQ(ini.ReadSection(" SEC "), (Names{"Key"})) << "names come back as written in the file";
    EXPECT_EQ(ini.ReadString("Sec", "Ke", "none"), "none");
    EXPECT_EQ(ini.ReadString("Se", "Key", "none"), "none");
}

TEST_F(ProfileStringTest, DuplicateSectionsAndKeys) {
    Write(
        "[s]\r\nk=first\r\nK=second\r\nj=1\r\n"
        "[S]\r\nk=other section\r\nonly=later\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "first");
    EXPECT_EQ(ini.ReadString("s", "only", "none"), "none") << "the second [S] is never searched";
    EXPECT_EQ(ini.ReadSection("S"), (Names{"k", "K", "j"}));
    EXPECT_EQ(ini.ReadSectionValues("s"), (Names{"k=first", "K=first", "j=1"}));
}

TEST_F(ProfileStringTest, OuterQuotesOfValuesOnly) {
    Write(
        "[s]\r\n"
        "d=\"v\"\r\n"
        "s='v'\r\n"
        "blanks=  \"  v  \"  \r\n"
        "nested=\"'v'\"\r\n"
        "mixed=\"v'\r\n"
        "order='\"v'\"\r\n"
        "left=\"abc\r\n"
        "pair=\"\"\r\n"
        "one=\"\r\n"
        "doubled=\"\"x\"\"\r\n"
        "\"qk\"=quoted name\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("s", "d", ""), "v");
    EXPECT_EQ(ini.ReadString("s", "s", ""), "v");
    EXPECT_EQ(ini.ReadString("s", "blanks", ""), "  v  ");
    EXPECT_EQ(ini.ReadString("s", "nested", ""), "'v'");
    EXPECT_EQ(ini.ReadString("s", "mixed", ""), "\"v'");
    EXPECT_EQ(ini.ReadString("s", "order", ""), "'\"v'\"");
    EXPECT_EQ(ini.ReadString("s", "left", ""), "\"abc");
    EXPECT_EQ(ini.ReadString("s", "pair", "none"), "");
    EXPECT_EQ(ini.ReadString("s", "one", ""), "\"");
    EXPECT_EQ(ini.ReadString("s", "doubled", ""), "\"x\"");
    EXPECT_EQ(ini.ReadString("s", "qk", "none"), "none");
    EXPECT_EQ(ini.ReadString("s", "\"qk\"", ""), "quoted name");
    EXPECT_EQ(ini.ReadSectionValues("s").back(), "\"qk\"=quoted name");
}

TEST_F(ProfileStringTest, ValuesAreCutToTheReadBuffer) {
    std::string longValue;
    for (int i = 0; i < 3000; ++i) longValue += static_cast<char>('a' + i % 26);
    const std::string fits(kProfileValueMax, 'q');
    Write("[s]\r\nlong=" + longValue + "\r\nquoted=\"" + fits + "\"\r\nexact=" + fits +
          "\r\nnul=ab" + std::string(1, '\0') + "cd\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("s", "long", ""), longValue.substr(0, 2047));
    // Quotes go before the cut, so a quoted value of 2,047 bytes reads whole.
    EXPECT_EQ(ini.ReadString("s", "quoted", ""), fits);
    EXPECT_EQ(ini.ReadString("s", "exact", ""), fits);
    EXPECT_EQ(ini.ReadString("s", "nul", ""), "ab");
    EXPECT_EQ(ini.ReadSectionValues("s")[0], "long=" + longValue.substr(0, 2047));
}

TEST_F(ProfileStringTest, DefaultLosesTrailingSpacesOnly) {
    Write("[s]\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("s", "k", "default  "), "default");
    EXPECT_EQ(ini.ReadString("s", "k", "   default   "), "   default");
    EXPECT_EQ(ini.ReadString("s", "k", "\tdefault\t"), "\tdefault\t");
    EXPECT_EQ(ini.ReadString("s", "k", "   "), "");
    EXPECT_EQ(ini.ReadString("s", "k", "\"q\""), "\"q\"");
    EXPECT_EQ(ini.ReadString("s", "k", std::string(3000, 'd')), std::string(2047, 'd'));
}

TEST_F(ProfileStringTest, ByteOrderMarks) {
    // A UTF-8 BOM is just bytes of line 1: that header is lost, later ones work.
    Write("\xEF\xBB\xBF[first]\r\nk=1\r\n[second]\r\nk=2\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("first", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString("second", "k", ""), "2");

    // UTF-16 files are not read at all.
    Write(std::string("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0v\0", 18));
    EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");
    EXPECT_TRUE(ini.ReadSection("s").empty());
}

TEST_F(ProfileStringTest, GbkNamesKeepDoubleByteCharactersWhole) {
    Write(
        "[\xE0\x5D\xBC\xFE]\r\n"  // 郵件: the trail byte of 郵 is ']'
        "k=mail\r\n"
        "[\xBD\x59]\r\n"     // 結: trail byte 'Y'
        "\xE9\x4C=long\r\n"  // 長: trail byte 'L'
        "[\xBD\x79]\r\n"     // 統: trail byte 'y'
        "k=unified\r\n"
        "[Sec\xC5\xE4\xD6\xC3]\r\n"  // Sec配置
        "k=cfg\r\n"
        "[\x81]x]tail\r\n"  // lead byte before ']': the pair is one character
        "k=pair\r\n");
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("\xE0\x5D\xBC\xFE", "k", ""), "mail");
    EXPECT_EQ(ini.ReadString("\xE0", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString("\xBD\x79", "k", ""), "unified") << "結 and 統 are different names";
    EXPECT_EQ(ini.ReadString("\xBD\x59", "k", "none"), "none");
    EXPECT_EQ(ini.ReadString("\xBD\x59", "\xE9\x6C", "none"), "none") << "長 is not 閘";
    EXPECT_EQ(ini.ReadString("\xBD\x59", "\xE9\x4C", ""), "long");
    EXPECT_EQ(ini.ReadString("sEC\xC5\xE4\xD6\xC3", "K", ""), "cfg");
    EXPECT_EQ(ini.ReadString("\x81]x", "k", ""), "pair");
}

// Section "s" holding `count` names of nine bytes, then one more name `last`.
std::string ManyNames(int count, const std::string& last) {
    std::string text = "[s]\r\n";
    char name[16];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "name%05d", i);
        text += std::string(name) + "=" + std::to_string(i) + "\r\n";
    }
    if (!last.empty()) text += last + "=last\r\n";
    return text;
}

TEST_F(ProfileStringTest, EnumerationBufferLimit) {
    ProfileFile ini(path_);
    // 1,638 names of 9 bytes take 16,380 bytes with their zero bytes.
    Write(ManyNames(1638, "a"));  // list of 16,382 bytes: fits with the final zero
    auto names = ini.ReadSection("s");
    ASSERT_EQ(names.size(), 1639u);
    EXPECT_EQ(names.back(), "a");

    Write(ManyNames(1638, "ab"));  // 16,383 bytes: the exact fit already overflows...
    names = ini.ReadSection("s");
    ASSERT_EQ(names.size(), 1639u);
    EXPECT_EQ(names.back(), "ab");  // ...but only its last zero byte is lost

    Write(ManyNames(1638, "abc"));  // 16,384 bytes: the last name loses a byte
    names = ini.ReadSection("s");
    ASSERT_EQ(names.size(), 1639u);
    EXPECT_EQ(names.back(), "ab");

    Write(ManyNames(2000, ""));  // 20,000 bytes: names dropped, the last one cut
    names = ini.ReadSection("s");
    ASSERT_EQ(names.size(), 1639u);
    EXPECT_EQ(names[1637], "name01637");
    EXPECT_EQ(names.back(), "na");
    auto lines = ini.ReadSectionValues("s");
    ASSERT_EQ(lines.size(), 1639u);
    EXPECT_EQ(lines[1637], "name01637=1637");
    EXPECT_EQ(lines.back(), "na=") << "the cut name is read as it came back";
}

TEST_F(ProfileStringTest, EveryReadSeesTheFileAsItIsNow) {
    ProfileFile ini(path_);
    EXPECT_EQ(ini.ReadString("s", "k", "none"), "none");

    Write("[s]\r\nk=one\r\n");
    SetMtime(1000000000, 1);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "one");

    Write("[s]\r\nk=two\r\n");  // same size: only the modification time tells
    SetMtime(1000000000, 2);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "two");
    EXPECT_EQ(ini.ReadSection("s"), (Names{"k"}));

    Write("[s]\r\nk=three\r\nj=new\r\n");  // size changes
    EXPECT_EQ(ini.ReadString("s", "k", ""), "three");
    EXPECT_EQ(ini.ReadSection("s"), (Names{"k", "j"}));

    // Replaced by another file (new inode) with identical size and times.
    const std::string other = (dir_ / "other.ini").string();
    {
        std::ofstream out(other, std::ios::binary);
        out << "[s]\r\nk=thrEE\r\nj=new\r\n";
    }
    timespec times[2] = {{1000000000, 3}, {1000000000, 3}};
    ASSERT_EQ(utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    ASSERT_EQ(utimensat(AT_FDCWD, other.c_str(), times, 0), 0);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "three");
    fs::rename(other, path_);
    EXPECT_EQ(ini.ReadString("s", "k", ""), "thrEE");

    fs::remove(path_);
    EXPECT_EQ(ini.ReadString("s", "k", "gone"), "gone");
    EXPECT_TRUE(ini.ReadSection("s").empty());
}

TEST_F(ProfileStringTest, OversizedFileIsRefusedWithItsNameAndSize) {
    Write("[s]\r\nk=v\r\n");  // 10 bytes
    ProfileFile small(path_, 9);
    try {
        small.ReadString("s", "k", "");
        FAIL() << "an 11-byte file read under a 9-byte limit";
    } catch (const ProfileFileTooLarge& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "test.ini is too large to read (10 bytes; INI files of at most 9 bytes are read)");
    }
    EXPECT_THROW(small.ReadSection("s"), ProfileFileTooLarge);
    EXPECT_EQ(ProfileFile(path_, 10).ReadString("s", "k", ""), "v");

    // A sparse file far above the limit costs neither its size in memory nor a read.
    ASSERT_EQ(::truncate(path_.c_str(), std::int64_t{100} << 30), 0);
    EXPECT_THROW(ProfileFile(path_).ReadString("s", "k", ""), ProfileFileTooLarge);
}

// Millions of tiny lines: the parsed form stays within a few times the text.
TEST_F(ProfileStringTest, MemoryIsASmallMultipleOfTheText) {
    for (const std::string line : {"[\n", "=\n", "[a]\nb=\n", "k\n"}) {
        std::string text;
        while (text.size() < (std::size_t{2} << 20)) text += line;
        const std::size_t before = mallinfo2().uordblks;
        const ProfileText parsed(text);
        const std::size_t used = mallinfo2().uordblks - before;
        EXPECT_LE(used, 6 * text.size()) << "lines of " << line.size() << " bytes";
        EXPECT_EQ(parsed.ReadString("a", "b", "d"), line == "[a]\nb=\n" ? "" : "d");
    }
}

// Random texts from the pieces that stress the rules: the indexed reader must answer
// every read exactly like the plain reference.
TEST(ProfileTextTest, MatchesReferenceOnRandomTexts) {
    const std::vector<std::string> pieces = {
        "[",  "]",  "=",        ";",        " ",    "\t",       "\v",
        "\r", "\n", "\r\n",     "\"",       "'",    "a",        "A",
        "b",  "B",  "\xbd\x59", "\xbd\x79", "\x81", "\xe0\x5d", std::string(1, '\0'),
        "ab", "Ab"};
    const std::vector<std::string> names = {"",   "a",    "A",        " a ",      "b",
                                            "ab", "aB",   "\xbd\x59", "\xbd\x79", "[a",
                                            "a]", "\x81", ";a",       "a=b"};
    const std::vector<std::string> ends = {"\r\n", "\n", "\r", "\n\r"};
    std::mt19937 rng(20261208);
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    auto junk = [&] { return rng() % 4 ? std::string() : pick(pieces); };
    int found = 0;
    for (int round = 0; round < 400; ++round) {
        // Lines shaped like headers, keys, comments and bare lines, with stray pieces.
        std::string text;
        const int n = static_cast<int>(rng() % 30);
        for (int i = 0; i < n; ++i) {
            switch (rng() % 4) {
                case 0:
                    text += junk() + "[" + pick(names) + junk() + (rng() % 4 ? "]" : "");
                    break;
                case 1:
                    text += junk() + pick(names) + "=" + junk() + pick(names) + junk();
                    break;
                case 2:
                    text += junk() + ";" + pick(names);
                    break;
                default:
                    text += junk() + pick(names) + junk();
                    break;
            }
            text += pick(ends);
        }
        const ProfileText ini(text);
        const testing_support::ReferenceIni ref(text);
        ASSERT_EQ(ini.ReadSectionNames(), ref.ReadSectionNames()) << "round " << round;
        for (const std::string& s : names) {
            ASSERT_EQ(ini.ReadSection(s), ref.ReadSection(s)) << "round " << round;
            for (const std::string& k : names) {
                const std::string v = ini.ReadString(s, k, "dflt");
                ASSERT_EQ(v, ref.ReadString(s, k, "dflt")) << "round " << round;
                found += v != "dflt";
            }
        }
    }
    EXPECT_GT(found, 500);  // the generator must reach real values, not only defaults
}

}  // namespace
}  // namespace corvane
