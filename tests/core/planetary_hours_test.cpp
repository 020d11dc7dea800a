// Planetary hours: the worked example, the first-ruler table, the bounds and the tray choice.
#include <gtest/gtest.h>

#include "core/names.h"
#include "core/planetary_hours.h"

using namespace hx;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const Observer kUt;  // a site on UT: its readings are the instants

Moment At(int d, int h, int n) {
    return EncodeDateTime(2024, 6, d, h, n);
}

// Sun rises at 05:25 and sets at 20:57 on each of the days around the 15th of June 2024
// (a Saturday); other bodies' events and transits are mixed in, as in a real list.
EventList Days(int firstDay, int lastDay) {
    EventList l;
    for (int d = firstDay; d <= lastDay; ++d) {
        l.push_back({0, kRise, At(d, 5, 25)});
        l.push_back({1, kRise, At(d, 9, 0)});
        l.push_back({0, kZenith, At(d, 13, 11)});
        l.push_back({0, kSet, At(d, 20, 57)});
    }
    return l;
}
}  // namespace

TEST(PlanetaryHours, WorkedExample) {
    const PlanetaryHoursSection s = PlanetaryHours(At(15, 15, 45), Days(13, 17), kUt, kUs);
    const QStringList expected = {"",
                                  "Current Planetary Hour of the Day is Saturn ",
                                  "",
                                  "Planetary Hours of the Day",
                                  "Saturn  05:25 AM",
                                  "Jupiter 06:42 AM",
                                  "Mars    08:00 AM",
                                  "Sun     09:18 AM",
                                  "Venus   10:35 AM",
                                  "Mercury 11:53 AM",
                                  "Moon    01:11 PM",
                                  "Saturn  02:28 PM",
                                  "Jupiter 03:46 PM",
                                  "Mars    05:04 PM",
                                  "Sun     06:21 PM",
                                  "Venus   07:39 PM"};
    EXPECT_EQ(s.lines, expected);
    EXPECT_TRUE(s.valid);
    EXPECT_TRUE(s.isDay);
    EXPECT_EQ(s.rulerBody, 6);
    const TrayChoice t = ChooseTray(s, true, false, 9);
    EXPECT_EQ(t.list, TrayChoice::List::Planets);
    EXPECT_EQ(t.index, 6);
    EXPECT_EQ(t.trayTextSuffix, "Planetary hour of Saturn ");
}

TEST(PlanetaryHours, FirstRulerOfEachDayAndNight) {
    // 2024-06-16 is a Sunday.
    const char* rows[7][2] = {{"Sun    ", "Jupiter"}, {"Moon   ", "Venus  "},
                              {"Mars   ", "Saturn "}, {"Mercury", "Sun    "},
                              {"Jupiter", "Moon   "}, {"Venus  ", "Mars   "},
                              {"Saturn ", "Mercury"}};
    const EventList events = Days(14, 24);
    for (int i = 0; i < 7; ++i) {
        const int day = 16 + i;
        const PlanetaryHoursSection noon = PlanetaryHours(At(day, 12, 0), events, kUt, kUs);
        const PlanetaryHoursSection evening = PlanetaryHours(At(day, 23, 0), events, kUt, kUs);
        // The small hours of the next morning still belong to this day's night.
        const PlanetaryHoursSection smallHours =
            PlanetaryHours(At(day + 1, 3, 0), events, kUt, kUs);
        ASSERT_EQ(noon.lines.size(), 16);
        EXPECT_EQ(noon.lines[4].left(7), rows[i][0]) << day;
        EXPECT_EQ(evening.lines[3], "Planetary Hours of the Night");
        EXPECT_EQ(evening.lines[4].left(7), rows[i][1]) << day;
        EXPECT_EQ(smallHours.lines.mid(3), evening.lines.mid(3)) << day;
        for (const auto* s : {&noon, &evening}) {
            EXPECT_EQ(s->lines[15].left(7), s->lines[8].left(7));  // names[12] == names[5]
            EXPECT_EQ(RulerBody(s->currentRuler), s->rulerBody);
        }
    }
}

TEST(PlanetaryHours, CurrentHourAtTheEdges) {
    const EventList events = Days(13, 17);
    // Saturday: hour 1 from 05:25, hour 12 from 19:39:20 to sunset.
    // Each hour lasts 77 min 40 s; the last one ends at sunset.
    const struct {
        Moment q;
        const char* ruler;
        Moment end;
    } rows[] = {
        {At(15, 5, 26), "Saturn ", EncodeDateTime(2024, 6, 15, 6, 42, 40)},
        {At(15, 6, 42), "Saturn ", EncodeDateTime(2024, 6, 15, 6, 42, 40)},
        {At(15, 6, 43), "Jupiter", EncodeDateTime(2024, 6, 15, 8, 0, 20)},
        {At(15, 19, 40), "Venus  ", At(15, 20, 57)},
        {At(15, 20, 56), "Venus  ", At(15, 20, 57)},
    };
    for (const auto& row : rows) {
        const PlanetaryHoursSection s = PlanetaryHours(row.q, events, kUt, kUs);
        EXPECT_EQ(s.currentRuler, row.ruler);
        EXPECT_NEAR(s.currentEnd, row.end, 1e-6);
    }
    // A rise or set exactly at q is no bound: the night before runs on to the evening.
    const HourBounds b = FindHourBounds(At(15, 5, 25), events);
    EXPECT_EQ(b.start, At(14, 20, 57));
    EXPECT_EQ(b.end, At(15, 20, 57));
    EXPECT_EQ(b.mark, kSet);
}

TEST(PlanetaryHours, NoHoursWithoutBothBounds) {
    const Moment q = At(15, 12, 0);
    EventList unformed = Days(15, 15);
    unformed[0].Time = 0;  // the rise had no time
    EventList polar = {{0, kSet, At(13, 12, 0)}, {0, kRise, At(17, 12, 0)}};
    EventList gap = Days(14, 16);
    gap[4].Time = 0;  // the 15th's sunrise: sunset to sunset is no day and no night
    for (const EventList& events :
         {EventList{}, unformed, polar, gap, Days(10, 14), Days(16, 18)}) {
        const PlanetaryHoursSection s = PlanetaryHours(q, events, kUt, kUs);
        EXPECT_FALSE(s.valid);
        EXPECT_EQ(s.lines, QStringList({"", kNoPlanetaryHoursText}));
        // No planet to show: the planets keep the icon, the Moon display shows the phase.
        EXPECT_EQ(ChooseTray(s, true, false, 5).list, TrayChoice::List::Unchanged);
        const TrayChoice t = ChooseTray(s, true, true, 5);
        EXPECT_EQ(t.list, TrayChoice::List::Moon);
        EXPECT_EQ(t.index, 4);
        EXPECT_TRUE(t.trayTextSuffix.isEmpty());
    }
}

TEST(PlanetaryHours, TrayChoiceByOptions) {
    const PlanetaryHoursSection s = PlanetaryHours(At(15, 15, 45), Days(13, 17), kUt, kUs);
    struct Row {
        bool planets, moon, southern;
        TrayChoice::List list;
        int index;
        bool suffix, mirrored;
    };
    const Row rows[] = {
        {false, false, false, TrayChoice::List::Unchanged, -1, false, false},
        {true, false, true, TrayChoice::List::Planets, 6, true, false},
        {false, true, false, TrayChoice::List::Moon, 8, false, false},
        {true, true, true, TrayChoice::List::Moon, 8, true, true},
    };
    for (const Row& r : rows) {
        const TrayChoice t = ChooseTray(s, r.planets, r.moon, 9, r.southern);
        EXPECT_EQ(t.list, r.list);
        EXPECT_EQ(t.index, r.index);
        EXPECT_EQ(!t.trayTextSuffix.isEmpty(), r.suffix);
        EXPECT_EQ(t.mirrored, r.mirrored);
    }
}

TEST(PlanetaryHours, FiredSunriseAlarmKeepsTheDay) {
    SkyEventState state;
    state.computed = state.events = Days(13, 17);
    const Moment q = At(15, 9, 0);
    const PlanetaryHoursSection before = PlanetaryHours(q, state, kUs);
    state.events[8].Time = 0;  // the alarm at the 15th's sunrise has fired
    ASSERT_EQ(state.computed[8].Kind, kRise);
    EXPECT_EQ(PlanetaryHours(q, state, kUs).lines, before.lines);
    EXPECT_TRUE(before.valid);
    EXPECT_TRUE(before.isDay);
}

// The hour lines kept from the last report change with the site's clock and the locale, not
// only with the bounds.
TEST(PlanetaryHours, KeptLinesFollowTheClockAndTheLocale) {
    Observer plusOne;
    plusOne.TimeZone = 1;
    const QLocale de(QLocale::German, QLocale::Germany);
    const struct {
        const Observer& site;
        const QLocale& locale;
        const char* first;
    } rows[] = {{kUt, kUs, "Saturn  05:25 AM"},
                {plusOne, kUs, "Saturn  06:25 AM"},
                {plusOne, de, "Saturn  06:25"},
                {kUt, kUs, "Saturn  05:25 AM"}};
    for (const auto& row : rows)
        EXPECT_EQ(PlanetaryHours(At(15, 15, 45), Days(13, 17), row.site, row.locale).lines.value(4),
                  row.first);
}
