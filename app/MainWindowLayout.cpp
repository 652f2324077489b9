// The window's controls: their places, sizes, fonts and captions, their design
// names, and the wiring of their signals to the handlers.

#include <QAction>
#include <QCheckBox>
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
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BackgroundTask.h"
#include "ControlParts.h"
#include "DesignNames.h"
#include "HintedListWidget.h"
#include "MainWindow.h"
#include "PatternsTab.h"
#include "ResultPages.h"
#include "RowData.h"
#include "SearchTab.h"
#include "StepsPanel.h"
#include "WindowDialogs.h"

namespace corvane::app {
void MainWindow::buildLayout() {
    auto* client = new QWidget(this);
    client->setObjectName(QLatin1String(design::kClientArea));
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    setCentralWidget(client);

    steps_ = new StepsPanel(client);

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
    clientLayout->addWidget(steps_);

    nameControls();
    connectControls();
    setTabOrderOfSteps();
    // The steps keep their size; the results and details take what is left, and the
    // page bar stays whole down to this size.
    setMinimumSize(680, 562);
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
    // A window made wider widens the last column rather than leaving a blank band.
    resultList_->header()->setStretchLastSection(true);
    resultList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* trend = new QAction(QStringLiteral("查看错误趋势…"), resultList_);
    connect(trend, &QAction::triggered, this, &MainWindow::showTrend);
    resultList_->addAction(trend);
    auto* fleet = new QAction(QStringLiteral("全部装置…"), resultList_);
    connect(fleet, &QAction::triggered, this, &MainWindow::showFleet);
    resultList_->addAction(fleet);
    layout->addWidget(resultList_);
}

void MainWindow::buildDetailPanel() {
    detailPanel_ = new QWidget(resultSplitter_);
    auto* layout = BareColumn(detailPanel_);
    detailLabel_ = MakeLabel(detailPanel_, QStringLiteral("详细错误信息："));
    detailLabel_->setFixedHeight(17);
    layout->addWidget(detailLabel_);

    detailTabs_ = new QTabWidget(detailPanel_);
    pages_ = new ResultPages(detailPanel_, detailTabs_, steps_->progressBar(), this);
    patternsTab_ = new PatternsTab(detailTabs_, programDir_, *dialogs_, this);
    copyTask_ = std::make_unique<BackgroundTask>(
        [this](const std::string& what) { ReportError(*dialogs_, what); });
    searchTab_ = new SearchTab(
        detailTabs_, [this] { return searchScope(); },
        [this](const SearchPlace& place) { showSearchContext(place); }, this);
    buildTimeViews();
    detailTabs_->setCurrentIndex(0);
    layout->addWidget(pages_->findBar());
    layout->addWidget(detailTabs_, 1);
    layout->addWidget(pages_->pageBar());
}

// Every control gets its design name here, in one place.
void MainWindow::nameControls() {
    const std::pair<QObject*, const char*> names[] = {
        {this, design::kWindow},
        {resultSplitter_, design::kResultSplitter},
        {resultPanel_, design::kResultPanel},
        {resultLabel_, design::kResultLabel},
        {resultList_, design::kResultList},
        {detailPanel_, design::kDetailPanel},
        {detailLabel_, design::kDetailLabel},
        {detailTabs_, design::kDetailTabs},
    };
    for (const auto& [control, name] : names) control->setObjectName(QLatin1String(name));
    for (const auto& [control, name] : steps_->designNames())
        control->setObjectName(QLatin1String(name));
    for (const auto& [control, name] : pages_->designNames())
        control->setObjectName(QLatin1String(name));
}

void MainWindow::connectControls() {
    connect(steps_->directoryEdit(), &QLineEdit::textChanged, this, &MainWindow::listLogDays);
    // A run under way takes the rows and the directory as they stand when it reaches
    // each row.
    connect(steps_->directoryEdit(), &QLineEdit::textChanged, this, &MainWindow::publishPlan);
    connect(steps_->serviceList(), &QTreeWidget::itemChanged, this, &MainWindow::publishPlan);
    connect(steps_->browseButton(), &QPushButton::clicked, this, &MainWindow::chooseDirectory);
    connect(steps_->startButton(), &QPushButton::clicked, this, &MainWindow::startAnalysis);
    connect(steps_->followBox(), &QCheckBox::toggled, this, &MainWindow::followToggled);
    // Another directory or day ends following the files of the run on screen.
    connect(steps_->dayList(), &QListWidget::itemSelectionChanged, this,
            [this] { endFollowingForAnotherDay(); });
    connect(steps_->checkCataloguesButton(), &QPushButton::clicked, this,
            &MainWindow::checkCatalogues);
    connect(steps_->moreButton()->menu()->addAction(QStringLiteral("全部装置…")),
            &QAction::triggered, this, &MainWindow::showFleet);
    connect(resultList_, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedService);
    QTreeView* knownErrorList = pages_->knownErrorList();
    connect(knownErrorList, &QTreeView::clicked, this, &MainWindow::showSelectedError);
    // A row reached by the keyboard acts as a click on it.  A selection made with the
    // mouse is left to the click that follows, so a click shows its page once.
    connect(resultList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedService();
    });
    connect(knownErrorList->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) showSelectedError();
    });
    steps_->dayList()->installEventFilter(this);
    steps_->serviceList()->installEventFilter(this);
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
    QWidget* const order[] = {steps_->directoryEdit(),
                              steps_->dayList(),
                              steps_->serviceList(),
                              steps_->startButton(),
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
            if (watched == steps_->dayList() || watched == steps_->serviceList()) {
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
