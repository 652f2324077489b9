// `corvane-scan draft --write` on the demo catalogue and on a GBK one: each draft turns
// exactly its pattern's lines into known findings, the drafts take distinct codes, and
// a draft that would find nothing leaves the file alone.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Files.h"
#include "draft_support.h"

namespace corvane {
namespace {

using testing_support::Gbk;
using testing_support::ReadFileBytes;
using testing_support::RunCorvaneScan;
using testing_support::TempDir;
using testing_support::WriteDraftAndCheckRoundTrip;

TEST(DraftCliTest, EveryDemoPatternGoesIntoTheCatalogueInTurn) {
    const TempDir dir;
    const std::string demo = std::string(CORVANE_SOURCE_DIR) + "/demo/";
    for (const char* name : {"ServiceList.ini", "ErrorList.ini"})
        dir.Write(name, ReadFileBytes(demo + name));
    const std::string log = demo + "logs/Gateway20261202.log";
    const std::string listing = "patterns --program-dir " + dir.path() + " --service GW " + log;
    std::set<std::string> codes;
    // Each addition takes its pattern's lines out of the unknown errors, so the next
    // largest is rank 1 again.
    while (!RunCorvaneScan(listing).out.empty() && codes.size() < 5) {
        const std::string code = WriteDraftAndCheckRoundTrip(dir.path(), "GW", log, 1);
        ASSERT_FALSE(code.empty());
        EXPECT_TRUE(codes.insert(code).second) << code;
    }
    EXPECT_EQ(codes, (std::set<std::string>{"100", "113"}));
    EXPECT_EQ(RunCorvaneScan(listing).out, "");
}

TEST(DraftCliTest, GbkDraftsTakeDistinctCodesAndOneWithoutKeywordIsRefused) {
    const TempDir dir;
    dir.Write("ServiceList.ini",
              Gbk("[SERVICELIST]\r\n01=GW\r\n\r\n[SERVICE_GW]\r\n服务名称=网关\r\n"
                  "日志子目录=gw\r\n日志文件名称前缀=Gateway\r\n\r\n"
                  "[SERVICE_GW_EXCEPT]\r\n01=心跳\r\n"));
    dir.Write("ErrorList.ini",
              Gbk("; 目录\r\n[ERRORLIST]\r\n01=101\r\n; 列表到此\r\n\r\n[ERROR_101]\r\n"
                  "所属服务代码=GW\r\n错误名称=数据库连接失败\r\n日志关键字=数据库连接失败\r\n\r\n"
                  "[ERROR_101_MEMO]\r\n01=数据库不可用。\r\n"));
    std::string log;
    const char* names[] = {"张三", "李四", "王五", "赵六", "孙七", "周八"};
    for (int i = 0; i < 6; ++i)
        log += "2026-12-09 10:00:0" + std::to_string(i) + " [线程" + std::to_string(i) + "] 用户 " +
               names[i] + " 登录 failed （密码错误）\r\n";
    for (int i = 0; i < 5; ++i)
        log += "2026-12-09 10:01:0" + std::to_string(i) + " [线程" + std::to_string(i) + "] 订单 " +
               std::to_string(4711 + i * 13) + " 支付 failed 【余额不足】\r\n";
    for (int i = 0; i < 4; ++i)
        log += "2026-12-09 10:02:0" + std::to_string(i) + " [线程" + std::to_string(i) +
               "] 同步 库存 failed 重试 " + std::to_string(i + 2) + " 次\r\n";
    for (int i = 0; i < 3; ++i)
        log += "2026-12-09 10:03:0" + std::to_string(i) + " [线程" + std::to_string(i) +
               "] 备份 failed \r\n";
    // The patterns' texts elsewhere: in a known error (an earlier entry keeps it), in
    // an ignored line, in lines that are no finding ("failed" without a blank).
    log +=
        "2026-12-09 10:04:00 [线程7] 数据库连接失败 用户 吴九 登录 failed （密码错误）\r\n"
        "2026-12-09 10:04:01 [线程7] 心跳 订单 1 支付 failed 【余额不足】\r\n"
        "2026-12-09 10:04:02 [线程7] 同步 库存 成功\r\n"
        "2026-12-09 10:04:03 [线程7] 备份 failed\r\n";
    const std::string logFile = dir.Write("Gateway20261209.log", Gbk(log));

    std::set<std::string> codes;
    // The first draft goes in under the name and explanation its keeper gave.
    const std::string texts = Gbk("--name '支付失败' --memo '余额不足。' --memo '请充值。' ");
    for (const int rank : {2, 1, 1}) {
        const std::string code = WriteDraftAndCheckRoundTrip(dir.path(), "GW", logFile, rank,
                                                             codes.empty() ? texts : "");
        ASSERT_FALSE(code.empty()) << "rank " << rank;
        EXPECT_TRUE(codes.insert(code).second) << code;
    }
    EXPECT_EQ(codes, (std::set<std::string>{"100", "102", "103"}));
    EXPECT_NE(ReadFileBytes(dir / "ErrorList.ini")
                  .find(Gbk("错误名称=支付失败\r\n日志关键字=支付 failed 【余额不足】\r\n\r\n"
                            "[ERROR_100_MEMO]\r\n01=余额不足。\r\n02=请充值。\r\n")),
              std::string::npos);
    EXPECT_EQ(RunCorvaneScan("draft --program-dir " + dir.path() + " --service GW --name ' x' 1 " +
                             logFile)
                  .status,
              2);

    // What is left is the backup pattern, whose every text stands in a line that no entry
    // claims: nothing is written.
    const std::string prog = "--program-dir " + dir.path() + " ";
    const std::string left = RunCorvaneScan("patterns " + prog + "--service GW " + logFile).out;
    EXPECT_EQ(left.rfind("3\t", 0), 0u) << left;
    EXPECT_NE(left.find(Gbk("备份 failed")), std::string::npos) << left;
    EXPECT_EQ(left.find('\n'), left.size() - 1) << left;
    const std::string ini = ReadFileBytes(dir / "ErrorList.ini");
    const testing_support::CliResult refused =
        RunCorvaneScan("draft " + prog + "--service GW --write 1 " + logFile);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("no keyword"), std::string::npos) << refused.err;
    EXPECT_EQ(ReadFileBytes(dir / "ErrorList.ini"), ini);
    EXPECT_EQ(RunCorvaneScan("draft " + prog + "--service GW 2 " + logFile).status, 1);
}

}  // namespace
}  // namespace corvane
