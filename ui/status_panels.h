// The main window's status bar: the time, the site, the message panel (a message for a while,
// the countdown between messages), the running job's text and its Cancel button.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;
class QToolButton;
class QWidget;

namespace hx::ui {

class StatusPanels : public QObject {
    Q_OBJECT
  public:
    // Fills bar; cancel runs for the Cancel button and for Esc in window.
    StatusPanels(QStatusBar* bar, QWidget* window, std::function<void()> cancel);

    void ShowTime(const QString& text);
    void ShowSite(const QString& text);  // painted at once: a slow report follows
    // A message in the message panel for ms milliseconds.
    void ShowMessage(const QString& text, int ms);
    // The countdown, shown in the message panel whenever no message is.
    void SetCountdown(const QString& text);
    // What the running job waits for, or its failure; busy: its Cancel button shows.
    void ShowPending(const QString& text);
    void SetBusy(bool busy);
    // 0 the time, 1 the site, 2 the countdown.
    QString Text(int panel) const;

  private:
    void ShowCountdown();

    QLabel* time_ = nullptr;
    QLabel* site_ = nullptr;
    QLabel* message_ = nullptr;
    QTimer* messageTimer_ = nullptr;
    QLabel* pending_ = nullptr;
    QToolButton* cancel_ = nullptr;
    QString countdown_;
};

}  // namespace hx::ui
