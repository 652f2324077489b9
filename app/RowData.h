// What the window keeps in the rows of its lists besides the shown text, and the
// captions that the layout, the run and the pages all write.
#pragma once

#include <atomic>
#include <string_view>

#include <QMetaObject>
#include <QProgressBar>
#include <QString>
#include <QThread>
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

// The "未知错误" cell of the result row being scanned, which shows the progress text.
// A scan in parts writes the text from its worker threads: the text then travels to
// the window's thread as a queued call, and is dropped there if the row has gone, has
// got its counts, or another row has taken its place meanwhile.  Such a call can still
// be queued when the scan returns, so the row must be let go (setRow(nullptr)) before
// its counts are written.
class ResultRowSink final : public ProgressSink {
public:
    ResultRowSink(QObject* owner, QProgressBar* bar) : owner_(owner), bar_(bar) {}

    // The row that receives the texts from now on (null: none).
    void setRow(QTreeWidgetItem* row) {
        row_ = row;
        ++generation_;
        lastPermille_ = -1;
    }
    QTreeWidgetItem* row() const { return row_; }

    void SetProgressText(std::string_view text) override {
        if (QThread::currentThread() == owner_->thread()) {
            if (row_) row_->setText(2, FromGbkLine(text));
            return;
        }
        QMetaObject::invokeMethod(
            owner_,
            [this, generation = generation_.load(), shown = FromGbkLine(text)] {
                if (generation == generation_ && row_) row_->setText(2, shown);
            },
            Qt::QueuedConnection);
    }

    // The scan's progress on the progress bar, in tenths of a percent.
    void SetProgressBytes(std::int64_t done, std::int64_t size) override {
        const int permille = size > 0 ? static_cast<int>(done * 1000 / size) : 1000;
        if (permille == lastPermille_.exchange(permille)) return;
        const auto show = [this, permille, generation = generation_.load()] {
            if (generation != generation_) return;
            bar_->setRange(0, 1000);
            bar_->setValue(permille);
        };
        if (QThread::currentThread() == owner_->thread())
            show();
        else
            QMetaObject::invokeMethod(owner_, show, Qt::QueuedConnection);
    }

private:
    QObject* owner_;
    QProgressBar* bar_;
    std::atomic<int> lastPermille_{-1};
    QTreeWidgetItem* row_ = nullptr;  // read and written on the window's thread only
    std::atomic<unsigned> generation_{0};
};

}  // namespace corvane::app
