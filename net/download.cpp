// The download job over Qt Network, with its time limit and a size cap kept while it arrives.
#include "download.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include "core/job.h"

namespace hx::net {

namespace {
bool g_running = false;              // one download at a time, program-wide
constexpr qint64 kChunk = 64 << 10;  // the reply's read buffer: what arrives waits there
}  // namespace

QString DownloadErrorText(const QString& url) {
    return QStringLiteral("Error downloading URL: %1").arg(url);
}

// One download: the reply, its timer and the answer read so far. It ends exactly once,
// through End, whose result reaches the completion from the event loop (a job in the shape of
// core/job.h), unless its context has gone by then.
class HttpDownloader::Job : public QObject {
  public:
    Job(HttpDownloader& owner, QString url, QString file, QObject* context, DownloadDone done)
        : QObject(owner.manager_.get()),
          owner_(owner),
          url_(std::move(url)),
          file_(std::move(file)),
          job_(hx::Job<DownloadResult>::Start(
                   context ? context : QCoreApplication::instance(),
                   [done = std::move(done)](const JobResult<DownloadResult>& r) {
                       if (done) done(r.value);
                   })
                   .first) {}

    void Start(QNetworkAccessManager& manager, const DownloadLimits& limits) {
        limits_ = limits;
        QNetworkRequest request(QUrl::fromEncoded(url_.toUtf8(), QUrl::StrictMode));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                             QNetworkRequest::NoLessSafeRedirectPolicy);
        request.setMaximumRedirectsAllowed(limits.maxRedirects);
        request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Heliodex"));
        reply_ = manager.get(request);
        reply_->setParent(this);
        reply_->setReadBufferSize(kChunk);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] {
            End(QStringLiteral("no complete answer within %1 ms").arg(limits_.timeoutMs));
        });
        connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
            const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > limits_.maxBytes) End(TooLarge());
        });
        connect(reply_, &QNetworkReply::readyRead, this, [this] { Read(); });
        connect(reply_, &QNetworkReply::finished, this, [this] { Finished(); });
        timer_.start(limits.timeoutMs);
    }

    // Fails the job without a request, from the event loop as every outcome is.
    void FailLater(const QString& reason) {
        QTimer::singleShot(0, this, [this, reason] { End(reason); });
    }

    void End(const QString& failure) {
        if (ended_) return;
        ended_ = true;
        timer_.stop();
        if (reply_) {
            reply_->disconnect(this);
            reply_->abort();
        }
        DownloadResult result;
        result.ok = failure.isEmpty();
        if (!result.ok) {
            result.error = DownloadErrorText(url_);
            result.reason = failure;
        }
        owner_.lastFailure_ = failure;
        if (owner_.job_ == this) {
            owner_.job_ = nullptr;
            g_running = false;
        }
        deleteLater();
        job_.Done(result);
    }

  private:
    QString TooLarge() const {
        return QStringLiteral("the answer is larger than %1 bytes").arg(limits_.maxBytes);
    }
    void Read() {
        body_ += reply_->read(limits_.maxBytes + 1 - body_.size());
        if (body_.size() > limits_.maxBytes) End(TooLarge());
    }
    void Finished() {
        if (ended_) return;
        if (reply_->error() == QNetworkReply::NoError) {
            Read();
            if (ended_) return;
        }
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 0 && (status < 200 || status > 299))
            return End(QStringLiteral("HTTP status %1").arg(status));
        if (reply_->error() != QNetworkReply::NoError) return End(reply_->errorString());
        if (status == 0) return End(QStringLiteral("no HTTP answer"));
        QSaveFile out(file_);
        if (!out.open(QIODevice::WriteOnly) || out.write(body_) != body_.size() || !out.commit())
            return End(QStringLiteral("cannot write \"%1\": %2").arg(file_, out.errorString()));
        End({});
    }

    HttpDownloader& owner_;
    QString url_, file_;
    hx::Job<DownloadResult> job_;
    DownloadLimits limits_;
    QNetworkReply* reply_ = nullptr;
    QTimer timer_;
    QByteArray body_;
    bool ended_ = false;
};

HttpDownloader::HttpDownloader(DownloadLimits limits)
    : limits_(limits), manager_(std::make_unique<QNetworkAccessManager>()) {}

HttpDownloader::~HttpDownloader() {
    if (job_) g_running = false;  // its completion goes with it
    job_ = nullptr;
    manager_.reset();
}

bool HttpDownloader::Busy() const {
    return g_running;
}

void HttpDownloader::Abort() {
    if (job_) job_->End(QString::fromLatin1(kCancelled));
}

void HttpDownloader::Download(const QString& url, const QString& file, QObject* context,
                              DownloadDone done) {
    auto* job = new Job(*this, url, file, context, std::move(done));
    if (g_running) return job->FailLater(QStringLiteral("another download is running"));
    const QUrl address = QUrl::fromEncoded(url.toUtf8(), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != "http" && scheme != "https") || address.host().isEmpty())
        return job->FailLater(QStringLiteral("not an http or https address"));
    g_running = true;
    job_ = job;
    job->Start(*manager_, limits_);
}

}  // namespace hx::net
