// The program directory and the line files kept in it (UTF-8, CR LF, replaced atomically).
#pragma once

#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace hx::files {

// The directory the program keeps its files in: the executable's directory when it is
// writable and not a directory of installed programs, else the per-user data directory
// (created on demand). An override set by SetProgramDirectory wins (tests, a given directory).
QString ProgramDirectory();
void SetProgramDirectory(const QString& dir);  // empty restores the default rule
QString ProgramFile(const QString& name);
// True for the directories programs are installed in (/usr/bin and the like, ~/.local/bin):
// never the program directory, even where writable (by root, or by the user who installed).
bool IsInstalledProgramsDirectory(const QString& dir);

// Text of a file's bytes: a byte-order mark is honoured; bytes that are valid UTF-8 read as
// UTF-8; anything else reads as Windows-1252. The text never starts with U+FEFF.
QString DecodeText(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);

// Lines split at CR LF, LF or CR; a final line ending adds no empty line.
QStringList SplitLines(const QString& text);

// The lines of a file; nullopt when it does not exist, cannot be read, or is larger than
// maxBytes (read without loading more than that).
std::optional<QStringList> ReadLines(const QString& path, qint64 maxBytes = 4 << 20);

// How far WriteLines goes before returning: ToDisk waits until the new file is on the disk;
// Lazy leaves that to the system, for a file rewritten on every clock tick, whose wait for
// the disk would cost more than the rest of the tick.
enum class Sync { ToDisk, Lazy };

// Writes each line followed by CR LF, UTF-8 without a byte-order mark, through a temporary
// file renamed over the old one. Raises hx::Error «Cannot create file "%s". %s» on failure.
void WriteLines(const QString& path, const QStringList& lines, Sync sync = Sync::ToDisk);

}  // namespace hx::files
