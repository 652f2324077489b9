// The window's one way off its thread: a superseded work's results are dropped, a
// task's end joins a running work (even one waiting for room to post), and a work's
// posts arrive in order, never more of them waiting than it asked for.

#include <algorithm>
#include <atomic>
#include <functional>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <QtTest>

#include "BackgroundTask.h"

using corvane::StopToken;
using corvane::app::BackgroundTask;

namespace {

// Serves the window's events until `done` holds (or ten seconds have passed).
bool ServeUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return done();
}

}  // namespace

class WindowTaskTest : public QObject {
    Q_OBJECT

private slots:
    void aSupersededWorkShowsNothing() {
        std::vector<int> shown;
        std::vector<std::string> failures;
        BackgroundTask task([&](const std::string& message) { failures.push_back(message); });
        const auto show = [&](int& value) { shown.push_back(value); };
        // The first work answers after its stop, as a careless work would: dropped.
        task.start<int>(
            [](const StopToken& stop) -> std::optional<int> {
                while (!stop.stop_requested()) std::this_thread::yield();
                return 1;
            },
            show);
        task.start<int>([](const StopToken&) -> std::optional<int> { return 2; }, show);
        QVERIFY(ServeUntil([&] { return !task.pending(); }));
        QCOMPARE(shown, std::vector<int>{2});

        // A result posted before a cancel() is dropped when it arrives after it.
        std::atomic<bool> returned = false;
        task.start<int>(
            [&](const StopToken&) -> std::optional<int> {
                returned = true;
                return 3;
            },
            show);
        while (!returned) std::this_thread::yield();
        task.cancel();
        task.run([](const BackgroundTask::Poster&) { throw std::runtime_error("broken"); });
        QVERIFY(ServeUntil([&] { return !task.pending(); }));
        QCOMPARE(shown, std::vector<int>{2});
        QCOMPARE(failures, std::vector<std::string>{"broken"});
    }

    void theTasksEndJoinsAWorkStillRunning() {
        std::atomic<bool> ended = false;
        int arrived = 0;
        {
            BackgroundTask task(nullptr);
            // No events are served: the work soon waits for room, and only the stop
            // that the task's end requests lets it go.
            task.run([&](const BackgroundTask::Poster& poster) {
                while (poster.waitBelow(1)) poster.post([&] { ++arrived; });
                ended = true;
            });
            QTest::qSleep(20);
        }
        QVERIFY(ended);
        QCoreApplication::processEvents();
        QCOMPARE(arrived, 0);
    }

    void postsArriveInOrderAndFewAtATime() {
        constexpr int kPosts = 2000;
        BackgroundTask task(nullptr);
        std::atomic<int> posted = 0;
        std::vector<int> received;
        int mostWaiting = 0;
        bool ended = false;
        task.run(
            [&](const BackgroundTask::Poster& poster) {
                for (int i = 0; i < kPosts && poster.waitBelow(2); ++i) {
                    ++posted;
                    poster.post([&, i] {
                        received.push_back(i);
                        mostWaiting =
                            std::max(mostWaiting, posted - static_cast<int>(received.size()));
                    });
                }
            },
            [&] { ended = received.size() == kPosts; });
        QVERIFY(ServeUntil([&] { return !task.pending(); }));
        QVERIFY(ended);
        std::vector<int> expected(kPosts);
        std::iota(expected.begin(), expected.end(), 0);
        QCOMPARE(received, expected);
        QVERIFY(mostWaiting <= 2);
    }
};

QTEST_GUILESS_MAIN(WindowTaskTest)
#include "tst_window_task.moc"
