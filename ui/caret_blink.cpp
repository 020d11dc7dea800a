// The caret's blink timeout: an application event filter and a single-shot idle timer.
#include "caret_blink.h"

#include <QApplication>
#include <QEvent>
#include <QStyleHints>
#include <QTimer>

namespace hx::ui {

CaretBlinkTimeout::CaretBlinkTimeout(int idleMs, QObject* parent)
    : QObject(parent), idle_(new QTimer(this)) {
    idle_->setObjectName("CaretBlinkTimeout");
    idle_->setSingleShot(true);
    idle_->setInterval(idleMs);
    connect(idle_, &QTimer::timeout, this, [this] { Stop(); });
    qApp->installEventFilter(this);
    idle_->start();
}

CaretBlinkTimeout::~CaretBlinkTimeout() {
    qApp->removeEventFilter(this);
    Resume();
}

bool CaretBlinkTimeout::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::InputMethod:
            Resume();
            idle_->start();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretBlinkTimeout::Stop() {
    if (stopped_) return;
    flashTime_ = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime_ <= 0) return;  // the desktop has no blinking
    stopped_ = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}

void CaretBlinkTimeout::Resume() {
    if (!stopped_) return;
    stopped_ = false;
    QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
}

}  // namespace hx::ui
