// SIGTERM, SIGINT and SIGHUP delivered as a Qt signal on the window thread.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace hx::ui {

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
