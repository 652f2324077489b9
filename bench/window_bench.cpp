// Costs of the window's hot paths, on the offscreen platform:
//   - filling a full page of 1000 findings (showSelectedService, and ">" / "<" paging).
//   - an analysis run of the window over a given log, against which the command
//     line's `corvane-scan run` time can be set, and the longest time the window's
//     thread went without processing its events during that run.
//   - a click on a known error with a long log line;
//   - a search of every line of a day's logs, with the longest gap meanwhile;
//   - with 实时跟踪 checked, the time from the end of a run until a line appended to a
//     log right then shows in its row;
//   - 各服务同时段日志 after a run: from a time typed until the first rows show and
//     until the seconds around it are all read, and a scroll's read of the next
//     seconds, with the longest gap meanwhile.
//   - the time distribution of a service with many findings over a whole day: from
//     looking at its tab until the chart is drawn, first with the findings' times still
//     to be worked out, then from the stored times (another slot length, the bars split
//     by code, one-minute slots).
// Usage: QT_QPA_PLATFORM=offscreen window_bench [PAGE_FILLS]
//        QT_QPA_PLATFORM=offscreen window_bench scan PROGRAM_DIR LOG_DIR DAY [RUNS]
//        QT_QPA_PLATFORM=offscreen window_bench longline [BYTES]
//        QT_QPA_PLATFORM=offscreen window_bench search PROGRAM_DIR LOG_DIR DAY TEXT [RUNS]
//        QT_QPA_PLATFORM=offscreen window_bench follow PROGRAM_DIR LOG_DIR DAY LOG_FILE
//        QT_QPA_PLATFORM=offscreen window_bench merged PROGRAM_DIR LOG_DIR DAY HH:MM:SS [RUNS]
//        QT_QPA_PLATFORM=offscreen window_bench timeline [FINDINGS]

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "DesignNames.h"
#include "MainWindow.h"
#include "MergedLinesModel.h"
#include "MergedView.h"
#include "TimelineTab.h"
#include "WindowDialogs.h"

using corvane::app::MainWindow;

namespace {

// Runs the window's event loop until its run has ended, meanwhile noting how often
// the loop came round to a 1 ms timer and the longest time between two of its turns.
struct LoopWatch {
    long long turns = 0;
    double longestGapMs = 0;
};

LoopWatch WaitWhile(const std::function<bool()>& busy) {
    LoopWatch watch;
    QElapsedTimer sinceLast;
    sinceLast.start();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QEventLoop loop;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++watch.turns;
        watch.longestGapMs =
            std::max(watch.longestGapMs, static_cast<double>(sinceLast.nsecsElapsed()) / 1e6);
        sinceLast.start();
        if (!busy()) loop.quit();
    });
    tick.start();
    if (busy()) loop.exec();
    return watch;
}

LoopWatch WaitForRun(MainWindow& form) {
    return WaitWhile([&form] { return form.runInProgress(); });
}

// Answers every box at once, so nothing blocks.
class SilentDialogs final : public corvane::app::WindowDialogs {
public:
    void ShowMessage(std::string_view) override {}
    bool AskYesNo(std::string_view, std::string_view) override { return true; }
    void ShowError(const QString& text) override {
        std::fprintf(stderr, "error: %s\n", qPrintable(text));
    }
    std::optional<QString> ChooseDirectory(const QString&, const QString&) override {
        return std::nullopt;
    }
    void ShowDialog(QDialog&) override {}
    std::optional<corvane::app::SaveChoice> ChooseSaveFile(const QString&, const QString&,
                                                           const QString&) override {
        return std::nullopt;
    }
};

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A program directory with one service (code A, log prefix "Bench") and an empty log
// directory beside it, both under `root`; the caller writes ErrorList.ini and the log.
struct BenchDirs {
    QString program;
    QString logs;
};
BenchDirs MakeBenchDirs(const QTemporaryDir& root, QStringEncoder& gbk) {
    BenchDirs dirs{root.path() + "/program/", root.path() + "/logs"};
    QDir().mkpath(dirs.program);
    QDir().mkpath(dirs.logs);
    Write(dirs.program + "ServiceList.ini",
          gbk.encode(QStringLiteral("[SERVICELIST]\r\n1=A\r\n[SERVICE_A]\r\n服务名称=基准服务\r\n"
                                    "日志文件名称前缀=Bench\r\n")));
    return dirs;
}

// Codes 101 to 150 of service A, keywords KW101 to KW150.
void WriteBenchErrorList(const QString& program, QStringEncoder& gbk) {
    QByteArray errors = "[ERRORLIST]\r\n";
    for (int code = 101; code <= 150; ++code)
        errors += QByteArray::number(code - 100) + "=" + QByteArray::number(code) + "\r\n";
    for (int code = 101; code <= 150; ++code)
        errors += "[ERROR_" + QByteArray::number(code) + "]\r\n" +
                  gbk.encode(
                      QStringLiteral("所属服务代码=A\r\n错误名称=基准错误%1\r\n日志关键字=KW%1\r\n")
                          .arg(code));
    Write(program + "ErrorList.ini", errors);
}

void BenchPages(int fills) {
    QTemporaryDir root;
    QStringEncoder gbk("GB18030");
    const auto [program, logs] = MakeBenchDirs(root, gbk);
    WriteBenchErrorList(program, gbk);
    // 100,000 findings, half known (50 codes), half unknown, lines of about 120 bytes.
    QByteArray log;
    for (int i = 0; i < 100000; ++i) {
        log += "[10:" + QByteArray::number(10 + i % 50) + ":00.123] worker-" +
               QByteArray::number(i % 7);
        log += i % 2 == 0
                   ? " request KW" + QByteArray::number(101 + i % 50) + " while handling session"
                   : QByteArray(" request failed while handling session");
        log += " id=" + QByteArray::number(i) + gbk.encode(QStringLiteral(" 处理完成 ")) + "\r\n";
    }
    Write(logs + "/Bench20240101.log", log);

    SilentDialogs dialogs;
    MainWindow form(QFile::encodeName(program).toStdString(), &dialogs);
    form.show();
    QApplication::processEvents();
    form.findChild<QLineEdit*>(QLatin1String(corvane::app::design::kDirectoryEdit))->setText(logs);
    form.findChild<QListWidget*>(QLatin1String(corvane::app::design::kDayList))->setCurrentRow(0);
    QElapsedTimer runClock;
    runClock.start();
    form.startAnalysis();
    WaitForRun(form);
    std::printf("analysis run over %lld bytes: %.1f ms\n", static_cast<long long>(log.size()),
                static_cast<double>(runClock.nsecsElapsed()) / 1e6);
    auto* results = form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
    results->setCurrentItem(results->topLevelItem(0));

    std::vector<double> first, next;
    for (int i = 0; i < fills; ++i) {
        QElapsedTimer clock;
        clock.start();
        form.showSelectedService();
        first.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
        clock.start();
        form.showNextPage();
        next.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    std::printf(
        "page fill, 1000 findings (click):  median %.2f ms, min %.2f ms, max %.2f ms over %d "
        "fills\n",
        Median(first), *std::min_element(first.begin(), first.end()),
        *std::max_element(first.begin(), first.end()), fills);
    std::printf(
        "page fill, 1000 findings (\">\"):    median %.2f ms, min %.2f ms, max %.2f ms over %d "
        "fills\n",
        Median(next), *std::min_element(next.begin(), next.end()),
        *std::max_element(next.begin(), next.end()), fills);
}

// Times a click on a known error whose log line is `bytes` long: the explanation
// shows the whole line.
void BenchLongLine(long long bytes) {
    QTemporaryDir root;
    QStringEncoder gbk("GB18030");
    const auto [program, logs] = MakeBenchDirs(root, gbk);
    Write(program + "ErrorList.ini",
          gbk.encode(QStringLiteral("[ERRORLIST]\r\n1=101\r\n[ERROR_101]\r\n所属服务代码=A\r\n"
                                    "错误名称=基准错误\r\n日志关键字=KW101\r\n")));
    QByteArray line = "10:00:00.000 KW101 ";
    while (line.size() < bytes) line += gbk.encode(QStringLiteral("请求 ")) + "payload=abcdef ";
    Write(logs + "/Bench20240101.log", line + "\r\n");

    SilentDialogs dialogs;
    MainWindow form(QFile::encodeName(program).toStdString(), &dialogs);
    form.show();
    QApplication::processEvents();
    form.findChild<QLineEdit*>(QLatin1String(corvane::app::design::kDirectoryEdit))->setText(logs);
    form.findChild<QListWidget*>(QLatin1String(corvane::app::design::kDayList))->setCurrentRow(0);
    form.startAnalysis();
    WaitForRun(form);
    auto* results = form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
    results->setCurrentItem(results->topLevelItem(0));
    QApplication::processEvents();
    auto* known = form.findChild<QTreeView*>(QLatin1String(corvane::app::design::kKnownErrorList));
    QElapsedTimer clock;
    clock.start();
    known->setCurrentIndex(known->model()->index(0, 0));
    form.showSelectedError();
    const double shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QApplication::processEvents();  // the layout and the first paint
    std::printf("known error with a %lld-byte line: shown in %.1f ms, painted after %.1f ms\n",
                static_cast<long long>(line.size()), shown,
                static_cast<double>(clock.nsecsElapsed()) / 1e6);
}

// The program directory as the window takes it: bytes, ending in a separator.
std::string ProgramDirectory(QString programDir) {
    if (!programDir.endsWith('/')) programDir += '/';
    return QFile::encodeName(programDir).toStdString();
}

// Shows the window with LOG_DIR chosen and DAY selected in its day list.
void ShowOnDay(MainWindow& form, const QString& logDir, const QString& day) {
    form.show();
    QApplication::processEvents();
    form.findChild<QLineEdit*>(QLatin1String(corvane::app::design::kDirectoryEdit))
        ->setText(logDir);
    auto* days = form.findChild<QListWidget*>(QLatin1String(corvane::app::design::kDayList));
    for (int i = 0; i < days->count(); ++i)
        if (days->item(i)->text() == day) days->setCurrentRow(i);
}

// Times whole analysis runs of the window (every catalogue service checked) over
// LOG_DIR and DAY, the event pump at its normal throttle.
void BenchScan(const QString& programDir, const QString& logDir, const QString& day, int runs) {
    SilentDialogs dialogs;
    MainWindow form(ProgramDirectory(programDir), &dialogs);
    ShowOnDay(form, logDir, day);
    std::vector<double> times;
    double longestGap = 0;
    long long pumps = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        form.startAnalysis();
        const LoopWatch watch = WaitForRun(form);
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        longestGap = std::max(longestGap, watch.longestGapMs);
        pumps = watch.turns;
    }
    // The rows as the operator sees them: after every call that the scans queued.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    auto* results = form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
    for (int i = 0; i < results->topLevelItemCount(); ++i)
        std::printf("row %s\t%s\t%s\n", qPrintable(results->topLevelItem(i)->text(0)),
                    qPrintable(results->topLevelItem(i)->text(1)),
                    qPrintable(results->topLevelItem(i)->text(2)));
    std::printf(
        "window analysis run: median %.3f s over %d runs; events processed %lld times in the last "
        "run; "
        "longest gap between event processing %.1f ms\n",
        Median(times), runs, pumps, longestGap);
}

// A run with 实时跟踪 checked, the first row's findings shown, then a line that fails
// appended to LOG_FILE (one of the day's logs): the time from the run's end until the
// row of that log counts it.
void BenchFollow(const QString& programDir, const QString& logDir, const QString& day,
                 const QString& logFile) {
    SilentDialogs dialogs;
    MainWindow form(ProgramDirectory(programDir), &dialogs);
    ShowOnDay(form, logDir, day);
    form.findChild<QCheckBox*>(QLatin1String(corvane::app::design::kFollowBox))->setChecked(true);
    auto* results = form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
    const auto unknownTotal = [results] {
        long long total = 0;
        for (int i = 0; i < results->topLevelItemCount(); ++i)
            total += results->topLevelItem(i)->text(2).toLongLong();
        return total;
    };
    QElapsedTimer run;
    run.start();
    form.startAnalysis();
    WaitForRun(form);
    const double runSeconds = static_cast<double>(run.nsecsElapsed()) / 1e9;
    QApplication::processEvents();
    // The operator looks at the first row's findings while it is followed.
    results->setCurrentItem(results->topLevelItem(0));
    form.showSelectedService();
    const long long before = unknownTotal();
    QElapsedTimer clock;
    clock.start();
    QFile log(logFile);
    if (!log.open(QIODevice::Append)) return;
    log.write("appended after the run failed \n");
    log.close();
    const LoopWatch watch =
        WaitWhile([&] { return unknownTotal() == before && clock.elapsed() < 600000; });
    std::printf(
        "window run %.3f s; from its end to the appended line counted %.1f ms; longest gap "
        "between event processing meanwhile %.1f ms\n",
        runSeconds, static_cast<double>(clock.nsecsElapsed()) / 1e6, watch.longestGapMs);
}

// Times the search of every line of LOG_DIR's files for DAY (every catalogue service)
// for TEXT, with the longest time between two turns of the event loop meanwhile.
void BenchSearch(const QString& programDir, const QString& logDir, const QString& day,
                 const QString& text, int runs) {
    SilentDialogs dialogs;
    MainWindow form(ProgramDirectory(programDir), &dialogs);
    ShowOnDay(form, logDir, day);
    form.findChild<QLineEdit*>(QLatin1String(corvane::app::design::kSearchEdit))->setText(text);
    auto* start = form.findChild<QPushButton*>(QLatin1String(corvane::app::design::kSearchButton));
    auto* stop =
        form.findChild<QPushButton*>(QLatin1String(corvane::app::design::kSearchStopButton));
    std::vector<double> times;
    double longestGap = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        start->click();
        const LoopWatch watch = WaitWhile([stop] { return stop->isEnabled(); });
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        longestGap = std::max(longestGap, watch.longestGapMs);
    }
    QApplication::processEvents();
    std::printf(
        "%s\n",
        qPrintable(
            form.findChild<QLabel*>(QLatin1String(corvane::app::design::kSearchStatus))->text()));
    std::printf(
        "window search: median %.3f s over %d runs; longest gap between event "
        "processing %.1f ms; %d rows listed\n",
        Median(times), runs, longestGap,
        form.findChild<QAbstractItemView*>(QLatin1String(corvane::app::design::kSearchList))
            ->model()
            ->rowCount());
}

// Times the merged view over the services of a run over LOG_DIR and DAY: TIME typed
// into it, until its first rows show and until the seconds around TIME are all read.
// The first opening builds the logs' time indexes (unless the cache has them); the
// RUNS after it find them in the cache.
void BenchMerged(const QString& programDir, const QString& logDir, const QString& day,
                 const QString& time, int runs) {
    using corvane::app::MergedView;
    SilentDialogs dialogs;
    MainWindow form(ProgramDirectory(programDir), &dialogs);
    ShowOnDay(form, logDir, day);
    QElapsedTimer run;
    run.start();
    form.startAnalysis();
    WaitForRun(form);
    std::printf("window analysis run: %.3f s\n", static_cast<double>(run.nsecsElapsed()) / 1e9);
    QElapsedTimer shown;
    shown.start();
    form.showMergedLines();
    QApplication::processEvents();
    std::printf("merged view shown and first painted in %.1f ms\n",
                static_cast<double>(shown.nsecsElapsed()) / 1e6);
    auto* view = form.findChild<MergedView*>();
    auto* edit = view->findChild<QLineEdit*>(QLatin1String(MergedView::kTimeEditName));
    auto* go = view->findChild<QPushButton*>(QLatin1String(MergedView::kGoButtonName));
    struct Opening {
        double firstRows = 0;
        double complete = 0;
        double longestGap = 0;
    };
    const auto open = [&] {
        Opening opening;
        QElapsedTimer clock;
        clock.start();
        edit->setText(time);
        go->click();
        LoopWatch watch = WaitWhile([&] { return view->model().size() == 0 && view->loading(); });
        opening.firstRows = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        opening.longestGap = watch.longestGapMs;
        watch = WaitWhile([&] { return view->loading(); });
        opening.complete = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        opening.longestGap = std::max(opening.longestGap, watch.longestGapMs);
        return opening;
    };
    // What the machine itself costs the event loop: a second with nothing to do.
    QElapsedTimer idle;
    idle.start();
    const double idleGap = WaitWhile([&] { return idle.elapsed() < 1000; }).longestGapMs;
    std::printf("longest gap over an idle second: %.1f ms\n", idleGap);
    const Opening first = open();
    std::printf(
        "first opening (time indexes built or read): first rows after %.1f ms, all after %.1f "
        "ms; longest gap %.1f ms\n",
        first.firstRows, first.complete, first.longestGap);
    std::vector<double> firstRows, complete;
    double longestGap = 0;
    for (int i = 0; i < runs; ++i) {
        const Opening opening = open();
        firstRows.push_back(opening.firstRows);
        complete.push_back(opening.complete);
        longestGap = std::max(longestGap, opening.longestGap);
    }
    std::printf(
        "merged view at %s: first rows after median %.1f ms (max %.1f), all %d rows of the "
        "seconds around it after median %.1f ms, over %d openings; longest gap %.1f ms\n",
        qPrintable(time), Median(firstRows), *std::max_element(firstRows.begin(), firstRows.end()),
        view->model().size(), Median(complete), runs, longestGap);
    // A scroll to the end reads the next seconds.
    const int held = view->model().size();
    QElapsedTimer clock;
    clock.start();
    view->loadLater();
    const LoopWatch watch = WaitWhile([&] { return view->loading(); });
    std::printf("scroll down: %d more rows after %.1f ms; longest gap %.1f ms\n",
                view->model().size() - held, static_cast<double>(clock.nsecsElapsed()) / 1e6,
                watch.longestGapMs);
    std::printf("%s\n", qPrintable(view->status()));
}

// A log of FINDINGS findings spread evenly over the day (half known, of 50 codes, half
// unknown, every tenth a line without a time of its own), then the 时间分布 tab looked
// at: the time until its chart is drawn (the view rendered), first while the times are
// worked out, then from the stored times for each choice of the tab's controls.
void BenchTimeline(long long findings) {
    QTemporaryDir root;
    QStringEncoder gbk("GB18030");
    const auto [program, logs] = MakeBenchDirs(root, gbk);
    WriteBenchErrorList(program, gbk);
    QByteArray log;
    log.reserve(static_cast<qsizetype>(findings) * 56);
    char stamp[32];
    for (long long i = 0; i < findings; ++i) {
        const long long at = i * 86400 / findings;
        std::snprintf(stamp, sizeof stamp, "[%02lld:%02lld:%02lld.000] ", at / 3600, at / 60 % 60,
                      at % 60);
        if (i % 10 == 9)
            log += "    at ";
        else
            log += stamp;
        log += i % 2 == 0 ? "request KW" + QByteArray::number(101 + i / 2 % 50)
                          : QByteArray("request failed");
        log += " id=" + QByteArray::number(i) + "\n";
    }
    Write(logs + "/Bench20240101.log", log);

    SilentDialogs dialogs;
    MainWindow form(QFile::encodeName(program).toStdString(), &dialogs);
    form.resize(1200, 800);
    ShowOnDay(form, logs, QStringLiteral("20240101"));
    form.startAnalysis();
    WaitForRun(form);
    auto* results = form.findChild<QTreeWidget*>(QLatin1String(corvane::app::design::kResultList));
    results->setCurrentItem(results->topLevelItem(0));
    form.showSelectedService();
    QApplication::processEvents();
    std::printf("%lld findings, a %lld-byte log\n",
                static_cast<long long>(form.results()->at(0).stored->findings.size()),
                static_cast<long long>(log.size()));

    auto* timeline = form.findChild<corvane::app::TimelineTab*>();
    auto* tabs = form.findChild<QTabWidget*>(QLatin1String(corvane::app::design::kDetailTabs));
    auto* view = form.findChild<QWidget*>(QLatin1String(corvane::app::design::kTimelineChart));
    auto* slotCombo =
        form.findChild<QComboBox*>(QLatin1String(corvane::app::design::kTimelineSlotCombo));
    auto* codes =
        form.findChild<QCheckBox*>(QLatin1String(corvane::app::design::kTimelineCodesBox));
    auto* status = form.findChild<QLabel*>(QLatin1String(corvane::app::design::kTimelineStatus));
    const auto drawn = [&] {
        return !timeline->drawing() && !timeline->drawnSlots().empty() && status->text().isEmpty();
    };

    QElapsedTimer clock;
    clock.start();
    tabs->setCurrentWidget(
        form.findChild<QWidget*>(QLatin1String(corvane::app::design::kTimelineTab)));
    const LoopWatch watch = WaitWhile([&] { return !drawn(); });
    view->grab();
    std::printf(
        "chart drawn, times worked out first: %.1f ms (%zu bars of %d s; longest gap between "
        "event processing %.1f ms)\n",
        static_cast<double>(clock.nsecsElapsed()) / 1e6, timeline->drawnSlots().size(),
        timeline->slotSeconds(), watch.longestGapMs);

    const struct {
        const char* what;
        int slot;
        bool byCode;
    } choices[] = {{"1-hour slots", 7, false},
                   {"automatic slots", 0, false},
                   {"automatic slots by code", 0, true},
                   {"1-minute slots", 1, false},
                   {"1-minute slots by code", 1, true}};
    for (const auto& choice : choices) {
        std::vector<double> times;
        double longestGap = 0;
        for (int round = 0; round < 5; ++round) {
            // Everything but the slot length set first: the change measured draws once.
            codes->setChecked(choice.byCode);
            slotCombo->setCurrentIndex(choice.slot == 7 ? 6 : 7);
            WaitWhile([&] { return timeline->drawing(); });
            clock.start();
            slotCombo->setCurrentIndex(choice.slot);
            longestGap =
                std::max(longestGap, WaitWhile([&] { return timeline->drawing(); }).longestGapMs);
            view->grab();
            times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        }
        std::printf(
            "chart drawn from the stored times, %s: median %.1f ms (%zu bars; longest gap "
            "between event processing while counting %.1f ms)\n",
            choice.what, Median(times), timeline->drawnSlots().size(), longestGap);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 5 && args[1] == QLatin1String("scan")) {
        BenchScan(args[2], args[3], args[4], args.size() > 5 ? args[5].toInt() : 5);
        return 0;
    }
    if (args.size() >= 6 && args[1] == QLatin1String("search")) {
        BenchSearch(args[2], args[3], args[4], args[5], args.size() > 6 ? args[6].toInt() : 3);
        return 0;
    }
    if (args.size() >= 2 && args[1] == QLatin1String("longline")) {
        BenchLongLine(args.size() > 2 ? args[2].toLongLong() : 100000);
        return 0;
    }
    if (args.size() >= 6 && args[1] == QLatin1String("merged")) {
        BenchMerged(args[2], args[3], args[4], args[5], args.size() > 6 ? args[6].toInt() : 5);
        return 0;
    }
    if (args.size() >= 6 && args[1] == QLatin1String("follow")) {
        BenchFollow(args[2], args[3], args[4], args[5]);
        return 0;
    }
    if (args.size() >= 2 && args[1] == QLatin1String("timeline")) {
        BenchTimeline(args.size() > 2 ? args[2].toLongLong() : 1000000);
        return 0;
    }
    BenchPages(args.size() > 1 ? args[1].toInt() : 30);
    return 0;
}
