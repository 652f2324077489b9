#include "CatalogueCheckDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "GbkDisplay.h"

namespace corvane::app {

CatalogueCheckDialog::CatalogueCheckDialog(const std::vector<CatalogueWarning>& warnings,
                                           QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CatalogueCheckDialog"));
    setWindowTitle(QStringLiteral("检查目录文件"));
    resize(860, 420);
    auto* layout = new QVBoxLayout(this);
    auto* summary = new QLabel(
        warnings.empty() ? QStringLiteral("ServiceList.ini 和 ErrorList.ini 没有发现问题。")
                         : QStringLiteral("发现 %1 处问题（只有第一处有效的条目才会被使用）：")
                               .arg(warnings.size()),
        this);
    layout->addWidget(summary);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("文件"), QStringLiteral("行"), QStringLiteral("节"),
                            QStringLiteral("键"), QStringLiteral("说明")});
    QList<QTreeWidgetItem*> rows;
    for (const CatalogueWarning& warning : warnings) {
        auto* row = new QTreeWidgetItem();
        row->setText(0, FromGbkLine(warning.file));
        row->setText(1, warning.line > 0 ? QString::number(warning.line) : QString());
        row->setText(2, FromGbkLine(warning.section));
        row->setText(3, FromGbkLine(warning.key));
        row->setText(4, FromGbkLine(warning.message));
        row->setToolTip(4, row->text(4));
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    for (int column = 0; column < 4; ++column) list_->resizeColumnToContents(column);
    list_->setVisible(!warnings.empty());
    layout->addWidget(list_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QStringList CatalogueCheckDialog::rows() const {
    QStringList rows;
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list_->topLevelItem(i);
        QStringList cells;
        for (int column = 0; column < 5; ++column) cells << row->text(column);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
}

}  // namespace corvane::app
