// MainWindow's Internet handlers: the version check, the About box, the news feed.
#include <algorithm>

#include <QApplication>
#include <QNetworkAccessManager>
#include <QTabWidget>
#include <QTextEdit>

#include "main_window.h"
#include "net/maker_site.h"
#include "net/osd.h"
#include "net/otousgl.h"
#include "net/service_urls.h"
#include "net/version_check.h"
#include "reverse_lookup_dialog.h"
#include "settings/service_addresses.h"
#include "settings/textfile.h"
#include "ui/about_dialog.h"
#include "ui/new_version_dialog.h"
#include "ui/news_page.h"

namespace hx::ui {

namespace {
QString FeedFile() {
    return files::ProgramFile(QString::fromLatin1(net::otousgl::kFeedFile));
}
}  // namespace

QString MainWindow::MakerSite() const {
    return addresses_.makerSite;
}
QString MainWindow::NewsFeed() const {
    return addresses_.newsFeed;
}

// The version check as a job: it ends when the load completes or fails.
void MainWindow::StartVersionCheck(JobQueue::Finished finished) {
    if (versionCheck) return finished();  // one check per run
    QNetworkAccessManager* network = internet_.network;
    if (!network) {
        ownNetwork_ = std::make_unique<QNetworkAccessManager>();
        network = ownNetwork_.get();
    }
    versionCheck = new net::VersionCheck(network, this);
    // A failed or cancelled check is dropped silently.
    versionJob_ = versionCheck->StartUp(false, MakerSite(), jobsContext_,
                                        [this, finished](const JobResult<QByteArray>& r) {
                                            versionJob_.Reset();
                                            if (r.done()) onVersionFileOpened(r.value);
                                            finished();
                                            RefreshBusy();
                                        });
    if (!versionJob_.Pending()) return finished();
    jobs_.SetCancel([this] { versionJob_.Cancel(CancelMode::Notify); });
    RefreshBusy();
}

void MainWindow::onVersionFileOpened(const QByteArray& file) {
    const net::osd::VersionVerdict verdict = net::osd::CheckVersionFile(file);
    if (!verdict.showDialog) return;
    newVersionCaption_ = verdict.linkCaption;
    ShowNewVersionWhenFree();
}

// "New Version!" waits for the end of the start-up jobs and for any other dialog to close:
// the end of each dialog on screen tries again.
void MainWindow::ShowNewVersionWhenFree() {
    if (!newVersionCaption_ || !startupJobsEnded_ || !jobsContext_) return;
    if (DialogOpen()) {
        // Each dialog on screen tells when it is hidden (eventFilter) or goes.
        QList<QWidget*> open;
        for (QDialog* d : findChildren<QDialog*>())
            if (d->isVisible()) open << d;
        for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activePopupWidget(),
                           static_cast<QWidget*>(about_.data())})
            if (w && w->isVisible() && !open.contains(w)) open << w;
        for (QWidget* w : open) {
            w->installEventFilter(this);
            connect(
                w, &QObject::destroyed, jobsContext_, [this] { ShowNewVersionWhenFree(); },
                Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
        }
        return;
    }
    auto* dialog = new NewVersionDialog(
        MakerSite(), [this](const QUrl&) { openDownloadPage(); }, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->SetLinkCaption(*newVersionCaption_);
    newVersionCaption_.reset();
    dialog->open();
}

// Shown window-modal and left at once; Close hides it, keeping its inputs for the next time.
void MainWindow::onReverseLookupClicked() {
    if (!reverseLookup_) return;
    reverseLookup_->setObserver(observer_);
    reverseLookup_->open();
}

// The About box has no owner and exists only while shown; it blocks the other windows
// without the handler waiting for it.
void MainWindow::onAboutClicked() {
    if (about_ && about_->isVisible()) return about_->activateWindow();
    about_ = new AboutDialog(MakerSite(), [this](const QUrl&) { openHomePage(); });
    about_->setAttribute(Qt::WA_DeleteOnClose);
    about_->setWindowModality(Qt::ApplicationModal);
    about_->show();
}

// The About box, the lookup window, a question, a file chooser or a message box is on
// screen. A file chooser of the desktop's own counts by its dialog object.
bool MainWindow::DialogOpen() const {
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return true;
    if (about_ && about_->isVisible()) return true;
    const QList<QDialog*> dialogs = findChildren<QDialog*>();
    return std::any_of(dialogs.begin(), dialogs.end(), [](QDialog* d) { return d->isVisible(); });
}

// Shutdown: every open dialog closes as if cancelled; completions that would act on an answer
// see the shutdown and do nothing.
void MainWindow::CloseDialogs() {
    delete about_.data();  // without an owner nothing else would end it
    for (QDialog* dialog : findChildren<QDialog*>())
        if (dialog->isVisible()) dialog->reject();
}

void MainWindow::openHomePage() {
    const QUrl home = net::MakerSiteUrl(MakerSite());
    if (!home.isEmpty() && internet_.openUrl) internet_.openUrl(home);
}

void MainWindow::openDownloadPage() {
    const QUrl download = net::MakerSiteUrl(MakerSite(), QString::fromLatin1(net::kDownloadPath));
    if (!download.isEmpty() && internet_.openUrl) internet_.openUrl(download);
}

void MainWindow::DownloadNewsFeed() {
    const QString url = net::BaseAddress(NewsFeed());
    if (feedPending_ || url.isEmpty() || !internet_.download) return;
    feedPending_ = true;
    jobs_.Add([this, url](JobQueue::Finished finished) {
        RefreshBusy();
        jobs_.SetCancel([this] {
            if (internet_.abortDownload) internet_.abortDownload();
        });
        internet_.download(
            url, FeedFile(), jobsContext_, [this, finished](const net::DownloadResult& r) {
                feedPending_ = false;
                if (r.ok)
                    onNewsFeedDone();
                else
                    ShowFeedLines(
                        news_.feedView,
                        {QStringLiteral("The news feed could not be read: %1").arg(r.error)});
                finished();
                RefreshBusy();
            });
    });
}

void MainWindow::onNewsFeedDone() {
    ShowFeedLines(news_.feedView, net::otousgl::ImportNewsFeed(FeedFile()).lines);
}

}  // namespace hx::ui
