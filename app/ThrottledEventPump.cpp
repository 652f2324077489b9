#include "ThrottledEventPump.h"

#include <algorithm>

#include <QCoreApplication>

namespace corvane::app {

ThrottledEventPump::ThrottledEventPump(int intervalMs, int callsPerClockCheck) {
    SetThrottle(intervalMs, callsPerClockCheck);
}

void ThrottledEventPump::SetThrottle(int intervalMs, int callsPerClockCheck) {
    intervalMs_ = intervalMs < 0 ? 0 : intervalMs;
    callsPerClockCheck_ = callsPerClockCheck < 1 ? 1 : callsPerClockCheck;
    countdown_ = callsPerClockCheck_;
    pumps_ = 0;
    longestGapNs_ = 0;
    clock_.start();
}

void ThrottledEventPump::CheckClock() {
    countdown_ = callsPerClockCheck_;
    const qint64 sinceLastNs = clock_.nsecsElapsed();
    if (sinceLastNs < static_cast<qint64>(intervalMs_) * 1000000) return;
    longestGapNs_ = std::max(longestGapNs_, sinceLastNs);
    ++pumps_;
    QCoreApplication::processEvents();
    // Measured from the end of the pump, so a slow handler does not make the next
    // call pump again straight away.
    clock_.start();
}

}  // namespace corvane::app
