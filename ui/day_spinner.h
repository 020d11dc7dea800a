// daySpinner: a day spinner attached to no box; each arrow click is one day up or down.
#pragma once

#include <QSpinBox>

namespace hx::ui {

class DaySpinner : public QSpinBox {
    Q_OBJECT
  public:
    explicit DaySpinner(QWidget* parent = nullptr) : QSpinBox(parent) {
        setRange(-9999, 9999);
        setWrapping(true);
        setFixedWidth(18);
        setFocusPolicy(Qt::NoFocus);
    }
    // The position wraps and means nothing; only the direction of the click is reported.
    void stepBy(int steps) override {
        QSpinBox::stepBy(steps);
        if (steps != 0) emit Stepped(steps > 0 ? 1 : -1);
    }

  signals:
    void Stepped(int days);
};

}  // namespace hx::ui
