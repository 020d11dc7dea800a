// The place search over the world list of cities that libgweather ships.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace hx::places {

struct Place {
    QString name;          // the city, as the desktop's language names it
    QString region;        // its state or province; empty when the country has none listed
    QString country;       // the country's name
    QString countryCode;   // ISO 3166 code, such as "US"
    double latitude = 0;   // degrees, north positive
    double longitude = 0;  // degrees, east positive
    QString zoneId;        // IANA time zone, such as "America/Chicago"
    // The English names, for matching queries typed in English under another language.
    QString englishName, englishRegion, englishCountry;
    int listIndex = -1;  // position in the world list; -1 for places made up elsewhere
};

struct PlaceSearch {
    std::optional<Place> place;  // the first match in list order; empty when nothing matched
    QStringList others;          // DisplayName of every other match, in list order
    bool found() const { return place.has_value(); }
};

// "City, Region, Country", leaving out an empty region.
QString DisplayName(const Place& place);

// Every city of the world list in its order; read once, then kept. Empty when the list is
// missing or unreadable.
const std::vector<Place>& WorldCities();

// Finds the query among the cities, without regard to case, accents and punctuation. The
// text before the first comma names the city; each further comma-separated part must name
// (or begin the name of) the city's region or country, or be its country code. Exact city
// names win over names that begin with the query, and those over names that contain it.
PlaceSearch FindPlace(const QString& query, const std::vector<Place>& cities);
inline PlaceSearch FindPlace(const QString& query) {
    return FindPlace(query, WorldCities());
}

// The folded form used for matching: accents removed, case folded, punctuation as blanks,
// blanks collapsed.
QString MatchKey(const QString& text);

}  // namespace hx::places
