// The result pages' controls: the find bar, the two finding tabs and the page bar, and
// their design names.

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTreeView>

#include "ControlParts.h"
#include "DesignNames.h"
#include "GbkDisplay.h"
#include "KnownErrorRows.h"
#include "ResultPages.h"
#include "RowData.h"

namespace corvane::app {

ResultPages::ResultPages(QWidget* panel, QTabWidget* tabs, QProgressBar* progressBar,
                         QObject* parent)
    : QObject(parent),
      tabs_(tabs),
      progressBar_(progressBar),
      finding_([this](const std::string& message) { findStatus_->setText(FromGbkText(message)); },
               this) {
    buildFindBar(panel);
    buildTabs(tabs);
    buildPageBar(panel);
    updatePageBar();
}

void ResultPages::setSources(const ResultRows* rows, const ErrorCatalogue* catalogue) {
    // The known-error list names its codes from the catalogue as it is painted.
    if (catalogue != catalogue_) known_->clear();
    rows_ = rows;
    catalogue_ = catalogue;
}

void ResultPages::buildFindBar(QWidget* panel) {
    findBar_ = new QWidget(panel);
    auto* layout = new QHBoxLayout(findBar_);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(4);
    auto* label = new QLabel(QStringLiteral("查找："), findBar_);
    findEdit_ = new QLineEdit(findBar_);
    findEdit_->setPlaceholderText(QStringLiteral("日志原文中的文字，不分大小写"));
    findEdit_->setClearButtonEnabled(true);
    findScope_ = new QComboBox(findBar_);
    findScope_->addItems(
        {QStringLiteral("全部"), QStringLiteral("已知错误"), QStringLiteral("未知错误")});
    findPreviousButton_ = new QPushButton(QStringLiteral("上一个"), findBar_);
    findNextButton_ = new QPushButton(QStringLiteral("下一个"), findBar_);
    findStatus_ = new QLabel(findBar_);
    findStatus_->setTextFormat(Qt::PlainText);
    findStatus_->setMinimumWidth(60);
    layout->addWidget(label);
    layout->addWidget(findEdit_, 1);
    layout->addWidget(findScope_);
    layout->addWidget(findPreviousButton_);
    layout->addWidget(findNextButton_);
    layout->addWidget(findStatus_);
}

void ResultPages::buildTabs(QTabWidget* tabs) {
    knownTab_ = new QWidget();
    auto* knownLayout = BareColumn(knownTab_);
    // Shown only while the list is limited to one code.
    filterBar_ = new QWidget(knownTab_);
    auto* filterLayout = new QHBoxLayout(filterBar_);
    filterLayout->setContentsMargins(2, 2, 2, 2);
    filterLabel_ = MakeLabel(filterBar_, QString());
    filterShowAllButton_ = new QPushButton(QStringLiteral("显示全部"), filterBar_);
    filterLayout->addWidget(filterLabel_, 1);
    filterLayout->addWidget(filterShowAllButton_);
    filterBar_->hide();
    knownLayout->addWidget(filterBar_);
    knownSplitter_ = new QSplitter(Qt::Horizontal, knownTab_);
    knownSplitter_->setChildrenCollapsible(false);
    known_ = new KnownErrorRows(this);
    knownErrorList_ = MakeReportView(knownSplitter_, known_, {87, 130, 60, 40});
    explanationText_ = new QPlainTextEdit(knownSplitter_);
    explanationText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    knownSplitter_->addWidget(knownErrorList_);
    knownSplitter_->addWidget(explanationText_);
    knownSplitter_->setStretchFactor(0, 0);
    knownSplitter_->setStretchFactor(1, 1);
    knownSplitter_->setSizes({289, 295});
    knownLayout->addWidget(knownSplitter_);
    tabs->addTab(knownTab_, KnownTabCaption(0));

    unknownTab_ = new QWidget();
    auto* unknownLayout = BareColumn(unknownTab_);
    rawTextLabel_ = MakeLabel(unknownTab_, QStringLiteral("日志原文："));
    rawTextLabel_->setFixedHeight(13);
    unknownLayout->addWidget(rawTextLabel_);
    unknownErrorText_ = new QPlainTextEdit(unknownTab_);
    unknownErrorText_->setReadOnly(true);
    unknownErrorText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A plain-text document always holds at least one (empty) line.
    unknownErrorText_->setPlainText(QString());
    unknownLayout->addWidget(unknownErrorText_);
    tabs->addTab(unknownTab_, UnknownTabCaption(0));
}

// The page numbers on the left and "<" ">" on the right.  The labels take the width
// of their text, so no number is cut, and the layout keeps both buttons visible at
// every width down to the window's minimum.
void ResultPages::buildPageBar(QWidget* panel) {
    pageBar_ = new QWidget(panel);
    pageBar_->setFixedHeight(36);
    const QFont pageFont = SongFont(16);
    auto* layout = new QHBoxLayout(pageBar_);
    layout->setContentsMargins(8, 5, 31, 5);
    layout->setSpacing(1);
    pageNumberLabel_ = MakeLabel(pageBar_, QStringLiteral("0"));
    pageNumberLabel_->setFont(pageFont);
    pageSlashLabel_ = MakeLabel(pageBar_, QStringLiteral("/"));
    pageSlashLabel_->setFont(pageFont);
    pageCountLabel_ = MakeLabel(pageBar_, QStringLiteral("0"));
    pageCountLabel_->setFont(pageFont);
    previousPageButton_ = new QPushButton(QStringLiteral("<"), pageBar_);
    previousPageButton_->setFixedSize(73, 26);
    nextPageButton_ = new QPushButton(QStringLiteral(">"), pageBar_);
    nextPageButton_->setFixedSize(73, 26);
    firstPageButton_ = new QPushButton(QStringLiteral("|<"), pageBar_);
    firstPageButton_->setFixedSize(30, 26);
    firstPageButton_->setToolTip(QStringLiteral("第一页"));
    lastPageButton_ = new QPushButton(QStringLiteral(">|"), pageBar_);
    lastPageButton_->setFixedSize(30, 26);
    lastPageButton_->setToolTip(QStringLiteral("最后一页"));
    goToPageEdit_ = new QLineEdit(pageBar_);
    goToPageEdit_->setFixedWidth(64);
    goToPageEdit_->setPlaceholderText(QStringLiteral("转到页"));
    goToPageEdit_->setToolTip(QStringLiteral("输入页码后按回车"));
    goToPageEdit_->setValidator(new QIntValidator(1, 999999999, goToPageEdit_));
    // The time field, its button inside it, gives up width before any page control
    // does: the page numbers and buttons stay whole at the window's minimum width.
    goToTimeEdit_ = new QLineEdit(pageBar_);
    goToTimeEdit_->setMinimumWidth(16);
    goToTimeEdit_->setMaximumWidth(104);
    goToTimeEdit_->setPlaceholderText(QStringLiteral("转到时间"));
    goToTimeEdit_->setToolTip(
        QStringLiteral("输入时间（HH:MM 或 HH:MM:SS）后按回车，"
                       "显示该时间及以后的第一个错误"));
    goToTimeAction_ = goToTimeEdit_->addAction(
        goToTimeEdit_->style()->standardIcon(QStyle::SP_ArrowRight), QLineEdit::TrailingPosition);
    goToTimeAction_->setToolTip(QStringLiteral("转到时间"));
    layout->addWidget(pageNumberLabel_);
    layout->addWidget(pageSlashLabel_);
    layout->addWidget(pageCountLabel_);
    layout->addStretch(1);
    layout->addWidget(goToTimeEdit_, 1);
    layout->addWidget(goToPageEdit_);
    layout->addSpacing(6);
    layout->addWidget(firstPageButton_);
    layout->addSpacing(4);
    layout->addWidget(previousPageButton_);
    layout->addSpacing(15);
    layout->addWidget(nextPageButton_);
    layout->addSpacing(4);
    layout->addWidget(lastPageButton_);
}

std::vector<std::pair<QObject*, const char*>> ResultPages::designNames() const {
    return {
        {knownTab_, design::kKnownTab},
        {knownSplitter_, design::kKnownSplitter},
        {knownErrorList_, design::kKnownErrorList},
        {explanationText_, design::kExplanationText},
        {unknownTab_, design::kUnknownTab},
        {rawTextLabel_, design::kRawTextLabel},
        {unknownErrorText_, design::kUnknownErrorText},
        {pageBar_, design::kPageBar},
        {pageNumberLabel_, design::kPageNumberLabel},
        {pageSlashLabel_, design::kPageSlashLabel},
        {pageCountLabel_, design::kPageCountLabel},
        {previousPageButton_, design::kPreviousPageButton},
        {nextPageButton_, design::kNextPageButton},
        {firstPageButton_, design::kFirstPageButton},
        {lastPageButton_, design::kLastPageButton},
        {goToPageEdit_, design::kGoToPageEdit},
        {goToTimeEdit_, design::kGoToTimeEdit},
        {goToTimeAction_, design::kGoToTimeAction},
        {filterBar_, design::kCodeFilterBar},
        {filterLabel_, design::kCodeFilterLabel},
        {filterShowAllButton_, design::kCodeFilterShowAll},
        {findBar_, design::kFindBar},
        {findEdit_, design::kFindEdit},
        {findScope_, design::kFindScope},
        {findPreviousButton_, design::kFindPreviousButton},
        {findNextButton_, design::kFindNextButton},
        {findStatus_, design::kFindStatus},
    };
}

}  // namespace corvane::app
