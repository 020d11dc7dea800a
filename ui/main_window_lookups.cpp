// MainWindow's side of the lookups: the "Services" addresses, the job queue's Cancel, the
// shutdown's network stop, the Internet switch and the hourly refresh. The lookups themselves
// are PlaceLookups'.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "clock_report.h"
#include "main_window.h"
#include "net/gate.h"
#include "report/clock.h"
#include "settings/extini.h"
#include "settings/window_settings.h"
#include "status_panels.h"
#include "version_feed.h"

namespace hx::ui {

void MainWindow::LoadServiceAddresses() {
    addresses_ = LoadServices(TExtIniF(SettingsFilePath()), {});
    lookups_->ShowServiceCaptions();
}

bool MainWindow::JobsIdle() const {
    return !startUp_.zoneCity.Pending() && startUp_.jobsEnded && jobs_.Idle() && lookups_->Idle();
}

void MainWindow::RefreshBusy() {
    status_->SetBusy(!jobs_.Idle());
}

void MainWindow::CancelJob() {
    jobs_.CancelRunning();
}

void MainWindow::AbortNetwork() {
    startUp_.zoneCity.Cancel(CancelMode::Silent);
    lookups_->Stop();
    if (internet_.abortDownload) internet_.abortDownload();
    newsFeed_->Stop();
}

// A site that a lookup filled after the start-up found none: the clock that the missing site
// paused runs again, on the Main page.
bool MainWindow::ResumeAfterSiteFilled() {
    if (!clock_->PausedForSite() || !observer().HasSite()) return false;
    clock_->ClearPausedForSite();
    ShowPage(clock_->MainPageWidget());
    SetClockTimerEnabled(ClockEnabledAfter(ClockEvent::Done, options_.Checked(Option::ClockOn)));
    onNowClicked();
    return true;
}

// --- The Internet switch and the refresh timer -------------------------------------------

void MainWindow::onInternetSwitchClicked() {
    net::ToggleInternetDisabled(options_);
}

void MainWindow::onRefreshClicked() {
    const auto apply = [this](bool yes) {
        const net::RefreshClickResult r = net::RefreshClick(
            options_, [yes](const QString&) { return yes; }, refreshTimer->isActive());
        SyncMenu();
        if (r.runClockHandler) onClockOnClicked();
        if (!r.timer2Enabled)
            refreshTimer->stop();
        else if (!refreshTimer->isActive())
            refreshTimer->start();
    };
    // Switching the refresh on while Internet functions are off asks first; the click's rule
    // runs with the answer.
    if (options_.Checked(Option::Refresh) || !options_.Checked(Option::InternetDisabled))
        return apply(false);
    lookups_->AskInternet(apply);
}

void MainWindow::onRefreshTick() {
    if (!net::RefreshTickLooksUp(options_)) return;
    lookups_->onWeatherLookupClicked(false);
    newsFeed_->QueueFeed();
}

}  // namespace hx::ui
