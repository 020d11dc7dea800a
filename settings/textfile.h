// The program directory and the line files kept in it (UTF-8, CR LF, replaced atomically).
#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace hx::files {

// The directory the program keeps its files in: ResolveProgramDirectory of the executable's
// directory and the per-user data directory, decided once per run. An override set by
// SetProgramDirectory wins (tests, a given directory).
QString ProgramDirectory();
void SetProgramDirectory(const QString& dir);  // empty restores the default rule
QString ProgramFile(const QString& name);

// The rule: exeDir when it is writable and not a directory of installed programs; else
// dataDir (created on demand), into which the user's files found in exeDir and missing from
// dataDir are copied first, so a read-only directory's site and alarms carry over.
QString ResolveProgramDirectory(const QString& exeDir, const QString& dataDir);
// The files of the user's state the program keeps in its directory.
const QStringList& UserFileNames();
// True for the directories programs are installed in (/usr/bin and the like, ~/.local/bin):
// never the program directory, even where writable (by root, or by the user who installed).
bool IsInstalledProgramsDirectory(const QString& dir);

// Text of a file's bytes: a UTF-16 or UTF-32 byte-order mark decides for the whole file;
// otherwise each line on its own reads as UTF-8 when it is valid UTF-8 and as Windows-1252
// when not, so one old byte does not change the rest. The text never starts with U+FEFF.
QString DecodeText(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);

// Lines split at CR LF, LF or CR; a final line ending adds no empty line.
QStringList SplitLines(const QString& text);

// The lines of a file; nullopt when it does not exist, cannot be read, or is larger than
// maxBytes (read without loading more than that). A file that exists but was not read (no
// permission, an I/O error, too large, a directory) is remembered until it is read whole:
// WriteLines meanwhile refuses to replace it, since what it holds was never seen.
std::optional<QStringList> ReadLines(const QString& path, qint64 maxBytes = 4 << 20);
// Whether the last ReadLines of the path found it there but could not read it.
bool WasUnreadable(const QString& path);

// How far WriteLines goes before returning: ToDisk waits until the new file is on the disk;
// Lazy leaves that to the system, for a file rewritten on every clock tick, whose wait for
// the disk would cost more than the rest of the tick.
enum class Sync { ToDisk, Lazy };

// Writes each line followed by CR LF, UTF-8 without a byte-order mark, through a temporary
// file renamed over the old one only once every byte was written and flushed without error.
// Raises hx::Error «Cannot create file "%s". %s» on failure; the old file is then untouched.
void WriteLines(const QString& path, const QStringList& lines, Sync sync = Sync::ToDisk);

// How WriteLines hands the bytes to the new file; true when all were accepted. Tests put in
// one that fails part-way, as a full disk does. An empty function restores the default.
using ByteWriter = std::function<bool(QIODevice& file, const QByteArray& bytes)>;
void SetByteWriter(ByteWriter writer);

}  // namespace hx::files
