// The component settings store over line files.
#include "extini.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "settings/textfile.h"

namespace hx {

namespace {
const QString kOptions = QStringLiteral("Options");

QString SectionOrDefault(const QString& section) {
    return section.isEmpty() ? kOptions : section;
}
}  // namespace

QString DefaultIniName(const QString& executablePath) {
    const qsizetype slash =
        std::max(executablePath.lastIndexOf('/'), executablePath.lastIndexOf('\\'));
    const qsizetype dot = executablePath.lastIndexOf('.');
    const QString stem = dot > slash ? executablePath.left(dot) : executablePath;
    return stem + QStringLiteral(".ini");
}

void LoadComponent(const IniDocument& doc, PersistentComponent& c, const QString& section) {
    const QString s = SectionOrDefault(section);
    switch (c.kind()) {
        case ComponentKind::CheckBox:
        case ComponentKind::MenuItem:
            c.setChecked(IniValueBool(doc.Raw(s, c.name())).value_or(c.checked()));
            break;
        case ComponentKind::EditBox: {
            const auto raw = doc.Raw(s, c.name());
            c.setText(raw ? IniValueText(*raw) : c.text());
            break;
        }
        case ComponentKind::Other:
            break;
    }
}

void SaveComponent(IniDocument& doc, const PersistentComponent& c, const QString& section) {
    const QString s = SectionOrDefault(section);
    switch (c.kind()) {
        case ComponentKind::CheckBox:
        case ComponentKind::MenuItem:
            doc.Set(s, c.name(), c.checked() ? QStringLiteral("1") : QStringLiteral("0"));
            break;
        case ComponentKind::EditBox:
            doc.Set(s, c.name(), c.text());
            break;
        case ComponentKind::Other:
            throw EExtIniFError();
    }
}

TExtIniF::TExtIniF(const QString& fileName)
    : fileName_(fileName.isEmpty() ? DefaultIniName(QCoreApplication::applicationFilePath())
                                   : fileName) {}

QString TExtIniF::Section(const QString& section) const {
    return section.isEmpty() ? defaultSection_ : section;
}

IniDocument TExtIniF::Document() const {
    return IniDocument(files::ReadLines(fileName_).value_or(QStringList()));
}

void TExtIniF::LoadComponent(PersistentComponent& c, const QString& section) const {
    hx::LoadComponent(Document(), c, Section(section));
}

QString TExtIniF::ReadString(const QString& section, const QString& key, const QString& def) const {
    const auto raw = Document().Raw(Section(section), key);
    return raw ? IniValueText(*raw) : def;
}

bool TExtIniF::ReadBool(const QString& section, const QString& key, bool def) const {
    return IniValueBool(Document().Raw(Section(section), key)).value_or(def);
}

void TExtIniF::Modify(const std::function<void(IniDocument&)>& edit) {
    const auto fail = [this] {
        throw Error(QStringLiteral("Unable to write to %1")
                        .arg(QDir::toNativeSeparators(QFileInfo(fileName_).absoluteFilePath())));
    };
    // A file that exists but cannot be read is not replaced: its other contents would be lost.
    std::optional<QStringList> lines;
    if (QFileInfo::exists(fileName_)) {
        lines = files::ReadLines(fileName_);
        if (!lines) fail();
    }
    IniDocument doc(lines.value_or(QStringList()));
    edit(doc);
    try {
        files::WriteLines(fileName_, doc.lines());
    } catch (const Error&) {
        fail();
    }
}

void TExtIniF::SaveComponent(const PersistentComponent& c, const QString& section) {
    if (c.kind() == ComponentKind::Other) throw EExtIniFError();
    Modify([&](IniDocument& doc) { hx::SaveComponent(doc, c, Section(section)); });
}

void TExtIniF::WriteString(const QString& section, const QString& key, const QString& value) {
    Modify([&](IniDocument& doc) { doc.Set(Section(section), key, value); });
}

}  // namespace hx
