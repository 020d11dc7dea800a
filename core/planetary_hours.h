// The planetary hours of the current day or night, and the tray icon choice.
#pragma once

#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "format.h"
#include "sky_events.h"

namespace hx {

struct PlanetaryHoursSection {
    QStringList lines;   // the report's lines, starting with its empty line
    bool valid = false;  // false when a sunrise or sunset bound is missing
    bool isDay = false;
    QString currentRuler;   // seven-character name, e.g. "Saturn "
    int rulerBody = -1;     // body number of the current ruler
    Moment currentEnd = 0;  // the instant (UTC reading) the current hour ends
};

// The line shown in place of the hours when a sunrise or sunset bound is missing.
inline constexpr const char* kNoPlanetaryHoursText =
    "No sunrise or sunset here today, so no planetary hours";

// The hours around the instant qUtc: each a twelfth of the span between the instants of its
// bounds, listed on the site's clock at its own start.
PlanetaryHoursSection PlanetaryHours(Moment qUtc, const EventList& events, const Observer& site,
                                     const QLocale& locale = QLocale::system(), bool listed = true,
                                     HourClock clock = HourClock::Locale);
// The same from the list as computed, for the site it was computed for, so that a fired
// sunrise or sunset alarm (which zeroes that event's Time in state.events) does not take the
// bound away. listed = false leaves the lines out: only the current hour is wanted.
PlanetaryHoursSection PlanetaryHours(Moment qUtc, const SkyEventState& state,
                                     const QLocale& locale = QLocale::system(), bool listed = true,
                                     HourClock clock = HourClock::Locale);

// The last Sun rise or set before the instant q (start, with its flag as mark) and the first
// after q (end), instants; 0 where none. Events without a time are never bounds.
struct HourBounds {
    Moment start = 0;
    Moment end = 0;
    int mark = 0;  // 1: the start is a sunrise, so it is day
    int endKind = 0;
};
HourBounds FindHourBounds(Moment q, const EventList& events);

// Chaldean cycle position (0 Sun, 1 Venus, 2 Mercury, 3 Moon, 4 Saturn, 5 Jupiter, 6 Mars)
// of the first hour, by day of week 1 = Sunday ... 7 = Saturday.
int FirstRulerPosition(int dayOfWeek, bool isDay);
// Seven-character name at a cycle position (taken modulo 7), e.g. "Saturn ".
QString RulerName(int position);
// Body number of a seven-character ruler name; -1 for any other text.
int RulerBody(const QString& name);

// The first ruler's cycle position of the day or night that begins at an instant: by the
// weekday of the site's date there.
int FirstRulerAt(Moment startUtc, const Observer& site, bool isDay);

// The start of one planetary hour and the body that rules it.
struct HourStart {
    Moment at = 0;  // instant (UTC reading)
    int body = -1;
};
// Every planetary hour over the list: twelve for each day (a Sun rise to the next set) and
// night (a set to the next rise) whose bounds both have a time and lie at most a day apart.
std::vector<HourStart> PlanetaryHourStarts(const EventList& events, const Observer& site);

// What the tray shows after a report.
struct TrayChoice {
    enum class List { Unchanged, Planets, Moon };
    List list = List::Unchanged;
    int index = -1;
    QString trayTextSuffix;  // "Planetary hour of Saturn " or empty
    bool mirrored = false;   // Moon icon seen from south of the equator: flip left to right
};

// Planet icons with the suffix under PlanetaryHours2 when the section has hours, then Moon
// icons (index - 1) under MoonPhase2 whether it has hours or not (a polar site); otherwise
// nothing changes.
TrayChoice ChooseTray(const PlanetaryHoursSection& section, bool planetaryHours2, bool moonPhase2,
                      int moonPhaseIndex);
// The same, with the Moon icon mirrored for a southern site.
TrayChoice ChooseTray(const PlanetaryHoursSection& section, bool planetaryHours2, bool moonPhase2,
                      int moonPhaseIndex, bool southern);

}  // namespace hx
