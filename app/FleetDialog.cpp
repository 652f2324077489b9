#include "FleetDialog.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "BackgroundTask.h"
#include "ControlParts.h"
#include "GbkDisplay.h"
#include "catalog/ErrorCatalogue.h"
#include "fleet/FleetQuery.h"
#include "fleet/LineProtocol.h"

namespace corvane::app {

// The fleet's days the chart shows, the chosen one last.
constexpr int kChartDays = 30;

struct FleetDialog::View {
    std::string day;
    FleetDay table;
    std::map<std::string, std::vector<std::string>> byCode;  // of the shown service
    std::map<std::string, std::int64_t> others;              // of its new codes
    std::vector<FleetTotal> totals;
    std::string error;  // GBK
};

FleetDialog::FleetDialog(Shown shown, QWidget* parent) : QDialog(parent), shown_(std::move(shown)) {
    setObjectName(QStringLiteral("FleetDialog"));
    setWindowTitle(QStringLiteral("全部装置"));
    resize(760, 640);
    task_ = std::make_unique<BackgroundTask>(
        [this](const std::string& failure) {
            status_->setText(FromGbkLine(failure));
            emit loaded();
        },
        this);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("日期："), this));
    dayEdit_ = new QLineEdit(this);
    dayEdit_->setObjectName(QStringLiteral("fleetDay"));
    dayEdit_->setMaxLength(8);
    dayEdit_->setFixedWidth(90);
    top->addWidget(dayEdit_);
    auto* showButton = new QPushButton(QStringLiteral("查看"), this);
    top->addWidget(showButton);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("fleetStatus"));
    top->addWidget(status_, 1);
    layout->addLayout(top);
    connect(showButton, &QPushButton::clicked, this,
            [this] { load(ToGbkText(dayEdit_->text().trimmed())); });
    connect(dayEdit_, &QLineEdit::returnPressed, showButton, &QPushButton::click);

    table_ = MakeReportList(this, {{QStringLiteral("装置"), 200},
                                   {QStringLiteral("服务"), 120},
                                   {QStringLiteral("已知错误"), 90},
                                   {QStringLiteral("未知错误"), 90}});
    table_->setObjectName(QStringLiteral("fleetTable"));
    layout->addWidget(table_, 2);

    codesLabel_ = new QLabel(this);
    layout->addWidget(codesLabel_);
    codes_ = MakeReportList(this, {{QStringLiteral("错误代码"), 70},
                                   {QStringLiteral("错误名称"), 150},
                                   {QStringLiteral("装置数"), 60},
                                   {QStringLiteral("出现的装置"), 250},
                                   {QStringLiteral("本装置"), 160}});
    codes_->setObjectName(QStringLiteral("fleetCodes"));
    codes_->header()->setStretchLastSection(true);
    layout->addWidget(codes_, 2);
    codesLabel_->setVisible(!shown_.service.empty());
    codes_->setVisible(!shown_.service.empty());

    chart_ = new QChart;
    chart_->setTitle(QStringLiteral("全部装置最近%1天的错误数").arg(kChartDays));
    auto* chartView = new QChartView(chart_, this);
    chartView->setObjectName(QStringLiteral("fleetChart"));
    chartView->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(chartView, 3);

    load(shown_.day);
}

FleetDialog::~FleetDialog() { task_->cancel(); }

bool FleetDialog::loading() const { return task_->pending(); }

void FleetDialog::load(const std::string& day) {
    status_->setText(QStringLiteral("正在查询指标服务器..."));
    const Shown shown = shown_;
    task_->start<View>(
        [shown, day](const StopToken& stop) -> std::optional<View> {
            const FleetClient fleet(shown.metrics.url);
            View view;
            view.day = day;
            if (view.day.empty()) {
                std::optional<std::string> latest = fleet.LatestDay(view.error);
                if (!latest) return view;
                view.day = *latest;
            }
            if (stop.stop_requested()) return std::nullopt;
            if (!fleet.Day(view.day, {}, view.table, view.error)) return view;
            if (!shown.service.empty() &&
                !fleet.CodeInstallations(view.day, shown.service, view.byCode, view.error))
                return view;
            if (!shown.newCodes.empty() &&
                !fleet.OthersWithCodes(view.day, shown.metrics.installation, view.others,
                                       view.error))
                return view;
            if (stop.stop_requested()) return std::nullopt;
            fleet.Totals(DayAfter(view.day, 1 - kChartDays).value_or(view.day), view.day, {},
                         view.totals, view.error);
            return view;
        },
        [this](View& view) {
            present(view);
            emit loaded();
        });
}

void FleetDialog::present(View& view) {
    if (!view.day.empty()) dayEdit_->setText(FromGbkLine(view.day));
    table_->clear();
    codes_->clear();
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) chart_->removeAxis(axis);
    if (!view.error.empty()) {
        status_->setText(FromGbkLine(view.error));
    } else if (view.day.empty()) {
        status_->setText(QStringLiteral("尚无装置向指标服务器发送过计数"));
    } else {
        std::set<std::string> installations;
        for (const FleetRow& row : view.table.rows) installations.insert(row.installation);
        status_->setText(QStringLiteral("%1个装置").arg(installations.size()));
    }

    for (const FleetRow& row : view.table.rows) {
        auto* item = new QTreeWidgetItem(table_);
        item->setText(0, FromGbkLine(row.installation));
        item->setText(1, FromGbkLine(row.service));
        item->setText(2, QString::number(row.known));
        item->setText(3, QString::number(row.unknown));
        if (row.installation == shown_.metrics.installation) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 4; ++column) item->setFont(column, bold);
        }
    }

    codesLabel_->setText(QStringLiteral("%1的错误代码出现在哪些装置：").arg(shown_.serviceName));
    for (const auto& [code, names] : view.byCode) {
        auto* item = new QTreeWidgetItem(codes_);
        item->setText(0, FromGbkLine(code));
        if (shown_.catalogue != nullptr)
            item->setText(1, FromGbkLine(LookupErrorName(code, *shown_.catalogue)));
        item->setText(2, QString::number(names.size()));
        QStringList shownNames;
        for (const std::string& name : names) shownNames << FromGbkLine(name);
        item->setText(3, shownNames.join(QStringLiteral("、")));
        if (shown_.newCodes.count(code) != 0) {
            const auto others = view.others.find(code);
            const std::int64_t count = others == view.others.end() ? 0 : others->second;
            item->setText(4, count > 0 ? QStringLiteral("新，另有%1个装置已出现过").arg(count)
                                       : QStringLiteral("新，其他装置均未出现过"));
        }
    }

    auto* known = new QLineSeries;
    known->setName(QStringLiteral("已知错误"));
    auto* unknown = new QLineSeries;
    unknown->setName(QStringLiteral("未知错误"));
    std::int64_t most = 1;
    for (std::size_t i = 0; i < view.totals.size(); ++i) {
        known->append(static_cast<qreal>(i), static_cast<qreal>(view.totals[i].known));
        unknown->append(static_cast<qreal>(i), static_cast<qreal>(view.totals[i].unknown));
        most = std::max({most, view.totals[i].known, view.totals[i].unknown});
    }
    chart_->addSeries(known);
    chart_->addSeries(unknown);
    auto* days = new QValueAxis;
    days->setRange(0, std::max<qreal>(1, static_cast<qreal>(view.totals.size()) - 1));
    days->setLabelFormat(QStringLiteral("%d"));
    days->setTitleText(view.totals.empty() ? QString()
                                           : QStringLiteral("%1 至 %2")
                                                 .arg(FromGbkLine(view.totals.front().day),
                                                      FromGbkLine(view.totals.back().day)));
    auto* counts = new QValueAxis;
    counts->setRange(0, static_cast<qreal>(most));
    counts->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(days, Qt::AlignBottom);
    chart_->addAxis(counts, Qt::AlignLeft);
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(days);
        series->attachAxis(counts);
    }
}

QStringList FleetDialog::chartValues() const {
    QStringList values;
    for (QAbstractSeries* series : chart_->series()) {
        auto* line = qobject_cast<QLineSeries*>(series);
        if (!line) continue;
        QStringList points;
        for (const QPointF& point : line->points()) points << QString::number(point.y());
        values << line->name() + QStringLiteral(": ") + points.join(QLatin1Char(' '));
    }
    return values;
}

}  // namespace corvane::app
