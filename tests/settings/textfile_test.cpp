// Line files: encodings on reading, CR LF and atomic replacement on writing, failures.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/error.h"
#include "settings/own_options.h"
#include "settings/textfile.h"

using namespace hx;

namespace {
QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}
void WriteBytes(const QString& path, const QByteArray& b) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b);
}
}  // namespace

TEST(LineFiles, DecodesUtf8Windows1252AndBom) {
    const QString expected = QString::fromUtf8("Sol 24° Gemini æ");
    EXPECT_EQ(files::DecodeText("Sol 24\xC2\xB0 Gemini \xC3\xA6"), expected);
    EXPECT_EQ(files::DecodeText("Sol 24\xB0 Gemini \xE6"), expected);
    EXPECT_EQ(files::DecodeText("\xEF\xBB\xBFSol 24\xC2\xB0 Gemini \xC3\xA6"), expected);
    EXPECT_EQ(files::DecodeText(QByteArray("\xFF\xFE"
                                           "a\0\xB0\0",
                                           6)),
              QString::fromUtf8("a°"));
    EXPECT_EQ(files::DecodeText("\x80\x9F"), QString::fromUtf8("€Ÿ"));
    // A second mark would otherwise turn into the first one when the text is written back.
    EXPECT_EQ(files::DecodeText("\xEF\xBB\xBF\xEF\xBB\xBF[Menu]"), "[Menu]");
    EXPECT_EQ(files::DecodeText("\xEF\xBB\xBF"), "");
    // Each line decides for itself.
    EXPECT_EQ(files::DecodeText("\xEF\xBB\xBFK\xF6ln\r\nZ\xC3\xBCrich\n\x80"),
              QString::fromUtf8("Köln\r\nZürich\n€"));
}

// A write that fails part-way, as on a full disk, and a file that was there but not read:
// the old file stays whole and the error says so.
TEST(LineFiles, FailedOrUnreadFilesAreNotReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath("zipcodes.txt");
    const QByteArray old = "55413\r\nZ\xC3\xBCrich\r\n";
    WriteBytes(path, old);
    // The file size limit makes the write itself fail part-way, with the disk's own error.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit was{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &was), 0);
    for (const files::Sync sync : {files::Sync::ToDisk, files::Sync::Lazy}) {
        rlimit small = was;
        small.rlim_cur = 8;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        EXPECT_THROW(files::WriteLines(path, {"55413", "a longer new list"}, sync), Error);
        ::setrlimit(RLIMIT_FSIZE, &was);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"zipcodes.txt"}));
    }
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(files::ReadLines(path, 4));  // over the limit: not read
    for (const files::Sync sync : {files::Sync::ToDisk, files::Sync::Lazy})
        EXPECT_THROW(files::WriteLines(path, {}, sync), Error);
    EXPECT_EQ(ReadBytes(path), old);
    QFile::remove(path);  // gone: nothing left to lose
    files::WriteLines(path, {"x"});
    EXPECT_EQ(ReadBytes(path), "x\r\n");
}

TEST(LineFiles, SplitsEveryLineEnding) {
    EXPECT_EQ(files::SplitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(files::SplitLines("a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_EQ(files::SplitLines(""), QStringList());
}

TEST(LineFiles, WritesUtf8CrLfAndReadsBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("td.txt");
    const QStringList lines = {QString::fromUtf8("An V x Sol 24° Gemini"), "", "C:\\a b\\c.mp3"};
    files::WriteLines(path, lines);
    EXPECT_EQ(ReadBytes(path),
              QByteArray("An V x Sol 24\xC2\xB0 Gemini\r\n\r\nC:\\a b\\c.mp3\r\n"));
    EXPECT_EQ(files::ReadLines(path), lines);
    files::WriteLines(path, {"x"});  // replaced whole
    EXPECT_EQ(files::ReadLines(path), QStringList({"x"}));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"td.txt"}));  // no temporaries
}

TEST(LineFiles, MissingOversizedAndDirectories) {
    QTemporaryDir dir;
    EXPECT_FALSE(files::ReadLines(dir.filePath("none.txt")));
    EXPECT_FALSE(files::ReadLines(dir.path()));
    WriteBytes(dir.filePath("big.txt"), QByteArray(5000, 'x'));
    EXPECT_FALSE(files::ReadLines(dir.filePath("big.txt"), 4096));
    EXPECT_TRUE(files::ReadLines(dir.filePath("big.txt"), 5000));

    QDir(dir.path()).mkdir("heliodex.ini");
    try {
        files::WriteLines(dir.filePath("heliodex.ini"), {"a"});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().startsWith("Cannot create file \"")) << e.what();
        EXPECT_TRUE(e.message().contains("heliodex.ini"));
    }
    try {
        files::WriteLines(dir.filePath("no/such/dir/x.txt"), {"a"});
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("x.txt"));
    }
}

// The write without waiting for the disk ends the same as the other: bytes, permissions, a
// link written through, no temporaries, the same failures.
TEST(LineFiles, LazyWriteEndsLikeTheSyncedOne) {
    QTemporaryDir dir;
    for (const files::Sync sync : {files::Sync::ToDisk, files::Sync::Lazy}) {
        const std::string name = sync == files::Sync::Lazy ? "lazy" : "synced";
        const QString n = QString::fromStdString(name);
        const QString path = dir.filePath(n + ".txt");
        files::WriteLines(path, {"An V x", QString::fromUtf8("Sol 24°")}, sync);
        EXPECT_EQ(ReadBytes(path), QByteArray("An V x\r\nSol 24\xC2\xB0\r\n")) << name;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        // A temporary left by an interrupted write is replaced, not kept.
        if (sync == files::Sync::Lazy) WriteBytes(path + ".heliodex-new", "stale");
        files::WriteLines(path, {"x"}, sync);
        EXPECT_EQ(ReadBytes(path), "x\r\n") << name;
        const QFileDevice::Permissions mode =
            QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        EXPECT_EQ(mode, QFile::ReadOwner | QFile::WriteOwner) << name;

        const QString target = dir.filePath(n + "-target.txt");
        const QString link = dir.filePath(n + "-link.txt");
        WriteBytes(target, "old");
        ASSERT_TRUE(QFile::link(target, link));
        files::WriteLines(link, {"y"}, sync);
        EXPECT_TRUE(QFileInfo(link).isSymLink()) << name;
        EXPECT_EQ(ReadBytes(link), "y\r\n") << name;

        const QString blocked = dir.filePath(n + "-dir");
        QDir(dir.path()).mkdir(n + "-dir");
        try {
            files::WriteLines(blocked, {"a"}, sync);
            ADD_FAILURE() << name << ": no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.message(), QString("Cannot create file \"%1\". Is a directory")
                                       .arg(QDir::toNativeSeparators(blocked)));
        }
        EXPECT_THROW(files::WriteLines(dir.filePath("no/such/" + n), {"a"}, sync), Error);
    }
    EXPECT_EQ(QDir(dir.path()).entryList({"*.heliodex-new"}, QDir::Files), QStringList());
}

TEST(ProgramDirectory, OverrideAndDefault) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    EXPECT_EQ(files::ProgramFile("td.txt"), dir.filePath("td.txt"));
    files::SetProgramDirectory({});
    EXPECT_EQ(files::ProgramDirectory(),
              QCoreApplication::applicationDirPath());  // writable build tree
}

TEST(ProgramDirectory, NeverASystemDirectory) {
    const std::pair<const char*, bool> rows[] = {
        {"/usr/bin", true},           {"/usr/bin/", true},
        {"/usr/local/bin", true},     {"/usr//bin/../bin", true},
        {"/usr/bin/heliodex", false}, {"/home/u/heliodex/build/ui", false},
        {"/opt/heliodex", false}};
    EXPECT_TRUE(files::IsInstalledProgramsDirectory(QDir::homePath() + "/.local/bin"));
    for (const auto& [dir, system] : rows)
        EXPECT_EQ(files::IsInstalledProgramsDirectory(dir), system) << dir;
}

// The edges of the Windows-1252 table: 0x80 and 0x9F come from it, 0x7F and 0xA0 on do not.
TEST(LineFiles, Windows1252TableEdges) {
    const std::pair<char, char16_t> rows[] = {
        {'\x7F', 0x007F}, {'\x80', 0x20AC}, {'\x9F', 0x0178}, {'\xA0', 0x00A0}, {'\xFF', 0x00FF}};
    for (const auto& [byte, expected] : rows)
        EXPECT_EQ(files::DecodeWindows1252(QByteArray(1, byte)), QString(QChar(expected)))
            << int(uchar(byte));
}

// heliodexoptions.txt: the default without a file; the option comes back, and a line of
// another version is written back as it was.
TEST(OwnOptions, RoundTripKeepsOtherLines) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    EXPECT_FALSE(LoadOwnOptions().clock24);
    files::WriteLines(dir.filePath("heliodexoptions.txt"), {"Theme\tdark", "Clock24\tyes"});
    OwnOptions o = LoadOwnOptions();
    EXPECT_FALSE(o.clock24);  // only 1 turns it on
    o.clock24 = true;
    SaveOwnOptions(o);
    EXPECT_TRUE(LoadOwnOptions().clock24);
    EXPECT_EQ(files::ReadLines(dir.filePath("heliodexoptions.txt")),
              (QStringList{"Theme\tdark", "Clock24\t1"}));
    files::SetProgramDirectory({});
}
