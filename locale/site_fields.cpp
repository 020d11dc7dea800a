// Reading the site fields.
#include "site_fields.h"

#include <cmath>

#include <QRegularExpression>

#include "core/zone.h"

namespace hx {

double ReadDecimal(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^ *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *$"));
    if (!number.match(text).hasMatch()) return 0;
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);  // QString::toDouble is locale-free
    return ok && std::isfinite(v) ? v : 0;
}

namespace {

double ReadAngle(const QString& degreesText, const QString& minutesText, int format) {
    const QString degrees = degreesText.trimmed();
    const QString minutes = minutesText.trimmed();
    if (format == 0) return ReadDecimal(degrees) + ReadDecimal(minutes) / 60;
    if (minutes.isEmpty()) return ReadDecimal(degrees);
    return ReadDecimal(degrees + u'.' + minutes);
}

}  // namespace

Observer ReadSite(const SiteFields& f) {
    Observer o;
    o.Latitude = ReadAngle(f.latDegrees, f.latMinutes, f.format);
    if (!f.north) o.Latitude = -o.Latitude;
    o.Longitude = ReadAngle(f.lonDegrees, f.lonMinutes, f.format);
    if (f.west) o.Longitude = -o.Longitude;
    o.TimeZone = ReadDecimal(f.timeZone.trimmed());
    o.Altitude = ReadDecimal(f.altitude.trimmed());
    o.PressureGiven = !f.pressure.trimmed().isEmpty();
    o.Pressure = o.PressureGiven ? ReadDecimal(f.pressure.trimmed()) : StandardPressure(o.Altitude);
    o.TemperatureGiven = !f.temperatureF.trimmed().isEmpty();
    o.Temperature = o.TemperatureGiven ? (ReadDecimal(f.temperatureF.trimmed()) - 32) * 5 / 9
                                       : kStandardTemperature;
    o.DaylightTime = f.daylight ? 1 : 0;
    if (IsKnownZone(f.zone)) o.Zone = f.zone;
    // -0.0 would print as "-0"; a negated zero is still no site.
    if (o.Latitude == 0) o.Latitude = 0;
    if (o.Longitude == 0) o.Longitude = 0;
    return o;
}

QString SiteSummary(const SiteFields& f) {
    static const QChar degree(0x00B0);
    // Nothing typed for the place yet: say so, rather than a row of bare dots and degrees.
    if (f.latDegrees.trimmed().isEmpty() && f.latMinutes.trimmed().isEmpty() &&
        f.lonDegrees.trimmed().isEmpty() && f.lonMinutes.trimmed().isEmpty())
        return QStringLiteral("no site yet");
    // Both hemispheres are named: a bare "23.55°" could be either.
    QString s = f.latDegrees.trimmed() + u'.' + f.latMinutes.trimmed() + degree;
    s += f.north ? u'N' : u'S';
    s += u' ' + f.lonDegrees.trimmed() + u'.' + f.lonMinutes.trimmed() + degree;
    s += f.west ? u'W' : u'E';
    const QString pressure = f.pressure.trimmed(), temperature = f.temperatureF.trimmed();
    const QString standard = QStringLiteral(" (standard)");
    s += QStringLiteral(" TZ ") + f.timeZone.trimmed() + u' ';
    if (pressure.isEmpty())
        s += QString::number(std::lround(StandardPressure(ReadDecimal(f.altitude.trimmed())))) +
             QStringLiteral(" mbar") + standard + u' ';
    else
        s += pressure + QStringLiteral(" mbar ");
    if (temperature.isEmpty())
        s += QString::number(kStandardTemperature * 9 / 5 + 32) + degree + u'F' + standard;
    else
        s += temperature + degree + u'F';
    if (!f.altitude.trimmed().isEmpty())
        s += u' ' + f.altitude.trimmed() + QStringLiteral(" m.s.l.");
    return s;
}

bool MinutesLookLikeDecimals(const SiteFields& f) {
    return f.format == 0 && (f.latMinutes.size() >= 3 || f.lonMinutes.size() >= 3);
}

}  // namespace hx
