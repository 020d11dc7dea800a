// The own service: place search, made-up answer file, then the lookups' usual completion.
#include "locale/own_service.h"

#include <QSaveFile>
#include <QTimeZone>

#include "locale/forexml.h"
#include "locale/gweather_glue.h"
#include "locale/place_documents.h"

namespace hx {

namespace {

void WriteAnswer(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw Error(QStringLiteral("Cannot create file \"%1\". %2").arg(file, out.errorString()));
}

}  // namespace

places::Place KnownPlace(const places::PlaceSearch& search, const QString& query,
                         const QString& service) {
    if (search.found()) return *search.place;
    if (places::LooksLikePostalCode(query))
        throw UnknownPlaceError(places::PostalCodeMessage(query, service));
    throw UnknownPlaceError(places::UnknownPlaceMessage(query, service));
}

places::PlaceSearch FindOwnWeatherPlace(const QString& query) {
    places::PlaceSearch search = places::FindPlace(query);
    KnownPlace(search, query, QStringLiteral("weather"));
    return search;
}

places::PlaceSearch Picked(const places::Place& place) {
    places::PlaceSearch search;
    search.place = place;
    search.matches = {place};
    search.singledOut = true;
    return search;
}

LocaleFieldTexts PlaceSiteFields(const places::Place& place, QDate date) {
    WeatherOutcome outcome = CompleteWeatherAnswer(places::ForexmlAnswer(place, date, nullptr),
                                                   places::DisplayName(place));
    outcome.fields.pressure.reset();
    outcome.fields.temperatureF.reset();
    if (!place.zoneId.isEmpty()) outcome.fields.Zone = place.zoneId;
    return outcome.fields;
}

WeatherOutcome AnswerOwnWeatherLookup(const places::PlaceSearch& search, const QString& query,
                                      QDate reportDate,
                                      const std::optional<places::WeatherValues>& weather,
                                      QByteArray* answer) {
    const places::Place place = KnownPlace(search, query, QStringLiteral("weather"));
    std::optional<places::ForexmlWeather> attributes;
    if (weather) attributes = places::ToForexml(*weather, QTimeZone(place.zoneId.toUtf8()));

    // locale.xml is written for whoever reads it; the outcome comes from the values themselves.
    const places::ForexmlWeather values =
        places::ForexmlAnswer(place, reportDate, attributes ? &*attributes : nullptr);
    const QByteArray document = places::ForexmlText(values);
    WriteAnswer(WeatherDocumentFile(), document);
    if (answer) *answer = document;
    WeatherOutcome outcome = CompleteWeatherAnswer(values, query);
    // The place's zone, so daylight time follows it from now on.
    if (!place.zoneId.isEmpty()) outcome.fields.Zone = place.zoneId;
    // Every spelling of the place comes to one recent entry.
    outcome.recentEntry = places::DisplayName(place);
    if (weather && !weather->now.source.isEmpty())
        outcome.report << QStringLiteral("Weather data: ") + weather->now.source;
    if (!weather) {
        outcome.fields.pressure.reset();
        outcome.fields.temperatureF.reset();
        outcome.report = QStringList{places::NoWeatherLine(place)};
    }
    if (const QString also = places::AlsoFoundLine(search.others); !also.isEmpty())
        outcome.report << also;
    outcome.resultPage = places::ResultPage(place, reportDate, outcome.report);
    return outcome;
}

WeatherOutcome RunOwnWeatherLookup(const QString& query, QDate reportDate,
                                   const WeatherSource& source, QByteArray* answer) {
    const places::PlaceSearch search = FindOwnWeatherPlace(query);
    const std::optional<places::WeatherValues> weather =
        source ? source(*search.place) : std::nullopt;
    return AnswerOwnWeatherLookup(search, query, reportDate, weather, answer);
}

GazetteerOutcome AnswerOwnGazetteerLookup(const places::PlaceSearch& search, const QString& query,
                                          QDate date, QString* answer) {
    // locale.html is written for whoever reads it; the outcome comes from the place itself.
    const QByteArray page = places::GazetteerPage(search);
    WriteAnswer(GazetteerPageFile(), page);
    const places::Place place = KnownPlace(search, query, QStringLiteral("gazetteer"));
    if (answer) *answer = QString::fromUtf8(page);
    GazetteerOutcome outcome;
    outcome.found = true;
    // The program knows the place's zone, so the time zone is set along with the coordinates.
    outcome.fields = PlaceSiteFields(place, date);
    outcome.placeCaption = places::GazetteerCaption(place);
    outcome.notice = QStringLiteral(
        "Look up completed. You must set your time zone and daylight time manually.");
    outcome.recentEntry = places::DisplayName(place);
    const QString also = places::AlsoFoundLine(search.others);
    outcome.resultPage =
        places::ResultPage(place, date, also.isEmpty() ? QStringList() : QStringList{also});
    return outcome;
}

GazetteerOutcome RunOwnGazetteerLookup(const QString& query, QDate date, QString* answer) {
    return AnswerOwnGazetteerLookup(places::FindPlace(query), query, date, answer);
}

namespace {
Job<std::optional<places::WeatherValues>>::Completion Ready(WeatherReady ready) {
    return [ready = std::move(ready)](const JobResult<std::optional<places::WeatherValues>>& r) {
        ready(r.done() ? r.value : std::nullopt);
    };
}
}  // namespace

AsyncWeatherSource AnswerAtOnce(WeatherSource source) {
    return [source = std::move(source)](const places::Place& place, QObject* context,
                                        WeatherReady ready) {
        auto [job, handle] =
            Job<std::optional<places::WeatherValues>>::Start(context, Ready(std::move(ready)));
        job.Done(source ? source(place) : std::nullopt);
        return handle;
    };
}

AsyncWeatherSource ProvidersWeather(int timeoutMs) {
    return [timeoutMs](const places::Place& place, QObject* context, WeatherReady ready) {
        places::WeatherOptions options;
        options.timeoutMs = timeoutMs;
        return places::FetchWeather(place, options, context,
                                    [ready = std::move(ready)](const auto& r) {
                                        ready(r.done() ? std::optional(r.value) : std::nullopt);
                                    });
    };
}

}  // namespace hx
