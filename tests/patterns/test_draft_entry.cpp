// The draft catalogue entry: its keyword, its code and list key, its place in
// ErrorList.ini and its addition under the directory lock.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Files.h"
#include "Gbk.h"
#include "TempDir.h"
#include "catalog/CatalogueDraft.h"
#include "catalog/DirectoryLock.h"
#include "catalog/GbkText.h"
#include "patterns/DraftKeyword.h"

namespace corvane {
namespace {

using testing_support::Gbk;
using testing_support::ReadFileBytes;
using testing_support::TempDir;

TEST(DraftKeywordTest, ChoosesABalancedWholeWordKeywordOfOnlyThePatternsFreeLines) {
    struct Case {
        const char* what;
        std::vector<std::string> constants;
        std::string log;  // lines end in LF
        std::vector<std::int64_t> pattern, known;
        std::vector<std::string> ignores;
        std::optional<std::string> keyword;
    };
    const std::string ssh =
        "Failed password for root from 1.1.1.1 port 22 ssh2\n"
        "Failed password for invalid user bob from 2.2.2.2 port 23 ssh2\n"
        "Failed password for admin from 3.3.3.3 port 24 ssh2\n"
        "Failed password for invalid user eve from 4.4.4.4 port 25 ssh2\n";
    const std::vector<std::string> sshParts = {"Failed password for ", " from ", " port ", " ssh2"};
    const std::vector<Case> cases = {
        {"the closing bracket stays",
         {"write to client ", " failed (broken pipe)"},
         "write to client 1 failed (broken pipe)\nwrite to client 2 failed (broken pipe)\n"
         "write to server failed\n",
         {1, 2},
         {},
         {},
         "failed (broken pipe)"},
        {"an unbalanced bracket never",
         {"] Auth fail [preauth]"},
         "[1] Auth fail [preauth]\n[2] Auth fail [preauth]\n[3] preauth\n",
         {1, 2},
         {},
         {},
         "Auth fail [preauth]"},
        {"lines that an earlier entry takes do not count",
         sshParts,
         ssh,
         {1, 3},
         {2, 4},
         {},
         "Failed password for"},
        {"without them every part is elsewhere", sshParts, ssh, {1, 3}, {}, {}, std::nullopt},
        {"ignored lines do not count",
         sshParts,
         ssh,
         {1, 3},
         {2},
         {"user EVE"},
         "Failed password for"},
        {"punctuation at an end when the words alone are elsewhere",
         {"]: Failed password for ", " from "},
         "sshd[1]: Failed password for root from 1.1.1.1\n"
         "sshd[2]: message repeated 2 times: [ Failed password for root from 1.1.1.1]\n"
         "sshd[3]: Failed password for admin from 2.2.2.2\n",
         {1, 3},
         {},
         {},
         ": Failed password for"},
        {"a word glued to a variable part is cut",
         {"user", " failed login"},
         "useralpha failed login\nuserbeta failed login\nguest failed login\n",
         {1, 2},
         {},
         {},
         std::nullopt},
        {"a word beside a blank is whole",
         {"user", " failed login"},
         "user alpha failed login\nuser beta failed login\nguest failed login\n",
         {1, 2},
         {},
         {},
         "user"},
        {"quotes around the whole are dropped by the reader",
         {"\"GET /x\""},
         "\"GET /x\" 1\n\"GET /x\" 2\n",
         {1, 2},
         {},
         {},
         "GET /x"},
        {"GBK brackets balance and punctuation goes",
         {Gbk("：导出报表（月报）完成，")},
         Gbk("1：导出报表（月报）完成，\n2：导出报表（月报）完成，\n导出报表\n"),
         {1, 2},
         {},
         {},
         Gbk("导出报表（月报）完成")},
    };
    for (const Case& c : cases) {
        const TempDir dir;
        const std::string log = dir.Write("a.log", c.log);
        EXPECT_EQ(ChoosePatternKeyword(c.constants, log, c.pattern, c.known, c.ignores).keyword,
                  c.keyword)
            << c.what;
        // A chosen keyword, typed back, passes the check of a typed one.
        if (c.keyword) {
            EXPECT_TRUE(CheckPatternKeyword(*c.keyword, log, c.pattern, c.known, c.ignores).Takes())
                << c.what;
        }
    }
    // A typed keyword says which line it misses or takes besides the pattern's.
    const TempDir dir;
    const std::string log = dir.Write("b.log", ssh);
    using Fault = KeywordCheck::Fault;
    const auto check = [&](const std::string& keyword) {
        const KeywordCheck k = CheckPatternKeyword(keyword, log, {1, 3}, {}, {"USER EVE"});
        return std::pair(k.fault, k.line);
    };
    EXPECT_EQ(check("for root"), std::pair(Fault::MissingFromPatternLine, std::int64_t{3}));
    EXPECT_EQ(check("FAILED password"), std::pair(Fault::InOtherLine, std::int64_t{2}));
    EXPECT_EQ(check("ssh2"), std::pair(Fault::InOtherLine, std::int64_t{2}));
    EXPECT_EQ(check("22 SSH2"), std::pair(Fault::MissingFromPatternLine, std::int64_t{3}));
    EXPECT_EQ(KeywordCandidates({"a (b) c)", "'x'", std::string("p\0q", 3)}),
              (std::vector<std::string>{"a (b) c", "a (b)", "(b) c", "(b)", "a", "b", "c", "x", "p",
                                        "q"}));
}

ErrorListFile FileOf(const std::string& bytes) { return {true, bytes}; }

TEST(CatalogueDraftTest, TakesCodesAndKeysThatNeitherTheFileNorTheCatalogueNorEarlierDraftsUse) {
    // 102 has a section of its own (its case aside), 103 is only in the catalogue in use.
    const ErrorListFile file =
        FileOf("[ERRORLIST]\r\n01=100\r\n02=101\r\n04=104\r\n[error_102_memo]\r\n01=x\r\n");
    ErrorCatalogue loaded(1);
    loaded[0].errorCode = "103";
    DraftReservations reserved;
    std::vector<std::string> codes, keys;
    for (int i = 0; i < 3; ++i) {
        const CatalogueDraft d = DraftCatalogueEntry(file, loaded, "GW", "disk full", reserved);
        codes.push_back(d.code);
        keys.push_back(d.listKey);
    }
    EXPECT_EQ(codes, (std::vector<std::string>{"105", "106", "107"}));
    EXPECT_EQ(keys, (std::vector<std::string>{"03", "05", "06"}));

    DraftReservations fresh;
    const CatalogueDraft d = DraftCatalogueEntry(file, loaded, "GW", "disk full", fresh);
    const std::string sections =
        "[ERROR_105]\r\n" + std::string(gbk::kKeyOwnerService) + "=GW\r\n" +
        std::string(gbk::kKeyErrorName) + "=" + std::string(gbk::kDraftErrorName) + "\r\n" +
        std::string(gbk::kKeyKeyword) + "=disk full\r\n\r\n" +
        "[ERROR_105_MEMO]\r\n01=" + std::string(gbk::kDraftExplanation) + "\r\n";
    EXPECT_EQ(d.sections, sections);
    EXPECT_EQ(d.text, ";" + std::string(gbk::kDraftSectionsHint) + "\r\n" + sections + "\r\n;" +
                          std::string(gbk::kDraftListLineHint) + "\r\n03=105\r\n");
    const CatalogueDraft none = DraftCatalogueEntry(file, loaded, "GW", std::nullopt, fresh);
    EXPECT_NE(none.sections.find(";" + std::string(gbk::kDraftNoKeyword) + "\r\n"),
              std::string::npos);

    ErrorCatalogue full;
    for (int code = 100; code <= 998; ++code)
        full.push_back({"GW", std::to_string(code), "", "", {}});
    const CatalogueDraft noCode = DraftCatalogueEntry({}, full, "GW", "x", fresh);
    EXPECT_EQ(noCode.code, "");
    EXPECT_EQ(noCode.text, ";" + std::string(gbk::kDraftNoCode) + "\r\n");
}

TEST(CatalogueDraftTest, AnEditedDraftIsWrittenAndReadBackAsTyped) {
    DraftReservations reserved;
    CatalogueDraft d = DraftCatalogueEntry(FileOf("[ERRORLIST]\r\n"), {}, "GW", "k", reserved);
    const std::string name = Gbk("磁盘已满");
    const std::vector<std::string> memo = {Gbk("清理日志目录。"), Gbk("再重启服务 \"GW\"")};
    EditDraft(d, name, memo, Gbk("磁盘 full"));
    const std::string after = WithDraftEntry("[ERRORLIST]\r\n", d);
    EXPECT_NE(after.find(std::string(gbk::kKeyErrorName) + "=" + name + "\r\n"), std::string::npos);
    EXPECT_NE(after.find("01=" + memo[0] + "\r\n02=" + memo[1] + "\r\n"), std::string::npos);
    EXPECT_NE(d.text.find(name), std::string::npos);

    // Texts the reader would not read as typed leave the draft as it was.
    struct Bad {
        std::string name;
        std::vector<std::string> memo;
        DraftTextFault fault;
    };
    const std::vector<Bad> bad = {
        {"", memo, DraftTextFault::Empty},
        {" x", memo, DraftTextFault::Blank},
        {"x", {"a\tb", "y\t"}, DraftTextFault::Blank},
        {"'x'", memo, DraftTextFault::Quoted},
        {"x\r\ny=1", memo, DraftTextFault::LineEnd},
        {std::string(2048, 'x'), memo, DraftTextFault::TooLong},
        {"x", {std::string("a\0b", 3)}, DraftTextFault::ZeroByte},
    };
    for (const Bad& b : bad) {
        const std::string& faulty = FindDraftTextFault(b.name) ? b.name : b.memo.back();
        EXPECT_EQ(FindDraftTextFault(faulty), b.fault) << faulty;
        EXPECT_THROW(EditDraft(d, b.name, b.memo, d.keyword), DraftRefused) << faulty;
        EXPECT_EQ(d.name, name);
    }
    EXPECT_THROW(EditDraft(d, "x", {}, d.keyword), DraftRefused);
    EXPECT_THROW(EditDraft(d, "x", std::vector<std::string>(100, "y"), d.keyword), DraftRefused);
    EXPECT_EQ(FindDraftTextFault(Gbk("“引号”里的名称")), std::nullopt);
}

TEST(CatalogueDraftTest, PutsTheListLineIntoTheFirstListAndTheSectionsAtTheEnd) {
    struct Case {
        std::string before, after;  // "S" stands for the sections
    };
    const std::vector<Case> cases = {
        // After the last key, before a comment; the second list is never read.
        {"[ERRORLIST]\r\n01=101\r\n;end\r\n[ERRORLIST]\r\n02=1\r\n",
         "[ERRORLIST]\r\n01=101\r\n02=100\r\n;end\r\n[ERRORLIST]\r\n02=1\r\n\r\nS"},
        // LF line ends, and a last line without one.
        {"[x]\n[errorlist]\n  01 = 101  \n[y]\nk=v",
         "[x]\n[errorlist]\n  01 = 101  \n02=100\n[y]\nk=v\n\nS"},
        {"[ERRORLIST]", "[ERRORLIST]\r\n01=100\r\n\r\nS"},
        {"[ERRORLIST]\r\n01=101", "[ERRORLIST]\r\n01=101\r\n02=100\r\n\r\nS"},
        // No list section: one at the end is the first.
        {"; nothing\r\n", "; nothing\r\n\r\n[ERRORLIST]\r\n01=100\r\n\r\nS"},
        {"", "[ERRORLIST]\r\n01=100\r\n\r\nS"},
    };
    for (const Case& c : cases) {
        DraftReservations reserved;
        const CatalogueDraft d = DraftCatalogueEntry(FileOf(c.before), {}, "GW", "k", reserved);
        const std::string lineEnd =
            c.before.find("\r\n") == std::string::npos && c.before.find('\n') != std::string::npos
                ? "\n"
                : "\r\n";
        std::string sections;
        for (char ch : d.sections)
            if (ch != '\r' || lineEnd == "\r\n") sections += ch;
        std::string expected = c.after;
        expected.replace(expected.size() - 1, 1, sections);
        EXPECT_EQ(WithDraftEntry(c.before, d), expected) << c.before;
    }

    // A list whose key names fill the reader's enumeration cannot take one more.
    std::string full = "[ERRORLIST]\r\n";
    for (int i = 0; i < 2500; ++i) full += "k" + std::to_string(10000 + i) + "=101\r\n";
    DraftReservations reserved;
    const CatalogueDraft d = DraftCatalogueEntry(FileOf(full), {}, "GW", "k", reserved);
    try {
        WithDraftEntry(full, d);
        ADD_FAILURE() << "an entry the reader cannot reach was added";
    } catch (const DraftRefused& e) {
        EXPECT_EQ(e.Reason(), DraftRefusal::NotRead);
    }
}

DraftRefusal RefusalOf(const std::string& dir, const CatalogueDraft& draft,
                       std::chrono::milliseconds wait = std::chrono::seconds(5)) {
    const DraftAddition added = AddDraftToCatalogue(dir, draft, wait);
    EXPECT_TRUE(added.refusal) << "added";
    EXPECT_FALSE(added.Added());
    return added.refusal.value_or(DraftRefusal::WriteFailed);
}

TEST(CatalogueDraftTest, AddsOnlyToTheFileItWasMadeFromAndOnlyUnderTheLock) {
    const TempDir dir;
    const std::string ini = Gbk("[ERRORLIST]\r\n01=101\r\n\r\n[ERROR_101]\r\n日志关键字=连接\r\n");
    dir.Write("ErrorList.ini", ini);
    DraftReservations reserved;
    const CatalogueDraft draft =
        DraftCatalogueEntry(ReadErrorListFile(dir.path()), {}, "GW", Gbk("超时"), reserved);

    // Changed since: refused, and the change stays as it is.
    dir.Write("ErrorList.ini", ini + "\r\n");
    EXPECT_EQ(RefusalOf(dir.path(), draft), DraftRefusal::Changed);
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), ini + "\r\n");
    dir.Write("ErrorList.ini", ini);

    // An update holds the lock.
    {
        DirectoryLock update(dir.path());
        ASSERT_EQ(update.TryTake(), DirectoryLock::Attempt::Taken);
        EXPECT_EQ(RefusalOf(dir.path(), draft, std::chrono::milliseconds(50)), DraftRefusal::Busy);
        // A stop ends the wait without an answer.
        StopSource stop;
        stop.request_stop();
        const DraftAddition stopped =
            AddDraftToCatalogue(dir.path(), draft, std::chrono::seconds(5), stop.get_token());
        EXPECT_TRUE(stopped.stopped);
        EXPECT_FALSE(stopped.refusal);
    }
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), ini);

    CatalogueDraft noKeyword = draft;
    noKeyword.keyword.reset();
    EXPECT_EQ(RefusalOf(dir.path(), noKeyword), DraftRefusal::NoKeyword);

    namespace fs = std::filesystem;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(dir / "ErrorList.ini", mode);
    EXPECT_TRUE(AddDraftToCatalogue(dir.path(), draft).Added());
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), WithDraftEntry(ini, draft));
    EXPECT_EQ(fs::status(dir / "ErrorList.ini").permissions(), mode);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    // Once added, the same draft is of a file that is no longer there.
    EXPECT_EQ(RefusalOf(dir.path(), draft), DraftRefusal::Changed);
}

// The catalogue's directory is writable by a group: neither a link planted under the
// old fixed temporary name nor one in the catalogue's place is written through or read.
// An addition that would take the file past the size every reader takes is refused
// with the file as it was.
TEST(CatalogueDraftTest, RefusesLinksAndACatalogueTheReaderWouldRefuse) {
    const TempDir dir;
    const std::string ini = Gbk("[ERRORLIST]\r\n01=101\r\n\r\n[ERROR_101]\r\n日志关键字=连接\r\n");
    const std::string victim = dir.Write("victim", "the victim's bytes\r\n");
    const auto draftOf = [&](const std::string& bytes) {
        DraftReservations reserved;
        return DraftCatalogueEntry({true, bytes}, {}, "GW", Gbk("超时"), reserved);
    };

    dir.Write("ErrorList.ini", ini);
    ASSERT_EQ(::symlink(victim.c_str(), (dir / "ErrorList.tmp").c_str()), 0);
    EXPECT_TRUE(AddDraftToCatalogue(dir.path(), draftOf(ini)).Added());
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), WithDraftEntry(ini, draftOf(ini)));
    EXPECT_EQ(ReadFileBytes(victim), "the victim's bytes\r\n");

    std::filesystem::remove(dir / "ErrorList.ini");
    ASSERT_EQ(::symlink(victim.c_str(), (dir / "ErrorList.ini").c_str()), 0);
    EXPECT_THROW(ReadErrorListFile(dir.path()), DraftRefused);
    std::filesystem::remove(dir / "ErrorList.ini");

    // 100 bytes below the limit: the entry's 130-odd bytes do not fit.
    const std::string padding =
        "; " + std::string(kIniFileMax - 100 - ini.size() - 4, 'x') + "\r\n";
    const std::string large = ini + padding;
    ASSERT_EQ(large.size(), kIniFileMax - 100);
    dir.Write("ErrorList.ini", large);
    EXPECT_EQ(RefusalOf(dir.path(), draftOf(large)), DraftRefusal::TooLarge);
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), large);
    // What fits is added.
    const std::string fits = ini + padding.substr(0, padding.size() - 400) + "\r\n";
    dir.Write("ErrorList.ini", fits);
    EXPECT_TRUE(AddDraftToCatalogue(dir.path(), draftOf(fits)).Added());
    EXPECT_LE(ReadFileBytes(dir / "ErrorList.ini").size(), kIniFileMax);
}

}  // namespace
}  // namespace corvane
