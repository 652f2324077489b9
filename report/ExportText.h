// Texts shared by the export writers: the column captions, error names per code,
// and the line number of a finding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "report/ExportedRun.h"
#include "report/Utf8Text.h"

namespace corvane::report_text {

// Column captions, as the window names the same columns.
inline constexpr std::string_view kServiceName = "服务名称";
inline constexpr std::string_view kServiceCode = "服务代码";
inline constexpr std::string_view kErrorCode = "错误代码";
inline constexpr std::string_view kErrorName = "错误名称";
inline constexpr std::string_view kTime = "发生时间";
inline constexpr std::string_view kLineNumber = "行号";
inline constexpr std::string_view kLogLine = "日志原文";
inline constexpr std::string_view kKnownErrors = "已知错误";
inline constexpr std::string_view kUnknownErrors = "未知错误";

// Decoded text in which a NUL byte shows as U+2400, as it does in the window.
inline std::string DisplayText(GbkToUtf8Converter& converter, std::string_view gbk) {
    std::string utf8;
    converter.Append(gbk, utf8);
    for (std::size_t at = utf8.find('\0'); at != std::string::npos; at = utf8.find('\0', at))
        utf8.replace(at, 1, "\xE2\x90\x80");
    return utf8;
}

// Error names by code, decoded; looking a code up in the catalogue walks all of it,
// and a run has few codes but may have millions of findings.
class ErrorNames {
public:
    ErrorNames(const ErrorCatalogue* catalogue, GbkToUtf8Converter& converter)
        : catalogue_(catalogue), converter_(converter) {}
    const std::string& Name(std::string_view code) {
        const std::string key(code);
        auto it = names_.find(key);
        if (it == names_.end()) {
            static const ErrorCatalogue kEmpty;
            const std::string name = LookupErrorName(code, catalogue_ ? *catalogue_ : kEmpty);
            it = names_.emplace(key, DisplayText(converter_, name)).first;
        }
        return it->second;
    }

private:
    const ErrorCatalogue* catalogue_;
    GbkToUtf8Converter& converter_;
    std::unordered_map<std::string, std::string> names_;
};

// The 1-based line number of a finding as decimal text, or empty when its place is
// not known.
inline std::string LineNumberText(const Finding& finding) {
    if (finding.place.line <= 0) return {};
    return std::to_string(finding.place.line);
}

}  // namespace corvane::report_text
