// Element views over the safe element tree.
#include "xml_binding.h"

namespace hx::net {

QString XmlNode::ChildText(const QString& name) const {
    const xml::Element* c = Child(name);
    return c ? c->text : QString();
}

std::vector<const xml::Element*> XmlNode::Children(const QString& name) const {
    return e_ ? e_->childrenNamed(name) : std::vector<const xml::Element*>{};
}

QStringList XmlNode::ChildTexts(const QString& name) const {
    QStringList out;
    for (const xml::Element* c : Children(name)) out << c->text;
    return out;
}

}  // namespace hx::net
