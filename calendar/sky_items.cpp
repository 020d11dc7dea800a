// Sky items over a run of days.
#include "sky_items.h"

#include <algorithm>

#include "core/ingress.h"
#include "core/lunation.h"
#include "core/names.h"
#include "core/twilight.h"
#include "core/zone.h"

namespace hx::cal {

namespace {

Moment UtcOf(double jd) {
    return jd - kEpochJulianDay;
}

QString Token(QString summary) {
    summary = summary.toLower();
    summary.replace(QLatin1Char(' '), QLatin1Char('-'));
    summary.remove(QLatin1Char('('));
    summary.remove(QLatin1Char(')'));
    return summary;
}

void Add(SkyItemList& items, SkyItemKind kind, double jd, const QString& summary,
         double endJd = 0) {
    items.push_back({kind, UtcOf(jd), endJd ? UtcOf(endJd) : 0, summary, Token(summary)});
}

}  // namespace

const char* CategoryOf(SkyItemKind kind) {
    switch (kind) {
        case SkyItemKind::Twilight:
            return "Twilight";
        case SkyItemKind::MoonPhase:
            return "Moon phase";
        case SkyItemKind::Ingress:
            return "Ingress";
        case SkyItemKind::VoidOfCourse:
            return "Void-of-course Moon";
    }
    return "";
}

SkyItemList SkyItemsOfDays(Moment first, int days, const Observer& site) {
    SkyItemList items;
    const Moment day0 = DatePart(first);
    const double from = UtcOfReading(site, day0) + kEpochJulianDay;
    const double to = UtcOfReading(site, day0 + days) + kEpochJulianDay;
    for (int d = 0; d < days; ++d) {
        const auto [a, b] = SiteDayRange(UtcOfReading(site, day0 + d + 0.5), site);
        const SunDay sun = ComputeSunDay(a, b, site);
        for (int i = 0; i < kTwilightCount; ++i) {
            const QString name = QLatin1String(TwilightNames[i]);
            if (sun.twilight[i].rising)
                Add(items, SkyItemKind::Twilight, *sun.twilight[i].rising, name + " dawn");
            if (sun.twilight[i].falling)
                Add(items, SkyItemKind::Twilight, *sun.twilight[i].falling, name + " dusk");
        }
    }
    for (const PhaseInstant& p : PhasesBetween(from, to))
        Add(items, SkyItemKind::MoonPhase, p.jd, QLatin1String(PrincipalPhaseNames[p.phase]));
    for (int body : {0, 1})
        for (const Ingress& i : IngressesBetween(from, to, body)) {
            QString s = QLatin1String(BodyNames[body]) + QStringLiteral(" enters ") +
                        QLatin1String(SignNames[i.sign]);
            if (body == 0 && *SeasonName(i.sign))
                s += QStringLiteral(" (") + QLatin1String(SeasonName(i.sign)) + ')';
            Add(items, SkyItemKind::Ingress, i.jd, s);
            if (body == 1) {
                // The span that this ingress ends, searched from just before it.
                const VoidOfCourse v = VoidOfCourseAt(i.jd - 1.0 / 1440);
                Add(items, SkyItemKind::VoidOfCourse, v.start,
                    QStringLiteral("Void-of-course Moon"), v.end);
            }
        }
    std::stable_sort(items.begin(), items.end(),
                     [](const SkyItem& a, const SkyItem& b) { return a.start < b.start; });
    return items;
}

}  // namespace hx::cal
