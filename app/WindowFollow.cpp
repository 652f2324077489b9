#include "WindowFollow.h"

#include <chrono>
#include <cstdio>
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

// Keeps the last stored service of every followed file and makes a new one, after
// each round of looks, for each file whose findings changed.  Files of services that
// had none at the run get their row when they appear, numbered after the rows there.
class WindowFollow::Sink final : public FollowSink {
public:
    Sink(WindowFollow& owner, std::vector<std::shared_ptr<const ServicePass>>& passes,
         std::size_t rowCount, std::vector<std::optional<std::vector<RecordedDay>>> earlier,
         std::uint64_t generation)
        : owner_(owner),
          passes_(passes),
          earlier_(std::move(earlier)),
          generation_(generation),
          targets_(passes.size()),
          nextRow_(static_cast<int>(rowCount)) {
        for (std::size_t i = 0; i < rowCount; ++i) {
            targets_[i].row = static_cast<int>(i);
            order_.push_back(i);
        }
    }

    void Updated(std::size_t target, const FollowedFile& file,
                 const FollowUpdate& update) override {
        Target& t = targets_[target];
        t.file = &file;
        t.changed = true;
        if (update.appeared) t.appeared = true;
        if (update.reset) {
            t.rescanned = true;
            t.carried.insert(t.carried.end(), update.dropped.begin(), update.dropped.end());
        }
    }

    void RoundDone() override {
        for (std::size_t i = 0; i < passes_.size(); ++i) {
            Target& t = targets_[i];
            if (!t.changed) continue;
            t.changed = false;
            Change change;
            if (t.row < 0) {
                if (!t.appeared) continue;
                t.row = nextRow_++;
                order_.push_back(i);
                change.added = true;
            }
            change.row = t.row;
            change.rescanned = t.rescanned;
            t.rescanned = false;
            change.carried = t.carried.size();
            const FollowedFile& file = *t.file;
            const ServicePass& last = *passes_[i];
            // The first look finds what the run found, unless the file changed meanwhile.
            if (!change.rescanned && !change.added && file.Known() == last.known &&
                file.Unknown() == last.unknown && file.Findings() == last.findings)
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
            if (earlier_[i]) change.marks = MarksOf(*earlier_[i], t.carried, pass->findings);
            passes_[i] = pass;
            change.pass = std::move(pass);
            anyChange = true;
            owner_.post(std::move(change), generation_);
        }
    }

    // The day as following left it, a service per row in row order: what the file
    // under the service's name holds now, and what the files before it held.
    std::vector<ServicePass> Day() const {
        std::vector<ServicePass> day;
        for (const std::size_t i : order_) day.push_back(DayOf(i, *passes_[i]));
        return day;
    }

    bool anyChange = false;

private:
    struct Target {
        int row = -1;  // none yet: the file has not appeared
        const FollowedFile* file = nullptr;
        bool changed = false;
        bool appeared = false;
        bool rescanned = false;
        FindingList carried;
    };

    ServicePass DayOf(std::size_t i, const ServicePass& pass) const {
        const FindingList& carried = targets_[i].carried;
        if (carried.empty()) return pass;
        ServicePass day = pass;
        day.findings = carried;
        day.findings.insert(day.findings.end(), pass.findings.begin(), pass.findings.end());
        for (const Finding& finding : carried)
            ++(finding.Code() == kUnknownCode ? day.unknown : day.known);
        return day;
    }

    // The day's marks from the findings of the files before the current one and of it.
    static std::vector<Mark> MarksOf(const std::vector<RecordedDay>& earlier,
                                     const FindingList& carried, const FindingList& findings) {
        Counts codes;
        for (const FindingList* list : {&carried, &findings})
            for (const Finding& finding : *list)
                if (finding.Code() != kUnknownCode) ++codes[std::string(finding.Code())];
        std::vector<const Counts*> before;
        for (const RecordedDay& day : earlier) before.push_back(&day.codes);
        return DayMarks(before, codes);
    }

    WindowFollow& owner_;
    std::vector<std::shared_ptr<const ServicePass>>& passes_;
    const std::vector<std::optional<std::vector<RecordedDay>>> earlier_;
    const std::uint64_t generation_;
    std::vector<Target> targets_;
    std::vector<std::size_t> order_;  // the targets with a row, in row order
    int nextRow_;
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

void WindowFollow::start(const ResultRows& rows, std::vector<ServicePass> waiting,
                         const ErrorCatalogue& catalogue, const std::string& programDir,
                         SharedHistory* history) {
    stop();
    if (rows.empty() && waiting.empty()) return;
    std::vector<std::shared_ptr<const ServicePass>> passes;
    for (const ResultRow& row : rows) passes.push_back(row.stored);
    for (ServicePass& service : waiting)
        passes.push_back(std::make_shared<const ServicePass>(std::move(service)));
    stop_ = StopSource();
    thread_ = std::thread([this, passes = std::move(passes), rowCount = rows.size(), &catalogue,
                           programDir, history, generation = ++generation_,
                           token = stop_.get_token()]() mutable {
        work(std::move(passes), rowCount, catalogue, std::move(programDir), history, generation,
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
                        std::size_t rowCount, const ErrorCatalogue& catalogue,
                        std::string programDir, SharedHistory* history, std::uint64_t generation,
                        StopToken stop) {
    try {
        std::vector<FollowTarget> targets;
        for (const auto& pass : passes) targets.push_back({pass->serviceCode, pass->logFile});
        DayFollowOptions options;
        // The run's findings are the start; the first look tells what was added since.
        options.fromStart = true;
        // As the run's scan does, a last line counts before its line end has come.
        options.lastLineSoFar = true;
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
        Sink sink(*this, passes, rowCount, std::move(earlier), generation);
        follow.Run(sink);
        if (!sink.anyChange || history == nullptr) return;
        // The day as following left it replaces the run's record; a stop does not cut
        // this short, so a close keeps it.
        RunCollector collector(nullptr, [](const ServicePass& pass) {
            return CountUnknownPatterns(pass.findings).value_or(std::vector<PatternCount>());
        });
        for (const ServicePass& pass : sink.Day()) collector.PassStored(pass);
        const RunRecord record = collector.TakeRecord();
        history->With([&](HistoryStore& store) { return store.Record(record); });
    } catch (const std::exception& e) {
        // Following is a convenience on top of a completed run: what it cannot do
        // leaves the rows as they are, and is said where a developer looks.
        std::fprintf(stderr, "corvane-log-analyzer: following ended: %s\n", e.what());
    }
}

}  // namespace corvane::app
