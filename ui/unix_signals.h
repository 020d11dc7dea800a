// SIGTERM, SIGINT and SIGHUP delivered as a Qt signal on the window thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace hx::ui {

// Installs the handlers; call it first in main. Until a UnixSignals exists a termination
// signal ends the process at once with `status` (or 128 + the signal's number when status is
// 0): nothing is loaded yet that a save could keep, and no wait of the start-up can hold it.
void EndOnTerminationSignals(int status = 0);

// From its construction on, a termination signal is handed to the event loop instead, which
// runs the shutdown saves; a second one while the first is handled ends the process at once.
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
