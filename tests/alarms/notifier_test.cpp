// Desktop notifications reach a notification server on a private session bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "alarms/desktop_notifier.h"

namespace {

// A notification server that records each Notify call and answers with ids 1, 2, …
class NotificationServer : public QDBusVirtualObject {
  public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& bus) override {
        if (m.member() != QLatin1String("Notify")) return false;
        calls << m.arguments();
        bus.send(m.createReply(QVariant::fromValue(uint(calls.size()))));
        return true;
    }
    QList<QVariantList> calls;
};

TEST(DesktopNotifier, PostsToTheServerAndReplacesTheAlarmsLastOne) {
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) GTEST_SKIP() << "dbus-daemon is not installed";
    QProcess bus;
    bus.start(daemon, {"--session", "--nofork", "--print-address"});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    {
        QDBusConnection server = QDBusConnection::connectToBus(address, "test-server");
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
        NotificationServer notifications;
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", &notifications));

        hx::alarms::DesktopNotifier notifier(address);
        notifier.Notify(0, "Sun Rise in 15 min (05:26 AM)");
        QTRY_COMPARE_WITH_TIMEOUT(notifications.calls.size(), 1, 5000);
        // The id comes back in the reply, which the notifier reads from the event loop; a
        // second firing of the same alarm is a minute or more later, so let the reply arrive.
        QTest::qWait(300);
        notifier.Notify(0, "Sun Rise 05:26 AM");
        QTRY_COMPARE_WITH_TIMEOUT(notifications.calls.size(), 2, 5000);
        const QVariantList& second = notifications.calls[1];
        ASSERT_EQ(second.size(), 8);
        EXPECT_EQ(second[1].toUInt(), 1u);  // replaces the first
        EXPECT_EQ(second[3].toString(), "Heliodex");
        EXPECT_EQ(second[4].toString(), "Sun Rise 05:26 AM");
        server.unregisterObject("/org/freedesktop/Notifications");
    }
    QDBusConnection::disconnectFromBus("test-server");
    bus.terminate();
    bus.waitForFinished(5000);
    // No bus at all: nothing to connect to, and posting is quietly nothing.
    hx::alarms::DesktopNotifier none("unix:path=/nonexistent/bus");
    EXPECT_FALSE(none.Connected());
    none.Notify(1, "Moon Set 10 min ago (01:42 AM)");
}

}  // namespace
