// The own service: place search, made-up answer file, then the lookups' usual completion.
#include "locale/own_service.h"

#include <QSaveFile>
#include <QTimeZone>

#include "locale/forexml.h"
#include "locale/gweather_glue.h"
#include "locale/lookups.h"
#include "locale/place_documents.h"
#include "net/service_urls.h"

namespace hx {

namespace {

void WriteAnswer(const QString& file, const QByteArray& bytes) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw Error(QStringLiteral("Cannot create file \"%1\". %2").arg(file, out.errorString()));
}

places::Place Known(const places::PlaceSearch& search, const QString& query,
                    const QString& service) {
    if (!search.found()) throw UnknownPlaceError(places::UnknownPlaceMessage(query, service));
    return *search.place;
}

}  // namespace

WeatherOutcome RunOwnWeatherLookup(const QString& query, QDate reportDate,
                                   const WeatherSource& source, QByteArray* answer) {
    const places::PlaceSearch search = places::FindPlace(query);
    const places::Place place = Known(search, query, QStringLiteral("weather"));
    const std::optional<places::WeatherValues> weather = source ? source(place) : std::nullopt;
    std::optional<places::ForexmlWeather> attributes;
    if (weather) attributes = places::ToForexml(*weather, QTimeZone(place.zoneId.toUtf8()));

    const QByteArray document =
        places::ForexmlDocument(place, reportDate, attributes ? &*attributes : nullptr);
    WriteAnswer(WeatherDocumentFile(), document);
    if (answer) *answer = document;
    WeatherOutcome outcome =
        CompleteWeatherLookup(LoadWeatherDocument(WeatherDocumentFile()), query);
    // The place's zone, so daylight time follows it from now on.
    if (!place.zoneId.isEmpty()) outcome.fields.Zone = place.zoneId;
    if (weather && !weather->now.source.isEmpty())
        outcome.report << QStringLiteral("Weather data: ") + weather->now.source;
    if (!weather) {
        outcome.fields.Edit7.reset();
        outcome.fields.Edit8.reset();
        outcome.report = QStringList{places::NoWeatherLine(place)};
    }
    if (const QString also = places::AlsoFoundLine(search.others); !also.isEmpty())
        outcome.report << also;
    return outcome;
}

GazetteerOutcome RunOwnGazetteerLookup(const QString& query, QString* answer) {
    const places::PlaceSearch search = places::FindPlace(query);
    WriteAnswer(GazetteerPageFile(), places::GazetteerPage(search));
    Known(search, query, QStringLiteral("gazetteer"));
    const QString page = ReadGazetteerPage(GazetteerPageFile());
    if (answer) *answer = page;
    return CompleteGazetteerLookup(page, query);
}

WeatherOutcome WeatherLookup(const QString& weatherService, net::Downloader& downloader,
                             const QString& query, QDate reportDate, const WeatherSource& source,
                             QByteArray* answer) {
    const QString url = net::WeatherUrl(weatherService, query);
    if (url.isEmpty()) return RunOwnWeatherLookup(query, reportDate, source, answer);
    return RunWeatherLookup(downloader, url, query, answer);
}

GazetteerOutcome GazetteerLookup(const QString& gazetteerService, net::Downloader& downloader,
                                 const QString& query, QString* answer) {
    const QString url = net::GazetteerUrl(gazetteerService, query);
    if (url.isEmpty()) return RunOwnGazetteerLookup(query, answer);
    return RunGazetteerLookup(downloader, url, query, answer);
}

WeatherSource ProvidersWeather(int timeoutMs) {
    return [timeoutMs](const places::Place& place) {
        places::WeatherOptions options;
        options.timeoutMs = timeoutMs;
        return places::FetchWeather(place, options);
    };
}

}  // namespace hx
