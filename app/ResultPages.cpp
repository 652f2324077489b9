#include "ResultPages.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeView>

#include "GbkDisplay.h"
#include "KnownErrorRows.h"
#include "RowData.h"
#include "catalog/GbkText.h"
#include "scan/FindingText.h"

namespace corvane::app {
namespace {

enum FindScope { FindAll, FindKnown, FindUnknown };

long long PageCount(std::size_t findings) {
    const auto n = static_cast<long long>(findings);
    return n / ResultPages::kPageSize + (n % ResultPages::kPageSize != 0 ? 1 : 0);
}

}  // namespace

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

bool ResultPages::shows(const ServicePass* pass) const {
    return known_ != nullptr && known_->service() == pass;
}

// `rewritten`: findings before the end changed too (the file was read again from its
// start), so the page on screen is filled again whichever it is.
void ResultPages::serviceChanged(int row, bool rewritten) {
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
    } else if (rewritten || shownPage_ == lastBefore || shownPage_ == pageCount_) {
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
    known_->clear();
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
    known_->clear();
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
    const ResultRow& shown = (*rows_)[static_cast<std::size_t>(shownRow_)];
    const FindingList& list = service->findings;
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

    // The known errors' rows are made by the list's model as they are shown; the
    // unknown errors' lines go into their text in one go, since adding them one by one
    // would lay out and repaint the text for every finding.
    std::vector<long long> known;
    QString unknownLines;
    long long unknownCount = 0;
    for (long long i = first; i < end; ++i) {
        const Finding& found = list[static_cast<std::size_t>(i)];
        if (found.Code() != kUnknownCode) {
            known.push_back(i);
            continue;
        }
        if (unknownCount++ > 0) unknownLines += QLatin1Char('\n');
        unknownLines += FromGbkLine(LogLine(found.text));
        unknownPositions_.push_back(i);
    }

    const auto knownCount = static_cast<long long>(known.size());
    known_->setPage(shown.stored, shownRow_, std::move(known), shown.marks, catalogue_);
    if (unknownCount > 0) unknownErrorText_->setPlainText(unknownLines);
    progressBar_->setValue(0);
    tabs_->setTabText(0, KnownTabCaption(knownCount));
    tabs_->setTabText(1, UnknownTabCaption(unknownCount));
}

// The explanation lines of the selected known error, an empty line, the heading of
// the raw text and the finding's log line.
void ResultPages::showSelectedError() {
    {
        const QModelIndexList selected = knownErrorList_->selectionModel()->selectedRows();
        if (selected.isEmpty()) return;
        const QModelIndex row = selected.first();
        explanationText_->clear();

        const QByteArray code = row.data(kRoleErrorCode).toByteArray();
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
        const auto serviceRow = static_cast<std::size_t>(row.data(kRoleServiceRow).toLongLong());
        const auto position = static_cast<std::size_t>(row.data(kRolePosition).toLongLong());
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
                if ((scope == FindKnown && unknown) || (scope == FindUnknown && !unknown)) continue;
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
    if (const int row = known_->rowOf(position); row >= 0) {
        const QModelIndex index = known_->index(row, 0);
        tabs_->setCurrentWidget(knownTab_);
        knownErrorList_->setCurrentIndex(index);
        knownErrorList_->scrollTo(index);
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
    if (!shownService() || shownPage_ < 1) return;
    // The find bar's status line says why nothing moved.
    if (!ok || page < 1 || page > pageCount_) {
        findStatus_->setText(QStringLiteral("第 %1 页不存在（共 %2 页）")
                                 .arg(goToPageEdit_->text().trimmed())
                                 .arg(pageCount_));
        return;
    }
    findStatus_->clear();
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
    const QModelIndexList selected = knownErrorList_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : known_->positionAt(selected.first().row());
}

}  // namespace corvane::app
