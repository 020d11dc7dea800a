// Date and time patterns formatted with the desktop's locale.
#pragma once

#include <QLocale>
#include <QString>

#include "datetime.h"

namespace hx {

// Formats a moment by a pattern of these tokens:
//   "ddddd" short date (four-digit year), "dddddd" long date, "t" short time, "tt" long time (no
//   zone), "dddd"/"ddd" full/abbreviated weekday, "dd"/"d" day, "mmmm"/"mmm"/"mm"/"m" month,
//   "yyyy"/"yy" year, "hh"/"h" hour, "nn"/"n" minute, "ss"/"s" second,
//   "ampm" AM/PM designator (hours then run on the 12-hour clock); in a locale whose clock is
//   the 24-hour one, nothing (with the blanks before it) and hours on the 24-hour clock.
// Text in double or single quotes is copied unchanged; other characters are copied too.
QString FormatDateTime(const QString& pattern, Moment m, const QLocale& locale = QLocale::system());

// FormatDateTime for moments formatted again and again, as the report's event and hour times
// and its date are on every clock tick: the texts of the last few are remembered.
QString FormatDateTimeKept(const QString& pattern, Moment m,
                           const QLocale& locale = QLocale::system());

// The locale's short date format with its year widened to four digits ("M/d/yy" -> "M/d/yyyy"),
// so a date of another century never reads as one of this.
QString ShortDateFormatWideYear(const QLocale& locale);

// The locale's long time format with any time-zone part removed.
QString LongTimeFormatWithoutZone(const QLocale& locale);

}  // namespace hx
