// The GLib glue without the network: a request with no provider ends by its time limit.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "locale/gweather_glue.h"

using namespace hx::places;

namespace {

WeatherOptions Offline(int timeoutMs) {
    WeatherOptions o;
    o.useNetwork = false;
    o.timeoutMs = timeoutMs;
    return o;
}

TEST(GWeatherGlue, AnUnansweredRequestFailsAtItsTimeLimit) {
    for (const Place& place : {*FindPlace("Minneapolis").place,
                               Place{"Nowhere", {}, {}, {}, 1.0, 2.0, {}, 0, -1, {}, {}, {}}}) {
        std::optional<hx::JobResult<WeatherValues>> got;
        QObject context;
        FetchWeather(place, Offline(50), &context, [&](const auto& r) { got = r; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return got.has_value(); }, 5000));
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->end, hx::JobEnd::Failed);
        EXPECT_FALSE(got->reason.isEmpty()) << place.name.toStdString();
    }
}

}  // namespace
