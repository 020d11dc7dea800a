// The main window's components in heliodex.ini: "Locale" fields and "Menu" check marks.
#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QStringList>

#include "menu/options_model.h"
#include "menu/stored_names.h"
#include "settings/component.h"
#include "settings/extini.h"

namespace hx {

// A menu item's check mark in the options model; setting it applies the group rule.
class MenuItemComponent : public PersistentComponent {
  public:
    MenuItemComponent(OptionsModel& model, QString name) : model_(model), name_(std::move(name)) {}
    QString name() const override { return name_; }
    ComponentKind kind() const override { return ComponentKind::MenuItem; }
    bool checked() const override { return model_.Checked(name_); }
    void setChecked(bool c) override { model_.SetChecked(name_, c); }

  private:
    OptionsModel& model_;
    QString name_;
};

// Every menu item of the model, in menu order (which is the visiting order).
std::vector<std::unique_ptr<PersistentComponent>> MenuComponents(OptionsModel& model);

// The fourteen "Locale" fields in visiting order with their design states ("55413" in both
// lookup fields, "10" as the clock resolution, the rest empty or unchecked).
std::vector<FieldComponent> LocaleFields();
ComponentKind SiteFieldKind(SiteField f);  // a check box or an edit box
QString SiteFieldDesignText(SiteField f);  // the text a field has before any restore

// The order in which the window visits its components: the "Locale" keys, then the menu keys.
const QStringList& VisitingOrder();

// "Menu" for menu items, "Locale" for edit boxes and check boxes, empty for other kinds.
QString WindowSection(ComponentKind kind);

// Restores or saves the components in the visiting order (names outside it follow, in the
// order given), each in its kind's section; other kinds are skipped. Restoring reads the file
// once; saving replaces it once, so a failed save leaves the old file whole.
void RestoreWindowComponents(const TExtIniF& store,
                             const std::vector<PersistentComponent*>& components);
void SaveWindowComponents(TExtIniF& store, const std::vector<PersistentComponent*>& components);

// heliodex.ini in the program directory.
QString SettingsFilePath();

}  // namespace hx
