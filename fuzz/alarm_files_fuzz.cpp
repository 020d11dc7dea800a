// Fuzzes the reading of alarmlist.txt and alarmsounds.txt, and checks that what is loaded is
// saved and loaded again unchanged.
#include <QByteArray>

#include "alarms/alarm_tables.h"
#include "fuzz_support.h"
#include "settings/textfile.h"

using hx::fuzz::Check;
using namespace hx::alarms;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The first part up to a NUL byte is alarmlist.txt, the rest alarmsounds.txt.
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray list = nul < 0 ? bytes : bytes.left(nul);
    const QByteArray sounds = nul < 0 ? bytes : bytes.mid(nul + 1);
    hx::files::SetProgramDirectory(hx::fuzz::WorkDir().path());
    hx::fuzz::PutFile(QString::fromLatin1(kAlarmListFile), list);
    hx::fuzz::PutFile(QString::fromLatin1(kAlarmSoundsFile), sounds);

    AlarmTables loaded;
    LoadAlarmTables(loaded);
    // A file applies exactly when its lines do; otherwise its table keeps the defaults.
    AlarmTables direct;
    if (ApplyStateLines(direct, hx::files::SplitLines(hx::files::DecodeText(list))))
        Check(loaded.states == direct.states);
    else
        Check(loaded.states == AlarmTables().states);
    if (ApplySoundLines(direct, hx::files::SplitLines(hx::files::DecodeText(sounds))))
        Check(loaded.sounds == direct.sounds);
    else
        Check(loaded.sounds == AlarmTables().sounds);

    SaveAlarmTables(loaded);
    AlarmTables again;
    LoadAlarmTables(again);
    Check(again.states == loaded.states);
    Check(again.sounds == loaded.sounds);
    return 0;
}
