// A notification on the desktop, where the desktop has a notification service.
#pragma once

#include <QString>

namespace corvane::app {

// Sends the notification without waiting for an answer; where there is no session bus
// (or no service on it) nothing happens.
void NotifyDesktop(const QString& summary, const QString& body);

}  // namespace corvane::app
