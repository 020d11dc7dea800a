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
    edit(F::LatitudeMinutes, site_->Locale().latMinutes);
    edit(F::LatitudeDegrees, site_->Locale().latDegrees);
    box(F::North, site_->Locale().north);
    box(F::West, site_->Locale().west);
    edit(F::LongitudeMinutes, site_->Locale().lonMinutes);
    edit(F::LongitudeDegrees, site_->Locale().lonDegrees);
    edit(F::TimeZone, site_->Locale().timeZone);
    box(F::DaylightTime, site_->Locale().daylight);
    edit(F::ClockResolution, site_->Locale().clockResolution);
    edit(F::Pressure, site_->Weather().pressure);
    edit(F::Altitude, site_->Weather().altitude);
    edit(F::Temperature, site_->Weather().temperatureF);
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
