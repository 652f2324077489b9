// corvane-scan: the analyser's core on the command line, for operators who only
// have a terminal on the machine that holds the logs, and for scripts.
//
// Standard output carries the bytes exactly as the core holds them (GBK), one LF
// after each line, unless --utf8 asks for a terminal-friendly conversion.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/LogDays.h"
#include "analysis/Scanner.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProgramDir.h"
#include "catalog/ServiceCatalogue.h"
#include "report/CsvExport.h"
#include "report/HtmlReport.h"
#include "report/Utf8Text.h"

namespace {

using namespace corvane;

const char kUsage[] =
    "usage:\n"
    "  corvane-scan [--utf8] days LOGDIR\n"
    "  corvane-scan [--utf8] scan [--program-dir DIR] SERVICE_CODE LOGFILE\n"
    "  corvane-scan [--utf8] run [--program-dir DIR] [--csv FILE] [--html FILE] LOGDIR DAY\n"
    "  corvane-scan [--utf8] catalogue [--program-dir DIR]\n"
    "  corvane-scan [--utf8] explain [--program-dir DIR] CODE\n"
    "\n"
    "  days       the days that have log files in LOGDIR, in directory order\n"
    "  scan       every finding of LOGFILE for the service, then the unknown and known counts\n"
    "  run        name, known and unknown count of every service with a log file for DAY\n"
    "  catalogue  the service and error catalogues as loaded\n"
    "  explain    the name and explanation lines of an error code\n"
    "\n"
    "  --program-dir DIR  where ServiceList.ini and ErrorList.ini are (default: beside this "
    "program)\n"
    "  --utf8             convert the output from GBK to UTF-8\n"
    "  --csv FILE         run: also write every finding to FILE as CSV (UTF-8)\n"
    "  --html FILE        run: also write a report of the run to FILE as HTML\n";

class UsageError : public std::exception {};

// Writes lines to a stream, converting GBK to UTF-8 on request.  Bytes that are not
// valid GBK become U+FFFD so that nothing the log holds can stop the output.
class LineWriter {
public:
    LineWriter(std::FILE* stream, bool utf8) : stream_(stream), utf8_(utf8) {}

    void Line(std::string_view text) {
        Write(text);
        std::fputc('\n', stream_);
    }
    void Write(std::string_view text) {
        if (utf8_) {
            converted_.clear();
            converter_.Append(text, converted_);
            text = converted_;
        }
        std::fwrite(text.data(), 1, text.size(), stream_);
    }

private:
    std::FILE* stream_;
    bool utf8_;
    GbkToUtf8Converter converter_;
    std::string converted_;
};

class ConsoleDialogs final : public UserDialogs {
public:
    explicit ConsoleDialogs(LineWriter& err) : err_(err) {}
    void ShowMessage(std::string_view text) override { err_.Line(text); }
    // The companion never waits for an answer: it scans whatever it is given.
    bool AskYesNo(std::string_view, std::string_view) override { return true; }

private:
    LineWriter& err_;
};

// The service selection list with every row checked, and the result rows it gets.
// A row also notes its service code, the size of its log file and how long its scan
// took, for the exports.
class ConsoleRunView final : public RunView {
public:
    ConsoleRunView(std::vector<ServiceEntry> services, std::string directory, std::string day)
        : services_(std::move(services)), directory_(std::move(directory)), day_(std::move(day)) {}

    int ServiceRowCount() override { return static_cast<int>(services_.size()); }
    bool ServiceRowChecked(int) override { return true; }
    // The run reads a row right before it adds that row's result row.
    ServiceEntry ServiceRow(int row) override {
        current_ = services_[static_cast<std::size_t>(row)];
        return current_;
    }
    std::string DirectoryText() override { return directory_; }
    ProgressSink& AddResultRow(const std::string& caption) override {
        std::error_code error;
        const auto bytes =
            std::filesystem::file_size(LogFileName(directory_, current_.logPrefix, day_), error);
        rows_.push_back(
            {caption, "", "", current_.code, error ? 0 : static_cast<std::int64_t>(bytes), 0.0});
        started_ = std::chrono::steady_clock::now();
        return progress_;
    }
    void RemoveLastResultRow() override { rows_.pop_back(); }
    void SetLastResultCounts(const std::string& known, const std::string& unknown) override {
        rows_.back().known = known;
        rows_.back().unknown = unknown;
        rows_.back().seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    }

    struct ResultRow {
        std::string name, known, unknown;
        std::string code;
        std::int64_t bytes;
        double seconds;
    };
    const std::vector<ResultRow>& Rows() const { return rows_; }

private:
    std::vector<ServiceEntry> services_;
    std::string directory_;
    std::string day_;
    ServiceEntry current_;
    std::chrono::steady_clock::time_point started_;
    std::vector<ResultRow> rows_;
    NullProgressSink progress_;
};

// Writes the exports of a finished `run` that the options ask for.  The scanner
// does not hand out finding places here, so the line-number cells stay empty.
void ExportRun(const std::optional<std::string>& csvFile,
               const std::optional<std::string>& htmlFile, const std::string& directory,
               const std::string& day, const ConsoleRunView& view, const ServiceResults& results,
               const ErrorCatalogue& catalogue) {
    if (!csvFile && !htmlFile) return;
    // The report names the directory so that it can be found again from anywhere.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(directory, error);
    ExportedRun run{error ? directory : absolute.lexically_normal().string(), day, {}, &catalogue};
    for (std::size_t i = 0; i < view.Rows().size() && i < results.size(); ++i) {
        const ConsoleRunView::ResultRow& row = view.Rows()[i];
        run.services.push_back({row.name, row.code, std::stoll(row.known), std::stoll(row.unknown),
                                results[i].get(), nullptr, row.seconds, row.bytes});
    }
    if (csvFile) SaveFindingsCsv(run, *csvFile);
    if (htmlFile) SaveHtmlReport(run, *htmlFile);
}

struct Arguments {
    bool utf8 = false;
    std::string programDir;
    std::string command;
    std::vector<std::string> operands;
    std::optional<std::string> csvFile, htmlFile;  // run only
};

Arguments Parse(int argc, char** argv) {
    Arguments args;
    bool haveProgramDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--utf8") {
            args.utf8 = true;
        } else if (a == "--program-dir") {
            if (i + 1 >= argc) throw UsageError();
            args.programDir = argv[++i];
            haveProgramDir = true;
        } else if (a == "--csv" || a == "--html") {
            if (i + 1 >= argc) throw UsageError();
            (a == "--csv" ? args.csvFile : args.htmlFile) = argv[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "--help" && a != "-h") {
            throw UsageError();
        } else if (args.command.empty()) {
            args.command = a;
        } else {
            args.operands.emplace_back(a);
        }
    }
    if (!haveProgramDir) {
        args.programDir = ProgramDir();
    } else if (!args.programDir.empty() && args.programDir.back() != '/') {
        args.programDir += '/';
    }
    return args;
}

void Expect(const Arguments& args, std::size_t operands) {
    if (args.operands.size() != operands) throw UsageError();
}

int Run(const Arguments& args, LineWriter& out, LineWriter& err) {
    ConsoleDialogs dialogs(err);
    NullEventPump pump;
    ScanOptions options;
    options.programDir = args.programDir;
    options.askAboutLargeFiles = false;
    if ((args.csvFile || args.htmlFile) && args.command != "run") throw UsageError();

    if (args.command == "days") {
        Expect(args, 1);
        for (const std::string& day : ListLogDays(args.operands[0])) out.Line(day);
        return 0;
    }
    if (args.command == "scan") {
        Expect(args, 2);
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(args.programDir, catalogue);
        NullProgressSink row;
        const std::optional<FindingList> list =
            ScanLogFile(args.operands[0], args.operands[1], catalogue, row, dialogs, pump, options);
        if (!list) return 1;
        for (const std::string& line : *list) out.Line(line);
        return 0;
    }
    if (args.command == "run") {
        Expect(args, 2);
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(args.programDir, catalogue);
        std::vector<ServiceEntry> services;
        LoadServiceCatalogue(args.programDir, services);
        ConsoleRunView view(std::move(services), args.operands[0], args.operands[1]);
        ServiceResults results;
        RunServicePasses(view, args.operands[1], catalogue, results, nullptr, dialogs, pump,
                         options);
        for (const auto& row : view.Rows()) {
            std::string line = row.name;
            line.append("\t").append(row.known).append("\t").append(row.unknown);
            out.Line(line);
        }
        ExportRun(args.csvFile, args.htmlFile, args.operands[0], args.operands[1], view, results,
                  catalogue);
        return 0;
    }
    if (args.command == "catalogue") {
        Expect(args, 0);
        std::vector<ServiceEntry> services;
        LoadServiceCatalogue(args.programDir, services);
        for (const ServiceEntry& s : services) {
            out.Line("SERVICE\t" + s.code + "\t" + s.caption + "\t" + s.logSubdir + "\t" +
                     s.logPrefix);
            for (const std::string& text : ReadIgnoreList(args.programDir, s.code)) {
                out.Line("IGNORE\t" + s.code + "\t" + text);
            }
        }
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(args.programDir, catalogue);
        for (const ErrorRecord& rec : catalogue) {
            out.Line("ERROR\t" + rec.errorCode + "\t" + rec.serviceCode + "\t" + rec.errorName +
                     "\t" + rec.keyword);
            for (const std::string& line : rec.memo)
                out.Line("MEMO\t" + rec.errorCode + "\t" + line);
        }
        return 0;
    }
    if (args.command == "explain") {
        Expect(args, 1);
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(args.programDir, catalogue);
        out.Line(LookupErrorName(args.operands[0], catalogue));
        std::vector<std::string> lines;
        LookupExplanation(args.operands[0], catalogue, lines);
        for (const std::string& line : lines) out.Line(line);
        return 0;
    }
    throw UsageError();
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    Arguments args;
    try {
        args = Parse(argc, argv);
        if (args.command.empty()) throw UsageError();
    } catch (const UsageError&) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    LineWriter out(stdout, args.utf8);
    LineWriter err(stderr, args.utf8);
    try {
        const int status = Run(args, out, err);
        std::fflush(stdout);
        return status;
    } catch (const UsageError&) {
        std::fputs(kUsage, stderr);
        return 2;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        err.Line(e.what());
        return 1;
    }
}
