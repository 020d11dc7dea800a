// Read-only binding classes over the safe element tree: element views and indexed lists.
#pragma once

#include <vector>

#include <QString>
#include <QStringList>

#include "net/xml_tree.h"

namespace hx::net {

// A view of one element of a parsed document; the document must outlive it.
// A null view (a missing element) reads every attribute and text as empty and has no children.
class XmlNode {
  public:
    XmlNode() = default;
    explicit XmlNode(const xml::Element* e) : e_(e) {}
    bool IsNull() const { return e_ == nullptr; }
    const xml::Element* element() const { return e_; }

  protected:
    QString Attr(const QString& name) const { return e_ ? e_->attribute(name) : QString(); }
    const xml::Element* Child(const QString& name) const { return e_ ? e_->child(name) : nullptr; }
    // The character data directly inside the child element (child markup is not included).
    QString ChildText(const QString& name) const;
    std::vector<const xml::Element*> Children(const QString& name) const;
    QStringList ChildTexts(const QString& name) const;

    const xml::Element* e_ = nullptr;
};

// The repeated children of one name, in document order: a count and access by index.
// An index out of range gives a null view.
template <class T>
class XmlList {
  public:
    XmlList() = default;
    explicit XmlList(std::vector<const xml::Element*> items) : items_(std::move(items)) {}
    int Count() const { return int(items_.size()); }
    T operator[](int i) const { return i >= 0 && i < Count() ? T(items_[size_t(i)]) : T(); }

  private:
    std::vector<const xml::Element*> items_;
};

// Repeated text children: a count and the text by index (empty out of range).
class XmlTextList {
  public:
    XmlTextList() = default;
    explicit XmlTextList(QStringList texts) : texts_(std::move(texts)) {}
    int Count() const { return int(texts_.size()); }
    QString operator[](int i) const { return texts_.value(i); }

  private:
    QStringList texts_;
};

}  // namespace hx::net
