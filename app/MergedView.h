// 各服务同时段日志: every line of the day's logs of the last run's services around a
// time, merged in time order (timeline/DayMerge.h), each row with its time, service,
// line number, the code of its finding and the line.  It opens at a line (a finding,
// a search result, a line of the context view) or at a time typed, reading the
// seconds kOpenReach before and after it; scrolling to either end reads the seconds
// before or after those shown, and a double-click opens the lines around a row in its
// own file.
//
// Every merge runs on a BackgroundTask and posts its rows in blocks: the window's thread
// only adds them to the model, which decodes a row when it is painted.  The view keeps
// whole seconds: a read stops at the end of the second in which it passed kLoadRows
// rows, and once more than kKeptRows rows are held, the seconds farthest from where the
// operator reads go.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "BackgroundTask.h"
#include "catalog/ErrorCatalogue.h"
#include "scan/FindingList.h"
#include "scan/LogFile.h"
#include "timeline/LineTime.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTableView;

namespace corvane::app {

class MergedLinesModel;
struct MergedRow;
struct SearchPlace;

// One service's log of the day, as the run read it.
struct MergedSource {
    std::string service;  // its code (GBK)
    std::string path;
    FileStamp stamp;
};

// A line to open the view at: its time (or the nearest earlier line's of its file) is
// where the view opens, and its row is selected once it is read.
struct MergedTarget {
    std::string path;
    FindingPlace place;  // its number and offset (its length that of `line`)
    std::string line;    // its bytes (GBK)
};

class MergedView final : public QDialog {
    Q_OBJECT

public:
    // Seconds read before and after the time the view opens at.
    static constexpr DayTime kOpenReach = 30;
    // Seconds a scroll reads at least (more when they hold no line).
    static constexpr DayTime kScrollSeconds = 60;
    static constexpr int kLoadRows = 20000;
    static constexpr int kKeptRows = 100000;

    // The object names of its controls.
    static constexpr char kLinesName[] = "mergedLinesView";
    static constexpr char kTimeEditName[] = "mergedTimeEdit";
    static constexpr char kGoButtonName[] = "mergedGoButton";
    static constexpr char kStatusName[] = "mergedStatus";

    // `catalogue` must outlive the view (its merges read it); the ignore texts are
    // read from `programDir`.  `openContext` shows the lines around a row.
    MergedView(const ErrorCatalogue* catalogue, std::string programDir,
               std::function<void(const SearchPlace&)> openContext, QWidget* parent = nullptr);
    ~MergedView() override;

    // The logs merged from now on (a run's services in catalogue order); empties the
    // view.
    void setSources(std::vector<MergedSource> sources);
    const std::vector<MergedSource>& sources() const { return sources_; }

    // Reads the seconds around `target`'s time, selecting its row.
    void openAt(MergedTarget target);
    // Reads the seconds around `time`, selecting the first row at or after it.
    void openAt(DayTime time);
    // Reads the seconds before or after those held, unless a read is going on or the
    // day's start or end is reached.
    void loadEarlier();
    void loadLater();
    // Stops a read, waits for its thread and drops what it still delivers.
    void cancel();

    bool loading() const;
    // The seconds held, [first, last]; both kNoTime before a read has ended.
    DayTime firstSecond() const { return ranged_ ? from_ : kNoTime; }
    DayTime lastSecond() const { return ranged_ ? to_ : kNoTime; }
    const MergedLinesModel& model() const { return *model_; }
    QTableView* view() const { return view_; }
    QString status() const;

private:
    enum class Read { Open, Earlier, Later };
    // What the view selects once its row is read: a line of a source, or the first
    // row at or after a time.
    struct Selection {
        std::optional<std::uint32_t> source;
        std::int64_t lineNumber = 0;
        DayTime time = 0;
    };

    // Reads [from, to] (a target's seconds once its time is known); a read forward
    // stops after kLoadRows rows from `counted` on.
    void start(Read read, std::optional<MergedTarget> target, DayTime from, DayTime to,
               DayTime counted);
    void opened(DayTime time, bool timeless);
    void added(Read read, std::vector<MergedRow>&& rows);
    void ended(Read read, DayTime from, DayTime to, const std::string& problems);
    void selectPending(int first);
    void select(int row);
    void dropFarRows(Read read, DayTime from, DayTime to);
    // Reads on while the rows shown reach the first or last row held.
    void keepMargins();
    void goToTyped();
    void openRowContext(const QModelIndex& index);
    void showStatus();

    const ErrorCatalogue* catalogue_;
    const std::string programDir_;
    std::function<void(const SearchPlace&)> openContext_;
    std::vector<MergedSource> sources_;
    // Read by the first merge of these sources, then handed to the later ones.
    std::shared_ptr<const std::vector<std::vector<std::string>>> ignoreLists_;

    bool ranged_ = false;
    DayTime from_ = 0;
    DayTime to_ = kSecondsPerDay - 1;
    std::optional<Selection> pending_;
    QString note_;      // about where the view opened
    QString problems_;  // of the sources, from the last read

    MergedLinesModel* model_;
    QTableView* view_;
    QLineEdit* timeEdit_;
    QPushButton* goButton_;
    QLabel* status_;
    BackgroundTask task_;
    // Reads the whole of a long line before its context opens.
    BackgroundTask lineTask_;
};

}  // namespace corvane::app
