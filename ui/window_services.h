// What the main window takes from outside, so tests can replace it: the report composition,
// the td.txt writer, the lookups' downloads and weather, and the sound player.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QStringList>

#include "alarms/sound_player.h"
#include "core/job.h"
#include "locale/own_service.h"
#include "net/download.h"
#include "report/report.h"

namespace hx::ui {

struct WindowServices {
    // The report for the instant qUtc at the instant presentUtc, shown in the style.
    std::function<ReportResult(Moment qUtc, const Observer& obs, const OptionsModel& options,
                               SkyEventState& events, Moment presentUtc, const ReportStyle& style)>
        compose;
    // Writes the header lines; returns an error text to show, if any.
    std::function<std::optional<QString>(const QStringList& headerLines)> writeHeader;
    // The lookups' downloads; an HttpDownloader when not set.
    std::shared_ptr<net::Downloader> downloader;
    // The weather of a place for lookups without a weather service; libgweather's providers
    // when not set.
    WeatherSource weatherSource;
    // The machine's time zone id, whose city a first start offers as the site; empty: the
    // system's.
    std::function<QByteArray()> machineZone;
    // A job that ends once the gazetteer has loaded; places::WhenWorldCitiesLoaded when not set.
    std::function<JobHandle(QObject* context, std::function<void()> ready)> whenCitiesLoaded;
    // Makes mediaPlayer, the player of the Sounds page and the alarms; empty: Qt Multimedia.
    std::function<std::unique_ptr<alarms::MediaControls>()> soundPlayer;
    // Posts a fired alarm's line as a desktop notification (key: the alarm); empty: the
    // session bus's notification server.
    std::function<void(int key, const QString& body)> notify;
    // The bus address of the notification server when notify is empty; empty: the session bus.
    QString notificationBus;
};

// The program's own: hx::BuildReport and td.txt in the program directory.
WindowServices DefaultWindowServices();

}  // namespace hx::ui
