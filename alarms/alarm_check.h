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
    QList<int> fired;      // what fired, in order: slots 0-27, then 28 + body for an hour
};

// The minute an instant falls in, counted on UT (every zone's offset is whole minutes, so it
// is the same minute on the site's clock): two instants are due together when these agree.
qint64 MinuteOf(Moment utc);

// Fires the events whose alarm is on and due in the present minute (the event's instant plus
// the slot's lead time, a duration), from index from on: logs each («Sun Rise 06:45 AM» at the
// present's time; with a lead time «Sun Rise in 15 min (06:45 AM)» or «Moon Set 10 min ago (…)» at
// the event's; times on the site's clock), sets its Time to 0 so it never fires again, and stops
// after the first one whose sound file exists. The caller opens that sound, plays it when it opens
// (a later sound replaces an earlier one) and resumes at next on the same list whether it opened
// or not, so a sound that fails costs no alarm; the failures are said once the check has ended.
AlarmCheckStep CheckAlarmsFrom(EventList& events, size_t from, const AlarmTables& tables,
                               Moment presentUtc, const Observer& site,
                               const QLocale& locale = QLocale::system());

// «Hour of Jupiter».
QString HourAlarmName(int body);

// The planetary-hour alarms of the present minute, over the hours of the list as computed:
// an hour starting in this minute and after lastFired (an instant) moves lastFired to its start
// and, when its ruler's alarm is on, fires: «Hour of Jupiter 02:28 PM», with its sound when the
// file exists (the caller opens and plays it).
AlarmCheckStep CheckHourAlarms(const EventList& computed, const AlarmTables& tables,
                               Moment presentUtc, Moment& lastFired, const Observer& site,
                               const QLocale& locale = QLocale::system());

}  // namespace hx::alarms
