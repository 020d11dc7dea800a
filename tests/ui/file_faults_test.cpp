// The window on a program directory it may not write, and on servers that misbehave: it
// keeps running, says what went wrong, and loses nothing it had saved.
#include <QDir>
#include <QFile>
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
    void OpenReal() { form = std::make_unique<ui::TForm1>(RealServices()); }
};

TEST_F(FileFaults, AReadOnlyProgramDirectoryKeepsItsFilesAndTheClockRuns) {
    if (RunningAsRoot()) return RerunCurrentTestUnprivileged();
    const QDir program(dir.path());
    // A first session saves the site, the clock switched on and every file.
    OpenReal();
    EnterMinneapolis();
    Get<QPushButton>("Button4")->click();
    Click("Clockon1");
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
    EXPECT_TRUE(form->Timer1Enabled());
    ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().front().contains("td.txt"))
        << ui::MessageBox::Shown().front().toStdString();
    for (int i = 0; i < 3; ++i) form->Timer1Timer();
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
        ui::ReportServices s = Services();
        s.downloader = std::make_shared<net::HttpDownloader>(net::DownloadLimits{1500, 2 << 20, 5});
        form = std::make_unique<ui::TForm1>(std::move(s));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->JobsIdle(); }, 10000));  // start-up's
        EnterMinneapolis();
        Get<QPushButton>("Button4")->click();
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
