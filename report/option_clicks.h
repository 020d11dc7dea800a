// What a click on an Options menu item does besides rebuilding the report.
#pragma once

#include <QString>

#include "menu/options_model.h"

namespace hx {

inline constexpr int kPanelHeightWithMoon = 57;
inline constexpr int kPanelHeightWithoutMoon = 28;

struct OptionClick {
    bool handled = false;  // the item is a display option
    bool moonPictureShown = false;
    bool moonPictureChanged = false;  // Moonphase1: apply moonPictureShown and the panel height
    bool showBalloon = false;         // the two "Task bar" items show the tray balloon
};

// Inverts the item's check mark with the group rule and says what else to do:
// onDisplayOptionClicked for the display options, onMoonPictureClicked, onTrayMoonPhaseClicked,
// onTrayPlanetaryHoursClicked.
OptionClick ClickOption(OptionsModel& options, const QString& name);

inline int HeaderPanelHeight(bool moonShown) {
    return moonShown ? kPanelHeightWithMoon : kPanelHeightWithoutMoon;
}

}  // namespace hx
