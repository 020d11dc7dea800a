// INI text as lines: sections and keys in the order of first write, values replaced in place.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace hx {

class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(QStringList lines) : lines_(std::move(lines)) {}

    // The raw text after "=" of the first such key in the first such section (names match
    // without regard to case); nullopt when the section or key is missing.
    std::optional<QString> Raw(const QString& section, const QString& key) const;

    // Replaces the key's line in place, or adds it at the end of its section, or adds the
    // section at the end of the text. Line breaks in the value become blanks, so a value
    // can never spill into lines of its own.
    void Set(const QString& section, const QString& key, const QString& value);

    const QStringList& lines() const { return lines_; }

  private:
    // [header, end) of the section's lines; header is -1 when the section is missing.
    std::pair<int, int> SectionRange(const QString& section) const;
    QStringList lines_;
};

// A value as it is read back: blanks at the ends dropped, then a pair of enclosing quotation
// marks, then cut to 2047 characters.
QString IniValueText(const QString& raw);

// A boolean value: a decimal integer, or hexadecimal after "0x" or "0X" (at least three
// characters); 0 is false, any other integer true. Missing, empty or not a number: nullopt.
std::optional<bool> IniValueBool(const std::optional<QString>& raw);

}  // namespace hx
