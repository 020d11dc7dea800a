// Lookup URLs with their encoded query, and the texts naming the hosts.
#include <gtest/gtest.h>

#include "net/services.h"

using namespace hx::net;

TEST(Services, QueryIsPercentEncodedNotTrimmed) {
    const std::pair<QString, QString> rows[] = {
        {"55413", "55413"},
        {"New York", "New%20York"},
        {"St. Paul & Co", "St.%20Paul%20%26%20Co"},
        {"#1?x=y", "%231%3Fx%3Dy"},
        {QString::fromUtf8("Zürich"), "Z%C3%BCrich"},
        {" 55413 ", "%2055413%20"},
        {"", ""},
    };
    for (const auto& [query, encoded] : rows) EXPECT_EQ(EncodeQuery(query), encoded);
}

TEST(Services, UrlsFromTheBaseAddresses) {
    Services s;
    EXPECT_EQ(WeatherUrl(s, "55413"), "");
    EXPECT_EQ(GazetteerUrl(s, "55413"), "");
    s.WeatherService = "https://weather.example.org/";
    s.GazetteerService = " http://gazetteer.example.org:8080 ";
    EXPECT_EQ(WeatherUrl(s, "New York"), "https://weather.example.org/forexml.cgi?New%20York");
    EXPECT_EQ(GazetteerUrl(s, "55413"),
              "http://gazetteer.example.org:8080/cgi-bin/gazetteer-tbl?55413");
}

TEST(Services, CaptionsNameTheHost) {
    Services s;
    EXPECT_EQ(LookupCaption(s), "Look up");
    EXPECT_FALSE(WeatherLabelText(s).isEmpty());
    s.WeatherService = "https://weather.example.org:8443/base";
    s.GazetteerService = "http://gazetteer.example.net";
    EXPECT_EQ(LookupCaption(s), "weather.example.org");
    EXPECT_EQ(GazetteerCaption(s), "gazetteer.example.net");
    EXPECT_TRUE(WeatherLabelText(s).contains("weather.example.org"));
    const QString m = MissingAddressMessage("WeatherService", "/opt/heliodex/heliodex.ini");
    EXPECT_TRUE(m.contains("\"WeatherService\"") && m.contains("\"Services\"") &&
                m.contains("/opt/heliodex/heliodex.ini"));
}
