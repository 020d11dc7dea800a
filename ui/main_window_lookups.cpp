// MainWindow's lookups: the weather and gazetteer lookups, the recent lists, the Internet switch
// and the hourly refresh.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "closed_browser.h"
#include "locale/lookups.h"
#include "locale/own_service.h"
#include "main_window.h"
#include "message_box.h"
#include "net/gate.h"
#include "net/service_urls.h"
#include "net/version_check.h"
#include "report/clock.h"
#include "settings/extini.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"
#include "status_panels.h"
#include "version_feed.h"

namespace hx::ui {

namespace {
// Stands for the address of a lookup the program answers itself.
const QString kOwnService = QStringLiteral("builtin:");
}  // namespace

namespace {

void ShowEntries(QListWidget* box, const RecentList& list) {
    box->clear();
    box->addItems(list.Entries());
}

}  // namespace

void MainWindow::ConnectLookups() {
    // A click on an http or https link in an answer opens the user's browser, nothing else.
    for (ClosedBrowser* view : {lookUp_.browser, alternate_.browser})
        view->SetOpenUrl([this](const QUrl& url) {
            if (internet_.openUrl) internet_.openUrl(url);
        });
    connect(lookUp_.fetch, &QPushButton::clicked, this,
            [this] { Guarded([this] { onWeatherLookupClicked(); }); });
    connect(alternate_.fetch, &QPushButton::clicked, this,
            [this] { Guarded([this] { onGazetteerLookupClicked(); }); });
    // Enter in a query box runs its page's lookup, as the button does.
    connect(lookUp_.query, &QLineEdit::returnPressed, this,
            [this] { Guarded([this] { onWeatherLookupClicked(); }); });
    connect(alternate_.query, &QLineEdit::returnPressed, this,
            [this] { Guarded([this] { onGazetteerLookupClicked(); }); });
    connect(lookUp_.recent, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Guarded([this, item] { onLookUpRecentClicked(item); });
    });
    connect(alternate_.recent, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        Guarded([this, item] { onAlternateRecentClicked(item); });
    });
    // A place of a pick list is taken with a click, or with Enter on the current one.
    for (const bool weather : {true, false}) {
        QTreeWidget* choices = (weather ? lookUp_ : alternate_).choices;
        const auto pick = [this, weather](QTreeWidgetItem* item) {
            Guarded([this, weather, item] { onPlaceChoiceClicked(weather, item); });
        };
        connect(choices, &QTreeWidget::itemClicked, this, pick);
        connect(choices, &QTreeWidget::itemActivated, this, pick);
    }
    for (QToolButton* clear : {lookUp_.clear, alternate_.clear})
        connect(clear, &QToolButton::clicked, this,
                [this] { Guarded([this] { onClearRecentClicked(); }); });
}

void MainWindow::LoadServiceAddresses() {
    addresses_ = LoadServices(TExtIniF(SettingsFilePath()), {});
    lookUp_.fetch->setText(net::LookupCaption(addresses_.weatherService));
    alternate_.fetch->setText(net::LookupCaption(addresses_.gazetteerService));
    weather_.sourceNote->setText(net::WeatherLabelText(addresses_.weatherService));
}

// The Internet question, opened without waiting: `answered` runs with the user's answer, and
// not at all when the shutdown closed the box.
void MainWindow::AskInternet(const std::function<void(bool yes)>& answered) {
    MessageBox::Ask(this, net::InternetQuestion(),
                    [context = QPointer<QObject>(jobsContext_), answered](bool yes) {
                        if (context) answered(yes);
                    });
}

// A lookup's question comes with the click, before the lookup is queued; the lookup counts as
// in flight (pending) while it is open. Yes switches Internet functions on and queues it (go),
// No drops it.
void MainWindow::PassGateThen(bool& pending, const std::function<void()>& go) {
    if (!options_.Checked(Option::InternetDisabled)) return go();
    AskInternet([this, &pending, go](bool yes) {
        if (net::PassInternetGate(options_, [yes](const QString&) { return yes; })) {
            SyncMenu();
            return go();
        }
        pending = false;
        RefreshBusy();
    });
}

bool MainWindow::StartLookup(bool userStarted, const QString& url, const char* key) {
    // The question was asked at the click: a switch turned off since then drops the lookup.
    const net::LookupStart start =
        net::PrepareLookup(options_, {}, userStarted, url, downloader_->Busy());
    SyncMenu();
    if (start == net::LookupStart::NoAddress)
        ShowClockError(net::MissingAddressMessage(key, SettingsFilePath()));
    return start == net::LookupStart::Go;
}

// --- The jobs: status, busy buttons, cancel ----------------------------------------------

void MainWindow::ShowPending(const QString& text) {
    status_->ShowPending(text);
    RefreshBusy();
}

void MainWindow::RefreshBusy() {
    status_->SetBusy(!jobs_.Idle());
    lookUp_.fetch->setEnabled(!weatherPending_);
    alternate_.fetch->setEnabled(!gazetteerPending_);
}

void MainWindow::CancelJob() {
    jobs_.CancelRunning();
}

void MainWindow::AbortNetwork() {
    zoneCity_.Cancel(CancelMode::Silent);
    citiesWait_.Cancel(CancelMode::Silent);
    downloader_->Abort();
    if (internet_.abortDownload) internet_.abortDownload();
    weatherWait_.Cancel(CancelMode::Silent);
    newsFeed_->Stop();
}

void MainWindow::LookupFailed(const net::DownloadResult& r, bool userStarted) {
    if (r.reason == net::kCancelled) {
        ShowPending(QStringLiteral("Cancelled."));
        return;
    }
    log_.log->appendPlainText(QStringLiteral("%1 (%2)").arg(r.error, r.reason));
    if (!userStarted) lookupFailedQuietly_ = true;
    ReportLookupError(r.error, userStarted);
}

void MainWindow::ReportLookupError(const QString& text, bool userStarted) {
    if (userStarted)
        ShowClockError(text);
    else
        ShowPending(text);  // a start-up or timed lookup shows no box
}

// A site that a lookup filled after the start-up found none: the clock that the missing site
// paused runs again, on the Main page.
bool MainWindow::ResumeAfterSiteFilled() {
    if (!clockPausedForSite_ || !observer().HasSite()) return false;
    clockPausedForSite_ = false;
    ShowPage(main_.page);
    SetClockTimerEnabled(ClockEnabledAfter(ClockEvent::Done, options_.Checked(Option::ClockOn)));
    onNowClicked();
    return true;
}

// --- The weather lookup ------------------------------------------------------------------

void MainWindow::onWeatherLookupClicked(bool userStarted) {
    if (weatherPending_) return;  // one weather lookup at a time; the status bar names it
    weatherPending_ = true;
    RefreshBusy();
    PassGateThen(weatherPending_, [this, userStarted] {
        jobs_.Add([this, userStarted](JobQueue::Finished finished) {
            WeatherJob(userStarted, std::move(finished));
        });
    });
}

void MainWindow::WeatherJob(bool userStarted, JobQueue::Finished finished) {
    const auto end = [this, finished] {
        weatherPending_ = false;
        finished();
        RefreshBusy();
    };
    const QString query = lookUp_.query->text();
    const QString url = net::WeatherUrl(addresses_.weatherService, query);
    // Without a service address the program answers from its own list of cities.
    bool go = false;
    Guarded([&] {
        go = StartLookup(userStarted, url.isEmpty() ? kOwnService : url, "WeatherService");
    });
    if (!go) return end();
    if (url.isEmpty()) return OwnWeatherJob(query, userStarted, end);
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    jobs_.SetCancel([this] { downloader_->Abort(); });
    downloader_->Download(url, WeatherDocumentFile(), jobsContext_,
                          [this, query, userStarted, end](const net::DownloadResult& r) {
                              if (!r.ok) {
                                  LookupFailed(r, userStarted);
                                  return end();
                              }
                              QByteArray answer;
                              WeatherOutcome outcome;
                              try {
                                  outcome = CompleteDownloadedWeather(query, &answer);
                              } catch (const Error& e) {
                                  ReportLookupError(e.message(), userStarted);
                                  return end();
                              }
                              ShowPending({});
                              Guarded([&] { onWeatherLookupDone(outcome, answer); });
                              end();
                          });
}

// The lookup the program answers itself: the place once the gazetteer is loaded, the weather
// when it comes.
void MainWindow::OwnWeatherJob(const QString& query, bool userStarted,
                               const std::function<void()>& end) {
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    citiesWait_ = places::WhenWorldCitiesLoaded(jobsContext_, [this, query, userStarted, end] {
        OwnWeatherPlace(query, userStarted, end);
    });
}

void MainWindow::OwnWeatherPlace(const QString& query, bool userStarted,
                                 const std::function<void()>& end) {
    ShowPending({});
    places::PlaceSearch search;
    try {
        search = OwnSearch(weatherPick_, query);
        KnownPlace(search, query, QStringLiteral("weather"));
    } catch (const Error& e) {
        if (!userStarted) lookupFailedQuietly_ = true;
        ReportLookupError(e.message(), userStarted);
        return end();
    }
    // The user picks among several places; a start-up or timed lookup takes the best.
    if (userStarted && !search.singledOut) {
        ShowPlaceChoices(lookUp_, search);
        return end();
    }
    const QDate date = ToQDateTime(PickerMoment()).date();
    const AsyncWeatherSource source =
        services_.weatherSource ? AnswerAtOnce(services_.weatherSource) : ProvidersWeather(20000);
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    weatherWait_ = source(*search.place, jobsContext_,
                          [this, search, query, date, userStarted,
                           end](std::optional<places::WeatherValues> weather) {
                              ShowPending({});
                              QByteArray answer;
                              WeatherOutcome outcome;
                              try {
                                  outcome =
                                      AnswerOwnWeatherLookup(search, query, date, weather, &answer);
                              } catch (const Error& e) {
                                  ReportLookupError(e.message(), userStarted);
                                  return end();
                              }
                              Guarded([&] { onWeatherLookupDone(outcome, answer); });
                              end();
                          });
}

void MainWindow::onWeatherLookupDone(const WeatherOutcome& outcome, const QByteArray& answer) {
    HidePlaceChoices(lookUp_);
    if (outcome.resultPage.isEmpty())
        lookUp_.browser->ShowText(QString::fromUtf8(answer));
    else
        lookUp_.browser->ShowPage(outcome.resultPage);
    if (lookUpRecent_.Add(outcome.recentEntry)) ShowEntries(lookUp_.recent, lookUpRecent_);
    lookUp_.cityName->setText(outcome.placeCaption);
    weather_.weatherReport->setPlainText(outcome.report.join(u'\n'));
    TakeSite(outcome.fields,
             outcome.placeCaption.isEmpty() ? outcome.recentEntry : outcome.placeCaption);
}

// --- The gazetteer lookup ----------------------------------------------------------------

void MainWindow::onGazetteerLookupClicked() {
    if (gazetteerPending_) return;
    gazetteerPending_ = true;
    RefreshBusy();
    PassGateThen(gazetteerPending_, [this] {
        jobs_.Add([this](JobQueue::Finished finished) { GazetteerJob(std::move(finished)); });
    });
}

void MainWindow::GazetteerJob(JobQueue::Finished finished) {
    const auto end = [this, finished] {
        gazetteerPending_ = false;
        finished();
        RefreshBusy();
    };
    const QString query = alternate_.query->text();
    const QString url = net::GazetteerUrl(addresses_.gazetteerService, query);
    bool go = false;
    Guarded([&] { go = StartLookup(true, url.isEmpty() ? kOwnService : url, "GazetteerService"); });
    if (!go) return end();
    if (url.isEmpty()) {
        citiesWait_ = places::WhenWorldCitiesLoaded(jobsContext_, [this, query, end] {
            Guarded([&] {
                const places::PlaceSearch search = OwnSearch(gazetteerPick_, query);
                if (search.found() && !search.singledOut)
                    return ShowPlaceChoices(alternate_, search);
                QString page;
                const GazetteerOutcome outcome = AnswerOwnGazetteerLookup(
                    search, query, ToQDateTime(PickerMoment()).date(), &page);
                onGazetteerLookupDone(outcome, page);
            });
            end();
        });
        return;
    }
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    jobs_.SetCancel([this] { downloader_->Abort(); });
    downloader_->Download(url, GazetteerPageFile(), jobsContext_,
                          [this, query, url, end](const net::DownloadResult& r) {
                              if (!r.ok) {
                                  LookupFailed(r, true);
                                  return end();
                              }
                              ShowPending({});
                              Guarded([&] {
                                  QString page;
                                  const GazetteerOutcome outcome =
                                      CompleteDownloadedGazetteer(query, &page);
                                  alternate_.browser->document()->setBaseUrl(QUrl(url));
                                  onGazetteerLookupDone(outcome, page);
                              });
                              end();
                          });
}

void MainWindow::onGazetteerLookupDone(const GazetteerOutcome& outcome, const QString& page) {
    HidePlaceChoices(alternate_);
    alternate_.browser->ShowPage(outcome.resultPage.isEmpty() ? page : outcome.resultPage);
    if (outcome.found) {
        if (alternateRecent_.Add(outcome.recentEntry))
            ShowEntries(alternate_.recent, alternateRecent_);
        if (outcome.placeCaption) alternate_.cityName->setText(*outcome.placeCaption);
        TakeSite(outcome.fields, outcome.recentEntry);
    }
    if (outcome.message) ShowClockError(*outcome.message);
}

// --- The recent lists --------------------------------------------------------------------

void MainWindow::LoadRecentLocations() {
    alternateRecent_.SetEntries(LoadRecentEntries());
    // The Look up page's list has a file of its own; before it was first saved, the list
    // starts as a copy of the Alternate page's.
    const QString own = files::ProgramFile(RecentLookupsFileName());
    lookUpRecent_.SetEntries(QFileInfo::exists(own) ? LoadRecentLookups() : LoadRecentEntries());
    ShowEntries(alternate_.recent, alternateRecent_);
    ShowEntries(lookUp_.recent, lookUpRecent_);
}

void MainWindow::SaveRecentLocations() {
    SaveRecentEntries(alternateRecent_.Entries());
}

void MainWindow::SaveRecentLookupList() {
    SaveRecentLookups(lookUpRecent_.Entries());
}

void MainWindow::onAlternateRecentClicked(QListWidgetItem* item) {
    if (gazetteerPending_) return;  // the query in flight keeps its text
    alternate_.query->setText(item->text());
    onGazetteerLookupClicked();
}

void MainWindow::onLookUpRecentClicked(QListWidgetItem* item) {
    if (weatherPending_) return;
    lookUp_.query->setText(item->text());
    onWeatherLookupClicked();
}

void MainWindow::onClearRecentClicked() {
    lookUpRecent_.Clear();
    ShowEntries(lookUp_.recent, lookUpRecent_);
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
    AskInternet(apply);
}

void MainWindow::onRefreshTick() {
    if (!net::RefreshTickLooksUp(options_)) return;
    onWeatherLookupClicked(false);
    newsFeed_->QueueFeed();
}

// Start-up step 10 as jobs: the weather lookup, then the refresh handler's weather part,
// which is left out when the first failed (its failure is shown once).
void MainWindow::RunStartupLookups() {
    // Nothing typed yet (a first start that found no city): nothing to look up.
    if (options_.Checked(Option::InternetDisabled) || lookUp_.query->text().trimmed().isEmpty())
        return;
    lookupFailedQuietly_ = false;
    onWeatherLookupClicked(false);
    jobs_.Add([this](JobQueue::Finished finished) {
        if (lookupFailedQuietly_ || !net::RefreshTickLooksUp(options_) || weatherPending_)
            return finished();
        weatherPending_ = true;
        WeatherJob(false, std::move(finished));
    });
}

}  // namespace hx::ui
