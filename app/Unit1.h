// The main window: the three steps on the right, the results of the last run and
// the details of the selected service on the left.
//
// The window only wires controls to the core.  Its controls double as state: the
// directory is the text of DirectoryEdit1, the day the selected row of ListBox1,
// the services the check marks of ListView3, the paging state the texts of Label5
// and Label8.  All catalogue and log text stays GBK bytes in row data and is
// decoded only for display.
#pragma once

#include <memory>
#include <string>

#include <QMainWindow>

#include "analysis/AnalysisRun.h"
#include "catalog/ErrorCatalogue.h"
#include "catalog/ProgramDir.h"
#include "online/ServerConfig.h"
#include "online/UdpReportChannel.h"

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

namespace corvane::app {
class ThrottledEventPump;
class WindowDialogs;
}  // namespace corvane::app

class TForm1 : public QMainWindow, private corvane::RunView {
    Q_OBJECT

public:
    // Findings shown per page.
    static constexpr int PageSize = 1000;

    // `programDir` holds the catalogues (ending in "/").  `dialogs` answers the
    // message boxes and the folder dialog; null means real modal boxes.
    explicit TForm1(std::string programDir = corvane::ProgramDir(),
                    corvane::app::WindowDialogs* dialogs = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // The pump that the scanner and the page fill call; tests tune its throttle.
    corvane::app::ThrottledEventPump& Pump() { return *pump_; }

    // The lists this window owns; null before start-up created them and after
    // shut-down freed them.
    const corvane::ServiceResults* Results() const { return serviceResults_.get(); }
    const corvane::ErrorCatalogue* Catalogue() const { return errorCatalogue_.get(); }

    // True from the busy test of an accepted start until that run has unwound.
    bool RunInProgress() const { return runInProgress_; }
    // True while a page is being filled.
    bool FillInProgress() const { return fillDepth_ > 0; }

public slots:
    void DirectoryEdit1Change();
    void DirectoryEdit1BrowseClick();
    void Button1Click();
    void ListView1Click();
    void ListView2Click();
    void Button3Click();
    void Button2Click();

protected:
    void closeEvent(QCloseEvent* event) override;

    // The report of a run: a tally that collects each stored list, sent after the
    // last service.  Without a report channel there is no tally.
    virtual std::unique_ptr<corvane::FindingsObserver> CreateReportTally();
    virtual void SendReport(corvane::FindingsObserver* tally);

private:
    class ResultRowSink;

    void BuildLayout();
    void FormCreate();
    void FormClose();
    // Start-up step: replaces the catalogues with newer ones from the update server.
    void UpdateCatalogues();
    // Start-up and shut-down steps of the report channel.
    void OpenReportChannel();
    void CloseReportChannel();

    void ListLogDays();
    void ShowPage(long long page);
    void FillPage(long long page, const corvane::FindingList& list, int serviceRow);
    const corvane::FindingList* SelectedServiceList(int* serviceRow) const;

    // Runs a handler body with errors reported, then carries out what was deferred
    // while a run or a page fill was in the way.
    template <typename Body>
    void Handle(Body&& body);
    void LetGo();

    // RunView
    int ServiceRowCount() override;
    bool ServiceRowChecked(int row) override;
    corvane::ServiceEntry ServiceRow(int row) override;
    std::string DirectoryText() override;
    corvane::ProgressSink& AddResultRow(const std::string& caption) override;
    void RemoveLastResultRow() override;
    void SetLastResultCounts(const std::string& known, const std::string& unknown) override;

    const std::string programDir_;
    std::unique_ptr<corvane::app::WindowDialogs> ownDialogs_;
    corvane::app::WindowDialogs* dialogs_;

    // Set by a close request that had to wait: the scan stops at its next line and
    // a page fill at its next finding; the close is repeated once they have let go.
    bool closePending_ = false;
    bool formClosed_ = false;
    std::unique_ptr<corvane::app::ThrottledEventPump> pump_;
    std::unique_ptr<ResultRowSink> rowSink_;

    bool runInProgress_ = false;
    // A start that arrived while a page was being filled; it runs once the fill
    // has let go of the lists it would free.
    bool startPending_ = false;
    int fillDepth_ = 0;
    // Changed by every new fill, start or close; a fill that finds it changed
    // after pumping abandons its page.
    unsigned fillGeneration_ = 0;

    std::unique_ptr<corvane::ServiceResults> serviceResults_;
    std::unique_ptr<corvane::ErrorCatalogue> errorCatalogue_;

    // Where the update and report servers are (Server.ini), and the report channel.
    corvane::ServerConfig server_;
    corvane::UdpReportChannel IdUDPClient1;

    // Controls, named as in the window's design.
    QWidget* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* DirectoryEdit1 = nullptr;
    QPushButton* DirectoryEdit1Button = nullptr;
    QLabel* Label4 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* Label3 = nullptr;
    QTreeWidget* ListView3 = nullptr;
    QPushButton* Button1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel3 = nullptr;
    QLabel* Label1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QWidget* Panel4 = nullptr;
    QLabel* Label6 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QTreeWidget* ListView2 = nullptr;
    QSplitter* Splitter2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QLabel* Label9 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QWidget* Panel6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button2 = nullptr;
};
