// Lookup URLs with their encoded query, and the texts naming the hosts.
#include <gtest/gtest.h>

#include "net/service_urls.h"

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
    const std::pair<QString, QString> rows[] = {
        {"", ""},
        {"  ", ""},
        {"https://weather.example.org/", "https://weather.example.org/forexml.cgi?New%20York"},
        {" http://127.0.0.1:8080 ", "http://127.0.0.1:8080/forexml.cgi?New%20York"},
        {"weather.example.org", "https://weather.example.org/forexml.cgi?New%20York"},
        {"https://example.org/mirror//", "https://example.org/mirror/forexml.cgi?New%20York"},
    };
    for (const auto& [base, url] : rows)
        EXPECT_EQ(WeatherUrl(base, "New York"), url) << base.toStdString();
    EXPECT_EQ(GazetteerUrl("http://g.example.net", "55413"),
              "http://g.example.net/cgi-bin/gazetteer-tbl?55413");
}

TEST(Services, CaptionsNameTheHost) {
    EXPECT_EQ(LookupCaption(""), "Look up");
    EXPECT_EQ(LookupCaption("https://weather.example.org:8443/base"), "weather.example.org");
    EXPECT_EQ(LookupCaption("gazetteer.example.net"), "gazetteer.example.net");
    EXPECT_FALSE(WeatherLabelText("").isEmpty());
    EXPECT_TRUE(WeatherLabelText("http://weather.example.org").contains("weather.example.org"));
    const QString m = MissingAddressMessage("WeatherService", "/opt/heliodex/heliodex.ini");
    EXPECT_TRUE(m.contains("\"WeatherService\"") && m.contains("\"Services\"") &&
                m.contains("/opt/heliodex/heliodex.ini"));
}
