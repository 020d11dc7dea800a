// The tray behaviour, closing and the shutdown saves, in the window and in the real program.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cmath>
#include <csignal>
#include <cstring>
#include <optional>

#include "core/artwork.h"
#include "settings/textfile.h"
#include "support/fifo_watch.h"
#include "ui/icons.h"
#include "ui/single_instance.h"
#include "ui/tray_and_closing.h"
#include "ui/tray_area.h"
#include "ui/window_services.h"
#include "window_fixture.h"

namespace hx::test {
namespace {

// Keys per section of an ini file: "[Locale]" then "Name=value" lines.
QMap<QString, int> KeysPerSection(const QString& path) {
    QMap<QString, int> count;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return count;
    QString section;
    for (const QByteArray& raw : f.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(u'[') && line.endsWith(u']'))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(u'='))
            ++count[section];
    }
    return count;
}

// How long a started program may take to end: a sanitized build checks its whole heap for
// leaks at exit, which under load takes many seconds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kEndBound = 60000;
#else
constexpr int kEndBound = 10000;
#endif

bool WaitFor(const std::function<bool()>& done, int ms) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (done()) return true;
        QThread::msleep(50);
    }
    return done();
}

class TrayTest : public WindowTest {};

TEST_F(TrayTest, TheWindowShowsTheApplicationIconBeforeAndAfterTheFirstReport) {
    const QIcon app = ui::ApplicationIcon();
    ASSERT_FALSE(app.isNull());
    EXPECT_FALSE(app.pixmap(32).toImage().isNull());
    Open();  // no heliodex.ini: no site, no report yet
    EXPECT_EQ(calls->count, 0);
    EXPECT_EQ(form->windowIcon().pixmap(32).toImage(), app.pixmap(32).toImage());
    EnterMinneapolis();
    Click("Now1");
    EXPECT_GT(calls->count, 0);
    // The Moon goes to the picture and the tray; the window keeps the program's own icon.
    EXPECT_EQ(form->windowIcon().pixmap(32).toImage(), app.pixmap(32).toImage());
}

TEST_F(TrayTest, CloseRequestMinimizesShowsTheHintAndRefreshes) {
    const std::function<void(ui::MainWindow&)> ways[] = {
        [](ui::MainWindow& f) { f.close(); },
        [](ui::MainWindow& f) {
            for (QShortcut* s : f.findChildren<QShortcut*>())
                if (s->key() == QKeySequence(QKeySequence::Close)) emit s->activated();
        },
    };
    // Without a notification area the window is only minimized, the hint in the status bar;
    // once an area has appeared, the balloon gives it.
    bool area = false;
    ui::TrayArea::SetProbe([&area] { return area; });
    for (const auto& way : ways) {
        Open();
        EnterMinneapolis();
        form->show();
        const int before = calls->count;
        way(*form);
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(form->Closing().BalloonText(), "");
        EXPECT_EQ(Get<QLabel>("statusMessage")->text(), "Minimized. Use the File menu to close.");
        Click("Restore1");
        area = true;
        form->findChild<ui::TrayArea*>()->Check();
        way(*form);
        EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(form->Closing().BalloonText(), "Use the icon pop up menu or File menu to close.");
        area = false;
        EXPECT_GT(calls->count, before);
        EXPECT_FALSE(form->Closing().ShutdownDone());
        // A tray click replaces the hint with the report's lines; Restore undoes the minimize.
        form->Closing().onTrayIconClicked();
        EXPECT_EQ(form->Closing().BalloonText(), calls->result.trayText);
        Click("Restore1");
        EXPECT_FALSE(form->windowState() & Qt::WindowMinimized);
    }
    ui::TrayArea::SetProbe({});
}

TEST_F(TrayTest, ExitFromTrayAndFileMenuBothSaveInShutdownOrder) {
    for (const char* exit : {"Exit1", "Exit2"}) {
        SCOPED_TRACE(exit);
        QFile::remove(files::ProgramFile("heliodex.ini"));
        Open();
        EnterMinneapolis();
        form->show();
        QStringList order;
        // Added out of order, as features merged in any order would add them.
        for (const char* name : {"alarmlist.txt", "zipcodes.txt", "alarmsounds.txt"})
            form->Closing().AddSaveStep({name, [&order, name] { order << name; }});
        ui::MessageBox::ClearShown();
        Click(exit);
        EXPECT_TRUE(form->Closing().ShutdownDone());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(order, QStringList({"zipcodes.txt", "alarmsounds.txt", "alarmlist.txt"}));
        const auto keys = KeysPerSection(files::ProgramFile("heliodex.ini"));
        EXPECT_EQ(keys.value("Locale"), 14);
        EXPECT_EQ(keys.value("Menu"), 51);
        EXPECT_TRUE(ui::MessageBox::Shown().isEmpty());
        form.reset();
    }
}

// An unwritable heliodex.ini costs only that file. Exit says so on stderr and in a box, and
// the program runs on until the box is closed, then ends.
TEST_F(TrayTest, UnwritableSettingsFileIsSaidAndExitWaitsForTheBox) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("heliodex.ini"));
    Open();
    EnterMinneapolis();
    form->show();
    for (const char* name : {"zipcodes.txt", "alarmsounds.txt", "alarmlist.txt"})
        form->Closing().AddSaveStep(
            {name, [name] { files::WriteLines(files::ProgramFile(name), {"a line"}); }});
    ui::MessageBox::SetScripted(false);
    QString shown;
    bool windowClosed = false;
    QTimer::singleShot(0, form.get(), [this] { Click("Exit2"); });
    QTimer look, guard;  // local, so neither outlives the test
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                shown = box->text();
                windowClosed = !form->isVisible();
                box->accept();
            }
    });
    look.start(500);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    testing::internal::CaptureStderr();
    EXPECT_EQ(QCoreApplication::exec(), 0);  // ended by the box's OK
    const std::string stderrText = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(windowClosed);
    EXPECT_TRUE(shown.contains("heliodex.ini: ")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("zipcodes.txt"));
    EXPECT_NE(stderrText.find("heliodex.ini: "), std::string::npos) << stderrText;
    for (const char* name : {"zipcodes.txt", "alarmsounds.txt", "alarmlist.txt"})
        EXPECT_TRUE(QFile::exists(files::ProgramFile(name))) << name;
}

TEST_F(TrayTest, DateToClipboardPutsTheChosenNumberOfLines) {
    form = std::make_unique<ui::MainWindow>(ui::DefaultWindowServices());
    EnterMinneapolis();
    for (const auto& [item, lines] : {std::pair{"N31", 3}, {"N21", 2}, {"N11", 1}}) {
        SCOPED_TRACE(item);
        Click(item);
        QGuiApplication::clipboard()->clear();
        Click("DatetoClipboard1");
        const QString text = QGuiApplication::clipboard()->text();
        EXPECT_EQ(text.count(u'\n'), lines);
        EXPECT_TRUE(text.endsWith(u'\n'));
        EXPECT_FALSE(text.contains(u'\r'));  // LF only; td.txt itself keeps CR LF
        QFile td(dir.filePath("td.txt"));
        ASSERT_TRUE(td.open(QIODevice::ReadOnly));
        EXPECT_EQ(td.readAll().count("\r\n"), lines);
    }
}

TEST_F(TrayTest, TheIconAppearsWhenANotificationAreaStartsLater) {
    bool area = false;
    ui::TrayArea::SetProbe([&area] { return area; });
    Open();
    auto* icon = Get<QSystemTrayIcon>("TrayIcon1");
    EXPECT_FALSE(icon->isVisible());
    EXPECT_EQ(icon->contextMenu()->objectName(), "PopupMenu1");
    form->findChild<ui::TrayArea*>()->Check();
    EXPECT_FALSE(icon->isVisible());
    area = true;  // the panel has started
    form->findChild<ui::TrayArea*>()->Check();
    EXPECT_TRUE(icon->isVisible());
    ui::TrayArea::SetProbe({});
}

// The tooltip follows every report; a "Task bar" click's balloon shows the report just built.
TEST_F(TrayTest, TooltipAndBalloonHoldTheCurrentReport) {
    Open();
    EnterMinneapolis();
    auto* icon = Get<QSystemTrayIcon>("TrayIcon1");
    for (const char* tip : {"An V x 15:45\nHour of Jupiter until 3:45 PM",
                            "An V x 15:46\nHour of Mars until 5:04 PM"}) {
        calls->result.toolTip = tip;
        form->onClockTick();
        EXPECT_EQ(icon->toolTip().section('\n', 1), tip);
        EXPECT_EQ(icon->toolTip().section('\n', 0, 0),
                  QString::fromUtf8("44.58, -93.16 · times in UTC-6"));
    }
    form->Closing().onTrayIconClicked();
    calls->result.trayText = "An V x 15:52\r\nPlanetary hour of Mars   ";
    form->onClockTick();
    for (const char* item : {"PlanetaryHours2", "MoonPhase2"}) {
        Click(item);
        EXPECT_EQ(form->Closing().BalloonText(), calls->result.trayText) << item;
    }
}

// td.txt cannot be written: the report still reaches the view, the tray text and the icon,
// and the failure is said once until a write succeeds again.
TEST_F(TrayTest, AnUnwritableHeaderFileStillShowsTheReport) {
    form = std::make_unique<ui::MainWindow>(RealServices());  // hours and Moon icon by default
    ASSERT_TRUE(QDir(dir.path()).mkdir("td.txt"));  // a directory where the file should be
    EnterMinneapolis();
    ui::MessageBox::ClearShown();
    Get<QPushButton>("doneButton")->click();
    ASSERT_EQ(ui::MessageBox::Shown().size(), 1);
    EXPECT_TRUE(ui::MessageBox::Shown().front().contains("td.txt"));
    const QString first = Get<QPlainTextEdit>("outfld")->toPlainText().section('\n', 0, 0);
    EXPECT_TRUE(first.startsWith("An ")) << first.toStdString();
    EXPECT_TRUE(form->TrayText().startsWith(first + "\r\n"));
    EXPECT_TRUE(Get<QSystemTrayIcon>("TrayIcon1")->toolTip().section('\n', 1).startsWith(first));
    ASSERT_EQ(form->TrayIconChoice().list, TrayChoice::List::Moon);
    EXPECT_EQ(Get<QSystemTrayIcon>("TrayIcon1")->icon().pixmap(16).toImage(),
              ui::MoonIcon(form->TrayIconChoice().index, false).pixmap(16).toImage());
    EXPECT_FALSE(Get<QLabel>("moonPicture")->pixmap().isNull());
    for (int i = 0; i < 3; ++i) form->onClockTick();
    EXPECT_EQ(ui::MessageBox::Shown().size(), 1);
    // A write that succeeds resets it: the next failure is said again.
    ASSERT_TRUE(QDir(dir.path()).rmdir("td.txt"));
    form->onClockTick();
    ASSERT_TRUE(QFile::exists(dir.filePath("td.txt")));
    ASSERT_TRUE(QFile::remove(dir.filePath("td.txt")) && QDir(dir.path()).mkdir("td.txt"));
    form->onClockTick();
    EXPECT_EQ(ui::MessageBox::Shown().size(), 2);
}

// The real program in a temporary program directory of its own.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString built = qEnvironmentVariable("HELIODEX_BINARY_DIR") + "/ui/heliodex";
        ASSERT_TRUE(QFile::exists(built)) << built.toStdString();
        binary = dir.filePath("heliodex");
        ASSERT_TRUE(QFile::copy(built, binary));
    }
    // With environment false, the process environment set on p is kept.
    void Start(QProcess& p, const QString& program = {}, bool environment = true) {
        QProcessEnvironment env =
            environment ? QProcessEnvironment::systemEnvironment() : p.processEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(program.isEmpty() ? binary : program, {});
        ASSERT_TRUE(p.waitForStarted(5000));
    }
    bool Running(QProcess& p) { return p.state() == QProcess::Running; }
    QTemporaryDir dir;
    QString binary;
};

TEST_F(ProgramTest, TerminationSignalsSaveTheSettings) {
    // Once the window is up, and at once after the start, which may be before the window
    // exists: nothing is loaded then, so nothing is saved, and the process still ends.
    const std::pair<int, int> cases[] = {{SIGTERM, 1500}, {SIGHUP, 1500}, {SIGTERM, 0}};
    for (const auto& [sig, waitMs] : cases) {
        SCOPED_TRACE(testing::Message() << "signal " << sig << " after " << waitMs << " ms");
        for (const char* name :
             {"heliodex.ini", "zipcodes.txt", "alarmlist.txt", "alarmsounds.txt", "heliodex.lock"})
            QFile::remove(dir.filePath(name));
        QProcess p;
        Start(p);
        ASSERT_TRUE(WaitFor([&] { return QFile::exists(dir.filePath("heliodex.lock")); }, 5000));
        QThread::msleep(waitMs);
        ::kill(pid_t(p.processId()), sig);
        ASSERT_TRUE(p.waitForFinished(kEndBound));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << p.readAllStandardError().toStdString();
        if (waitMs == 0 && !QFile::exists(dir.filePath("heliodex.ini"))) {
            EXPECT_EQ(p.exitCode(), 128 + sig);
            continue;
        }
        const auto keys = KeysPerSection(dir.filePath("heliodex.ini"));
        EXPECT_EQ(keys.value("Locale"), 14);
        EXPECT_EQ(keys.value("Menu"), 51);
        for (const char* name : {"alarmlist.txt", "alarmsounds.txt"}) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
            EXPECT_EQ(f.readAll().count("\r\n"), 28) << name;
        }
        EXPECT_TRUE(QFile::exists(dir.filePath("zipcodes.txt")));
    }
}

// A lock path that holds no regular file is never opened: the start says so at once on
// stderr (and in a box) and fails with status 1, also when a signal ends the box.
TEST_F(ProgramTest, ALockPathThatIsNoRegularFileFailsTheStart) {
    const QString lock = dir.filePath("heliodex.lock");
    std::optional<FifoWatch> fifo;  // notices being opened
    const struct {
        const char* kind;
        std::function<bool()> make;
    } rows[] = {
        {"a FIFO",
         [&] {
             fifo.emplace(lock);
             return fifo->Made();
         }},
        {"a directory", [&] { return QDir().mkdir(lock); }},
        {"a socket",
         [&] {
             sockaddr_un sa = {};
             sa.sun_family = AF_UNIX;
             std::strncpy(sa.sun_path, QFile::encodeName(lock).constData(), sizeof sa.sun_path - 1);
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             const bool ok = ::bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) == 0;
             ::close(fd);
             return ok;
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        ASSERT_TRUE(row.make());
        QProcess p;
        p.setReadChannel(QProcess::StandardError);
        Start(p);
        QString said;
        QElapsedTimer saying;
        saying.start();
        while (!said.contains("regular file") && saying.elapsed() < 2000 &&
               p.waitForReadyRead(int(2000 - saying.elapsed())))
            said += QString::fromLocal8Bit(p.readAllStandardError());
        EXPECT_TRUE(said.contains(QString("is %1, not a regular file").arg(row.kind)))
            << said.toStdString();
        if (Running(p)) ::kill(pid_t(p.processId()), SIGTERM);  // the box
        ASSERT_TRUE(p.waitForFinished(2000));
        EXPECT_EQ(p.exitCode(), 1);
        if (fifo) {
            EXPECT_FALSE(fifo->Opened());
        }
        fifo.reset();
        QDir().rmdir(lock);
        QFile::remove(lock);
    }
}

// A session bus that takes connections and never answers holds nothing: the first report
// comes, SIGTERM ends the program with its saves.
TEST_F(ProgramTest, ASilentSessionBusHoldsNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "its time bounds are the program's own speed, which the sanitizers change";
#endif
    const QString socketPath = dir.filePath("bus");
    sockaddr_un sa = {};
    sa.sun_family = AF_UNIX;
    std::strncpy(sa.sun_path, QFile::encodeName(socketPath).constData(), sizeof sa.sun_path - 1);
    const int silent = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
    // Listening and never accepting: the kernel takes the connections, nobody answers.
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&sa), sizeof sa), 0);
    ASSERT_EQ(::listen(silent, 16), 0);
    QFile ini(dir.filePath("heliodex.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Locale]\r\nEdit2=45\r\nCheckBox1=1\r\nEdit4=10\r\n");
    ini.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + socketPath);
    p.setProcessEnvironment(env);
    Start(p, {}, false);
    EXPECT_TRUE(WaitFor([&] { return QFile::exists(dir.filePath("td.txt")); }, 2000));
    const int tried = ::accept(silent, nullptr, nullptr);
    EXPECT_GE(tried, 0);  // the bus was asked
    ::kill(pid_t(p.processId()), SIGTERM);
    EXPECT_TRUE(p.waitForFinished(1000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(KeysPerSection(dir.filePath("heliodex.ini")).value("Menu"), 51);
    if (tried >= 0) ::close(tried);
    ::close(silent);
}

// A start-up message box stays open without holding the program: SIGTERM still ends it at
// once, with every file saved.
TEST_F(ProgramTest, TerminationWhileAStartUpBoxIsOpen) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "its time bounds are the program's own speed, which the sanitizers change";
#endif
    QFile ini(dir.filePath("heliodex.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Locale]\r\nEdit12=not a number\r\n");
    ini.close();
    QProcess p;
    Start(p);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(dir.filePath("heliodex.lock")); }, 5000));
    QThread::msleep(1500);
    ASSERT_TRUE(Running(p));
    QElapsedTimer ending;
    ending.start();
    ::kill(pid_t(p.processId()), SIGTERM);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_LT(ending.elapsed(), 2000);
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(KeysPerSection(dir.filePath("heliodex.ini")).value("Menu"), 51);
    for (const char* name : {"alarmlist.txt", "alarmsounds.txt", "zipcodes.txt"})
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
}

TEST_F(ProgramTest, SecondStartEndsAndAStaleLockDoesNotBlock) {
    QProcess first;
    Start(first);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(dir.filePath("heliodex.lock")); }, 5000));
    QThread::msleep(1000);
    QProcess second;
    Start(second);
    // The bound is generous: a sanitized build under load takes seconds to reach the lock.
    EXPECT_TRUE(second.waitForFinished(kEndBound));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAllStandardError().contains("already running"));
    EXPECT_TRUE(Running(first));
    // A crash leaves the lock behind; it must not stop the next start.
    first.kill();
    ASSERT_TRUE(first.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(dir.filePath("heliodex.lock")));
    QProcess third;
    Start(third);
    EXPECT_FALSE(third.waitForFinished(1500));
    ::kill(pid_t(third.processId()), SIGTERM);
    EXPECT_TRUE(third.waitForFinished(kEndBound));
}

// The lock names a process that runs, but it is another directory's Heliodex (its number was
// reused after a crash): the new start takes the lock over and becomes the instance.
TEST_F(ProgramTest, ALockOfAnotherDirectorysInstanceIsTakenOver) {
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(binary, other.filePath("heliodex")));
    QProcess first, second;
    Start(first, other.filePath("heliodex"));
    ASSERT_TRUE(
        WaitFor([&] { return ui::SingleInstance::instanceAnswers(other.path(), 100); }, 30000));
    ASSERT_TRUE(QFile::copy(other.filePath("heliodex.lock"), dir.filePath("heliodex.lock")));
    Start(second);
    EXPECT_TRUE(
        WaitFor([&] { return ui::SingleInstance::instanceAnswers(dir.path(), 100); }, 30000))
        << second.readAllStandardError().toStdString();
    EXPECT_TRUE(Running(second));
    for (QProcess* p : {&first, &second}) {
        ::kill(pid_t(p->processId()), SIGTERM);
        EXPECT_TRUE(p->waitForFinished(kEndBound));
    }
}

}  // namespace
}  // namespace hx::test

namespace hx::test {

TEST_F(TrayTest, ExitSavesTheServiceAddressesAndTheMirroredMoonIsTheSouthernOne) {
    QFile::remove(files::ProgramFile("heliodex.ini"));
    Open();
    Click("Exit1");
    EXPECT_EQ(KeysPerSection(files::ProgramFile("heliodex.ini")).value("Services"), 4);
    const QImage south = MoonIconList(true)[5];
    EXPECT_EQ(ui::MoonIcon(5, true).pixmap(south.size()).toImage().convertToFormat(south.format()),
              south);
}

}  // namespace hx::test

namespace {
// WCAG relative luminance of an opaque colour, and the contrast of two.
double Luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
}  // namespace

// The new Moon's tray icon, as the panel gets it at each size: drawn at that size, with an
// outline standing out at 3:1 from a black and from a white panel all round the disc.
TEST(TrayIcons, TheNewMoonHasAnOutlineOnBlackAndOnWhitePanels) {
    int newMoon = 0;
    for (int i = 0; i < 29; ++i)
        if (hx::MoonPictureLitFraction(i) < hx::MoonPictureLitFraction(newMoon)) newMoon = i;
    for (const bool mirrored : {false, true})
        for (const int size : hx::ui::kTrayIconSizes) {
            const QPixmap drawn = hx::ui::MoonIcon(newMoon, mirrored).pixmap(size);
            ASSERT_EQ(drawn.size(), QSize(size, size));
            for (const QColor panel : {QColor(Qt::black), QColor(Qt::white)}) {
                QImage onPanel(drawn.size(), QImage::Format_RGB32);
                onPanel.fill(panel);
                QPainter(&onPanel).drawPixmap(0, 0, drawn);
                // Each of 16 rays from the centre crosses a pixel at 3:1 from the panel.
                int rays = 0;
                for (int k = 0; k < 16; ++k) {
                    const double a = k * M_PI / 8;
                    for (double r = 0; r < size / 2.0; r += 0.5) {
                        const int x = int(size / 2.0 + r * std::cos(a)),
                                  y = int(size / 2.0 + r * std::sin(a));
                        if (Contrast(onPanel.pixelColor(x, y), panel) >= 3.0) {
                            ++rays;
                            break;
                        }
                    }
                }
                EXPECT_EQ(rays, 16) << size << " on " << panel.name().toStdString();
            }
        }
}
