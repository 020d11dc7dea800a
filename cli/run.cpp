// heliodex-cli's commands.
#include "run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>

#include "cli/reverse_command.h"
#include "core/ephemeris.h"
#include "core/thelemic.h"

namespace hx::cli {

Context ResolveContext(const Request& r, Moment now) {
    Context c;
    c.moment = r.at ? *ParseMoment(*r.at) : now;
    Observer& o = c.observer;
    o.Latitude = r.lat.value_or(0);
    o.Longitude = r.lon.value_or(0);
    o.Altitude = r.alt.value_or(0);
    o.Pressure = r.pressure.value_or(0);
    o.Temperature = r.tempF ? (*r.tempF - 32) * 5 / 9 : 0;
    const QDateTime local = ToQDateTime(c.moment);
    const QTimeZone zone = QTimeZone::systemTimeZone();
    o.TimeZone = r.tz.value_or(zone.standardTimeOffset(local) / 3600.0);
    o.DaylightTime = r.dst.value_or(zone.isDaylightTime(local) ? 1 : 0);
    for (const auto& [name, state] : r.options) c.options.SetChecked(name, state);
    return c;
}

namespace {

QString LocalIso(Moment m) {
    return ToQDateTime(m).toString(Qt::ISODate);
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
    return {0, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + '\n', {}};
}

}  // namespace

Outcome Run(const QStringList& args, Moment now) {
    const auto parsed = ParseArgs(args);
    if (const Error* e = std::get_if<Error>(&parsed))
        return {2, {}, QStringLiteral("heliodex-cli: %1\n").arg(e->message)};
    const Request& r = std::get<Request>(parsed);
    const Context c = ResolveContext(r, now);
    if (r.command == QLatin1String("thelemic")) return Thelemic(c);
    if (r.command == QLatin1String("positions")) return Positions(c);
    if (r.command == QLatin1String("reverse")) return Reverse(r, c);
    return {2, {}, QStringLiteral("heliodex-cli: unknown command: \"%1\"\n").arg(r.command)};
}

}  // namespace hx::cli
