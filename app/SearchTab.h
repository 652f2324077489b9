// The search tab: every line of the chosen day's log files of the checked services
// that holds a text (ASCII letters matched alike unless asked) or matches an
// expression.  The search runs on a thread of its own; what it finds reaches the
// list a batch at a time as a queued call, so the list grows while it runs and the
// window is never held.  A new search, the stop button or a close stops it.  A result
// opens the lines around it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>

#include "catalog/ServiceCatalogue.h"
#include "scan/FindingList.h"
#include "scan/LogFile.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
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

class SearchTab final : public QObject {
public:
    // Rows the list holds at most; the count goes on beyond them.
    static constexpr int kShownMax = 100000;

    // Adds the tab to `tabs`.  `scope` is asked at each start; `open` shows the lines
    // around a result.
    SearchTab(QTabWidget* tabs, std::function<SearchScope()> scope,
              std::function<void(const SearchPlace&)> open, QObject* parent = nullptr);
    ~SearchTab() override;

    // Starts a search of the text typed (stopping one that runs).
    void start();
    // Stops the search, waits for its thread and drops what it still delivers.
    void cancel();
    bool running() const { return thread_.joinable() && !finished_; }
    long long count() const { return count_; }

    // One row of the list: the service's code, the line's number, its time and text.
    struct Row {
        QString service;
        long long number = 0;
        QString time;
        QString text;
        std::shared_ptr<const SearchPlace> file;  // path and stamp; place and line per row
        std::int64_t offset = 0;
        std::string line;
    };

private:
    void stopWork();
    void show(unsigned serial, std::vector<Row>& rows, long long found);
    void finish(unsigned serial, const QString& status);
    void openRow(QTreeWidgetItem* item);
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
    QTreeWidget* list_;

    std::vector<Row> rows_;  // those shown, in list order
    long long count_ = 0;
    unsigned serial_ = 0;  // of the search whose results are current
    bool finished_ = true;
    std::jthread thread_;
};

}  // namespace corvane::app
