// The GBK constants are spelled as byte escapes; decoding them catches a wrong escape.

#include "catalog/GbkText.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {
namespace {

// GBK bytes to UTF-8; nothing when the bytes are not valid GBK.
std::optional<std::string> GbkToUtf8(std::string_view gbkBytes) {
    iconv_t cd = iconv_open("UTF-8", "GBK");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(gbkBytes);
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

struct Constant {
    const char* name;
    std::string_view gbkBytes;
    const char* utf8;
};

#define GBK_CONSTANT(name, text) \
    Constant { #name, gbk::name, text }

const std::vector<Constant>& AllConstants() {
    static const std::vector<Constant> all = {
        GBK_CONSTANT(kSecServiceList, "SERVICELIST"),
        GBK_CONSTANT(kSecServicePrefix, "SERVICE_"),
        GBK_CONSTANT(kSecExceptSuffix, "_EXCEPT"),
        GBK_CONSTANT(kKeyLogSubdir, "日志子目录"),
        GBK_CONSTANT(kKeyLogPrefix, "日志文件名称前缀"),
        GBK_CONSTANT(kKeyServiceName, "服务名称"),
        GBK_CONSTANT(kSecErrorList, "ERRORLIST"),
        GBK_CONSTANT(kSecErrorPrefix, "ERROR_"),
        GBK_CONSTANT(kSecMemoSuffix, "_MEMO"),
        GBK_CONSTANT(kKeyOwnerService, "所属服务代码"),
        GBK_CONSTANT(kKeyErrorName, "错误名称"),
        GBK_CONSTANT(kKeyKeyword, "日志关键字"),
        GBK_CONSTANT(kUnknownErrorName, "未知错误"),
        GBK_CONSTANT(kMsgOpenFailed, "打开日志文件失败："),
        GBK_CONSTANT(kMsgReadFailed, "读取日志文件出错："),
        GBK_CONSTANT(kMsgGzipCorrupt, "压缩日志文件已损坏或不完整："),
        GBK_CONSTANT(kMsgGzipTooLarge, "压缩日志文件解压后过大："),
        GBK_CONSTANT(kMsgGzipCacheFailed, "无法写入解压缓存："),
        GBK_CONSTANT(kCaptionPrompt, "提示"),
        GBK_CONSTANT(kMsgLargeFile, "日志文件大小超过20MB，分析速度会较慢，是否要继续分析？"),
        GBK_CONSTANT(kMsgFileName, "文件名："),
        GBK_CONSTANT(kProgressDone, "已分析:"),
        GBK_CONSTANT(kMsgBusy, "正在分析日志，请稍等！"),
        GBK_CONSTANT(kRowScanning, "正在分析..."),
        GBK_CONSTANT(kTabKnownPrefix, "已知错误["),
        GBK_CONSTANT(kTabUnknownPrefix, "未知错误["),
        GBK_CONSTANT(kMemoRawHeading, "【日志原文】"),
        GBK_CONSTANT(kMarkNew, "新"),
        GBK_CONSTANT(kMarkSpike, "突增"),
        GBK_CONSTANT(kMsgHistoryMovedAside, "历史数据库已损坏，已改名为："),
        GBK_CONSTANT(kMsgHistoryNotADatabase, "不是历史数据库，未作改动："),
        GBK_CONSTANT(kMsgHistoryOpenFailed, "无法打开历史数据库："),
        GBK_CONSTANT(kMsgHistoryTooNew, "历史数据库由较新版本的程序写成，无法使用："),
        GBK_CONSTANT(kMsgHistoryRecordFailed, "无法记录分析历史："),
        GBK_CONSTANT(kTabPatternsPrefix, "错误归类["),
        GBK_CONSTANT(kButtonDraftEntry, "生成目录条目"),
        GBK_CONSTANT(kDraftErrorName, "请填写错误名称"),
        GBK_CONSTANT(kDraftExplanation, "请填写错误说明"),
        GBK_CONSTANT(kDraftNoKeyword,
                     "未找到合适的日志关键字：模式的常量部分也出现在文件的其他行中"),
        GBK_CONSTANT(kDraftListLineHint, "下一行加到第一个 [ERRORLIST] 段的最后一个键之后"),
        GBK_CONSTANT(kDraftSectionsHint, "以下各段加到文件末尾"),
        GBK_CONSTANT(kButtonAddDraft, "加入错误目录"),
        GBK_CONSTANT(kDraftNoCode, "错误代码100至998均已占用"),
        GBK_CONSTANT(kMsgMetricsNoDate, "日期不是有效的日期，其计数未发送到指标服务器："),
        GBK_CONSTANT(kMsgMetricsKept,
                     "指标服务器未收到计数，已保存在历史数据库中，下次运行时再发送："),
        GBK_CONSTANT(kMsgMetricsNotKept, "指标服务器未收到计数，且历史数据库不可用，计数未保存："),
        GBK_CONSTANT(kMsgFleetQueryFailed, "无法查询指标服务器："),
        GBK_CONSTANT(kMsgFleetNoMetrics, "Server.ini 中没有 METRICS 节的 Url："),
    };
    return all;
}

TEST(GbkTextTest, EveryConstantDecodesToItsText) {
    ASSERT_EQ(GbkToUtf8("\xc8\xd5\xd6\xbe"), std::optional<std::string>("日志"))
        << "iconv has no GBK";
    for (const Constant& c : AllConstants()) {
        EXPECT_EQ(GbkToUtf8(c.gbkBytes), std::optional<std::string>(c.utf8)) << c.name;
    }
}

#ifdef CORVANE_SOURCE_DIR
// Every constant of the header is checked above, and its comment shows its text.
TEST(GbkTextTest, HeaderListsExactlyTheCheckedConstants) {
    std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/catalog/GbkText.h");
    ASSERT_TRUE(in.good());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);

    static const std::regex decl(R"(^\s*inline constexpr std::string_view (k\w+)\s*=)");
    std::vector<std::pair<std::string, std::string>> declared;  // name, comment above it
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::smatch m;
        if (!std::regex_search(lines[i], m, decl)) continue;
        std::string comment;
        if (i > 0 && lines[i - 1].rfind("// ", 0) == 0) comment = lines[i - 1].substr(3);
        declared.emplace_back(m[1].str(), comment);
    }

    const auto& checked = AllConstants();
    ASSERT_EQ(declared.size(), checked.size()) << "a constant was added without a check here";
    for (const auto& [name, comment] : declared) {
        auto it = std::find_if(checked.begin(), checked.end(),
                               [&](const Constant& c) { return name == c.name; });
        ASSERT_NE(it, checked.end()) << name << " is not checked";
        EXPECT_EQ(comment, it->utf8) << name;
    }
}
#endif

}  // namespace
}  // namespace corvane
