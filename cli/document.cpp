// heliodex-cli's JSON answer.
#include "document.h"

#include <QJsonDocument>

#include "cli/formats.h"
#include "core/zone.h"

namespace hx::cli {

QString IsoReading(const Observer& site, Moment reading) {
    return IsoTime(reading, ClockOffsetAtReading(site, reading));
}

QJsonObject SiteObject(const Observer& site) {
    return QJsonObject{{"latitude", site.Latitude},
                       {"longitude", site.Longitude},
                       {"zone", site.Zone.isEmpty() ? QJsonValue() : QJsonValue(site.Zone)},
                       {"utc_offset_hours", site.ClockOffsetHours()},
                       {"altitude_m", site.Altitude},
                       {"pressure_mbar", site.Pressure},
                       {"temperature_c", site.Temperature}};
}

QString Document(const char* command, const QJsonObject& data, const Context* c) {
    QJsonObject o = data;
    o["command"] = QLatin1String(command);
    o["site"] = c ? QJsonValue(SiteObject(c->observer)) : QJsonValue();
    o["moment"] = c ? QJsonValue(IsoReading(c->observer, c->moment)) : QJsonValue();
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

}  // namespace hx::cli
