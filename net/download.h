// Downloads of a URL into a file: the interface the lookups use, and its Qt Network form.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QNetworkAccessManager;

namespace hx::net {

// The text of every failed download, with the URL for %1.
QString DownloadErrorText(const QString& url);

class Downloader {
  public:
    virtual ~Downloader() = default;
    // Fetches url into file, replacing it only when the whole answer arrived. Returns when
    // done; raises hx::Error "Error downloading URL: <url>" on any failure.
    virtual void Download(const QString& url, const QString& file) = 0;
    // True while a download runs (events are still handled then, so a timer may fire).
    virtual bool Busy() const = 0;
};

struct DownloadLimits {
    int timeoutMs = 20000;      // the whole download, connection included
    qint64 maxBytes = 2 << 20;  // larger answers are refused
    int maxRedirects = 5;
};

// HTTP and HTTPS through QNetworkAccessManager. The caller waits in a local event loop that
// leaves out user input, so the window repaints but takes no clicks or keys, under a busy
// cursor. Only one download runs at a time in the whole program: a call made while another
// runs fails at once.
class HttpDownloader : public Downloader {
  public:
    explicit HttpDownloader(DownloadLimits limits = {});
    ~HttpDownloader() override;
    void Download(const QString& url, const QString& file) override;
    bool Busy() const override;
    // Why the last download failed (for logs and tests); empty after a success.
    const QString& LastFailure() const { return lastFailure_; }

  private:
    QByteArray Fetch(const QString& url);  // throws with lastFailure_ set

    DownloadLimits limits_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    QString lastFailure_;
};

}  // namespace hx::net
