// The window's place on the desktop, its geometry and page kept from one run to the next, and
// Options -> "Start with the Desktop".
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "settings/extini.h"
#include "window_place.h"

class QAction;
class QMainWindow;
class QMenu;
class QTabWidget;
class QWidget;

namespace hx::ui {

class WindowPlaceAndAutostart : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QMainWindow* window = nullptr;
        QTabWidget* pages = nullptr;
        QWidget* mainPage = nullptr;  // the start page when no saved one is shown
        std::function<void(const std::function<void()>&)> guarded;  // errors in a box
    };
    explicit WindowPlaceAndAutostart(Window window);

    // "Start with the Desktop" (item) and its check mark, kept as the Options menu opens.
    void AddDesktopCommand(QAction* item, QMenu* optionsMenu);
    void onStartWithDesktopClicked();  // adds or removes the autostart entry
    // Start-up, with the settings: the "Window" section's geometry and page.
    void Restore(const TExtIniF& store);
    void SelectStartPage();  // the saved page, else Main
    WindowPlace Current() const;

  private:
    Window window_;
    QAction* startWithDesktop_ = nullptr;
    QString savedPage_;
};

}  // namespace hx::ui
