// The ways the window's controls are made: the fonts of the design, report lists,
// plain labels and bare columns.
#pragma once

#include <initializer_list>
#include <utility>

#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QString>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvane::app {

// The step labels, the start button and the result heading use a 12-pixel Song
// face, the page bar a 16-pixel one.  Where Song is not installed the first CJK
// face that is takes its place, so no character shows as a box.
inline QFont SongFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    return font;
}

// The look of a report list: single rows selected whole, no tree, fixed columns.
inline void GiveReportLook(QTreeView* list) {
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
}

inline QTreeWidget* MakeReportList(QWidget* parent,
                                   std::initializer_list<std::pair<QString, int>> columns) {
    auto* list = new QTreeWidget(parent);
    GiveReportLook(list);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& column : columns) titles << column.first;
    list->setHeaderLabels(titles);
    int index = 0;
    for (const auto& column : columns) list->setColumnWidth(index++, column.second);
    return list;
}

// A view with the look of a report list over `model`, which gives the captions.
inline QTreeView* MakeReportView(QWidget* parent, QAbstractItemModel* model,
                                 std::initializer_list<int> widths) {
    auto* list = new QTreeView(parent);
    list->setModel(model);
    GiveReportLook(list);
    int index = 0;
    for (const int width : widths) list->setColumnWidth(index++, width);
    return list;
}

inline QLabel* MakeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

inline QVBoxLayout* BareColumn(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

}  // namespace corvane::app
