// Conversions between the local scale and Julian days, and the ephemeris calls.
#include "ephemeris.h"

#include <QByteArray>
#include <QDir>

#include <cmath>

#include <swephexp.h>

namespace hx {

double MomentToJulianDay(Moment moment, const Observer& obs) {
    const Moment ut = moment - obs.ClockOffsetHours() / 24.0;
    const DateTimeFields f = DecodeDateTime(ut);
    return eph::JulDay(f.year, f.month, f.day, f.hour + f.minute / 60.0);
}

std::optional<Moment> JulianDayToLocal(double jd, const Observer& obs) {
    if (!std::isfinite(jd)) return std::nullopt;
    const Moment local = jd - kEpochJulianDay + obs.ClockOffsetHours() / 24.0;
    if (!IsRepresentable(local)) return std::nullopt;
    return local;
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
}

QString EphePathFor(const QString& programDir) {
    QString dir = QDir::cleanPath(programDir);
    if (!dir.endsWith('/')) dir += '/';
    return dir + ':' + QString::fromLatin1(kSystemEphePath);
}

void SetEphePath(const QString& programDir) {
    QByteArray path = QFile::encodeName(EphePathFor(programDir));
    swe_set_ephe_path(path.data());
}

double JulDay(int year, int month, int day, double hour) {
    return swe_julday(year, month, day, hour, SE_GREG_CAL);
}

void SetTopo(const Observer& obs) {
    swe_set_topo(obs.Longitude, obs.Latitude, obs.Altitude);
}

double EclipticLongitude(double jdUt, int body) {
    double xx[6] = {};
    char err[AS_MAXCH] = {};
    swe_calc_ut(jdUt, body, 0, xx, err);
    return xx[0];
}

double MoonIlluminatedFraction(double jdUt) {
    double attr[20] = {};
    char err[AS_MAXCH] = {};
    swe_pheno_ut(jdUt, SE_MOON, SEFLG_SWIEPH, attr, err);
    return attr[1];
}

std::optional<double> RiseTrans(double jdUt, int body, int flag, const Observer& obs) {
    double geopos[3] = {obs.Longitude, obs.Latitude, obs.Altitude};
    double tret[10] = {};
    char err[AS_MAXCH] = {};
    const int rc = swe_rise_trans(jdUt, body, nullptr, SEFLG_SWIEPH, flag, geopos, obs.Pressure,
                                  obs.Temperature, tret, err);
    if (rc < 0 || tret[0] == 0) return std::nullopt;
    return tret[0];
}

void Close() {
    swe_close();
}

}  // namespace eph
}  // namespace hx
