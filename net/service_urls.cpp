// Service addresses: URL building with an encoded query, host captions.
#include "service_urls.h"

#include <QUrl>

namespace hx::net {

namespace {

QString Join(const QString& configured, const char* path, const QString& query) {
    const QString base = BaseAddress(configured);
    return base.isEmpty() ? QString() : base + QLatin1String(path) + EncodeQuery(query);
}

}  // namespace

QString EncodeQuery(const QString& query) {
    return QString::fromLatin1(QUrl::toPercentEncoding(query));
}

QString BaseAddress(const QString& configured) {
    QString base = configured.trimmed();
    if (base.isEmpty()) return {};
    if (!base.contains(QLatin1String("://"))) base.prepend(QLatin1String("https://"));
    while (base.endsWith('/')) base.chop(1);
    return base;
}

QString WeatherUrl(const QString& weatherService, const QString& query) {
    return Join(weatherService, "/forexml.cgi?", query);
}

QString GazetteerUrl(const QString& gazetteerService, const QString& query) {
    return Join(gazetteerService, "/cgi-bin/gazetteer-tbl?", query);
}

QString HostName(const QString& configured) {
    const QUrl url(BaseAddress(configured), QUrl::TolerantMode);
    return url.isValid() ? url.host() : QString();
}

QString LookupCaption(const QString& service) {
    const QString host = HostName(service);
    return host.isEmpty() ? QStringLiteral("Look up") : host;
}

QString WeatherLabelText(const QString& weatherService) {
    const QString host = HostName(weatherService);
    if (host.isEmpty())
        return QStringLiteral(
            "Set these fields with the Look up page, which finds the place in the "
            "program's own list of cities.");
    return QStringLiteral("Set these fields with the Look up page, which asks %1.").arg(host);
}

QString MissingAddressMessage(const QString& key, const QString& iniPath) {
    return QStringLiteral(
               "No address is set for this lookup. Set the key \"%1\" in the section "
               "\"Services\" of \"%2\".")
        .arg(key, iniPath);
}

}  // namespace hx::net
