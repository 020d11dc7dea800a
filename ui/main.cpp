// Heliodex: the application, its main window, the lookup window and the event loop.
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "alarms/session_bus.h"
#include "locale/place_search.h"
#include "main_window.h"
#include "message_box.h"
#include "reverse_lookup_dialog.h"
#include "settings/textfile.h"
#include "single_instance.h"
#include "tray_and_closing.h"
#include "unix_signals.h"
#include "window_dialogs.h"
#include "window_services.h"

namespace {
// How long the start waits at most for the session bus to answer before Qt's own users of
// it (accessibility, tray, menus), which would wait without a bound, are kept off it. A bus
// that answers does so in a few milliseconds.
constexpr int kStartBusWaitMs = 300;

// The program from the lock to the end of its event loop; every object of the run is gone
// (the lock released, the files saved) when it returns.
int RunProgram(QApplication& app) {
    // One clock per program directory: a second start shows the running one and ends, so
    // two processes never overwrite each other's files at exit.
    const QString programDir = hx::files::ProgramDirectory();
    hx::ui::SingleInstance instance(programDir);
    if (!instance.lockProblem().isEmpty()) {
        // Said on stderr at once and in a box; the start has failed however the box ends.
        hx::ui::EndOnTerminationSignals(1);
        std::fprintf(stderr, "%s\n", qPrintable(instance.lockProblem()));
        if (QMessageBox* box = hx::ui::MessageBox::Show(nullptr, instance.lockProblem())) {
            QObject::connect(box, &QDialog::finished, &app, [] { QCoreApplication::exit(1); });
            app.exec();
        }
        return 1;
    }
    if (!instance.isPrimary()) {
        const QString dir = QDir::toNativeSeparators(programDir);
        if (instance.notifyPrimary())
            std::fprintf(stderr, "Heliodex is already running for %s; its window is shown.\n",
                         qPrintable(dir));
        else
            std::fprintf(stderr, "Heliodex is already running for %s, but did not answer.\n",
                         qPrintable(dir));
        return 0;
    }
    // From here a termination signal waits for the event loop, which runs the saves; the
    // start-up sequence never waits, so the loop comes at once.
    hx::ui::UnixSignals termination;
    hx::ui::MainWindow form1(hx::ui::DefaultWindowServices());  // runs the start-up sequence
    form1.show();
    QObject::connect(&instance, &hx::ui::SingleInstance::activationRequested, &form1,
                     [&form1] { form1.Closing().onRestore(); });
    // SIGTERM, SIGINT and SIGHUP end the program the way "Exit" does: everything is saved.
    QObject::connect(&termination, &hx::ui::UnixSignals::terminationRequested, &form1, [&form1] {
        form1.Closing().onExit();
        QCoreApplication::quit();
    });
    // The reverse-lookup window, created after the main window; it lives until exit and is
    // shown by "&Look up Thelemic Date (reverse)".
    hx::ui::ReverseLookupDialog form2(&form1);
    form1.Dialogs().SetLookupWindow(&form2);
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    // Until the window runs its event loop a termination signal ends the process at once.
    hx::ui::EndOnTerminationSignals();
    hx::alarms::HideSilentSessionBus(kStartBusWaitMs);
    QApplication app(argc, argv);
    QApplication::setApplicationName("heliodex");
    QApplication::setApplicationDisplayName("Heliodex");
    const int status = RunProgram(app);
    // Everything is saved by now. A place list still loading is not waited for: its thread
    // would hold the end of the process for seconds, and nothing it makes is kept.
    if (hx::places::WorldCitiesLoading()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
