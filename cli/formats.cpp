// heliodex-cli's lists as text and JSON.
#include "formats.h"

#include <QJsonObject>

#include <cmath>

#include "core/names.h"
#include "core/zone.h"

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

QString IsoTimeAt(const Observer& site, Moment utc) {
    const double offset = ClockOffsetAtInstant(site, utc);
    const QDateTime reading = ToQDateTime(utc).addSecs(std::llround(offset * 3600));
    return IsoTime(FromQDateTime(reading), offset);
}

namespace {
QString ReadingText(const Observer& site, Moment utc) {
    return ReadingDateTime(site, utc).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}
}  // namespace

QString EventsText(const EventList& events, const Observer& site) {
    QString out;
    for (const SkyEvent& e : events) {
        const QString when = e.Time == 0 ? QStringLiteral("-") : ReadingText(site, e.Time);
        out += when + ' ' + QLatin1String(BodyNames[e.Body]) + ' ' +
               QLatin1String(EventName(e.Kind)) + '\n';
    }
    return out;
}

QString HoursText(const cal::HourList& hours, const Observer& site) {
    QString out;
    for (const cal::PlanetaryHour& h : hours)
        out += ReadingText(site, h.start) + ' ' + ReadingText(site, h.end) + ' ' +
               QLatin1String(BodyNames[h.body]) + (h.day ? " day " : " night ") +
               QString::number(h.number) + '\n';
    return out;
}

QJsonArray EventsJson(const EventList& events, const Observer& site) {
    QJsonArray a;
    for (const SkyEvent& e : events) {
        QJsonObject o;
        o["time"] = e.Time == 0 ? QJsonValue() : QJsonValue(IsoTimeAt(site, e.Time));
        o["body"] = QLatin1String(BodyNames[e.Body]);
        o["event"] = QLatin1String(EventName(e.Kind));
        a.append(o);
    }
    return a;
}

QJsonArray HoursJson(const cal::HourList& hours, const Observer& site, Moment momentUtc) {
    QJsonArray a;
    for (const cal::PlanetaryHour& h : hours) {
        QJsonObject o;
        o["start"] = IsoTimeAt(site, h.start);
        o["end"] = IsoTimeAt(site, h.end);
        o["ruler"] = QLatin1String(BodyNames[h.body]);
        o["period"] = h.day ? "day" : "night";
        o["number"] = h.number;
        o["current"] = h.start <= momentUtc && momentUtc < h.end;
        a.append(o);
    }
    return a;
}

}  // namespace hx::cli
