// The place search: the gazetteer read from libgeonames, and the matching and ranking of
// queries.
#include "locale/place_search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <future>
#include <memory>
#include <system_error>
#include <utility>

#include <QCoreApplication>
#include <QHash>
#include <QMetaObject>
#include <QRegularExpression>

#include <geonames.h>

#include "locale/capitals.h"
#include "locale/name_catalogues.h"

namespace hx::places {

// The folded names of a city, made once with the list so a search only compares.
struct Keys {
    QString name;
    QStringList region, country;  // the English name first, then those of other languages
    CapitalKind capital = CapitalKind::None;
};

// A name of a city in another language.
struct OtherName {
    QString key;   // folded
    QString text;  // as written
    int city = 0;  // index in `cities`
};

struct Gazetteer {
    std::vector<Place> cities;
    std::vector<Keys> keys;  // one per city
    std::vector<OtherName> others;
};

namespace {

QString Text(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

// The load runs once, on a thread of its own where one can be had (else in place, the first
// time the gazetteer is needed). The thread hands the result over before it tells the waiting
// jobs, which live on the application's thread.
struct Load {
    std::promise<std::shared_ptr<const Gazetteer>> promise;
    std::shared_future<std::shared_ptr<const Gazetteer>> ready = promise.get_future().share();
    std::future<void> thread;  // joined at exit
    bool started = false;
    std::vector<Job<>> waiting;  // used on the application's thread only
};

Load& TheLoad() {
    static Load load;
    return load;
}

bool Loaded() {
    return TheLoad().ready.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void ReleaseWaiting() {
    for (Job<>& job : std::exchange(TheLoad().waiting, {})) job.Done();
}

void StartLoad() {
    Load& load = TheLoad();
    if (load.started) return;
    load.started = true;
    const auto read = [&load] {
        load.promise.set_value(ReadGazetteer(SystemLocaleDirectory()));
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, ReleaseWaiting, Qt::QueuedConnection);
    };
    try {
        load.thread = std::async(std::launch::async, read);
    } catch (const std::system_error&) {
        read();
    }
}

const Gazetteer& TheWorld() {
    StartLoad();
    return *TheLoad().ready.get();
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
    const auto in = [&q](const QStringList& names) {
        return std::any_of(names.begin(), names.end(), [&q](const QString& name) {
            return !name.isEmpty() && IsWordIn(q, name);
        });
    };
    return in(k.region) || in(k.country);
}

// 0 exact, 1 begins with the query, 2 contains it, -1 no match.
int CityTier(const QString& key, const QString& name) {
    return name == key ? 0 : name.startsWith(key) ? 1 : name.contains(key) ? 2 : -1;
}

Keys KeysOf(const Place& p) {
    return {MatchKey(p.name), {MatchKey(p.region)}, {MatchKey(p.country)}, CapitalOf(p)};
}

// Searches the cities' English names, and the names in `others` when given; `prepared` holds
// the cities' keys, else they are made on the way.
PlaceSearch Search(const QString& query, const std::vector<Place>& cities,
                   const std::vector<Keys>* prepared, const std::vector<OtherName>* others) {
    const QStringList parts = query.split(u',');
    const QString key = MatchKey(parts.front());
    PlaceSearch result;
    if (key.isEmpty()) return result;
    QStringList qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i)
        if (QString q = MatchKey(parts[i]); !q.isEmpty()) qualifiers << q;

    // Each city's best kind of match over all its names, and the other name that gave it.
    std::vector<std::int8_t> tier(cities.size(), -1);
    std::vector<const OtherName*> via(cities.size(), nullptr);
    std::vector<Keys> made;
    if (!prepared) {
        made.reserve(cities.size());
        for (const Place& p : cities) made.push_back(KeysOf(p));
    }
    const std::vector<Keys>& keys = prepared ? *prepared : made;
    for (size_t i = 0; i < cities.size(); ++i) tier[i] = std::int8_t(CityTier(key, keys[i].name));
    if (others)
        for (const OtherName& other : *others) {
            const int t = CityTier(key, other.key);
            std::int8_t& best = tier[size_t(other.city)];
            if (t < 0 || (best >= 0 && best <= t)) continue;
            best = std::int8_t(t);
            via[size_t(other.city)] = &other;
        }

    std::array<std::vector<size_t>, 3> tiers;
    for (size_t i = 0; i < cities.size(); ++i) {
        if (tier[i] < 0) continue;
        if (std::all_of(qualifiers.begin(), qualifiers.end(),
                        [&](const QString& q) { return QualifierMatches(q, cities[i], keys[i]); }))
            tiers[size_t(tier[i])].push_back(i);
    }
    for (auto& found : tiers) {
        if (found.empty()) continue;
        std::stable_sort(found.begin(), found.end(), [&](size_t a, size_t b) {
            const bool capitalA = keys[a].capital != CapitalKind::None;
            const bool capitalB = keys[b].capital != CapitalKind::None;
            if (capitalA != capitalB) return capitalA;
            return cities[a].population > cities[b].population;
        });
        for (const size_t i : found) {
            Place p = cities[i];
            if (via[i]) p.matchedName = via[i]->text;
            result.matches.push_back(std::move(p));
        }
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
        // The id and the region's code, which the name catalogues are keyed by.
        if (g_variant_is_of_type(c, G_VARIANT_TYPE("(sssssssudd)"))) {
            const gchar* id = nullptr;
            const gchar* region = nullptr;
            g_variant_get_child(c, 0, "&s", &id);
            g_variant_get_child(c, 2, "&s", &region);
            p.geonameId = Text(id);
            p.regionCode = Text(region);
        }
        geonames_city_free(c);
        // A city without a name or with impossible coordinates would set a wrong site.
        if (p.name.isEmpty() || !(std::abs(p.latitude) <= 90 && std::abs(p.longitude) <= 180))
            continue;
        cities.push_back(std::move(p));
    }
    return cities;
}

std::shared_ptr<const Gazetteer> ReadGazetteer(const QString& localeDir) {
    auto g = std::make_shared<Gazetteer>();
    g->cities = ReadWorldCities();
    const QHash<QString, QStringList> names = ReadNameCatalogues(localeDir);
    g->keys.reserve(g->cities.size());
    // Regions and countries repeat: each is folded once, with its names in other languages.
    QHash<QString, QStringList> folded;
    const auto namesOf = [&](const QString& code, const QString& english) {
        auto it = folded.constFind(code);
        if (it != folded.constEnd()) return *it;
        QStringList keys{MatchKey(english)};
        for (const QString& name : names.value(code))
            if (QString k = MatchKey(name); !k.isEmpty() && !keys.contains(k)) keys << k;
        return *folded.insert(code, keys);
    };
    for (size_t i = 0; i < g->cities.size(); ++i) {
        const Place& p = g->cities[i];
        const QString regionCode = p.countryCode + u'.' + p.regionCode;
        g->keys.push_back({MatchKey(p.name), namesOf(regionCode, p.region),
                           namesOf(p.countryCode, p.country), CapitalOf(p)});
        if (p.geonameId.isEmpty()) continue;
        const size_t first = g->others.size();
        for (const QString& text : names.value(p.geonameId)) {
            QString k = MatchKey(text);
            if (k.isEmpty() || k == g->keys.back().name) continue;
            // Names that fold alike (Wien, WIEN) are one name to the search.
            if (std::any_of(g->others.begin() + std::ptrdiff_t(first), g->others.end(),
                            [&k](const OtherName& o) { return o.key == k; }))
                continue;
            g->others.push_back({std::move(k), text, int(i)});
        }
    }
    g->others.shrink_to_fit();
    return g;
}

const std::vector<Place>& Cities(const Gazetteer& gazetteer) {
    return gazetteer.cities;
}

size_t OtherNameCount(const Gazetteer& gazetteer) {
    return gazetteer.others.size();
}

const std::vector<Place>& WorldCities() {
    return TheWorld().cities;
}

void LoadWorldCitiesInBackground() {
    StartLoad();
}

bool WorldCitiesLoading() {
    return TheLoad().started && !Loaded();
}

JobHandle WhenWorldCitiesLoaded(QObject* context, std::function<void()> ready) {
    StartLoad();
    auto [job, handle] = Job<>::Start(context, [ready = std::move(ready)](const JobResult<>& r) {
        if (r.done()) ready();
    });
    if (Loaded())
        job.Done();
    else
        TheLoad().waiting.push_back(job);
    return handle;
}

QString MatchedDisplayName(const Place& place) {
    const QString name = DisplayName(place);
    return place.matchedName.isEmpty() ? name
                                       : name + QStringLiteral(" (%1)").arg(place.matchedName);
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
    return Search(query, cities, nullptr, nullptr);
}

PlaceSearch FindPlace(const QString& query, const Gazetteer& gazetteer) {
    return Search(query, gazetteer.cities, &gazetteer.keys, &gazetteer.others);
}

PlaceSearch FindPlace(const QString& query) {
    return FindPlace(query, TheWorld());
}

std::optional<Place> PlaceOfZone(const QString& zoneId) {
    const Gazetteer& world = TheWorld();
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
