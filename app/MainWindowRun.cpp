// The day list of the chosen directory and the analysis run behind the start button.

#include <algorithm>
#include <optional>
#include <stdexcept>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTime>
#include <QTreeWidget>

#include "DesktopNotice.h"
#include "GbkDisplay.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "PatternsTab.h"
#include "ResultPages.h"
#include "RowData.h"
#include "SharedHistory.h"
#include "StepsPanel.h"
#include "WindowDialogs.h"
#include "catalog/GbkText.h"
#include "fleet/MetricsSend.h"
#include "history/HistoryStore.h"
#include "history/RunCollector.h"
#include "online/ErrorReport.h"
#include "scan/LogDays.h"
#include "scan/Scanner.h"

namespace corvane::app {

// ---------------------------------------------------------------------------
// The day list

void MainWindow::listLogDays() {
    handle([this] {
        endFollowingForAnotherDay();
        steps_->listDays();
    });
}

void MainWindow::endFollowingForAnotherDay() {
    if (!follow_->following()) return;
    follow_->stop();
    // Following was of the day on screen: the box says it has ended.
    const QSignalBlocker quiet(steps_->followBox());
    steps_->followBox()->setChecked(false);
    showFollowStatus();
}

// While following, the progress bar says which files are followed and when one last
// changed, and the rows followed carry a mark.
void MainWindow::showFollowStatus() {
    const bool following = follow_->following();
    for (int i = 0; i < resultList_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = resultList_->topLevelItem(i);
        item->setIcon(0, following ? style()->standardIcon(QStyle::SP_BrowserReload) : QIcon());
        item->setData(0, Qt::AccessibleDescriptionRole,
                      following ? QStringLiteral("实时跟踪中") : QVariant());
    }
    QProgressBar* bar = steps_->progressBar();
    if (!following) {
        bar->setTextVisible(false);
        return;
    }
    bar->setFormat(QStringLiteral("实时跟踪 %1 个文件，最后变化 %2")
                       .arg(followedFiles_)
                       .arg(lastFollowChange_.isEmpty() ? QStringLiteral("—") : lastFollowChange_));
    bar->setTextVisible(true);
}

void MainWindow::chooseDirectory() {
    handle([this] { steps_->chooseDirectory(*dialogs_); });
}

// ---------------------------------------------------------------------------
// The analysis run

namespace {

// The report of one run: the tally that each stored list is added to.  Whatever
// is left of it when the run ends early (an error, a close) is dropped unsent.
class RunReport final : public FindingsObserver {
public:
    explicit RunReport(StopToken stop) : stop_(std::move(stop)) {}
    void PassStored(const ServicePass& pass) override {
        corvane::AddFindings(tally_, pass.serviceCode, pass.findings, stop_);
    }
    void Send(UdpReportChannel& channel) { SendReport(tally_, channel, stop_); }

private:
    ReportTally tally_;
    StopToken stop_;
};

}  // namespace

// A start is refused while a run goes on, with the same box whether the run is
// scanning, tallying, sending or recording.
void MainWindow::startAnalysis() {
    handle([this] {
        if (run_->running()) {
            dialogs_->ShowMessage(gbk::kMsgBusy);
            return;
        }
        if (closePending_) return;
        if (!rows_ || !errorCatalogue_)
            throw std::logic_error("The analysis lists were not created at start-up");
        runAnalysis();
    });
}

bool MainWindow::runInProgress() const { return run_ && run_->running(); }

std::unique_ptr<FindingsObserver> MainWindow::createReportTally(const StopToken& stop) {
    return std::make_unique<RunReport>(stop);
}

void MainWindow::sendReport(FindingsObserver* tally) {
    if (auto* report = dynamic_cast<RunReport*>(tally)) report->Send(reportChannel_);
}

void MainWindow::runAnalysis() {
    follow_->stop();
    showFollowStatus();
    resetResultViews();
    auto leftOver = std::make_shared<ResultRows>();
    leftOver->swap(*rows_);

    WindowRun::Job job;
    job.plan = currentPlan();
    runDay_ = job.plan.day;
    runDirectory_ = job.plan.directory;
    job.catalogue = errorCatalogue_.get();
    job.options = scanOptions_;
    job.options.programDir = programDir_;
    job.options.askAboutLargeFiles = true;
    job.makeTally = [this](const StopToken& stop) { return createReportTally(stop); };
    job.send = [this](FindingsObserver* tally) { sendReport(tally); };
    job.history = history_.get();
    job.metrics = metrics_;
    job.leftOver = std::move(leftOver);
    run_->start(std::move(job));
}

void MainWindow::serviceStored(std::shared_ptr<const ServicePass> stored) {
    if (rows_) rows_->push_back({std::move(stored), {}, {}});
}

void MainWindow::runFinished(const RunEnd& end) {
    if (closePending_) {
        close();
        return;
    }
    if (end.error) {
        ReportError(*dialogs_, *end.error);
        return;
    }
    if (end.stopped) return;
    // The bar showed the scans; it rests at 0 as after a page fill.
    steps_->progressBar()->setValue(0);
    // The run's results stay on screen whatever became of the record.
    if (!end.recordError.empty()) dialogs_->ShowMessage(end.recordError);
    if (end.marks) showMarks(*end.marks);
    sendMetrics(end.metricsDays, end.metricsNotices);
    if (steps_->followBox()->isChecked()) startFollowing();
}

// ---------------------------------------------------------------------------
// Following the run's files

void MainWindow::followToggled(bool checked) {
    handle([&] {
        if (!checked) {
            follow_->stop();
        } else if (!run_->running()) {
            startFollowing();
        }
        if (!checked) showFollowStatus();
    });
}

void MainWindow::startFollowing() {
    // Only the files of a run are followed: before the first there is no day.
    if (!rows_ || !errorCatalogue_ || runDay_.empty()) return;
    // The checked services without a row had no file at the run: theirs may appear.
    std::vector<ServicePass> waiting;
    for (int i = 0; i < steps_->serviceRowCount(); ++i) {
        if (!steps_->serviceRowChecked(i)) continue;
        const ServiceEntry service = steps_->serviceRow(i);
        if (std::any_of(rows_->begin(), rows_->end(), [&](const ResultRow& row) {
                return row.stored->serviceCode == service.code;
            }))
            continue;
        ServicePass pass;
        pass.caption = service.caption;
        pass.serviceCode = service.code;
        pass.directory = runDirectory_;
        pass.day = runDay_;
        pass.logFile = LogFileName(runDirectory_, service.logPrefix, runDay_);
        waiting.push_back(std::move(pass));
    }
    followedFiles_ = static_cast<int>(rows_->size() + waiting.size());
    lastFollowChange_.clear();
    follow_->start(*rows_, std::move(waiting), *errorCatalogue_, programDir_, history_.get());
    showFollowStatus();
}

namespace {

// The row's stored service, to be changed on the window's thread: in place when only
// the window's thread holds it (the rows, and `windowHolders` more: the page on screen,
// the patterns tab, each told of the change in the same handler), otherwise a copy (a
// background work may be reading it).
ServicePass& Writable(std::shared_ptr<const ServicePass>& stored, long windowHolders) {
    if (stored.use_count() > 1 + windowHolders)
        stored = std::make_shared<const ServicePass>(*stored);
    // Every stored service is made as a non-const object and shared as const.
    return const_cast<ServicePass&>(*stored);  // NOLINT(cppcoreguidelines-pro-type-const-cast)
}

}  // namespace

// A followed row's findings changed: its counts and marks, and the pages when it is
// shown.  A code that becomes new for the day is announced on the desktop.
void MainWindow::followedRowChanged(const WindowFollow::Change& change) {
    if (!rows_ || change.row < 0) return;
    if (change.added && static_cast<std::size_t>(change.row) == rows_->size()) {
        // The service's file appeared after the run: its row joins the others.
        auto* added = new QTreeWidgetItem(resultList_);
        added->setText(0, FromGbkLine(change.added->caption));
        added->setData(0, kRoleCaption, ToByteArray(change.added->caption));
        rows_->push_back({std::make_shared<const ServicePass>(*change.added), {}, {}});
    }
    if (static_cast<std::size_t>(change.row) >= rows_->size()) return;
    QTreeWidgetItem* item = resultList_->topLevelItem(change.row);
    if (item == nullptr) return;
    ResultRow& row = (*rows_)[static_cast<std::size_t>(change.row)];
    const std::int64_t unknownBefore = row.stored->unknown;
    const ServicePass* const before = row.stored.get();
    const bool patternsHold = patternsTab_->holds(before);
    ServicePass& pass = Writable(row.stored, long{pages_->shows(before)} + long{patternsHold});
    if (change.reset) {
        row.carried.insert(row.carried.end(), std::make_move_iterator(pass.findings.begin()),
                           std::make_move_iterator(pass.findings.end()));
        pass.findings.clear();
    }
    if (change.changed && change.changed->first < pass.findings.size())
        pass.findings[change.changed->first] = change.changed->second;
    pass.findings.resize(std::min(change.firstNew, pass.findings.size()));
    pass.findings.insert(pass.findings.end(), change.fresh.begin(), change.fresh.end());
    pass.known = change.known;
    pass.unknown = change.unknown;
    pass.logStamp = change.stamp;
    const bool unknownChanged =
        change.reset || pass.unknown != unknownBefore ||
        std::any_of(change.fresh.begin(), change.fresh.end(),
                    [](const Finding& f) { return f.Code() == kUnknownCode; });
    item->setText(1, QString::number(pass.known));
    item->setText(2, QString::number(pass.unknown));
    if (change.reset) {
        QString tip = QStringLiteral("日志文件已从头重新读取：%1")
                          .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
        if (!row.carried.empty())
            tip += QStringLiteral("\n此前文件中的 %1 个错误计入当天的记录").arg(row.carried.size());
        item->setToolTip(0, tip);
    }
    if (change.marks) {
        for (const Mark& mark : *change.marks) {
            if (mark.kind != MarkKind::New) continue;
            if (std::find(row.marks.begin(), row.marks.end(), mark) != row.marks.end()) continue;
            NotifyDesktop(item->text(0) + QStringLiteral("：新错误 ") + FromGbkLine(mark.key),
                          FromGbkLine(LookupErrorName(mark.key, *errorCatalogue_)));
        }
        std::vector<std::vector<Mark>> marks;
        for (const ResultRow& each : *rows_) marks.push_back(each.marks);
        marks[static_cast<std::size_t>(change.row)] = *change.marks;
        showMarks(marks);
    }
    pages_->serviceChanged(change.row, change.reset);
    serviceTimesChanged(change);
    lastFollowChange_ = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    showFollowStatus();
    // The patterns of the shown service follow its unknown errors.  A tab that holds
    // the record changed in place groups it again whatever changed.
    if ((unknownChanged || (patternsHold && change.reset)) && change.row == pages_->shownRow()) {
        if (row.stored->findings.empty())
            patternsTab_->clear(true);
        else
            patternsTab_->serviceChanged(row.stored);
    }
}

// The day as following left it replaces the run's record: each row's current file
// and the files before it.  On the window's thread, as the close waits for it anyway.
void MainWindow::recordFollowedDay() {
    if (!rows_ || !history_) return;
    RunCollector collector(nullptr, [](const ServicePass& pass) {
        return CountUnknownPatterns(pass.findings).value_or(std::vector<PatternCount>());
    });
    for (const ResultRow& row : *rows_) {
        if (row.carried.empty()) {
            collector.PassStored(*row.stored);
            continue;
        }
        ServicePass day = *row.stored;
        day.findings = row.carried;
        day.findings.insert(day.findings.end(), row.stored->findings.begin(),
                            row.stored->findings.end());
        for (const Finding& finding : row.carried)
            ++(finding.Code() == kUnknownCode ? day.unknown : day.known);
        collector.PassStored(day);
    }
    const RunRecord record = collector.TakeRecord();
    std::vector<std::string> notices;
    history_->With([&](HistoryStore& store) {
        store.Record(record);
        if (metrics_) notices = QueueMetricsDays(store, MetricsDaysOf(*metrics_, record)).notices;
    });
    sendMetrics({}, std::move(notices));
}

// The result list, the known-error list and the unknown-error text are emptied;
// the explanation, the page bar and the progress bar keep what they show.
void MainWindow::resetResultViews() {
    resultList_->clearSelection();
    resultList_->clear();
    pages_->forgetService();
    patternsTab_->clear(true);
    showServiceTimes(-1);
}

// ---------------------------------------------------------------------------
// What the run goes through and the rows it adds

RunPlan MainWindow::currentPlan() const {
    RunPlan plan;
    plan.directory = steps_->directoryText();
    plan.day = steps_->chosenDay();
    plan.rows = steps_->serviceRowCount();
    for (int row = 0; row < plan.rows; ++row)
        if (steps_->serviceRowChecked(row)) plan.services.push_back({row, steps_->serviceRow(row)});
    return plan;
}

// A row checked or unchecked, or the directory text edited, while a run goes on: the
// run takes the new plan at its next row.
void MainWindow::publishPlan() {
    if (run_ && run_->running()) run_->publish(currentPlan());
}

ProgressSink* MainWindow::addResultRow(const std::string& caption) {
    auto* row = new QTreeWidgetItem(resultList_);
    row->setText(0, FromGbkLine(caption));
    row->setData(0, kRoleCaption, ToByteArray(caption));
    row->setText(1, FromGbkLine(gbk::kRowScanning));
    row->setText(2, QString());
    rowSink_->setRow(row);
    return rowSink_.get();
}

void MainWindow::removeLastResultRow() {
    const int count = resultList_->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = resultList_->topLevelItem(count - 1);
    if (rowSink_->row() == row) rowSink_->setRow(nullptr);
    delete row;
}

void MainWindow::setLastResultCounts(std::int64_t known, std::int64_t unknown) {
    const int count = resultList_->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = resultList_->topLevelItem(count - 1);
    if (rowSink_->row() == row) rowSink_->setRow(nullptr);
    row->setText(1, QString::number(known));
    row->setText(2, QString::number(unknown));
}

}  // namespace corvane::app
