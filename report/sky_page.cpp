// The Sky page's lines and the countdown.
#include "sky_page.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/format.h"
#include "core/names.h"
#include "core/planetary_hours.h"
#include "core/zone.h"

namespace hx {

namespace {

Moment UtcOf(double jd) {
    return jd - kEpochJulianDay;
}

QString Time(double jd, const Observer& site, const QLocale& locale, HourClock clock) {
    return FormatDateTime(QStringLiteral("t"), ReadingOfUtc(site, UtcOf(jd)), locale, clock);
}

QString DateTime(double jd, const Observer& site, const QLocale& locale, HourClock clock) {
    return FormatDateTime(QStringLiteral("ddd ddddd t"), ReadingOfUtc(site, UtcOf(jd)), locale,
                          clock);
}

// «Civil dawn 7:21 AM», or why there is none.
QString CrossingLine(const QString& name, const std::optional<double>& jd,
                     const LevelCrossings& level, const QString& above, const QString& below,
                     const Observer& site, const QLocale& locale, HourClock clock) {
    if (jd) return name + ' ' + Time(*jd, site, locale, clock);
    if (level.above) return name + QStringLiteral(": none (") + above + ')';
    if (level.below) return name + QStringLiteral(": none (") + below + ')';
    return name + QStringLiteral(": none this day");
}

}  // namespace

SkyView ComputeSky(Moment utc, const Observer& site) {
    const double jd = utc + kEpochJulianDay;
    const auto [from, to] = SiteDayRange(utc, site);
    SkyView v;
    v.sun = ComputeSunDay(from, to, site);
    v.moon = MoonAt(jd);
    v.phases = NextPhases(jd);
    v.sunIngresses = NextSunIngresses(jd);
    v.moonIngress = NextIngress(jd, 1);
    v.voidMoon = VoidOfCourseAt(jd);
    return v;
}

QString SpanText(double days) {
    const long minutes = std::lround(std::ceil(days * 1440 - 1e-6));
    if (minutes < 60) return QStringLiteral("%1 min").arg(std::max(minutes, 0L));
    if (minutes % 60 == 0) return QStringLiteral("%1 h").arg(minutes / 60);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QStringList SkyPageLines(const SkyView& v, const Observer& site, const QLocale& locale,
                         HourClock clock) {
    QStringList lines;
    const SunDay& s = v.sun;
    // The day's crossings in time order; those that do not happen follow, in the usual order.
    std::vector<std::pair<std::optional<double>, QString>> day;
    const auto twilight = [&](int i, bool dawn) {
        const QString depth = QString::number(TwilightDepths[i]) + QStringLiteral("\u00b0");
        const QString name = QLatin1String(TwilightNames[i]) +
                             (dawn ? QStringLiteral(" dawn") : QStringLiteral(" dusk"));
        const LevelCrossings& c = s.twilight[i];
        const std::optional<double>& jd = dawn ? c.rising : c.falling;
        day.push_back({jd, CrossingLine(name, jd, c, QStringLiteral("the Sun stays above ") + depth,
                                        QStringLiteral("the Sun stays below ") + depth, site,
                                        locale, clock)});
    };
    lines << FormatDateTime(QStringLiteral("dddddd"), ReadingOfUtc(site, UtcOf(s.from)), locale);
    for (int i = kTwilightCount - 1; i >= 0; --i) twilight(i, true);
    const QString up = QStringLiteral("the Sun stays up"),
                  down = QStringLiteral("the Sun stays down");
    day.push_back({s.horizon.rising, CrossingLine(QStringLiteral("Sunrise"), s.horizon.rising,
                                                  s.horizon, up, down, site, locale, clock)});
    day.push_back({s.noon, s.noon
                               ? QStringLiteral("Solar noon ") + Time(*s.noon, site, locale, clock)
                               : QStringLiteral("Solar noon: none this day")});
    day.push_back({s.horizon.falling, CrossingLine(QStringLiteral("Sunset"), s.horizon.falling,
                                                   s.horizon, up, down, site, locale, clock)});
    for (int i = 0; i < kTwilightCount; ++i) twilight(i, false);
    std::stable_sort(day.begin(), day.end(), [](const auto& a, const auto& b) {
        if (!a.first || !b.first) return a.first && !b.first;
        return *a.first < *b.first;
    });
    for (const auto& [jd, line] : day) lines << line;
    lines << QStringLiteral("Day length ") + SpanText(s.dayLength);

    lines << QString()
          << QStringLiteral("Moon: %1, %2% illuminated")
                 .arg(QLatin1String(PhaseNames[v.moon.name]))
                 .arg(std::lround(v.moon.fraction * 100));
    lines << QString() << QStringLiteral("Next phases");
    for (const PhaseInstant& p : v.phases)
        lines << QLatin1String(PrincipalPhaseNames[p.phase]) + ' ' +
                     DateTime(p.jd, site, locale, clock);

    lines << QString() << QStringLiteral("Next ingresses");
    const auto ingress = [&](const Ingress& i) {
        QString line = QLatin1String(BodyNames[i.body]) + QStringLiteral(" enters ") +
                       QLatin1String(SignNames[i.sign]) + ' ' + DateTime(i.jd, site, locale, clock);
        if (*SeasonName(i.sign) && i.body == 0)
            line += QStringLiteral(" (") + QLatin1String(SeasonName(i.sign)) + ')';
        return line;
    };
    if (!v.sunIngresses.empty()) {
        lines << ingress(v.sunIngresses.front());
        // The next equinox or solstice, when the next ingress is not one.
        if (!*SeasonName(v.sunIngresses.front().sign))
            for (const Ingress& i : v.sunIngresses)
                if (*SeasonName(i.sign)) {
                    lines << ingress(i);
                    break;
                }
    }
    lines << ingress(v.moonIngress);

    const VoidOfCourse& vc = v.voidMoon;
    const QString aspect =
        QStringLiteral("after its %1 with %2")
            .arg(QLatin1String(AspectNames[std::size_t(
                     std::find(PtolemaicAspects.begin(), PtolemaicAspects.end(), vc.aspect) -
                     PtolemaicAspects.begin())]),
                 QLatin1String(BodyNames[vc.aspectBody]));
    lines << QString()
          << (vc.current ? QStringLiteral("Void-of-course Moon now, since %1, until %2")
                         : QStringLiteral("Void-of-course Moon from %1 until %2"))
                 .arg(DateTime(vc.start, site, locale, clock),
                      DateTime(vc.end, site, locale, clock))
          << QStringLiteral("(in %1 %2, entering %3)")
                 .arg(QLatin1String(SignNames[vc.sign]), aspect,
                      QLatin1String(SignNames[vc.nextSign]));
    return lines;
}

QStringList SkyPageLines(Moment utc, const Observer& site, const QLocale& locale, HourClock clock) {
    return SkyPageLines(ComputeSky(utc, site), site, locale, clock);
}

QString CountdownText(Moment nowUtc, const SkyEventState& state, const QLocale& locale,
                      HourClock clock) {
    QStringList parts;
    const SkyEvent* next = nullptr;
    for (const SkyEvent& e : state.computed)
        if (e.Body == 0 && (e.Kind == kRise || e.Kind == kSet) && e.Time > nowUtc &&
            (!next || e.Time < next->Time))
            next = &e;
    if (next)
        parts << (next->Kind == kRise ? QStringLiteral("Sunrise in ")
                                      : QStringLiteral("Sunset in ")) +
                     SpanText(next->Time - nowUtc);
    const PlanetaryHoursSection hours = PlanetaryHours(nowUtc, state, locale, false);
    if (hours.valid && hours.rulerBody >= 0 && hours.rulerBody < kBodyCount)
        parts << QStringLiteral("Hour of ") + QLatin1String(BodyNames[hours.rulerBody]) +
                     QStringLiteral(" until ") +
                     FormatDateTime(QStringLiteral("t"), ReadingOfUtc(state.site, hours.currentEnd),
                                    locale, clock);
    return parts.join(QStringLiteral(" \u00b7 "));
}

}  // namespace hx
