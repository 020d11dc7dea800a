// The Thelemic date line from given longitudes and from the ephemeris.
#include <gtest/gtest.h>

#include "core/thelemic.h"

using namespace hx;

namespace {
const ThelemicStyle kDefault;

ThelemicStyle Style(YearStyle y, YearPrefix p, bool degrees = true, bool noSpace = false) {
    return ThelemicStyle{degrees, y, noSpace, p};
}
}  // namespace

TEST(Thelemic, WorkedExample) {
    EXPECT_EQ(ThelemicDateText(2024, 6, 84.5, 163.2, kDefault),
              QString::fromUtf8("An V x Sol 24° Gemini Luna 13° Virgo "));
    EXPECT_EQ(ThelemicDateText(2024, 6, 84.5, 163.2, Style(YearStyle::IVx, YearPrefix::An, false)),
              "An V x Sol Gemini Luna Virgo ");
    EXPECT_EQ(
        ThelemicDateText(2024, 6, 84.5, 163.2, Style(YearStyle::N4X, YearPrefix::Anno, true, true)),
        QString::fromUtf8("Anno 5X Sol 24° Gemini Luna 13° Virgo "));
    // The ninth sign, as the date line and the reverse lookup's lists spell it.
    EXPECT_EQ(ThelemicDateText(2024, 6, 258.5, 250, kDefault),
              QString::fromUtf8("An V x Sol 18° Sagittarius Luna 10° Sagittarius "));
}

TEST(Thelemic, YearStylesAndPrefixes) {
    const std::tuple<YearStyle, YearPrefix, const char*> rows[] = {
        {YearStyle::IVx, YearPrefix::An, "An V x "},
        {YearStyle::iv10, YearPrefix::An, "An v 10 "},
        {YearStyle::ivX, YearPrefix::Anno, "Anno v X "},
        {YearStyle::N4x, YearPrefix::Bare, "5 x "},
        {YearStyle::N4X, YearPrefix::An, "An 5 X "},
        {YearStyle::None, YearPrefix::An, "An   "},
        {YearStyle::IVx, YearPrefix::Omitted, ""}};
    for (const auto& [y, p, head] : rows) {
        const QString line = ThelemicDateText(2024, 6, 84.5, 163.2, Style(y, p, false));
        EXPECT_EQ(line, QString(head) + "Sol Gemini Luna Virgo ");
    }
}

TEST(Thelemic, EraYearRule) {
    EXPECT_EQ(EraYear(2025, 1, 9), 120);  // January belongs to the year begun last March
    EXPECT_EQ(EraYear(2025, 2, 10), 120);
    EXPECT_EQ(EraYear(2025, 3, 11), 120);  // Sun still in Pisces
    EXPECT_EQ(EraYear(2025, 3, 0), 121);   // Sun in Aries
    EXPECT_EQ(EraYear(2025, 4, 11), 121);  // April whatever the Sun
    EXPECT_EQ(EraYear(1904, 3, 11), 0);    // before the first ingress: no negative year
    EXPECT_EQ(EraYear(1904, 3, 0), 0);
    EXPECT_EQ(EraYear(1905, 2, 10), 0);
}

TEST(Thelemic, EmptyNumeralsLeaveTheirBlanks) {
    auto head = [](int era) { return ThelemicYearText(era, kDefault); };
    EXPECT_EQ(head(0), " ");
    EXPECT_EQ(head(22), "I ");
    EXPECT_EQ(head(21), " xxi");
    EXPECT_EQ(ThelemicDateText(1904, 4, 20, 100, kDefault).left(8), "An   Sol");
    EXPECT_EQ(ThelemicDateText(1926, 4, 20, 100, kDefault).left(9), "An I  Sol");
    EXPECT_EQ(ThelemicDateText(1925, 4, 20, 100, kDefault).left(11), "An  xxi Sol");
}

TEST(Thelemic, AcrossTheAriesIngressAtTheTrueInstant) {
    // The 2025 March equinox falls at 09:01 UT, 03:01 CST.
    Observer chicago;
    chicago.Latitude = 41.88;
    chicago.Longitude = -87.63;
    chicago.TimeZone = -6;
    EXPECT_TRUE(ThelemicDateText(EncodeDateTime(2025, 3, 20, 2, 50), chicago, kDefault)
                    .startsWith("An V x Sol 29"));
    EXPECT_TRUE(ThelemicDateText(EncodeDateTime(2025, 3, 20, 3, 10), chicago, kDefault)
                    .startsWith(QString::fromUtf8("An V xi Sol 0° Aries")));
    Observer tokyo = chicago;
    tokyo.TimeZone = 9;  // 17:50 and 18:10 local on the same day
    EXPECT_TRUE(ThelemicDateText(EncodeDateTime(2025, 3, 20, 17, 50), tokyo, kDefault)
                    .startsWith("An V x Sol 29"));
    EXPECT_TRUE(ThelemicDateText(EncodeDateTime(2025, 3, 20, 18, 10), tokyo, kDefault)
                    .startsWith("An V xi Sol"));
}
