// The forexml binding: collections over the root's children, loading through the safe reader.
#include "forexml.h"

#include <QFile>
#include <QFileInfo>

namespace hx {

namespace {

bool Named(const xml::Element& e, const char* name) {
    return e.name == QLatin1String(name) || e.localName == QLatin1String(name);
}

std::unique_ptr<xml::Element> NewElement(const char* name) {
    auto e = std::make_unique<xml::Element>();
    e->name = e->localName = QString::fromLatin1(name);
    return e;
}

}  // namespace

template <class Item>
const std::vector<xml::Element*>& TXMLForexmlList<Item>::Items() const {
    if (indexedChildren_ != document_->children.size()) {
        items_.clear();
        for (const auto& c : document_->children)
            if (Named(*c, Item::ElementName)) items_.push_back(c.get());
        indexedChildren_ = document_->children.size();
    }
    return items_;
}

template <class Item>
xml::Element* TXMLForexmlList<Item>::At(int index) const {
    const std::vector<xml::Element*>& items = Items();
    if (index < 0 || size_t(index) >= items.size())
        throw Error(QStringLiteral("List index out of bounds (%1)").arg(index));
    return items[size_t(index)];
}

template <class Item>
Item TXMLForexmlList<Item>::Add() {
    document_->children.push_back(NewElement(Item::ElementName));
    return Item(document_, document_->children.back().get());
}

template <class Item>
Item TXMLForexmlList<Item>::Insert(int index) {
    if (index == Count()) return Add();
    const xml::Element* before = At(index);
    auto& children = document_->children;
    auto pos = children.begin();
    while (pos->get() != before) ++pos;
    return Item(document_, children.insert(pos, NewElement(Item::ElementName))->get());
}

template class TXMLForexmlList<TXMLAlmanacType>;
template class TXMLForexmlList<TXMLForecastType>;
template class TXMLForexmlList<TXMLDaycastType>;

TXMLForexmlType::TXMLForexmlType(std::unique_ptr<xml::Element> root)
    : TXMLForexmlNode(std::shared_ptr<xml::Element>(std::move(root)), nullptr) {
    element_ = document_.get();
}

TXMLObservationType TXMLForexmlType::Observation() {
    for (const auto& c : element_->children)
        if (Named(*c, TXMLObservationType::ElementName)) return {document_, c.get()};
    element_->children.push_back(NewElement(TXMLObservationType::ElementName));
    return {document_, element_->children.back().get()};
}

TXMLForexmlType NewWeatherDocument() {
    return TXMLForexmlType(NewElement("forexml"));
}

TXMLForexmlType ParseWeatherDocument(const QByteArray& data) {
    xml::Limits limits;
    // Every attribute the binding classes name; an oversized element keeps only these.
    limits.keepAttributes = {"city",
                             "zipcode",
                             "longname",
                             "ident",
                             "latitude",
                             "longitude",
                             "timezone",
                             "daylight_saving",
                             "night",
                             "weather_code",
                             "observation_name",
                             "time",
                             "temp.string",
                             "temp.F",
                             "temp.C",
                             "dewpt.string",
                             "dewpt.F",
                             "dewpt.C",
                             "rel_hum.string",
                             "rel_hum.percent",
                             "wind.string",
                             "wind_direct",
                             "wind_speed.knt",
                             "heat_index.F",
                             "wind_chill.F",
                             "pressure.string",
                             "pressure.mb",
                             "pressure.in",
                             "skies",
                             "text_weather",
                             "sunrise",
                             "sunset",
                             "num",
                             "day",
                             "weather",
                             "high_temp",
                             "low_temp",
                             "text"};
    xml::Result r = xml::Parse(data, limits);
    if (!r) throw Error(QStringLiteral("The weather document cannot be read: %1").arg(r.error));
    if (r.root->localName != QLatin1String("forexml"))
        throw Error(QStringLiteral("The weather document cannot be read: its root element is "
                                   "\"%1\", not \"forexml\".")
                        .arg(r.root->name));
    return TXMLForexmlType(std::move(r.root));
}

TXMLForexmlType LoadWeatherDocument(const QString& fileName) {
    QFile f(fileName);
    // A FIFO or a device in the file's place would hold the open for good.
    if (QFileInfo::exists(fileName) && !QFileInfo(fileName).isFile())
        throw Error(
            QStringLiteral("Cannot open file \"%1\". It is not a regular file.").arg(fileName));
    if (!f.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    return ParseWeatherDocument(f.read(xml::Limits{}.maxBytes + 1));
}

}  // namespace hx
