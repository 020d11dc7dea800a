// The window's place on the desktop: its geometry and page kept from one run to the next; and
// the autostart entry behind "Start with the Desktop".
#include "window_place_autostart.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

#include "autostart.h"

namespace hx::ui {

WindowPlaceAndAutostart::WindowPlaceAndAutostart(Window window)
    : QObject(window.window), window_(std::move(window)) {}

void WindowPlaceAndAutostart::Restore(const TExtIniF& store) {
    const std::optional<WindowPlace> place = LoadWindowPlace(store);
    if (!place) return;
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    QMainWindow* w = window_.window;
    w->setGeometry(PlaceOnScreens(place->geometry, screens));
    if (place->maximized) w->setWindowState(w->windowState() | Qt::WindowMaximized);
    savedPage_ = place->page;
}

void WindowPlaceAndAutostart::SelectStartPage() {
    QTabWidget* pages = window_.pages;
    QWidget* page = savedPage_.isEmpty() ? nullptr : pages->findChild<QWidget*>(savedPage_);
    const int i = page ? pages->indexOf(page) : -1;
    if (i >= 0 && pages->isTabVisible(i))
        pages->setCurrentIndex(i);
    else
        pages->setCurrentWidget(window_.mainPage);
}

WindowPlace WindowPlaceAndAutostart::Current() const {
    const QMainWindow* w = window_.window;
    WindowPlace p;
    p.geometry = w->normalGeometry().isValid() ? w->normalGeometry() : w->geometry();
    p.maximized = w->windowState() & Qt::WindowMaximized;
    p.page = window_.pages->currentWidget()->objectName();
    return p;
}

void WindowPlaceAndAutostart::AddDesktopCommand(QAction* item, QMenu* optionsMenu) {
    startWithDesktop_ = item;
    if (!item) return;
    item->setChecked(AutostartEnabled());
    // The mark says whether the entry is there each time the menu opens.
    connect(optionsMenu, &QMenu::aboutToShow, item,
            [item] { item->setChecked(AutostartEnabled()); });
    connect(item, &QAction::triggered, this,
            [this] { window_.guarded([this] { onStartWithDesktopClicked(); }); });
}

void WindowPlaceAndAutostart::onStartWithDesktopClicked() {
    QAction* item = startWithDesktop_;
    if (!item) return;
    const bool wanted = !AutostartEnabled();
    item->setChecked(AutostartEnabled());  // until the entry is written or removed
    SetAutostart(wanted, QCoreApplication::applicationFilePath());
    item->setChecked(AutostartEnabled());
}

}  // namespace hx::ui
