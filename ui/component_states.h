// The window's edit boxes and check boxes as the settings store's components.
#pragma once

#include <QCheckBox>
#include <QLineEdit>

#include "settings/component.h"

namespace hx::ui {

class EditBoxComponent : public PersistentComponent {
  public:
    explicit EditBoxComponent(QLineEdit* edit) : edit_(edit) {}
    QString name() const override { return edit_->objectName(); }
    ComponentKind kind() const override { return ComponentKind::EditBox; }
    QString text() const override { return edit_->text(); }
    void setText(const QString& t) override { edit_->setText(t); }

  private:
    QLineEdit* edit_;
};

class CheckBoxComponent : public PersistentComponent {
  public:
    explicit CheckBoxComponent(QCheckBox* box) : box_(box) {}
    QString name() const override { return box_->objectName(); }
    ComponentKind kind() const override { return ComponentKind::CheckBox; }
    bool checked() const override { return box_->isChecked(); }
    void setChecked(bool c) override { box_->setChecked(c); }

  private:
    QCheckBox* box_;
};

}  // namespace hx::ui
