// Addresses on the maker's web site.
#include "maker_site.h"

#include "net/service_urls.h"

namespace hx::net {

QUrl MakerSiteUrl(const QString& base, const QString& path) {
    QUrl url(BaseAddress(base), QUrl::StrictMode);  // a bare host name means https
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
