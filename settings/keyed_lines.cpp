// Keyed line files.
#include "keyed_lines.h"

#include "textfile.h"

namespace hx::files {

KeyedLines KeyedLines::FromLines(const QStringList& lines) {
    KeyedLines k;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty()) k.lines_ << l;
    return k;
}

std::optional<QString> KeyedLines::Value(const QString& key) const {
    std::optional<QString> found;
    const QString head = key + QLatin1Char('\t');
    for (const QString& l : lines_)
        if (l.startsWith(head)) found = l.mid(head.size());
    return found;
}

void KeyedLines::Set(const QString& key, const QString& value) {
    // A value with a line break would split into lines of another meaning.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString head = key + QLatin1Char('\t');
    bool set = false;
    for (QString& l : lines_)
        if (l.startsWith(head)) {
            l = head + v;
            set = true;
        }
    if (!set) lines_ << head + v;
}

std::optional<KeyedLines> ReadKeyedFile(const QString& name, qint64 maxBytes) {
    const auto lines = ReadLines(ProgramFile(name), maxBytes);
    if (!lines) return std::nullopt;
    return KeyedLines::FromLines(*lines);
}

void WriteKeyedFile(const QString& name, const KeyedLines& lines) {
    WriteLines(ProgramFile(name), lines.Lines());
}

}  // namespace hx::files
