// Desktop notifications reach a notification server on a private session bus.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <QFile>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cstring>

#include "alarms/desktop_notifier.h"
#include "alarms/session_bus.h"
#include "alarms/snooze.h"
#include "tests/support/notification_server.h"

namespace {

using hx::test::NotificationServer;
using hx::test::PrivateBus;

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
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 1; }, 5000));
        // The id comes back in the reply, which the notifier reads from the event loop; a
        // second firing of the same alarm is a minute or more later, so let the reply arrive.
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.Idle(); }, 5000));
        notifier.Notify(0, "Sun Rise 05:26 AM");
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 2; }, 5000));
        EXPECT_FALSE(notifier.NoServer());  // it refused GetCapabilities, and is there
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

// A socket that takes connections and never answers them: a stalled session bus.
class SilentBus {
  public:
    SilentBus() {
        sockaddr_un sa = {};
        sa.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(dir_.filePath("bus"));
        std::strncpy(sa.sun_path, path.constData(), sizeof sa.sun_path - 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        listening_ =
            ::bind(fd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0 && ::listen(fd_, 16) == 0;
        address_ = "unix:path=" + QString::fromLocal8Bit(path);
    }
    ~SilentBus() { ::close(fd_); }
    bool Listening() const { return listening_; }
    const QString& Address() const { return address_; }

  private:
    QTemporaryDir dir_;
    int fd_ = -1;
    bool listening_ = false;
    QString address_;
};

// A bus that never answers counts as none once the bound has passed; one that is not there
// at once. What was asked for meanwhile goes to the fallback, and nothing waited for it.
TEST(DesktopNotifier, ASilentOrMissingBusHandsTheNotificationsBack) {
    SilentBus silent;
    ASSERT_TRUE(silent.Listening());
    EXPECT_FALSE(hx::alarms::BusAnswers(silent.Address(), 200));
    EXPECT_TRUE(hx::alarms::BusAnswers("autolaunch:", 200));  // not probed: left to libdbus
    for (const QString& address : {silent.Address(), QString("unix:path=/nonexistent/bus")}) {
        SCOPED_TRACE(address.toStdString());
        QStringList unposted;
        hx::alarms::DesktopNotifier notifier(address,
                                             [&](const QString& body) { unposted << body; });
        EXPECT_TRUE(notifier.Connecting());
        notifier.Notify(3, "Moon Set 01:42 AM");
        EXPECT_TRUE(unposted.isEmpty());
        ASSERT_TRUE(QTest::qWaitFor([&] { return unposted == QStringList{"Moon Set 01:42 AM"}; },
                                    hx::alarms::DesktopNotifier::kBusWaitMs + 1000));
        EXPECT_FALSE(notifier.Connected());
        notifier.Notify(3, "Moon Set 01:43 AM");
        EXPECT_EQ(unposted.size(), 2);
    }
    // Given up while it still waits on the bus: the notifier ends at once.
    auto connecting = std::make_unique<hx::alarms::DesktopNotifier>(silent.Address());
    EXPECT_TRUE(connecting->Connecting());
    connecting.reset();
}

// A server that shows actions gets the three; the one the user invokes comes back with the
// alarm's key, and the snoozed alarm's second notification replaces the first.
TEST(DesktopNotifier, OffersSnoozeActionsAndReportsTheInvokedOne) {
    PrivateBus bus;
    if (bus.Address().isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    {
        QDBusConnection server = QDBusConnection::connectToBus(bus.Address(), "action-server");
        ASSERT_TRUE(server.registerService("org.freedesktop.Notifications"));
        NotificationServer notifications;
        notifications.capabilities = {"body", "actions"};
        ASSERT_TRUE(server.registerVirtualObject("/org/freedesktop/Notifications", &notifications));

        hx::alarms::DesktopNotifier notifier(bus.Address());
        hx::alarms::SnoozeList snoozes;
        const hx::Moment now = hx::EncodeDateTime(2026, 12, 10, 6, 45);
        notifier.OnAction([&](int key, const QString& action) {
            snoozes.Snooze(key, "Sun Rise 06:45 AM", {}, hx::alarms::SnoozeMinutes(action), now);
        });
        notifier.Notify(2, "Sun Rise 06:45 AM");
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 1; }, 5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifier.Idle(); }, 5000));
        EXPECT_TRUE(notifier.ActionsSupported());
        EXPECT_FALSE(notifier.NoServer());
        EXPECT_EQ(notifications.calls[0][5].toStringList(), hx::alarms::NotificationActions());

        QDBusMessage invoked = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        invoked << uint(1) << QString("snooze-5");
        ASSERT_TRUE(server.send(invoked));
        ASSERT_TRUE(QTest::qWaitFor([&] { return snoozes.Waiting().size() == size_t(1); }, 5000));
        EXPECT_TRUE(snoozes.TakeDue(now + 4.0 / 1440).empty());
        const auto due = snoozes.TakeDue(now + 5.0 / 1440);
        ASSERT_EQ(due.size(), 1u);
        notifier.Notify(due[0].key, due[0].body);
        ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.calls.size() == 2; }, 5000));
        EXPECT_EQ(notifications.calls[1][1].toUInt(), 1u);  // replaces the first
        server.unregisterObject("/org/freedesktop/Notifications");
    }
    QDBusConnection::disconnectFromBus("action-server");
}

// No server on the bus, or no bus: the notifier says so once, without a blocking call, and
// no action is offered.
TEST(DesktopNotifier, SaysWhenNoServerTakesNotifications) {
    PrivateBus bus;
    if (bus.Address().isEmpty()) GTEST_SKIP() << "no dbus-daemon";
    for (const QString& address : {bus.Address(), QString("unix:path=/nonexistent/bus")}) {
        SCOPED_TRACE(address.toStdString());
        int missing = 0;
        QStringList unposted;
        hx::alarms::DesktopNotifier notifier(address,
                                             [&](const QString& body) { unposted << body; });
        notifier.OnNoServer([&] { ++missing; });
        EXPECT_EQ(missing, 0);
        notifier.Notify(1, "Full Moon 10:02 PM");
        ASSERT_TRUE(QTest::qWaitFor([&] { return missing == 1; },
                                    hx::alarms::DesktopNotifier::kBusWaitMs + 3000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return unposted.size() == 1; }, 5000));
        EXPECT_TRUE(notifier.NoServer());
        EXPECT_FALSE(notifier.ActionsSupported());
        int later = 0;
        notifier.OnNoServer([&] { ++later; });  // known already: told at once
        EXPECT_EQ(later, 1);
    }
}

}  // namespace
