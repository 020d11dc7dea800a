// The menu table and the radio-group rule.
#include "options_model.h"

#include <unordered_map>

namespace hx {

const std::vector<MenuItemDef>& MenuItems() {
    static const std::vector<MenuItemDef> items = {
        {"File1", "&File", "", 0, false, false, ""},
        {"Exit1", "E&xit", "File1", 0, false, false, "Button3Click"},
        {"Calculate1", "&Calculate", "", 0, false, false, ""},
        {"Now1", "&Now", "Calculate1", 0, false, false, "Button2Click"},
        {"LookupThelemicDatereverse1", "&Look up Thelemic Date (reverse)", "Calculate1", 0, false,
         false, "LookupThelemicDatereverse1Click"},
        {"Edit1", "&Edit", "", 0, false, false, ""},
        {"Copy1", "&Copy", "Edit1", 0, false, false, ""},
        {"Options1", "&Options", "", 0, false, false, ""},
        {"Format1", "&Format", "Options1", 0, false, false, ""},
        {"Date1", "&Date", "Format1", 0, false, false, ""},
        {"Long1", "&Long", "Date1", 1, true, true, "Long2Click"},
        {"Short1", "&Short", "Date1", 1, true, false, "Long2Click"},
        {"Roman1", "&Roman", "Date1", 1, true, false, "Long2Click"},
        {"None3", "&None", "Date1", 1, true, false, "Long2Click"},
        {"Time1", "&Time", "Format1", 0, false, false, ""},
        {"Long2", "&Long", "Time1", 2, true, true, "Long2Click"},
        {"Short2", "&Short", "Time1", 2, true, false, "Long2Click"},
        {"None2", "&None", "Time1", 2, true, false, "Long2Click"},
        {"Year1", "&Year", "Format1", 0, false, false, ""},
        {"IVx1", "&IV x", "Year1", 3, true, true, "Long2Click"},
        {"iv101", "i&v 10", "Year1", 3, true, false, "Long2Click"},
        {"ivX2", "iv& X", "Year1", 3, true, false, "Long2Click"},
        {"N4x1", "&4 x", "Year1", 3, true, false, "Long2Click"},
        {"N4X2", "4 X", "Year1", 3, true, false, "Long2Click"},
        {"Nospace1", "&No space", "Year1", 3, false, false, "Long2Click"},
        {"Prefix1", "&Prefix", "Format1", 0, false, false, ""},
        {"An1", "&An", "Prefix1", 4, true, true, "Long2Click"},
        {"Anno1", "Ann&o", "Prefix1", 4, true, false, "Long2Click"},
        {"None1", "Non&e", "Prefix1", 4, true, false, "Long2Click"},
        {"Lines1", "&Lines", "Format1", 0, false, false, ""},
        {"N11", "&1", "Lines1", 5, true, true, "Long2Click"},
        {"N21", "&2", "Lines1", 5, true, false, "Long2Click"},
        {"N31", "&3", "Lines1", 5, true, false, "Long2Click"},
        {"Degrees1", "Degrees", "Format1", 0, true, true, "Long2Click"},
        {"Extras1", "E&xtras", "Options1", 0, false, false, ""},
        {"Solarevents1", "&Solar events", "Extras1", 0, false, true, "Long2Click"},
        {"PlanetaryHours1", "&Planetary Hours", "Extras1", 0, false, true, "Long2Click"},
        {"Moonphase1", "&Moon phase", "Extras1", 0, false, true, "Moonphase1Click"},
        {"askbar1", "Task bar", "Extras1", 0, false, false, ""},
        {"PlanetaryHours2", "Planetary Hours", "askbar1", 6, true, false, "PlanetaryHours2Click"},
        {"MoonPhase2", "Moon Phase", "askbar1", 6, true, true, "MoonPhase2Click"},
        {"Locale1", "&Locale", "Options1", 0, false, false, "Locale1Click"},
        {"Clockon1", "&Clock on", "Options1", 0, false, false, "Clockon1Click"},
        {"Internet1", "Internet", "Options1", 0, false, false, ""},
        {"Refresh1", "Refresh weather and feeds every ten min", "Internet1", 0, false, false,
         "Refresh1Click"},
        {"Disabled1", "Disable internet functions", "Internet1", 0, false, false, "Disabled1Click"},
        {"Help1", "&Help", "", 0, false, false, ""},
        {"About1", "&About", "Help1", 0, false, false, "About1Click"},
        {"DatetoClipboard1", "Date to Clipboard", "PopupMenu1", 0, false, false,
         "DatetoClipboard1Click"},
        {"Restore1", "Restore", "PopupMenu1", 0, false, false, "Restore1Click"},
        {"Exit2", "Exit", "PopupMenu1", 0, false, false, "Button3Click"},
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
