// The window in the notification area: the tray click, Restore, Date to Clipboard, the Exit
// command, the refused close request and the shutdown sequence.
#include "tray_and_closing.h"

#include <algorithm>
#include <cstdio>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "core/ephemeris.h"
#include "icons.h"
#include "locale/recent_list.h"
#include "menu/stored_names.h"
#include "message_box.h"
#include "report/td_file.h"
#include "settings/textfile.h"

namespace hx::ui {

namespace {
const QString kBalloonTitle = QStringLiteral("Heliodex");
const QString kCloseHint = QStringLiteral("Use the icon pop up menu or File menu to close.");
const QString kNoAreaCloseHint = QStringLiteral("Minimized. Use the File menu to close.");

// The shutdown order of the files after the settings; unknown files go last.
int SaveRank(const QString& file) {
    static const QStringList order = {StoredName(StateFile::RecentLocations),
                                      StoredName(StateFile::AlarmSounds),
                                      StoredName(StateFile::AlarmStates)};
    const qsizetype i = order.indexOf(file);
    return i < 0 ? int(order.size()) : int(i);
}

}  // namespace

TrayAndClosing::TrayAndClosing(Window window) : QObject(window.window), window_(std::move(window)) {
    QMainWindow* w = window_.window;
    // Until the first report sets the Moon or planet picture, both show the application icon.
    const QIcon appIcon = ApplicationIcon();
    if (!appIcon.isNull()) {
        w->setWindowIcon(appIcon);
        window_.trayIcon->setIcon(appIcon);
    }
    connect(window_.trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::Trigger)
                    window_.guarded([this] { onTrayIconClicked(); });
            });
    // Ctrl+W asks to close like the title bar's button (Alt+F4 comes from the window system).
    auto* closeKey = new QShortcut(QKeySequence::Close, w);
    connect(closeKey, &QShortcut::activated, w, [w] { w->close(); });
    // The end of the desktop session is an Exit: everything is saved, the program ends.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    connect(app, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { window_.guarded([this] { onExit(); }); });
    connect(app, &QCoreApplication::aboutToQuit, this,
            [this] { window_.guarded([this] { onExit(); }); });
}

void TrayAndClosing::StartUp() {
    exitRequested_ = false;
}

void TrayAndClosing::ShowBalloon(const QString& text) {
    balloonText_ = text;
    window_.trayIcon->showMessage(kBalloonTitle, balloonText_);
}

void TrayAndClosing::onTrayIconClicked() {
    ShowBalloon(window_.trayText());
}

void TrayAndClosing::onRestore() {
    QMainWindow* w = window_.window;
    w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}

void TrayAndClosing::onDateToClipboard() {
    window_.buildReport();
    const QString path = files::ProgramFile(StoredName(StateFile::ReportHeader));
    if (!QFile::exists(path)) return;  // nothing written: the clipboard stays as it was
    QGuiApplication::clipboard()->setText(TdFile(path).ReadForClipboard());
}

void TrayAndClosing::onCopy() {
    // Plain text with LF line ends: the selection, or the whole report without one.
    const QTextCursor c = window_.reportView->textCursor();
    const QString text =
        c.hasSelection() ? c.selection().toPlainText() : window_.reportView->toPlainText();
    QGuiApplication::clipboard()->setText(text);
}

void TrayAndClosing::onExit(bool fromMenu) {
    if (shutdownDone_) return;  // the session's end after an Exit, or a second signal
    exitRequested_ = true;
    failedSaveBox_ = fromMenu;
    eph::Close();
    if (!window_.window->close())
        RunShutdown();  // the window system refused: still save everything
}

void TrayAndClosing::onCloseRequest(bool& canClose) {
    canClose = exitRequested_;
    if (canClose) return;
    window_.window->showMinimized();  // to the notification area, or the task bar without one
    // Without a notification area no balloon can show: the hint waits in the status bar, and
    // the window is only minimized, so the task bar brings it back.
    if (window_.trayIcon->isVisible())
        ShowBalloon(kCloseHint);
    else
        window_.say(kNoAreaCloseHint, 30000);
    window_.now();
}

bool TrayAndClosing::CloseAllowed() {
    bool canClose = false;
    window_.guarded([&] { onCloseRequest(canClose); });
    if (canClose) RunShutdown();
    return canClose;
}

std::vector<SaveStep> TrayAndClosing::ShutdownSteps() {
    std::vector<SaveStep> steps;
    steps.push_back({StoredName(StateFile::Settings), window_.saveSettings});
    steps.push_back({StoredName(StateFile::RecentLocations), window_.saveRecentLocations});
    steps.push_back({RecentLookupsFileName(), window_.saveRecentLookups});
    // One step per file, so the message names exactly the files that were not saved.
    for (SaveStep& step : window_.alarmSaveSteps()) steps.push_back(std::move(step));
    std::vector<SaveStep> extra = extraSaveSteps_;
    std::stable_sort(extra.begin(), extra.end(), [](const SaveStep& a, const SaveStep& b) {
        return SaveRank(a.file) < SaveRank(b.file);
    });
    steps.insert(steps.end(), extra.begin(), extra.end());
    return steps;
}

void TrayAndClosing::RunShutdown() {
    if (shutdownDone_) return;
    shutdownDone_ = true;
    // The jobs' context goes first: no completion of a job started before runs after this.
    window_.endJobsContext();
    window_.stopRefresh();  // nor does a timed lookup start
    window_.closeDialogs();
    window_.closeAlarms();   // a sound still opening is dropped
    window_.cancelJobs();    // the running job ends, unreported; waiting jobs never start
    window_.abortNetwork();  // the Internet question's download and the gazetteer waits
    window_.cancelExport();
    if (const std::optional<QString> failed = RunSaveSteps(ShutdownSteps())) SayNotSaved(*failed);
    window_.dropEvents();  // the event list goes with the window
}

// Files not saved are said on stderr whatever ended the program. After the Exit command the box
// says it too: it has no owner, so it outlives the closed window and keeps the program running,
// and the program ends when it is closed. A signal or the session's end does not wait for it.
void TrayAndClosing::SayNotSaved(const QString& message) {
    std::fprintf(stderr, "Heliodex: %s\n", qPrintable(QString(message).replace(u'\n', "\n  ")));
    std::fflush(stderr);
    if (!failedSaveBox_) return;
    if (QMessageBox* box = MessageBox::Show(nullptr, message))
        connect(box, &QDialog::finished, QCoreApplication::instance(),
                [] { QCoreApplication::quit(); });
}

}  // namespace hx::ui
