// Safe XML reading into a small element tree.
#include "xml_tree.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace hx::xml {

namespace {
bool NameIs(const Element& e, const QString& name) {
    return e.name == name || e.localName == name;
}
}  // namespace

QString Element::attribute(const QString& n) const {
    for (const auto& [k, v] : attributes)
        if (k == n) return v;
    for (const auto& [k, v] : attributes)
        if (k.section(':', -1) == n) return v;
    return {};
}

bool Element::hasAttribute(const QString& n) const {
    for (const auto& a : attributes)
        if (a.first == n || a.first.section(':', -1) == n) return true;
    return false;
}

void Element::setAttribute(const QString& n, const QString& value) {
    for (auto& [k, v] : attributes)
        if (k == n) {
            v = value;
            return;
        }
    attributes.emplace_back(n, value);
}

const Element* Element::child(const QString& n) const {
    for (const auto& c : children)
        if (NameIs(*c, n)) return c.get();
    return nullptr;
}

std::vector<const Element*> Element::childrenNamed(const QString& n) const {
    std::vector<const Element*> out;
    for (const auto& c : children)
        if (NameIs(*c, n)) out.push_back(c.get());
    return out;
}

Result Parse(const QByteArray& data, const Limits& limits) {
    Result r;
    if (data.size() > limits.maxBytes) {
        r.error = QStringLiteral("document larger than %1 bytes").arg(limits.maxBytes);
        return r;
    }
    QXmlStreamReader reader(data);
    reader.setNamespaceProcessing(true);
    std::unique_ptr<Element> root;
    std::vector<Element*> stack;
    while (!reader.atEnd()) {
        const auto token = reader.readNext();
        if (token == QXmlStreamReader::DTD) {
            r.error = QStringLiteral("document type declarations are not accepted");
            return r;
        }
        if (token == QXmlStreamReader::EntityReference) {
            r.error = QStringLiteral("unresolved entity reference \"%1\"").arg(reader.name());
            return r;
        }
        if (token == QXmlStreamReader::StartElement) {
            if (int(stack.size()) >= limits.maxDepth) {
                r.error =
                    QStringLiteral("elements nested deeper than %1 levels").arg(limits.maxDepth);
                return r;
            }
            auto e = std::make_unique<Element>();
            e->name = reader.qualifiedName().toString();
            e->localName = reader.name().toString();
            e->namespaceUri = reader.namespaceUri().toString();
            for (const auto& a : reader.attributes())
                e->attributes.emplace_back(a.qualifiedName().toString(), a.value().toString());
            Element* raw = e.get();
            if (stack.empty())
                root = std::move(e);
            else
                stack.back()->children.push_back(std::move(e));
            stack.push_back(raw);
        } else if (token == QXmlStreamReader::EndElement) {
            if (!stack.empty()) stack.pop_back();
        } else if (token == QXmlStreamReader::Characters && !stack.empty()) {
            stack.back()->text += reader.text();
        }
    }
    if (reader.hasError()) {
        r.error = QStringLiteral("%1 (line %2, column %3)")
                      .arg(reader.errorString())
                      .arg(reader.lineNumber())
                      .arg(reader.columnNumber());
        return r;
    }
    if (!root) {
        r.error = QStringLiteral("no document element");
        return r;
    }
    r.root = std::move(root);
    return r;
}

namespace {
void WriteElement(QXmlStreamWriter& w, const Element& e) {
    w.writeStartElement(e.name);
    for (const auto& [k, v] : e.attributes) w.writeAttribute(k, v);
    if (!e.text.isEmpty()) w.writeCharacters(e.text);
    for (const auto& c : e.children) WriteElement(w, *c);
    w.writeEndElement();
}
}  // namespace

QByteArray Write(const Element& root) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    WriteElement(w, root);
    w.writeEndDocument();
    return out;
}

}  // namespace hx::xml
