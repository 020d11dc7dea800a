// Files written by an earlier build come back byte for byte: every stored key is read under
// the name it was written with, and written back under it.
#include <QDir>
#include <QFile>

#include "window_fixture.h"

using hx::test::WindowTest;

namespace {

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

}  // namespace

TEST_F(WindowTest, SavedFilesComeBackByteForByte) {
    const QDir golden(qEnvironmentVariable("HELIODEX_SOURCE_DIR") + "/tests/ui/golden");
    const QStringList names = {"heliodex.ini",    "zipcodes.txt",     "alarmlist.txt",
                               "alarmsounds.txt", "alarmoffsets.txt", "houralarms.txt",
                               "hoursounds.txt"};
    for (const QString& n : names)
        ASSERT_TRUE(QFile::copy(golden.filePath(n), dir.filePath(n))) << n.toStdString();
    // The files were written on this day; the zoned site's daylight box follows the date.
    hx::SetClock([] { return QDateTime(QDate(2026, 12, 10), QTime(17, 11), Qt::UTC); });
    Open();
    Click("Exit2");
    for (const QString& n : names)
        EXPECT_EQ(Contents(dir.filePath(n)), Contents(golden.filePath(n))) << n.toStdString();
}
