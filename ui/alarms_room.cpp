// The window's alarms: the pages, loading, the check after Now, the save steps.
#include "alarms_room.h"

#include "alarm_pages.h"
#include "alarms/qt_sound_player.h"
#include "core/clock.h"
#include "practice_alarms.h"

namespace hx::ui {

AlarmsRoom::AlarmsRoom(const WindowServices& services, Window window, QObject* parent)
    : QObject(parent),
      window_(std::move(window)),
      player_(services.soundPlayer ? services.soundPlayer()
                                   : std::make_unique<alarms::QtSoundPlayer>()) {
    alarms_ = new AlarmsPage(tables_);
    sounds_ = new SoundsPage(tables_, *player_);
    sounds_->SetReport([this](const QString& text) { window_.say(text, 15000); });
    // Where no notification server takes it, the alarm is said in the tray balloon.
    notifier_ = std::make_unique<alarms::DesktopNotifier>(
        services.notificationBus, [this](const QString& body) { window_.balloon(body); });
    practice_ = new PracticeAlarms(tables_, *player_, *alarms_,
                                   {window_.log,
                                    [this, notify = services.notify](int key, const QString& body) {
                                        notify ? notify(key, body) : notifier_->Notify(key, body);
                                    },
                                    window_.error, window_.restyle},
                                   this);
    notifier_->OnAction(
        [this](int key, const QString& action) { practice_->OnAction(key, action); });
}

AlarmsRoom::~AlarmsRoom() = default;

// The log lines of fired alarms, each also as a desktop notification (where a server runs).
void AlarmsRoom::LogFirings(const alarms::AlarmCheckStep& step) {
    for (qsizetype i = 0; i < step.logLines.size(); ++i) {
        window_.log(step.logLines[i]);
        practice_->Notify(step.fired.value(i, -1), step.logLines[i]);
    }
}

void AlarmsRoom::onAlarmSwitchClicked(int category, int item) {
    alarms_->onAlarmSwitchClicked(category, item);
}
void AlarmsRoom::onSoundButtonClicked(int category, int item) {
    sounds_->onSoundButtonClicked(category, item);
}
void AlarmsRoom::onChooseSoundClicked() {
    sounds_->onChooseSoundClicked();
}

void AlarmsRoom::Load() {
    alarms::LoadAlarmTables(tables_);
    alarms_->Refresh();
    sounds_->Refresh();
    practice_->Load();
}

void AlarmsRoom::Check(Moment present) {
    practice_->Tick(present, window_.site());
    // A check whose sound is still opening goes on by itself; this tick starts no second one.
    if (checkRunning_) return;
    ContinueCheck(present, 0, window_.generation(), {});
}

void AlarmsRoom::Close() {
    player_->Close();
}

std::vector<SaveStep> AlarmsRoom::SaveSteps() {
    return {
        {StoredName(StateFile::AlarmSounds), [this] { alarms::SaveSoundTable(tables_); }},
        {StoredName(StateFile::AlarmStates), [this] { alarms::SaveStateTable(tables_); }},
        {StoredName(StateFile::AlarmOffsets), [this] { alarms::SaveOffsetTable(tables_); }},
        {StoredName(StateFile::HourAlarms), [this] { alarms::SaveHourStateTable(tables_); }},
        {StoredName(StateFile::HourSounds), [this] { alarms::SaveHourSoundTable(tables_); }},
        {StoredName(StateFile::SkyAlarms), [this] { alarms::SaveSkyAlarmTable(tables_.skyTable); }},
    };
}

// Fires from index from on (present: the instant of the tick), opens the sound of the first event
// that has one, and goes on in that opening's completion, whether the sound opened or not: every
// due alarm of the minute is logged and notified, and the sounds that failed are said together in
// the one error box at the end. Only the present, an index, the list's generation and the
// failures so far cross the wait: when the list was replaced meanwhile (a new day, Exit), the
// check ends.
void AlarmsRoom::ContinueCheck(Moment present, size_t from, quint64 generation,
                               QStringList failures) {
    checkRunning_ = false;
    if (generation != window_.generation()) return;
    const alarms::AlarmCheckStep step =
        alarms::CheckAlarmsFrom(window_.events().events, from, tables_, present, window_.site());
    LogFirings(step);
    if (step.sound.isEmpty()) return CheckHours(present, failures);
    checkRunning_ = true;
    player_->Close();
    player_->SetFileName(step.sound);
    player_->Open(window_.jobsContext(), [this, present, next = step.next, generation,
                                          failures](const JobResult<>& o) mutable {
        if (o.done()) player_->Play();
        if (!o.reason.isEmpty() && !failures.contains(o.reason)) failures << o.reason;
        ContinueCheck(present, next, generation, failures);
    });
}

// The planetary hours' alarms, after the events; then the check's failures, if any, are shown.
void AlarmsRoom::CheckHours(Moment present, const QStringList& failures) {
    const SkyEventState& events = window_.events();
    const EventList& hours = events.computed.empty() ? events.events : events.computed;
    const alarms::AlarmCheckStep step =
        alarms::CheckHourAlarms(hours, tables_, present, lastHourFired_, window_.site());
    LogFirings(step);
    if (step.sound.isEmpty()) {
        if (!failures.isEmpty()) window_.error(failures.join(u'\n'));
        return;
    }
    player_->Close();
    player_->SetFileName(step.sound);
    player_->Open(window_.jobsContext(),
                  [this, failures = QStringList(failures)](const JobResult<>& o) mutable {
                      if (o.done()) player_->Play();
                      if (!o.reason.isEmpty() && !failures.contains(o.reason)) failures << o.reason;
                      if (!failures.isEmpty()) window_.error(failures.join(u'\n'));
                  });
}

}  // namespace hx::ui
