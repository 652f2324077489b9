// What the operator can do with findings beyond reading them: copy their lines,
// see the lines around one in its log file, and export the run.

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeView>

#include "BackgroundTask.h"
#include "ContextView.h"
#include "GbkDisplay.h"
#include "MainWindow.h"
#include "ResultPages.h"
#include "RowData.h"
#include "SearchTab.h"
#include "StepsPanel.h"
#include "WindowDialogs.h"
#include "report/CsvExport.h"
#include "report/HtmlReport.h"
#include "scan/FindingText.h"
#include "scan/GzipCopy.h"

namespace corvane::app {

void MainWindow::addFindingActions() {
    QTreeView* knownErrorList = pages_->knownErrorList();
    QPlainTextEdit* unknownErrorText = pages_->unknownErrorText();
    for (QWidget* view :
         {static_cast<QWidget*>(knownErrorList), static_cast<QWidget*>(unknownErrorText)}) {
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        auto* copy = new QAction(QStringLiteral("复制日志原文"), view);
        auto* context = new QAction(QStringLiteral("查看上下文…"), view);
        auto* exportRun = new QAction(QStringLiteral("导出本次分析结果…"), view);
        connect(copy, &QAction::triggered, this, &MainWindow::copyFindings);
        connect(context, &QAction::triggered, this, &MainWindow::showFindingContext);
        connect(exportRun, &QAction::triggered, this, &MainWindow::exportRun);
        view->addActions({copy, context, exportRun});
    }
    // The menu acts on the finding under the mouse: the row or line is pointed at
    // before the menu opens (the events reach the viewports, the menus their views).
    knownErrorList->viewport()->installEventFilter(this);
    unknownErrorText->viewport()->installEventFilter(this);
    auto* exportRun = new QAction(QStringLiteral("导出本次分析结果…"), resultList_);
    connect(exportRun, &QAction::triggered, this, &MainWindow::exportRun);
    resultList_->addAction(exportRun);
    connect(knownErrorList, &QTreeView::doubleClicked, this, &MainWindow::showFindingContext);
}

// A right-click on a known error selects it and shows its explanation, as a left
// click does; one on an unknown error puts the text cursor on its line, unless it
// falls inside the selected text, which the menu then copies.
void MainWindow::pointAtFinding(QObject* viewport, const QPoint& pos) {
    QTreeView* knownErrorList = pages_->knownErrorList();
    QPlainTextEdit* unknownErrorText = pages_->unknownErrorText();
    if (viewport == knownErrorList->viewport()) {
        const QModelIndex row = knownErrorList->indexAt(pos);
        if (!row.isValid()) return;
        knownErrorList->setCurrentIndex(row);
        showSelectedError();
    } else if (viewport == unknownErrorText->viewport()) {
        const QTextCursor at = unknownErrorText->cursorForPosition(pos);
        const QTextCursor current = unknownErrorText->textCursor();
        if (current.hasSelection() && at.position() >= current.selectionStart() &&
            at.position() <= current.selectionEnd())
            return;
        unknownErrorText->setTextCursor(at);
    }
}

void MainWindow::copyFindings() {
    handle([this] {
        QPlainTextEdit* unknownErrorText = pages_->unknownErrorText();
        if (detailTabs_->currentWidget() == pages_->unknownTab() &&
            unknownErrorText->textCursor().hasSelection()) {
            unknownErrorText->copy();
            return;
        }
        const ServicePass* service = pages_->shownService();
        const FindingList* list = service ? &service->findings : nullptr;
        const long long position = pages_->currentFindingPosition();
        if (!list || position < 0 || static_cast<std::size_t>(position) >= list->size()) return;
        QGuiApplication::clipboard()->setText(
            FromGbkLine(LogLine((*list)[static_cast<std::size_t>(position)].text)));
    });
}

void MainWindow::showFindingContext() {
    handle([this] {
        const ServicePass* stored = pages_->shownService();
        const long long position = pages_->currentFindingPosition();
        if (!stored || position < 0) return;
        const auto at = static_cast<std::size_t>(position);
        if (at >= stored->findings.size()) return;
        openContext(stored->logFile, stored->logStamp, stored->findings[at].place,
                    stored->findings[at].text);
    });
}

SearchScope MainWindow::searchScope() const {
    SearchScope scope;
    scope.directory = steps_->directoryText();
    scope.day = steps_->chosenDay();
    for (int row = 0; row < steps_->serviceRowCount(); ++row)
        if (steps_->serviceRowChecked(row)) scope.services.push_back(steps_->serviceRow(row));
    return scope;
}

void MainWindow::showSearchContext(const SearchPlace& place) {
    // The view checks that the line is still in its place; it reads it after the code
    // and bar of a finding, which a search result does not have.
    handle([&] {
        openContext(place.path, place.stamp, place.place,
                    std::string(kFindingCodeLength, ' ') + "|" + place.line);
    });
}

void MainWindow::openContext(const std::string& path, const FileStamp& stamp,
                             const FindingPlace& place, const std::string& finding) {
    const auto show = [this, path, stamp, place, finding] {
        contextView_ = std::make_unique<ContextView>(path, stamp, place, finding, this);
        contextView_->show();
    };
    if (!IsCompressedLog(path)) {
        show();
        return;
    }
    // A copy made before answers at once; a missing one takes seconds for a large day.
    copyTask_->start<bool>(
        [path](const StopToken& stop) -> std::optional<bool> {
            const GzipCopy copy = DecompressedCopyOf(path, stop);
            if (copy.path.empty() && copy.error.empty()) return std::nullopt;
            return true;  // a copy that could not be made: the view says the file cannot be read
        },
        [show](bool&) { show(); });
}

void MainWindow::exportRun() {
    handle([this] {
        if (!rows_ || rows_->empty() || run_->running()) return;
        const QString caption = QStringLiteral("导出本次分析结果");
        // The log directory's name and the day, in the folder of the last export.
        const ServicePass& first = *rows_->front().stored;
        QString name = QFileInfo(QDir::cleanPath(
                                     QFile::decodeName(QByteArray::fromStdString(first.directory))))
                           .fileName();
        if (name.isEmpty()) name = QStringLiteral("分析结果");
        const QString folder = QFileInfo(exportFolder_).isDir() ? exportFolder_ : QDir::homePath();
        const QString proposed = QDir(folder).filePath(
            name + QLatin1Char('-') + FromGbkLine(first.day) + QStringLiteral(".csv"));
        const std::optional<SaveChoice> choice =
            dialogs_->ChooseSaveFile(caption, proposed, ExportFileFilters());
        if (!choice) return;
        const ExportTarget target = ExportTargetOf(*choice);
        exportFolder_ = QFileInfo(target.file).absolutePath();
        // The dialog asked before replacing the name it was given, not the one with
        // the extension added.
        if (target.file != choice->file && QFileInfo::exists(target.file) &&
            !dialogs_->AskYesNo(
                ToGbkText(caption),
                ToGbkText(QStringLiteral("%1 已存在。\n要替换它吗？").arg(target.file))))
            return;

        ExportedRun run;
        run.catalogue = errorCatalogue_.get();
        for (const ResultRow& row : *rows_) {
            const ServicePass& pass = *row.stored;
            run.logFiles.push_back(pass.logFile);
            if (run.services.empty()) {
                run.logDirectory = pass.directory;
                run.day = pass.day;
            }
            run.services.push_back(&pass);
        }
        const std::string path = ToStdString(QFile::encodeName(target.file));
        if (target.html)
            SaveHtmlReport(run, path);
        else
            SaveFindingsCsv(run, path);
    });
}

}  // namespace corvane::app
