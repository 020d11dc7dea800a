// MainWindow, the main window: composes the parts that own the program's components and
// run-time state, and runs the handlers that join them.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "alarm_pages.h"
#include "alarms_room.h"
#include "core/observer.h"
#include "core/sky_events.h"
#include "error_box.h"
#include "job_queue.h"
#include "locale/site_fields.h"
#include "main_menu.h"
#include "menu/options_model.h"
#include "pages.h"
#include "place_lookups.h"
#include "report/report.h"
#include "report/shutdown.h"
#include "settings/component.h"
#include "settings/extini.h"
#include "settings/service_addresses.h"
#include "ui/internet_access.h"
#include "window_services.h"

class QCloseEvent;
class QSystemTrayIcon;
class QTabWidget;
class QTimer;

namespace hx::ui {

class ClockAndReport;
class SiteEditor;
class StatusPanels;
class CalendarExport;
class SavedPlacesMenus;
class TrayAndClosing;
class WindowPlaceAndAutostart;
class WindowDialogs;
class VersionAndFeed;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(WindowServices services, InternetAccess internet = DefaultInternetAccess(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // The settings store's view of the window: 14 "Locale" components, then the 51 menu items.
    std::vector<std::unique_ptr<PersistentComponent>> ComponentStates();

    const Observer& observer() const;
    const OptionsModel& options() const { return options_; }
    bool ClockTimerEnabled() const;
    quint32 ClockTimerInterval() const;
    const QString& TrayText() const;
    const TrayChoice& TrayIconChoice() const;
    QString StatusText(int panel) const;
    // A message in the status bar's message panel for ms milliseconds.
    void ShowStatusMessage(const QString& text, int ms);
    QAction* Action(const QString& name) const { return menus_.byName.value(name); }
    // The alarms, their pages and the sound player (the pages' handlers are called through it).
    AlarmsRoom& Alarms() const { return *alarmsRoom_; }
    // Options -> Places and the tray's Places, and savedplaces.txt.
    SavedPlacesMenus& Places() const { return *placesMenus_; }
    // The tray's balloon, Restore, the clipboard commands, Exit and the shutdown.
    TrayAndClosing& Closing() const { return *closing_; }
    // The About box, the lookup window and the dialogs on screen.
    WindowDialogs& Dialogs() const { return *dialogs_; }
    VersionAndFeed& Feed() const { return *newsFeed_; }  // the version check and the news feed

    // Handlers, named after the component and event they serve.
    void RunStartup();
    void onNowClicked();  // Now: nowButton, Now1, clockTimer
    void onClockTick();   // one tick of clockTimer: the Now command, an error shown in a box
    void onClockResolutionChanged();
    void onClockOnClicked();
    void onDisplayOptionClicked(const QString& item);
    void onMoonPictureClicked();
    void onTrayPlanetaryHoursClicked();
    void onTrayMoonPhaseClicked();
    void onLocaleClicked();
    void onSiteChanged();
    void onLocaleDone();
    // The Locale page left by a tab or a command: the site is read again and the clock runs
    // again if "Clock on" says so, as after Done.
    void onLocaleLeft();
    // The lookups of a place, their pick lists and recent lists (their pages' handlers are
    // called through it).
    PlaceLookups& Lookups() const { return *lookups_; }
    void onRefreshTick();  // the hourly refresh: the weather lookup and the feed
    void onRefreshClicked();
    void onInternetSwitchClicked();
    const ServiceAddresses& Addresses() const { return addresses_; }
    // The start-up's jobs have ended and no network job runs or waits (a lookup waiting on the
    // Internet question waits too).
    bool JobsIdle() const;
    // Esc and the status bar's Cancel: ends the running job (a download, the version check),
    // and only that one; the jobs queued behind it still run.
    void CancelJob();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildClock();
    void BuildPages();
    void BuildStatusBar();
    QSystemTrayIcon* BuildTimersAndTray();  // the refresh timer, the caret, the tray icon
    void BuildClosing(QSystemTrayIcon* trayIcon);
    void OnMenuClick(const QString& name);
    void OptionClicked(const QString& item);
    void SyncMenu();
    void Guarded(const std::function<void()>& handler);
    // Errors of the clock, the alarms, the jobs and the handlers, through the one error box.
    void ShowClockError(const QString& text);
    void AppendLog(const QString& line);  // a line on the Log page

    void BuildReport();  // for the present read now
    void ShowSiteMissing();
    // A site set by a lookup, a pick or a saved place: the report, the tray and the tooltip
    // follow at once, for the new site's present when the pickers held the present.
    void RebuildForNewSite();
    // A site found by a lookup or a saved place, under the name it goes by: the fields show
    // it, and the report, the tray and the tooltip follow at once.
    void TakeSite(const LocaleFieldTexts& fields, const QString& name);
    void ShowPage(QWidget* page);  // a page the program selects, not a leaving of the Locale page
    void ApplyMoonPicture(bool shown);
    void SetClockTimerEnabled(bool enabled);
    // The reading the pickers show, as the report and the lookups take it.
    Moment PickerMoment() const;

    void RestoreSettings();   // start-up step 2: heliodex.ini into menus, fields and boxes
    void SaveSettings();      // shutdown: menus, fields, boxes and the window into heliodex.ini
    void StartStartupJobs();  // after the first report: lookups, version check, feed
    QString MakerSite() const { return addresses_.makerSite; }
    QString NewsFeed() const { return addresses_.newsFeed; }

    // Start-up steps that later work fills in.
    void LoadServiceAddresses();   // step 2: the "Services" section, and the captions
    bool ResumeAfterSiteFilled();  // true: it rebuilt the report
    // A first start (no heliodex.ini): the site and the queries set to the city of the
    // machine's time zone.
    void OfferMachineZoneCity();
    void ShowMachineZoneCity(const std::optional<places::Place>& place);
    void AbortNetwork();  // shutdown: every download and the version check end at once
    void RefreshBusy();   // the status bar's Cancel shows while a job runs
    void BuildAlarms();
    void BuildLookups(const LookupPage& lookUp, const LookupPage& alternate);
    // The site's name, kept by the site's owner; the saved places' menus mark it.
    QString PresentPlaceName() const;
    // The name of the place a lookup or a saved place set, with the coordinates it set.
    void NoteSiteName(const QString& name);

    // --- What the window owns: the seams it was given, the parts it composes, the state of
    // its own handlers.

    WindowServices services_;
    // The context of every job the window starts; the shutdown destroys it, so no completion
    // runs after it.
    QPointer<QObject> jobsContext_;
    WindowDialogs* dialogs_ = nullptr;  // the About box, the lookup window, the dialogs on screen
    InternetAccess internet_;
    VersionAndFeed* newsFeed_ = nullptr;  // the version check and the news feed
    std::unique_ptr<TExtIniF> store_;     // open from start-up to shutdown
    OptionsModel options_;
    // The site: its fields, its Observer and its name, shown by the Locale and Weather pages.
    SiteEditor* site_ = nullptr;
    // The pickers, the clock timer, the report and its views.
    ClockAndReport* clock_ = nullptr;
    CalendarExport* export_ = nullptr;         // File → Export Calendar…
    SavedPlacesMenus* placesMenus_ = nullptr;  // the "Places" submenus and savedplaces.txt
    TrayAndClosing* closing_ = nullptr;        // the tray's balloon, Exit and the shutdown
    // The window's geometry and page from one run to the next, and the autostart entry.
    WindowPlaceAndAutostart* windowPlace_ = nullptr;
    JobQueue jobs_;  // downloads, lookups, the version check: one after another
    // How far the start-up got: what it found, and the jobs it left to the event loop.
    struct StartUpProgress {
        bool internet = false;   // step 3 found Internet functions enabled
        bool lookups = false;    // the sequence reached step 10
        bool jobsEnded = false;  // the queued start-up jobs have all ended
        JobHandle zoneCity;      // a first start's wait for the gazetteer
    } startUp_;
    ServiceAddresses addresses_;  // the "Services" section: the lookups', the feed's, the maker's
    // The weather and gazetteer lookups with the Look up and Alternate pages.
    PlaceLookups* lookups_ = nullptr;

    QTabWidget* pages = nullptr;
    // The page in front, to tell which one was left, and whether the program is selecting it.
    struct PageInFront {
        QWidget* page = nullptr;
        bool selecting = false;
    } inFront_;
    LogPage log_;
    // The alarm tables, the Alarms and Sounds pages, the player, the check on each tick.
    AlarmsRoom* alarmsRoom_ = nullptr;
    // The one error box; a screenful of errors overflows to the Log page.
    ErrorBox errorBox_{this, [this](const QString& more) { AppendLog(more); }};
    StatusPanels* status_ = nullptr;  // the time, the site, messages and the running job
    MenuActions menus_;
    QTimer* refreshTimer = nullptr;
};

}  // namespace hx::ui
