// The components the settings store visits: 14 "Locale" components, then the 51 menu items.
#include "component_states.h"

#include <QComboBox>

#include "settings/window_settings.h"
#include "tform1.h"

namespace hx::ui {

std::vector<std::unique_ptr<PersistentComponent>> TForm1::ComponentStates() {
    std::vector<std::unique_ptr<PersistentComponent>> list;
    auto edit = [&](QLineEdit* e) { list.push_back(std::make_unique<EditBoxComponent>(e)); };
    auto box = [&](QCheckBox* c) { list.push_back(std::make_unique<CheckBoxComponent>(c)); };
    edit(lookUp_.query);  // Edit11
    edit(locale_.Edit3);
    edit(locale_.Edit2);
    box(locale_.CheckBox1);
    box(locale_.CheckBox2);
    edit(locale_.Edit5);
    edit(locale_.Edit4);
    edit(locale_.Edit6);
    box(locale_.CheckBox3);
    edit(locale_.Edit12);
    edit(weather_.Edit7);
    edit(weather_.Edit9);
    edit(weather_.Edit8);
    edit(alternate_.query);  // Edit10
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
        SetZone(store_->ReadString(QStringLiteral("Site"), QStringLiteral("Zone"), {}));
    }
    SyncMenu();
}

}  // namespace hx::ui
