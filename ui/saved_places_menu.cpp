// MainWindow's saved places: the "Places" submenus of the Options menu and the tray menu, and
// switching the site to a saved place.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "locale/own_service.h"
#include "main_window.h"
#include "message_box.h"
#include "settings/textfile.h"
#include "site_editor.h"

namespace hx::ui {

void MainWindow::BuildPlacesMenus() {
    const std::pair<const char*, const char*> homes[] = {{"Options1", "Clockon1"},
                                                         {"PopupMenu1", "Restore1"}};
    for (int i = 0; i < 2; ++i) {
        auto* menu = new QMenu(QStringLiteral("Places"), this);
        menu->setObjectName(QStringLiteral("Places%1").arg(i + 1));
        QAction* before = menus_.byName.value(QString::fromLatin1(homes[i].second));
        QMenu* into = i == 0 ? menus_.byName.value(QString::fromLatin1(homes[i].first))->menu()
                             : menus_.trayMenu;
        if (into) into->insertMenu(before, menu);
        placesMenus_[i] = menu;
    }
    // A failed write is tried once more at the end, with the other files.
    AddSaveStep({SavedPlacesFileName(), [this] {
                     if (savedPlacesUnsaved_) WriteSavedPlaces(savedPlaces_);
                     savedPlacesUnsaved_ = false;
                 }});
    FillPlacesMenus();
}

void MainWindow::LoadPlacesFile() {
    savedPlaces_ = hx::LoadSavedPlaces();
    FillPlacesMenus();
}

void MainWindow::FillPlacesMenus() {
    for (QMenu* menu : placesMenus_) {
        if (!menu) continue;
        menu->clear();
        for (const SavedPlace& p : savedPlaces_.Places()) {
            QAction* a = menu->addAction(p.name);
            a->setCheckable(true);
            a->setChecked(p.name == PresentPlaceName());
            connect(a, &QAction::triggered, this,
                    [this, name = p.name] { Guarded([this, name] { UseSavedPlace(name); }); });
        }
        if (!savedPlaces_.Places().empty()) menu->addSeparator();
        QAction* save = menu->addAction(QStringLiteral("Save this place"));
        connect(save, &QAction::triggered, this, [this] { Guarded([this] { SaveThisPlace(); }); });
        QMenu* remove = menu->addMenu(QStringLiteral("Remove"));
        remove->setEnabled(!savedPlaces_.Places().empty());
        for (const SavedPlace& p : savedPlaces_.Places())
            connect(remove->addAction(p.name), &QAction::triggered, this,
                    [this, name = p.name] { Guarded([this, name] { RemoveSavedPlace(name); }); });
    }
}

void MainWindow::SaveThisPlace() {
    onSiteChanged();  // the fields as they are now
    if (const auto bad = SiteRangeError(observer())) {
        MessageBox::Show(this, *bad);
        return;
    }
    SavedPlace place;
    place.name = PresentPlaceName();
    place.latitude = observer().Latitude;
    place.longitude = observer().Longitude;
    place.zoneId = observer().Zone;
    place.timeZone = observer().TimeZone;
    place.daylight = observer().DaylightTime != 0;
    place.altitude = site_->Fields().altitude.trimmed();
    if (!savedPlaces_.Save(place)) {
        MessageBox::Show(
            this, QStringLiteral("Ten places are saved already; remove one to save this place."));
        return;
    }
    WriteSavedPlacesOrSay();
    ShowStatusMessage(QStringLiteral("Saved \"%1\" in Options \u2192 Places.").arg(place.name),
                      10000);
}

void MainWindow::RemoveSavedPlace(const QString& name) {
    if (savedPlaces_.Remove(name)) WriteSavedPlacesOrSay();
}

void MainWindow::WriteSavedPlacesOrSay() {
    FillPlacesMenus();
    try {
        WriteSavedPlaces(savedPlaces_);
        savedPlacesUnsaved_ = false;
    } catch (const Error& e) {
        // The list is kept; the shutdown tries the file again.
        savedPlacesUnsaved_ = true;
        MessageBox::Show(this, e.message());
    }
}

void MainWindow::UseSavedPlace(const QString& name) {
    const std::optional<SavedPlace> saved = savedPlaces_.Find(name);
    if (!saved) return;
    places::Place place;
    place.name = saved->name;
    place.latitude = saved->latitude;
    place.longitude = saved->longitude;
    place.zoneId = saved->zoneId;
    LocaleFieldTexts fields = PlaceSiteFields(place, ToQDateTime(PickerMoment()).date());
    if (saved->zoneId.isEmpty()) {
        fields.Zone.reset();
        fields.timeZone = QString::number(saved->timeZone, 'g', 6);
        fields.daylight = saved->daylight;
    }
    // The fields are written as decimal fractions, so they are read that way.
    fields.decimalFormat = true;
    fields.altitude = saved->altitude;
    lookups_->LookUp().cityName->setText(saved->name);
    TakeSite(fields, saved->name);
}

}  // namespace hx::ui
