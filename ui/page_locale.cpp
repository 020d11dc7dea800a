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
    p.Edit2 = SiteEdit(SiteField::LatitudeDegrees, hint);
    p.Edit3 = SiteEdit(SiteField::LatitudeMinutes, hint);
    p.Edit4 = SiteEdit(SiteField::LongitudeDegrees, hint);
    p.Edit5 = SiteEdit(SiteField::LongitudeMinutes, hint);
    p.Edit6 = SiteEdit(SiteField::TimeZone);
    p.CheckBox1 = Box(SiteField::North, "North");
    p.CheckBox2 = Box(SiteField::West, "West");
    p.CheckBox3 = Box(SiteField::DaylightTime, "Daylight Time");
    p.ZoneBox = new QComboBox;
    p.ZoneBox->setObjectName("ZoneBox");
    p.ZoneBox->setToolTip("With a zone, the time zone and daylight time follow it");
    p.ZoneBox->addItem("Manual", QString());
    for (const QString& id : ZoneIds()) p.ZoneBox->addItem(id, id);

    auto* grid = new QGridLayout;
    grid->addWidget(NamedLabel("Label4", "Latitude", true), 0, 0);
    grid->addWidget(NamedLabel("Label2", "Degrees"), 0, 1);
    grid->addWidget(NamedLabel("Label3", "Minutes (or decimals)"), 0, 2);
    grid->addWidget(p.Edit2, 1, 1);
    grid->addWidget(p.Edit3, 1, 2);
    grid->addWidget(p.CheckBox1, 1, 3);
    grid->addWidget(NamedLabel("Label1", "Longitude ", true), 2, 0);
    grid->addWidget(NamedLabel("Label5", "Degrees"), 2, 1);
    grid->addWidget(NamedLabel("Label6", "Minutes (or decimals)"), 2, 2);
    grid->addWidget(p.Edit4, 3, 1);
    grid->addWidget(p.Edit5, 3, 2);
    grid->addWidget(p.CheckBox2, 3, 3);
    grid->addWidget(NamedLabel("Label7", "Time Zone", true), 4, 0);
    grid->addWidget(p.Edit6, 4, 1);
    grid->addWidget(p.CheckBox3, 4, 2);
    grid->addWidget(p.ZoneBox, 4, 3);
    grid->setColumnStretch(4, 1);

    p.RadioGroup1 = new QGroupBox("Format of Latitude and Longitude");
    p.RadioGroup1->setObjectName("RadioGroup1");
    p.radioItems = new QButtonGroup(p.RadioGroup1);
    auto* radios = new QVBoxLayout(p.RadioGroup1);
    const char* items[] = {"Degrees and minutes", "Degress and decimal fractions"};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(items[i]));
        r->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        p.radioItems->addButton(r, i);
        radios->addWidget(r);
    }
    p.radioItems->button(1)->setChecked(true);

    p.Button4 = new QPushButton("Done");
    p.Button4->setObjectName("Button4");
    auto* note = NamedLabel(
        "Label18",
        "Use the page to manually set your location on the planet.  It's better to use the Look "
        "up page if you have an internet connection.  It will set these field contents for you.  "
        "You should still verify that they are reasonable.");
    note->setWordWrap(true);
    p.Edit12 = new QLineEdit("10");
    p.Edit12->setObjectName(StoredName(SiteField::ClockResolution));
    p.Edit12->setAlignment(Qt::AlignRight);
    p.Edit12->setMaximumWidth(60);
    p.Edit12->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), p.Edit12));

    auto* side = new QHBoxLayout;
    side->addWidget(p.RadioGroup1);
    side->addWidget(p.Button4, 0, Qt::AlignBottom);
    side->addStretch(1);
    auto* resolution = new QHBoxLayout;
    resolution->addWidget(NamedLabel("Label20", "Clock Resolution (seconds)"));
    resolution->addWidget(p.Edit12);
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
