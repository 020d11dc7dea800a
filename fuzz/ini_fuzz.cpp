// Fuzzes the settings store's INI reading: the document, the value read-back rules, and a
// heliodex.ini of arbitrary bytes restored into the window's components and saved again.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "settings/extini.h"
#include "settings/textfile.h"
#include "settings/window_settings.h"

namespace {

void Check(bool ok) {
    if (!ok) __builtin_trap();
}

// The (section, key) pairs a reader can reach: keys under a header, at most `limit` of them
// (every lookup walks the document, so all pairs of a large input would be quadratic).
std::vector<std::pair<QString, QString>> Pairs(const QStringList& lines, int limit = 64) {
    std::vector<std::pair<QString, QString>> out;
    QString section;
    bool inSection = false;
    for (const QString& l : lines) {
        if (int(out.size()) >= limit) break;
        const QString t = l.trimmed();
        if (t.startsWith('[')) {
            const qsizetype close = t.indexOf(']');
            section = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
            inSection = true;
        } else if (const qsizetype eq = l.indexOf('='); inSection && eq > 0) {
            out.emplace_back(section, l.left(eq).trimmed());
        }
    }
    return out;
}

void CheckValues(const hx::IniDocument& doc,
                 const std::vector<std::pair<QString, QString>>& pairs) {
    for (const auto& [s, k] : pairs) {
        const auto raw = doc.Raw(s, k);  // a key of a repeated section may not be reachable
        if (!raw) continue;
        const QString text = hx::IniValueText(*raw);
        Check(text.size() <= 2047);
        Check(text.isEmpty() || !text.back().isHighSurrogate());
        (void)hx::IniValueBool(raw);
    }
}

// A value replaced in a copy reads back as written (line breaks as blanks), and every other
// key keeps its value.
void CheckSet(const hx::IniDocument& doc, const std::vector<std::pair<QString, QString>>& pairs,
              const QString& value) {
    hx::IniDocument copy = doc;
    copy.Set(QStringLiteral("Locale"), QStringLiteral("Edit12"), value);
    QString expect = value;
    expect.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace('\r', ' ').replace('\n', ' ');
    Check(copy.Raw(QStringLiteral("Locale"), QStringLiteral("Edit12")) == expect);
    for (const auto& [s, k] : pairs) {
        if (s.compare(QLatin1String("Locale"), Qt::CaseInsensitive) == 0 &&
            k.compare(QLatin1String("Edit12"), Qt::CaseInsensitive) == 0)
            continue;
        Check(copy.Raw(s, k) == doc.Raw(s, k));
    }
}

struct Window {
    hx::OptionsModel menu;
    std::vector<hx::FieldComponent> fields = hx::LocaleFields();
    std::vector<std::unique_ptr<hx::PersistentComponent>> items = hx::MenuComponents(menu);
    std::vector<hx::PersistentComponent*> All() {
        std::vector<hx::PersistentComponent*> all;
        for (auto& f : fields) all.push_back(&f);
        for (auto& i : items) all.push_back(i.get());
        return all;
    }
};

// What a save followed by a restore gives back: the same check marks and check boxes, and
// each text as the read-back rules leave it (blanks at the ends and enclosing quotes dropped).
bool RestoredAsSaved(Window& saved, Window& restored) {
    if (!(saved.menu == restored.menu)) return false;
    for (size_t i = 0; i < saved.fields.size(); ++i)
        if (restored.fields[i].text() != hx::IniValueText(saved.fields[i].text()) ||
            restored.fields[i].checked() != saved.fields[i].checked())
            return false;
    return true;
}

bool IsWindowKey(const QString& section, const QString& key) {
    const bool window = section.compare(QLatin1String("Locale"), Qt::CaseInsensitive) == 0 ||
                        section.compare(QLatin1String("Menu"), Qt::CaseInsensitive) == 0;
    if (!window) return false;
    for (const QString& n : hx::VisitingOrder())
        if (n.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

// The file as the program meets it: restore, save, restore again. The second restore gives
// what the first one saved, and keys the window does not own survive the save.
void CheckFile(const QByteArray& bytes) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("heliodex.ini"));
    {
        QFile f(path);
        Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        Check(f.write(bytes) == bytes.size());
    }
    hx::TExtIniF store(path);
    const hx::IniDocument before = store.Document();
    const auto pairs = Pairs(before.lines());
    (void)store.ReadString(QString(), QStringLiteral("Edit12"), QStringLiteral("10"));
    (void)store.ReadBool(QStringLiteral("Menu"), QStringLiteral("Clockon1"), false);

    Window first;
    hx::RestoreWindowComponents(store, first.All());
    hx::SaveWindowComponents(store, first.All());
    Window second;
    hx::RestoreWindowComponents(store, second.All());
    Check(RestoredAsSaved(first, second));

    const hx::IniDocument after = store.Document();
    for (const auto& [s, k] : pairs)
        if (!IsWindowKey(s, k)) Check(after.Raw(s, k) == before.Raw(s, k));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const hx::IniDocument doc(hx::files::SplitLines(hx::files::DecodeText(bytes)));
    const auto pairs = Pairs(doc.lines());
    CheckValues(doc, pairs);
    CheckSet(doc, pairs, QString::fromUtf8(bytes.left(64)));
    CheckFile(bytes);
    return 0;
}
