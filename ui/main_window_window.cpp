// MainWindow's place on the desktop: its geometry and page kept from one run to the next.
#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTabWidget>

#include "autostart.h"
#include "clock_report.h"
#include "main_window.h"
#include "window_place.h"

namespace hx::ui {

void MainWindow::RestoreWindowPlace() {
    if (!store_) return;
    const std::optional<WindowPlace> place = LoadWindowPlace(*store_);
    if (!place) return;
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    setGeometry(PlaceOnScreens(place->geometry, screens));
    if (place->maximized) setWindowState(windowState() | Qt::WindowMaximized);
    savedPage_ = place->page;
}

void MainWindow::SelectStartPage() {
    QWidget* page = savedPage_.isEmpty() ? nullptr : pages->findChild<QWidget*>(savedPage_);
    const int i = page ? pages->indexOf(page) : -1;
    if (i >= 0 && pages->isTabVisible(i))
        pages->setCurrentIndex(i);
    else
        pages->setCurrentWidget(clock_->MainPageWidget());
}

WindowPlace MainWindow::CurrentWindowPlace() const {
    WindowPlace p;
    p.geometry = normalGeometry().isValid() ? normalGeometry() : geometry();
    p.maximized = windowState() & Qt::WindowMaximized;
    p.page = pages->currentWidget()->objectName();
    return p;
}

void MainWindow::BuildDesktopCommands() {
    QAction* item = menus_.startWithDesktop;
    if (!item) return;
    item->setChecked(AutostartEnabled());
    // The mark says whether the entry is there each time the menu opens.
    connect(menus_.byName.value(StoredName(Option::OptionsMenu))->menu(), &QMenu::aboutToShow, item,
            [item] { item->setChecked(AutostartEnabled()); });
    connect(item, &QAction::triggered, this,
            [this] { Guarded([this] { onStartWithDesktopClicked(); }); });
}

void MainWindow::onStartWithDesktopClicked() {
    QAction* item = menus_.startWithDesktop;
    const bool wanted = !AutostartEnabled();
    item->setChecked(AutostartEnabled());  // until the entry is written or removed
    SetAutostart(wanted, QCoreApplication::applicationFilePath());
    item->setChecked(AutostartEnabled());
}

}  // namespace hx::ui
