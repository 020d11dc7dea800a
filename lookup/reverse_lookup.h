// The search behind "Find": from a Thelemic year and Sun and Moon signs to common-era dates.
#pragma once

#include <functional>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/datetime.h"

namespace hx::lookup {

// The items of the window's boxes, shared by the window and the command line.
const QStringList& DocosadeItems();   // "1 - I" ... "22 - XXII"
const QStringList& YearItems();       // "1 - i" ... "22 - xxii"
const QStringList& SolarSignItems();  // "Aries - March 21 - April 20" ...
const QStringList& LunarSignItems();  // "Aries" ... "Pisces"; also the sign names written

// The item a box's typed text selects (trimmed, any letter case); -1 when it matches none.
int ItemIndexOf(const QStringList& items, const QString& text);
// The number at the head of an item: its first two characters, trimmed; 0 when not a number.
int LeadingNumber(const QString& item);
// A degree box read as a decimal integer; 0 when empty or not a whole number.
int DegreeOf(const QString& text);

// The inputs of one search, as the window holds them.
struct Query {
    QString docosade = QStringLiteral("1 - I");
    QString year = QStringLiteral("1 - i");
    int sunSign = 0;   // 0 = Aries ... 11 = Pisces; anything else means no selection
    int moonSign = 0;  // likewise
    QString sunDegree;
    QString moonDegree;
};

struct Result {
    QStringList lines;
    QString error;  // set when a year box matches no item; the lines then stop after two
};

// Geocentric ecliptic longitude of body 0 (Sun) or 1 (Moon) at a Julian day (UT).
using LongitudeFn = std::function<double(double jdUt, int body)>;
// The ephemeris' own longitudes.
const LongitudeFn& EphemerisLongitude();

// The moment shown for a Julian day (UT): shifted by the time zone alone, never by daylight
// time.
Moment ShownMoment(double jdUt, double timeZone);
// The time zone as typed, in hours: "-6", "5.5".
QString TimeZoneText(double timeZone);

// Runs the search for the inputs and the observer's time zone and returns the lines to show.
Result Find(const Query& query, double timeZone,
            const LongitudeFn& longitude = EphemerisLongitude(),
            const QLocale& locale = QLocale::system());

}  // namespace hx::lookup
