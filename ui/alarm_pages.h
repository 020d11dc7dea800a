// The "Alarms" and "Sounds" pages: the 28 alarm switches, the 28 sound files and the player.
#pragma once

#include <functional>

#include <QIcon>
#include <QSpinBox>
#include <QTreeWidget>
#include <QWidget>

#include "alarms/alarm_tables.h"
#include "alarms/sound_player.h"
#include "open_file_dialog.h"

class QCheckBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace hx::ui {

// Seven collapsible categories "Sun" … "Saturn" of four buttons "Rise", "Zenith", "Set",
// "Nadir", and an eighth, "Planetary Hours", of seven buttons "Sun" … "Saturn"; "Sun" starts
// expanded. A click on a button, or Space or Enter on the selected one, reports its category
// and item.
class CategoryButtons : public QTreeWidget {
  public:
    explicit CategoryButtons(QWidget* parent = nullptr);
    QTreeWidgetItem* Button(int category, int item) const;
    // The selected button's category and item; false when none (or a category) is selected.
    bool CurrentButton(int& category, int& item) const;
    // Runs f(category, item) for every click on a button; a click on a category opens or
    // closes it.
    template <typename F>
    void OnButtonClick(F f) {
        connect(this, &QTreeWidget::itemClicked, this, [this, f](QTreeWidgetItem* it, int) {
            if (QTreeWidgetItem* cat = it->parent())
                f(indexOfTopLevelItem(cat), cat->indexOfChild(it));
            else
                it->setExpanded(!it->isExpanded());
        });
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Page::Alarms: alarmSwitches with pictures from OnOff (the "on" lamp carries a check mark,
// and each item's tooltip says on or off); a click on an item toggles the slot's alarm (or the
// planetary hour's). Beside each event item sits its lead time, set there without selecting
// or toggling the item; beside each planetary hour its lead time ("HourLeadTime<body>").
// Below: "Four adorations" with the one sound and lead time of the four, "Mute alarms", and
// the sky alarms ("SkyAlarms"), each with its on/off box, lead time and sound file.
class AlarmsPage : public QWidget {
  public:
    explicit AlarmsPage(alarms::AlarmTables& tables, QWidget* parent = nullptr);

    void onAlarmSwitchClicked(int category, int item);
    // Shows the table's states and lead times (after loading).
    void Refresh();
    // The lead-time box beside an item ("LeadTime<slot>", "HourLeadTime<body>").
    QSpinBox* LeadTimeBox(int category, int item) const;
    // The sky alarm's lead time and sound boxes.
    QSpinBox* SkyLeadBox(alarms::SkyAlarm a) const;
    QLineEdit* SkySoundBox(alarms::SkyAlarm a) const;
    QTreeWidgetItem* SkyItem(alarms::SkyAlarm a) const;

    CategoryButtons* alarmSwitches;
    QCheckBox* adorations;      // "Four adorations"
    QSpinBox* adorationLead;    // the four's one lead time
    QLineEdit* adorationSound;  // the four's one sound file
    QCheckBox* mute;            // "Mute alarms"
    QTreeWidget* skyAlarms;
    // The user clicked "Four adorations" or "Mute alarms" (the box shows the new state).
    std::function<void(bool on)> adorationsClicked, muteClicked;
    // The file chooser behind each sound box's open button.
    OpenFileDialog soundFileDialog{QStringLiteral("Sound Files|*.mp3;*.wav"),
                                   QStringLiteral("sounds")};

  private:
    void ShowState(int category, int item, bool on);
    void BuildPracticeControls(QLayout* layout);
    // Gives a sound box an open button that fills it with the file chosen.
    void AddSoundChooser(QLineEdit* box);
    alarms::AlarmTables& tables_;
};

// mediaPlayer: the Play, Pause, Stop, Step and Back buttons over the shared player.
class MediaPlayerStrip : public QWidget {
  public:
    MediaPlayerStrip(alarms::MediaControls& player, QWidget* parent = nullptr);
    QToolButton* ButtonNamed(const QString& name) const;
};

// Page::Sounds: soundButtons with the planet pictures and each sound path as the tooltip;
// playerStrip below with mediaPlayer and chooseSound "MP3", which chooses a file through
// soundFileDialog.
class SoundsPage : public QWidget {
  public:
    SoundsPage(alarms::AlarmTables& tables, alarms::MediaControls& player,
               QWidget* parent = nullptr);

    // Opens the file chooser; the chosen file is opened in the player when the user picks
    // it. Errors go to a message box.
    void onChooseSoundClicked();
    // Sets the slot's sound to the player's file name; with none chosen the slot is kept.
    void onSoundButtonClicked(int category, int item);
    // "Chime": gives the player the built-in chime, as if chosen, so a click on an item
    // assigns it.
    void onChimeClicked();
    // "Test": plays the selected item's sound, or the built-in chime when the item has none
    // (or none is selected). What cannot be played is said through the report.
    void onTestSoundClicked();
    // Where the page says what Test could not play (the window's status bar).
    void SetReport(std::function<void(const QString&)> report) { report_ = std::move(report); }
    // Shows the table's paths (after loading).
    void Refresh();

    CategoryButtons* soundButtons;
    QWidget* playerStrip;
    MediaPlayerStrip* mediaPlayer;
    QPushButton* chooseSound;
    QPushButton* chimeSound;  // the built-in chime into the player
    QPushButton* testSound;
    QPushButton* clearSound;  // empties the selected item's sound
    OpenFileDialog soundFileDialog{QStringLiteral("Sound Files|*.mp3;*.wav"),
                                   QStringLiteral("sounds")};

  private:
    QString SoundOf(int category, int item) const;
    void SetSound(int category, int item, const QString& path);
    void Report(const QString& text) const {
        if (report_) report_(text);
    }
    alarms::AlarmTables& tables_;
    alarms::MediaControls& player_;
    std::function<void(const QString&)> report_;
};

}  // namespace hx::ui
