// What a lookup writes into the site fields and boxes; a field left empty is not touched.
#pragma once

#include <optional>

#include <QString>

namespace hx {

struct LocaleFieldTexts {
    std::optional<QString> Edit2;   // latitude degrees
    std::optional<QString> Edit3;   // latitude minutes or decimals
    std::optional<QString> Edit4;   // longitude degrees
    std::optional<QString> Edit5;   // longitude minutes or decimals
    std::optional<QString> Edit6;   // time zone
    std::optional<QString> Edit7;   // pressure, mbar
    std::optional<QString> Edit8;   // temperature, deg. F
    std::optional<bool> CheckBox1;  // North
    std::optional<bool> CheckBox2;  // West
    std::optional<bool> CheckBox3;  // Daylight Time
    std::optional<QString> Zone;    // the place's IANA zone id (ZoneBox), from the built-in service

    bool operator==(const LocaleFieldTexts&) const = default;
};

}  // namespace hx
