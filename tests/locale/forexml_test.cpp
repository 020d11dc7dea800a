// The forexml binding: every attribute read and written, the collections, safe loading.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "locale/forexml.h"

using namespace hx;

namespace {

template <class T>
struct Property {
    const char* attribute;
    QString (T::*get)() const;
    void (T::*set)(const QString&);
};

// Each property reads its own attribute from a parsed document and writes it back.
template <class T>
void CheckProperties(T item, const std::vector<Property<T>>& props) {
    for (const auto& p : props) {
        SCOPED_TRACE(p.attribute);
        EXPECT_EQ((item.*p.get)(), QStringLiteral("v-%1").arg(p.attribute));
        (item.*p.set)(QStringLiteral("w-%1").arg(p.attribute));
        EXPECT_EQ(item.Attribute(p.attribute), QStringLiteral("w-%1").arg(p.attribute));
    }
}

template <class T>
QByteArray ElementWith(const char* name, const std::vector<Property<T>>& props) {
    QByteArray e = QByteArray("<") + name;
    for (const auto& p : props) e += QByteArray(" ") + p.attribute + "=\"v-" + p.attribute + "\"";
    return e + "/>";
}

using O = TXMLObservationType;
const std::vector<Property<O>> kObservation = {
    {"city", &O::City, &O::SetCity},
    {"zipcode", &O::Zipcode, &O::SetZipcode},
    {"longname", &O::Longname, &O::SetLongname},
    {"ident", &O::Ident, &O::SetIdent},
    {"latitude", &O::Latitude, &O::SetLatitude},
    {"longitude", &O::Longitude, &O::SetLongitude},
    {"timezone", &O::Timezone, &O::SetTimezone},
    {"daylight_saving", &O::Daylight_saving, &O::SetDaylight_saving},
    {"night", &O::Night, &O::SetNight},
    {"weather_code", &O::Weather_code, &O::SetWeather_code},
    {"observation_name", &O::Observation_name, &O::SetObservation_name},
    {"time", &O::Time, &O::SetTime},
    {"temp.string", &O::Temp_string, &O::SetTemp_string},
    {"temp.F", &O::Temp_F, &O::SetTemp_F},
    {"temp.C", &O::Temp_C, &O::SetTemp_C},
    {"dewpt.string", &O::Dewpt_string, &O::SetDewpt_string},
    {"dewpt.F", &O::Dewpt_F, &O::SetDewpt_F},
    {"dewpt.C", &O::Dewpt_C, &O::SetDewpt_C},
    {"rel_hum.string", &O::Rel_hum_string, &O::SetRel_hum_string},
    {"rel_hum.percent", &O::Rel_hum_percent, &O::SetRel_hum_percent},
    {"wind.string", &O::Wind_string, &O::SetWind_string},
    {"wind_direct", &O::Wind_direct, &O::SetWind_direct},
    {"wind_speed.knt", &O::Wind_speed_knt, &O::SetWind_speed_knt},
    {"heat_index.F", &O::Heat_index_F, &O::SetHeat_index_F},
    {"wind_chill.F", &O::Wind_chill_F, &O::SetWind_chill_F},
    {"pressure.string", &O::Pressure_string, &O::SetPressure_string},
    {"pressure.mb", &O::Pressure_mb, &O::SetPressure_mb},
    {"pressure.in", &O::Pressure_in, &O::SetPressure_in},
    {"skies", &O::Skies, &O::SetSkies},
    {"text_weather", &O::Text_weather, &O::SetText_weather},
};
using A = TXMLAlmanacType;
const std::vector<Property<A>> kAlmanac = {{"sunrise", &A::Sunrise, &A::SetSunrise},
                                           {"sunset", &A::Sunset, &A::SetSunset}};
using F = TXMLForecastType;
const std::vector<Property<F>> kForecast = {{"num", &F::Num, &F::SetNum},
                                            {"day", &F::Day, &F::SetDay},
                                            {"weather", &F::Weather, &F::SetWeather},
                                            {"high_temp", &F::High_temp, &F::SetHigh_temp},
                                            {"low_temp", &F::Low_temp, &F::SetLow_temp},
                                            {"text", &F::Text, &F::SetText}};
using D = TXMLDaycastType;
const std::vector<Property<D>> kDaycast = {{"num", &D::Num, &D::SetNum},
                                           {"day", &D::Day, &D::SetDay},
                                           {"weather", &D::Weather, &D::SetWeather},
                                           {"high_temp", &D::High_temp, &D::SetHigh_temp},
                                           {"low_temp", &D::Low_temp, &D::SetLow_temp}};

}  // namespace

TEST(Forexml, EveryAttributeIsReadableAndWritable) {
    EXPECT_EQ(kObservation.size(), 30u);
    TXMLForexmlType doc = ParseWeatherDocument(
        "<forexml>" + ElementWith("observation", kObservation) + ElementWith("almanac", kAlmanac) +
        ElementWith("forecast", kForecast) + ElementWith("daycast", kDaycast) + "</forexml>");
    CheckProperties(doc.Observation(), kObservation);
    CheckProperties(doc.Almanac()[0], kAlmanac);
    CheckProperties(doc.Forecast()[0], kForecast);
    CheckProperties(doc.Daycast()[0], kDaycast);
    // What was written is in the document itself.
    TXMLForexmlType again = ParseWeatherDocument(doc.Xml());
    EXPECT_EQ(again.Observation().Pressure_mb(), "w-pressure.mb");
    EXPECT_EQ(again.Daycast()[0].Low_temp(), "w-low_temp");
}

TEST(Forexml, CollectionsKeepDocumentOrder) {
    TXMLForexmlType doc = ParseWeatherDocument(
        "<forexml><forecast day='a'/><almanac sunrise='1'/><forecast day='b'/>"
        "<observation city='first'/><observation city='second'/><forecast day='c'/></forexml>");
    EXPECT_EQ(doc.Observation().City(), "first");
    TXMLForecastTypeList f = doc.Forecast();
    ASSERT_EQ(f.Count(), 3);
    EXPECT_EQ(f[2].Day(), "c");
    f.Insert(0).SetDay("front");
    f.Insert(2).SetDay("middle");
    f.Insert(5).SetDay("end");
    f.Add().SetDay("added");
    QStringList days;
    for (int i = 0; i < f.Count(); ++i) days << f[i].Day();
    EXPECT_EQ(days, QStringList({"front", "a", "middle", "b", "c", "end", "added"}));
    EXPECT_EQ(doc.Almanac().Count(), 1);
    EXPECT_EQ(doc.Daycast().Count(), 0);
    EXPECT_THROW(f[7], Error);
    EXPECT_THROW(doc.Daycast()[0], Error);
    EXPECT_THROW(f.Insert(9), Error);
}

TEST(Forexml, MissingObservationIsCreatedOnlyWhenAskedFor) {
    TXMLForexmlType doc = NewWeatherDocument();
    EXPECT_FALSE(doc.HasObservation());
    doc.Observation().SetLatitude("44.98");
    EXPECT_TRUE(doc.HasObservation());
    EXPECT_EQ(ParseWeatherDocument(doc.Xml()).Observation().Latitude(), "44.98");
}

TEST(Forexml, RefusesWhatIsNotASafeForexmlDocument) {
    QByteArray bomb = "<!DOCTYPE forexml [<!ENTITY a \"aaaaaaaaaa\">";
    for (char c = 'b'; c <= 'k'; ++c)
        bomb += QByteArray("<!ENTITY ") + c + " \"&" + char(c - 1) + ";&" + char(c - 1) + ";\">";
    bomb += "]><forexml><observation city=\"&k;\"/></forexml>";
    QByteArray deep = "<forexml>";
    for (int i = 0; i < 50000; ++i) deep += "<x>";
    const QByteArray rows[] = {bomb,         deep,
                               "<weather/>", "<forexml>",
                               "",           "<forexml>" + QByteArray(3 << 20, ' ') + "</forexml>"};
    for (const QByteArray& doc : rows) {
        SCOPED_TRACE(doc.left(30).toStdString());
        try {
            ParseWeatherDocument(doc);
            ADD_FAILURE() << "accepted";
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().startsWith("The weather document cannot be read: "));
        }
    }
}

TEST(Forexml, LoadsFromAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("locale.xml");
    EXPECT_THROW(LoadWeatherDocument(path), Error);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<?xml version=\"1.0\"?>\r\n<forexml><observation city=\"Minneapolis\"/></forexml>");
    f.close();
    EXPECT_EQ(LoadWeatherDocument(path).Observation().City(), "Minneapolis");
}
