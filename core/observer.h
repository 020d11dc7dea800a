// The site and atmosphere every sky computation reads.
#pragma once

#include <cmath>
#include <optional>

#include <QString>

namespace hx {

struct Observer {
    double Longitude = 0;    // degrees, east positive
    double Latitude = 0;     // degrees, north positive
    double Altitude = 0;     // metres above sea level
    double Temperature = 0;  // degrees Celsius
    double Pressure = 0;     // millibar
    double TimeZone = 0;     // hours added to UT for standard time (may be fractional)
    int DaylightTime = 0;    // 1 while daylight time is in force
    // False when the field was left empty and the value is the default below.
    bool PressureGiven = true;
    bool TemperatureGiven = true;
    // IANA zone id; when set, TimeZone and DaylightTime follow it for each moment (see zone.h).
    // Empty: the two fields are as entered.
    QString Zone;

    // Longitude and latitude both exactly 0 mean no site was entered.
    bool HasSite() const { return !(Longitude == 0 && Latitude == 0); }
    // Hours between UT and the local clock.
    double ClockOffsetHours() const { return TimeZone + DaylightTime; }
};

// The air a site gets when its weather fields are empty: the standard atmosphere's pressure
// at the altitude (mbar) and 10 degrees Celsius.
inline double StandardPressure(double altitudeMetres) {
    const double base = 1 - 2.25577e-5 * altitudeMetres;  // 0 at about 44 km: no air above
    return base > 0 ? 1013.25 * std::pow(base, 5.25588) : 0;
}
inline constexpr double kStandardTemperature = 10;

// Every field equal: events computed for one site hold for the other.
inline bool SameSite(const Observer& a, const Observer& b) {
    return a.Longitude == b.Longitude && a.Latitude == b.Latitude && a.Altitude == b.Altitude &&
           a.Temperature == b.Temperature && a.Pressure == b.Pressure && a.TimeZone == b.TimeZone &&
           a.DaylightTime == b.DaylightTime && a.Zone == b.Zone;
}

// Why a site cannot be computed: a latitude beyond 90 degrees, a longitude beyond 180, a
// time zone beyond 14 hours either way, an altitude outside -500 to 9000 m, a pressure outside
// 0 to 1200 mbar or a temperature outside -150 to 150 degrees Fahrenheit (refraction and the
// horizon's dip are meaningless beyond); nullopt for a usable site.
inline std::optional<QString> SiteRangeError(const Observer& o) {
    if (!(std::abs(o.Latitude) <= 90))
        return QStringLiteral("Latitude must lie between -90 and 90 degrees");
    if (!(std::abs(o.Longitude) <= 180))
        return QStringLiteral("Longitude must lie between -180 and 180 degrees");
    if (!(std::abs(o.TimeZone) <= 14))
        return QStringLiteral("Time zone must lie between -14 and 14 hours");
    if (!(o.Altitude >= -500 && o.Altitude <= 9000))
        return QStringLiteral("Altitude must lie between -500 and 9000 metres");
    if (!(o.Pressure >= 0 && o.Pressure <= 1200))
        return QStringLiteral("Pressure must lie between 0 and 1200 mbar");
    // The same expression as the fields' reading, so -150 and 150 themselves pass.
    if (!(o.Temperature >= (-150.0 - 32) * 5 / 9 && o.Temperature <= (150.0 - 32) * 5 / 9))
        return QStringLiteral("Temperature must lie between -150 and 150 \u00b0F");
    return std::nullopt;
}

}  // namespace hx
