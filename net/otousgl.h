// The news feed in RDF (RSS 1.0) form, and its import into the News page's lines.
#pragma once

#include <memory>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "net/xml_binding.h"

namespace hx::net::otousgl {

// The namespace of the RDF syntax elements; the feed's root is RDF in it.
inline constexpr char kRdfNamespace[] = "http://www.w3.org/1999/02/22-rdf-syntax-ns#";
// The feed file's name; the window keeps it in the program directory.
inline constexpr char kFeedFile[] = "oto-usgl.xml";

// Children are found by their name without a prefix; texts are the character data directly
// inside the child element.
class TXMLLiType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString resource() const { return Attr(QStringLiteral("resource")); }
};
using TXMLLiTypeList = XmlList<TXMLLiType>;

class TXMLSeqType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    TXMLLiTypeList li() const { return TXMLLiTypeList(Children(QStringLiteral("li"))); }
};

class TXMLItemsType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    TXMLSeqType Seq() const { return TXMLSeqType(Child(QStringLiteral("Seq"))); }
};

class TXMLImageType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString resource() const { return Attr(QStringLiteral("resource")); }
    QString about() const { return Attr(QStringLiteral("about")); }
    QString title() const { return ChildText(QStringLiteral("title")); }
    QString url() const { return ChildText(QStringLiteral("url")); }
    QString link() const { return ChildText(QStringLiteral("link")); }
    QString creator() const { return ChildText(QStringLiteral("creator")); }
};

class TXMLItemType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString about() const { return Attr(QStringLiteral("about")); }
    QString title() const { return ChildText(QStringLiteral("title")); }
    QString link() const { return ChildText(QStringLiteral("link")); }
    QString description() const { return ChildText(QStringLiteral("description")); }
};
using TXMLItemTypeList = XmlList<TXMLItemType>;

class TXMLChannelType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString about() const { return Attr(QStringLiteral("about")); }
    QString title() const { return ChildText(QStringLiteral("title")); }
    QString link() const { return ChildText(QStringLiteral("link")); }
    QString description() const { return ChildText(QStringLiteral("description")); }
    QString language() const { return ChildText(QStringLiteral("language")); }
    QString rights() const { return ChildText(QStringLiteral("rights")); }
    QString date() const { return ChildText(QStringLiteral("date")); }
    QString publisher() const { return ChildText(QStringLiteral("publisher")); }
    QString creator() const { return ChildText(QStringLiteral("creator")); }
    QString subject() const { return ChildText(QStringLiteral("subject")); }
    QString updatePeriod() const { return ChildText(QStringLiteral("updatePeriod")); }
    // A whole number; what is not one reads as 0.
    int updateFrequency() const {
        return ChildText(QStringLiteral("updateFrequency")).trimmed().toInt();
    }
    QString updateBase() const { return ChildText(QStringLiteral("updateBase")); }
    TXMLItemsType items() const { return TXMLItemsType(Child(QStringLiteral("items"))); }
    TXMLImageType image() const { return TXMLImageType(Child(QStringLiteral("image"))); }
};

class TXMLRDFType : public XmlNode {
  public:
    TXMLRDFType() = default;
    TXMLRDFType(const xml::Element* e, QString defaultNamespace)
        : XmlNode(e), xmlns_(std::move(defaultNamespace)) {}
    // The default namespace the root declares (the feed's own vocabulary), empty if none.
    QString xmlns() const { return xmlns_; }
    TXMLChannelType channel() const { return TXMLChannelType(Child(QStringLiteral("channel"))); }
    TXMLImageType image() const { return TXMLImageType(Child(QStringLiteral("image"))); }
    TXMLItemTypeList item() const { return TXMLItemTypeList(Children(QStringLiteral("item"))); }

  private:
    QString xmlns_;
};

// A parsed feed. RDF() is null unless the document parsed and its root is RDF in the RDF
// syntax namespace; error() then says why.
class Document {
  public:
    TXMLRDFType RDF() const;
    const QString& error() const { return error_; }

  private:
    friend Document ParseRDF(const QByteArray&);
    std::unique_ptr<xml::Element> root_;
    QString xmlns_;
    QString error_;
};

// Reads the feed through the safe XML reader. Never throws.
Document ParseRDF(const QByteArray& data);

struct NewsImport {
    bool ok = false;
    // What to append to the News page: one line per item (its description, whitespace runs made
    // single spaces so that each item stays one line), or one line saying the feed could not be
    // read.
    QStringList lines;
};

// The import of the downloaded feed file. A missing, unreadable, malformed or foreign file
// gives ok = false and the one explaining line; a feed without items gives no lines.
NewsImport ImportNewsFeed(const QString& fileName);

}  // namespace hx::net::otousgl
