// Numbering and names shared by the calendar, report, alarm and lookup code.
#pragma once

#include <array>

namespace hx {

inline constexpr int kBodyCount = 7;   // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn
inline constexpr int kEventCount = 4;  // Rise, Zenith, Set, Nadir

inline constexpr std::array<const char*, kBodyCount> BodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};

inline constexpr std::array<const char*, 12> SignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Rise/transit flags as the ephemeris takes them.
enum EventFlag : int { kRise = 1, kSet = 2, kZenith = 4, kNadir = 8 };

// Indexed by rise/transit flag 0..8.
inline constexpr std::array<const char*, 9> EventNames = {"", "Rise", "Set", "",     "Zenith",
                                                          "", "",     "",    "Nadir"};

// Indexed by event index 0..3 (the order of the alarm items).
inline constexpr std::array<const char*, kEventCount> AlarmEventNames = {"Rise", "Zenith", "Set",
                                                                         "Nadir"};
inline constexpr std::array<int, kEventCount> AlarmEventFlags = {kRise, kZenith, kSet, kNadir};

// Name of an event by its flag; empty for flags that name no event.
inline const char* EventName(int flag) {
    return flag >= 0 && flag < int(EventNames.size()) ? EventNames[flag] : "";
}

}  // namespace hx
