// The reverse date lookup: a forward scan of the ephemeris in fixed steps.
#include "reverse_lookup.h"

#include <algorithm>
#include <cmath>

#include "core/ephemeris.h"
#include "core/format.h"
#include "core/roman.h"
#include "core/thelemic.h"
#include "core/zone.h"

namespace hx::lookup {

SiteClock SiteClockOf(const Observer& site) {
    SiteClock clock;
    clock.timeZone = site.TimeZone;
    if (!site.Zone.isEmpty() && IsKnownZone(site.Zone)) {
        clock.zone = site.Zone;
        clock.offset = [site](double jdUt) {
            return ClockOffsetAtInstant(site, jdUt - kEpochJulianDay);
        };
    }
    return clock;
}

namespace {

constexpr int kDocosadeItems = 22;

// Bounds and steps of the four scans.
constexpr int kSunScanPositions = 1001;
constexpr double kSunScanStep = 0.5;
constexpr int kSunDegreePositions = 1001;
constexpr int kMoonScanPositions = 15001;
constexpr double kMoonScanStep = 0.05;
constexpr int kMoonDegreePositions = 15001;
constexpr double kDegreeStep = 0.001;

constexpr int kSun = 0;
constexpr int kMoon = 1;

QStringList NumberedItems(bool upperRoman) {
    QStringList items;
    for (int n = 1; n <= kDocosadeItems; ++n) {
        const QString roman = ToRoman(n);
        items << QStringLiteral("%1 - %2").arg(n).arg(upperRoman ? roman : roman.toLower());
    }
    return items;
}

// A sign box's index as a sign number; -1 (no selection) matches no position.
int SignOrNone(int index) {
    return index >= 0 && index < 12 ? index : -1;
}

QString Shown(const QString& pattern, double jd, const SiteClock& clock, const QLocale& locale) {
    // Whole seconds: the spans are refined to a tenth of one.
    const Moment m = std::round(ShownMoment(jd, clock) * 86400.0) / 86400.0;
    if (!IsRepresentable(m)) return QStringLiteral("(date out of range)");
    return FormatDateTime(pattern, m, locale);
}

QString DegreeAndName(int degree, int sign) {
    return QStringLiteral(" %1\u00B0 %2").arg(degree).arg(LunarSignItems()[sign]);
}

}  // namespace

const QStringList& DocosadeItems() {
    static const QStringList items = NumberedItems(true);
    return items;
}

const QStringList& YearItems() {
    static const QStringList items = NumberedItems(false);
    return items;
}

const QStringList& SolarSignItems() {
    static const QStringList items = {"Aries - March 21 - April 20",
                                      "Taurus - April 21 - May 21",
                                      "Gemini - May 22 - June 21",
                                      "Cancer - June 22 - July 22",
                                      "Leo - July 23 -August 21",
                                      "Virgo - August 22 - September 23",
                                      "Libra - September 24 - October 23",
                                      "Scorpio - October 24 - November 22",
                                      "Sagittarius - November 23 - December 22",
                                      "Capricorn - December 23 - January 20",
                                      "Aquarius - January 21 - February 19",
                                      "Pisces - February 20- March 20"};
    return items;
}

const QStringList& LunarSignItems() {
    static const QStringList items = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                      "Leo",         "Virgo",     "Libra",    "Scorpio",
                                      "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    return items;
}

int ItemIndexOf(const QStringList& items, const QString& text) {
    const QString t = text.trimmed();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].compare(t, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

int LeadingNumber(const QString& item) {
    bool ok = false;
    const int n = item.left(2).trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

int DegreeOf(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    return ok ? n : 0;
}

const LongitudeFn& EphemerisLongitude() {
    static const LongitudeFn fn = [](double jd, int body) {
        return eph::EclipticLongitude(jd, body);
    };
    return fn;
}

Moment ShownMoment(double jdUt, double timeZone) {
    return jdUt - kEpochJulianDay + timeZone / 24.0;
}

Moment ShownMoment(double jdUt, const SiteClock& clock) {
    return ShownMoment(jdUt, clock.OffsetAt(jdUt));
}

QString TimeZoneText(double timeZone) {
    return QString::number(timeZone);
}

namespace {

// The section listing every span of the era year in which both bodies hold their places.
void WriteMatches(Result& r, int year, const Place& sun, const Place& moon,
                  const LongitudeFn& longitude, const SiteClock& clock, const QLocale& locale) {
    r.spans = MatchSpans(year, sun, moon, longitude);
    r.matches << QString()
              << QStringLiteral("All matches in An ") +
                     ThelemicYearText(r.eraYear, ThelemicStyle{}).trimmed();
    for (const Span& s : r.spans)
        r.matches << QStringLiteral("From ") + Shown("ddddd tt", s.fromJd, clock, locale) +
                         QStringLiteral(" to ") + Shown("ddddd tt", s.toJd, clock, locale);
    if (r.spans.empty()) r.matches << QStringLiteral("No match in this year");
}

}  // namespace

Result Find(const Query& q, double timeZone, const LongitudeFn& longitude, const QLocale& locale) {
    SiteClock clock;
    clock.timeZone = timeZone;
    return Find(q, clock, longitude, locale);
}

Result Find(const Query& q, const SiteClock& clock, const LongitudeFn& longitude,
            const QLocale& locale) {
    Result r;
    r.lines << QStringLiteral("Using your current Time Zone: ") +
                   (clock.zone.isEmpty() ? TimeZoneText(clock.timeZone) : clock.zone);
    // A known zone carries its daylight time into every time shown.
    if (clock.zone.isEmpty())
        r.lines << QStringLiteral("You will have to manually adjust result for daylight time");

    const int docosade = ItemIndexOf(DocosadeItems(), q.docosade);
    if (docosade < 0) {
        r.error = QStringLiteral("The docosade \"%1\" is not in the list; choose one of its items.")
                      .arg(q.docosade);
        return r;
    }
    const int year = ItemIndexOf(YearItems(), q.year);
    if (year < 0) {
        r.error = QStringLiteral("The year \"%1\" is not in the list; choose one of its items.")
                      .arg(q.year);
        return r;
    }
    r.eraYear = 22 * LeadingNumber(DocosadeItems()[docosade]) + LeadingNumber(YearItems()[year]);
    const int Y = 1904 + r.eraYear;
    const int S = SignOrNone(q.sunSign);
    const int L = SignOrNone(q.moonSign);
    const int dS = DegreeOf(q.sunDegree);
    const int dL = DegreeOf(q.moonDegree);
    int M = S + 3;
    if (M > 12) M -= 12;
    // The era year runs from the Aries ingress of Y to that of Y + 1: Aquarius and Pisces
    // fall in January and February of Y + 1.
    const int startYear = S == 10 || S == 11 ? Y + 1 : Y;

    const double jd0 = eph::JulDay(startYear, M, 1, 0.0);
    r.lines << QStringLiteral("Starting with  ") + Shown("\":\" ddddd t", jd0, clock, locale);

    // The steps are added one at a time, so positions carry the sums' rounding.
    double jd = jd0;
    for (int k = 0; k < kSunScanPositions; ++k) {
        const SignDegree sun = ToSignDegree(longitude(jd, kSun));
        if (sun.sign == S) {
            r.lines << Shown("\"Sun Sign found \" ddddd t", jd, clock, locale) +
                           DegreeAndName(sun.degree, S);
            r.sunFound = jd;
            break;
        }
        jd += kSunScanStep;
    }
    if (!r.sunFound) r.lines << QStringLiteral("No match found for the Sun Sign in this year");

    if (dS > 0) {
        for (int k = 0; k < kSunDegreePositions; ++k) {
            const SignDegree sun = ToSignDegree(longitude(jd, kSun));
            if (sun.sign == S && sun.degree == dS) break;
            jd += kDegreeStep;
        }
    }

    jd = std::trunc(jd);
    for (int k = 0; k < kMoonScanPositions; ++k) {
        jd += kMoonScanStep;
        // Positions before the Sun line may precede the Sun's ingress, in another sign or
        // even the era year before: they are passed over.
        if (r.sunFound && jd < *r.sunFound) continue;
        const SignDegree moon = ToSignDegree(longitude(jd, kMoon));
        if (moon.sign == L) {
            r.lines << Shown("\"Lunar Sign found \"ddddd t", jd, clock, locale) +
                           DegreeAndName(moon.degree, L);
            r.moonFound = jd;
            break;
        }
    }
    if (!r.moonFound) r.lines << QStringLiteral("No match found for the Lunar Sign in this year");

    if (dL > 0) {
        // The first position with the Moon at its degree and the Sun in its sign; one with
        // the Sun out of its sign does not end the scan.
        for (int k = 0; k < kMoonDegreePositions; ++k) {
            const SignDegree moon = ToSignDegree(longitude(jd, kMoon));
            if (moon.sign == L && moon.degree == dL &&
                ToSignDegree(longitude(jd, kSun)).sign == S) {
                r.exactFound = jd;
                break;
            }
            jd += kDegreeStep;
        }
        // The Moon's scan may have started past the degree, which it then reaches only after
        // the scan's span: the first later match of the era year answers.
        if (!r.exactFound && r.moonFound) {
            for (const Span& s : MatchSpans(Y, {S, 0}, {L, dL}, longitude)) {
                if (s.toJd <= *r.moonFound) continue;
                r.exactFound = std::max(s.fromJd, *r.moonFound);
                break;
            }
        }
        if (r.exactFound)
            r.lines << QStringLiteral(" ") + Shown("dddddd t", *r.exactFound, clock, locale);
        else if (r.moonFound)
            r.lines << (dL < 30 ? QStringLiteral("No exact match on Lunar Sign")
                                : QStringLiteral("No match found for the Lunar Sign in this year"));
    }

    WriteMatches(r, Y, {S, dS}, {L, dL}, longitude, clock, locale);
    return r;
}

}  // namespace hx::lookup
