// The local/Julian-day conversions and a thin layer over the Swiss Ephemeris calls.
#pragma once

#include <optional>

#include <QString>

#include "datetime.h"
#include "observer.h"

namespace hx {

// The Julian day (UT) of a local clock reading at the site: the clock reading is shifted
// by TimeZone + DaylightTime hours (a zoned site's offset at that reading) to UT, then split
// into fields; seconds are dropped.
double MomentToJulianDay(Moment moment, const Observer& obs);

// Local clock time of a Julian day (UT), by a zoned site's offset at that instant; nullopt when the
// result falls outside the years 1 to 9999.
std::optional<Moment> JulianDayToLocal(double jd, const Observer& obs);

// The instant of a Julian day (UT) as a UTC reading on the scale; nullopt outside the years
// 1 to 9999.
std::optional<Moment> JulianDayToUtc(double jd);

namespace eph {

// Gives the ephemeris its data path: the program directory first, then the system's
// data directory, so a build tree finds the data files without copying them.
void SetEphePath(const QString& programDir);
// The path list handed to the library for a program directory.
QString EphePathFor(const QString& programDir);

// swe_julday with the Gregorian calendar flag.
double JulDay(int year, int month, int day, double hour);

void SetTopo(const Observer& obs);

// The error text for a moment the ephemeris cannot compute.
inline constexpr const char* kOutsideRange = "The date is outside the range the ephemeris covers";

// Geocentric ecliptic longitude, 0 <= value < 360. Raises Error when the library cannot
// compute the day (kOutsideRange beyond its range).
double EclipticLongitude(double jdUt, int body);

// Illuminated fraction of the Moon's disc, 0 to 1. Raises Error as EclipticLongitude does.
double MoonIlluminatedFraction(double jdUt);

// The ephemeris flag for a Julian day: the library's data files where they are installed, its
// analytic ephemeris where they are not (learnt once per file's span, so a missing file is
// not looked for again on every call). Raises Error with kOutsideRange for a day neither
// covers.
int EphemerisFlagFor(double jdUt);

// The first event of the given rise/transit flag after jdUt, as a Julian day (UT);
// nullopt when the library finds none (circumpolar body, or it reports an error); raises
// Error with kOutsideRange beyond the ephemeris's range.
std::optional<double> RiseTrans(double jdUt, int body, int flag, const Observer& obs);

// The true (unrefracted) topocentric altitude of the upper limb of a body's disc, in
// degrees, as the library's rise/set search takes it. Raises Error beyond the ephemeris's range.
double UpperLimbAltitude(double jdUt, int body, const Observer& obs);

// The true (unrefracted) topocentric altitude of the centre of a body's disc, in degrees.
// Raises Error beyond the ephemeris's range.
double CentreAltitude(double jdUt, int body, const Observer& obs);

// The apparent geocentric right ascension and declination of date (degrees) and the distance
// (AU) of a body: what the topocentric altitude is worked out from between exact samples.
// Raises Error beyond the ephemeris's range.
struct Equatorial {
    double ra = 0;
    double dec = 0;
    double distance = 0;
};
Equatorial ApparentEquatorial(double jdUt, int body);

// Greenwich apparent sidereal time, degrees.
double SiderealDegrees(double jdUt);

// The angular semidiameter (degrees) of a body's disc at a distance (AU), as the library sizes
// the disc for rises and sets.
double Semidiameter(int body, double distanceAu);

// The true altitude at which the upper limb appears on the horizon at the site: the library's
// refraction at apparent altitude 0 for the site's height, pressure and temperature.
double HorizonTrueAltitude(const Observer& obs);

void Close();

}  // namespace eph

// Sign number 0..11 and whole degree within the sign of an ecliptic longitude.
struct SignDegree {
    int sign = 0;
    int degree = 0;
};
SignDegree ToSignDegree(double longitude);

}  // namespace hx
