// The Thelemic date line.
#include "thelemic.h"

#include "ephemeris.h"
#include "names.h"
#include "roman.h"

namespace hx {

int EraYear(int year, int month, int sunSign) {
    int era = year - 1904;
    if (month == 1 || month == 2) --era;
    if (month == 3 && sunSign != 0) --era;
    // Before the first Aries ingress of the era there is no era year yet.
    return era < 0 ? 0 : era;
}

bool BeforeThelemicEra(Moment moment, const Observer& obs) {
    const DateTimeFields f = DecodeDateTime(moment);
    if (f.year != 1904) return f.year < 1904;
    if (f.month != 3) return f.month < 3;
    const double jd = MomentToJulianDay(moment, obs);
    eph::SetTopo(obs);
    return ToSignDegree(eph::EclipticLongitude(jd, 0)).sign != 0;
}

QString ThelemicYearText(int eraYear, const ThelemicStyle& style) {
    const int d = eraYear / 22;
    const int e = eraYear % 22;
    QString dText, eText;
    switch (style.year) {
        case YearStyle::IVx:
            dText = ToRoman(d);
            eText = ToRoman(e).toLower();
            break;
        case YearStyle::iv10:
            dText = ToRoman(d).toLower();
            eText = QString::number(e);
            break;
        case YearStyle::ivX:
            dText = ToRoman(d).toLower();
            eText = ToRoman(e);
            break;
        case YearStyle::N4x:
            dText = QString::number(d);
            eText = ToRoman(e).toLower();
            break;
        case YearStyle::N4X:
            dText = QString::number(d);
            eText = ToRoman(e);
            break;
        case YearStyle::None:
            break;
    }
    return style.noSpace ? dText + eText : dText + ' ' + eText;
}

namespace {
void AppendBody(QString& out, const char* name, double lon, bool degrees) {
    const SignDegree sd = ToSignDegree(lon);
    out += QLatin1String(name);
    out += ' ';
    if (degrees) {
        out += QString::number(sd.degree);
        out += QStringLiteral("\u00B0 ");
    }
    out += QLatin1String(SignNames[sd.sign]);
    out += ' ';
}

QString ComposeDateText(int era, double sunLon, double moonLon, const ThelemicStyle& style) {
    QString positions;
    AppendBody(positions, "Sol", sunLon, style.degrees);
    AppendBody(positions, "Luna", moonLon, style.degrees);
    const QString y = ThelemicYearText(era, style);
    switch (style.prefix) {
        case YearPrefix::An:
            return "An " + y + ' ' + positions;
        case YearPrefix::Anno:
            return "Anno " + y + ' ' + positions;
        case YearPrefix::Bare:
            return y + ' ' + positions;
        case YearPrefix::Omitted:
            break;
    }
    return positions;
}
}  // namespace

QString ThelemicDateText(int year, int month, double sunLon, double moonLon,
                         const ThelemicStyle& style) {
    // The line changes only with a whole degree of the Moon: the last one is kept, as the
    // report asks for it on every clock tick.
    struct Kept {
        bool used = false;
        int era = 0;
        SignDegree sun, moon;
        ThelemicStyle style;
        QString text;
    };
    static Kept kept;
    const SignDegree sun = ToSignDegree(sunLon), moon = ToSignDegree(moonLon);
    const int era = EraYear(year, month, sun.sign);
    if (kept.used && kept.era == era && kept.sun.sign == sun.sign &&
        kept.sun.degree == sun.degree && kept.moon.sign == moon.sign &&
        kept.moon.degree == moon.degree && kept.style == style)
        return kept.text;
    kept = {true, era, sun, moon, style, ComposeDateText(era, sunLon, moonLon, style)};
    return kept.text;
}

QString ThelemicDateText(Moment moment, const Observer& obs, const ThelemicStyle& style) {
    const double jd = MomentToJulianDay(moment, obs);
    eph::SetTopo(obs);
    const double sun = eph::EclipticLongitude(jd, 0);
    const double moon = eph::EclipticLongitude(jd, 1);
    const DateTimeFields f = DecodeDateTime(moment);
    return ThelemicDateText(f.year, f.month, sun, moon, style);
}

}  // namespace hx
