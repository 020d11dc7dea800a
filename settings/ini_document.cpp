// INI text as lines, and the rules by which values are read back.
#include "ini_document.h"

namespace hx {

namespace {

constexpr qsizetype kMaxValue = 2047;

// The section a header line opens, or nullopt for any other line.
std::optional<QString> HeaderName(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith('[')) return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The position of "=" when the line holds the key, else -1.
qsizetype KeyEquals(const QString& line, const QString& key) {
    const qsizetype eq = line.indexOf('=');
    return eq > 0 && SameName(line.left(eq).trimmed(), key) ? eq : -1;
}

// Parses an optionally signed integer of digits in base 10 or 16; true when it is non-zero.
std::optional<bool> NonZero(QStringView digits, int base) {
    if (digits.isEmpty()) return std::nullopt;
    bool nonZero = false;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        int d = -1;
        if (u >= '0' && u <= '9')
            d = u - '0';
        else if (base == 16 && u >= 'a' && u <= 'f')
            d = u - 'a' + 10;
        else if (base == 16 && u >= 'A' && u <= 'F')
            d = u - 'A' + 10;
        if (d < 0) return std::nullopt;
        nonZero = nonZero || d != 0;
    }
    return nonZero;
}

}  // namespace

std::pair<int, int> IniDocument::SectionRange(const QString& section) const {
    int header = -1;
    for (int i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i]);
        if (!name) continue;
        if (header >= 0) return {header, i};
        if (SameName(*name, section)) header = i;
    }
    return {header, int(lines_.size())};
}

std::optional<QString> IniDocument::Raw(const QString& section, const QString& key) const {
    const auto [header, end] = SectionRange(section);
    if (header < 0) return std::nullopt;
    for (int i = header + 1; i < end; ++i) {
        const qsizetype eq = KeyEquals(lines_[i], key);
        if (eq > 0) return lines_[i].mid(eq + 1);
    }
    return std::nullopt;
}

void IniDocument::Set(const QString& section, const QString& key, const QString& value) {
    QString v = value;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace('\r', ' ').replace('\n', ' ');
    const QString line = key + '=' + v;
    const auto [header, end] = SectionRange(section);
    if (header < 0) {
        lines_ << '[' + section + ']' << line;
        return;
    }
    int last = header;  // the section's last line that is not blank
    for (int i = header + 1; i < end; ++i) {
        if (KeyEquals(lines_[i], key) > 0) {
            lines_[i] = line;
            return;
        }
        if (!lines_[i].trimmed().isEmpty()) last = i;
    }
    lines_.insert(last + 1, line);
}

QString IniValueText(const QString& raw) {
    QString v = raw.trimmed();
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) v = v.mid(1, v.size() - 2);
    if (v.size() > kMaxValue) {
        v.truncate(kMaxValue);
        if (v.back().isHighSurrogate()) v.chop(1);  // never half a character
    }
    return v;
}

std::optional<bool> IniValueBool(const std::optional<QString>& raw) {
    if (!raw) return std::nullopt;
    const QString v = IniValueText(*raw);
    if (v.size() >= 3 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X'))
        return NonZero(QStringView(v).mid(2), 16);
    QStringView digits(v);
    if (digits.startsWith('+') || digits.startsWith('-')) digits = digits.mid(1);
    return NonZero(digits, 10);
}

}  // namespace hx
