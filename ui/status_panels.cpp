// The status bar's panels.
#include "status_panels.h"

#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace hx::ui {

StatusPanels::StatusPanels(QStatusBar* bar, QWidget* window, std::function<void()> cancel)
    : QObject(bar) {
    bar->setObjectName("statusBar");
    const int widths[2] = {80, 50};
    QLabel** panels[2] = {&time_, &site_};
    for (int i = 0; i < 2; ++i) {
        auto* panel = *panels[i] = new QLabel;
        panel->setTextFormat(Qt::PlainText);
        panel->setObjectName(QStringLiteral("statusPanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
    }
    time_->setFixedWidth(widths[0]);
    bar->addWidget(time_);
    bar->addWidget(site_);
    // Messages get a panel of their own, so the time and the site stay in sight.
    message_ = new QLabel;
    message_->setObjectName("statusMessage");
    message_->setTextFormat(Qt::PlainText);  // messages quote zone names and file names
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(message_, 1);
    messageTimer_ = new QTimer(this);
    messageTimer_->setSingleShot(true);
    // Between messages the panel holds the countdown to the next sunrise or sunset; the time
    // and the site panels keep their room before it.
    connect(messageTimer_, &QTimer::timeout, this, [this] { ShowCountdown(); });
    pending_ = new QLabel;
    pending_->setObjectName("statusPending");
    pending_->setTextFormat(Qt::PlainText);
    cancel_ = new QToolButton;
    cancel_->setObjectName("statusCancel");
    cancel_->setText("Cancel");
    cancel_->setAutoRaise(true);
    cancel_->hide();
    bar->addPermanentWidget(pending_);
    bar->addPermanentWidget(cancel_);
    connect(cancel_, &QToolButton::clicked, this, [cancel] { cancel(); });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    connect(esc, &QShortcut::activated, this, [cancel] { cancel(); });
}

void StatusPanels::ShowTime(const QString& text) {
    time_->setText(text);
}

void StatusPanels::ShowSite(const QString& text) {
    site_->setText(text);
    site_->repaint();
}

void StatusPanels::ShowMessage(const QString& text, int ms) {
    message_->setText(text);
    message_->setToolTip(text);  // the whole text where the panel is too narrow
    messageTimer_->start(ms);
}

void StatusPanels::SetCountdown(const QString& text) {
    countdown_ = text;
    if (!messageTimer_->isActive()) ShowCountdown();
}

void StatusPanels::ShowCountdown() {
    message_->setText(countdown_);
    message_->setToolTip(countdown_);
}

void StatusPanels::ShowPending(const QString& text) {
    pending_->setText(text);
}

void StatusPanels::SetBusy(bool busy) {
    cancel_->setVisible(busy);
}

QString StatusPanels::Text(int panel) const {
    switch (panel) {
        case 0:
            return time_->text();
        case 1:
            return site_->text();
        case 2:
            return countdown_;
    }
    return {};
}

}  // namespace hx::ui
