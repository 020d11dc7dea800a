// A bounded D-Bus probe on plain sockets: connect, send the authentication, wait for a line.
#include "session_bus.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>
#include <QUrl>
#include <QtGlobal>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <map>
#include <optional>

namespace hx::alarms {

namespace {

// An open socket, closed with its owner.
struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Waits until fd is ready for `events`; false at the deadline or on cancelling.
bool WaitReady(int fd, short events, const QElapsedTimer& clock, int timeoutMs, int cancelFd) {
    for (;;) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0) return false;
        pollfd fds[2] = {{fd, events, 0}, {cancelFd, POLLIN, 0}};
        const int n = ::poll(fds, cancelFd >= 0 ? 2 : 1, int(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        if (cancelFd >= 0 && fds[1].revents) return false;
        return fds[0].revents != 0;
    }
}

// The key=value pairs of one address entry ("unix:path=/run/bus,guid=…"), unescaped.
std::map<QString, QString> Params(const QString& entry) {
    std::map<QString, QString> out;
    for (const QString& pair : entry.section(':', 1).split(',', Qt::SkipEmptyParts)) {
        const qsizetype eq = pair.indexOf('=');
        if (eq > 0) out[pair.left(eq)] = QUrl::fromPercentEncoding(pair.mid(eq + 1).toLatin1());
    }
    return out;
}

// A connecting non-blocking socket for the entry; nullopt for a transport not probed here.
std::optional<int> Connect(const QString& entry) {
    const QString transport = entry.section(':', 0, 0);
    const auto params = Params(entry);
    auto param = [&](const char* key) {
        const auto it = params.find(QLatin1String(key));
        return it == params.end() ? std::optional<QString>() : it->second;
    };
    if (transport == u"unix") {
        sockaddr_un sa = {};
        sa.sun_family = AF_UNIX;
        socklen_t len = 0;
        QByteArray name;
        if (const auto path = param("path")) {
            name = path->toLocal8Bit();
            if (name.size() >= qsizetype(sizeof sa.sun_path)) return -1;
            std::memcpy(sa.sun_path, name.constData(), size_t(name.size()));
            len = socklen_t(offsetof(sockaddr_un, sun_path) + name.size() + 1);
        } else if (const auto abstract = param("abstract")) {
            name = abstract->toLocal8Bit();
            if (name.size() + 1 >= qsizetype(sizeof sa.sun_path)) return -1;
            std::memcpy(sa.sun_path + 1, name.constData(), size_t(name.size()));
            len = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        } else {
            return std::nullopt;
        }
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0) return -1;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), len) != 0 && errno != EINPROGRESS &&
            errno != EAGAIN) {
            ::close(fd);
            return -1;
        }
        return fd;
    }
    if (transport == u"tcp") {
        QString host = param("host").value_or(QStringLiteral("localhost"));
        if (host == u"localhost") host = QStringLiteral("127.0.0.1");
        addrinfo hints = {};
        hints.ai_socktype = SOCK_STREAM;
        hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV;  // never a name lookup that waits
        addrinfo* found = nullptr;
        if (::getaddrinfo(host.toLatin1().constData(),
                          param("port").value_or("0").toLatin1().constData(), &hints, &found) != 0)
            return std::nullopt;
        const int fd = ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const bool started = fd >= 0 && (::connect(fd, found->ai_addr, found->ai_addrlen) == 0 ||
                                         errno == EINPROGRESS);
        ::freeaddrinfo(found);
        if (!started) {
            if (fd >= 0) ::close(fd);
            return -1;
        }
        return fd;
    }
    return std::nullopt;
}

// Connects and authenticates; true when the server answered the AUTH line in time.
bool EntryAnswers(int fdIn, const QElapsedTimer& clock, int timeoutMs, int cancelFd) {
    const Fd fd{fdIn};
    if (!WaitReady(fd.fd, POLLOUT, clock, timeoutMs, cancelFd)) return false;
    int error = 0;
    socklen_t len = sizeof error;
    if (::getsockopt(fd.fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 || error != 0) return false;
    const QByteArray uid = QByteArray::number(uint(::getuid())).toHex();
    const QByteArray hello = QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
    if (::send(fd.fd, hello.constData(), size_t(hello.size()), MSG_NOSIGNAL) != hello.size())
        return false;
    QByteArray answer;
    while (!answer.contains('\n')) {
        if (!WaitReady(fd.fd, POLLIN, clock, timeoutMs, cancelFd)) return false;
        char buffer[256];
        const ssize_t n = ::recv(fd.fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        answer.append(buffer, n);
    }
    return answer.startsWith("OK ") || answer.startsWith("REJECTED");
}

}  // namespace

QString SessionBusAddress() {
    static const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    return address;
}

bool BusAnswers(const QString& address, int timeoutMs, int cancelFd) {
    QElapsedTimer clock;
    clock.start();
    for (const QString& entry : address.split(';', Qt::SkipEmptyParts)) {
        const std::optional<int> fd = Connect(entry);
        if (!fd) return true;  // a transport only libdbus knows: left to it
        if (*fd >= 0 && EntryAnswers(*fd, clock, timeoutMs, cancelFd)) return true;
        if (clock.elapsed() >= timeoutMs) return false;
    }
    return false;
}

bool HideSilentSessionBus(int timeoutMs) {
    const QString address = SessionBusAddress();
    if (address.isEmpty() || BusAnswers(address, timeoutMs)) return true;
    // No transport has this name: libdbus refuses it without trying anything.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "heliodex-silent-bus:");
    return false;
}

}  // namespace hx::alarms
