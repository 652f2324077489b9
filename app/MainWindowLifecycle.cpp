// Start-up and shut-down of the window, and the guard around every handler that
// reports errors.

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTreeWidget>

#include "BackgroundTask.h"
#include "CatalogueCheckDialog.h"
#include "ContextView.h"
#include "FleetDialog.h"
#include "GbkDisplay.h"
#include "MainWindow.h"
#include "MergedView.h"
#include "PatternsTab.h"
#include "ResultPages.h"
#include "RowData.h"
#include "SearchTab.h"
#include "SharedHistory.h"
#include "StepsPanel.h"
#include "TrendView.h"
#include "WindowDialogs.h"
#include "catalog/ServiceCatalogue.h"
#include "history/HistoryStore.h"
#include "online/CatalogueUpdate.h"

namespace corvane::app {

MainWindow::MainWindow(ProgramDirs dirs, WindowDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      configDir_(std::move(dirs.config)),
      programDir_(std::move(dirs.catalogues)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<QtWindowDialogs>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()) {
    setWindowTitle(QStringLiteral("Corvane日志分析器 V1.6"));
    buildLayout();
    rowSink_ = std::make_unique<ResultRowSink>(steps_->progressBar());
    run_ = std::make_unique<WindowRun>(WindowRun::Display{
        [this](const std::string& caption) { return addResultRow(caption); },
        [this](const std::string& reason) {
            removeLastResultRow();
            if (!reason.empty()) dialogs_->ShowMessage(reason);
        },
        [this](std::shared_ptr<const ServicePass> stored) {
            setLastResultCounts(stored->known, stored->unknown);
            serviceStored(std::move(stored));
        },
        [this](const std::string& caption, const std::string& question) {
            return dialogs_->AskYesNo(caption, question);
        },
        [this](const RunEnd& end) { RunReportingErrors(*dialogs_, [&] { runFinished(end); }); }});
    follow_ = std::make_unique<WindowFollow>(
        [this](const WindowFollow::Change& change) { handle([&] { followedRowChanged(change); }); },
        [this] { handle([&] { recordFollowedDay(); }); });
    resize(800, 562);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), QSize(816, 600));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // An error in the start-up sequence skips its remaining steps; the window
    // still opens.
    handle([this] { startUp(); });
}

// The run's thread ends before the controls it reports to.
MainWindow::~MainWindow() {
    mergedView_.reset();
    run_.reset();
    follow_.reset();
    patternsTab_->cancel();
    searchTab_->cancel();
    copyTask_.reset();
    // The lists the pages read go before the controls, which may still be painted.
    pages_->setSources(nullptr, nullptr);
    setTimeSources(nullptr, nullptr);
}

void MainWindow::startUp() {
    updateCatalogues();
    loadServiceList();
    rows_ = std::make_unique<ResultRows>();
    errorCatalogue_ = std::make_unique<ErrorCatalogue>();
    LoadErrorCatalogue(programDir_, *errorCatalogue_);
    openReportChannel();
    openHistory();
    patternsTab_->setSources(errorCatalogue_.get(), history_.get());
    pages_->setSources(rows_.get(), errorCatalogue_.get());
    setTimeSources(rows_.get(), errorCatalogue_.get());
}

void MainWindow::updateCatalogues() {
    // Before the catalogues are loaded, so that newer files are used in this run of
    // the program.  The update is silent; its result does not matter here.
    server_ = ReadServerConfig(configDir_);
    metrics_ = ReadMetricsConfig(configDir_);
    // Before the window is first shown: nothing waits for its events yet, and the
    // update's own time limits bound the wait.
    UpdateCatalogues(programDir_, server_);
}

// One checked row per service of the catalogue, its fields kept as GBK bytes.
void MainWindow::loadServiceList() {
    std::vector<ServiceEntry> services;
    LoadServiceCatalogue(programDir_, services);
    steps_->showServices(services);
}

void MainWindow::checkCatalogues() {
    handle([this] {
        CatalogueCheckDialog dialog(CheckCatalogues(programDir_), this);
        dialogs_->ShowDialog(dialog);
    });
}

void MainWindow::openReportChannel() {
    reportChannel_.SetHost(server_.host);
    reportChannel_.SetPort(server_.reportPort);
    reportChannel_.Open();
}

void MainWindow::closeReportChannel() { reportChannel_.Close(); }

void MainWindow::shutDown() {
    // Nothing works on the lists any more once they are freed.  Following ends with
    // the day recorded.
    follow_->stop();
    // After the follow's record: what it could not send stays in the outbox.
    fleetDialog_.reset();
    if (metricsTask_) metricsTask_->cancel();
    patternsTab_->cancel();
    patternsTab_->setSources(nullptr, nullptr);
    searchTab_->cancel();
    copyTask_->cancel();
    // Its merges read the catalogue.
    mergedView_.reset();
    pages_->setSources(nullptr, nullptr);
    setTimeSources(nullptr, nullptr);
    // Lists are freed element by element from the last to the first, then the list.
    if (rows_) {
        while (!rows_->empty()) rows_->pop_back();
        rows_.reset();
    }
    if (errorCatalogue_) {
        while (!errorCatalogue_->empty()) errorCatalogue_->pop_back();
        errorCatalogue_.reset();
    }
    closeReportChannel();
    trendView_.reset();
    contextView_.reset();
    history_.reset();
}

void MainWindow::remember(WindowMemory memory) {
    memory_ = std::move(memory);
    const WindowMemory::Kept kept = memory_.read();
    if (!kept.geometry.isEmpty()) restoreGeometry(kept.geometry);
    if (!kept.state.isEmpty()) restoreState(kept.state);
    memory_.restoreControls(*this);
    trendCodeLines_ = kept.trendCodeLines;
    exportFolder_ = kept.exportFolder;
    if (kept.services) {
        QTreeWidget* services = steps_->serviceList();
        for (int row = 0; row < steps_->serviceRowCount(); ++row) {
            const QByteArray code = ToByteArray(steps_->serviceRow(row).code);
            services->topLevelItem(row)->setCheckState(
                0, kept.services->contains(code) ? Qt::Checked : Qt::Unchecked);
        }
    }
    // Last: the day list fills as for a typed directory, and says why when it is gone.
    if (kept.directory) steps_->directoryEdit()->setText(*kept.directory);
}

// What the next start takes again.
void MainWindow::keepForNextStart() {
    if (!memory_.active()) return;
    WindowMemory::Kept kept;
    kept.directory = steps_->directoryEdit()->text();
    QList<QByteArray> codes;
    for (int row = 0; row < steps_->serviceRowCount(); ++row)
        if (steps_->serviceRowChecked(row))
            codes.push_back(ToByteArray(steps_->serviceRow(row).code));
    kept.services = std::move(codes);
    kept.geometry = saveGeometry();
    kept.state = saveState();
    kept.trendCodeLines = trendView_ ? trendView_->codeLines() : trendCodeLines_;
    kept.exportFolder = exportFolder_;
    memory_.write(kept, *this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (run_->running()) {
        // The run still reads the catalogue and the window: it stops at its next
        // line, and the close is repeated once its end has arrived.
        closePending_ = true;
        run_->requestStop();
        event->ignore();
        return;
    }
    if (!shutDownDone_) {
        shutDownDone_ = true;
        handle([this] { keepForNextStart(); });
        RunReportingErrors(*dialogs_, [this] { shutDown(); });
    }
    event->accept();
}

void MainWindow::handle(const std::function<void()>& body) { RunReportingErrors(*dialogs_, body); }

}  // namespace corvane::app
