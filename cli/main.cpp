// corvane-scan: the analyser's core on the command line, for operators who only
// have a terminal on the machine that holds the logs, and for scripts.
//
// Standard output carries the bytes exactly as the core holds them (GBK), one LF
// after each line, unless --utf8 asks for a terminal-friendly conversion.

#include <dirent.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/FileNameText.h"
#include "analysis/LogDays.h"
#include "analysis/PatternListing.h"
#include "analysis/Scanner.h"
#include "catalog/CatalogueCheck.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProfileString.h"
#include "catalog/ProgramDir.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Arguments.h"
#include "cli/Console.h"
#include "cli/DayRun.h"
#include "cli/HistoryCommand.h"
#include "online/CatalogueUpdate.h"
#include "online/ServerConfig.h"
#include "report/CsvExport.h"
#include "report/ExportFile.h"
#include "report/HtmlReport.h"
#include "report/Utf8Text.h"

namespace {

using namespace corvane;
using cli::Arguments;
using cli::UsageError;
using namespace corvane::cli;

const char kUsage[] =
    "usage: corvane-scan [OPTION...] COMMAND [OPTION...] [--] [OPERAND...]\n"
    "\n"
    "  days LOGDIR                the days that have log files in LOGDIR, in directory order\n"
    "  scan SERVICE_CODE LOGFILE  every finding of LOGFILE, then the unknown and known counts\n"
    "  run LOGDIR DAY             name, known and unknown count of every service with a log\n"
    "                             file for DAY\n"
    "  catalogue                  the service and error catalogues as loaded\n"
    "  explain CODE               the name and explanation lines of an error code\n"
    "  update                     the start-up catalogue update; exit 0 when Version.ini was\n"
    "                             replaced, 1 otherwise\n"
    "  check                      warnings about the catalogues: file, line, section, key,\n"
    "                             message, separated by TAB; exit 1 when there are any\n"
    "  ini FILE [SECTION [KEY]]   what the program reads from an INI file: the section names,\n"
    "                             a section's key names, or a value\n"
    "  history LOGDIR             day, service code, known and unknown count and marks of\n"
    "                             each recorded day of LOGDIR (new:CODE, spike:CODE)\n"
    "  history backfill LOGDIR    analyse every day of LOGDIR and record each in the history\n"
    "  patterns LOGFILE           the lines of LOGFILE (with --service: the service's unknown\n"
    "                             errors) grouped into patterns, \"count<TAB>pattern\" largest\n"
    "                             first; with --assign \"lineNumber<TAB>patternRank\" per line\n"
    "\n"
    "  --program-dir DIR  where the INI files are (default: beside this program);\n"
    "                     scan, run, catalogue, explain, update, check, patterns, backfill\n"
    "  --threads N        scan each file with N threads, 1 <= N <= 1024 (default: one\n"
    "                     per core); scan, run, patterns, history backfill\n"
    "  --line-numbers     each finding's line number and a TAB before it; scan\n"
    "  --csv FILE         also write every finding to FILE as CSV (UTF-8); run\n"
    "  --html FILE        also write a report of the run to FILE as HTML; run\n"
    "  --record           also record the run in the history; run\n"
    "  --db FILE          the history database (default: $XDG_DATA_HOME/corvane/\n"
    "                     history.sqlite); history, run --record\n"
    "  --service CODE     one service only; history, patterns\n"
    "  --assign           the pattern rank of every line instead; patterns\n"
    "  --days N           the last N recorded days only; history\n"
    "  --default TEXT     the value of a missing key; ini\n"
    "  --utf8             output (and ini's names) in UTF-8 instead of GBK\n"
    "  --help             this text\n"
    "Options stand before the command or between it and the first operand; the first\n"
    "operand or -- ends them.  Usage errors exit with 2, failures with 1.\n";

// Names given in UTF-8 on the command line, as the GBK bytes the INI files hold.
std::string Utf8ToGbk(const std::string& text) {
    std::optional<std::string> gbk;
    try {
        gbk = FromUtf8(text, "GBK");
    } catch (const std::runtime_error& e) {
        throw Failure(e.what());
    }
    if (!gbk) throw UsageError("\"" + text + "\" is not UTF-8 text with a GBK form");
    return *gbk;
}

// A directory that the command reads must be there and readable.
void RequireDirectory(const std::string& path) {
    DIR* dir = ::opendir(path.empty() ? "/" : path.c_str());
    if (dir == nullptr)
        throw Failure("cannot read the directory " + path + ": " + std::strerror(errno));
    ::closedir(dir);
}

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
    const std::vector<ConsoleRunView::ResultRow>& rows = result.rows;
    const ServiceResults& results = result.results;
    const ServicePlaces& places = result.places;
    // The report names the directory so that it can be found again from anywhere.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(directory, error);
    ExportedRun run{error ? directory : absolute.lexically_normal().string(),
                    day,
                    {},
                    &catalogue,
                    result.logFiles};
    for (std::size_t i = 0; i < rows.size() && i < results.size(); ++i) {
        const ConsoleRunView::ResultRow& row = rows[i];
        run.services.push_back({row.name, row.code, std::stoll(row.known), std::stoll(row.unknown),
                                results[i].get(), i < places.size() ? &places[i] : nullptr,
                                row.seconds, row.bytes});
    }
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

std::string ProgramDirOf(const Arguments& args) {
    if (!args.programDir) return ProgramDir();
    std::string dir = *args.programDir;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

// --db belongs to a run only when it records.
void ExpectHistoryOptions(const Arguments& args) {
    if (args.db && args.command == "run" && !args.record)
        throw UsageError("--db goes with run only together with --record");
}

cli::HistoryArguments HistoryOf(const Arguments& args) {
    return {args.db.value_or(""), args.service.value_or(""), args.days};
}

// patterns: every non-empty line of the file, or the service's unknown findings, grouped.
int Patterns(const Arguments& args, const ScanOptions& options, ConsoleDialogs& dialogs,
             EventPump& pump, LineWriter& out) {
    const std::string& path = args.operands[0];
    PatternListing listing;
    if (args.service) {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(options.programDir, catalogue);
        NullProgressSink row;
        const ScanResult scan =
            ScanLogFile(*args.service, path, catalogue, row, dialogs, pump, options);
        if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
        if (scan.outcome != ScanOutcome::Scanned) return 1;
        listing = MineUnknownFindingPatterns(scan.findings, scan.places);
    } else {
        listing = MineFilePatterns(path);
    }
    FormatPatternListing(listing, args.assign, [&](std::string_view line) { out.Line(line); });
    return 0;
}

int Run(const Arguments& args, LineWriter& out, LineWriter& err) {
    ConsoleDialogs dialogs(err);
    NullEventPump pump;
    const std::string programDir = ProgramDirOf(args);
    ScanOptions options;
    options.programDir = programDir;
    options.askAboutLargeFiles = false;
    ExpectHistoryOptions(args);
    options.threads = args.threads > 0 ? static_cast<unsigned>(args.threads) : DefaultScanThreads();

    if (args.command == "patterns") return Patterns(args, options, dialogs, pump, out);
    if (args.command == "days") {
        RequireDirectory(args.operands[0]);
        for (const std::string& day : ListLogDays(args.operands[0])) out.Line(day);
        return 0;
    }
    if (args.command == "scan") {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        NullProgressSink row;
        const ScanResult scan =
            ScanLogFile(args.operands[0], args.operands[1], catalogue, row, dialogs, pump, options);
        if (scan.outcome == ScanOutcome::ReadFailed) throw ScanReadError(scan.error);
        if (scan.outcome != ScanOutcome::Scanned) return 1;
        for (std::size_t i = 0; i < scan.findings.size(); ++i) {
            if (args.lineNumbers && i < scan.places.size())
                out.Write(std::to_string(scan.places[i].line) + "\t");
            out.Line(scan.findings[i]);
        }
        return 0;
    }
    if (args.command == "run") {
        RequireDirectory(args.operands[0]);
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        RunCollector collector(nullptr, cli::UnknownErrorPatterns);
        const DayResult result = RunDay(programDir, catalogue, args.operands[0], args.operands[1],
                                        args.record ? &collector : nullptr, dialogs, pump, options);
        for (const auto& row : result.rows) {
            std::string line = row.name;
            line.append("\t").append(row.known).append("\t").append(row.unknown);
            out.Line(line);
        }
        // Each of the exports and the record stands on its own: one failing keeps
        // none of the others from being written, and each failure is reported.
        int status = 0;
        if (!ExportRun(args.csvFile, args.htmlFile, args.operands[0], args.operands[1], result,
                       catalogue, err))
            status = 1;
        if (args.record && result.outcome == RunOutcome::Completed) {
            std::fflush(stdout);
            if (cli::RecordRun(HistoryOf(args), collector.TakeRecord(),
                               [&](std::string_view line) { err.Line(line); }) != 0)
                status = 1;
        }
        return dialogs.Reported() ? 1 : status;
    }
    if (args.command == "history" || args.command == "backfill") {
        const cli::DayRun runDay = [&](const std::string& logDir, const std::string& day,
                                       FindingsObserver& observer) {
            ErrorCatalogue catalogue;
            LoadErrorCatalogue(programDir, catalogue);
            return RunDay(programDir, catalogue, logDir, day, &observer, dialogs, pump, options)
                .outcome;
        };
        std::vector<std::string> operands = args.operands;
        if (args.command == "backfill") operands.insert(operands.begin(), "backfill");
        const int status = cli::HistoryCommand(
            HistoryOf(args), operands, runDay, [&](std::string_view line) { out.Line(line); },
            [&](std::string_view line) { err.Line(line); });
        if (status == cli::kHistoryUsage)
            throw UsageError(
                "history takes LOGDIR, or backfill LOGDIR without --service and --days");
        // A day's log that could not be opened was reported; the other days went on.
        return dialogs.Reported() ? 1 : status;
    }
    if (args.command == "catalogue") {
        std::vector<ServiceEntry> services;
        LoadServiceCatalogue(programDir, services);
        for (const ServiceEntry& s : services) {
            out.Line("SERVICE\t" + s.code + "\t" + s.caption + "\t" + s.logSubdir + "\t" +
                     s.logPrefix);
            for (const std::string& text : ReadIgnoreList(programDir, s.code)) {
                out.Line("IGNORE\t" + s.code + "\t" + text);
            }
        }
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        for (const ErrorRecord& rec : catalogue) {
            out.Line("ERROR\t" + rec.errorCode + "\t" + rec.serviceCode + "\t" + rec.errorName +
                     "\t" + rec.keyword);
            for (const std::string& line : rec.memo)
                out.Line("MEMO\t" + rec.errorCode + "\t" + line);
        }
        return 0;
    }
    if (args.command == "explain") {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        out.Line(LookupErrorName(args.operands[0], catalogue));
        std::vector<std::string> lines;
        LookupExplanation(args.operands[0], catalogue, lines);
        for (const std::string& line : lines) out.Line(line);
        return 0;
    }
    if (args.command == "update") {
        return UpdateCatalogues(programDir, ReadServerConfig(programDir), pump) ? 0 : 1;
    }
    if (args.command == "check") {
        // Each warning goes out as it is found: a large catalogue can have millions.
        const std::size_t warnings = CheckCatalogues(programDir, [&](const CatalogueWarning& w) {
            out.Line(w.file + "\t" + std::to_string(w.line) + "\t" + w.section + "\t" + w.key +
                     "\t" + w.message);
        });
        return warnings == 0 ? 0 : 1;
    }
    if (args.command == "ini") {
        const auto name = [&](const std::string& text) {
            return args.utf8 ? Utf8ToGbk(text) : text;
        };
        const ProfileFile ini(args.operands[0]);
        const std::size_t n = args.operands.size();
        if (n == 1) {
            for (const std::string& section : ini.ReadSectionNames()) out.Line(section);
        } else if (n == 2) {
            for (const std::string& key : ini.ReadSection(name(args.operands[1]))) out.Line(key);
        } else {
            out.Line(ini.ReadString(name(args.operands[1]), name(args.operands[2]),
                                    name(args.defaultText)));
        }
        return 0;
    }
    throw UsageError("unknown command " + args.command);
}

}  // namespace

int main(int argc, char** argv) {
    Arguments args;
    try {
        args = cli::ParseArguments(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "corvane-scan: %s\n%s", e.what(), kUsage);
        return 2;
    }
    if (args.help) {
        std::fputs(kUsage, stdout);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    LineWriter out(stdout, args.utf8);
    LineWriter err(stderr, args.utf8);
    int status = 1;
    try {
        status = Run(args, out, err);
        out.Flush();
        return status;
    } catch (const UsageError& e) {
        std::fprintf(stderr, "corvane-scan: %s\n%s", e.what(), kUsage);
        return 2;
    } catch (const WriteError& e) {
        std::fprintf(stderr, "corvane-scan: %s\n", e.what());
        return 1;
    } catch (const Failure& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "corvane-scan: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        err.Line(e.what());
        return 1;
    }
}
