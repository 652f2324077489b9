#include "ResultPages.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>

#include "ControlParts.h"
#include "DesignNames.h"
#include "GbkDisplay.h"
#include "RowData.h"
#include "catalog/GbkText.h"
#include "scan/FindingText.h"

namespace corvane::app {
namespace {

enum FindScope { kFindAll, kFindKnown, kFindUnknown };

long long PageCount(std::size_t findings) {
    const auto n = static_cast<long long>(findings);
    return n / ResultPages::kPageSize + (n % ResultPages::kPageSize != 0 ? 1 : 0);
}

}  // namespace

ResultPages::ResultPages(QWidget* panel, QTabWidget* tabs, QProgressBar* progressBar,
                         QObject* parent)
    : QObject(parent),
      tabs_(tabs),
      progressBar_(progressBar),
      finding_([this](const std::string& message) { findStatus_->setText(FromGbkText(message)); },
               this) {
    buildFindBar(panel);
    buildTabs(tabs);
    buildPageBar(panel);
    updatePageBar();
}

void ResultPages::setSources(const ResultRows* rows, const ErrorCatalogue* catalogue) {
    rows_ = rows;
    catalogue_ = catalogue;
}

void ResultPages::buildFindBar(QWidget* panel) {
    findBar_ = new QWidget(panel);
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

void ResultPages::buildTabs(QTabWidget* tabs) {
    knownTab_ = new QWidget();
    auto* knownLayout = new QHBoxLayout(knownTab_);
    knownLayout->setContentsMargins(0, 0, 0, 0);
    knownSplitter_ = new QSplitter(Qt::Horizontal, knownTab_);
    knownSplitter_->setChildrenCollapsible(false);
    knownErrorList_ = MakeReportList(knownSplitter_, {{QStringLiteral("发生时间"), 87},
                                                      {QStringLiteral("错误名称"), 130},
                                                      {QStringLiteral("错误代码"), 60},
                                                      {QStringLiteral("变化"), 40}});
    explanationText_ = new QPlainTextEdit(knownSplitter_);
    explanationText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    knownSplitter_->addWidget(knownErrorList_);
    knownSplitter_->addWidget(explanationText_);
    knownSplitter_->setStretchFactor(0, 0);
    knownSplitter_->setStretchFactor(1, 1);
    knownSplitter_->setSizes({289, 295});
    knownLayout->addWidget(knownSplitter_);
    tabs->addTab(knownTab_, KnownTabCaption(0));

    unknownTab_ = new QWidget();
    auto* unknownLayout = BareColumn(unknownTab_);
    rawTextLabel_ = MakeLabel(unknownTab_, QStringLiteral("日志原文："));
    rawTextLabel_->setFixedHeight(13);
    unknownLayout->addWidget(rawTextLabel_);
    unknownErrorText_ = new QPlainTextEdit(unknownTab_);
    unknownErrorText_->setReadOnly(true);
    unknownErrorText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A plain-text document always holds at least one (empty) line.
    unknownErrorText_->setPlainText(QString());
    unknownLayout->addWidget(unknownErrorText_);
    tabs->addTab(unknownTab_, UnknownTabCaption(0));
}

// The page numbers on the left and "<" ">" on the right.  The labels take the width
// of their text, so no number is cut, and the layout keeps both buttons visible at
// every width down to the window's minimum.
void ResultPages::buildPageBar(QWidget* panel) {
    pageBar_ = new QWidget(panel);
    pageBar_->setFixedHeight(36);
    const QFont pageFont = SongFont(16);
    auto* layout = new QHBoxLayout(pageBar_);
    layout->setContentsMargins(8, 5, 31, 5);
    layout->setSpacing(1);
    pageNumberLabel_ = MakeLabel(pageBar_, QStringLiteral("0"));
    pageNumberLabel_->setFont(pageFont);
    pageSlashLabel_ = MakeLabel(pageBar_, QStringLiteral("/"));
    pageSlashLabel_->setFont(pageFont);
    pageCountLabel_ = MakeLabel(pageBar_, QStringLiteral("0"));
    pageCountLabel_->setFont(pageFont);
    previousPageButton_ = new QPushButton(QStringLiteral("<"), pageBar_);
    previousPageButton_->setFixedSize(73, 26);
    nextPageButton_ = new QPushButton(QStringLiteral(">"), pageBar_);
    nextPageButton_->setFixedSize(73, 26);
    firstPageButton_ = new QPushButton(QStringLiteral("|<"), pageBar_);
    firstPageButton_->setFixedSize(30, 26);
    firstPageButton_->setToolTip(QStringLiteral("第一页"));
    lastPageButton_ = new QPushButton(QStringLiteral(">|"), pageBar_);
    lastPageButton_->setFixedSize(30, 26);
    lastPageButton_->setToolTip(QStringLiteral("最后一页"));
    goToPageEdit_ = new QLineEdit(pageBar_);
    goToPageEdit_->setFixedWidth(64);
    goToPageEdit_->setPlaceholderText(QStringLiteral("转到页"));
    goToPageEdit_->setToolTip(QStringLiteral("输入页码后按回车"));
    goToPageEdit_->setValidator(new QIntValidator(1, 999999999, goToPageEdit_));
    layout->addWidget(pageNumberLabel_);
    layout->addWidget(pageSlashLabel_);
    layout->addWidget(pageCountLabel_);
    layout->addStretch(1);
    layout->addWidget(goToPageEdit_);
    layout->addSpacing(6);
    layout->addWidget(firstPageButton_);
    layout->addSpacing(4);
    layout->addWidget(previousPageButton_);
    layout->addSpacing(15);
    layout->addWidget(nextPageButton_);
    layout->addSpacing(4);
    layout->addWidget(lastPageButton_);
}

std::vector<std::pair<QObject*, const char*>> ResultPages::designNames() const {
    return {
        {knownTab_, design::kKnownTab},
        {knownSplitter_, design::kKnownSplitter},
        {knownErrorList_, design::kKnownErrorList},
        {explanationText_, design::kExplanationText},
        {unknownTab_, design::kUnknownTab},
        {rawTextLabel_, design::kRawTextLabel},
        {unknownErrorText_, design::kUnknownErrorText},
        {pageBar_, design::kPageBar},
        {pageNumberLabel_, design::kPageNumberLabel},
        {pageSlashLabel_, design::kPageSlashLabel},
        {pageCountLabel_, design::kPageCountLabel},
        {previousPageButton_, design::kPreviousPageButton},
        {nextPageButton_, design::kNextPageButton},
        {firstPageButton_, design::kFirstPageButton},
        {lastPageButton_, design::kLastPageButton},
        {goToPageEdit_, design::kGoToPageEdit},
        {findBar_, design::kFindBar},
        {findEdit_, design::kFindEdit},
        {findScope_, design::kFindScope},
        {findPreviousButton_, design::kFindPreviousButton},
        {findNextButton_, design::kFindNextButton},
        {findStatus_, design::kFindStatus},
    };
}

void ResultPages::updatePageBar() {
    pageNumberLabel_->setText(QString::number(shownPage_));
    pageCountLabel_->setText(QString::number(pageCount_));
    // A page button is enabled only where it would show a page.
    const bool shown = shownService() != nullptr;
    previousPageButton_->setEnabled(shown && shownPage_ > 1);
    nextPageButton_->setEnabled(shown && shownPage_ != pageCount_);
    firstPageButton_->setEnabled(previousPageButton_->isEnabled());
    lastPageButton_->setEnabled(nextPageButton_->isEnabled());
    goToPageEdit_->setEnabled(shown && pageCount_ > 1);
}

const ServicePass* ResultPages::shownService() const {
    if (!rows_ || shownRow_ < 0 || static_cast<std::size_t>(shownRow_) >= rows_->size())
        return nullptr;
    return (*rows_)[static_cast<std::size_t>(shownRow_)].stored.get();
}

void ResultPages::showService(int row) {
    finding_.cancel();
    shownRow_ = row;
    findPosition_ = -1;
    const ServicePass* service = shownService();
    if (!service || service->findings.empty()) {
        showEmptyService();
        return;
    }
    pageCount_ = PageCount(service->findings.size());
    updatePageBar();
    showPage(1);
}

void ResultPages::serviceChanged(int row) {
    if (row != shownRow_) return;
    const ServicePass* service = shownService();
    if (!service) return;
    if (service->findings.empty()) {
        showEmptyService();
        return;
    }
    const long long lastBefore = pageCount_;
    pageCount_ = PageCount(service->findings.size());
    if (shownPage_ < 1 || shownPage_ > pageCount_) {
        showPage(1);
    } else if (shownPage_ == lastBefore || shownPage_ == pageCount_) {
        const long long pointed = currentFindingPosition();
        const long long found = findPosition_;
        showPage(shownPage_);
        if (pointed >= 0 && pointed < static_cast<long long>(service->findings.size()))
            selectFinding(pointed);
        findPosition_ = found;
    } else {
        updatePageBar();
    }
}

void ResultPages::forgetService() {
    finding_.cancel();
    knownErrorList_->clearSelection();
    knownErrorList_->clear();
    unknownErrorText_->clear();
    tabs_->setTabText(0, KnownTabCaption(0));
    tabs_->setTabText(1, UnknownTabCaption(0));
    shownRow_ = -1;
    findPosition_ = -1;
    unknownPositions_.clear();
    updatePageBar();
}

// A service without findings shows as such, rather than leaving the findings of the
// service shown before under the new selection.
void ResultPages::showEmptyService() {
    knownErrorList_->clear();
    explanationText_->clear();
    unknownErrorText_->clear();
    unknownPositions_.clear();
    tabs_->setTabText(0, KnownTabCaption(0));
    tabs_->setTabText(1, UnknownTabCaption(0));
    shownPage_ = 0;
    pageCount_ = 0;
    updatePageBar();
}

// The page buttons page the service whose page is shown, whatever is selected.
void ResultPages::showPreviousPage() {
    if (shownPage_ == 1) return;
    const ServicePass* service = shownService();
    if (!service || service->findings.empty()) return;
    // No page is shown (0) until a service was clicked; there is no page before 1.
    if (shownPage_ - 1 < 1) return;
    showPage(shownPage_ - 1);
}

void ResultPages::showNextPage() {
    if (pageCount_ == shownPage_) return;
    const ServicePass* service = shownService();
    if (!service || service->findings.empty()) return;
    showPage(shownPage_ + 1);
}

void ResultPages::showPage(long long page) {
    const ServicePass* service = shownService();
    if (!service) return;
    const FindingList& list = service->findings;
    const int serviceRow = shownRow_;
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

        const Finding& found = list[static_cast<std::size_t>(i)];
        const std::string_view finding = found.text;
        const std::string_view code = found.Code();
        if (code == kUnknownCode) {
            if (unknownCount++ > 0) unknownLines += QLatin1Char('\n');
            unknownLines += FromGbkLine(LogLine(finding));
            unknownPositions_.push_back(i);
            continue;
        }
        const QByteArray codeBytes = ToByteArray(code);
        auto name = names.find(codeBytes);
        if (name == names.end())
            name = names.insert(codeBytes, FromGbkLine(LookupErrorName(code, *catalogue_)));

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
    tabs_->setTabText(0, KnownTabCaption(knownCount));
    tabs_->setTabText(1, UnknownTabCaption(unknownCount));
}

// The explanation lines of the selected known error, an empty line, the heading of
// the raw text and the finding's log line.
void ResultPages::showSelectedError() {
    {
        const QList<QTreeWidgetItem*> selected = knownErrorList_->selectedItems();
        if (selected.isEmpty()) return;
        const QTreeWidgetItem* row = selected.first();
        explanationText_->clear();

        const QByteArray code = row->data(0, kRoleErrorCode).toByteArray();
        std::vector<std::string> lines;
        if (catalogue_)
            LookupExplanation(
                std::string_view(code.constData(), static_cast<std::size_t>(code.size())),
                *catalogue_, lines);
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
        const Finding& finding = rows_->at(serviceRow).stored->findings.at(position);
        text << FromGbkLine(LogLine(finding.text));
        // Where the line stands in its file, for finding it in other tools.
        if (finding.place.line > 0) text << QStringLiteral("行号：%1").arg(finding.place.line);
        explanationText_->setPlainText(text.join(QLatin1Char('\n')));
    }
}

// Compares the decoded log lines (so that Chinese text is found), from the finding
// after (or before) the last one found, or from the page shown, round the list.  A
// service can hold millions of findings, so the comparison runs on a thread of its own
// over the stored service, which nothing changes or frees while it is read.
void ResultPages::find(bool forward) {
    const ServicePass* service = shownService();
    const QString needle = findEdit_->text();
    if (!service || service->findings.empty() || needle.isEmpty()) {
        finding_.cancel();
        findStatus_->setText(needle.isEmpty() ? QString() : QStringLiteral("未找到"));
        return;
    }
    std::shared_ptr<const ServicePass> stored =
        (*rows_)[static_cast<std::size_t>(shownRow_)].stored;
    const auto n = static_cast<long long>(stored->findings.size());
    const int scope = findScope_->currentIndex();
    long long from = findPosition_;
    if (from < 0 || from >= n)
        from = forward ? (shownPage_ - 1) * kPageSize - 1 : shownPage_ * kPageSize;

    struct Hit {
        long long position = -1;
        bool wrapped = false;
    };
    findStatus_->setText(QStringLiteral("查找中…"));
    finding_.start<Hit>(
        [stored, needle, scope, from, n, forward](const StopToken& stop) -> std::optional<Hit> {
            const FindingList& list = stored->findings;
            Hit hit;
            for (long long step = 1; step <= n; ++step) {
                if ((step & 0xfff) == 0 && stop.stop_requested()) return std::nullopt;
                long long i = forward ? from + step : from - step;
                i = ((i % n) + n) % n;
                if (forward ? i <= from : i >= from) hit.wrapped = true;
                const Finding& found = list[static_cast<std::size_t>(i)];
                const std::string_view finding = found.text;
                const bool unknown = found.Code() == kUnknownCode;
                if ((scope == kFindKnown && unknown) || (scope == kFindUnknown && !unknown))
                    continue;
                const std::string_view line =
                    finding.size() > 4 ? finding.substr(4) : std::string_view();
                if (FromGbkLine(line).contains(needle, Qt::CaseInsensitive)) {
                    hit.position = i;
                    return hit;
                }
            }
            hit.wrapped = false;
            return hit;
        },
        [this](Hit& hit) {
            if (hit.position < 0) {
                findStatus_->setText(QStringLiteral("未找到"));
                return;
            }
            findStatus_->setText(hit.wrapped ? QStringLiteral("已从另一端继续") : QString());
            selectFinding(hit.position);
        });
}

void ResultPages::selectFinding(long long position) {
    // A hit of a find begun before a followed file was read again may lie beyond it.
    const ServicePass* service = shownService();
    if (!service || position >= static_cast<long long>(service->findings.size())) return;
    findPosition_ = position;
    const long long page = position / kPageSize + 1;
    if (page != shownPage_) showPage(page);

    for (std::size_t line = 0; line < unknownPositions_.size(); ++line) {
        if (unknownPositions_[line] != position) continue;
        tabs_->setCurrentWidget(unknownTab_);
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
        tabs_->setCurrentWidget(knownTab_);
        knownErrorList_->setCurrentItem(item);
        knownErrorList_->scrollToItem(item);
        return;
    }
}

void ResultPages::showFirstPage() {
    if (shownService() && shownPage_ > 1) showPage(1);
}

void ResultPages::showLastPage() {
    if (shownService() && shownPage_ >= 1 && shownPage_ != pageCount_) showPage(pageCount_);
}

void ResultPages::goToPage() {
    bool ok = false;
    const long long page = goToPageEdit_->text().toLongLong(&ok);
    if (!ok || !shownService() || shownPage_ < 1 || page < 1 || page > pageCount_) return;
    showPage(page);
}

// The position in the shown list of the finding the operator points at: the
// selected known error, or the unknown error under the text cursor, whichever tab
// is in front.  -1 when there is none.
long long ResultPages::currentFindingPosition() const {
    if (tabs_->currentWidget() == unknownTab_) {
        const auto line =
            static_cast<std::size_t>(unknownErrorText_->textCursor().block().blockNumber());
        return line < unknownPositions_.size() ? unknownPositions_[line] : -1;
    }
    const QList<QTreeWidgetItem*> selected = knownErrorList_->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, kRolePosition).toLongLong();
}

// The mark of `code` for the service whose page is shown, as the known-error list
// shows it.
QString ResultPages::codeMark(std::string_view code) const {
    if (!rows_ || shownRow_ < 0 || static_cast<std::size_t>(shownRow_) >= rows_->size()) return {};
    std::vector<Mark> marks;
    for (const Mark& mark : (*rows_)[static_cast<std::size_t>(shownRow_)].marks)
        if (mark.key == code) marks.push_back(mark);
    return MarkKinds(marks);
}

}  // namespace corvane::app
