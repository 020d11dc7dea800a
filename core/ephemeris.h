// The local/Julian-day conversions and a thin layer over the Swiss Ephemeris calls.
#pragma once

#include <optional>

#include <QString>

#include "datetime.h"
#include "observer.h"

namespace hx {

// The Julian day (UT) of a local clock reading at the site: the clock reading is shifted
// by TimeZone + DaylightTime hours to UT, then split into fields; seconds are dropped.
double MomentToJulianDay(Moment moment, const Observer& obs);

// Local clock time of a Julian day (UT); nullopt when the result falls outside the
// years 1 to 9999.
std::optional<Moment> JulianDayToLocal(double jd, const Observer& obs);

namespace eph {

// Gives the ephemeris its data path: the program directory first, then the system's
// data directory, so a build tree finds the data files without copying them.
void SetEphePath(const QString& programDir);
// The path list handed to the library for a program directory.
QString EphePathFor(const QString& programDir);

// swe_julday with the Gregorian calendar flag.
double JulDay(int year, int month, int day, double hour);

void SetTopo(const Observer& obs);

// Geocentric ecliptic longitude, 0 <= value < 360.
double EclipticLongitude(double jdUt, int body);

// Illuminated fraction of the Moon's disc, 0 to 1.
double MoonIlluminatedFraction(double jdUt);

// The first event of the given rise/transit flag after jdUt, as a Julian day (UT);
// nullopt when the library finds none (circumpolar body, or it reports an error).
std::optional<double> RiseTrans(double jdUt, int body, int flag, const Observer& obs);

void Close();

}  // namespace eph

// Sign number 0..11 and whole degree within the sign of an ecliptic longitude.
struct SignDegree {
    int sign = 0;
    int degree = 0;
};
SignDegree ToSignDegree(double longitude);

}  // namespace hx
