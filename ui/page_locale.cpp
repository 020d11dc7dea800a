// The "Locale" page: latitude, longitude, time zone, format, Done and the clock resolution.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/zone.h"
#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

namespace {
QLineEdit* SiteEdit(SiteField role, const QString& hint = {}) {
    auto* e = new QLineEdit;
    e->setObjectName(StoredName(role));
    e->setToolTip(hint);
    e->setMaximumWidth(90);
    return e;
}
QCheckBox* Box(SiteField role, const QString& caption) {
    auto* c = new QCheckBox(caption);
    c->setObjectName(StoredName(role));
    return c;
}
}  // namespace

LocalePage BuildLocalePage() {
    LocalePage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::Locale));
    const QString hint = "Enter locale in degrees and minutes";
    p.latDegrees = SiteEdit(SiteField::LatitudeDegrees, hint);
    p.latMinutes = SiteEdit(SiteField::LatitudeMinutes, hint);
    p.lonDegrees = SiteEdit(SiteField::LongitudeDegrees, hint);
    p.lonMinutes = SiteEdit(SiteField::LongitudeMinutes, hint);
    p.timeZone = SiteEdit(SiteField::TimeZone);
    p.north = Box(SiteField::North, "North");
    p.west = Box(SiteField::West, "West");
    p.daylight = Box(SiteField::DaylightTime, "Daylight Time");
    p.zoneBox = new QComboBox;
    p.zoneBox->setObjectName("ZoneBox");
    p.zoneBox->setToolTip("With a zone, the time zone and daylight time follow it");
    p.zoneBox->addItem("Manual", QString());
    for (const QString& id : ZoneIds()) p.zoneBox->addItem(id, id);

    auto* grid = new QGridLayout;
    grid->addWidget(NamedLabel("latitudeLabel", "Latitude", true), 0, 0);
    grid->addWidget(NamedLabel("latDegreesLabel", "Degrees"), 0, 1);
    grid->addWidget(NamedLabel("latMinutesLabel", "Minutes (or decimals)"), 0, 2);
    grid->addWidget(p.latDegrees, 1, 1);
    grid->addWidget(p.latMinutes, 1, 2);
    grid->addWidget(p.north, 1, 3);
    grid->addWidget(NamedLabel("longitudeLabel", "Longitude ", true), 2, 0);
    grid->addWidget(NamedLabel("lonDegreesLabel", "Degrees"), 2, 1);
    grid->addWidget(NamedLabel("lonMinutesLabel", "Minutes (or decimals)"), 2, 2);
    grid->addWidget(p.lonDegrees, 3, 1);
    grid->addWidget(p.lonMinutes, 3, 2);
    grid->addWidget(p.west, 3, 3);
    grid->addWidget(NamedLabel("timeZoneLabel", "Time Zone", true), 4, 0);
    grid->addWidget(p.timeZone, 4, 1);
    grid->addWidget(p.daylight, 4, 2);
    grid->addWidget(p.zoneBox, 4, 3);
    grid->setColumnStretch(4, 1);

    p.formatGroup = new QGroupBox("Format of Latitude and Longitude");
    p.formatGroup->setObjectName("RadioGroup1");
    p.radioItems = new QButtonGroup(p.formatGroup);
    auto* radios = new QVBoxLayout(p.formatGroup);
    const char* items[] = {"Degrees and minutes", "Degress and decimal fractions"};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(items[i]));
        r->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        p.radioItems->addButton(r, i);
        radios->addWidget(r);
    }
    p.radioItems->button(1)->setChecked(true);

    p.doneButton = new QPushButton("Done");
    p.doneButton->setObjectName("doneButton");
    auto* note = NamedLabel(
        "localeNote",
        "Use the page to manually set your location on the planet.  It's better to use the Look "
        "up page if you have an internet connection.  It will set these field contents for you.  "
        "You should still verify that they are reasonable.");
    note->setWordWrap(true);
    p.clockResolution = new QLineEdit("10");
    p.clockResolution->setObjectName(StoredName(SiteField::ClockResolution));
    p.clockResolution->setAlignment(Qt::AlignRight);
    p.clockResolution->setMaximumWidth(60);
    p.clockResolution->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), p.clockResolution));

    auto* side = new QHBoxLayout;
    side->addWidget(p.formatGroup);
    side->addWidget(p.doneButton, 0, Qt::AlignBottom);
    side->addStretch(1);
    auto* resolution = new QHBoxLayout;
    resolution->addWidget(NamedLabel("clockResolutionLabel", "Clock Resolution (seconds)"));
    resolution->addWidget(p.clockResolution);
    resolution->addStretch(1);

    auto* page = new QVBoxLayout(p.page);
    page->addLayout(grid);
    page->addLayout(side);
    page->addWidget(note);
    page->addLayout(resolution);
    page->addStretch(1);
    return p;
}

}  // namespace hx::ui
