// The one error box of the clock, the alarms, the jobs and the handlers: while it is open, a
// further error is added to it (a text it holds already is not repeated), and once it holds a
// screenful the rest goes elsewhere (the Log page), so errors never stack up boxes.
#pragma once

#include <functional>
#include <utility>

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace hx::ui {

class ErrorBox {
  public:
    static constexpr int kLines = 12;  // beyond these, further errors overflow
    ErrorBox(QWidget* parent, std::function<void(const QString& text)> overflow)
        : parent_(parent), overflow_(std::move(overflow)) {}
    void Show(const QString& text);

  private:
    QWidget* parent_;
    std::function<void(const QString& text)> overflow_;
    QPointer<QMessageBox> box_;  // the box while it is on screen
};

}  // namespace hx::ui
