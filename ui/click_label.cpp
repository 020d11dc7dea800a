// A one-line text that reports clicks.
#include "click_label.h"

#include <QMouseEvent>

namespace hx::ui {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    // Captions may come from the network: never interpret them as markup.
    setTextFormat(Qt::PlainText);
}

void ClickLabel::StyleAsLink() {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace hx::ui
