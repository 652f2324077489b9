// corvane-scan under the locales a user has: text in the locale's character set, each
// message in the locale's language, the help of each command, and the mistakes of a
// command line said with their exit status.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "Files.h"
#include "Gbk.h"
#include "TempDir.h"
#include "cli_support.h"
#include "locale_support.h"

namespace corvane {
namespace {

using testing_support::CliResult;
using testing_support::Gbk;

const std::string kDemo = CORVANE_SOURCE_DIR "/demo";
const std::string kProg = "--program-dir " + kDemo + "/ ";
const std::string kLogs = kDemo + "/logs";

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n') + 1); }

class CliLocaleTest : public ::testing::Test {
protected:
    CliResult Cli(const std::string& env, const std::string& args) const {
        return testing_support::RunCliIn(env, args, scratch.path());
    }
    testing_support::TempDir scratch;
};

TEST_F(CliLocaleTest, TextFollowsTheLocaleAndMessagesItsLanguage) {
    const std::optional<std::string> gbkLocale = testing_support::GbkLocaleEnv();
    if (!gbkLocale) GTEST_SKIP() << "no localedef to make zh_CN.GBK with";
    std::string gbkText = "-u LC_ALL " + *gbkLocale;
    gbkText.replace(gbkText.rfind("LC_ALL"), 6, "LC_MESSAGES=C LANG");
    const struct {
        std::string env;
        std::string option;
        bool utf8;     // text shown and typed in UTF-8 (else GBK)
        bool chinese;  // messages in Chinese
    } locales[] = {
        {"LC_ALL=C.UTF-8", "", true, false},
        {*gbkLocale, "", false, true},
        {"LC_ALL=C", "", false, false},
        {"LC_ALL=C.UTF-8", "--gbk ", false, false},
        {"LC_ALL=C", "--utf8 ", true, false},
        {gbkText, "", false, false},             // GBK text, messages of the C locale
        {"LC_ALL=xx_YY.utf8", "", true, false},  // a UTF-8 locale this system does not have
    };
    const std::string found =
        "GW\t1\t[07:00:25.890] INFO  [worker-10] 请求 968ed242 已转发到 "
        "report-svc，耗时 17ms\n";
    for (const auto& l : locales) {
        const std::string where = l.env + " " + l.option;
        const auto shown = [&](const std::string& utf8) { return l.utf8 ? utf8 : Gbk(utf8); };

        const CliResult run = Cli(l.env, l.option + "run " + kProg + kLogs + " 20261201");
        EXPECT_EQ(FirstLine(run.out), shown("网关服务\t80\t43\n")) << where;

        const CliResult missing = Cli(l.env, l.option + "scan " + kProg + "GW nofile.log");
        EXPECT_EQ(missing.status, 1) << where;
        EXPECT_EQ(missing.err, shown(l.chinese ? "corvane-scan: 打开日志文件失败：nofile.log\n"
                                               : "corvane-scan: cannot open the log file "
                                                 "nofile.log\n"))
            << where;

        const CliResult day = Cli(l.env, l.option + "run " + kProg + kLogs + " 2026125");
        EXPECT_EQ(day.status, 2) << where;
        EXPECT_EQ(FirstLine(day.err),
                  shown(l.chinese ? "corvane-scan: DAY 须为八个字符（YYYYMMDD），而不是“2026125”\n"
                                  : "corvane-scan: DAY is eight characters, YYYYMMDD, not "
                                    "\"2026125\"\n"))
            << where;

        // A message the core words in English comes in the locale's language too.
        const CliResult draft =
            Cli(l.env, l.option + "draft " + kProg + "--service GW --name ' x' 1 " + kLogs +
                           "/Gateway20261202.log");
        EXPECT_EQ(draft.status, 2) << where;
        EXPECT_EQ(
            FirstLine(draft.err),
            shown(l.chinese ? "corvane-scan: draft：错误名称首尾有空格或制表符，读取时会被去掉\n"
                            : "corvane-scan: draft: the error's name begins or ends with a "
                              "blank, which the reader drops\n"))
            << where;

        // The pattern is typed as the terminal types it; --json answers in UTF-8.
        const std::string grep = "grep " + kProg + shown("已转发") + " " + kLogs + " 20261202";
        const CliResult plain = Cli(l.env, l.option + grep);
        EXPECT_EQ(plain.status, 0) << where << plain.err;
        EXPECT_EQ(FirstLine(plain.out), shown(found)) << where;
        const CliResult json = Cli(l.env, l.option + "--json " + grep);
        EXPECT_EQ(FirstLine(json.out),
                  "{\"service\":\"GW\",\"line\":1,\"offset\":0,\"text\":\"[07:00:25.890] INFO  "
                  "[worker-10] 请求 968ed242 已转发到 report-svc，耗时 17ms\"}\n")
            << where;
    }
}

// Each mistake is said on stderr, with the status that tells a script what happened.
TEST_F(CliLocaleTest, MistakesAreSaidWithTheirExitStatus) {
    const std::string log = kLogs + "/Gateway20261202.log";
    const struct {
        std::string args;
        int status;
        std::string said;  // a part of the first line of stderr
    } cases[] = {
        {"run " + kProg + kLogs + " 2026125", 2, "DAY is eight characters"},
        {"run " + kProg + kLogs + " abc", 2, "DAY is eight characters"},
        {"grep " + kProg + "x " + kLogs + " 2026125", 2, "DAY is eight characters"},
        {"follow " + kProg + kLogs + " abc", 2, "DAY is eight characters"},
        {"timeline " + kProg + kLogs + " 202612011", 2, "DAY is eight characters"},
        {"merge " + kProg + kLogs + " abc", 2, "DAY is eight characters"},
        {"run " + kProg + kLogs + " 20261299", 1, "no log file of the catalogue's services"},
        {"grep " + kProg + "x " + kLogs + " 20261299", 1, "no log file"},
        {"timeline " + kProg + kLogs + " 20261299", 1, "no log file"},
        {"merge " + kProg + kLogs + " 20261299", 1, "no log file"},
        {"scan " + kProg + "XX " + log, 2, "scan: no service \"XX\" in the catalogue"},
        {"patterns " + kProg + "--service XX " + log, 2, "--service: no service \"XX\""},
        {"draft " + kProg + "--service XX 1 " + log, 2, "--service: no service \"XX\""},
        {"explain " + kProg + "777", 1, "no error \"777\" in the catalogue"},
        {"--gbk --utf8 days " + kLogs, 2, "--gbk and --utf8 exclude each other"},
    };
    for (const auto& c : cases) {
        const CliResult r = Cli(testing_support::kCliLocale, c.args);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        EXPECT_NE(FirstLine(r.err).find(c.said), std::string::npos) << c.args << "\n" << r.err;
        if (c.status == 2) {
            EXPECT_NE(r.err.find("usage: corvane-scan"), std::string::npos) << c.args;
        }
    }
    // A clean day with logs stays a success; explain still prints what it prints.
    EXPECT_EQ(Cli(testing_support::kCliLocale, "run " + kProg + kLogs + " 20261201").status, 0);
    EXPECT_EQ(Cli(testing_support::kCliLocale, "explain " + kProg + "777").out, Gbk("未知错误\n"));
    // follow of a day without files waits for them, and says so once.
    const CliResult follow = testing_support::RunCliIn(
        testing_support::kCliLocale, "follow " + kProg + kLogs + " 20261299", scratch.path(),
        "timeout --preserve-status -s INT 1 ");
    EXPECT_EQ(follow.status, 0);
    EXPECT_EQ(follow.err, "corvane-scan: no log file for 20261299 in " + kLogs +
                              " yet; waiting for the day's files\n");
}

// Every command of the list has a help of its own, with its usage and an example.
TEST_F(CliLocaleTest, EveryCommandHasItsOwnHelp) {
    const CliResult list = Cli(testing_support::kCliLocale, "--help");
    ASSERT_EQ(list.status, 0);
    std::istringstream lines(list.out);
    std::set<std::string> helps;
    for (std::string line; std::getline(lines, line);) {
        // A command's entry: two blanks, then its words in small letters.
        if (line.size() < 3 || line.rfind("  ", 0) != 0 || line[2] < 'a' || line[2] > 'z') continue;
        std::string command = line.substr(2, line.find(' ', 2) - 2);
        if (command == "history" && line.find("history backfill") == 2) command += " backfill";
        const CliResult help = Cli(testing_support::kCliLocale, command + " --help");
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("usage: corvane-scan " + command + " [OPTION...]", 0), 0u)
            << help.out;
        EXPECT_NE(help.out.find("\nExample:\n  corvane-scan " + command), std::string::npos)
            << help.out;
        helps.insert(help.out);
    }
    EXPECT_EQ(helps.size(), 17u) << list.out;
}

TEST_F(CliLocaleTest, TheManualPageIsTheOneTheProgramMakes) {
    const CliResult man = Cli(testing_support::kCliLocale, "--man");
    EXPECT_EQ(man.status, 0);
    EXPECT_EQ(man.out,
              testing_support::ReadFileBytes(CORVANE_SOURCE_DIR "/packaging/man/corvane-scan.1"))
        << "build/bin/corvane-scan --man >packaging/man/corvane-scan.1 makes it again";
}

}  // namespace
}  // namespace corvane
