// The weather completion: coordinates into field texts, the report lines, the recent entry.
#include "weather_lookup.h"

#include <functional>
#include <optional>
#include <vector>

#include <QRegularExpression>

#include "settings/textfile.h"

namespace hx {

QString WeatherDocumentFile() {
    return files::ProgramFile(QStringLiteral("locale.xml"));
}

CoordinateTexts SplitCoordinate(const QString& attribute) {
    QString text = attribute.trimmed();
    CoordinateTexts out{false, {}, {}};
    const qsizetype minus = text.indexOf('-');
    if (minus >= 0) {
        out.negative = true;
        text.remove(minus, 1);
    }
    const qsizetype point = text.indexOf('.');
    out.degrees = point < 0 ? text : text.left(point);
    out.decimals = point < 0 ? QString() : text.mid(point + 1, 99);
    return out;
}

namespace {

// An answer's observation attribute: nullopt when it is absent.
using Attribute = std::function<std::optional<QString>(const char* name)>;

// The split coordinate, or an error naming the attribute.
CoordinateTexts Coordinate(const Attribute& attribute, const char* name, double limit) {
    const QString value = attribute(name).value_or(QString());
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const bool ok = number.match(value.trimmed()).hasMatch();
    const double v = value.trimmed().toDouble();
    if (value.trimmed().isEmpty())
        throw Error(QStringLiteral("The weather service's answer gives no %1; nothing was "
                                   "changed.")
                        .arg(QLatin1String(name)));
    if (!ok || qAbs(v) > limit)
        throw Error(QStringLiteral("The weather service's answer gives the %1 \"%2\", which is "
                                   "not a coordinate; nothing was changed.")
                        .arg(QLatin1String(name), value));
    return SplitCoordinate(value);
}

struct Forecast {
    QString day, text;
};

// The completion of an answer, from a document or from the program's own values.
WeatherOutcome Complete(const Attribute& attribute, const QString& sunrise, const QString& sunset,
                        const std::vector<Forecast>& forecast, const QString& query) {
    const auto text = [&attribute](const char* name) {
        return attribute(name).value_or(QString());
    };
    const CoordinateTexts lat = Coordinate(attribute, "latitude", 90);
    const CoordinateTexts lon = Coordinate(attribute, "longitude", 180);

    WeatherOutcome out;
    out.recentEntry = query;
    out.fields.north = !lat.negative;
    out.fields.west = lon.negative;
    out.fields.latDegrees = lat.degrees;
    out.fields.latMinutes = lat.decimals;
    out.fields.lonDegrees = lon.degrees;
    out.fields.lonMinutes = lon.decimals;
    out.placeCaption = text("longname");
    out.fields.timeZone = text("timezone");
    out.fields.daylight = text("daylight_saving") == QLatin1String("1");
    out.fields.temperatureF = text("temp.F");
    out.fields.pressure = text("pressure.mb");

    out.report << QStringLiteral("Weather forecast for ") + text("city") + QStringLiteral(", ") +
                      text("time");
    out.report << QStringLiteral("The temperature is ") + text("temp.string") +
                      QStringLiteral(", dewpoint ") + text("dewpt.string") +
                      QStringLiteral(", relative humidity ") + text("rel_hum.string") +
                      QStringLiteral(".  Winds are ") + text("wind.string") +
                      QStringLiteral(".  Skies are ") + text("skies") +
                      QStringLiteral(".  Barometric pressure ") + text("pressure.string");
    out.report << QStringLiteral("This morning's sunrise was at ") + sunrise +
                      QStringLiteral(".  Sunset at ") + sunset;
    for (const Forecast& f : forecast) out.report << f.day + QStringLiteral(" -- ") + f.text;
    out.notice =
        QStringLiteral("Look up completed. Location, time zone and daylight time updated.");
    return out;
}

}  // namespace

WeatherOutcome CompleteWeatherLookup(TXMLForexmlType document, const QString& query) {
    if (!document.HasObservation())
        throw Error(
            QStringLiteral("The weather service's answer has no observation; nothing was "
                           "changed."));
    const TXMLObservationType o = document.Observation();
    const Attribute attribute = [&o](const char* name) -> std::optional<QString> {
        if (!o.HasAttribute(QLatin1String(name))) return std::nullopt;
        return o.Attribute(QLatin1String(name));
    };
    const TXMLAlmanacTypeList almanac = document.Almanac();
    const TXMLForecastTypeList forecast = document.Forecast();
    std::vector<Forecast> days;
    for (int i = 0; i < forecast.Count(); ++i)
        days.push_back({forecast[i].Day(), forecast[i].Text()});
    return Complete(attribute, almanac.Count() ? almanac[0].Sunrise() : QString(),
                    almanac.Count() ? almanac[0].Sunset() : QString(), days, query);
}

WeatherOutcome CompleteWeatherAnswer(const places::ForexmlWeather& answer, const QString& query) {
    const Attribute attribute = [&answer](const char* name) -> std::optional<QString> {
        const auto it = answer.observation.find(QString::fromLatin1(name));
        if (it == answer.observation.end()) return std::nullopt;
        return it->second;
    };
    std::vector<Forecast> days;
    for (const places::ForexmlWeather::Forecast& f : answer.forecast)
        days.push_back({f.day, f.text});
    return Complete(attribute, answer.almanac ? answer.almanac->first : QString(),
                    answer.almanac ? answer.almanac->second : QString(), days, query);
}

}  // namespace hx
