// What a lookup writes into the site fields and boxes; a field left empty is not touched.
#pragma once

#include <optional>

#include <QString>

namespace hx {

struct LocaleFieldTexts {
    std::optional<QString> latDegrees;    // latitude degrees
    std::optional<QString> latMinutes;    // latitude minutes or decimals
    std::optional<QString> lonDegrees;    // longitude degrees
    std::optional<QString> lonMinutes;    // longitude minutes or decimals
    std::optional<QString> timeZone;      // time zone
    std::optional<QString> pressure;      // pressure, mbar
    std::optional<QString> temperatureF;  // temperature, deg. F
    std::optional<bool> north;            // North
    std::optional<bool> west;             // West
    std::optional<bool> daylight;         // Daylight Time
    std::optional<QString> Zone;  // the place's IANA zone id (zoneBox), from the built-in service
    std::optional<QString> altitude;    // altitude, metres (a saved place)
    std::optional<bool> decimalFormat;  // the format group: true for decimal fractions

    bool operator==(const LocaleFieldTexts&) const = default;
};

}  // namespace hx
