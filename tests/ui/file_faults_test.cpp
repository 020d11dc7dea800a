// The window on a program directory it may not write, and on servers that misbehave: it
// keeps running, says what went wrong, and loses nothing it had saved.
#include <sys/mount.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include "settings/extini.h"
#include "support/http_server.h"
#include "support/unprivileged.h"
#include "window_fixture.h"

namespace hx::test {
namespace {

const char* const kSavedFiles[] = {"heliodex.ini", "td.txt", "zipcodes.txt", "alarmlist.txt",
                                   "alarmsounds.txt"};

QMap<QString, QByteArray> Snapshot(const QDir& dir) {
    QMap<QString, QByteArray> files;
    for (const char* name : kSavedFiles) {
        QFile f(dir.filePath(name));
        files[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    return files;
}

void SetWritable(const QDir& dir, bool writable) {
    const auto read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto dirBits = read | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    for (const char* name : kSavedFiles)
        QFile::setPermissions(dir.filePath(name), writable ? read | QFile::WriteOwner : read);
    QFile::setPermissions(dir.path(), writable ? dirBits | QFile::WriteOwner : dirBits);
}

class FileFaults : public WindowTest {
  protected:
    void OpenReal() { form = std::make_unique<ui::MainWindow>(RealServices()); }
};

TEST_F(FileFaults, AReadOnlyProgramDirectoryKeepsItsFilesAndTheClockRuns) {
    if (RunningAsRoot()) return RerunCurrentTestUnprivileged();
    const QDir program(dir.path());
    // A first session (its clock on, as every first start) saves the site and every file.
    OpenReal();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    ASSERT_TRUE(form->ClockTimerEnabled());
    Click("Exit2");
    form.reset();
    const QMap<QString, QByteArray> saved = Snapshot(program);
    for (const char* name : kSavedFiles) ASSERT_NE(saved[name], "<missing>") << name;

    SetWritable(program, false);
    ui::MessageBox::ClearShown();
    SetClock([] { return QDateTime(QDate(2024, 6, 16), QTime(9, 0)); });
    OpenReal();
    // The site came back and the report is shown; td.txt's failure is said once.
    EXPECT_TRUE(form->observer().HasSite());
    EXPECT_TRUE(form->ClockTimerEnabled());
    ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().front().contains("td.txt"))
        << ui::MessageBox::Shown().front().toStdString();
    for (int i = 0; i < 3; ++i) form->onClockTick();
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);

    // Exit says which files could not be saved, in one message, and they are as they were.
    Click("Exit2");
    ASSERT_EQ(ui::MessageBox::Shown().size(), 2);
    const QString exitMessage = ui::MessageBox::Shown().back();
    for (const char* name : {"heliodex.ini", "zipcodes.txt", "alarmlist.txt", "alarmsounds.txt"})
        EXPECT_TRUE(exitMessage.contains(name)) << name << ": " << exitMessage.toStdString();
    form.reset();
    EXPECT_EQ(Snapshot(program), saved);
    SetWritable(program, true);
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST_F(FileFaults, AReadOnlyProgramDirectoryGoesOnInTheDataDirectory) {
    if (RunningAsRoot()) return RerunCurrentTestUnprivileged();
    OpenReal();
    EnterMinneapolis();
    Get<QPushButton>("doneButton")->click();
    form->Alarms().onAlarmSwitchClicked(0, 0);   // Sun Rise on
    form->setGeometry(QRect(10, 40, 715, 510));  // a place the next start keeps as it is
    Click("Exit2");
    form.reset();
    const QMap<QString, QByteArray> saved = Snapshot(QDir(dir.path()));
    SetWritable(QDir(dir.path()), false);
    QTemporaryDir data;
    files::SetProgramDirectory(files::ResolveProgramDirectory(dir.path(), data.path()));
    EXPECT_EQ(files::ProgramDirectory(), data.path());
    OpenReal();
    EXPECT_TRUE(form->observer().HasSite());
    Click("Exit2");  // saved in the data directory as it was read: the alarm still on
    form.reset();
    EXPECT_EQ(ui::MessageBox::Shown(), QStringList());
    for (const char* name : {"heliodex.ini", "zipcodes.txt", "alarmlist.txt", "alarmsounds.txt"})
        EXPECT_EQ(Bytes(data.filePath(name)), saved[name]) << name;
    SetWritable(QDir(dir.path()), true);
}

// An unreadable file, a 29-line alarm list and a sound list with one Windows-1252 line.
TEST_F(FileFaults, FilesNotTakenAreKeptAndOldLinesKeepTheirMeaning) {
    if (RunningAsRoot()) return RerunCurrentTestUnprivileged();
    const QByteArray zip = "55413\r\nZ\xC3\xBCrich\r\n", list = QByteArray("0\r\n").repeated(29);
    const QByteArray sounds = "/s/K\xF6ln.wav\r\n/s/Z\xC3\xBCrich.wav\r\n" + QByteArray(27, '\n');
    Put(dir.filePath("zipcodes.txt"), zip);
    QFile::setPermissions(dir.filePath("zipcodes.txt"), QFile::WriteOwner);
    Put(dir.filePath("alarmlist.txt"), list);
    Put(dir.filePath("alarmsounds.txt"), sounds);
    OpenReal();
    Click("Exit2");
    form.reset();
    const QString message = ui::MessageBox::Shown().join('\n');
    EXPECT_TRUE(message.contains("zipcodes.txt")) << message.toStdString();
    EXPECT_FALSE(message.contains("alarm")) << message.toStdString();
    QFile::setPermissions(dir.filePath("zipcodes.txt"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Bytes(dir.filePath("zipcodes.txt")), zip);
    EXPECT_EQ(Bytes(dir.filePath("alarmlist.txt")), list);
    EXPECT_EQ(Bytes(dir.filePath("alarmsounds.txt")),
              "/s/K\xC3\xB6ln.wav\r\n/s/Z\xC3\xBCrich.wav\r\n" + QByteArray("\r\n").repeated(26));
}

// The same two sessions on a roomy disk and on a small one that the first session filled
// up to one free page: each file on the small disk is its old or its new version, whole.
TEST_F(FileFaults, OnAFullDiskEveryFileIsWholeAndTheFailedOnesAreNamed) {
    if (!RunningAsRoot()) GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir disk;
    if (::mount("tmpfs", QFile::encodeName(disk.path()), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs: " << std::strerror(errno);
    const auto unmount =
        qScopeGuard([&] { ::umount2(QFile::encodeName(disk.path()), MNT_DETACH); });
    QStringList zipcodes;  // two pages
    for (int i = 0; i < 600; ++i) zipcodes << QString::number(10000 + i);
    QMap<QString, QByteArray> expected, old;
    for (const QString& where : {dir.path(), disk.path()}) {
        files::SetProgramDirectory(where);
        files::WriteLines(files::ProgramFile("zipcodes.txt"), zipcodes);
        OpenReal();
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
        Click("Exit2");
        form.reset();
        if (where == disk.path()) {
            old = Snapshot(QDir(where));
            QFile fill(disk.filePath("fill"));
            ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (fill.write(QByteArray(4096, 'x')) == 4096) {
            }
            ASSERT_TRUE(fill.resize(fill.size() / 4096 * 4096 - 4096));
        }
        ui::MessageBox::ClearShown();
        OpenReal();
        form->Alarms().onAlarmSwitchClicked(0, 0);
        Type("Edit4", "94");
        Click("Exit2");
        form.reset();
        if (where == dir.path()) expected = Snapshot(QDir(where));
    }
    const QString message = ui::MessageBox::Shown().join('\n');
    const QMap<QString, QByteArray> now = Snapshot(QDir(disk.path()));
    int failed = 0;
    for (const char* name : {"heliodex.ini", "zipcodes.txt", "alarmlist.txt", "alarmsounds.txt"}) {
        const bool named = message.contains(name);
        failed += named;
        EXPECT_EQ(now[name], named ? old[name] : expected[name]) << name;
    }
    EXPECT_GT(failed, 0) << message.toStdString();
}

struct ServerFault {
    const char* name;
    HttpAnswer answer;
};

TEST_F(FileFaults, ServersThatFailLeaveTheWindowWorking) {
    HttpServer server;
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path());  // the lookup's answer file, locale.xml, goes here
    ServerFault faults[] = {
        {"accepts and never answers", HttpAnswer::Silent()},
        {"resets the connection", HttpAnswer::Reset()},
        {"sends 10 MB", HttpAnswer::Oversized(10 << 20, false)},
    };
    for (const ServerFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        server.Route("/forexml.cgi", fault.answer);
        TExtIniF(files::ProgramFile("heliodex.ini"))
            .WriteString("Services", "WeatherService", server.BaseUrl());
        ui::WindowServices s = Services();
        s.downloader = std::make_shared<net::HttpDownloader>(net::DownloadLimits{1500, 2 << 20, 5});
        form = std::make_unique<ui::MainWindow>(std::move(s));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));  // start-up's
        EnterMinneapolis();
        Get<QPushButton>("doneButton")->click();
        QFile previous(dir.filePath("locale.xml"));
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("an earlier answer");
        previous.close();
        ui::MessageBox::ClearShown();
        const int reportsBefore = calls->count;

        Get<QPushButton>("Lookup")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));
        ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
        EXPECT_TRUE(ui::MessageBox::Shown().front().startsWith("Error downloading URL: " +
                                                               server.BaseUrl()));
        // The site is untouched and the clock still reports.
        EXPECT_EQ(Get<QLineEdit>("Edit2")->text(), "44");
        EXPECT_EQ(Get<QLineEdit>("Edit6")->text(), "-6");
        Click("Now1");
        EXPECT_GT(calls->count, reportsBefore);
        ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
        EXPECT_EQ(previous.readAll(), "an earlier answer");
        previous.close();
        form.reset();
    }
    QDir::setCurrent(oldCurrent);
}

}  // namespace
}  // namespace hx::test
