// The weather lookup's completion: from the forexml document to the window's new texts.
#pragma once

#include <QString>
#include <QStringList>

#include "locale/field_texts.h"
#include "locale/forexml.h"
#include "locale/weather_conversion.h"

namespace hx {

QString WeatherDocumentFile();  // "locale.xml" in the program directory

struct WeatherOutcome {
    LocaleFieldTexts fields;  // coordinates, time zone, daylight time, temperature, pressure
    QString placeCaption;     // lookUpPlace
    QStringList report;       // the lines of weatherReport, which is emptied first
    QString recentEntry;      // added to lookUpRecent unless an equal entry (any case) is there
    QString notice;           // "Look up completed. Location, time zone and daylight time updated."
    QString resultPage;       // HTML the program made for the result pane; empty: show the answer
};

// onWeatherLookupDone for a loaded document and the query that fetched it. A document
// without an observation, or whose latitude or longitude is missing or not a coordinate, is
// refused with hx::Error (then nothing may change). After applying the outcome the window
// re-reads the site.
WeatherOutcome CompleteWeatherLookup(TXMLForexmlType document, const QString& query);
// The same for an answer the program made itself, without reading it back from a document.
WeatherOutcome CompleteWeatherAnswer(const places::ForexmlWeather& answer, const QString& query);

// A coordinate attribute split into the field texts: "-93.27" -> west/south, "93", "27".
struct CoordinateTexts {
    bool negative;
    QString degrees;
    QString decimals;
};
CoordinateTexts SplitCoordinate(const QString& attribute);

}  // namespace hx
