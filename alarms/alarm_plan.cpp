// The alarm plan from the event lists of the days ahead.
#include "alarm_plan.h"

#include <algorithm>
#include <cmath>

#include "alarm_check.h"
#include "core/names.h"
#include "core/planetary_hours.h"
#include "core/sky_events.h"
#include "core/zone.h"

namespace hx::alarms {

std::vector<PlannedFiring> AlarmPlan(Moment from, int days, const Observer& site,
                                     const AlarmTables& tables) {
    std::vector<PlannedFiring> plan;
    // One search for the whole run: the days' lists overlap (each holds the Sun's events of
    // four days), and each event is searched once.
    SkyEventSearch search(site);
    for (int d = 0; d < days; ++d) {
        const double dayStart = std::floor(from) + d;
        const auto inDay = [&](Moment utc) {
            return std::floor(ReadingOfUtc(site, utc)) == dayStart;
        };
        const EventList events = search.DayList(dayStart);
        for (const SkyEvent& e : events) {
            if (e.Time == 0) continue;
            for (int item = 0; item < kEventCount; ++item) {
                const int slot = SlotOf(e.Body, item);
                if (e.Kind != AlarmEventFlags[item] || !tables.IsOn(slot)) continue;
                const Moment at = e.Time + tables.offsets[slot] / 1440.0;
                if (!inDay(at)) continue;
                plan.push_back({at,
                                QString::fromLatin1(BodyNames[e.Body]) + ' ' +
                                    QString::fromLatin1(AlarmEventNames[item]),
                                tables.offsets[slot], tables.sounds[slot]});
            }
        }
        for (const HourStart& h : PlanetaryHourStarts(events, site)) {
            if (h.body < 0 || !tables.IsHourOn(h.body)) continue;
            const int offset = tables.skyTable.hourOffsets[h.body];
            const Moment at = h.at + offset / 1440.0;
            if (inDay(at))
                plan.push_back({at, HourAlarmName(h.body), offset, tables.hourSounds[h.body]});
        }
    }
    // The sky alarms of the whole run, searched once.
    const Moment first = UtcOfReading(site, std::floor(from));
    const Moment last = UtcOfReading(site, std::floor(from) + days);
    for (const SkyFiring& f : SkyFiringsBetween(first, last, site, tables.skyTable)) {
        const SkyAlarmSetting& s = tables.skyTable.sky[size_t(f.alarm)];
        plan.push_back({f.at, f.what, s.offset, s.sound});
    }
    std::stable_sort(plan.begin(), plan.end(),
                     [](const PlannedFiring& a, const PlannedFiring& b) { return a.at < b.at; });
    return plan;
}

}  // namespace hx::alarms
