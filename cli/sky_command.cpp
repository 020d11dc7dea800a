// heliodex-cli sky.
#include "sky_command.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

#include <QFileInfo>

#include "alarms/alarm_tables.h"
#include "calendar/icalendar.h"
#include "calendar/sky_items.h"
#include "cli/document.h"
#include "cli/formats.h"
#include "core/ingress.h"
#include "core/lunation.h"
#include "core/names.h"
#include "core/thelemic.h"
#include "core/twilight.h"
#include "core/zone.h"
#include "report/sky_page.h"
#include "settings/textfile.h"

namespace hx::cli {

namespace {

Moment UtcOf(double jd) {
    return jd - kEpochJulianDay;
}

// What the command lists, as instants.
struct SkyData {
    std::vector<SunDay> days;
    MoonNow moon;
    std::vector<PhaseInstant> phases;
    std::vector<Ingress> ingresses;  // the Sun's and the Moon's, in time order
    std::vector<VoidOfCourse> voids;
};

SkyData Collect(const Request& r, const Context& c) {
    SkyData d;
    const double jd = c.momentUtc + kEpochJulianDay;
    const Moment day0 = DatePart(c.moment);
    const int days = r.days.value_or(1);
    for (int i = 0; i < days; ++i) {
        const auto [a, b] = SiteDayRange(UtcOfReading(c.observer, day0 + i + 0.5), c.observer);
        d.days.push_back(ComputeSunDay(a, b, c.observer));
    }
    d.moon = MoonAt(jd);
    if (!r.days) {
        d.phases = NextPhases(jd);
        d.ingresses = NextSunIngresses(jd);
        d.ingresses.push_back(NextIngress(jd, 1));
        d.voids.push_back(VoidOfCourseAt(jd));
    } else {
        const double from = d.days.front().from, to = d.days.back().to;
        d.phases = PhasesBetween(from, to);
        for (int body : {0, 1})
            for (const Ingress& i : IngressesBetween(from, to, body)) {
                d.ingresses.push_back(i);
                if (body == 1) d.voids.push_back(VoidOfCourseAt(i.jd - 1.0 / 1440));
            }
    }
    std::stable_sort(d.ingresses.begin(), d.ingresses.end(),
                     [](const Ingress& a, const Ingress& b) { return a.jd < b.jd; });
    return d;
}

// The day's crossings in the page's order: key, name, instant, why absent.
struct Crossing {
    QString key, name;
    std::optional<double> jd;
    QString absent;
};

QString Why(const LevelCrossings& c, const QString& above, const QString& below) {
    if (c.above) return above;
    if (c.below) return below;
    return QStringLiteral("not on this day");
}

std::vector<Crossing> CrossingsOf(const SunDay& s) {
    std::vector<Crossing> out;
    const auto twilight = [&](int i, bool dawn) {
        const QString level = QLatin1String(TwilightNames[i]);
        const QString depth = QString::number(TwilightDepths[i]) + QStringLiteral("\u00b0");
        const LevelCrossings& c = s.twilight[i];
        out.push_back({level.toLower() + (dawn ? "_dawn" : "_dusk"),
                       level + (dawn ? " dawn" : " dusk"), dawn ? c.rising : c.falling,
                       Why(c, QStringLiteral("the Sun stays above ") + depth,
                           QStringLiteral("the Sun stays below ") + depth)});
    };
    const QString up = QStringLiteral("the Sun stays up"),
                  down = QStringLiteral("the Sun stays down");
    for (int i = kTwilightCount - 1; i >= 0; --i) twilight(i, true);
    out.push_back({"sunrise", "Sunrise", s.horizon.rising, Why(s.horizon, up, down)});
    out.push_back({"solar_noon", "Solar noon", s.noon, QStringLiteral("not on this day")});
    out.push_back({"sunset", "Sunset", s.horizon.falling, Why(s.horizon, up, down)});
    for (int i = 0; i < kTwilightCount; ++i) twilight(i, false);
    return out;
}

// The same in time order, those that do not happen last.
std::vector<Crossing> InTimeOrder(std::vector<Crossing> list) {
    std::stable_sort(list.begin(), list.end(), [](const Crossing& a, const Crossing& b) {
        if (!a.jd || !b.jd) return a.jd && !b.jd;
        return *a.jd < *b.jd;
    });
    return list;
}

QString IngressName(const Ingress& i) {
    QString s = QLatin1String(BodyNames[i.body]) + QStringLiteral(" enters ") +
                QLatin1String(SignNames[i.sign]);
    if (i.body == 0 && *SeasonName(i.sign))
        s += QStringLiteral(" (") + QLatin1String(SeasonName(i.sign)) + ')';
    return s;
}

const char* AspectName(int angle) {
    for (std::size_t k = 0; k < PtolemaicAspects.size(); ++k)
        if (PtolemaicAspects[k] == angle) return AspectNames[k];
    return "";
}

QString Reading(const Observer& site, double jd) {
    return ReadingDateTime(site, UtcOf(jd)).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString Text(const SkyData& d, const Observer& site) {
    QString out;
    for (const SunDay& s : d.days) {
        for (const Crossing& c : InTimeOrder(CrossingsOf(s)))
            out += c.jd ? Reading(site, *c.jd) + ' ' + c.name + '\n'
                        : QStringLiteral("- ") + c.name + " (" + c.absent + ")\n";
        out += QStringLiteral("day length ") + SpanText(s.dayLength) + '\n';
    }
    out +=
        QStringLiteral("moon %1 %2\n")
            .arg(QLatin1String(PhaseNames[d.moon.name]), QString::number(d.moon.fraction, 'f', 3));
    for (const PhaseInstant& p : d.phases)
        out += Reading(site, p.jd) + ' ' + QLatin1String(PrincipalPhaseNames[p.phase]) + '\n';
    for (const Ingress& i : d.ingresses) out += Reading(site, i.jd) + ' ' + IngressName(i) + '\n';
    for (const VoidOfCourse& v : d.voids)
        out += Reading(site, v.start) + ' ' + Reading(site, v.end) + " Void-of-course Moon" +
               (v.current ? " (now)" : "") + '\n';
    return out;
}

QJsonValue When(const Observer& site, double jd) {
    return IsoTimeAt(site, UtcOf(jd));
}

QJsonObject Json(const SkyData& d, const Observer& site) {
    QJsonArray days;
    for (const SunDay& s : d.days) {
        QJsonObject o, absent;
        o["date"] = ReadingDateTime(site, UtcOf(s.from)).toString(QStringLiteral("yyyy-MM-dd"));
        for (const Crossing& c : CrossingsOf(s)) {
            o[c.key] = c.jd ? When(site, *c.jd) : QJsonValue();
            if (!c.jd) absent[c.key] = c.absent;
        }
        o["absent"] = absent;
        o["day_length_minutes"] = QString::number(s.dayLength * 1440, 'f', 1).toDouble();
        days.append(o);
    }
    QJsonArray phases, ingresses, voids;
    for (const PhaseInstant& p : d.phases)
        phases.append(QJsonObject{{"time", When(site, p.jd)},
                                  {"phase", QLatin1String(PrincipalPhaseNames[p.phase])}});
    for (const Ingress& i : d.ingresses)
        ingresses.append(QJsonObject{
            {"time", When(site, i.jd)},
            {"body", QLatin1String(BodyNames[i.body])},
            {"sign", QLatin1String(SignNames[i.sign])},
            {"season",
             i.body == 0 && *SeasonName(i.sign) ? QJsonValue(SeasonName(i.sign)) : QJsonValue()}});
    for (const VoidOfCourse& v : d.voids)
        voids.append(QJsonObject{{"start", When(site, v.start)},
                                 {"end", When(site, v.end)},
                                 {"sign", QLatin1String(SignNames[v.sign])},
                                 {"next_sign", QLatin1String(SignNames[v.nextSign])},
                                 {"last_aspect", QLatin1String(AspectName(v.aspect))},
                                 {"aspect_body", QLatin1String(BodyNames[v.aspectBody])},
                                 {"current", v.current}});
    return QJsonObject{
        {"twilights", days},
        {"moon", QJsonObject{{"phase", QLatin1String(PhaseNames[d.moon.name])},
                             {"fraction", QString::number(d.moon.fraction, 'f', 4).toDouble()}}},
        {"phases", phases},
        {"ingresses", ingresses},
        {"void_of_course", voids}};
}

}  // namespace

std::variant<cal::CalendarAlarms, QString> CalendarAlarmsOf(const Request& r) {
    if (!r.own.contains("alarm-dir")) return cal::CalendarAlarms();
    const QString dir = r.own.value("alarm-dir");
    if (!QFileInfo(dir).isDir())
        return QStringLiteral("heliodex-cli: not a directory: \"%1\"\n").arg(dir);
    const QString oldDir = files::ProgramDirectory();
    files::SetProgramDirectory(dir);
    alarms::AlarmTables tables;
    alarms::LoadAlarmTables(tables);
    files::SetProgramDirectory(oldDir);
    return alarms::CalendarLeads(tables);
}

Outcome Sky(const Request& r, const Context& c, Moment nowUtc) {
    if (!c.observer.HasSite())
        return {1, {}, QStringLiteral("heliodex-cli: no site: give --lat and --lon\n")};
    if (r.format == Format::Ics) {
        const auto leads = CalendarAlarmsOf(r);
        if (const QString* e = std::get_if<QString>(&leads)) return {2, {}, *e};
        const cal::SkyItemList items =
            cal::SkyItemsOfDays(c.moment, r.days.value_or(1), c.observer);
        const cal::CalendarSite site{c.siteName, ThelemicStyleOf(c.options)};
        return {0,
                QString::fromUtf8(cal::WriteICalendar({}, {}, c.observer, ToQDateTime(nowUtc), site,
                                                      items, std::get<cal::CalendarAlarms>(leads))),
                {}};
    }
    const SkyData d = Collect(r, c);
    if (r.format == Format::Json) {
        QJsonObject o = Json(d, c.observer);
        o["days"] = r.days ? QJsonValue(*r.days) : QJsonValue();
        return {0, Document("sky", o, &c), {}};
    }
    return {0, Text(d, c.observer), {}};
}

}  // namespace hx::cli
