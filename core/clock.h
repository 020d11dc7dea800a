// The one source of "now": the wall clock, replaceable by tests and the soak run.
#pragma once

#include <functional>

#include <QDateTime>

#include "datetime.h"
#include "observer.h"

namespace hx {

using ClockFunction = std::function<QDateTime()>;

// The present instant (the installed clock's QDateTime, in whatever zone it carries).
QDateTime CurrentDateTime();
// The present instant as a UTC reading on the scale.
Moment NowUtc();
// The present on the site's clock: UTC + TimeZone + DaylightTime (a zoned site's offset now).
// For a site whose offset equals the machine's, this is the machine's wall clock.
Moment SiteNow(const Observer& site);

// Replaces the wall clock; an empty function restores it.
void SetClock(ClockFunction clock);

}  // namespace hx
