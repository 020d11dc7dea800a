// Fetching the weather of a place through libgweather's providers, on the GLib main context
// that Qt's event loop drives.
#pragma once

#include <QString>

#include "core/job.h"

#include "locale/place_search.h"
#include "locale/weather_conversion.h"

namespace hx::places {

struct WeatherOptions {
    int timeoutMs = 30000;
    // Providers ask who fetches and how to reach the maker.
    QString applicationId = QStringLiteral("org.heliodex.Heliodex");
    QString contactInfo = QStringLiteral("https://heliodex.org/contact");
    bool useNetwork = true;  // false enables no provider: the request can only time out
};

// One weather update for a place, as a job: the completion runs once from context's event
// loop, done with the values or failed with the reason (no current weather, no answer in
// time); cancelled through the handle, or with the context gone, the request is aborted. The
// request frees itself once it has ended.
JobHandle FetchWeather(const Place& place, const WeatherOptions& options, QObject* context,
                       Job<WeatherValues>::Completion done);

}  // namespace hx::places
