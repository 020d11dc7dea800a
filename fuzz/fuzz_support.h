// Helpers of the fuzz targets: a failed property stops the run like a crash.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace hx::fuzz {

inline void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// A directory that lives for the whole run (in $TMPDIR).
inline const QTemporaryDir& WorkDir() {
    static const QTemporaryDir dir;
    return dir;
}

// Replaces the file with exactly these bytes.
inline QString PutFile(const QString& name, const QByteArray& bytes) {
    const QString path = WorkDir().filePath(name);
    QFile f(path);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Check(f.write(bytes) == bytes.size());
    return path;
}

}  // namespace hx::fuzz
