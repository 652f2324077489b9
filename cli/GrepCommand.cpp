// grep: every line of a day's log files that holds a text or matches an expression.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "base/GbkUtf8.h"
#include "catalog/ServiceCatalogue.h"
#include "cli/Commands.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "scan/AnalysisRun.h"
#include "search/DaySearch.h"

namespace corvane::cli {
namespace {

class PrintedMatches final : public DayMatchSink {
public:
    PrintedMatches(const CommandContext& c, bool json) : c_(c), json_(json) {}

    bool Take(const ServiceEntry& service, const SearchedFile&, MatchBatch& batch) override {
        // The whole batch goes out in one write.
        out_.clear();
        for (const LineMatch& match : batch.Lines()) {
            ++count_;
            if (json_) {
                // JSON is UTF-8 whatever --utf8 says: it goes out as it is made.
                out_ += "{\"service\":";
                AppendJsonString(GbkToUtf8(service.code), out_);
                out_ += ",\"line\":" + std::to_string(match.number);
                out_ += ",\"offset\":" + std::to_string(match.offset);
                out_ += ",\"text\":";
                utf8_.clear();
                converter_.Append(match.text, utf8_);
                AppendJsonString(utf8_, out_);
                out_ += "}\n";
            } else {
                out_ += service.code;
                out_ += '\t';
                AppendNumber(match.number, out_);
                out_ += '\t';
                out_ += match.text;
                out_ += '\n';
            }
        }
        if (json_)
            raw_.Write(out_);
        else
            c_.out.Write(out_);
        return true;
    }

    void Failed(const ServiceEntry&, const std::string& message) override {
        c_.err.Line(message);
        failed_ = true;
    }

    long long Count() const { return count_; }
    // Some service's file could not be searched to its end.
    bool AnyFailed() const { return failed_; }
    void Flush() { raw_.Flush(); }

private:
    const CommandContext& c_;
    bool json_;
    LineWriter raw_{stdout, false};
    GbkToUtf8Converter converter_;
    std::string out_;
    std::string utf8_;
    long long count_ = 0;
    bool failed_ = false;
};

}  // namespace

int GrepCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    SearchQuery query;
    query.pattern = TypedText(c, args.operands[0]);
    query.regex = args.regex;
    query.caseSensitive = args.caseSensitive;
    const std::string& directory = args.operands[1];
    const std::string& day = args.operands[2];

    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(c.options.programDir, services);
    if (args.services) services = ChosenServices(std::move(services), TypedText(c, *args.services));
    RequireDirectory(directory);
    if (std::none_of(services.begin(), services.end(), [&](const ServiceEntry& s) {
            return !DayLogFile(directory, s.logPrefix, day).empty();
        })) {
        c.err.Line(Say(Msg::NoDayLogs, {day, directory}));
        return 1;
    }

    std::optional<LineSearch> search;
    try {
        search.emplace(query);
    } catch (const SearchPatternError& e) {
        c.err.Line(e.what());
        return 2;
    }
    SearchOptions options;
    options.threads = c.options.threads;
    PrintedMatches printed(c, args.json);
    SearchDay(services, directory, day, *search, printed, c.stop, options);
    printed.Flush();
    // A file that could not be searched may have held matches: neither "found" nor
    // "not found" can be said, so the status is the failure's, as for a refused
    // expression, whatever the other files gave.
    if (printed.AnyFailed()) return 2;
    return printed.Count() > 0 ? 0 : 1;
}

}  // namespace corvane::cli
