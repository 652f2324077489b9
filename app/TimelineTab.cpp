#include "TimelineTab.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include "DesignNames.h"
#include "FindingTimesCache.h"
#include "GbkDisplay.h"

namespace corvane::app {
namespace {

// The slot lengths the operator may choose after "自动", in minutes.
constexpr int kSlotMinutes[] = {1, 2, 5, 10, 15, 30, 60};
// Codes drawn as bars of their own when the bars are split by code; the rest share one.
constexpr std::size_t kCodeBars = 8;

const QColor kKnownColour(0x1f, 0x77, 0xb4);
const QColor kUnknownColour(0xff, 0x7f, 0x0e);
const QColor kOtherColour(0xc7, 0xc7, 0xc7);

QColor SeriesColour(std::size_t index) {
    static const QColor kList[] = {{0x2c, 0xa0, 0x2c}, {0xd6, 0x27, 0x28}, {0x94, 0x67, 0xbd},
                                   {0x8c, 0x56, 0x4b}, {0xe3, 0x77, 0xc2}, {0x7f, 0x7f, 0x7f},
                                   {0xbc, 0xbd, 0x22}, {0x17, 0xbe, 0xcf}};
    if (index < std::size(kList)) return kList[index];
    const double hue = std::fmod(static_cast<double>(index) * 0.381966, 1.0);
    return QColor::fromHsvF(static_cast<float>(hue), 0.5F, 0.7F).toRgb();
}

QString SlotLabel(DayTime start) {
    return start == kNoTime ? QStringLiteral("无时间") : QString::fromStdString(MinuteText(start));
}

// "10:05–10:06"; the day's last slot ends at "24:00".
QString SlotRange(DayTime start, DayTime seconds) {
    if (start == kNoTime) return QStringLiteral("无时间");
    const DayTime end = start + seconds;
    const QString endText =
        end >= kSecondsPerDay ? QStringLiteral("24:00") : QString::fromStdString(MinuteText(end));
    return SlotLabel(start) + QChar(0x2013) + endText;
}

}  // namespace

TimelineTab::TimelineTab(QTabWidget* tabs, FindingTimesCache& times, QObject* parent)
    : QObject(parent),
      tabs_(tabs),
      times_(times),
      counting_([this](const std::string& why) { statusLabel_->setText(FromGbkText(why)); }, this) {
    tab_ = new QWidget();
    tab_->setObjectName(QLatin1String(design::kTimelineTab));
    auto* layout = new QVBoxLayout(tab_);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* options = new QHBoxLayout();
    slotCombo_ = new QComboBox(tab_);
    slotCombo_->setObjectName(QLatin1String(design::kTimelineSlotCombo));
    slotCombo_->addItem(QStringLiteral("自动"));
    for (const int minutes : kSlotMinutes)
        slotCombo_->addItem(QStringLiteral("%1 分钟").arg(minutes));
    codesBox_ = new QCheckBox(QStringLiteral("按错误码分别显示"), tab_);
    codesBox_->setObjectName(QLatin1String(design::kTimelineCodesBox));
    overlayBox_ = new QCheckBox(QStringLiteral("叠加所有服务"), tab_);
    overlayBox_->setObjectName(QLatin1String(design::kTimelineOverlayBox));
    options->addWidget(new QLabel(QStringLiteral("时间段："), tab_));
    options->addWidget(slotCombo_);
    options->addWidget(codesBox_);
    options->addWidget(overlayBox_);
    options->addStretch(1);
    layout->addLayout(options);

    chart_ = new QChart();
    chart_->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart_, tab_);
    view->setObjectName(QLatin1String(design::kTimelineChart));
    layout->addWidget(view, 1);
    statusLabel_ = new QLabel(tab_);
    statusLabel_->setObjectName(QLatin1String(design::kTimelineStatus));
    statusLabel_->setTextFormat(Qt::PlainText);
    layout->addWidget(statusLabel_);
    tabs->addTab(tab_, QStringLiteral("时间分布"));

    const auto redraw = [this] {
        stale_ = true;
        if (looked()) draw();
    };
    connect(slotCombo_, &QComboBox::currentIndexChanged, this, redraw);
    connect(codesBox_, &QCheckBox::toggled, this, redraw);
    connect(overlayBox_, &QCheckBox::toggled, this, redraw);
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (looked() && stale_) draw();
    });
    connect(&times_, &FindingTimesCache::timesChanged, this, [this](int row) {
        if (row == row_ || overlayBox_->isChecked()) refresh();
    });
    connect(&times_, &FindingTimesCache::timesFailed, this, [this](int row, const QString& why) {
        if (row == row_) statusLabel_->setText(QStringLiteral("无法读取日志文件：") + why);
    });
    // The labels that fit change with the plot's width.
    connect(chart_, &QChart::plotAreaChanged, this, &TimelineTab::labelSlots);
}

void TimelineTab::setSources(const ResultRows* rows, const ErrorCatalogue* catalogue) {
    rows_ = rows;
    catalogue_ = catalogue;
    setService(-1);
}

void TimelineTab::setService(int row) {
    row_ = row;
    refresh();
}

void TimelineTab::refresh() {
    stale_ = true;
    if (looked()) draw();
}

bool TimelineTab::looked() const { return tabs_->currentWidget() == tab_; }

void TimelineTab::clearChart() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    slots_.clear();
    labelStep_ = 0;
}

// What the chart shows, counted off the window's thread.
struct TimelineTab::Counted {
    DayTime slotSeconds = 60;
    bool byCode = false;
    std::vector<TimeSlot> counts;
    std::vector<std::pair<std::string, std::vector<std::int64_t>>> lines;  // caption, totals
};

// A service's findings and their times, held while they are counted.
struct TimelineTab::Counting {
    std::shared_ptr<const ServicePass> service;
    std::shared_ptr<const std::vector<DayTime>> times;
};

TimelineTab::Counted TimelineTab::countSlots(const Counting& shown,
                                             const std::vector<Counting>& lines, int choice,
                                             bool byCode) {
    // The span of the times drawn, and the slot that fits it (or the chosen one).
    DayTime first = kSecondsPerDay, last = kNoTime;
    bool untimed = false;
    const auto widen = [&](const std::vector<DayTime>& times) {
        for (const DayTime time : times) {
            if (time == kNoTime) {
                untimed = true;
                continue;
            }
            first = std::min(first, time);
            last = std::max(last, time);
        }
    };
    widen(*shown.times);
    for (const Counting& line : lines) widen(*line.times);
    Counted counted;
    counted.byCode = byCode;
    const DayTime slot = choice <= 0 ? FittingSlotSeconds(last >= first ? last - first : 0)
                                     : static_cast<DayTime>(kSlotMinutes[choice - 1] * 60);
    counted.slotSeconds = slot;

    // Every slot of the span gets a bar, those without findings too, so that the
    // bars stand in time order at even distances.
    const DayTime base = last >= first ? first / slot * slot : 0;
    const std::size_t timedSlots =
        last >= first ? static_cast<std::size_t>((last - base) / slot) + 1 : 0;
    const std::size_t offset = untimed ? 1 : 0;
    const auto indexOf = [&](DayTime start) {
        return start == kNoTime ? 0 : offset + static_cast<std::size_t>((start - base) / slot);
    };
    std::vector<TimeSlot>& counts = counted.counts;
    counts.resize(offset + timedSlots);
    for (std::size_t i = 0; i < counts.size(); ++i)
        counts[i].start = i < offset ? kNoTime : base + static_cast<DayTime>(i - offset) * slot;
    for (TimeSlot& one : CountSlots(shown.service->findings, *shown.times, slot, byCode))
        counts[indexOf(one.start)] = std::move(one);
    for (const Counting& line : lines) {
        std::vector<std::int64_t> totals(counts.size(), 0);
        for (const TimeSlot& one : CountSlots(line.service->findings, *line.times, slot, false))
            totals[indexOf(one.start)] = one.known + one.unknown;
        counted.lines.emplace_back(line.service->caption, std::move(totals));
    }
    return counted;
}

// The slots are counted on a thread of their own (a million findings take tens of
// milliseconds, split by code more); the chart on screen stays until they arrive.
void TimelineTab::draw() {
    stale_ = false;
    counting_.cancel();
    if (!rows_ || row_ < 0 || static_cast<std::size_t>(row_) >= rows_->size()) {
        clearChart();
        statusLabel_->clear();
        return;
    }
    const auto& service = (*rows_)[static_cast<std::size_t>(row_)].stored;
    if (service->findings.empty()) {
        clearChart();
        statusLabel_->setText(QStringLiteral("该服务没有错误。"));
        return;
    }

    // The shown row's times, and every row's when the totals are overlaid.
    const bool overlay = overlayBox_->isChecked();
    times_.want(row_);
    if (overlay) times_.wantAll();
    Counting shown{service, times_.times(row_)};
    if (!shown.times) {
        clearChart();
        statusLabel_->setText(QStringLiteral("正在计算各错误的时间…"));
        return;
    }
    std::vector<Counting> lines;
    if (overlay) {
        for (std::size_t r = 0; r < rows_->size(); ++r)
            if (auto times = times_.times(static_cast<int>(r)))
                lines.push_back({(*rows_)[r].stored, std::move(times)});
    }
    const bool complete = times_.complete(row_);
    counting_.start<Counted>(
        [shown = std::move(shown), lines = std::move(lines), choice = slotCombo_->currentIndex(),
         byCode = codesBox_->isChecked()](const StopToken&) -> std::optional<Counted> {
            return countSlots(shown, lines, choice, byCode);
        },
        [this, complete](Counted& counted) {
            show(counted);
            statusLabel_->setText(complete ? QString() : QStringLiteral("正在计算各错误的时间…"));
        });
}

void TimelineTab::show(Counted& counted) {
    clearChart();
    slots_ = std::move(counted.counts);
    slotSeconds_ = counted.slotSeconds;
    const bool byCode = counted.byCode;

    auto* axisX = new QCategoryAxis();
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setTitleText(QStringLiteral("时间（每段 %1 分钟）").arg(slotSeconds_ / 60));
    auto* axisY = new QValueAxis();
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(axisX, Qt::AlignBottom);
    chart_->addAxis(axisY, Qt::AlignLeft);

    // One bar per slot, stacked from the known errors (all, or by code) and the unknown.
    auto* bars = new QStackedBarSeries();
    const auto addSet = [&](const QString& name, const QColor& colour, auto valueOf) {
        auto* set = new QBarSet(name);
        set->setColor(colour);
        set->setBorderColor(colour);
        QList<qreal> values;
        values.reserve(static_cast<qsizetype>(slots_.size()));
        for (const TimeSlot& slot : slots_) values.append(static_cast<qreal>(valueOf(slot)));
        set->append(values);
        bars->append(set);
    };
    if (!byCode) {
        addSet(QStringLiteral("已知错误"), kKnownColour, [](const TimeSlot& s) { return s.known; });
    } else {
        std::map<std::string, std::int64_t> totals;
        for (const TimeSlot& slot : slots_)
            for (const auto& [code, count] : slot.codes)
                if (code != kUnknownCode) totals[code] += count;
        std::vector<std::pair<std::int64_t, std::string>> ranked;
        for (const auto& [code, count] : totals) ranked.emplace_back(-count, code);
        std::sort(ranked.begin(), ranked.end());
        if (ranked.size() > kCodeBars) ranked.resize(kCodeBars);
        std::vector<std::string> own;
        for (std::size_t i = 0; i < ranked.size(); ++i) {
            const std::string& code = ranked[i].second;
            own.push_back(code);
            QString name = FromGbkLine(code);
            if (catalogue_)
                name += QLatin1Char(' ') + FromGbkLine(LookupErrorName(code, *catalogue_));
            addSet(name, SeriesColour(i), [&code](const TimeSlot& s) {
                const auto at = s.codes.find(code);
                return at == s.codes.end() ? std::int64_t{0} : at->second;
            });
        }
        if (totals.size() > own.size()) {
            addSet(QStringLiteral("其他已知错误"), kOtherColour, [&own](const TimeSlot& s) {
                std::int64_t rest = s.known;
                for (const std::string& code : own) {
                    const auto at = s.codes.find(code);
                    if (at != s.codes.end()) rest -= at->second;
                }
                return rest;
            });
        }
    }
    addSet(QStringLiteral("未知错误"), kUnknownColour, [](const TimeSlot& s) { return s.unknown; });
    bars->setBarWidth(0.9);
    chart_->addSeries(bars);
    bars->attachAxis(axisX);
    bars->attachAxis(axisY);
    connect(bars, &QStackedBarSeries::hovered, this, [this](bool entered, int index, QBarSet*) {
        if (entered) statusLabel_->setText(slotText(index));
    });
    connect(bars, &QStackedBarSeries::clicked, this,
            [this](int index, QBarSet*) { clickSlot(index); });

    std::int64_t top = 1;
    for (const TimeSlot& slot : slots_) top = std::max(top, slot.known + slot.unknown);

    // Each analysed service's total per slot, over the same slots.
    std::size_t colour = 0;
    for (const auto& [caption, totals] : counted.lines) {
        auto* series = new QLineSeries();
        series->setName(FromGbkLine(caption));
        series->setColor(SeriesColour(kCodeBars + colour++));
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(totals.size()));
        for (std::size_t i = 0; i < totals.size(); ++i) {
            points.append(QPointF(static_cast<qreal>(i), static_cast<qreal>(totals[i])));
            top = std::max(top, totals[i]);
        }
        series->replace(points);
        chart_->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
    }
    axisY->setRange(0, static_cast<qreal>(top) * 1.1);
    axisY->applyNiceNumbers();
    labelSlots();
}

// Labels every slot, or every second, third ... one as the plot's width allows.
void TimelineTab::labelSlots() {
    auto* axis = chart_->axes(Qt::Horizontal).isEmpty()
                     ? nullptr
                     : qobject_cast<QCategoryAxis*>(chart_->axes(Qt::Horizontal).first());
    if (!axis || slots_.empty()) return;
    const QFontMetrics metrics(axis->labelsFont());
    const int widest = metrics.horizontalAdvance(QStringLiteral("无时间"));
    const qreal plotWidth = chart_->plotArea().width() > 0 ? chart_->plotArea().width()
                                                           : static_cast<qreal>(tab_->width());
    const qreal perSlot = std::max<qreal>(plotWidth, 1) / static_cast<qreal>(slots_.size());
    const int step =
        std::max(1, static_cast<int>(std::ceil((widest + metrics.height()) / perSlot)));
    if (step == labelStep_) return;
    labelStep_ = step;
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setStartValue(-0.5);
    for (std::size_t i = 0; i < slots_.size(); i += static_cast<std::size_t>(step))
        axis->append(SlotLabel(slots_[i].start), static_cast<qreal>(i));
    axis->setRange(-0.5, static_cast<qreal>(slots_.size()) - 0.5);
}

QStringList TimelineTab::seriesNames() const {
    QStringList names;
    for (QAbstractSeries* series : chart_->series()) {
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) {
            for (const QBarSet* set : bars->barSets()) names << set->label();
        } else {
            names << series->name();
        }
    }
    return names;
}

QString TimelineTab::slotText(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= slots_.size()) return {};
    const TimeSlot& slot = slots_[static_cast<std::size_t>(index)];
    QString text = QStringLiteral("%1：已知错误 %2，未知错误 %3")
                       .arg(SlotRange(slot.start, slotSeconds_))
                       .arg(slot.known)
                       .arg(slot.unknown);
    for (const auto& [code, count] : slot.codes)
        if (code != kUnknownCode)
            text += QStringLiteral("；%1 ×%2").arg(FromGbkLine(code)).arg(count);
    return text;
}

// The slot's first finding: the earliest at or after its start (of equal times the
// first in the file), or the first without a time.
void TimelineTab::clickSlot(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= slots_.size() || !rows_) return;
    const auto times = times_.times(row_);
    if (!times) return;
    const DayTime start = slots_[static_cast<std::size_t>(index)].start;
    const std::size_t position =
        start == kNoTime ? static_cast<std::size_t>(
                               std::find(times->begin(), times->end(), kNoTime) - times->begin())
                         : FirstFindingAtOrAfter(*times, start);
    if (position < times->size()) emit findingChosen(row_, static_cast<long long>(position));
}

}  // namespace corvane::app
