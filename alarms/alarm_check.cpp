// The alarm check: minute keys, slot matching, log lines and playback.
#include "alarm_check.h"

#include <exception>

#include <QFileInfo>

#include "core/error.h"
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

// Errors while closing or starting playback do not matter to the alarm.
template <typename F>
void Quietly(F&& f) {
    try {
        f();
    } catch (const std::exception&) {
    }
}
}  // namespace

QString MinuteKey(Moment m, const QLocale& locale) {
    return FormatDateTime(QStringLiteral("yyyymmdddhhnn"), m, locale);
}

AlarmCheckResult CheckAlarms(EventList& events, const AlarmTables& tables, Moment present,
                             SoundPlayer& player, const QLocale& locale) {
    AlarmCheckResult result;
    if (!IsRepresentable(present)) return result;
    // The present is read once, so every event of one check is compared with the same minute.
    const DateTimeFields at = DecodeDateTime(present);
    QString now;
    for (SkyEvent& e : events) {
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

        result.logLines << QString::fromLatin1(BodyNames[e.Body]) + ' ' +
                               QString::fromLatin1(AlarmEventNames[slot % kEventCount]) +
                               FormatDateTime(QStringLiteral(" hh:nn ampm"), present, locale);
        e.Time = 0;

        const QString& sound = tables.sounds[slot];
        if (sound.isEmpty() || !QFileInfo(sound).isFile()) continue;
        Quietly([&] { player.Close(); });
        player.SetFileName(sound);
        try {
            player.Open();
        } catch (const Error& err) {
            result.error = err.message();
            return result;
        }
        Quietly([&] { player.Play(); });
    }
    return result;
}

}  // namespace hx::alarms
