// Reading GNU message catalogues: a small header, then two tables of (length, offset) pairs,
// the original strings' and the translations', in either byte order.
#include "locale/name_catalogues.h"

#include <QDir>
#include <QFile>

namespace hx::places {

namespace {

constexpr quint32 kMagic = 0x950412de;
constexpr qint64 kMaxCatalogue = 64 << 20;

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    bool Open() {
        quint32 magic = 0;
        if (!Word(0, magic)) return false;
        if (magic == kMagic) return true;
        swapped_ = true;
        return Word(0, magic) && magic == kMagic;
    }

    bool Word(quint64 at, quint32& out) const {
        if (at + 4 > quint64(bytes_.size())) return false;
        const auto* p = reinterpret_cast<const uchar*>(bytes_.constData() + at);
        out = swapped_ ? quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3]
                       : quint32(p[3]) << 24 | quint32(p[2]) << 16 | quint32(p[1]) << 8 | p[0];
        return true;
    }

    // The string the table entry at `at` describes, up to its first NUL.
    bool Text(quint64 at, QString& out) const {
        quint32 length = 0, offset = 0;
        if (!Word(at, length) || !Word(at + 4, offset)) return false;
        if (quint64(offset) + length > quint64(bytes_.size())) return false;
        const char* begin = bytes_.constData() + offset;
        const qsizetype n = qstrnlen(begin, length);
        out = QString::fromUtf8(begin, n);
        return true;
    }

  private:
    const QByteArray& bytes_;
    bool swapped_ = false;
};

}  // namespace

std::vector<std::pair<QString, QString>> ParseMessageCatalogue(const QByteArray& bytes) {
    std::vector<std::pair<QString, QString>> entries;
    Reader r(bytes);
    quint32 count = 0, originals = 0, translations = 0;
    if (!r.Open() || !r.Word(8, count) || !r.Word(12, originals) || !r.Word(16, translations))
        return entries;
    // A count the file cannot hold is a damaged file, not a reason to reserve memory.
    if (quint64(count) * 8 > quint64(bytes.size())) return entries;
    entries.reserve(count);
    for (quint64 i = 0; i < count; ++i) {
        QString key, text;
        if (!r.Text(originals + 8 * i, key) || !r.Text(translations + 8 * i, text)) continue;
        if (key.isEmpty() || text.isEmpty()) continue;
        entries.emplace_back(std::move(key), std::move(text));
    }
    return entries;
}

QHash<QString, QStringList> ReadNameCatalogues(const QString& localeDir) {
    QHash<QString, QStringList> names;
    const QDir dir(localeDir);
    for (const QString& language : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile file(dir.filePath(language + QStringLiteral("/LC_MESSAGES/geonames.mo")));
        if (file.size() > kMaxCatalogue || !file.open(QIODevice::ReadOnly)) continue;
        for (auto& [key, text] : ParseMessageCatalogue(file.readAll())) {
            // A name many languages share is kept once.
            QStringList& list = names[key];
            if (!list.contains(text)) list << text;
        }
    }
    return names;
}

QString SystemLocaleDirectory() {
    return QStringLiteral("/usr/share/locale");
}

}  // namespace hx::places
