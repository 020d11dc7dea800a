// Notify calls without waiting: the reply's id is kept for the next replacement.
#include "desktop_notifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#include <QtGlobal>

namespace hx::alarms {

namespace {
QString NextConnectionName() {
    static int n = 0;
    return QStringLiteral("heliodex-notify-%1").arg(++n);
}
}  // namespace

DesktopNotifier::DesktopNotifier(const QString& busAddress)
    : bus_(QStringLiteral("none")), connectionName_(NextConnectionName()) {
    const QString address =
        busAddress.isEmpty() ? qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS") : busAddress;
    if (!address.isEmpty()) bus_ = QDBusConnection::connectToBus(address, connectionName_);
}

DesktopNotifier::~DesktopNotifier() {
    QDBusConnection::disconnectFromBus(connectionName_);
}

void DesktopNotifier::Notify(int key, const QString& body) {
    if (!bus_.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const auto known = ids_.find(key);
    call << QStringLiteral("Heliodex") << uint(known == ids_.end() ? 0 : known->second)
         << QStringLiteral("heliodex") << QStringLiteral("Heliodex") << body << QStringList()
         << QVariantMap() << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), &context_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                     [this, key](QDBusPendingCallWatcher* w) {
                         const QDBusPendingReply<uint> reply = *w;
                         if (!reply.isError()) ids_[key] = reply.value();
                         w->deleteLater();
                     });
}

}  // namespace hx::alarms
