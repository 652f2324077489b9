// What the window keeps in the rows of its lists besides the shown text, and the
// captions that the layout, the run and the pages all write.
#pragma once

#include <string_view>

#include <QProgressBar>
#include <QString>
#include <QTreeWidgetItem>
#include <Qt>

#include "GbkDisplay.h"
#include "scan/Host.h"

namespace corvane::app {

// Service list rows: the caption and the catalogue fields, as GBK bytes.
inline constexpr int kRoleCaption = Qt::UserRole;
inline constexpr int kRoleSubdir = Qt::UserRole + 1;
inline constexpr int kRolePrefix = Qt::UserRole + 2;
inline constexpr int kRoleCode = Qt::UserRole + 3;
// Day list rows: the day's bytes.
inline constexpr int kRoleDay = Qt::UserRole;
// Known-error rows: the finding's position in its list, the result row whose list
// it belongs to, and the code's bytes.
inline constexpr int kRolePosition = Qt::UserRole;
inline constexpr int kRoleServiceRow = Qt::UserRole + 1;
inline constexpr int kRoleErrorCode = Qt::UserRole + 2;

inline QString KnownTabCaption(long long count) {
    return QStringLiteral("已知错误[%1]").arg(count);
}

inline QString UnknownTabCaption(long long count) {
    return QStringLiteral("未知错误[%1]").arg(count);
}

// The "未知错误" cell of the result row being scanned, which shows the progress text,
// and the progress bar.  Used on the window's thread only: the run's worker posts its
// progress there (WindowRun).  The row must be let go (setRow(nullptr)) before its
// counts are written.
class ResultRowSink final : public ProgressSink {
public:
    explicit ResultRowSink(QProgressBar* bar) : bar_(bar) {}

    // The row that receives the texts from now on (null: none).
    void setRow(QTreeWidgetItem* row) { row_ = row; }
    QTreeWidgetItem* row() const { return row_; }

    void SetProgressText(std::string_view text) override {
        if (row_) row_->setText(2, FromGbkLine(text));
    }

    // The scan's progress on the progress bar, in tenths of a percent.
    void SetProgressBytes(std::int64_t done, std::int64_t size) override {
        if (!row_) return;
        bar_->setRange(0, 1000);
        bar_->setValue(size > 0 ? static_cast<int>(done * 1000 / size) : 1000);
    }

private:
    QProgressBar* bar_;
    QTreeWidgetItem* row_ = nullptr;
};

}  // namespace corvane::app
