// A notification server on a private session bus, for tests of desktop notifications.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace hx::test {

// A notification server that records each Notify call and answers with ids 1, 2, …
class NotificationServer : public QDBusVirtualObject {
  public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        if (m.member() == QLatin1String("GetCapabilities") && !capabilities.isEmpty()) {
            bus.send(m.createReply(QVariant(capabilities)));
            return true;
        }
        if (m.member() != QLatin1String("Notify")) return false;
        calls << m.arguments();
        bus.send(m.createReply(QVariant::fromValue(uint(calls.size()))));
        return true;
    }
    QList<QVariantList> calls;
    QStringList capabilities;  // none: the call fails, as with an older server
};

// A private session bus for the test's server and notifier.
class PrivateBus {
  public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty()) return;
        bus_.start(daemon, {"--session", "--nofork", "--print-address"});
        if (bus_.waitForReadyRead(5000)) address_ = QString::fromUtf8(bus_.readLine()).trimmed();
    }
    ~PrivateBus() {
        bus_.terminate();
        bus_.waitForFinished(5000);
    }
    const QString& Address() const { return address_; }

  private:
    QProcess bus_;
    QString address_;
};

}  // namespace hx::test
