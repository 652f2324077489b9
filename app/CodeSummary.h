// The "按错误码汇总" detail tab: each code among the shown service's findings with its
// name, count and first and last time, sortable by any column.  Clicking a known
// code asks the window to show only that code's known errors; clicking it again, or
// "显示全部", shows every finding again.  The summary is made off the window's thread
// from the stored findings and their times (FindingTimesCache).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "BackgroundTask.h"
#include "ResultRows.h"
#include "timeline/TimeSlots.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QWidget;

namespace corvane::app {

class FindingTimesCache;

class CodeSummary final : public QObject {
    Q_OBJECT

public:
    // Adds the tab to `tabs`.  `times` must outlive the tab.
    CodeSummary(QTabWidget* tabs, FindingTimesCache& times, QObject* parent = nullptr);

    void setSources(const ResultRows* rows, const ErrorCatalogue* catalogue);
    // The result row whose codes the tab lists (-1: none).
    void setService(int row);
    // The row's findings or times changed: listed again when the tab is looked at.
    void refresh();
    // The code the known-error list is limited to (empty: none), as the window has it.
    void setFilteredCode(const std::string& code);

    QTreeWidget* list() const { return list_; }

signals:
    // Only the known errors of `code` (GBK bytes) are to be listed; all when empty.
    void codeChosen(const std::string& code);

private:
    bool looked() const;
    void summarise();
    void show(const std::vector<CodeSpan>& spans);
    void clicked(int index);

    QTabWidget* tabs_;
    FindingTimesCache& times_;
    QWidget* tab_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* showAllButton_ = nullptr;
    const ResultRows* rows_ = nullptr;
    const ErrorCatalogue* catalogue_ = nullptr;
    int row_ = -1;
    bool stale_ = true;
    std::string filtered_;
    BackgroundTask summarising_;
};

}  // namespace corvane::app
