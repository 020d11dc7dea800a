// The twilights, Moon phases, ingresses and void-of-course spans of a run of days, as items
// for the calendar export and the command line.
#pragma once

#include <vector>

#include <QString>

#include "core/datetime.h"
#include "core/observer.h"

namespace hx::cal {

// What an item is; each kind is its own iCalendar category.
enum class SkyItemKind { Twilight, MoonPhase, Ingress, VoidOfCourse };
// "Twilight", "Moon phase", "Ingress", "Void-of-course Moon".
const char* CategoryOf(SkyItemKind kind);

struct SkyItem {
    SkyItemKind kind = SkyItemKind::Twilight;
    Moment start = 0;  // instant (UTC reading)
    Moment end = 0;    // the end of a span (void of course); 0 for a moment
    QString summary;   // «Civil dawn», «Full Moon», «Sun enters Aries (March Equinox)»
    QString what;      // a short token for the calendar's UID: «civil-dawn», «full-moon»
};
using SkyItemList = std::vector<SkyItem>;

// Every dawn and dusk of the three twilights, principal phase, ingress of the Sun and the
// Moon and void-of-course span (by its end) in `days` calendar days from the day of `first`
// (a site clock reading), in time order. Raises Error beyond the ephemeris's range.
SkyItemList SkyItemsOfDays(Moment first, int days, const Observer& site);

}  // namespace hx::cal
