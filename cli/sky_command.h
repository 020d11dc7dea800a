// heliodex-cli sky: twilights, noon and day length, the Moon's phase, its principal phases,
// the ingresses and the void-of-course Moon, as text, JSON or iCalendar.
#pragma once

#include <variant>

#include "calendar/icalendar.h"
#include "cli/args.h"
#include "cli/run.h"

namespace hx::cli {

// Without --days the moment's day, the next four phases, the Sun's next twelve ingresses,
// the Moon's next and the void-of-course span current or next; with it every one of those
// in the days from the --at day on.
Outcome Sky(const Request& r, const Context& c, Moment nowUtc);

// The lead times of the alarms that are on in the alarm files of --alarm-dir, for the
// iCalendar output's VALARMs; none without the option. An error's message names a
// directory that is not there.
std::variant<cal::CalendarAlarms, QString> CalendarAlarmsOf(const Request& r);

}  // namespace hx::cli
