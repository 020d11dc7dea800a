// The names the program stores, each beside the role it stands for. Keys in heliodex.ini,
// its sections and the state files' names are kept exactly as earlier versions wrote them,
// so a saved file keeps its values; code names the roles, and only this table the text.
#pragma once

#include <iterator>
#include <optional>
#include <vector>

#include <QString>

namespace hx {

// The menu items, in menu order (main menu, then the tray menu): "Menu" keys and the values
// of heliodex-cli --option.
enum class Option {
    FileMenu,
    Exit,
    CalculateMenu,
    Now,
    ReverseLookup,
    EditMenu,
    Copy,
    OptionsMenu,
    FormatMenu,
    DateMenu,
    LongDate,
    ShortDate,
    RomanDate,
    NoDate,
    TimeMenu,
    LongTime,
    ShortTime,
    NoTime,
    YearMenu,
    YearIVx,
    Yeariv10,
    YearivX,
    Year4x,
    Year4X,
    YearNoSpace,
    PrefixMenu,
    PrefixAn,
    PrefixAnno,
    PrefixNone,
    LinesMenu,
    OneLine,
    TwoLines,
    ThreeLines,
    Degrees,
    ExtrasMenu,
    SolarEvents,
    PlanetaryHours,
    MoonPicture,
    TaskBarMenu,
    TrayPlanetaryHours,
    TrayMoonPhase,
    LocaleCommand,
    ClockOn,
    InternetMenu,
    Refresh,
    InternetDisabled,
    HelpMenu,
    About,
    DateToClipboard,
    Restore,
    TrayExit,
    Count
};

// The "Locale" fields in the order they are visited (and written on a new file).
enum class SiteField {
    LookUpQuery,
    LatitudeMinutes,
    LatitudeDegrees,
    North,
    West,
    LongitudeMinutes,
    LongitudeDegrees,
    TimeZone,
    DaylightTime,
    ClockResolution,
    Pressure,
    Altitude,
    Temperature,
    AlternateQuery,
    Count
};

// The pages in tab order; "Window" "Page" holds the current one's name.
enum class Page { Main, LookUp, Locale, Weather, Alternate, News, Log, Alarms, Sounds, Sky, Count };

enum class Section { Menu, Locale, Window, Services, Site, Count };

// Keys of the "Window", "Services" and "Site" sections.
enum class Key {
    Left,
    Top,
    Width,
    Height,
    Maximized,
    Page,
    WeatherService,
    GazetteerService,
    MakerSite,
    NewsFeed,
    Zone,
    Count
};

// The files the program keeps in its directory.
enum class StateFile {
    Settings,
    RecentLocations,
    AlarmStates,
    AlarmSounds,
    AlarmOffsets,
    HourAlarms,
    HourSounds,
    ReportHeader,
    RecentLookups,
    SavedPlaces,
    SkyAlarms,
    OwnOptions,
    Count
};

// A state file's name as a constant, for the tables that name their files.
constexpr const char* StoredFileName(StateFile f) {
    constexpr const char* names[] = {"heliodex.ini",    "zipcodes.txt",     "alarmlist.txt",
                                     "alarmsounds.txt", "alarmoffsets.txt", "houralarms.txt",
                                     "hoursounds.txt",  "td.txt",           "recentlookups.txt",
                                     "savedplaces.txt", "skyalarms.txt",    "heliodexoptions.txt"};
    static_assert(std::size(names) == size_t(StateFile::Count));
    return names[size_t(f)];
}

QString StoredName(Option o);
const char* StoredKey(Option o);  // the same, for the menu table
QString StoredName(SiteField f);
QString StoredName(Page p);
QString StoredName(Section s);
QString StoredName(Key k);
QString StoredName(StateFile f);

// The role a stored name stands for; nullopt for a name the program does not store.
std::optional<Option> OptionNamed(const QString& stored);
std::optional<Page> PageNamed(const QString& stored);

// One line of the table, for the documentation check: the file (and section) that holds the
// name, the stored text and the role's name in the code.
struct StoredNameRow {
    QString place;
    QString stored;
    QString role;
};
std::vector<StoredNameRow> StoredNameTable();

}  // namespace hx
