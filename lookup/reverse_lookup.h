// The search behind "Find": from a Thelemic year and Sun and Moon signs to common-era dates.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QLocale>
#include <QString>
#include <QStringList>

#include "core/datetime.h"
#include "core/observer.h"
#include "lookup/match_spans.h"

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
    // The section below the lines: a blank line, its heading, one line per span.
    QStringList matches;
    std::vector<Span> spans;
    int eraYear = 0;
    // Instants (UT) of the Sun line, the Moon line and the exact match, when written.
    std::optional<double> sunFound, moonFound, exactFound;

    QStringList AllLines() const { return lines + matches; }
};

// The site's clock for the times shown: the hours added to UT at an instant.
struct SiteClock {
    double timeZone = 0;                        // the observer's TimeZone, named in the first line
    std::function<double(double jdUt)> offset;  // empty: timeZone at every instant
    QString zone;  // the site's zone when known; its offset then includes daylight time

    double OffsetAt(double jdUt) const { return offset ? offset(jdUt) : timeZone; }
};

// The site's clock for the lookup: its TimeZone alone, or, when the site has a known zone,
// that zone's offset at each instant (daylight time included).
SiteClock SiteClockOf(const Observer& site);

// The ephemeris' own longitudes.
const LongitudeFn& EphemerisLongitude();

// The moment shown for a Julian day (UT): shifted by the time zone alone, never by daylight
// time.
Moment ShownMoment(double jdUt, double timeZone);
// The moment on the site's clock for a Julian day (UT).
Moment ShownMoment(double jdUt, const SiteClock& clock);
// The time zone as typed, in hours: "-6", "5.5".
QString TimeZoneText(double timeZone);

// Runs the search for the inputs and the site's clock and returns the lines to show.
Result Find(const Query& query, const SiteClock& clock,
            const LongitudeFn& longitude = EphemerisLongitude(),
            const QLocale& locale = QLocale::system());
// The same with the observer's time zone alone.
Result Find(const Query& query, double timeZone,
            const LongitudeFn& longitude = EphemerisLongitude(),
            const QLocale& locale = QLocale::system());

}  // namespace hx::lookup
