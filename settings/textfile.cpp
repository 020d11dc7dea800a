// Line files: encoding rules on reading, atomic replacement on writing.
#include "textfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

#include "menu/stored_names.h"

#include "core/error.h"

namespace hx::files {

namespace {
QString& Override() {
    static QString dir;
    return dir;
}

// Absolute, cleaned paths of files found but not read during this run.
QSet<QString>& Unreadable() {
    static QSet<QString> paths;
    return paths;
}
QString Key(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

ByteWriter& Writer() {
    static ByteWriter writer;
    return writer;
}

// Windows-1252 0x80..0x9F; the rest of the code page is Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

void SetProgramDirectory(const QString& dir) {
    Override() = dir;
}

QString ProgramDirectory() {
    if (!Override().isEmpty()) return Override();
    static const QString resolved =
        ResolveProgramDirectory(QCoreApplication::applicationDirPath(),
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return resolved;
}

const QStringList& UserFileNames() {
    static const QStringList names = [] {
        QStringList out;
        for (StateFile f : {StateFile::Settings, StateFile::RecentLocations, StateFile::AlarmStates,
                            StateFile::AlarmSounds, StateFile::AlarmOffsets, StateFile::HourAlarms,
                            StateFile::HourSounds, StateFile::RecentLookups, StateFile::SavedPlaces,
                            StateFile::SkyAlarms, StateFile::OwnOptions})
            out << StoredName(f);
        return out;
    }();
    return names;
}

QString ResolveProgramDirectory(const QString& exeDir, const QString& dataDir) {
    if (QFileInfo(exeDir).isWritable() && !IsInstalledProgramsDirectory(exeDir)) return exeDir;
    QDir().mkpath(dataDir);
    const QDir from(exeDir), to(dataDir);
    if (QDir::cleanPath(from.absolutePath()) == QDir::cleanPath(to.absolutePath())) return dataDir;
    for (const QString& name : UserFileNames()) {
        // A copy the data directory already has is the newer one: it was saved there.
        if (!QFileInfo(from.filePath(name)).isFile() || QFileInfo::exists(to.filePath(name)))
            continue;
        if (QFile::copy(from.filePath(name), to.filePath(name)))
            QFile::setPermissions(to.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                         QFile::ReadGroup | QFile::ReadOther);
    }
    return dataDir;
}

bool IsInstalledProgramsDirectory(const QString& dir) {
    static const QStringList system = {
        "/bin",           "/sbin",           "/usr/bin",         "/usr/sbin",   "/usr/games",
        "/usr/local/bin", "/usr/local/sbin", "/usr/local/games", "/usr/libexec"};
    const QString clean = QDir::cleanPath(dir);
    return system.contains(clean) || clean == QDir::homePath() + QStringLiteral("/.local/bin");
}

QString ProgramFile(const QString& name) {
    return QDir(ProgramDirectory()).filePath(name);
}

QString DecodeWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

namespace {
QString DecodeLine(QByteArrayView line) {
    // A mark at the start of a later line is text: only the file's leading marks are dropped.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(line);
    if (!utf8.hasError()) return text;
    return DecodeWindows1252(line.toByteArray());
}

QString DecodeBody(QByteArrayView bytes) {
    if (auto enc = QStringConverter::encodingForData(bytes)) {
        if (*enc != QStringConverter::Utf8) {
            QStringDecoder dec(*enc);
            return dec.decode(bytes);
        }
    }
    // Leading UTF-8 marks go before the lines are decided, so the first line is judged on
    // its own bytes.
    while (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    QString out;
    out.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        out += DecodeLine(bytes.sliced(start, end - start));
        for (; end < bytes.size() && (bytes[end] == '\r' || bytes[end] == '\n'); ++end)
            out += QLatin1Char(bytes[end]);
        start = end;
    }
    return out;
}
}  // namespace

QString DecodeText(const QByteArray& bytes) {
    // Byte-order marks left over after the first (a file saved with two) are dropped too: kept,
    // the first line would change meaning once the file is written back and read again.
    QString text = DecodeBody(bytes);
    qsizetype marks = 0;
    while (marks < text.size() && text[marks] == QChar::ByteOrderMark) ++marks;
    text.remove(0, marks);
    return text;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines << text.mid(start, i - start);
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

std::optional<QStringList> ReadLines(const QString& path, qint64 maxBytes) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return std::nullopt;
    const auto unread = [&] {
        Unreadable().insert(Key(path));
        return std::nullopt;
    };
    QFile f(path);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) return unread();
    if (f.size() > maxBytes) return unread();  // rejected before anything is read
    // Read in pieces: one read of maxBytes would reserve the whole limit for every small file.
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = f.read(std::min<qint64>(64 << 10, maxBytes + 1 - bytes.size()));
        if (f.error() != QFileDevice::NoError) return unread();
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (bytes.size() > maxBytes) return unread();
    Unreadable().remove(Key(path));  // read whole now: what is written next is based on it
    return SplitLines(DecodeText(bytes));
}

bool WasUnreadable(const QString& path) {
    return Unreadable().contains(Key(path));
}

void SetByteWriter(ByteWriter writer) {
    Writer() = std::move(writer);
}

namespace {

// Replaces a regular file, or creates it, through a temporary beside it that takes its name,
// keeping the old file's permissions and without waiting for the disk. Returns false,
// leaving no temporary, when anything fails or the path is not a plain file (a link, a
// directory): the caller then writes the way that reports the reason.
bool ReplaceWithoutSync(const QString& path, const QByteArray& bytes) {
    const QByteArray target = QFile::encodeName(path);
    struct stat old;
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists ? !S_ISREG(old.st_mode) : errno != ENOENT) return false;
    const QByteArray temp = target + ".heliodex-new";
    ::unlink(temp.constData());  // left over from a write that was cut short
    const int fd =
        ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool ok = !exists || ::fchmod(fd, old.st_mode & 07777) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EINTR)
            ok = false;
    }
    ok = ::close(fd) == 0 && ok;
    // Over an old file the two names are swapped and the old file removed: as atomic as a
    // rename, without the rename's wait for the new file's blocks (ext4 allocates them before
    // a file replaces another). Where swapping is not supported, the rename does it.
    if (ok && exists &&
        ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) ==
            0) {
        ::unlink(temp.constData());
        return true;
    }
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok) ::unlink(temp.constData());
    return ok;
}

}  // namespace

void WriteLines(const QString& path, const QStringList& lines, Sync sync) {
    QByteArray bytes;
    for (const QString& l : lines) {
        bytes += l.toUtf8();
        bytes += "\r\n";
    }
    const auto fail = [&](const QString& why) {
        throw Error(QStringLiteral("Cannot create file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), why));
    };
    // What could not be read was never seen, so writing over it would lose it. Once the file
    // is gone there is nothing left to lose.
    if (WasUnreadable(path) && QFileInfo(path).exists())
        fail(QStringLiteral("The file could not be read, so it is left as it was."));
    if (sync == Sync::Lazy && !Writer() && ReplaceWithoutSync(path, bytes)) return;
    QSaveFile f(path);
    if (QFileInfo(path).isDir()) fail(QStringLiteral("Is a directory"));
    if (!f.open(QIODevice::WriteOnly)) fail(f.errorString());
    // The save file's own buffer hides a failed write until commit, which then replaces the
    // old file anyway: each write and the flush are checked first. Leaving without commit
    // removes the new file and keeps the old one.
    const bool written = Writer() ? Writer()(f, bytes) : f.write(bytes) == bytes.size();
    if (!written || !f.flush()) fail(f.errorString());
    if (!f.commit()) fail(f.errorString());
}

}  // namespace hx::files
