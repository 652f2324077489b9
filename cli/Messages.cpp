#include "cli/Messages.h"

#include <array>
#include <optional>

#include "base/GbkUtf8.h"
#include "catalog/GbkText.h"
#include "scan/FileNameText.h"

namespace corvane::cli {
namespace {

struct Template {
    Msg id;
    std::string_view english;
    std::string_view chinese;  // UTF-8 here; GBK once said
};

// One row per message, in the order of Msg.
constexpr std::array<Template, static_cast<std::size_t>(Msg::Count)> kTemplates = {{
    {Msg::NumberAtLeastOne, "{1} takes a whole number of at least 1, not \"{2}\"",
     "{1} 需要不小于 1 的整数，而不是“{2}”"},
    {Msg::NumberAtMost, "{1} takes at most {2}, not \"{3}\"", "{1} 最大为 {2}，而不是“{3}”"},
    {Msg::UnknownOption, "unknown option {1}", "未知选项 {1}"},
    {Msg::NeedsValue, "{1} needs a value", "{1} 需要一个值"},
    {Msg::NoCommand, "no command given", "未给出命令"},
    {Msg::UnknownCommand, "unknown command {1}", "未知命令 {1}"},
    {Msg::DoesNotTake, "{1} does not take {2}", "{1} 不接受 {2}"},
    {Msg::OperandCount, "{1} takes {2} operand(s), not {3}",
     "{1} 需要 {2} 个操作数，而不是 {3} 个"},
    {Msg::FormsExclude, "--gbk and --utf8 exclude each other", "--gbk 与 --utf8 不能同时使用"},
    {Msg::BadDay, "DAY is eight characters, YYYYMMDD, not \"{1}\"",
     "DAY 须为八个字符（YYYYMMDD），而不是“{1}”"},
    {Msg::SeeHelp, "\"corvane-scan {1}--help\" says more", "详见“corvane-scan {1}--help”"},
    {Msg::NotGbkText, "\"{1}\" has no GBK form", "“{1}”无法用 GBK 表示"},
    {Msg::NoSuchService, "{1}: no service \"{2}\" in the catalogue",
     "{1}：服务目录中没有服务“{2}”"},
    {Msg::NoSuchErrorCode, "no error \"{1}\" in the catalogue", "错误目录中没有错误代码“{1}”"},
    {Msg::CannotReadDirectory, "cannot read the directory {1}: {2}", "无法读取目录 {1}：{2}"},
    {Msg::CannotWriteOutput, "cannot write the output: {1}", "无法写出输出：{1}"},
    {Msg::NoDayLogs, "no log file of the catalogue's services for {1} in {2}",
     "{2} 中没有服务目录中各服务 {1} 的日志文件"},
    {Msg::WaitingForDay, "no log file for {1} in {2} yet; waiting for the day's files",
     "{2} 中尚无 {1} 的日志文件；等待当天的文件出现"},
    {Msg::FollowMissing, "follow: {1} is not there", "跟踪：{1} 不存在"},
    {Msg::FollowNotAFile, "follow: {1} is not a file", "跟踪：{1} 不是文件"},
    {Msg::FollowUnreadable, "follow: {1} cannot be read", "跟踪：无法读取 {1}"},
    {Msg::FollowTruncated, "follow: {1} got shorter; read again from its start",
     "跟踪：{1} 变短了；从头重新读取"},
    {Msg::FollowReplaced, "follow: {1} is another file now; read again from its start",
     "跟踪：{1} 已换成另一个文件；从头重新读取"},
    {Msg::CannotReadLogDirectory, "cannot read the log directory {1}", "无法读取日志目录 {1}"},
    {Msg::BackfillProgress,
     "backfill {1}/{2} {3}: {4} services, {5} MB, {6} s scanning, {7} ms recording",
     "补录 {1}/{2} {3}：{4} 个服务，{5} MB，分析 {6} 秒，记录 {7} 毫秒"},
    {Msg::HistoryUsage, "history takes LOGDIR, or backfill LOGDIR without --service and --days",
     "history 需要 LOGDIR，或 backfill LOGDIR（不带 --service 和 --days）"},
    {Msg::DbWithoutRecord, "--db goes with run only together with --record",
     "run 只在带 --record 时接受 --db"},
    {Msg::BadTuning,
     "--tuning takes name=value pairs (similarity=0..100, wordcost=0..64, glued, stamps, "
     "punct, optional, slots, either, pairs, source =0|1), not \"{1}\"",
     "--tuning 需要 名称=值 的列表（similarity=0..100，wordcost=0..64，glued、stamps、"
     "punct、optional、slots、either、pairs、source =0|1），而不是“{1}”"},
    {Msg::DraftNeedsService, "draft needs --service CODE", "draft 需要 --service CODE"},
    {Msg::BadRank,
     "draft takes pattern ranks of at least 1, each once, separated by commas, not \"{1}\"",
     "draft 需要不小于 1 的模式序号（多个以逗号分隔，不重复），而不是“{1}”"},
    {Msg::NoPatternOfRank, "there is no pattern of rank {1}; {2} pattern(s) in {3}",
     "没有序号为 {1} 的模式；{3} 中共有 {2} 个模式"},
    {Msg::RankBeyondCap, "rank {1} is the group of lines beyond the pattern cap; it has no draft",
     "序号 {1} 是超出模式上限的行组，没有目录条目"},
    {Msg::DraftRefusedText, "draft: {1}", "draft：{1}"},
    {Msg::ErrorListUnchanged, "ErrorList.ini was not changed: {1}", "ErrorList.ini 未改动：{1}"},
    {Msg::NamesWithOneRank, "draft takes --name and --memo with one rank only",
     "draft 只在一个模式序号时接受 --name 和 --memo"},
    {Msg::NoDraftOrder,
     "no order of these patterns gives pattern {1} a keyword that takes "
     "exactly its lines",
     "这些模式无论按何种顺序加入，第{1}个模式都没有恰好对应其各行的日志关键字"},
    {Msg::DraftFirst,
     "the lines of pattern {2} hold every keyword of pattern {1}: add pattern {2}'s entry "
     "first, or both with draft --write {1},{2}",
     "第{1}个模式的关键字都出现在第{2}个模式的行中：先加入第{2}个模式的条目，或用 "
     "draft --write {1},{2} 同时加入"},
    {Msg::BadClock, "{1} takes a time of day HH:MM:SS, not \"{2}\"",
     "{1} 需要 HH:MM:SS 形式的时刻，而不是“{2}”"},
    {Msg::FromAfterTo, "--from {1} lies after --to {2}", "--from {1} 晚于 --to {2}"},
    {Msg::FleetNothingSent, "no installation has sent counts to the metrics server yet",
     "尚无装置向指标服务器发送过计数"},
    {Msg::UnsentUsage, "history --unsent takes no LOGDIR and no other option but --db",
     "history --unsent 不接受 LOGDIR，除 --db 外也不接受其他选项"},
}};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < kTemplates.size(); ++i)
        if (static_cast<std::size_t>(kTemplates[i].id) != i) return false;
    return true;
}
static_assert(InOrder(), "the templates stand in the order of Msg");

// The core's messages that reach the command line, by their fixed GBK text.
struct CoreText {
    std::string_view gbk;
    std::string_view english;
};
constexpr CoreText kCoreTexts[] = {
    {gbk::kMsgOpenFailed, "cannot open the log file "},
    {gbk::kMsgReadFailed, "error while reading the log file "},
    {gbk::kMsgGzipCorrupt, "the compressed log file is damaged or incomplete: "},
    {gbk::kMsgGzipTooLarge, "the compressed log file is too large decompressed: "},
    {gbk::kMsgGzipCacheFailed, "cannot write the decompressed copy: "},
    {gbk::kMsgHistoryMovedAside, "the history database was damaged and is renamed to "},
    {gbk::kMsgHistoryNotADatabase, "not a history database, left unchanged: "},
    {gbk::kMsgHistoryOpenFailed, "cannot open the history database: "},
    {gbk::kMsgHistoryTooNew,
     "the history database was written by a newer version of the program and cannot be "
     "used: "},
    {gbk::kMsgHistoryRecordFailed, "cannot record the run in the history: "},
    {gbk::kMsgMetricsNoDate, "the day is no date; its counts are not sent to the metrics server: "},
    {gbk::kMsgMetricsKept,
     "the metrics server did not take the counts; they are kept in the history and sent with "
     "the next run: "},
    {gbk::kMsgMetricsNotKept,
     "the metrics server did not take the counts, and without a usable history they are not "
     "kept: "},
    {gbk::kMsgFleetQueryFailed, "cannot query the metrics server: "},
    {gbk::kMsgFleetNoMetrics, "Server.ini has no Url in section METRICS: "},
    {gbk::kDraftNoKeyword,
     "no fitting log keyword: the pattern's constant parts stand in other lines of the file "
     "as well"},
    {gbk::kDraftNoCode, "the error codes 100 to 998 are all taken"},
    // The export's own texts (report/ExportFile.cpp): 写入导出文件失败：, and
    // 不能导出到本次分析的日志文件：
    {"\xd0\xb4\xc8\xeb\xb5\xbc\xb3\xf6\xce\xc4\xbc\xfe\xca\xa7\xb0\xdc\xa3\xba",
     "cannot write the export file "},
    {"\xb2\xbb\xc4\xdc\xb5\xbc\xb3\xf6\xb5\xbd\xb1\xbe\xb4\xce\xb7\xd6\xce\xf6\xb5\xc4\xc8\xd5"
     "\xd6\xbe\xce\xc4\xbc\xfe\xa3\xba",
     "cannot export onto a log file of this run: "},
};

// The core's own English messages that reach the command line (the draft's refusals,
// the catalogue's size limits), by their fixed pieces, with their Chinese: under a
// Chinese locale every fixed piece is put in Chinese and what lies between (a path, a
// number) stays.  The longer pieces stand before the shorter ones they hold.
struct EnglishText {
    std::string_view english;
    std::string_view chinese;  // UTF-8, made GBK when it is put in
};
constexpr EnglishText kCoreEnglish[] = {
    {"every error code from 100 to 998 is taken", "错误代码100至998均已占用"},
    {"no keyword gives exactly the pattern's lines; the entry would find nothing",
     "没有恰好对应该模式各行的日志关键字；条目将找不到任何行"},
    {"ErrorList.ini would not read the new entry (its [ERRORLIST] section is longer than the "
     "reader's 16,384-byte list of key names, or the keyword, the name or the explanation "
     "would not be read as it stands)",
     "ErrorList.ini 读不到新条目（其 [ERRORLIST] 段超过读取程序 16,384 字节的键名列表，"
     "或关键字、名称、说明不能照原样读出）"},
    {"ErrorList.ini changed since the draft was made; make the draft again",
     "生成条目之后 ErrorList.ini 已被修改；请重新生成条目"},
    {"the catalogue is being updated (the directory ", "错误目录正在更新（目录 "},
    {" stayed locked); try again", " 一直被锁定）；请稍后再试"},
    {"ErrorList.ini would grow to ", "ErrorList.ini 将增长到 "},
    {" bytes up to which the catalogue is read", " 字节的读取上限"},
    {" bytes, above the ", " 字节，超过 "},
    {"ErrorList.ini gives a catalogue of more than ", "ErrorList.ini 给出的错误目录超过 "},
    {" bytes (codes listed many times with long explanations); it is not loaded",
     " 字节（代码多次列出且说明很长）；未载入"},
    {" is larger than ", " 大于 "},
    {"cannot lock the directory ", "无法锁定目录 "},
    {"cannot create a new file beside ", "无法在旁边创建新文件："},
    {" (by way of ", "（经由 "},
    {"cannot read ", "无法读取 "},
    {"cannot write ", "无法写入 "},
    {"the error's name ", "错误名称"},
    {"a line of the explanation ", "错误说明的一行"},
    {"the keyword ", "日志关键字"},
    {"is empty", "为空"},
    {"holds a line end", "含换行"},
    {"holds a zero byte", "含空字符"},
    {"begins or ends with a blank, which the reader drops", "首尾有空格或制表符，读取时会被去掉"},
    {"stands in quotes, which the reader drops", "整体加了引号，读取时会被去掉"},
    {"is longer than the 2,047 bytes the reader takes", "超过读取程序接受的 2,047 字节"},
    {"the explanation has no line", "错误说明没有任何一行"},
    {"the explanation has more than ", "错误说明超过 "},
    {" lines", " 行"},
};

Language language = Language::English;

// `utf8`, a piece of a template, as held text; nothing when it has no GBK form here.
std::optional<std::string> Held(std::string_view utf8) {
    try {
        return FromUtf8(std::string(utf8), "GBK");
    } catch (const ConversionUnavailable&) {
        return std::nullopt;
    }
}

// The template with its arguments put in; the pieces of a Chinese template are made
// GBK one by one, so that no byte of a GBK character is ever taken for a brace.
std::optional<std::string> Fill(std::string_view text, bool chinese,
                                std::initializer_list<std::string_view> args) {
    std::string said;
    std::size_t literal = 0;
    const auto flush = [&](std::size_t end) {
        const std::string_view piece = text.substr(literal, end - literal);
        if (!chinese) {
            said += piece;
            return true;
        }
        const std::optional<std::string> held = Held(piece);
        if (held) said += *held;
        return held.has_value();
    };
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        if (text[i] != '{' || text[i + 2] != '}') continue;
        const std::size_t n = static_cast<std::size_t>(text[i + 1] - '0');
        if (n < 1 || n > args.size()) continue;
        if (!flush(i)) return std::nullopt;
        said += FileNameForMessage(std::string(args.begin()[n - 1]));
        literal = i + 3;
        i += 2;
    }
    if (!flush(text.size())) return std::nullopt;
    return said;
}

}  // namespace

void UseMessageLanguage(Language chosen) { language = chosen; }

std::string Say(Msg id, std::initializer_list<std::string_view> args) {
    const Template& t = kTemplates[static_cast<std::size_t>(id)];
    if (language == Language::Chinese)
        if (std::optional<std::string> said = Fill(t.chinese, true, args)) return *said;
    // Without a GBK table the English template is the one that can be shown.
    return *Fill(t.english, false, args);
}

std::string InLanguage(std::string_view coreMessage) {
    std::string text(coreMessage);
    if (language == Language::Chinese) {
        // Only pieces that are whole: what a piece put in Chinese holds is GBK, which no
        // later English piece matches.
        for (const EnglishText& core : kCoreEnglish) {
            std::size_t at = text.find(core.english);
            if (at == std::string::npos) continue;
            const std::optional<std::string> held = Held(core.chinese);
            if (!held) continue;
            for (; at != std::string::npos; at = text.find(core.english, at + held->size()))
                text.replace(at, core.english.size(), *held);
        }
        return text;
    }
    if (language != Language::English) return text;
    for (const CoreText& core : kCoreTexts) {
        const std::size_t at = text.find(core.gbk);
        if (at != std::string::npos) text.replace(at, core.gbk.size(), core.english);
    }
    return text;
}

}  // namespace corvane::cli
