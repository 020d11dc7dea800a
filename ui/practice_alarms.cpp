// The window's alarms of a daily practice over the alarm tables, the player and the page.
#include "practice_alarms.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include "alarm_pages.h"
#include "core/clock.h"
#include "core/error.h"

namespace hx::ui {

PracticeAlarms::PracticeAlarms(alarms::AlarmTables& tables, alarms::MediaControls& player,
                               AlarmsPage& page, Hooks hooks, QObject* parent)
    : QObject(parent), tables_(tables), player_(player), page_(page), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("practiceAlarms"));
    adorations_ = new QAction(QStringLiteral("Four adorations"), this);
    adorations_->setObjectName(QStringLiteral("FourAdorations1"));
    adorations_->setCheckable(true);
    mute_ = new QAction(QStringLiteral("Mute alarms"), this);
    mute_->setObjectName(QStringLiteral("MuteAlarms1"));
    mute_->setCheckable(true);
    clock24_ = new QAction(QStringLiteral("24-hour clock"), this);
    clock24_->setObjectName(QStringLiteral("TwentyFourHour1"));
    clock24_->setCheckable(true);
    connect(adorations_, &QAction::triggered, this, [this](bool on) { SetAdorations(on); });
    connect(mute_, &QAction::triggered, this, [this](bool on) { SetMuted(on); });
    connect(clock24_, &QAction::triggered, this, [this](bool on) { SetClock24(on); });
    page_.adorationsClicked = [this](bool on) { SetAdorations(on); };
    page_.muteClicked = [this](bool on) { SetMuted(on); };
}

void PracticeAlarms::Load() {
    own_ = LoadOwnOptions();
    page_.Refresh();
    ShowState();
}

void PracticeAlarms::AddActions(QMenu* options, QMenu* tray) {
    if (options) {
        options->addSeparator();
        options->addAction(clock24_);
    }
    if (tray) {
        // A slot switched on the Alarms page changes whether the four are on.
        connect(tray, &QMenu::aboutToShow, this, [this] { ShowState(); });
        QAction* last = tray->actions().isEmpty() ? nullptr : tray->actions().last();
        tray->insertAction(last, adorations_);
        tray->insertAction(last, mute_);
        tray->insertSeparator(last);
    }
}

void PracticeAlarms::ShowState() {
    adorations_->setChecked(alarms::AdorationsOn(tables_));
    mute_->setChecked(Muted());
    clock24_->setChecked(own_.clock24);
    page_.adorations->setChecked(adorations_->isChecked());
    page_.mute->setChecked(Muted());
}

void PracticeAlarms::SetAdorations(bool on) {
    alarms::SetAdorations(tables_, on, page_.adorationSound->text().trimmed(),
                          page_.adorationLead->value());
    page_.Refresh();
    ShowState();
}

void PracticeAlarms::SetMuted(bool muted) {
    tables_.skyTable.muted = muted;
    ShowState();
    try {
        alarms::SaveSkyAlarmTable(tables_.skyTable);
    } catch (const Error& e) {
        Say(e.message());  // kept in memory; the Exit's save tries again
    }
    if (hooks_.styleChanged) hooks_.styleChanged();
}

void PracticeAlarms::SetClock24(bool on) {
    own_.clock24 = on;
    ShowState();
    try {
        SaveOwnOptions(own_);
    } catch (const Error& e) {
        Say(e.message());
    }
    if (hooks_.styleChanged) hooks_.styleChanged();
}

void PracticeAlarms::Notify(int key, const QString& line) {
    lastBody_[key] = line;
    if (hooks_.post) hooks_.post(key, own_.clock24 ? TimesOnTwentyFourHourClock(line) : line);
}

QString PracticeAlarms::SoundOf(int key) const {
    if (key >= 0 && key < alarms::kSlotCount) return tables_.sounds[size_t(key)];
    if (key >= alarms::kSlotCount && key < alarms::kSkyAlarmKeyBase)
        return tables_.hourSounds[size_t(key - alarms::kSlotCount)];
    const int sky = key - alarms::kSkyAlarmKeyBase;
    if (sky >= 0 && sky < alarms::kSkyAlarmCount) return tables_.skyTable.sky[size_t(sky)].sound;
    return {};
}

void PracticeAlarms::OnAction(int key, const QString& action) {
    const auto body = lastBody_.find(key);
    if (body == lastBody_.end()) return;  // not an alarm this window notified
    snoozes_.Snooze(key, body->second, SoundOf(key), alarms::SnoozeMinutes(action), NowUtc());
}

void PracticeAlarms::Play(const QString& sound) {
    if (sound.isEmpty() || Muted()) return;
    player_.Close();
    player_.SetFileName(sound);
    // Bound to this object: the completion never runs once the window's alarms are gone.
    player_.Open(this, [this](const JobResult<>& r) {
        if (r.done()) player_.Play();
        if (r.end == JobEnd::Failed) Say(r.reason);
    });
}

void PracticeAlarms::Tick(Moment presentUtc, const Observer& site) {
    if (site.HasSite()) {
        const alarms::AlarmCheckStep step = skyCheck_.Check(tables_, presentUtc, site);
        for (qsizetype i = 0; i < step.logLines.size(); ++i) {
            if (hooks_.log) hooks_.log(step.logLines[i]);
            Notify(step.fired.value(i, -1), step.logLines[i]);
        }
        Play(step.sound);
    }
    QString sound;
    for (const alarms::Snoozed& s : snoozes_.TakeDue(presentUtc)) {
        if (hooks_.log) hooks_.log(s.body);
        Notify(s.key, s.body);  // the same key: it replaces the first notification
        if (!s.sound.isEmpty()) sound = s.sound;
    }
    Play(sound);
}

}  // namespace hx::ui
