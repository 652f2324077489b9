#include "Unit1.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <utility>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "GbkDisplay.h"
#include "ThrottledEventPump.h"
#include "WindowDialogs.h"
#include "analysis/LogDays.h"
#include "analysis/Scanner.h"
#include "catalog/GbkText.h"
#include "catalog/ServiceCatalogue.h"
#include "online/CatalogueUpdate.h"
#include "online/ErrorReport.h"

using corvane::app::FromGbkLine;
using corvane::app::ToByteArray;
using corvane::app::ToStdString;

namespace {

// Row data of ListView3: the caption and the three sub-items, as read from the
// catalogue.
constexpr int kRoleCaption = Qt::UserRole;
constexpr int kRoleSubdir = Qt::UserRole + 1;
constexpr int kRolePrefix = Qt::UserRole + 2;
constexpr int kRoleCode = Qt::UserRole + 3;
// Row data of ListBox1: the day's bytes.
constexpr int kRoleDay = Qt::UserRole;
// Row data of ListView2: the finding's position in its list, the ListView1 row
// whose list it belongs to, and the code's bytes.
constexpr int kRolePosition = Qt::UserRole;
constexpr int kRoleServiceRow = Qt::UserRole + 1;
constexpr int kRoleErrorCode = Qt::UserRole + 2;

QString KnownTabCaption(long long count) { return QStringLiteral("已知错误[%1]").arg(count); }

QString UnknownTabCaption(long long count) { return QStringLiteral("未知错误[%1]").arg(count); }

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

// The log line of a finding: everything after the code and the bar.
std::string_view LogLine(std::string_view finding) {
    return finding.size() > 4 ? finding.substr(4) : std::string_view();
}

// The time shown for a known finding: 8 bytes from byte 6 when the finding holds a
// "[" (a bracketed stamp after "ccc|"), else from byte 5; fewer where it ends.
std::string_view TimeField(std::string_view finding) {
    const std::size_t from = finding.find('[') != std::string_view::npos ? 5 : 4;
    if (from >= finding.size()) return {};
    return finding.substr(from, 8);
}

QTreeWidget* MakeReportList(QWidget* parent, const QString& name,
                            std::initializer_list<std::pair<QString, int>> columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
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

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

// The "未知错误" cell of the result row being scanned.
class TForm1::ResultRowSink final : public corvane::ProgressSink {
public:
    QTreeWidgetItem* row = nullptr;
    void SetProgressText(std::string_view text) override {
        if (row) row->setText(2, FromGbkLine(text));
    }
};

TForm1::TForm1(std::string programDir, corvane::app::WindowDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      programDir_(std::move(programDir)),
      ownDialogs_(dialogs ? nullptr : std::make_unique<corvane::app::QtWindowDialogs>(this)),
      dialogs_(dialogs ? dialogs : ownDialogs_.get()),
      pump_(std::make_unique<corvane::app::ThrottledEventPump>(closePending_)),
      rowSink_(std::make_unique<ResultRowSink>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Corvane日志分析器 V1.6"));
    BuildLayout();
    resize(800, 562);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), QSize(816, 600));
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // An error in the start-up sequence skips its remaining steps; the window
    // still opens.
    Handle([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    setCentralWidget(client);

    // Right panel: the numbered steps, placed at fixed positions, and the
    // progress bar along the bottom edge.
    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(216);
    auto* panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    panel1Layout->setSpacing(0);
    auto* steps = new QWidget(Panel1);
    steps->setObjectName(QStringLiteral("Panel2"));
    steps->setFixedHeight(536);
    panel1Layout->addWidget(steps);
    panel1Layout->addStretch(1);

    const QFont stepFont = SongFont(12);
    Label2 =
        MakeLabel(steps, QStringLiteral("Label2"), QStringLiteral("1、请选择日志存放的目录："));
    Label2->setFont(stepFont);
    Label2->setGeometry(8, 26, 201, 16);

    DirectoryEdit1 = new QLineEdit(steps);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    DirectoryEdit1->setGeometry(8, 52, 201 - 23, 23);
    DirectoryEdit1Button = new QPushButton(QStringLiteral("..."), steps);
    DirectoryEdit1Button->setObjectName(QStringLiteral("DirectoryEdit1Button"));
    DirectoryEdit1Button->setGeometry(8 + 201 - 23, 52, 23, 23);
    DirectoryEdit1Button->setFocusPolicy(Qt::NoFocus);

    Label4 = MakeLabel(steps, QStringLiteral("Label4"), QStringLiteral("2、您要分析哪天的日志："));
    Label4->setFont(stepFont);
    Label4->setGeometry(8, 89, 201, 16);

    ListBox1 = new QListWidget(steps);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setGeometry(8, 112, 201, 153);

    Label3 =
        MakeLabel(steps, QStringLiteral("Label3"), QStringLiteral("3、您要分析哪些服务的日志："));
    Label3->setFont(stepFont);
    Label3->setGeometry(8, 279, 201, 16);

    ListView3 =
        MakeReportList(steps, QStringLiteral("ListView3"), {{QStringLiteral("服务名称"), 163}});
    ListView3->setGeometry(8, 305, 201, 192);

    Button1 = new QPushButton(QStringLiteral("开始分析"), steps);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(stepFont);
    Button1->setGeometry(131, 503, 81, 27);

    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(19);
    panel1Layout->addWidget(ProgressBar1);

    // Left part: results above details, the border movable by Splitter1.
    Splitter1 = new QSplitter(Qt::Vertical, client);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(4);
    Splitter1->setChildrenCollapsible(false);

    Panel3 = new QWidget(Splitter1);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto* panel3Layout = new QVBoxLayout(Panel3);
    panel3Layout->setContentsMargins(0, 0, 0, 0);
    panel3Layout->setSpacing(0);
    Label1 = MakeLabel(Panel3, QStringLiteral("Label1"), QStringLiteral("日志分析结果："));
    Label1->setFont(stepFont);
    Label1->setFixedHeight(16);
    panel3Layout->addWidget(Label1);
    ListView1 = MakeReportList(Panel3, QStringLiteral("ListView1"),
                               {{QStringLiteral("服务名称"), 271},
                                {QStringLiteral("已知错误"), 87},
                                {QStringLiteral("未知错误"), 180}});
    ListView1->setFrameShape(QFrame::NoFrame);
    panel3Layout->addWidget(ListView1);

    Panel4 = new QWidget(Splitter1);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    auto* panel4Layout = new QVBoxLayout(Panel4);
    panel4Layout->setContentsMargins(0, 0, 0, 0);
    panel4Layout->setSpacing(0);
    Label6 = MakeLabel(Panel4, QStringLiteral("Label6"), QStringLiteral("详细错误信息："));
    Label6->setFixedHeight(17);
    panel4Layout->addWidget(Label6);

    PageControl1 = new QTabWidget(Panel4);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    panel4Layout->addWidget(PageControl1, 1);

    TabSheet1 = new QWidget();
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* tab1Layout = new QHBoxLayout(TabSheet1);
    tab1Layout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Horizontal, TabSheet1);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    ListView2 = MakeReportList(Splitter2, QStringLiteral("ListView2"),
                               {{QStringLiteral("发生时间"), 87},
                                {QStringLiteral("错误名称"), 130},
                                {QStringLiteral("错误代码"), 60}});
    Memo1 = new QPlainTextEdit(Splitter2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Splitter2->addWidget(ListView2);
    Splitter2->addWidget(Memo1);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    Splitter2->setSizes({289, 295});
    tab1Layout->addWidget(Splitter2);
    PageControl1->addTab(TabSheet1, KnownTabCaption(0));

    TabSheet2 = new QWidget();
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* tab2Layout = new QVBoxLayout(TabSheet2);
    tab2Layout->setContentsMargins(0, 0, 0, 0);
    tab2Layout->setSpacing(0);
    Label9 = MakeLabel(TabSheet2, QStringLiteral("Label9"), QStringLiteral("日志原文："));
    Label9->setFixedHeight(13);
    tab2Layout->addWidget(Label9);
    Memo2 = new QPlainTextEdit(TabSheet2);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A plain-text document always holds at least one (empty) line.
    Memo2->setPlainText(QString());
    tab2Layout->addWidget(Memo2);
    PageControl1->addTab(TabSheet2, UnknownTabCaption(0));
    PageControl1->setCurrentIndex(0);

    // Page bar.
    Panel6 = new QWidget(Panel4);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setFixedHeight(36);
    const QFont pageFont = SongFont(16);
    Label5 = MakeLabel(Panel6, QStringLiteral("Label5"), QStringLiteral("0"));
    Label5->setFont(pageFont);
    Label5->setGeometry(8, 10, 24, 18);
    Label7 = MakeLabel(Panel6, QStringLiteral("Label7"), QStringLiteral("/"));
    Label7->setFont(pageFont);
    Label7->setGeometry(33, 10, 10, 18);
    Label8 = MakeLabel(Panel6, QStringLiteral("Label8"), QStringLiteral("0"));
    Label8->setFont(pageFont);
    Label8->setGeometry(44, 10, 60, 18);
    Button3 = new QPushButton(QStringLiteral("<"), Panel6);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(392, 5, 73, 26);
    Button2 = new QPushButton(QStringLiteral(">"), Panel6);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(480, 5, 73, 26);
    panel4Layout->addWidget(Panel6);

    Splitter1->addWidget(Panel3);
    Splitter1->addWidget(Panel4);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({121, 562 - 121 - 4});

    clientLayout->addWidget(Splitter1, 1);
    clientLayout->addWidget(Panel1);

    connect(DirectoryEdit1, &QLineEdit::textChanged, this, &TForm1::DirectoryEdit1Change);
    connect(DirectoryEdit1Button, &QPushButton::clicked, this, &TForm1::DirectoryEdit1BrowseClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ListView1, &QTreeWidget::itemClicked, this, &TForm1::ListView1Click);
    connect(ListView2, &QTreeWidget::itemClicked, this, &TForm1::ListView2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void TForm1::FormCreate() {
    UpdateCatalogues();

    ListView3->clear();
    std::vector<corvane::ServiceEntry> services;
    corvane::LoadServiceCatalogue(programDir_, services);
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(services.size()));
    for (const corvane::ServiceEntry& service : services) {
        auto* row = new QTreeWidgetItem();
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        row->setCheckState(0, service.checked ? Qt::Checked : Qt::Unchecked);
        row->setText(0, FromGbkLine(service.caption));
        row->setData(0, kRoleCaption, ToByteArray(service.caption));
        row->setData(0, kRoleSubdir, ToByteArray(service.logSubdir));
        row->setData(0, kRolePrefix, ToByteArray(service.logPrefix));
        row->setData(0, kRoleCode, ToByteArray(service.code));
        rows.append(row);
    }
    ListView3->addTopLevelItems(rows);

    serviceResults_ = std::make_unique<corvane::ServiceResults>();

    errorCatalogue_ = std::make_unique<corvane::ErrorCatalogue>();
    corvane::LoadErrorCatalogue(programDir_, *errorCatalogue_);

    OpenReportChannel();
}

void TForm1::UpdateCatalogues() {
    // Before the catalogues are loaded, so that newer files are used in this run of
    // the program.  The update is silent; its result does not matter here.
    server_ = corvane::ReadServerConfig(programDir_);
    corvane::UpdateCatalogues(programDir_, server_, *pump_);
}

void TForm1::OpenReportChannel() {
    IdUDPClient1.SetHost(server_.host);
    IdUDPClient1.SetPort(server_.reportPort);
    IdUDPClient1.Open();
}

void TForm1::CloseReportChannel() { IdUDPClient1.Close(); }

void TForm1::FormClose() {
    // Lists are freed element by element from the last to the first, then the list.
    if (serviceResults_) {
        while (!serviceResults_->empty()) serviceResults_->pop_back();
        serviceResults_.reset();
    }
    if (errorCatalogue_) {
        while (!errorCatalogue_->empty()) errorCatalogue_->pop_back();
        errorCatalogue_.reset();
    }
    CloseReportChannel();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (runInProgress_ || fillDepth_ > 0) {
        // A scan or a page fill is suspended below this handler and still reads
        // the lists.  Ask it to stop; the close is repeated once it has unwound.
        closePending_ = true;
        ++fillGeneration_;
        event->ignore();
        return;
    }
    if (!formClosed_) {
        formClosed_ = true;
        corvane::app::RunReportingErrors(*dialogs_, [this] { FormClose(); });
    }
    event->accept();
}

template <typename Body>
void TForm1::Handle(Body&& body) {
    corvane::app::RunReportingErrors(*dialogs_, std::forward<Body>(body));
    LetGo();
}

void TForm1::LetGo() {
    if (runInProgress_ || fillDepth_ > 0) return;
    if (closePending_) {
        close();
        return;
    }
    if (startPending_) {
        startPending_ = false;
        Button1Click();
    }
}

// ---------------------------------------------------------------------------
// Log-day discovery

void TForm1::DirectoryEdit1Change() {
    Handle([this] { ListLogDays(); });
}

void TForm1::ListLogDays() {
    ListBox1->clear();
    const std::vector<std::string> days =
        corvane::ListLogDays(ToStdString(QFile::encodeName(DirectoryEdit1->text())));
    for (const std::string& day : days) {
        auto* item = new QListWidgetItem(FromGbkLine(day));
        item->setData(kRoleDay, ToByteArray(day));
        ListBox1->addItem(item);
    }
}

void TForm1::DirectoryEdit1BrowseClick() {
    Handle([this] {
        const QString current = DirectoryEdit1->text();
        const QFileInfo info(current);
        const QString start = !current.isEmpty() && info.isDir() ? current : QDir::rootPath();
        const std::optional<QString> chosen =
            dialogs_->ChooseDirectory(QStringLiteral("请选择Corvane安装目录"), start);
        if (chosen) DirectoryEdit1->setText(*chosen);
    });
}

// ---------------------------------------------------------------------------
// Analysis run

void TForm1::Button1Click() {
    Handle([this] {
        if (corvane::AnalysisBusy || runInProgress_) {
            dialogs_->ShowMessage(corvane::gbk::kMsgBusy);
            return;
        }
        if (closePending_) return;
        if (fillDepth_ > 0) {
            // The run would free the list the page fill below is reading: let the
            // fill abandon its page, and start once it has.
            startPending_ = true;
            ++fillGeneration_;
            return;
        }
        if (!serviceResults_ || !errorCatalogue_)
            throw std::logic_error("The analysis lists were not created at start-up");

        runInProgress_ = true;
        struct RunFlag {
            bool& flag;
            ~RunFlag() { flag = false; }
        } runFlag{runInProgress_};

        ListView1->clearSelection();
        ListView1->clear();
        ListView2->clearSelection();
        ListView2->clear();
        Memo2->clear();
        PageControl1->setTabText(0, KnownTabCaption(0));
        PageControl1->setTabText(1, UnknownTabCaption(0));

        while (!serviceResults_->empty()) serviceResults_->pop_back();

        std::string day;
        for (int i = 0; i < ListBox1->count(); ++i) {
            if (ListBox1->item(i)->isSelected()) {
                day = ToStdString(ListBox1->item(i)->data(kRoleDay).toByteArray());
                break;
            }
        }

        // Released on every way out of the run, an error included.
        const std::unique_ptr<corvane::FindingsObserver> tally = CreateReportTally();

        const corvane::ScanOptions options{programDir_, true};
        const corvane::RunOutcome outcome =
            corvane::RunServicePasses(*this, day, *errorCatalogue_, *serviceResults_, tally.get(),
                                      *dialogs_, *pump_, options);
        if (outcome == corvane::RunOutcome::Stopped) return;

        SendReport(tally.get());
    });
}

namespace {

// The report of one run: the tally that each stored list is added to.  Whatever
// is left of it when the run ends early (an error, a close) is dropped unsent.
class RunReport final : public corvane::FindingsObserver {
public:
    explicit RunReport(corvane::EventPump& pump) : pump_(pump) {}
    void AddFindings(const std::string& serviceCode,
                     const corvane::FindingList& findings) override {
        corvane::AddFindings(tally_, serviceCode, findings, pump_);
    }
    void Send(corvane::UdpReportChannel& channel) { corvane::SendReport(tally_, channel, pump_); }

private:
    corvane::ReportTally tally_;
    corvane::EventPump& pump_;
};

}  // namespace

std::unique_ptr<corvane::FindingsObserver> TForm1::CreateReportTally() {
    return std::make_unique<RunReport>(*pump_);
}

void TForm1::SendReport(corvane::FindingsObserver* tally) {
    if (auto* report = dynamic_cast<RunReport*>(tally)) report->Send(IdUDPClient1);
}

int TForm1::ServiceRowCount() { return ListView3->topLevelItemCount(); }

bool TForm1::ServiceRowChecked(int row) {
    const QTreeWidgetItem* item = ListView3->topLevelItem(row);
    return item && item->checkState(0) == Qt::Checked;
}

corvane::ServiceEntry TForm1::ServiceRow(int row) {
    corvane::ServiceEntry entry;
    const QTreeWidgetItem* item = ListView3->topLevelItem(row);
    if (!item) throw std::out_of_range("List index out of bounds");
    entry.caption = ToStdString(item->data(0, kRoleCaption).toByteArray());
    entry.logSubdir = ToStdString(item->data(0, kRoleSubdir).toByteArray());
    entry.logPrefix = ToStdString(item->data(0, kRolePrefix).toByteArray());
    entry.code = ToStdString(item->data(0, kRoleCode).toByteArray());
    entry.checked = item->checkState(0) == Qt::Checked;
    return entry;
}

std::string TForm1::DirectoryText() {
    return ToStdString(QFile::encodeName(DirectoryEdit1->text()));
}

corvane::ProgressSink& TForm1::AddResultRow(const std::string& caption) {
    auto* row = new QTreeWidgetItem(ListView1);
    row->setText(0, FromGbkLine(caption));
    row->setText(1, FromGbkLine(corvane::gbk::kRowScanning));
    row->setText(2, QString());
    rowSink_->row = row;
    return *rowSink_;
}

void TForm1::RemoveLastResultRow() {
    const int count = ListView1->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = ListView1->topLevelItem(count - 1);
    if (rowSink_->row == row) rowSink_->row = nullptr;
    delete row;
}

void TForm1::SetLastResultCounts(const std::string& known, const std::string& unknown) {
    const int count = ListView1->topLevelItemCount();
    if (count == 0) return;
    QTreeWidgetItem* row = ListView1->topLevelItem(count - 1);
    row->setText(1, FromGbkLine(known));
    row->setText(2, FromGbkLine(unknown));
}

// ---------------------------------------------------------------------------
// Result pages and details

const corvane::FindingList* TForm1::SelectedServiceList(int* serviceRow) const {
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty()) return nullptr;
    const int index = ListView1->indexOfTopLevelItem(selected.first());
    // The newest row has no list while its service is still being scanned, and a
    // row whose scan failed never gets one.
    if (!serviceResults_ || index < 0 || static_cast<std::size_t>(index) >= serviceResults_->size())
        return nullptr;
    *serviceRow = index;
    return (*serviceResults_)[static_cast<std::size_t>(index)].get();
}

void TForm1::ListView1Click() {
    Handle([this] {
        int row = 0;
        const corvane::FindingList* list = SelectedServiceList(&row);
        if (!list || list->empty()) return;
        const auto n = static_cast<long long>(list->size());
        Label8->setText(QString::number(n / PageSize + (n % PageSize != 0 ? 1 : 0)));
        ShowPage(1);
    });
}

void TForm1::Button3Click() {
    Handle([this] {
        if (Label5->text() == QLatin1String("1")) return;
        int row = 0;
        const corvane::FindingList* list = SelectedServiceList(&row);
        if (!list || list->empty()) return;
        bool ok = false;
        const long long page = Label5->text().toLongLong(&ok);
        // Label5 reads "0" until a first page was shown; there is no page before 1.
        if (!ok || page - 1 < 1) return;
        ShowPage(page - 1);
    });
}

void TForm1::Button2Click() {
    Handle([this] {
        if (Label8->text() == Label5->text()) return;
        int row = 0;
        const corvane::FindingList* list = SelectedServiceList(&row);
        if (!list || list->empty()) return;
        bool ok = false;
        const long long page = Label5->text().toLongLong(&ok);
        if (!ok) return;
        ShowPage(page + 1);
    });
}

void TForm1::ShowPage(long long page) {
    int row = 0;
    const corvane::FindingList* list = SelectedServiceList(&row);
    if (!list) return;
    ++fillDepth_;
    struct FillScope {
        int& depth;
        ~FillScope() { --depth; }
    } scope{fillDepth_};
    FillPage(page, *list, row);
}

void TForm1::FillPage(long long page, const corvane::FindingList& list, int serviceRow) {
    const unsigned generation = ++fillGeneration_;

    ListView2->clear();
    Memo1->clear();
    Memo2->clear();
    const auto n = static_cast<long long>(list.size());
    if (n > 0) ProgressBar1->setRange(0, static_cast<int>(std::min<long long>(n - 1, INT_MAX)));
    Label5->setText(QString::number(page));

    // Positions before the first finding are never read, whatever page was asked for.
    const long long first = std::max<long long>((page - 1) * PageSize, 0);
    const long long end = std::min<long long>(page * PageSize, n);

    // Rows and lines are collected and put into the views in one go: adding them
    // one by one would lay out and repaint the views for every finding.
    QList<QTreeWidgetItem*> rows;
    struct RowsOwner {
        QList<QTreeWidgetItem*>& rows;
        ~RowsOwner() { qDeleteAll(rows); }
    } rowsOwner{rows};
    QString unknownLines;
    long long unknownCount = 0;
    QHash<QByteArray, QString> names;

    for (long long i = first; i < end; ++i) {
        pump_->ProcessEvents();
        // A new page, a start or a close arrived meanwhile: the list may be about
        // to be freed, and the views belong to whoever came in.
        if (generation != fillGeneration_ || closePending_) return;
        ProgressBar1->setValue(static_cast<int>(std::min<long long>(i, INT_MAX)));

        const std::string_view finding = list[static_cast<std::size_t>(i)];
        if (finding.substr(0, 3) == corvane::kUnknownCode) {
            if (unknownCount++ > 0) unknownLines += QLatin1Char('\n');
            unknownLines += FromGbkLine(LogLine(finding));
            continue;
        }
        const std::string_view code = finding.substr(0, 3);
        const QByteArray codeBytes = ToByteArray(code);
        auto name = names.find(codeBytes);
        if (name == names.end())
            name = names.insert(codeBytes,
                                FromGbkLine(corvane::LookupErrorName(code, *errorCatalogue_)));

        auto* item = new QTreeWidgetItem();
        item->setText(0, FromGbkLine(TimeField(finding)));
        item->setText(1, name.value());
        item->setText(2, FromGbkLine(code));
        item->setData(0, kRolePosition, i);
        item->setData(0, kRoleServiceRow, serviceRow);
        item->setData(0, kRoleErrorCode, codeBytes);
        rows.append(item);
    }

    const auto knownCount = static_cast<long long>(rows.size());
    ListView2->addTopLevelItems(rows);
    rows.clear();
    if (unknownCount > 0) Memo2->setPlainText(unknownLines);
    ProgressBar1->setValue(0);
    PageControl1->setTabText(0, KnownTabCaption(knownCount));
    PageControl1->setTabText(1, UnknownTabCaption(unknownCount));
}

void TForm1::ListView2Click() {
    Handle([this] {
        const QList<QTreeWidgetItem*> selected = ListView2->selectedItems();
        if (selected.isEmpty()) return;
        const QTreeWidgetItem* row = selected.first();
        Memo1->clear();

        const QByteArray code = row->data(0, kRoleErrorCode).toByteArray();
        std::vector<std::string> lines;
        if (errorCatalogue_)
            corvane::LookupExplanation(
                std::string_view(code.constData(), static_cast<std::size_t>(code.size())),
                *errorCatalogue_, lines);
        QStringList text;
        text.reserve(static_cast<qsizetype>(lines.size()) + 3);
        for (const std::string& line : lines) text << FromGbkLine(line);
        text << QString();
        text << FromGbkLine(corvane::gbk::kMemoRawHeading);

        // ListView2 is always emptied before the lists its rows point to are freed,
        // so the row's list and position exist.
        if (!serviceResults_)
            throw std::logic_error("The analysis lists were not created at start-up");
        const auto serviceRow =
            static_cast<std::size_t>(row->data(0, kRoleServiceRow).toLongLong());
        const auto position = static_cast<std::size_t>(row->data(0, kRolePosition).toLongLong());
        const corvane::FindingList& list = *serviceResults_->at(serviceRow);
        text << FromGbkLine(LogLine(list.at(position)));
        Memo1->setPlainText(text.join(QLatin1Char('\n')));
    });
}
