// 实时跟踪: after a completed run the window follows the analysed files; the rows, the
// page bar, the last page and find grow to what a full scan of the grown file gives,
// and a file cut short is read again from its start.  The rows are the run's whether
// the box is checked or not; a service whose file appears later gets its row; the
// patterns follow; a rotated file's findings stay in the day's record.

#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QProgressBar>

#include "CoreFakes.h"
#include "WindowTestSupport.h"
#include "scan/Scanner.h"

using namespace wintest;

namespace {

QByteArray KnownLines(int from, int to) {
    QByteArray lines;
    for (int i = from; i < to; ++i)
        lines += "[10:00:00.000] KWA item " + QByteArray::number(i) + "\n";
    return lines;
}

bool Append(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(bytes) == bytes.size();
}

}  // namespace

class WindowFollowTest : public QObject {
    Q_OBJECT

private slots:
    void followedRowsAndPagesGrowToTheFullScan() {
        TestDirs dirs;
        dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲服务", "Alpha"}}));
        dirs.WriteProgramFile("ErrorList.ini",
                              Gbk(QStringLiteral("[ERRORLIST]\r\n1=101\r\n2=102\r\n[ERROR_101]\r\n"
                                                 "所属服务代码=A\r\n错误名称=连接错误\r\n"
                                                 "日志关键字=KWA\r\n"
                                                 "[ERROR_102]\r\n所属服务代码=A\r\n"
                                                 "错误名称=新的错误\r\n日志关键字=KWB\r\n")));
        const QString log = dirs.LogDir() + "/Alpha20240102.log";
        // The day before, in the history: code 101 only.
        dirs.WriteLog("Alpha20240101.log", KnownLines(0, 5));
        dirs.WriteLog("Alpha20240102.log", KnownLines(0, 999));
        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        auto* follow = Controls::Find<QCheckBox>(form, design::kFollowBox);
        QCOMPARE(follow->text(), QStringLiteral("实时跟踪"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240101"));
        Analyse(form);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));
        Analyse(form);
        // Checked after the run, the window follows the run's files from where it left them.
        follow->setChecked(true);
        QCOMPARE(c.ResultRows(), QStringList{"甲服务\t999\t0"});
        // The window says that it follows, and which rows.
        auto* bar = Controls::Find<QProgressBar>(form, design::kProgressBar);
        QVERIFY(bar->isTextVisible());
        QCOMPARE(bar->text(), QStringLiteral("实时跟踪 1 个文件，最后变化 —"));
        QVERIFY(!c.resultList->topLevelItem(0)->icon(0).isNull());
        Controls::ClickRow(c.resultList, 0);
        QCOMPARE(c.pageNumberLabel->text() + '/' + c.pageCountLabel->text(), QStringLiteral("1/1"));

        // Two known lines and an unknown one, the last line still without its end: it
        // counts as the file's end ends it, as in a run.
        QVERIFY(Append(log,
                       KnownLines(999, 1001) + "  tail step failed \n" + "[10:00:09.000] KWA par"));
        QVERIFY(ServeEventsUntil([&] { return c.ResultRows() == QStringList{"甲服务\t1002\t1"}; },
                                 30000));
        QVERIFY(!bar->text().endsWith(QStringLiteral("—")));
        // Its line end arrives: the finding is examined again, whole.
        QVERIFY(Append(log, "tial\n"));
        QVERIFY(ServeEventsUntil(
            [&] {
                return form.results()->at(0).stored->findings.back().text ==
                       "101|[10:00:09.000] KWA partial";
            },
            30000));
        DrainEvents();

        // The counts and the findings are a full scan's of the grown file.
        corvane::NullProgressSink row;
        corvane::ScanOptions options;
        options.programDir = dirs.ProgramDir();
        const corvane::ScanResult full = corvane::ScanLogFile(
            "A", QFile::encodeName(log).toStdString(), *form.catalogue(), row, {}, options);
        QCOMPARE(full.known, 1002);
        QCOMPARE(full.unknown, 1);
        QVERIFY(form.results()->at(0).stored->findings == full.findings);

        // The page looked at was the last: it is filled again, and the bar counts two.
        QCOMPARE(c.pageNumberLabel->text() + '/' + c.pageCountLabel->text(), QStringLiteral("1/2"));
        QCOMPARE(Controls::RowCount(c.knownErrorList), 1000);
        QTest::mouseClick(c.nextPageButton, Qt::LeftButton);
        QCOMPARE(c.knownErrorRows(),
                 (QStringList{"10:00:00|连接错误|101", "10:00:09|连接错误|101"}));
        QCOMPARE(c.unknownErrorText->toPlainText(),
                 QStringLiteral("[10:00:09.000]|  tail step failed "));
        // Find reaches the new findings.
        QTest::mouseClick(c.previousPageButton, Qt::LeftButton);
        Controls::Find<QLineEdit>(form, design::kFindEdit)->setText(QStringLiteral("partial"));
        form.findNext();
        QVERIFY(ServeEventsUntil([&] { return c.pageNumberLabel->text() == QStringLiteral("2"); },
                                 30000));

        // A code the history has not seen before is marked new as it arrives.
        QVERIFY(c.resultList->topLevelItem(0)->text(3).isEmpty());
        QVERIFY(Append(log, "[10:00:10.000] KWB first time\n"));
        QVERIFY(ServeEventsUntil(
            [&] { return c.resultList->topLevelItem(0)->text(3) == QStringLiteral("新"); }, 30000));
        QCOMPARE(c.resultList->topLevelItem(0)->toolTip(3), QStringLiteral("新：102 新的错误"));

        // Cut short and written again: read from its start, and the row says so.
        QVERIFY(dirs.WriteLog("Alpha20240102.log", KnownLines(0, 3)));
        QVERIFY(
            ServeEventsUntil([&] { return c.ResultRows() == QStringList{"甲服务\t3\t0"}; }, 30000));
        QVERIFY(!c.resultList->topLevelItem(0)->toolTip(0).isEmpty());
        QCOMPARE(c.pageNumberLabel->text() + '/' + c.pageCountLabel->text(), QStringLiteral("1/1"));
        QCOMPARE(Controls::RowCount(c.knownErrorList), 3);

        // Another day chosen, the window follows no more and says so, and the history
        // holds the day as following left it (the default history, under the test's
        // data directory).
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240101"));
        QVERIFY(!follow->isChecked());
        QVERIFY(!bar->isTextVisible());
        QVERIFY(c.resultList->topLevelItem(0)->icon(0).isNull());
        QProcess history;
        history.start(QStringLiteral(CORVANE_SCAN_EXE), {QStringLiteral("history"), dirs.LogDir()});
        QVERIFY(history.waitForFinished(60000));
        const QByteArray recorded = history.readAllStandardOutput();
        // The findings of the file before the cut stay in the day's record.
        QVERIFY2(recorded.contains("20240102\tA\t1006\t1"), recorded.constData());
        form.close();
    }

    void followGoesOnFromTheRunAndKeepsTheDay() {
        TestDirs dirs;
        dirs.WriteProgramFile("ServiceList.ini",
                              ServiceListIni({{"A", "甲服务", "Alpha"}, {"B", "乙服务", "Beta"}}));
        dirs.WriteProgramFile("ErrorList.ini",
                              Gbk(QStringLiteral("[ERRORLIST]\r\n1=101\r\n2=201\r\n[ERROR_101]\r\n"
                                                 "所属服务代码=A\r\n错误名称=连接错误\r\n"
                                                 "日志关键字=KWA\r\n[ERROR_201]\r\n"
                                                 "所属服务代码=B\r\n错误名称=队列错误\r\n"
                                                 "日志关键字=KWB\r\n")));
        const QString alpha = dirs.LogDir() + "/Alpha20240103.log";
        // The last line is a known error without its line end.
        dirs.WriteLog("Alpha20240103.log",
                      "[10:00:00.000] KWA one\nsync step failed 7\n[10:00:01.000] KWA last");
        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        auto* follow = Controls::Find<QCheckBox>(form, design::kFollowBox);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240103"));
        Analyse(form);
        const QStringList unchecked = c.ResultRows();
        QCOMPARE(unchecked, QStringList{"甲服务\t2\t1"});
        follow->setChecked(true);
        Analyse(form);
        // The follow's first looks leave the run's rows as they are.
        QVERIFY(!ServeEventsUntil([&] { return c.ResultRows() != unchecked; }, 1500));

        // The patterns of the shown service follow its new unknown errors.
        Controls::ClickRow(c.resultList, 0);
        c.detailTabs->setCurrentIndex(2);
        const auto patternsCaption = [&] { return c.detailTabs->tabText(2); };
        QVERIFY(ServeEventsUntil([&] { return patternsCaption() == QStringLiteral("错误归类[1]"); },
                                 30000));
        QByteArray quota = "\n";  // ends the last line
        for (int i = 0; i < 5; ++i)
            quota += "disk quota exceeded on /srv/" + QByteArray::number(i) + ", write failed \n";
        QVERIFY(Append(alpha, quota));
        QVERIFY(ServeEventsUntil([&] { return patternsCaption() == QStringLiteral("错误归类[2]"); },
                                 30000));
        QVERIFY(c.ResultRows() == QStringList{"甲服务\t2\t6"});

        // A checked service whose file appears after the run gets its row.
        dirs.WriteLog("Beta20240103.log", "[10:00:02.000] KWB queue\nqueue push failed x\n");
        QVERIFY(ServeEventsUntil(
            [&] {
                return c.ResultRows() == QStringList{"甲服务\t2\t6", "乙服务\t1\t1"};
            },
            30000));

        // Rotated by rename: the row shows the new file, the day keeps both.
        QVERIFY(QFile::rename(alpha, alpha + ".1"));
        dirs.WriteLog("Alpha20240103.log", "[10:00:03.000] KWA after\n");
        QVERIFY(ServeEventsUntil(
            [&] {
                return c.ResultRows() == QStringList{"甲服务\t1\t0", "乙服务\t1\t1"};
            },
            30000));
        QVERIFY(ServeEventsUntil([&] { return patternsCaption() == QStringLiteral("错误归类[0]"); },
                                 30000));
        follow->setChecked(false);
        QProcess history;
        history.start(QStringLiteral(CORVANE_SCAN_EXE), {QStringLiteral("history"), dirs.LogDir()});
        QVERIFY(history.waitForFinished(60000));
        const QByteArray recorded = history.readAllStandardOutput();
        QVERIFY2(recorded.contains("20240103\tA\t3\t6"), recorded.constData());
        QVERIFY2(recorded.contains("20240103\tB\t1\t1"), recorded.constData());
        form.close();
    }
};

QTEST_MAIN(WindowFollowTest)
#include "tst_window_follow.moc"
