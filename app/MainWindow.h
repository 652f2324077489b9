// The main window: the three steps on the right, the results of the last run and
// the details of the selected service on the left.
//
// The window only wires controls to the core.  The chosen directory is the text of
// the directory field, the day the selected row of the day list, the services the
// check marks of the service list.  All catalogue and log text stays GBK bytes in
// row data and is decoded only for display.
//
// MainWindow wires classes that each own their controls and state: StepsPanel (the
// steps and the progress bar), ResultPages (pages, explanation, page bar, find bar),
// PatternsTab, WindowRun (the run on its worker thread), WindowFollow (the run's
// files followed on theirs) and ResultRows (one record per result row).  Its own files by role:
// MainWindowLayout.cpp places and names the controls and connects them, MainWindowLifecycle.cpp
// start-up and shut-down, MainWindowRun.cpp the start and what the run shows, MainWindowPages.cpp
// the page handlers, MainWindowHistory.cpp the marks and the trend, MainWindowActions.cpp copy,
// context and export.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>

#include "ResultRows.h"
#include "WindowFollow.h"
#include "WindowMemory.h"
#include "WindowRun.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProgramDir.h"
#include "fleet/MetricsConfig.h"
#include "history/HistoryMarks.h"
#include "history/RunRecord.h"
#include "online/ServerConfig.h"
#include "online/UdpReportChannel.h"
#include "scan/AnalysisRun.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace corvane {
class HistoryStore;
}  // namespace corvane

namespace corvane::app {

class BackgroundTask;
class CodeSummary;
class ContextView;
class FindingTimesCache;
class FleetDialog;
class HintedListWidget;
class MergedView;
struct MergedTarget;
class PatternsTab;
class SearchTab;
struct SearchPlace;
struct SearchScope;
class ResultPages;
class StepsPanel;
class ResultRowSink;
class SharedHistory;
class TimelineTab;
class TrendView;
class WindowDialogs;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `dirs` holds Server.ini and the catalogues (each ending in "/"); one directory
    // stands for both.  `dialogs` answers the message boxes and the folder dialog; null
    // means real modal boxes.
    explicit MainWindow(ProgramDirs dirs = RunningProgramDirs(), WindowDialogs* dialogs = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The stored services of the last run (entry i belongs to result row i) and the
    // error catalogue; null before start-up created them and after shut-down freed them.
    const ResultRows* results() const { return rows_.get(); }
    const ErrorCatalogue* catalogue() const { return errorCatalogue_.get(); }

    // True from an accepted start until the window has shown that run's end.
    bool runInProgress() const;

    // How each log file is scanned: by default with one thread per core and the
    // scanner's own part, chunk and block lengths.  Tests choose small ones.
    void setScanOptions(const ScanOptions& options) { scanOptions_ = options; }
    // Keeps the window's directory, services, size and controls in `memory` from now on
    // and takes what it kept at the last close: the directory as if typed (its day list
    // fills), the services checked as they were.  Nothing changes for a first start.
    void remember(WindowMemory memory);

public slots:
    void listLogDays();
    void chooseDirectory();
    void startAnalysis();
    void showSelectedService();
    void showSelectedError();
    void showPreviousPage();
    void showNextPage();
    void showFirstPage();
    void showLastPage();
    // Shows the page typed into the go-to field.
    void goToPage();
    // Shows the first finding at or after the time typed into the go-to-time field.
    void goToTime();
    // The next or previous finding of the shown service whose log line holds the
    // find text, on whatever page it is.
    void findNext();
    void findPrevious();
    // Shows the warnings of the catalogues' check.
    void checkCatalogues();
    // Opens the trend of the selected service over its recorded days.
    void showTrend();
    // 全部装置: what every installation sent to the metrics server (MainWindowFleet.cpp).
    void showFleet();
    void chooseDay(const QByteArray& day);
    // Copies the log line of the finding pointed at (or the selected text).
    void copyFindings();
    // Opens the lines around the finding pointed at in its log file.
    void showFindingContext();
    // Saves the run's findings as CSV or as an HTML report.
    void exportRun();
    // Opens every service's lines around the time of the finding pointed at, merged in
    // time order (MainWindowMerged.cpp); or, without a finding, the view for a time typed.
    void showFindingMerged();
    void showMergedLines();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter on the day list or the service list starts the analysis; on a known
    // error it opens the lines around it.  A right-click on a finding view points
    // at the finding under the mouse before its menu opens.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The report of a run: a tally that collects each stored list, sent after the
    // last service.  Without a report channel there is no tally.  The tally is made on
    // the window's thread; it is fed and sent on the run's worker thread.
    virtual std::unique_ptr<FindingsObserver> createReportTally(const StopToken& stop);
    virtual void sendReport(FindingsObserver* tally);

private:
    // The search tab: what it goes over, and the lines around one of its results.
    SearchScope searchScope() const;
    void showSearchContext(const SearchPlace& place);
    // The lines around `place` of the log at `path`; a compressed log is decompressed
    // into the cache first, off the window's thread.
    void openContext(const std::string& path, const FileStamp& stamp, const FindingPlace& place,
                     const std::string& finding);
    // The merged view over the last run's services, made at its first use; opened at
    // `target` when given.
    void openMerged(const MergedTarget* target);
    // Layout
    void keepForNextStart();
    // Another day or directory was chosen: following the day on screen ends.
    void endFollowingForAnotherDay();
    void showFollowStatus();
    void buildLayout();
    void buildResultPanel();
    void buildDetailPanel();
    void nameControls();
    void connectControls();
    void setTabOrderOfSteps();

    // Start-up and shut-down
    void startUp();
    void shutDown();
    // Start-up step: replaces the catalogues with newer ones from the update server.
    void updateCatalogues();
    void loadServiceList();
    // Start-up and shut-down steps of the report channel.
    void openReportChannel();
    void closeReportChannel();

    // Runs a handler body with errors reported.
    void handle(const std::function<void()>& body);

    // The analysis run
    void runAnalysis();
    void serviceStored(std::shared_ptr<const ServicePass> stored);
    void runFinished(const RunEnd& end);
    void resetResultViews();

    // Following a completed run's files (实时跟踪)
    void followToggled(bool checked);
    void startFollowing();
    void followedRowChanged(const WindowFollow::Change& change);
    // The day as following left it goes into the history in place of the run's record.
    void recordFollowedDay();
    // Sends the outbox to the metrics server (or, without a history, `direct` once);
    // `notices` (GBK) are shown with what the sending says.
    void sendMetrics(std::vector<MetricsDay> direct, std::vector<std::string> notices);

    // The result row selected, when it has a stored service; -1 otherwise.
    int selectedRow() const;

    // Actions on findings
    void addFindingActions();
    // Points at the finding under a right-click at `pos` of a finding view's viewport.
    void pointAtFinding(QObject* viewport, const QPoint& pos);

    // The findings' times: the time distribution and per-code summary tabs, the
    // go-to-time (MainWindowTimes.cpp).
    void buildTimeViews();
    void setTimeSources(const ResultRows* rows, const ErrorCatalogue* catalogue);
    void showServiceTimes(int row);
    // A followed row's change: its times are extended, or worked out again.
    void serviceTimesChanged(const WindowFollow::Change& change);
    void finishGoToTime();
    void chooseCode(const std::string& code);

    // The run history
    void openHistory();
    void showMarks(const std::vector<std::vector<Mark>>& marks);

    // What the run is to go through as the controls stand, and the result rows it adds
    RunPlan currentPlan() const;
    void publishPlan();
    ProgressSink* addResultRow(const std::string& caption);
    void removeLastResultRow();
    void setLastResultCounts(std::int64_t known, std::int64_t unknown);

    const std::string configDir_;   // Server.ini
    const std::string programDir_;  // the catalogues
    std::unique_ptr<WindowDialogs> ownDialogs_;
    WindowDialogs* dialogs_;

    // Set by a close request that had to wait for the run to stop; the close is
    // repeated once the run has ended.
    bool closePending_ = false;
    bool shutDownDone_ = false;
    std::unique_ptr<ResultRowSink> rowSink_;
    std::unique_ptr<WindowRun> run_;
    std::unique_ptr<WindowFollow> follow_;
    // The directory and day of the last run, whose files a follow watches.
    std::string runDirectory_;
    std::string runDay_;

    ScanOptions scanOptions_ = [] {
        ScanOptions options;
        options.threads = DefaultScanThreads();
        return options;
    }();
    std::unique_ptr<ResultRows> rows_;
    // The run history; null when it cannot be used.
    std::unique_ptr<SharedHistory> history_;
    std::unique_ptr<TrendView> trendView_;
    // The metrics server of Server.ini's METRICS section; none without one.
    std::optional<MetricsConfig> metrics_;
    // Sends what the outbox holds after a run or a follow, off the window's thread;
    // declared after the history it uses, so that it ends first.
    std::unique_ptr<BackgroundTask> metricsTask_;
    std::unique_ptr<FleetDialog> fleetDialog_;
    bool trendCodeLines_ = false;  // the mode of the trend shown last
    int followedFiles_ = 0;        // the files following looks at
    QString lastFollowChange_;     // when a followed row last changed (HH:mm:ss)
    QString exportFolder_;         // where the last export went
    WindowMemory memory_;          // what is kept for the next start
    std::unique_ptr<ContextView> contextView_;
    std::unique_ptr<MergedView> mergedView_;

    PatternsTab* patternsTab_ = nullptr;
    FindingTimesCache* times_ = nullptr;
    TimelineTab* timelineTab_ = nullptr;
    CodeSummary* codeSummary_ = nullptr;
    // A go-to-time waiting for the times of its row: the row and the time.
    std::optional<std::pair<int, std::int32_t>> pendingTime_;
    SearchTab* searchTab_ = nullptr;
    // Decompresses a compressed log into the cache before its first context view.
    std::unique_ptr<BackgroundTask> copyTask_;
    std::unique_ptr<ErrorCatalogue> errorCatalogue_;

    // Where the update and report servers are (Server.ini), and the report channel.
    ServerConfig server_;
    UdpReportChannel reportChannel_;

    StepsPanel* steps_ = nullptr;

    // The results of the last run.
    QSplitter* resultSplitter_ = nullptr;
    QWidget* resultPanel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QTreeWidget* resultList_ = nullptr;

    // The details of the selected service.
    QWidget* detailPanel_ = nullptr;
    QLabel* detailLabel_ = nullptr;
    QTabWidget* detailTabs_ = nullptr;
    ResultPages* pages_ = nullptr;
};

}  // namespace corvane::app
