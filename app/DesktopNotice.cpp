// The desktop's notification service (org.freedesktop.Notifications) over D-Bus.
#include "DesktopNotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace corvane::app {

void NotifyDesktop(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Application, id to replace (none), icon, summary, body, actions, hints, timeout
    // (the server's own).
    call << QStringLiteral("Corvane日志分析器") << 0u << QString() << summary << body
         << QStringList() << QVariantMap() << -1;
    bus.call(call, QDBus::NoBlock);
}

}  // namespace corvane::app
