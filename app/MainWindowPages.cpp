// The window's side of the result pages: which row they show, and the handlers of
// the page bar, the find bar and the known-error list.

#include <QTreeWidget>

#include "MainWindow.h"
#include "PatternsTab.h"
#include "ResultPages.h"

namespace corvane::app {

int MainWindow::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = resultList_->selectedItems();
    if (selected.isEmpty()) return -1;
    const int index = resultList_->indexOfTopLevelItem(selected.first());
    // The newest row has no list while its service is still being scanned, and a
    // row whose scan failed never gets one.
    if (!rows_ || index < 0 || static_cast<std::size_t>(index) >= rows_->size()) return -1;
    return index;
}

void MainWindow::showSelectedService() {
    handle([this] {
        const int row = selectedRow();
        if (row < 0) return;
        pages_->showService(row);
        showServiceTimes(row);
        // A service without findings shows as such, patterns included.
        const auto& stored = (*rows_)[static_cast<std::size_t>(row)].stored;
        if (stored->findings.empty())
            patternsTab_->clear(true);
        else
            patternsTab_->setService(stored);
    });
}

void MainWindow::showSelectedError() {
    handle([this] { pages_->showSelectedError(); });
}

// The page buttons page the service whose page is shown, whatever is selected.
void MainWindow::showPreviousPage() {
    handle([this] { pages_->showPreviousPage(); });
}

void MainWindow::showNextPage() {
    handle([this] { pages_->showNextPage(); });
}

void MainWindow::showFirstPage() {
    handle([this] { pages_->showFirstPage(); });
}

void MainWindow::showLastPage() {
    handle([this] { pages_->showLastPage(); });
}

void MainWindow::goToPage() {
    handle([this] { pages_->goToPage(); });
}

void MainWindow::findNext() {
    handle([this] { pages_->find(true); });
}

void MainWindow::findPrevious() {
    handle([this] { pages_->find(false); });
}

}  // namespace corvane::app
