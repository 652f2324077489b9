// Finding a finding among all pages of the shown service, and going to any page.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>

#include "GbkDisplay.h"
#include "MainWindow.h"
#include "RowData.h"

namespace corvane::app {
namespace {

enum FindScope { kFindAll, kFindKnown, kFindUnknown };

}  // namespace

void MainWindow::buildFindBar(QWidget* parent) {
    findBar_ = new QWidget(parent);
    auto* layout = new QHBoxLayout(findBar_);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(4);
    auto* label = new QLabel(QStringLiteral("查找："), findBar_);
    findEdit_ = new QLineEdit(findBar_);
    findEdit_->setPlaceholderText(QStringLiteral("日志原文中的文字，不分大小写"));
    findEdit_->setClearButtonEnabled(true);
    findScope_ = new QComboBox(findBar_);
    findScope_->addItems(
        {QStringLiteral("全部"), QStringLiteral("已知错误"), QStringLiteral("未知错误")});
    findPreviousButton_ = new QPushButton(QStringLiteral("上一个"), findBar_);
    findNextButton_ = new QPushButton(QStringLiteral("下一个"), findBar_);
    findStatus_ = new QLabel(findBar_);
    findStatus_->setTextFormat(Qt::PlainText);
    findStatus_->setMinimumWidth(60);
    layout->addWidget(label);
    layout->addWidget(findEdit_, 1);
    layout->addWidget(findScope_);
    layout->addWidget(findPreviousButton_);
    layout->addWidget(findNextButton_);
    layout->addWidget(findStatus_);
}

void MainWindow::findNext() {
    handle([this] { find(true); });
}

void MainWindow::findPrevious() {
    handle([this] { find(false); });
}

// Compares the decoded log lines (so that Chinese text is found), from the finding
// after (or before) the last one found, or from the page shown, round the list.
void MainWindow::find(bool forward) {
    const FindingList* list = shownServiceList();
    const QString needle = findEdit_->text();
    if (!list || list->empty() || needle.isEmpty()) {
        findStatus_->setText(needle.isEmpty() ? QString() : QStringLiteral("未找到"));
        return;
    }
    const auto n = static_cast<long long>(list->size());
    const int scope = findScope_->currentIndex();
    long long from = findPosition_;
    if (from < 0 || from >= n)
        from = forward ? (shownPage_ - 1) * kPageSize - 1 : shownPage_ * kPageSize;

    long long hit = -1;
    bool wrapped = false;
    for (long long step = 1; step <= n; ++step) {
        long long i = forward ? from + step : from - step;
        i = ((i % n) + n) % n;
        if (forward ? i <= from : i >= from) wrapped = true;
        const std::string_view finding = (*list)[static_cast<std::size_t>(i)];
        const bool unknown = finding.substr(0, 3) == kUnknownCode;
        if ((scope == kFindKnown && unknown) || (scope == kFindUnknown && !unknown)) continue;
        const std::string_view line = finding.size() > 4 ? finding.substr(4) : std::string_view();
        if (FromGbkLine(line).contains(needle, Qt::CaseInsensitive)) {
            hit = i;
            break;
        }
    }
    if (hit < 0) {
        findStatus_->setText(QStringLiteral("未找到"));
        return;
    }
    findStatus_->setText(wrapped ? QStringLiteral("已从另一端继续") : QString());
    selectFinding(hit);
}

void MainWindow::selectFinding(long long position) {
    findPosition_ = position;
    const long long page = position / kPageSize + 1;
    if (page != shownPage_) showPage(page);

    for (std::size_t line = 0; line < unknownPositions_.size(); ++line) {
        if (unknownPositions_[line] != position) continue;
        detailTabs_->setCurrentWidget(unknownTab_);
        QTextCursor cursor(
            unknownErrorText_->document()->findBlockByNumber(static_cast<int>(line)));
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        unknownErrorText_->setTextCursor(cursor);
        unknownErrorText_->ensureCursorVisible();
        return;
    }
    for (int row = 0; row < knownErrorList_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = knownErrorList_->topLevelItem(row);
        if (item->data(0, kRolePosition).toLongLong() != position) continue;
        detailTabs_->setCurrentWidget(knownTab_);
        knownErrorList_->setCurrentItem(item);
        knownErrorList_->scrollToItem(item);
        return;
    }
}

void MainWindow::showFirstPage() {
    handle([this] {
        if (shownServiceList() && shownPage_ > 1) showPage(1);
    });
}

void MainWindow::showLastPage() {
    handle([this] {
        if (shownServiceList() && shownPage_ >= 1 && shownPage_ != pageCount_) showPage(pageCount_);
    });
}

void MainWindow::goToPage() {
    handle([this] {
        bool ok = false;
        const long long page = goToPageEdit_->text().toLongLong(&ok);
        if (!ok || !shownServiceList() || shownPage_ < 1 || page < 1 || page > pageCount_) return;
        showPage(page);
    });
}

}  // namespace corvane::app
