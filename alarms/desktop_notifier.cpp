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
#include "snooze.h"

namespace hx::alarms {

// The bus delivers signals to slots only; this one hands ActionInvoked to its notifier.
class NotifierSignals : public QObject {
    Q_OBJECT
  public:
    NotifierSignals(DesktopNotifier* n, QObject* parent) : QObject(parent), notifier_(n) {}
  public slots:
    void actionInvoked(uint id, const QString& action) { notifier_->ActionInvoked(id, action); }

  private:
    DesktopNotifier* notifier_;
};

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QString NextConnectionName() {
    static int n = 0;
    return QStringLiteral("heliodex-notify-%1").arg(++n);
}
}  // namespace

DesktopNotifier::DesktopNotifier(const QString& busAddress, Unposted unposted)
    : connectionName_(NextConnectionName()), unposted_(std::move(unposted)) {
    const QString address = busAddress.isEmpty() ? SessionBusAddress() : busAddress;
    if (!address.isEmpty())
        Connect(address);
    else
        noServer_ = true;
}

void DesktopNotifier::OnNoServer(std::function<void()> noServer) {
    noServerHandler_ = std::move(noServer);
    if (noServer_ && noServerHandler_) noServerHandler_();
}

void DesktopNotifier::Missing() {
    if (noServer_) return;
    noServer_ = true;
    if (noServerHandler_) noServerHandler_();
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
    if (!connected) {
        state_ = State::NoBus;
        Asked(false, {});
        return;
    }
    // What the server shows, asked without waiting; the notifications wait for the answer.
    state_ = State::Asking;
    const QDBusConnection bus(connectionName_);
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                             QStringLiteral("GetCapabilities"));
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kBusWaitMs), &context_);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, &context_, [this](QDBusPendingCallWatcher* w) {
            const QDBusPendingReply<QStringList> reply = *w;
            w->deleteLater();
            // No owner of the name, no answer or no bus: no server. A server
            // that refuses the question (an old one) still takes notifications.
            const QDBusError::ErrorType e =
                reply.isError() ? reply.error().type() : QDBusError::NoError;
            const bool missing = e == QDBusError::ServiceUnknown || e == QDBusError::NoReply ||
                                 e == QDBusError::Timeout || e == QDBusError::Disconnected ||
                                 e == QDBusError::NoServer;
            Asked(!missing, reply.isError() ? QStringList() : reply.value());
        });
}

void DesktopNotifier::Asked(bool answered, const QStringList& capabilities) {
    if (state_ == State::Asking) state_ = State::Connected;
    if (!answered) {
        Missing();
    } else if (capabilities.contains(QStringLiteral("actions"))) {
        actions_ = true;
        signals_ = new NotifierSignals(this, &context_);
        QDBusConnection(connectionName_)
            .connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), signals_,
                     SLOT(actionInvoked(uint, QString)));
    }
    std::vector<std::pair<int, QString>> waiting;
    waiting.swap(waiting_);
    for (const auto& [key, body] : waiting) Notify(key, body);
}

void DesktopNotifier::Notify(int key, const QString& body) {
    switch (state_) {
        case State::Connecting:
        case State::Asking:
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
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const auto known = ids_.find(key);
    call << QStringLiteral("Heliodex") << uint(known == ids_.end() ? 0 : known->second)
         << QStringLiteral("heliodex") << QStringLiteral("Heliodex") << body
         << (actions_ ? NotificationActions() : QStringList()) << QVariantMap() << int(-1);
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

void DesktopNotifier::ActionInvoked(uint id, const QString& action) {
    for (const auto& [key, posted] : ids_)
        if (posted == id) {
            if (invoked_) invoked_(key, action);
            return;
        }
}

}  // namespace hx::alarms

#include "desktop_notifier.moc"
