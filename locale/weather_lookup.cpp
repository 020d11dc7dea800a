// The weather completion: coordinates into field texts, the report lines, the recent entry.
#include "weather_lookup.h"

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

// The split coordinate, or an error naming the attribute.
CoordinateTexts Coordinate(const TXMLObservationType& o, const char* name, double limit) {
    const QString value = o.Attribute(QLatin1String(name));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    const bool ok = number.match(value.trimmed()).hasMatch();
    const double v = value.trimmed().toDouble();
    if (!o.HasAttribute(QLatin1String(name)) || value.trimmed().isEmpty())
        throw Error(QStringLiteral("The weather service's answer gives no %1; nothing was "
                                   "changed.")
                        .arg(QLatin1String(name)));
    if (!ok || qAbs(v) > limit)
        throw Error(QStringLiteral("The weather service's answer gives the %1 \"%2\", which is "
                                   "not a coordinate; nothing was changed.")
                        .arg(QLatin1String(name), value));
    return SplitCoordinate(value);
}

}  // namespace

WeatherOutcome CompleteWeatherLookup(TXMLForexmlType document, const QString& query) {
    if (!document.HasObservation())
        throw Error(
            QStringLiteral("The weather service's answer has no observation; nothing was "
                           "changed."));
    const TXMLObservationType o = document.Observation();
    const CoordinateTexts lat = Coordinate(o, "latitude", 90);
    const CoordinateTexts lon = Coordinate(o, "longitude", 180);

    WeatherOutcome out;
    out.recentEntry = query;
    out.fields.north = !lat.negative;
    out.fields.west = lon.negative;
    out.fields.latDegrees = lat.degrees;
    out.fields.latMinutes = lat.decimals;
    out.fields.lonDegrees = lon.degrees;
    out.fields.lonMinutes = lon.decimals;
    out.placeCaption = o.Longname();
    out.fields.timeZone = o.Timezone();
    out.fields.daylight = o.Daylight_saving() == QLatin1String("1");
    out.fields.temperatureF = o.Temp_F();
    out.fields.pressure = o.Pressure_mb();

    const TXMLAlmanacTypeList almanac = document.Almanac();
    const QString sunrise = almanac.Count() ? almanac[0].Sunrise() : QString();
    const QString sunset = almanac.Count() ? almanac[0].Sunset() : QString();
    out.report << QStringLiteral("Weather forecast for ") + o.City() + QStringLiteral(", ") +
                      o.Time();
    out.report << QStringLiteral("The temperature is ") + o.Temp_string() +
                      QStringLiteral(", dewpoint ") + o.Dewpt_string() +
                      QStringLiteral(", relative humidity ") + o.Rel_hum_string() +
                      QStringLiteral(".  Winds are ") + o.Wind_string() +
                      QStringLiteral(".  Skies are ") + o.Skies() +
                      QStringLiteral(".  Barometric pressure ") + o.Pressure_string();
    out.report << QStringLiteral("This morning's sunrise was at ") + sunrise +
                      QStringLiteral(".  Sunset at ") + sunset;
    const TXMLForecastTypeList forecast = document.Forecast();
    for (int i = 0; i < forecast.Count(); ++i)
        out.report << forecast[i].Day() + QStringLiteral(" -- ") + forecast[i].Text();
    out.notice =
        QStringLiteral("Look up completed. Location, time zone and daylight time updated.");
    return out;
}

}  // namespace hx
