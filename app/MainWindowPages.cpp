// The result pages of the selected service (1000 findings a page) and the details
// of a selected known error.

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string_view>

#include <QLineEdit>

#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "GbkDisplay.h"
#include "MainWindow.h"
#include "PatternsTab.h"
#include "RowData.h"
#include "WindowDialogs.h"
#include "analysis/FindingText.h"
#include "catalog/GbkText.h"

namespace corvane::app {
namespace {

long long PageCount(std::size_t findings) {
    const auto n = static_cast<long long>(findings);
    return n / MainWindow::kPageSize + (n % MainWindow::kPageSize != 0 ? 1 : 0);
}

}  // namespace

void MainWindow::updatePageBar() {
    pageNumberLabel_->setText(QString::number(shownPage_));
    pageCountLabel_->setText(QString::number(pageCount_));
    // A page button is enabled only where it would show a page.
    const bool shown = shownServiceList() != nullptr;
    previousPageButton_->setEnabled(shown && shownPage_ > 1);
    nextPageButton_->setEnabled(shown && shownPage_ != pageCount_);
    firstPageButton_->setEnabled(previousPageButton_->isEnabled());
    lastPageButton_->setEnabled(nextPageButton_->isEnabled());
    goToPageEdit_->setEnabled(shown && pageCount_ > 1);
}

const FindingList* MainWindow::shownServiceList() const {
    if (!rows_ || shownServiceRow_ < 0 ||
        static_cast<std::size_t>(shownServiceRow_) >= rows_->size())
        return nullptr;
    return &(*rows_)[static_cast<std::size_t>(shownServiceRow_)].stored->findings;
}

const FindingList* MainWindow::selectedServiceList(int* serviceRow) const {
    const QList<QTreeWidgetItem*> selected = resultList_->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const int index = resultList_->indexOfTopLevelItem(selected.first());
    // The newest row has no list while its service is still being scanned, and a
    // row whose scan failed never gets one.
    if (!rows_ || index < 0 || static_cast<std::size_t>(index) >= rows_->size()) return nullptr;
    *serviceRow = index;
    return &(*rows_)[static_cast<std::size_t>(index)].stored->findings;
}

void MainWindow::showSelectedService() {
    handle([this] {
        int row = 0;
        const FindingList* list = selectedServiceList(&row);
        if (!list) return;
        shownServiceRow_ = row;
        findPosition_ = -1;
        if (list->empty()) {
            showEmptyService();
            return;
        }
        pageCount_ = PageCount(list->size());
        updatePageBar();
        showPage(1);
        patternsTab_->setService((*rows_)[static_cast<std::size_t>(row)].stored);
    });
}

// A service without findings shows as such, rather than leaving the findings of the
// service shown before under the new selection.
void MainWindow::showEmptyService() {
    knownErrorList_->clear();
    explanationText_->clear();
    unknownErrorText_->clear();
    unknownPositions_.clear();
    detailTabs_->setTabText(0, KnownTabCaption(0));
    detailTabs_->setTabText(1, UnknownTabCaption(0));
    shownPage_ = 0;
    pageCount_ = 0;
    updatePageBar();
    patternsTab_->clear(true);
}

// The page buttons page the service whose page is shown, whatever is selected.
void MainWindow::showPreviousPage() {
    handle([this] {
        if (shownPage_ == 1) return;
        const FindingList* list = shownServiceList();
        if (!list || list->empty()) return;
        // No page is shown (0) until a service was clicked; there is no page before 1.
        if (shownPage_ - 1 < 1) return;
        showPage(shownPage_ - 1);
    });
}

void MainWindow::showNextPage() {
    handle([this] {
        if (pageCount_ == shownPage_) return;
        const FindingList* list = shownServiceList();
        if (!list || list->empty()) return;
        showPage(shownPage_ + 1);
    });
}

void MainWindow::showPage(long long page) {
    const FindingList* list = shownServiceList();
    if (!list) return;
    fillPage(page, *list, shownServiceRow_);
}

void MainWindow::fillPage(long long page, const FindingList& list, int serviceRow) {
    knownErrorList_->clear();
    explanationText_->clear();
    unknownErrorText_->clear();
    unknownPositions_.clear();
    const auto n = static_cast<long long>(list.size());
    if (n > 0) progressBar_->setRange(0, static_cast<int>(std::min<long long>(n - 1, INT_MAX)));
    shownPage_ = page;
    updatePageBar();

    // Positions before the first finding are never read, whatever page was asked for.
    const long long first = std::max<long long>((page - 1) * kPageSize, 0);
    const long long end = std::min<long long>(page * kPageSize, n);

    // Rows and lines are collected and put into the views in one go: adding them
    // one by one would lay out and repaint the views for every finding.
    QList<QTreeWidgetItem*> rows;
    struct RowsOwner {
        QList<QTreeWidgetItem*>& rows;
        ~RowsOwner() { qDeleteAll(rows); }
    } rowsOwner{rows};
    QString unknownLines;
    long long unknownCount = 0;
    QHash<QByteArray, QString> names;

    for (long long i = first; i < end; ++i) {
        progressBar_->setValue(static_cast<int>(std::min<long long>(i, INT_MAX)));

        const std::string_view finding = list[static_cast<std::size_t>(i)];
        if (finding.substr(0, 3) == kUnknownCode) {
            if (unknownCount++ > 0) unknownLines += QLatin1Char('\n');
            unknownLines += FromGbkLine(LogLine(finding));
            unknownPositions_.push_back(i);
            continue;
        }
        const std::string_view code = finding.substr(0, 3);
        const QByteArray codeBytes = ToByteArray(code);
        auto name = names.find(codeBytes);
        if (name == names.end())
            name = names.insert(codeBytes, FromGbkLine(LookupErrorName(code, *errorCatalogue_)));

        auto* item = new QTreeWidgetItem();
        item->setText(0, FromGbkLine(TimeField(finding)));
        item->setText(1, name.value());
        item->setText(2, FromGbkLine(code));
        item->setText(3, codeMark(code));
        item->setData(0, kRolePosition, i);
        item->setData(0, kRoleServiceRow, serviceRow);
        item->setData(0, kRoleErrorCode, codeBytes);
        rows.append(item);
    }

    const auto knownCount = static_cast<long long>(rows.size());
    knownErrorList_->addTopLevelItems(rows);
    rows.clear();
    if (unknownCount > 0) unknownErrorText_->setPlainText(unknownLines);
    progressBar_->setValue(0);
    detailTabs_->setTabText(0, KnownTabCaption(knownCount));
    detailTabs_->setTabText(1, UnknownTabCaption(unknownCount));
}

// The explanation lines of the selected known error, an empty line, the heading of
// the raw text and the finding's log line.
void MainWindow::showSelectedError() {
    handle([this] {
        const QList<QTreeWidgetItem*> selected = knownErrorList_->selectedItems();
        if (selected.isEmpty()) return;
        const QTreeWidgetItem* row = selected.first();
        explanationText_->clear();

        const QByteArray code = row->data(0, kRoleErrorCode).toByteArray();
        std::vector<std::string> lines;
        if (errorCatalogue_)
            LookupExplanation(
                std::string_view(code.constData(), static_cast<std::size_t>(code.size())),
                *errorCatalogue_, lines);
        QStringList text;
        text.reserve(static_cast<qsizetype>(lines.size()) + 3);
        for (const std::string& line : lines) text << FromGbkLine(line);
        text << QString();
        text << FromGbkLine(gbk::kMemoRawHeading);

        // The known-error list is always emptied before the rows its rows point to
        // are let go, so the row's list and position exist.
        if (!rows_) throw std::logic_error("The analysis lists were not created at start-up");
        const auto serviceRow =
            static_cast<std::size_t>(row->data(0, kRoleServiceRow).toLongLong());
        const auto position = static_cast<std::size_t>(row->data(0, kRolePosition).toLongLong());
        const StoredService& stored = *rows_->at(serviceRow).stored;
        text << FromGbkLine(LogLine(stored.findings.at(position)));
        // Where the line stands in its file, for finding it in other tools.
        if (position < stored.places.size())
            text << QStringLiteral("行号：%1").arg(stored.places[position].line);
        explanationText_->setPlainText(text.join(QLatin1Char('\n')));
    });
}

}  // namespace corvane::app
