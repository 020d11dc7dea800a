// heliodex-cli reverse: text and JSON renderings of the lookup's result.
#include "reverse_output.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cmath>

namespace hx::cli {

QString ReverseText(const lookup::Result& result) {
    QString out;
    for (const QString& line : result.AllLines()) out += line + '\n';
    return out;
}

QString SiteIso(double jdUt, const lookup::SiteClock& clock) {
    const double hours = clock.OffsetAt(jdUt);
    const Moment m = std::round(lookup::ShownMoment(jdUt, hours) * 86400.0) / 86400.0;
    if (!IsRepresentable(m)) return {};
    const DateTimeFields f = DecodeDateTime(m);
    const int minutes = int(std::lround(std::fabs(hours) * 60));
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", f.year, f.month, f.day,
                             f.hour, f.minute, f.second, hours < 0 ? '-' : '+', minutes / 60,
                             minutes % 60);
}

QJsonObject ReverseJson(const lookup::Result& result, const lookup::SiteClock& clock) {
    QJsonObject o;
    o["lines"] = QJsonArray::fromStringList(result.lines);
    o["error"] = result.error.isEmpty() ? QJsonValue() : QJsonValue(result.error);
    auto moment = [&](const char* key, const std::optional<double>& jd) {
        if (jd) o[QLatin1String(key)] = SiteIso(*jd, clock);
    };
    moment("sun_found", result.sunFound);
    moment("moon_found", result.moonFound);
    moment("exact", result.exactFound);
    if (!result.matches.isEmpty()) {
        o["era_year"] = result.eraYear;
        o["heading"] = result.matches.value(1);
        QJsonArray spans;
        for (const lookup::Span& s : result.spans) {
            QJsonObject span;
            span["from"] = SiteIso(s.fromJd, clock);
            span["to"] = SiteIso(s.toJd, clock);
            span["from_jd_ut"] = QString::number(s.fromJd, 'f', 6).toDouble();
            span["to_jd_ut"] = QString::number(s.toJd, 'f', 6).toDouble();
            spans.append(span);
        }
        o["spans"] = spans;
    }
    return o;
}

}  // namespace hx::cli
