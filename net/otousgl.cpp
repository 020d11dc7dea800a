// The news feed binding and its import.
#include "otousgl.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace hx::net::otousgl {

namespace {

// The default namespace declared on the document element. The element tree keeps no namespace
// declarations, so the first start tag is read again; the document has already parsed safely.
QString RootDefaultNamespace(const QByteArray& data) {
    QXmlStreamReader reader(data);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            for (const auto& d : reader.namespaceDeclarations())
                if (d.prefix().isEmpty()) return d.namespaceUri().toString();
            return {};
        }
    }
    return {};
}

QString Unreadable(const QString& why) {
    return QStringLiteral("The news feed could not be read: %1").arg(why);
}

}  // namespace

TXMLRDFType Document::RDF() const {
    if (!root_ || root_->localName != QLatin1String("RDF") ||
        root_->namespaceUri != QLatin1String(kRdfNamespace))
        return {};
    return TXMLRDFType(root_.get(), xmlns_);
}

Document ParseRDF(const QByteArray& data) {
    Document d;
    xml::Result r = xml::Parse(data);
    d.root_ = std::move(r.root);
    d.error_ = r.error;
    if (!d.root_) return d;
    if (d.RDF().IsNull()) {
        d.error_ = QStringLiteral("the root element is \"%1\", not an RDF feed").arg(d.root_->name);
        return d;
    }
    d.xmlns_ = RootDefaultNamespace(data);
    return d;
}

NewsImport ImportNewsFeed(const QString& fileName) {
    NewsImport out;
    QFile file(fileName);
    // A FIFO or a device in the file's place would hold the open for good.
    if (QFileInfo::exists(fileName) && !QFileInfo(fileName).isFile()) {
        out.lines << Unreadable(QStringLiteral("\"%1\" is not a regular file.").arg(fileName));
        return out;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        out.lines << Unreadable(
            QStringLiteral("cannot open \"%1\" (%2).").arg(fileName, file.errorString()));
        return out;
    }
    // Read one byte past the reader's limit so that an oversized file is refused, not cut.
    const QByteArray data = file.read(xml::Limits{}.maxBytes + 1);
    const Document doc = ParseRDF(data);
    const TXMLRDFType rdf = doc.RDF();
    if (rdf.IsNull()) {
        out.lines << Unreadable(doc.error() + QLatin1Char('.'));
        return out;
    }
    out.ok = true;
    const TXMLItemTypeList items = rdf.item();
    for (int i = 0; i < items.Count(); ++i) out.lines << items[i].description().simplified();
    return out;
}

}  // namespace hx::net::otousgl
