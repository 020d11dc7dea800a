// Moon phase index: the rounding table, clamping, and the index over a lunation.
#include <gtest/gtest.h>

#include "core/moon_phase.h"

using namespace hx;

TEST(MoonPhaseIndex, TableAndClamping) {
    struct Row {
        double f0;
        bool waxing;
        int index;
    };
    const Row rows[] = {
        {0, true, 1},        {0.5, true, 7},        {1, true, 14},     {1, false, 15},
        {0.5, false, 22},    {0, false, 28},        {0.25, true, 4},   {0.75, true, 10},
        {0.03, true, 1},     {0.97, false, 15},     {0.02, false, 28}, {0.75, false, 18},
        {1.0 / 14, true, 1}, {1.0 / 14, false, 28},
    };
    for (const Row& r : rows) {
        const double f1 = r.waxing ? r.f0 + 0.01 : r.f0 - 0.01;
        EXPECT_EQ(MoonPhaseIndex(r.f0, f1), r.index) << r.f0 << (r.waxing ? " waxing" : " waning");
    }
    // Equal fractions now and a day later count as waning.
    EXPECT_EQ(MoonPhaseIndex(0.5, 0.5), 22);
}

TEST(MoonPhase, FollowsTheLunation) {
    Observer o;
    o.Latitude = 51.5;
    o.Longitude = -0.1;
    // New Moon 2024-06-06 12:38 UT, first quarter 06-14 05:18, full 06-22 01:08,
    // last quarter 06-28 21:53.
    EXPECT_EQ(ComputeMoonPhase(EncodeDateTime(2024, 6, 14, 5, 18), o).index, 7);
    EXPECT_EQ(ComputeMoonPhase(EncodeDateTime(2024, 6, 21, 0, 0), o).index, 14);
    EXPECT_EQ(ComputeMoonPhase(EncodeDateTime(2024, 6, 22, 6, 0), o).index, 15);
    EXPECT_EQ(ComputeMoonPhase(EncodeDateTime(2024, 6, 28, 21, 53), o).index, 22);
    // Day by day from just after one new Moon to just before the next the index never falls.
    int last = 0;
    for (Moment m = EncodeDateTime(2024, 6, 6, 18, 0); m < EncodeDateTime(2024, 7, 5, 12, 0);
         m += 1) {
        const MoonPhase p = ComputeMoonPhase(m, o);
        EXPECT_EQ(p.index, MoonPhaseIndex(p.fraction, p.fractionNext));
        EXPECT_GE(p.index, last) << DecodeDateTime(m).day;
        last = p.index;
    }
    EXPECT_GE(last, 27);
}
