#include "ThrottledEventPump.h"

#include <QCoreApplication>

namespace corvane::app {

ThrottledEventPump::ThrottledEventPump(const bool& stopRequested, int intervalMs, int callsPerClockCheck)
    : stopRequested_(stopRequested)
{
    SetThrottle(intervalMs, callsPerClockCheck);
}

void ThrottledEventPump::SetThrottle(int intervalMs, int callsPerClockCheck)
{
    intervalMs_ = intervalMs < 0 ? 0 : intervalMs;
    callsPerClockCheck_ = callsPerClockCheck < 1 ? 1 : callsPerClockCheck;
    countdown_ = callsPerClockCheck_;
    clock_.start();
}

void ThrottledEventPump::CheckClock()
{
    countdown_ = callsPerClockCheck_;
    if (clock_.elapsed() < intervalMs_)
        return;
    ++pumps_;
    QCoreApplication::processEvents();
    // Measured from the end of the pump, so a slow handler does not make the next
    // call pump again straight away.
    clock_.start();
}

}  // namespace corvane::app
