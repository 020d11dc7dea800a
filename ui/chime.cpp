// Where the built-in chime is found.
#include "chime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "settings/textfile.h"

namespace hx::ui {

QString BuiltInChime() {
    const QString name = QString::fromLatin1(kChimeFileName);
    const QString candidates[] = {
        files::ProgramFile(name),
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(QStringLiteral("../share/heliodex/") + name),
    };
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile()) return QDir::cleanPath(path);
    return {};
}

}  // namespace hx::ui
