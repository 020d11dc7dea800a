// The forexml document and the gazetteer page made from a place of the world list.
#include "locale/place_documents.h"

#include <cmath>

#include <QXmlStreamWriter>

namespace hx::places {

namespace {

// The attributes of the observation element, in the order the binding declares them.
const char* const kObservationAttributes[] = {
    "city",         "zipcode",         "longname",         "ident",
    "latitude",     "longitude",       "timezone",         "daylight_saving",
    "night",        "weather_code",    "observation_name", "time",
    "temp.string",  "temp.F",          "temp.C",           "dewpt.string",
    "dewpt.F",      "dewpt.C",         "rel_hum.string",   "rel_hum.percent",
    "wind.string",  "wind_direct",     "wind_speed.knt",   "heat_index.F",
    "wind_chill.F", "pressure.string", "pressure.mb",      "pressure.in",
    "skies",        "text_weather"};

constexpr int kMaxOthersNamed = 10;

QDateTime NoonOf(QDate date, const QTimeZone& zone) {
    return QDateTime(date.isValid() ? date : QDate::currentDate(), QTime(12, 0), zone);
}

// An empty id would name the system's zone, not the place's.
QTimeZone Zone(const QString& id) {
    return id.isEmpty() ? QTimeZone() : QTimeZone(id.toUtf8());
}

// Degrees with two decimals, never «-0.00».
QString Degrees(double v) {
    const double rounded = std::round(v * 100.0) / 100.0;
    return QString::number(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

// The gazetteer completion cuts the place's name at the first ")" of the page, so names
// keep their own brackets only in square form.
QString Unbracketed(QString s) {
    return s.replace(u'(', u'[').replace(u')', u']');
}

}  // namespace

QString HoursText(double hours) {
    QString s = QString::number(std::round(hours * 100.0) / 100.0, 'f', 2);
    while (s.endsWith(u'0')) s.chop(1);
    if (s.endsWith(u'.')) s.chop(1);
    return s == u"-0" ? QStringLiteral("0") : s;
}

double StandardOffsetHours(const QString& zoneId, QDate date, double longitude) {
    const QTimeZone zone = Zone(zoneId);
    if (!zone.isValid()) return std::round(longitude / 15.0);
    return zone.standardTimeOffset(NoonOf(date, zone)) / 3600.0;
}

bool KeepsDaylightTime(const QString& zoneId, QDate date) {
    const QTimeZone zone = Zone(zoneId);
    return zone.isValid() && zone.isDaylightTime(NoonOf(date, zone));
}

SiteAttributes SiteOf(const Place& place, QDate date) {
    SiteAttributes s;
    s.city =
        place.name + QStringLiteral(", ") + (place.region.isEmpty() ? place.country : place.region);
    if (place.region.isEmpty() && place.country.isEmpty()) s.city = place.name;
    s.longname = DisplayName(place);
    s.latitude = Degrees(place.latitude);
    s.longitude = Degrees(place.longitude);
    s.timezone = HoursText(StandardOffsetHours(place.zoneId, date, place.longitude));
    s.daylight_saving =
        KeepsDaylightTime(place.zoneId, date) ? QStringLiteral("1") : QStringLiteral("0");
    return s;
}

ForexmlWeather ForexmlAnswer(const Place& place, QDate date, const ForexmlWeather* weather) {
    const SiteAttributes site = SiteOf(place, date);
    ForexmlWeather answer;
    if (weather) answer = *weather;
    std::map<QString, QString> values = {
        {"city", site.city},         {"longname", site.longname},
        {"latitude", site.latitude}, {"longitude", site.longitude},
        {"timezone", site.timezone}, {"daylight_saving", site.daylight_saving}};
    for (const auto& [name, value] : answer.observation) values.try_emplace(name, value);
    answer.observation = std::move(values);
    return answer;
}

QByteArray ForexmlDocument(const Place& place, QDate date, const ForexmlWeather* weather) {
    return ForexmlText(ForexmlAnswer(place, date, weather));
}

QByteArray ForexmlText(const ForexmlWeather& answer) {
    const std::map<QString, QString>& values = answer.observation;
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement("forexml");
    xml.writeStartElement("observation");
    for (const char* name : kObservationAttributes)
        if (auto it = values.find(QString::fromLatin1(name)); it != values.end())
            xml.writeAttribute(it->first, it->second);
    xml.writeEndElement();
    if (answer.almanac) {
        xml.writeStartElement("almanac");
        xml.writeAttribute("sunrise", answer.almanac->first);
        xml.writeAttribute("sunset", answer.almanac->second);
        xml.writeEndElement();
    }
    for (const auto& f : answer.forecast) {
        xml.writeStartElement("forecast");
        xml.writeAttribute("num", f.num);
        xml.writeAttribute("day", f.day);
        xml.writeAttribute("weather", f.weather);
        xml.writeAttribute("high_temp", f.high_temp);
        xml.writeAttribute("low_temp", f.low_temp);
        xml.writeAttribute("text", f.text);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

QString GazetteerCaption(const Place& p) {
    QString where = p.region.isEmpty() ? p.country : p.region + ", " + p.country;
    if (p.region.isEmpty() && p.country.isEmpty()) where = p.zoneId;
    return Unbracketed(p.name) + QStringLiteral(" (") + Unbracketed(where) + u')';
}

QByteArray GazetteerPage(const PlaceSearch& search) {
    QStringList lines{QStringLiteral("<html>"),
                      QStringLiteral("<head><meta charset=\"utf-8\">"
                                     "<title>Heliodex gazetteer</title></head>"),
                      QStringLiteral("<body>")};
    if (!search.place) {
        lines << QStringLiteral("<p>Sorry, no matches found.</p>");
    } else {
        const Place& p = *search.place;
        // The completion reads the location as "<lat> N, <lon> W": the part before the comma
        // and the part two characters after it, each ending in its hemisphere letter.
        const auto hemisphere = [](double v, const char* minus, const char* plus) {
            const QString d = Degrees(v);
            return d.startsWith(u'-') ? d.mid(1) + minus : d + plus;
        };
        const QString lat = hemisphere(p.latitude, " S", " N");
        const QString lon = hemisphere(p.longitude, " W", " E");
        lines << QStringLiteral("<p>Location: %1, %2<br>").arg(lat, lon)
              << QStringLiteral("Browse Tiger maps are not offered for this place.</p>")
              << QStringLiteral("<p>PO Name: %1</p>").arg(GazetteerCaption(p).toHtmlEscaped());
        if (const QString also = AlsoFoundLine(search.others); !also.isEmpty())
            lines << QStringLiteral("<p>%1</p>").arg(also.toHtmlEscaped());
    }
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString ResultPage(const Place& place, QDate date, const QStringList& lines) {
    const SiteAttributes site = SiteOf(place, date);
    const auto hemisphere = [](const QString& d, const char* minus, const char* plus) {
        return d.startsWith(u'-') ? d.mid(1) + QString::fromUtf8(minus)
                                  : d + QString::fromUtf8(plus);
    };
    const double offset = StandardOffsetHours(place.zoneId, date, place.longitude);
    QString zone = QStringLiteral("UTC %1%2")
                       .arg(offset < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"),
                            HoursText(std::abs(offset)));
    if (!place.zoneId.isEmpty()) zone = place.zoneId + QStringLiteral(", ") + zone;
    if (site.daylight_saving == u'1') zone += QStringLiteral(", daylight time in force");
    QString page =
        QStringLiteral("<html><body><h3>%1</h3>").arg(DisplayName(place).toHtmlEscaped());
    page +=
        QStringLiteral("<p>%1, %2<br>Time zone %3</p>")
            .arg(hemisphere(site.latitude, "° S", "° N").toHtmlEscaped(),
                 hemisphere(site.longitude, "° W", "° E").toHtmlEscaped(), zone.toHtmlEscaped());
    for (const QString& line : lines) page += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    page += QStringLiteral("<p><small>Found in the program's own list of places.</small></p>");
    return page + QStringLiteral("</body></html>");
}

QString AlsoFoundLine(const QStringList& others) {
    if (others.isEmpty()) return {};
    QString line = QStringLiteral("Also found: ") + others.mid(0, kMaxOthersNamed).join("; ");
    if (others.size() > kMaxOthersNamed)
        line += QStringLiteral("; and %1 more").arg(others.size() - kMaxOthersNamed);
    return line + u'.';
}

QString NoWeatherLine(const Place& place) {
    return QStringLiteral("No current weather could be had for %1.").arg(DisplayName(place));
}

QString UnknownPlaceMessage(const QString& query, const QString& service) {
    return QStringLiteral(
               "No place named \"%1\" is known; try a city name, or set a %2 service address.")
        .arg(query, service);
}

QString PostalCodeMessage(const QString& query, const QString& service) {
    return QStringLiteral(
               "\"%1\" looks like a postal code. Postal codes need a %2 service address; a city "
               "name, such as Chicago, works offline.")
        .arg(query.trimmed(), service);
}

}  // namespace hx::places
