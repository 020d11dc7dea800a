// The "Alarms" and "Sounds" pages over the shared alarm tables and sound player.
#include "alarm_pages.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPointer>
#include <QPushButton>
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
}

QTreeWidgetItem* CategoryButtons::Button(int category, int item) const {
    QTreeWidgetItem* cat = topLevelItem(category);
    return cat ? cat->child(item) : nullptr;
}

AlarmsPage::AlarmsPage(alarms::AlarmTables& tables, QWidget* parent)
    : QWidget(parent), CategoryButtons1(new CategoryButtons(this)), tables_(tables) {
    setObjectName(QStringLiteral("TabSheet8"));
    CategoryButtons1->setObjectName(QStringLiteral("CategoryButtons1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CategoryButtons1);
    CategoryButtons1->OnButtonClick(
        [this](int c, int i) { CategoryButtons1Categories0Items0Click(c, i); });
    Refresh();
}

void AlarmsPage::CategoryButtons1Categories0Items0Click(int category, int item) {
    const int slot = alarms::SlotOf(category, item);
    tables_.Toggle(slot);
    CategoryButtons1->Button(category, item)->setIcon(0, OnOffIcon(tables_.IsOn(slot) ? 0 : 1));
}

void AlarmsPage::Refresh() {
    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i)
            CategoryButtons1->Button(c, i)->setIcon(
                0, OnOffIcon(tables_.IsOn(alarms::SlotOf(c, i)) ? 0 : 1));
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
      CategoryButtons2(new CategoryButtons(this)),
      Panel4(new QWidget(this)),
      MediaPlayer1(new MediaPlayerStrip(player, Panel4)),
      BitBtn1(new QPushButton(QStringLiteral("MP3"), Panel4)),
      tables_(tables),
      player_(player) {
    setObjectName(QStringLiteral("TabSheet9"));
    CategoryButtons2->setObjectName(QStringLiteral("CategoryButtons2"));
    Panel4->setObjectName(QStringLiteral("Panel4"));
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Panel4->setFixedHeight(47);

    auto* strip = new QHBoxLayout(Panel4);
    strip->addWidget(MediaPlayer1);
    strip->addWidget(BitBtn1);
    strip->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(CategoryButtons2);
    layout->addWidget(Panel4);

    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i)
            CategoryButtons2->Button(c, i)->setIcon(0, PlanetIcon(c));
    CategoryButtons2->OnButtonClick(
        [this](int c, int i) { CategoryButtons2Categories0Items0Click(c, i); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    Refresh();
}

void SoundsPage::BitBtn1Click() {
    const QString name = OpenDialog1.Execute(this);
    if (name.isEmpty()) return;
    if (!QFileInfo(name).isFile()) {
        MessageBox::Show(this, QStringLiteral("File does not exist."));
        return;
    }
    player_.SetFileName(name);
    player_.Open([page = QPointer<SoundsPage>(this)](const alarms::OpenOutcome& o) {
        if (page && !o.error.isEmpty()) MessageBox::Show(page, o.error);
    });
}

void SoundsPage::CategoryButtons2Categories0Items0Click(int category, int item) {
    const int slot = alarms::SlotOf(category, item);
    tables_.SetSound(slot, player_.FileName());
    CategoryButtons2->Button(category, item)->setToolTip(0, PlainToolTip(tables_.sounds[slot]));
}

void SoundsPage::Refresh() {
    for (int c = 0; c < kBodyCount; ++c)
        for (int i = 0; i < kEventCount; ++i)
            CategoryButtons2->Button(c, i)->setToolTip(
                0, PlainToolTip(tables_.sounds[alarms::SlotOf(c, i)]));
}

}  // namespace hx::ui
