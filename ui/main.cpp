// Heliodex: the application, its main window and the event loop.
#include <QApplication>

#include "report_services.h"
#include "tform1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("heliodex");
    QApplication::setApplicationDisplayName("Heliodex");
    hx::ui::TForm1 form1(hx::ui::DefaultReportServices());
    form1.show();
    // The reverse-lookup window TForm2 is created here, after the main window, and lives
    // until exit.
    return app.exec();
}
