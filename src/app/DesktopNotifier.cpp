#include "DesktopNotifier.h"

#include "platform/LogCategories.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
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
    // Whether the service runs is left to the bus: asking first would block the window, and a
    // call to a missing service just comes back as an error nobody waits for.
    return QDBusConnection::sessionBus().isConnected();
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
    // Nobody waits for the answer, but a notification that was not shown is still noted.
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [](QDBusPendingCallWatcher *call) {
                         if (call->isError()) {
                             qCInfo(lcApp, "desktop notification not shown: %ls",
                                    qUtf16Printable(call->error().message()));
                         }
                         call->deleteLater();
                     });
}
