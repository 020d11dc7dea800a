// A small HTTP/1.1 server on 127.0.0.1 for tests: routes to answers, faults on demand,
// and a log of the requests it received. Runs on the test's thread, served by whatever
// event loop is running (the download's own loop included).
#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class QTcpServer;
class QTcpSocket;

namespace hx::test {

struct HttpAnswer {
    enum class Kind {
        Normal,       // status line, headers, body
        NeverAnswer,  // reads the request and keeps the connection open without a word
        Reset,        // closes the connection as soon as the request arrived
        Endless,      // a chunked answer whose chunks never end
    };
    Kind kind = Kind::Normal;
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/plain";
    int delayMs = 0;                // wait this long before answering
    bool sendContentLength = true;  // false: the body runs until the connection closes
    QList<std::pair<QByteArray, QByteArray>> headers;  // extra headers (e.g. Location)

    static HttpAnswer Ok(QByteArray body, QByteArray type = "text/plain");
    static HttpAnswer Status(int status, QByteArray body = {});
    static HttpAnswer Slow(int delayMs, QByteArray body);
    static HttpAnswer Silent();
    static HttpAnswer Reset();
    static HttpAnswer Oversized(qint64 bytes, bool withLength);
    static HttpAnswer Endless();
};

class HttpServer {
  public:
    HttpServer();  // listens on 127.0.0.1 at a free port
    ~HttpServer();

    quint16 Port() const;
    // "http://127.0.0.1:<port>".
    QString BaseUrl() const;
    // Answers requests whose path (without the query) is `path`; unknown paths get 404.
    void Route(const QString& path, const HttpAnswer& answer);
    // The request targets received, in order, e.g. "/forexml.cgi?55413".
    QStringList Requests() const { return requests_; }
    void ClearRequests() { requests_.clear(); }
    // The body bytes sent so far by endless answers.
    qint64 EndlessBytesSent() const { return endlessSent_; }

  private:
    void Serve(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const HttpAnswer& answer);

    std::unique_ptr<QTcpServer> server_;
    QMap<QString, HttpAnswer> routes_;
    QStringList requests_;
    qint64 endlessSent_ = 0;
};

}  // namespace hx::test
