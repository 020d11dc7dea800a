// The text caret stops blinking after a while without keyboard or mouse input.
#pragma once

#include <QObject>

class QTimer;

namespace hx::ui {

// Installed on the application: after idleMs without a key press, click or wheel turn the
// desktop's caret flash time is set to 0, so a field holding the focus shows a steady caret
// instead of waking the process twice a second; the next input restores the flash time.
// A window left open on the screen then sleeps between two clock ticks.
class CaretBlinkTimeout : public QObject {
  public:
    explicit CaretBlinkTimeout(int idleMs = 10000, QObject* parent = nullptr);
    ~CaretBlinkTimeout() override;  // the flash time as it was

    bool Stopped() const { return stopped_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Stop();
    void Resume();

    QTimer* idle_;       // "CaretBlinkTimeout"
    int flashTime_ = 0;  // the desktop's, while stopped
    bool stopped_ = false;
};

}  // namespace hx::ui
