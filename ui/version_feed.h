// The version check and the news feed: the version file's load and "New Version!", the feed's
// download into oto-usgl.xml and its import, each a job of the window's queue.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/job.h"
#include "job_queue.h"
#include "pages.h"

class QNetworkAccessManager;
class QTextEdit;
class QWidget;

namespace hx::net {
class VersionCheck;
}

namespace hx::ui {

struct InternetAccess;

class VersionAndFeed : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* parent = nullptr;  // of "New Version!"
        InternetAccess* internet = nullptr;
        JobQueue* jobs = nullptr;
        NewsPage page;  // the News page, whose view shows the feed
        std::function<QString()> makerSite, newsFeed;
        // The dialogs on screen that "New Version!" waits for; none: it may show.
        std::function<QList<QWidget*>()> openDialogs;
        std::function<void()> busyChanged;  // a job of this class started or ended
    };
    explicit VersionAndFeed(Window window);
    QWidget* Page() const { return window_.page.page; }
    ~VersionAndFeed() override;

    void QueueVersionCheck();  // once per run
    void QueueFeed();          // unless one waits or no feed address is set
    void onNewsFeedDone();     // the downloaded feed into the News page
    // The start-up jobs have ended: "New Version!" may show once no dialog is on screen.
    void StartUpEnded();
    // Shutdown: the load and the feed's download end, and no completion of theirs runs.
    void Stop();
    void openHomePage();
    void openDownloadPage();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void StartVersionCheck(JobQueue::Finished finished);
    void onVersionFileOpened(const QByteArray& file);
    void ShowNewVersionWhenFree();

    Window window_;
    QPointer<QObject> context_;  // of this class's jobs; Stop destroys it
    std::unique_ptr<QNetworkAccessManager> ownNetwork_;
    net::VersionCheck* versionCheck_ = nullptr;
    JobHandle versionJob_;                      // the version file's load while it runs
    std::optional<QString> newVersionCaption_;  // "New Version!" waits to be shown
    bool startUpEnded_ = false;
    bool feedPending_ = false;
};

}  // namespace hx::ui
