// A small element tree read safely from untrusted XML (network answers, downloaded files).
#pragma once

#include <memory>
#include <vector>

#include <QByteArray>
#include <QSet>
#include <QString>

namespace hx::xml {

struct Element {
    QString name;       // qualified name as written
    QString localName;  // without prefix
    QString namespaceUri;
    std::vector<std::pair<QString, QString>> attributes;  // qualified name, value
    QString text;  // character data directly inside the element, concatenated
    std::vector<std::unique_ptr<Element>> children;

    // Attribute by qualified or local name; empty when missing.
    QString attribute(const QString& name) const;
    bool hasAttribute(const QString& name) const;
    // Sets an attribute by qualified name, appending it when missing.
    void setAttribute(const QString& name, const QString& value);
    // First child with this qualified or local name (case-sensitive), or null.
    const Element* child(const QString& name) const;
    std::vector<const Element*> childrenNamed(const QString& name) const;
};

struct Limits {
    int maxDepth = 64;
    qint64 maxBytes = 2 << 20;
    // Qt's reader takes time quadratic in the attributes of one element, so an element with
    // more than maxAttributes keeps only those whose local names are listed here; without
    // such a list the document is refused.
    int maxAttributes = 64;
    QSet<QByteArray> keepAttributes = {};
};

struct Result {
    std::unique_ptr<Element> root;  // null on failure
    QString error;                  // the parser's message on failure
    explicit operator bool() const { return root != nullptr; }
};

// Parses with QXmlStreamReader: no DTD (so no entity declarations), no external entities,
// at most maxDepth levels and maxBytes of input. Never throws.
Result Parse(const QByteArray& data, const Limits& limits = {});

// The element and its descendants as a UTF-8 XML document (attributes in their order).
QByteArray Write(const Element& root);

}  // namespace hx::xml
