// The lookups' download-then-complete sequence.
#include "lookups.h"

#include <QFile>

namespace hx {

WeatherOutcome RunWeatherLookup(net::Downloader& downloader, const QString& url,
                                const QString& query, QByteArray* answer) {
    downloader.Download(url, WeatherDocumentFile());
    TXMLForexmlType document = LoadWeatherDocument(WeatherDocumentFile());
    WeatherOutcome outcome = CompleteWeatherLookup(document, query);
    if (answer) {
        QFile f(WeatherDocumentFile());
        if (f.open(QIODevice::ReadOnly)) *answer = f.read(xml::Limits{}.maxBytes);
    }
    return outcome;
}

GazetteerOutcome RunGazetteerLookup(net::Downloader& downloader, const QString& url,
                                    const QString& query, QString* answer) {
    downloader.Download(url, GazetteerPageFile());
    const QString page = ReadGazetteerPage(GazetteerPageFile());
    if (answer) *answer = page;
    return CompleteGazetteerLookup(page, query);
}

}  // namespace hx
