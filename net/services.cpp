// Service addresses: URL building with an encoded query, host captions.
#include "services.h"

#include <QUrl>

namespace hx::net {

namespace {

QString Join(QString base, const char* path, const QString& query) {
    base = base.trimmed();
    if (base.isEmpty()) return {};
    while (base.endsWith('/')) base.chop(1);
    return base + QLatin1String(path) + EncodeQuery(query);
}

QString CaptionOf(const QString& base) {
    const QString host = HostName(base);
    return host.isEmpty() ? QStringLiteral("Look up") : host;
}

}  // namespace

QString ServicesSection() {
    return QStringLiteral("Services");
}

QString EncodeQuery(const QString& query) {
    return QString::fromLatin1(QUrl::toPercentEncoding(query));
}

QString WeatherUrl(const Services& services, const QString& query) {
    return Join(services.WeatherService, "/forexml.cgi?", query);
}

QString GazetteerUrl(const Services& services, const QString& query) {
    return Join(services.GazetteerService, "/cgi-bin/gazetteer-tbl?", query);
}

QString HostName(const QString& baseAddress) {
    const QUrl url(baseAddress.trimmed(), QUrl::TolerantMode);
    return url.isValid() ? url.host() : QString();
}

QString LookupCaption(const Services& services) {
    return CaptionOf(services.WeatherService);
}

QString GazetteerCaption(const Services& services) {
    return CaptionOf(services.GazetteerService);
}

QString WeatherLabelText(const Services& services) {
    const QString host = HostName(services.WeatherService);
    if (host.isEmpty())
        return QStringLiteral(
            "Set these fields with the Look up page once a weather service "
            "address is set.");
    return QStringLiteral("Set these fields with the Look up page, which asks %1.").arg(host);
}

QString MissingAddressMessage(const QString& key, const QString& iniPath) {
    return QStringLiteral(
               "No address is set for this lookup. Set the key \"%1\" in the section "
               "\"%2\" of \"%3\".")
        .arg(key, ServicesSection(), iniPath);
}

}  // namespace hx::net
