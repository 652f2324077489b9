// The online services through the real window: a newer catalogue fetched at
// start-up from a loopback HTTP server, and the error-count datagrams of a run
// received on a loopback UDP socket.

#include <map>
#include <string>
#include <vector>

#include "Files.h"
#include "Loopback.h"
#include "WindowTestSupport.h"
#include "catalog/ServiceCatalogue.h"
#include "scan/Scanner.h"

using corvane::online_test::HttpTestServer;
using corvane::online_test::UdpReceiver;

namespace {

QByteArray ReadSourceFile(const QString& relative) {
    return QByteArray::fromStdString(corvane::testing_support::ReadFileBytes(
        CORVANE_SOURCE_DIR "/" + QFile::encodeName(relative).toStdString()));
}

// The datagrams a run over `logDir` and `day` must send, worked out here without
// the window: every service of the catalogue, in order, scanned by the core, and its
// findings counted under their codes, first-met order, first service's code.
std::vector<std::string> PredictedDatagrams(const std::string& programDir,
                                            const std::string& logDir, const std::string& day) {
    std::vector<corvane::ServiceEntry> services;
    corvane::LoadServiceCatalogue(programDir, services);
    corvane::ErrorCatalogue catalogue;
    corvane::LoadErrorCatalogue(programDir, catalogue);
    std::vector<std::string> order;
    std::map<std::string, std::pair<std::string, int>> counts;
    for (const auto& service : services) {
        const std::string path = logDir + "/" + service.logPrefix + day + ".log";
        if (!QFileInfo::exists(QString::fromStdString(path))) continue;
        corvane::NullProgressSink row;
        const corvane::ScanResult scan = corvane::ScanLogFile(
            service.code, path, catalogue, row, {}, corvane::ScanOptions{programDir, false});
        for (const corvane::Finding& finding : scan.findings) {
            const std::string code(finding.Code());
            auto [it, added] = counts.emplace(code, std::make_pair(service.code, 0));
            if (added) order.push_back(code);
            ++it->second.second;
        }
    }
    std::vector<std::string> datagrams;
    for (const std::string& code : order)
        datagrams.push_back(counts[code].first + "," + code + "," +
                            std::to_string(counts[code].second));
    return datagrams;
}

}  // namespace

class WindowOnlineTest : public QObject {
    Q_OBJECT

private slots:
    void startUpFetchesNewerCatalogueAndRunReportsItsCounts() {
        wintest::TestDirs dirs;
        QTemporaryDir serverRoot;
        QDir(serverRoot.path()).mkpath(QStringLiteral("idc"));

        // The server has a newer service catalogue with one more service; the error
        // catalogue is at the same version and must not be fetched.
        QByteArray services = ReadSourceFile(QStringLiteral("demo/ServiceList.ini"));
        QVERIFY(!services.isEmpty());
        services.replace("[SERVICELIST]\r\n", "[SERVICELIST]\r\nextra=NEW\r\n");
        services += "[SERVICE_NEW]\r\n" + wintest::Gbk(QStringLiteral("服务名称=新增服务")) +
                    "\r\n" + wintest::Gbk(QStringLiteral("日志文件名称前缀=Gateway")) + "\r\n";
        QVERIFY(wintest::TestDirs::WriteFile(serverRoot.path() + "/idc/ServiceList.ini", services));
        QVERIFY(wintest::TestDirs::WriteFile(serverRoot.path() + "/idc/ErrorList.ini",
                                             "must not be fetched"));
        QVERIFY(
            wintest::TestDirs::WriteFile(serverRoot.path() + "/idc/Version.ini",
                                         "[VERSION]\r\nServiceList=2026120802\r\nErrorList=1\r\n"));
        HttpTestServer server(QFile::encodeName(serverRoot.path()).toStdString());
        UdpReceiver receiver;

        QVERIFY(dirs.WriteProgramFile(QStringLiteral("ServiceList.ini"),
                                      ReadSourceFile("demo/ServiceList.ini")));
        QVERIFY(dirs.WriteProgramFile(QStringLiteral("ErrorList.ini"),
                                      ReadSourceFile("demo/ErrorList.ini")));
        QVERIFY(dirs.WriteProgramFile(QStringLiteral("Version.ini"),
                                      "[VERSION]\r\nServiceList=2026120801\r\nErrorList=1\r\n"));
        QVERIFY(dirs.WriteProgramFile(
            QStringLiteral("Server.ini"),
            "[SERVER]\r\nHost=127.0.0.1\r\nHttpPort=" + QByteArray::number(server.Port()) +
                "\r\nReportPort=" + QByteArray::number(receiver.Port()) + "\r\n"));

        wintest::FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        wintest::Controls c(form);

        QCOMPARE(server.Requests(),
                 (std::vector<std::string>{"/idc/Version.ini", "/idc/ServiceList.ini"}));
        QCOMPARE(c.serviceList->topLevelItemCount(), 5);
        QCOMPARE(c.serviceList->topLevelItem(0)->text(0), QStringLiteral("新增服务"));
        QCOMPARE(c.serviceList->topLevelItem(0)->checkState(0), Qt::Checked);

        const QString logDir = QStringLiteral(CORVANE_SOURCE_DIR "/demo/logs");
        const std::vector<std::string> expected = PredictedDatagrams(
            dirs.ProgramDir(), QFile::encodeName(logDir).toStdString(), "20261201");
        QVERIFY(expected.size() >= 3);
        // The new service reads the gateway's log under its own code, first.
        QVERIFY(expected.front().rfind("NEW,", 0) == 0);

        c.ChooseDay(logDir, QStringLiteral("20261201"));
        for (int run = 0; run < 2; ++run) {
            c.startButton->click();
            wintest::WaitForRun(form);
            QCOMPARE(receiver.ReceiveAll(), expected);
        }
        QVERIFY(dialogs.errors.isEmpty());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void unresolvableReportHostShowsSocketErrorAndKeepsresults() {
        wintest::TestDirs dirs;
        QVERIFY(
            dirs.WriteProgramFile(QStringLiteral("ServiceList.ini"),
                                  wintest::ServiceListIni({{"GW", QStringLiteral("网关"), "Gw"}})));
        QVERIFY(dirs.WriteProgramFile(QStringLiteral("Server.ini"),
                                      "[SERVER]\r\nHost=no..such.host\r\nHttpPort=1\r\n"));
        QVERIFY(dirs.WriteLog(QStringLiteral("Gw20261201.log"), "x failed \n"));
        wintest::FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        wintest::Controls c(form);
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20261201"));
        c.startButton->click();
        wintest::WaitForRun(form);
        QCOMPARE(dialogs.errors,
                 QStringList{QStringLiteral("Socket Error # 11001\nHost not found.")});
        QCOMPARE(c.ResultRows(), QStringList{QStringLiteral("网关\t0\t1")});
        QCOMPARE(form.results()->size(), std::size_t{1});
        QVERIFY(!form.runInProgress());
    }
};

QTEST_MAIN(WindowOnlineTest)
#include "tst_window_online.moc"
