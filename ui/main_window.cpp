// MainWindow's construction: the top strip, the pages, the menus, the status bar, timers and tray.
#include "main_window.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "calendar_export.h"
#include "caret_blink.h"
#include "clock_report.h"
#include "core/clock.h"
#include "core/format.h"
#include "day_spinner.h"
#include "error_box.h"
#include "icons.h"
#include "practice_alarms.h"
#include "report/clock.h"
#include "saved_places_menus.h"
#include "site_editor.h"
#include "sky_panel.h"
#include "status_panels.h"
#include "tray_and_closing.h"
#include "tray_area.h"
#include "version_feed.h"
#include "window_dialogs.h"
#include "window_place_autostart.h"

namespace hx::ui {

MainWindow::MainWindow(WindowServices services, InternetAccess internet, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), internet_(std::move(internet)) {
    setObjectName("Form1");
    jobsContext_ = new QObject(this);
    setWindowTitle("Heliodex");
    resize(715, 510);
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    BuildClock();
    BuildPages();
    column->addWidget(clock_->TopStrip());
    column->addWidget(pages, 1);
    menuBar()->setObjectName("MainMenu1");
    menus_ = BuildMenus(menuBar(), this, [this](const QString& n) { OnMenuClick(n); });
    windowPlace_ =
        new WindowPlaceAndAutostart({this, pages, clock_->MainPageWidget(),
                                     [this](const std::function<void()>& h) { Guarded(h); }});
    windowPlace_->AddDesktopCommand(menus_.startWithDesktop,
                                    menus_.byName.value(StoredName(Option::OptionsMenu))->menu());
    placesMenus_ = new SavedPlacesMenus(
        {this,
         [this] {
             onSiteChanged();
             return observer();
         },
         [this] { return PresentPlaceName(); }, [this] { return site_->Fields().altitude; },
         [this] { return ToQDateTime(PickerMoment()).date(); },
         [this](const LocaleFieldTexts& fields, const QString& name) { TakeSite(fields, name); },
         [this](const QString& name) { lookups_->LookUp().cityName->setText(name); },
         [this](const QString& text, int ms) { ShowStatusMessage(text, ms); },
         [this](const std::function<void()>& h) { Guarded(h); }});
    placesMenus_->AddMenus(menus_);
    dialogs_ =
        new WindowDialogs({this, [this] { return MakerSite(); },
                           [this] { newsFeed_->openHomePage(); }, [this] { return observer(); }});
    export_ =
        new CalendarExport({this, [this] { return observer(); }, [this] { return PickerMoment(); },
                            [this] { return ThelemicStyleOf(options_); },
                            [this](const QString& text, int ms) { ShowStatusMessage(text, ms); },
                            [this](const std::function<void()>& h) { Guarded(h); },
                            [this] { return alarms::CalendarLeads(alarmsRoom_->Tables()); }});
    export_->AddMenuItem(menus_.byName.value(StoredName(Option::FileMenu)),
                         menus_.byName.value(StoredName(Option::Exit)));
    alarmsRoom_->Practice().AddActions(menus_.byName.value(StoredName(Option::OptionsMenu))->menu(),
                                       menus_.trayMenu);
    SyncMenu();
    BuildStatusBar();
    // The design size, widened where the tabs need more to show their whole captions or the
    // pages their content (the Main page the whole date line), within the screen; the window
    // may still be made narrower, and the captions then shorten.
    if (const int tabs = std::max(pages->tabBar()->sizeHint().width(), pages->sizeHint().width());
        tabs > width()) {
        const QScreen* on = screen();
        resize(on ? std::min(tabs, on->availableGeometry().width()) : tabs, height());
    }
    BuildClosing(BuildTimersAndTray());
    RunStartup();
}

MainWindow::~MainWindow() {
    closing_->RunShutdown();
    site_->Detach();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_->CloseAllowed())
        event->accept();
    else
        event->ignore();
}

void MainWindow::BuildClosing(QSystemTrayIcon* trayIcon) {
    TrayAndClosing::Window w;
    w.window = this;
    w.trayIcon = trayIcon;
    w.reportView = clock_->ReportView();
    w.trayText = [this] { return TrayText(); };
    w.buildReport = [this] { BuildReport(); };
    w.now = [this] { onNowClicked(); };
    w.say = [this](const QString& text, int ms) { ShowStatusMessage(text, ms); };
    w.guarded = [this](const std::function<void()>& h) { Guarded(h); };
    w.endJobsContext = [this] { delete jobsContext_.data(); };
    w.stopRefresh = [this] { refreshTimer->stop(); };
    w.closeDialogs = [this] { dialogs_->CloseDialogs(); };
    w.closeAlarms = [this] { alarmsRoom_->Close(); };
    w.cancelJobs = [this] { jobs_.CancelAll(); };
    w.abortNetwork = [this] { AbortNetwork(); };
    w.cancelExport = [this] { export_->Cancel(); };
    w.saveSettings = [this] { SaveSettings(); };
    w.saveRecentLocations = [this] { lookups_->SaveRecentLocations(); };
    w.saveRecentLookups = [this] { lookups_->SaveRecentLookupList(); };
    w.alarmSaveSteps = [this] { return alarmsRoom_->SaveSteps(); };
    w.dropEvents = [this] { clock_->ForgetEvents(); };
    closing_ = new TrayAndClosing(std::move(w));
    closing_->AddSaveStep(placesMenus_->ShutdownStep());
}

void MainWindow::BuildAlarms() {
    alarmsRoom_ = new AlarmsRoom(
        services_,
        AlarmsRoom::Window{[this](const QString& line) { AppendLog(line); },
                           [this](const QString& text, int ms) { ShowStatusMessage(text, ms); },
                           [this](const QString& text) { ShowClockError(text); },
                           [this](const QString& body) {
                               if (closing_->Icon()->isVisible()) closing_->ShowBalloon(body);
                           },
                           [this] { Guarded([this] { BuildReport(); }); },
                           [this]() -> SkyEventState& { return clock_->Events(); },
                           [this] { return clock_->EventsGeneration(); },
                           [this]() -> const Observer& { return observer(); },
                           [this] { return jobsContext_.data(); }},
        this);
}

void MainWindow::BuildLookups(const LookupPage& lookUp, const LookupPage& alternate) {
    PlaceLookups::Window window{
        .parent = this,
        .internet = &internet_,
        .jobs = &jobs_,
        .options = &options_,
        .addresses = &addresses_,
        .sourceNote = site_->Weather().sourceNote,
        .weatherReport = site_->Weather().weatherReport,
        .context = [this] { return jobsContext_.data(); },
        .reportDate = [this] { return ToQDateTime(PickerMoment()).date(); },
        .takeSite = [this](const LocaleFieldTexts& fields,
                           const QString& name) { TakeSite(fields, name); },
        .showError = [this](const QString& text) { ShowClockError(text); },
        .log = [this](const QString& line) { AppendLog(line); },
        .syncMenu = [this] { SyncMenu(); },
        .showPending = [this](const QString& text) { status_->ShowPending(text); },
        .busyChanged = [this] { RefreshBusy(); },
        .showPage = [this](QWidget* page) { ShowPage(page); },
    };
    lookups_ = new PlaceLookups(services_, lookUp, alternate, std::move(window), this);
}

void MainWindow::BuildClock() {
    clock_ = new ClockAndReport(
        {this, &services_, &options_, [this]() -> const Observer& { return observer(); },
         [this] { return PresentPlaceName(); }, [this] { return alarmsRoom_->Practice().Style(); },
         [this](Moment now) { site_->FollowZone(now); },
         [this](const QString& text) { status_->ShowTime(text); },
         [this](const QString& text) { status_->SetCountdown(text); },
         [this](const QString& toolTip) { closing_->Icon()->setToolTip(toolTip); },
         [this](const QIcon& icon) { closing_->Icon()->setIcon(icon); },
         [this](const QString& line) { AppendLog(line); },
         [this](const QString& text) { ShowClockError(text); }, [this] { ShowSiteMissing(); },
         [this](Moment now) { alarmsRoom_->Check(now); },
         [this](const std::function<void()>& h) { Guarded(h); }},
        this);
}

void MainWindow::BuildPages() {
    pages = new QTabWidget;
    pages->setObjectName("pages");
    pages->setTabPosition(QTabWidget::South);
    pages->setUsesScrollButtons(false);
    // Every tab stays in sight: in a window narrower than the tabs' full captions the longer
    // captions are shortened, rather than the window held wider than the screen.
    pages->setElideMode(Qt::ElideRight);
    const LookupPage lookUp = BuildLookupPage(kLookUpPageNames);
    site_ = new SiteEditor({[this](const QString& text) { status_->ShowSite(text); },
                            [this](const QString& text, int ms) { ShowStatusMessage(text, ms); },
                            [this](const std::function<void()>& h) { Guarded(h); }},
                           this);
    // A picked zone shows its offset at the present.
    connect(site_, &SiteEditor::ZonePicked, this,
            [this] { Guarded([this] { site_->FollowZone(NowUtc()); }); });
    const LookupPage alternate = BuildLookupPage(kAlternatePageNames);
    newsFeed_ =
        new VersionAndFeed({this, &internet_, &jobs_, BuildNewsPage(),
                            [this] { return MakerSite(); }, [this] { return NewsFeed(); },
                            [this] { return dialogs_->OpenDialogs(); }, [this] { RefreshBusy(); }});
    log_ = BuildLogPage();
    BuildLookups(lookUp, alternate);
    BuildAlarms();
    const QList<QIcon> icons = PageIcons();
    const struct {
        QWidget* page;
        const char* caption;
        int icon;
    } tabs[] = {{clock_->MainPageWidget(), "Main", 7}, {clock_->SkyPage(), "Sky", 7},
                {lookUp.page, "Look up", 1},           {site_->Locale().page, "Locale", 2},
                {site_->Weather().page, "Weather", 3}, {alternate.page, "Alternate", 1},
                {newsFeed_->Page(), "News", 4},        {log_.page, "Log", 4},
                {alarmsRoom_->Page(), "Alarms", 6},    {alarmsRoom_->Sounds(), "Sounds", 5}};
    for (const auto& t : tabs) pages->addTab(t.page, icons.value(t.icon), t.caption);
    // The News page is prepared but not offered: hidden, and disabled so that Ctrl+Tab passes
    // over it too.
    pages->setTabVisible(pages->indexOf(newsFeed_->Page()), false);
    pages->setTabEnabled(pages->indexOf(newsFeed_->Page()), false);
    inFront_.page = pages->currentWidget();
    connect(pages, &QTabWidget::currentChanged, this, [this] {
        QWidget* left = std::exchange(inFront_.page, pages->currentWidget());
        if (left == site_->Locale().page && inFront_.page != site_->Locale().page &&
            !inFront_.selecting)
            Guarded([this] { onLocaleLeft(); });
    });

    connect(site_->Locale().doneButton, &QPushButton::clicked, this,
            [this] { Guarded([this] { onLocaleDone(); }); });
    connect(site_->Locale().clockResolution, &QLineEdit::textChanged, this,
            [this] { Guarded([this] { onClockResolutionChanged(); }); });
}

void MainWindow::BuildStatusBar() {
    status_ = new StatusPanels(statusBar(), this, [this] { CancelJob(); });
}

void MainWindow::ShowStatusMessage(const QString& text, int ms) {
    status_->ShowMessage(text, ms);
}

QSystemTrayIcon* MainWindow::BuildTimersAndTray() {
    refreshTimer = new QTimer(this);
    refreshTimer->setObjectName("refreshTimer");
    refreshTimer->setInterval(3600000);
    connect(refreshTimer, &QTimer::timeout, this, [this] { Guarded([this] { onRefreshTick(); }); });
    new CaretBlinkTimeout(10000, this);  // a steady caret after a while without input
    // The icon exists from the start and is shown once the desktop has a notification area,
    // which a panel started after the program provides later.
    auto* trayIcon = new QSystemTrayIcon(MoonIcon(0, false), this);
    trayIcon->setObjectName("TrayIcon1");
    trayIcon->setToolTip("Heliodex");
    trayIcon->setContextMenu(menus_.trayMenu);
    auto* area = new TrayArea(this);
    // A panel that goes away takes the icon with it; closing then only minimizes.
    connect(area, &TrayArea::Changed, this,
            [trayIcon](bool available) { trayIcon->setVisible(available); });
    if (area->Available()) trayIcon->show();
    return trayIcon;
}

QString MainWindow::StatusText(int panel) const {
    return status_->Text(panel);
}

}  // namespace hx::ui
