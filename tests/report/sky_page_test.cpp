// The Sky page's lines and the countdown, at a temperate site and in a polar day.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>

#include "core/format.h"
#include "core/names.h"

#include "core/zone.h"
#include "report/sky_page.h"

using namespace hx;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

Observer Site(double lat, double lon, double tz) {
    Observer o;
    o.Latitude = lat;
    o.Longitude = lon;
    o.TimeZone = tz;
    o.DaylightTime = 1;
    o.Pressure = 1013;
    o.Temperature = 20;
    return o;
}
}  // namespace

// The Sun's rise and set of the site's day in the event list (instants).
static std::pair<Moment, Moment> RiseAndSet(const SkyEventState& state, Moment day) {
    Moment rise = 0, set = 0;
    for (const SkyEvent& e : state.computed)
        if (e.Body == 0 && DatePart(ReadingOfUtc(state.site, e.Time)) == day) {
            if (e.Kind == kRise) rise = e.Time;
            if (e.Kind == kSet) set = e.Time;
        }
    return {rise, set};
}

// Minneapolis on Saturday 2024-06-15 at 15:45, in the eighth hour of the day (Saturn's):
// the sunset and the hour's end from the event list; before dawn; and Tromso in its polar
// day, where neither part exists.
TEST(SkyPage, CountdownToTheSolarEventAndTheHoursEnd) {
    {
        const Observer site = Site(44.98, -93.27, -6);
        const Moment now = UtcOfReading(site, EncodeDateTime(2024, 6, 15, 15, 45));
        SkyEventState state;
        CollectSkyEvents(state, EncodeDateTime(2024, 6, 15, 15, 45), site, 0, nullptr);
        const auto [rise, set] = RiseAndSet(state, EncodeDateTime(2024, 6, 15));
        const long minutes = long(std::ceil((set - now) * 1440));
        const Moment hourEnd = rise + 8 * (set - rise) / 12;
        EXPECT_EQ(CountdownText(now, state, kUs),
                  QStringLiteral("Sunset in %1 h %2 min \u00b7 Hour of Saturn until %3")
                      .arg(minutes / 60)
                      .arg(minutes % 60)
                      .arg(FormatDateTime("t", ReadingOfUtc(site, hourEnd), kUs)));
    }
    const struct {
        const char* name;
        Observer site;
        Moment reading;
        const char* pattern;
    } rows[] = {
        {"Minneapolis before dawn", Site(44.98, -93.27, -6), EncodeDateTime(2024, 6, 15, 4, 0),
         "^Sunrise in 1 h 2[67] min \u00b7 Hour of \\w+ until \\d:\\d\\d AM$"},
        {"Tromso", Site(69.65, 18.96, 1), EncodeDateTime(2024, 6, 21, 12, 0), "^$"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SkyEventState state;
        CollectSkyEvents(state, row.reading, row.site, 0, nullptr);
        const QString text = CountdownText(UtcOfReading(row.site, row.reading), state, kUs);
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(row.pattern)).match(text).hasMatch())
            << text.toStdString();
    }
}

// The page lists the Sun's day in order on the site's clock and says what does not happen.
TEST(SkyPage, LinesOnTheSitesClockAndAbsentTwilightsSaid) {
    const Observer mpls = Site(44.98, -93.27, -6);
    const QStringList lines =
        SkyPageLines(UtcOfReading(mpls, EncodeDateTime(2024, 6, 15, 15, 45)), mpls, kUs);
    ASSERT_GE(lines.size(), 20);
    EXPECT_EQ(lines[0], "Saturday, June 15, 2024");
    // Sunrise and sunset as the event list's own search finds them.
    SkyEventState state;
    CollectSkyEvents(state, EncodeDateTime(2024, 6, 15, 15, 45), mpls, 0, nullptr);
    const auto [rise, set] = RiseAndSet(state, EncodeDateTime(2024, 6, 15));
    EXPECT_TRUE(lines.contains("Sunrise " + FormatDateTime("t", ReadingOfUtc(mpls, rise), kUs)));
    EXPECT_TRUE(lines.contains("Sunset " + FormatDateTime("t", ReadingOfUtc(mpls, set), kUs)));
    const long minutes = long(std::ceil((set - rise) * 1440));
    EXPECT_TRUE(lines.contains(
        QStringLiteral("Day length %1 h %2 min").arg(minutes / 60).arg(minutes % 60)));
    EXPECT_TRUE(lines.filter(QRegularExpression("^Solar noon 1:1\\d PM$")).size() == 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^Astronomical dawn \\d:\\d\\d AM$")).size(), 1);
    EXPECT_EQ(lines.filter(QRegularExpression("^(New Moon|First Quarter|Full Moon|Last Quarter) "))
                  .size(),
              4);
    EXPECT_EQ(lines.filter("Sun enters Cancer").size(), 1);
    EXPECT_EQ(lines.filter("(June Solstice)").size(), 1);

    const Observer tromso = Site(69.65, 18.96, 1);
    const QStringList polar =
        SkyPageLines(UtcOfReading(tromso, EncodeDateTime(2024, 6, 21, 12, 0)), tromso, kUs);
    EXPECT_TRUE(polar.contains("Sunset: none (the Sun stays up)"));
    EXPECT_TRUE(polar.contains("Astronomical dusk: none (the Sun stays above -18\u00b0)"));
    EXPECT_TRUE(polar.contains("Day length 24 h"));
}
