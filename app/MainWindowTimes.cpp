// The window's side of the findings' times: the cache that keeps them beside the
// rows, the time distribution and per-code summary tabs, the go-to-time beside the
// go-to-page, and the known-error list limited to one code.

#include <algorithm>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "CodeSummary.h"
#include "FindingTimesCache.h"
#include "MainWindow.h"
#include "ResultPages.h"
#include "TimelineTab.h"
#include "timeline/TimeSlots.h"

namespace corvane::app {

void MainWindow::buildTimeViews() {
    times_ = new FindingTimesCache(this);
    timelineTab_ = new TimelineTab(detailTabs_, *times_, this);
    codeSummary_ = new CodeSummary(detailTabs_, *times_, this);
    connect(timelineTab_, &TimelineTab::findingChosen, this, [this](int row, long long position) {
        handle([&] {
            if (row != pages_->shownRow()) return;
            pages_->showFinding(position);
            codeSummary_->setFilteredCode(pages_->filteredCode());
        });
    });
    connect(codeSummary_, &CodeSummary::codeChosen, this, &MainWindow::chooseCode);
    connect(pages_->filterShowAllButton(), &QPushButton::clicked, this, [this] { chooseCode({}); });
    connect(pages_->goToTimeEdit(), &QLineEdit::returnPressed, this, &MainWindow::goToTime);
    connect(pages_->goToTimeAction(), &QAction::triggered, this, &MainWindow::goToTime);
    connect(times_, &FindingTimesCache::timesChanged, this, [this](int row) {
        if (pendingTime_ && pendingTime_->first == row && times_->complete(row)) finishGoToTime();
    });
    connect(times_, &FindingTimesCache::timesFailed, this, [this](int row, const QString& why) {
        if (!pendingTime_ || pendingTime_->first != row) return;
        pendingTime_.reset();
        pages_->setStatus(QStringLiteral("无法读取日志文件：") + why);
    });
}

void MainWindow::setTimeSources(const ResultRows* rows, const ErrorCatalogue* catalogue) {
    pendingTime_.reset();
    times_->setRows(rows);
    times_->clear();
    timelineTab_->setSources(rows, catalogue);
    codeSummary_->setSources(rows, catalogue);
}

// Another service shown, or none (-1: a new run).
void MainWindow::showServiceTimes(int row) {
    if (row < 0) times_->clear();
    pendingTime_.reset();
    timelineTab_->setService(row);
    codeSummary_->setService(row);
}

void MainWindow::serviceTimesChanged(const WindowFollow::Change& change) {
    std::size_t firstChanged = change.firstNew;
    if (change.changed) firstChanged = std::min(firstChanged, change.changed->first);
    times_->serviceChanged(change.row, firstChanged, change.reset);
}

void MainWindow::goToTime() {
    handle([this] {
        pendingTime_.reset();
        const int row = pages_->shownRow();
        const ServicePass* service = pages_->shownService();
        if (!service || service->findings.empty()) {
            pages_->setStatus(QStringLiteral("没有可转到的错误"));
            return;
        }
        const std::optional<DayTime> time =
            ParseClock(pages_->goToTimeEdit()->text().trimmed().toStdString());
        if (!time) {
            pages_->setStatus(QStringLiteral("时间应写作 HH:MM 或 HH:MM:SS"));
            return;
        }
        pendingTime_.emplace(row, *time);
        if (times_->complete(row)) {
            finishGoToTime();
            return;
        }
        pages_->setStatus(QStringLiteral("正在计算各错误的时间…"));
        times_->want(row);
    });
}

void MainWindow::finishGoToTime() {
    if (!pendingTime_) return;
    const auto [row, time] = *pendingTime_;
    pendingTime_.reset();
    const auto times = times_->times(row);
    if (row != pages_->shownRow() || !times) return;
    const std::size_t position = FirstFindingAtOrAfter(*times, time);
    if (position >= times->size()) {
        pages_->setStatus(
            QStringLiteral("%1 及以后没有错误").arg(QString::fromStdString(ClockText(time))));
        return;
    }
    pages_->setStatus(QString());
    pages_->showFinding(static_cast<long long>(position));
    codeSummary_->setFilteredCode(pages_->filteredCode());
}

void MainWindow::chooseCode(const std::string& code) {
    handle([&] {
        pages_->filterCode(code);
        codeSummary_->setFilteredCode(pages_->filteredCode());
    });
}

}  // namespace corvane::app
