// The window's persisted components as plain adapters, in the window's visiting order.
#pragma once

#include <functional>

#include <QString>

namespace hx::ui {

struct ComponentState {
    enum class Kind { MenuItem, EditBox, CheckBox };
    QString name;  // the key: the component's declared name
    Kind kind;
    QString section;  // "Menu" for menu items, "Locale" for edit boxes and check boxes
    // Edit boxes use text/setText; menu items and check boxes use checked/setChecked.
    std::function<QString()> text;
    std::function<void(const QString&)> setText;
    std::function<bool()> checked;
    std::function<void(bool)> setChecked;
};

}  // namespace hx::ui
