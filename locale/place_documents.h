// The answers the program makes itself for a place found in the world list: the forexml
// document of the weather lookup and the answer page of the gazetteer lookup.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "locale/place_search.h"
#include "locale/weather_conversion.h"

namespace hx::places {

// The site part of the observation: what the weather completion copies into the locale fields.
struct SiteAttributes {
    QString city, longname, latitude, longitude, timezone, daylight_saving;
};

// Hours east of UT as a short decimal: «-6», «5.5», «5.75».
QString HoursText(double hours);
// The zone's standard offset in hours and whether it keeps daylight time, at noon of the date.
// A zone the system does not know falls back to the nearest whole hour of the longitude,
// without daylight time.
double StandardOffsetHours(const QString& zoneId, QDate date, double longitude);
bool KeepsDaylightTime(const QString& zoneId, QDate date);

SiteAttributes SiteOf(const Place& place, QDate date);

// The forexml document, UTF-8. Without weather only the site attributes are written.
QByteArray ForexmlDocument(const Place& place, QDate date, const ForexmlWeather* weather);
// The same answer as values: the site attributes joined to the weather's observation.
ForexmlWeather ForexmlAnswer(const Place& place, QDate date, const ForexmlWeather* weather);
// An answer as a forexml document, UTF-8.
QByteArray ForexmlText(const ForexmlWeather& answer);

// The place as the gazetteer answer names it: «Reykjavik (Capital Region, Iceland)», the
// place's own brackets made square.
QString GazetteerCaption(const Place& place);

// The gazetteer answer page, UTF-8: the «Location:» line, the «Browse Tiger» line and the
// «PO Name: » line for a place found, «Sorry, no matches found» otherwise. The other matches
// are listed after the place's name.
QByteArray GazetteerPage(const PlaceSearch& search);

// The result pane's page for a place the program found itself: the place, its coordinates and
// zone, then `lines` (the weather report, other matches) as paragraphs. Every text in it is
// escaped, so it shows literally whatever the names and lines hold.
QString ResultPage(const Place& place, QDate date, const QStringList& lines);

// One line naming the other matches, empty when there are none; long lists are cut short.
QString AlsoFoundLine(const QStringList& others);
// The report line when the place was found but no weather came.
QString NoWeatherLine(const Place& place);
// The message for a query the world list does not know; `service` names the address the
// user could set instead ("weather" or "gazetteer").
QString UnknownPlaceMessage(const QString& query,
                            const QString& service = QStringLiteral("weather"));
// The message for a postal code, which only a service can answer.
QString PostalCodeMessage(const QString& query, const QString& service = QStringLiteral("weather"));

}  // namespace hx::places
