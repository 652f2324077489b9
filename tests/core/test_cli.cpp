// corvane-scan: the command-line contract (output bytes, exit status, errors).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "catalog/GbkText.h"
#include "scan_fakes.h"

namespace corvane {
namespace {

using testing_support::TempDir;

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result Cli(const std::string& args, const TempDir& dir) {
    const std::string errFile = dir.path() + "stderr.txt";
    const std::string cmd = std::string(CORVANE_SCAN_EXE) + " " + args + " 2>" + errFile;
    Result r{};
    FILE* p = ::popen(cmd.c_str(), "r");
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = ::pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    FILE* e = std::fopen(errFile.c_str(), "rb");
    while ((n = std::fread(buf, 1, sizeof buf, e)) > 0) r.err.append(buf, n);
    std::fclose(e);
    return r;
}

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
    EXPECT_EQ(missing.err, std::string(gbk::kMsgOpenFailed) + dir.path() + "nope.log\n");

    for (const std::string args :
         {"", "scan GW", "frobnicate", "--bogus days /", "days", "scan --program-dir"}) {
        const Result r = Cli(args, dir);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << args;
    }
    const Result help = Cli("--help", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("corvane-scan"), std::string::npos);
}

}  // namespace
}  // namespace corvane
