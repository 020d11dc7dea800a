// The "Weather" page: the atmosphere fields above the weather report.
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

#include "menu/stored_names.h"
#include "pages.h"

namespace hx::ui {

WeatherPage BuildWeatherPage() {
    WeatherPage p;
    p.page = new QWidget;
    p.page->setObjectName(StoredName(Page::Weather));
    auto* strip = new QFrame;
    strip->setObjectName("Panel3");
    strip->setFixedHeight(75);
    p.Label17 =
        NamedLabel("Label17", "Set these fields from the weather service on the Look up page.");
    auto edit = [](SiteField role) {
        auto* e = new QLineEdit;
        e->setObjectName(StoredName(role));
        e->setMaximumWidth(120);
        return e;
    };
    p.Edit7 = edit(SiteField::Pressure);
    p.Edit9 = edit(SiteField::Altitude);
    p.Edit8 = edit(SiteField::Temperature);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(p.Label17, 0, 0, 1, 3);
    grid->addWidget(NamedLabel("Label8", "Atmospheric pressure in mbar/hPa"), 1, 0);
    grid->addWidget(NamedLabel("Label10", "Altitude in meters above sea level"), 1, 1);
    grid->addWidget(NamedLabel("Label9", "Atmospheric temperature in deg. Fahrenheit "), 1, 2);
    grid->addWidget(p.Edit7, 2, 0);
    grid->addWidget(p.Edit9, 2, 1);
    grid->addWidget(p.Edit8, 2, 2);

    p.RichEdit1 = new QTextEdit;
    p.RichEdit1->setObjectName("RichEdit1");
    p.RichEdit1->setReadOnly(true);
    p.RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont f = p.RichEdit1->font();
    f.setPixelSize(13);
    p.RichEdit1->setFont(f);

    auto* page = new QVBoxLayout(p.page);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(strip);
    page->addWidget(p.RichEdit1, 1);
    return p;
}

}  // namespace hx::ui
