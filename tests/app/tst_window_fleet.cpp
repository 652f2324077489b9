// 全部装置 against a real VictoriaMetrics: the window's runs reach the server off its
// thread, and the dialog shows each installation's counts as `corvane-scan fleet`
// prints them, where each code of the shown service occurred, how many others had a
// code new here, and the fleet's totals over 30 days.

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QToolButton>

#include "FleetDialog.h"
#include "VictoriaMetrics.h"
#include "WindowTestSupport.h"
#include "fleet/FleetQuery.h"
#include "fleet/MetricsSend.h"

using namespace wintest;
using corvane::app::FleetDialog;

namespace {

// The rows of a list as its cells joined by TABs.
QStringList Rows(QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(i)->text(column);
        rows << cells.join(QLatin1Char('\t'));
    }
    return rows;
}

}  // namespace

class WindowFleetTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogShowsWhatTheFleetSent() {
        QTemporaryDir data;
        corvane::testing_support::VictoriaMetrics server(
            QFile::encodeName(data.path() + "/").toStdString());
        TestDirs dirs;
        dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲服务", "Tau"}}));
        dirs.WriteProgramFile("ErrorList.ini", TwoCodesErrorListIni());
        QFile serverIni(QFile::decodeName(dirs.ProgramDir().c_str()) + "Server.ini");
        QVERIFY(serverIni.open(QIODevice::Append));
        serverIni.write("[METRICS]\r\nUrl=" + QByteArray::fromStdString(server.Url()) +
                        "\r\nInstallation=" + Gbk(QStringLiteral("本站")) + "\r\n");
        serverIni.close();
        // Code 102 is new here on the second day; another installation had it the day
        // before.
        dirs.WriteLog("Tau20240101.log", "KWA one\nKWA two\n");
        dirs.WriteLog("Tau20240102.log", "KWA three\nKWB four\nKWB five\n");
        corvane::MetricsDay other{0, "site-b", "20240101", "A", 0, 0, {{"known", "102", 3}}};
        QCOMPARE(corvane::SendMetricsDays({server.Url(), "site-b"}, nullptr, {other}).sent, 1);

        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        form.show();
        const corvane::FleetClient fleet(server.Url());
        for (const char* day : {"20240101", "20240102"}) {
            c.ChooseDay(dirs.LogDir(), QString::fromLatin1(day));
            Analyse(form);
            // The counts reach the server from a thread of their own.
            QVERIFY(ServeEventsUntil(
                [&] {
                    server.Flush();
                    corvane::FleetDay table;
                    std::string error;
                    return fleet.Day(day, "A", table, error) &&
                           std::any_of(table.rows.begin(), table.rows.end(), [&](auto& row) {
                               return row.installation == Gbk(QStringLiteral("本站")).toStdString();
                           });
                },
                20000));
        }
        QCOMPARE(dialogs.messages, QStringList());

        // Reached from the result row's menu and from 更多 beside 检查目录.
        auto* more = form.findChild<QToolButton*>(QStringLiteral("moreButton"));
        QVERIFY(more && more->menu()->actions().size() == 1);
        QCOMPARE(more->menu()->actions().front()->text(), QStringLiteral("全部装置…"));
        Controls::ClickRow(c.resultList, 0);
        QAction* open = nullptr;
        for (QAction* action : c.resultList->actions())
            if (action->text() == QStringLiteral("全部装置…")) open = action;
        QVERIFY(open);
        open->trigger();
        auto* dialog = form.findChild<FleetDialog*>();
        QVERIFY(dialog);
        QVERIFY(ServeEventsUntil([&] { return !dialog->loading(); }, 20000));

        QProcess cli;
        cli.setProcessEnvironment([] {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            return env;
        }());
        cli.start(QStringLiteral(CORVANE_SCAN_EXE),
                  {QStringLiteral("fleet"), QStringLiteral("--program-dir"),
                   QFile::decodeName(dirs.ProgramDir().c_str()), QStringLiteral("20240102")});
        QVERIFY(cli.waitForFinished(30000));
        const QStringList printed =
            corvane::app::FromGbkText(cli.readAllStandardOutput().toStdString())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(Rows(dialog->findChild<QTreeWidget*>(QStringLiteral("fleetTable"))),
                 printed.mid(0, 1));
        QCOMPARE(printed.mid(0, 1), QStringList{QStringLiteral("本站\tA\t3\t0")});
        QCOMPARE(Rows(dialog->findChild<QTreeWidget*>(QStringLiteral("fleetCodes"))),
                 (QStringList{QStringLiteral("101\t连接错误\t1\t本站\t"),
                              QStringLiteral("102\t超时\t1\t本站\t新，另有1个装置已出现过")}));
        // 30 days to 20240102: the last two are 2 + 3 and 1 + 2 known errors.
        const QStringList chart = dialog->chartValues();
        QCOMPARE(chart.size(), 2);
        QVERIFY2(chart[0].startsWith(QStringLiteral("已知错误: 0 0 0")), qPrintable(chart[0]));
        QVERIFY2(chart[0].endsWith(QStringLiteral(" 0 5 3")), qPrintable(chart[0]));
        QCOMPARE(chart[0].count(QLatin1Char(' ')), 30);
    }
};

QTEST_MAIN(WindowFleetTest)
#include "tst_window_fleet.moc"
