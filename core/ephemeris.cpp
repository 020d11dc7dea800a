// Conversions between the local scale and Julian days, and the ephemeris calls.
#include "ephemeris.h"

#include <QByteArray>
#include <QDir>

#include <cmath>
#include <map>
#include <utility>

#include "error.h"
#include "zone.h"

#include <swephexp.h>

namespace hx {

double MomentToJulianDay(Moment moment, const Observer& obs) {
    const Moment ut = moment - ClockOffsetAtReading(obs, moment) / 24.0;
    const DateTimeFields f = DecodeDateTime(ut);
    return eph::JulDay(f.year, f.month, f.day, f.hour + f.minute / 60.0);
}

std::optional<Moment> JulianDayToLocal(double jd, const Observer& obs) {
    if (!std::isfinite(jd)) return std::nullopt;
    const Moment ut = jd - kEpochJulianDay;
    const Moment local = ut + ClockOffsetAtInstant(obs, ut) / 24.0;
    if (!IsRepresentable(local)) return std::nullopt;
    return local;
}

std::optional<Moment> JulianDayToUtc(double jd) {
    if (!std::isfinite(jd)) return std::nullopt;
    const Moment ut = jd - kEpochJulianDay;
    if (!IsRepresentable(ut)) return std::nullopt;
    return ut;
}

SignDegree ToSignDegree(double longitude) {
    SignDegree sd;
    sd.sign = int(std::trunc(longitude / 30.0));
    sd.degree = int(std::trunc((longitude / 30.0 - sd.sign) * 30.0));
    if (sd.sign < 0 || sd.sign > 11) sd.sign = ((sd.sign % 12) + 12) % 12;
    return sd;
}

namespace eph {

namespace {
constexpr const char* kSystemEphePath = "/usr/share/libswe/ephe";

// Each planet and Moon file covers 600 years from a year divisible by 600.
constexpr int kYearsPerFile = 600;

// The flag learnt for each file's span, by span number; cleared with a new path.
std::map<int, int>& FlagBySpan() {
    static std::map<int, int> flags;
    return flags;
}

// The site last given to the library; a new one drops the positions it keeps.
struct Topo {
    bool set = false;
    double lon = 0, lat = 0, alt = 0;
};
Topo& LastTopo() {
    static Topo topo;
    return topo;
}

int SpanOf(double jdUt) {
    int y = 0, m = 0, d = 0;
    double h = 0;
    swe_revjul(jdUt, SE_GREG_CAL, &y, &m, &d, &h);
    return y >= 0 ? y / kYearsPerFile : -((-y + kYearsPerFile - 1) / kYearsPerFile);
}

[[noreturn]] void RaiseFor(const char* err) {
    const QString text = QString::fromLatin1(err);
    if (text.contains(QLatin1String("outside"))) throw Error(QString::fromLatin1(kOutsideRange));
    throw Error(QStringLiteral("Ephemeris error: ") + text.trimmed());
}

}  // namespace

int EphemerisFlagFor(double jdUt) {
    if (!std::isfinite(jdUt)) throw Error(QString::fromLatin1(kOutsideRange));
    const int span = SpanOf(jdUt);
    auto& flags = FlagBySpan();
    const auto found = flags.find(span);
    if (found != flags.end()) return found->second;
    // One Sun and one Moon computation with the files tell whether the library had to fall
    // back to its analytic ephemeris for this span. A day neither covers is not remembered:
    // part of the span may still be covered.
    int flag = SEFLG_SWIEPH;
    for (int body : {SE_SUN, SE_MOON}) {
        double xx[6] = {};
        char err[AS_MAXCH] = {};
        const int rc = swe_calc_ut(jdUt, body, SEFLG_SWIEPH, xx, err);
        if (rc < 0) throw Error(QString::fromLatin1(kOutsideRange));
        if (rc & SEFLG_MOSEPH) flag = SEFLG_MOSEPH;
    }
    flags[span] = flag;
    return flag;
}

QString EphePathFor(const QString& programDir) {
    QString dir = QDir::cleanPath(programDir);
    if (!dir.endsWith('/')) dir += '/';
    return dir + ':' + QString::fromLatin1(kSystemEphePath);
}

void SetEphePath(const QString& programDir) {
    QByteArray path = QFile::encodeName(EphePathFor(programDir));
    swe_set_ephe_path(path.data());
    FlagBySpan().clear();
    LastTopo().set = false;
}

double JulDay(int year, int month, int day, double hour) {
    return swe_julday(year, month, day, hour, SE_GREG_CAL);
}

void SetTopo(const Observer& obs) {
    Topo& t = LastTopo();
    if (t.set && t.lon == obs.Longitude && t.lat == obs.Latitude && t.alt == obs.Altitude) return;
    swe_set_topo(obs.Longitude, obs.Latitude, obs.Altitude);
    t = {true, obs.Longitude, obs.Latitude, obs.Altitude};
}

double EclipticLongitude(double jdUt, int body) {
    double xx[6] = {};
    char err[AS_MAXCH] = {};
    if (swe_calc_ut(jdUt, body, EphemerisFlagFor(jdUt), xx, err) < 0) RaiseFor(err);
    return xx[0];
}

double MoonIlluminatedFraction(double jdUt) {
    double attr[20] = {};
    char err[AS_MAXCH] = {};
    if (swe_pheno_ut(jdUt, SE_MOON, EphemerisFlagFor(jdUt), attr, err) < 0) RaiseFor(err);
    return attr[1];
}

std::optional<double> RiseTrans(double jdUt, int body, int flag, const Observer& obs) {
    double geopos[3] = {obs.Longitude, obs.Latitude, obs.Altitude};
    double tret[10] = {};
    char err[AS_MAXCH] = {};
    const int rc = swe_rise_trans(jdUt, body, nullptr, EphemerisFlagFor(jdUt), flag, geopos,
                                  obs.Pressure, obs.Temperature, tret, err);
    // Beyond the ephemeris's range is an error; a body that does not rise or set is not.
    if (rc == ERR && QByteArray(err).contains("outside")) RaiseFor(err);
    if (rc < 0 || tret[0] == 0) return std::nullopt;
    return tret[0];
}

namespace {
// Disc diameters in metres, by body number, as the library sizes them for rises and sets.
constexpr double kDiameter[] = {1392000000.0, 3475000.0,   4879400.0,  12103600.0,
                                6779000.0,    139822000.0, 116464000.0};
constexpr double kAuMetres = 1.49597870700e+11;
constexpr double kLapseRate = 0.0065;  // K per metre, the library's standard atmosphere
constexpr double kDeg = 180.0 / 3.14159265358979323846;

// The pressure the library assumes when none is given: the standard atmosphere at the height.
double PressureAt(const Observer& obs) {
    if (obs.Pressure != 0) return obs.Pressure;
    return 1013.25 * std::pow(1 - kLapseRate * obs.Altitude / 288, 5.255);
}
}  // namespace

namespace {

// The true topocentric altitude of the centre of a body's disc (degrees) and its distance (AU).
// The site goes to the library through SetTopo, which remembers the site last given.
std::pair<double, double> TopocentricAltitude(double jdUt, int body, const Observer& obs) {
    double geopos[3] = {obs.Longitude, obs.Latitude, obs.Altitude};
    SetTopo(obs);
    double xx[6] = {};
    char err[AS_MAXCH] = {};
    const int flags = EphemerisFlagFor(jdUt) | SEFLG_EQUATORIAL | SEFLG_TOPOCTR;
    if (swe_calc_ut(jdUt, body, flags, xx, err) < 0) RaiseFor(err);
    double xh[3] = {};
    swe_azalt(jdUt, SE_EQU2HOR, geopos, 0, 0, xx, xh);
    return {xh[1], xx[2]};
}

}  // namespace

double UpperLimbAltitude(double jdUt, int body, const Observer& obs) {
    const auto [altitude, distance] = TopocentricAltitude(jdUt, body, obs);
    return altitude + Semidiameter(body, distance);
}

double Semidiameter(int body, double distanceAu) {
    const double d = body >= 0 && body < int(std::size(kDiameter)) ? kDiameter[body] : 0;
    return distanceAu > 0 ? std::asin(d / 2 / kAuMetres / distanceAu) * kDeg : 0;
}

Equatorial ApparentEquatorial(double jdUt, int body) {
    double xx[6] = {};
    char err[AS_MAXCH] = {};
    if (swe_calc_ut(jdUt, body, EphemerisFlagFor(jdUt) | SEFLG_EQUATORIAL, xx, err) < 0)
        RaiseFor(err);
    return {xx[0], xx[1], xx[2]};
}

double SiderealDegrees(double jdUt) {
    return swe_sidtime(jdUt) * 15;
}

double CentreAltitude(double jdUt, int body, const Observer& obs) {
    return TopocentricAltitude(jdUt, body, obs).first;
}

double HorizonTrueAltitude(const Observer& obs) {
    double dret[4] = {};
    return swe_refrac_extended(0, obs.Altitude, PressureAt(obs), obs.Temperature, kLapseRate,
                               SE_APP_TO_TRUE, dret);
}

void Close() {
    swe_close();
    LastTopo().set = false;
}

}  // namespace eph
}  // namespace hx
