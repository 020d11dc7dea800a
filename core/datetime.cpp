// The local date-time scale and its calendar conversions.
#include "datetime.h"

#include <cmath>

namespace hx {

namespace {
constexpr qint64 kMsPerDay = 86400000;
// QDate::toJulianDay() of 1899-12-30.
constexpr qint64 kEpochJdn = 2415019;

qint64 ToMilliseconds(Moment m) {
    return std::llround(m * double(kMsPerDay));
}
}  // namespace

Moment EncodeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    const qint64 days = QDate(year, month, day).toJulianDay() - kEpochJdn;
    const double frac =
        (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / double(kMsPerDay);
    return double(days) + frac;
}

Moment EncodeDateTime(const DateTimeFields& f) {
    return EncodeDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second, f.msec);
}

DateTimeFields DecodeDateTime(Moment m) {
    const qint64 total = ToMilliseconds(m);
    qint64 days = total / kMsPerDay;
    qint64 ms = total % kMsPerDay;
    if (ms < 0) {
        ms += kMsPerDay;
        --days;
    }
    const QDate d = QDate::fromJulianDay(kEpochJdn + days);
    DateTimeFields f;
    f.year = d.year();
    f.month = d.month();
    f.day = d.day();
    f.hour = int(ms / 3600000);
    f.minute = int(ms / 60000 % 60);
    f.second = int(ms / 1000 % 60);
    f.msec = int(ms % 1000);
    return f;
}

double DatePart(Moment m) {
    return std::trunc(m);
}

double TimePart(Moment m) {
    return m - std::floor(m);
}

Moment AddDays(Moment m, double days) {
    return m + days;
}

int DayOfWeek(Moment m) {
    const DateTimeFields f = DecodeDateTime(m);
    return QDate(f.year, f.month, f.day).dayOfWeek() % 7 + 1;
}

Moment FromQDate(QDate d, QTime t) {
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

Moment FromQDateTime(const QDateTime& dt) {
    return FromQDate(dt.date(), dt.time());
}

QDateTime ToQDateTime(Moment m) {
    const DateTimeFields f = DecodeDateTime(m);
    return QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second, f.msec),
                     Qt::UTC);
}

Moment ReadingAt(const QDateTime& instant, double offsetHours) {
    return FromQDateTime(instant.toUTC()) + offsetHours / 24.0;
}

QDateTime InstantOf(Moment reading, double offsetHours) {
    return ToQDateTime(reading - offsetHours / 24.0);
}

bool IsRepresentable(Moment m) {
    if (!std::isfinite(m)) return false;
    // 0001-01-01 and 10000-01-01 on the scale.
    static const double lo = double(QDate(1, 1, 1).toJulianDay() - kEpochJdn);
    static const double hi = double(QDate(10000, 1, 1).toJulianDay() - kEpochJdn);
    return m >= lo && m < hi;
}

}  // namespace hx
