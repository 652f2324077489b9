#include "report/HtmlReport.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "report/ExportFile.h"
#include "report/ExportText.h"
#include "scan/FindingText.h"

namespace corvane {
namespace {

using namespace report_text;

constexpr std::string_view kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.5em}h2{font-size:1.25em;margin-top:1.6em;border-bottom:1px solid #ccc}"
    "h3{font-size:1.1em}h4{font-size:1em;margin-bottom:.3em}"
    "table{border-collapse:collapse;margin:.3em 0 1em}"
    "th,td{border:1px solid #ccc;padding:.2em .5em;text-align:left;vertical-align:top}"
    "th{background:#f0f0f0}td.n{text-align:right}"
    "td.log{font-family:monospace;white-space:pre-wrap;word-break:break-all}"
    "p.note{color:#555;margin:.2em 0}";

// Escapes UTF-8 text for element content and attribute values.  Control characters
// other than the tab show as their pictures (a NUL as U+2400, CR and LF as U+2424),
// the way the window shows one log line on one line.
std::string Escape(std::string_view utf8) {
    std::string html;
    html.reserve(utf8.size() + utf8.size() / 8);
    for (char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            case '\'':
                html += "&#39;";
                break;
            case '\r':
            case '\n':
                html += "\xE2\x90\xA4";
                break;
            case '\t':
                html += c;
                break;
            default:
                if (b < 0x20) {
                    html += "\xE2\x90";
                    html += static_cast<char>(0x80 + b);
                } else if (b == 0x7F) {
                    html += "\xE2\x90\xA1";
                } else {
                    html += c;
                }
        }
    }
    return html;
}

// Decimal digits in groups of three: 12,897,234.
std::string Grouped(std::int64_t value) {
    const std::string digits = std::to_string(value);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::size_t left = digits.size() - i;
        if (i > 0 && left % 3 == 0 && digits[i - 1] != '-') text.push_back(',');
        text.push_back(digits[i]);
    }
    return text;
}

std::string SizeText(std::int64_t bytes) {
    std::string text = Grouped(bytes) + " 字节";
    if (bytes >= 1024) {
        static constexpr const char* kUnits[] = {"KiB", "MiB", "GiB", "TiB"};
        double value = static_cast<double>(bytes) / 1024;
        std::size_t unit = 0;
        while (value >= 1024 && unit + 1 < std::size(kUnits)) value /= 1024, ++unit;
        char buffer[48];
        std::snprintf(buffer, sizeof buffer, "（%.1f %s）", value, kUnits[unit]);
        text += buffer;
    }
    return text;
}

std::string SecondsText(double seconds) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.3f 秒", seconds);
    return buffer;
}

// "共 n 条", and how many of them follow when that is fewer.
std::string HowManyText(std::size_t total, std::size_t shown) {
    std::string text = "共 " + std::to_string(total) + " 条";
    if (shown < total) text += "，显示前 " + std::to_string(shown) + " 条";
    return text;
}

// The findings of one known error code within a service.
struct CodeGroup {
    std::string_view code;
    std::size_t count = 0;
    std::vector<std::size_t> first;  // positions of the first lines, in list order
};

class ReportWriter {
public:
    ReportWriter(const ExportedRun& run, std::ostream& out, const HtmlReportOptions& options)
        : run_(run), out_(out), options_(options), names_(run.catalogue, converter_) {}

    void Write() {
        out_ << "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
             << "<title>日志分析报告 " << Text(run_.day) << "</title>\n<style>" << kStyle
             << "</style>\n</head>\n<body>\n<h1>日志分析报告</h1>\n";
        WriteRunTable();
        WriteServiceTable();
        for (std::size_t i = 0; i < run_.services.size(); ++i) WriteService(i);
        out_ << "</body>\n</html>\n";
    }

private:
    // GBK text, decoded and escaped.
    std::string Text(std::string_view gbk) {
        std::string utf8;
        converter_.Append(gbk, utf8);
        return Escape(utf8);
    }

    void WriteRunTable() {
        double seconds = 0;
        std::int64_t bytes = 0;
        for (const ServicePass* s : run_.services) seconds += s->seconds, bytes += s->logStamp.size;
        out_ << "<table class=\"run\">\n"
             << "<tr><th>日志目录</th><td>" << Escape(FileNameToUtf8(run_.logDirectory))
             << "</td></tr>\n"
             << "<tr><th>日期</th><td>" << Text(run_.day) << "</td></tr>\n"
             << "<tr><th>扫描用时</th><td>" << SecondsText(seconds) << "</td></tr>\n"
             << "<tr><th>扫描大小</th><td>" << SizeText(bytes) << "</td></tr>\n"
             << "</table>\n";
    }

    void WriteServiceTable() {
        out_ << "<h2>服务</h2>\n<table class=\"services\">\n<tr><th>" << kServiceName << "</th><th>"
             << kServiceCode << "</th><th>" << kKnownErrors << "</th><th>" << kUnknownErrors
             << "</th><th>文件大小</th><th>扫描用时</th></tr>\n";
        for (std::size_t i = 0; i < run_.services.size(); ++i) {
            const ServicePass& s = *run_.services[i];
            out_ << "<tr><td><a href=\"#s" << i + 1 << "\">" << Text(s.caption) << "</a></td><td>"
                 << Text(s.serviceCode) << "</td><td class=\"n\">" << s.known
                 << "</td><td class=\"n\">" << s.unknown << "</td><td class=\"n\">"
                 << SizeText(s.logStamp.size) << "</td><td class=\"n\">" << SecondsText(s.seconds)
                 << "</td></tr>\n";
        }
        out_ << "</table>\n";
    }

    void WriteService(std::size_t index) {
        const ServicePass& service = *run_.services[index];
        out_ << "<section id=\"s" << index + 1 << "\">\n<h2>" << Text(service.caption) << "（"
             << Text(service.serviceCode) << "）</h2>\n";
        WriteKnownErrors(service.findings);
        WriteUnknownErrors(service.findings);
        out_ << "</section>\n";
    }

    // The known errors grouped by code, most frequent first (ties in the order the
    // codes first occur), each with its name, count and first lines.
    void WriteKnownErrors(const FindingList& findings) {
        std::vector<CodeGroup> groups;
        std::unordered_map<std::string_view, std::size_t> groupOf;
        std::size_t known = 0;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const std::string_view code = findings[i].Code();
            if (code == kUnknownCode) continue;
            ++known;
            const auto [it, added] = groupOf.emplace(code, groups.size());
            if (added) groups.push_back(CodeGroup{code, 0, {}});
            CodeGroup& group = groups[it->second];
            if (group.first.size() < options_.linesPerCode) group.first.push_back(i);
            ++group.count;
        }
        std::stable_sort(groups.begin(), groups.end(),
                         [](const CodeGroup& a, const CodeGroup& b) { return a.count > b.count; });

        out_ << "<h3>" << kKnownErrors << "</h3>\n<p class=\"note\">" << HowManyText(known, known)
             << "，" << groups.size() << " 种错误代码</p>\n";
        if (groups.empty()) return;
        out_ << "<table class=\"codes\">\n<tr><th>" << kErrorCode << "</th><th>" << kErrorName
             << "</th><th>条数</th></tr>\n";
        for (const CodeGroup& group : groups) {
            out_ << "<tr><td>" << Text(group.code) << "</td><td>" << Escape(names_.Name(group.code))
                 << "</td><td class=\"n\">" << group.count << "</td></tr>\n";
        }
        out_ << "</table>\n";
        for (const CodeGroup& group : groups) {
            out_ << "<h4>" << Text(group.code) << " " << Escape(names_.Name(group.code))
                 << "</h4>\n<p class=\"note\">" << HowManyText(group.count, group.first.size())
                 << "</p>\n";
            WriteLines(findings, group.first, true);
        }
    }

    // The unknown errors: a plain list of the first lines.  Once unknown errors can
    // be grouped into patterns, this is the one place that shows the groups instead.
    void WriteUnknownErrors(const FindingList& findings) {
        std::vector<std::size_t> first;
        std::size_t count = 0;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            if (findings[i].Code() != kUnknownCode) continue;
            if (first.size() < options_.unknownLines) first.push_back(i);
            ++count;
        }
        out_ << "<h3>" << kUnknownErrors << "</h3>\n<p class=\"note\">"
             << HowManyText(count, first.size()) << "</p>\n";
        WriteLines(findings, first, false);
    }

    void WriteLines(const FindingList& findings, const std::vector<std::size_t>& positions,
                    bool withTime) {
        if (positions.empty()) return;
        out_ << "<table class=\"lines\">\n<tr><th>" << kLineNumber << "</th>";
        if (withTime) out_ << "<th>" << kTime << "</th>";
        out_ << "<th>" << kLogLine << "</th></tr>\n";
        for (const std::size_t i : positions) {
            const std::string_view finding = findings[i].text;
            out_ << "<tr><td class=\"n\">" << LineNumberText(findings[i]) << "</td>";
            if (withTime) out_ << "<td>" << Text(TimeField(finding)) << "</td>";
            out_ << "<td class=\"log\">" << Text(LogLine(finding)) << "</td></tr>\n";
        }
        out_ << "</table>\n";
    }

    const ExportedRun& run_;
    std::ostream& out_;
    const HtmlReportOptions& options_;
    GbkToUtf8Converter converter_;
    ErrorNames names_;
};

}  // namespace

void WriteHtmlReport(const ExportedRun& run, std::ostream& out, const HtmlReportOptions& options) {
    ReportWriter(run, out, options).Write();
}

void SaveHtmlReport(const ExportedRun& run, const std::string& path,
                    const HtmlReportOptions& options) {
    WriteExportFile(
        path, [&](std::ostream& out) { WriteHtmlReport(run, out, options); }, run.logFiles);
}

}  // namespace corvane
