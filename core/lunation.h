// The Moon's phase by name and the instants of its principal phases, from the library's
// geocentric longitudes of the Moon and the Sun.
#pragma once

#include <array>
#include <vector>

namespace hx {

// The principal phases, by the Moon's elongation from the Sun: 0, 90, 180, 270 degrees.
enum PrincipalPhase : int { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };
inline constexpr std::array<const char*, 4> PrincipalPhaseNames = {"New Moon", "First Quarter",
                                                                   "Full Moon", "Last Quarter"};

// The eight phase names, by PhaseNameIndex.
inline constexpr std::array<const char*, 8> PhaseNames = {
    "New",  "Waxing Crescent", "First Quarter", "Waxing Gibbous",
    "Full", "Waning Gibbous",  "Last Quarter",  "Waning Crescent"};

// The Moon's longitude less the Sun's, 0 <= value < 360. Raises Error beyond the ephemeris.
double MoonElongation(double jdUt);

// The name's index for an elongation: a principal phase's name within 6 degrees of it (about
// half a day either side), the crescent or gibbous name between.
int PhaseNameIndex(double elongation);

struct MoonNow {
    double fraction = 0;    // illuminated fraction of the disc, 0 to 1
    double elongation = 0;  // degrees
    int name = 0;           // PhaseNames index
};
MoonNow MoonAt(double jdUt);

struct PhaseInstant {
    int phase = kNewMoon;  // PrincipalPhase
    double jd = 0;         // Julian day (UT)
};

// The first principal phase of each kind after jdUt: four, in time order.
std::vector<PhaseInstant> NextPhases(double jdUt);

// Every principal phase in [from, to), in time order.
std::vector<PhaseInstant> PhasesBetween(double from, double to);

}  // namespace hx
