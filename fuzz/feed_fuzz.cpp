// Fuzzes the news feed import from oto-usgl.xml.
#include <QByteArray>

#include "fuzz_support.h"
#include "net/otousgl.h"

using hx::fuzz::Check;
using namespace hx::net::otousgl;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Document doc = ParseRDF(bytes);
    const TXMLRDFType rdf = doc.RDF();
    (void)rdf.channel().items().Seq().li()[0].resource();
    (void)rdf.channel().updateFrequency();
    (void)rdf.image().url();

    const NewsImport news =
        ImportNewsFeed(hx::fuzz::PutFile(QString::fromLatin1(kFeedFile), bytes));
    Check(news.ok || news.lines.size() == 1);
    Check(news.ok == !rdf.IsNull());
    if (news.ok) Check(news.lines.size() == rdf.item().Count());
    for (const QString& l : news.lines) Check(!l.contains('\n') && !l.contains('\r'));
    return 0;
}
