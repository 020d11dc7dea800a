// The day's rise, zenith, set and nadir events of the seven bodies.
#pragma once

#include <optional>
#include <vector>

#include <QLocale>
#include <QStringList>

#include "datetime.h"
#include "observer.h"

namespace hx {

struct SkyEvent {
    int Body = 0;     // 0 Sun ... 6 Saturn
    int Kind = 0;     // rise/transit flag: 1 rise, 2 set, 4 zenith, 8 nadir
    double Time = 0;  // local clock time; 0 when not formed, or once its alarm has fired
};

using EventList = std::vector<SkyEvent>;

// The event list with the moment it was computed for.
struct SkyEventState {
    EventList events;  // the alarm check zeroes the Time of fired events here
    Moment LastEventMoment = 0;
    Observer site;       // the site the list was computed for
    EventList computed;  // the same list as computed, which nothing else changes
};

// The first event of a rise/transit flag at or after jdUt, as a Julian day (UT); nullopt
// when the library finds none. Sets the library's fast method steps over are not missed.
std::optional<double> FirstRiseTransAfter(double jdUt, int body, int flag, const Observer& obs);

// The 40 events for a moment, sorted by time: 16 of the Sun (first of each kind after
// moment - 2, -1, 0, +1 days), 4 of each other body (first of each kind after the moment).
EventList ComputeSkyEvents(Moment moment, const Observer& obs);

// «Event >> Tuesday 14:05 Moon Rise».
QString EventLogLine(const SkyEvent& e, const QLocale& locale = QLocale::system());
// The log line of each event strictly later than present.
QStringList EventLogLines(const EventList& events, Moment present,
                          const QLocale& locale = QLocale::system());

// The report's call: recomputes when the whole-day part of moment differs from that of
// LastEventMoment, when obs differs in any field from the site the list was computed for (or
// nothing was computed yet), appending the log lines to *log. Returns true when
// it recomputed.
bool CollectSkyEvents(SkyEventState& state, Moment moment, const Observer& obs, Moment present,
                      QStringList* log);

}  // namespace hx
