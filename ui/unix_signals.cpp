// The self-pipe trick: the handler writes the signal number, a notifier reads it in Qt.
#include "unix_signals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace hx::ui {

namespace {
int g_fds[2] = {-1, -1};
volatile sig_atomic_t g_toEventLoop = 0;  // a UnixSignals reads the pipe
volatile sig_atomic_t g_received = 0;     // a signal went down the pipe already
volatile sig_atomic_t g_earlyStatus = 0;

extern "C" void OnSignal(int sig) {
    if (!g_toEventLoop || g_received) ::_exit(g_earlyStatus ? int(g_earlyStatus) : 128 + sig);
    g_received = 1;
    const unsigned char b = static_cast<unsigned char>(sig);
    if (::write(g_fds[0], &b, 1) != 1) ::_exit(128 + sig);
}
}  // namespace

void EndOnTerminationSignals(int status) {
    g_earlyStatus = status;
    if (g_fds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_fds) != 0)
        g_fds[0] = g_fds[1] = -1;
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
}

UnixSignals::UnixSignals(QObject* parent) : QObject(parent) {
    if (g_fds[0] < 0) EndOnTerminationSignals(g_earlyStatus);
    if (g_fds[0] < 0) return;  // no pipe: the signals keep ending the process at once
    notifier_ = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnixSignals::readSignal);
    g_toEventLoop = 1;
}

UnixSignals::~UnixSignals() {
    g_toEventLoop = 0;
    g_received = 0;
}

void UnixSignals::readSignal() {
    unsigned char b = 0;
    if (::read(g_fds[1], &b, 1) == 1) emit terminationRequested(int(b));
}

}  // namespace hx::ui
