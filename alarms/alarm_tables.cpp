// Alarm and sound tables: parsing, formatting and the two files.
#include "alarm_tables.h"

#include "settings/textfile.h"

namespace hx::alarms {

namespace {
// Far more than 28 short lines could need; anything bigger is not read.
constexpr qint64 kMaxStateFileBytes = 64 << 10;
// 28 paths of up to 4096 bytes each, with room to spare.
constexpr qint64 kMaxSoundFileBytes = 1 << 20;
// The lines without the empty ones after the 28th (an editor's stray line end).
QStringList WithoutTrailingEmpty(QStringList lines) {
    while (lines.size() > kSlotCount && lines.back().trimmed().isEmpty()) lines.removeLast();
    return lines;
}
}  // namespace

bool ApplyStateLines(AlarmTables& tables, const QStringList& fileLines) {
    const QStringList lines = WithoutTrailingEmpty(fileLines);
    if (lines.size() != kSlotCount) return false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bool ok = false;
        const int value = lines[slot].trimmed().toInt(&ok, 10);
        tables.states[slot] = ok ? value : kAlarmOff;
    }
    return true;
}

bool ApplySoundLines(AlarmTables& tables, const QStringList& fileLines) {
    const QStringList lines = WithoutTrailingEmpty(fileLines);
    if (lines.size() != kSlotCount) return false;
    for (int slot = 0; slot < kSlotCount; ++slot) tables.sounds[slot] = lines[slot];
    return true;
}

QStringList StateLines(const AlarmTables& tables) {
    QStringList lines;
    for (const int s : tables.states) lines << QString::number(s);
    return lines;
}

QStringList SoundLines(const AlarmTables& tables) {
    QStringList lines;
    // A path with a line break in it would split the file into more than 28 lines and lose
    // every slot at the next start, so such a path is written as no sound.
    for (const QString& s : tables.sounds)
        lines << (s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')) ? QString() : s);
    return lines;
}

void LoadAlarmTables(AlarmTables& tables) {
    // A file that could not be read at all is kept by WriteLines itself.
    if (auto lines = files::ReadLines(files::ProgramFile(kAlarmListFile), kMaxStateFileBytes))
        tables.keepStateFile = !ApplyStateLines(tables, *lines);
    if (auto lines = files::ReadLines(files::ProgramFile(kAlarmSoundsFile), kMaxSoundFileBytes))
        tables.keepSoundFile = !ApplySoundLines(tables, *lines);
}

void SaveSoundTable(const AlarmTables& tables) {
    if (!tables.keepSoundFile)
        files::WriteLines(files::ProgramFile(kAlarmSoundsFile), SoundLines(tables));
}

void SaveStateTable(const AlarmTables& tables) {
    if (!tables.keepStateFile)
        files::WriteLines(files::ProgramFile(kAlarmListFile), StateLines(tables));
}

void SaveAlarmTables(const AlarmTables& tables) {
    SaveSoundTable(tables);
    SaveStateTable(tables);
}

}  // namespace hx::alarms
