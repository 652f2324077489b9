#include "TrendView.h"

#include <cmath>
#include <set>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "GbkDisplay.h"

namespace corvane::app {

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
    if (days_.empty()) return;

    auto* axisX = new QCategoryAxis();
    axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axisX->setStartValue(-0.5);
    for (std::size_t i = 0; i < days_.size(); ++i)
        axisX->append(FromGbkLine(days_[i].day), static_cast<qreal>(i));
    axisX->setRange(-0.5, static_cast<qreal>(days_.size()) - 0.5);
    auto* axisY = new QValueAxis();
    axisY->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(axisX, Qt::AlignBottom);
    chart_->addAxis(axisY, Qt::AlignLeft);

    long long top = 1;
    const auto addLine = [&](const QString& name, auto valueOf) {
        auto* series = new QLineSeries();
        series->setName(name);
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
    addLine(QStringLiteral("已知错误"), [](const TrendDay& d) { return d.known; });
    addLine(QStringLiteral("未知错误"), [](const TrendDay& d) { return d.unknown; });
    if (codeLines_) {
        std::set<std::string> codes;
        for (const TrendDay& day : days_)
            for (const auto& entry : day.perCode) codes.insert(entry.first);
        for (const std::string& code : codes) {
            addLine(FromGbkLine(code), [&code](const TrendDay& d) {
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
        mark->append(static_cast<qreal>(i), static_cast<qreal>(days_[i].known));
        mark->append(static_cast<qreal>(i), static_cast<qreal>(days_[i].unknown));
        chart_->addSeries(mark);
        mark->attachAxis(axisX);
        mark->attachAxis(axisY);
    }
    axisY->setRange(0, static_cast<qreal>(top) * 1.1);
    axisY->applyNiceNumbers();
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
