// The place search: the world list read from libgweather, and the matching of queries.
#include "locale/place_search.h"

#include <array>
#include <cmath>

#include <libgweather/gweather.h>

#include "locale/gweather_world.h"

namespace hx::places {

namespace {

struct World {
    std::vector<Place> cities;
    std::vector<GWeatherLocation*> locations;  // references kept for the program's life
};

QString Text(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

struct Walk {
    World& world;
    QString country, englishCountry, region, englishRegion;

    void City(GWeatherLocation* loc) {
        // A city without coordinates, or with impossible ones (the list has a longitude of
        // -565.46), would set a wrong site: it is left out.
        double latitude = 0, longitude = 0;
        if (!gweather_location_has_coords(loc)) return;
        gweather_location_get_coords(loc, &latitude, &longitude);
        if (!(std::abs(latitude) <= 90 && std::abs(longitude) <= 180)) return;
        Place p;
        p.latitude = latitude;
        p.longitude = longitude;
        p.name = Text(gweather_location_get_name(loc));
        p.englishName = Text(gweather_location_get_english_name(loc));
        p.region = region;
        p.englishRegion = englishRegion;
        p.country = country;
        p.englishCountry = englishCountry;
        p.countryCode = Text(gweather_location_get_country(loc));
        p.zoneId = Text(gweather_location_get_timezone_str(loc));
        p.listIndex = int(world.cities.size());
        world.cities.push_back(std::move(p));
        world.locations.push_back(GWEATHER_LOCATION(g_object_ref(loc)));
    }

    void Children(GWeatherLocation* loc) {
        GWeatherLocation* child = nullptr;
        // next_child takes the reference of the child passed in and returns a new one.
        while ((child = gweather_location_next_child(loc, child))) Visit(child);
    }

    void Visit(GWeatherLocation* loc) {
        switch (gweather_location_get_level(loc)) {
            case GWEATHER_LOCATION_COUNTRY: {
                Walk inner{world,
                           Text(gweather_location_get_name(loc)),
                           Text(gweather_location_get_english_name(loc)),
                           {},
                           {}};
                inner.Children(loc);
                break;
            }
            case GWEATHER_LOCATION_ADM1: {
                Walk inner{world, country, englishCountry, Text(gweather_location_get_name(loc)),
                           Text(gweather_location_get_english_name(loc))};
                inner.Children(loc);
                break;
            }
            case GWEATHER_LOCATION_CITY:
                City(loc);
                break;
            case GWEATHER_LOCATION_WORLD:
            case GWEATHER_LOCATION_REGION:
                Children(loc);
                break;
            default:
                break;  // stations, detached places and named zones are no cities
        }
    }
};

const World& TheWorld() {
    static const World world = [] {
        World w;
        if (GWeatherLocation* root = gweather_location_get_world()) {
            Walk{w, {}, {}, {}, {}}.Visit(root);  // the root reference is kept, like the cities
        }
        return w;
    }();
    return world;
}

// Letters that do not decompose into a base letter and a mark.
QString FoldLetter(QChar c) {
    static const std::array<std::pair<char16_t, const char*>, 11> table{{{u'ø', "o"},
                                                                         {u'ł', "l"},
                                                                         {u'đ', "d"},
                                                                         {u'ð', "d"},
                                                                         {u'ı', "i"},
                                                                         {u'æ', "ae"},
                                                                         {u'œ', "oe"},
                                                                         {u'ß', "ss"},
                                                                         {u'þ', "th"},
                                                                         {u'ħ', "h"},
                                                                         {u'ŧ', "t"}}};
    const QChar lower = c.toLower();
    for (const auto& [from, to] : table)
        if (lower == QChar(from)) return QString::fromLatin1(to);
    return QString(lower);
}

bool IsWordIn(const QString& word, const QString& text) {
    return text.startsWith(word) || (u' ' + text + u' ').contains(u' ' + word + u' ');
}

// The country names people commonly type instead of the listed name.
QString CodeAlias(const QString& key) {
    if (key == u"uk") return QStringLiteral("gb");
    if (key == u"usa" || key == u"u s a" || key == u"u s") return QStringLiteral("us");
    return key;
}

bool QualifierMatches(const QString& q, const Place& p) {
    if (CodeAlias(q) == p.countryCode.toCaseFolded()) return true;
    for (const QString* name : {&p.region, &p.country, &p.englishRegion, &p.englishCountry}) {
        if (name->isEmpty()) continue;
        if (IsWordIn(q, MatchKey(*name))) return true;
        for (const QString& piece : name->split(u','))
            if (IsWordIn(q, MatchKey(piece))) return true;
    }
    return false;
}

// 0 exact, 1 begins with the query, 2 contains it, -1 no match.
int CityTier(const QString& key, const Place& p) {
    int best = -1;
    for (const QString* name : {&p.name, &p.englishName}) {
        if (name->isEmpty()) continue;
        const QString k = MatchKey(*name);
        const int tier = k == key ? 0 : k.startsWith(key) ? 1 : k.contains(key) ? 2 : -1;
        if (tier >= 0 && (best < 0 || tier < best)) best = tier;
    }
    return best;
}

}  // namespace

GWeatherLocation* WorldCityLocation(int listIndex) {
    const auto& locations = TheWorld().locations;
    if (listIndex < 0 || listIndex >= int(locations.size())) return nullptr;
    return locations[size_t(listIndex)];
}

const std::vector<Place>& WorldCities() {
    return TheWorld().cities;
}

QString DisplayName(const Place& place) {
    QStringList parts{place.name};
    if (!place.region.isEmpty()) parts << place.region;
    if (!place.country.isEmpty()) parts << place.country;
    return parts.join(QStringLiteral(", "));
}

QString MatchKey(const QString& text) {
    QString out;
    bool gap = false;
    for (QChar c : text.normalized(QString::NormalizationForm_KD)) {
        const auto cat = c.category();
        if (cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
            cat == QChar::Mark_Enclosing)
            continue;
        if (!c.isLetterOrNumber()) {
            gap = true;
            continue;
        }
        if (gap && !out.isEmpty()) out += u' ';
        gap = false;
        out += FoldLetter(c);
    }
    return out.toCaseFolded();
}

PlaceSearch FindPlace(const QString& query, const std::vector<Place>& cities) {
    const QStringList parts = query.split(u',');
    const QString key = MatchKey(parts.front());
    PlaceSearch result;
    if (key.isEmpty()) return result;
    QStringList qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (QString q = MatchKey(parts[i]); !q.isEmpty()) qualifiers << q;

    std::array<std::vector<const Place*>, 3> tiers;
    for (const Place& p : cities) {
        const int tier = CityTier(key, p);
        if (tier < 0) continue;
        bool narrowed = true;
        for (const QString& q : qualifiers) narrowed = narrowed && QualifierMatches(q, p);
        if (narrowed) tiers[size_t(tier)].push_back(&p);
    }
    for (const auto& tier : tiers) {
        if (tier.empty()) continue;
        result.place = *tier.front();
        for (size_t i = 1; i < tier.size(); ++i) result.others << DisplayName(*tier[i]);
        break;
    }
    return result;
}

}  // namespace hx::places
