// The pages of the shown service (1000 findings a page) in the first two detail tabs,
// the explanation of a selected known error, the page bar below them and the find bar
// above them: their controls and the paging state.
#pragma once

#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "BackgroundTask.h"
#include "ResultRows.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeView;
class QWidget;

namespace corvane::app {

class KnownErrorRows;

class ResultPages final : public QObject {
public:
    // Findings shown per page.
    static constexpr int kPageSize = 1000;

    // Adds the known-error and unknown-error tabs to `tabs` and makes the find bar and
    // the page bar as children of `panel` (the window places them).  `progressBar`
    // follows a page fill.
    ResultPages(QWidget* panel, QTabWidget* tabs, QProgressBar* progressBar,
                QObject* parent = nullptr);

    // The stored rows and the catalogue the pages show; null after shut-down.
    void setSources(const ResultRows* rows, const ErrorCatalogue* catalogue);

    QWidget* findBar() const { return findBar_; }
    QWidget* pageBar() const { return pageBar_; }
    QWidget* knownTab() const { return knownTab_; }
    QWidget* unknownTab() const { return unknownTab_; }
    QTreeView* knownErrorList() const { return knownErrorList_; }
    QPlainTextEdit* explanationText() const { return explanationText_; }
    QPlainTextEdit* unknownErrorText() const { return unknownErrorText_; }
    QPushButton* previousPageButton() const { return previousPageButton_; }
    QPushButton* nextPageButton() const { return nextPageButton_; }
    QLineEdit* goToTimeEdit() const { return goToTimeEdit_; }
    QAction* goToTimeAction() const { return goToTimeAction_; }
    QPushButton* filterShowAllButton() const { return filterShowAllButton_; }
    // Every control with its design name.
    std::vector<std::pair<QObject*, const char*>> designNames() const;

    // Shows page 1 of result row `row` (a row with a stored service).
    void showService(int row);
    // The stored service of result row `row` was replaced by a longer (or, after a
    // rescan, another) one.  When it is shown, the page bar counts its pages; the page
    // looked at stays, and the last page, where findings are added, is filled again
    // with the finding pointed at still pointed at.
    void serviceChanged(int row, bool rewritten = false);
    // The page on screen shows `pass` (a stored service of a result row).
    bool shows(const ServicePass* pass) const;
    // A new run: the finding views are emptied and the shown row forgotten; the
    // explanation and the page bar keep what they show.
    void forgetService();

    void showPreviousPage();
    void showNextPage();
    void showFirstPage();
    void showLastPage();
    void goToPage();
    // Looks for the find bar's text on a thread of its own; the hit is selected when it
    // arrives.  A new find, another service or a new run drops a find still going.
    void find(bool forward);
    void showSelectedError();
    // Says `text` where the find bar says what it found (a go-to-time's answer).
    void setStatus(const QString& text);
    // Shows the page that holds the finding at `position` of the shown list, with the
    // finding selected and, when it is a known error, explained: as a page and a click
    // on its row show it.  A code filter that leaves the finding out is let go first.
    void showFinding(long long position);

    // Limits the known-error list to the findings of `code` (GBK bytes), 1000 a page,
    // from page 1, with a bar above it that says so; empty: every finding again.  The
    // limit ends with the shown service, a new run, or a finding shown outside it.
    void filterCode(const std::string& code);
    const std::string& filteredCode() const { return filterCode_; }

    // The row whose findings are shown (-1: none) and its list (null: none).
    int shownRow() const { return shownRow_; }
    const ServicePass* shownService() const;
    // The position in the shown list of the finding the operator points at: the
    // selected known error, or the unknown error under the text cursor, whichever tab
    // is in front.  -1 when there is none.
    long long currentFindingPosition() const;

private:
    void buildFindBar(QWidget* panel);
    void buildTabs(QTabWidget* tabs);
    void buildPageBar(QWidget* panel);
    void showEmptyService();
    void showPage(long long page);
    void updatePageBar();
    void selectFinding(long long position);
    // The known-error list limited to one code: its own pages over the code's positions,
    // apart from the pages of every finding.
    void showFilteredPage(long long page);
    void collectFiltered();
    void dropFilter();

    QTabWidget* tabs_;
    QProgressBar* progressBar_;
    const ResultRows* rows_ = nullptr;
    const ErrorCatalogue* catalogue_ = nullptr;

    // The page shown (0 before any) and the page count of the service whose page it
    // is (0 before any).  A new run leaves both as they are.
    long long shownPage_ = 0;
    long long pageCount_ = 0;
    int shownRow_ = -1;
    // Positions (in the shown list) of the unknown findings of the page shown, in the
    // order of the unknown-error text's lines.
    std::vector<long long> unknownPositions_;
    // The position of the last finding found; -1 before any in the shown service.
    long long findPosition_ = -1;
    BackgroundTask finding_;
    // The code the known-error list is limited to (empty: none) and the positions of
    // its findings in the shown list, ascending.
    std::string filterCode_;
    std::vector<long long> filtered_;

    QWidget* knownTab_ = nullptr;
    QSplitter* knownSplitter_ = nullptr;
    KnownErrorRows* known_ = nullptr;
    QTreeView* knownErrorList_ = nullptr;
    QPlainTextEdit* explanationText_ = nullptr;
    QWidget* filterBar_ = nullptr;
    QLabel* filterLabel_ = nullptr;
    QPushButton* filterShowAllButton_ = nullptr;
    QWidget* unknownTab_ = nullptr;
    QLabel* rawTextLabel_ = nullptr;
    QPlainTextEdit* unknownErrorText_ = nullptr;

    QWidget* pageBar_ = nullptr;
    QLabel* pageNumberLabel_ = nullptr;
    QLabel* pageSlashLabel_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QPushButton* previousPageButton_ = nullptr;
    QPushButton* nextPageButton_ = nullptr;
    QPushButton* firstPageButton_ = nullptr;
    QPushButton* lastPageButton_ = nullptr;
    QLineEdit* goToPageEdit_ = nullptr;
    QLineEdit* goToTimeEdit_ = nullptr;
    QAction* goToTimeAction_ = nullptr;

    QWidget* findBar_ = nullptr;
    QLineEdit* findEdit_ = nullptr;
    QComboBox* findScope_ = nullptr;
    QPushButton* findPreviousButton_ = nullptr;
    QPushButton* findNextButton_ = nullptr;
    QLabel* findStatus_ = nullptr;
};

}  // namespace corvane::app
