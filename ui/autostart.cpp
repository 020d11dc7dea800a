// The autostart entry: written whole, atomically, pointing at the running executable.
#include "autostart.h"

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
}  // namespace

QString AutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/heliodex.desktop");
}

std::optional<QString> AutostartEntry(const QString& executable) {
    if (executable.contains(u'\n') || executable.contains(u'\r')) return std::nullopt;
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
                                   "entry.")
                        .arg(executable));
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(entry->toUtf8()) < 0 || !f.commit())
        throw Error(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
}

}  // namespace hx::ui
