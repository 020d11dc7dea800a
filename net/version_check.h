// The background load of the version file from the maker's web site.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "core/job.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace hx::net {

// Loads the version file in the background as a job: its completion runs once from the
// context's event loop, done with the file or failed with the reason (no answer, an HTTP error,
// more than TimeLimitMs in all, more than MaxBytes); cancelled through its handle, the load
// stops. At most one load per object; the network access is the caller's. An object destroyed
// with its load under way ends it cancelled.
class VersionCheck : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimeLimitMs = 20000;
    static constexpr qint64 kMaxBytes = 2 << 20;
    using Completion = Job<QByteArray>::Completion;

    explicit VersionCheck(QNetworkAccessManager* network, QObject* parent = nullptr);
    ~VersionCheck() override;

    // Start-up step: unless Internet functions are disabled, load the version file from the
    // site `makerSite`. With nothing requested (disabled, no usable address) the handle is
    // empty and the completion never runs.
    JobHandle StartUp(bool internetDisabled, const QString& makerSite, QObject* context,
                      Completion done);
    JobHandle Start(const QUrl& address, QObject* context, Completion done);

    const QUrl& address() const { return address_; }

    void SetTimeLimitMs(int ms) { timeLimitMs_ = ms; }
    void SetMaxBytes(qint64 bytes) { maxBytes_ = bytes; }

  private:
    void OnMetaData();
    void OnReadyRead();
    void OnFinished();
    void Fail(const QString& reason);
    void Stop();  // the reply goes, unanswered

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QTimer limit_;
    QUrl address_;
    QByteArray document_;
    Job<QByteArray> job_;
    bool started_ = false;
    int timeLimitMs_ = kTimeLimitMs;
    qint64 maxBytes_ = kMaxBytes;
};

}  // namespace hx::net
