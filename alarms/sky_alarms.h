// Alarms beyond the 28 slots: the twilights, the Moon's principal phases, the Sun's ingresses
// and the void-of-course Moon, the planetary hours' lead times and mute, all kept in
// skyalarms.txt so the slot files stay as earlier versions wrote them.
#pragma once

#include <array>
#include <vector>

#include <QLocale>
#include <QString>

#include "core/datetime.h"
#include "core/observer.h"
#include "menu/stored_names.h"
#include "settings/keyed_lines.h"

namespace hx::alarms {

inline constexpr const char* kSkyAlarmsFile = StoredFileName(StateFile::SkyAlarms);

enum class SkyAlarm {
    CivilDawn,
    CivilDusk,
    NauticalDawn,
    NauticalDusk,
    AstronomicalDawn,
    AstronomicalDusk,
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
    SunIngress,
    VoidStart,
    VoidEnd,
    Count
};
inline constexpr int kSkyAlarmCount = int(SkyAlarm::Count);

// The key of its line in skyalarms.txt: «civil-dawn», «full-moon», «sun-ingress», «void-start».
QString SkyAlarmKey(SkyAlarm a);
// «Civil dawn», «Full Moon», «Sun ingress», «Void-of-course Moon begins» / «… ends».
QString SkyAlarmName(SkyAlarm a);

struct SkyAlarmSetting {
    bool on = false;
    int offset = 0;  // lead time in minutes, -720 to 720: negative fires before the event
    QString sound;   // empty for no sound
    bool operator==(const SkyAlarmSetting&) const = default;
};

struct SkyAlarmTable {
    std::array<SkyAlarmSetting, kSkyAlarmCount> sky;
    // Lead times of the seven planetary-hour alarms by body, as the slots' lead times.
    std::array<int, 7> hourOffsets{};
    // Alarms are logged and notified but play no sound.
    bool muted = false;
    // The file as read: lines of other versions and lines that could not be read are
    // written back as they were until their alarm is changed.
    files::KeyedLines lines;
};

// The notification key of a sky alarm (after the slots' 0-27 and the hours' 28-34).
inline constexpr int kSkyAlarmKeyBase = 35;

// Reads skyalarms.txt from the program directory; a missing or unreadable file leaves the
// table as it was, a line that cannot be read gives an alarm that is off. Never raises.
void LoadSkyAlarmTable(SkyAlarmTable& table);
// Writes skyalarms.txt. Raises hx::Error on failure; a file found but not read is kept.
void SaveSkyAlarmTable(const SkyAlarmTable& table);

// One firing of a sky alarm: the event's instant plus the lead time.
struct SkyFiring {
    Moment at = 0;     // when it fires (UTC reading)
    Moment event = 0;  // the event's instant (UTC reading)
    SkyAlarm alarm = SkyAlarm::CivilDawn;
    QString what;  // «Full Moon», «Sun enters Aries», «Civil dawn»
};

// The firings of the alarms that are on whose time falls in [fromUtc, toUtc), in time order:
// the events are searched once over the range widened by the longest lead time, never
// minute by minute. Raises hx::Error beyond the ephemeris's range.
std::vector<SkyFiring> SkyFiringsBetween(Moment fromUtc, Moment toUtc, const Observer& site,
                                         const SkyAlarmTable& table);

}  // namespace hx::alarms
