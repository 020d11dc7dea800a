// heliodex-cli's event and hour lists as text and JSON.
#pragma once

#include <QJsonArray>
#include <QString>

#include "calendar/sky_calendar.h"

namespace hx::cli {

// "2024-06-15T05:25:12-05:00": a site clock reading, to the second, with the site's offset.
QString IsoTime(Moment local, double offsetHours);

// «2024-06-15 05:25:12 Sun Rise», or «- Moon Set» for an event without a time.
QString EventsText(const EventList& events);
// «2024-06-15 05:25:12 2024-06-15 06:42:52 Saturn day 1».
QString HoursText(const cal::HourList& hours);

// [{"time", "body", "event"}]; time is null for an event without one.
QJsonArray EventsJson(const EventList& events, double offsetHours);
// [{"start", "end", "ruler", "period": "day"|"night", "number", "current"}].
QJsonArray HoursJson(const cal::HourList& hours, double offsetHours, Moment moment);

}  // namespace hx::cli
