// The weather and gazetteer lookups, their recent lists and the Internet question.
#include "place_lookups.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "closed_browser.h"
#include "core/error.h"
#include "internet_access.h"
#include "locale/lookups.h"
#include "menu/options_model.h"
#include "message_box.h"
#include "net/download.h"
#include "net/gate.h"
#include "net/service_urls.h"
#include "settings/service_addresses.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"
#include "window_services.h"

namespace hx::ui {

namespace {

// Stands for the address of a lookup the program answers itself.
const QString kOwnService = QStringLiteral("builtin:");

void ShowEntries(QListWidget* box, const RecentList& list) {
    box->clear();
    box->addItems(list.Entries());
}

}  // namespace

PlaceLookups::PlaceLookups(const WindowServices& services, LookupPage lookUp, LookupPage alternate,
                           Window window, QObject* parent)
    : QObject(parent),
      window_(std::move(window)),
      lookUp_(lookUp),
      alternate_(alternate),
      downloader_(services.downloader ? services.downloader
                                      : std::make_shared<net::HttpDownloader>()),
      weatherSource_(services.weatherSource),
      weatherChoices_(lookUp.choices, lookUp.choicesLabel),
      gazetteerChoices_(alternate.choices, alternate.choicesLabel) {
    Connect();
}

PlaceLookups::~PlaceLookups() = default;

void PlaceLookups::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const Error& e) {
        window_.showError(e.message());
    }
}

void PlaceLookups::Connect() {
    // A click on an http or https link in an answer opens the user's browser, nothing else.
    for (ClosedBrowser* view : {lookUp_.browser, alternate_.browser})
        view->SetOpenUrl([this](const QUrl& url) {
            if (window_.internet->openUrl) window_.internet->openUrl(url);
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

void PlaceLookups::ShowServiceCaptions() {
    lookUp_.fetch->setText(net::LookupCaption(window_.addresses->weatherService));
    alternate_.fetch->setText(net::LookupCaption(window_.addresses->gazetteerService));
    window_.sourceNote->setText(net::WeatherLabelText(window_.addresses->weatherService));
}

void PlaceLookups::AskInternet(const std::function<void(bool yes)>& answered) {
    MessageBox::Ask(window_.parent, net::InternetQuestion(),
                    [context = QPointer<QObject>(window_.context()), answered](bool yes) {
                        if (context) answered(yes);
                    });
}

// A lookup's question comes with the click, before the lookup is queued; the lookup counts as
// in flight (pending) while it is open. Yes switches Internet functions on and queues it (go),
// No drops it.
void PlaceLookups::PassGateThen(bool& pending, const std::function<void()>& go) {
    if (!window_.options->Checked(Option::InternetDisabled)) return go();
    AskInternet([this, &pending, go](bool yes) {
        if (net::PassInternetGate(*window_.options, [yes](const QString&) { return yes; })) {
            window_.syncMenu();
            return go();
        }
        pending = false;
        RefreshBusy();
    });
}

bool PlaceLookups::StartLookup(bool userStarted, const QString& url, const char* key) {
    // The question was asked at the click: a switch turned off since then drops the lookup.
    const net::LookupStart start =
        net::PrepareLookup(*window_.options, {}, userStarted, url, downloader_->Busy());
    window_.syncMenu();
    if (start == net::LookupStart::NoAddress)
        window_.showError(net::MissingAddressMessage(key, SettingsFilePath()));
    return start == net::LookupStart::Go;
}

// --- Status, busy buttons, failures ------------------------------------------------------

void PlaceLookups::ShowPending(const QString& text) {
    window_.showPending(text);
    RefreshBusy();
}

void PlaceLookups::RefreshBusy() {
    window_.busyChanged();
    lookUp_.fetch->setEnabled(!weatherPending_);
    alternate_.fetch->setEnabled(!gazetteerPending_);
}

void PlaceLookups::Stop() {
    citiesWait_.Cancel(CancelMode::Silent);
    downloader_->Abort();
    weatherWait_.Cancel(CancelMode::Silent);
}

void PlaceLookups::LookupFailed(const net::DownloadResult& r, bool userStarted) {
    if (r.reason == net::kCancelled) {
        ShowPending(QStringLiteral("Cancelled."));
        return;
    }
    window_.log(QStringLiteral("%1 (%2)").arg(r.error, r.reason));
    if (!userStarted) lookupFailedQuietly_ = true;
    ReportLookupError(r.error, userStarted);
}

void PlaceLookups::ReportLookupError(const QString& text, bool userStarted) {
    if (userStarted)
        window_.showError(text);
    else
        ShowPending(text);  // a start-up or timed lookup shows no box
}

// --- The weather lookup ------------------------------------------------------------------

void PlaceLookups::onWeatherLookupClicked(bool userStarted) {
    if (weatherPending_) return;  // one weather lookup at a time; the status bar names it
    weatherPending_ = true;
    RefreshBusy();
    PassGateThen(weatherPending_, [this, userStarted] {
        window_.jobs->Add([this, userStarted](JobQueue::Finished finished) {
            WeatherJob(userStarted, std::move(finished));
        });
    });
}

void PlaceLookups::WeatherJob(bool userStarted, JobQueue::Finished finished) {
    const auto end = [this, finished] {
        weatherPending_ = false;
        finished();
        RefreshBusy();
    };
    const QString query = lookUp_.query->text();
    const QString url = net::WeatherUrl(window_.addresses->weatherService, query);
    // Without a service address the program answers from its own list of cities.
    bool go = false;
    Guarded([&] {
        go = StartLookup(userStarted, url.isEmpty() ? kOwnService : url, "WeatherService");
    });
    if (!go) return end();
    if (url.isEmpty()) return OwnWeatherJob(query, userStarted, end);
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    window_.jobs->SetCancel([this] { downloader_->Abort(); });
    downloader_->Download(url, WeatherDocumentFile(), window_.context(),
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
void PlaceLookups::OwnWeatherJob(const QString& query, bool userStarted,
                                 const std::function<void()>& end) {
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    citiesWait_ = places::WhenWorldCitiesLoaded(window_.context(), [this, query, userStarted, end] {
        OwnWeatherPlace(query, userStarted, end);
    });
}

void PlaceLookups::OwnWeatherPlace(const QString& query, bool userStarted,
                                   const std::function<void()>& end) {
    ShowPending({});
    places::PlaceSearch search;
    try {
        search = weatherChoices_.Search(query);
        KnownPlace(search, query, QStringLiteral("weather"));
    } catch (const Error& e) {
        if (!userStarted) lookupFailedQuietly_ = true;
        ReportLookupError(e.message(), userStarted);
        return end();
    }
    // The user picks among several places; a start-up or timed lookup takes the best.
    if (userStarted && !search.singledOut) {
        weatherChoices_.Show(search);
        return end();
    }
    const QDate date = window_.reportDate();
    const AsyncWeatherSource source =
        weatherSource_ ? AnswerAtOnce(weatherSource_) : ProvidersWeather(20000);
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    weatherWait_ = source(*search.place, window_.context(),
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

void PlaceLookups::onWeatherLookupDone(const WeatherOutcome& outcome, const QByteArray& answer) {
    weatherChoices_.Hide();
    if (outcome.resultPage.isEmpty())
        lookUp_.browser->ShowText(QString::fromUtf8(answer));
    else
        lookUp_.browser->ShowPage(outcome.resultPage);
    if (lookUpRecent_.Add(outcome.recentEntry)) ShowEntries(lookUp_.recent, lookUpRecent_);
    lookUp_.cityName->setText(outcome.placeCaption);
    window_.weatherReport->setPlainText(outcome.report.join(u'\n'));
    window_.takeSite(outcome.fields,
                     outcome.placeCaption.isEmpty() ? outcome.recentEntry : outcome.placeCaption);
}

// --- The gazetteer lookup ----------------------------------------------------------------

void PlaceLookups::onGazetteerLookupClicked() {
    if (gazetteerPending_) return;
    gazetteerPending_ = true;
    RefreshBusy();
    PassGateThen(gazetteerPending_, [this] {
        window_.jobs->Add(
            [this](JobQueue::Finished finished) { GazetteerJob(std::move(finished)); });
    });
}

void PlaceLookups::GazetteerJob(JobQueue::Finished finished) {
    const auto end = [this, finished] {
        gazetteerPending_ = false;
        finished();
        RefreshBusy();
    };
    const QString query = alternate_.query->text();
    const QString url = net::GazetteerUrl(window_.addresses->gazetteerService, query);
    bool go = false;
    Guarded([&] { go = StartLookup(true, url.isEmpty() ? kOwnService : url, "GazetteerService"); });
    if (!go) return end();
    if (url.isEmpty()) {
        citiesWait_ = places::WhenWorldCitiesLoaded(window_.context(), [this, query, end] {
            Guarded([&] {
                const places::PlaceSearch search = gazetteerChoices_.Search(query);
                if (search.found() && !search.singledOut) return gazetteerChoices_.Show(search);
                QString page;
                const GazetteerOutcome outcome =
                    AnswerOwnGazetteerLookup(search, query, window_.reportDate(), &page);
                onGazetteerLookupDone(outcome, page);
            });
            end();
        });
        return;
    }
    ShowPending(QStringLiteral("Looking up \"%1\"\u2026").arg(query));
    window_.jobs->SetCancel([this] { downloader_->Abort(); });
    downloader_->Download(url, GazetteerPageFile(), window_.context(),
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

void PlaceLookups::onGazetteerLookupDone(const GazetteerOutcome& outcome, const QString& page) {
    gazetteerChoices_.Hide();
    alternate_.browser->ShowPage(outcome.resultPage.isEmpty() ? page : outcome.resultPage);
    if (outcome.found) {
        if (alternateRecent_.Add(outcome.recentEntry))
            ShowEntries(alternate_.recent, alternateRecent_);
        if (outcome.placeCaption) alternate_.cityName->setText(*outcome.placeCaption);
        window_.takeSite(outcome.fields, outcome.recentEntry);
    }
    if (outcome.message) window_.showError(*outcome.message);
}

// --- The pick lists ----------------------------------------------------------------------

void PlaceLookups::onPlaceChoiceClicked(bool weather, QTreeWidgetItem* item) {
    if (weather ? weatherPending_ : gazetteerPending_) return;
    const std::optional<places::Place> place =
        (weather ? weatherChoices_ : gazetteerChoices_).Pick(item);
    if (!place) return;
    (weather ? lookUp_ : alternate_).query->setText(places::DisplayName(*place));
    if (weather)
        onWeatherLookupClicked();
    else
        onGazetteerLookupClicked();
}

// --- The recent lists --------------------------------------------------------------------

void PlaceLookups::LoadRecentLocations() {
    alternateRecent_.SetEntries(LoadRecentEntries());
    // The Look up page's list has a file of its own; before it was first saved, the list
    // starts as a copy of the Alternate page's.
    const QString own = files::ProgramFile(RecentLookupsFileName());
    lookUpRecent_.SetEntries(QFileInfo::exists(own) ? LoadRecentLookups() : LoadRecentEntries());
    ShowEntries(alternate_.recent, alternateRecent_);
    ShowEntries(lookUp_.recent, lookUpRecent_);
}

void PlaceLookups::SaveRecentLocations() {
    SaveRecentEntries(alternateRecent_.Entries());
}

void PlaceLookups::SaveRecentLookupList() {
    SaveRecentLookups(lookUpRecent_.Entries());
}

void PlaceLookups::onAlternateRecentClicked(QListWidgetItem* item) {
    if (gazetteerPending_) return;  // the query in flight keeps its text
    alternate_.query->setText(item->text());
    onGazetteerLookupClicked();
}

void PlaceLookups::onLookUpRecentClicked(QListWidgetItem* item) {
    if (weatherPending_) return;
    lookUp_.query->setText(item->text());
    onWeatherLookupClicked();
}

void PlaceLookups::onClearRecentClicked() {
    lookUpRecent_.Clear();
    ShowEntries(lookUp_.recent, lookUpRecent_);
}

// --- The start-up ------------------------------------------------------------------------

// Start-up step 10 as jobs: the weather lookup, then the refresh handler's weather part,
// which is left out when the first failed (its failure is shown once).
void PlaceLookups::RunStartupLookups() {
    // Nothing typed yet (a first start that found no city): nothing to look up.
    if (window_.options->Checked(Option::InternetDisabled) ||
        lookUp_.query->text().trimmed().isEmpty())
        return;
    lookupFailedQuietly_ = false;
    onWeatherLookupClicked(false);
    window_.jobs->Add([this](JobQueue::Finished finished) {
        if (lookupFailedQuietly_ || !net::RefreshTickLooksUp(*window_.options) || weatherPending_)
            return finished();
        weatherPending_ = true;
        WeatherJob(false, std::move(finished));
    });
}

void PlaceLookups::ShowCity(const QString& name) {
    lookUp_.query->setText(name);
    alternate_.query->setText(name);
    lookUp_.cityName->setText(name);
}

void PlaceLookups::AskForCity() {
    const QString hint = QStringLiteral(
        "Type the name of your city, such as \"Chicago\" or \"Paris, France\", and press Look up.");
    // The design's sample postal code would only be refused: the query starts empty.
    lookUp_.query->clear();
    lookUp_.query->setPlaceholderText(hint);
    lookUp_.browser->ShowText(hint);
    window_.showPage(lookUp_.page);
    lookUp_.query->setFocus();
}

}  // namespace hx::ui
