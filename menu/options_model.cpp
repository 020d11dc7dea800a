// The menu table and the radio-group rule.
#include "options_model.h"

#include <unordered_map>

namespace hx {

namespace {

using O = Option;
enum class Tier { Bar, Tray };  // an item's parent when it is no submenu

MenuItemDef Item(Option o, const char* caption, const char* parent, int group, bool radio,
                 bool checked, MenuCommand command) {
    return {StoredKey(o), caption, parent, group, radio, checked, command, o};
}
MenuItemDef Item(Option o, const char* caption, Option parent, int group, bool radio, bool checked,
                 MenuCommand command) {
    return Item(o, caption, StoredKey(parent), group, radio, checked, command);
}
MenuItemDef Item(Option o, const char* caption, Tier parent, int group, bool radio, bool checked,
                 MenuCommand command) {
    return Item(o, caption, parent == Tier::Bar ? "" : kTrayMenu, group, radio, checked, command);
}

}  // namespace

const std::vector<MenuItemDef>& MenuItems() {
    using C = MenuCommand;
    static const std::vector<MenuItemDef> items = {
        Item(O::FileMenu, "&File", Tier::Bar, 0, false, false, C::None),
        Item(O::Exit, "E&xit", O::FileMenu, 0, false, false, C::Exit),
        Item(O::CalculateMenu, "&Calculate", Tier::Bar, 0, false, false, C::None),
        Item(O::Now, "&Now", O::CalculateMenu, 0, false, false, C::Now),
        Item(O::ReverseLookup, "&Look up Thelemic Date (reverse)", O::CalculateMenu, 0, false,
             false, C::ReverseLookup),
        Item(O::EditMenu, "&Edit", Tier::Bar, 0, false, false, C::None),
        Item(O::Copy, "&Copy", O::EditMenu, 0, false, false, C::Copy),
        Item(O::OptionsMenu, "&Options", Tier::Bar, 0, false, false, C::None),
        Item(O::FormatMenu, "&Format", O::OptionsMenu, 0, false, false, C::None),
        Item(O::DateMenu, "&Date", O::FormatMenu, 0, false, false, C::None),
        Item(O::LongDate, "&Long", O::DateMenu, 1, true, true, C::DisplayOption),
        Item(O::ShortDate, "&Short", O::DateMenu, 1, true, false, C::DisplayOption),
        Item(O::RomanDate, "&Roman", O::DateMenu, 1, true, false, C::DisplayOption),
        Item(O::NoDate, "&None", O::DateMenu, 1, true, false, C::DisplayOption),
        Item(O::TimeMenu, "&Time", O::FormatMenu, 0, false, false, C::None),
        Item(O::LongTime, "&Long", O::TimeMenu, 2, true, true, C::DisplayOption),
        Item(O::ShortTime, "&Short", O::TimeMenu, 2, true, false, C::DisplayOption),
        Item(O::NoTime, "&None", O::TimeMenu, 2, true, false, C::DisplayOption),
        Item(O::YearMenu, "&Year", O::FormatMenu, 0, false, false, C::None),
        Item(O::YearIVx, "&IV x", O::YearMenu, 3, true, true, C::DisplayOption),
        Item(O::Yeariv10, "i&v 10", O::YearMenu, 3, true, false, C::DisplayOption),
        Item(O::YearivX, "iv& X", O::YearMenu, 3, true, false, C::DisplayOption),
        Item(O::Year4x, "&4 x", O::YearMenu, 3, true, false, C::DisplayOption),
        Item(O::Year4X, "4 X", O::YearMenu, 3, true, false, C::DisplayOption),
        Item(O::YearNoSpace, "&No space", O::YearMenu, 3, false, false, C::DisplayOption),
        Item(O::PrefixMenu, "&Prefix", O::FormatMenu, 0, false, false, C::None),
        Item(O::PrefixAn, "&An", O::PrefixMenu, 4, true, true, C::DisplayOption),
        Item(O::PrefixAnno, "Ann&o", O::PrefixMenu, 4, true, false, C::DisplayOption),
        Item(O::PrefixNone, "Non&e", O::PrefixMenu, 4, true, false, C::DisplayOption),
        Item(O::LinesMenu, "&Lines", O::FormatMenu, 0, false, false, C::None),
        Item(O::OneLine, "&1", O::LinesMenu, 5, true, true, C::DisplayOption),
        Item(O::TwoLines, "&2", O::LinesMenu, 5, true, false, C::DisplayOption),
        Item(O::ThreeLines, "&3", O::LinesMenu, 5, true, false, C::DisplayOption),
        Item(O::Degrees, "Degrees", O::FormatMenu, 0, true, true, C::DisplayOption),
        Item(O::ExtrasMenu, "E&xtras", O::OptionsMenu, 0, false, false, C::None),
        Item(O::SolarEvents, "&Solar events", O::ExtrasMenu, 0, false, true, C::DisplayOption),
        Item(O::PlanetaryHours, "&Planetary Hours", O::ExtrasMenu, 0, false, true,
             C::DisplayOption),
        Item(O::MoonPicture, "&Moon phase", O::ExtrasMenu, 0, false, true, C::MoonPicture),
        Item(O::TaskBarMenu, "Task bar", O::ExtrasMenu, 0, false, false, C::None),
        Item(O::TrayPlanetaryHours, "Planetary Hours", O::TaskBarMenu, 6, true, false,
             C::TrayHours),
        Item(O::TrayMoonPhase, "Moon Phase", O::TaskBarMenu, 6, true, true, C::TrayMoonPhase),
        Item(O::LocaleCommand, "&Locale", O::OptionsMenu, 0, false, false, C::Locale),
        Item(O::ClockOn, "&Clock on", O::OptionsMenu, 0, false, false, C::Clock),
        Item(O::InternetMenu, "Internet", O::OptionsMenu, 0, false, false, C::None),
        Item(O::Refresh, "Refresh weather and feeds every ten min", O::InternetMenu, 0, false,
             false, C::Refresh),
        Item(O::InternetDisabled, "Disable internet functions", O::InternetMenu, 0, false, false,
             C::InternetSwitch),
        Item(O::HelpMenu, "&Help", Tier::Bar, 0, false, false, C::None),
        Item(O::About, "&About", O::HelpMenu, 0, false, false, C::About),
        Item(O::DateToClipboard, "Date to Clipboard", Tier::Tray, 0, false, false,
             C::DateToClipboard),
        Item(O::Restore, "Restore", Tier::Tray, 0, false, false, C::Restore),
        Item(O::TrayExit, "Exit", Tier::Tray, 0, false, false, C::Exit),
    };
    return items;
}

int OptionsModel::IndexOf(const QString& name) {
    static const std::unordered_map<QString, int> index = [] {
        std::unordered_map<QString, int> m;
        const auto& items = MenuItems();
        for (int i = 0; i < int(items.size()); ++i)
            m.emplace(QString::fromLatin1(items[i].name), i);
        return m;
    }();
    const auto it = index.find(name);
    return it == index.end() ? -1 : it->second;
}

OptionsModel::OptionsModel() {
    for (const MenuItemDef& d : MenuItems()) checked_.push_back(d.checked);
}

bool OptionsModel::Checked(Option o) const {
    return checked_[size_t(o)];
}

void OptionsModel::SetChecked(Option o, bool checked) {
    SetChecked(StoredName(o), checked);
}

bool OptionsModel::Has(const QString& name) const {
    return IndexOf(name) >= 0;
}

bool OptionsModel::Checked(const QString& name) const {
    const int i = IndexOf(name);
    return i >= 0 && checked_[i];
}

void OptionsModel::SetChecked(const QString& name, bool checked) {
    const int i = IndexOf(name);
    if (i < 0) return;
    const auto& items = MenuItems();
    if (checked && items[i].radio) {
        for (int j = 0; j < int(items.size()); ++j) {
            if (j != i && items[j].radio && items[j].group == items[i].group &&
                qstrcmp(items[j].parent, items[i].parent) == 0)
                checked_[j] = false;
        }
    }
    checked_[i] = checked;
}

bool OptionsModel::Invert(const QString& name) {
    const bool now = !Checked(name);
    SetChecked(name, now);
    return Checked(name);
}

QStringList OptionsModel::Differences(const OptionsModel& other) const {
    QStringList out;
    const auto& items = MenuItems();
    for (int i = 0; i < int(items.size()); ++i)
        if (checked_[i] != other.checked_[i]) out << QString::fromLatin1(items[i].name);
    return out;
}

ThelemicStyle ThelemicStyleOf(const OptionsModel& o) {
    ThelemicStyle s;
    s.degrees = o.Checked(Option::Degrees);
    s.noSpace = o.Checked(Option::YearNoSpace);
    // The first checked item of each group decides, as the menu is read top to bottom.
    if (o.Checked(Option::YearIVx))
        s.year = YearStyle::IVx;
    else if (o.Checked(Option::Yeariv10))
        s.year = YearStyle::iv10;
    else if (o.Checked(Option::YearivX))
        s.year = YearStyle::ivX;
    else if (o.Checked(Option::Year4x))
        s.year = YearStyle::N4x;
    else if (o.Checked(Option::Year4X))
        s.year = YearStyle::N4X;
    else
        s.year = YearStyle::None;
    if (o.Checked(Option::PrefixAn))
        s.prefix = YearPrefix::An;
    else if (o.Checked(Option::PrefixAnno))
        s.prefix = YearPrefix::Anno;
    else if (o.Checked(Option::PrefixNone))
        s.prefix = YearPrefix::Bare;
    else
        s.prefix = YearPrefix::Omitted;
    return s;
}

}  // namespace hx
