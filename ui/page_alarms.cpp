// The "Alarms" and "Sounds" pages: seven body categories of four event buttons each.
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "icons.h"
#include "pages.h"

namespace hx::ui {

namespace {

// Category and button captions in body order 0..6 and event order 0..3; "Sun" starts expanded.
QTreeWidget* CategoryButtons(const char* name, bool planetIcons) {
    static const char* bodies[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
    static const char* events[] = {"Rise", "Zenith", "Set", "Nadir"};
    auto* t = new QTreeWidget;
    t->setObjectName(name);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    t->setIndentation(14);
    t->setStyleSheet("QTreeWidget::item { padding: 1px; }");
    for (int b = 0; b < 7; ++b) {
        auto* cat = new QTreeWidgetItem(t, {QString::fromLatin1(bodies[b])});
        QFont f = cat->font(0);
        f.setBold(true);
        cat->setFont(0, f);
        for (int e = 0; e < 4; ++e) {
            auto* button = new QTreeWidgetItem(cat, {QString::fromLatin1(events[e])});
            button->setIcon(0, planetIcons ? PlanetIcon(b) : OnOffIcon(1));
            button->setData(0, Qt::UserRole, b * 4 + e);
        }
        cat->setExpanded(b == 0);
    }
    return t;
}

}  // namespace

AlarmsPage BuildAlarmsPage() {
    AlarmsPage p;
    p.page = new QWidget;
    p.page->setObjectName("TabSheet8");
    p.buttons = CategoryButtons("CategoryButtons1", false);
    auto* l = new QVBoxLayout(p.page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(p.buttons);
    return p;
}

SoundsPage BuildSoundsPage() {
    SoundsPage p;
    p.page = new QWidget;
    p.page->setObjectName("TabSheet9");
    p.buttons = CategoryButtons("CategoryButtons2", true);
    p.Panel4 = new QFrame;
    p.Panel4->setObjectName("Panel4");
    p.Panel4->setFixedHeight(47);
    p.MediaPlayer1 = new QWidget;
    p.MediaPlayer1->setObjectName("MediaPlayer1");
    auto* player = new QHBoxLayout(p.MediaPlayer1);
    player->setContentsMargins(0, 0, 0, 0);
    const QStyle::StandardPixmap glyphs[] = {QStyle::SP_MediaPlay, QStyle::SP_MediaPause,
                                             QStyle::SP_MediaStop, QStyle::SP_MediaSeekForward,
                                             QStyle::SP_MediaSeekBackward};
    const char* names[] = {"Play", "Pause", "Stop", "Step", "Back"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QToolButton;
        b->setObjectName(QStringLiteral("MediaPlayer1%1").arg(QString::fromLatin1(names[i])));
        b->setIcon(b->style()->standardIcon(glyphs[i]));
        b->setToolTip(QString::fromLatin1(names[i]));
        player->addWidget(b);
    }
    p.BitBtn1 = new QPushButton("MP3");
    p.BitBtn1->setObjectName("BitBtn1");
    auto* strip = new QHBoxLayout(p.Panel4);
    strip->addWidget(p.MediaPlayer1);
    strip->addWidget(p.BitBtn1);
    strip->addStretch(1);
    auto* l = new QVBoxLayout(p.page);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(p.buttons, 1);
    l->addWidget(p.Panel4);
    return p;
}

}  // namespace hx::ui
