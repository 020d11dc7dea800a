// The 28 alarm slots: on/off state and sound file of each body's rise, zenith, set and nadir.
#pragma once

#include <algorithm>
#include <array>
#include <map>

#include <QString>
#include <QStringList>

#include "alarms/sky_alarms.h"
#include "core/names.h"
#include "menu/stored_names.h"

namespace hx::alarms {

inline constexpr int kSlotCount = kBodyCount * kEventCount;  // 28
inline constexpr int kAlarmOn = 0;                           // image index of a switched-on alarm
inline constexpr int kAlarmOff = 1;

inline constexpr const char* kAlarmListFile = StoredFileName(StateFile::AlarmStates);
inline constexpr const char* kAlarmSoundsFile = StoredFileName(StateFile::AlarmSounds);
inline constexpr const char* kAlarmOffsetsFile = StoredFileName(StateFile::AlarmOffsets);
inline constexpr const char* kHourAlarmsFile = StoredFileName(StateFile::HourAlarms);
inline constexpr const char* kHourSoundsFile = StoredFileName(StateFile::HourSounds);

// Lead times in minutes: negative fires before the event, positive after it.
inline constexpr int kMaxOffset = 720;
// The planetary-hour alarms, one per body in body order (Sun ... Saturn).
inline constexpr int kHourSlotCount = kBodyCount;

// Slot number of a body (0 Sun ... 6 Saturn) and an item (0 Rise, 1 Zenith, 2 Set, 3 Nadir).
constexpr int SlotOf(int body, int item) {
    return body * kEventCount + item;
}

struct AlarmTables {
    // The alarm item's image index per slot: 0 is on, any other value is off.
    std::array<int, kSlotCount> states;
    // The sound file path per slot; empty for no sound.
    std::array<QString, kSlotCount> sounds;

    // The lead time per slot in minutes, -720 to 720; 0 fires at the event's minute.
    std::array<int, kSlotCount> offsets{};
    // The planetary-hour alarms by body: image index (0 on) and sound path.
    std::array<int, kHourSlotCount> hourStates;
    std::array<QString, kHourSlotCount> hourSounds;

    // The sky alarms, the hours' lead times and mute (skyalarms.txt).
    SkyAlarmTable skyTable;

    // Set when the table's file exists but was not taken (not 28 lines): the file then holds
    // what the user last saved, and is kept until the user changes this table.
    bool keepStateFile = false;
    bool keepSoundFile = false;
    bool keepOffsetFile = false;
    bool keepHourStateFile = false;
    bool keepHourSoundFile = false;

    AlarmTables() {
        states.fill(kAlarmOff);
        hourStates.fill(kAlarmOff);
    }

    bool IsOn(int slot) const { return states[slot] == kAlarmOn; }
    // 0 becomes 1; anything else becomes 0.
    void Toggle(int slot) {
        states[slot] = states[slot] == kAlarmOn ? kAlarmOff : kAlarmOn;
        keepStateFile = false;
    }
    void SetSound(int slot, const QString& path) {
        sounds[slot] = path;
        keepSoundFile = false;
    }
    void SetOffset(int slot, int minutes) {
        offsets[slot] = std::clamp(minutes, -kMaxOffset, kMaxOffset);
        keepOffsetFile = false;
    }
    bool IsHourOn(int body) const { return hourStates[body] == kAlarmOn; }
    void ToggleHour(int body) {
        hourStates[body] = hourStates[body] == kAlarmOn ? kAlarmOff : kAlarmOn;
        keepHourStateFile = false;
    }
    void SetHourSound(int body, const QString& path) {
        hourSounds[body] = path;
        keepHourSoundFile = false;
    }
};

// The four adorations: the Sun's Rise, Zenith, Set and Nadir slots.
inline constexpr std::array<int, 4> kAdorationSlots = {0, 1, 2, 3};
// Whether all four are on.
bool AdorationsOn(const AlarmTables& tables);
// Turns the four on or off together. Turning on gives each the sound (empty: none) and the
// lead time; turning off keeps their sounds and lead times. The four stay ordinary slots and
// the other slots are untouched.
void SetAdorations(AlarmTables& tables, bool on, const QString& sound = {}, int offset = 0);

// The lead times of the alarms that are on, by what they fire on, for the calendar export's
// VALARMs: «Sun Rise» (a slot), «Hour of Jupiter», and the sky alarms by SkyAlarmKey.
std::map<QString, int> CalendarLeads(const AlarmTables& tables);

// Applies a file's lines to a table when there are exactly 28 of them, not counting empty
// lines after the 28th; returns whether it did. A state line that is not a whole number
// counts as off.
bool ApplyStateLines(AlarmTables& tables, const QStringList& lines);
bool ApplySoundLines(AlarmTables& tables, const QStringList& lines);

QStringList StateLines(const AlarmTables& tables);
QStringList SoundLines(const AlarmTables& tables);

// Reads alarmlist.txt and then alarmsounds.txt from the program directory, then the other
// tables' files and skyalarms.txt. A file that is
// missing, too large or not exactly 28 lines long leaves its table as it was. Never raises.
void LoadAlarmTables(AlarmTables& tables);

// Writes alarmsounds.txt and then alarmlist.txt, replacing both, then the other files. Raises
// hx::Error on failure. A table whose file was kept at loading and that was not changed since is
// not written.
void SaveAlarmTables(const AlarmTables& tables);
void SaveSoundTable(const AlarmTables& tables);  // alarmsounds.txt alone
void SaveStateTable(const AlarmTables& tables);  // alarmlist.txt alone
// alarmoffsets.txt (28 lines), houralarms.txt and hoursounds.txt (7 lines each), with the same
// rules: a missing file or a bad line reads as 0 (off for the hour alarms), a file of the
// wrong length is kept until its table changes.
void SaveOffsetTable(const AlarmTables& tables);
void SaveHourStateTable(const AlarmTables& tables);
void SaveHourSoundTable(const AlarmTables& tables);

}  // namespace hx::alarms
