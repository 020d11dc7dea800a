// SIGTERM, SIGINT and SIGHUP delivered as a Qt signal on the window thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace hx::ui {

// Holds SIGTERM, SIGINT and SIGHUP back from the calling thread and the threads it starts
// later; call it first in main, so a signal during start-up waits for UnixSignals.
void BlockTerminationSignals();

// Installs the handlers, then lets a held-back signal through.
class UnixSignals : public QObject {
    Q_OBJECT
  public:
    explicit UnixSignals(QObject* parent = nullptr);
    ~UnixSignals() override;

  signals:
    void terminationRequested(int signalNumber);

  private:
    void readSignal();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace hx::ui
