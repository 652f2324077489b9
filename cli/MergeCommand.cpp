// merge: every line of a day's logs of several services in one time order.
#include <optional>
#include <string>
#include <vector>

#include "base/GbkUtf8.h"
#include "cli/Commands.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "scan/AnalysisRun.h"
#include "timeline/DayMerge.h"

namespace corvane::cli {

namespace {

DayTime ClockOption(std::string_view option, const std::string& text) {
    const std::optional<DayTime> time = ParseClock(text);
    if (!time) throw UsageError(Say(Msg::BadClock, {option, text}));
    return *time;
}

// Output goes out in pieces of about this size, not line by line.
constexpr std::size_t kFlushLength = 64 * 1024;

}  // namespace

int MergeCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    MergeRange range;
    if (args.from || args.to) {
        range.all = false;
        if (args.from) range.from = ClockOption("--from", *args.from);
        if (args.to) range.to = ClockOption("--to", *args.to);
        if (range.from > range.to) throw UsageError(Say(Msg::FromAfterTo, {*args.from, *args.to}));
    }
    const std::string& directory = args.operands[0];
    const std::string& day = args.operands[1];
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(c.options.programDir, services);
    if (args.services) services = ChosenServices(std::move(services), TypedText(c, *args.services));
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    RequireDirectory(directory);

    std::vector<MergeSource> sources;
    std::vector<std::vector<std::string>> ignoreLists;
    for (const ServiceEntry& service : services) {
        std::string path = DayLogFile(directory, service.logPrefix, day);
        if (path.empty()) continue;
        sources.push_back({service.code, std::move(path)});
        ignoreLists.push_back(ReadIgnoreList(c.options.programDir, service.code));
    }
    if (sources.empty()) {
        c.err.Line(Say(Msg::NoDayLogs, {day, directory}));
        return 1;
    }
    DayMerge merge(sources, catalogue, ignoreLists, range, c.stop);

    // JSON is UTF-8 whatever --utf8 says: it goes out as it is made.
    LineWriter json(stdout, false);
    GbkToUtf8Converter converter;
    std::string out;
    std::string utf8;
    MergedLine line;
    while (merge.Next(line)) {
        const std::string& service = sources[line.source].service;
        if (args.json) {
            out += "{\"time\":\"" + ClockText(line.time) + "\",\"service\":";
            AppendJsonString(GbkToUtf8(service), out);
            out += ",\"line_number\":";
            AppendNumber(line.lineNumber, out);
            out += ",\"offset\":";
            AppendNumber(line.offset, out);
            out += ",\"code\":";
            if (line.code.empty())
                out += "null";
            else
                AppendJsonString(GbkToUtf8(line.code), out);
            out += ",\"text\":";
            utf8.clear();
            converter.Append(line.text, utf8);
            AppendJsonString(utf8, out);
            out += "}\n";
        } else {
            out += ClockText(line.time);
            out += '\t';
            out += service;
            out += '\t';
            AppendNumber(line.lineNumber, out);
            out += '\t';
            out += line.code.empty() ? std::string_view("-") : std::string_view(line.code);
            out += '\t';
            out += line.text;
            out += '\n';
        }
        if (out.size() >= kFlushLength) {
            (args.json ? json : c.out).Write(out);
            out.clear();
        }
    }
    (args.json ? json : c.out).Write(out);
    json.Flush();
    for (const std::string& problem : merge.Problems()) c.err.Line(problem);
    return merge.Problems().empty() ? 0 : 1;
}

}  // namespace corvane::cli
