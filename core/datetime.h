// The local date-time scale: days since 1899-12-30 00:00, time of day as the fraction.
#pragma once

#include <QDateTime>

namespace hx {

// A local civil date-time on the program's scale.
using Moment = double;

struct DateTimeFields {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
};

// Julian day of the scale's epoch, 1899-12-30 00:00.
inline constexpr double kEpochJulianDay = 2415018.5;

Moment EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                      int msec = 0);
Moment EncodeDateTime(const DateTimeFields& f);
// Splits a moment into fields, rounding to the millisecond.
DateTimeFields DecodeDateTime(Moment m);

// Whole-day part, truncated toward zero.
double DatePart(Moment m);
double TimePart(Moment m);
Moment AddDays(Moment m, double days);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(Moment m);

// Conversions to and from Qt types. A reading on the scale carries no zone: ToQDateTime gives
// the same date and time of day marked as UTC, so no machine zone (nor its daylight-time gap)
// touches it; FromQDateTime takes the date and time of day as the QDateTime shows them.
Moment FromQDateTime(const QDateTime& dt);
Moment FromQDate(QDate d, QTime t = QTime(0, 0));
QDateTime ToQDateTime(Moment m);

// The clock reading, offsetHours ahead of UTC, of an instant; and back.
Moment ReadingAt(const QDateTime& instant, double offsetHours);
QDateTime InstantOf(Moment reading, double offsetHours);
// False for moments outside the years 1 to 9999.
bool IsRepresentable(Moment m);

}  // namespace hx
