// The place search over the gazetteer: folding, narrowing, ranking and the list itself.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCoreApplication>
#include <QObject>
#include <QTest>
#include <QTimeZone>

#include "locale/place_search.h"

using namespace hx::places;

namespace {

struct Row {
    const char* query;
    const char* name;
    const char* region;
    const char* countryCode;
    double latitude, longitude;
    const char* zone;
    const char* alsoFound;  // one of the other matches, or "" when there must be none
};

class WorldSearch : public ::testing::TestWithParam<Row> {};

TEST_P(WorldSearch, FindsThePlace) {
    const Row& r = GetParam();
    const PlaceSearch s = FindPlace(QString::fromUtf8(r.query));
    ASSERT_TRUE(s.found()) << r.query;
    EXPECT_EQ(s.place->name, QString::fromUtf8(r.name));
    EXPECT_EQ(s.place->region, QString::fromUtf8(r.region));
    EXPECT_EQ(s.place->countryCode, r.countryCode);
    EXPECT_NEAR(s.place->latitude, r.latitude, 0.005);
    EXPECT_NEAR(s.place->longitude, r.longitude, 0.005);
    EXPECT_EQ(s.place->zoneId, r.zone);
    if (*r.alsoFound)
        EXPECT_TRUE(s.others.contains(QString::fromUtf8(r.alsoFound)))
            << s.others.join("|").toStdString();
    else
        EXPECT_TRUE(s.others.isEmpty()) << s.others.join("|").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Queries, WorldSearch,
    ::testing::Values(
        Row{"Minneapolis", "Minneapolis", "Minnesota", "US", 44.98, -93.264, "America/Chicago", ""},
        Row{"Kathmandu", "Kathmandu", "Bagmati Province", "NP", 27.702, 85.321, "Asia/Kathmandu",
            ""},
        Row{"New Delhi", "New Delhi", "National Capital Territory of Delhi", "IN", 28.636, 77.225,
            "Asia/Kolkata", "Delhi, National Capital Territory of Delhi, India"},
        Row{"Sydney", "Sydney", "New South Wales", "AU", -33.868, 151.207, "Australia/Sydney",
            "Sydney, Nova Scotia, Canada"},
        Row{"reykjavik", "Reykjavik", "Capital Region", "IS", 64.136, -21.895, "Atlantic/Reykjavik",
            ""},
        Row{"  REYKJAVÍK ", "Reykjavik", "Capital Region", "IS", 64.136, -21.895,
            "Atlantic/Reykjavik", ""},
        Row{"Zürich", "Zurich", "Canton of Zurich", "CH", 47.367, 8.55, "Europe/Zurich", ""},
        Row{"Tromsø", "Tromsø", "Troms og Finnmark", "NO", 69.649, 18.955, "Europe/Oslo", ""},
        Row{"St. John's", "St. John's", "Newfoundland and Labrador", "CA", 47.565, -52.709,
            "America/St_Johns", "St John's, Saint John, Antigua and Barbuda"},
        Row{"Springfield, Illinois", "Springfield", "Illinois", "US", 39.802, -89.644,
            "America/Chicago", ""},
        Row{"springfield, ill", "Springfield", "Illinois", "US", 39.802, -89.644, "America/Chicago",
            ""},
        Row{"London", "London", "England", "GB", 51.509, -0.126, "Europe/London",
            "London, Ontario, Canada"},
        Row{"London, Ontario", "London", "Ontario", "CA", 42.983, -81.233, "America/Toronto", ""},
        Row{"London, Canada", "London", "Ontario", "CA", 42.983, -81.233, "America/Toronto", ""},
        Row{"London, England", "London", "England", "GB", 51.509, -0.126, "Europe/London", ""},
        Row{"London, UK", "London", "England", "GB", 51.509, -0.126, "Europe/London", ""},
        Row{"Kinshasa, Congo", "Kinshasa", "Kinshasa City", "CD", -4.328, 15.314, "Africa/Kinshasa",
            ""},
        Row{"Springfield, US", "Springfield", "Illinois", "US", 39.802, -89.644, "America/Chicago",
            "Springfield, Missouri, United States of America"},
        // Names in other languages, and capitals before larger namesakes.
        Row{"München", "Munich", "Bavaria", "DE", 48.137, 11.575, "Europe/Berlin", ""},
        Row{"München, Deutschland", "Munich", "Bavaria", "DE", 48.137, 11.575, "Europe/Berlin", ""},
        Row{"Wien", "Vienna", "Vienna", "AT", 48.208, 16.372, "Europe/Vienna", ""},
        Row{"Köln", "Cologne", "North Rhine-Westphalia", "DE", 50.933, 6.95, "Europe/Berlin", ""},
        Row{"Kiev", "Kyiv", "Kyiv City", "UA", 50.455, 30.524, "Europe/Kiev", ""},
        Row{"Kyiv", "Kyiv", "Kyiv City", "UA", 50.455, 30.524, "Europe/Kiev", ""},
        Row{"Ciudad de México", "Mexico City", "Mexico City", "MX", 19.428, -99.128,
            "America/Mexico_City", ""}));

// A capital first among places of one name, in every language the name is written in.
TEST(PlaceSearch, CapitalsFirstByAnyOfTheirNames) {
    const struct {
        const char* query;
        const char* name;
        const char* countryCode;
        const char* matched;  // the name matched, "" for the English one
        const char* alsoFound;
    } rows[] = {
        {"Washington", "Washington D.C.", "US", "Washington",
         "Washington, Utah, United States of America"},
        {"Roma", "Rome", "IT", "Roma", ""},
        {"Praha", "Prague", "CZ", "Praha", ""},
        {"Rome", "Rome", "IT", "", "Rome, Georgia, United States of America"},
        {"Vienna", "Vienna", "AT", "", "Vienna, Virginia, United States of America"},
    };
    for (const auto& r : rows) {
        const PlaceSearch s = FindPlace(QString::fromUtf8(r.query));
        ASSERT_TRUE(s.found()) << r.query;
        EXPECT_EQ(s.place->name, QString::fromUtf8(r.name)) << r.query;
        EXPECT_EQ(s.place->countryCode, r.countryCode) << r.query;
        EXPECT_EQ(s.place->matchedName, QString::fromUtf8(r.matched)) << r.query;
        if (*r.alsoFound) {
            EXPECT_TRUE(s.others.contains(r.alsoFound)) << r.query;
        }
    }
    const PlaceSearch wien = FindPlace("Wien");
    ASSERT_TRUE(wien.found());
    EXPECT_EQ(MatchedDisplayName(*wien.place), "Vienna, Vienna, Austria (Wien)");
    EXPECT_TRUE(wien.singledOut);
}

// Many places of one name: a capital, then the largest first, and the user is asked unless the
// query names one of them whole.
TEST(PlaceSearch, SeveralPlacesOfOneNameRankCapitalThenPopulation) {
    const PlaceSearch s = FindPlace("Springfield");
    ASSERT_GE(s.matches.size(), 5u);
    EXPECT_EQ(s.place->region, "Illinois");  // the state's capital
    EXPECT_TRUE(s.others.contains("Springfield, Missouri, United States of America"));
    EXPECT_TRUE(
        std::is_sorted(s.matches.begin() + 1, s.matches.end(),
                       [](const Place& a, const Place& b) { return a.population > b.population; }));
    const std::pair<const char*, bool> asks[] = {
        {"Springfield, Illinois, United States of America", true},
        {"Chicago", true},
        {"Springfield", false},
        {"London", false},
        {"Springfield, US", false}};
    for (const auto& [query, singled] : asks)
        EXPECT_EQ(FindPlace(query).singledOut, singled) << query;
}

TEST(PlaceSearch, PostalCodesAndTheCityOfAZone) {
    for (const char* q : {"55413", " 55413-1234 ", "1010 20"})
        EXPECT_TRUE(LooksLikePostalCode(q)) << q;
    for (const char* q : {"", "-", "1010 Wien", "Chicago", "55413-"})
        EXPECT_FALSE(LooksLikePostalCode(q)) << q;
    const std::pair<const char*, const char*> zones[] = {{"America/Chicago", "Chicago"},
                                                         {"Europe/London", "London"},
                                                         {"Asia/Kolkata", "Kolkata"},
                                                         {"America/Argentina/Salta", "Salta"}};
    for (const auto& [zone, city] : zones) {
        const std::optional<Place> p = PlaceOfZone(zone);
        ASSERT_TRUE(p) << zone;
        EXPECT_EQ(p->name, city);
        EXPECT_EQ(p->zoneId, zone);
    }
    EXPECT_FALSE(PlaceOfZone("UTC"));
    EXPECT_FALSE(PlaceOfZone(""));
}

TEST(PlaceSearch, UnknownQueriesFindNothing) {
    for (const char* q : {"55413", "", "   ", " , Illinois", "Springfield, Atlantis", "Xqzwv"}) {
        const PlaceSearch s = FindPlace(QString::fromUtf8(q));
        EXPECT_FALSE(s.found()) << q;
        EXPECT_TRUE(s.others.isEmpty()) << q;
    }
}

Place Make(const char* name, const char* country) {
    Place p;
    p.name = QString::fromUtf8(name);
    p.country = QString::fromUtf8(country);
    return p;
}

TEST(PlaceSearch, ExactBeatsBeginningBeatsContaining) {
    const std::vector<Place> list{Make("Newark", "A"), Make("New York", "A"), Make("York", "B"),
                                  Make("Yorkton", "C"), Make("Renewal", "D")};
    struct {
        const char* query;
        const char* first;
        QStringList others;
    } rows[] = {{"york", "York", {}},
                {"yor", "York", {"Yorkton, C"}},
                {"new", "Newark", {"New York, A"}},
                {"ork", "New York", {"York, B", "Yorkton, C"}},
                {"ewa", "Newark", {"Renewal, D"}}};
    for (const auto& r : rows) {
        const PlaceSearch s = FindPlace(r.query, list);
        ASSERT_TRUE(s.found()) << r.query;
        EXPECT_EQ(s.place->name, r.first) << r.query;
        EXPECT_EQ(s.others, r.others) << r.query;
    }
}

TEST(PlaceSearch, MatchKeyFoldsCaseAccentsAndPunctuation) {
    const std::pair<const char*, const char*> rows[] = {{"Reykjavík", "reykjavik"},
                                                        {"Saint-Étienne", "saint etienne"},
                                                        {"  São   Paulo ", "sao paulo"},
                                                        {"Łódź", "lodz"},
                                                        {"Tromsø", "tromso"},
                                                        {"St. John's", "st john s"},
                                                        {"GÖTEBORG", "goteborg"},
                                                        {"Straße", "strasse"}};
    for (const auto& [in, out] : rows) EXPECT_EQ(MatchKey(QString::fromUtf8(in)), out) << in;
}

TEST(PlaceSearch, EveryCityHasCoordinatesAndAKnownZone) {
    const auto& cities = WorldCities();
    ASSERT_GT(cities.size(), 20000u);
    for (const Place& p : cities) {
        EXPECT_FALSE(p.name.isEmpty());
        EXPECT_FALSE(p.country.isEmpty()) << p.name.toStdString();
        EXPECT_TRUE(p.latitude >= -90 && p.latitude <= 90 && p.longitude >= -180 &&
                    p.longitude <= 180)
            << p.name.toStdString();
        EXPECT_TRUE(QTimeZone(p.zoneId.toUtf8()).isValid())
            << p.name.toStdString() << " " << p.zoneId.toStdString();
    }
}

}  // namespace

// The wait for the load is a job: each waiter's completion runs once from the event loop,
// none for a context that is gone or a cancelled wait.
TEST(PlaceSearch, WaitingForTheLoadEndsOnceFromTheEventLoop) {
    QObject kept;
    auto gone = std::make_unique<QObject>();
    int keptRuns = 0, goneRuns = 0, cancelledRuns = 0;
    WhenWorldCitiesLoaded(&kept, [&] { ++keptRuns; });
    WhenWorldCitiesLoaded(gone.get(), [&] { ++goneRuns; });
    hx::JobHandle cancelled = WhenWorldCitiesLoaded(&kept, [&] { ++cancelledRuns; });
    EXPECT_EQ(keptRuns, 0);
    EXPECT_FALSE(cancelled.Cancel(hx::CancelMode::Silent));
    gone.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return keptRuns > 0; }, 20000));
    QCoreApplication::sendPostedEvents();  // any other completion is queued by now
    EXPECT_EQ(keptRuns, 1);
    EXPECT_EQ(goneRuns, 0);
    EXPECT_EQ(cancelledRuns, 0);
}
