// The replaceable wall clock.
#include "clock.h"

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

Moment Now() {
    return FromQDateTime(CurrentDateTime());
}

void SetClock(ClockFunction clock) {
    Installed() = std::move(clock);
}

}  // namespace hx
