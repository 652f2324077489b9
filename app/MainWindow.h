// The main window: the three steps on the right, the results of the last run and
// the details of the selected service on the left.
//
// The window only wires controls to the core.  The chosen directory is the text of
// the directory field, the day the selected row of the day list, the services the
// check marks of the service list.  All catalogue and log text stays GBK bytes in
// row data and is decoded only for display.
//
// The class is split over files by role: MainWindowLayout.cpp builds the controls,
// MainWindowLifecycle.cpp holds start-up, shut-down and the handler guard,
// MainWindowRun.cpp the day list and the analysis run, MainWindowPages.cpp the
// result pages and the details, MainWindowFind.cpp finding a finding and going to
// any page.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "catalog/ErrorCatalogue.h"
#include "catalog/ProgramDir.h"
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

class ContextView;
class HintedListWidget;
class ResultRowSink;
class TrendView;
class ThrottledEventPump;
class WindowDialogs;

class MainWindow : public QMainWindow, private RunView {
    Q_OBJECT

public:
    // Findings shown per page.
    static constexpr int kPageSize = 1000;

    // `programDir` holds the catalogues (ending in "/").  `dialogs` answers the
    // message boxes and the folder dialog; null means real modal boxes.
    explicit MainWindow(std::string programDir = ProgramDir(), WindowDialogs* dialogs = nullptr,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The pump that the scanner and the page fill call; tests tune its throttle.
    ThrottledEventPump& pump() { return *pump_; }

    // The lists this window owns; null before start-up created them and after
    // shut-down freed them.
    const ServiceResults* results() const { return serviceResults_.get(); }
    const ErrorCatalogue* catalogue() const { return errorCatalogue_.get(); }

    // True from the busy test of an accepted start until that run has unwound.
    bool runInProgress() const { return runInProgress_; }
    // True while a page is being filled.
    bool fillInProgress() const { return fillDepth_ > 0; }

    // How each log file is scanned: by default with one thread per core and the
    // scanner's own part, chunk and block lengths.  Tests choose small ones.
    void setScanOptions(const ScanOptions& options) { scanOptions_ = options; }

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
    // The next or previous finding of the shown service whose log line holds the
    // find text, on whatever page it is.
    void findNext();
    void findPrevious();
    // Shows the warnings of the catalogues' check.
    void checkCatalogues();
    // Opens the trend of the selected service over its recorded days.
    void showTrend();
    void chooseDay(const QByteArray& day);
    // Copies the log line of the finding pointed at (or the selected text).
    void copyFindings();
    // Opens the lines around the finding pointed at in its log file.
    void showFindingContext();
    // Saves the run's findings as CSV or as an HTML report.
    void exportRun();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter on the day list or the service list starts the analysis; on a known
    // error it opens the lines around it.  A right-click on a finding view points
    // at the finding under the mouse before its menu opens.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The report of a run: a tally that collects each stored list, sent after the
    // last service.  Without a report channel there is no tally.
    virtual std::unique_ptr<FindingsObserver> createReportTally();
    virtual void sendReport(FindingsObserver* tally);

private:
    // Layout
    void buildLayout();
    void buildStepsPanel(QWidget* client);
    void buildResultPanel();
    void buildDetailPanel();
    void buildPageBar(QWidget* parent);
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

    // Runs a handler body with errors reported, then carries out what was deferred
    // while a run or a page fill was in the way.
    void handle(const std::function<void()>& body);
    void letGo();

    // The analysis run
    void runAnalysis();
    std::string chosenDay() const;
    void resetResultViews();

    // Counts a loop on the window's thread that reads the lists while it serves
    // events (a page fill, a find, pattern mining): a run or a close waits for it.
    class FillScope {
    public:
        explicit FillScope(int& depth) : depth_(depth) { ++depth_; }
        ~FillScope() { --depth_; }
        FillScope(const FillScope&) = delete;
        FillScope& operator=(const FillScope&) = delete;

    private:
        int& depth_;
    };

    // Result pages
    const FindingList* selectedServiceList(int* serviceRow) const;
    const FindingList* shownServiceList() const;
    void showEmptyService();
    void showPage(long long page);
    void fillPage(long long page, const FindingList& list, int serviceRow);
    // Writes the page bar's two numbers from the paging state.
    void updatePageBar();

    // The patterns tab
    void buildPatternsTab();
    // Forgets the patterns shown; an empty service has none ("[0]").
    void clearPatterns(bool emptyService);
    // Mines the patterns of the shown service when the patterns tab is in front.
    void showPatterns();
    void showSelectedPattern();
    void draftCatalogueEntry();
    void showPatternMarks();
    std::vector<PatternCount> countPatterns(const FindingList& findings);

    // Actions on findings
    void addFindingActions();
    // Points at the finding under a right-click at `pos` of a finding view's viewport.
    void pointAtFinding(QObject* viewport, const QPoint& pos);
    long long currentFindingPosition() const;

    // The run history
    void openHistory();
    void recordRun(const RunRecord& record);
    void showMarks();
    QString codeMark(std::string_view code) const;

    // Find and go-to
    void buildFindBar(QWidget* parent);
    void find(bool forward);
    // Shows the page of the finding at `position` of the shown list and selects it.
    void selectFinding(long long position);

    // RunView
    int ServiceRowCount() override;
    bool ServiceRowChecked(int row) override;
    ServiceEntry ServiceRow(int row) override;
    std::string DirectoryText() override;
    ProgressSink& AddResultRow(const std::string& caption) override;
    void RemoveLastResultRow() override;
    void SetLastResultCounts(std::int64_t known, std::int64_t unknown) override;

    const std::string programDir_;
    std::unique_ptr<WindowDialogs> ownDialogs_;
    WindowDialogs* dialogs_;

    // Set by a close request that had to wait: the scan stops at its next line and
    // a page fill at its next finding; the close is repeated once they have let go.
    bool closePending_ = false;
    // Requested together with closePending_: the stop of the run and its tally.
    StopSource closeStop_;
    bool shutDownDone_ = false;
    std::unique_ptr<ThrottledEventPump> pump_;
    std::unique_ptr<ResultRowSink> rowSink_;

    bool runInProgress_ = false;
    ScanOptions scanOptions_ = [] {
        ScanOptions options;
        options.threads = DefaultScanThreads();
        return options;
    }();
    // A start that arrived while a page was being filled; it runs once the fill
    // has let go of the lists it would free.
    bool startPending_ = false;
    int fillDepth_ = 0;
    // Changed by every new fill, start or close; a fill that finds it changed
    // after pumping abandons its page.
    unsigned fillGeneration_ = 0;

    // The paging state: the page shown (0 before any) and the page count of the
    // service whose page it is (0 before any).  A new run leaves both as they are.
    long long shownPage_ = 0;
    long long pageCount_ = 0;
    // The result row whose findings the pages show; -1 when none (a new run frees
    // the lists).
    int shownServiceRow_ = -1;
    // Positions (in the shown list) of the unknown findings of the page shown, in the
    // order of the unknown-error text's lines.
    std::vector<long long> unknownPositions_;
    // The position of the last finding found; -1 before any in the shown service.
    long long findPosition_ = -1;

    // The services of the last run (entry i belongs to result row i), and the rows' marks.
    std::unique_ptr<ServiceResults> serviceResults_;
    std::vector<std::vector<Mark>> rowMarks_;
    // The run history; null when it cannot be used.
    std::unique_ptr<HistoryStore> history_;
    std::unique_ptr<TrendView> trendView_;
    std::unique_ptr<ContextView> contextView_;

    // The patterns of the shown service's unknown findings, largest first.
    struct MinedPattern {
        std::string text;
        std::vector<std::string> constants;
        bool other = false;
        std::vector<std::int64_t> lines;   // line numbers, increasing
        std::vector<std::string> samples;  // the first few lines
    };
    std::vector<MinedPattern> patterns_;
    int patternsRow_ = -1;  // the result row they belong to; -1: none mined
    unsigned patternsGeneration_ = 0;
    QWidget* patternsTab_ = nullptr;
    QTreeWidget* patternList_ = nullptr;
    QPlainTextEdit* patternLinesText_ = nullptr;
    QPushButton* draftButton_ = nullptr;
    QPlainTextEdit* draftText_ = nullptr;
    std::unique_ptr<ErrorCatalogue> errorCatalogue_;

    // Where the update and report servers are (Server.ini), and the report channel.
    ServerConfig server_;
    UdpReportChannel reportChannel_;

    // The steps on the right.
    QWidget* stepsPanel_ = nullptr;
    QWidget* stepsArea_ = nullptr;
    QLabel* directoryLabel_ = nullptr;
    QLineEdit* directoryEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLabel* dayLabel_ = nullptr;
    HintedListWidget* dayList_ = nullptr;
    QLabel* serviceLabel_ = nullptr;
    QTreeWidget* serviceList_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* checkCataloguesButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;

    // The results of the last run.
    QSplitter* resultSplitter_ = nullptr;
    QWidget* resultPanel_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QTreeWidget* resultList_ = nullptr;

    // The details of the selected service.
    QWidget* detailPanel_ = nullptr;
    QLabel* detailLabel_ = nullptr;
    QTabWidget* detailTabs_ = nullptr;
    QWidget* knownTab_ = nullptr;
    QSplitter* knownSplitter_ = nullptr;
    QTreeWidget* knownErrorList_ = nullptr;
    QPlainTextEdit* explanationText_ = nullptr;
    QWidget* unknownTab_ = nullptr;
    QLabel* rawTextLabel_ = nullptr;
    QPlainTextEdit* unknownErrorText_ = nullptr;

    // The page bar.
    QWidget* pageBar_ = nullptr;
    QLabel* pageNumberLabel_ = nullptr;
    QLabel* pageSlashLabel_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QPushButton* previousPageButton_ = nullptr;
    QPushButton* nextPageButton_ = nullptr;
    QPushButton* firstPageButton_ = nullptr;
    QPushButton* lastPageButton_ = nullptr;
    QLineEdit* goToPageEdit_ = nullptr;

    // The find bar above the details.
    QWidget* findBar_ = nullptr;
    QLineEdit* findEdit_ = nullptr;
    QComboBox* findScope_ = nullptr;
    QPushButton* findPreviousButton_ = nullptr;
    QPushButton* findNextButton_ = nullptr;
    QLabel* findStatus_ = nullptr;
};

}  // namespace corvane::app
