#include "DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// Urgency hint: 1 normal, 2 critical (a failure stays until the operator sees it).
constexpr uchar kNormal = 1;
constexpr uchar kCritical = 2;
constexpr int kServerDefaultTimeout = -1;
} // namespace

DesktopNotifier::DesktopNotifier(const QString &applicationName)
    : m_applicationName(applicationName)
{}

bool DesktopNotifier::isAvailable() const
{
    // Without an address in the environment the bus library would try to start a bus of its
    // own; a desktop session always sets it.
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface() &&
           bus.interface()->isServiceRegistered(kService).value();
}

void DesktopNotifier::notify(const QString &summary, const QString &body, bool failure) const
{
    if (!isAvailable())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(failure ? kCritical : kNormal));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("firmware-uploader"));
    call << m_applicationName << uint(0) << QStringLiteral("firmware-uploader") << summary << body
         << QStringList() << hints << kServerDefaultTimeout;
    QDBusConnection::sessionBus().asyncCall(call);
}
