// The alarm check: minute keys, slot matching, log lines and playback.
#include "alarm_check.h"

#include <QFileInfo>

#include "core/format.h"

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

AlarmCheckStep CheckAlarmsFrom(EventList& events, size_t from, const AlarmTables& tables,
                               Moment present, const QLocale& locale) {
    AlarmCheckStep step;
    if (!IsRepresentable(present)) return step;
    // The present is read once, so every event of one check is compared with the same minute.
    const DateTimeFields at = DecodeDateTime(present);
    QString now;
    for (size_t i = from; i < events.size(); ++i) {
        SkyEvent& e = events[i];
        if (e.Time == 0 || !IsRepresentable(e.Time)) continue;
        // Keys whose numbers (year, month, hour, minute: fixed widths around the weekday)
        // differ cannot be equal, so only events of the present's numbers are formatted.
        const DateTimeFields f = DecodeDateTime(e.Time);
        if (f.minute != at.minute || f.hour != at.hour || f.month != at.month || f.year != at.year)
            continue;
        if (now.isEmpty()) now = MinuteKey(present, locale);
        if (MinuteKey(e.Time, locale) != now) continue;
        const int slot = SlotOfEvent(e);
        if (slot < 0 || !tables.IsOn(slot)) continue;

        step.logLines << QString::fromLatin1(BodyNames[e.Body]) + ' ' +
                             QString::fromLatin1(AlarmEventNames[slot % kEventCount]) +
                             FormatDateTime(QStringLiteral(" hh:nn ampm"), present, locale);
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

}  // namespace hx::alarms
