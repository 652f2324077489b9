// corvane-scan over the demo catalogues and logs, byte for byte, as the GBK bytes the
// files hold (--gbk, whatever the locale): any change of what it
// prints shows as a diff of the files under tests/golden/demo/, which
// scripts/update-golden.sh rewrites.  `days` is left out: it lists the days in the
// order the file system reads the directory.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "Golden.h"
#include "TempDir.h"
#include "cli_support.h"

namespace corvane {
namespace {

using testing_support::ExpectGolden;
using testing_support::RunCliIn;

TEST(CliGoldenTest, DemoDataGivesTheRecordedOutput) {
    const testing_support::TempDir scratch;
    // The merges' time indexes go into the test's own directory.
    ::setenv("XDG_CACHE_HOME", scratch.path().c_str(), 1);
    const std::string demo = std::string(CORVANE_SOURCE_DIR) + "/demo";
    const std::string prog = "--program-dir " + demo + " ";
    const std::string logs = demo + "/logs";
    const struct {
        std::string args;
        const char* golden;
    } cases[] = {
        {"run " + prog + logs + " 20261201", "demo/run-20261201.txt"},
        {"run " + prog + logs + " 20261202", "demo/run-20261202.txt"},
        {"run " + prog + "--threads 1 " + logs + " 20261203", "demo/run-20261203.txt"},
        {"scan " + prog + "--line-numbers GW " + logs + "/Gateway20261201.log",
         "demo/scan-GW-20261201.txt"},
        {"scan " + prog + "--threads 3 MQ " + logs + "/MsgQueue20261202.log",
         "demo/scan-MQ-20261202.txt"},
        {"scan " + prog + "--json GW " + logs + "/Gateway20261201.log",
         "demo/scan-GW-20261201.json"},
        {"run " + prog + "--json " + logs + " 20261202", "demo/run-20261202.json"},
        {"catalogue " + prog, "demo/catalogue.txt"},
        {"explain " + prog + "101", "demo/explain-101.txt"},
        {"patterns " + prog + "--service GW " + logs + "/Gateway20261202.log",
         "demo/patterns-GW-20261202.txt"},
        {"grep " + prog + "timeout " + logs + " 20261202", "demo/grep-timeout-20261202.txt"},
        {"grep " + prog + "--json --services MQ,GW --regex --case-sensitive 'time(out)? ' " + logs +
             " 20261203",
         "demo/grep-json-20261203.txt"},
        {"timeline " + prog + "--minutes 60 " + logs + " 20261202", "demo/timeline-20261202.txt"},
        {"timeline " + prog + "--json --minutes 240 " + logs + " 20261203",
         "demo/timeline-20261203.json"},
        {"merge " + prog + "--from 10:00:00 --to 10:20:00 " + logs + " 20261202",
         "demo/merge-20261202.txt"},
        {"merge " + prog + "--json --services WEB,GW --from 09:00 --to 09:30 " + logs + " 20261203",
         "demo/merge-json-20261203.txt"},
    };
    for (const auto& test : cases) {
        // On a UTF-8 terminal, --gbk keeps the bytes the files hold.
        const testing_support::CliResult r =
            RunCliIn("LC_ALL=C.UTF-8", "--gbk " + test.args, scratch.path());
        EXPECT_EQ(r.status, 0) << test.args << "\n" << r.err;
        ExpectGolden(r.out, test.golden);
    }
    ::unsetenv("XDG_CACHE_HOME");
}

}  // namespace
}  // namespace corvane
