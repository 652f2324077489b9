// corvane-scan: the command-line contract (output bytes, exit status, errors).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "CoreFakes.h"
#include "Files.h"
#include "Golden.h"
#include "catalog/GbkText.h"
#include "cli_support.h"

namespace corvane {
namespace {

using testing_support::TempDir;

using Result = testing_support::CliResult;

Result Cli(const std::string& args, const TempDir& dir) {
    return testing_support::RunCli(args, dir.path());
}

// The CSV of the run of 20261201 in CliTest's directory.
const std::string kRunCsv =
    "\xEF\xBB\xBF服务名称,服务代码,错误代码,错误名称,发生时间,行号,日志原文\r\n"
    "网关,GW,101,Boom,a boom,1,a boom\r\n"
    "网关,GW,999,未知错误,b failed,3,b failed \r\n"
    "网关,GW,101,Boom,错 boom,4,错 boom\r\n";

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 网关 (GBK) as the service name; code 101 shared by two entries.
        dir.Write("ServiceList.ini", "[SERVICELIST]\r\n1=GW\r\n[SERVICE_GW]\r\n" +
                                         std::string(gbk::kKeyServiceName) +
                                         "=\xcd\xf8\xb9\xd8\r\n" + std::string(gbk::kKeyLogPrefix) +
                                         "=Gw\r\n" + std::string(gbk::kKeyLogSubdir) +
                                         "=gw\r\n[SERVICE_GW_EXCEPT]\r\n1=noise\r\n");
        dir.Write("ErrorList.ini", "[ERRORLIST]\r\n1=101\r\n2=101\r\n[ERROR_101]\r\n" +
                                       std::string(gbk::kKeyOwnerService) + "=GW\r\n" +
                                       std::string(gbk::kKeyErrorName) + "=Boom\r\n" +
                                       std::string(gbk::kKeyKeyword) +
                                       "=boom\r\n[ERROR_101_MEMO]\r\n01=first\r\n");
        dir.Write("Gw20261201.log", "a boom\r\nnoise failed \r\nb failed \r\n\xb4\xed boom\r\n");
        prog = "--program-dir " + dir.path() + " ";
    }
    TempDir dir;
    std::string prog;
};

TEST_F(CliTest, ScanPrintsFindingsThenUnknownAndKnownCounts) {
    const Result r = Cli("scan " + prog + "GW " + dir.path() + "Gw20261201.log", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "101|a boom\n999|b failed \n101|\xb4\xed boom\n1\n2\n");
    const Result utf8 = Cli("--utf8 scan " + prog + "GW " + dir.path() + "Gw20261201.log", dir);
    EXPECT_EQ(utf8.out, "101|a boom\n999|b failed \n101|\xe9\x94\x99 boom\n1\n2\n");  // 错
}

TEST_F(CliTest, ScanWithLineNumbersPutsEachFindingsLineBeforeIt) {
    for (const std::string threads : {"", "--threads 1 ", "--threads 3 "}) {
        const Result r = Cli(
            "scan " + prog + threads + "--line-numbers GW " + dir.path() + "Gw20261201.log", dir);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "1\t101|a boom\n3\t999|b failed \n4\t101|\xb4\xed boom\n1\n2\n");
    }
    for (const std::string n : {"0", "-1", "x", "2x", ""}) {
        const Result r = Cli("scan " + prog + "--threads " + n + " GW /dev/null", dir);
        EXPECT_EQ(r.status, 2) << n;
    }
}

TEST_F(CliTest, RunCatalogueExplainAndDays) {
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    EXPECT_EQ(Cli("run " + prog + logs + " 20261201", dir).out, "\xcd\xf8\xb9\xd8\t2\t1\n");
    EXPECT_EQ(Cli("run " + prog + logs + " 20261202", dir).out, "");
    EXPECT_EQ(Cli("catalogue " + prog, dir).out,
              "SERVICE\tGW\t\xcd\xf8\xb9\xd8\tgw\tGw\nIGNORE\tGW\tnoise\n"
              "ERROR\t101\tGW\tBoom\tboom\nMEMO\t101\tfirst\nERROR\t101\tGW\tBoom\tboom\nMEMO\t101"
              "\tfirst\n");
    EXPECT_EQ(Cli("explain " + prog + "101", dir).out, "Boom\nfirst\nfirst\n");
    EXPECT_EQ(Cli("explain " + prog + "999", dir).out, std::string(gbk::kUnknownErrorName) + "\n");
    EXPECT_EQ(Cli("days " + logs, dir).out, "20261201\n");
}

TEST_F(CliTest, FailuresAndUsageErrors) {
    const Result missing = Cli("scan " + prog + "GW " + dir.path() + "nope.log", dir);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "corvane-scan: cannot open the log file " + dir.path() + "nope.log\n");

    for (const std::string args :
         {"", "scan GW", "frobnicate", "--bogus days /", "days", "scan --program-dir"}) {
        const Result r = Cli(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
    }
    const Result help = Cli("--help", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("corvane-scan"), std::string::npos);
    // The version is the build's project version, whatever else stands on the line.
    for (const std::string args : {"--version", "--version days /", "scan --version"}) {
        const Result version = Cli(args, dir);
        EXPECT_EQ(version.status, 0) << args;
        EXPECT_EQ(version.out, "corvane-scan " CORVANE_PROJECT_VERSION "\n") << args;
    }
}

TEST_F(CliTest, RunExportsCsvAndHtml) {
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    const std::string csv = dir.path() + "out.csv", html = dir.path() + "out.html";
    const Result r =
        Cli("run " + prog + "--csv " + csv + " --html " + html + " " + logs + " 20261201", dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "\xcd\xf8\xb9\xd8\t2\t1\n");
    EXPECT_EQ(testing_support::ReadFileBytes(csv), kRunCsv);
    const std::string report = testing_support::ReadFileBytes(html);
    EXPECT_NE(report.find("<td>" + logs + "</td>"), std::string::npos);
    EXPECT_NE(report.find(">网关</a></td><td>GW</td><td class=\"n\">2</td><td class=\"n\">1</td>"),
              std::string::npos);

    // An export that cannot be written fails the command, naming the file; the
    // options belong to run alone.
    const Result unwritable =
        Cli("run " + prog + "--csv " + dir.path() + "no/out.csv " + logs + " 20261201", dir);
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find(dir.path() + "no/out.csv"), std::string::npos);
    EXPECT_EQ(Cli("days --csv " + csv + " " + logs, dir).status, 2);
    EXPECT_EQ(Cli("run " + prog + logs + " 20261201 --html", dir).status, 2);
}

// A FIFO or a pipe is written straight into; an export onto a log of the run is
// refused before anything is written.
TEST_F(CliTest, RunExportsIntoPipesButNeverOntoItsLogs) {
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    const std::string run = "run " + prog + logs + " 20261201";
    // The test holds both ends of the FIFO: neither side ever waits, and a FIFO that
    // was replaced by a file simply stays empty.
    const std::string fifo = dir.path() + "export.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int ends = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(ends, 0);
    EXPECT_EQ(Cli("--csv " + fifo + " " + run, dir).status, 0);
    char bytes[65536];
    const ssize_t n = ::read(ends, bytes, sizeof bytes);
    ::close(ends);
    EXPECT_EQ(std::string(bytes, n > 0 ? static_cast<std::size_t>(n) : 0), kRunCsv);
    struct stat st {};
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));

    // /dev/stdout links here; naming the link's target keeps a regression from
    // replacing the machine's /dev/stdout.
    const Result piped = Cli("--csv /proc/self/fd/1 " + run, dir);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.out, "\xcd\xf8\xb9\xd8\t2\t1\n" + kRunCsv);
    EXPECT_EQ(Cli("--csv /proc/self/fd/1 " + run + " >" + dir.path() + "out.txt", dir).status, 0);
    EXPECT_EQ(testing_support::ReadFileBytes(dir.path() + "out.txt"),
              "\xcd\xf8\xb9\xd8\t2\t1\n" + kRunCsv);

    const std::string log = dir.path() + "Gw20261201.log";
    const std::string before = testing_support::ReadFileBytes(log);
    for (const std::string& target : {log, dir.path() + "./Gw20261201.log"}) {
        const Result onto = Cli("--html " + target + " " + run, dir);
        EXPECT_EQ(onto.status, 1) << target;
        EXPECT_NE(onto.err.find(target), std::string::npos) << onto.err;
        EXPECT_EQ(testing_support::ReadFileBytes(log), before);
    }
}

// Every command that reads a log refuses what is not a regular file, as scan does,
// instead of waiting on a FIFO or reading a device for ever.
TEST_F(CliTest, CommandsThatReadALogRefuseFifosAndDevices) {
    const std::string fifo = dir.path() + "Gw20261202.log";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& file : {fifo, std::string("/dev/zero")}) {
        for (const std::string& command : {"scan " + prog + "GW ", std::string("patterns "),
                                           "patterns " + prog + "--service GW "}) {
            const Result r = Cli(command + file, dir);
            EXPECT_EQ(r.status, 1) << command << file;
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, "corvane-scan: cannot open the log file " + file + "\n")
                << command << file;
        }
    }
    // grep names a day's file it could not search, and fails: a FIFO, a corrupt .gz.
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    const std::string gz = dir.Write("Gw20261203.log.gz", "\x1f\x8b not gzip");
    for (const auto& [day, message] :
         {std::pair{"20261202", "corvane-scan: cannot open the log file " + fifo},
          std::pair{"20261203",
                    "corvane-scan: the compressed log file is damaged or incomplete: " + gz}}) {
        const Result r = Cli("grep " + prog + "x " + logs + " " + std::string(day), dir);
        EXPECT_EQ(r.status, 2) << day;
        EXPECT_EQ(r.err, message + "\n") << day;
    }
}

// Where options may stand, which command takes which, and the exit status of each line.
TEST_F(CliTest, OptionRulesAndExitStatus) {
    const std::string log = dir.path() + "Gw20261201.log";
    const std::string logs = dir.path().substr(0, dir.path().size() - 1);
    const struct {
        std::string args;
        int status;
    } cases[] = {
        {"--utf8 scan " + prog + "GW " + log, 0},
        {"scan --utf8 " + prog + "--threads 2 GW " + log, 0},
        {"--threads 1 --line-numbers scan " + prog + "GW " + log, 0},
        {"scan " + prog + "GW --help", 1},  // a log file named "--help"
        {"scan " + prog + "-- GW " + log, 0},
        {"scan GW " + prog + log, 2},  // options end at the first operand
        {"scan --threads 0 " + prog + "GW " + log, 2},
        {"scan --threads 2x " + prog + "GW " + log, 2},
        {"scan --threads 1073741824 " + prog + "GW " + log, 2},
        {"run --threads 1073741824 " + prog + logs + " 20261201", 2},
        {"patterns --threads 1073741824 " + prog + "--service GW " + log, 2},
        {"scan --threads 1024 " + prog + "GW " + log, 0},
        {"run --line-numbers " + prog + logs + " 20261201", 2},
        {"days --threads 2 " + logs, 2},
        {"days " + prog + logs, 2},
        {"days --default x " + logs, 2},
        {"explain --service GW " + prog + "101", 2},
        {"ini --default x " + dir.path() + "ServiceList.ini", 0},
        {"scan --help", 0},
        {"days -- -not-a-directory", 1},
        {"days " + dir.path() + "missing", 1},
        {"run " + prog + dir.path() + "missing 20261201", 1},
        {"days " + logs + " >/dev/full", 1},
        {"scan " + prog + "GW " + log + " >/dev/full", 1},
    };
    for (const auto& c : cases) {
        const Result r = Cli(c.args, dir);
        EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
        if (c.status == 1) {
            EXPECT_NE(r.err, "") << c.args;
        }
    }
    EXPECT_EQ(Cli("days " + dir.path() + "missing", dir).err,
              "corvane-scan: cannot read the directory " + dir.path() +
                  "missing: No such file or directory\n");
    EXPECT_EQ(Cli("days " + logs + " >/dev/full", dir).err,
              "corvane-scan: cannot write the output: No space left on device\n");
}

TEST_F(CliTest, IniPrintsWhatTheProgramReads) {
    const std::string ini = dir.Write("probe.ini",
                                      "[One]\r\nk=\"quoted\"\r\n\xc3\xfb=GBK name\r\n[two]\r\n"
                                      "k=" +
                                          std::string(3000, 'v') + "\r\n[one]\r\nlost=1\r\n");
    EXPECT_EQ(Cli("ini " + ini, dir).out, "One\ntwo\none\n");
    EXPECT_EQ(Cli("ini " + ini + " ONE", dir).out, "k\n\xc3\xfb\n");
    EXPECT_EQ(Cli("ini " + ini + " one k", dir).out, "quoted\n");
    EXPECT_EQ(Cli("ini " + ini + " two k", dir).out, std::string(2047, 'v') + "\n");
    EXPECT_EQ(Cli("ini " + ini + " one lost", dir).out, "\n");
    EXPECT_EQ(Cli("ini --default \"no such key\" " + ini + " one lost", dir).out, "no such key\n");
    // 名 is C3 FB in GBK and E5 90 8D in UTF-8.
    EXPECT_EQ(Cli("--utf8 ini " + ini + " one \xe5\x90\x8d", dir).out, "GBK name\n");
    EXPECT_EQ(Cli("--utf8 ini " + ini + " one", dir).out, "k\n\xe5\x90\x8d\n");
    const Result missing = Cli("ini --default d " + dir.path() + "none.ini s k", dir);
    EXPECT_EQ(missing.status, 0);
    EXPECT_EQ(missing.out, "d\n");
}

TEST_F(CliTest, OversizedCatalogueIsRefusedWithAMessage) {
    dir.Write("ErrorList.ini", "");
    ASSERT_EQ(::truncate((dir.path() + "ErrorList.ini").c_str(), (std::int64_t{16} << 20) + 1), 0);
    const Result r = Cli("explain " + prog + "101", dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "corvane-scan: ErrorList.ini is too large to read (16777217 bytes; INI files of at "
              "most 16777216 "
              "bytes are read)\n");
}

// Catalogues with one fault of each kind give the golden warnings; the demo none.
TEST_F(CliTest, CheckNamesEveryFaultAndPassesTheDemo) {
    const Result r = Cli("--utf8 check --program-dir " + testing_support::GoldenDir("check"), dir);
    EXPECT_EQ(r.status, 1);
    testing_support::ExpectGolden(r.out, "check/check.txt");

    const Result demo = Cli("check --program-dir " CORVANE_SOURCE_DIR "/demo", dir);
    EXPECT_EQ(demo.status, 0);
    EXPECT_EQ(demo.out, "");

    const Result none = Cli("check --program-dir " + dir.path() + "missing/", dir);
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.out,
              "ServiceList.ini\t0\t\t\tthe file does not exist; the catalogue is empty\n"
              "ErrorList.ini\t0\t\t\tthe file does not exist; the catalogue is empty\n");
}

// A million warnings (2 MiB of "[" lines, each a repeat of the first section) go out as
// they are found; held until the end, they took some 250 MB.
TEST_F(CliTest, CheckOfAHugeCatalogueStaysSmall) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitizer's own memory would hide the program's";
#endif
    std::string lines;
    for (int i = 0; i < (1 << 20); ++i) lines += "[\n";
    dir.Write("ServiceList.ini", lines);
    const auto check = testing_support::MeasureCli({"check", "--program-dir", dir.path()});
    EXPECT_EQ(check.status, 1);
    // Each repeat, [SERVICELIST] missing, and code 101 listed twice in ErrorList.ini.
    EXPECT_EQ(check.lines, std::size_t{(1 << 20) - 1 + 1 + 1});
    EXPECT_LT(check.peakKiB, 80 * 1024);
}

}  // namespace
}  // namespace corvane
