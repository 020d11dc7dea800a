// The commands the menu items run.
#pragma once

namespace hx {

// What a click on an item runs. The window maps each command to its handler; the display
// options are the items whose click only changes what the report shows.
enum class MenuCommand {
    None,             // submenus and items without a command
    DisplayOption,    // Long2Click: a format or extras check mark
    MoonPicture,      // Moonphase1Click
    TrayHours,        // PlanetaryHours2Click
    TrayMoonPhase,    // MoonPhase2Click
    Clock,            // Clockon1Click
    Now,              // Button2Click
    Exit,             // Button3Click
    Locale,           // Locale1Click
    Refresh,          // Refresh1Click
    InternetSwitch,   // Disabled1Click
    DateToClipboard,  // DatetoClipboard1Click
    Restore,          // Restore1Click
    ReverseLookup,    // LookupThelemicDatereverse1Click
    About,            // About1Click
    Copy,             // Copy1Click
    Count
};

// A click on the item changes only what the report shows (the Options menu's display items).
constexpr bool IsDisplayOption(MenuCommand c) {
    return c == MenuCommand::DisplayOption || c == MenuCommand::MoonPicture ||
           c == MenuCommand::TrayHours || c == MenuCommand::TrayMoonPhase;
}

}  // namespace hx
