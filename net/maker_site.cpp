// Addresses on the maker's web site.
#include "maker_site.h"

namespace hx::net {

QUrl MakerSiteUrl(const QString& base, const QString& path) {
    // A bare host name, as people type it into the settings file, means https.
    QString text = base.trimmed();
    if (!text.isEmpty() && !text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("https://"));
    QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return {};
    if (path.isEmpty()) return url;
    QString p = url.path();
    while (p.endsWith(QLatin1Char('/'))) p.chop(1);
    url.setPath(p + path);
    url.setQuery(QString());
    url.setFragment(QString());
    return url;
}

}  // namespace hx::net
