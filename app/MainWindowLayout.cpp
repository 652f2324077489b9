// The window's controls: their places, sizes, fonts and captions, their design
// names, and the wiring of their signals to the handlers.

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "DesignNames.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "PatternsTab.h"
#include "RowData.h"

namespace corvane::app {
namespace {

// The step labels, the start button and the result heading use a 12-pixel Song
// face, the page bar a 16-pixel one.  Where Song is not installed the first CJK
// face that is takes its place, so no character shows as a box.
QFont SongFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelSize);
    return font;
}

QTreeWidget* MakeReportList(QWidget* parent,
                            std::initializer_list<std::pair<QString, int>> columns) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& column : columns) titles << column.first;
    list->setHeaderLabels(titles);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    int index = 0;
    for (const auto& column : columns) list->setColumnWidth(index++, column.second);
    return list;
}

QLabel* MakeLabel(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QVBoxLayout* BareColumn(QWidget* owner) {
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

}  // namespace

void MainWindow::buildLayout() {
    auto* client = new QWidget(this);
    client->setObjectName(QLatin1String(design::kClientArea));
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    setCentralWidget(client);

    buildStepsPanel(client);

    // Left part: results above details, the border movable by the splitter.
    resultSplitter_ = new QSplitter(Qt::Vertical, client);
    resultSplitter_->setHandleWidth(4);
    resultSplitter_->setChildrenCollapsible(false);
    buildResultPanel();
    buildDetailPanel();
    resultSplitter_->addWidget(resultPanel_);
    resultSplitter_->addWidget(detailPanel_);
    resultSplitter_->setStretchFactor(0, 0);
    resultSplitter_->setStretchFactor(1, 1);
    resultSplitter_->setSizes({121, 562 - 121 - 4});

    clientLayout->addWidget(resultSplitter_, 1);
    clientLayout->addWidget(stepsPanel_);

    nameControls();
    connectControls();
    setTabOrderOfSteps();
    // The steps keep their size; the results and details take what is left, and the
    // page bar stays whole down to this size.
    setMinimumSize(680, 562);
}

// Right panel: the numbered steps, placed at fixed positions, and the progress bar
// along the bottom edge.
void MainWindow::buildStepsPanel(QWidget* client) {
    stepsPanel_ = new QWidget(client);
    stepsPanel_->setFixedWidth(216);
    auto* panelLayout = BareColumn(stepsPanel_);
    stepsArea_ = new QWidget(stepsPanel_);
    stepsArea_->setFixedHeight(536);
    panelLayout->addWidget(stepsArea_);
    panelLayout->addStretch(1);

    const QFont stepFont = SongFont(12);
    directoryLabel_ = MakeLabel(stepsArea_, QStringLiteral("1、请选择日志存放的目录："));
    directoryLabel_->setFont(stepFont);
    directoryLabel_->setGeometry(8, 26, 201, 16);

    directoryEdit_ = new QLineEdit(stepsArea_);
    directoryEdit_->setGeometry(8, 52, 201 - 23, 23);
    browseButton_ = new QPushButton(QStringLiteral("..."), stepsArea_);
    browseButton_->setGeometry(8 + 201 - 23, 52, 23, 23);
    browseButton_->setFocusPolicy(Qt::NoFocus);

    dayLabel_ = MakeLabel(stepsArea_, QStringLiteral("2、您要分析哪天的日志："));
    dayLabel_->setFont(stepFont);
    dayLabel_->setGeometry(8, 89, 201, 16);

    dayList_ = new HintedListWidget(stepsArea_);
    dayList_->setSelectionMode(QAbstractItemView::SingleSelection);
    dayList_->setGeometry(8, 112, 201, 153);

    serviceLabel_ = MakeLabel(stepsArea_, QStringLiteral("3、您要分析哪些服务的日志："));
    serviceLabel_->setFont(stepFont);
    serviceLabel_->setGeometry(8, 279, 201, 16);

    serviceList_ = MakeReportList(stepsArea_, {{QStringLiteral("服务名称"), 163}});
    serviceList_->setGeometry(8, 305, 201, 192);

    startButton_ = new QPushButton(QStringLiteral("开始分析"), stepsArea_);
    startButton_->setFont(stepFont);
    startButton_->setGeometry(131, 503, 81, 27);
    checkCataloguesButton_ = new QPushButton(QStringLiteral("检查目录"), stepsArea_);
    checkCataloguesButton_->setToolTip(
        QStringLiteral("检查 ServiceList.ini 和 ErrorList.ini 中会被忽略或不起作用的条目"));
    checkCataloguesButton_->setGeometry(8, 503, 81, 27);

    progressBar_ = new QProgressBar(stepsPanel_);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    progressBar_->setFixedHeight(19);
    panelLayout->addWidget(progressBar_);
}

void MainWindow::buildResultPanel() {
    resultPanel_ = new QWidget(resultSplitter_);
    auto* layout = BareColumn(resultPanel_);
    resultLabel_ = MakeLabel(resultPanel_, QStringLiteral("日志分析结果："));
    resultLabel_->setFont(SongFont(12));
    resultLabel_->setFixedHeight(16);
    layout->addWidget(resultLabel_);
    // Beyond the three columns of counts, the marks of new and rising errors.
    resultList_ = MakeReportList(resultPanel_, {{QStringLiteral("服务名称"), 271},
                                                {QStringLiteral("已知错误"), 87},
                                                {QStringLiteral("未知错误"), 180},
                                                {QStringLiteral("变化"), 70}});
    resultList_->setFrameShape(QFrame::NoFrame);
    resultList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* trend = new QAction(QStringLiteral("查看错误趋势…"), resultList_);
    connect(trend, &QAction::triggered, this, &MainWindow::showTrend);
    resultList_->addAction(trend);
    layout->addWidget(resultList_);
}

void MainWindow::buildDetailPanel() {
    detailPanel_ = new QWidget(resultSplitter_);
    auto* layout = BareColumn(detailPanel_);
    detailLabel_ = MakeLabel(detailPanel_, QStringLiteral("详细错误信息："));
    detailLabel_->setFixedHeight(17);
    layout->addWidget(detailLabel_);

    buildFindBar(detailPanel_);
    layout->addWidget(findBar_);

    detailTabs_ = new QTabWidget(detailPanel_);
    layout->addWidget(detailTabs_, 1);

    knownTab_ = new QWidget();
    auto* knownLayout = new QHBoxLayout(knownTab_);
    knownLayout->setContentsMargins(0, 0, 0, 0);
    knownSplitter_ = new QSplitter(Qt::Horizontal, knownTab_);
    knownSplitter_->setChildrenCollapsible(false);
    knownErrorList_ = MakeReportList(knownSplitter_, {{QStringLiteral("发生时间"), 87},
                                                      {QStringLiteral("错误名称"), 130},
                                                      {QStringLiteral("错误代码"), 60},
                                                      {QStringLiteral("变化"), 40}});
    explanationText_ = new QPlainTextEdit(knownSplitter_);
    explanationText_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    knownSplitter_->addWidget(knownErrorList_);
    knownSplitter_->addWidget(explanationText_);
    knownSplitter_->setStretchFactor(0, 0);
    knownSplitter_->setStretchFactor(1, 1);
    knownSplitter_->setSizes({289, 295});
    knownLayout->addWidget(knownSplitter_);
    detailTabs_->addTab(knownTab_, KnownTabCaption(0));

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
    detailTabs_->addTab(unknownTab_, UnknownTabCaption(0));
    patternsTab_ = new PatternsTab(detailTabs_, programDir_, *dialogs_, this);
    detailTabs_->setCurrentIndex(0);

    buildPageBar(detailPanel_);
    layout->addWidget(pageBar_);
}

// The page numbers on the left and "<" ">" on the right.  The labels take the width
// of their text, so no number is cut, and the layout keeps both buttons visible at
// every width down to the window's minimum.
void MainWindow::buildPageBar(QWidget* parent) {
    pageBar_ = new QWidget(parent);
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
    layout->addWidget(pageNumberLabel_);
    layout->addWidget(pageSlashLabel_);
    layout->addWidget(pageCountLabel_);
    layout->addStretch(1);
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

// Every control gets its design name here, in one place.
void MainWindow::nameControls() {
    const std::pair<QObject*, const char*> names[] = {
        {this, design::kWindow},
        {stepsPanel_, design::kStepsPanel},
        {stepsArea_, design::kStepsArea},
        {directoryLabel_, design::kDirectoryLabel},
        {directoryEdit_, design::kDirectoryEdit},
        {browseButton_, design::kBrowseButton},
        {dayLabel_, design::kDayLabel},
        {dayList_, design::kDayList},
        {serviceLabel_, design::kServiceLabel},
        {serviceList_, design::kServiceList},
        {startButton_, design::kStartButton},
        {checkCataloguesButton_, design::kCheckCataloguesButton},
        {progressBar_, design::kProgressBar},
        {resultSplitter_, design::kResultSplitter},
        {resultPanel_, design::kResultPanel},
        {resultLabel_, design::kResultLabel},
        {resultList_, design::kResultList},
        {detailPanel_, design::kDetailPanel},
        {detailLabel_, design::kDetailLabel},
        {detailTabs_, design::kDetailTabs},
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
        {findBar_, design::kFindBar},
        {findEdit_, design::kFindEdit},
        {findScope_, design::kFindScope},
        {findPreviousButton_, design::kFindPreviousButton},
        {findNextButton_, design::kFindNextButton},
        {findStatus_, design::kFindStatus},
    };
    for (const auto& [control, name] : names) control->setObjectName(QLatin1String(name));
}

void MainWindow::connectControls() {
    connect(directoryEdit_, &QLineEdit::textChanged, this, &MainWindow::listLogDays);
    connect(browseButton_, &QPushButton::clicked, this, &MainWindow::chooseDirectory);
    connect(startButton_, &QPushButton::clicked, this, &MainWindow::startAnalysis);
    connect(checkCataloguesButton_, &QPushButton::clicked, this, &MainWindow::checkCatalogues);
    connect(resultList_, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedService);
    connect(knownErrorList_, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedError);
    // A row reached by the keyboard acts as a click on it.  A selection made with the
    // mouse is left to the click that follows, so a click shows its page once.
    connect(resultList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedService();
    });
    connect(knownErrorList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedError();
    });
    dayList_->installEventFilter(this);
    serviceList_->installEventFilter(this);
    knownErrorList_->installEventFilter(this);
    addFindingActions();
    connect(previousPageButton_, &QPushButton::clicked, this, &MainWindow::showPreviousPage);
    connect(nextPageButton_, &QPushButton::clicked, this, &MainWindow::showNextPage);
    connect(firstPageButton_, &QPushButton::clicked, this, &MainWindow::showFirstPage);
    connect(lastPageButton_, &QPushButton::clicked, this, &MainWindow::showLastPage);
    connect(goToPageEdit_, &QLineEdit::returnPressed, this, &MainWindow::goToPage);
    connect(findEdit_, &QLineEdit::returnPressed, this, &MainWindow::findNext);
    connect(findNextButton_, &QPushButton::clicked, this, &MainWindow::findNext);
    connect(findPreviousButton_, &QPushButton::clicked, this, &MainWindow::findPrevious);
}

// Tab goes through the numbered steps, then the results and the details.
void MainWindow::setTabOrderOfSteps() {
    QWidget* const order[] = {directoryEdit_,      dayList_,         serviceList_,
                              startButton_,        resultList_,      detailTabs_,
                              knownErrorList_,     explanationText_, unknownErrorText_,
                              previousPageButton_, nextPageButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == dayList_ || watched == serviceList_) {
                startAnalysis();
                return true;
            }
            if (watched == knownErrorList_) {
                showFindingContext();
                return true;
            }
        }
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Mouse)
        pointAtFinding(watched, static_cast<QContextMenuEvent*>(event)->pos());
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace corvane::app
