// follow: the findings of a day's log files as the services write them, until SIGINT
// or SIGTERM.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <ctime>
#include <thread>

#include "catalog/ServiceCatalogue.h"
#include "cli/Commands.h"
#include "cli/JsonLines.h"
#include "cli/Messages.h"
#include "follow/DayFollow.h"
#include "scan/AnalysisRun.h"

namespace corvane::cli {
namespace {

// Today as the eight characters YYYYMMDD of local time.
std::string TodayLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char day[16];
    std::strftime(day, sizeof day, "%Y%m%d", &local);
    return day;
}

bool AnyLogFile(const std::vector<ServiceEntry>& services, const std::string& directory,
                const std::string& day) {
    for (const ServiceEntry& service : services)
        if (LogFileExists(LogFileName(directory, service.logPrefix, day))) return true;
    return false;
}

// SIGINT and SIGTERM are taken by a thread of their own, which asks the follow to stop;
// every other thread has them blocked.  The follow itself then ends where it is safe
// to, and the output is flushed.
class StopOnSignals {
public:
    StopOnSignals() {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals_, &previous_);
        thread_ = std::thread([this] {
            int signal = 0;
            sigwait(&signals_, &signal);
            source_.request_stop();
        });
    }
    ~StopOnSignals() {
        // A follow that ended for another reason (an output error) wakes the thread.
        if (!source_.stop_requested()) ::kill(::getpid(), SIGTERM);
        thread_.join();
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    StopOnSignals(const StopOnSignals&) = delete;
    StopOnSignals& operator=(const StopOnSignals&) = delete;

    StopToken Token() const { return source_.get_token(); }

private:
    sigset_t signals_{};
    sigset_t previous_{};
    StopSource source_;
    std::thread thread_;
};

const char* ResetReason(FollowReset reset) {
    return reset == FollowReset::Truncated ? "truncated" : "replaced";
}

std::string ProblemText(FollowProblem problem, const std::string& path) {
    switch (problem) {
        case FollowProblem::Missing:
            return Say(Msg::FollowMissing, {path});
        case FollowProblem::NotAFile:
            return Say(Msg::FollowNotAFile, {path});
        case FollowProblem::Unreadable:
            return Say(Msg::FollowUnreadable, {path});
        case FollowProblem::None:
            break;
    }
    return {};
}

// Prints each look's news: a completed finding again, with the same line number, then
// the new findings; a file read again from its start is announced first.
class PrintingSink final : public FollowSink {
public:
    PrintingSink(const CommandContext& c, const ErrorCatalogue& catalogue)
        : c_(c), catalogue_(catalogue), json_(stdout, false) {}

    void Updated(std::size_t, const FollowedFile& file, const FollowUpdate& update) override {
        const std::string& code = file.ServiceCode();
        if (update.problemBegan) c_.err.Line(ProblemText(update.problem, file.Path()));
        if (update.reset) {
            c_.err.Line(Say(*update.reset == FollowReset::Truncated ? Msg::FollowTruncated
                                                                    : Msg::FollowReplaced,
                            {file.Path()}));
            if (c_.args.json)
                json_.Line(JsonObject("reset")
                               .Text("service", code)
                               .Text("reason", ResetReason(*update.reset))
                               .Line());
        }
        if (update.changed) Print(code, file.FindingAt(*update.changed));
        for (std::size_t i = update.firstNew; i < update.findingCount; ++i)
            Print(code, file.FindingAt(i));
    }

    void RoundDone() override {
        json_.Flush();
        c_.out.Flush();
    }

private:
    void Print(const std::string& code, const Finding& finding) {
        if (c_.args.json) {
            json_.Line(FindingJson(code, finding, catalogue_));
        } else {
            c_.out.Line(code + "\t" + std::to_string(finding.place.line) + "\t" + finding.text);
        }
    }

    const CommandContext& c_;
    const ErrorCatalogue& catalogue_;
    LineWriter json_;
};

}  // namespace

int FollowCommand(const CommandContext& c) {
    const Arguments& args = c.args;
    const std::string& directory = args.operands[0];
    const bool today = args.operands.size() < 2;
    std::string day = today ? TodayLocal() : args.operands[1];
    RequireDirectory(directory);
    ErrorCatalogue catalogue;
    LoadErrorCatalogue(c.options.programDir, catalogue);
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(c.options.programDir, services);

    StopOnSignals signals;
    const StopToken stop = signals.Token();
    DayFollowOptions options;
    options.fromStart = args.fromStart;
    PrintingSink sink(c, catalogue);
    // A day without any file yet is followed all the same: its files may come.
    if (!AnyLogFile(services, directory, day))
        c.err.Line(Say(Msg::WaitingForDay, {day, directory}));
    while (!stop.stop_requested()) {
        DayFollow follow(c.options.programDir, catalogue, DayTargets(services, directory, day),
                         directory, stop, options);
        std::string next;
        // Without a day, the next day's files take over once one of them is there.
        const auto moveOn = [&] {
            if (!today) return false;
            next = TodayLocal();
            return next != day && AnyLogFile(services, directory, next);
        };
        follow.Run(sink, moveOn);
        if (stop.stop_requested()) break;
        day = next;
        // The new day's files are new: all of them is news.
        options.fromStart = true;
    }
    sink.RoundDone();
    return 0;
}

}  // namespace corvane::cli
