// The Options menu's click handlers as plain functions over the menu model.
#include "option_clicks.h"

#include <QSet>

namespace hx {

OptionClick ClickOption(OptionsModel& options, const QString& name) {
    static const QSet<QString> display = {"Long1",        "Short1",
                                          "Roman1",       "None3",
                                          "Long2",        "Short2",
                                          "None2",        "IVx1",
                                          "iv101",        "ivX2",
                                          "N4x1",         "N4X2",
                                          "Nospace1",     "An1",
                                          "Anno1",        "None1",
                                          "N11",          "N21",
                                          "N31",          "Degrees1",
                                          "Solarevents1", "PlanetaryHours1",
                                          "Moonphase1",   "PlanetaryHours2",
                                          "MoonPhase2"};
    OptionClick c;
    if (!display.contains(name)) return c;
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
