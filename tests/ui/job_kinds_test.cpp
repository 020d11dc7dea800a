// Every kind of job the window starts keeps the one job shape: its completion runs once, never
// after its context is gone, and a cancel says truly whether the completion still comes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QTest>

#include "alarms/qt_sound_player.h"
#include "calendar/export_job.h"
#include "core/datetime.h"
#include "core/job.h"
#include "locale/gweather_glue.h"
#include "net/version_check.h"
#include "support/http_server.h"

namespace hx {
namespace {

using Ended = std::function<void(JobEnd)>;
// Starts one job of a kind; the returned object keeps its worker alive.
using Starter = std::function<std::shared_ptr<void>(QObject* context, Ended ended, JobHandle&)>;

struct Kind {
    const char* name;
    Starter start;
    JobEnd natural;  // how the job ends when left alone
};

std::vector<Kind> Kinds(const test::HttpServer& server) {
    return {
        {"sound player, a missing file",
         [](QObject* context, Ended ended, JobHandle& handle) {
             auto player = std::make_shared<alarms::QtSoundPlayer>(2000);
             player->SetFileName(QStringLiteral("/nonexistent/chime.wav"));
             handle = player->Open(context, [ended](const JobResult<>& r) { ended(r.end); });
             return std::shared_ptr<void>(player);
         },
         JobEnd::Failed},
        {"weather without providers",
         [](QObject* context, Ended ended, JobHandle& handle) {
             places::WeatherOptions offline;
             offline.useNetwork = false;
             offline.timeoutMs = 30;
             handle = places::FetchWeather(
                 places::Place{"Nowhere", {}, {}, {}, 1.0, 2.0, {}, 0, -1, {}, {}, {}}, offline,
                 context, [ended](const auto& r) { ended(r.end); });
             return std::shared_ptr<void>();
         },
         JobEnd::Failed},
        {"version check",
         [&server](QObject* context, Ended ended, JobHandle& handle) {
             auto network = std::make_shared<QNetworkAccessManager>();
             auto check = std::make_shared<net::VersionCheck>(network.get());
             handle = check->StartUp(false, server.BaseUrl(), context,
                                     [ended](const auto& r) { ended(r.end); });
             return std::shared_ptr<void>(
                 std::make_shared<std::pair<decltype(network), decltype(check)>>(network, check));
         },
         JobEnd::Done},
        {"calendar export",
         [](QObject* context, Ended ended, JobHandle& handle) {
             cal::ExportRequest request;
             request.first = EncodeDateTime(2024, 6, 15);
             request.days = 2;
             request.observer.Latitude = 44.98;
             request.observer.Longitude = -93.27;
             request.observer.TimeZone = -6;
             auto job = std::make_shared<cal::ExportJob>(request);
             handle = job->Start(context, [ended](const auto& r) { ended(r.end); });
             return std::shared_ptr<void>(job);
         },
         JobEnd::Done},
    };
}

TEST(JobKinds, EndOnceNeverAfterTheContextAndCancelAsTheHandleSays) {
    test::HttpServer server;
    server.Route(QStringLiteral("/software/heliodex/heliodex.xml"),
                 test::HttpAnswer::Ok("<SOFTPKG/>", "application/xml"));
    const struct Way {
        const char* name;
        std::function<bool(JobHandle&, std::unique_ptr<QObject>&)> act;  // the cancel's answer
        std::optional<JobEnd> end;                                       // none: no completion
        bool natural;                                                    // the kind's own end
    } ways[] = {
        {"left alone", [](JobHandle&, auto&) { return true; }, std::nullopt, true},
        {"context destroyed",
         [](JobHandle&, auto& context) {
             context.reset();
             return false;
         },
         std::nullopt, false},
        {"cancelled, notified", [](JobHandle& h, auto&) { return h.Cancel(CancelMode::Notify); },
         JobEnd::Cancelled, false},
        {"cancelled silently", [](JobHandle& h, auto&) { return h.Cancel(CancelMode::Silent); },
         std::nullopt, false},
    };
    for (const Kind& kind : Kinds(server)) {
        for (const Way& way : ways) {
            SCOPED_TRACE(std::string(kind.name) + ", " + way.name);
            auto context = std::make_unique<QObject>();
            QList<JobEnd> ends;
            JobHandle handle;
            const auto keep = kind.start(
                context.get(), [&ends](JobEnd e) { ends << e; }, handle);
            EXPECT_TRUE(handle.Pending());
            EXPECT_TRUE(ends.isEmpty());  // never inside the start
            const bool stillComes = way.act(handle, context);
            const std::optional<JobEnd> expected = way.natural ? kind.natural : way.end;
            EXPECT_EQ(stillComes, expected.has_value());
            if (expected) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return !ends.isEmpty(); }, 10000));
            }
            QTest::qWait(100);  // a second completion, or a late one, would come by now
            EXPECT_EQ(ends, expected ? QList<JobEnd>{*expected} : QList<JobEnd>{});
            EXPECT_FALSE(handle.Pending());
        }
    }
}

}  // namespace
}  // namespace hx
