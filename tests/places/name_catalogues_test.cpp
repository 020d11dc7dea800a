// The message catalogues of place names: their format, damaged files, the installed ones.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "locale/name_catalogues.h"

using namespace hx::places;

namespace {

// A catalogue of the pairs, little- or big-endian, as msgfmt writes one.
QByteArray Catalogue(const std::vector<std::pair<QByteArray, QByteArray>>& pairs, bool big) {
    const auto word = [big](quint32 v) {
        QByteArray b(4, '\0');
        if (big)
            qToBigEndian(v, b.data());
        else
            qToLittleEndian(v, b.data());
        return b;
    };
    const quint32 n = quint32(pairs.size());
    const quint32 originals = 28, translations = originals + 8 * n;
    QByteArray head = word(0x950412de) + word(0) + word(n) + word(originals) + word(translations) +
                      word(0) + word(0);
    QByteArray tables, strings;
    quint32 at = translations + 8 * n;
    QByteArray second;
    for (const auto& [key, _] : pairs) {
        tables += word(quint32(key.size())) + word(at);
        strings += key + '\0';
        at += quint32(key.size()) + 1;
    }
    for (const auto& [_, text] : pairs) {
        second += word(quint32(text.size())) + word(at);
        strings += text + '\0';
        at += quint32(text.size()) + 1;
    }
    return head + tables + second + strings;
}

}  // namespace

TEST(NameCatalogues, ReadsBothByteOrdersAndSurvivesDamage) {
    const std::vector<std::pair<QByteArray, QByteArray>> pairs = {
        {"", "Content-Type: text/plain; charset=UTF-8\n"},
        {"2867714", "M\xc3\xbcnchen"},
        {"DE", "Deutschland"},
        {"1", QByteArray("one\0ones", 8)}};  // plural forms: the first is kept
    const std::vector<std::pair<QString, QString>> want = {
        {"2867714", "München"}, {"DE", "Deutschland"}, {"1", "one"}};
    for (const bool big : {false, true})
        EXPECT_EQ(ParseMessageCatalogue(Catalogue(pairs, big)), want);

    const QByteArray good = Catalogue(pairs, false);
    for (qsizetype cut = 0; cut < good.size(); cut += 7)  // every truncation reads what it holds
        EXPECT_LE(ParseMessageCatalogue(good.left(cut)).size(), want.size()) << cut;
    QByteArray huge = good;
    qToLittleEndian(quint32(0xffffffff), huge.data() + 8);  // a count no file can hold
    EXPECT_TRUE(ParseMessageCatalogue(huge).empty());
    EXPECT_TRUE(ParseMessageCatalogue("not a catalogue at all").empty());
}

TEST(NameCatalogues, GathersEveryLanguageOnce) {
    QTemporaryDir dir;
    const auto put = [&](const char* language,
                         const std::vector<std::pair<QByteArray, QByteArray>>& pairs) {
        QDir(dir.path()).mkpath(QStringLiteral("%1/LC_MESSAGES").arg(language));
        QFile f(dir.filePath(QStringLiteral("%1/LC_MESSAGES/geonames.mo").arg(language)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Catalogue(pairs, false));
    };
    put("de", {{"2761369", "Wien"}});
    put("de_AT", {{"2761369", "Wien"}});
    put("cs", {{"2761369", "V\xc3\xad\x64\x65\xc5\x88"}});
    QDir(dir.path()).mkpath("xx/LC_MESSAGES/geonames.mo");  // a directory, not a file
    const QHash<QString, QStringList> names = ReadNameCatalogues(dir.path());
    EXPECT_EQ(names.value("2761369"), QStringList({"Vídeň", "Wien"}));
    // The installed catalogues hold the names the searches rely on.
    EXPECT_TRUE(ReadNameCatalogues(SystemLocaleDirectory()).value("2867714").contains("München"));
}
