// The lookups of a place: the weather lookup of the "Look up" page and the gazetteer lookup of
// the "Alternate" page, each a job of the window's queue (a download, or the program's own
// answer from the gazetteer and libgweather), their pick lists, their recent lists
// (zipcodes.txt, recentlookups.txt) and the Internet question they ask first. A place found
// goes to the window through Window::takeSite.
#pragma once

#include <functional>
#include <memory>

#include <QDate>
#include <QObject>
#include <QString>

#include "core/job.h"
#include "job_queue.h"
#include "locale/field_texts.h"
#include "locale/gazetteer_lookup.h"
#include "locale/own_service.h"
#include "locale/recent_list.h"
#include "locale/weather_lookup.h"
#include "pages.h"
#include "place_choices.h"

class QLabel;
class QListWidgetItem;
class QTextEdit;
class QTreeWidgetItem;
class QWidget;

namespace hx {
class OptionsModel;
struct ServiceAddresses;
}  // namespace hx

namespace hx::net {
class Downloader;
struct DownloadResult;
}  // namespace hx::net

namespace hx::ui {

struct InternetAccess;
struct WindowServices;

class PlaceLookups : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* parent = nullptr;  // of the Internet question
        InternetAccess* internet = nullptr;
        JobQueue* jobs = nullptr;
        OptionsModel* options = nullptr;
        const ServiceAddresses* addresses = nullptr;  // the "Services" section, loaded at start-up
        QLabel* sourceNote = nullptr;                 // the Weather page's: whose weather it is
        QTextEdit* weatherReport = nullptr;           // the Weather page's report of the lookup
        std::function<QObject*()> context;            // of the jobs; gone after the shutdown
        std::function<QDate()> reportDate;            // the day the program's own answers are for
        // The place found, under the name it goes by: the one way a lookup sets the site.
        std::function<void(const LocaleFieldTexts& fields, const QString& name)> takeSite;
        std::function<void(const QString&)> showError;    // the error box
        std::function<void(const QString&)> log;          // a line on the Log page
        std::function<void()> syncMenu;                   // the options changed
        std::function<void(const QString&)> showPending;  // the status bar's job text
        std::function<void()> busyChanged;                // a lookup started or ended
        std::function<void(QWidget*)> showPage;
    };
    // The two pages, built by the window among its pages, are this class's from now on.
    PlaceLookups(const WindowServices& services, LookupPage lookUp, LookupPage alternate,
                 Window window, QObject* parent);
    ~PlaceLookups() override;

    const LookupPage& LookUp() const { return lookUp_; }
    const LookupPage& Alternate() const { return alternate_; }
    // The buttons' captions and the Weather page's source, once the addresses are loaded.
    void ShowServiceCaptions();

    // userStarted is false for the start-up and timed weather lookups, which do nothing
    // without a service address and show no box.
    void onWeatherLookupClicked(bool userStarted = true);
    void onGazetteerLookupClicked();
    // A place picked from the Look up page's (weather) or the Alternate page's pick list:
    // its "City, Region, Country" becomes the query, and the lookup runs for that place.
    void onPlaceChoiceClicked(bool weather, QTreeWidgetItem* item);
    void onAlternateRecentClicked(QListWidgetItem* item);
    void onLookUpRecentClicked(QListWidgetItem* item);
    void onClearRecentClicked();

    void LoadRecentLocations();  // start-up: zipcodes.txt into alternateRecent and lookUpRecent
    // Shutdown step: alternateRecent's entries into zipcodes.txt; raises hx::Error on failure.
    void SaveRecentLocations();
    // Shutdown step: lookUpRecent's entries into recentlookups.txt; raises hx::Error on failure.
    void SaveRecentLookupList();
    // The start-up's lookups as jobs: the weather lookup, then the refresh's weather part.
    void RunStartupLookups();
    // A first start: the queries and the caption name the city of the machine's zone.
    void ShowCity(const QString& name);
    // A first start that found no city: the Look up page, with a hint.
    void AskForCity();

    // The Internet question, opened without waiting: `answered` runs with the user's answer,
    // and not at all when the shutdown closed the box.
    void AskInternet(const std::function<void(bool yes)>& answered);
    // No lookup is in flight (one waiting on the Internet question is).
    bool Idle() const { return !weatherPending_ && !gazetteerPending_; }
    // Shutdown: the download and the waits for the gazetteer and the weather end silently.
    void Stop();

  private:
    void Connect();
    void Guarded(const std::function<void()>& handler);
    void PassGateThen(bool& pending, const std::function<void()>& go);
    bool StartLookup(bool userStarted, const QString& url, const char* key);
    void WeatherJob(bool userStarted, JobQueue::Finished finished);
    void OwnWeatherJob(const QString& query, bool userStarted, const std::function<void()>& end);
    void OwnWeatherPlace(const QString& query, bool userStarted, const std::function<void()>& end);
    void onWeatherLookupDone(const WeatherOutcome& outcome, const QByteArray& answer);
    void GazetteerJob(JobQueue::Finished finished);
    void onGazetteerLookupDone(const GazetteerOutcome& outcome, const QString& page);
    void LookupFailed(const net::DownloadResult& r, bool userStarted);
    void ReportLookupError(const QString& text, bool userStarted);
    void ShowPending(const QString& text);  // the status bar's job text; busy buttons
    void RefreshBusy();

    Window window_;
    LookupPage lookUp_;
    LookupPage alternate_;
    std::shared_ptr<net::Downloader> downloader_;
    WeatherSource weatherSource_;  // the program's own answers' weather; empty: libgweather's
    bool weatherPending_ = false, gazetteerPending_ = false;
    bool lookupFailedQuietly_ = false;  // a start-up or timed lookup failed
    RecentList alternateRecent_;        // alternateRecent, the Alternate page's, saved at shutdown
    RecentList lookUpRecent_;           // lookUpRecent, the Look up page's
    PlaceChoices weatherChoices_, gazetteerChoices_;
    JobHandle citiesWait_;   // the running built-in lookup's wait for the gazetteer
    JobHandle weatherWait_;  // the built-in lookup's wait for the weather
};

}  // namespace hx::ui
