// bar and trayMenu built from the menu model; check marks always mirror the model.
#pragma once

#include <functional>

#include <QHash>
#include <QString>

#include "menu/options_model.h"

class QAction;
class QMenu;
class QMenuBar;

namespace hx::ui {

struct MenuActions {
    QHash<QString, QAction*> byName;  // every item of MenuItems(), submenus included
    QMenu* trayMenu = nullptr;
    // Commands of the window alone, kept in no settings file: "Date to Clipboard" in the Edit
    // menu (it runs DatetoClipboard1's command) and Options -> "Start with the Desktop".
    QAction* editDateToClipboard = nullptr;
    QAction* startWithDesktop = nullptr;
};

// Creates the menus; a click on an item calls onClick with the item's name.
MenuActions BuildMenus(QMenuBar* bar, QObject* owner,
                       const std::function<void(const QString&)>& onClick);

// Sets every action's check mark from the model. Items that can carry a mark are shown
// checkable, others only while the model marks them (a state restored from settings).
void SyncChecks(const MenuActions& menus, const OptionsModel& options);

}  // namespace hx::ui
