// The component settings store: the states of named window components in an INI file.
#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "core/error.h"
#include "settings/component.h"
#include "settings/ini_document.h"

namespace hx {

// Raised when a component of a kind the store does not keep is saved.
class EExtIniFError : public Error {
  public:
    EExtIniFError() : Error(QStringLiteral("This object is not supported!")) {}
};

// The INI name that stands for an empty file name: the executable's path with the extension
// of its file name (if any) replaced by ".ini". A dot in a directory name is left alone.
QString DefaultIniName(const QString& executablePath);

// One component against a document; an empty section means "Options". Loading reads the
// component's key with its current state as default (a menu item applies its group rule as
// it is set); other kinds are left alone. Saving raises EExtIniFError for other kinds.
void LoadComponent(const IniDocument& doc, PersistentComponent& c, const QString& section);
void SaveComponent(IniDocument& doc, const PersistentComponent& c, const QString& section);

class TExtIniF {
  public:
    // An empty name stands for DefaultIniName of the running executable. The file is not
    // touched until the first read or write.
    explicit TExtIniF(const QString& fileName);

    const QString& FileName() const { return fileName_; }
    const QString& DefaultSection() const { return defaultSection_; }

    // Each call reads the file at that moment; a missing or unreadable file reads as empty.
    void LoadComponent(PersistentComponent& c, const QString& section = {}) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    IniDocument Document() const;

    // Each call reads the file, changes it and replaces it whole (UTF-8, CR LF, atomically).
    // Raises hx::Error «Unable to write to %s» when the file cannot be read or written; the
    // file is then left as it was.
    void SaveComponent(const PersistentComponent& c, const QString& section = {});
    void WriteString(const QString& section, const QString& key, const QString& value);
    void Modify(const std::function<void(IniDocument&)>& edit);

  private:
    QString Section(const QString& section) const;
    QString fileName_;
    QString defaultSection_ = QStringLiteral("Options");
};

}  // namespace hx
