// The "Places" submenus of the Options menu and the tray menu, and switching the site to a saved
// place.
#include "saved_places_menus.h"

#include <QAction>
#include <QMenu>

#include "core/error.h"
#include "locale/own_service.h"
#include "main_menu.h"
#include "message_box.h"

namespace hx::ui {

SavedPlacesMenus::SavedPlacesMenus(Window window)
    : QObject(window.parent), window_(std::move(window)) {}

void SavedPlacesMenus::AddMenus(const MenuActions& menus) {
    const std::pair<const char*, const char*> homes[] = {{"Options1", "Clockon1"},
                                                         {"PopupMenu1", "Restore1"}};
    for (int i = 0; i < 2; ++i) {
        auto* menu = new QMenu(QStringLiteral("Places"), window_.parent);
        menu->setObjectName(QStringLiteral("Places%1").arg(i + 1));
        QAction* before = menus.byName.value(QString::fromLatin1(homes[i].second));
        QMenu* into = i == 0 ? menus.byName.value(QString::fromLatin1(homes[i].first))->menu()
                             : menus.trayMenu;
        if (into) into->insertMenu(before, menu);
        menus_[i] = menu;
    }
    Fill();
}

// A failed write is tried once more at the end, with the other files.
SaveStep SavedPlacesMenus::ShutdownStep() {
    return {SavedPlacesFileName(), [this] {
                if (unsaved_) WriteSavedPlaces(places_);
                unsaved_ = false;
            }};
}

void SavedPlacesMenus::Load() {
    places_ = hx::LoadSavedPlaces();
    Fill();
}

void SavedPlacesMenus::Fill() {
    for (QMenu* menu : menus_) {
        if (!menu) continue;
        menu->clear();
        for (const SavedPlace& p : places_.Places()) {
            QAction* a = menu->addAction(p.name);
            a->setCheckable(true);
            a->setChecked(p.name == window_.placeName());
            connect(a, &QAction::triggered, this, [this, name = p.name] {
                window_.guarded([this, name] { UseSavedPlace(name); });
            });
        }
        if (!places_.Places().empty()) menu->addSeparator();
        QAction* save = menu->addAction(QStringLiteral("Save this place"));
        connect(save, &QAction::triggered, this,
                [this] { window_.guarded([this] { SaveThisPlace(); }); });
        QMenu* remove = menu->addMenu(QStringLiteral("Remove"));
        remove->setEnabled(!places_.Places().empty());
        for (const SavedPlace& p : places_.Places())
            connect(remove->addAction(p.name), &QAction::triggered, this, [this, name = p.name] {
                window_.guarded([this, name] { RemoveSavedPlace(name); });
            });
    }
}

void SavedPlacesMenus::SaveThisPlace() {
    const Observer site = window_.readSite();  // the fields as they are now
    if (const auto bad = SiteRangeError(site)) {
        MessageBox::Show(window_.parent, *bad);
        return;
    }
    SavedPlace place;
    place.name = window_.placeName();
    place.latitude = site.Latitude;
    place.longitude = site.Longitude;
    place.zoneId = site.Zone;
    place.timeZone = site.TimeZone;
    place.daylight = site.DaylightTime != 0;
    place.altitude = window_.altitude().trimmed();
    if (!places_.Save(place)) {
        MessageBox::Show(
            window_.parent,
            QStringLiteral("Ten places are saved already; remove one to save this place."));
        return;
    }
    WriteOrSay();
    window_.say(QStringLiteral("Saved \"%1\" in Options \u2192 Places.").arg(place.name), 10000);
}

void SavedPlacesMenus::RemoveSavedPlace(const QString& name) {
    if (places_.Remove(name)) WriteOrSay();
}

void SavedPlacesMenus::WriteOrSay() {
    Fill();
    try {
        WriteSavedPlaces(places_);
        unsaved_ = false;
    } catch (const Error& e) {
        // The list is kept; the shutdown tries the file again.
        unsaved_ = true;
        MessageBox::Show(window_.parent, e.message());
    }
}

void SavedPlacesMenus::UseSavedPlace(const QString& name) {
    const std::optional<SavedPlace> saved = places_.Find(name);
    if (!saved) return;
    places::Place place;
    place.name = saved->name;
    place.latitude = saved->latitude;
    place.longitude = saved->longitude;
    place.zoneId = saved->zoneId;
    LocaleFieldTexts fields = PlaceSiteFields(place, window_.day());
    if (saved->zoneId.isEmpty()) {
        fields.Zone.reset();
        fields.timeZone = QString::number(saved->timeZone, 'g', 6);
        fields.daylight = saved->daylight;
    }
    // The fields are written as decimal fractions, so they are read that way.
    fields.decimalFormat = true;
    fields.altitude = saved->altitude;
    window_.showCity(saved->name);
    window_.takeSite(fields, saved->name);
}

}  // namespace hx::ui
