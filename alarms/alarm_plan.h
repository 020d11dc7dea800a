// A day's alarm plan: what the alarm check will fire, worked out ahead from the tables.
#pragma once

#include <vector>

#include <QString>

#include "alarm_tables.h"
#include "core/datetime.h"
#include "core/observer.h"

namespace hx::alarms {

struct PlannedFiring {
    Moment at = 0;  // the instant it fires (UTC reading: the event's instant plus the lead time)
    QString what;   // «Sun Rise», «Hour of Jupiter»
    int offset = 0;
    QString sound;
};

// The firings of `days` calendar days from the day of `from` on, in time order: per day the
// event list the window computes on that day, each event whose alarm is on and whose time
// plus lead time (a duration) falls in that day of the site's clock, and each planetary hour of
// that day whose ruler's alarm is on (its start plus the hour's lead time in that day), and
// the sky alarms that are on firing in those days («Civil dawn», «Full Moon»).
std::vector<PlannedFiring> AlarmPlan(Moment from, int days, const Observer& site,
                                     const AlarmTables& tables);

}  // namespace hx::alarms
