// 各服务同时段日志: the lines of every service of the run around a finding or a time
// typed, merged in time order; scrolling to either end reads the seconds before or
// after those held, and a row opens the lines around it in its own file.  The rows
// held are checked against a merge of the lines the test wrote.

#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QTextBlock>

#include <algorithm>
#include <tuple>
#include <vector>

#include "ContextView.h"
#include "MergedLinesModel.h"
#include "MergedView.h"
#include "WindowTestSupport.h"

using namespace wintest;
using corvane::app::MergedView;

namespace {

const QStringList kServices = {"A", "B", "C"};

struct Line {
    int time;  // seconds after midnight; a line without its own has the earlier line's
    int source;
    int number;
    QString code;
    QByteArray text;
};

QString Clock(int time) {
    return QStringLiteral("%1:%2:%3")
        .arg(time / 3600, 2, 10, QLatin1Char('0'))
        .arg(time / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(time % 60, 2, 10, QLatin1Char('0'));
}

constexpr int kNine = 9 * 3600;
const QByteArray kLongLine = "09:05:01.100 " + QByteArray(5000, 'x');

// Alpha ticks every second from 09:00:00 to 09:10:00 with a known error (101) and an
// unknown one on a line without a time at 09:05:00; Beta every other second, in GBK;
// Gamma a line at 08:00, two at 09:05 (one longer than a row keeps) and one at 12:00.
std::vector<Line> WriteLogs(const TestDirs& dirs) {
    std::vector<Line> lines;
    QByteArray files[3];
    const auto add = [&](int time, int source, const QString& code, const QByteArray& text) {
        const int number = static_cast<int>(files[source].count('\n')) + 1;
        lines.push_back({time, source, number, code, text});
        files[source] += text + (source == 1 ? "\n" : "\r\n");
    };
    for (int s = 0; s <= 600; ++s) {
        const QByteArray clock = Clock(kNine + s).toLatin1();
        add(kNine + s, 0, {}, clock + ".000 alpha tick " + QByteArray::number(s));
        if (s == 300) {
            add(kNine + s, 0, "101", clock + ".500 KWA connect refused");
            add(kNine + s, 0, "999", "    caused by: send failed here");
        }
        if (s % 2 == 0)
            add(kNine + s, 1, {}, clock + ".250 " + Gbk(QStringLiteral("乙 处理 %1").arg(s)));
    }
    add(8 * 3600, 2, {}, "08:00:00.000 gamma early");
    add(kNine + 300, 2, {}, "09:05:00.100 gamma one");
    add(kNine + 301, 2, {}, kLongLine);
    add(12 * 3600, 2, {}, "12:00:00.000 gamma late");
    dirs.WriteLog("Alpha20240102.log", files[0]);
    dirs.WriteLog("Beta20240102.log", files[1]);
    dirs.WriteLog("Gamma20240102.log", files[2]);
    return lines;
}

QString RowText(int time, const QString& service, int number, const QString& code) {
    return Clock(time) + '|' + service + '|' + QString::number(number) + '|' + code;
}

// The lines of [from, to] as the view shows them: by time, a second's lines by
// service in catalogue order, each service's in file order.
QStringList Reference(std::vector<Line> lines, int from, int to) {
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        return std::tie(a.time, a.source) < std::tie(b.time, b.source);
    });
    QStringList rows;
    for (const Line& line : lines) {
        if (line.time < from || line.time > to) continue;
        QString text = corvane::app::FromGbkLine(line.text);
        if (line.text.size() > 4096) text = text.left(4096) + QStringLiteral("…");
        rows << RowText(line.time, kServices[line.source], line.number, line.code) + '|' + text;
    }
    return rows;
}

QStringList Shown(const QTableView* view, int first = 0, int count = -1) {
    QStringList rows;
    const int end = count < 0 ? Controls::RowCount(view) : first + count;
    for (int i = first; i < end; ++i) {
        QStringList cells;
        for (int column = 0; column < corvane::app::MergedLinesModel::kColumns; ++column)
            cells << Controls::Cell(view, i, column);
        rows << cells.join('|');
    }
    return rows;
}

// Serves events until no read is going on, those the view starts by itself included.
void Settle(const MergedView& view) {
    for (int i = 0; i < 100 && (view.loading() || i == 0); ++i) {
        ServeEventsUntil([&] { return !view.loading(); });
        DrainEvents();
    }
    QVERIFY(!view.loading());
}

enum class OpenedFrom { KnownError, UnknownError, TypedTime };

}  // namespace

class WindowMergedTest : public QObject {
    Q_OBJECT

private slots:
    void theServicesLinesAroundAFindingOrATime_data() {
        QTest::addColumn<OpenedFrom>("from");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("time");
        QTest::newRow("known error")
            << OpenedFrom::KnownError << RowText(kNine + 300, "A", 302, "101") << kNine + 300;
        // Its line has no time: the one before it gives it.
        QTest::newRow("unknown error")
            << OpenedFrom::UnknownError << RowText(kNine + 300, "A", 303, "999") << kNine + 300;
        QTest::newRow("time typed")
            << OpenedFrom::TypedTime << RowText(kNine + 10, "A", 11, "") << kNine + 10;
    }

    void theServicesLinesAroundAFindingOrATime() {
        QFETCH(OpenedFrom, from);
        QFETCH(QString, selected);
        QFETCH(int, time);
        TestDirs dirs;
        // Time indexes and decompressed copies go into the test's tree.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dirs.LogDir() + QStringLiteral("/../cache")));
        dirs.WriteProgramFile("ServiceList.ini", ServiceListIni({{"A", "甲服务", "Alpha"},
                                                                 {"B", "乙服务", "Beta"},
                                                                 {"C", "丙服务", "Gamma"}}));
        dirs.WriteProgramFile(
            "ErrorList.ini",
            Gbk(QStringLiteral("[ERRORLIST]\r\n1=101\r\n[ERROR_101]\r\n所属服务代码=A\r\n"
                               "错误名称=连接错误\r\n日志关键字=KWA\r\n")));
        const std::vector<Line> lines = WriteLogs(dirs);
        FakeDialogs dialogs;
        MainWindow form(dirs.ProgramDir(), &dialogs);
        Controls c(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        c.ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));
        Analyse(form);
        Controls::ClickRow(c.resultList, 0);

        if (from == OpenedFrom::KnownError) {
            Controls::SelectRow(c.knownErrorList, 0);
            form.showFindingMerged();
        } else if (from == OpenedFrom::UnknownError) {
            c.detailTabs->setCurrentIndex(1);
            form.showFindingMerged();
        } else {
            form.showMergedLines();
        }
        auto* merged = form.findChild<MergedView*>();
        QVERIFY(merged);
        if (from == OpenedFrom::TypedTime) {
            merged->findChild<QLineEdit*>(MergedView::kTimeEditName)->setText("09:00:10");
            merged->findChild<QPushButton*>(MergedView::kGoButtonName)->click();
        }
        Settle(*merged);
        QTableView* view = merged->view();
        const auto current = [&] { return Shown(view, view->currentIndex().row(), 1).value(0); };
        QVERIFY2(current().startsWith(selected + '|'), qPrintable(current()));
        QVERIFY(merged->firstSecond() <= time - MergedView::kOpenReach);
        QVERIFY(merged->lastSecond() >= time + MergedView::kOpenReach);
        QCOMPARE(Shown(view), Reference(lines, merged->firstSecond(), merged->lastSecond()));

        // To either end and back: the seconds after, then those before, are read.
        const int first = merged->firstSecond();
        const int last = merged->lastSecond();
        QScrollBar* bar = view->verticalScrollBar();
        bar->setValue(bar->maximum());
        Settle(*merged);
        bar->setValue(bar->minimum());
        Settle(*merged);
        QVERIFY(merged->firstSecond() < first);
        QVERIFY(merged->lastSecond() > last);
        QCOMPARE(Shown(view), Reference(lines, merged->firstSecond(), merged->lastSecond()));
        QVERIFY(current().startsWith(selected + '|'));

        // A row opens its lines in its own file; the line longer than a row keeps is
        // read whole for it.
        const QString longRow = RowText(kNine + 301, "C", 3, "");
        const QStringList shown = Shown(view);
        const auto held = std::find_if(shown.begin(), shown.end(),
                                       [&](const QString& r) { return r.startsWith(longRow); });
        const int row = held == shown.end() ? -1 : static_cast<int>(held - shown.begin());
        if (from != OpenedFrom::TypedTime) {
            QVERIFY(row >= 0);
            emit view->activated(view->model()->index(row, 0));
            QTRY_VERIFY(form.findChild<corvane::app::ContextView*>());
            const auto* context = form.findChild<corvane::app::ContextView*>();
            QCOMPARE(context->highlightedLineNumber(), 3);
            QVERIFY(context->problem().isEmpty());

            // Its menu opens the merged lines at the line right-clicked.
            auto* text = context->findChild<QPlainTextEdit*>("ContextText");
            const QTextBlock early = text->document()->findBlockByNumber(0);
            emit text->customContextMenuRequested(text->cursorRect(QTextCursor(early)).center());
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions().last()->trigger();
            menu->close();
            Settle(*merged);
            QVERIFY(current().startsWith(RowText(8 * 3600, "C", 1, "") + '|'));
        }

        // The time field jumps.
        merged->findChild<QLineEdit*>(MergedView::kTimeEditName)->setText("12:00");
        merged->findChild<QPushButton*>(MergedView::kGoButtonName)->click();
        Settle(*merged);
        QVERIFY(current().startsWith(RowText(12 * 3600, "C", 4, "") + '|'));
        QCOMPARE(Shown(view), Reference(lines, merged->firstSecond(), merged->lastSecond()));
    }
};

QTEST_MAIN(WindowMergedTest)
#include "tst_window_merged.moc"
