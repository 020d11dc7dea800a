// The components the settings store visits: 14 "Locale" components, then the 51 menu items.
#include "component_states.h"

#include <QComboBox>

#include "settings/window_settings.h"
#include "tform1.h"

namespace hx::ui {

std::vector<std::unique_ptr<PersistentComponent>> TForm1::ComponentStates() {
    std::vector<std::unique_ptr<PersistentComponent>> list;
    auto edit = [&](SiteField role, QLineEdit* e) {
        list.push_back(std::make_unique<EditBoxComponent>(role, e));
    };
    auto box = [&](SiteField role, QCheckBox* c) {
        list.push_back(std::make_unique<CheckBoxComponent>(role, c));
    };
    using F = SiteField;
    edit(F::LookUpQuery, lookUp_.query);
    edit(F::LatitudeMinutes, locale_.Edit3);
    edit(F::LatitudeDegrees, locale_.Edit2);
    box(F::North, locale_.CheckBox1);
    box(F::West, locale_.CheckBox2);
    edit(F::LongitudeMinutes, locale_.Edit5);
    edit(F::LongitudeDegrees, locale_.Edit4);
    edit(F::TimeZone, locale_.Edit6);
    box(F::DaylightTime, locale_.CheckBox3);
    edit(F::ClockResolution, locale_.Edit12);
    edit(F::Pressure, weather_.Edit7);
    edit(F::Altitude, weather_.Edit9);
    edit(F::Temperature, weather_.Edit8);
    edit(F::AlternateQuery, alternate_.query);
    for (auto& item : MenuComponents(options_)) list.push_back(std::move(item));
    return list;
}

void TForm1::RestoreSettings() {
    store_ = std::make_unique<TExtIniF>(SettingsFilePath());
    const auto components = ComponentStates();
    std::vector<PersistentComponent*> visit;
    for (const auto& c : components) visit.push_back(c.get());
    RestoreWindowComponents(*store_, visit);
    {
        // Start-up reads the site after this step.
        const QSignalBlocker block(locale_.ZoneBox);
        SetZone(store_->ReadString(StoredName(Section::Site), StoredName(Key::Zone), {}));
    }
    SyncMenu();
}

}  // namespace hx::ui
