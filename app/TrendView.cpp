#include "TrendView.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "GbkDisplay.h"

namespace corvane::app {
namespace {

// Every series in its own colour: the totals and the mark always in theirs, the
// code lines from a list of distinct colours and beyond it from hues spread by the
// golden angle, at a brightness that none of the fixed colours has.
const QColor kKnownColour(0x1f, 0x77, 0xb4);
const QColor kUnknownColour(0xff, 0x7f, 0x0e);
const QColor kMarkColour(Qt::black);

QColor CodeColour(std::size_t index) {
    static const QColor kList[] = {{0x2c, 0xa0, 0x2c}, {0xd6, 0x27, 0x28}, {0x94, 0x67, 0xbd},
                                   {0x8c, 0x56, 0x4b}, {0xe3, 0x77, 0xc2}, {0x7f, 0x7f, 0x7f},
                                   {0xbc, 0xbd, 0x22}, {0x17, 0xbe, 0xcf}};
    if (index < std::size(kList)) return kList[index];
    const double hue = std::fmod(static_cast<double>(index) * 0.381966, 1.0);
    return QColor::fromHsvF(static_cast<float>(hue), index % 2 == 0 ? 0.35F : 0.5F, 0.7F).toRgb();
}

bool AllDigits(const std::string& day) {
    return day.size() == 8 &&
           std::all_of(day.begin(), day.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "12-01" for the day 20261201 when the days lie in one year (the axis names it),
// "2025-12-01" when they do not; any other day as it is.
QString DayLabel(const std::string& day, bool oneYear) {
    if (!AllDigits(day)) return FromGbkLine(day);
    const QString text = QString::fromLatin1(day.data(), 8);
    const QString monthDay = text.mid(4, 2) + QLatin1Char('-') + text.mid(6, 2);
    return oneYear ? monthDay : text.left(4) + QLatin1Char('-') + monthDay;
}

}  // namespace

TrendView::TrendView(const QString& serviceName, std::vector<TrendDay> days,
                     const std::string& chosenDay, QWidget* parent)
    : QDialog(parent), days_(std::move(days)), chosenDay_(chosenDay) {
    setObjectName(QStringLiteral("TrendView"));
    setWindowTitle(QStringLiteral("错误趋势 - %1").arg(serviceName));
    resize(820, 480);
    auto* layout = new QVBoxLayout(this);
    if (days_.empty()) {
        auto* empty = new QLabel(QStringLiteral("该目录下此服务还没有分析记录。"), this);
        layout->addWidget(empty);
    }
    chart_ = new QChart();
    chart_->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart_, this);
    view->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(view, 1);
    codeLinesBox_ = new QCheckBox(QStringLiteral("按错误代码分别显示"), this);
    layout->addWidget(codeLinesBox_);
    connect(codeLinesBox_, &QCheckBox::toggled, this, &TrendView::setCodeLines);
    // The labels that fit change with the plot's width.
    connect(chart_, &QChart::plotAreaChanged, this, &TrendView::labelDays);
    rebuild();
}

void TrendView::setChosenDay(const std::string& day) {
    if (day == chosenDay_) return;
    chosenDay_ = day;
    rebuild();
}

void TrendView::setCodeLines(bool shown) {
    if (shown == codeLines_) return;
    codeLines_ = shown;
    codeLinesBox_->setChecked(shown);
    rebuild();
}

void TrendView::rebuild() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    dayAxis_ = nullptr;
    labelStep_ = 0;
    if (days_.empty()) return;

    auto* axisX = new QCategoryAxis();
    dayAxis_ = axisX;
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const bool digits =
        std::all_of(days_.begin(), days_.end(), [](const TrendDay& d) { return AllDigits(d.day); });
    oneYear_ = true;
    if (digits) {
        const QString first = QString::fromLatin1(days_.front().day.data(), 4);
        const QString last = QString::fromLatin1(days_.back().day.data(), 4);
        oneYear_ = first == last;
        axisX->setTitleText(oneYear_ ? QStringLiteral("日期（%1年）").arg(first)
                                     : QStringLiteral("日期（%1年–%2年）").arg(first, last));
    }
    labelDays();
    auto* axisY = new QValueAxis();
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(axisX, Qt::AlignBottom);
    chart_->addAxis(axisY, Qt::AlignLeft);

    long long top = 1;
    const auto addLine = [&](const QString& name, const QColor& colour, auto valueOf) {
        auto* series = new QLineSeries();
        series->setName(name);
        series->setColor(colour);
        series->setPointsVisible(true);
        for (std::size_t i = 0; i < days_.size(); ++i) {
            const long long value = valueOf(days_[i]);
            top = std::max(top, value);
            series->append(static_cast<qreal>(i), static_cast<qreal>(value));
        }
        chart_->addSeries(series);
        series->attachAxis(axisX);
        series->attachAxis(axisY);
        connect(series, &QLineSeries::clicked, this, [this](const QPointF& point) {
            clickDay(static_cast<int>(std::lround(point.x())));
        });
    };
    addLine(QStringLiteral("已知错误"), kKnownColour, [](const TrendDay& d) { return d.known; });
    addLine(QStringLiteral("未知错误"), kUnknownColour,
            [](const TrendDay& d) { return d.unknown; });
    if (codeLines_) {
        std::set<std::string> codes;
        for (const TrendDay& day : days_)
            for (const auto& entry : day.perCode) codes.insert(entry.first);
        std::size_t index = 0;
        for (const std::string& code : codes) {
            addLine(FromGbkLine(code), CodeColour(index++), [&code](const TrendDay& d) {
                const auto it = d.perCode.find(code);
                return it == d.perCode.end() ? 0LL : it->second;
            });
        }
    }

    // The chosen day stands out on both totals.
    for (std::size_t i = 0; i < days_.size(); ++i) {
        if (days_[i].day != chosenDay_) continue;
        auto* mark = new QScatterSeries();
        mark->setName(QStringLiteral("所选日期"));
        mark->setMarkerSize(14);
        mark->setColor(kMarkColour);
        mark->append(static_cast<qreal>(i), static_cast<qreal>(days_[i].known));
        mark->append(static_cast<qreal>(i), static_cast<qreal>(days_[i].unknown));
        chart_->addSeries(mark);
        mark->attachAxis(axisX);
        mark->attachAxis(axisY);
    }
    axisY->setRange(0, static_cast<qreal>(top) * 1.1);
    axisY->applyNiceNumbers();
}

void TrendView::labelDays() {
    if (!dayAxis_) return;
    // A label needs its own width and a gap; the plot's width is shared by all days.
    const QFontMetrics metrics(dayAxis_->labelsFont());
    int widest = 1;
    for (const TrendDay& day : days_)
        widest = std::max(widest, metrics.horizontalAdvance(DayLabel(day.day, oneYear_)));
    const qreal plotWidth =
        chart_->plotArea().width() > 0 ? chart_->plotArea().width() : static_cast<qreal>(width());
    const qreal perDay = plotWidth / static_cast<qreal>(days_.size());
    const int step = std::max(1, static_cast<int>(std::ceil((widest + metrics.height()) / perDay)));
    if (step == labelStep_) return;
    labelStep_ = step;

    for (const QString& label : dayAxis_->categoriesLabels()) dayAxis_->remove(label);
    dayAxis_->setStartValue(-0.5);
    for (std::size_t i = 0; i < days_.size(); i += static_cast<std::size_t>(step))
        dayAxis_->append(DayLabel(days_[i].day, oneYear_), static_cast<qreal>(i));
    dayAxis_->setRange(-0.5, static_cast<qreal>(days_.size()) - 0.5);
}

QStringList TrendView::seriesNames() const {
    QStringList names;
    for (const QAbstractSeries* series : chart_->series()) names << series->name();
    return names;
}

void TrendView::clickDay(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= days_.size()) return;
    emit daySelected(ToByteArray(days_[static_cast<std::size_t>(index)].day));
}

}  // namespace corvane::app
