// The findings over the day: the time distribution counts what `corvane-scan timeline`
// counts for the same day and shows a slot's first finding on a click, 转到时间 shows
// the first finding at or after a time, and the per-code summary counts each code and
// limits the known-error list to one.  The chart grows while the file is followed.

#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QTextBlock>

#include "CoreFakes.h"
#include "RowData.h"
#include "TimelineTab.h"
#include "WindowTestSupport.h"
#include "scan/FindingText.h"
#include "scan/LogFile.h"
#include "scan/Scanner.h"
#include "timeline/FindingTimes.h"
#include "timeline/TimeSlots.h"

using namespace wintest;
using corvane::DayTime;
using corvane::FindingList;
using corvane::app::TimelineTab;

namespace {

QByteArray Clock(int seconds) { return QByteArray::fromStdString(corvane::ClockText(seconds)); }

// 2,000 findings over 08:00 to about 10:46 (2-minute slots fit it): codes 101 and 102
// and unknown ones, some written a little out of order, each fifth a continuation line
// without a time that takes the heartbeat's before it; two findings before any time.
QByteArray TauLog() {
    QByteArray log = "KWB before any time\n  KWA still none\n";
    for (int i = 0; i < 1998; ++i) {
        const int at = 8 * 3600 + i * 5 - (i % 7 == 3 ? 40 : 0);
        const QByteArray stamp = "[" + Clock(at) + ".000] ";
        switch (i % 5) {
            case 0:
            case 1:
                log += stamp + "KWA item " + QByteArray::number(i) + "\n";
                break;
            case 2:
                log += stamp + "KWB item " + QByteArray::number(i) + "\n";
                break;
            case 3:
                log += stamp + "step " + QByteArray::number(i) + " failed here\n";
                break;
            default:
                log += "[" + Clock(at + 2) + ".000] heartbeat\n    at KWA frame " +
                       QByteArray::number(i) + "\n";
        }
    }
    return log;
}

struct TimelineWindow {
    TestDirs dirs;
    FakeDialogs dialogs;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<Controls> c;
    TimelineTab* timeline = nullptr;

    TimelineWindow() {
        dirs.WriteProgramFile("ServiceList.ini",
                              ServiceListIni({{"A", "甲服务", "Tau"}, {"B", "乙服务", "Phi"}}));
        dirs.WriteProgramFile("ErrorList.ini", TwoCodesErrorListIni());
        dirs.WriteLog("Tau20240102.log", TauLog());
        dirs.WriteLog("Phi20240102.log",
                      "[09:00:00.000] send failed\n[12:30:00.000] send failed again\n");
        form = std::make_unique<MainWindow>(dirs.ProgramDir(), &dialogs);
        c = std::make_unique<Controls>(*form);
        timeline = form->findChild<TimelineTab*>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get())) qWarning("window not exposed");
        c->ChooseDay(dirs.LogDir(), QStringLiteral("20240102"));
        Analyse(*form);
        Controls::ClickRow(c->resultList, 0);
    }

    std::string LogPath(const char* name) const {
        return QFile::encodeName(dirs.LogDir() + "/" + name).toStdString();
    }
    // The core's findings and times of a log, from a scan of its own.
    std::pair<FindingList, std::vector<DayTime>> Reference(const char* name) const {
        corvane::NullProgressSink sink;
        corvane::ScanOptions options;
        options.programDir = dirs.ProgramDir();
        const corvane::ScanResult scan =
            corvane::ScanLogFile("A", LogPath(name), *form->catalogue(), sink, {}, options);
        corvane::LogFile file;
        if (!file.Open(LogPath(name))) qFatal("cannot open the log");
        std::vector<DayTime> times;
        corvane::ExtendFindingTimes(file, scan.findings, times);
        return {scan.findings, times};
    }
    void ShowTab(const char* name) const {
        c->detailTabs->setCurrentWidget(Controls::Find<QWidget>(*form, name));
    }
    // The position of the finding selected in the tab in front, or -1.
    long long Selected() const {
        if (c->detailTabs->currentIndex() == 0) {
            const QModelIndexList rows = c->knownErrorList->selectionModel()->selectedRows();
            return rows.isEmpty() ? -1
                                  : rows.first().data(corvane::app::kRolePosition).toLongLong();
        }
        const QString line = c->unknownErrorText->textCursor().block().text();
        const FindingList& list = form->results()->at(0).stored->findings;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].Code() == corvane::kUnknownCode &&
                corvane::app::FromGbkLine(corvane::LogLine(list[i].text)) == line)
                return static_cast<long long>(i);
        return -1;
    }
    QString PageBar() const { return c->pageNumberLabel->text() + '/' + c->pageCountLabel->text(); }
    QString Status() const { return Controls::Find<QLabel>(*form, design::kFindStatus)->text(); }
};

// What `corvane-scan timeline` prints for the service A of the window's day with slots
// of `minutes`, and the same lines of the chart's slots that hold findings.
QStringList CommandLineSlots(const TimelineWindow& w, int minutes) {
    QProcess scan;
    scan.start(
        QStringLiteral(CORVANE_SCAN_EXE),
        {"timeline", "--program-dir", QFile::decodeName(w.dirs.ProgramDir().c_str()), "--services",
         "A", "--minutes", QString::number(minutes), w.dirs.LogDir(), "20240102"});
    if (!scan.waitForFinished(60000) || scan.exitCode() != 0) qWarning("corvane-scan failed");
    return QString::fromUtf8(scan.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QStringList ChartSlots(const TimelineTab& timeline) {
    QStringList lines;
    for (const corvane::TimeSlot& slot : timeline.drawnSlots())
        if (slot.known + slot.unknown > 0)
            lines << QStringLiteral("A\t%1\t%2\t%3")
                         .arg(QString::fromStdString(corvane::MinuteText(slot.start)))
                         .arg(slot.known)
                         .arg(slot.unknown);
    return lines;
}

// The slots that hold findings, as CountSlots gives them.
std::vector<corvane::TimeSlot> Held(const std::vector<corvane::TimeSlot>& drawn) {
    std::vector<corvane::TimeSlot> held;
    for (const corvane::TimeSlot& slot : drawn)
        if (slot.known + slot.unknown > 0) held.push_back(slot);
    return held;
}

}  // namespace

class WindowTimelineTest : public QObject {
    Q_OBJECT

private slots:
    void theChartCountsWhatTheCommandLineCounts() {
        TimelineWindow w;
        const auto [findings, times] = w.Reference("Tau20240102.log");
        QCOMPARE(findings.size(), std::size_t{2000});
        w.ShowTab(design::kTimelineTab);
        auto* slotCombo = Controls::Find<QComboBox>(*w.form, design::kTimelineSlotCombo);
        auto* codes = Controls::Find<QCheckBox>(*w.form, design::kTimelineCodesBox);
        auto* overlay = Controls::Find<QCheckBox>(*w.form, design::kTimelineOverlayBox);
        const struct {
            int choice;  // 0: 自动
            bool byCode, overlaid;
            DayTime slot;
            QStringList series;
        } cases[] = {
            {0, false, false, 120, {"已知错误", "未知错误"}},
            {1, true, false, 60, {"101 连接错误", "102 超时", "未知错误"}},
            {7, false, true, 3600, {"已知错误", "未知错误", "甲服务", "乙服务"}},
        };
        for (const auto& one : cases) {
            slotCombo->setCurrentIndex(one.choice);
            codes->setChecked(one.byCode);
            overlay->setChecked(one.overlaid);
            QTRY_VERIFY(!w.timeline->drawing() && !w.timeline->drawnSlots().empty() &&
                        w.timeline->seriesNames().size() == one.series.size());
            QCOMPARE(w.timeline->slotSeconds(), one.slot);
            QCOMPARE(w.timeline->seriesNames(), one.series);
            // The command line's counts; the codes of each slot as the core counts them.
            QCOMPARE(ChartSlots(*w.timeline), CommandLineSlots(w, one.slot / 60));
            QVERIFY(Held(w.timeline->drawnSlots()) ==
                    corvane::CountSlots(findings, times, one.slot, one.byCode));
            // One bar per slot of the span, those without findings too.
            const auto& drawn = w.timeline->drawnSlots();
            for (std::size_t i = 2; i < drawn.size(); ++i)
                QCOMPARE(drawn[i].start - drawn[i - 1].start, one.slot);
            QCOMPARE(drawn.front().start, corvane::kNoTime);
        }
        const corvane::TimeSlot& first = w.timeline->drawnSlots()[1];
        QCOMPARE(w.timeline->slotText(1), QStringLiteral("07:00–08:00：已知错误 %1，未知错误 %2")
                                              .arg(first.known)
                                              .arg(first.unknown));
    }

    void aClickOnASlotShowsItsFirstFinding() {
        TimelineWindow w;
        const auto [findings, times] = w.Reference("Tau20240102.log");
        w.ShowTab(design::kTimelineTab);
        QTRY_VERIFY(!w.timeline->drawing() && !w.timeline->drawnSlots().empty());
        const auto& drawn = w.timeline->drawnSlots();
        // The untimed slot, the first timed one, one of the second page, the last.
        for (const std::size_t index :
             {std::size_t{0}, std::size_t{1}, std::size_t{50}, drawn.size() - 1}) {
            const DayTime start = drawn[index].start;
            const std::size_t expected =
                start == corvane::kNoTime ? 0 : corvane::FirstFindingAtOrAfter(times, start);
            w.ShowTab(design::kTimelineTab);
            w.timeline->clickSlot(static_cast<int>(index));
            QCOMPARE(w.PageBar(), QStringLiteral("%1/2").arg(expected / 1000 + 1));
            QCOMPARE(w.Selected(), static_cast<long long>(expected));
            const bool known = findings[expected].Code() != corvane::kUnknownCode;
            QCOMPARE(w.c->detailTabs->currentIndex(), known ? 0 : 1);
            if (known)
                QVERIFY(w.c->explanationText->toPlainText().contains(
                    corvane::app::FromGbkLine(corvane::LogLine(findings[expected].text))));
        }
    }

    void goToTimeShowsTheFirstFindingAtOrAfterIt() {
        TimelineWindow w;
        const auto [findings, times] = w.Reference("Tau20240102.log");
        auto* edit = Controls::Find<QLineEdit>(*w.form, design::kGoToTimeEdit);
        auto* go = w.form->findChild<QAction*>(QLatin1String(design::kGoToTimeAction));
        const struct {
            QString typed;
            QString status;  // empty: the finding at or after the time is shown
        } cases[] = {
            {"8:00", ""},
            {"09:30:07", ""},
            {"10:46:10", ""},
            {"23:59", "23:59:00 及以后没有错误"},
            {"25:00", "时间应写作 HH:MM 或 HH:MM:SS"},
            {"9点", "时间应写作 HH:MM 或 HH:MM:SS"},
        };
        for (const auto& one : cases) {
            edit->setText(one.typed);
            go->trigger();
            QTRY_VERIFY(w.Status() != QStringLiteral("正在计算各错误的时间…"));
            QCOMPARE(w.Status(), one.status);
            if (!one.status.isEmpty()) continue;
            const auto time = corvane::ParseClock(one.typed.toStdString());
            QVERIFY(time.has_value());
            const std::size_t expected = corvane::FirstFindingAtOrAfter(times, *time);
            QVERIFY(expected < findings.size());
            QCOMPARE(w.Selected(), static_cast<long long>(expected));
        }
    }

    void theSummaryCountsEachCodeAndLimitsTheKnownList() {
        TimelineWindow w;
        const auto [findings, times] = w.Reference("Tau20240102.log");
        const std::vector<corvane::CodeSpan> spans = corvane::SummariseCodes(findings, times);
        w.ShowTab(design::kCodeSummaryTab);
        auto* list = Controls::Find<QTreeWidget>(*w.form, design::kCodeSummaryList);
        auto* status = Controls::Find<QLabel>(*w.form, design::kCodeSummaryStatus);
        QTRY_COMPARE(status->text(), QStringLiteral("3 种错误码"));
        // Sorted by count, most first; the same rows by code.
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("101"));
        list->sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(spans.size()));
        for (std::size_t i = 0; i < spans.size(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(static_cast<int>(i));
            QCOMPARE(row->text(0).toStdString(), spans[i].code);
            QCOMPARE(row->text(2).toLongLong(), spans[i].count);
            QCOMPARE(row->text(3).toStdString(), corvane::ClockText(spans[i].first));
            QCOMPARE(row->text(4).toStdString(), corvane::ClockText(spans[i].last));
        }

        const auto knownOnPageOne =
            std::count_if(findings.begin(), findings.begin() + 1000,
                          [](const auto& f) { return f.Code() != corvane::kUnknownCode; });
        // 101: 1,200 findings, two pages of its own; clicking it again shows all.
        auto* bar = Controls::Find<QWidget>(*w.form, design::kCodeFilterBar);
        const auto codeOfRows = [&] {
            QSet<QString> codes;
            for (int i = 0; i < Controls::RowCount(w.c->knownErrorList); ++i)
                codes << Controls::Cell(w.c->knownErrorList, i, 2);
            return codes;
        };
        for (int round = 0; round < 2; ++round) {
            Controls::ClickRow(list, 0);
            QVERIFY(bar->isVisible());
            QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
            QCOMPARE(Controls::RowCount(w.c->knownErrorList), 1000);
            QCOMPARE(codeOfRows(), QSet<QString>{"101"});
            w.c->nextPageButton->click();
            QCOMPARE(Controls::RowCount(w.c->knownErrorList), 200);
            QCOMPARE(codeOfRows(), QSet<QString>{"101"});
            QCOMPARE(w.c->KnownTab(), QStringLiteral("已知错误[200]"));
            if (round == 0) {
                w.ShowTab(design::kCodeSummaryTab);
                Controls::ClickRow(list, 0);
            } else {
                Controls::Find<QPushButton>(*w.form, design::kCodeFilterShowAll)->click();
            }
            QVERIFY(!bar->isVisible());
            QCOMPARE(w.PageBar(), QStringLiteral("1/2"));
            QCOMPARE(w.c->KnownTab(), QStringLiteral("已知错误[%1]").arg(knownOnPageOne));
            w.ShowTab(design::kCodeSummaryTab);
        }

        // A finding of another code shown by its time lets the limit go.
        Controls::ClickRow(list, 1);
        QVERIFY(bar->isVisible());
        Controls::Find<QLineEdit>(*w.form, design::kGoToTimeEdit)->setText("08:00:15");
        w.form->goToTime();
        QVERIFY(!bar->isVisible());
        QCOMPARE(w.Selected(),
                 static_cast<long long>(corvane::FirstFindingAtOrAfter(times, 8 * 3600 + 15)));
    }

    void theChartGrowsWhileTheFileIsFollowed() {
        TimelineWindow w;
        Controls::Find<QCheckBox>(*w.form, design::kFollowBox)->setChecked(true);
        w.ShowTab(design::kTimelineTab);
        QTRY_VERIFY(!w.timeline->drawing() && !w.timeline->drawnSlots().empty());
        QFile log(w.dirs.LogDir() + "/Tau20240102.log");
        QVERIFY(log.open(QIODevice::Append));
        log.write("[13:00:00.000] KWA late\n    at KWB late\n");
        log.close();
        QTRY_VERIFY_WITH_TIMEOUT(
            !w.timeline->drawnSlots().empty() && w.timeline->drawnSlots().back().start == 13 * 3600,
            30000);
        const auto [findings, times] = w.Reference("Tau20240102.log");
        QVERIFY(Held(w.timeline->drawnSlots()) ==
                corvane::CountSlots(findings, times, w.timeline->slotSeconds(), false));
    }
};

QTEST_MAIN(WindowTimelineTest)
#include "tst_window_timeline.moc"
