// The alarm check the clock runs after each Now command.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "alarm_tables.h"
#include "core/datetime.h"
#include "core/sky_events.h"
#include "sound_player.h"

namespace hx::alarms {

// "yyyymmdddhhnn": year, month, abbreviated weekday, 24-hour hour, minute. Within the event
// list's span of less than a week, equal keys mean the same local minute.
QString MinuteKey(Moment m, const QLocale& locale = QLocale::system());

struct AlarmCheckResult {
    QStringList logLines;  // «Sun Rise 06:45 AM», one per fired alarm, in list order
    QString error;         // the player's error when a sound could not be opened; else empty
};

// Fires every event of the present minute whose alarm is on: logs it, sets its Time to 0 so it
// never fires again, and plays its sound when the file exists (a later sound replaces an
// earlier one). When the player cannot open a sound the check stops there, returning the error
// to show; the remaining events of the minute fire on the next check.
AlarmCheckResult CheckAlarms(EventList& events, const AlarmTables& tables, Moment present,
                             SoundPlayer& player, const QLocale& locale = QLocale::system());

}  // namespace hx::alarms
