// The version file binding and the new-release decision.
#include "osd.h"

namespace hx::net::osd {

TXMLOSVERSIONTypeList TXMLOSType::OSVERSION() const {
    return TXMLOSVERSIONTypeList(Children(QStringLiteral("OSVERSION")));
}

TXMLCODEBASEType TXMLDEPENDENCYType::CODEBASE() const {
    return TXMLCODEBASEType(Child(QStringLiteral("CODEBASE")));
}
TXMLSOFTPKGType TXMLDEPENDENCYType::SOFTPKG() const {
    return TXMLSOFTPKGType(Child(QStringLiteral("SOFTPKG")));
}

TXMLCODEBASETypeList TXMLIMPLEMENTATIONType::CODEBASE() const {
    return TXMLCODEBASETypeList(Children(QStringLiteral("CODEBASE")));
}
TXMLDEPENDENCYTypeList TXMLIMPLEMENTATIONType::DEPENDENCY() const {
    return TXMLDEPENDENCYTypeList(Children(QStringLiteral("DEPENDENCY")));
}
TXMLDISKSIZETypeList TXMLIMPLEMENTATIONType::DISKSIZE() const {
    return TXMLDISKSIZETypeList(Children(QStringLiteral("DISKSIZE")));
}
TXMLIMPLTYPETypeList TXMLIMPLEMENTATIONType::IMPLTYPE() const {
    return TXMLIMPLTYPETypeList(Children(QStringLiteral("IMPLTYPE")));
}
TXMLLANGUAGETypeList TXMLIMPLEMENTATIONType::LANGUAGE() const {
    return TXMLLANGUAGETypeList(Children(QStringLiteral("LANGUAGE")));
}
TXMLOSTypeList TXMLIMPLEMENTATIONType::OS() const {
    return TXMLOSTypeList(Children(QStringLiteral("OS")));
}
TXMLPROCESSORTypeList TXMLIMPLEMENTATIONType::PROCESSOR() const {
    return TXMLPROCESSORTypeList(Children(QStringLiteral("PROCESSOR")));
}
TXMLVMTypeList TXMLIMPLEMENTATIONType::VM() const {
    return TXMLVMTypeList(Children(QStringLiteral("VM")));
}

TXMLABSTRACTTypeList TXMLSOFTPKGType::ABSTRACT() const {
    return TXMLABSTRACTTypeList(ChildTexts(QStringLiteral("ABSTRACT")));
}
TXMLIMPLEMENTATIONTypeList TXMLSOFTPKGType::IMPLEMENTATION() const {
    return TXMLIMPLEMENTATIONTypeList(Children(QStringLiteral("IMPLEMENTATION")));
}
TXMLDEPENDENCYTypeList TXMLSOFTPKGType::DEPENDENCY() const {
    return TXMLDEPENDENCYTypeList(Children(QStringLiteral("DEPENDENCY")));
}
QStringList TXMLSOFTPKGType::LICENSE() const {
    return ChildTexts(QStringLiteral("LICENSE"));
}
TXMLTITLETypeList TXMLSOFTPKGType::TITLE() const {
    return TXMLTITLETypeList(ChildTexts(QStringLiteral("TITLE")));
}

TXMLSOFTPKGType Document::SOFTPKG() const {
    if (!root_ || root_->localName != QLatin1String("SOFTPKG") || !root_->namespaceUri.isEmpty())
        return {};
    return TXMLSOFTPKGType(root_.get());
}

Document ParseSOFTPKG(const QByteArray& data) {
    Document d;
    xml::Result r = xml::Parse(data);
    d.root_ = std::move(r.root);
    d.error_ = r.error;
    if (d.root_ && d.SOFTPKG().IsNull())
        d.error_ = QStringLiteral("the root element is \"%1\", not SOFTPKG").arg(d.root_->name);
    return d;
}

VersionVerdict CheckVersionFile(const QByteArray& document) {
    const Document doc = ParseSOFTPKG(document);
    const TXMLSOFTPKGType pkg = doc.SOFTPKG();
    if (pkg.IsNull() || pkg.VERSION() == QLatin1String(kOwnVersion)) return {};
    const TXMLCODEBASEType codebase = pkg.IMPLEMENTATION()[0].CODEBASE()[0];
    if (codebase.IsNull()) return {};
    return {true, codebase.HREF()};
}

}  // namespace hx::net::osd
