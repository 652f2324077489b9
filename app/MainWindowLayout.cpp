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

#include "ControlParts.h"
#include "DesignNames.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "PatternsTab.h"
#include "ResultPages.h"
#include "RowData.h"

namespace corvane::app {
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

    detailTabs_ = new QTabWidget(detailPanel_);
    pages_ = new ResultPages(detailPanel_, detailTabs_, progressBar_, this);
    patternsTab_ = new PatternsTab(detailTabs_, programDir_, *dialogs_, this);
    detailTabs_->setCurrentIndex(0);
    layout->addWidget(pages_->findBar());
    layout->addWidget(detailTabs_, 1);
    layout->addWidget(pages_->pageBar());
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
    };
    for (const auto& [control, name] : names) control->setObjectName(QLatin1String(name));
    for (const auto& [control, name] : pages_->designNames())
        control->setObjectName(QLatin1String(name));
}

void MainWindow::connectControls() {
    connect(directoryEdit_, &QLineEdit::textChanged, this, &MainWindow::listLogDays);
    connect(browseButton_, &QPushButton::clicked, this, &MainWindow::chooseDirectory);
    connect(startButton_, &QPushButton::clicked, this, &MainWindow::startAnalysis);
    connect(checkCataloguesButton_, &QPushButton::clicked, this, &MainWindow::checkCatalogues);
    connect(resultList_, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedService);
    QTreeWidget* knownErrorList = pages_->knownErrorList();
    connect(knownErrorList, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedError);
    // A row reached by the keyboard acts as a click on it.  A selection made with the
    // mouse is left to the click that follows, so a click shows its page once.
    connect(resultList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedService();
    });
    connect(knownErrorList, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedError();
    });
    dayList_->installEventFilter(this);
    serviceList_->installEventFilter(this);
    knownErrorList->installEventFilter(this);
    addFindingActions();
    const auto button = [this](const char* name) {
        return findChild<QPushButton*>(QLatin1String(name));
    };
    const auto edit = [this](const char* name) {
        return findChild<QLineEdit*>(QLatin1String(name));
    };
    connect(button(design::kPreviousPageButton), &QPushButton::clicked, this,
            &MainWindow::showPreviousPage);
    connect(button(design::kNextPageButton), &QPushButton::clicked, this,
            &MainWindow::showNextPage);
    connect(button(design::kFirstPageButton), &QPushButton::clicked, this,
            &MainWindow::showFirstPage);
    connect(button(design::kLastPageButton), &QPushButton::clicked, this,
            &MainWindow::showLastPage);
    connect(edit(design::kGoToPageEdit), &QLineEdit::returnPressed, this, &MainWindow::goToPage);
    connect(edit(design::kFindEdit), &QLineEdit::returnPressed, this, &MainWindow::findNext);
    connect(button(design::kFindNextButton), &QPushButton::clicked, this, &MainWindow::findNext);
    connect(button(design::kFindPreviousButton), &QPushButton::clicked, this,
            &MainWindow::findPrevious);
}

// Tab goes through the numbered steps, then the results and the details.
void MainWindow::setTabOrderOfSteps() {
    QWidget* const order[] = {directoryEdit_,
                              dayList_,
                              serviceList_,
                              startButton_,
                              resultList_,
                              detailTabs_,
                              pages_->knownErrorList(),
                              pages_->explanationText(),
                              pages_->unknownErrorText(),
                              pages_->previousPageButton(),
                              pages_->nextPageButton()};
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
            if (watched == pages_->knownErrorList()) {
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
