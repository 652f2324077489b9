#include "CodeSummary.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ControlParts.h"
#include "DesignNames.h"
#include "FindingTimesCache.h"
#include "GbkDisplay.h"

namespace corvane::app {
namespace {

enum Column { CodeColumn, NameColumn, CountColumn, FirstColumn, LastColumn };

constexpr int kRoleCodeBytes = Qt::UserRole;

}  // namespace

CodeSummary::CodeSummary(QTabWidget* tabs, FindingTimesCache& times, QObject* parent)
    : QObject(parent),
      tabs_(tabs),
      times_(times),
      summarising_([this](const std::string& why) { statusLabel_->setText(FromGbkText(why)); },
                   this) {
    tab_ = new QWidget();
    tab_->setObjectName(QLatin1String(design::kCodeSummaryTab));
    auto* layout = BareColumn(tab_);
    list_ = MakeReportList(tab_, {{QStringLiteral("错误代码"), 70},
                                  {QStringLiteral("错误名称"), 180},
                                  {QStringLiteral("次数"), 80},
                                  {QStringLiteral("首次时间"), 80},
                                  {QStringLiteral("最后时间"), 80}});
    list_->setObjectName(QLatin1String(design::kCodeSummaryList));
    list_->setSortingEnabled(true);
    list_->sortByColumn(CountColumn, Qt::DescendingOrder);
    layout->addWidget(list_, 1);
    auto* bar = new QHBoxLayout();
    bar->setContentsMargins(2, 2, 2, 2);
    statusLabel_ = MakeLabel(tab_, QString());
    statusLabel_->setObjectName(QLatin1String(design::kCodeSummaryStatus));
    showAllButton_ = new QPushButton(QStringLiteral("显示全部"), tab_);
    showAllButton_->setObjectName(QLatin1String(design::kCodeSummaryShowAll));
    showAllButton_->setToolTip(QStringLiteral("已知错误列表重新显示全部错误"));
    showAllButton_->setEnabled(false);
    bar->addWidget(statusLabel_, 1);
    bar->addWidget(showAllButton_);
    layout->addLayout(bar);
    tabs->addTab(tab_, QStringLiteral("按错误码汇总"));

    connect(list_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { clicked(list_->indexOfTopLevelItem(item)); });
    connect(showAllButton_, &QPushButton::clicked, this, [this] { emit codeChosen({}); });
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (looked() && stale_) summarise();
    });
    connect(&times_, &FindingTimesCache::timesChanged, this, [this](int row) {
        if (row == row_) refresh();
    });
    connect(&times_, &FindingTimesCache::timesFailed, this, [this](int row, const QString& why) {
        if (row == row_) statusLabel_->setText(QStringLiteral("无法读取日志文件：") + why);
    });
}

void CodeSummary::setSources(const ResultRows* rows, const ErrorCatalogue* catalogue) {
    rows_ = rows;
    catalogue_ = catalogue;
    setService(-1);
}

void CodeSummary::setService(int row) {
    row_ = row;
    filtered_.clear();
    showAllButton_->setEnabled(false);
    refresh();
}

void CodeSummary::refresh() {
    stale_ = true;
    if (looked()) summarise();
}

bool CodeSummary::looked() const { return tabs_->currentWidget() == tab_; }

void CodeSummary::setFilteredCode(const std::string& code) {
    filtered_ = code;
    showAllButton_->setEnabled(!code.empty());
}

// The counts are the stored findings'; the first and last times wait for the times.
void CodeSummary::summarise() {
    stale_ = false;
    summarising_.cancel();
    if (!rows_ || row_ < 0 || static_cast<std::size_t>(row_) >= rows_->size()) {
        list_->clear();
        statusLabel_->clear();
        return;
    }
    times_.want(row_);
    std::shared_ptr<const ServicePass> stored = (*rows_)[static_cast<std::size_t>(row_)].stored;
    std::shared_ptr<const std::vector<DayTime>> times = times_.times(row_);
    if (!times_.complete(row_)) times.reset();
    statusLabel_->setText(QStringLiteral("汇总中…"));
    summarising_.start<std::vector<CodeSpan>>(
        [stored, times](const StopToken&) -> std::optional<std::vector<CodeSpan>> {
            return SummariseCodes(stored->findings, times ? std::span<const DayTime>(*times)
                                                          : std::span<const DayTime>());
        },
        [this, complete = times != nullptr](std::vector<CodeSpan>& spans) {
            show(spans);
            statusLabel_->setText(complete ? QStringLiteral("%1 种错误码").arg(spans.size())
                                           : QStringLiteral("正在计算各错误的时间…"));
        });
}

void CodeSummary::show(const std::vector<CodeSpan>& spans) {
    list_->setSortingEnabled(false);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const CodeSpan& span : spans) {
        auto* item = new QTreeWidgetItem();
        const bool unknown = span.code == kUnknownCode;
        item->setText(CodeColumn, FromGbkLine(span.code));
        item->setData(CodeColumn, kRoleCodeBytes, ToByteArray(span.code));
        item->setText(NameColumn, unknown ? QStringLiteral("未知错误")
                                  : catalogue_
                                      ? FromGbkLine(LookupErrorName(span.code, *catalogue_))
                                      : QString());
        item->setData(CountColumn, Qt::DisplayRole, static_cast<qlonglong>(span.count));
        item->setText(FirstColumn, QString::fromStdString(ClockText(span.first)));
        item->setText(LastColumn, QString::fromStdString(ClockText(span.last)));
        if (unknown) item->setToolTip(CodeColumn, QStringLiteral("未知错误在“未知错误”页中"));
        items << item;
    }
    list_->addTopLevelItems(items);
    list_->setSortingEnabled(true);
}

// A known code limits the known-error list to it; the same code again shows all.
void CodeSummary::clicked(int index) {
    QTreeWidgetItem* item = list_->topLevelItem(index);
    if (!item) return;
    const QByteArray code = item->data(CodeColumn, kRoleCodeBytes).toByteArray();
    const std::string bytes(code.constData(), static_cast<std::size_t>(code.size()));
    if (bytes == kUnknownCode) return;
    emit codeChosen(bytes == filtered_ ? std::string() : bytes);
}

}  // namespace corvane::app
