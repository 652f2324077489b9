// What the window keeps in the rows of its lists besides the shown text, and the
// captions that the layout, the run and the pages all write.
#pragma once

#include <string_view>

#include <QString>
#include <QTreeWidgetItem>
#include <Qt>

#include "GbkDisplay.h"
#include "analysis/Host.h"

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
class ResultRowSink final : public ProgressSink {
public:
    QTreeWidgetItem* row = nullptr;
    void SetProgressText(std::string_view text) override {
        if (row) row->setText(2, FromGbkLine(text));
    }
};

}  // namespace corvane::app
