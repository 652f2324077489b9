// A list box that, while it has no rows, draws a grey hint over its empty area
// saying why it is empty.  The hint is not a row: the row count stays 0 and
// nothing can be selected.
#pragma once

#include <QListWidget>
#include <QString>

namespace corvane::app {

class HintedListWidget final : public QListWidget {
    Q_OBJECT

public:
    using QListWidget::QListWidget;

    void setEmptyHint(const QString& hint);
    const QString& emptyHint() const { return emptyHint_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString emptyHint_;
};

}  // namespace corvane::app
