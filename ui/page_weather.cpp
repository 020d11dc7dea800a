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
    strip->setObjectName("weatherStrip");
    // As high as its three rows need at the font in use, no higher.
    strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    p.sourceNote =
        NamedLabel("sourceNote", "Set these fields from the weather service on the Look up page.");
    auto edit = [](SiteField role) {
        auto* e = new QLineEdit;
        e->setObjectName(StoredName(role));
        e->setMaximumWidth(120);
        return e;
    };
    p.pressure = edit(SiteField::Pressure);
    p.altitude = edit(SiteField::Altitude);
    p.temperatureF = edit(SiteField::Temperature);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(p.sourceNote, 0, 0, 1, 3);
    grid->addWidget(NamedLabel("pressureLabel", "Atmospheric pressure in mbar/hPa"), 1, 0);
    grid->addWidget(NamedLabel("altitudeLabel", "Altitude in meters above sea level"), 1, 1);
    grid->addWidget(NamedLabel("temperatureLabel", "Atmospheric temperature in deg. Fahrenheit "),
                    1, 2);
    grid->addWidget(p.pressure, 2, 0);
    grid->addWidget(p.altitude, 2, 1);
    grid->addWidget(p.temperatureF, 2, 2);

    p.weatherReport = new QTextEdit;
    p.weatherReport->setObjectName("RichEdit1");
    p.weatherReport->setReadOnly(true);
    p.weatherReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont f = p.weatherReport->font();
    f.setPixelSize(13);
    p.weatherReport->setFont(f);

    auto* page = new QVBoxLayout(p.page);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(strip);
    page->addWidget(p.weatherReport, 1);
    return p;
}

}  // namespace hx::ui
