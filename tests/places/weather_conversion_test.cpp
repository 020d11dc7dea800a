// libgweather's plain values turned into forexml attribute texts.
#include <gtest/gtest.h>

#include "locale/weather_conversion.h"

using namespace hx::places;

namespace {

TEST(WeatherConversion, UnitsAndWordings) {
    const struct {
        double c;
        const char *f, *whole, *text;
    } temps[] = {{22.2, "72", "22", "72°F (22°C)"},
                 {-40, "-40", "-40", "-40°F (-40°C)"},
                 {-17.8, "0", "-18", "0°F (-18°C)"},
                 {0.2, "32", "0", "32°F (0°C)"}};
    for (const auto& t : temps) {
        EXPECT_EQ(FahrenheitText(t.c), t.f) << t.c;
        EXPECT_EQ(CelsiusText(t.c), t.whole) << t.c;
        EXPECT_EQ(TemperatureString(t.c), QString::fromUtf8(t.text)) << t.c;
    }
    EXPECT_EQ(MillibarText(1013.25), "1013");
    EXPECT_EQ(PressureString(1013.25), "1013 mb (29.92 in)");
    EXPECT_EQ(PressureString(985.6), "986 mb (29.10 in)");

    EXPECT_EQ(RelativeHumidity(20, 20), 100);
    EXPECT_EQ(RelativeHumidity(30, 10), 29);
    EXPECT_EQ(RelativeHumidity(-10, -15), 67);

    const struct {
        double knots;
        Wind dir;
        const char* text;
    } winds[] = {{0, Wind::N, "Calm"},
                 {0.3, Wind::Variable, "Calm"},
                 {10.4, Wind::NW, "From the NW at 12 mph"},
                 {3, Wind::Variable, "Variable at 3 mph"},
                 {5, Wind::Unknown, "6 mph"},
                 {20, Wind::SSE, "From the SSE at 23 mph"}};
    for (const auto& w : winds) EXPECT_EQ(WindString(w.knots, w.dir), w.text) << w.text;
    EXPECT_EQ(WindDirectionText(Wind::N), "N");
    EXPECT_EQ(WindDirectionText(Wind::NNW), "NNW");
    EXPECT_EQ(WindDirectionText(Wind::Unknown), "");
}

QDateTime Utc(int day, int hour, int minute = 0) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute), QTimeZone::utc());
}

TEST(WeatherConversion, ObservationAlmanacAndForecastDays) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QTimeZone chicago("America/Chicago");  // UTC-6 in December
    WeatherValues v;
    v.now.observed = Utc(9, 16, 53);
    v.now.temperatureC = -5;
    v.now.dewPointC = -10;
    v.now.apparentC = -11;
    v.now.windKnots = 10.4;
    v.now.windDirection = Wind::NW;
    v.now.pressureMb = 1021.4;
    v.now.skies = "overcast";
    v.sunrise = Utc(9, 13, 35);
    v.sunset = Utc(9, 22, 32);
    v.forecast = {
        {Utc(9, 3), -3, {}, {}, "fog"},          // the evening before, local time: left out
        {Utc(9, 15), -6, {}, {}, "light snow"},  // 9:00
        {Utc(9, 18), -2, {}, {}, "snow"},        // 12:00, the day's skies
        {Utc(10, 3), -8, {}, {}, "clear sky"},   // still the 9th locally
        {Utc(10, 18), std::nullopt, -12, 1, "clear sky"},
        {Utc(11, 18), std::nullopt, std::nullopt, std::nullopt, ""},
    };
    const ForexmlWeather w = ToForexml(v, chicago, us);
    const auto& o = w.observation;
    EXPECT_EQ(o.at("time"), us.toString(QDateTime(QDate(2026, 12, 9), QTime(10, 53), chicago),
                                        QLocale::ShortFormat));
    EXPECT_EQ(o.at("temp.F"), "23");
    EXPECT_EQ(o.at("dewpt.string"), QString::fromUtf8("14°F (-10°C)"));
    EXPECT_EQ(o.at("rel_hum.percent"), "68");
    EXPECT_EQ(o.at("rel_hum.string"), "68%");
    EXPECT_EQ(o.at("wind.string"), "From the NW at 12 mph");
    EXPECT_EQ(o.at("wind_speed.knt"), "10");
    EXPECT_EQ(o.at("wind_chill.F"), "12");
    EXPECT_EQ(o.at("heat_index.F"), "23");
    EXPECT_EQ(o.at("pressure.mb"), "1021");
    EXPECT_EQ(o.at("pressure.in"), "30.16");
    EXPECT_EQ(o.at("skies"), "overcast");
    EXPECT_EQ(o.at("night"), "0");
    EXPECT_EQ(o.count("text_weather"), 0u);

    ASSERT_TRUE(w.almanac);
    EXPECT_EQ(w.almanac->first, us.toString(QTime(7, 35), QLocale::ShortFormat));
    EXPECT_EQ(w.almanac->second, us.toString(QTime(16, 32), QLocale::ShortFormat));

    ASSERT_EQ(w.forecast.size(), 3u);
    const auto& d1 = w.forecast[0];
    EXPECT_EQ(d1.num, "1");
    EXPECT_EQ(d1.day, "Wednesday");
    EXPECT_EQ(d1.weather, "snow");
    EXPECT_EQ(d1.high_temp, "28");
    EXPECT_EQ(d1.low_temp, "18");
    EXPECT_EQ(d1.text, QString::fromUtf8("Snow, high 28°F, low 18°F"));
    EXPECT_EQ(w.forecast[1].text, QString::fromUtf8("Clear sky, high 34°F, low 10°F"));
    EXPECT_EQ(w.forecast[2].day, "Friday");
    EXPECT_EQ(w.forecast[2].text, "");
}

TEST(WeatherConversion, ForecastIsCutAfterAWeekAndMissingValuesAreLeftOut) {
    WeatherValues v;
    for (int d = 1; d <= 12; ++d) v.forecast.push_back({Utc(d, 12), 1.0 * d, {}, {}, "rain"});
    const ForexmlWeather w = ToForexml(v, QTimeZone::utc());
    ASSERT_EQ(w.forecast.size(), size_t(kForecastDays));
    EXPECT_EQ(w.forecast.back().num, QString::number(kForecastDays));
    EXPECT_FALSE(w.almanac);
    EXPECT_EQ(w.observation.count("temp.F"), 0u);
    EXPECT_EQ(w.observation.count("pressure.mb"), 0u);
    EXPECT_EQ(w.observation.count("rel_hum.string"), 0u);
    EXPECT_EQ(w.observation.count("wind.string"), 0u);
}

}  // namespace
