// The "时间分布" detail tab: the shown service's findings per time slot across the
// day as stacked bars (known and unknown, or the most frequent codes), the slot's
// length fitted to the span or chosen, each analysed service's total per slot as a
// line on request.  Hovering a slot says its counts; clicking it asks the window to
// show the slot's first finding.  The chart counts the stored findings and their times
// (FindingTimesCache), never the file, off the window's thread, and draws one bar per
// slot.
#pragma once

#include <memory>
#include <vector>

#include <QObject>
#include <QString>

#include "BackgroundTask.h"
#include "ResultRows.h"
#include "timeline/TimeSlots.h"

class QChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class QWidget;

namespace corvane::app {

class FindingTimesCache;

class TimelineTab final : public QObject {
    Q_OBJECT

public:
    // Adds the tab to `tabs`.  `times` must outlive the tab.
    TimelineTab(QTabWidget* tabs, FindingTimesCache& times, QObject* parent = nullptr);

    void setSources(const ResultRows* rows, const ErrorCatalogue* catalogue);
    // The result row whose findings the chart shows (-1: none).
    void setService(int row);
    // The rows' findings or times changed: the chart is drawn again when it is looked at.
    void refresh();

    // The slots drawn, one per bar, in order: those of the span from the first timed
    // slot to the last, the one of the findings without a time first when there are any.
    const std::vector<TimeSlot>& drawnSlots() const { return slots_; }
    DayTime slotSeconds() const { return slotSeconds_; }
    // The series drawn (bar sets, then the overlaid lines), by name; for tests.
    QStringList seriesNames() const;
    // What hovering bar `index` says.
    QString slotText(int index) const;
    // Acts as a click on bar `index`.
    void clickSlot(int index);
    // True while the slots are being counted for the chart: what it shows is older.
    bool drawing() const { return counting_.pending(); }

signals:
    // The finding at `position` of result row `row` is to be shown.
    void findingChosen(int row, long long position);

private:
    struct Counted;
    struct Counting;
    static Counted countSlots(const Counting& shown, const std::vector<Counting>& lines, int choice,
                              bool byCode);
    bool looked() const;
    void draw();
    void show(Counted& counted);
    void clearChart();
    void labelSlots();

    QTabWidget* tabs_;
    FindingTimesCache& times_;
    QWidget* tab_ = nullptr;
    QChart* chart_ = nullptr;
    QComboBox* slotCombo_ = nullptr;
    QCheckBox* codesBox_ = nullptr;
    QCheckBox* overlayBox_ = nullptr;
    QLabel* statusLabel_ = nullptr;

    const ResultRows* rows_ = nullptr;
    const ErrorCatalogue* catalogue_ = nullptr;
    int row_ = -1;
    bool stale_ = true;  // the chart does not show the row's findings as they stand
    std::vector<TimeSlot> slots_;
    DayTime slotSeconds_ = 60;
    int labelStep_ = 0;
    BackgroundTask counting_;
};

}  // namespace corvane::app
