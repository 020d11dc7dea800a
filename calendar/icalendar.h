// The sky events and planetary hours as an iCalendar (RFC 5545) document, through libical.
#pragma once

#include <map>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "calendar/sky_calendar.h"
#include "calendar/sky_items.h"
#include "core/thelemic.h"

namespace hx::cal {

// An instant (UTC reading) as a UTC QDateTime, to the whole second (as the text shows it).
QDateTime ToUtc(Moment utc);

// «Sun Rise», «Hour of Jupiter».
QString EventSummary(const SkyEvent& e);
QString HourSummary(const PlanetaryHour& h);

// How a calendar names its site, and the style of the date line in its events.
struct CalendarSite {
    QString name;  // the place's name; empty: the coordinates name it
    ThelemicStyle style;
};

// «Minneapolis», else «44.98° N 93.27° W».
QString SiteText(const Observer& obs, const CalendarSite& site);

// The lead times in minutes (negative before the event) of the alarms that are on, by what
// they fire on: «Sun Rise», «Hour of Jupiter», and the sky alarms' keys «civil-dawn»,
// «full-moon», «sun-ingress», «void-start», «void-end».
using CalendarAlarms = std::map<QString, int>;

// One VEVENT per event that has a time, per hour and per sky item (its kind's category, a
// void-of-course span with its end), times in UTC. A UID names the site,
// the event and its UTC date, so importing an overlapping export again replaces events
// rather than adding them twice. `stamp` is the DTSTAMP of every VEVENT. The calendar's
// NAME and X-WR-CALNAME name the site; every event has it as LOCATION and, in its
// DESCRIPTION, the site and the Thelemic date line of its start. An event whose alarm is on
// in `alarms` has a VALARM (DISPLAY) with its lead time as a TRIGGER relative to the event
// (a void-of-course span's end alarm relative to its end).
QByteArray WriteICalendar(const EventList& events, const HourList& hours, const Observer& obs,
                          const QDateTime& stamp, const CalendarSite& site = {},
                          const SkyItemList& sky = {}, const CalendarAlarms& alarms = {});

}  // namespace hx::cal
