// Date and time patterns formatted with the desktop's locale.
#pragma once

#include <QLocale>
#include <QString>

#include "datetime.h"

namespace hx {

// Which clock times are shown on: the locale's (12-hour where its time formats have AM/PM),
// or the 24-hour clock whatever the locale.
enum class HourClock { Locale, TwentyFour };

// Formats a moment by a pattern of these tokens:
//   "ddddd" short date (four-digit year), "dddddd" long date, "t" short time, "tt" long time (no
//   zone), "dddd"/"ddd" full/abbreviated weekday, "dd"/"d" day, "mmmm"/"mmm"/"mm"/"m" month,
//   "yyyy"/"yy" year, "hh"/"h" hour, "nn"/"n" minute, "ss"/"s" second,
//   "ampm" AM/PM designator (hours then run on the 12-hour clock); in a locale whose clock is
//   the 24-hour one, nothing (with the blanks before it) and hours on the 24-hour clock.
// Text in double or single quotes is copied unchanged; other characters are copied too.
// On HourClock::TwentyFour "ampm" formats as in a 24-hour locale and "t"/"tt" read «14:05» /
// «14:05:09».
QString FormatDateTime(const QString& pattern, Moment m, const QLocale& locale = QLocale::system(),
                       HourClock clock = HourClock::Locale);

// The text with each 12-hour time of the locale («6:45 AM», «12:05 PM», seconds too) written on
// the 24-hour clock («06:45», «12:05»), as a line made for the log is shown in a notification.
QString TimesOnTwentyFourHourClock(const QString& text, const QLocale& locale = QLocale::system());

// FormatDateTime for moments formatted again and again, as the report's event and hour times
// and its date are on every clock tick: the texts of the last few are remembered.
QString FormatDateTimeKept(const QString& pattern, Moment m,
                           const QLocale& locale = QLocale::system(),
                           HourClock clock = HourClock::Locale);

// The locale's short date format with its year widened to four digits ("M/d/yy" -> "M/d/yyyy"),
// so a date of another century never reads as one of this.
QString ShortDateFormatWideYear(const QLocale& locale);

// The locale's long time format with any time-zone part removed.
QString LongTimeFormatWithoutZone(const QLocale& locale);

}  // namespace hx
