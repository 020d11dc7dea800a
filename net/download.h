// Downloads of a URL into a file as jobs: the interface the lookups use, and its Qt Network form.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QNetworkAccessManager;
class QObject;

namespace hx::net {

// The reason of a download ended by Abort.
inline constexpr const char* kCancelled = "cancelled";

// The text of every failed download, with the URL for %1.
QString DownloadErrorText(const QString& url);

// How a download ended: ok, or the error to show («Error downloading URL: …») and the reason
// for the Log page.
struct DownloadResult {
    bool ok = false;
    QString error;
    QString reason;
};
using DownloadDone = std::function<void(const DownloadResult&)>;

class Downloader {
  public:
    virtual ~Downloader() = default;
    // Starts fetching url into file and returns at once; the file is replaced only when the
    // whole answer arrived. done runs from the event loop when the download ends, unless
    // context (when given) has been destroyed by then.
    virtual void Download(const QString& url, const QString& file, QObject* context,
                          DownloadDone done) = 0;
    // Ends the running download at once; its done runs from the event loop with the reason
    // kCancelled.
    virtual void Abort() = 0;
    // True while a download runs.
    virtual bool Busy() const = 0;
};

struct DownloadLimits {
    int timeoutMs = 20000;      // the whole download, connection included
    qint64 maxBytes = 2 << 20;  // larger answers are refused as soon as they pass it
    int maxRedirects = 5;
};

// HTTP and HTTPS through QNetworkAccessManager, read through a small bounded buffer. Only one
// download runs at a time in the whole program: a call made while another runs fails.
class HttpDownloader : public Downloader {
  public:
    explicit HttpDownloader(DownloadLimits limits = {});
    ~HttpDownloader() override;
    void Download(const QString& url, const QString& file, QObject* context,
                  DownloadDone done) override;
    void Abort() override;
    bool Busy() const override;
    // Why the last download failed (for logs and tests); empty after a success.
    const QString& LastFailure() const { return lastFailure_; }

    class Job;

  private:
    DownloadLimits limits_;
    std::unique_ptr<QNetworkAccessManager> manager_;
    Job* job_ = nullptr;  // the running download, owned by manager_
    QString lastFailure_;
};

}  // namespace hx::net
