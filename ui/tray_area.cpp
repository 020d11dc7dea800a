// The notification-area watch: a slow poll, since Qt signals no tray that appears later.
#include "tray_area.h"

#include <QSystemTrayIcon>
#include <QTimer>

namespace hx::ui {

namespace {
std::function<bool()>& Probe() {
    static std::function<bool()> probe;
    return probe;
}
bool Look() {
    return Probe() ? Probe()() : QSystemTrayIcon::isSystemTrayAvailable();
}
}  // namespace

void TrayArea::SetProbe(std::function<bool()> probe) {
    Probe() = std::move(probe);
}

TrayArea::TrayArea(QObject* parent, int pollMs)
    : QObject(parent), poll_(new QTimer(this)), available_(Look()) {
    setObjectName(QStringLiteral("TrayArea"));
    poll_->setInterval(pollMs);
    // Coarse: the poll may wait for other wakeups, so an idle window sleeps between ticks.
    poll_->setTimerType(Qt::VeryCoarseTimer);
    connect(poll_, &QTimer::timeout, this, &TrayArea::Check);
    if (!available_) poll_->start();
}

void TrayArea::Check() {
    const bool now = Look();
    if (now == available_) return;
    available_ = now;
    if (now)
        poll_->stop();
    else
        poll_->start();
    emit Changed(now);
}

}  // namespace hx::ui
