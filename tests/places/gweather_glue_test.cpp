// The GLib glue without the network: a request with no provider ends by its time limit,
// and one dropped early never calls back.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
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
    for (const Place& place :
         {*FindPlace("Minneapolis").place, Place{"Nowhere", {}, {}, {}, 1.0, 2.0, {}, 0, -1, {}, {}, {}}}) {
        std::optional<QString> failure;
        std::optional<WeatherValues> values;
        WeatherRequest request(place, Offline(50),
                               [&](std::optional<WeatherValues> v, QString why) {
                                   values = std::move(v);
                                   failure = why;
                               });
        EXPECT_TRUE(QTest::qWaitFor([&] { return failure.has_value(); }, 5000));
        EXPECT_FALSE(values.has_value());
        EXPECT_FALSE(failure.value_or("").isEmpty()) << place.name.toStdString();
    }
}

TEST(GWeatherGlue, CallsBackOnceAndNotAfterBeingDropped) {
    int calls = 0;
    auto request =
        std::make_unique<WeatherRequest>(*FindPlace("Kathmandu").place, Offline(20),
                                         [&](std::optional<WeatherValues>, QString) { ++calls; });
    auto dropped = std::make_unique<WeatherRequest>(
        *FindPlace("Sydney").place, Offline(20),
        [&](std::optional<WeatherValues>, QString) { calls += 100; });
    dropped.reset();
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(request->finished());
}

}  // namespace
