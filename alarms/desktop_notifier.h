// Desktop notifications for fired alarms over the session bus (org.freedesktop.Notifications).
#pragma once

#include <map>

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace hx::alarms {

class DesktopNotifier {
  public:
    // Connects to the bus at busAddress, or to the session bus that DBUS_SESSION_BUS_ADDRESS
    // names when busAddress is empty. Without a bus nothing is posted, and nothing complains.
    explicit DesktopNotifier(const QString& busAddress = {});
    ~DesktopNotifier();

    bool Connected() const { return bus_.isConnected(); }
    // Posts summary "Heliodex" with the body and the application's icon, replacing the last
    // notification posted for the same key (one key per alarm). Returns at once; a server
    // that is missing or refuses is ignored.
    void Notify(int key, const QString& body);

  private:
    QDBusConnection bus_;
    QString connectionName_;
    std::map<int, uint> ids_;  // the server's id of each key's last notification
    QObject context_;          // ends the replies' handlers with the notifier
};

}  // namespace hx::alarms
