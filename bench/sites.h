// The sites the benchmarks compute for.
#pragma once

#include "core/observer.h"

namespace hx::bench {

inline Observer Site(double lat, double lon, double tz, int dst) {
    Observer o;
    o.Latitude = lat;
    o.Longitude = lon;
    o.TimeZone = tz;
    o.DaylightTime = dst;
    o.Pressure = 1013.25;
    o.Temperature = 15;
    return o;
}

inline Observer Minneapolis() {
    return Site(44.98, -93.27, -6, 1);
}

inline Observer Chicago() {
    return Site(41.88, -87.63, -6, 1);
}
inline Observer London() {
    return Site(51.51, -0.13, 0, 1);
}
inline Observer Tromso() {
    return Site(69.65, 18.96, 1, 1);
}

}  // namespace hx::bench
