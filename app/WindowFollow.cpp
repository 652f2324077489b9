#include "WindowFollow.h"

#include <chrono>
#include <optional>

#include <QMetaObject>

#include "SharedHistory.h"
#include "follow/DayFollow.h"
#include "history/HistoryStore.h"
#include "history/RunCollector.h"

namespace corvane::app {

namespace {

// The recorded days of `pass`'s service before its day, oldest first.
std::vector<RecordedDay> EarlierDays(SharedHistory* history, const ServicePass& pass) {
    if (history == nullptr) return {};
    std::vector<RecordedDay> days = history->With([&](HistoryStore& store) {
        return store.Days(NormaliseDirectory(pass.directory), pass.serviceCode);
    });
    std::erase_if(days, [&](const RecordedDay& day) { return day.day >= pass.day; });
    return days;
}

}  // namespace

// Keeps the last stored service of every row and makes a new one, after each round of
// looks, for each row whose findings changed.
class WindowFollow::Sink final : public FollowSink {
public:
    Sink(WindowFollow& owner, std::vector<std::shared_ptr<const ServicePass>>& passes,
         std::vector<std::optional<std::vector<RecordedDay>>> earlier, std::uint64_t generation)
        : owner_(owner),
          passes_(passes),
          earlier_(std::move(earlier)),
          generation_(generation),
          changed_(passes.size(), false),
          rescanned_(passes.size(), false),
          files_(passes.size(), nullptr) {}

    void Updated(std::size_t target, const FollowedFile& file,
                 const FollowUpdate& update) override {
        files_[target] = &file;
        changed_[target] = true;
        if (update.reset) rescanned_[target] = true;
    }

    void RoundDone() override {
        for (std::size_t i = 0; i < passes_.size(); ++i) {
            if (!changed_[i]) continue;
            changed_[i] = false;
            Change change;
            change.row = static_cast<int>(i);
            change.rescanned = rescanned_[i];
            rescanned_[i] = false;
            const FollowedFile& file = *files_[i];
            const ServicePass& last = *passes_[i];
            // The first look finds what the run found, unless the file grew meanwhile.
            if (!change.rescanned && file.Known() == last.known && file.Unknown() == last.unknown &&
                file.Findings() == last.findings)
                continue;
            auto pass = std::make_shared<ServicePass>();
            pass->caption = last.caption;
            pass->serviceCode = last.serviceCode;
            pass->directory = last.directory;
            pass->day = last.day;
            pass->logFile = last.logFile;
            pass->seconds = last.seconds;
            pass->findings = file.Findings();
            pass->known = file.Known();
            pass->unknown = file.Unknown();
            pass->logStamp = file.Stamp();
            if (earlier_[i]) change.marks = MarksOf(*earlier_[i], *pass);
            passes_[i] = pass;
            change.pass = std::move(pass);
            anyChange = true;
            owner_.post(std::move(change), generation_);
        }
    }

    bool anyChange = false;

private:
    static std::vector<Mark> MarksOf(const std::vector<RecordedDay>& earlier,
                                     const ServicePass& pass) {
        Counts codes;
        for (const Finding& finding : pass.findings)
            if (finding.Code() != kUnknownCode) ++codes[std::string(finding.Code())];
        std::vector<const Counts*> before;
        for (const RecordedDay& day : earlier) before.push_back(&day.codes);
        return DayMarks(before, codes);
    }

    WindowFollow& owner_;
    std::vector<std::shared_ptr<const ServicePass>>& passes_;
    const std::vector<std::optional<std::vector<RecordedDay>>> earlier_;
    const std::uint64_t generation_;
    std::vector<bool> changed_;
    std::vector<bool> rescanned_;
    std::vector<const FollowedFile*> files_;
};

// Queued to this object's thread; a follow stopped meanwhile has moved the generation
// on, and a deleted owner takes its queued calls with it.
void WindowFollow::post(Change change, std::uint64_t generation) {
    QMetaObject::invokeMethod(
        this,
        [this, generation, change = std::move(change)] {
            if (generation_ == generation && shown_) shown_(change);
        },
        Qt::QueuedConnection);
}

WindowFollow::WindowFollow(Shown shown, QObject* parent)
    : QObject(parent), shown_(std::move(shown)) {}

WindowFollow::~WindowFollow() { stop(); }

void WindowFollow::start(const ResultRows& rows, const ErrorCatalogue& catalogue,
                         const std::string& programDir, SharedHistory* history) {
    stop();
    if (rows.empty()) return;
    std::vector<std::shared_ptr<const ServicePass>> passes;
    for (const ResultRow& row : rows) passes.push_back(row.stored);
    stop_ = StopSource();
    thread_ = std::thread([this, passes = std::move(passes), &catalogue, programDir, history,
                           generation = ++generation_, token = stop_.get_token()]() mutable {
        work(std::move(passes), catalogue, std::move(programDir), history, generation,
             std::move(token));
    });
}

void WindowFollow::stop() {
    if (!thread_.joinable()) return;
    ++generation_;
    stop_.request_stop();
    thread_.join();
}

void WindowFollow::work(std::vector<std::shared_ptr<const ServicePass>> passes,
                        const ErrorCatalogue& catalogue, std::string programDir,
                        SharedHistory* history, std::uint64_t generation, StopToken stop) {
    try {
        std::vector<FollowTarget> targets;
        for (const auto& pass : passes) targets.push_back({pass->serviceCode, pass->logFile});
        DayFollowOptions options;
        // The run's findings are the start; the first look tells what was added since.
        options.fromStart = true;
        // A new list for a row at most every quarter second, well within the second
        // a write may take to show.
        options.minRoundInterval = std::chrono::milliseconds(250);
        DayFollow follow(programDir, catalogue, std::move(targets), passes.front()->directory, stop,
                         options);
        std::vector<std::optional<std::vector<RecordedDay>>> earlier;
        for (const auto& pass : passes) {
            if (history)
                earlier.emplace_back(EarlierDays(history, *pass));
            else
                earlier.emplace_back();
        }
        Sink sink(*this, passes, std::move(earlier), generation);
        follow.Run(sink);
        if (!sink.anyChange || history == nullptr) return;
        // The day as following left it replaces the run's record; a stop does not cut
        // this short, so a close keeps it.
        RunCollector collector(nullptr, [](const ServicePass& pass) {
            return CountUnknownPatterns(pass.findings).value_or(std::vector<PatternCount>());
        });
        for (const auto& pass : passes) collector.PassStored(*pass);
        const RunRecord record = collector.TakeRecord();
        history->With([&](HistoryStore& store) { return store.Record(record); });
    } catch (const std::exception&) {
        // Following is a convenience on top of a completed run: what it cannot do
        // leaves the rows as they are.
    }
}

}  // namespace corvane::app
