// The lookups' own service: answers made from libgweather's world list and weather
// providers when no service address is set.
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QDate>
#include <QString>

#include "core/error.h"
#include "core/job.h"
#include "locale/gazetteer_lookup.h"
#include "locale/place_search.h"
#include "locale/weather_conversion.h"
#include "locale/weather_lookup.h"

namespace hx {

// A query the gazetteer does not know, or a postal code. A lookup the user started shows it in a
// message box; a start-up or timed lookup puts it in the status bar and changes nothing.
class UnknownPlaceError : public Error {
  public:
    using Error::Error;
};

// The weather of a place, or none (no network, no answer in time).
using WeatherSource = std::function<std::optional<places::WeatherValues>(const places::Place&)>;
// The same asked without waiting, as a job: ready runs once from context's event loop, with the
// weather or none (cancelled, failed); never after the context is gone.
using WeatherReady = std::function<void(std::optional<places::WeatherValues>)>;
using AsyncWeatherSource =
    std::function<JobHandle(const places::Place&, QObject* context, WeatherReady ready)>;

// A source that knows its answer at once, asked the asynchronous way.
AsyncWeatherSource AnswerAtOnce(WeatherSource source);

// The weather lookup without a weather service: finds the place, asks `source` for its
// weather, writes the forexml document to locale.xml and completes it as a download. Without
// weather the temperature and pressure fields keep their texts and the report is one line
// saying so; the providers' credit and the other matches follow in lines of their own. Raises
// UnknownPlaceError, or hx::Error when locale.xml cannot be written.
WeatherOutcome RunOwnWeatherLookup(const QString& query, QDate reportDate,
                                   const WeatherSource& source, QByteArray* answer = nullptr);
// Its two halves around the wait for the weather: the place (raising UnknownPlaceError), then
// the answer once the weather, or none, is known.
places::PlaceSearch FindOwnWeatherPlace(const QString& query);
WeatherOutcome AnswerOwnWeatherLookup(const places::PlaceSearch& search, const QString& query,
                                      QDate reportDate,
                                      const std::optional<places::WeatherValues>& weather,
                                      QByteArray* answer = nullptr);

// The place a search found; raises UnknownPlaceError when it found none, with a message that
// suggests setting the `service` address ("weather" or "gazetteer").
places::Place KnownPlace(const places::PlaceSearch& search, const QString& query,
                         const QString& service);
// A search answered by the user's pick: that place alone.
places::PlaceSearch Picked(const places::Place& place);
// The site fields and zone of a place as the weather lookup fills them, without weather.
LocaleFieldTexts PlaceSiteFields(const places::Place& place, QDate date);

// The gazetteer lookup without a gazetteer service: writes the answer page to locale.html and
// completes it; the place's zone (and its offset and daylight time on `date`) come with the
// coordinates. Raises UnknownPlaceError (after writing the "no matches" page) or hx::Error.
GazetteerOutcome RunOwnGazetteerLookup(const QString& query, QDate date = {},
                                       QString* answer = nullptr);
GazetteerOutcome AnswerOwnGazetteerLookup(const places::PlaceSearch& search, const QString& query,
                                          QDate date, QString* answer = nullptr);

// The source that asks libgweather's providers; none after timeoutMs.
AsyncWeatherSource ProvidersWeather(int timeoutMs);

}  // namespace hx
