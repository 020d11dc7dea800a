// The Options menu's click handlers as plain functions over the menu model.
#include "option_clicks.h"

namespace hx {

OptionClick ClickOption(OptionsModel& options, const QString& name) {
    OptionClick c;
    const int i = OptionsModel::IndexOf(name);
    if (i < 0 || !IsDisplayOption(MenuItems()[i].command)) return c;
    c.handled = true;
    if (name == StoredName(Option::MoonPicture)) {
        // Looked at before inverting: a checked item is being switched off.
        c.moonPictureShown = !options.Checked(name);
        c.moonPictureChanged = true;
    }
    options.Invert(name);
    c.showBalloon =
        name == StoredName(Option::TrayPlanetaryHours) || name == StoredName(Option::TrayMoonPhase);
    return c;
}

}  // namespace hx
