#include "cli/HistoryCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "catalog/ErrorCatalogue.h"
#include "cli/Commands.h"
#include "cli/DayRun.h"
#include "cli/Messages.h"
#include "fleet/MetricsSend.h"
#include "history/HistoryStore.h"
#include "history/PassMarks.h"
#include "scan/LogDays.h"

namespace corvane::cli {

namespace {

// What ListOrBackfill returns for a usage error.
constexpr int kHistoryUsage = -2;

// One analysis run of `day` in `logDir` over every service of the catalogue, exactly as
// `run` does it, with `observer` receiving each stored list.
using DayRun = std::function<RunOutcome(const std::string& logDir, const std::string& day,
                                        FindingsObserver& observer)>;

std::string DatabasePath(const HistoryArguments& args) {
    return args.db.empty() ? DefaultHistoryPath() : args.db;
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.empty() ? "/" : path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Opens the history for recording; the notice of a file moved aside and any failure go
// to `err`.
std::unique_ptr<HistoryStore> OpenHistory(const HistoryArguments& args, const LineOut& err) {
    OpenedHistory opened = HistoryStore::Open(DatabasePath(args));
    if (!opened.notice.empty()) err(opened.notice);
    if (!opened.store) err(opened.error);
    return std::move(opened.store);
}

// day<TAB>service<TAB>known<TAB>unknown<TAB>marks per recorded day and service, in
// day order and then service-code order.  A day's marks look at the service's days
// before it, whether or not --days shows them.  Listing only reads: whatever the file
// is, it stays as it was.
int ListHistory(const HistoryArguments& args, const std::string& logDir, const LineOut& out,
                const LineOut& err) {
    const OpenedHistory opened = HistoryStore::OpenForReading(DatabasePath(args));
    if (!opened.store) {
        if (opened.error.empty()) return 0;  // nothing recorded yet
        err(opened.error);
        return 1;
    }
    std::string error;
    const std::vector<MarkedDay> days = MarkedDays(*opened.store, logDir, args.service, &error);
    if (!error.empty()) {
        err(error);
        return 1;
    }

    std::string firstShown;
    if (args.days > 0) {
        std::vector<std::string> distinct;
        for (const MarkedDay& marked : days) {
            if (distinct.empty() || distinct.back() != marked.day.day)
                distinct.push_back(marked.day.day);
        }
        if (distinct.size() > static_cast<std::size_t>(args.days))
            firstShown = distinct[distinct.size() - static_cast<std::size_t>(args.days)];
    }
    for (const auto& [day, marks] : days) {
        if (day.day < firstShown) continue;
        out(day.day + "\t" + day.serviceCode + "\t" + std::to_string(day.known) + "\t" +
            std::to_string(day.unknown) + "\t" + MarkListText(marks));
    }
    return 0;
}

// INSTALLATION<TAB>DAY<TAB>SERVICE of each service day the metrics server has not
// taken yet, the longest waiting first.  Only reads.
int ListUnsent(const HistoryArguments& args, const LineOut& out, const LineOut& err) {
    const OpenedHistory opened = HistoryStore::OpenForReading(DatabasePath(args));
    if (!opened.store) {
        if (opened.error.empty()) return 0;
        err(opened.error);
        return 1;
    }
    std::string error;
    const std::vector<MetricsDay> days = opened.store->UnsentMetrics(&error);
    if (!error.empty()) {
        err(error);
        return 1;
    }
    for (const MetricsDay& day : days)
        out(day.installation + "\t" + day.day + "\t" + day.serviceCode);
    return 0;
}

// Every day of the directory, oldest first, each run and recorded on its own; a
// progress line per day on stderr.
int Backfill(const HistoryArguments& args, const std::string& logDir, const DayRun& runDay,
             const LineOut& err) {
    if (!IsDirectory(logDir)) {
        err(Say(Msg::CannotReadLogDirectory, {logDir}));
        return 1;
    }
    std::vector<std::string> days = ListLogDays(logDir);
    std::sort(days.begin(), days.end());
    const std::unique_ptr<HistoryStore> store = OpenHistory(args, err);
    if (!store) return 1;

    for (std::size_t i = 0; i < days.size(); ++i) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point start = Clock::now();
        RunCollector collector(nullptr, UnknownErrorPatterns);
        if (runDay(logDir, days[i], collector) != RunOutcome::Completed) return 1;
        const RunRecord record = collector.TakeRecord();
        const Clock::time_point scanned = Clock::now();
        const RecordOutcome recorded = store->Record(record);
        if (!recorded.recorded) {
            err(recorded.error);
            return 1;
        }
        const std::chrono::duration<double> scanning = scanned - start;
        const std::chrono::duration<double> recording = Clock::now() - scanned;
        std::int64_t bytes = 0;
        for (const ServiceRecord& service : record.services) bytes += service.bytes;
        const auto fixed = [](const char* format, double value) {
            char text[32];
            std::snprintf(text, sizeof text, format, value);
            return std::string(text);
        };
        err(Say(Msg::BackfillProgress,
                {std::to_string(i + 1), std::to_string(days.size()), days[i],
                 std::to_string(record.services.size()),
                 fixed("%.1f", static_cast<double>(bytes) / 1e6), fixed("%.2f", scanning.count()),
                 fixed("%.1f", recording.count() * 1000)}));
    }
    return 0;
}

// `history LOGDIR` and `history backfill LOGDIR`; `operands` follow the command word.
// Returns the exit status, or kHistoryUsage.
int ListOrBackfill(const HistoryArguments& args, const std::vector<std::string>& operands,
                   const DayRun& runDay, const LineOut& out, const LineOut& err) {
    if (!operands.empty() && operands[0] == "backfill") {
        if (operands.size() != 2 || !args.service.empty() || args.days != 0) return kHistoryUsage;
        return Backfill(args, operands[1], runDay, err);
    }
    if (operands.size() != 1) return kHistoryUsage;
    return ListHistory(args, operands[0], out, err);
}

}  // namespace

int HistoryCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    if (args.unsent) {
        if (args.command != "history" || !args.operands.empty() || args.service || args.days > 0)
            throw UsageError(Say(Msg::UnsentUsage));
        return ListUnsent(
            HistoryOf(args), [&](std::string_view line) { c.out.Line(line); },
            [&](std::string_view line) { c.err.Line(line); });
    }

    const std::string& programDir = c.options.programDir;
    bool skipped = false;
    const std::function<void(std::string_view)> report = [&](std::string_view line) {
        c.err.Line(line);
    };
    const DayRun runDay = [&](const std::string& logDir, const std::string& day,
                              FindingsObserver& observer) {
        ErrorCatalogue catalogue;
        LoadErrorCatalogue(programDir, catalogue);
        const DayResult result =
            RunDay(programDir, catalogue, logDir, day, &observer, report, c.stop, c.options);
        skipped = skipped || result.skipped;
        return result.outcome;
    };
    std::vector<std::string> operands = args.operands;
    if (args.command == "backfill") operands.insert(operands.begin(), "backfill");
    const int status = ListOrBackfill(
        HistoryOf(args), operands, runDay, [&](std::string_view line) { c.out.Line(line); },
        [&](std::string_view line) { c.err.Line(line); });
    if (status == kHistoryUsage) throw UsageError(Say(Msg::HistoryUsage));
    // A day's log that could not be opened was reported; the other days went on.
    return skipped ? 1 : status;
}

HistoryArguments HistoryOf(const Arguments& args) {
    return {args.db.value_or(""), args.service.value_or(""), args.days};
}

std::vector<PatternCount> UnknownErrorPatterns(const ServicePass& pass) {
    // Without a stop token the count always completes.
    return CountUnknownPatterns(pass.findings).value_or(std::vector<PatternCount>{});
}

int RecordRun(const HistoryArguments& args, const RunRecord& run, bool record,
              const std::optional<MetricsConfig>& metrics, const LineOut& err) {
    if (!record && !metrics) return 0;
    const std::unique_ptr<HistoryStore> store = OpenHistory(args, err);
    int status = 0;
    if (record && !store) status = 1;
    if (record && store) {
        const RecordOutcome recorded = store->Record(run);
        if (!recorded.recorded) {
            err(recorded.error);
            status = 1;
        }
    }
    if (metrics)
        for (const std::string& notice : SendRunCounts(*metrics, store.get(), run).notices)
            err(notice);
    return status;
}

}  // namespace corvane::cli
