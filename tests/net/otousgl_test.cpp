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

// Writes oto-usgl.xml in `dir` (removes it for empty contents) and gives its path.
QString Write(const QTemporaryDir& dir, const QByteArray& contents) {
    const QString path = dir.filePath(QStringLiteral("oto-usgl.xml"));
    QFile::remove(path);
    QFile f(path);
    if (!contents.isEmpty() && f.open(QIODevice::WriteOnly)) f.write(contents);
    return path;
}

}  // namespace

TEST(NewsFeed, ImportGivesOneLinePerItem) {
    const std::pair<QByteArray, QStringList> rows[] = {
        {Feed(Item("first") + Item("second") + Item("third")), {"first", "second", "third"}},
        {Feed(Item("a") + Item(nullptr) + Item("c")), {"a", "", "c"}},  // no description
        {Feed(Item(nullptr)), {""}},
        {Feed(""), {}},
        {Feed(Item("\n   Equinox\n   of the Gods  ")), {"Equinox of the Gods"}},
        {Feed(Item("Sol &amp; Luna")), {"Sol & Luna"}},
    };
    QTemporaryDir dir;
    for (const auto& [file, lines] : rows) {
        const NewsImport got = ImportNewsFeed(Write(dir, file));
        EXPECT_TRUE(got.ok) << file.toStdString();
        EXPECT_EQ(got.lines, lines) << file.toStdString();
    }
}

TEST(NewsFeed, UnreadableFeedGivesOneLineSayingSo) {
    const QByteArray rows[] = {
        "",  // the file is missing
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><item>",
        "<rss version=\"2.0\"><channel><item/></channel></rss>",
        "<RDF><item><description>x</description></item></RDF>",  // outside the RDF namespace
        "<!DOCTYPE rdf:RDF [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">" +
            Item("&e;") + "</rdf:RDF>",
    };
    QTemporaryDir dir;
    for (const QByteArray& file : rows) {
        const NewsImport got = ImportNewsFeed(Write(dir, file));
        EXPECT_FALSE(got.ok) << file.toStdString();
        ASSERT_EQ(got.lines.size(), 1) << file.toStdString();
        EXPECT_TRUE(got.lines[0].startsWith("The news feed could not be read: "));
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
    const TXMLChannelType ch = rdf.channel();
    const TXMLLiTypeList li = ch.items().Seq().li();
    const std::pair<QString, const char*> reads[] = {
        {rdf.xmlns(), "http://purl.org/rss/1.0/"},
        {ch.about(), "https://example.org/news"},
        {ch.title() + ch.link() + ch.description(), "Heliodex newshttps://example.org/Notes"},
        {ch.language() + ch.rights() + ch.date(), "ennone2026-03-20"},
        {ch.publisher() + ch.creator() + ch.subject(), "PCS"},
        {ch.updatePeriod() + ch.updateBase(), "daily2000-01-01T00:00+00:00"},
        {li[0].resource() + ' ' + li[1].resource(), "https://example.org/1 r2"},
        {ch.image().resource(), "https://example.org/logo.png"},
        {rdf.image().about() + rdf.image().title() + rdf.image().url(),
         "https://example.org/logo.pngLogou"},
        {rdf.image().creator() + rdf.item()[0].description(), ""},
        {rdf.item()[0].title(), "One"},
    };
    for (const auto& [got, want] : reads) EXPECT_EQ(got, QString(want));
    EXPECT_EQ(ch.updateFrequency(), 2);
    EXPECT_EQ(li.Count(), 2);
    EXPECT_EQ(rdf.item().Count(), 1);
    // A channel without a frequency, or a frequency that is not a number, reads 0.
    EXPECT_EQ(ParseRDF("<RDF xmlns=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><channel>"
                       "<updateFrequency>often</updateFrequency></channel></RDF>")
                  .RDF()
                  .channel()
                  .updateFrequency(),
              0);
}
