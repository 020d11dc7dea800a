// The place search over the world list: folding, narrowing, ranking and the list itself.
#include <gtest/gtest.h>

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
        Row{"Kathmandu", "Kathmandu", "", "NP", 27.717, 85.317, "Asia/Kathmandu", ""},
        Row{"New Delhi", "New Delhi", "Delhi", "IN", 28.6, 77.2, "Asia/Kolkata", ""},
        Row{"Sydney", "Sydney", "New South Wales", "AU", -33.883, 151.217, "Australia/Sydney",
            "Sydney, Nova Scotia, Canada"},
        Row{"reykjavik", "Reykjavík", "", "IS", 64.15, -21.95, "Atlantic/Reykjavik", ""},
        Row{"  REYKJAVÍK ", "Reykjavík", "", "IS", 64.15, -21.95, "Atlantic/Reykjavik", ""},
        Row{"Springfield, Illinois", "Springfield", "Illinois", "US", 39.802, -89.644,
            "America/Chicago", ""},
        Row{"springfield, ill", "Springfield", "Illinois", "US", 39.802, -89.644, "America/Chicago",
            ""},
        Row{"London, Canada", "London", "Ontario", "CA", 42.983, -81.25, "America/Toronto", ""},
        Row{"London, England", "London", "East and South East England", "GB", 51.5, -0.117,
            "Europe/London", ""},
        Row{"London, UK", "London", "East and South East England", "GB", 51.5, -0.117,
            "Europe/London", ""},
        Row{"Kinshasa, Congo, Democratic Republic of the", "Kinshasa", "", "CD", -4.33, 15.315,
            "Africa/Kinshasa", ""},
        Row{"Springfield, US", "Springfield", "Colorado", "US", 37.408, -102.614, "America/Denver",
            "Springfield, Ohio, United States"}));

TEST(PlaceSearch, UnknownQueriesFindNothing) {
    for (const char* q : {"55413", "", "   ", " , Illinois", "Springfield, Atlantis", "Xqzwv"}) {
        const PlaceSearch s = FindPlace(QString::fromUtf8(q));
        EXPECT_FALSE(s.found()) << q;
        EXPECT_TRUE(s.others.isEmpty()) << q;
    }
}

Place Make(const char* name, const char* country) {
    Place p;
    p.name = p.englishName = QString::fromUtf8(name);
    p.country = p.englishCountry = QString::fromUtf8(country);
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
    ASSERT_GT(cities.size(), 4000u);
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
