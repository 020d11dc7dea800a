// TForm1's alarm work: the Alarms and Sounds pages, loading, the check after Now, saving.
#include <QPlainTextEdit>

#include "alarms/alarm_check.h"
#include "alarms/qt_sound_player.h"
#include "core/clock.h"
#include "core/error.h"
#include "message_box.h"
#include "tform1.h"

namespace hx::ui {

void TForm1::BuildAlarmPages() {
    MediaPlayer1 =
        services_.soundPlayer ? services_.soundPlayer() : std::make_unique<alarms::QtSoundPlayer>();
    alarms_ = new AlarmsPage(alarmTables_);
    sounds_ = new SoundsPage(alarmTables_, *MediaPlayer1);
}

void TForm1::CategoryButtons1Categories0Items0Click(int category, int item) {
    alarms_->CategoryButtons1Categories0Items0Click(category, item);
}
void TForm1::CategoryButtons2Categories0Items0Click(int category, int item) {
    sounds_->CategoryButtons2Categories0Items0Click(category, item);
}
void TForm1::BitBtn1Click() {
    sounds_->BitBtn1Click();
}

void TForm1::LoadAlarmTables() {
    alarms::LoadAlarmTables(alarmTables_);
    alarms_->Refresh();
    sounds_->Refresh();
}

void TForm1::CheckAlarms() {
    // Opening a sound waits in an event loop where Timer1 may tick again; that tick skips
    // the check rather than start a second one.
    if (checkingAlarms_) return;
    checkingAlarms_ = true;
    const alarms::AlarmCheckResult r =
        alarms::CheckAlarms(events_.events, alarmTables_, SiteNow(observer_), *MediaPlayer1);
    checkingAlarms_ = false;
    for (const QString& line : r.logLines) log_.log->appendPlainText(line);
    if (!r.error.isEmpty()) MessageBox::Show(this, r.error);
}

void TForm1::SaveAlarmTables() {
    alarms::SaveAlarmTables(alarmTables_);
}

}  // namespace hx::ui
