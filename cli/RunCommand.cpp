// run: every service of the catalogue on one day of a log directory, with the exports
// and the record that the options ask for.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/HistoryCommand.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "history/RunCollector.h"
#include "report/CsvExport.h"
#include "report/ExportFile.h"
#include "report/HtmlReport.h"

namespace corvane::cli {

namespace {

// Writes the exports of a finished `run` that the options ask for, each on its own:
// a failure goes to `err` and the next export is still written.  False when any
// export failed.
bool ExportRun(const std::optional<std::string>& csvFile,
               const std::optional<std::string>& htmlFile, const std::string& directory,
               const std::string& day, const DayResult& result, const ErrorCatalogue& catalogue,
               LineWriter& err) {
    if (!csvFile && !htmlFile) return true;
    // An export into /dev/stdout follows the lines already printed.
    std::fflush(stdout);
    // The report names the directory so that it can be found again from anywhere.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(directory, error);
    ExportedRun run{error ? directory : absolute.lexically_normal().string(),
                    day,
                    {},
                    &catalogue,
                    result.logFiles};
    for (const auto& pass : result.results) run.services.push_back(pass.get());
    bool written = true;
    const auto save = [&](auto&& write) {
        try {
            write();
        } catch (const ExportError& e) {
            err.Line(e.what());
            written = false;
        }
    };
    if (csvFile) save([&] { SaveFindingsCsv(run, *csvFile); });
    if (htmlFile) save([&] { SaveHtmlReport(run, *htmlFile); });
    return written;
}

}  // namespace

int RunCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    // --db belongs to a run only when it records.
    if (args.db && !args.record) throw UsageError(Say(Msg::DbWithoutRecord));
    const std::string& programDir = c.options.programDir;
    RequireDirectory(args.operands[0]);
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(programDir, catalogue);
    // The counts are gathered for the history and the metrics server; the patterns
    // only for a run that records them.
    const std::optional<MetricsConfig> metrics = ReadMetricsConfig(c.configDir);
    RunCollector collector(nullptr,
                           args.record ? PatternCounter(UnknownErrorPatterns) : PatternCounter());
    const DayResult result = RunDay(
        programDir, catalogue, args.operands[0], args.operands[1],
        args.record || metrics ? &collector : nullptr,
        [&](std::string_view line) { c.err.Line(line); }, c.stop, c.options);
    // A log that got shorter under its scan ended the run: nothing of it is printed.
    if (result.outcome == RunOutcome::Failed) return 1;
    if (result.logFiles.empty()) {
        c.err.Line(Say(Msg::NoDayLogs, {args.operands[1], args.operands[0]}));
        return 1;
    }
    LineWriter json(stdout, false);
    for (const auto& pass : result.results) {
        if (args.json) {
            json.Line(JsonObject("service")
                          .Text("service", pass->serviceCode)
                          .Text("name", pass->caption)
                          .Number("known", pass->known)
                          .Number("unknown", pass->unknown)
                          .Line());
            continue;
        }
        std::string line = pass->caption;
        line.append("\t").append(std::to_string(pass->known));
        line.append("\t").append(std::to_string(pass->unknown));
        c.out.Line(line);
    }
    json.Flush();
    // Each of the exports and the record stands on its own: one failing keeps
    // none of the others from being written, and each failure is reported.
    int status = 0;
    if (!ExportRun(args.csvFile, args.htmlFile, args.operands[0], args.operands[1], result,
                   catalogue, c.err))
        status = 1;
    if (result.outcome == RunOutcome::Completed) {
        std::fflush(stdout);
        if (RecordRun(HistoryOf(args), collector.TakeRecord(), args.record, metrics,
                      [&](std::string_view line) { c.err.Line(line); }) != 0)
            status = 1;
    }
    return result.skipped ? 1 : status;
}

}  // namespace corvane::cli
