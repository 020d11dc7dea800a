// The lookups' completions after their download.
#include "lookups.h"

#include <QFile>
#include <QFileInfo>

namespace hx {

WeatherOutcome CompleteDownloadedWeather(const QString& query, QByteArray* answer) {
    TXMLForexmlType document = LoadWeatherDocument(WeatherDocumentFile());
    WeatherOutcome outcome = CompleteWeatherLookup(document, query);
    if (answer) {
        QFile f(WeatherDocumentFile());
        if (QFileInfo(f.fileName()).isFile() && f.open(QIODevice::ReadOnly))
            *answer = f.read(xml::Limits{}.maxBytes);
    }
    return outcome;
}

GazetteerOutcome CompleteDownloadedGazetteer(const QString& query, QString* answer) {
    const QString page = ReadGazetteerPage(GazetteerPageFile());
    if (answer) *answer = page;
    return CompleteGazetteerLookup(page, query);
}

}  // namespace hx
