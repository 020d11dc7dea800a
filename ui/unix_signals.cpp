// The self-pipe trick: the handler writes the signal number, a notifier reads it in Qt.
#include "unix_signals.h"

#include <QSocketNotifier>

#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace hx::ui {

namespace {
int g_fds[2] = {-1, -1};

sigset_t TerminationSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&set, sig);
    return set;
}

extern "C" void OnSignal(int sig) {
    const unsigned char b = static_cast<unsigned char>(sig);
    [[maybe_unused]] const ssize_t n = ::write(g_fds[0], &b, 1);
}
}  // namespace

void BlockTerminationSignals() {
    const sigset_t set = TerminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

UnixSignals::UnixSignals(QObject* parent) : QObject(parent) {
    const sigset_t set = TerminationSignals();
    if (g_fds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, g_fds) != 0) {
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);  // no pipe: the signals end the program
        return;
    }
    notifier_ = new QSocketNotifier(g_fds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnixSignals::readSignal);
    struct sigaction sa = {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sig, &sa, nullptr);
    // A signal that came while they were held back is handled now, through the pipe.
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

UnixSignals::~UnixSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) std::signal(sig, SIG_DFL);
}

void UnixSignals::readSignal() {
    unsigned char b = 0;
    if (::read(g_fds[1], &b, 1) == 1) emit terminationRequested(int(b));
}

}  // namespace hx::ui
