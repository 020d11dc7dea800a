// The version file in Open Software Description form, and the decision whether a new release is
// out.
#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "net/xml_binding.h"

namespace hx::net::osd {

// Elements that carry only a VALUE attribute.
class TXMLValueType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString VALUE() const { return Attr(QStringLiteral("VALUE")); }
};
using TXMLOSVERSIONType = TXMLValueType;
using TXMLDISKSIZEType = TXMLValueType;
using TXMLIMPLTYPEType = TXMLValueType;
using TXMLLANGUAGEType = TXMLValueType;
using TXMLPROCESSORType = TXMLValueType;
using TXMLVMType = TXMLValueType;
using TXMLOSVERSIONTypeList = XmlList<TXMLOSVERSIONType>;
using TXMLDISKSIZETypeList = XmlList<TXMLDISKSIZEType>;
using TXMLIMPLTYPETypeList = XmlList<TXMLIMPLTYPEType>;
using TXMLLANGUAGETypeList = XmlList<TXMLLANGUAGEType>;
using TXMLPROCESSORTypeList = XmlList<TXMLPROCESSORType>;
using TXMLVMTypeList = XmlList<TXMLVMType>;
using TXMLABSTRACTTypeList = XmlTextList;
using TXMLTITLETypeList = XmlTextList;

class TXMLCODEBASEType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString FILENAME() const { return Attr(QStringLiteral("FILENAME")); }
    QString HREF() const { return Attr(QStringLiteral("HREF")); }
    QString SIZE() const { return Attr(QStringLiteral("SIZE")); }
};
using TXMLCODEBASETypeList = XmlList<TXMLCODEBASEType>;

class TXMLOSType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString VALUE() const { return Attr(QStringLiteral("VALUE")); }
    TXMLOSVERSIONTypeList OSVERSION() const;
};
using TXMLOSTypeList = XmlList<TXMLOSType>;

class TXMLSOFTPKGType;

class TXMLDEPENDENCYType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString ACTION() const { return Attr(QStringLiteral("ACTION")); }
    TXMLCODEBASEType CODEBASE() const;
    TXMLSOFTPKGType SOFTPKG() const;  // a nested package
};
using TXMLDEPENDENCYTypeList = XmlList<TXMLDEPENDENCYType>;

class TXMLIMPLEMENTATIONType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    TXMLCODEBASETypeList CODEBASE() const;
    TXMLDEPENDENCYTypeList DEPENDENCY() const;
    TXMLDISKSIZETypeList DISKSIZE() const;
    TXMLIMPLTYPETypeList IMPLTYPE() const;
    TXMLLANGUAGETypeList LANGUAGE() const;
    TXMLOSTypeList OS() const;
    TXMLPROCESSORTypeList PROCESSOR() const;
    TXMLVMTypeList VM() const;
};
using TXMLIMPLEMENTATIONTypeList = XmlList<TXMLIMPLEMENTATIONType>;

class TXMLSOFTPKGType : public XmlNode {
  public:
    using XmlNode::XmlNode;
    QString NAME() const { return Attr(QStringLiteral("NAME")); }
    QString VERSION() const { return Attr(QStringLiteral("VERSION")); }
    TXMLABSTRACTTypeList ABSTRACT() const;
    TXMLIMPLEMENTATIONTypeList IMPLEMENTATION() const;
    TXMLDEPENDENCYTypeList DEPENDENCY() const;
    QStringList LICENSE() const;
    TXMLTITLETypeList TITLE() const;
};

// A parsed version file. SOFTPKG() is null unless the document parsed and its root is
// SOFTPKG without a namespace.
class Document {
  public:
    TXMLSOFTPKGType SOFTPKG() const;
    const QString& error() const { return error_; }

  private:
    friend Document ParseSOFTPKG(const QByteArray&);
    std::unique_ptr<xml::Element> root_;
    QString error_;
};

// Reads the version file through the safe XML reader. Never throws.
Document ParseSOFTPKG(const QByteArray& data);

// The program's own version, in the version file's notation; compared as plain text.
inline constexpr char kOwnVersion[] = "0,12,7,0";

struct VersionVerdict {
    bool showDialog = false;
    QString linkCaption;  // HREF of the first CODEBASE of the first IMPLEMENTATION
};

// The check made once the version file has loaded: the dialog is shown when VERSION differs in any
// way from the own version and the first IMPLEMENTATION has a CODEBASE. Every failure (not XML,
// another root, no IMPLEMENTATION or CODEBASE) gives no dialog, silently.
VersionVerdict CheckVersionFile(const QByteArray& document);

}  // namespace hx::net::osd
