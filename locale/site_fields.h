// The site fields of the Locale and Weather pages, read into the Observer.
#pragma once

#include <QString>

#include "core/observer.h"

namespace hx {

// The texts and states of the site components, as typed (untrimmed).
struct SiteFields {
    QString latDegrees;     // latDegrees
    QString latMinutes;     // latMinutes
    bool north = false;     // north
    QString lonDegrees;     // lonDegrees
    QString lonMinutes;     // lonMinutes
    bool west = false;      // west
    QString timeZone;       // timeZone, hours
    bool daylight = false;  // daylight
    int format = 1;         // formatGroup: 0 degrees and minutes, 1 decimal fractions
    QString pressure;       // pressure, mbar
    QString temperatureF;   // temperatureF, degrees Fahrenheit
    QString altitude;       // altitude, metres
    QString zone;           // zoneBox's IANA id; empty for manual entry
};

inline constexpr const char* kMinutesWarning =
    "More than 3 digits in minutes field, typically means decimal fractions instead of minutes, "
    "changing setting. Please double check!";

// A decimal number with "." as the point and an optional exponent, blanks around allowed;
// anything else, and anything not finite, reads as 0.
double ReadDecimal(const QString& text);

// The Observer the fields describe. Every field is trimmed first and read as a decimal
// number; in the decimal-fraction format the degrees and the decimals are joined with ".".
// A zone the system knows becomes the Observer's Zone; an unknown one is dropped. An empty
// pressure is the standard atmosphere's at the altitude, an empty temperature 10 °C.
Observer ReadSite(const SiteFields& f);

// The status-bar summary, made of the trimmed texts as typed,
// e.g. «44.58°N 93.16°W TZ -6 1013 mbar 70°F 256 m.s.l.»; an empty pressure or temperature
// shows the value used in its place, as «1013 mbar (standard) 50°F (standard)». The south and
// east are named too (S, E); fields with no place typed read «no site yet».
QString SiteSummary(const SiteFields& f);

// The Done check: in the degrees-and-minutes format, a minutes field of 3 or more characters
// means decimals were typed; the format then switches to decimal fractions.
bool MinutesLookLikeDecimals(const SiteFields& f);

}  // namespace hx
