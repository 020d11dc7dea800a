// heliodex-cli sky: twilights, noon and day length, the Moon's phase, its principal phases,
// the ingresses and the void-of-course Moon, as text, JSON or iCalendar.
#pragma once

#include "cli/args.h"
#include "cli/run.h"

namespace hx::cli {

// Without --days the moment's day, the next four phases, the Sun's next twelve ingresses,
// the Moon's next and the void-of-course span current or next; with it every one of those
// in the days from the --at day on.
Outcome Sky(const Request& r, const Context& c, Moment nowUtc);

}  // namespace hx::cli
