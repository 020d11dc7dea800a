// MainWindow in the notification area: the tray click, Restore, Date to Clipboard, the Exit
// command, the refused close request and the shutdown sequence.
#include <algorithm>
#include <cstdio>

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTextCursor>
#include <QTextDocumentFragment>

#include "calendar_export.h"
#include "clock_report.h"
#include "core/ephemeris.h"
#include "icons.h"
#include "main_window.h"
#include "message_box.h"
#include "report/td_file.h"
#include "settings/service_addresses.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"
#include "window_place.h"

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

void MainWindow::BuildTrayBehaviour() {
    // Until the first report sets the Moon or planet picture, both show the application icon.
    const QIcon appIcon = ApplicationIcon();
    if (!appIcon.isNull()) {
        setWindowIcon(appIcon);
        trayIcon->setIcon(appIcon);
    }
    // Ctrl+W asks to close like the title bar's button (Alt+F4 comes from the window system).
    auto* closeKey = new QShortcut(QKeySequence::Close, this);
    connect(closeKey, &QShortcut::activated, this, [this] { close(); });
    // The end of the desktop session is an Exit: everything is saved, the program ends.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    connect(app, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { Guarded([this] { onExit(); }); });
    connect(app, &QCoreApplication::aboutToQuit, this, [this] { Guarded([this] { onExit(); }); });
}

void MainWindow::ShowBalloon(const QString& text) {
    balloonText_ = text;
    trayIcon->showMessage(kBalloonTitle, balloonText_);
}

void MainWindow::onTrayIconClicked() {
    ShowBalloon(TrayText());
}

void MainWindow::onRestore() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::onDateToClipboard() {
    BuildReport();
    const QString path = files::ProgramFile(StoredName(StateFile::ReportHeader));
    if (!QFile::exists(path)) return;  // nothing written: the clipboard stays as it was
    QGuiApplication::clipboard()->setText(TdFile(path).ReadForClipboard());
}

void MainWindow::onCopy() {
    // Plain text with LF line ends: the selection, or the whole report without one.
    const QTextCursor c = clock_->ReportView()->textCursor();
    const QString text =
        c.hasSelection() ? c.selection().toPlainText() : clock_->ReportView()->toPlainText();
    QGuiApplication::clipboard()->setText(text);
}

void MainWindow::onExit(bool fromMenu) {
    if (shutdownDone_) return;  // the session's end after an Exit, or a second signal
    exitRequested_ = true;
    failedSaveBox_ = fromMenu;
    eph::Close();
    if (!close()) RunShutdown();  // the window system refused: still save everything
}

void MainWindow::onCloseRequest(bool& canClose) {
    canClose = exitRequested_;
    if (canClose) return;
    showMinimized();  // to the notification area, or the task bar without one
    // Without a notification area no balloon can show: the hint waits in the status bar, and
    // the window is only minimized, so the task bar brings it back.
    if (trayIcon->isVisible())
        ShowBalloon(kCloseHint);
    else
        ShowStatusMessage(kNoAreaCloseHint, 30000);
    onNowClicked();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool canClose = false;
    Guarded([&] { onCloseRequest(canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    RunShutdown();
    event->accept();
}

std::vector<SaveStep> MainWindow::ShutdownSteps() {
    std::vector<SaveStep> steps;
    steps.push_back({StoredName(StateFile::Settings), [this] {
                         if (!store_) store_ = std::make_unique<TExtIniF>(SettingsFilePath());
                         const auto components = ComponentStates();
                         std::vector<PersistentComponent*> visit;
                         for (const auto& c : components) visit.push_back(c.get());
                         SaveWindowComponents(*store_, visit);
                         SaveServices(*store_, addresses_);
                         SaveWindowPlace(*store_, CurrentWindowPlace());
                         store_->WriteString(StoredName(Section::Site), StoredName(Key::Zone),
                                             observer().Zone);
                         store_.reset();
                     }});
    steps.push_back(
        {StoredName(StateFile::RecentLocations), [this] { lookups_->SaveRecentLocations(); }});
    steps.push_back({RecentLookupsFileName(), [this] { lookups_->SaveRecentLookupList(); }});
    // One step per file, so the message names exactly the files that were not saved.
    for (SaveStep& step : alarmsRoom_->SaveSteps()) steps.push_back(std::move(step));
    std::vector<SaveStep> extra = extraSaveSteps_;
    std::stable_sort(extra.begin(), extra.end(), [](const SaveStep& a, const SaveStep& b) {
        return SaveRank(a.file) < SaveRank(b.file);
    });
    steps.insert(steps.end(), extra.begin(), extra.end());
    return steps;
}

void MainWindow::RunShutdown() {
    if (shutdownDone_) return;
    shutdownDone_ = true;
    // The jobs' context goes first: no completion of a job started before runs after this.
    delete jobsContext_.data();
    refreshTimer->stop();  // nor does a timed lookup start
    CloseDialogs();
    alarmsRoom_->Close();  // a sound still opening is dropped
    jobs_.CancelAll();     // the running job ends, unreported; waiting jobs never start
    AbortNetwork();        // the Internet question's download and the gazetteer waits
    export_->Cancel();
    if (const std::optional<QString> failed = RunSaveSteps(ShutdownSteps())) SayNotSaved(*failed);
    clock_->ForgetEvents();  // the event list goes with the window
}

// Files not saved are said on stderr whatever ended the program. After the Exit command the box
// says it too: it has no owner, so it outlives the closed window and keeps the program running,
// and the program ends when it is closed. A signal or the session's end does not wait for it.
void MainWindow::SayNotSaved(const QString& message) {
    std::fprintf(stderr, "Heliodex: %s\n", qPrintable(QString(message).replace(u'\n', "\n  ")));
    std::fflush(stderr);
    if (!failedSaveBox_) return;
    if (QMessageBox* box = MessageBox::Show(nullptr, message))
        connect(box, &QDialog::finished, QCoreApplication::instance(),
                [] { QCoreApplication::quit(); });
}

}  // namespace hx::ui
