// Safe XML reading into a small element tree.
#include "xml_tree.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace hx::xml {

namespace {
bool NameIs(const Element& e, const QString& name) {
    return e.name == name || e.localName == name;
}

// "p:name" for "name", without building the local name.
bool LocalNameIs(const QString& qualified, const QString& local) {
    const qsizetype prefix = qualified.size() - local.size() - 1;
    return prefix > 0 && qualified.at(prefix) == ':' && qualified.endsWith(local) &&
           qualified.lastIndexOf(':') == prefix;
}
}  // namespace

QString Element::attribute(const QString& n) const {
    for (const auto& [k, v] : attributes)
        if (k == n) return v;
    for (const auto& [k, v] : attributes)
        if (LocalNameIs(k, n)) return v;
    return {};
}

bool Element::hasAttribute(const QString& n) const {
    for (const auto& a : attributes)
        if (a.first == n || LocalNameIs(a.first, n)) return true;
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

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Start tags with more than maxAttributes attributes rewritten with the kept ones only, in
// one pass over the bytes. Returns the data unchanged when no tag is that large, and stops
// looking (leaving the rest to the reader's own errors) at anything it does not understand.
// Sets `error` when a large tag cannot be thinned.
QByteArray ThinLargeTags(const QByteArray& data, const Limits& limits, QString* error) {
    struct Span {
        qsizetype from, to, nameTo;
    };
    std::vector<Span> spans;
    QByteArray out;
    qsizetype copied = 0;
    const qsizetype n = data.size();
    const char* d = data.constData();
    qsizetype i = 0;
    auto rest = [&] { return out.isEmpty() ? data : out + data.mid(copied); };
    auto skipTo = [&](const char* marker, qsizetype from) {
        const qsizetype at = data.indexOf(marker, from);
        return at < 0 ? n : at + qsizetype(qstrlen(marker));
    };
    while (i < n) {
        const qsizetype lt = data.indexOf('<', i);
        if (lt < 0 || lt + 1 >= n) break;
        const char next = d[lt + 1];
        if (qstrncmp(d + lt, "<!--", 4) == 0) {
            i = skipTo("-->", lt + 4);
            continue;
        }
        if (qstrncmp(d + lt, "<![CDATA[", 9) == 0) {
            i = skipTo("]]>", lt + 9);
            continue;
        }
        if (next == '?') {
            i = skipTo("?>", lt + 2);
            continue;
        }
        if (next == '!' || next == '/') {
            i = skipTo(">", lt + 2);
            continue;
        }
        qsizetype j = lt + 1;
        while (j < n && !IsBlank(d[j]) && d[j] != '>' && d[j] != '/') ++j;
        const qsizetype tagNameTo = j;
        spans.clear();
        for (;;) {
            while (j < n && IsBlank(d[j])) ++j;
            if (j >= n) return rest();
            if (d[j] == '>' || d[j] == '/') break;
            const qsizetype from = j;
            while (j < n && !IsBlank(d[j]) && d[j] != '=' && d[j] != '>' && d[j] != '/') ++j;
            const qsizetype nameTo = j;
            while (j < n && IsBlank(d[j])) ++j;
            if (j + 1 >= n || d[j] != '=') return rest();
            ++j;
            while (j < n && IsBlank(d[j])) ++j;
            if (j >= n || (d[j] != '"' && d[j] != '\'')) return rest();
            const qsizetype close = data.indexOf(d[j], j + 1);
            if (close < 0) return rest();
            j = close + 1;
            spans.push_back({from, j, nameTo});
        }
        i = j;
        if (qsizetype(spans.size()) <= limits.maxAttributes) continue;
        if (limits.keepAttributes.isEmpty()) {
            *error =
                QStringLiteral("an element with more than %1 attributes").arg(limits.maxAttributes);
            return {};
        }
        out += data.mid(copied, tagNameTo - copied);
        for (const Span& s : spans) {
            QByteArray name = data.mid(s.from, s.nameTo - s.from);
            if (const qsizetype colon = name.lastIndexOf(':'); colon >= 0)
                name.remove(0, colon + 1);
            if (limits.keepAttributes.contains(name)) out += ' ' + data.mid(s.from, s.to - s.from);
        }
        copied = spans.back().to;
    }
    return rest();
}

}  // namespace

Result Parse(const QByteArray& input, const Limits& limits) {
    Result r;
    if (input.size() > limits.maxBytes) {
        r.error = QStringLiteral("document larger than %1 bytes").arg(limits.maxBytes);
        return r;
    }
    const QByteArray data = ThinLargeTags(input, limits, &r.error);
    if (!r.error.isEmpty()) return r;
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
