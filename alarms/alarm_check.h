// The alarm check the clock runs after each Now command.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

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

// The log line of a fired alarm: «Sun Rise 06:45 AM» at the present's time; with a lead time
// «Sun Rise in 15 min (06:45 AM)» or «Moon Set 10 min ago (…)» at the event's; on the site's clock.
QString FiredLine(const QString& name, int offset, Moment eventUtc, Moment presentUtc,
                  const Observer& site, const QLocale& locale = QLocale::system());

// «Hour of Jupiter».
QString HourAlarmName(int body);

// The planetary-hour alarms of the present minute, over the hours of the list as computed:
// an hour due in this minute (its start plus its ruler's lead time) and after lastFired (an
// instant) moves lastFired to that time and, when its ruler's alarm is on, fires: «Hour of
// Jupiter 02:28 PM» (with a lead time as FiredLine says), with its sound when the file exists
// and alarms are not muted (the caller opens and plays it). Muted, no step has a sound.
AlarmCheckStep CheckHourAlarms(const EventList& computed, const AlarmTables& tables,
                               Moment presentUtc, Moment& lastFired, const Observer& site,
                               const QLocale& locale = QLocale::system());

// The sky alarms' check, run on each tick after the others. It keeps the firings of the
// site's present day, searched once for the day (again on a new day, a new site or a changed
// alarm), and fires those due in the present minute once each: «Full Moon in 15 min (10:02
// PM)», the sound of the last one with a file unless muted. fired holds kSkyAlarmKeyBase + alarm.
class SkyAlarmCheck {
  public:
    AlarmCheckStep Check(const AlarmTables& tables, Moment presentUtc, const Observer& site,
                         const QLocale& locale = QLocale::system());
    void Reset();  // forgets the day, as at Exit or a new clock

  private:
    bool computed_ = false;
    Moment from_ = 0, to_ = 0;  // the day's range (UTC readings)
    Observer site_;
    std::array<SkyAlarmSetting, kSkyAlarmCount> settings_;
    std::vector<SkyFiring> firings_;
    std::vector<char> fired_;
};

}  // namespace hx::alarms
