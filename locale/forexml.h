// The weather service's "forexml" document: binding classes over its element tree.
#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QString>

#include "core/error.h"
#include "net/xml_tree.h"

namespace hx {

// An element of a forexml document. Handles share the document, so they stay valid as long
// as any handle of it lives; copying a handle does not copy the element.
class TXMLForexmlNode {
  public:
    QString Attribute(const QString& name) const { return element_->attribute(name); }
    bool HasAttribute(const QString& name) const { return element_->hasAttribute(name); }
    void SetAttribute(const QString& name, const QString& value) {
        element_->setAttribute(name, value);
    }

  protected:
    TXMLForexmlNode(std::shared_ptr<xml::Element> document, xml::Element* element)
        : document_(std::move(document)), element_(element) {}
    std::shared_ptr<xml::Element> document_;
    xml::Element* element_;
};

// A text property of an element class: Name() reads the attribute, SetName() writes it.
#define HX_FOREXML_ATTRIBUTE(Name, attribute)           \
    QString Name() const {                              \
        return Attribute(QStringLiteral(attribute));    \
    }                                                   \
    void Set##Name(const QString& value) {              \
        SetAttribute(QStringLiteral(attribute), value); \
    }

class TXMLObservationType : public TXMLForexmlNode {
  public:
    static constexpr const char* ElementName = "observation";
    TXMLObservationType(std::shared_ptr<xml::Element> d, xml::Element* e)
        : TXMLForexmlNode(std::move(d), e) {}
    HX_FOREXML_ATTRIBUTE(City, "city")
    HX_FOREXML_ATTRIBUTE(Zipcode, "zipcode")
    HX_FOREXML_ATTRIBUTE(Longname, "longname")
    HX_FOREXML_ATTRIBUTE(Ident, "ident")
    HX_FOREXML_ATTRIBUTE(Latitude, "latitude")
    HX_FOREXML_ATTRIBUTE(Longitude, "longitude")
    HX_FOREXML_ATTRIBUTE(Timezone, "timezone")
    HX_FOREXML_ATTRIBUTE(Daylight_saving, "daylight_saving")
    HX_FOREXML_ATTRIBUTE(Night, "night")
    HX_FOREXML_ATTRIBUTE(Weather_code, "weather_code")
    HX_FOREXML_ATTRIBUTE(Observation_name, "observation_name")
    HX_FOREXML_ATTRIBUTE(Time, "time")
    HX_FOREXML_ATTRIBUTE(Temp_string, "temp.string")
    HX_FOREXML_ATTRIBUTE(Temp_F, "temp.F")
    HX_FOREXML_ATTRIBUTE(Temp_C, "temp.C")
    HX_FOREXML_ATTRIBUTE(Dewpt_string, "dewpt.string")
    HX_FOREXML_ATTRIBUTE(Dewpt_F, "dewpt.F")
    HX_FOREXML_ATTRIBUTE(Dewpt_C, "dewpt.C")
    HX_FOREXML_ATTRIBUTE(Rel_hum_string, "rel_hum.string")
    HX_FOREXML_ATTRIBUTE(Rel_hum_percent, "rel_hum.percent")
    HX_FOREXML_ATTRIBUTE(Wind_string, "wind.string")
    HX_FOREXML_ATTRIBUTE(Wind_direct, "wind_direct")
    HX_FOREXML_ATTRIBUTE(Wind_speed_knt, "wind_speed.knt")
    HX_FOREXML_ATTRIBUTE(Heat_index_F, "heat_index.F")
    HX_FOREXML_ATTRIBUTE(Wind_chill_F, "wind_chill.F")
    HX_FOREXML_ATTRIBUTE(Pressure_string, "pressure.string")
    HX_FOREXML_ATTRIBUTE(Pressure_mb, "pressure.mb")
    HX_FOREXML_ATTRIBUTE(Pressure_in, "pressure.in")
    HX_FOREXML_ATTRIBUTE(Skies, "skies")
    HX_FOREXML_ATTRIBUTE(Text_weather, "text_weather")
};

class TXMLAlmanacType : public TXMLForexmlNode {
  public:
    static constexpr const char* ElementName = "almanac";
    TXMLAlmanacType(std::shared_ptr<xml::Element> d, xml::Element* e)
        : TXMLForexmlNode(std::move(d), e) {}
    HX_FOREXML_ATTRIBUTE(Sunrise, "sunrise")
    HX_FOREXML_ATTRIBUTE(Sunset, "sunset")
};

class TXMLForecastType : public TXMLForexmlNode {
  public:
    static constexpr const char* ElementName = "forecast";
    TXMLForecastType(std::shared_ptr<xml::Element> d, xml::Element* e)
        : TXMLForexmlNode(std::move(d), e) {}
    HX_FOREXML_ATTRIBUTE(Num, "num")
    HX_FOREXML_ATTRIBUTE(Day, "day")
    HX_FOREXML_ATTRIBUTE(Weather, "weather")
    HX_FOREXML_ATTRIBUTE(High_temp, "high_temp")
    HX_FOREXML_ATTRIBUTE(Low_temp, "low_temp")
    HX_FOREXML_ATTRIBUTE(Text, "text")
};

class TXMLDaycastType : public TXMLForexmlNode {
  public:
    static constexpr const char* ElementName = "daycast";
    TXMLDaycastType(std::shared_ptr<xml::Element> d, xml::Element* e)
        : TXMLForexmlNode(std::move(d), e) {}
    HX_FOREXML_ATTRIBUTE(Num, "num")
    HX_FOREXML_ATTRIBUTE(Day, "day")
    HX_FOREXML_ATTRIBUTE(Weather, "weather")
    HX_FOREXML_ATTRIBUTE(High_temp, "high_temp")
    HX_FOREXML_ATTRIBUTE(Low_temp, "low_temp")
};

#undef HX_FOREXML_ATTRIBUTE

// Every child of the root with the item's element name, in document order, from index 0.
// The list indexes the root's children once and again only after they changed, so a loop
// over all items takes time linear in the document.
template <class Item>
class TXMLForexmlList {
  public:
    TXMLForexmlList(std::shared_ptr<xml::Element> document) : document_(std::move(document)) {}
    int Count() const { return int(Items().size()); }
    // Raises hx::Error for an index outside 0 .. Count() - 1.
    Item operator[](int index) const { return Item(document_, At(index)); }
    Item Add();              // a new element after the last child of the root
    Item Insert(int index);  // a new element before the item at index (0 .. Count())

  private:
    const std::vector<xml::Element*>& Items() const;
    xml::Element* At(int index) const;
    std::shared_ptr<xml::Element> document_;
    // Elements are only ever added, so the root's child count tells when to index again.
    mutable std::vector<xml::Element*> items_;
    mutable size_t indexedChildren_ = size_t(-1);
};

class TXMLAlmanacTypeList : public TXMLForexmlList<TXMLAlmanacType> {
    using TXMLForexmlList::TXMLForexmlList;
};
class TXMLForecastTypeList : public TXMLForexmlList<TXMLForecastType> {
    using TXMLForexmlList::TXMLForexmlList;
};
class TXMLDaycastTypeList : public TXMLForexmlList<TXMLDaycastType> {
    using TXMLForexmlList::TXMLForexmlList;
};

// The root element "forexml".
class TXMLForexmlType : public TXMLForexmlNode {
  public:
    explicit TXMLForexmlType(std::unique_ptr<xml::Element> root);
    bool HasObservation() const { return element_->child(QStringLiteral("observation")); }
    // The first observation child; one is appended when there is none.
    TXMLObservationType Observation();
    TXMLAlmanacTypeList Almanac() const { return {document_}; }
    TXMLForecastTypeList Forecast() const { return {document_}; }
    TXMLDaycastTypeList Daycast() const { return {document_}; }
    // The document as UTF-8 XML.
    QByteArray Xml() const { return xml::Write(*element_); }
};

// An empty forexml document, for building one.
TXMLForexmlType NewWeatherDocument();
// Reads a forexml document through the safe reader (no DTD, nesting and size limits);
// raises hx::Error with the reader's message when it is not one.
TXMLForexmlType ParseWeatherDocument(const QByteArray& data);
// The same for a file; a file that cannot be read is an error too.
TXMLForexmlType LoadWeatherDocument(const QString& fileName);

}  // namespace hx
