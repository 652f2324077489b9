#include "CatalogueCheckDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "GbkDisplay.h"

namespace corvane::app {
namespace {

// The window's wording of each problem; %1, %2, ... stand for its arguments, as in
// the English wording of the command line.
QString ChinesePattern(CatalogueProblem problem) {
    switch (problem) {
        case CatalogueProblem::FileMissing:
            return QStringLiteral("文件不存在，目录为空");
        case CatalogueProblem::FileTooLarge:
            return QStringLiteral("文件太大，不被读取（只读取不超过 %2 字节的文件）");
        case CatalogueProblem::CatalogueTooLarge:
            return QStringLiteral("得到的目录超过 %2 字节（代码被多次列出且说明很长），不被载入");
        case CatalogueProblem::BeforeFirstSection:
            return QStringLiteral("此行在第一个节之前，程序从不读取它");
        case CatalogueProblem::SectionAgain:
            return QStringLiteral("节 [%1] 再次出现（第一次在第 %2 行），只读取第一个");
        case CatalogueProblem::LineWithoutEquals:
            return QStringLiteral("此行没有“=”，程序看不到它");
        case CatalogueProblem::KeyAgain:
            return QStringLiteral("键“%1”在本节中再次出现（第一次在第 %2 行），只读取它的第一个值");
        case CatalogueProblem::QuotedValue:
            return QStringLiteral("值两边的引号会被去掉：读作“%1”");
        case CatalogueProblem::ValueCut:
            return QStringLiteral("%1 字节的值被截为前 %2 字节");
        case CatalogueProblem::SectionNotReached:
            return QStringLiteral("[%1] 中没有键指向此节，它从不被读取");
        case CatalogueProblem::ListMissing:
            return QStringLiteral("节 [%1] 不存在，目录为空");
        case CatalogueProblem::ServiceSectionMissing:
            return QStringLiteral("服务“%2”的节 [%1] 不存在");
        case CatalogueProblem::EmptyPrefix:
            return QStringLiteral("服务“%1”的日志文件名称前缀为空，它的日志文件只以日期命名");
        case CatalogueProblem::SamePrefix:
            return QStringLiteral(
                "服务“%1”和“%2”的日志文件名称前缀都是“%3”，两者读取相同的日志文件");
        case CatalogueProblem::CodeAgain:
            return QStringLiteral(
                "代码“%1”再次列出（第一次在第 %3 行的键“%2”下），目录中多出一个相同的条目");
        case CatalogueProblem::CodeLength:
            return QStringLiteral("代码“%1”长 %2 字节，窗口和报告只读取三个字节");
        case CatalogueProblem::UnknownCode:
            return QStringLiteral(
                "代码“%"
                "1”是未知错误的代码：它的发现算作已知错误，但导出、归类和历史记录把它们当作未知错"
                "误");
        case CatalogueProblem::ErrorSectionMissing:
            return QStringLiteral("代码“%2”的节 [%1] 不存在");
        case CatalogueProblem::NoKeyword:
            return QStringLiteral("代码“%1”没有日志关键字，它从不匹配任何行");
        case CatalogueProblem::KeywordShadowed:
            return QStringLiteral(
                "代码“%2”的关键字“%1”永远不起作用：前面代码“%4”的关键字“%3”包含在其中");
        case CatalogueProblem::KeywordIgnored:
            return QStringLiteral(
                "代码“%2”的关键字“%1”含有服务“%4”的忽略文本“%3”，含有它的行全都被忽略");
    }
    return QStringLiteral("%1");
}

// The warning in the window's words, its arguments decoded for display.  One pass,
// so an argument that holds "%2" stays as it is.
QString ChineseText(const CatalogueWarning& warning) {
    const QString pattern = ChinesePattern(warning.problem);
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1] >= QLatin1Char('1') &&
            pattern[i + 1] <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(pattern[++i].unicode() - u'1');
            if (n < warning.arguments.size()) text += FromGbkLine(warning.arguments[n]);
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace

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
        row->setText(4, ChineseText(warning));
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
