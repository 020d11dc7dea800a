// Watches for the desktop's notification area, which may start after the program does.
#pragma once

#include <functional>

#include <QObject>

class QTimer;

namespace hx::ui {

class TrayArea : public QObject {
    Q_OBJECT
  public:
    // Looks every pollMs milliseconds while there is no area, so a panel started at login
    // after the program is found within that time. Once found, Qt itself re-docks a shown
    // icon when the panel restarts.
    explicit TrayArea(QObject* parent = nullptr, int pollMs = 10000);

    bool Available() const { return available_; }
    // Looks now; emits Changed when the answer differs from the last one.
    void Check();

    // Test seam: how the area is looked for. Empty: Qt's own check, which counts a D-Bus
    // StatusNotifier host as well as an XEmbed tray.
    static void SetProbe(std::function<bool()> probe);

  signals:
    void Changed(bool available);

  private:
    QTimer* poll_;
    bool available_;
};

}  // namespace hx::ui
