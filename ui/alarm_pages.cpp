// The "Alarms" and "Sounds" pages over the shared alarm tables and sound player.
#include "alarm_pages.h"

#include <algorithm>

#include "menu/stored_names.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "chime.h"
#include "core/error.h"
#include "icons.h"
#include "message_box.h"
#include "plain_tooltip.h"

namespace hx::ui {

namespace {
// A 0x00BBGGRR colour value.
QColor FromBgr(int v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}
constexpr int kButtonColor = 14410210;
constexpr int kSelectedButtonColor = 12502986;
}  // namespace

CategoryButtons::CategoryButtons(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);  // the plus/minus expanders
    setExpandsOnDoubleClick(false);
    setIndentation(12);
    setStyleSheet(
        QStringLiteral("QTreeWidget::item:has-parent { background: %1; min-width: 100px; }"
                       "QTreeWidget::item:has-parent:selected { background: %2; "
                       "color: palette(text); }")
            .arg(FromBgr(kButtonColor).name(), FromBgr(kSelectedButtonColor).name()));
    // The category colour: an inactive window caption's gradient.
    QLinearGradient caption(0, 0, 1, 0);
    caption.setCoordinateMode(QGradient::ObjectBoundingMode);
    caption.setColorAt(0, QColor(191, 205, 219));
    caption.setColorAt(1, QColor(215, 228, 242));
    for (int c = 0; c < kBodyCount; ++c) {
        auto* cat = new QTreeWidgetItem(this, {QString::fromLatin1(BodyNames[c])});
        cat->setBackground(0, caption);
        QFont bold = cat->font(0);
        bold.setBold(true);
        cat->setFont(0, bold);
        for (int i = 0; i < kEventCount; ++i)
            new QTreeWidgetItem(cat, {QString::fromLatin1(AlarmEventNames[i])});
        cat->setExpanded(c == 0);
    }
    auto* hours = new QTreeWidgetItem(this, {QStringLiteral("Planetary Hours")});
    hours->setBackground(0, caption);
    QFont bold = hours->font(0);
    bold.setBold(true);
    hours->setFont(0, bold);
    for (int b = 0; b < alarms::kHourSlotCount; ++b)
        new QTreeWidgetItem(hours, {QString::fromLatin1(BodyNames[b])});
}

bool CategoryButtons::CurrentButton(int& category, int& item) const {
    QTreeWidgetItem* it = currentItem();
    QTreeWidgetItem* cat = it ? it->parent() : nullptr;
    if (!cat) return false;
    category = indexOfTopLevelItem(cat);
    item = cat->indexOfChild(it);
    return true;
}

void CategoryButtons::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && currentItem()) {
        emit itemClicked(currentItem(), 0);  // as a click on the selected button
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QTreeWidgetItem* CategoryButtons::Button(int category, int item) const {
    QTreeWidgetItem* cat = topLevelItem(category);
    return cat ? cat->child(item) : nullptr;
}

namespace {
QSpinBox* LeadBox(QWidget* parent, const QString& name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-alarms::kMaxOffset, alarms::kMaxOffset);
    box->setSuffix(QStringLiteral(" min"));
    box->setToolTip(QStringLiteral("Lead time: minutes from the event, negative is before it"));
    return box;
}
QLineEdit* SoundBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setPlaceholderText(QStringLiteral("no sound"));
    box->setToolTip(QStringLiteral("Sound file played when the alarm fires"));
    return box;
}
}  // namespace

AlarmsPage::AlarmsPage(alarms::AlarmTables& tables, QWidget* parent)
    : QWidget(parent),
      alarmSwitches(new CategoryButtons(this)),
      adorations(new QCheckBox(QStringLiteral("Four adorations"), this)),
      adorationLead(LeadBox(this, QStringLiteral("AdorationLead"))),
      adorationSound(SoundBox(this, QStringLiteral("AdorationSound"))),
      mute(new QCheckBox(QStringLiteral("Mute alarms"), this)),
      skyAlarms(new QTreeWidget(this)),
      tables_(tables) {
    setObjectName(StoredName(Page::Alarms));
    alarmSwitches->setObjectName(QStringLiteral("CategoryButtons1"));
    // A second column, just after the captions, holds each event item's lead time.
    alarmSwitches->setColumnCount(2);
    alarmSwitches->header()->setStretchLastSection(false);
    alarmSwitches->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i) {
            const int slot = alarms::SlotOf(c, i);
            QSpinBox* box = LeadBox(alarmSwitches, QStringLiteral("LeadTime%1").arg(slot));
            box->setFrame(false);
            alarmSwitches->setItemWidget(alarmSwitches->Button(c, i), 1, box);
            connect(box, &QSpinBox::valueChanged, this,
                    [this, slot](int minutes) { tables_.SetOffset(slot, minutes); });
        }
    for (int b = 0; b < alarms::kHourSlotCount; ++b) {
        QSpinBox* box = LeadBox(alarmSwitches, QStringLiteral("HourLeadTime%1").arg(b));
        box->setFrame(false);
        alarmSwitches->setItemWidget(alarmSwitches->Button(kBodyCount, b), 1, box);
        connect(box, &QSpinBox::valueChanged, this, [this, b](int minutes) {
            tables_.skyTable.hourOffsets[b] =
                std::clamp(minutes, -alarms::kMaxOffset, alarms::kMaxOffset);
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(alarmSwitches, 3);
    BuildPracticeControls(layout);
    alarmSwitches->OnButtonClick([this](int c, int i) { onAlarmSwitchClicked(c, i); });
    Refresh();
}

void AlarmsPage::AddSoundChooser(QLineEdit* box) {
    QAction* choose =
        box->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QLineEdit::TrailingPosition);
    choose->setObjectName(box->objectName() + QStringLiteral("Choose"));
    choose->setToolTip(QStringLiteral("Choose a sound file"));
    connect(choose, &QAction::triggered, this, [this, box = QPointer<QLineEdit>(box)] {
        // The dialog is the page's child: its completion never outlives the page.
        soundFileDialog.Open(this, [box](const QString& name) {
            if (box) box->setText(name);
        });
    });
}

void AlarmsPage::BuildPracticeControls(QLayout* layout) {
    adorations->setObjectName(QStringLiteral("FourAdorations"));
    adorations->setToolTip(
        QStringLiteral("The Sun's Rise, Zenith, Set and Nadir alarms together, with one sound "
                       "and one lead time"));
    mute->setObjectName(QStringLiteral("MuteAlarms"));
    mute->setToolTip(QStringLiteral("Alarms are logged and notified, and no sound plays"));
    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(adorations);
    row->addWidget(adorationLead);
    AddSoundChooser(adorationSound);
    row->addWidget(adorationSound, 1);
    row->addSpacing(8);
    row->addWidget(mute);
    layout->addItem(row);
    connect(adorations, &QCheckBox::clicked, this, [this](bool on) {
        if (adorationsClicked) adorationsClicked(on);
    });
    connect(mute, &QCheckBox::clicked, this, [this](bool on) {
        if (muteClicked) muteClicked(on);
    });

    skyAlarms->setObjectName(QStringLiteral("SkyAlarms"));
    skyAlarms->setRootIsDecorated(false);
    skyAlarms->setHeaderLabels(
        {QStringLiteral("Sky alarm"), QStringLiteral("Lead time"), QStringLiteral("Sound")});
    skyAlarms->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    skyAlarms->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    for (int i = 0; i < alarms::kSkyAlarmCount; ++i) {
        auto* it = new QTreeWidgetItem(skyAlarms, {alarms::SkyAlarmName(alarms::SkyAlarm(i))});
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(0, Qt::Unchecked);
        QSpinBox* lead = LeadBox(skyAlarms, QStringLiteral("SkyLeadTime%1").arg(i));
        lead->setFrame(false);
        skyAlarms->setItemWidget(it, 1, lead);
        QLineEdit* sound = SoundBox(skyAlarms, QStringLiteral("SkySound%1").arg(i));
        sound->setFrame(false);
        AddSoundChooser(sound);
        skyAlarms->setItemWidget(it, 2, sound);
        connect(lead, &QSpinBox::valueChanged, this, [this, i](int minutes) {
            tables_.skyTable.sky[i].offset =
                std::clamp(minutes, -alarms::kMaxOffset, alarms::kMaxOffset);
        });
        connect(sound, &QLineEdit::textChanged, this,
                [this, i](const QString& path) { tables_.skyTable.sky[i].sound = path.trimmed(); });
    }
    connect(skyAlarms, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* it, int column) {
        if (column != 0) return;
        const int i = skyAlarms->indexOfTopLevelItem(it);
        if (i >= 0 && i < alarms::kSkyAlarmCount)
            tables_.skyTable.sky[i].on = it->checkState(0) == Qt::Checked;
    });
    layout->addWidget(skyAlarms);
    static_cast<QVBoxLayout*>(layout)->setStretchFactor(skyAlarms, 2);
}

QTreeWidgetItem* AlarmsPage::SkyItem(alarms::SkyAlarm a) const {
    return skyAlarms->topLevelItem(int(a));
}
QSpinBox* AlarmsPage::SkyLeadBox(alarms::SkyAlarm a) const {
    return qobject_cast<QSpinBox*>(skyAlarms->itemWidget(SkyItem(a), 1));
}
QLineEdit* AlarmsPage::SkySoundBox(alarms::SkyAlarm a) const {
    return qobject_cast<QLineEdit*>(skyAlarms->itemWidget(SkyItem(a), 2));
}

QSpinBox* AlarmsPage::LeadTimeBox(int category, int item) const {
    if (category > kBodyCount) return nullptr;
    return qobject_cast<QSpinBox*>(
        alarmSwitches->itemWidget(alarmSwitches->Button(category, item), 1));
}

void AlarmsPage::ShowState(int category, int item, bool on) {
    QTreeWidgetItem* b = alarmSwitches->Button(category, item);
    b->setIcon(0, OnOffIcon(on ? 0 : 1));
    const QString what = b->parent()->text(0) + u' ' + b->text(0);
    b->setToolTip(0, what + (on ? QStringLiteral(": alarm on") : QStringLiteral(": alarm off")));
    b->setData(0, Qt::AccessibleDescriptionRole, on ? QStringLiteral("on") : QStringLiteral("off"));
}

void AlarmsPage::onAlarmSwitchClicked(int category, int item) {
    if (category == kBodyCount) {
        tables_.ToggleHour(item);
        ShowState(category, item, tables_.IsHourOn(item));
        return;
    }
    const int slot = alarms::SlotOf(category, item);
    tables_.Toggle(slot);
    ShowState(category, item, tables_.IsOn(slot));
    adorations->setChecked(alarms::AdorationsOn(tables_));
}

void AlarmsPage::Refresh() {
    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i) {
            const int slot = alarms::SlotOf(c, i);
            ShowState(c, i, tables_.IsOn(slot));
            QSpinBox* box = LeadTimeBox(c, i);
            const QSignalBlocker quiet(box);  // showing the table is no change to it
            box->setValue(tables_.offsets[slot]);
        }
    for (int b = 0; b < alarms::kHourSlotCount; ++b) {
        ShowState(kBodyCount, b, tables_.IsHourOn(b));
        QSpinBox* box = LeadTimeBox(kBodyCount, b);
        const QSignalBlocker quiet(box);
        box->setValue(tables_.skyTable.hourOffsets[b]);
    }
    adorations->setChecked(alarms::AdorationsOn(tables_));
    {  // the four's sound and lead time are the Sun Rise slot's until the user sets others
        const QSignalBlocker quietLead(adorationLead), quietSound(adorationSound);
        adorationLead->setValue(tables_.offsets[alarms::kAdorationSlots[0]]);
        adorationSound->setText(tables_.sounds[alarms::kAdorationSlots[0]]);
    }
    mute->setChecked(tables_.skyTable.muted);
    const QSignalBlocker quietTree(skyAlarms);
    for (int i = 0; i < alarms::kSkyAlarmCount; ++i) {
        const alarms::SkyAlarmSetting& s = tables_.skyTable.sky[i];
        SkyItem(alarms::SkyAlarm(i))->setCheckState(0, s.on ? Qt::Checked : Qt::Unchecked);
        QSpinBox* lead = SkyLeadBox(alarms::SkyAlarm(i));
        const QSignalBlocker quietLead(lead);
        lead->setValue(s.offset);
        QLineEdit* sound = SkySoundBox(alarms::SkyAlarm(i));
        const QSignalBlocker quietSound(sound);
        sound->setText(s.sound);
    }
}

MediaPlayerStrip::MediaPlayerStrip(alarms::MediaControls& player, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    alarms::MediaControls* controls = &player;
    const auto add = [&](const char* name, QStyle::StandardPixmap icon, auto action) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(name));
        b->setIcon(style()->standardIcon(icon));
        connect(b, &QToolButton::clicked, this, [controls, action] { (controls->*action)(); });
        layout->addWidget(b);
    };
    add("Play", QStyle::SP_MediaPlay, &alarms::MediaControls::Play);
    add("Pause", QStyle::SP_MediaPause, &alarms::MediaControls::Pause);
    add("Stop", QStyle::SP_MediaStop, &alarms::MediaControls::Stop);
    add("Step", QStyle::SP_MediaSeekForward, &alarms::MediaControls::Step);
    add("Back", QStyle::SP_MediaSeekBackward, &alarms::MediaControls::Back);
}

QToolButton* MediaPlayerStrip::ButtonNamed(const QString& name) const {
    return findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly);
}

SoundsPage::SoundsPage(alarms::AlarmTables& tables, alarms::MediaControls& player, QWidget* parent)
    : QWidget(parent),
      soundButtons(new CategoryButtons(this)),
      playerStrip(new QWidget(this)),
      mediaPlayer(new MediaPlayerStrip(player, playerStrip)),
      chooseSound(new QPushButton(QStringLiteral("MP3"), playerStrip)),
      chimeSound(new QPushButton(QStringLiteral("Chime"), playerStrip)),
      testSound(new QPushButton(QStringLiteral("Test"), playerStrip)),
      clearSound(new QPushButton(QStringLiteral("Clear"), playerStrip)),
      tables_(tables),
      player_(player) {
    setObjectName(StoredName(Page::Sounds));
    soundButtons->setObjectName(QStringLiteral("CategoryButtons2"));
    playerStrip->setObjectName(QStringLiteral("playerStrip"));
    mediaPlayer->setObjectName(QStringLiteral("MediaPlayer1"));
    chooseSound->setObjectName(QStringLiteral("BitBtn1"));
    playerStrip->setFixedHeight(47);

    auto* strip = new QHBoxLayout(playerStrip);
    strip->addWidget(mediaPlayer);
    strip->addWidget(chooseSound);
    strip->addWidget(chimeSound);
    strip->addWidget(testSound);
    strip->addWidget(clearSound);
    strip->addStretch();
    chimeSound->setObjectName(QStringLiteral("ChimeSound"));
    chimeSound->setToolTip(
        QStringLiteral("Takes the built-in chime; then click an item to give it the chime"));
    testSound->setObjectName(QStringLiteral("TestSound"));
    testSound->setToolTip(
        QStringLiteral("Plays the selected item's sound, or the built-in chime if it has none"));
    clearSound->setObjectName(QStringLiteral("ClearSound"));
    clearSound->setToolTip(QStringLiteral("Removes the selected item's sound"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(soundButtons);
    layout->addWidget(playerStrip);

    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i) soundButtons->Button(c, i)->setIcon(0, PlanetIcon(c));
    for (int b = 0; b < alarms::kHourSlotCount; ++b)
        soundButtons->Button(kBodyCount, b)->setIcon(0, PlanetIcon(b));
    soundButtons->OnButtonClick([this](int c, int i) { onSoundButtonClicked(c, i); });
    connect(chooseSound, &QPushButton::clicked, this, [this] { onChooseSoundClicked(); });
    connect(chimeSound, &QPushButton::clicked, this, [this] { onChimeClicked(); });
    connect(testSound, &QPushButton::clicked, this, [this] { onTestSoundClicked(); });
    connect(clearSound, &QPushButton::clicked, this, [this] {
        int c = 0, i = 0;
        if (soundButtons->CurrentButton(c, i)) SetSound(c, i, QString());
    });
    Refresh();
}

void SoundsPage::onChooseSoundClicked() {
    // The dialog is the page's child: its completion never outlives the page.
    soundFileDialog.Open(this, [this](const QString& name) {
        if (!QFileInfo(name).isFile()) {
            MessageBox::Show(this, QStringLiteral("File does not exist."));
            return;
        }
        player_.SetFileName(name);
        player_.Open([page = QPointer<SoundsPage>(this)](const alarms::OpenOutcome& o) {
            if (page && !o.error.isEmpty()) MessageBox::Show(page, o.error);
        });
    });
}

void SoundsPage::onSoundButtonClicked(int category, int item) {
    // With no file chosen yet there is nothing to assign: the slot keeps its sound (Clear
    // removes it).
    if (player_.FileName().isEmpty()) return;
    SetSound(category, item, player_.FileName());
}

QString SoundsPage::SoundOf(int category, int item) const {
    return category == kBodyCount ? tables_.hourSounds[item]
                                  : tables_.sounds[alarms::SlotOf(category, item)];
}

void SoundsPage::SetSound(int category, int item, const QString& path) {
    if (category == kBodyCount)
        tables_.SetHourSound(item, path);
    else
        tables_.SetSound(alarms::SlotOf(category, item), path);
    soundButtons->Button(category, item)->setToolTip(0, PlainToolTip(path));
}

void SoundsPage::onChimeClicked() {
    const QString chime = BuiltInChime();
    if (chime.isEmpty()) {
        MessageBox::Show(this, QStringLiteral("The built-in chime is not installed."));
        return;
    }
    player_.SetFileName(chime);
    player_.Open([page = QPointer<SoundsPage>(this)](const alarms::OpenOutcome& o) {
        if (page && !o.error.isEmpty()) MessageBox::Show(page, o.error);
    });
}

void SoundsPage::onTestSoundClicked() {
    int c = 0, i = 0;
    const bool chosen = soundButtons->CurrentButton(c, i);
    QString sound = chosen ? SoundOf(c, i) : QString();
    if (!sound.isEmpty() && !QFileInfo(sound).isFile()) {
        Report(QStringLiteral("Nothing played: the sound file %1 does not exist.").arg(sound));
        return;
    }
    if (sound.isEmpty()) {
        sound = BuiltInChime();
        if (sound.isEmpty()) {
            Report(chosen ? QStringLiteral("Nothing played: the item has no sound file, and the "
                                           "built-in chime is not installed.")
                          : QStringLiteral("Nothing played: no item is selected, and the "
                                           "built-in chime is not installed."));
            return;
        }
    }
    if (!player_.HasOutput()) {
        Report(QStringLiteral("Nothing can be heard: this computer has no audio output."));
        return;
    }
    // Said when the chime plays in place of the item's sound.
    const QString chimeNote =
        !chosen ? QStringLiteral("Playing the built-in chime: no item is selected.")
        : SoundOf(c, i).isEmpty()
            ? QStringLiteral("Playing the built-in chime: the item has no sound file.")
            : QString();
    player_.Close();
    player_.SetFileName(sound);
    player_.Open(
        [page = QPointer<SoundsPage>(this), this, chimeNote](const alarms::OpenOutcome& o) {
            if (!page) return;
            if (o.ready) {
                player_.Play();
                if (!chimeNote.isEmpty()) Report(chimeNote);
            }
            if (!o.error.isEmpty()) Report(QStringLiteral("Nothing played: ") + o.error);
        });
}

void SoundsPage::Refresh() {
    for (int c = 0; c <= kBodyCount; ++c)
        for (int i = 0; i < soundButtons->topLevelItem(c)->childCount(); ++i)
            soundButtons->Button(c, i)->setToolTip(0, PlainToolTip(SoundOf(c, i)));
}

}  // namespace hx::ui
