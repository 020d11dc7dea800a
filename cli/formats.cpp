// heliodex-cli's lists as text and JSON.
#include "formats.h"

#include <QJsonObject>

#include <cmath>

#include "core/names.h"

namespace hx::cli {

namespace {
QString Seconds(Moment m, const char* pattern) {
    return ToQDateTime(m).toString(QLatin1String(pattern));
}
}  // namespace

QString IsoTime(Moment local, double offsetHours) {
    const int minutes = int(std::lround(offsetHours * 60));
    const int a = std::abs(minutes);
    return Seconds(local, "yyyy-MM-ddTHH:mm:ss") + QLatin1Char(minutes < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(a / 60, 2, 10, QLatin1Char('0'))
               .arg(a % 60, 2, 10, QLatin1Char('0'));
}

QString EventsText(const EventList& events) {
    QString out;
    for (const SkyEvent& e : events) {
        const QString when =
            e.Time == 0 ? QStringLiteral("-") : Seconds(e.Time, "yyyy-MM-dd HH:mm:ss");
        out += when + ' ' + QLatin1String(BodyNames[e.Body]) + ' ' +
               QLatin1String(EventName(e.Kind)) + '\n';
    }
    return out;
}

QString HoursText(const cal::HourList& hours) {
    QString out;
    for (const cal::PlanetaryHour& h : hours)
        out += Seconds(h.start, "yyyy-MM-dd HH:mm:ss") + ' ' +
               Seconds(h.end, "yyyy-MM-dd HH:mm:ss") + ' ' + QLatin1String(BodyNames[h.body]) +
               (h.day ? " day " : " night ") + QString::number(h.number) + '\n';
    return out;
}

QJsonArray EventsJson(const EventList& events, double offsetHours) {
    QJsonArray a;
    for (const SkyEvent& e : events) {
        QJsonObject o;
        o["time"] = e.Time == 0 ? QJsonValue() : QJsonValue(IsoTime(e.Time, offsetHours));
        o["body"] = QLatin1String(BodyNames[e.Body]);
        o["event"] = QLatin1String(EventName(e.Kind));
        a.append(o);
    }
    return a;
}

QJsonArray HoursJson(const cal::HourList& hours, double offsetHours, Moment moment) {
    QJsonArray a;
    for (const cal::PlanetaryHour& h : hours) {
        QJsonObject o;
        o["start"] = IsoTime(h.start, offsetHours);
        o["end"] = IsoTime(h.end, offsetHours);
        o["ruler"] = QLatin1String(BodyNames[h.body]);
        o["period"] = h.day ? "day" : "night";
        o["number"] = h.number;
        o["current"] = h.start <= moment && moment < h.end;
        a.append(o);
    }
    return a;
}

}  // namespace hx::cli
