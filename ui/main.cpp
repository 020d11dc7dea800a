// Heliodex: the application, its main window, the lookup window and the event loop.
#include <cstdio>

#include <QApplication>
#include <QDir>

#include "settings/textfile.h"
#include "single_instance.h"
#include "tform1.h"
#include "tform2.h"
#include "unix_signals.h"
#include "window_services.h"

int main(int argc, char** argv) {
    // Before any thread exists: a termination signal during start-up is held until the
    // handlers below are in place, then ends the program with the shutdown saves.
    hx::ui::BlockTerminationSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName("heliodex");
    QApplication::setApplicationDisplayName("Heliodex");
    // One clock per program directory: a second start shows the running one and ends, so
    // two processes never overwrite each other's files at exit.
    const QString programDir = hx::files::ProgramDirectory();
    hx::ui::SingleInstance instance(programDir);
    if (!instance.lockProblem().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(instance.lockProblem()));
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
    hx::ui::TForm1 form1(hx::ui::DefaultWindowServices());  // runs the start-up sequence
    form1.show();
    QObject::connect(&instance, &hx::ui::SingleInstance::activationRequested, &form1,
                     [&form1] { form1.Restore1Click(); });
    // SIGTERM, SIGINT and SIGHUP end the program the way "Exit" does: everything is saved.
    hx::ui::UnixSignals termination;
    QObject::connect(&termination, &hx::ui::UnixSignals::terminationRequested, &form1, [&form1] {
        form1.Button3Click();
        QCoreApplication::quit();
    });
    // The reverse-lookup window, created after the main window; it lives until exit and is
    // shown by "&Look up Thelemic Date (reverse)".
    hx::ui::TForm2 form2(&form1);
    form1.SetLookupWindow(&form2);
    return app.exec();
}
