// The alarm check: minute keys, slot matching, log lines and playback.
#include "alarm_check.h"

#include <cmath>

#include <QFileInfo>

#include "core/format.h"
#include "core/planetary_hours.h"
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
        const QString eventTime =
            FormatDateTime(QStringLiteral("hh:nn ampm"), ReadingOfUtc(site, e.Time), locale);
        if (offset < 0)
            step.logLines
                << QStringLiteral("%1 in %2 min (%3)").arg(name).arg(-offset).arg(eventTime);
        else if (offset > 0)
            step.logLines
                << QStringLiteral("%1 %2 min ago (%3)").arg(name).arg(offset).arg(eventTime);
        else
            step.logLines << name + FormatDateTime(QStringLiteral(" hh:nn ampm"),
                                                   ReadingOfUtc(site, presentUtc), locale);
        step.fired << slot;
        e.Time = 0;

        const QString& sound = tables.sounds[slot];
        if (sound.isEmpty() || !QFileInfo(sound).isFile()) continue;
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
    for (const HourStart& h : PlanetaryHourStarts(computed, site)) {
        if (h.at <= lastFired || h.body < 0 || MinuteOf(h.at) != now) continue;
        lastFired = h.at;
        if (!tables.IsHourOn(h.body)) continue;
        step.logLines << HourAlarmName(h.body) + FormatDateTime(QStringLiteral(" hh:nn ampm"),
                                                                ReadingOfUtc(site, presentUtc),
                                                                locale);
        step.fired << kSlotCount + h.body;
        const QString& sound = tables.hourSounds[h.body];
        if (!sound.isEmpty() && QFileInfo(sound).isFile()) step.sound = sound;
    }
    return step;
}

}  // namespace hx::alarms
