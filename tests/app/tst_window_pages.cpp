// Paging through a service's findings and the details of a known error, the patterns
// tab, and input that arrives while the window's background work goes on.

#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTimer>
#include <QXYSeries>

#include "ContextView.h"
#include "Files.h"
#include "TrendView.h"

#include "WindowTestSupport.h"

using namespace wintest;

namespace {

QByteArray ErrorListIni() {
    return Gbk(
        QStringLiteral("[ERRORLIST]\r\n1=101\r\n2=103\r\n3=101\r\n4=104\r\n"
                       "[ERROR_101]\r\n所属服务代码=A\r\n错误名称=连接错误\r\n日志关键字=KWA\r\n"
                       "[ERROR_101_MEMO]\r\n01=连接被拒绝\r\n02=check the server\r\n"
                       "[ERROR_103]\r\n所属服务代码=D\r\n错误名称=时间错误\r\n日志关键字=KWD\r\n"
                       "[ERROR_103_MEMO]\r\n01=d1\r\n"
                       "[ERROR_104]\r\n所属服务代码=E\r\n错误名称=E错误\r\n日志关键字=KWE\r\n"));
}

// Alpha: 1001 findings, known at even positions; Beta: 5 unknown ones; Gamma: none;
// Delta: the forms of the time field; Epsilon: exactly 1000 known ones.
void WriteLogs(const TestDirs& dirs) {
    QByteArray alpha;
    for (int i = 0; i <= 1000; ++i)
        alpha += i % 2 == 0 ? "[10:00:00.000] KWA item " + QByteArray::number(i) + "\r\n"
                            : "[10:00:01.000] step " + QByteArray::number(i) + " failed here\r\n";
    dirs.WriteLog("Alpha20240102.log", alpha);

    QByteArray beta;
    for (int i = 0; i < 5; ++i)
        beta +=
            "11:00:0" + QByteArray::number(i) + ".000 send fail " + QByteArray::number(i) + "\n";
    dirs.WriteLog("Beta20240102.log", beta);
    dirs.WriteLog("Gamma20240102.log", QByteArray());
    dirs.WriteLog("Delta20240101.log", "nothing to report\n");

    dirs.WriteLog("Delta20240102.log",
                  "[08:15:42.000] KWD at the start\r\n"
                  "12:00:01.123 read [cfg] KWD\r\n"
                  "10:00:02.456 KWD plain\r\n" +
                      Gbk(QStringLiteral("10:00:03.000 数据库 KWD\r\n")) +
                      "2026-12-01 10:00:01.234 KWD dated\r\n"
                      "[2026/12/01 10:00:05.678] KWD dated in brackets\r\n"
                      "KWD\r\n");

    QByteArray epsilon;
    for (int i = 0; i < 1000; ++i) epsilon += "12:00:00.000 KWE " + QByteArray::number(i) + "\n";
    dirs.WriteLog("Epsilon20240102.log", epsilon);
}

enum Row { Alpha, Beta, Gamma, Delta, Epsilon };

// A window after a run over the test logs.
struct PagesWindow {
    TestDirs dirs;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<Controls> c;

    PagesWindow() {
        dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲服务", "Alpha"},
                                                                 {"B", "乙服务", "Beta"},
                                                                 {"C", "丙服务", "Gamma"},
                                                                 {"D", "丁服务", "Delta"},
                                                                 {"E", "戊服务", "Epsilon"}}));
        dirs.WriteProgramFile("ErrorList.ini", ErrorListIni());
        WriteLogs(dirs);
        form = std::make_unique<MainWindow>(dirs.ProgramDir(), &dialogs);
        c = std::make_unique<Controls>(*form);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("window not exposed");
        c->ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));
        Analyse(*form);
    }

    void Click(int row) const { Controls::ClickRow(c->resultList, row); }
    QStringList MemoLines(const QPlainTextEdit* memo) const {
        const QString text = memo->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    QString PageBar() const { return c->pageNumberLabel->text() + '/' + c->pageCountLabel->text(); }
    QString Tabs() const { return c->KnownTab() + ' ' + c->UnknownTab(); }
    const corvane::app::ContextView* Context() const {
        return form->findChild<corvane::app::ContextView*>();
    }
    // Finds the find bar's text and waits until the hit (or its absence) is shown.
    void Find(bool forward) const {
        auto* status = form->findChild<QLabel*>(QLatin1String(design::kFindStatus));
        forward ? form->findNext() : form->findPrevious();
        QCOMPARE(status->text(), QStringLiteral("查找中…"));
        QTRY_VERIFY(status->text() != QStringLiteral("查找中…"));
    }
};

// A right-click at `pos` of `view`'s viewport as the window system gives it (the
// press, then the menu), choosing the menu entry `entry`.
void RightClick(QAbstractScrollArea* view, QPoint pos, const QString& entry) {
    QTimer::singleShot(0, view, [entry] {
        QWidget* menu = QApplication::activePopupWidget();
        if (!menu) return;
        menu->close();
        for (QAction* action : menu->actions())
            if (action->text() == entry) action->trigger();
    });
    QWindow* window = view->window()->windowHandle();
    const QPoint at = window->mapFromGlobal(view->viewport()->mapToGlobal(pos));
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
}

}  // namespace

class WindowPagesTest : public QObject {
    Q_OBJECT

private slots:
    void theRunGivesOneRowPerService() {
        PagesWindow w;
        QCOMPARE(w.c->ResultRows(), (QStringList{"甲服务\t501\t500", "乙服务\t0\t5", "丙服务\t0\t0",
                                                 "丁服务\t7\t0", "戊服务\t1000\t0"}));
        QVERIFY(w.dialogs.messages.isEmpty() && w.dialogs.errors.isEmpty());
    }

    void aThousandFindingsMakeOnePage() {
        PagesWindow w;
        w.Click(Epsilon);
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1000);
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[1000] 未知错误[0]"));
        QCOMPARE(w.c->progressBar->maximum(), 999);
        QCOMPARE(w.c->progressBar->value(), 0);

        // ">" on the last page and "<" on the first do nothing, not even empty explanationText.
        Controls::ClickRow(w.c->knownErrorList, 3);
        const QString details = w.c->explanationText->toPlainText();
        QVERIFY(details.endsWith(QStringLiteral("【日志原文】\n12:00:00.000 KWE 3\n行号：4")));
        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        QTest::mouseClick(w.c->previousPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(w.c->explanationText->toPlainText(), details);
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1000);
    }

    void aThousandAndOneFindingsMakeTwoPages() {
        PagesWindow w;
        w.Click(Alpha);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 500);
        QCOMPARE(w.MemoLines(w.c->unknownErrorText).size(), 500);
        QCOMPARE(w.MemoLines(w.c->unknownErrorText).first(),
                 QStringLiteral("[10:00:01.000] step 1 failed here"));
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[500] 未知错误[500]"));
        QCOMPARE(w.c->progressBar->maximum(), 1000);
        QCOMPARE(w.c->knownErrorRows().first(), QStringLiteral("10:00:00|连接错误|101"));

        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1);
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[1] 未知错误[0]"));
        QCOMPARE(w.c->unknownErrorText->toPlainText(), QString());
        // The only finding of page 2 is the one at position 1000.
        Controls::ClickRow(w.c->knownErrorList, 0);
        QVERIFY(w.c->explanationText->toPlainText().endsWith(
            QStringLiteral("\n[10:00:00.000] KWA item 1000\n行号：1001")));

        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QVERIFY(!w.c->explanationText->toPlainText().isEmpty());

        QTest::mouseClick(w.c->previousPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 500);
        // Going to another page empties the details.
        QCOMPARE(w.c->explanationText->toPlainText(), QString());
        QTest::mouseClick(w.c->previousPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
    }

    void clickingTheShownServiceShowsPageOneAgain() {
        PagesWindow w;
        w.Click(Alpha);
        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        w.Click(Alpha);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 500);
    }

    void aPageOfUnknownFindingsOnly() {
        PagesWindow w;
        w.Click(Beta);
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 0);
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[5]"));
        QCOMPARE(w.MemoLines(w.c->unknownErrorText),
                 (QStringList{"11:00:00.000 send fail 0", "11:00:01.000 send fail 1",
                              "11:00:02.000 send fail 2", "11:00:03.000 send fail 3",
                              "11:00:04.000 send fail 4"}));
    }

    void aServiceWithoutFindingsShowsAsEmpty() {
        PagesWindow w;
        w.Click(Alpha);
        Controls::ClickRow(w.c->knownErrorList, 0);
        w.Click(Gamma);
        QCOMPARE(w.PageBar(), QStringLiteral("0/0"));
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[0]"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 0);
        QCOMPARE(w.c->explanationText->toPlainText(), QString());
        QCOMPARE(w.c->unknownErrorText->toPlainText(), QString());
        QVERIFY(!w.c->previousPageButton->isEnabled() && !w.c->nextPageButton->isEnabled());
        QCOMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[0]"));
        // Nor does a page button bring Alpha's pages back.
        w.form->showNextPage();
        QCOMPARE(w.PageBar(), QStringLiteral("0/0"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 0);
    }

    void theTimeFieldTakesEightBytesOfTheFinding() {
        PagesWindow w;
        w.Click(Delta);
        QCOMPARE(
            w.c->knownErrorRows(),
            (QStringList{"08:15:42|时间错误|103",
                         // a "[" anywhere moves the field one byte on
                         "2:00:01.|时间错误|103", "10:00:02|时间错误|103", "10:00:03|时间错误|103",
                         // a line that begins with a full date shows the time after it
                         "10:00:01|时间错误|103", "10:00:05|时间错误|103",
                         // a line shorter than the field gives what there is
                         "KWD|时间错误|103"}));
        Controls::ClickRow(w.c->knownErrorList, 3);
        QCOMPARE(w.MemoLines(w.c->explanationText),
                 (QStringList{"d1", "", "【日志原文】", "10:00:03.000 数据库 KWD", "行号：4"}));
    }

    void anExplanationShowsTheLinesOfEveryEntryOfTheCode() {
        PagesWindow w;
        w.Click(Alpha);
        // 101 stands twice in the catalogue: its lines come twice, its name once.
        QCOMPARE(Controls::Cell(w.c->knownErrorList, 2, 1), QStringLiteral("连接错误"));
        Controls::ClickRow(w.c->knownErrorList, 2);
        QCOMPARE(w.MemoLines(w.c->explanationText),
                 (QStringList{"连接被拒绝", "check the server", "连接被拒绝", "check the server",
                              "", "【日志原文】", "[10:00:00.000] KWA item 4", "行号：5"}));
    }

    void aRunAfterPagingKeepsThePageBarAndTheDetails() {
        PagesWindow w;
        w.Click(Alpha);
        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        Controls::ClickRow(w.c->knownErrorList, 0);
        const QString details = w.c->explanationText->toPlainText();
        QVERIFY(!details.isEmpty());

        Analyse(*w.form);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QCOMPARE(w.c->explanationText->toPlainText(), details);
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 0);
        QCOMPARE(w.c->unknownErrorText->toPlainText(), QString());
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[0]"));
        QCOMPARE(w.c->resultList->topLevelItemCount(), 5);
        QVERIFY(w.c->resultList->selectedItems().isEmpty());
    }

    void theKeyboardActsAsAClick() {
        PagesWindow w;
        w.Click(Alpha);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        QVERIFY(!w.c->previousPageButton->isEnabled() && w.c->nextPageButton->isEnabled());
        w.c->resultList->setFocus();
        QTest::keyClick(w.c->resultList, Qt::Key_Down);
        // Beta is shown, and ">" cannot page on past its single page.
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[5]"));
        QVERIFY(!w.c->nextPageButton->isEnabled());
        w.form->showNextPage();
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));

        QTest::keyClick(w.c->resultList, Qt::Key_Down);
        QTest::keyClick(w.c->resultList, Qt::Key_Down);
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[7] 未知错误[0]"));
        w.c->knownErrorList->setFocus();
        Controls::SelectRow(w.c->knownErrorList, 0);
        QCOMPARE(w.MemoLines(w.c->explanationText).last(), QStringLiteral("行号：1"));
        QTest::keyClick(w.c->knownErrorList, Qt::Key_Down);
        QCOMPARE(w.MemoLines(w.c->explanationText).last(), QStringLiteral("行号：2"));

        // A page button pages the service shown, not a row merely selected.
        w.Click(Alpha);
        w.c->resultList->clearSelection();
        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1);
    }

    void enterOnTheStepListsStartsTheAnalysis() {
        for (const char* list : {design::kDayList, design::kServiceList}) {
            PagesWindow w;
            w.c->resultList->clear();
            QWidget* target = w.form->findChild<QWidget*>(QLatin1String(list));
            target->setFocus();
            QTest::keyClick(target, Qt::Key_Return);
            WaitForRun(*w.form);
            QCOMPARE(w.c->resultList->topLevelItemCount(), 5);
        }
    }

    void findingAcrossPagesSelectsTheHit() {
        PagesWindow w;
        w.Click(Alpha);
        auto* edit = w.form->findChild<QLineEdit*>(QLatin1String(design::kFindEdit));
        auto* scope = w.form->findChild<QComboBox*>(QLatin1String(design::kFindScope));
        auto* status = w.form->findChild<QLabel*>(QLatin1String(design::kFindStatus));
        edit->setText(QStringLiteral("ITEM 1000"));  // case does not matter
        w.Find(true);
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QVERIFY(w.c->explanationText->toPlainText().endsWith(
            QStringLiteral("KWA item 1000\n行号：1001")));

        // Unknown findings only: the next "step 99" after item 1000 wraps to page 1.
        edit->setText(QStringLiteral("step 99"));
        scope->setCurrentIndex(2);
        w.Find(true);
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        QCOMPARE(status->text(), QStringLiteral("已从另一端继续"));
        QCOMPARE(w.c->detailTabs->currentIndex(), 1);
        QCOMPARE(w.c->unknownErrorText->textCursor().selectedText(),
                 QStringLiteral("[10:00:01.000] step 99 failed here"));
        w.Find(true);
        QCOMPARE(w.c->unknownErrorText->textCursor().selectedText(),
                 QStringLiteral("[10:00:01.000] step 991 failed here"));
        w.Find(false);
        QCOMPARE(w.c->unknownErrorText->textCursor().selectedText(),
                 QStringLiteral("[10:00:01.000] step 99 failed here"));

        scope->setCurrentIndex(1);
        w.Find(true);  // no known finding holds "step 99"
        QCOMPARE(status->text(), QStringLiteral("未找到"));

        // Chinese text is found on the decoded lines.
        w.Click(Delta);
        edit->setText(QStringLiteral("数据库"));
        scope->setCurrentIndex(0);
        w.Find(true);
        QVERIFY(
            w.c->explanationText->toPlainText().endsWith(QStringLiteral("数据库 KWD\n行号：4")));
    }

    void goingToAnyPage() {
        PagesWindow w;
        auto* goTo = w.form->findChild<QLineEdit*>(QLatin1String(design::kGoToPageEdit));
        auto* last = w.form->findChild<QPushButton*>(QLatin1String(design::kLastPageButton));
        auto* first = w.form->findChild<QPushButton*>(QLatin1String(design::kFirstPageButton));
        QVERIFY(!goTo->isEnabled() && !last->isEnabled());
        w.Click(Alpha);
        QVERIFY(!first->isEnabled() && last->isEnabled());
        last->click();
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        first->click();
        QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
        // A page that does not exist is said, and nothing moves.
        auto* status = w.form->findChild<QLabel*>(QLatin1String(design::kFindStatus));
        for (const auto& [typed, bar, said] : {std::tuple{"2", "2/2", ""},
                                               {"3", "2/2", "第 3 页不存在（共 2 页）"},
                                               {"1", "1/2", ""}}) {
            goTo->setText(QLatin1String(typed));
            QTest::keyClick(goTo, Qt::Key_Return);
            QCOMPARE(w.PageBar(), QLatin1String(bar));
            QCOMPARE(status->text(), QString::fromUtf8(said));
        }
    }

    void aRightClickActsOnTheFindingUnderTheMouse() {
        PagesWindow w;
        // Beta gets a second page of four unknown findings.
        QByteArray beta;
        for (int i = 0; i < 1004; ++i)
            beta += "11:00:00.000 send fail " + QByteArray::number(i) + "\n";
        QVERIFY(w.dirs.WriteLog("Beta20240102.log", beta));
        Analyse(*w.form);
        w.Click(Beta);
        QTest::mouseClick(w.c->nextPageButton, Qt::LeftButton);
        w.c->detailTabs->setCurrentIndex(1);
        QPlainTextEdit* unknown = w.c->unknownErrorText;
        const QRect third =
            unknown->cursorRect(QTextCursor(unknown->document()->findBlockByNumber(2)));
        RightClick(unknown, third.center() + QPoint(20, 0), QStringLiteral("复制日志原文"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("11:00:00.000 send fail 1002"));
        RightClick(unknown, third.center() + QPoint(20, 0), QStringLiteral("查看上下文…"));
        QVERIFY(w.Context());
        QCOMPARE(w.Context()->highlightedLineNumber(), 1003);

        // On the known list the row under the mouse is selected and explained.
        w.Click(Alpha);
        w.c->detailTabs->setCurrentIndex(0);
        QTreeView* known = w.c->knownErrorList;
        Controls::ClickRow(known, 0);
        const QModelIndex fifth = known->model()->index(4, 0);
        RightClick(known, known->visualRect(fifth).center(), QStringLiteral("查看上下文…"));
        QCOMPARE(known->selectionModel()->selectedRows(), QModelIndexList{fifth});
        QVERIFY(w.c->explanationText->toPlainText().endsWith(
            QStringLiteral("[10:00:00.000] KWA item 8\n行号：9")));
        QCOMPARE(w.Context()->highlightedLineNumber(), 9);
    }

    // The context of Delta's fourth line after its log was changed as `change` says.
    void theContextSaysWhetherTheFileChangedSinceTheScan_data() {
        QTest::addColumn<QByteArray>("change");
        QTest::newRow("unchanged") << QByteArray();
        QTest::newRow("appended to") << QByteArray("append");
        QTest::newRow("cut after the line") << QByteArray("cut");
        QTest::newRow("line before edited") << QByteArray("edit");
    }
    void theContextSaysWhetherTheFileChangedSinceTheScan() {
        QFETCH(QByteArray, change);
        PagesWindow w;
        w.Click(Delta);
        Controls::SelectRow(w.c->knownErrorList, 3);
        const QString path = w.dirs.LogDir() + "/Delta20240102.log";
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray log = file.readAll();
        const qsizetype lineEnd = log.indexOf(Gbk(QStringLiteral("数据库 KWD\r\n"))) + 12;
        if (change == "append") log += "more\r\n";
        if (change == "cut") log.truncate(lineEnd);
        if (change == "edit") log.replace("KWD plain", "KWD PLAIN");  // the same length
        if (!change.isEmpty()) {
            QVERIFY(file.resize(0) && file.seek(0) && file.write(log) == log.size());
            // As an editor's save would, whatever the clock's resolution.
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
        }
        file.close();
        w.form->showFindingContext();
        QVERIFY(w.Context());
        QCOMPARE(w.Context()->problem().isEmpty(), change.isEmpty());
        QVERIFY(w.Context()->text().contains(QStringLiteral("10:00:03.000 数据库 KWD")));
    }

    // Forty days over a year's end, with twelve codes: every series in a colour of its
    // own, and the day labels shown whole at the default size.
    void theTrendIsReadable() {
        std::vector<corvane::app::TrendDay> days;
        for (int i = 0; i < 40; ++i) {
            days.push_back({QDate(2026, 12, 1).addDays(i).toString("yyyyMMdd").toStdString(),
                            i,
                            i,
                            {{std::to_string(100 + i % 12), i}}});
        }
        corvane::app::TrendView trend(QStringLiteral("甲服务"), days, days[5].day);
        trend.setCodeLines(true);
        QChart* chart = trend.findChild<QChartView*>()->chart();
        QSet<QRgb> colours;
        for (QAbstractSeries* series : chart->series())
            colours << static_cast<QXYSeries*>(series)->color().rgb();
        QCOMPARE(colours.size(), 15);

        trend.show();
        QVERIFY(QTest::qWaitForWindowExposed(&trend));
        QStringList shown;
        for (QGraphicsItem* item : chart->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item)) shown << text->toPlainText();
        const QStringList labels =
            static_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).first())->categoriesLabels();
        QVERIFY2(labels.size() >= 40 / 7, qPrintable(labels.join(' ')));
        for (const QString& label : labels) QVERIFY2(shown.contains(label), qPrintable(label));
        QCOMPARE(labels.first(), QStringLiteral("2026-12-01"));
    }

    void theContextViewShowsTheLinesAroundAFinding() {
        TestDirs dirs;
        QByteArray log;
        for (int i = 1; i <= 300; ++i)
            log += (i == 150 ? QByteArray("10:00:00 job failed ") : QByteArray("line ")) +
                   QByteArray::number(i) + (i % 3 == 0 ? "\n" : "\r\n");
        QVERIFY(dirs.WriteLog(QStringLiteral("c.log"), log));
        const std::string path = QFile::encodeName(dirs.LogDir() + "/c.log").toStdString();
        const qsizetype offset = log.indexOf("10:00:00 job");
        corvane::LogFile scanned;
        QVERIFY(scanned.Open(path));

        corvane::app::ContextView view(path, scanned.Stamp(), {150, offset},
                                       "999|10:00:00 job failed 150");
        QCOMPARE(view.problem(), QString());
        QCOMPARE(view.highlightedLineNumber(), 150);
        QCOMPARE(view.firstLineNumber(), 100);
        QCOMPARE(view.lastLineNumber(), 200);
        const QStringList lines = view.text().split('\n');
        QCOMPARE(lines.first(), QStringLiteral("line 100"));
        QCOMPARE(lines.at(50), QStringLiteral("10:00:00 job failed 150"));
        view.showMoreBefore();
        view.showMoreAfter();
        view.showMoreAfter();
        QCOMPARE(view.firstLineNumber(), 50);
        QCOMPARE(view.lastLineNumber(), 300);

        // The line is no longer where the scan saw it: say so rather than show others.
        QVERIFY(dirs.WriteLog(QStringLiteral("c.log"), "new first line\n" + log));
        corvane::app::ContextView changed(path, scanned.Stamp(), {150, offset},
                                          "999|10:00:00 job failed 150");
        QVERIFY(!changed.problem().isEmpty());
        QCOMPARE(changed.text(), QString());
        QCOMPARE(changed.size(), changed.sizeHint());  // a box of its own size
    }

    void theHistoryMarksNewCodesAndShowsTheTrend() {
        PagesWindow w;
        // The first recorded day has no marks.
        QCOMPARE(w.c->resultList->topLevelItem(Delta)->text(3), QString());
        w.c->ChooseDay(w.dirs.LogDir(), QStringLiteral("20240101"));
        Analyse(*w.form);
        QCOMPARE(w.c->ResultRows(), QStringList{"丁服务\t0\t0"});
        w.c->ChooseDay(w.dirs.LogDir(), QStringLiteral("20240102"));
        Analyse(*w.form);
        // 103 appears on 20240102 after a day without it.
        QCOMPARE(w.c->resultList->topLevelItem(Delta)->text(3), QStringLiteral("新"));
        QCOMPARE(w.c->resultList->topLevelItem(Delta)->toolTip(3),
                 QStringLiteral("新：103 时间错误"));
        QCOMPARE(w.c->resultList->topLevelItem(Alpha)->text(3), QString());
        w.Click(Delta);
        QCOMPARE(Controls::Cell(w.c->knownErrorList, 0, 3), QStringLiteral("新"));

        w.form->showTrend();
        auto* trend = w.form->findChild<corvane::app::TrendView*>();
        QVERIFY(trend);
        QCOMPARE(trend->seriesNames(), (QStringList{"已知错误", "未知错误", "所选日期"}));
        trend->setCodeLines(true);
        QCOMPARE(trend->seriesNames(), (QStringList{"已知错误", "未知错误", "103", "所选日期"}));
        trend->clickDay(0);
        QCOMPARE(w.c->dayList->currentItem()->text(), QStringLiteral("20240101"));
        // The mark follows the chosen day.
        const QList<QAbstractSeries*> series = trend->findChild<QChartView*>()->chart()->series();
        QCOMPARE(series.last()->name(), QStringLiteral("所选日期"));
        QCOMPARE(static_cast<QXYSeries*>(series.last())->points().first().x(), 0.0);
    }

    void thePatternsTabGroupsAllUnknownFindingsAndDraftsAnEntry() {
        PagesWindow w;
        w.Click(Alpha);
        auto* patterns = w.form->findChild<QTreeWidget*>(QLatin1String(design::kPatternList));
        auto* draft = w.form->findChild<QPlainTextEdit*>(QLatin1String(design::kDraftText));
        auto* lines = w.form->findChild<QPlainTextEdit*>(QLatin1String(design::kPatternLinesText));
        QCOMPARE(patterns->topLevelItemCount(), 0);  // grouped only when looked at
        QCOMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[…]"));
        w.c->detailTabs->setCurrentIndex(2);
        // All 500 unknown findings of both pages form one pattern.
        QTRY_COMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[1]"));
        QCOMPARE(patterns->topLevelItem(0)->text(0), QStringLiteral("500"));
        QVERIFY(patterns->topLevelItem(0)->text(2).contains(QStringLiteral("<*>")));

        // A draft is for a selected pattern.
        auto* draftButton = w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton));
        QVERIFY(!draftButton->isEnabled());
        patterns->setCurrentItem(patterns->topLevelItem(0));
        QVERIFY(draftButton->isEnabled());
        QCOMPARE(lines->toPlainText().split('\n').first(),
                 QStringLiteral("[10:00:01.000] step 1 failed here"));
        w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton))->click();
        QTRY_VERIFY(!draft->toPlainText().isEmpty());
        const QStringList entry = draft->toPlainText().split(QLatin1Char('\n'));
        // 100 is the lowest code the catalogue does not use; the keyword is in every
        // line of the pattern and in no other line of the file.
        QVERIFY2(entry.contains(QStringLiteral("[ERROR_100]")), qPrintable(entry.join('|')));
        QVERIFY(entry.contains(QStringLiteral("所属服务代码=A")));
        const auto keyword = std::find_if(entry.begin(), entry.end(), [](const QString& line) {
            return line.startsWith(QStringLiteral("日志关键字="));
        });
        QVERIFY(keyword != entry.end());
        QVERIFY2(QStringLiteral("[10:00:01.000] step 7 failed here").contains(keyword->mid(6)),
                 qPrintable(*keyword));

        // A second draft takes the next code; adding it puts its list line into the
        // first [ERRORLIST] and says so.
        auto* add = w.form->findChild<QPushButton*>(QLatin1String(design::kAddDraftButton));
        QCOMPARE(add->text(), QStringLiteral("加入错误目录"));
        QVERIFY(add->isEnabled());
        w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton))->click();
        QTRY_VERIFY(draft->toPlainText().contains(QStringLiteral("[ERROR_102]")));
        // Its name and explanation are typed over the texts to fill in; one the reader
        // would not read as typed cannot go in.
        auto* name = w.form->findChild<QLineEdit*>(QStringLiteral("draftNameEdit"));
        auto* memo = w.form->findChild<QPlainTextEdit*>(QStringLiteral("draftMemoEdit"));
        QCOMPARE(name->text(), QStringLiteral("请填写错误名称"));
        name->setText(QStringLiteral("步骤失败 "));
        QVERIFY(!add->isEnabled());
        QVERIFY(w.form->findChild<QLabel*>(QStringLiteral("draftProblemLabel"))
                    ->text()
                    .contains(QStringLiteral("空格")));
        name->setText(QStringLiteral("步骤失败"));
        memo->setPlainText(QStringLiteral("某一步骤没有完成。\n请重试该步骤。"));
        QVERIFY(add->isEnabled());
        QVERIFY(draft->toPlainText().contains(QStringLiteral("错误名称=步骤失败\n")));
        const std::string ini = w.dirs.ProgramDir() + "ErrorList.ini";
        const std::string before = corvane::testing_support::ReadFileBytes(ini);
        add->click();
        QTRY_COMPARE(w.dialogs.messages.size(), 1);
        // The entry was shown before it went in, and went in byte for byte in GBK.
        QCOMPARE(w.dialogs.questions.size(), 1);
        QVERIFY(w.dialogs.questions[0].contains(QStringLiteral("01=某一步骤没有完成。")));
        QVERIFY(corvane::testing_support::ReadFileBytes(ini).find(
                    corvane::testing_support::Gbk("错误名称=步骤失败\r\n")) != std::string::npos);
        QVERIFY(corvane::testing_support::ReadFileBytes(ini).find(corvane::testing_support::Gbk(
                    "01=某一步骤没有完成。\r\n02=请重试该步骤。\r\n")) != std::string::npos);
        QVERIFY2(w.dialogs.messages[0].contains(QStringLiteral("102")),
                 qPrintable(w.dialogs.messages[0]));
        QVERIFY(!add->isEnabled());
        const std::string after = corvane::testing_support::ReadFileBytes(ini);
        QVERIFY(after.size() > before.size());
        QVERIFY(after.find("4=104\r\n02=102\r\n[ERROR_101]") != std::string::npos);
        QVERIFY(after.find("\r\n[ERROR_102]\r\n") > before.size());

        // A draft of a file that has changed since is refused and says why.
        w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton))->click();
        QTRY_VERIFY(draft->toPlainText().contains(QStringLiteral("[ERROR_105]")));
        corvane::testing_support::WriteFile(ini, after + "\r\n");
        add->click();
        QTRY_COMPARE(w.dialogs.messages.size(), 2);
        QVERIFY2(w.dialogs.messages[1].contains(QStringLiteral("已被修改")),
                 qPrintable(w.dialogs.messages[1]));
        QCOMPARE(corvane::testing_support::ReadFileBytes(ini), after + "\r\n");
    }

    void exportingTheRunWritesEveryFinding() {
        PagesWindow w;
        const QString csv = w.dirs.LogDir() + "/run.csv", html = w.dirs.LogDir() + "/run.html";
        for (const QString& file : {csv, html}) {
            w.dialogs.saveFile = file;
            w.form->exportRun();
        }
        // The first proposal is the log directory's name and the day; the next is in the
        // folder of the export before.
        QCOMPARE(w.dialogs.proposedFiles.size(), 2);
        QCOMPARE(QFileInfo(w.dialogs.proposedFiles[0]).fileName(),
                 QFileInfo(w.dirs.LogDir()).fileName() + QStringLiteral("-20240102.csv"));
        QCOMPARE(QFileInfo(w.dialogs.proposedFiles[1]).path(), w.dirs.LogDir());
        QFile csvFile(csv), htmlFile(html);
        QVERIFY(csvFile.open(QIODevice::ReadOnly) && htmlFile.open(QIODevice::ReadOnly));
        const QByteArray bytes = csvFile.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        // A header and one record per finding: 1001 + 5 + 0 + 7 + 1000.
        QCOMPARE(bytes.count("\r\n"), 1 + 2013);
        QVERIFY(bytes.contains(QStringLiteral("丁服务,D,103,时间错误,10:00:01,").toUtf8()));
        QVERIFY(htmlFile.readAll().contains(QStringLiteral("戊服务").toUtf8()));
        QVERIFY(w.dialogs.errors.isEmpty());
    }

    // The file type chosen in the save dialog decides what is written, and its
    // extension is added to a name without it; a file of that name already there is
    // replaced only when the operator agrees.
    void theChosenFileTypeDecidesTheExport() {
        using corvane::app::ExportTargetOf;
        const QStringList filters = corvane::app::ExportFileFilters().split(QStringLiteral(";;"));
        QCOMPARE(filters.size(), 2);
        const QString csv = filters[0], html = filters[1], none;
        struct Case {
            QString file, filter, written;
            bool html;
        };
        const Case cases[] = {
            {QStringLiteral("/d/报告"), html, QStringLiteral("/d/报告.html"), true},
            {QStringLiteral("/d/报告"), csv, QStringLiteral("/d/报告.csv"), false},
            {QStringLiteral("/d/r.HTM"), html, QStringLiteral("/d/r.HTM"), true},
            {QStringLiteral("/d/r.csv"), html, QStringLiteral("/d/r.csv.html"), true},
            {QStringLiteral("/d/r.2026"), csv, QStringLiteral("/d/r.2026.csv"), false},
            {QStringLiteral("/d/r.Csv"), csv, QStringLiteral("/d/r.Csv"), false},
            {QStringLiteral("/d/r.html"), none, QStringLiteral("/d/r.html"), true},
            {QStringLiteral("/d/r"), none, QStringLiteral("/d/r"), false},
        };
        for (const Case& c : cases) {
            const corvane::app::ExportTarget target = ExportTargetOf({c.file, c.filter});
            QCOMPARE(target.file, c.written);
            QCOMPARE(target.html, c.html);
        }

        PagesWindow w;
        const QString typed = w.dirs.LogDir() + QStringLiteral("/typed");
        w.dialogs.saveFile = typed;
        w.dialogs.saveFilter = html;
        w.form->exportRun();
        QVERIFY(!QFile::exists(typed));
        QFile written(typed + QStringLiteral(".html"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray page = written.readAll();
        QVERIFY(page.startsWith("<!DOCTYPE html>"));
        QVERIFY(w.dialogs.questions.isEmpty());
        // Again: the dialog asked about "typed", not about the file with the extension.
        w.dialogs.answer = false;
        w.dialogs.saveFilter = csv;
        corvane::testing_support::WriteFile((typed + QStringLiteral(".csv")).toStdString(), "kept");
        w.form->exportRun();
        QCOMPARE(w.dialogs.questions.size(), 1);
        QCOMPARE(
            corvane::testing_support::ReadFileBytes((typed + QStringLiteral(".csv")).toStdString()),
            std::string("kept"));
        QVERIFY(w.dialogs.errors.isEmpty());
    }

    void aRowStillBeingScannedShowsNothing() {
        PagesWindow w;
        w.Click(Beta);
        bool tried = false;
        OnFirstRow(w.c->resultList, [&] {
            // Alpha's row was just added and its scan is running.
            Controls::ClickRow(w.c->resultList, 0);
            tried = true;
        });
        Analyse(*w.form);
        QVERIFY(tried);
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[0]"));
    }

    // The patterns tab in front: a click on a service starts grouping its unknown
    // errors on a thread of its own.
    void anotherServiceClickedDuringGroupingTakesOver() {
        PagesWindow w;
        w.c->detailTabs->setCurrentIndex(2);
        Controls::SelectRow(w.c->resultList, Alpha);
        Controls::SelectRow(w.c->resultList, Beta);
        // Beta's five lines form one pattern; Alpha's grouping never shows.
        QTRY_COMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[1]"));
        DrainEvents();
        auto* patterns = w.form->findChild<QTreeWidget*>(QLatin1String(design::kPatternList));
        QCOMPARE(patterns->topLevelItem(0)->text(0), QStringLiteral("5"));
        QCOMPARE(w.PageBar(), QStringLiteral("1/1"));
        QCOMPARE(w.Tabs(), QStringLiteral("已知错误[0] 未知错误[5]"));
    }

    void aPageButtonDuringGroupingLeavesItsPatterns() {
        PagesWindow w;
        w.c->detailTabs->setCurrentIndex(2);
        Controls::SelectRow(w.c->resultList, Alpha);
        w.form->showNextPage();
        QCOMPARE(w.PageBar(), QStringLiteral("2/2"));
        QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1);
        QTRY_COMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[1]"));
    }

    // A new run drops what is still being worked out for the old one: its patterns
    // and its draft never show.
    void aStartDuringGroupingOrDraftingDropsTheirResults_data() {
        QTest::addColumn<bool>("drafting");
        QTest::newRow("grouping") << false;
        QTest::newRow("drafting") << true;
    }
    void aStartDuringGroupingOrDraftingDropsTheirResults() {
        QFETCH(bool, drafting);
        PagesWindow w;
        auto* patterns = w.form->findChild<QTreeWidget*>(QLatin1String(design::kPatternList));
        auto* draft = w.form->findChild<QPlainTextEdit*>(QLatin1String(design::kDraftText));
        w.c->detailTabs->setCurrentIndex(2);
        Controls::SelectRow(w.c->resultList, Alpha);
        if (drafting) {
            QTRY_COMPARE(patterns->topLevelItemCount(), 1);
            patterns->setCurrentItem(patterns->topLevelItem(0));
            w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton))->click();
        }
        Analyse(*w.form);
        QVERIFY(w.dialogs.messages.isEmpty() && w.dialogs.errors.isEmpty());
        QCOMPARE(w.c->resultList->topLevelItemCount(), 5);
        QCOMPARE(patterns->topLevelItemCount(), 0);
        QCOMPARE(draft->toPlainText(), QString());
        QCOMPARE(w.c->detailTabs->tabText(2), QStringLiteral("错误归类[0]"));
        QCOMPARE(w.form->results()->size(), std::size_t(5));
    }

    void closingDuringGroupingOrDraftingEndsThemFirst_data() {
        QTest::addColumn<bool>("drafting");
        QTest::newRow("grouping") << false;
        QTest::newRow("drafting") << true;
    }
    void closingDuringGroupingOrDraftingEndsThemFirst() {
        QFETCH(bool, drafting);
        PagesWindow w;
        auto* patterns = w.form->findChild<QTreeWidget*>(QLatin1String(design::kPatternList));
        w.c->detailTabs->setCurrentIndex(2);
        Controls::SelectRow(w.c->resultList, Alpha);
        if (drafting) {
            QTRY_COMPARE(patterns->topLevelItemCount(), 1);
            patterns->setCurrentItem(patterns->topLevelItem(0));
            w.form->findChild<QPushButton*>(QLatin1String(design::kDraftButton))->click();
        }
        QVERIFY(w.form->close());
        DrainEvents();
        QVERIFY(!w.form->isVisible());
        QVERIFY(!w.form->results());
        QVERIFY(!w.form->catalogue());
        QVERIFY(w.dialogs.errors.isEmpty());
    }
};

QTEST_MAIN(WindowPagesTest)
#include "tst_window_pages.moc"
