// The Sky page: twilights, noon, day length, the Moon's phase, the next phases and ingresses
// and the void-of-course Moon, as lines on the site's clock; and the countdown shown in the
// tray's tooltip and the status bar.
#pragma once

#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/format.h"
#include "core/ingress.h"
#include "core/lunation.h"
#include "core/sky_events.h"
#include "core/twilight.h"

namespace hx {

// What the Sky page shows for an instant, all instants (Julian days, UT).
struct SkyView {
    SunDay sun;                         // the site's calendar day holding the instant
    MoonNow moon;                       // at the instant
    std::vector<PhaseInstant> phases;   // the next four, in time order
    std::vector<Ingress> sunIngresses;  // the Sun's next twelve
    Ingress moonIngress;                // the Moon's next
    VoidOfCourse voidMoon;              // current or next
};

// Raises Error beyond the ephemeris's range.
SkyView ComputeSky(Moment utc, const Observer& site);

// «Civil dawn 7:21 AM», «Astronomical dusk: none (the Sun stays above -18°)», «Day length
// 7 h 12 min», «Moon: Waxing Gibbous, 78% illuminated», «Full Moon Mon 12/14/2026 3:04 PM»,
// «Sun enters Capricorn Mon 12/21/2026 9:50 AM (December Solstice)», the void-of-course span;
// each time on the site's clock with the offset in force at its instant.
QStringList SkyPageLines(const SkyView& view, const Observer& site,
                         const QLocale& locale = QLocale::system(),
                         HourClock clock = HourClock::Locale);
// The same computed for the instant. Raises Error beyond the ephemeris's range.
QStringList SkyPageLines(Moment utc, const Observer& site,
                         const QLocale& locale = QLocale::system(),
                         HourClock clock = HourClock::Locale);

// «2 h 14 min», «14 min»: a span rounded up to whole minutes.
QString SpanText(double days);

// «Sunset in 2 h 14 min · Hour of Mars until 4:47 PM»: the next sunrise or sunset of the
// list as computed and the end of the current planetary hour on the site's clock; either part
// is left out where there is none (a polar day or night), and the text is empty without both.
QString CountdownText(Moment nowUtc, const SkyEventState& state,
                      const QLocale& locale = QLocale::system(),
                      HourClock clock = HourClock::Locale);

}  // namespace hx
