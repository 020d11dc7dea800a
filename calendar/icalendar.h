// The sky events and planetary hours as an iCalendar (RFC 5545) document, through libical.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "calendar/sky_calendar.h"

namespace hx::cal {

// An instant (UTC reading) as a UTC QDateTime, to the whole second (as the text shows it).
QDateTime ToUtc(Moment utc);

// «Sun Rise», «Hour of Jupiter».
QString EventSummary(const SkyEvent& e);
QString HourSummary(const PlanetaryHour& h);

// One VEVENT per event that has a time and per hour, times in UTC. A UID names the site,
// the event and its UTC date, so importing an overlapping export again replaces events
// rather than adding them twice. `stamp` is the DTSTAMP of every VEVENT.
QByteArray WriteICalendar(const EventList& events, const HourList& hours, const Observer& obs,
                          const QDateTime& stamp);

}  // namespace hx::cal
