// Weather values as libgweather reports them, turned into the attribute texts of a forexml
// document.
#pragma once

#include <map>
#include <optional>
#include <vector>

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

namespace hx::places {

// Wind directions, clockwise from north in steps of 22.5 degrees.
enum class Wind {
    Unknown = -1,
    N,
    NNE,
    NE,
    ENE,
    E,
    ESE,
    SE,
    SSE,
    S,
    SSW,
    SW,
    WSW,
    W,
    WNW,
    NW,
    NNW,
    Variable
};

struct CurrentWeather {
    std::optional<QDateTime> observed;  // when the observation was made
    std::optional<double> temperatureC, dewPointC, apparentC;
    std::optional<double> windKnots;
    Wind windDirection = Wind::Unknown;
    std::optional<double> pressureMb;
    QString skies;    // the sky or the significant weather, in the provider's words
    QString summary;  // the provider's one-line description
    bool night = false;
    QString source;  // who observed or forecast it (the attribution providers ask for)
};

struct ForecastValue {
    QDateTime time;  // the moment the forecast is for
    std::optional<double> temperatureC, lowC, highC;
    QString skies;
};

struct WeatherValues {
    CurrentWeather now;
    std::optional<QDateTime> sunrise, sunset;
    std::vector<ForecastValue> forecast;  // in time order
};

// The weather part of a forexml document: observation attributes by name, the almanac
// and the forecast elements.
struct ForexmlWeather {
    struct Forecast {
        QString num, day, weather, high_temp, low_temp, text;
    };
    std::map<QString, QString> observation;
    std::optional<std::pair<QString, QString>> almanac;  // sunrise, sunset
    std::vector<Forecast> forecast;
};

// Whole degrees Fahrenheit: the site re-read takes only whole numbers.
QString FahrenheitText(double celsius);
QString CelsiusText(double celsius);
// «72°F (22°C)»
QString TemperatureString(double celsius);
// Whole millibar, and «1013 mb (29.91 in)».
QString MillibarText(double mb);
QString PressureString(double mb);
// Relative humidity in whole percent from temperature and dew point.
std::optional<int> RelativeHumidity(double temperatureC, double dewPointC);
// «NW», «Variable», empty for Unknown.
QString WindDirectionText(Wind direction);
// «Calm», «From the NW at 12 mph», «Variable at 3 mph».
QString WindString(double knots, Wind direction);

// At most this many forecast days are written.
inline constexpr int kForecastDays = 7;

// The attributes for a place in the given zone, with times in the locale's short formats.
// Days before the observation's day are left out of the forecast.
ForexmlWeather ToForexml(const WeatherValues& values, const QTimeZone& zone,
                         const QLocale& locale = QLocale::system());

}  // namespace hx::places
