// The event pump the long loops (scan, page fill) call before each line or finding.
//
// Pumping on every call would cost a scan most of its speed, so a call is normally
// just a counter decrement; every `callsPerClockCheck` calls the clock is read, and
// pending events are processed only when `intervalMs` have passed since the last
// time.  The scanner calls once per block of about a megabyte and once per line
// that holds a pattern, so the clock is read every few calls: a block takes well
// under a millisecond, and even a log where every line matches pays only a clock
// read per eight lines.  That keeps repaints, the busy refusal and check-mark changes flowing at
// about 100 Hz while the loop runs at full speed.
#pragma once

#include <QElapsedTimer>

#include "scan/Host.h"

namespace corvane::app {

class ThrottledEventPump final : public EventPump {
public:
    static constexpr int kDefaultIntervalMs = 10;
    static constexpr int kDefaultCallsPerClockCheck = 8;

    explicit ThrottledEventPump(int intervalMs = kDefaultIntervalMs,
                                int callsPerClockCheck = kDefaultCallsPerClockCheck);

    void ProcessEvents() override {
        if (--countdown_ > 0) return;
        CheckClock();
    }

    void ProcessEventsWhileWaiting() override { CheckClock(); }

    // Tests pump on every call (0, 1) so that events they post arrive at the
    // first line or finding.  Also restarts the statistics below.
    void SetThrottle(int intervalMs, int callsPerClockCheck);

    // How many times events were really processed, and the longest time between
    // two of them (or since the throttle was set), for the benchmark.
    long long PumpCount() const { return pumps_; }
    double LongestGapMs() const { return static_cast<double>(longestGapNs_) / 1e6; }

private:
    void CheckClock();

    int intervalMs_;
    int callsPerClockCheck_;
    int countdown_;
    long long pumps_ = 0;
    qint64 longestGapNs_ = 0;
    QElapsedTimer clock_;
};

}  // namespace corvane::app
