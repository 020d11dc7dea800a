// The two lookups from URL to outcome: download into the fixed file, then the completion.
#pragma once

#include "locale/gazetteer_lookup.h"
#include "locale/weather_lookup.h"
#include "net/download.h"

namespace hx {

// Downloads into locale.xml (program directory), loads it and completes; raises hx::Error
// for a failed download or a document that is refused. `answer` receives the document text.
WeatherOutcome RunWeatherLookup(net::Downloader& downloader, const QString& url,
                                const QString& query, QByteArray* answer = nullptr);
// Downloads into locale.html and completes; `answer` receives the page text.
GazetteerOutcome RunGazetteerLookup(net::Downloader& downloader, const QString& url,
                                    const QString& query, QString* answer = nullptr);

}  // namespace hx
