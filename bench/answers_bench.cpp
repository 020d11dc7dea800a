// A weather lookup of a large answer as the window runs it: the answer written to locale.xml
// (standing in for the download), read, completed and shown, one lookup per iteration.
#include <benchmark/benchmark.h>

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "settings/textfile.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/place_lookups.h"
#include "ui/window_services.h"

using namespace hx;

namespace {

// A download that always brings the same answer.
class FixedAnswer : public net::Downloader {
  public:
    explicit FixedAnswer(QByteArray answer) : answer_(std::move(answer)) {}
    void Download(const QString&, const QString& file, QObject*, net::DownloadDone done) override {
        QFile out(file);
        const bool ok = out.open(QIODevice::WriteOnly) && out.write(answer_) == answer_.size();
        out.close();
        done({ok, ok ? QString() : QStringLiteral("cannot write %1").arg(file), {}});
    }
    void Abort() override {}
    bool Busy() const override { return false; }

  private:
    QByteArray answer_;
};

QByteArray Answer(const QByteArray& observationExtra, const QByteArray& rootExtra) {
    return "<forexml><observation city=\"Minneapolis, MN\" longname=\"Minneapolis, Minnesota\" "
           "latitude=\"44.98\" longitude=\"-93.27\" timezone=\"-6\" daylight_saving=\"1\"" +
           observationExtra + "/><almanac sunrise=\"5:27 AM\" sunset=\"9:03 PM\"/>" + rootExtra +
           "</forexml>";
}

void RunLookups(benchmark::State& state, const QByteArray& answer) {
    QTemporaryDir dir;
    files::SetProgramDirectory(dir.path());
    ui::MessageBox::SetScripted(true);
    QFile ini(dir.filePath("heliodex.ini"));
    if (!ini.open(QIODevice::WriteOnly) ||
        !ini.write("[Services]\r\nWeatherService=http://127.0.0.1:9\r\n[Menu]\r\nClockon1=0\r\n"))
        state.SkipWithError("cannot write heliodex.ini");
    ini.close();
    ui::WindowServices services = ui::DefaultWindowServices();
    services.downloader = std::make_shared<FixedAnswer>(answer);
    services.weatherSource = [](const places::Place&) {
        return std::optional<places::WeatherValues>();
    };
    {
        ui::MainWindow form(std::move(services));
        ui::MessageBox::ClearShown();
        // Each lookup runs as a job; the loop waits for it to end.
        while (!form.JobsIdle()) QCoreApplication::processEvents();
        for (auto _ : state) {
            form.Lookups().onWeatherLookupClicked();
            while (!form.JobsIdle()) QCoreApplication::processEvents();
        }
        if (!ui::MessageBox::Shown().isEmpty())
            state.SkipWithError(ui::MessageBox::Shown().front().toStdString().c_str());
        state.counters["answer_bytes"] = double(answer.size());
    }
    ui::MessageBox::SetScripted(false);
    files::SetProgramDirectory({});
}

void BM_LookupOf40000Forecasts(benchmark::State& state) {
    QByteArray forecasts;
    for (int i = 0; i < 40000; ++i)
        forecasts +=
            "<forecast num=\"" + QByteArray::number(i) + "\" day=\"Tonight\" text=\"Clear.\"/>";
    RunLookups(state, Answer({}, forecasts));
}
BENCHMARK(BM_LookupOf40000Forecasts)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LookupOf100000Attributes(benchmark::State& state) {
    QByteArray attributes;
    for (int i = 0; i < 100000; ++i) attributes += " x" + QByteArray::number(i) + "=\"1\"";
    RunLookups(state, Answer(attributes, {}));
}
BENCHMARK(BM_LookupOf100000Attributes)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
