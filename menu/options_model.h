// The menu items as a model: names, captions, radio groups and check marks.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "core/thelemic.h"
#include "menu/menu_command.h"
#include "menu/stored_names.h"

namespace hx {

struct MenuItemDef {
    const char* name;
    const char* caption;
    const char* parent;  // "" for the menu bar; kTrayMenu for the tray menu
    int group;
    bool radio;
    bool checked;  // the design check mark
    MenuCommand command;
    Option option;  // the item's role; name is its stored key
};

// The parent of the tray menu's items.
inline constexpr const char* kTrayMenu = "PopupMenu1";

// Every item of the main menu in menu order, then the three of the tray menu.
const std::vector<MenuItemDef>& MenuItems();

class OptionsModel {
  public:
    OptionsModel();  // design check marks

    bool Checked(Option o) const;
    void SetChecked(Option o, bool checked);
    bool Has(const QString& name) const;
    bool Checked(const QString& name) const;
    // Sets a check mark; checking a radio item clears the other radio items of its
    // submenu and group. Clearing sets none. Unknown names are ignored.
    void SetChecked(const QString& name, bool checked);
    // Inverts the check mark with the group rule; returns the new state.
    bool Invert(const QString& name);
    // Index into MenuItems(), or -1.
    static int IndexOf(const QString& name);
    // Names of the items whose check marks differ from other's.
    QStringList Differences(const OptionsModel& other) const;

    bool operator==(const OptionsModel&) const = default;

  private:
    std::vector<bool> checked_;
};

// The Thelemic line's style read from the check marks.
ThelemicStyle ThelemicStyleOf(const OptionsModel& options);

}  // namespace hx
