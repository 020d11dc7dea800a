// The window's edit boxes and check boxes as the settings store's components, each stored
// under its field's key, whatever the widget is called.
#pragma once

#include <QCheckBox>
#include <QLineEdit>

#include "menu/stored_names.h"
#include "settings/component.h"

namespace hx::ui {

class EditBoxComponent : public PersistentComponent {
  public:
    EditBoxComponent(SiteField role, QLineEdit* edit) : role_(role), edit_(edit) {}
    QString name() const override { return StoredName(role_); }
    ComponentKind kind() const override { return ComponentKind::EditBox; }
    QString text() const override { return edit_->text(); }
    void setText(const QString& t) override { edit_->setText(t); }

  private:
    SiteField role_;
    QLineEdit* edit_;
};

class CheckBoxComponent : public PersistentComponent {
  public:
    CheckBoxComponent(SiteField role, QCheckBox* box) : role_(role), box_(box) {}
    QString name() const override { return StoredName(role_); }
    ComponentKind kind() const override { return ComponentKind::CheckBox; }
    bool checked() const override { return box_->isChecked(); }
    void setChecked(bool c) override { box_->setChecked(c); }

  private:
    SiteField role_;
    QCheckBox* box_;
};

}  // namespace hx::ui
