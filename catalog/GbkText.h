// GBK byte constants for the texts the core reads from INI files or hands to the window.
// Source files are UTF-8, so the GBK bytes are spelled as escapes; the core never decodes them.
#pragma once
#include <string_view>

namespace corvane::gbk {

// SERVICELIST
inline constexpr std::string_view kSecServiceList = "SERVICELIST";
// SERVICE_
inline constexpr std::string_view kSecServicePrefix = "SERVICE_";
// _EXCEPT
inline constexpr std::string_view kSecExceptSuffix = "_EXCEPT";
// 日志子目录
inline constexpr std::string_view kKeyLogSubdir = "\xc8\xd5\xd6\xbe\xd7\xd3\xc4\xbf\xc2\xbc";
// 日志文件名称前缀
inline constexpr std::string_view kKeyLogPrefix =
    "\xc8\xd5\xd6\xbe\xce\xc4\xbc\xfe\xc3\xfb\xb3\xc6\xc7\xb0\xd7\xba";
// 服务名称
inline constexpr std::string_view kKeyServiceName = "\xb7\xfe\xce\xf1\xc3\xfb\xb3\xc6";
// ERRORLIST
inline constexpr std::string_view kSecErrorList = "ERRORLIST";
// ERROR_
inline constexpr std::string_view kSecErrorPrefix = "ERROR_";
// _MEMO
inline constexpr std::string_view kSecMemoSuffix = "_MEMO";
// 所属服务代码
inline constexpr std::string_view kKeyOwnerService =
    "\xcb\xf9\xca\xf4\xb7\xfe\xce\xf1\xb4\xfa\xc2\xeb";
// 错误名称
inline constexpr std::string_view kKeyErrorName = "\xb4\xed\xce\xf3\xc3\xfb\xb3\xc6";
// 日志关键字
inline constexpr std::string_view kKeyKeyword = "\xc8\xd5\xd6\xbe\xb9\xd8\xbc\xfc\xd7\xd6";
// 未知错误
inline constexpr std::string_view kUnknownErrorName = "\xce\xb4\xd6\xaa\xb4\xed\xce\xf3";
// 打开日志文件失败：
inline constexpr std::string_view kMsgOpenFailed =
    "\xb4\xf2\xbf\xaa\xc8\xd5\xd6\xbe\xce\xc4\xbc\xfe\xca\xa7\xb0\xdc\xa3\xba";
// 读取日志文件出错：
inline constexpr std::string_view kMsgReadFailed =
    "\xb6\xc1\xc8\xa1\xc8\xd5\xd6\xbe\xce\xc4\xbc\xfe\xb3\xf6\xb4\xed\xa3\xba";
// 提示
inline constexpr std::string_view kCaptionPrompt = "\xcc\xe1\xca\xbe";
// 日志文件大小超过20MB，分析速度会较慢，是否要继续分析？
inline constexpr std::string_view kMsgLargeFile =
    "\xc8\xd5\xd6\xbe\xce\xc4\xbc\xfe\xb4\xf3\xd0\xa1\xb3\xac\xb9\xfd"
    "20MB\xa3\xac\xb7\xd6\xce\xf6\xcb\xd9\xb6\xc8\xbb\xe1\xbd\xcf\xc2\xfd\xa3\xac\xca\xc7\xb7\xf1"
    "\xd2\xaa\xbc\xcc\xd0\xf8\xb7\xd6\xce\xf6\xa3\xbf";
// 文件名：
inline constexpr std::string_view kMsgFileName = "\xce\xc4\xbc\xfe\xc3\xfb\xa3\xba";
// 已分析:
inline constexpr std::string_view kProgressDone = "\xd2\xd1\xb7\xd6\xce\xf6:";
// 正在分析日志，请稍等！
inline constexpr std::string_view kMsgBusy =
    "\xd5\xfd\xd4\xda\xb7\xd6\xce\xf6\xc8\xd5\xd6\xbe\xa3\xac\xc7\xeb\xc9\xd4\xb5\xc8\xa3\xa1";
// 正在分析...
inline constexpr std::string_view kRowScanning = "\xd5\xfd\xd4\xda\xb7\xd6\xce\xf6...";
// 已知错误[
inline constexpr std::string_view kTabKnownPrefix = "\xd2\xd1\xd6\xaa\xb4\xed\xce\xf3[";
// 未知错误[
inline constexpr std::string_view kTabUnknownPrefix = "\xce\xb4\xd6\xaa\xb4\xed\xce\xf3[";
// 【日志原文】
inline constexpr std::string_view kMemoRawHeading =
    "\xa1\xbe\xc8\xd5\xd6\xbe\xd4\xad\xce\xc4\xa1\xbf";
// 错误归类[
inline constexpr std::string_view kTabPatternsPrefix = "\xb4\xed\xce\xf3\xb9\xe9\xc0\xe0[";
// 生成目录条目
inline constexpr std::string_view kButtonDraftEntry =
    "\xc9\xfa\xb3\xc9\xc4\xbf\xc2\xbc\xcc\xf5\xc4\xbf";
// 请填写错误名称
inline constexpr std::string_view kDraftErrorName =
    "\xc7\xeb\xcc\xee\xd0\xb4\xb4\xed\xce\xf3\xc3\xfb\xb3\xc6";
// 请填写错误说明
inline constexpr std::string_view kDraftExplanation =
    "\xc7\xeb\xcc\xee\xd0\xb4\xb4\xed\xce\xf3\xcb\xb5\xc3\xf7";
// 未找到合适的日志关键字：模式的常量部分也出现在文件的其他行中
inline constexpr std::string_view kDraftNoKeyword =
    "\xce\xb4\xd5\xd2\xb5\xbd\xba\xcf\xca\xca\xb5\xc4\xc8\xd5\xd6\xbe\xb9\xd8\xbc\xfc\xd7\xd6\xa3"
    "\xba"
    "\xc4\xa3\xca\xbd\xb5\xc4\xb3\xa3\xc1\xbf\xb2\xbf\xb7\xd6\xd2\xb2\xb3\xf6\xcf\xd6\xd4\xda\xce"
    "\xc4"
    "\xbc\xfe\xb5\xc4\xc6\xe4\xcb\xfb\xd0\xd0\xd6\xd0";
// 错误代码100至998均已占用
inline constexpr std::string_view kDraftNoCode =
    "\xb4\xed\xce\xf3\xb4\xfa\xc2\xeb"
    "100\xd6\xc1"
    "998\xbe\xf9\xd2\xd1\xd5\xbc\xd3\xc3";

// Run history: the marks beside a code or pattern, and the messages about the database.
// 新
inline constexpr std::string_view kMarkNew = "\xd0\xc2";
// 突增
inline constexpr std::string_view kMarkSpike = "\xcd\xbb\xd4\xf6";
// 历史数据库已损坏，已改名为：
inline constexpr std::string_view kMsgHistoryMovedAside =
    "\xc0\xfa\xca\xb7\xca\xfd\xbe\xdd\xbf\xe2\xd2\xd1\xcb\xf0\xbb\xb5\xa3\xac\xd2\xd1\xb8\xc4"
    "\xc3\xfb\xce\xaa\xa3\xba";
// 不是历史数据库，未作改动：
inline constexpr std::string_view kMsgHistoryNotADatabase =
    "\xb2\xbb\xca\xc7\xc0\xfa\xca\xb7\xca\xfd\xbe\xdd\xbf\xe2\xa3\xac\xce\xb4\xd7\xf7\xb8\xc4"
    "\xb6\xaf\xa3\xba";
// 无法打开历史数据库：
inline constexpr std::string_view kMsgHistoryOpenFailed =
    "\xce\xde\xb7\xa8\xb4\xf2\xbf\xaa\xc0\xfa\xca\xb7\xca\xfd\xbe\xdd\xbf\xe2\xa3\xba";
// 历史数据库由较新版本的程序写成，无法使用：
inline constexpr std::string_view kMsgHistoryTooNew =
    "\xc0\xfa\xca\xb7\xca\xfd\xbe\xdd\xbf\xe2\xd3\xc9\xbd\xcf\xd0\xc2\xb0\xe6\xb1\xbe\xb5\xc4"
    "\xb3\xcc\xd0\xf2\xd0\xb4\xb3\xc9\xa3\xac\xce\xde\xb7\xa8\xca\xb9\xd3\xc3\xa3\xba";
// 无法记录分析历史：
inline constexpr std::string_view kMsgHistoryRecordFailed =
    "\xce\xde\xb7\xa8\xbc\xc7\xc2\xbc\xb7\xd6\xce\xf6\xc0\xfa\xca\xb7\xa3\xba";

}  // namespace corvane::gbk
