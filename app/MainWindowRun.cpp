// The day list of the chosen directory and the analysis run behind the start button.

#include <optional>
#include <stdexcept>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "GbkDisplay.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "RowData.h"
#include "ThrottledEventPump.h"
#include "WindowDialogs.h"
#include "catalog/GbkText.h"
#include "history/RunCollector.h"
#include "online/ErrorReport.h"
#include "scan/LogDays.h"
#include "scan/Scanner.h"

namespace corvane::app {

// ---------------------------------------------------------------------------
// The day list

namespace {

// Why a directory gives no day: it is missing, it is no directory, it cannot be
// read, or it holds no log file.
QString NoDaysHint(const QString& directory) {
    const QFileInfo info(directory.isEmpty() ? QDir::rootPath() : directory);
    if (!info.exists()) return QStringLiteral("目录不存在");
    if (!info.isDir()) return QStringLiteral("不是目录");
    if (!info.isReadable() || !info.isExecutable()) return QStringLiteral("无法读取该目录");
    return QStringLiteral("该目录中没有日志文件（.log）");
}

}  // namespace

void MainWindow::listLogDays() {
    handle([this] {
        dayList_->clear();
        const QString directory = directoryEdit_->text();
        const std::vector<std::string> days =
            ListLogDays(ToStdString(QFile::encodeName(directory)));
        for (const std::string& day : days) {
            auto* item = new QListWidgetItem(FromGbkLine(day));
            item->setData(kRoleDay, ToByteArray(day));
            dayList_->addItem(item);
        }
        dayList_->setEmptyHint(days.empty() ? NoDaysHint(directory) : QString());
    });
}

void MainWindow::chooseDirectory() {
    handle([this] {
        const QString current = directoryEdit_->text();
        const QFileInfo info(current);
        const QString start = !current.isEmpty() && info.isDir() ? current : QDir::rootPath();
        const std::optional<QString> chosen =
            dialogs_->ChooseDirectory(QStringLiteral("请选择Corvane安装目录"), start);
        if (chosen) directoryEdit_->setText(*chosen);
    });
}

// ---------------------------------------------------------------------------
// The analysis run

void MainWindow::startAnalysis() {
    handle([this] {
        if (AnalysisBusy || runInProgress_) {
            dialogs_->ShowMessage(gbk::kMsgBusy);
            return;
        }
        if (closePending_) return;
        if (fillDepth_ > 0) {
            // The run would free the list the page fill below is reading: let the
            // fill abandon its page, and start once it has.
            startPending_ = true;
            ++fillGeneration_;
            return;
        }
        if (!serviceResults_ || !errorCatalogue_)
            throw std::logic_error("The analysis lists were not created at start-up");
        runAnalysis();
    });
}

void MainWindow::runAnalysis() {
    runInProgress_ = true;
    // On every way out, an error included: the run is over, and no progress text that
    // is still on its way lands on a row any more.
    struct RunFlag {
        bool& flag;
        ResultRowSink& sink;
        ~RunFlag() {
            flag = false;
            sink.setRow(nullptr);
        }
    } runFlag{runInProgress_, *rowSink_};

    resetResultViews();
    rowMarks_.clear();
    shownServiceRow_ = -1;
    findPosition_ = -1;
    unknownPositions_.clear();
    while (!serviceResults_->empty()) serviceResults_->pop_back();
    updatePageBar();
    const std::string day = chosenDay();

    // Released on every way out of the run, an error included.
    const std::unique_ptr<FindingsObserver> tally = createReportTally();
    RunCollector history(tally.get(),
                         [this](const ServicePass& pass) { return countPatterns(pass.findings); });

    ScanOptions options = scanOptions_;
    options.programDir = programDir_;
    options.askAboutLargeFiles = true;
    const RunOutcome outcome =
        RunServicePasses(*this, day, *errorCatalogue_, *serviceResults_, &history, *dialogs_,
                         *pump_, closeStop_.get_token(), options);
    if (outcome == RunOutcome::Stopped) return;

    // The bar showed the scans; it rests at 0 as after a page fill.
    progressBar_->setValue(0);
    sendReport(tally.get());
    recordRun(history.TakeRecord());
}

// The result list, the known-error list and the unknown-error text are emptied;
// the explanation, the page bar and the progress bar keep what they show.
void MainWindow::resetResultViews() {
    resultList_->clearSelection();
    resultList_->clear();
    knownErrorList_->clearSelection();
    knownErrorList_->clear();
    unknownErrorText_->clear();
    detailTabs_->setTabText(0, KnownTabCaption(0));
    detailTabs_->setTabText(1, UnknownTabCaption(0));
    clearPatterns(true);
}

// The text of the first selected day in list order; empty when none is selected.
std::string MainWindow::chosenDay() const {
    for (int i = 0; i < dayList_->count(); ++i) {
        if (dayList_->item(i)->isSelected())
            return ToStdString(dayList_->item(i)->data(kRoleDay).toByteArray());
    }
    return {};
}

namespace {

// The report of one run: the tally that each stored list is added to.  Whatever
// is left of it when the run ends early (an error, a close) is dropped unsent.
class RunReport final : public FindingsObserver {
public:
    RunReport(EventPump& pump, StopToken stop) : pump_(pump), stop_(std::move(stop)) {}
    void PassStored(const ServicePass& pass) override {
        corvane::AddFindings(tally_, pass.serviceCode, pass.findings, pump_, stop_);
    }
    void Send(UdpReportChannel& channel) { SendReport(tally_, channel, pump_, stop_); }

private:
    ReportTally tally_;
    EventPump& pump_;
    StopToken stop_;
};

}  // namespace

std::unique_ptr<FindingsObserver> MainWindow::createReportTally() {
    return std::make_unique<RunReport>(*pump_, closeStop_.get_token());
}

void MainWindow::sendReport(FindingsObserver* tally) {
    if (auto* report = dynamic_cast<RunReport*>(tally)) report->Send(reportChannel_);
}

// ---------------------------------------------------------------------------
// What the run reads from and writes to the window

int MainWindow::ServiceRowCount() { return serviceList_->topLevelItemCount(); }

bool MainWindow::ServiceRowChecked(int row) {
    const QTreeWidgetItem* item = serviceList_->topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

ServiceEntry MainWindow::ServiceRow(int row) {
    ServiceEntry entry;
    const QTreeWidgetItem* item = serviceList_->topLevelItem(row);
    if (!item) throw std::out_of_range("List index out of bounds");
    entry.caption = ToStdString(item->data(0, kRoleCaption).toByteArray());
    entry.logSubdir = ToStdString(item->data(0, kRoleSubdir).toByteArray());
    entry.logPrefix = ToStdString(item->data(0, kRolePrefix).toByteArray());
    entry.code = ToStdString(item->data(0, kRoleCode).toByteArray());
    entry.checked = item->checkState(0) == Qt::Checked;
    return entry;
}

std::string MainWindow::DirectoryText() {
    return ToStdString(QFile::encodeName(directoryEdit_->text()));
}

ProgressSink& MainWindow::AddResultRow(const std::string& caption) {
    auto* row = new QTreeWidgetItem(resultList_);
    row->setText(0, FromGbkLine(caption));
    row->setData(0, kRoleCaption, ToByteArray(caption));
    row->setText(1, FromGbkLine(gbk::kRowScanning));
    row->setText(2, QString());
    rowSink_->setRow(row);
    return *rowSink_;
}

void MainWindow::RemoveLastResultRow() {
    const int count = resultList_->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = resultList_->topLevelItem(count - 1);
    if (rowSink_->row() == row) rowSink_->setRow(nullptr);
    delete row;
}

void MainWindow::SetLastResultCounts(std::int64_t known, std::int64_t unknown) {
    const int count = resultList_->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = resultList_->topLevelItem(count - 1);
    // Progress texts of the scan that are still on their way must not land on the counts.
    if (rowSink_->row() == row) rowSink_->setRow(nullptr);
    row->setText(1, QString::number(known));
    row->setText(2, QString::number(unknown));
}

}  // namespace corvane::app
