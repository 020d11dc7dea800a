// Alarm and sound tables: parsing, formatting and the two files.
#include "alarm_tables.h"

#include <cstdlib>

#include "settings/textfile.h"

namespace hx::alarms {

namespace {
// Far more than 28 short lines could need; anything bigger is not read.
constexpr qint64 kMaxStateFileBytes = 64 << 10;
// 28 paths of up to 4096 bytes each, with room to spare.
constexpr qint64 kMaxSoundFileBytes = 1 << 20;
// The lines without the empty ones after the last expected (an editor's stray line end).
QStringList WithoutTrailingEmpty(QStringList lines, int count = kSlotCount) {
    while (lines.size() > count && lines.back().trimmed().isEmpty()) lines.removeLast();
    return lines;
}

// Reads a file of count lines through apply; a file of another length is kept (keep set).
template <typename Apply>
void LoadTable(const char* name, qint64 maxBytes, int count, bool& keep, Apply apply) {
    auto lines = files::ReadLines(files::ProgramFile(name), maxBytes);
    if (!lines) return;
    const QStringList taken = WithoutTrailingEmpty(*lines, count);
    keep = taken.size() != count;
    if (!keep)
        for (int i = 0; i < count; ++i) apply(i, taken[i]);
}

int NumberOr(const QString& line, int fallback) {
    bool ok = false;
    const int value = line.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

// A path with a line break in it would split its file, so it is written as no sound.
QString OneLine(const QString& s) {
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n')) ? QString() : s;
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
    for (const QString& s : tables.sounds) lines << OneLine(s);
    return lines;
}

void LoadAlarmTables(AlarmTables& tables) {
    // A file that could not be read at all is kept by WriteLines itself.
    if (auto lines = files::ReadLines(files::ProgramFile(kAlarmListFile), kMaxStateFileBytes))
        tables.keepStateFile = !ApplyStateLines(tables, *lines);
    if (auto lines = files::ReadLines(files::ProgramFile(kAlarmSoundsFile), kMaxSoundFileBytes))
        tables.keepSoundFile = !ApplySoundLines(tables, *lines);
    LoadTable(kAlarmOffsetsFile, kMaxStateFileBytes, kSlotCount, tables.keepOffsetFile,
              [&](int i, const QString& l) {
                  const int v = NumberOr(l, 0);
                  tables.offsets[i] = std::abs(v) <= kMaxOffset ? v : 0;
              });
    LoadTable(kHourAlarmsFile, kMaxStateFileBytes, kHourSlotCount, tables.keepHourStateFile,
              [&](int i, const QString& l) { tables.hourStates[i] = NumberOr(l, kAlarmOff); });
    LoadTable(kHourSoundsFile, kMaxSoundFileBytes, kHourSlotCount, tables.keepHourSoundFile,
              [&](int i, const QString& l) { tables.hourSounds[i] = l; });
    LoadSkyAlarmTable(tables.skyTable);
}

std::map<QString, int> CalendarLeads(const AlarmTables& tables) {
    std::map<QString, int> leads;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (tables.IsOn(slot))
            leads[QString::fromLatin1(BodyNames[slot / kEventCount]) + ' ' +
                  QString::fromLatin1(AlarmEventNames[slot % kEventCount])] = tables.offsets[slot];
    for (int body = 0; body < kHourSlotCount; ++body)
        if (tables.IsHourOn(body))
            leads[QStringLiteral("Hour of ") + QString::fromLatin1(BodyNames[body])] =
                tables.skyTable.hourOffsets[body];
    for (int i = 0; i < kSkyAlarmCount; ++i)
        if (tables.skyTable.sky[i].on)
            leads[SkyAlarmKey(SkyAlarm(i))] = tables.skyTable.sky[i].offset;
    return leads;
}

bool AdorationsOn(const AlarmTables& tables) {
    return std::all_of(kAdorationSlots.begin(), kAdorationSlots.end(),
                       [&](int slot) { return tables.IsOn(slot); });
}

void SetAdorations(AlarmTables& tables, bool on, const QString& sound, int offset) {
    for (const int slot : kAdorationSlots) {
        if (tables.IsOn(slot) != on) tables.Toggle(slot);
        if (!on) continue;
        tables.SetSound(slot, sound);
        tables.SetOffset(slot, offset);
    }
}

void SaveOffsetTable(const AlarmTables& tables) {
    QStringList lines;
    for (const int o : tables.offsets) lines << QString::number(o);
    if (!tables.keepOffsetFile) files::WriteLines(files::ProgramFile(kAlarmOffsetsFile), lines);
}

void SaveHourStateTable(const AlarmTables& tables) {
    QStringList lines;
    for (const int s : tables.hourStates) lines << QString::number(s);
    if (!tables.keepHourStateFile) files::WriteLines(files::ProgramFile(kHourAlarmsFile), lines);
}

void SaveHourSoundTable(const AlarmTables& tables) {
    QStringList lines;
    for (const QString& s : tables.hourSounds) lines << OneLine(s);
    if (!tables.keepHourSoundFile) files::WriteLines(files::ProgramFile(kHourSoundsFile), lines);
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
    SaveOffsetTable(tables);
    SaveHourStateTable(tables);
    SaveHourSoundTable(tables);
    SaveSkyAlarmTable(tables.skyTable);
}

}  // namespace hx::alarms
