// The window in the notification area and its end: the tray click's balloon, Restore, the
// clipboard commands, the refused close request, Exit and the shutdown sequence with its saves,
// with what they need of the window as functions.
#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QString>

#include "report/shutdown.h"

class QMainWindow;
class QPlainTextEdit;
class QSystemTrayIcon;

namespace hx::ui {

class TrayAndClosing : public QObject {
    Q_OBJECT
  public:
    struct Window {
        QMainWindow* window = nullptr;         // minimized, restored and closed
        QSystemTrayIcon* trayIcon = nullptr;   // shown while the desktop has a notification area
        QPlainTextEdit* reportView = nullptr;  // Edit -> Copy's text
        std::function<QString()> trayText;     // the report's lines for the balloon
        std::function<void()> buildReport;     // Date to Clipboard's report, written first
        std::function<void()> now;             // the Now command, after a refused close
        std::function<void(const QString&, int)> say;               // a status-bar message
        std::function<void(const std::function<void()>&)> guarded;  // errors in a box
        // The shutdown's steps before the saves, in their order.
        std::function<void()> endJobsContext;  // no completion of a job started before runs
        std::function<void()> stopRefresh;     // nor does a timed lookup start
        std::function<void()> closeDialogs;
        std::function<void()> closeAlarms;   // a sound still opening is dropped
        std::function<void()> cancelJobs;    // the running job ends unreported; no other starts
        std::function<void()> abortNetwork;  // the Internet question's download, the waits
        std::function<void()> cancelExport;
        // The saves, each raising hx::Error on failure: heliodex.ini, zipcodes.txt,
        // recentlookups.txt, then one step per alarm file.
        std::function<void()> saveSettings, saveRecentLocations, saveRecentLookups;
        std::function<std::vector<SaveStep>()> alarmSaveSteps;
        std::function<void()> dropEvents;  // the event list goes with the window
    };
    explicit TrayAndClosing(Window window);
    QSystemTrayIcon* Icon() const { return window_.trayIcon; }

    // The icon's balloon text: TrayText after a tray click, the closing hint after a close.
    const QString& BalloonText() const { return balloonText_; }
    void ShowBalloon(const QString& text);
    bool ShutdownDone() const { return shutdownDone_; }
    // Save steps of other features (zipcodes.txt, alarmsounds.txt, alarmlist.txt), run after
    // the settings in the shutdown order whatever order they were added in.
    void AddSaveStep(SaveStep step) { extraSaveSteps_.push_back(std::move(step)); }

    void StartUp();  // start-up step 1: no Exit asked for
    void onTrayIconClicked();
    void onRestore();
    void onDateToClipboard();
    void onCopy();  // Edit -> Copy: the report view's selection, or the whole report
    // Exit; fromMenu: the Exit command, whose failed saves are said in a box it waits for.
    void onExit(bool fromMenu = false);
    // The window's close event: true when it may close, after the shutdown has run; else the
    // window is minimized with the hint to close it.
    bool CloseAllowed();
    void RunShutdown();  // the shutdown sequence, run once

  private:
    void onCloseRequest(bool& canClose);
    void SayNotSaved(const QString& message);
    std::vector<SaveStep> ShutdownSteps();

    Window window_;
    QString balloonText_;
    bool exitRequested_ = false;
    bool failedSaveBox_ = false;  // Exit came from the menu: failed saves get a box
    bool shutdownDone_ = false;
    std::vector<SaveStep> extraSaveSteps_;
};

}  // namespace hx::ui
