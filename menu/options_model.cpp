// The menu table and the radio-group rule.
#include "options_model.h"

#include <unordered_map>

namespace hx {

const std::vector<MenuItemDef>& MenuItems() {
    using C = MenuCommand;
    static const std::vector<MenuItemDef> items = {
        {"File1", "&File", "", 0, false, false, C::None},
        {"Exit1", "E&xit", "File1", 0, false, false, C::Exit},
        {"Calculate1", "&Calculate", "", 0, false, false, C::None},
        {"Now1", "&Now", "Calculate1", 0, false, false, C::Now},
        {"LookupThelemicDatereverse1", "&Look up Thelemic Date (reverse)", "Calculate1", 0, false,
         false, C::ReverseLookup},
        {"Edit1", "&Edit", "", 0, false, false, C::None},
        {"Copy1", "&Copy", "Edit1", 0, false, false, C::Copy},
        {"Options1", "&Options", "", 0, false, false, C::None},
        {"Format1", "&Format", "Options1", 0, false, false, C::None},
        {"Date1", "&Date", "Format1", 0, false, false, C::None},
        {"Long1", "&Long", "Date1", 1, true, true, C::DisplayOption},
        {"Short1", "&Short", "Date1", 1, true, false, C::DisplayOption},
        {"Roman1", "&Roman", "Date1", 1, true, false, C::DisplayOption},
        {"None3", "&None", "Date1", 1, true, false, C::DisplayOption},
        {"Time1", "&Time", "Format1", 0, false, false, C::None},
        {"Long2", "&Long", "Time1", 2, true, true, C::DisplayOption},
        {"Short2", "&Short", "Time1", 2, true, false, C::DisplayOption},
        {"None2", "&None", "Time1", 2, true, false, C::DisplayOption},
        {"Year1", "&Year", "Format1", 0, false, false, C::None},
        {"IVx1", "&IV x", "Year1", 3, true, true, C::DisplayOption},
        {"iv101", "i&v 10", "Year1", 3, true, false, C::DisplayOption},
        {"ivX2", "iv& X", "Year1", 3, true, false, C::DisplayOption},
        {"N4x1", "&4 x", "Year1", 3, true, false, C::DisplayOption},
        {"N4X2", "4 X", "Year1", 3, true, false, C::DisplayOption},
        {"Nospace1", "&No space", "Year1", 3, false, false, C::DisplayOption},
        {"Prefix1", "&Prefix", "Format1", 0, false, false, C::None},
        {"An1", "&An", "Prefix1", 4, true, true, C::DisplayOption},
        {"Anno1", "Ann&o", "Prefix1", 4, true, false, C::DisplayOption},
        {"None1", "Non&e", "Prefix1", 4, true, false, C::DisplayOption},
        {"Lines1", "&Lines", "Format1", 0, false, false, C::None},
        {"N11", "&1", "Lines1", 5, true, true, C::DisplayOption},
        {"N21", "&2", "Lines1", 5, true, false, C::DisplayOption},
        {"N31", "&3", "Lines1", 5, true, false, C::DisplayOption},
        {"Degrees1", "Degrees", "Format1", 0, true, true, C::DisplayOption},
        {"Extras1", "E&xtras", "Options1", 0, false, false, C::None},
        {"Solarevents1", "&Solar events", "Extras1", 0, false, true, C::DisplayOption},
        {"PlanetaryHours1", "&Planetary Hours", "Extras1", 0, false, true, C::DisplayOption},
        {"Moonphase1", "&Moon phase", "Extras1", 0, false, true, C::MoonPicture},
        {"askbar1", "Task bar", "Extras1", 0, false, false, C::None},
        {"PlanetaryHours2", "Planetary Hours", "askbar1", 6, true, false, C::TrayHours},
        {"MoonPhase2", "Moon Phase", "askbar1", 6, true, true, C::TrayMoonPhase},
        {"Locale1", "&Locale", "Options1", 0, false, false, C::Locale},
        {"Clockon1", "&Clock on", "Options1", 0, false, false, C::Clock},
        {"Internet1", "Internet", "Options1", 0, false, false, C::None},
        {"Refresh1", "Refresh weather and feeds every ten min", "Internet1", 0, false, false,
         C::Refresh},
        {"Disabled1", "Disable internet functions", "Internet1", 0, false, false,
         C::InternetSwitch},
        {"Help1", "&Help", "", 0, false, false, C::None},
        {"About1", "&About", "Help1", 0, false, false, C::About},
        {"DatetoClipboard1", "Date to Clipboard", "PopupMenu1", 0, false, false,
         C::DateToClipboard},
        {"Restore1", "Restore", "PopupMenu1", 0, false, false, C::Restore},
        {"Exit2", "Exit", "PopupMenu1", 0, false, false, C::Exit},
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
    s.degrees = o.Checked("Degrees1");
    s.noSpace = o.Checked("Nospace1");
    // The first checked item of each group decides, as the menu is read top to bottom.
    if (o.Checked("IVx1"))
        s.year = YearStyle::IVx;
    else if (o.Checked("iv101"))
        s.year = YearStyle::iv10;
    else if (o.Checked("ivX2"))
        s.year = YearStyle::ivX;
    else if (o.Checked("N4x1"))
        s.year = YearStyle::N4x;
    else if (o.Checked("N4X2"))
        s.year = YearStyle::N4X;
    else
        s.year = YearStyle::None;
    if (o.Checked("An1"))
        s.prefix = YearPrefix::An;
    else if (o.Checked("Anno1"))
        s.prefix = YearPrefix::Anno;
    else if (o.Checked("None1"))
        s.prefix = YearPrefix::Bare;
    else
        s.prefix = YearPrefix::Omitted;
    return s;
}

}  // namespace hx
