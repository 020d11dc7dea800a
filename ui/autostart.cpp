// The autostart entry: written whole, atomically, pointing at the running executable.
#include "autostart.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/error.h"

namespace hx::ui {

namespace {
// One argument of an Exec key: quoted, with the characters the quoting reserves escaped,
// then every backslash doubled for the string value, and % doubled for the field codes.
QString ExecArgument(const QString& arg) {
    QString quoted;
    for (const QChar c : arg) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + u'"';
}

// A desktop entry's string holds no control character, and the file is UTF-8: a path with a
// tab, a line break, another control character or a byte that is not UTF-8 (decoded as the
// replacement character) has no Exec value that starts it.
bool EntryCanHold(const QString& path) {
    if (path.isEmpty()) return false;
    return std::none_of(path.begin(), path.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter ||
               c.isSurrogate();
    });
}

}  // namespace

QString AutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/heliodex.desktop");
}

std::optional<QString> AutostartEntry(const QString& executable) {
    if (!EntryCanHold(executable)) return std::nullopt;
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Heliodex\n"
               "Comment=The Thelemic calendar as a clock in the notification area\n"
               "Exec=%1\n"
               "Icon=heliodex\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(ExecArgument(executable));
}

bool AutostartEnabled() {
    return QFileInfo(AutostartEntryPath()).isFile();
}

void SetAutostart(bool enabled, const QString& executable) {
    const QString path = AutostartEntryPath();
    if (!enabled) {
        if (QFile::exists(path) && !QFile::remove(path))
            throw Error(QStringLiteral("Cannot remove file \"%1\".").arg(path));
        return;
    }
    const std::optional<QString> entry = AutostartEntry(executable);
    if (!entry)
        throw Error(QStringLiteral("The program's path \"%1\" cannot be started from a desktop "
                                   "entry: it holds a tab, a line break, another control "
                                   "character or a byte that is not UTF-8.")
                        .arg(executable));
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(entry->toUtf8()) < 0 || !f.commit())
        throw Error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
}

}  // namespace hx::ui
