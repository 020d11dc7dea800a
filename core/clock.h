// The one source of "now": the wall clock, replaceable by tests and the soak run.
#pragma once

#include <functional>

#include <QDateTime>

#include "datetime.h"

namespace hx {

using ClockFunction = std::function<QDateTime()>;

// The present local clock reading.
QDateTime CurrentDateTime();
Moment Now();

// Replaces the wall clock; an empty function restores it.
void SetClock(ClockFunction clock);

}  // namespace hx
