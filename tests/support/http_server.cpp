// The test HTTP server: one request per connection, answered by route.
#include "http_server.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <sys/socket.h>

namespace hx::test {

HttpAnswer HttpAnswer::Ok(QByteArray body, QByteArray type) {
    HttpAnswer a;
    a.body = std::move(body);
    a.contentType = std::move(type);
    return a;
}

HttpAnswer HttpAnswer::Status(int status, QByteArray body) {
    HttpAnswer a;
    a.status = status;
    a.body = std::move(body);
    return a;
}

HttpAnswer HttpAnswer::Slow(int delayMs, QByteArray body) {
    HttpAnswer a = Ok(std::move(body));
    a.delayMs = delayMs;
    return a;
}

HttpAnswer HttpAnswer::Silent() {
    HttpAnswer a;
    a.kind = Kind::NeverAnswer;
    return a;
}

HttpAnswer HttpAnswer::Reset() {
    HttpAnswer a;
    a.kind = Kind::Reset;
    return a;
}

HttpAnswer HttpAnswer::Oversized(qint64 bytes, bool withLength) {
    HttpAnswer a = Ok(QByteArray(bytes, 'x'));
    a.sendContentLength = withLength;
    return a;
}

HttpAnswer HttpAnswer::Endless() {
    HttpAnswer a;
    a.kind = Kind::Endless;
    return a;
}

HttpServer::HttpServer() : server_(std::make_unique<QTcpServer>()) {
    server_->listen(QHostAddress::LocalHost, 0);
    QObject::connect(server_.get(), &QTcpServer::newConnection, [this] {
        while (QTcpSocket* s = server_->nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { Serve(s); });
        }
    });
}

HttpServer::~HttpServer() = default;

quint16 HttpServer::Port() const {
    return server_->serverPort();
}

QString HttpServer::BaseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(Port());
}

void HttpServer::Route(const QString& path, const HttpAnswer& answer) {
    routes_[path] = answer;
}

void HttpServer::Serve(QTcpSocket* socket) {
    if (socket->property("served").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    if (!head.contains("\r\n\r\n")) {
        socket->setProperty("head", head);
        return;
    }
    socket->setProperty("served", true);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString target =
        requestLine.value(1).isEmpty() ? QStringLiteral("/") : QString::fromLatin1(requestLine[1]);
    requests_ << target;
    const QString path = target.section('?', 0, 0);
    const HttpAnswer answer = routes_.value(path, HttpAnswer::Status(404, "not found"));
    if (answer.kind == HttpAnswer::Kind::NeverAnswer) return;
    if (answer.kind == HttpAnswer::Kind::Reset) {
        // A zero linger time makes the close a reset (RST) rather than an orderly FIN.
        const linger noLinger{1, 0};
        setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &noLinger,
                   sizeof noLinger);
        socket->abort();
        return;
    }
    if (answer.kind == HttpAnswer::Kind::Endless) {
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
            "Transfer-Encoding: chunked\r\n\r\n");
        // A 64 KiB chunk whenever the last ones have left, for as long as the client reads.
        auto* pump = new QTimer(socket);
        QObject::connect(pump, &QTimer::timeout, socket, [this, socket] {
            if (socket->bytesToWrite() > (256 << 10)) return;
            static const QByteArray chunk = "10000\r\n" + QByteArray(64 << 10, 'x') + "\r\n";
            socket->write(chunk);
            endlessSent_ += 64 << 10;
        });
        pump->start(1);
        return;
    }
    if (answer.delayMs > 0)
        QTimer::singleShot(answer.delayMs, socket,
                           [this, socket, answer] { Answer(socket, answer); });
    else
        Answer(socket, answer);
}

void HttpServer::Answer(QTcpSocket* socket, const HttpAnswer& answer) {
    QByteArray out = "HTTP/1.1 " + QByteArray::number(answer.status) + " Answer\r\n";
    out += "Content-Type: " + answer.contentType + "\r\nConnection: close\r\n";
    if (answer.sendContentLength)
        out += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
    for (const auto& [k, v] : answer.headers) out += k + ": " + v + "\r\n";
    out += "\r\n" + answer.body;
    socket->write(out);
    socket->disconnectFromHost();
}

}  // namespace hx::test
