// The state of a window component as the settings store sees it: a name, a kind, one property.
#pragma once

#include <QString>

namespace hx {

enum class ComponentKind { Other, MenuItem, EditBox, CheckBox };

// Implemented by the window's menu items, edit boxes and check boxes (and by plain values in
// tests and the command line). A menu item and a check box use checked(); an edit box text().
class PersistentComponent {
  public:
    virtual ~PersistentComponent() = default;
    virtual QString name() const = 0;
    virtual ComponentKind kind() const = 0;
    virtual bool checked() const { return false; }
    virtual void setChecked(bool) {}
    virtual QString text() const { return {}; }
    virtual void setText(const QString&) {}
};

// A component held as a plain value: an edit box's text or a check box's state.
class FieldComponent : public PersistentComponent {
  public:
    FieldComponent(QString name, ComponentKind kind, QString text = {}, bool checked = false)
        : name_(std::move(name)), kind_(kind), text_(std::move(text)), checked_(checked) {}
    QString name() const override { return name_; }
    ComponentKind kind() const override { return kind_; }
    bool checked() const override { return checked_; }
    void setChecked(bool c) override { checked_ = c; }
    QString text() const override { return text_; }
    void setText(const QString& t) override { text_ = t; }

  private:
    QString name_;
    ComponentKind kind_;
    QString text_;
    bool checked_;
};

}  // namespace hx
