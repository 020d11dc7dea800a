// TForm1's place on the desktop: its geometry and page kept from one run to the next.
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

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

}  // namespace hx::ui
