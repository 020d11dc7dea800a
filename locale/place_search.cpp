// The place search: the gazetteer read from libgeonames, and the matching and ranking of
// queries.
#include "locale/place_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <future>

#include <QHash>
#include <QRegularExpression>
#include <QTimer>

#include <geonames.h>

namespace hx::places {

namespace {

// The folded names of a city, made once with the list so a search only compares.
struct Keys {
    QString name, region, country;
};

struct World {
    std::vector<Place> cities;
    std::vector<Keys> keys;  // one per city
};

QString Text(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

World ReadWorld() {
    World w;
    w.cities = ReadWorldCities();
    w.keys.reserve(w.cities.size());
    // Regions and countries repeat: each is folded once.
    QHash<QString, QString> folded;
    const auto fold = [&folded](const QString& s) {
        auto it = folded.constFind(s);
        if (it == folded.constEnd()) it = folded.insert(s, MatchKey(s));
        return *it;
    };
    for (const Place& p : w.cities)
        w.keys.push_back({MatchKey(p.name), fold(p.region), fold(p.country)});
    return w;
}

// The load runs once, on its own thread where one can be had.
const std::shared_future<World>& Loading() {
    static const std::shared_future<World> loading =
        std::async(std::launch::async | std::launch::deferred, ReadWorld).share();
    return loading;
}

const World& TheWorld() {
    return Loading().get();
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

bool QualifierMatches(const QString& q, const Place& p, const Keys& k) {
    if (CodeAlias(q) == p.countryCode.toCaseFolded()) return true;
    return (!k.region.isEmpty() && IsWordIn(q, k.region)) ||
           (!k.country.isEmpty() && IsWordIn(q, k.country));
}

// 0 exact, 1 begins with the query, 2 contains it, -1 no match.
int CityTier(const QString& key, const QString& name) {
    return name == key ? 0 : name.startsWith(key) ? 1 : name.contains(key) ? 2 : -1;
}

PlaceSearch Search(const QString& query, const std::vector<Place>& cities,
                   const std::vector<Keys>* prepared) {
    const QStringList parts = query.split(u',');
    const QString key = MatchKey(parts.front());
    PlaceSearch result;
    if (key.isEmpty()) return result;
    QStringList qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (QString q = MatchKey(parts[i]); !q.isEmpty()) qualifiers << q;

    std::array<std::vector<const Place*>, 3> tiers;
    for (size_t i = 0; i < cities.size(); ++i) {
        const Place& p = cities[i];
        Keys made;
        if (!prepared) made = {MatchKey(p.name), MatchKey(p.region), MatchKey(p.country)};
        const Keys& k = prepared ? (*prepared)[i] : made;
        const int tier = CityTier(key, k.name);
        if (tier < 0) continue;
        if (std::all_of(qualifiers.begin(), qualifiers.end(),
                        [&](const QString& q) { return QualifierMatches(q, p, k); }))
            tiers[size_t(tier)].push_back(&p);
    }
    for (auto& tier : tiers) {
        if (tier.empty()) continue;
        std::stable_sort(tier.begin(), tier.end(), [](const Place* a, const Place* b) {
            return a->population > b->population;
        });
        for (const Place* p : tier) result.matches.push_back(*p);
        break;
    }
    if (result.matches.empty()) return result;
    result.place = result.matches.front();
    for (size_t i = 1; i < result.matches.size(); ++i)
        result.others << DisplayName(result.matches[i]);
    result.singledOut =
        result.matches.size() == 1 || MatchKey(query) == MatchKey(DisplayName(*result.place));
    return result;
}

}  // namespace

std::vector<Place> ReadWorldCities() {
    std::vector<Place> cities;
    const gint n = geonames_get_n_cities();
    cities.reserve(size_t(std::max(n, 0)));
    for (gint i = 0; i < n; ++i) {
        GeonamesCity* c = geonames_get_city(i);
        if (!c) continue;
        Place p;
        p.name = Text(geonames_city_get_name(c));
        p.region = Text(geonames_city_get_state(c));
        p.country = Text(geonames_city_get_country(c));
        p.countryCode = Text(geonames_city_get_country_code(c));
        p.zoneId = Text(geonames_city_get_timezone(c));
        p.latitude = geonames_city_get_latitude(c);
        p.longitude = geonames_city_get_longitude(c);
        p.population = geonames_city_get_population(c);
        p.listIndex = int(i);
        geonames_city_free(c);
        // A city without a name or with impossible coordinates would set a wrong site.
        if (p.name.isEmpty() || !(std::abs(p.latitude) <= 90 && std::abs(p.longitude) <= 180))
            continue;
        cities.push_back(std::move(p));
    }
    return cities;
}

const std::vector<Place>& WorldCities() {
    return TheWorld().cities;
}

void LoadWorldCitiesInBackground() {
    Loading();
}

void WhenWorldCitiesLoaded(QObject* context, std::function<void()> ready) {
    const auto loaded = [] {
        return Loading().wait_for(std::chrono::seconds(0)) != std::future_status::timeout;
    };
    if (loaded()) return ready();
    // The load is short and runs once: a look every few milliseconds costs nothing.
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [poll, loaded, ready = std::move(ready)] {
        if (!loaded()) return;
        poll->stop();
        poll->deleteLater();
        ready();
    });
    poll->start(5);
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
    return Search(query, cities, nullptr);
}

PlaceSearch FindPlace(const QString& query) {
    const World& world = TheWorld();
    return Search(query, world.cities, &world.keys);
}

std::optional<Place> PlaceOfZone(const QString& zoneId) {
    const World& world = TheWorld();
    const QString named = MatchKey(zoneId.section(u'/', -1));
    const Place* best = nullptr;
    bool bestNamed = false;
    for (size_t i = 0; i < world.cities.size(); ++i) {
        const Place& p = world.cities[i];
        if (p.zoneId != zoneId) continue;
        const bool isNamed = world.keys[i].name == named;
        if (!best || (isNamed && !bestNamed) ||
            (isNamed == bestNamed && p.population > best->population)) {
            best = &p;
            bestNamed = isNamed;
        }
    }
    if (!best) return std::nullopt;
    return *best;
}

bool LooksLikePostalCode(const QString& query) {
    static const QRegularExpression digits(QStringLiteral("^\\s*\\d(?:[\\d -]*\\d)?\\s*$"));
    return digits.match(query).hasMatch();
}

}  // namespace hx::places
