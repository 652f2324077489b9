// The search tab: every line of the chosen day's log files of the checked services
// that holds a text (ASCII letters matched alike unless asked) or matches an
// expression.  The search runs on a BackgroundTask; the places of the lines it finds
// reach the list a batch at a time as queued calls, so the list grows while it runs
// and the window is never held.  The list holds every line found, as its place alone
// (SearchRows), and reads the text of the rows it shows from their files.  A new
// search, the stop button or a close stops it.  A result opens the lines around it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QObject>
#include <QString>

#include "BackgroundTask.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/FindingList.h"
#include "scan/LogFile.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QModelIndex;
class QTabWidget;
class QTableView;
class QWidget;

namespace corvane::app {

// What a search goes over: read from the steps panel when it starts.
struct SearchScope {
    std::string directory;
    std::string day;
    std::vector<ServiceEntry> services;  // the checked ones, in list order
};

// Where a result lies, to open the lines around it.
struct SearchPlace {
    std::string path;
    FileStamp stamp;
    FindingPlace place;
    std::string line;
};

class SearchRows;

class SearchTab final : public QObject {
public:
    // Adds the tab to `tabs`.  `scope` is asked at each start; `open` shows the lines
    // around a result.
    SearchTab(QTabWidget* tabs, std::function<SearchScope()> scope,
              std::function<void(const SearchPlace&)> open, QObject* parent = nullptr);
    ~SearchTab() override;

    // Starts a search of the text typed (stopping one that runs).
    void start();
    // Stops the search, waits for its thread and drops what it still delivers.
    void cancel();
    bool running() const { return task_.pending(); }
    // Adds `text` to the list's menu: `act` gets the result right-clicked.
    void addRowAction(const QString& text, std::function<void(const SearchPlace&)> act);
    long long count() const { return count_; }

private:
    void openRow(const QModelIndex& index);
    SearchPlace placeOf(long long row) const;
    void setStatus(const QString& text);

    std::function<SearchScope()> scope_;
    std::function<void(const SearchPlace&)> open_;
    QTabWidget* tabs_;
    QWidget* tab_;
    QLineEdit* patternEdit_;
    QCheckBox* regexBox_;
    QCheckBox* caseBox_;
    QPushButton* startButton_;
    QPushButton* stopButton_;
    QLabel* status_;
    QTableView* list_;
    SearchRows* rows_;

    long long count_ = 0;
    QString endStatus_;  // what the status says when the search has ended
    BackgroundTask task_;
};

}  // namespace corvane::app
