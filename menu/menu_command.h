// The commands the menu items run.
#pragma once

namespace hx {

// What a click on an item runs. The window maps each command to its handler; the display
// options are the items whose click only changes what the report shows.
enum class MenuCommand {
    None,             // submenus and items without a command
    DisplayOption,    // onDisplayOptionClicked: a format or extras check mark
    MoonPicture,      // onMoonPictureClicked
    TrayHours,        // onTrayPlanetaryHoursClicked
    TrayMoonPhase,    // onTrayMoonPhaseClicked
    Clock,            // onClockOnClicked
    Now,              // onNowClicked
    Exit,             // onExit
    Locale,           // onLocaleClicked
    Refresh,          // onRefreshClicked
    InternetSwitch,   // onInternetSwitchClicked
    DateToClipboard,  // onDateToClipboard
    Restore,          // onRestore
    ReverseLookup,    // onReverseLookupClicked
    About,            // onAboutClicked
    Copy,             // onCopy
    Count
};

// A click on the item changes only what the report shows (the Options menu's display items).
constexpr bool IsDisplayOption(MenuCommand c) {
    return c == MenuCommand::DisplayOption || c == MenuCommand::MoonPicture ||
           c == MenuCommand::TrayHours || c == MenuCommand::TrayMoonPhase;
}

}  // namespace hx
