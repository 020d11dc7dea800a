// The day's rise, zenith, set and nadir events of the seven bodies.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QLocale>
#include <QStringList>

#include "datetime.h"
#include "horizon.h"
#include "names.h"
#include "observer.h"

namespace hx {

struct SkyEvent {
    int Body = 0;  // 0 Sun ... 6 Saturn
    int Kind = 0;  // rise/transit flag: 1 rise, 2 set, 4 zenith, 8 nadir
    // The instant, as a UTC reading on the scale (never a site clock reading); 0 when not
    // formed, or once its alarm has fired.
    double Time = 0;
};

using EventList = std::vector<SkyEvent>;

// The event list with the moment it was computed for.
struct SkyEventState {
    EventList events;            // the alarm check zeroes the Time of fired events here
    Moment LastEventMoment = 0;  // the site clock reading the list was computed for
    Observer site;               // the site the list was computed for
    EventList computed;          // the same list as computed, which nothing else changes
};

// The first event of a rise/transit flag at or after jdUt, as a Julian day (UT); nullopt
// when the library finds none. Sets the library's fast method steps over are not missed.
std::optional<double> FirstRiseTransAfter(double jdUt, int body, int flag, const Observer& obs);

// The searches of a run of event lists or calendar days at one site, each event searched
// once: a search from X that found the event E answers every later search of that body and
// kind from a start in [X, E], and beyond 50 degrees each body's rises and sets come from one
// pass over its altitude that moves forward with the searches.
class SkyEventSearch {
  public:
    explicit SkyEventSearch(const Observer& obs);

    // FirstRiseTransAfter at this site.
    std::optional<double> FirstAfter(double jdUt, int body, int flag);

    // ComputeSkyEvents at this site.
    EventList DayList(Moment moment);

  private:
    struct Found {
        double from = 0, at = 0;
    };
    // A body's rises and sets found over [from, to).
    struct Crossings {
        HorizonPass pass;
        double from = 0, to = 0;
        std::vector<HorizonCrossing> list;
    };
    std::optional<double> FromCrossings(double jdUt, int body, int flag);

    Observer obs_;
    bool sampled_;
    std::array<std::vector<Found>, kBodyCount * 4> found_;  // by body and kind, in time order
    std::vector<Crossings> crossings_;                      // by body, when sampled
};

// The 40 events for a moment (a site clock reading), sorted by time: 16 of the Sun (first of
// each kind after moment - 2, -1, 0, +1 days), 4 of each other body (first of each kind after
// the moment).
EventList ComputeSkyEvents(Moment moment, const Observer& obs);

// «Event >> Tuesday 14:05 Moon Rise», the time on the site's clock.
QString EventLogLine(const SkyEvent& e, const Observer& site,
                     const QLocale& locale = QLocale::system());
// The log line of each event strictly later than the present instant.
QStringList EventLogLines(const EventList& events, Moment presentUtc, const Observer& site,
                          const QLocale& locale = QLocale::system());

// The same site for the event list: every field equal, except that two sites of one zone
// are the same whatever offset each was read with (a change of daylight time keeps the
// list, whose events are instants).
bool SameSkySite(const Observer& a, const Observer& b);

// The report's call: recomputes when the whole-day part of moment (a site clock reading)
// differs from that of LastEventMoment, when obs is not SameSkySite as the site the list was
// computed for (or nothing was computed yet), appending the log lines to *log. Returns true
// when it recomputed.
bool CollectSkyEvents(SkyEventState& state, Moment moment, const Observer& obs, Moment presentUtc,
                      QStringList* log);

}  // namespace hx
