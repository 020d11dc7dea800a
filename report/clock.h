// The clock's rules: resolution to interval, status-bar time, day steps, timer enabling.
#pragma once

#include <limits>
#include <optional>

#include <QLocale>
#include <QString>

#include "core/datetime.h"

namespace hx {

// The date picker offers nothing before this day.
Moment EarliestPickerDate();

inline constexpr const char* kCalendarRefusal = "Failed to set calendar date or time";
inline constexpr const char* kClockOnMessage =
    "This turns on the clock - meaning the program will refesh every minute.  If you want the "
    "weather and news feeds refreshed, you must also change that menu option to refresh.";

// The largest interval a window timer holds, in milliseconds.
inline constexpr quint32 kLargestInterval = quint32(std::numeric_limits<int>::max());

struct IntervalChange {
    quint32 interval = 10000;      // milliseconds; 0 means the timer never ticks
    std::optional<QString> error;  // the message to show; the interval is then unchanged
};

// The timer interval for a resolution text in whole seconds. A text that is not a whole number
// (an empty one too) keeps the current interval with the conversion message;
// a resolution beyond the largest interval gives the largest; a negative one gives 0.
IntervalChange IntervalFromResolution(const QString& text, quint32 current);

// Status-bar time: short time from 10 seconds up, long time (with seconds) below.
QString StatusTimeText(Moment now, quint32 interval, const QLocale& locale = QLocale::system());

// The report's moment: the date picker's day plus the time picker's time of day.
Moment ReportMoment(Moment datePicker, Moment timePicker);

// The date picker's value moved by whole days; nullopt when the result lies before the
// earliest picker date (the step is then refused with kCalendarRefusal).
std::optional<Moment> StepPickerDate(Moment datePicker, int days);

// Where clockTimer's enabled flag changes.
enum class ClockEvent { StartUp, Switch, LocaleOpened, Done, SiteMissing };
bool ClockEnabledAfter(ClockEvent event, bool clockOnChecked);

}  // namespace hx
