// The main window from start-up to shut-down: catalogues, the day list, the
// analysis run and its refusals, the error box, and closing in the middle of a run.

#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>

#include "CatalogueCheckDialog.h"
#include "CorvaneApplication.h"
#include "HintedListWidget.h"
#include "WindowTestSupport.h"
#include "catalog/GbkText.h"
#include "scan/Scanner.h"

using namespace wintest;

namespace {

const QString kBusy = QStringLiteral("正在分析日志，请稍等！");

QString DemoDir() { return QStringLiteral(CORVANE_SOURCE_DIR "/demo"); }

// The lines the command-line companion prints for a command (as the GBK bytes held,
// whatever the tester's locale), decoded.
QStringList CommandLine(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(CORVANE_SCAN_EXE),
                  QStringList{QStringLiteral("--gbk")} + arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        qWarning("corvane-scan %s failed", qPrintable(arguments.join(' ')));
    QStringList lines;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (!line.isEmpty()) lines << corvane::app::FromGbkLine(line);
    return lines;
}

// A window over a copy of the demo catalogues.
struct DemoWindow {
    TestDirs dirs;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> form;

    DemoWindow() {
        for (const char* name : {"ServiceList.ini", "ErrorList.ini"}) {
            QFile source(DemoDir() + '/' + name);
            if (!source.open(QIODevice::ReadOnly) || !dirs.WriteProgramFile(name, source.readAll()))
                qFatal("cannot copy the demo catalogue %s", name);
        }
        form = std::make_unique<MainWindow>(dirs.ProgramDir(), &dialogs);
    }
};

// Counts the findings per service a tally sees, and lets a test act while it runs.
class RecordingTally final : public corvane::FindingsObserver {
public:
    explicit RecordingTally(std::function<void()> during) : during_(std::move(during)) {}
    void PassStored(const corvane::ServicePass& pass) override {
        seen.push_back(pass.serviceCode + ":" + std::to_string(pass.findings.size()));
        if (during_) during_();
    }
    std::vector<std::string> seen;

private:
    std::function<void()> during_;
};

// A window whose report hooks act in the middle of tallying and sending.
class ReportingForm final : public MainWindow {
public:
    using MainWindow::MainWindow;
    std::function<void()> duringTally;
    std::function<void()> duringSend;
    std::vector<std::string> tallied;
    int sends = 0;

protected:
    std::unique_ptr<corvane::FindingsObserver> createReportTally(
        const corvane::StopToken&) override {
        auto tally = std::make_unique<RecordingTally>(duringTally);
        last_ = tally.get();
        return tally;
    }
    void sendReport(corvane::FindingsObserver* tally) override {
        ++sends;
        if (tally == last_) tallied = last_->seen;
        if (duringSend) duringSend();
    }

private:
    RecordingTally* last_ = nullptr;
};

class ThrowingObject final : public QObject {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("\xb4\xed\xce\xf3 in handler");  // 错误
        return QObject::event(event);
    }
};

}  // namespace

class WindowLifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void startUpFillsTheServiceListAndLeavesTheRestEmpty() {
        DemoWindow w;
        Controls c(*w.form);
        QCOMPARE(w.form->windowTitle(), QStringLiteral("Corvane日志分析器 V1.6"));
        QCOMPARE(w.form->size(), QSize(800, 562));
        QCOMPARE(c.serviceList->topLevelItemCount(), 4);
        QStringList names;
        for (int i = 0; i < 4; ++i) {
            names << c.serviceList->topLevelItem(i)->text(0);
            QCOMPARE(c.serviceList->topLevelItem(i)->checkState(0), Qt::Checked);
        }
        QCOMPARE(names, (QStringList{"网关服务", "数据服务", "消息服务", "网页服务"}));
        QCOMPARE(c.serviceList->headerItem()->text(0), QStringLiteral("服务名称"));
        QCOMPARE(c.serviceList->columnWidth(0), 163);

        QVERIFY(w.form->results() && w.form->results()->empty());
        QVERIFY(w.form->catalogue() && w.form->catalogue()->size() == 12);
        QCOMPARE(c.resultList->topLevelItemCount(), 0);
        QCOMPARE(c.dayList->count(), 0);
        QCOMPARE(c.directoryEdit->text(), QString());
        QCOMPARE(c.KnownTab(), QStringLiteral("已知错误[0]"));
        QCOMPARE(c.UnknownTab(), QStringLiteral("未知错误[0]"));
        QCOMPARE(c.detailTabs->currentIndex(), 0);
        QCOMPARE(c.pageNumberLabel->text(), QStringLiteral("0"));
        QCOMPARE(c.pageSlashLabel->text(), QStringLiteral("/"));
        QCOMPARE(c.pageCountLabel->text(), QStringLiteral("0"));
        QCOMPARE(c.unknownErrorText->document()->blockCount(), 1);
        QVERIFY(c.unknownErrorText->isReadOnly() && !c.explanationText->isReadOnly());
        QCOMPARE(c.progressBar->value(), 0);
        QCOMPARE(c.progressBar->maximum(), 100);
        QCOMPARE(c.startButton->text(), QStringLiteral("开始分析"));
        QVERIFY(w.dialogs.messages.isEmpty() && w.dialogs.errors.isEmpty());
    }

    void startUpWithoutCataloguesGivesEmptyLists() {
        TestDirs dirs;
        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        QCOMPARE(c.serviceList->topLevelItemCount(), 0);
        QVERIFY(form.catalogue() && form.catalogue()->empty());
        QVERIFY(form.results() && form.results()->empty());
        // A run with nothing to analyse is quiet.
        Analyse(form);
        QCOMPARE(c.resultList->topLevelItemCount(), 0);
        QVERIFY(dialogs.messages.isEmpty() && dialogs.errors.isEmpty());
    }

    void closingRightAfterStartUpFreesBothLists() {
        DemoWindow w;
        w.form->show();
        QVERIFY(w.form->close());
        QVERIFY(!w.form->results());
        QVERIFY(!w.form->catalogue());
        QVERIFY(w.dialogs.errors.isEmpty());
    }

    void typingADirectoryListsItsDays() {
        DemoWindow w;
        Controls c(*w.form);
        const QString logs = DemoDir() + "/logs";
        const QStringList expected = CommandLine({"days", logs});
        QCOMPARE(expected.size(), 3);

        c.directoryEdit->setFocus();
        QTest::keyClicks(c.directoryEdit, logs);
        QCOMPARE(c.dayListTexts(), expected);

        // One more character names no directory: the list empties.
        QTest::keyClicks(c.directoryEdit, "x");
        QCOMPARE(c.dayList->count(), 0);
        c.directoryEdit->setText(logs + "/");
        QCOMPARE(c.dayListTexts(), expected);
        c.directoryEdit->setText(QStringLiteral("/no/such/directory"));
        QCOMPARE(c.dayList->count(), 0);
    }

    void whatTheWindowKeptAtCloseComesBackAtTheNextStart() {
        const QString file = QDir::temp().filePath(
            QStringLiteral("corvane-memory-%1/window.ini").arg(QCoreApplication::applicationPid()));
        QFile::remove(file);
        const QString logs = DemoDir() + "/logs";
        QList<int> splitterSizes;
        {
            DemoWindow w;
            Controls c(*w.form);
            w.form->remember(corvane::app::WindowMemory(file));
            // A first start is the designed one.
            QCOMPARE(c.directoryEdit->text(), QString());
            QCOMPARE(c.serviceList->topLevelItem(1)->checkState(0), Qt::Checked);
            w.form->show();
            c.directoryEdit->setText(logs);
            c.serviceList->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            w.form->resize(1000, 700);
            auto* splitter =
                w.form->findChild<QSplitter*>(QLatin1String(corvane::app::design::kResultSplitter));
            splitter->setSizes({100, 400});
            splitterSizes = splitter->sizes();
            c.detailTabs->setCurrentIndex(2);
            QVERIFY(w.form->close());
        }
        DemoWindow w;
        Controls c(*w.form);
        w.form->remember(corvane::app::WindowMemory(file));
        w.form->show();
        QCOMPARE(c.directoryEdit->text(), logs);
        QCOMPARE(c.dayListTexts(), CommandLine({"days", logs}));
        for (int row = 0; row < c.serviceList->topLevelItemCount(); ++row)
            QCOMPARE(c.serviceList->topLevelItem(row)->checkState(0),
                     row == 1 ? Qt::Unchecked : Qt::Checked);
        QCOMPARE(w.form->size(), QSize(1000, 700));
        QCOMPARE(w.form->findChild<QSplitter*>(QLatin1String(corvane::app::design::kResultSplitter))
                     ->sizes(),
                 splitterSizes);
        QCOMPARE(c.detailTabs->currentIndex(), 2);
        QVERIFY(QDir(QFileInfo(file).path()).removeRecursively());
    }

    void theDayListListsNewestFirstMarksCompressedDaysAndSeesNewDays() {
        DemoWindow w;
        Controls c(*w.form);
        w.dirs.WriteLog("A20261202.log", "x\n");
        w.dirs.WriteLog("A20261201.log.gz", "");  // the mark reads only the name
        c.directoryEdit->setText(w.dirs.LogDir());
        QCOMPARE(c.dayListTexts(), CommandLine({"days", w.dirs.LogDir()}));
        Controls::Find<QToolButton>(*w.form, "newestFirstButton")->setChecked(true);
        QCOMPARE(c.dayListTexts(), (QStringList{"20261202", "20261201"}));
        QVERIFY(!c.dayList->item(0)->font().italic());
        QVERIFY(c.dayList->item(1)->font().italic());
        c.dayList->setCurrentRow(1);
        // A day's first file appears: the day is listed, and the day chosen stays chosen.
        w.dirs.WriteLog("B20261203.log", "y\n");
        QTRY_COMPARE(c.dayListTexts(), (QStringList{"20261203", "20261202", "20261201"}));
        QCOMPARE(c.dayList->currentItem()->text(), QStringLiteral("20261201"));
    }

    void anEmptyDayListSaysWhyWithoutARow() {
        DemoWindow w;
        Controls c(*w.form);
        auto* days = qobject_cast<corvane::app::HintedListWidget*>(c.dayList);
        QVERIFY(days);
        const QString logs = DemoDir() + "/logs";
        const struct {
            QString directory;
            QString hint;
        } cases[] = {
            {QStringLiteral("/no/such/directory"), QStringLiteral("目录不存在")},
            {DemoDir() + "/README.md", QStringLiteral("不是目录")},
            {w.dirs.LogDir(), QStringLiteral("该目录中没有日志文件（.log）")},
            {logs, QString()},
        };
        for (const auto& test : cases) {
            c.directoryEdit->setText(test.directory);
            QCOMPARE(days->emptyHint(), test.hint);
            QCOMPARE(c.dayList->count() == 0, !test.hint.isEmpty());
        }
    }

    void aModalBoxDoesNotHoldUpTheScan() {
        TestDirs dirs;
        FakeDialogs dialogs;
        QVERIFY(dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲", "Alpha"}})));
        QByteArray log;
        while (log.size() < 3 * 1048576) log += "10:00:00.000 step failed here, and more text\n";
        QVERIFY(dirs.WriteLog("Alpha20240102.log", log));
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        corvane::ScanOptions options;
        options.threads = 4;
        options.partLength = 64 * 1024;
        options.chunkLength = 1048576;
        options.blockLength = 16 * 1024;
        form.setScanOptions(options);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));

        // Every progress text of the row and the bar's furthest point.  The second start
        // comes with the first progress text, once the row is complete.
        QStringList texts;
        int furthest = 0;
        connect(c.resultList->model(), &QAbstractItemModel::dataChanged, &form, [&] {
            const QTreeWidgetItem* row = c.resultList->topLevelItem(0);
            if (!row || row->text(2).isEmpty() ||
                (!texts.isEmpty() && texts.last() == row->text(2)))
                return;
            texts << row->text(2);
            if (texts.size() == 1) c.startButton->click();
        });
        connect(c.progressBar, &QProgressBar::valueChanged, &form,
                [&](int value) { furthest = std::max(furthest, value); });

        // A second start during the scan opens the busy box; while it is open (a
        // nested event loop, as a modal box runs one) the run finishes the file and
        // ends: the row gets its counts before the box is closed.
        const QString counted = QStringLiteral("甲\t0\t%1").arg(log.count('\n'));
        QStringList rowsInBox;
        bool endedInBox = false;
        dialogs.onMessage = [&] {
            endedInBox = ServeEventsUntil([&] { return !form.runInProgress(); }, 60000);
            rowsInBox = c.ResultRows();
        };
        Analyse(form);
        QVERIFY(endedInBox);
        QCOMPARE(rowsInBox, QStringList{counted});
        QVERIFY2(texts.contains(QStringLiteral("已分析:3MB/3MB")), qPrintable(texts.join('|')));
        // The progress bar followed the scan to its end, and rests at 0 after it.
        QCOMPARE(furthest, 1000);
        QCOMPARE(c.progressBar->value(), 0);
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("正在分析日志，请稍等！")});
        QCOMPARE(c.ResultRows(), QStringList{counted});
    }

    void theCatalogueCheckShowsTheWarnings() {
        DemoWindow w;
        Controls c(*w.form);
        QStringList rows{QStringLiteral("not shown")};
        w.dialogs.onDialog = [&](QDialog& dialog) {
            rows = qobject_cast<corvane::app::CatalogueCheckDialog*>(&dialog)->rows();
        };
        auto* button =
            w.form->findChild<QPushButton*>(QLatin1String(design::kCheckCataloguesButton));
        button->click();
        QCOMPARE(w.dialogs.dialogsShown, 1);
        QCOMPARE(rows, QStringList());  // the demo catalogues are clean

        // The catalogue is read as it is now: a code listed twice is named.
        QFile source(DemoDir() + "/ErrorList.ini");
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray errors = source.readAll();
        errors.replace("[ERRORLIST]\r\n", "[ERRORLIST]\r\n0=101\r\n");
        QVERIFY(w.dirs.WriteProgramFile(QStringLiteral("ErrorList.ini"), errors));
        button->click();
        QCOMPARE(rows.size(), 1);
        QVERIFY2(rows.first().startsWith(QStringLiteral("ErrorList.ini\t")),
                 qPrintable(rows.first()));
        QVERIFY2(rows.first().contains(QStringLiteral("101")), qPrintable(rows.first()));
    }

    // Every warning in Chinese, the names, codes and sections it quotes as they are.
    void theCatalogueCheckSpeaksChinese() {
        const QTemporaryDir empty;
        QStringList rows;
        for (const QString& dir :
             {QStringLiteral(CORVANE_SOURCE_DIR "/tests/golden/check/"), empty.path() + '/'})
            rows += corvane::app::CatalogueCheckDialog(corvane::CheckCatalogues(dir.toStdString()))
                        .rows();
        QCOMPARE(rows.size(), 19);
        const QRegularExpression quoted(QStringLiteral("“[^”]*”|\\[[^]]*\\]"));
        for (const QString& row : rows)
            QVERIFY2(!row.section('\t', 4).remove(quoted).contains(QRegularExpression("[A-Za-z]")),
                     qPrintable(row));
        QVERIFY(rows.contains(
            QStringLiteral("ErrorList.ini\t4\tERRORLIST\t3\t代码“101”再次列出"
                           "（第一次在第 2 行的键“1”下），目录中多出一个相同的条目")));
    }

    // Qt's message boxes and folder dialog speak the window's language.
    void qtsOwnTextsAreChinese() {
        QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        QFileDialog folders;
        folders.setOption(QFileDialog::DontUseNativeDialog);
        folders.setFileMode(QFileDialog::Directory);
        QCOMPARE(folders.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
                 QStringLiteral("查找范围："));
    }

    // The steps stand where the design puts them; what was added beside them takes the
    // room it needs and covers none of them.
    void theStepsKeepTheirPlacesAndTheAddedControlsFitBesideThem() {
        DemoWindow w;
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        const std::pair<const char*, QRect> designed[] = {
            {design::kDayList, {8, 112, 201, 153}},
            {design::kServiceList, {8, 305, 201, 192}},
            {design::kStartButton, {131, 503, 81, 27}},
        };
        QList<QRect> taken;
        for (const auto& [name, rect] : designed) {
            auto* control = Controls::Find<QWidget>(*w.form, name);
            QCOMPARE(control->geometry(), rect);
            taken << rect;
        }
        for (const char* added : {design::kFollowBox, design::kCheckCataloguesButton}) {
            auto* control = Controls::Find<QWidget>(*w.form, added);
            QVERIFY2(control->width() >= control->sizeHint().width(), added);
            for (const QRect& rect : taken) QVERIFY2(!control->geometry().intersects(rect), added);
            taken << control->geometry();
        }
    }

    void thePageBarStaysWholeAtTheMinimumSize() {
        DemoWindow w;
        Controls c(*w.form);
        w.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
        c.pageNumberLabel->setText(QStringLiteral("120000"));
        c.pageCountLabel->setText(QStringLiteral("120000"));
        for (const QSize size : {w.form->minimumSize(), QSize(1400, 1000)}) {
            w.form->resize(size);
            QTest::qWait(20);
            QWidget* bar = c.nextPageButton->parentWidget();
            QVERIFY(bar->rect().contains(c.nextPageButton->geometry()));
            QVERIFY(c.previousPageButton->geometry().right() < c.nextPageButton->x());
            QVERIFY(c.pageCountLabel->geometry().right() < c.previousPageButton->x());
            for (const QLabel* label : {c.pageNumberLabel, c.pageCountLabel})
                QVERIFY(label->width() >= label->sizeHint().width());
        }
        // The steps keep their width; the result list takes the rest.
        QCOMPARE(c.startButton->parentWidget()->parentWidget()->width(), 216);
        QVERIFY(c.resultList->width() > 1000);
    }

    void theBrowseButtonReplacesTheTextOrLeavesIt() {
        DemoWindow w;
        Controls c(*w.form);
        const QString logs = DemoDir() + "/logs";

        w.dialogs.chosenDirectory = logs;
        c.browseButton->click();
        QCOMPARE(w.dialogs.lastPrompt, QStringLiteral("请选择Corvane安装目录"));
        QCOMPARE(w.dialogs.lastStart, QStringLiteral("/"));
        QCOMPARE(c.directoryEdit->text(), logs);
        QCOMPARE(c.dayList->count(), 3);

        // Cancelling changes nothing; the dialog starts at the field's directory.
        c.dayList->setCurrentRow(1);
        w.dialogs.chosenDirectory.reset();
        c.browseButton->click();
        QCOMPARE(w.dialogs.lastStart, logs);
        QCOMPARE(c.directoryEdit->text(), logs);
        QCOMPARE(c.dayList->currentRow(), 1);

        c.directoryEdit->setText(logs + "/missing");
        c.browseButton->click();
        QCOMPARE(w.dialogs.lastStart, QStringLiteral("/"));
        QCOMPARE(w.dialogs.directoryRequests, 3);
    }

    // Copies of the demo logs of a day make files of several MB, which are scanned in
    // parts on every core: their progress texts reach the rows from other threads.
    void runGivesTheRowsOfTheCommandLine_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<int>("copies");
        QTest::newRow("20261201") << QStringLiteral("20261201") << 1;
        QTest::newRow("20261202") << QStringLiteral("20261202") << 1;
        QTest::newRow("20261203") << QStringLiteral("20261203") << 1;
        QTest::newRow("20261202, multi-MB") << QStringLiteral("20261202") << 20;
    }
    void runGivesTheRowsOfTheCommandLine() {
        QFETCH(QString, day);
        QFETCH(int, copies);
        DemoWindow w;
        Controls c(*w.form);
        QString logs = DemoDir() + "/logs";
        if (copies > 1) {
            for (const QString& name : QDir(logs).entryList({"*" + day + ".log"})) {
                QFile source(logs + '/' + name);
                QVERIFY(source.open(QIODevice::ReadOnly));
                QVERIFY(w.dirs.WriteLog(name, source.readAll().repeated(copies)));
            }
            logs = w.dirs.LogDir();
        }
        const QStringList expected = CommandLine(
            {"run", "--program-dir", QString::fromStdString(w.dirs.ProgramDir()), logs, day});
        QVERIFY(!expected.isEmpty());

        c.ChooseDay(logs, day);
        QVERIFY(c.dayList->currentItem() && c.dayList->currentItem()->text() == day);
        QTest::mouseClick(c.startButton, Qt::LeftButton);
        // What the operator sees once every call queued by the run has arrived.
        WaitForRun(*w.form);
        QCOMPARE(c.ResultRows(), expected);

        // Each stored list holds exactly the findings its row counts.
        const corvane::app::ResultRows& results = *w.form->results();
        QCOMPARE(results.size(), std::size_t(expected.size()));
        for (int i = 0; i < expected.size(); ++i) {
            const QStringList cells = expected[i].split('\t');
            QCOMPARE(qsizetype(results[i].stored->findings.size()),
                     cells[1].toLongLong() + cells[2].toLongLong());
        }
        QVERIFY(w.dialogs.messages.isEmpty() && w.dialogs.errors.isEmpty());
        QVERIFY(!w.form->runInProgress());

        // A later run with no service checked discards these results.
        for (int i = 0; i < c.serviceList->topLevelItemCount(); ++i)
            c.serviceList->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
        Analyse(*w.form);
        QCOMPARE(c.resultList->topLevelItemCount(), 0);
        QVERIFY(w.form->results()->empty());
    }

    // A multi-MB log of many line shapes (GBK text, every line end, known lines between
    // them): the patterns tab shows what the command line groups for the service.
    void thePatternsTabGroupsAsTheCommandLine() {
        DemoWindow w;
        Controls c(*w.form);
        const char* const ends[] = {"\r\n", "\n", "\r"};
        QByteArray log;
        for (int i = 0; log.size() < 4 * 1048576; ++i) {
            log += "2026-12-02 10:" + QByteArray::number(10 + i % 50) + ":00.000 ";
            switch (i % 7) {
                case 0:
                    log += "WARN [pool-" + QByteArray::number(i % 13) +
                           "] write to client 10.0.0." + QByteArray::number(i % 255) +
                           " failed (broken pipe)";
                    break;
                case 1:
                    log += Gbk(QStringLiteral("ERROR 订单 ")) + QByteArray::number(i) +
                           Gbk(QStringLiteral(" 处理 failed 原因=超时"));
                    break;
                case 2:
                    log += "ERROR upstream timeout on route /api/v" + QByteArray::number(i % 4);
                    break;
                case 3:
                    log += "WARN job " + QByteArray::number(i * 7) + " fail after " +
                           QByteArray::number(i % 9) + " retries";
                    break;
                case 4:
                    log += "INFO request " + QByteArray::number(i) + " served";
                    break;
                case 5:
                    log += "ERROR sync of shard-" + QByteArray::number(i % 31) +
                           " failed : lease expired at " + QByteArray::number(i);
                    break;
                default:
                    log += "ERROR connection refused by 10.1.0." + QByteArray::number(i % 9);
            }
            log += ends[i % 3];
        }
        QVERIFY(w.dirs.WriteLog(QStringLiteral("Gateway20261202.log"), log));
        const QStringList expected =
            CommandLine({"patterns", "--program-dir", QString::fromStdString(w.dirs.ProgramDir()),
                         "--service", "GW", w.dirs.LogDir() + "/Gateway20261202.log"});
        QVERIFY(expected.size() >= 4);

        c.ChooseDay(w.dirs.LogDir(), QStringLiteral("20261202"));
        Analyse(*w.form);
        QCOMPARE(c.resultList->topLevelItemCount(), 1);
        c.detailTabs->setCurrentIndex(2);
        Controls::SelectRow(c.resultList, 0);
        QTRY_COMPARE_WITH_TIMEOUT(c.detailTabs->tabText(2),
                                  QStringLiteral("错误归类[%1]").arg(expected.size()), 60000);
        auto* patterns = w.form->findChild<QTreeWidget*>(QLatin1String(design::kPatternList));
        QStringList shown;
        for (int i = 0; i < patterns->topLevelItemCount(); ++i)
            shown << patterns->topLevelItem(i)->text(0) + '\t' + patterns->topLevelItem(i)->text(2);
        QCOMPARE(shown, expected);
    }

    void startDuringAScanIsRefused() {
        DemoWindow w;
        Controls c(*w.form);
        const QString logs = DemoDir() + "/logs";
        const QStringList expected =
            CommandLine({"run", "--program-dir", QString::fromStdString(w.dirs.ProgramDir()), logs,
                         "20261201"});
        c.ChooseDay(logs, QStringLiteral("20261201"));

        bool busyWhenClicked = false;
        OnFirstRow(c.resultList, [&] {
            busyWhenClicked = w.form->runInProgress();
            c.startButton->click();
        });
        c.startButton->click();
        WaitForRun(*w.form);

        QVERIFY(busyWhenClicked);
        QCOMPARE(w.dialogs.messages, QStringList{kBusy});
        QCOMPARE(c.ResultRows(), expected);
    }

    void startDuringTallyingOrSendingIsRefused() {
        TestDirs dirs;
        FakeDialogs dialogs;
        for (const char* name : {"ServiceList.ini", "ErrorList.ini"}) {
            QFile source(DemoDir() + '/' + name);
            QVERIFY(source.open(QIODevice::ReadOnly));
            QVERIFY(dirs.WriteProgramFile(name, source.readAll()));
        }
        ReportingForm form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        c.ChooseDay(DemoDir() + "/logs", QStringLiteral("20261203"));

        // The tally and the sending run on the run's thread; the start is made on the
        // window's thread meanwhile.
        const auto startOnWindow = [&] {
            QMetaObject::invokeMethod(
                &form, [&] { form.startAnalysis(); }, Qt::BlockingQueuedConnection);
        };
        int tallied = 0;
        form.duringTally = [&] {
            ++tallied;
            startOnWindow();
        };
        form.duringSend = startOnWindow;
        Analyse(form);

        const int services = c.resultList->topLevelItemCount();
        QVERIFY(services >= 2);
        // No scan goes on while tallying, yet every click is refused.
        QCOMPARE(tallied, services);
        QCOMPARE(dialogs.messages, QStringList(services + 1, kBusy));
        QCOMPARE(form.sends, 1);
        QCOMPARE(form.tallied.size(), std::size_t(services));
        QCOMPARE(form.results()->size(), std::size_t(services));
        QVERIFY(!form.runInProgress());

        // Once the run is over a start is accepted again.
        form.duringTally = nullptr;
        form.duringSend = nullptr;
        Analyse(form);
        QCOMPARE(dialogs.messages.size(), services + 1);
        QCOMPARE(form.sends, 2);
    }

    // Services 甲 (a log that needs consent, so the run waits on the question while
    // the operator changes the rows), 乙, 丙 and 丁 (unchecked at the start).
    static void WriteHeldRun(TestDirs& dirs) {
        QVERIFY(dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲", "Alpha"},
                                                                         {"B", "乙", "Beta"},
                                                                         {"C", "丙", "Gamma"},
                                                                         {"D", "丁", "Delta"}})));
        QFile big(dirs.LogDir() + "/Alpha20240101.log");
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(corvane::kLargeFileThreshold + 1));
        for (const char* name : {"Beta", "Gamma", "Delta"})
            QVERIFY(dirs.WriteLog(QString::fromLatin1(name) + "20240101.log", "x failed \n"));
    }

    void rowsCheckedOrUncheckedDuringTheRunCountWhenItReachesThem() {
        TestDirs dirs;
        WriteHeldRun(dirs);
        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240101"));
        c.serviceList->topLevelItem(3)->setCheckState(0, Qt::Unchecked);
        dialogs.onQuestion = [&] {
            c.serviceList->topLevelItem(2)->setCheckState(0, Qt::Unchecked);
            c.serviceList->topLevelItem(3)->setCheckState(0, Qt::Checked);
        };
        Analyse(form);
        QCOMPARE(dialogs.questions.size(), 1);
        QStringList names;
        for (const QString& row : c.ResultRows()) names << row.section('\t', 0, 0);
        QCOMPARE(names, (QStringList{"甲", "乙", "丁"}));
    }

    void missingAndDeclinedFilesGetNoRow() {
        TestDirs dirs;
        FakeDialogs dialogs;
        QVERIFY(dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲", "Alpha"},
                                                                         {"B", "乙", "Beta"},
                                                                         {"C", "丙", "Gamma"},
                                                                         {"D", "丁", "Delta"}})));
        QVERIFY(dirs.WriteLog("Alpha20240101.log", "10:00:00.000 open failed \r\n"));
        // No Beta file; Gamma just above the size that needs consent; Delta empty.
        {
            QFile big(dirs.LogDir() + "/Gamma20240101.log");
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(corvane::kLargeFileThreshold + 1));
        }
        QVERIFY(dirs.WriteLog("Delta20240101.log", QByteArray()));

        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240101"));
        dialogs.answer = false;
        Analyse(form);
        QCOMPARE(c.ResultRows(), (QStringList{"甲\t0\t1", "丁\t0\t0"}));
        QCOMPARE(form.results()->size(), std::size_t(2));
        QCOMPARE(dialogs.questions.size(), 1);
        QVERIFY(dialogs.questions[0].startsWith(QStringLiteral("提示|日志文件大小超过20MB")));
        QVERIFY(dialogs.questions[0].endsWith(QStringLiteral("\n文件名：") + dirs.LogDir() +
                                              "/Gamma20240101.log"));

        dialogs.answer = true;
        Analyse(form);
        QCOMPARE(c.ResultRows(), (QStringList{"甲\t0\t1", "丙\t0\t0", "丁\t0\t0"}));
    }

    // File names under a home directory with Chinese in its name read as they are in
    // the history's message (a damaged history file) and in the export's error box.
    void messagesNameFilesUnderAChineseHome() {
        TestDirs dirs;
        const QString home = QFileInfo(dirs.LogDir()).path() + QStringLiteral("/用户甲");
        QVERIFY(QDir().mkpath(home + "/.local/share/corvane"));
        QVERIFY(TestDirs::WriteFile(home + "/.local/share/corvane/history.sqlite",
                                    QByteArray("no database, only text\n").repeated(200)));
        for (const char* name : {"ServiceList.ini", "ErrorList.ini"}) {
            QFile source(DemoDir() + '/' + name);
            QVERIFY(source.open(QIODevice::ReadOnly) &&
                    dirs.WriteProgramFile(name, source.readAll()));
        }
        struct Environment {
            QByteArray home = qgetenv("HOME");
            QByteArray dataHome = qgetenv("XDG_DATA_HOME");
            ~Environment() {
                qputenv("HOME", home);
                qputenv("XDG_DATA_HOME", dataHome);
            }
        } saved;
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("XDG_DATA_HOME");

        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].contains(home + "/.local/share/corvane/history.sqlite"),
                 qPrintable(dialogs.messages[0]));

        Controls c(form);
        c.ChooseDay(DemoDir() + "/logs", QStringLiteral("20261201"));
        Analyse(form);
        QCOMPARE(c.resultList->topLevelItemCount(), 3);
        const QString file = home + QStringLiteral("/没有的目录/结果.csv");
        dialogs.saveFile = file;
        form.exportRun();
        QCOMPARE(dialogs.errors.size(), 1);
        QVERIFY2(dialogs.errors[0].contains(file), qPrintable(dialogs.errors[0]));
    }

    void anErrorEscapingAHandlerReachesTheErrorBox() {
        DemoWindow demo;  // only for its catalogues
        FakeDialogs dialogs;
        ReportingForm form(demo.dirs.ProgramDir(), &dialogs);
        Controls c(form);
        c.ChooseDay(DemoDir() + "/logs", QStringLiteral("20261201"));
        form.duringSend = [] {
            throw std::runtime_error("Socket Error # 11001\r\nHost not found.");
        };
        Analyse(form);
        QCOMPARE(dialogs.errors, QStringList{"Socket Error # 11001\nHost not found."});
        // The rows stay and the next start is accepted.
        QCOMPARE(c.resultList->topLevelItemCount(), 3);
        QVERIFY(!form.runInProgress());
        form.duringSend = [] {
            throw std::runtime_error("\xb7\xa2\xcb\xcd\xca\xa7\xb0\xdc");
        };  // 发送失败
        Analyse(form);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(dialogs.errors.last(), QStringLiteral("发送失败."));
    }

    void anErrorEscapingAnyEventReachesTheErrorBox() {
        auto* application =
            qobject_cast<corvane::app::CorvaneApplication*>(QCoreApplication::instance());
        QVERIFY(application);
        FakeDialogs dialogs;
        application->SetErrorDialogs(&dialogs);
        ThrowingObject object;
        QCoreApplication::postEvent(&object, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        application->SetErrorDialogs(nullptr);
        QCOMPARE(dialogs.errors, QStringList{"错误 in handler."});
    }

    void theErrorBoxEndsTextsWithAPoint_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Not all bytes sent"
                                << "Not all bytes sent.";
        QTest::newRow("point") << "Host not found."
                               << "Host not found.";
        QTest::newRow("exclamation orders before the point") << "Stop!"
                                                             << "Stop!";
        QTest::newRow("Chinese") << "读取日志文件出错："
                                 << "读取日志文件出错：.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void theErrorBoxEndsTextsWithAPoint() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(corvane::app::ErrorBoxText(message), shown);
    }

    void closingDuringAScanEndsTheRunFirst() {
        TestDirs dirs;
        WriteHeldRun(dirs);
        FakeDialogs dialogs;
        auto form = std::make_unique<MainWindow>(dirs.ProgramDir(), &dialogs);
        Controls c(*form);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240101"));
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));

        bool listsAliveAfterRequest = false;
        dialogs.onQuestion = [&] {
            form->close();
            // The close waits for the run to stop.
            listsAliveAfterRequest =
                form->runInProgress() && form->results() && form->catalogue() && form->isVisible();
        };
        form->startAnalysis();
        QVERIFY(ServeEventsUntil([&] { return !form->isVisible(); }, 10000));

        QVERIFY(listsAliveAfterRequest);
        QVERIFY(!form->results());
        QVERIFY(!form->catalogue());
        QVERIFY(!form->runInProgress());
        // The run stopped in the first service.
        QCOMPARE(c.resultList->topLevelItemCount(), 1);
        QVERIFY(dialogs.errors.isEmpty() && dialogs.messages.isEmpty());
    }

    void closingWhileTallyingEndsTheRunFirst() {
        DemoWindow demo;
        FakeDialogs dialogs;
        ReportingForm form(demo.dirs.ProgramDir(), &dialogs);
        Controls c(form);
        c.ChooseDay(DemoDir() + "/logs", QStringLiteral("20261201"));
        form.show();
        // The tally runs on the run's thread; the close is made on the window's thread
        // before the tally goes on.
        form.duringTally = [&] {
            QMetaObject::invokeMethod(
                &form, [&] { form.close(); }, Qt::BlockingQueuedConnection);
        };
        form.startAnalysis();
        QVERIFY(ServeEventsUntil([&] { return !form.isVisible(); }, 10000));
        DrainEvents();
        QCOMPARE(form.sends, 0);
        QVERIFY(!form.results());
        QVERIFY(!form.isVisible());
        QCOMPARE(c.resultList->topLevelItemCount(), 1);
    }

    void textFromLogsIsShownWithoutLosingAnything_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("GBK") << QByteArray("\xb4\xed\xce\xf3") << QStringLiteral("错误");
        QTest::newRow("zero byte") << QByteArray("a\0b", 3) << QStringLiteral("a\u2400b");
        QTest::newRow("cut character") << QByteArray("ab\xb4") << QStringLiteral("ab\ufffd");
        QTest::newRow("invalid bytes")
            << QByteArray("\xff\xffx") << QStringLiteral("\ufffd\ufffdx");
        QTest::newRow("line breaks") << QByteArray("a\rb\nc") << QStringLiteral("a\u2424b\u2424c");
        // Strict GBK, as the core converts: digits after a byte that is no character
        // stay, and GB18030's four-byte forms are no characters.
        QTest::newRow("not GBK") << QByteArray(
                                        "ID \x80"
                                        "12 \x81\x30\x81\x30")
                                 << QStringLiteral("ID \ufffd12 \ufffd0\ufffd0");
    }
    void textFromLogsIsShownWithoutLosingAnything() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(corvane::app::FromGbkLine(bytes), shown);
    }
};

int main(int argc, char** argv) {
    corvane::app::CorvaneApplication application(argc, argv);
    WindowLifecycleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_lifecycle.moc"
