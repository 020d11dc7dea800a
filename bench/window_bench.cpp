// The real main window with the program's own services, offscreen: start-up to the first
// report (in this process and in a fresh one), the resident memory after it, one clock tick
// of the window, and what wakes the process between two ticks.
#include "bench/window_bench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include "core/ephemeris.h"
#include "settings/textfile.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/window_services.h"

using namespace hx;

namespace {

// A saved site (Minneapolis), the clock on at the given resolution, Internet functions off.
QByteArray IniText(int resolutionSeconds) {
    return QByteArrayLiteral(
               "[Locale]\r\nEdit11=55414\r\nEdit3=58\r\nEdit2=44\r\n"
               "CheckBox1=1\r\nCheckBox2=1\r\nEdit5=16\r\nEdit4=93\r\nEdit6=-6\r\n"
               "CheckBox3=1\r\nEdit12=") +
           QByteArray::number(resolutionSeconds) +
           QByteArrayLiteral(
               "\r\nEdit7=1013\r\nEdit9=256\r\nEdit8=70\r\nEdit10=\r\n"
               "[Menu]\r\nClockon1=1\r\nDisabled1=1\r\n");
}

// Accepts connections on 127.0.0.1 and never answers them.
class SilentServer {
  public:
    SilentServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) s->setParent(&server_);
        });
    }
    QByteArray BaseUrl() const {
        return "http://127.0.0.1:" + QByteArray::number(server_.serverPort());
    }

  private:
    QTcpServer server_;
};

// IniText with Internet functions on and every service at base.
QByteArray IniWithServices(int resolutionSeconds, const QByteArray& base) {
    QByteArray ini = IniText(resolutionSeconds).replace("Disabled1=1", "Disabled1=0");
    return ini + "[Services]\r\nWeatherService=" + base + "\r\nGazetteerService=" + base +
           "\r\nMakerSite=" + base + "\r\nNewsFeed=" + base + "/news.rdf\r\n";
}

// Start-up errors are recorded instead of waiting for a click.
void UseProgramDirectory(const QString& dir) {
    files::SetProgramDirectory(dir);
    ui::MessageBox::SetScripted(true);
    ui::MessageBox::ClearShown();
}

// The window's program directory, with its heliodex.ini, for the length of one benchmark;
// afterwards the program directory and the ephemeris path are the bench's own again.
class ProgramDir {
  public:
    explicit ProgramDir(int resolutionSeconds, const QByteArray& iniText = {}) {
        QFile ini(dir_.filePath("heliodex.ini"));
        ok_ = dir_.isValid() && ini.open(QIODevice::WriteOnly) &&
              ini.write(iniText.isEmpty() ? IniText(resolutionSeconds) : iniText) > 0;
        UseProgramDirectory(dir_.path());
    }
    ~ProgramDir() {
        files::SetProgramDirectory({});
        ui::MessageBox::SetScripted(false);
        eph::SetEphePath(QCoreApplication::applicationDirPath());
    }
    bool ok() const { return ok_; }
    QString path() const { return dir_.path(); }

  private:
    QTemporaryDir dir_;
    bool ok_ = false;
};

// Opens the window as main() does and lets it paint; null when the start-up did not reach
// a report or raised a message box.
std::unique_ptr<ui::MainWindow> OpenWindow() {
    auto form = std::make_unique<ui::MainWindow>(ui::DefaultWindowServices());
    form->show();
    QCoreApplication::processEvents();
    if (form->TrayText().isEmpty() || !ui::MessageBox::Shown().isEmpty()) return nullptr;
    return form;
}

// The first number of a "Key: value" line of a /proc status file; 0 when missing.
double ProcStatusValue(const QString& path, const QByteArray& key) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key + ':'))
            return line.mid(key.size() + 1).simplified().split(' ').value(0).toDouble();
    return 0;
}

double ResidentKb() {
    return ProcStatusValue("/proc/self/status", "VmRSS");
}

// Voluntary context switches per thread of the process (and of the main thread): how often
// each went to sleep.
struct Switches {
    std::map<QString, double> perThread;
    double main = 0;
};
Switches VoluntarySwitches() {
    Switches s;
    s.main = ProcStatusValue("/proc/self/status", "voluntary_ctxt_switches");
    for (const QString& task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        s.perThread[task] =
            ProcStatusValue("/proc/self/task/" + task + "/status", "voluntary_ctxt_switches");
    return s;
}
// The switches from one reading to the next, over the threads alive at the second; a thread
// that ended in between is not counted.
double SwitchesBetween(const Switches& before, const Switches& after) {
    double sum = 0;
    for (const auto& [task, n] : after.perThread) {
        const auto old = before.perThread.find(task);
        sum += n - (old == before.perThread.end() ? 0 : old->second);
    }
    return sum;
}

// Counts the timer events delivered in the main thread, per receiver.
class TimerCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched != ignored) {
            const QString name = watched->objectName().isEmpty()
                                     ? QString::fromLatin1(watched->metaObject()->className())
                                     : watched->objectName();
            ++counts[name];
            ++timerEvents;
        }
        return false;
    }
    const QObject* ignored = nullptr;
    std::map<QString, int> counts;
    long timerEvents = 0;
};

// Runs the event loop for the seconds given; *end is the timer that ends it.
void RunEventLoop(int seconds, const QObject** end = nullptr) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (end) *end = &timer;
    timer.start(seconds * 1000);
    loop.exec();
}

// Long enough for the start-up's last work and the caret's blinking to stop.
constexpr int kSettleSeconds = 11;

}  // namespace

namespace hx::bench {

int RunStartupChild(const QString& programDir, const QElapsedTimer& sinceMain) {
    UseProgramDirectory(programDir);
    const std::unique_ptr<ui::MainWindow> form = OpenWindow();
    if (!form) {
        std::printf("failed\n");
        return 1;
    }
    std::printf("%.1f %.0f\n", double(sinceMain.nsecsElapsed()) / 1e6, ResidentKb());
    std::fflush(stdout);
    return 0;
}

}  // namespace hx::bench

// Start-up in this process: construction with its start-up sequence and the first report,
// then the first paint. Fonts, styles and plug-ins are loaded for the first window only.
static void BM_WindowStartupInProcess(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<ProgramDir>(10);
        state.ResumeTiming();
        std::unique_ptr<ui::MainWindow> form = OpenWindow();
        state.PauseTiming();
        if (!form) state.SkipWithError("the start-up did not reach a report");
        form.reset();  // the shutdown saves are not part of the start-up
        dir.reset();
        state.ResumeTiming();
    }
    state.counters["rss_MB"] = ResidentKb() / 1024;
}
BENCHMARK(BM_WindowStartupInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same start-up with Internet functions on and every service at a server that never
// answers: the first report does not wait for the lookups, the version check or the feed.
static void BM_WindowStartupSilentServer(benchmark::State& state) {
    SilentServer server;
    for (auto _ : state) {
        state.PauseTiming();
        auto dir = std::make_unique<ProgramDir>(10, IniWithServices(10, server.BaseUrl()));
        state.ResumeTiming();
        std::unique_ptr<ui::MainWindow> form = OpenWindow();
        state.PauseTiming();
        if (!form) state.SkipWithError("the start-up did not reach a report");
        form.reset();  // aborts the jobs still waiting on the server
        dir.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowStartupSilentServer)->Unit(benchmark::kMillisecond)->UseRealTime();

// Start-up of a fresh process (this program in its start-up mode), measured from here: from
// starting the process to its first report painted. in_main_ms is the part after main()
// began; rss_MB the child's resident memory at that point.
static void BM_WindowStartupFreshProcess(benchmark::State& state) {
    ProgramDir dir(10);
    if (!dir.ok()) state.SkipWithError("no program directory");
    double rss = 0, inMain = 0;
    for (auto _ : state) {
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({QString::fromLatin1(hx::bench::kStartupChildOption), dir.path()});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start();
        if (!child.waitForReadyRead(30000)) {
            state.SkipWithError("the start-up did not finish");
            break;
        }
        const double elapsed = double(clock.nsecsElapsed()) / 1e9;
        const QList<QByteArray> figures = child.readAllStandardOutput().simplified().split(' ');
        child.waitForFinished(30000);
        if (figures.size() != 2) {
            state.SkipWithError("the start-up did not reach a report");
            break;
        }
        state.SetIterationTime(elapsed);
        inMain = figures[0].toDouble();
        rss = figures[1].toDouble();
    }
    state.counters["in_main_ms"] = inMain;
    state.counters["rss_MB"] = rss / 1024;
}
BENCHMARK(BM_WindowStartupFreshProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

// One tick of the open window as clockTimer runs it (Now, the report applied, td.txt, status
// bar, alarm check), with the repaint the event loop does after it.
static void BM_WindowTick(benchmark::State& state) {
    ProgramDir dir(10);
    const std::unique_ptr<ui::MainWindow> form = OpenWindow();
    if (!form) {
        state.SkipWithError("the start-up did not reach a report");
        return;
    }
    form->findChild<QTimer*>("clockTimer")->stop();  // ticks only from here
    for (auto _ : state) {
        form->onNowClicked();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_WindowTick)->Unit(benchmark::kMicrosecond)->UseRealTime();

// Between two ticks the process should sleep: with the window open, the clock on at the
// resolution given (seconds) and the window left alone for a while, the event loop runs for
// the time given and every timer event of the main thread is counted by receiver, with the
// window shown or closed to the notification area. The label lists the receivers with their
// counts and the widget with the keyboard focus; too_fast counts the timers that fired more
// often than once a resolution; wakeups_per_s counts the sleeps of every thread.
static void BM_IdleWakeups(benchmark::State& state) {
    const int resolution = int(state.range(0));
    const int seconds = int(state.range(1));
    const bool shown = state.range(2) != 0;
    ProgramDir dir(resolution);
    const std::unique_ptr<ui::MainWindow> form = OpenWindow();
    if (!form) {
        state.SkipWithError("the start-up did not reach a report");
        return;
    }
    if (!shown) form->hide();  // closed to the notification area
    RunEventLoop(kSettleSeconds);
    const QWidget* focus = QApplication::focusWidget();
    const QString focusName = !focus                          ? QStringLiteral("none")
                              : focus->objectName().isEmpty() ? focus->metaObject()->className()
                                                              : focus->objectName();
    for (auto _ : state) {
        TimerCounter counter;
        qApp->installEventFilter(&counter);
        const Switches before = VoluntarySwitches();
        QElapsedTimer clock;
        clock.start();
        RunEventLoop(seconds, &counter.ignored);
        const double elapsed = double(clock.nsecsElapsed()) / 1e9;
        const Switches after = VoluntarySwitches();
        qApp->removeEventFilter(&counter);
        state.SetIterationTime(elapsed);

        QString label;
        int tooFast = 0;
        for (const auto& [name, n] : counter.counts) {
            label += QStringLiteral("%1:%2 ").arg(name).arg(n);
            if (n > seconds / resolution + 1) ++tooFast;
        }
        state.SetLabel((label + QStringLiteral("focus:") + focusName).toStdString());
        state.counters["timer_events_per_s"] = double(counter.timerEvents) / elapsed;
        state.counters["clockTimer_per_s"] = counter.counts["clockTimer"] / elapsed;
        state.counters["wakeups_per_s"] = SwitchesBetween(before, after) / elapsed;
        state.counters["main_wakeups_per_s"] = (after.main - before.main) / elapsed;
        state.counters["threads"] = double(after.perThread.size());
        state.counters["too_fast"] = tooFast;
    }
}
BENCHMARK(BM_IdleWakeups)
    ->Args({1, 5, 1})
    ->Args({10, 20, 1})
    ->Args({1, 5, 0})
    ->ArgNames({"resolution_s", "run_s", "shown"})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1);
