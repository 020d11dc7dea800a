// Safe XML reading: structure, namespaces and refusal of hostile documents.
#include <gtest/gtest.h>

#include "net/xml_tree.h"

using namespace hx;

TEST(XmlTree, ReadsElementsAttributesAndText) {
    const auto r = xml::Parse(
        "<?xml version=\"1.0\"?><forexml><observation city=\"Minneapolis\" latitude=\"44.98\"/>"
        "<forecast><daycast day=\"Mon\"/><daycast "
        "day=\"Tue\"/></forecast><t>a&amp;b</t></forexml>");
    ASSERT_TRUE(r) << r.error.toStdString();
    EXPECT_EQ(r.root->name, "forexml");
    EXPECT_EQ(r.root->child("observation")->attribute("city"), "Minneapolis");
    EXPECT_FALSE(r.root->child("observation")->hasAttribute("longitude"));
    EXPECT_EQ(r.root->child("forecast")->childrenNamed("daycast").size(), 2u);
    EXPECT_EQ(r.root->child("t")->text, "a&b");
    EXPECT_EQ(r.root->child("missing"), nullptr);
}

TEST(XmlTree, Namespaces) {
    const auto r = xml::Parse(
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
        "xmlns=\"http://purl.org/rss/1.0/\">"
        "<item rdf:about=\"x\"><title>T</title></item></rdf:RDF>");
    ASSERT_TRUE(r);
    EXPECT_EQ(r.root->localName, "RDF");
    EXPECT_EQ(r.root->namespaceUri, "http://www.w3.org/1999/02/22-rdf-syntax-ns#");
    EXPECT_EQ(r.root->child("item")->attribute("about"), "x");
}

TEST(XmlTree, RefusesHostileAndBrokenInput) {
    QByteArray bomb = "<!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\">";
    for (int i = 1; i < 10; ++i)
        bomb += QByteArray("<!ENTITY ") + char('a' + i) + " \"" + QByteArray("&") +
                char('a' + i - 1) + ";" + QByteArray("&") + char('a' + i - 1) + ";\">";
    bomb += "]><l>&j;</l>";
    QByteArray deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    const QByteArray rows[] = {bomb,
                               "<!DOCTYPE x SYSTEM \"file:///etc/passwd\"><x/>",
                               deep,
                               "<a><b></a>",
                               "not xml at all",
                               "",
                               QByteArray(3 << 20, ' ') + "<a/>"};
    for (const QByteArray& doc : rows) {
        const auto r = xml::Parse(doc);
        EXPECT_FALSE(r) << doc.left(40).toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
}

TEST(XmlTree, DepthLimitIsConfigurable) {
    EXPECT_TRUE(xml::Parse("<a><b><c/></b></a>", {3, 1000}));
    EXPECT_FALSE(xml::Parse("<a><b><c/></b></a>", {2, 1000}));
}

TEST(XmlTree, AnElementWithManyAttributesKeepsOnlyTheNamedOnes) {
    QByteArray many;
    for (int i = 0; i < 70; ++i) many += " x" + QByteArray::number(i) + "='a>b'";
    const QByteArray doc = "<!-- <a x='1'> --><r xmlns:p='urn:p'><e" + many +
                           "\n p:city=\"St. Paul\"/><f day='Mon'/><![CDATA[<e" + many + ">]]></r>";
    xml::Limits limits;
    EXPECT_FALSE(xml::Parse(doc, limits));  // no names to keep: refused
    limits.keepAttributes = {"city", "x3"};
    const auto r = xml::Parse(doc, limits);
    ASSERT_TRUE(r) << r.error.toStdString();
    const xml::Element* e = r.root->child("e");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->attributes.size(), 2u);
    EXPECT_EQ(e->attribute("x3"), "a>b");
    EXPECT_EQ(e->attribute("city"), "St. Paul");
    EXPECT_EQ(r.root->child("f")->attribute("day"), "Mon");
    EXPECT_TRUE(r.root->text.startsWith("<e x0="));  // character data is left alone
}
