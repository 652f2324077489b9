// A window onto the log file around one finding: the finding's line highlighted
// with the lines before and after it, each with its line number, decoded for display
// like the other views.  Scrolling to either end brings more lines.  Lines are read
// from the file by offset, so a multi-gigabyte log opens as fast as a small one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "scan/FindingList.h"
#include "scan/LogExcerpt.h"
#include "scan/LogFile.h"

class QLabel;
class QPlainTextEdit;

namespace corvane::app {

class LineNumberedText;

class ContextView final : public QDialog {
    Q_OBJECT

public:
    // Lines shown before and after the finding at first, and added per scroll.
    static constexpr int kStep = 50;

    // `path` is the log file's name as bytes, `scanned` the file as the scan saw it,
    // `finding` the finding made from the line at `place`.
    ContextView(std::string path, FileStamp scanned, FindingPlace place, std::string finding,
                QWidget* parent = nullptr);

    // The text shown (without line numbers), the numbers of its first and last lines,
    // and the line number of the highlighted line; for tests.
    QString text() const;
    long long firstLineNumber() const { return firstNumber_; }
    long long lastLineNumber() const;
    long long highlightedLineNumber() const { return place_.line; }
    // The message about the file (changed since the scan, or unreadable), or empty.
    QString problem() const;

    // Reads `kStep` more lines before or after those shown.
    void showMoreBefore();
    void showMoreAfter();

    // Adds 各服务同时段日志 to the text's menu: `open` gets the line right-clicked.
    void setMergedOpener(std::function<void(const ExcerptLine&)> open);

protected:
    // The highlighted line is centred once the view has its size.
    void showEvent(QShowEvent* event) override;

private:
    void load();
    void onScroll(int value);
    void showMenu(const QPoint& pos);

    const std::string path_;
    const FileStamp scanned_;
    const FindingPlace place_;
    const std::string finding_;
    int before_ = kStep;
    int after_ = kStep;
    bool atStart_ = false;
    bool atEnd_ = false;
    long long firstNumber_ = 0;
    int lineCount_ = 0;
    bool loading_ = false;
    std::vector<ExcerptLine> lines_;  // those shown, one per text block
    std::function<void(const ExcerptLine&)> openMerged_;

    QLabel* heading_ = nullptr;
    QLabel* problem_ = nullptr;
    LineNumberedText* text_ = nullptr;
};

}  // namespace corvane::app
