// The window's alarms: the alarm tables, the Alarms and Sounds pages, the media player they share,
// the check of the due alarms on each tick (events, then planetary hours), the notifier and the
// alarms of a daily practice, with what they need of the window as functions.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>
#include <QStringList>

#include "alarms/alarm_check.h"
#include "alarms/alarm_tables.h"
#include "alarms/desktop_notifier.h"
#include "alarms/sound_player.h"
#include "core/datetime.h"
#include "core/observer.h"
#include "core/sky_events.h"
#include "report/shutdown.h"
#include "window_services.h"

namespace hx::ui {

class AlarmsPage;
class SoundsPage;
class PracticeAlarms;

class AlarmsRoom : public QObject {
    Q_OBJECT
  public:
    struct Window {
        std::function<void(const QString&)> log;       // a line into the Log page
        std::function<void(const QString&, int)> say;  // a status-bar message for ms
        std::function<void(const QString&)> error;     // the clock's error box
        std::function<void(const QString&)> balloon;   // the tray balloon, where it is shown
        std::function<void()> restyle;                 // the clock or mute changed
        std::function<SkyEventState&()> events;        // the present event list
        std::function<quint64()> generation;           // counts replacements of the list
        std::function<const Observer&()> site;         // the present site
        std::function<QObject*()> jobsContext;         // of the sound's opening
    };
    // The pages are made here; the window puts them into its tabs. The practice's menu items
    // are the room's descendants, so they are found under the window by their names.
    AlarmsRoom(const WindowServices& services, Window window, QObject* parent);
    ~AlarmsRoom() override;

    AlarmsPage* Page() const { return alarms_; }
    SoundsPage* Sounds() const { return sounds_; }
    PracticeAlarms& Practice() const { return *practice_; }
    const alarms::AlarmTables& Tables() const { return tables_; }

    // Start-up: alarmlist.txt, alarmsounds.txt and the other tables, into the pages.
    void Load();
    // The Now command with the clock on: the due alarms of the present's minute.
    void Check(Moment present);
    // Shutdown: a sound still opening is dropped.
    void Close();
    // One save step per file of the tables, so a failure names exactly the files not saved.
    std::vector<SaveStep> SaveSteps();

    void onAlarmSwitchClicked(int category, int item);
    void onSoundButtonClicked(int category, int item);
    void onChooseSoundClicked();
    const alarms::DesktopNotifier& Notifier() const { return *notifier_; }

  private:
    void ContinueCheck(Moment present, size_t from, quint64 generation, QStringList failures);
    void CheckHours(Moment present, const QStringList& failures);
    void LogFirings(const alarms::AlarmCheckStep& step);

    Window window_;
    alarms::AlarmTables tables_;
    std::unique_ptr<alarms::MediaControls> player_;      // shared by the Sounds page and the alarms
    std::unique_ptr<alarms::DesktopNotifier> notifier_;  // a notification per fired alarm
    AlarmsPage* alarms_ = nullptr;
    SoundsPage* sounds_ = nullptr;
    PracticeAlarms* practice_ = nullptr;  // sky alarms, snooze, mute, adorations, 24-hour clock
    bool checkRunning_ = false;           // a check waits for its sound to open
    Moment lastHourFired_ = 0;            // the start of the last planetary hour the check passed
};

}  // namespace hx::ui
