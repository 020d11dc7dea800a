// Fetching the weather of a place through libgweather's providers, on the GLib main context
// that Qt's event loop drives.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QString>

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

// One weather update for a place. The callback runs once, from the event loop: with the
// values, or with empty values and the reason. Destroying the request before then cancels
// it without a callback. The callback must not destroy the request itself (use a queued
// call for that): the request is still running its own code when the callback returns.
class WeatherRequest {
  public:
    using Done = std::function<void(std::optional<WeatherValues> values, QString failure)>;
    WeatherRequest(const Place& place, const WeatherOptions& options, Done done);
    ~WeatherRequest();
    WeatherRequest(const WeatherRequest&) = delete;
    WeatherRequest& operator=(const WeatherRequest&) = delete;
    bool finished() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace hx::places
