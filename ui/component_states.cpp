// The components the settings store visits: 14 "Locale" components, then the 51 menu items.
#include "component_states.h"

#include <QComboBox>

#include "main_window.h"
#include "settings/service_addresses.h"
#include "settings/window_settings.h"
#include "site_editor.h"
#include "window_place_autostart.h"

namespace hx::ui {

std::vector<std::unique_ptr<PersistentComponent>> MainWindow::ComponentStates() {
    std::vector<std::unique_ptr<PersistentComponent>> list;
    auto edit = [&](SiteField role, QLineEdit* e) {
        list.push_back(std::make_unique<EditBoxComponent>(role, e));
    };
    auto box = [&](SiteField role, QCheckBox* c) {
        list.push_back(std::make_unique<CheckBoxComponent>(role, c));
    };
    using F = SiteField;
    edit(F::LookUpQuery, lookups_->LookUp().query);
    edit(F::LatitudeMinutes, locale_.latMinutes);
    edit(F::LatitudeDegrees, locale_.latDegrees);
    box(F::North, locale_.north);
    box(F::West, locale_.west);
    edit(F::LongitudeMinutes, locale_.lonMinutes);
    edit(F::LongitudeDegrees, locale_.lonDegrees);
    edit(F::TimeZone, locale_.timeZone);
    box(F::DaylightTime, locale_.daylight);
    edit(F::ClockResolution, locale_.clockResolution);
    edit(F::Pressure, weather_.pressure);
    edit(F::Altitude, weather_.altitude);
    edit(F::Temperature, weather_.temperatureF);
    edit(F::AlternateQuery, lookups_->Alternate().query);
    for (auto& item : MenuComponents(options_)) list.push_back(std::move(item));
    return list;
}

void MainWindow::RestoreSettings() {
    store_ = std::make_unique<TExtIniF>(SettingsFilePath());
    const auto components = ComponentStates();
    std::vector<PersistentComponent*> visit;
    for (const auto& c : components) visit.push_back(c.get());
    RestoreWindowComponents(*store_, visit);
    // Start-up reads the site after this step.
    site_->SelectZone(store_->ReadString(StoredName(Section::Site), StoredName(Key::Zone), {}));
    SyncMenu();
}

void MainWindow::SaveSettings() {
    if (!store_) store_ = std::make_unique<TExtIniF>(SettingsFilePath());
    const auto components = ComponentStates();
    std::vector<PersistentComponent*> visit;
    for (const auto& c : components) visit.push_back(c.get());
    SaveWindowComponents(*store_, visit);
    SaveServices(*store_, addresses_);
    SaveWindowPlace(*store_, windowPlace_->Current());
    store_->WriteString(StoredName(Section::Site), StoredName(Key::Zone), observer().Zone);
    store_.reset();
}

}  // namespace hx::ui
