// The window's alarms of a daily practice: the sky alarms on the tick, snooze, mute, the four
// adorations and the 24-hour clock, with their menu items and their saving.
#pragma once

#include <functional>
#include <map>

#include <QObject>
#include <QString>

#include "alarms/alarm_check.h"
#include "alarms/alarm_tables.h"
#include "alarms/snooze.h"
#include "alarms/sound_player.h"
#include "core/format.h"
#include "core/observer.h"
#include "report/report.h"
#include "settings/own_options.h"

class QAction;
class QMenu;

namespace hx::ui {

class AlarmsPage;

class PracticeAlarms : public QObject {
    Q_OBJECT
  public:
    // What the window does for it.
    struct Hooks {
        std::function<void(const QString& line)> log;            // a line into the Log page
        std::function<void(int key, const QString& body)> post;  // a desktop notification
        std::function<void(const QString& text)> error;          // a sound that failed
        std::function<void()> styleChanged;  // the clock or mute changed: show the report again
    };

    // The page's practice controls edit the tables; the player plays the alarms' sounds.
    PracticeAlarms(alarms::AlarmTables& tables, alarms::MediaControls& player, AlarmsPage& page,
                   Hooks hooks, QObject* parent);

    // After the alarm tables are loaded: heliodexoptions.txt, and the page and menus shown.
    void Load();
    // "24-hour clock" into the Options menu; "Four adorations" and "Mute alarms" into the tray
    // menu, before its last item (Exit).
    void AddActions(QMenu* options, QMenu* tray);

    HourClock Clock() const { return own_.clock24 ? HourClock::TwentyFour : HourClock::Locale; }
    bool Muted() const { return tables_.skyTable.muted; }
    ReportStyle Style() const { return {Clock(), Muted()}; }

    // A fired alarm's notification (key: the alarm), on the chosen clock; kept for a snooze.
    void Notify(int key, const QString& line);
    // On each tick: the sky alarms due at the present (logged, notified, their sound unless
    // muted), then the snoozed alarms whose time has come.
    void Tick(Moment presentUtc, const Observer& site);
    // A notification's action: "snooze-5", "snooze-10" or "dismiss".
    void OnAction(int key, const QString& action);
    // The four adorations on or off together, with the page's sound and lead time.
    void SetAdorations(bool on);
    // Saved at once, so the state outlives a program that is killed.
    void SetMuted(bool muted);
    void SetClock24(bool on);
    const alarms::SnoozeList& Snoozes() const { return snoozes_; }

  private:
    void Play(const QString& sound);
    QString SoundOf(int key) const;
    void ShowState();
    void Say(const QString& text) const {
        if (hooks_.error) hooks_.error(text);
    }

    alarms::AlarmTables& tables_;
    alarms::MediaControls& player_;
    AlarmsPage& page_;
    Hooks hooks_;
    OwnOptions own_;
    alarms::SkyAlarmCheck skyCheck_;
    alarms::SnoozeList snoozes_;
    std::map<int, QString> lastBody_;  // each alarm's last notification, for a snooze
    QAction* adorations_ = nullptr;
    QAction* mute_ = nullptr;
    QAction* clock24_ = nullptr;
};

}  // namespace hx::ui
