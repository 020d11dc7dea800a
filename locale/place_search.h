// The place search over the world gazetteer of libgeonames: about 24,000 cities with their
// population, region, country and time zone, offline.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

#include "core/job.h"

class QObject;

namespace hx::places {

struct Place {
    QString name;          // the city
    QString region;        // its state or province; empty when none is listed
    QString country;       // the country's name
    QString countryCode;   // ISO 3166 code, such as "US"
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    QString zoneId;        // IANA time zone, such as "America/Chicago"
    quint32 population = 0;
    int listIndex = -1;  // position in the gazetteer; -1 for places made up elsewhere
    QString geonameId;   // the gazetteer's id of the place; empty for places made up elsewhere
    QString regionCode;  // the gazetteer's code of the region within the country
    // The name a search matched, when it was not `name` but one of the place's names in
    // another language ("München" for Munich); empty otherwise.
    QString matchedName;
};

struct PlaceSearch {
    std::optional<Place> place;  // the best match; empty when nothing matched
    QStringList others;          // DisplayName of every other match, best first
    std::vector<Place> matches;  // every match, best first (the place included)
    // The query names one place, so nobody need be asked which: a single match, or the
    // query is the best match's whole "City, Region, Country".
    bool singledOut = false;
    bool found() const { return place.has_value(); }
};

// "City, Region, Country", leaving out an empty region.
QString DisplayName(const Place& place);

// Every city of the gazetteer in its order; loaded once (on the first call, or by
// LoadWorldCitiesInBackground), then kept. Empty when the data cannot be read.
const std::vector<Place>& WorldCities();
// The cities with their names in every language, folded for the search.
struct Gazetteer;
// Reads the gazetteer and its places' names in the catalogues under `localeDir` anew,
// uncached (what the first search costs; the program does it once, on a thread of its own).
std::shared_ptr<const Gazetteer> ReadGazetteer(const QString& localeDir);
const std::vector<Place>& Cities(const Gazetteer& gazetteer);
size_t OtherNameCount(const Gazetteer& gazetteer);  // the names in other languages kept

// Starts loading the gazetteer on a thread of its own, so that the first search finds it
// ready; a search before the load has ended waits for it.
void LoadWorldCitiesInBackground();
// True while a load started and has not ended: the program then ends without waiting for it.
bool WorldCitiesLoading();
// A job that ends once the gazetteer is loaded (starting the load): `ready` runs from the event
// loop of `context`'s thread, never after `context` is gone or the job is cancelled, so a
// window need not wait for the load. Call from the application's thread.
JobHandle WhenWorldCitiesLoaded(QObject* context, std::function<void()> ready);
// Reads the gazetteer anew, uncached (what the first search costs).
std::vector<Place> ReadWorldCities();

// Finds the query among the cities, without regard to case, accents and punctuation. The
// text before the first comma names the city, by its English name or (in WorldCities()) any
// name it has in another language; each further comma-separated part must name (or begin the
// name of) the city's region or country, in any of their languages there too, or be its
// country code. Exact city names win over names that begin with the query, and those over
// names that contain it; only the best of these kinds is kept: capitals of countries and of
// first-level regions first, then the other places, each the largest first.
// `cities` alone are searched by their English names.
PlaceSearch FindPlace(const QString& query, const std::vector<Place>& cities);
PlaceSearch FindPlace(const QString& query, const Gazetteer& gazetteer);
PlaceSearch FindPlace(const QString& query);  // in WorldCities(), with its prepared keys

// The place's "City, Region, Country", followed by the name the search matched when that
// was another: "Munich, Bavaria, Germany (München)".
QString MatchedDisplayName(const Place& place);

// The city that names a time zone ("America/Chicago" gives Chicago), else the zone's largest
// city; none for a zone without cities, such as "UTC".
std::optional<Place> PlaceOfZone(const QString& zoneId);

// A query of digits (blanks and hyphens allowed between them): a postal code, which only a
// service can answer.
bool LooksLikePostalCode(const QString& query);

// The folded form used for matching: accents removed, case folded, punctuation as blanks,
// blanks collapsed.
QString MatchKey(const QString& text);

}  // namespace hx::places
