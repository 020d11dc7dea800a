// The alarm check: minute keys, slot matching, log lines and playback.
#include "alarm_check.h"

#include <algorithm>
#include <cmath>

#include <QFileInfo>

#include "core/error.h"
#include "core/format.h"
#include "core/planetary_hours.h"
#include "core/twilight.h"
#include "core/zone.h"

namespace hx::alarms {

namespace {
// The slot an event fires, or -1: the body is the category, the kind picks the item.
int SlotOfEvent(const SkyEvent& e) {
    for (int body = 0; body < kBodyCount; ++body)
        for (int item = 0; item < kEventCount; ++item)
            if (e.Body == body && e.Kind == AlarmEventFlags[item]) return SlotOf(body, item);
    return -1;
}

}  // namespace

QString FiredLine(const QString& name, int offset, Moment eventUtc, Moment presentUtc,
                  const Observer& site, const QLocale& locale) {
    const QString eventTime =
        FormatDateTime(QStringLiteral("hh:nn ampm"), ReadingOfUtc(site, eventUtc), locale);
    if (offset < 0)
        return QStringLiteral("%1 in %2 min (%3)").arg(name).arg(-offset).arg(eventTime);
    if (offset > 0)
        return QStringLiteral("%1 %2 min ago (%3)").arg(name).arg(offset).arg(eventTime);
    return name +
           FormatDateTime(QStringLiteral(" hh:nn ampm"), ReadingOfUtc(site, presentUtc), locale);
}

QString MinuteKey(Moment m, const QLocale& locale) {
    return FormatDateTime(QStringLiteral("yyyymmdddhhnn"), m, locale);
}

qint64 MinuteOf(Moment utc) {
    // Whole milliseconds first, so an instant read back from its text keeps its minute.
    const qint64 ms = std::llround(utc * 86400000.0);
    return ms >= 0 ? ms / 60000 : -((-ms + 59999) / 60000);
}

AlarmCheckStep CheckAlarmsFrom(EventList& events, size_t from, const AlarmTables& tables,
                               Moment presentUtc, const Observer& site, const QLocale& locale) {
    AlarmCheckStep step;
    if (!IsRepresentable(presentUtc)) return step;
    // The present is read once, so every event of one check is compared with the same minute.
    const qint64 now = MinuteOf(presentUtc);
    for (size_t i = from; i < events.size(); ++i) {
        SkyEvent& e = events[i];
        if (e.Time == 0 || !IsRepresentable(e.Time)) continue;
        const int slot = SlotOfEvent(e);
        if (slot < 0) continue;
        // The alarm is due in the minute of the event's instant moved by its lead time, real
        // minutes whatever the clock does between them.
        const int offset = tables.offsets[slot];
        const Moment due = e.Time + offset / 1440.0;
        if (!IsRepresentable(due) || MinuteOf(due) != now || !tables.IsOn(slot)) continue;

        const QString name = QString::fromLatin1(BodyNames[e.Body]) + ' ' +
                             QString::fromLatin1(AlarmEventNames[slot % kEventCount]);
        step.logLines << FiredLine(name, offset, e.Time, presentUtc, site, locale);
        step.fired << slot;
        e.Time = 0;

        const QString& sound = tables.sounds[slot];
        if (tables.skyTable.muted || sound.isEmpty() || !QFileInfo(sound).isFile()) continue;
        step.sound = sound;
        step.next = i + 1;
        return step;
    }
    step.next = events.size();
    return step;
}

QString HourAlarmName(int body) {
    return QStringLiteral("Hour of ") + QString::fromLatin1(BodyNames[body]);
}

AlarmCheckStep CheckHourAlarms(const EventList& computed, const AlarmTables& tables,
                               Moment presentUtc, Moment& lastFired, const Observer& site,
                               const QLocale& locale) {
    AlarmCheckStep step;
    if (!IsRepresentable(presentUtc)) return step;
    const qint64 now = MinuteOf(presentUtc);
    // Each hour is due at its start moved by its ruler's lead time; what was due by the last
    // check has had its turn, and several due in one minute all fire.
    const Moment before = lastFired;
    for (const HourStart& h : PlanetaryHourStarts(computed, site)) {
        if (h.body < 0) continue;
        const int offset = tables.skyTable.hourOffsets[h.body];
        const Moment due = h.at + offset / 1440.0;
        if (due <= before || MinuteOf(due) != now) continue;
        lastFired = std::max(lastFired, due);
        if (!tables.IsHourOn(h.body)) continue;
        step.logLines << FiredLine(HourAlarmName(h.body), offset, h.at, presentUtc, site, locale);
        step.fired << kSlotCount + h.body;
        const QString& sound = tables.hourSounds[h.body];
        if (!tables.skyTable.muted && !sound.isEmpty() && QFileInfo(sound).isFile())
            step.sound = sound;
    }
    return step;
}

void SkyAlarmCheck::Reset() {
    computed_ = false;
    from_ = to_ = 0;
    firings_.clear();
    fired_.clear();
}

AlarmCheckStep SkyAlarmCheck::Check(const AlarmTables& tables, Moment presentUtc,
                                    const Observer& site, const QLocale& locale) {
    AlarmCheckStep step;
    if (!IsRepresentable(presentUtc) || !site.HasSite()) return step;
    const SkyAlarmTable& t = tables.skyTable;
    bool same = computed_ && SameSkySite(site_, site) && presentUtc >= from_ && presentUtc < to_;
    for (int i = 0; same && i < kSkyAlarmCount; ++i)
        same = t.sky[i].on == settings_[i].on && t.sky[i].offset == settings_[i].offset;
    if (!same) {
        // The site's day holding the present, searched once; what fired in it stays fired.
        const auto [a, b] = SiteDayRange(presentUtc, site);
        const bool newDay = !computed_ || a - kEpochJulianDay != from_ || !SameSkySite(site_, site);
        std::vector<SkyFiring> firings;
        try {
            firings = SkyFiringsBetween(a - kEpochJulianDay, b - kEpochJulianDay, site, t);
        } catch (const Error&) {
            // Beyond the ephemeris there are no sky events to fire on.
        }
        std::vector<char> fired(firings.size(), 0);
        if (!newDay)
            for (size_t i = 0; i < firings.size(); ++i)
                for (size_t j = 0; j < firings_.size(); ++j)
                    if (fired_[j] && firings_[j].alarm == firings[i].alarm &&
                        firings_[j].event == firings[i].event)
                        fired[i] = 1;
        firings_ = std::move(firings);
        fired_ = std::move(fired);
        from_ = a - kEpochJulianDay;
        to_ = b - kEpochJulianDay;
        site_ = site;
        for (int i = 0; i < kSkyAlarmCount; ++i) settings_[i] = t.sky[i];
        computed_ = true;
    }
    const qint64 now = MinuteOf(presentUtc);
    for (size_t i = 0; i < firings_.size(); ++i) {
        const SkyFiring& f = firings_[i];
        if (fired_[i] || MinuteOf(f.at) > now) continue;
        // Only this minute's: one missed while the clock was off stays missed.
        fired_[i] = 1;
        if (MinuteOf(f.at) != now) continue;
        const SkyAlarmSetting& s = t.sky[size_t(f.alarm)];
        step.logLines << FiredLine(f.what, s.offset, f.event, presentUtc, site, locale);
        step.fired << kSkyAlarmKeyBase + int(f.alarm);
        if (!t.muted && !s.sound.isEmpty() && QFileInfo(s.sound).isFile()) step.sound = s.sound;
    }
    return step;
}

}  // namespace hx::alarms
