// heliodex-cli's event and hour lists as text and JSON.
#pragma once

#include <QJsonArray>
#include <QString>

#include "calendar/sky_calendar.h"

namespace hx::cli {

// "2024-06-15T05:25:12-05:00": a site clock reading, to the second, with the site's offset.
QString IsoTime(Moment local, double offsetHours);

// An instant (UTC reading) on the site's clock with the offset in force at that instant.
QString IsoTimeAt(const Observer& site, Moment utc);

// «2024-06-15 05:25:12 Sun Rise», or «- Moon Set» for an event without a time; each time on
// the site's clock at its own instant.
QString EventsText(const EventList& events, const Observer& site);
// «2024-06-15 05:25:12 2024-06-15 06:42:52 Saturn day 1».
QString HoursText(const cal::HourList& hours, const Observer& site);

// [{"time", "body", "event"}]; time is null for an event without one.
QJsonArray EventsJson(const EventList& events, const Observer& site);
// [{"start", "end", "ruler", "period": "day"|"night", "number", "current"}]; current is the
// hour that holds at the instant momentUtc.
QJsonArray HoursJson(const cal::HourList& hours, const Observer& site, Moment momentUtc);

}  // namespace hx::cli
