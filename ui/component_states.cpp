// The adapters the settings store visits: 14 "Locale" components, then the 51 menu items.
#include <QCheckBox>
#include <QLineEdit>

#include "tform1.h"

namespace hx::ui {

std::vector<ComponentState> TForm1::ComponentStates() {
    using Kind = ComponentState::Kind;
    std::vector<ComponentState> list;
    auto edit = [&](QLineEdit* e) {
        list.push_back({e->objectName(),
                        Kind::EditBox,
                        "Locale",
                        [e] { return e->text(); },
                        [e](const QString& t) { e->setText(t); },
                        {},
                        {}});
    };
    auto box = [&](QCheckBox* c) {
        list.push_back({c->objectName(),
                        Kind::CheckBox,
                        "Locale",
                        {},
                        {},
                        [c] { return c->isChecked(); },
                        [c](bool on) { c->setChecked(on); }});
    };
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
    for (const MenuItemDef& d : MenuItems()) {
        const QString name = QString::fromLatin1(d.name);
        list.push_back({name,
                        Kind::MenuItem,
                        "Menu",
                        {},
                        {},
                        [this, name] { return options_.Checked(name); },
                        [this, name](bool on) {
                            options_.SetChecked(name, on);
                            SyncMenu();
                        }});
    }
    return list;
}

}  // namespace hx::ui
