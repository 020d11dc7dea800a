// Heliodex: the application, its main window, the lookup window and the event loop.
#include <QApplication>

#include "report_services.h"
#include "tform1.h"
#include "tform2.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("heliodex");
    QApplication::setApplicationDisplayName("Heliodex");
    hx::ui::TForm1 form1(hx::ui::DefaultReportServices());  // runs the start-up sequence
    form1.show();
    // The reverse-lookup window, created after the main window; it lives until exit and is
    // shown by "&Look up Thelemic Date (reverse)".
    hx::ui::TForm2 form2(&form1);
    return app.exec();
}
