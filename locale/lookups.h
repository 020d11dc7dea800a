// The two lookups after their download: the answer in its fixed file, then the completion.
#pragma once

#include "locale/gazetteer_lookup.h"
#include "locale/weather_lookup.h"

namespace hx {
// Once locale.xml (program directory) holds the downloaded answer: loads and completes it;
// raises hx::Error for a document that is refused. `answer` receives the document text.
WeatherOutcome CompleteDownloadedWeather(const QString& query, QByteArray* answer = nullptr);
// Once locale.html holds the downloaded page: completes it; `answer` receives the page text.
GazetteerOutcome CompleteDownloadedGazetteer(const QString& query, QString* answer = nullptr);

}  // namespace hx
