// The Options menu's click handlers as plain functions over the menu model.
#include "option_clicks.h"

namespace hx {

OptionClick ClickOption(OptionsModel& options, const QString& name) {
    OptionClick c;
    const int i = OptionsModel::IndexOf(name);
    if (i < 0 || !IsDisplayOption(MenuItems()[i].command)) return c;
    c.handled = true;
    if (name == QLatin1String("Moonphase1")) {
        // Looked at before inverting: a checked item is being switched off.
        c.moonPictureShown = !options.Checked(name);
        c.moonPictureChanged = true;
    }
    options.Invert(name);
    c.showBalloon = name == QLatin1String("PlanetaryHours2") || name == QLatin1String("MoonPhase2");
    return c;
}

}  // namespace hx
