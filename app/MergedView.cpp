#include "MergedView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>
#include <deque>

#include "GbkDisplay.h"
#include "MergedLinesModel.h"
#include "SearchTab.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/FindingText.h"
#include "timeline/DayMerge.h"
#include "timeline/FindingTimes.h"

namespace corvane::app {
namespace {

using IgnoreLists = std::vector<std::vector<std::string>>;

// Rows per queued call: the window adds them in a millisecond or two.
constexpr std::size_t kRowsPerCall = 16384;
// Calls that may wait for the window at a time, so that its queue never floods.
constexpr int kCallsWaiting = 2;
// The first rows are posted this soon, whatever their number, so they show at once;
// later ones at most this often.  Each call repaints the table (several milliseconds
// of the window's thread), so a read of a few hundred milliseconds makes a few.
constexpr auto kFirstPost = std::chrono::milliseconds(20);
constexpr auto kPostEvery = std::chrono::milliseconds(100);

constexpr DayTime kLastSecond = kSecondsPerDay - 1;

// What a read merges, copied when it starts.
struct ReadInputs {
    std::vector<MergeSource> sources;
    const ErrorCatalogue* catalogue = nullptr;
    std::shared_ptr<const IgnoreLists> ignoreLists;
};

// The seconds a read covered, [from, to], and what went wrong with sources.
struct Covered {
    DayTime from = 0;
    DayTime to = 0;
    std::string problems;
};

void AddProblems(std::string& problems, const DayMerge& merge) {
    for (const std::string& problem : merge.Problems()) {
        if (problems.find(problem) != std::string::npos) continue;
        if (!problems.empty()) problems += ' ';
        problems += problem;
    }
}

// Hands the rows a read makes to the window in blocks.
class RowPoster {
public:
    using Deliver = std::function<void(std::vector<MergedRow>&&)>;

    RowPoster(const BackgroundTask::Poster& poster, Deliver deliver)
        : poster_(poster), deliver_(std::move(deliver)), due_(Clock::now() + kFirstPost) {}

    // False once the read was stopped.
    bool add(MergedRow row) {
        rows_.push_back(std::move(row));
        if (rows_.size() >= kRowsPerCall) return flush();
        if (rows_.size() % 64 == 1 && Clock::now() >= due_) return flush();
        return true;
    }

    // Posts the rows added since the last call.
    bool flush() {
        due_ = Clock::now() + kPostEvery;
        std::vector<MergedRow> rows = std::move(rows_);
        rows_ = {};
        return post(std::move(rows));
    }

    // Posts `rows` as one block.
    bool post(std::vector<MergedRow>&& rows) {
        if (rows.empty()) return !poster_.stop().stop_requested();
        if (!poster_.waitBelow(kCallsWaiting)) return false;
        poster_.post(
            [deliver = deliver_, rows = std::move(rows)]() mutable { deliver(std::move(rows)); });
        return true;
    }

private:
    using Clock = std::chrono::steady_clock;
    const BackgroundTask::Poster& poster_;
    Deliver deliver_;
    std::vector<MergedRow> rows_;
    Clock::time_point due_;
};

// Merges [from, to] in time order, posting its rows as they come.  With `widen`, a
// range without a line is followed by the seconds after it, twice as many each time,
// up to the day's end.  The read ends with the second in which it passed kLoadRows
// rows from `counted` on (the rows before are read whatever their number).
Covered ReadForward(const ReadInputs& in, DayTime from, DayTime to, DayTime counted, bool widen,
                    RowPoster& out, const StopToken& stop) {
    Covered covered{from, to, {}};
    int count = 0;
    DayTime span = to - from + 1;
    for (;;) {
        DayMerge merge(in.sources, *in.catalogue, *in.ignoreLists, MergeRange{false, from, to},
                       stop);
        MergedLine line;
        DayTime last = kNoTime;
        while (merge.Next(line)) {
            if (count >= MergedView::kLoadRows && line.time != last) {
                AddProblems(covered.problems, merge);
                covered.to = last;
                return covered;
            }
            last = line.time;
            if (line.time >= counted) ++count;
            if (!out.add(MergedLinesModel::RowOf(std::move(line)))) return covered;
        }
        AddProblems(covered.problems, merge);
        covered.to = to;
        if (count > 0 || !widen || to >= kLastSecond || stop.stop_requested()) return covered;
        from = to + 1;
        span *= 2;
        to = std::min(kLastSecond, from + span - 1);
    }
}

// Merges the kScrollSeconds up to `to` (and, while they hold no line, the seconds
// before them, twice as many each time, down to the day's start), keeping the latest
// whole seconds of at most kLoadRows rows; posts them last block first, each to go in
// front of the rows held.
Covered ReadBackward(const ReadInputs& in, DayTime to, RowPoster& out, const StopToken& stop) {
    Covered covered{0, to, {}};
    std::deque<MergedRow> kept;
    DayTime span = MergedView::kScrollSeconds;
    DayTime from = std::max<DayTime>(0, to - span + 1);
    DayTime whole = from;  // the first second all of whose rows are kept
    for (;;) {
        DayMerge merge(in.sources, *in.catalogue, *in.ignoreLists, MergeRange{false, from, to},
                       stop);
        whole = from;
        MergedLine line;
        while (merge.Next(line)) {
            kept.push_back(MergedLinesModel::RowOf(std::move(line)));
            while (kept.size() > static_cast<std::size_t>(MergedView::kLoadRows) &&
                   kept.front().time != kept.back().time) {
                const DayTime first = kept.front().time;
                while (kept.front().time == first) kept.pop_front();
                whole = first + 1;
            }
        }
        AddProblems(covered.problems, merge);
        if (!kept.empty() || from == 0 || stop.stop_requested()) break;
        to = from - 1;
        span *= 2;
        from = std::max<DayTime>(0, to - span + 1);
    }
    covered.from = whole;
    while (!kept.empty()) {
        const auto take = static_cast<std::ptrdiff_t>(std::min(kept.size(), kRowsPerCall));
        std::vector<MergedRow> block(std::make_move_iterator(kept.end() - take),
                                     std::make_move_iterator(kept.end()));
        kept.erase(kept.end() - take, kept.end());
        if (!out.post(std::move(block))) break;
    }
    return covered;
}

// The time of a line of `path`: its own, or the nearest earlier line's (read
// backwards from the file); kNoTime when none has one.
DayTime TimeOfLine(const MergedTarget& target, const StopToken& stop) {
    const DayTime own = LineTimeOf(target.line);
    if (own != kNoTime || target.place.line < 1) return own;
    LogFile file;
    if (!file.Open(target.path)) return kNoTime;
    FindingPlace place = target.place;
    place.length = static_cast<std::int64_t>(target.line.size());
    const FindingList one = {
        Finding{std::string(kFindingCodeLength, ' ') + "|" + target.line, place}};
    std::vector<DayTime> times;
    ExtendFindingTimes(file, one, times, stop);
    return times.empty() ? kNoTime : times.front();
}

}  // namespace

MergedView::MergedView(const ErrorCatalogue* catalogue, std::string programDir,
                       std::function<void(const SearchPlace&)> openContext, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      programDir_(std::move(programDir)),
      openContext_(std::move(openContext)),
      task_(
          [this](const std::string& message) {
              problems_ = FromGbkLine(message);
              showStatus();
          },
          this),
      lineTask_(
          [this](const std::string& message) {
              problems_ = FromGbkLine(message);
              showStatus();
          },
          this) {
    setObjectName(QStringLiteral("MergedView"));
    setWindowTitle(QStringLiteral("各服务同时段日志"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout();
    timeEdit_ = new QLineEdit(this);
    timeEdit_->setObjectName(QLatin1String(kTimeEditName));
    timeEdit_->setPlaceholderText(QStringLiteral("时:分:秒"));
    timeEdit_->setMaximumWidth(120);
    goButton_ = new QPushButton(QStringLiteral("转到"), this);
    goButton_->setObjectName(QLatin1String(kGoButtonName));
    status_ = new QLabel(this);
    status_->setObjectName(QLatin1String(kStatusName));
    status_->setTextFormat(Qt::PlainText);
    // Its text changes with every read; the bar keeps its layout.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(new QLabel(QStringLiteral("时间："), this));
    bar->addWidget(timeEdit_);
    bar->addWidget(goButton_);
    bar->addWidget(status_, 1);
    layout->addLayout(bar);

    // A table keeps no record per row, only the rows' heights, all alike here.
    model_ = new MergedLinesModel(this);
    view_ = new QTableView(this);
    view_->setObjectName(QLatin1String(kLinesName));
    view_->setModel(model_);
    view_->setShowGrid(false);
    view_->setWordWrap(false);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A row's position is the scroll bar's value: rows read into the front keep those
    // on screen where they are by moving it on by their number.
    view_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 4);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setColumnWidth(MergedLinesModel::kTimeColumn, 70);
    view_->setColumnWidth(MergedLinesModel::kServiceColumn, 60);
    view_->setColumnWidth(MergedLinesModel::kLineColumn, 80);
    view_->setColumnWidth(MergedLinesModel::kCodeColumn, 45);
    layout->addWidget(view_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(1000, 640);

    connect(goButton_, &QPushButton::clicked, this, &MergedView::goToTyped);
    connect(timeEdit_, &QLineEdit::returnPressed, this, &MergedView::goToTyped);
    connect(view_, &QTableView::activated, this, &MergedView::openRowContext);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { keepMargins(); });
    // A closed view reads nothing.
    connect(this, &QDialog::finished, this, [this] { cancel(); });
}

MergedView::~MergedView() {
    task_.cancel();
    lineTask_.cancel();
}

void MergedView::setSources(std::vector<MergedSource> sources) {
    cancel();
    sources_ = std::move(sources);
    ignoreLists_.reset();
    std::vector<std::string> services;
    for (const MergedSource& source : sources_) services.push_back(source.service);
    model_->reset(services);
    ranged_ = false;
    pending_.reset();
    note_.clear();
    problems_.clear();
    showStatus();
}

void MergedView::cancel() {
    task_.cancel();
    lineTask_.cancel();
    showStatus();
}

bool MergedView::loading() const { return task_.pending(); }

void MergedView::openAt(MergedTarget target) {
    Selection selection;
    for (std::size_t i = 0; i < sources_.size(); ++i)
        if (sources_[i].path == target.path) selection.source = static_cast<std::uint32_t>(i);
    selection.lineNumber = target.place.line;
    pending_ = selection;
    start(Read::Open, std::move(target), 0, 0, 0);
}

void MergedView::openAt(DayTime time) {
    pending_ = Selection{std::nullopt, 0, time};
    start(Read::Open, std::nullopt, std::max<DayTime>(0, time - kOpenReach),
          std::min(kLastSecond, time + kOpenReach), time);
}

void MergedView::loadEarlier() {
    if (!ranged_ || loading() || from_ <= 0) return;
    start(Read::Earlier, std::nullopt, 0, from_ - 1, 0);
}

void MergedView::loadLater() {
    if (!ranged_ || loading() || to_ >= kLastSecond) return;
    start(Read::Later, std::nullopt, to_ + 1, std::min(kLastSecond, to_ + kScrollSeconds), to_ + 1);
}

void MergedView::start(Read read, std::optional<MergedTarget> target, DayTime from, DayTime to,
                       DayTime counted) {
    // The rows of the last opening go with the next read, which frees them.
    auto dropped = std::make_shared<std::deque<MergedRow>>();
    if (read == Read::Open) {
        task_.cancel();
        std::vector<std::string> services;
        for (const MergedSource& source : sources_) services.push_back(source.service);
        *dropped = model_->reset(services);
        ranged_ = false;
        note_.clear();
        problems_.clear();
    }
    if (sources_.empty() || !catalogue_) {
        pending_.reset();
        showStatus();
        return;
    }
    ReadInputs in;
    for (const MergedSource& source : sources_) in.sources.push_back({source.service, source.path});
    in.catalogue = catalogue_;
    in.ignoreLists = ignoreLists_;
    task_.run(
        [this, read, in = std::move(in), target = std::move(target), from, to, counted, dropped,
         programDir = programDir_](const BackgroundTask::Poster& poster) mutable {
            dropped->clear();
            const StopToken& stop = poster.stop();
            if (!in.ignoreLists) {
                auto lists = std::make_shared<IgnoreLists>();
                for (const MergeSource& source : in.sources)
                    lists->push_back(ReadIgnoreList(programDir, source.service));
                in.ignoreLists = lists;
                poster.post([this, lists] { ignoreLists_ = lists; });
            }
            if (target) {
                const DayTime time = TimeOfLine(*target, stop);
                if (stop.stop_requested()) return;
                const DayTime at = time == kNoTime ? 0 : time;
                from = std::max<DayTime>(0, at - kOpenReach);
                to = std::min(kLastSecond, at + kOpenReach);
                counted = at;
                poster.post([this, at, time] { opened(at, time == kNoTime); });
            }
            RowPoster out(poster, [this, read](std::vector<MergedRow>&& rows) {
                added(read, std::move(rows));
            });
            const Covered covered =
                read == Read::Earlier
                    ? ReadBackward(in, to, out, stop)
                    : ReadForward(in, from, to, counted, read == Read::Later, out, stop);
            if (!out.flush()) return;
            poster.post(
                [this, read, covered] { ended(read, covered.from, covered.to, covered.problems); });
        },
        [this] {
            showStatus();
            keepMargins();
        });
    showStatus();
}

void MergedView::opened(DayTime time, bool timeless) {
    timeEdit_->setText(QString::fromLatin1(ClockText(time)));
    if (pending_) pending_->time = time;
    if (timeless) note_ = QStringLiteral("；该行及其之前的行都没有时间，从当日开头显示");
    showStatus();
}

void MergedView::added(Read read, std::vector<MergedRow>&& rows) {
    if (read == Read::Earlier) {
        QScrollBar* bar = view_->verticalScrollBar();
        const int top = bar->value();
        const int count = static_cast<int>(rows.size());
        model_->prepend(std::move(rows));
        view_->doItemsLayout();
        bar->setValue(top + count);
    } else {
        const int first = model_->size();
        model_->append(std::move(rows));
        if (read == Read::Open) selectPending(first);
    }
}

void MergedView::ended(Read read, DayTime from, DayTime to, const std::string& problems) {
    if (read != Read::Later) from_ = from;
    if (read != Read::Earlier) to_ = to;
    if (read == Read::Open) {
        ranged_ = true;
        // The line's row is not among those read (its file changed since): the first
        // row at its time stands in.
        if (pending_) {
            pending_->source.reset();
            selectPending(0);
            pending_.reset();
        }
    }
    problems_ = problems.empty() ? QString() : QStringLiteral("；") + FromGbkLine(problems);
    dropFarRows(read, from, to);
    showStatus();
}

void MergedView::selectPending(int first) {
    if (!pending_) return;
    for (int i = first; i < model_->size(); ++i) {
        const MergedRow& row = model_->row(i);
        const bool hit = pending_->source ? row.source == *pending_->source &&
                                                row.lineNumber == pending_->lineNumber
                                          : row.time >= pending_->time;
        if (hit) {
            pending_.reset();
            select(i);
            return;
        }
    }
}

void MergedView::select(int row) {
    view_->doItemsLayout();
    const QModelIndex index = model_->index(row, 0);
    view_->setCurrentIndex(index);
    view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void MergedView::dropFarRows(Read read, DayTime from, DayTime to) {
    QScrollBar* bar = view_->verticalScrollBar();
    while (model_->size() > kKeptRows) {
        if (read == Read::Later && model_->row(0).time < from) {
            from_ = model_->row(0).time + 1;
            const int count = model_->firstSecondRows();
            const int top = bar->value();
            model_->dropFirst(count);
            view_->doItemsLayout();
            bar->setValue(std::max(0, top - count));
        } else if (read == Read::Earlier && model_->row(model_->size() - 1).time > to) {
            to_ = model_->row(model_->size() - 1).time - 1;
            model_->dropLast(model_->lastSecondRows());
        } else {
            break;
        }
    }
}

void MergedView::keepMargins() {
    if (!ranged_ || loading() || !isVisible()) return;
    const QScrollBar* bar = view_->verticalScrollBar();
    if (bar->value() == bar->minimum() && from_ > 0)
        loadEarlier();
    else if (bar->value() == bar->maximum() && to_ < kLastSecond)
        loadLater();
}

void MergedView::goToTyped() {
    const std::optional<DayTime> time = ParseClock(timeEdit_->text().trimmed().toStdString());
    if (!time) {
        status_->setText(QStringLiteral("请输入时间，如 07:30 或 07:30:15"));
        return;
    }
    openAt(*time);
}

void MergedView::openRowContext(const QModelIndex& index) {
    if (!index.isValid() || index.row() >= model_->size()) return;
    const MergedRow& row = model_->row(index.row());
    if (row.source >= sources_.size()) return;
    SearchPlace place;
    place.path = sources_[row.source].path;
    place.stamp = sources_[row.source].stamp;
    place.place = {row.lineNumber, row.offset, row.length};
    if (!row.cut()) {
        place.line = row.text;
        openContext_(place);
        return;
    }
    // The view checks the whole line against the file; the row holds its start only.
    lineTask_.start<SearchPlace>(
        [place](const StopToken&) -> std::optional<SearchPlace> {
            LogFile file;
            SearchPlace whole = place;
            if (file.Open(place.path)) {
                whole.line.resize(static_cast<std::size_t>(place.place.length));
                file.Read(whole.line.data(), whole.line.size(), place.place.offset);
            }
            return whole;
        },
        [this](SearchPlace& whole) { openContext_(whole); });
}

void MergedView::showStatus() {
    if (sources_.empty()) {
        status_->setText(QStringLiteral("没有可合并的日志：请先完成一次分析。"));
        return;
    }
    QString text;
    if (ranged_)
        text = QStringLiteral("%1 至 %2，共 %3 行（%4 个服务）")
                   .arg(QString::fromLatin1(ClockText(from_)), QString::fromLatin1(ClockText(to_)))
                   .arg(model_->size())
                   .arg(sources_.size());
    if (loading()) text += ranged_ ? QStringLiteral("，正在读取…") : QStringLiteral("正在读取…");
    status_->setText(text + note_ + problems_);
}

QString MergedView::status() const { return status_->text(); }

}  // namespace corvane::app
