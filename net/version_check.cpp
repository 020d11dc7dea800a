// The background load of the version file.
#include "version_check.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "net/maker_site.h"

namespace hx::net {

namespace {
QString TooLarge(qint64 maxBytes) {
    return QStringLiteral("the file is larger than %1 bytes").arg(maxBytes);
}
}  // namespace

VersionCheck::VersionCheck(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), network_(network) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this,
            [this] { Fail(QStringLiteral("no answer within %1 s").arg(timeLimitMs_ / 1000.0)); });
}

VersionCheck::~VersionCheck() {
    Stop();
    job_.Handle().Cancel(CancelMode::Notify);
}

JobHandle VersionCheck::StartUp(bool internetDisabled, const QString& makerSite, QObject* context,
                                Completion done) {
    if (internetDisabled) return {};
    return Start(MakerSiteUrl(makerSite, QString::fromLatin1(kVersionFilePath)), context,
                 std::move(done));
}

JobHandle VersionCheck::Start(const QUrl& address, QObject* context, Completion done) {
    if (started_ || !network_ || address.isEmpty() || !address.isValid()) return {};
    started_ = true;
    address_ = address;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = network_->get(request);
    if (!reply_) return {};
    auto [job, handle] = Job<QByteArray>::Start(context, std::move(done));
    job_ = job;
    job_.OnCancel([this] { Stop(); });
    reply_->setReadBufferSize(64 << 10);  // what arrives waits in a small buffer
    connect(reply_, &QNetworkReply::metaDataChanged, this, &VersionCheck::OnMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &VersionCheck::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &VersionCheck::OnFinished);
    limit_.start(timeLimitMs_);
    return handle;
}

void VersionCheck::OnMetaData() {
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBytes_) return Fail(TooLarge(maxBytes_));
}

void VersionCheck::OnReadyRead() {
    document_ += reply_->read(maxBytes_ + 1 - document_.size());
    if (document_.size() > maxBytes_) return Fail(TooLarge(maxBytes_));
}

void VersionCheck::OnFinished() {
    if (!reply_) return;
    if (reply_->error() != QNetworkReply::NoError) return Fail(reply_->errorString());
    document_ += reply_->read(maxBytes_ + 1 - document_.size());
    if (document_.size() > maxBytes_) return Fail(TooLarge(maxBytes_));
    limit_.stop();
    reply_->deleteLater();
    reply_ = nullptr;
    job_.Done(document_);
}

void VersionCheck::Fail(const QString& reason) {
    Stop();
    job_.Fail(reason);
}

void VersionCheck::Stop() {
    limit_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
    document_.clear();
}

}  // namespace hx::net
