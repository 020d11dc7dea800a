// MainWindow's alarm work: the Alarms and Sounds pages, loading, the check after Now, saving.
#include <QPlainTextEdit>
#include <QSystemTrayIcon>

#include "alarms/alarm_check.h"
#include "alarms/qt_sound_player.h"
#include "core/clock.h"
#include "main_window.h"
#include "message_box.h"
#include "practice_alarms.h"

namespace hx::ui {

void MainWindow::BuildAlarmPages() {
    mediaPlayer =
        services_.soundPlayer ? services_.soundPlayer() : std::make_unique<alarms::QtSoundPlayer>();
    alarms_ = new AlarmsPage(alarmTables_);
    sounds_ = new SoundsPage(alarmTables_, *mediaPlayer);
    sounds_->SetReport([this](const QString& text) { ShowStatusMessage(text, 15000); });
    // Where no notification server takes it, the alarm is said in the tray balloon.
    notifier_ = std::make_unique<alarms::DesktopNotifier>(services_.notificationBus,
                                                          [this](const QString& body) {
                                                              if (trayIcon->isVisible())
                                                                  ShowBalloon(body);
                                                          });
    practice_ = new PracticeAlarms(alarmTables_, *mediaPlayer, *alarms_,
                                   {[this](const QString& l) { log_.log->appendPlainText(l); },
                                    [this](int key, const QString& body) {
                                        services_.notify ? services_.notify(key, body)
                                                         : notifier_->Notify(key, body);
                                    },
                                    [this](const QString& e) { ShowClockError(e); },
                                    [this] { Guarded([this] { BuildReport(); }); }},
                                   this);
    notifier_->OnAction(
        [this](int key, const QString& action) { practice_->OnAction(key, action); });
}

// The log lines of fired alarms, each also as a desktop notification (where a server runs).
void MainWindow::LogFirings(const alarms::AlarmCheckStep& step) {
    for (qsizetype i = 0; i < step.logLines.size(); ++i) {
        log_.log->appendPlainText(step.logLines[i]);
        practice_->Notify(step.fired.value(i, -1), step.logLines[i]);
    }
}

void MainWindow::onAlarmSwitchClicked(int category, int item) {
    alarms_->onAlarmSwitchClicked(category, item);
}
void MainWindow::onSoundButtonClicked(int category, int item) {
    sounds_->onSoundButtonClicked(category, item);
}
void MainWindow::onChooseSoundClicked() {
    sounds_->onChooseSoundClicked();
}

void MainWindow::LoadAlarmTables() {
    alarms::LoadAlarmTables(alarmTables_);
    alarms_->Refresh();
    sounds_->Refresh();
    practice_->Load();
}

void MainWindow::CheckAlarms() {
    practice_->Tick(NowUtc(), observer_);
    // A check whose sound is still opening goes on by itself; this tick starts no second one.
    if (alarmCheckRunning_) return;
    ContinueAlarmCheck(NowUtc(), 0, eventsGeneration_, {});
}

// Fires from index from on (present: the instant of the tick), opens the sound of the first event
// that has one, and goes on in that opening's completion, whether the sound opened or not: every
// due alarm of the minute is logged and notified, and the sounds that failed are said together in
// the one error box at the end. Only the present, an index, the list's generation and the
// failures so far cross the wait: when the list was replaced meanwhile (a new day, Exit), the
// check ends.
void MainWindow::ContinueAlarmCheck(Moment present, size_t from, quint64 generation,
                                    QStringList failures) {
    alarmCheckRunning_ = false;
    if (generation != eventsGeneration_) return;
    const alarms::AlarmCheckStep step =
        alarms::CheckAlarmsFrom(events_.events, from, alarmTables_, present, observer_);
    LogFirings(step);
    if (step.sound.isEmpty()) return CheckHourAlarms(present, failures);
    alarmCheckRunning_ = true;
    mediaPlayer->Close();
    mediaPlayer->SetFileName(step.sound);
    mediaPlayer->Open(jobsContext_, [this, present, next = step.next, generation,
                                     failures](const JobResult<>& o) mutable {
        if (o.done()) mediaPlayer->Play();
        if (!o.reason.isEmpty() && !failures.contains(o.reason)) failures << o.reason;
        ContinueAlarmCheck(present, next, generation, failures);
    });
}

// The planetary hours' alarms, after the events; then the check's failures, if any, are shown.
void MainWindow::CheckHourAlarms(Moment present, const QStringList& failures) {
    const EventList& hours = events_.computed.empty() ? events_.events : events_.computed;
    const alarms::AlarmCheckStep step =
        alarms::CheckHourAlarms(hours, alarmTables_, present, lastHourFired_, observer_);
    LogFirings(step);
    if (step.sound.isEmpty()) {
        if (!failures.isEmpty()) ShowClockError(failures.join(u'\n'));
        return;
    }
    mediaPlayer->Close();
    mediaPlayer->SetFileName(step.sound);
    mediaPlayer->Open(jobsContext_,
                      [this, failures = QStringList(failures)](const JobResult<>& o) mutable {
                          if (o.done()) mediaPlayer->Play();
                          if (!o.reason.isEmpty() && !failures.contains(o.reason))
                              failures << o.reason;
                          if (!failures.isEmpty()) ShowClockError(failures.join(u'\n'));
                      });
}

}  // namespace hx::ui
