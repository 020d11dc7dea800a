// Rises and sets found by sampling a body's altitude: bracketed with bounds on how fast the
// altitude can change and bend, then refined to a fraction of a second.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "ephemeris.h"
#include "observer.h"

namespace hx {

struct HorizonCrossing {
    double jd = 0;  // Julian day (UT)
    int kind = 0;   // kRise or kSet
};

// How far ahead the library's stepwise search looks for a rise or set (days).
inline constexpr double kRiseSetReach = 26.0 / 24;

// The search for one body at one site, kept for a run of searches: the body's positions are
// taken from the library at nodes a fixed step apart and interpolated between them, so the
// samples that bracket the crossings cost no library call; each crossing found is then
// refined on the library's own altitude. Nodes are kept, so searches that follow one another
// share them.
class HorizonPass {
  public:
    HorizonPass(int body, const Observer& obs);

    // Every rise and set of the upper limb of the body on the site's apparent horizon in
    // [from, to), in time order. A pass that clears or dips below the horizon by less than
    // a few thousandths of a degree may be missed. With `until` (kRise, kSet or both) the
    // search ends once a crossing of each of those kinds is found.
    std::vector<HorizonCrossing> Crossings(double from, double to, int until = 0);

    // Height of the upper limb above the horizon it is seen on (degrees; positive while the
    // body is up): from the library's position, and from the interpolated one.
    double Height(double jd) const;
    double InterpolatedHeight(double jd);

  private:
    struct Node {
        double ra, dec, distance, sidereal;
    };
    const Node& NodeAt(int64_t k);
    void Examine(double a, double ua, double b, double ub);
    double Refine(double a, double ua, double b, double ub);
    double Polish(double t, double slope) const;

    int body_;
    Observer obs_;
    double horizon_;
    double rate_, bend_;  // bounds on the altitude's rate (deg/h) and bend (deg/h²)
    double spacing_;      // days between nodes
    double sinLat_, cosLat_;
    double observerX_, observerZ_;  // the site in the meridian plane (AU)
    std::map<int64_t, Node> nodes_;
    std::vector<HorizonCrossing> found_;
};

// One HorizonPass's Crossings, for a single search.
std::vector<HorizonCrossing> HorizonCrossings(double from, double to, int body, const Observer& obs,
                                              int until = 0);

// The first crossing of the kind at or after `from` in a list from HorizonCrossings,
// within kRiseSetReach of it.
std::optional<double> FirstCrossing(const std::vector<HorizonCrossing>& crossings, double from,
                                    int kind);

}  // namespace hx
