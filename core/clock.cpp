// The replaceable wall clock.
#include "clock.h"

#include "zone.h"

namespace hx {

namespace {
ClockFunction& Installed() {
    static ClockFunction clock;
    return clock;
}
}  // namespace

QDateTime CurrentDateTime() {
    const ClockFunction& c = Installed();
    return c ? c() : QDateTime::currentDateTime();
}

Moment NowUtc() {
    return ReadingAt(CurrentDateTime(), 0);
}

Moment SiteNow(const Observer& site) {
    const Moment utc = NowUtc();
    return utc + ClockOffsetAtInstant(site, utc) / 24.0;
}

void SetClock(ClockFunction clock) {
    Installed() = std::move(clock);
}

}  // namespace hx
