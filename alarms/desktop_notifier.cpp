// The bus is probed and connected on a thread; Notify calls without waiting, with a bound on
// the answer, and the reply's id is kept for the next replacement.
#include "desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMetaObject>
#include <QStringList>
#include <QVariantMap>

#include <fcntl.h>
#include <unistd.h>

#include "session_bus.h"

namespace hx::alarms {

namespace {
QString NextConnectionName() {
    static int n = 0;
    return QStringLiteral("heliodex-notify-%1").arg(++n);
}
}  // namespace

DesktopNotifier::DesktopNotifier(const QString& busAddress, Unposted unposted)
    : connectionName_(NextConnectionName()), unposted_(std::move(unposted)) {
    const QString address = busAddress.isEmpty() ? SessionBusAddress() : busAddress;
    if (!address.isEmpty()) Connect(address);
}

void DesktopNotifier::Connect(const QString& address) {
    if (::pipe2(cancel_, O_CLOEXEC) != 0) return;
    state_ = State::Connecting;
    // The probe ends by kBusWaitMs; this bounds a bus that authenticates and then stalls.
    giveUp_.setSingleShot(true);
    QObject::connect(&giveUp_, &QTimer::timeout, &context_, [this] { Reached(false); });
    giveUp_.start(kBusWaitMs + 500);
    connecting_ = std::thread([this, address, name = connectionName_, cancel = cancel_[0]] {
        bool connected = BusAnswers(address, kBusWaitMs, cancel) &&
                         QDBusConnection::connectToBus(address, name).isConnected();
        QMetaObject::invokeMethod(
            &context_, [this, connected] { Reached(connected); }, Qt::QueuedConnection);
    });
}

DesktopNotifier::~DesktopNotifier() {
    if (connecting_.joinable()) {
        [[maybe_unused]] const ssize_t n = ::write(cancel_[1], "x", 1);
        connecting_.join();
    }
    for (int fd : cancel_)
        if (fd >= 0) ::close(fd);
    QDBusConnection::disconnectFromBus(connectionName_);
}

void DesktopNotifier::Reached(bool connected) {
    if (state_ != State::Connecting) return;
    giveUp_.stop();
    state_ = connected ? State::Connected : State::NoBus;
    std::vector<std::pair<int, QString>> waiting;
    waiting.swap(waiting_);
    for (const auto& [key, body] : waiting) Notify(key, body);
}

void DesktopNotifier::Notify(int key, const QString& body) {
    switch (state_) {
        case State::Connecting:
            waiting_.emplace_back(key, body);
            return;
        case State::NoBus:
            if (unposted_) unposted_(body);
            return;
        case State::Connected:
            Post(key, body);
            return;
    }
}

void DesktopNotifier::Post(int key, const QString& body) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const auto known = ids_.find(key);
    call << QStringLiteral("Heliodex") << uint(known == ids_.end() ? 0 : known->second)
         << QStringLiteral("heliodex") << QStringLiteral("Heliodex") << body << QStringList()
         << QVariantMap() << int(-1);
    const QDBusConnection bus(connectionName_);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kBusWaitMs), &context_);
    ++calls_;
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &context_,
                     [this, key, body](QDBusPendingCallWatcher* w) {
                         --calls_;
                         const QDBusPendingReply<uint> reply = *w;
                         if (!reply.isError())
                             ids_[key] = reply.value();
                         else if (unposted_)
                             unposted_(body);
                         w->deleteLater();
                     });
}

}  // namespace hx::alarms
