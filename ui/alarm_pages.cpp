// The "Alarms" and "Sounds" pages over the shared alarm tables and sound player.
#include "alarm_pages.h"

#include "menu/stored_names.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

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

AlarmsPage::AlarmsPage(alarms::AlarmTables& tables, QWidget* parent)
    : QWidget(parent), alarmSwitches(new CategoryButtons(this)), tables_(tables) {
    setObjectName(StoredName(Page::Alarms));
    alarmSwitches->setObjectName(QStringLiteral("CategoryButtons1"));
    leadTime->setObjectName(QStringLiteral("LeadTime"));
    leadTime->setRange(-alarms::kMaxOffset, alarms::kMaxOffset);
    leadTime->setSuffix(QStringLiteral(" min"));
    leadTime->setToolTip(QStringLiteral("Minutes from the event: negative is before it"));
    leadTime->setEnabled(false);
    auto* lead = new QHBoxLayout;
    lead->addWidget(new QLabel(QStringLiteral("Lead time:"), this));
    lead->addWidget(leadTime);
    lead->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(alarmSwitches);
    layout->addLayout(lead);
    alarmSwitches->OnButtonClick([this](int c, int i) { onAlarmSwitchClicked(c, i); });
    // The lead time shown and set is the selected event item's.
    connect(alarmSwitches, &QTreeWidget::currentItemChanged, this, [this] {
        int c = 0, i = 0;
        const bool slot = alarmSwitches->CurrentButton(c, i) && c < kBodyCount;
        const QSignalBlocker quiet(leadTime);
        leadTime->setEnabled(slot);
        leadTime->setValue(slot ? tables_.offsets[alarms::SlotOf(c, i)] : 0);
    });
    connect(leadTime, &QSpinBox::valueChanged, this, [this](int minutes) {
        int c = 0, i = 0;
        if (alarmSwitches->CurrentButton(c, i) && c < kBodyCount)
            tables_.SetOffset(alarms::SlotOf(c, i), minutes);
    });
    Refresh();
}

void AlarmsPage::onAlarmSwitchClicked(int category, int item) {
    if (category == kBodyCount) {
        tables_.ToggleHour(item);
        alarmSwitches->Button(category, item)
            ->setIcon(0, OnOffIcon(tables_.IsHourOn(item) ? 0 : 1));
        return;
    }
    const int slot = alarms::SlotOf(category, item);
    tables_.Toggle(slot);
    alarmSwitches->Button(category, item)->setIcon(0, OnOffIcon(tables_.IsOn(slot) ? 0 : 1));
}

void AlarmsPage::Refresh() {
    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i)
            alarmSwitches->Button(c, i)->setIcon(
                0, OnOffIcon(tables_.IsOn(alarms::SlotOf(c, i)) ? 0 : 1));
    for (int b = 0; b < alarms::kHourSlotCount; ++b)
        alarmSwitches->Button(kBodyCount, b)->setIcon(0, OnOffIcon(tables_.IsHourOn(b) ? 0 : 1));
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
    strip->addWidget(testSound);
    strip->addWidget(clearSound);
    strip->addStretch();
    testSound->setObjectName(QStringLiteral("TestSound"));
    testSound->setToolTip(QStringLiteral("Plays the selected item's sound"));
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

void SoundsPage::onTestSoundClicked() {
    int c = 0, i = 0;
    if (!soundButtons->CurrentButton(c, i)) return;
    const QString sound = SoundOf(c, i);
    if (sound.isEmpty()) return;
    if (!QFileInfo(sound).isFile()) {
        MessageBox::Show(this, QStringLiteral("File does not exist."));
        return;
    }
    player_.Close();
    player_.SetFileName(sound);
    player_.Open([page = QPointer<SoundsPage>(this), this](const alarms::OpenOutcome& o) {
        if (!page) return;
        if (o.ready) player_.Play();
        if (!o.error.isEmpty()) MessageBox::Show(page, o.error);
    });
}

void SoundsPage::Refresh() {
    for (int c = 0; c <= kBodyCount; ++c)
        for (int i = 0; i < soundButtons->topLevelItem(c)->childCount(); ++i)
            soundButtons->Button(c, i)->setToolTip(0, PlainToolTip(SoundOf(c, i)));
}

}  // namespace hx::ui
