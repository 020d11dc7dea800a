// MainWindow's name of the site: the place a lookup or a saved place set, while the site is
// still there.
#include "main_window.h"
#include "saved_places_menus.h"

namespace hx::ui {

void MainWindow::NoteSiteName(const QString& name) {
    siteName_ = name.trimmed();
    siteNameLatitude_ = observer_.Latitude;
    siteNameLongitude_ = observer_.Longitude;
    placesMenus_->Fill();
}

// The name of the place a lookup or a saved place set, while the site is still there; else
// the site's coordinates.
QString MainWindow::PresentPlaceName() const {
    if (!siteName_.isEmpty() && siteNameLatitude_ == observer_.Latitude &&
        siteNameLongitude_ == observer_.Longitude)
        return siteName_;
    return QStringLiteral("%1, %2")
        .arg(observer_.Latitude, 0, 'f', 2)
        .arg(observer_.Longitude, 0, 'f', 2);
}

}  // namespace hx::ui
