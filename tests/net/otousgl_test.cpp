// The news feed binding and the import of oto-usgl.xml.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "net/otousgl.h"

using namespace hx::net::otousgl;

namespace {

QByteArray Feed(const QByteArray& items) {
    return "<?xml version=\"1.0\"?>\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\" "
           "xmlns=\"http://purl.org/rss/1.0/\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
           "<channel rdf:about=\"https://example.org/news\"><title>News</title></channel>\n" +
           items + "</rdf:RDF>\n";
}

QByteArray Item(const char* description) {
    return QByteArray("<item rdf:about=\"x\"><title>t</title>") +
           (description ? QByteArray("<description>") + description + "</description>" : "") +
           "</item>\n";
}

}  // namespace

TEST(NewsFeed, ImportGivesOneLinePerItemOrOneLineSayingWhy) {
    struct Row {
        const char* name;
        QByteArray file;  // empty: the file is missing
        bool ok;
        QStringList lines;  // for a failure: only the count matters
    } rows[] = {
        {"three items in order",
         Feed(Item("first") + Item("second") + Item("third")),
         true,
         {"first", "second", "third"}},
        {"item without description",
         Feed(Item("a") + Item(nullptr) + Item("c")),
         true,
         {"a", "", "c"}},
        {"first item without description", Feed(Item(nullptr)), true, {""}},
        {"no item", Feed(""), true, {}},
        {"multi-line description stays one line",
         Feed(Item("\n   Equinox\n   of the Gods  ")),
         true,
         {"Equinox of the Gods"}},
        {"entities", Feed(Item("Sol &amp; Luna")), true, {"Sol & Luna"}},
        {"missing file", "", false, {"?"}},
        {"not XML",
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><item>",
         false,
         {"?"}},
        {"RSS 2.0 root", "<rss version=\"2.0\"><channel><item/></channel></rss>", false, {"?"}},
        {"RDF outside its namespace",
         "<RDF><item><description>x</description></item></RDF>",
         false,
         {"?"}},
        {"document type declaration",
         "<!DOCTYPE rdf:RDF [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
         "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">" +
             Item("&e;") + "</rdf:RDF>",
         false,
         {"?"}},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Row& r : rows) {
        const QString path = dir.filePath(QStringLiteral("oto-usgl.xml"));
        QFile::remove(path);
        if (!r.file.isEmpty()) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(r.file);
        }
        const NewsImport got = ImportNewsFeed(path);
        EXPECT_EQ(got.ok, r.ok) << r.name;
        if (r.ok) {
            EXPECT_EQ(got.lines, r.lines) << r.name;
        } else {
            ASSERT_EQ(got.lines.size(), 1) << r.name;
            EXPECT_TRUE(got.lines[0].startsWith("The news feed could not be read: ")) << r.name;
        }
    }
}

TEST(NewsFeed, BindingReadsChannelImageAndSequence) {
    const Document doc = ParseRDF(R"(<rdf:RDF
    xmlns:rdf="http://www.w3.org/1999/02/22-rdf-syntax-ns#" xmlns="http://purl.org/rss/1.0/"
    xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:sy="http://purl.org/rss/1.0/modules/syndication/">
  <channel rdf:about="https://example.org/news">
    <title>Heliodex news</title><link>https://example.org/</link><description>Notes</description>
    <dc:language>en</dc:language><dc:rights>none</dc:rights><dc:date>2026-03-20</dc:date>
    <dc:publisher>P</dc:publisher><dc:creator>C</dc:creator><dc:subject>S</dc:subject>
    <sy:updatePeriod>daily</sy:updatePeriod><sy:updateFrequency> 2 </sy:updateFrequency>
    <sy:updateBase>2000-01-01T00:00+00:00</sy:updateBase>
    <items><rdf:Seq><rdf:li rdf:resource="https://example.org/1"/><rdf:li resource="r2"/></rdf:Seq></items>
    <image rdf:resource="https://example.org/logo.png"/>
  </channel>
  <image rdf:about="https://example.org/logo.png"><title>Logo</title><url>u</url><link>l</link></image>
  <item rdf:about="https://example.org/1"><title>One</title><link>https://example.org/1</link></item>
</rdf:RDF>)");
    const TXMLRDFType rdf = doc.RDF();
    ASSERT_FALSE(rdf.IsNull()) << doc.error().toStdString();
    EXPECT_EQ(rdf.xmlns(), "http://purl.org/rss/1.0/");
    const TXMLChannelType ch = rdf.channel();
    EXPECT_EQ(ch.about(), "https://example.org/news");
    const QStringList texts{ch.title(),   ch.link(),         ch.description(), ch.language(),
                            ch.rights(),  ch.date(),         ch.publisher(),   ch.creator(),
                            ch.subject(), ch.updatePeriod(), ch.updateBase()};
    EXPECT_EQ(texts, (QStringList{"Heliodex news", "https://example.org/", "Notes", "en", "none",
                                  "2026-03-20", "P", "C", "S", "daily", "2000-01-01T00:00+00:00"}));
    EXPECT_EQ(ch.updateFrequency(), 2);
    EXPECT_EQ(ch.items().Seq().li().Count(), 2);
    EXPECT_EQ(ch.items().Seq().li()[0].resource(), "https://example.org/1");
    EXPECT_EQ(ch.items().Seq().li()[1].resource(), "r2");
    EXPECT_EQ(ch.image().resource(), "https://example.org/logo.png");
    EXPECT_EQ(rdf.image().about(), "https://example.org/logo.png");
    EXPECT_EQ(rdf.image().title(), "Logo");
    EXPECT_EQ(rdf.image().url(), "u");
    EXPECT_EQ(rdf.image().creator(), "");
    ASSERT_EQ(rdf.item().Count(), 1);
    EXPECT_EQ(rdf.item()[0].title(), "One");
    EXPECT_EQ(rdf.item()[0].description(), "");
    EXPECT_TRUE(rdf.item()[1].IsNull());
    // A channel without a frequency, or a frequency that is not a number, reads 0.
    EXPECT_EQ(ParseRDF("<RDF xmlns=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><channel>"
                       "<updateFrequency>often</updateFrequency></channel></RDF>")
                  .RDF()
                  .channel()
                  .updateFrequency(),
              0);
}
