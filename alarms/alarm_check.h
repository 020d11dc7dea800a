// The alarm check the clock runs after each Now command.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include "alarm_tables.h"
#include "core/datetime.h"
#include "core/sky_events.h"

namespace hx::alarms {

// "yyyymmdddhhnn": year, month, abbreviated weekday, 24-hour hour, minute. Within the event
// list's span of less than a week, equal keys mean the same local minute.
QString MinuteKey(Moment m, const QLocale& locale = QLocale::system());

// One stretch of the alarm check: the events it fired and, when one of them has a sound to
// play, that sound and where the check goes on once it is open.
struct AlarmCheckStep {
    QStringList logLines;  // «Sun Rise 06:45 AM», one per fired alarm, in list order
    QString sound;         // the sound to open and play now; empty when the check has ended
    size_t next = 0;       // the index the check resumes at after the sound is open
};

// Fires the events of the present minute whose alarm is on, from index from on: logs each,
// sets its Time to 0 so it never fires again, and stops after the first one whose sound file
// exists. The caller opens that sound; when it opens, it plays it and resumes at next on the
// same list (a later sound replaces an earlier one); when it cannot, it shows the error and
// the rest of the minute's events fire on the next check.
AlarmCheckStep CheckAlarmsFrom(EventList& events, size_t from, const AlarmTables& tables,
                               Moment present, const QLocale& locale = QLocale::system());

}  // namespace hx::alarms
