// The synchronous download over Qt Network, with its time limit and size cap.
#include "download.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include "core/error.h"

namespace hx::net {

namespace {

bool g_running = false;  // one download at a time, program-wide

class RunningScope {
  public:
    RunningScope() {
        g_running = true;
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~RunningScope() {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            QGuiApplication::restoreOverrideCursor();
        g_running = false;
    }
};

struct Failure {
    QString reason;
};

}  // namespace

QString DownloadErrorText(const QString& url) {
    return QStringLiteral("Error downloading URL: %1").arg(url);
}

HttpDownloader::HttpDownloader(DownloadLimits limits) : limits_(limits) {}
HttpDownloader::~HttpDownloader() = default;

bool HttpDownloader::Busy() const {
    return g_running;
}

void HttpDownloader::Download(const QString& url, const QString& file) {
    lastFailure_.clear();
    try {
        const QByteArray body = Fetch(url);
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(body) != body.size() || !out.commit())
            throw Failure{QStringLiteral("cannot write \"%1\": %2").arg(file, out.errorString())};
    } catch (const Failure& f) {
        lastFailure_ = f.reason;
        throw Error(DownloadErrorText(url));
    }
}

QByteArray HttpDownloader::Fetch(const QString& url) {
    if (g_running) throw Failure{QStringLiteral("another download is running")};
    const QUrl address = QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != "http" && scheme != "https") || address.host().isEmpty())
        throw Failure{QStringLiteral("not an http or https address")};

    RunningScope running;
    if (!manager_) manager_ = std::make_unique<QNetworkAccessManager>();
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits_.maxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Heliodex"));
    std::unique_ptr<QNetworkReply> reply(manager_->get(request));

    QByteArray body;
    QString failure;
    const auto refuse = [&](const QString& why) {
        if (failure.isEmpty()) failure = why;
        reply->abort();
    };
    const QString tooLarge =
        QStringLiteral("the answer is larger than %1 bytes").arg(limits_.maxBytes);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        refuse(QStringLiteral("no complete answer within %1 ms").arg(limits_.timeoutMs));
    });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits_.maxBytes) refuse(tooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, [&] {
        body += reply->read(limits_.maxBytes + 1 - body.size());
        if (body.size() > limits_.maxBytes) refuse(tooLarge);
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(limits_.timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    if (failure.isEmpty() && reply->error() == QNetworkReply::NoError) {
        body += reply->read(limits_.maxBytes + 1 - body.size());
        if (body.size() > limits_.maxBytes) failure = tooLarge;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (failure.isEmpty() && status != 0 && (status < 200 || status > 299))
        failure = QStringLiteral("HTTP status %1").arg(status);
    if (failure.isEmpty() && reply->error() != QNetworkReply::NoError)
        failure = reply->errorString();
    if (failure.isEmpty() && status == 0) failure = QStringLiteral("no HTTP answer");
    if (!failure.isEmpty()) throw Failure{failure};
    return body;
}

}  // namespace hx::net
