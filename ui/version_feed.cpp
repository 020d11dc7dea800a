// The version check and the news feed as jobs of the window's queue.
#include "version_feed.h"

#include <QEvent>
#include <QNetworkAccessManager>
#include <QWidget>

#include "internet_access.h"
#include "net/maker_site.h"
#include "net/osd.h"
#include "net/otousgl.h"
#include "net/service_urls.h"
#include "net/version_check.h"
#include "news_page.h"
#include "settings/textfile.h"
#include "ui/new_version_dialog.h"

namespace hx::ui {

namespace {
QString FeedFile() {
    return files::ProgramFile(QString::fromLatin1(net::otousgl::kFeedFile));
}
}  // namespace

VersionAndFeed::VersionAndFeed(Window window)
    : QObject(window.parent), window_(std::move(window)), context_(new QObject(this)) {}

VersionAndFeed::~VersionAndFeed() = default;

void VersionAndFeed::QueueVersionCheck() {
    window_.jobs->Add(
        [this](JobQueue::Finished finished) { StartVersionCheck(std::move(finished)); });
}

// The version check as a job: it ends when the load completes or fails.
void VersionAndFeed::StartVersionCheck(JobQueue::Finished finished) {
    if (versionCheck_ || !context_) return finished();  // one check per run
    QNetworkAccessManager* network = window_.internet->network;
    if (!network) {
        ownNetwork_ = std::make_unique<QNetworkAccessManager>();
        network = ownNetwork_.get();
    }
    versionCheck_ = new net::VersionCheck(network, this);
    // A failed or cancelled check is dropped silently.
    versionJob_ = versionCheck_->StartUp(false, window_.makerSite(), context_,
                                         [this, finished](const JobResult<QByteArray>& r) {
                                             versionJob_.Reset();
                                             if (r.done()) onVersionFileOpened(r.value);
                                             finished();
                                             window_.busyChanged();
                                         });
    if (!versionJob_.Pending()) return finished();
    window_.jobs->SetCancel([this] { versionJob_.Cancel(CancelMode::Notify); });
    window_.busyChanged();
}

void VersionAndFeed::onVersionFileOpened(const QByteArray& file) {
    const net::osd::VersionVerdict verdict = net::osd::CheckVersionFile(file);
    if (!verdict.showDialog) return;
    newVersionCaption_ = verdict.linkCaption;
    ShowNewVersionWhenFree();
}

void VersionAndFeed::StartUpEnded() {
    startUpEnded_ = true;
    ShowNewVersionWhenFree();
}

// "New Version!" waits for the end of the start-up jobs and for any other dialog to close:
// each dialog on screen tells when it is hidden (eventFilter) or goes.
void VersionAndFeed::ShowNewVersionWhenFree() {
    if (!newVersionCaption_ || !startUpEnded_ || !context_) return;
    if (const QList<QWidget*> open = window_.openDialogs(); !open.isEmpty()) {
        for (QWidget* w : open) {
            w->installEventFilter(this);
            connect(
                w, &QObject::destroyed, context_, [this] { ShowNewVersionWhenFree(); },
                Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        }
        return;
    }
    auto* dialog = new NewVersionDialog(
        window_.makerSite(), [this](const QUrl&) { openDownloadPage(); }, window_.parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->SetLinkCaption(*newVersionCaption_);
    newVersionCaption_.reset();
    dialog->open();
}

bool VersionAndFeed::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && newVersionCaption_ && context_)
        QMetaObject::invokeMethod(
            context_, [this] { ShowNewVersionWhenFree(); }, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void VersionAndFeed::Stop() {
    delete context_.data();
    versionJob_.Cancel(CancelMode::Silent);
}

void VersionAndFeed::openHomePage() {
    const QUrl home = net::MakerSiteUrl(window_.makerSite());
    if (!home.isEmpty() && window_.internet->openUrl) window_.internet->openUrl(home);
}

void VersionAndFeed::openDownloadPage() {
    const QUrl download =
        net::MakerSiteUrl(window_.makerSite(), QString::fromLatin1(net::kDownloadPath));
    if (!download.isEmpty() && window_.internet->openUrl) window_.internet->openUrl(download);
}

void VersionAndFeed::QueueFeed() {
    const QString url = net::BaseAddress(window_.newsFeed());
    if (feedPending_ || url.isEmpty() || !window_.internet->download || !context_) return;
    feedPending_ = true;
    window_.jobs->Add([this, url](JobQueue::Finished finished) {
        window_.busyChanged();
        window_.jobs->SetCancel([this] {
            if (window_.internet->abortDownload) window_.internet->abortDownload();
        });
        window_.internet->download(
            url, FeedFile(), context_, [this, finished](const net::DownloadResult& r) {
                feedPending_ = false;
                if (r.ok)
                    onNewsFeedDone();
                else
                    ShowFeedLines(
                        window_.page.feedView,
                        {QStringLiteral("The news feed could not be read: %1").arg(r.error)});
                finished();
                window_.busyChanged();
            });
    });
}

void VersionAndFeed::onNewsFeedDone() {
    ShowFeedLines(window_.page.feedView, net::otousgl::ImportNewsFeed(FeedFile()).lines);
}

}  // namespace hx::ui
