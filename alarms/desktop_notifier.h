// Desktop notifications for fired alarms over the session bus (org.freedesktop.Notifications).
#pragma once

#include <functional>
#include <map>
#include <thread>
#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace hx::alarms {

class DesktopNotifier {
  public:
    // Receives the body of a notification no server took: no bus, a bus that did not answer
    // within kBusWaitMs, no notification server, an error or no answer to the call.
    using Unposted = std::function<void(const QString& body)>;
    static constexpr int kBusWaitMs = 2000;

    // Connects to the bus at busAddress, or to the session bus the process started with
    // when busAddress is empty, on a thread of its own: the caller never waits on the bus.
    explicit DesktopNotifier(const QString& busAddress = {}, Unposted unposted = {});
    ~DesktopNotifier();

    // Called once when the notifier learns that no notification server takes notifications:
    // no bus (or one that did not answer), or the server's capabilities could not be asked
    // (no owner of the name, no answer). At once when that is already known. The
    // window shows its alarms in the tray balloon from then on.
    void OnNoServer(std::function<void()> noServer);
    bool NoServer() const { return noServer_; }
    // Receives the action a user chose on a notification ("snooze-5", "snooze-10",
    // "dismiss"), with the key the notification was posted for.
    using Invoked = std::function<void(int key, const QString& action)>;
    void OnAction(Invoked invoked) { invoked_ = std::move(invoked); }
    // The server said it shows actions: notifications then offer "Snooze 5 min",
    // "Snooze 10 min" and "Dismiss". Without, they offer none, as before.
    bool ActionsSupported() const { return actions_; }

    bool Connected() const { return state_ == State::Connected; }
    // The bus has neither answered nor been given up yet.
    bool Connecting() const { return state_ == State::Connecting || state_ == State::Asking; }
    // No connection and no call under way: every notification asked for has had its answer.
    bool Idle() const { return !Connecting() && calls_ == 0; }
    // Posts summary "Heliodex" with the body and the application's icon, replacing the last
    // notification posted for the same key (one key per alarm). Returns at once; while the
    // bus is connecting the notification waits for it.
    void Notify(int key, const QString& body);

  private:
    enum class State { Connecting, Asking, Connected, NoBus };
    void Connect(const QString& address);
    void Reached(bool connected);
    void Asked(bool answered, const QStringList& capabilities);
    void Missing();
    void ActionInvoked(uint id, const QString& action);
    friend class NotifierSignals;
    void Post(int key, const QString& body);

    State state_ = State::NoBus;
    QString connectionName_;
    Unposted unposted_;
    std::function<void()> noServerHandler_;
    Invoked invoked_;
    bool noServer_ = false;
    bool actions_ = false;
    QObject* signals_ = nullptr;                    // receives the server's ActionInvoked signal
    std::vector<std::pair<int, QString>> waiting_;  // asked for while connecting
    std::map<int, uint> ids_;   // the server's id of each key's last notification
    int calls_ = 0;             // calls sent and not yet answered
    int cancel_[2] = {-1, -1};  // written to end the connecting thread's probe
    std::thread connecting_;
    QObject context_;  // ends the replies' and the thread's handlers with the notifier
    QTimer giveUp_;
};

}  // namespace hx::alarms
