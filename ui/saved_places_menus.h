// The saved places: the "Places" submenus of the Options menu and the tray menu, savedplaces.txt
// behind them, and a saved place made the site, with what it needs of the window as functions.
#pragma once

#include <functional>

#include <QDate>
#include <QObject>
#include <QString>

#include "core/observer.h"
#include "locale/field_texts.h"
#include "locale/saved_places.h"
#include "report/shutdown.h"

class QMenu;
class QWidget;

namespace hx::ui {

struct MenuActions;

class SavedPlacesMenus : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QWidget* parent = nullptr;  // of the menus and message boxes
        // The site as the fields hold it now, read again from them.
        std::function<Observer()> readSite;
        std::function<QString()> placeName;  // the name the present site goes by
        std::function<QString()> altitude;   // the Weather page's, as typed
        std::function<QDate()> day;          // the pickers' day, for a zone's offset
        // A saved place made the site: its fields under its name, and the Look up page's caption.
        std::function<void(const LocaleFieldTexts&, const QString&)> takeSite;
        std::function<void(const QString&)> showCity;
        std::function<void(const QString&, int)> say;               // a status-bar message
        std::function<void(const std::function<void()>&)> guarded;  // errors in a box
    };
    explicit SavedPlacesMenus(Window window);

    // Adds a "Places" submenu before "Clock on" in the Options menu and before Restore in the
    // tray menu.
    void AddMenus(const MenuActions& menus);
    void Load();  // start-up: savedplaces.txt
    void Fill();  // the menus again, the present site's place checked
    // Shutdown: savedplaces.txt again when its last write failed.
    SaveStep ShutdownStep();

    // A click on a saved place makes it the site and rebuilds the report; "Save this place"
    // keeps the present site, "Remove" lets one go.
    void UseSavedPlace(const QString& name);
    void SaveThisPlace();
    void RemoveSavedPlace(const QString& name);
    const SavedPlaces& Saved() const { return places_; }

  private:
    void WriteOrSay();

    Window window_;
    SavedPlaces places_;
    bool unsaved_ = false;  // the last write failed; the shutdown tries again
    QMenu* menus_[2] = {nullptr, nullptr};
};

}  // namespace hx::ui
