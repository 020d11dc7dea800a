// The Thelemic date line: era year as docosade and year, Sun and Moon sign and degree.
#pragma once

#include <QString>

#include "datetime.h"
#include "observer.h"

namespace hx {

enum class YearStyle { None, IVx, iv10, ivX, N4x, N4X };
// Omitted: no prefix item checked, the year part is dropped; Bare: the year without prefix.
enum class YearPrefix { Omitted, An, Anno, Bare };

struct ThelemicStyle {
    bool degrees = true;
    YearStyle year = YearStyle::IVx;
    bool noSpace = false;
    YearPrefix prefix = YearPrefix::An;
    bool operator==(const ThelemicStyle&) const = default;
};

// Era year for a local calendar year and month and the Sun's sign at that instant;
// 0 for moments before the era's first Aries ingress.
int EraYear(int year, int month, int sunSign);

// Whether a site clock reading falls before the era's first Aries ingress (March 1904), where
// the line's era year would have no meaning; registers the site with the ephemeris.
bool BeforeThelemicEra(Moment moment, const Observer& obs);

// The year part alone (docosade, blank unless noSpace, year) for an era year.
QString ThelemicYearText(int eraYear, const ThelemicStyle& style);

// The line from precomputed longitudes (for tests and the reverse lookup).
QString ThelemicDateText(int year, int month, double sunLon, double moonLon,
                         const ThelemicStyle& style);

// The line for a moment at the site; registers the site with the ephemeris.
QString ThelemicDateText(Moment moment, const Observer& obs, const ThelemicStyle& style);

}  // namespace hx
