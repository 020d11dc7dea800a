// The site and atmosphere every sky computation reads.
#pragma once

namespace hx {

struct Observer {
    double Longitude = 0;    // degrees, east positive
    double Latitude = 0;     // degrees, north positive
    double Altitude = 0;     // metres above sea level
    double Temperature = 0;  // degrees Celsius
    double Pressure = 0;     // millibar
    double TimeZone = 0;     // hours added to UT for standard time (may be fractional)
    int DaylightTime = 0;    // 1 while daylight time is in force

    // Longitude and latitude both exactly 0 mean no site was entered.
    bool HasSite() const { return !(Longitude == 0 && Latitude == 0); }
    // Hours between UT and the local clock.
    double ClockOffsetHours() const { return TimeZone + DaylightTime; }
};

}  // namespace hx
