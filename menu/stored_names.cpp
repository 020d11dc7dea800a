// The stored-name table: every name the program writes into its files, by role.
#include "stored_names.h"

#include <array>

namespace hx {

namespace {

struct Entry {
    const char* role;
    const char* stored;
};

constexpr std::array<Entry, int(Option::Count)> kOptions = {{
    {"FileMenu", "File1"},
    {"Exit", "Exit1"},
    {"CalculateMenu", "Calculate1"},
    {"Now", "Now1"},
    {"ReverseLookup", "LookupThelemicDatereverse1"},
    {"EditMenu", "Edit1"},
    {"Copy", "Copy1"},
    {"OptionsMenu", "Options1"},
    {"FormatMenu", "Format1"},
    {"DateMenu", "Date1"},
    {"LongDate", "Long1"},
    {"ShortDate", "Short1"},
    {"RomanDate", "Roman1"},
    {"NoDate", "None3"},
    {"TimeMenu", "Time1"},
    {"LongTime", "Long2"},
    {"ShortTime", "Short2"},
    {"NoTime", "None2"},
    {"YearMenu", "Year1"},
    {"YearIVx", "IVx1"},
    {"Yeariv10", "iv101"},
    {"YearivX", "ivX2"},
    {"Year4x", "N4x1"},
    {"Year4X", "N4X2"},
    {"YearNoSpace", "Nospace1"},
    {"PrefixMenu", "Prefix1"},
    {"PrefixAn", "An1"},
    {"PrefixAnno", "Anno1"},
    {"PrefixNone", "None1"},
    {"LinesMenu", "Lines1"},
    {"OneLine", "N11"},
    {"TwoLines", "N21"},
    {"ThreeLines", "N31"},
    {"Degrees", "Degrees1"},
    {"ExtrasMenu", "Extras1"},
    {"SolarEvents", "Solarevents1"},
    {"PlanetaryHours", "PlanetaryHours1"},
    {"MoonPicture", "Moonphase1"},
    {"TaskBarMenu", "askbar1"},
    {"TrayPlanetaryHours", "PlanetaryHours2"},
    {"TrayMoonPhase", "MoonPhase2"},
    {"LocaleCommand", "Locale1"},
    {"ClockOn", "Clockon1"},
    {"InternetMenu", "Internet1"},
    {"Refresh", "Refresh1"},
    {"InternetDisabled", "Disabled1"},
    {"HelpMenu", "Help1"},
    {"About", "About1"},
    {"DateToClipboard", "DatetoClipboard1"},
    {"Restore", "Restore1"},
    {"TrayExit", "Exit2"},
}};

constexpr std::array<Entry, int(SiteField::Count)> kSiteFields = {{
    {"LookUpQuery", "Edit11"},
    {"LatitudeMinutes", "Edit3"},
    {"LatitudeDegrees", "Edit2"},
    {"North", "CheckBox1"},
    {"West", "CheckBox2"},
    {"LongitudeMinutes", "Edit5"},
    {"LongitudeDegrees", "Edit4"},
    {"TimeZone", "Edit6"},
    {"DaylightTime", "CheckBox3"},
    {"ClockResolution", "Edit12"},
    {"Pressure", "Edit7"},
    {"Altitude", "Edit9"},
    {"Temperature", "Edit8"},
    {"AlternateQuery", "Edit10"},
}};

constexpr std::array<Entry, int(Page::Count)> kPages = {{
    {"Main", "TabSheet1"},
    {"LookUp", "TabSheet5"},
    {"Locale", "TabSheet2"},
    {"Weather", "TabSheet3"},
    {"Alternate", "TabSheet4"},
    {"News", "TabSheet6"},
    {"Log", "TabSheet7"},
    {"Alarms", "TabSheet8"},
    {"Sounds", "TabSheet9"},
    {"Sky", "SkyPage"},
}};

constexpr std::array<Entry, int(Section::Count)> kSections = {{
    {"Menu", "Menu"},
    {"Locale", "Locale"},
    {"Window", "Window"},
    {"Services", "Services"},
    {"Site", "Site"},
}};

// The section each key is in, by index into kSections.
constexpr std::array<std::pair<Entry, Section>, int(Key::Count)> kKeys = {{
    {{"Left", "Left"}, Section::Window},
    {{"Top", "Top"}, Section::Window},
    {{"Width", "Width"}, Section::Window},
    {{"Height", "Height"}, Section::Window},
    {{"Maximized", "Maximized"}, Section::Window},
    {{"Page", "Page"}, Section::Window},
    {{"WeatherService", "WeatherService"}, Section::Services},
    {{"GazetteerService", "GazetteerService"}, Section::Services},
    {{"MakerSite", "MakerSite"}, Section::Services},
    {{"NewsFeed", "NewsFeed"}, Section::Services},
    {{"Zone", "Zone"}, Section::Site},
}};

constexpr std::array<Entry, int(StateFile::Count)> kFiles = {{
    {"Settings", StoredFileName(StateFile::Settings)},
    {"RecentLocations", StoredFileName(StateFile::RecentLocations)},
    {"AlarmStates", StoredFileName(StateFile::AlarmStates)},
    {"AlarmSounds", StoredFileName(StateFile::AlarmSounds)},
    {"AlarmOffsets", StoredFileName(StateFile::AlarmOffsets)},
    {"HourAlarms", StoredFileName(StateFile::HourAlarms)},
    {"HourSounds", StoredFileName(StateFile::HourSounds)},
    {"ReportHeader", StoredFileName(StateFile::ReportHeader)},
    {"RecentLookups", StoredFileName(StateFile::RecentLookups)},
    {"SavedPlaces", StoredFileName(StateFile::SavedPlaces)},
    {"SkyAlarms", StoredFileName(StateFile::SkyAlarms)},
    {"OwnOptions", StoredFileName(StateFile::OwnOptions)},
}};

template <typename E, size_t N>
std::optional<E> Find(const std::array<Entry, N>& table, const QString& stored) {
    for (size_t i = 0; i < N; ++i)
        if (stored == QLatin1String(table[i].stored)) return E(i);
    return std::nullopt;
}

}  // namespace

QString StoredName(Option o) {
    return QString::fromLatin1(kOptions[size_t(o)].stored);
}
const char* StoredKey(Option o) {
    return kOptions[size_t(o)].stored;
}
QString StoredName(SiteField f) {
    return QString::fromLatin1(kSiteFields[size_t(f)].stored);
}
QString StoredName(Page p) {
    return QString::fromLatin1(kPages[size_t(p)].stored);
}
QString StoredName(Section s) {
    return QString::fromLatin1(kSections[size_t(s)].stored);
}
QString StoredName(Key k) {
    return QString::fromLatin1(kKeys[size_t(k)].first.stored);
}
QString StoredName(StateFile f) {
    return QString::fromLatin1(kFiles[size_t(f)].stored);
}

std::optional<Option> OptionNamed(const QString& stored) {
    return Find<Option>(kOptions, stored);
}
std::optional<Page> PageNamed(const QString& stored) {
    return Find<Page>(kPages, stored);
}

std::vector<StoredNameRow> StoredNameTable() {
    std::vector<StoredNameRow> rows;
    const QString ini = StoredName(StateFile::Settings);
    auto add = [&](const QString& place, const char* stored, const char* type, const char* role) {
        rows.push_back({place, QString::fromLatin1(stored),
                        QString::fromLatin1(type) + "::" + QString::fromLatin1(role)});
    };
    for (const Entry& e : kFiles)
        add(QStringLiteral("program directory"), e.stored, "StateFile", e.role);
    for (const Entry& e : kSections) add(ini, e.stored, "Section", e.role);
    for (const Entry& e : kSiteFields) add(ini + " [Locale]", e.stored, "SiteField", e.role);
    for (const Entry& e : kOptions) add(ini + " [Menu]", e.stored, "Option", e.role);
    for (const auto& [e, section] : kKeys)
        add(ini + " [" + StoredName(section) + "]", e.stored, "Key", e.role);
    for (const Entry& e : kPages) add(ini + " [Window] Page", e.stored, "Page", e.role);
    return rows;
}

}  // namespace hx
