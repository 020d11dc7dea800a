// heliodex-cli's JSON answer.
#include "document.h"

#include <QJsonDocument>

#include "cli/formats.h"
#include "core/zone.h"

namespace hx::cli {

QJsonObject SiteObject(const Observer& site) {
    return QJsonObject{{"latitude", site.Latitude},
                       {"longitude", site.Longitude},
                       {"zone", site.Zone.isEmpty() ? QJsonValue() : QJsonValue(site.Zone)},
                       {"utc_offset_hours", site.ClockOffsetHours()},
                       {"altitude_m", site.Altitude},
                       {"pressure_mbar", site.Pressure},
                       {"pressure_source", site.PressureGiven ? "given" : "standard"},
                       {"temperature_c", site.Temperature},
                       {"temperature_source", site.TemperatureGiven ? "given" : "standard"}};
}

QString Document(const char* command, const QJsonObject& data, const Context* c) {
    QJsonObject o = data;
    o["command"] = QLatin1String(command);
    o["site"] = c ? QJsonValue(SiteObject(c->observer)) : QJsonValue();
    o["moment"] = c ? QJsonValue(IsoTimeAt(c->observer, c->momentUtc)) : QJsonValue();
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

}  // namespace hx::cli
