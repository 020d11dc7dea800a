// The background load of the version file from the maker's web site.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace hx::net {

// Loads the version file asynchronously and reports each change of its load state through
// AsyncLoad: 1 loading (request sent), 2 loaded (answer headers in), 3 interactive (body
// arriving), 4 complete (document() holds the file). A failure - no answer, an HTTP error,
// more than TimeLimitMs in all, more than MaxBytes - drops the load silently and reports
// state 0. At most one load per object; the network access is the caller's.
class VersionCheck : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimeLimitMs = 20000;
    static constexpr qint64 kMaxBytes = 2 << 20;

    explicit VersionCheck(QNetworkAccessManager* network, QObject* parent = nullptr);
    ~VersionCheck() override;

    // Start-up step: unless Internet functions are disabled, load the version file from the
    // site `makerSite`. True when a load started; with no usable address nothing is requested.
    bool StartUp(bool internetDisabled, const QString& makerSite);
    bool Start(const QUrl& address);
    // Ends a running load as a failure (state 0).
    void Abort();

    int state() const { return state_; }
    const QByteArray& document() const { return document_; }
    const QUrl& address() const { return address_; }

    void SetTimeLimitMs(int ms) { timeLimitMs_ = ms; }
    void SetMaxBytes(qint64 bytes) { maxBytes_ = bytes; }

  signals:
    void AsyncLoad(int asyncLoadState);

  private:
    void SetState(int state);
    void OnMetaData();
    void OnReadyRead();
    void OnFinished();
    void Fail();

    QNetworkAccessManager* network_;
    QPointer<QNetworkReply> reply_;
    QTimer limit_;
    QUrl address_;
    QByteArray document_;
    int state_ = 0;
    bool started_ = false;
    int timeLimitMs_ = kTimeLimitMs;
    qint64 maxBytes_ = kMaxBytes;
};

}  // namespace hx::net
