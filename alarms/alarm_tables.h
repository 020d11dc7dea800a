// The 28 alarm slots: on/off state and sound file of each body's rise, zenith, set and nadir.
#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "core/names.h"

namespace hx::alarms {

inline constexpr int kSlotCount = kBodyCount * kEventCount;  // 28
inline constexpr int kAlarmOn = 0;                           // image index of a switched-on alarm
inline constexpr int kAlarmOff = 1;

inline constexpr const char* kAlarmListFile = "alarmlist.txt";
inline constexpr const char* kAlarmSoundsFile = "alarmsounds.txt";

// Slot number of a body (0 Sun ... 6 Saturn) and an item (0 Rise, 1 Zenith, 2 Set, 3 Nadir).
constexpr int SlotOf(int body, int item) {
    return body * kEventCount + item;
}

struct AlarmTables {
    // The alarm item's image index per slot: 0 is on, any other value is off.
    std::array<int, kSlotCount> states;
    // The sound file path per slot; empty for no sound.
    std::array<QString, kSlotCount> sounds;

    // Set when the table's file exists but was not taken (not 28 lines): the file then holds
    // what the user last saved, and is kept until the user changes this table.
    bool keepStateFile = false;
    bool keepSoundFile = false;

    AlarmTables() { states.fill(kAlarmOff); }

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
};

// Applies a file's lines to a table when there are exactly 28 of them, not counting empty
// lines after the 28th; returns whether it did. A state line that is not a whole number
// counts as off.
bool ApplyStateLines(AlarmTables& tables, const QStringList& lines);
bool ApplySoundLines(AlarmTables& tables, const QStringList& lines);

QStringList StateLines(const AlarmTables& tables);
QStringList SoundLines(const AlarmTables& tables);

// Reads alarmlist.txt and then alarmsounds.txt from the program directory. A file that is
// missing, too large or not exactly 28 lines long leaves its table as it was. Never raises.
void LoadAlarmTables(AlarmTables& tables);

// Writes alarmsounds.txt and then alarmlist.txt, replacing both. Raises hx::Error on failure.
// A table whose file was kept at loading and that was not changed since is not written.
void SaveAlarmTables(const AlarmTables& tables);
void SaveSoundTable(const AlarmTables& tables);  // alarmsounds.txt alone
void SaveStateTable(const AlarmTables& tables);  // alarmlist.txt alone

}  // namespace hx::alarms
