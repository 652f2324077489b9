// The run history in the window: recording each completed run, the marks of new and
// rising errors beside services and codes, and the trend view of a service.

#include <QListWidget>
#include <QTreeWidget>

#include "GbkDisplay.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "RowData.h"
#include "SharedHistory.h"
#include "StepsPanel.h"
#include "TrendView.h"
#include "WindowDialogs.h"
#include "catalog/GbkText.h"
#include "history/HistoryMarks.h"
#include "history/HistoryStore.h"

namespace corvane::app {
namespace {

// The window waits this long for another program recording at the same moment.
constexpr int kHistoryBusyTimeoutMs = 3000;

}  // namespace

// The history is a help, never a condition: without it the analysis works as before.
void MainWindow::openHistory() {
    HistoryOptions options;
    options.busyTimeoutMs = kHistoryBusyTimeoutMs;
    OpenedHistory opened = HistoryStore::Open(DefaultHistoryPath(), options);
    if (opened.store) history_ = std::make_unique<SharedHistory>(std::move(opened.store));
    if (!opened.notice.empty()) dialogs_->ShowMessage(opened.notice);
    if (!history_ && !opened.error.empty()) dialogs_->ShowMessage(opened.error);
}

// Marks each result row whose service has a new or rising code on the run's day
// (the run's worker read them from the history right after recording).
void MainWindow::showMarks(const std::vector<std::vector<Mark>>& marks) {
    for (std::size_t row = 0; row < marks.size() && row < rows_->size(); ++row) {
        (*rows_)[row].marks = marks[row];
        if (QTreeWidgetItem* item = resultList_->topLevelItem(static_cast<int>(row))) {
            item->setText(3, MarkKinds(marks[row]));
            // Each mark in words: new or rising, the code and the error's name.
            QStringList codes;
            for (const Mark& mark : marks[row])
                codes << (mark.kind == MarkKind::New ? QStringLiteral("新：")
                                                     : QStringLiteral("突增：")) +
                             FromGbkLine(mark.key) + QLatin1Char(' ') +
                             (errorCatalogue_
                                  ? FromGbkLine(LookupErrorName(mark.key, *errorCatalogue_))
                                  : QString());
            item->setToolTip(3, codes.join(QLatin1Char('\n')));
        }
    }
}

void MainWindow::showTrend() {
    handle([this] {
        const int row = selectedRow();
        if (row < 0) return;
        const ServicePass& pass = *(*rows_)[static_cast<std::size_t>(row)].stored;
        std::vector<TrendDay> days;
        if (history_) {
            const std::vector<RecordedDay> recordedDays =
                history_->With([&](HistoryStore& history) {
                    return history.Days(pass.directory, pass.serviceCode);
                });
            for (const RecordedDay& recorded : recordedDays) {
                TrendDay day{recorded.day, recorded.known, recorded.unknown, {}};
                for (const auto& [code, count] : recorded.codes) day.perCode[code] = count;
                days.push_back(std::move(day));
            }
        }
        const QString name = resultList_->topLevelItem(row)->text(0);
        // The mode the last trend was left in.
        if (trendView_) trendCodeLines_ = trendView_->codeLines();
        trendView_ = std::make_unique<TrendView>(name, std::move(days), pass.day, this);
        trendView_->setCodeLines(trendCodeLines_);
        connect(trendView_.get(), &TrendView::daySelected, this, &MainWindow::chooseDay);
        // The mark follows the day chosen in the day list, by a click on the trend or not.
        connect(steps_->dayList(), &QListWidget::currentItemChanged, trendView_.get(),
                [this](QListWidgetItem* item) {
                    if (item)
                        trendView_->setChosenDay(ToStdString(item->data(kRoleDay).toByteArray()));
                });
        trendView_->show();
    });
}

// Selects `day` in the day list, as a click on it would.
void MainWindow::chooseDay(const QByteArray& day) { steps_->chooseDay(day); }

}  // namespace corvane::app
