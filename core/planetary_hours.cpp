// Planetary hours between the last sunrise or sunset and the next, with the tray choice.
#include "planetary_hours.h"

#include <array>

#include "format.h"
#include "names.h"
#include "zone.h"

namespace hx {

namespace {

// The Chaldean cycle with each ruler's body number.
struct Ruler {
    const char* name;
    int body;
};
constexpr std::array<Ruler, 7> kCycle = {{{"Sun    ", 0},
                                          {"Venus  ", 3},
                                          {"Mercury", 2},
                                          {"Moon   ", 1},
                                          {"Saturn ", 6},
                                          {"Jupiter", 5},
                                          {"Mars   ", 4}}};

// Cycle position (0-based) of the first hour of the day, by DayOfWeek 1 = Sunday ... 7.
constexpr std::array<int, 7> kFirstOfDay = {0, 3, 6, 2, 5, 1, 4};

// The same clock: the same offsets for every instant.
bool SameClock(const Observer& a, const Observer& b) {
    return a.Zone == b.Zone && a.TimeZone == b.TimeZone && a.DaylightTime == b.DaylightTime;
}

}  // namespace

int FirstRulerPosition(int dayOfWeek, bool isDay) {
    const int day = kFirstOfDay[((dayOfWeek - 1) % 7 + 7) % 7];
    // The night's first ruler follows the day's twelfth: five places further on.
    return isDay ? day : (day + 5) % 7;
}

QString RulerName(int position) {
    return QString::fromLatin1(kCycle[((position % 7) + 7) % 7].name);
}

int RulerBody(const QString& name) {
    for (const Ruler& r : kCycle)
        if (name == QLatin1String(r.name)) return r.body;
    return -1;
}

HourBounds FindHourBounds(Moment q, const EventList& events) {
    HourBounds b;
    for (const SkyEvent& e : events) {
        if (e.Body != 0 || (e.Kind != kRise && e.Kind != kSet)) continue;
        if (e.Time == 0) continue;  // not formed: never a bound
        if (e.Time < q) {
            b.start = e.Time;
            b.mark = e.Kind;
        }
        if (b.end == 0 && e.Time > q) {
            b.end = e.Time;
            b.endKind = e.Kind;
        }
    }
    return b;
}

int FirstRulerAt(Moment startUtc, const Observer& site, bool isDay) {
    return FirstRulerPosition(DayOfWeek(ReadingOfUtc(site, startUtc)), isDay);
}

std::vector<HourStart> PlanetaryHourStarts(const EventList& events, const Observer& site) {
    std::vector<HourStart> starts;
    const SkyEvent* last = nullptr;
    for (const SkyEvent& e : events) {
        if (e.Body != 0 || (e.Kind != kRise && e.Kind != kSet) || e.Time == 0) continue;
        if (last && last->Kind != e.Kind && e.Time - last->Time <= 1.0) {
            const bool isDay = last->Kind == kRise;
            const double hourLength = (e.Time - last->Time) / 12;
            const int first = FirstRulerAt(last->Time, site, isDay);
            for (int k = 0; k < 12; ++k)
                starts.push_back({last->Time + k * hourLength, RulerBody(RulerName(first + k))});
        }
        last = &e;
    }
    return starts;
}

PlanetaryHoursSection PlanetaryHours(Moment q, const EventList& events, const Observer& site,
                                     const QLocale& locale, bool listed, HourClock clock) {
    PlanetaryHoursSection s;
    s.lines << QString();
    const HourBounds b = FindHourBounds(q, events);
    // A sunrise must be followed by a sunset and a sunset by a sunrise: two of a kind mean
    // the one between had no time. A day or night longer than a whole day is polar.
    const bool alternate = (b.mark == kRise) == (b.endKind == kSet);
    if (b.start == 0 || b.end == 0 || !alternate || b.end - b.start > 1.0) {
        s.lines << QString::fromLatin1(kNoPlanetaryHoursText);
        return s;
    }
    s.valid = true;
    s.isDay = b.mark == kRise;

    const double hourLength = (b.end - b.start) / 12;
    std::array<Moment, 12> hs{};
    for (int k = 0; k < 12; ++k) hs[k] = b.start + k * hourLength;
    const int first = FirstRulerAt(b.start, site, s.isDay);

    int currentHour = 12;
    s.currentEnd = b.end;
    for (int p = 11; p >= 1; --p)
        if (q < hs[p]) {
            currentHour = p;
            s.currentEnd = hs[p];
        }
    const QString current = RulerName(first + currentHour - 1);
    s.currentRuler = current;
    s.rulerBody = RulerBody(current);
    if (!listed) return s;

    s.lines << (s.isDay ? QStringLiteral("Current Planetary Hour of the Day is ")
                        : QStringLiteral("Current Planetary Hour of the Night is ")) +
                   current;
    s.lines << QString();
    s.lines << (s.isDay ? QStringLiteral("Planetary Hours of the Day")
                        : QStringLiteral("Planetary Hours of the Night"));
    // The twelve lines change only with the day or night: those of the last are kept.
    struct Kept {
        Moment start = 0, end = 0;
        int first = 0;
        Observer site;
        QLocale locale{QLocale::C};
        HourClock clock = HourClock::Locale;
        QStringList lines;
    };
    static Kept kept;
    if (kept.lines.isEmpty() || kept.start != b.start || kept.end != b.end || kept.first != first ||
        !SameClock(kept.site, site) || !(kept.locale == locale) || kept.clock != clock) {
        kept = {b.start, b.end, first, site, locale, clock, {}};
        for (int h = 1; h <= 12; ++h)
            kept.lines << RulerName(first + h - 1) + FormatDateTime(QStringLiteral(" hh:nn ampm"),
                                                                    ReadingOfUtc(site, hs[h - 1]),
                                                                    locale, clock);
    }
    s.lines << kept.lines;
    return s;
}

PlanetaryHoursSection PlanetaryHours(Moment q, const SkyEventState& state, const QLocale& locale,
                                     bool listed, HourClock clock) {
    return PlanetaryHours(q, state.computed.empty() ? state.events : state.computed, state.site,
                          locale, listed, clock);
}

TrayChoice ChooseTray(const PlanetaryHoursSection& section, bool planetaryHours2, bool moonPhase2,
                      int moonPhaseIndex) {
    return ChooseTray(section, planetaryHours2, moonPhase2, moonPhaseIndex, false);
}

TrayChoice ChooseTray(const PlanetaryHoursSection& section, bool planetaryHours2, bool moonPhase2,
                      int moonPhaseIndex, bool southern) {
    TrayChoice t;
    // No hours (a polar day or night): no planet to show, but the Moon still has its phase.
    if (planetaryHours2 && section.valid) {
        t.list = TrayChoice::List::Planets;
        t.index = section.rulerBody;
        t.trayTextSuffix = QStringLiteral("Planetary hour of ") + section.currentRuler;
    }
    if (moonPhase2) {
        t.list = TrayChoice::List::Moon;
        t.index = moonPhaseIndex - 1;
        t.mirrored = southern;
    }
    return t;
}

}  // namespace hx
