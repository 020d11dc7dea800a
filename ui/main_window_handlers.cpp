// MainWindow's handlers: start-up, the clock, the display options, the locale entry, the report.
#include <algorithm>
#include <array>
#include <cmath>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimeEdit>
#include <QTimer>

#include "clock_report.h"
#include "core/artwork.h"
#include "core/clock.h"
#include "core/ephemeris.h"
#include "core/error.h"
#include "core/zone.h"
#include "icons.h"
#include "main_window.h"
#include "message_box.h"
#include "practice_alarms.h"
#include "report/clock.h"
#include "report/option_clicks.h"
#include "report/sky_page.h"
#include "saved_places_menus.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"
#include "site_editor.h"
#include "sky_panel.h"
#include "status_panels.h"
#include "tray_and_closing.h"
#include "version_feed.h"
#include "window_dialogs.h"
#include "window_place_autostart.h"

namespace hx::ui {

void MainWindow::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& e) {
        ShowClockError(e.message());
    }
}

void MainWindow::RunStartup() {
    bool firstStart = false;
    const std::function<void()> steps[] = {
        [this] { closing_->StartUp(); },
        [this, &firstStart] {
            firstStart = !QFileInfo::exists(SettingsFilePath());
            RestoreSettings();
            // A first start runs the clock: a frozen time is no almanac.
            if (firstStart) {
                options_.SetChecked(Option::ClockOn, true);
                SyncMenu();
            }
            if (store_) windowPlace_->Restore(*store_);
            LoadServiceAddresses();
        },
        [this] {
            pages->setTabVisible(pages->indexOf(newsFeed_->Page()), !NewsFeed().isEmpty());
            // The version check and the feed run as jobs after the first report.
            startUp_.internet = !options_.Checked(Option::InternetDisabled);
        },
        [] { eph::SetEphePath(files::ProgramDirectory()); },
        [this] {
            lookups_->LoadRecentLocations();
            placesMenus_->Load();
        },
        [this] { windowPlace_->SelectStartPage(); },
        [this] { ApplyMoonPicture(options_.Checked(Option::MoonPicture)); },
        [this] {
            clock_->ForgetEvents();
            alarmsRoom_->Load();
        },
        [this] {
            SetClockTimerEnabled(
                ClockEnabledAfter(ClockEvent::StartUp, options_.Checked(Option::ClockOn)));
            if (clock_->ClockEnabled())
                refreshTimer->start();
            else
                refreshTimer->stop();
        },
        [this] { startUp_.lookups = true; },  // queued: they run once the window shows
        [this] { onSiteChanged(); },
        [this] { onClockResolutionChanged(); },
        [this] { onNowClicked(); },
    };
    for (const auto& step : steps) {
        try {
            step();
        } catch (const Error& e) {
            MessageBox::Show(this, e.message());
            break;
        }
    }
    // The window shows before any network work: the queued jobs start from the event loop, on
    // a first start once the city of the machine's zone has been found (the start-up lookups
    // ask for its weather).
    if (firstStart)
        OfferMachineZoneCity();
    else
        QTimer::singleShot(0, jobsContext_, [this] { StartStartupJobs(); });
}

void MainWindow::StartStartupJobs() {
    // The gazetteer loads beside the window, after the first report; lookups wait for it.
    places::LoadWorldCitiesInBackground();
    if (startUp_.lookups) lookups_->RunStartupLookups();
    if (startUp_.internet) {
        newsFeed_->QueueVersionCheck();
        newsFeed_->QueueFeed();
    }
    jobs_.Add([this](JobQueue::Finished finished) {
        startUp_.jobsEnded = true;
        finished();
        newsFeed_->StartUpEnded();
    });
}

void MainWindow::OnMenuClick(const QString& name) {
    // The handler of each menu command, in the order of MenuCommand.
    using Handler = void (*)(MainWindow&, const QString& item);
    static constexpr std::array<Handler, std::size_t(MenuCommand::Count)> handlers = {
        [](MainWindow&, const QString&) {},  // None
        [](MainWindow& f, const QString& item) {
            f.onDisplayOptionClicked(item);
        },  // DisplayOption
        [](MainWindow& f, const QString&) { f.onMoonPictureClicked(); },
        [](MainWindow& f, const QString&) { f.onTrayPlanetaryHoursClicked(); },
        [](MainWindow& f, const QString&) { f.onTrayMoonPhaseClicked(); },
        [](MainWindow& f, const QString& item) {  // Clock
            f.options_.Invert(item);  // the item toggles its own mark before its handler runs
            f.SyncMenu();
            f.onClockOnClicked();
        },
        [](MainWindow& f, const QString&) { f.onNowClicked(); },
        [](MainWindow& f, const QString&) { f.closing_->onExit(true); },
        [](MainWindow& f, const QString&) { f.onLocaleClicked(); },
        [](MainWindow& f, const QString&) { f.onRefreshClicked(); },
        [](MainWindow& f, const QString&) { f.onInternetSwitchClicked(); },
        [](MainWindow& f, const QString&) { f.closing_->onDateToClipboard(); },
        [](MainWindow& f, const QString&) { f.closing_->onRestore(); },
        [](MainWindow& f, const QString&) { f.dialogs_->onReverseLookupClicked(); },
        [](MainWindow& f, const QString&) { f.dialogs_->onAboutClicked(); },
        [](MainWindow& f, const QString&) { f.closing_->onCopy(); },
    };
    const int i = OptionsModel::IndexOf(name);
    if (i < 0) return;
    const Handler handler = handlers[std::size_t(MenuItems()[i].command)];
    Guarded([&] { handler(*this, name); });
    SyncMenu();  // Qt toggles a checkable action itself; the model has the last word
}

void MainWindow::SyncMenu() {
    SyncChecks(menus_, options_);
}

// --- The clock -------------------------------------------------------------------------

void MainWindow::onNowClicked() {
    clock_->Now();
}

void MainWindow::onClockTick() {
    clock_->Tick();
}

void MainWindow::BuildReport() {
    clock_->Rebuild();
}

bool MainWindow::ClockTimerEnabled() const {
    return clock_->ClockEnabled();
}

quint32 MainWindow::ClockTimerInterval() const {
    return clock_->Interval();
}

void MainWindow::SetClockTimerEnabled(bool enabled) {
    clock_->SetClockEnabled(enabled);
}

const QString& MainWindow::TrayText() const {
    return clock_->TrayText();
}

const TrayChoice& MainWindow::TrayIconChoice() const {
    return clock_->TrayIconChoice();
}

Moment MainWindow::PickerMoment() const {
    return clock_->PickerMoment();
}

// The one error box of the clock, the alarms, the jobs and the handlers; a screenful of errors
// overflows to the Log page.
void MainWindow::ShowClockError(const QString& text) {
    errorBox_.Show(text);
}

void MainWindow::AppendLog(const QString& line) {
    log_.log->appendPlainText(line);
}

void MainWindow::onClockResolutionChanged() {
    const IntervalChange c =
        IntervalFromResolution(site_->Locale().clockResolution->text(), clock_->Interval());
    if (c.error) {
        MessageBox::Show(this, *c.error);
        return;
    }
    clock_->SetInterval(c.interval);
}

void MainWindow::onClockOnClicked() {
    const bool on = options_.Checked(Option::ClockOn);
    clock_->ClearPausedForSite();
    if (on) MessageBox::Show(this, kClockOnMessage);
    SetClockTimerEnabled(ClockEnabledAfter(ClockEvent::Switch, on));
    if (options_.Checked(Option::Refresh)) {
        if (clock_->ClockEnabled())
            refreshTimer->start();
        else
            refreshTimer->stop();
    }
    onNowClicked();
}

// --- Display options -------------------------------------------------------------------

// onDisplayOptionClicked, onMoonPictureClicked, onTrayPlanetaryHoursClicked and
// onTrayMoonPhaseClicked: the click's meaning comes from the options model, the window applies it
// and rebuilds the report.
void MainWindow::OptionClicked(const QString& item) {
    const OptionClick c = ClickOption(options_, item);
    SyncMenu();
    if (c.moonPictureChanged) ApplyMoonPicture(c.moonPictureShown);
    BuildReport();
    // The balloon shows the report just built, never an older text.
    if (c.showBalloon) closing_->ShowBalloon(TrayText());
}

void MainWindow::onDisplayOptionClicked(const QString& item) {
    OptionClicked(item);
}

void MainWindow::ApplyMoonPicture(bool shown) {
    clock_->ShowMoonPicture(shown);
}

void MainWindow::onMoonPictureClicked() {
    OptionClicked(StoredName(Option::MoonPicture));
}

void MainWindow::onTrayPlanetaryHoursClicked() {
    OptionClicked(StoredName(Option::TrayPlanetaryHours));
}

void MainWindow::onTrayMoonPhaseClicked() {
    OptionClicked(StoredName(Option::TrayMoonPhase));
}

// --- Locale entry ----------------------------------------------------------------------

const Observer& MainWindow::observer() const {
    return site_->observer();
}

void MainWindow::onSiteChanged() {
    site_->Commit();
}

void MainWindow::NoteSiteName(const QString& name) {
    site_->NoteName(name);
    placesMenus_->Fill();
}

QString MainWindow::PresentPlaceName() const {
    return site_->PlaceName();
}

void MainWindow::onLocaleClicked() {
    clock_->ClearPausedForSite();
    pages->setCurrentWidget(site_->Locale().page);
    SetClockTimerEnabled(
        ClockEnabledAfter(ClockEvent::LocaleOpened, options_.Checked(Option::ClockOn)));
}

void MainWindow::onLocaleDone() {
    if (MinutesLookLikeDecimals(site_->Fields())) {
        MessageBox::Show(this, kMinutesWarning);
        site_->UseDecimalFormat();
    }
    clock_->ClearPausedForSite();
    onSiteChanged();
    if (const std::optional<QString> bad = SiteRangeError(observer())) {
        MessageBox::Show(this, *bad);  // the page stays open for the correction
        return;
    }
    ShowPage(clock_->MainPageWidget());
    SetClockTimerEnabled(ClockEnabledAfter(ClockEvent::Done, options_.Checked(Option::ClockOn)));
    // Pickers that showed the present show the present of the site as it now is.
    clock_->RebuildForNewSite();
}

void MainWindow::onLocaleLeft() {
    onSiteChanged();
    // Without a usable site the report says so when it next runs; the page is not forced back.
    if (!observer().HasSite() || SiteRangeError(observer())) return;
    clock_->ClearPausedForSite();
    SetClockTimerEnabled(ClockEnabledAfter(ClockEvent::Done, options_.Checked(Option::ClockOn)));
    clock_->RebuildForNewSite();
}

void MainWindow::ShowPage(QWidget* page) {
    const QScopedValueRollback selecting(inFront_.selecting, true);
    pages->setCurrentWidget(page);
}

void MainWindow::TakeSite(const LocaleFieldTexts& fields, const QString& name) {
    site_->Take(fields, NowUtc());
    NoteSiteName(name);
    if (!ResumeAfterSiteFilled()) RebuildForNewSite();
}

void MainWindow::RebuildForNewSite() {
    if (!observer().HasSite() || SiteRangeError(observer())) return;
    clock_->RebuildForNewSite();
}

// --- The report ------------------------------------------------------------------------

void MainWindow::ShowSiteMissing() {
    // The Look up page is as good a place to give the site (a first start may show it).
    if (pages->currentWidget() != lookups_->LookUp().page) ShowPage(site_->Locale().page);
    SetClockTimerEnabled(
        ClockEnabledAfter(ClockEvent::SiteMissing, options_.Checked(Option::ClockOn)));
}

}  // namespace hx::ui
