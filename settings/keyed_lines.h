// Files of "key<TAB>value" lines that the program reads by key: a line it does not know (an
// older or newer version's, or one an editor broke) is kept and written back as it was.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace hx::files {

class KeyedLines {
  public:
    // The lines of a file, split at the first tab; empty lines are dropped.
    static KeyedLines FromLines(const QStringList& lines);

    // The value of the last line with the key; nullopt when none has it.
    std::optional<QString> Value(const QString& key) const;
    // Replaces the value of every line with the key, or adds a line at the end.
    void Set(const QString& key, const QString& value);
    // Every line, in the order read and then added.
    const QStringList& Lines() const { return lines_; }

  private:
    QStringList lines_;
};

// Reads a keyed file of the program directory: nullopt when it is missing or was not read
// (WriteLines then keeps a file it could not read).
std::optional<KeyedLines> ReadKeyedFile(const QString& name, qint64 maxBytes = 1 << 20);
// Writes it through WriteLines. Raises hx::Error on failure, the old file untouched.
void WriteKeyedFile(const QString& name, const KeyedLines& lines);

}  // namespace hx::files
