// A one-line text that reports clicks, used for the dialogs' links.
#pragma once

#include <QLabel>

namespace hx::ui {

class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent = nullptr);
    // Underlined, in the hyperlink colour, with the hand cursor.
    void StyleAsLink();

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace hx::ui
