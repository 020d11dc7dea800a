// Weather values into forexml attribute texts: units, wordings, local times, forecast days.
#include "locale/weather_conversion.h"

#include <algorithm>
#include <cmath>

namespace hx::places {

namespace {

constexpr double kInchesPerMb = 0.0295299830714;
constexpr double kMphPerKnot = 1.150779448;

QString Whole(double v) {
    const long long n = std::llround(v);
    return QString::number(n == 0 ? 0 : n);  // never «-0»
}

double Fahrenheit(double c) {
    return c * 9.0 / 5.0 + 32.0;
}

QString Capitalized(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

// The forecast entries of one local day folded into one element.
struct Day {
    QDate date;
    std::optional<double> low, high;
    QString skies;
    qint64 skiesDistance = -1;  // seconds between the skies' entry and local noon
};

void Add(Day& day, const ForecastValue& f, const QDateTime& local) {
    const auto hi = f.highC ? f.highC : f.temperatureC;
    const auto lo = f.lowC ? f.lowC : f.temperatureC;
    if (hi) day.high = day.high ? std::max(*day.high, *hi) : *hi;
    if (lo) day.low = day.low ? std::min(*day.low, *lo) : *lo;
    const qint64 distance = std::abs(local.time().secsTo(QTime(12, 0)));
    if (!f.skies.isEmpty() && (day.skiesDistance < 0 || distance < day.skiesDistance)) {
        day.skies = f.skies;
        day.skiesDistance = distance;
    }
}

std::vector<Day> Days(const WeatherValues& values, const QTimeZone& zone) {
    std::optional<QDate> first;
    if (values.now.observed) first = values.now.observed->toTimeZone(zone).date();
    std::vector<Day> days;
    for (const ForecastValue& f : values.forecast) {
        if (!f.time.isValid()) continue;
        const QDateTime local = f.time.toTimeZone(zone);
        if (first && local.date() < *first) continue;
        auto it = std::find_if(days.begin(), days.end(),
                               [&](const Day& d) { return d.date == local.date(); });
        if (it == days.end()) {
            if (int(days.size()) == kForecastDays) continue;
            days.push_back(Day{local.date(), {}, {}, {}, -1});
            it = days.end() - 1;
        }
        Add(*it, f, local);
    }
    std::sort(days.begin(), days.end(), [](const Day& a, const Day& b) { return a.date < b.date; });
    return days;
}

QString DayText(const Day& d) {
    QStringList parts;
    if (!d.skies.isEmpty()) parts << d.skies;
    if (d.high) parts << QStringLiteral("high %1°F").arg(FahrenheitText(*d.high));
    if (d.low) parts << QStringLiteral("low %1°F").arg(FahrenheitText(*d.low));
    return Capitalized(parts.join(QStringLiteral(", ")));
}

}  // namespace

QString FahrenheitText(double celsius) {
    return Whole(Fahrenheit(celsius));
}
QString CelsiusText(double celsius) {
    return Whole(celsius);
}

QString TemperatureString(double celsius) {
    return QStringLiteral("%1°F (%2°C)").arg(FahrenheitText(celsius), CelsiusText(celsius));
}

QString MillibarText(double mb) {
    return Whole(mb);
}

QString PressureString(double mb) {
    return QStringLiteral("%1 mb (%2 in)")
        .arg(MillibarText(mb), QString::number(mb * kInchesPerMb, 'f', 2));
}

std::optional<int> RelativeHumidity(double t, double dew) {
    // Magnus formula over water.
    const auto vapour = [](double c) { return 6.112 * std::exp(17.67 * c / (c + 243.5)); };
    if (t <= -243.5 || dew <= -243.5) return std::nullopt;
    const double rh = 100.0 * vapour(dew) / vapour(t);
    if (!std::isfinite(rh)) return std::nullopt;
    return int(std::lround(std::clamp(rh, 0.0, 100.0)));
}

QString WindDirectionText(Wind direction) {
    static const char* const names[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                        "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    if (direction == Wind::Variable) return QStringLiteral("Variable");
    const int i = int(direction);
    return i >= 0 && i < 16 ? QString::fromLatin1(names[i]) : QString();
}

QString WindString(double knots, Wind direction) {
    const QString mph = Whole(knots * kMphPerKnot);
    if (mph == u"0") return QStringLiteral("Calm");
    if (direction == Wind::Variable) return QStringLiteral("Variable at %1 mph").arg(mph);
    const QString from = WindDirectionText(direction);
    if (from.isEmpty()) return QStringLiteral("%1 mph").arg(mph);
    return QStringLiteral("From the %1 at %2 mph").arg(from, mph);
}

ForexmlWeather ToForexml(const WeatherValues& values, const QTimeZone& zone,
                         const QLocale& locale) {
    ForexmlWeather out;
    auto& o = out.observation;
    const CurrentWeather& now = values.now;
    const auto localTime = [&](const QDateTime& t) {
        return locale.toString(t.toTimeZone(zone).time(), QLocale::ShortFormat);
    };

    o["night"] = now.night ? QStringLiteral("1") : QStringLiteral("0");
    if (!now.source.isEmpty()) o["observation_name"] = now.source;
    if (now.observed && now.observed->isValid())
        o["time"] = locale.toString(now.observed->toTimeZone(zone), QLocale::ShortFormat);
    if (now.temperatureC) {
        o["temp.string"] = TemperatureString(*now.temperatureC);
        o["temp.F"] = FahrenheitText(*now.temperatureC);
        o["temp.C"] = CelsiusText(*now.temperatureC);
    }
    if (now.dewPointC) {
        o["dewpt.string"] = TemperatureString(*now.dewPointC);
        o["dewpt.F"] = FahrenheitText(*now.dewPointC);
        o["dewpt.C"] = CelsiusText(*now.dewPointC);
    }
    if (now.temperatureC && now.dewPointC) {
        if (auto rh = RelativeHumidity(*now.temperatureC, *now.dewPointC)) {
            o["rel_hum.string"] = QStringLiteral("%1%").arg(*rh);
            o["rel_hum.percent"] = QString::number(*rh);
        }
    }
    if (now.windKnots) {
        o["wind.string"] = WindString(*now.windKnots, now.windDirection);
        o["wind_direct"] = WindDirectionText(now.windDirection);
        o["wind_speed.knt"] = Whole(*now.windKnots);
    }
    if (now.temperatureC) {
        // The felt temperature is a heat index when above the air's and a wind chill below.
        const double t = *now.temperatureC, felt = now.apparentC.value_or(t);
        o["heat_index.F"] = FahrenheitText(std::max(t, felt));
        o["wind_chill.F"] = FahrenheitText(std::min(t, felt));
    }
    if (now.pressureMb) {
        o["pressure.string"] = PressureString(*now.pressureMb);
        o["pressure.mb"] = MillibarText(*now.pressureMb);
        o["pressure.in"] = QString::number(*now.pressureMb * kInchesPerMb, 'f', 2);
    }
    if (!now.skies.isEmpty()) o["skies"] = now.skies;
    if (!now.summary.isEmpty()) o["text_weather"] = now.summary;

    if (values.sunrise || values.sunset)
        out.almanac = {values.sunrise ? localTime(*values.sunrise) : QString(),
                       values.sunset ? localTime(*values.sunset) : QString()};

    int num = 0;
    for (const Day& d : Days(values, zone)) {
        out.forecast.push_back({QString::number(++num),
                                locale.dayName(d.date.dayOfWeek(), QLocale::LongFormat), d.skies,
                                d.high ? FahrenheitText(*d.high) : QString(),
                                d.low ? FahrenheitText(*d.low) : QString(), DayText(d)});
    }
    return out;
}

}  // namespace hx::places
