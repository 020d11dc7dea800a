// TForm1's place on the desktop: its geometry and page kept from one run to the next.
#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

#include "autostart.h"
#include "tform1.h"
#include "window_place.h"

namespace hx::ui {

void TForm1::RestoreWindowPlace() {
    if (!store_) return;
    const std::optional<WindowPlace> place = LoadWindowPlace(*store_);
    if (!place) return;
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    setGeometry(PlaceOnScreens(place->geometry, screens));
    if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
    savedPage_ = place->page;
}

void TForm1::SelectStartPage() {
    QWidget* page = savedPage_.isEmpty() ? nullptr : PageControl1->findChild<QWidget*>(savedPage_);
    const int i = page ? PageControl1->indexOf(page) : -1;
    if (i >= 0 && PageControl1->isTabVisible(i))
        PageControl1->setCurrentIndex(i);
    else
        PageControl1->setCurrentWidget(main_.page);
}

WindowPlace TForm1::CurrentWindowPlace() const {
    WindowPlace p;
    p.geometry = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.maximized = windowState() & Qt::WindowMaximized;
    p.page = PageControl1->currentWidget()->objectName();
    return p;
}

void TForm1::BuildDesktopCommands() {
    QAction* item = menus_.StartwiththeDesktop1;
    if (!item) return;
    item->setChecked(AutostartEnabled());
    // The mark says whether the entry is there each time the menu opens.
    connect(menus_.byName.value(StoredName(Option::OptionsMenu))->menu(), &QMenu::aboutToShow, item,
            [item] { item->setChecked(AutostartEnabled()); });
    connect(item, &QAction::triggered, this,
            [this] { Guarded([this] { StartwiththeDesktop1Click(); }); });
}

void TForm1::StartwiththeDesktop1Click() {
    QAction* item = menus_.StartwiththeDesktop1;
    const bool wanted = !AutostartEnabled();
    item->setChecked(AutostartEnabled());  // until the entry is written or removed
    SetAutostart(wanted, QCoreApplication::applicationFilePath());
    item->setChecked(AutostartEnabled());
}

}  // namespace hx::ui
