// heliodex-cli's commands.
#include "run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include "cli/reverse_command.h"
#include "core/ephemeris.h"
#include "core/error.h"
#include "core/moon_phase.h"
#include "core/names.h"
#include "core/planetary_hours.h"
#include "core/sky_events.h"
#include "core/thelemic.h"
#include "core/zone.h"
#include "locale/site_fields.h"
#include "report/report.h"
#include "settings/window_settings.h"

namespace hx::cli {

namespace {

// The "Menu" check marks into the options and the "Locale" fields into a site, as the window
// restores them at start-up.
Observer ReadIni(const QString& path, OptionsModel& options) {
    const TExtIniF store(path);
    auto menu = MenuComponents(options);
    std::vector<FieldComponent> fields = LocaleFields();
    std::vector<PersistentComponent*> visit;
    for (auto& f : fields) visit.push_back(&f);
    for (auto& m : menu) visit.push_back(m.get());
    RestoreWindowComponents(store, visit);
    auto text = [&](const char* name) {
        for (const auto& f : fields)
            if (f.name() == QLatin1String(name)) return f.text();
        return QString();
    };
    auto box = [&](const char* name) {
        for (const auto& f : fields)
            if (f.name() == QLatin1String(name)) return f.checked();
        return false;
    };
    SiteFields s;
    s.latDegrees = text("Edit2");
    s.latMinutes = text("Edit3");
    s.north = box("CheckBox1");
    s.lonDegrees = text("Edit4");
    s.lonMinutes = text("Edit5");
    s.west = box("CheckBox2");
    s.timeZone = text("Edit6");
    s.daylight = box("CheckBox3");
    s.pressure = text("Edit7");
    s.temperatureF = text("Edit8");
    s.altitude = text("Edit9");
    s.zone = store.ReadString(QStringLiteral("Site"), QStringLiteral("Zone"), {});
    return ReadSite(s);
}

}  // namespace

Context ResolveContext(const Request& r, Moment nowUtc) {
    Context c;
    std::optional<Observer> fromIni;
    if (r.ini) fromIni = ReadIni(*r.ini, c.options);
    Observer& o = c.observer;
    const Observer base = fromIni.value_or(Observer());
    o.Latitude = r.lat.value_or(base.Latitude);
    o.Longitude = r.lon.value_or(base.Longitude);
    o.Altitude = r.alt.value_or(base.Altitude);
    o.Pressure = r.pressure.value_or(base.Pressure);
    o.Temperature = r.tempF ? (*r.tempF - 32) * 5 / 9 : base.Temperature;
    // The site's clock: --zone, else --tz/--dst over the file's fields, else the file's zone,
    // else the system's.
    if (r.zone) {
        o.Zone = *r.zone;
    } else if (r.tz || r.dst || fromIni) {
        o.TimeZone = r.tz.value_or(base.TimeZone);
        o.DaylightTime = r.dst.value_or(base.DaylightTime);
        if (!r.tz && !r.dst) o.Zone = base.Zone;
    } else {
        o.Zone = QString::fromLatin1(QTimeZone::systemTimeZoneId());
    }
    c.moment = r.at ? *ParseMoment(*r.at) : nowUtc + ClockOffsetAtInstant(o, nowUtc) / 24.0;
    o = AtReading(o, c.moment);
    for (const auto& [name, state] : r.options) c.options.SetChecked(name, state);
    return c;
}

namespace {

QString LocalIso(Moment m) {
    return ToQDateTime(m).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

Outcome Thelemic(const Context& c) {
    return {0, ThelemicDateText(c.moment, c.observer, ThelemicStyleOf(c.options)) + '\n', {}};
}

Outcome Positions(const Context& c) {
    const double jd = MomentToJulianDay(c.moment, c.observer);
    eph::SetTopo(c.observer);
    QJsonObject o;
    o["moment"] = LocalIso(c.moment);
    o["jd_ut"] = QString::number(jd, 'f', 6).toDouble();
    o["sun_lon"] = QString::number(eph::EclipticLongitude(jd, 0), 'f', 6).toDouble();
    o["moon_lon"] = QString::number(eph::EclipticLongitude(jd, 1), 'f', 6).toDouble();
    const MoonPhase phase = ComputeMoonPhase(c.moment, c.observer);
    o["moon_fraction"] = QString::number(phase.fraction, 'f', 6).toDouble();
    o["moon_fraction_next"] = QString::number(phase.fractionNext, 'f', 6).toDouble();
    o["moon_phase_index"] = phase.index;
    return {0, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + '\n', {}};
}

Outcome NoSite() {
    return {1, {}, QStringLiteral("heliodex-cli: no site: give --lat and --lon\n")};
}

// The day's 40 events in list order: local time (or "-"), body, event.
Outcome Events(const Context& c) {
    if (!c.observer.HasSite()) return NoSite();
    QString out;
    for (const SkyEvent& e : ComputeSkyEvents(c.moment, c.observer)) {
        const QString when =
            e.Time == 0 ? QStringLiteral("-") : ToQDateTime(e.Time).toString("yyyy-MM-dd HH:mm:ss");
        out += when + ' ' + QLatin1String(BodyNames[e.Body]) + ' ' +
               QLatin1String(EventName(e.Kind)) + '\n';
    }
    return {0, out, {}};
}

// The planetary-hours section as the report shows it.
Outcome Hours(const Context& c) {
    if (!c.observer.HasSite()) return NoSite();
    const EventList events = ComputeSkyEvents(c.moment, c.observer);
    return {0, PlanetaryHours(c.moment, events).lines.join('\n') + '\n', {}};
}

Outcome Report(const Context& c, Moment now) {
    if (!c.observer.HasSite()) return NoSite();
    SkyEventState events;
    const ReportResult r = BuildReport(c.moment, c.observer, c.options, events, now);
    if (!r.error.isEmpty()) return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(r.error)};
    QString out;
    for (const QString& l : r.lines) out += l + '\n';
    return {0, out, {}};
}

Outcome RunCommand(const Request& r, const Context& c, Moment nowUtc) {
    const Moment now = nowUtc + ClockOffsetAtInstant(c.observer, nowUtc) / 24.0;
    if (r.command == QLatin1String("thelemic")) return Thelemic(c);
    if (r.command == QLatin1String("positions")) return Positions(c);
    if (r.command == QLatin1String("report")) return Report(c, now);
    if (r.command == QLatin1String("events")) return Events(c);
    if (r.command == QLatin1String("hours")) return Hours(c);
    if (r.command == QLatin1String("reverse")) return Reverse(r, c);
    return {2, {}, QStringLiteral("heliodex-cli: unknown command: \"%1\"\n").arg(r.command)};
}

}  // namespace

Outcome Run(const QStringList& args, Moment nowUtc) {
    const auto parsed = ParseArgs(args);
    if (const Error* e = std::get_if<Error>(&parsed))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    const Request& r = std::get<Request>(parsed);
    const Context c = ResolveContext(r, nowUtc);
    if (const std::optional<QString> bad = SiteRangeError(c.observer))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(*bad)};
    try {
        return RunCommand(r, c, nowUtc);
    } catch (const hx::Error& e) {
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e.message())};
    }
}

}  // namespace hx::cli
