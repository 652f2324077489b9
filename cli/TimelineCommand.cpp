// timeline: the findings of a day counted per time slot, service by service.
#include <string>
#include <vector>

#include "base/GbkUtf8.h"
#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "timeline/FindingTimes.h"
#include "timeline/TimeSlots.h"

namespace corvane::cli {

namespace {

std::string SlotJson(const std::string& service, const TimeSlot& slot) {
    std::string line = "{\"service\":";
    AppendJsonString(GbkToUtf8(service), line);
    line += ",\"start\":\"" + MinuteText(slot.start) + "\",\"known\":";
    AppendNumber(slot.known, line);
    line += ",\"unknown\":";
    AppendNumber(slot.unknown, line);
    line += ",\"codes\":{";
    bool first = true;
    for (const auto& [code, count] : slot.codes) {
        if (!first) line += ',';
        first = false;
        AppendJsonString(GbkToUtf8(code), line);
        line += ':';
        AppendNumber(count, line);
    }
    line += "}}";
    return line;
}

}  // namespace

int TimelineCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const DayTime slotSeconds = (args.minutes > 0 ? args.minutes : 1) * 60;
    const std::string& directory = args.operands[0];
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    RequireDirectory(directory);
    const DayResult result = RunDay(
        c.options.programDir, catalogue, directory, args.operands[1], nullptr,
        [&](std::string_view line) { c.err.Line(line); }, c.stop, c.options,
        args.services ? std::optional(TypedText(c, *args.services)) : std::nullopt);
    if (result.outcome == RunOutcome::Failed) return 1;
    if (result.logFiles.empty()) {
        c.err.Line(Say(Msg::NoDayLogs, {args.operands[1], directory}));
        return 1;
    }
    LineWriter json(stdout, false);
    int status = result.skipped ? 1 : 0;
    for (const auto& pass : result.results) {
        // The times of findings on lines without one are read from the file the scan
        // read (a compressed day through its copy, with the same offsets).
        std::vector<DayTime> times;
        try {
            ExtendFindingTimes(pass->logFile, pass->findings, times, c.stop);
        } catch (const ScanReadError& e) {
            c.err.Line(e.what());
            status = 1;
            continue;
        }
        for (const TimeSlot& slot : CountSlots(pass->findings, times, slotSeconds, args.json)) {
            if (args.json) {
                json.Line(SlotJson(pass->serviceCode, slot));
                continue;
            }
            c.out.Line(pass->serviceCode + "\t" + MinuteText(slot.start) + "\t" +
                       std::to_string(slot.known) + "\t" + std::to_string(slot.unknown));
        }
    }
    json.Flush();
    return status;
}

}  // namespace corvane::cli
