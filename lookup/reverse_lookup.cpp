// The reverse date lookup: a forward scan of the ephemeris in fixed steps.
#include "reverse_lookup.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

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

// What one position of a scan tells: whether it holds, and otherwise the earliest instant at
// which a later position could.
struct Reach {
    bool holds;
    double earliest;
};

// Whether a longitude read at `jd` is at the place; if not, the earliest instant the body can
// reach the place's first longitude, moving at most as fast as its bounds allow.
Reach Reaching(double longitude, const Place& place, const Motion& motion, double jd) {
    if (AtPlace(longitude, place)) return {true, jd};
    if (place.sign < 0 || place.sign > 11 || place.degree >= 30)
        return {false, std::numeric_limits<double>::infinity()};
    constexpr double kMargin = 1e-6;  // degrees; the sign and degree are read with rounding
    const double low = 30.0 * place.sign + std::max(place.degree, 0);
    const double ahead = std::fmod(std::fmod(low - longitude, 360.0) + 360.0, 360.0);
    // Just past the place's start, rounding may have read the longitude as before it.
    if (ahead > 360.0 - kMargin) return {false, jd};
    return {false, jd + std::max(ahead - kMargin, 0.0) / motion.maxPerDay};
}

// The positions of a scan: `first`, then each the one before plus `step`, added one at a time
// in double precision as the scan moves; count + 1 values, the last where the scan ends.
std::vector<double> Positions(double first, double step, int count) {
    std::vector<double> at(size_t(count) + 1);
    at[0] = first;
    for (int k = 1; k <= count; ++k) at[k] = at[k - 1] + step;
    return at;
}

// The index of the first position in [from, to) at which `test` holds, or -1. Positions before
// the earliest instant a failed test names are passed over without reading the ephemeris; the
// positions just passed over are read again backwards from a hit, so a sky a little faster
// than its bounds still gives the first hit.
template <typename Test>
int FirstHolding(const std::vector<double>& at, int from, int to, const Test& test) {
    int lastMiss = from - 1;
    for (int k = from; k < to;) {
        const Reach reach = test(at[k]);
        if (reach.holds) {
            while (k - 1 > lastMiss && test(at[k - 1]).holds) --k;
            return k;
        }
        lastMiss = k;
        const auto next = std::lower_bound(at.begin() + k + 1, at.begin() + to, reach.earliest);
        k = int(next - at.begin());
    }
    return -1;
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
    // A sign holds the whole degrees 0 to 29: a Moon degree beyond them can never be reached.
    if (DegreeOf(q.moonDegree) > 29) {
        r.error = QStringLiteral("The Moon's degree \"%1\" is not a whole degree 0 to 29.")
                      .arg(q.moonDegree.trimmed());
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
    const std::vector<double> sunAt = Positions(jd0, kSunScanStep, kSunScanPositions);
    const int sunIndex = FirstHolding(sunAt, 0, kSunScanPositions, [&](double jd) {
        return Reaching(longitude(jd, kSun), {S, 0}, kSunMotion, jd);
    });
    double jd = sunAt[sunIndex < 0 ? kSunScanPositions : sunIndex];
    if (sunIndex >= 0) {
        r.lines << Shown("\"Sun Sign found \" ddddd t", jd, clock, locale) +
                       DegreeAndName(ToSignDegree(longitude(jd, kSun)).degree, S);
        r.sunFound = jd;
    } else {
        r.lines << QStringLiteral("No match found for the Sun Sign in this year");
    }

    if (dS > 0) {
        const std::vector<double> at = Positions(jd, kDegreeStep, kSunDegreePositions);
        const int k = FirstHolding(at, 0, kSunDegreePositions, [&](double t) {
            return Reaching(longitude(t, kSun), {S, dS}, kSunMotion, t);
        });
        jd = at[k < 0 ? kSunDegreePositions : k];
    }

    // The Moon's positions follow the truncated day, each step added before its position is
    // read; positions before the Sun line may precede the Sun's ingress, in another sign or
    // even the era year before: they are passed over.
    const std::vector<double> moonAt = Positions(std::trunc(jd), kMoonScanStep, kMoonScanPositions);
    int first = 1;
    while (r.sunFound && first <= kMoonScanPositions && moonAt[first] < *r.sunFound) ++first;
    const int moonIndex = FirstHolding(moonAt, first, kMoonScanPositions + 1, [&](double t) {
        return Reaching(longitude(t, kMoon), {L, 0}, kMoonMotion, t);
    });
    jd = moonAt[moonIndex < 0 ? kMoonScanPositions : moonIndex];
    if (moonIndex >= 0) {
        r.lines << Shown("\"Lunar Sign found \"ddddd t", jd, clock, locale) +
                       DegreeAndName(ToSignDegree(longitude(jd, kMoon)).degree, L);
        r.moonFound = jd;
    } else {
        r.lines << QStringLiteral("No match found for the Lunar Sign in this year");
    }

    if (dL > 0) {
        // The first position with the Moon at its degree and the Sun in its sign; one with
        // the Sun out of its sign does not end the scan.
        const std::vector<double> at = Positions(jd, kDegreeStep, kMoonDegreePositions);
        const int k = FirstHolding(at, 0, kMoonDegreePositions, [&](double t) {
            Reach moon = Reaching(longitude(t, kMoon), {L, dL}, kMoonMotion, t);
            if (!moon.holds) return moon;
            const Reach sun = Reaching(longitude(t, kSun), {S, 0}, kSunMotion, t);
            return sun.holds ? sun : Reach{false, std::max(t, sun.earliest)};
        });
        if (k >= 0) r.exactFound = at[k];
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
    // The scans' dates are where each sign was first reached; where no span below holds them
    // they must not read as an answer.
    const auto inSpan = [&](double jd) {
        return std::any_of(r.spans.begin(), r.spans.end(),
                           [&](const Span& s) { return s.fromJd <= jd && jd <= s.toJd; });
    };
    if (r.spans.empty() && (r.sunFound || r.moonFound))
        r.lines << QStringLiteral(
            "These dates are where each sign was first reached: none of them is a match.");
    else if (r.exactFound && !inSpan(*r.exactFound))
        r.lines << QStringLiteral(
            "These dates are where each sign was first reached; the matches are listed below.");
    return r;
}

}  // namespace hx::lookup
