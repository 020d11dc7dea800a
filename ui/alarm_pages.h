// The "Alarms" and "Sounds" pages: the 28 alarm switches, the 28 sound files and the player.
#pragma once

#include <QIcon>
#include <QTreeWidget>
#include <QWidget>

#include "alarms/alarm_tables.h"
#include "alarms/sound_player.h"
#include "open_file_dialog.h"

class QPushButton;
class QToolButton;

namespace hx::ui {

// Stand-in pictures until the shared artwork lands: OnOff 0 bright red lamp, 1 dark red lamp;
// PlanetImageList one coloured disc with the body's symbol per body 0..6.
QIcon PlaceholderOnOffIcon(int index);
QIcon PlaceholderPlanetIcon(int body);

// Seven collapsible categories "Sun" … "Saturn" of four buttons "Rise", "Zenith", "Set",
// "Nadir"; "Sun" starts expanded. A click on a button reports its category and item.
class CategoryButtons : public QTreeWidget {
  public:
    explicit CategoryButtons(QWidget* parent = nullptr);
    QTreeWidgetItem* Button(int category, int item) const;
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
};

// TabSheet8: CategoryButtons1 with pictures from OnOff; a click toggles the slot's alarm.
class AlarmsPage : public QWidget {
  public:
    explicit AlarmsPage(alarms::AlarmTables& tables, QWidget* parent = nullptr);

    void CategoryButtons1Categories0Items0Click(int category, int item);
    // Shows the table's states (after loading).
    void Refresh();

    CategoryButtons* CategoryButtons1;

  private:
    alarms::AlarmTables& tables_;
};

// MediaPlayer1: the Play, Pause, Stop, Step and Back buttons over the shared player.
class MediaPlayerStrip : public QWidget {
  public:
    MediaPlayerStrip(alarms::MediaControls& player, QWidget* parent = nullptr);
    QToolButton* ButtonNamed(const QString& name) const;
};

// TabSheet9: CategoryButtons2 with the planet pictures and each sound path as the tooltip;
// Panel4 below with MediaPlayer1 and BitBtn1 "MP3", which chooses a file through OpenDialog1.
class SoundsPage : public QWidget {
  public:
    SoundsPage(alarms::AlarmTables& tables, alarms::MediaControls& player,
               QWidget* parent = nullptr);

    // Chooses a sound file and opens it in the player; errors go to a message box.
    void BitBtn1Click();
    // Sets the slot's sound to the player's file name (empty clears it).
    void CategoryButtons2Categories0Items0Click(int category, int item);
    // Shows the table's paths (after loading).
    void Refresh();

    CategoryButtons* CategoryButtons2;
    QWidget* Panel4;
    MediaPlayerStrip* MediaPlayer1;
    QPushButton* BitBtn1;
    OpenFileDialog OpenDialog1{QStringLiteral("Sound Files|*.mp3;*.wav"), QStringLiteral("sounds")};

  private:
    alarms::AlarmTables& tables_;
    alarms::MediaControls& player_;
};

}  // namespace hx::ui
