// MainWindow's first start: the site from the city of the machine's time zone.
#include <QTimeZone>

#include "core/clock.h"
#include "locale/own_service.h"
#include "main_window.h"
#include "site_editor.h"

namespace hx::ui {

void MainWindow::OfferMachineZoneCity() {
    const QString zone = QString::fromUtf8(services_.machineZone ? services_.machineZone()
                                                                 : QTimeZone::systemTimeZoneId());
    // The gazetteer loads beside the window: the first report waits without a site.
    const auto found = [this, zone] {
        Guarded([&] { ShowMachineZoneCity(places::PlaceOfZone(zone)); });
        StartStartupJobs();
    };
    startUp_.zoneCity = services_.whenCitiesLoaded
                            ? services_.whenCitiesLoaded(jobsContext_, found)
                            : places::WhenWorldCitiesLoaded(jobsContext_, found);
}

void MainWindow::ShowMachineZoneCity(const std::optional<places::Place>& place) {
    if (!place) {
        // No city found: the Look up page asks for one, unless the site is set already.
        if (!observer().HasSite()) lookups_->AskForCity();
        return;
    }
    const QString name = places::DisplayName(*place);
    lookups_->ShowCity(name);
    site_->Take(PlaceSiteFields(*place, CurrentDateTime().date()), NowUtc());
    // Said, not asked: the report shows at once, and the user changes the site if it is wrong.
    ShowStatusMessage(QStringLiteral("The site is %1, the city of this computer's time zone; the "
                                     "Locale and Look up pages change it.")
                          .arg(name),
                      60000);
    ResumeAfterSiteFilled();
}

}  // namespace hx::ui
