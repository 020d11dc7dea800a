// The background load of the version file.
#include "version_check.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "net/maker_site.h"

namespace hx::net {

VersionCheck::VersionCheck(QNetworkAccessManager* network, QObject* parent)
    : QObject(parent), network_(network) {
    limit_.setSingleShot(true);
    connect(&limit_, &QTimer::timeout, this, &VersionCheck::Fail);
}

VersionCheck::~VersionCheck() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
    }
}

bool VersionCheck::StartUp(bool internetDisabled, const QString& makerSite) {
    if (internetDisabled) return false;
    return Start(MakerSiteUrl(makerSite, QString::fromLatin1(kVersionFilePath)));
}

bool VersionCheck::Start(const QUrl& address) {
    if (started_ || !network_ || address.isEmpty() || !address.isValid()) return false;
    started_ = true;
    address_ = address;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = network_->get(request);
    if (!reply_) return false;
    reply_->setReadBufferSize(64 << 10);  // what arrives waits in a small buffer
    connect(reply_, &QNetworkReply::metaDataChanged, this, &VersionCheck::OnMetaData);
    connect(reply_, &QNetworkReply::readyRead, this, &VersionCheck::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &VersionCheck::OnFinished);
    limit_.start(timeLimitMs_);
    SetState(1);
    return true;
}

void VersionCheck::Abort() {
    if (reply_) Fail();
}

void VersionCheck::SetState(int state) {
    if (state == state_) return;
    state_ = state;
    emit AsyncLoad(state);
}

void VersionCheck::OnMetaData() {
    const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > maxBytes_) return Fail();
    if (state_ < 2) SetState(2);
}

void VersionCheck::OnReadyRead() {
    document_ += reply_->read(maxBytes_ + 1 - document_.size());
    if (document_.size() > maxBytes_) return Fail();
    SetState(3);
}

void VersionCheck::OnFinished() {
    if (!reply_) return;
    if (reply_->error() != QNetworkReply::NoError) return Fail();
    document_ += reply_->read(maxBytes_ + 1 - document_.size());
    if (document_.size() > maxBytes_) return Fail();
    limit_.stop();
    reply_->deleteLater();
    reply_ = nullptr;
    SetState(4);
}

void VersionCheck::Fail() {
    limit_.stop();
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
        reply_->deleteLater();
        reply_ = nullptr;
    }
    document_.clear();
    SetState(0);
}

}  // namespace hx::net
