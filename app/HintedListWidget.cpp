#include "HintedListWidget.h"

#include <QPainter>

namespace corvane::app {

void HintedListWidget::setEmptyHint(const QString& hint) {
    if (hint == emptyHint_) return;
    emptyHint_ = hint;
    viewport()->update();
}

void HintedListWidget::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (count() > 0 || emptyHint_.isEmpty()) return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(viewport()->rect().adjusted(6, 6, -6, -6),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, emptyHint_);
}

}  // namespace corvane::app
