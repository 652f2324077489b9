// corvane-scan: the analyser's core on the command line, for operators who only
// have a terminal on the machine that holds the logs, and for scripts.
//
// Standard output carries the bytes exactly as the core holds them (GBK), one LF
// after each line, unless --utf8 asks for a terminal-friendly conversion.

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/LogDays.h"
#include "analysis/PatternListing.h"
#include "analysis/Scanner.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProgramDir.h"
#include "catalog/ServiceCatalogue.h"

namespace {

using namespace corvane;

const char kUsage[] =
    "usage:\n"
    "  corvane-scan [--utf8] days LOGDIR\n"
    "  corvane-scan [--utf8] scan [--program-dir DIR] SERVICE_CODE LOGFILE\n"
    "  corvane-scan [--utf8] run [--program-dir DIR] LOGDIR DAY\n"
    "  corvane-scan [--utf8] catalogue [--program-dir DIR]\n"
    "  corvane-scan [--utf8] explain [--program-dir DIR] CODE\n"
    "  corvane-scan [--utf8] patterns [--program-dir DIR] [--service CODE] [--assign] LOGFILE\n"
    "\n"
    "  days       the days that have log files in LOGDIR, in directory order\n"
    "  scan       every finding of LOGFILE for the service, then the unknown and known counts\n"
    "  run        name, known and unknown count of every service with a log file for DAY\n"
    "  catalogue  the service and error catalogues as loaded\n"
    "  explain    the name and explanation lines of an error code\n"
    "  patterns   the lines of LOGFILE (with --service: the service's unknown errors) grouped\n"
    "             into patterns, \"count<TAB>pattern\" largest first; with --assign\n"
    "             \"lineNumber<TAB>patternRank\" for every grouped line\n"
    "\n"
    "  --program-dir DIR  where ServiceList.ini and ErrorList.ini are (default: beside this "
    "program)\n"
    "  --utf8             convert the output from GBK to UTF-8\n"
    "  --service CODE     patterns: group the unknown errors of that service only\n"
    "  --assign           patterns: print the pattern rank of every line instead\n";

class UsageError : public std::exception {};

// Writes lines to a stream, converting GBK to UTF-8 on request.  Bytes that are not
// valid GBK become U+FFFD so that nothing the log holds can stop the output.
class LineWriter {
public:
    LineWriter(std::FILE* stream, bool utf8) : stream_(stream), utf8_(utf8) {
        if (utf8_) cd_ = ::iconv_open("UTF-8", "GB18030");
    }
    ~LineWriter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) ::iconv_close(cd_);
    }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Line(std::string_view text) {
        Write(text);
        std::fputc('\n', stream_);
    }
    void Write(std::string_view text) {
        if (!utf8_ || cd_ == reinterpret_cast<iconv_t>(-1)) {
            std::fwrite(text.data(), 1, text.size(), stream_);
            return;
        }
        char* in = const_cast<char*>(text.data());
        std::size_t inLeft = text.size();
        char out[4096];
        while (inLeft > 0) {
            char* o = out;
            std::size_t outLeft = sizeof out;
            const std::size_t r = ::iconv(cd_, &in, &inLeft, &o, &outLeft);
            std::fwrite(out, 1, static_cast<std::size_t>(o - out), stream_);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
                std::fputs("\xEF\xBF\xBD", stream_);  // U+FFFD for the undecodable byte
                ++in;
                --inLeft;
                ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
    }

private:
    std::FILE* stream_;
    bool utf8_;
    iconv_t cd_ = reinterpret_cast<iconv_t>(-1);
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
class ConsoleRunView final : public RunView {
public:
    ConsoleRunView(std::vector<ServiceEntry> services, std::string directory)
        : services_(std::move(services)), directory_(std::move(directory)) {}

    int ServiceRowCount() override { return static_cast<int>(services_.size()); }
    bool ServiceRowChecked(int) override { return true; }
    ServiceEntry ServiceRow(int row) override { return services_[static_cast<std::size_t>(row)]; }
    std::string DirectoryText() override { return directory_; }
    ProgressSink& AddResultRow(const std::string& caption) override {
        rows_.push_back({caption, "", ""});
        return progress_;
    }
    void RemoveLastResultRow() override { rows_.pop_back(); }
    void SetLastResultCounts(const std::string& known, const std::string& unknown) override {
        rows_.back().known = known;
        rows_.back().unknown = unknown;
    }

    struct ResultRow {
        std::string name, known, unknown;
    };
    const std::vector<ResultRow>& Rows() const { return rows_; }

private:
    std::vector<ServiceEntry> services_;
    std::string directory_;
    std::vector<ResultRow> rows_;
    NullProgressSink progress_;
};

struct Arguments {
    bool utf8 = false;
    bool assign = false;
    std::string service;
    bool haveService = false;
    std::string programDir;
    std::string command;
    std::vector<std::string> operands;
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
        } else if (a == "--service") {
            if (i + 1 >= argc) throw UsageError();
            args.service = argv[++i];
            args.haveService = true;
        } else if (a == "--assign") {
            args.assign = true;
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

// patterns: every non-empty line of the file, or the service's unknown findings, grouped.
int Patterns(const Arguments& args, const ScanOptions& options, ConsoleDialogs& dialogs,
             EventPump& pump, LineWriter& out) {
    Expect(args, 1);
    const std::string& path = args.operands[0];
    PatternListing listing;
    if (args.haveService) {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(args.programDir, catalogue);
        NullProgressSink row;
        const std::optional<FindingList> list =
            ScanLogFile(args.service, path, catalogue, row, dialogs, pump, options);
        if (!list) return 1;
        listing = MineUnknownFindingPatterns(*list, path);
    } else {
        listing = MineFilePatterns(path);
    }
    FormatPatternListing(listing, args.assign, [&](std::string_view line) { out.Line(line); });
    return 0;
}

int Run(const Arguments& args, LineWriter& out, LineWriter& err) {
    ConsoleDialogs dialogs(err);
    NullEventPump pump;
    ScanOptions options;
    options.programDir = args.programDir;
    options.askAboutLargeFiles = false;

    if (args.command != "patterns" && (args.assign || args.haveService)) throw UsageError();
    if (args.command == "patterns") return Patterns(args, options, dialogs, pump, out);
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
        ConsoleRunView view(std::move(services), args.operands[0]);
        ServiceResults results;
        RunServicePasses(view, args.operands[1], catalogue, results, nullptr, dialogs, pump,
                         options);
        for (const auto& row : view.Rows()) {
            std::string line = row.name;
            line.append("\t").append(row.known).append("\t").append(row.unknown);
            out.Line(line);
        }
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
