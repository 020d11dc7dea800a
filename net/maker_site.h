// Addresses on the maker's web site, built from the configured base address (MakerSite).
#pragma once

#include <QString>
#include <QUrl>

namespace hx::net {

inline constexpr char kVersionFilePath[] = "/software/heliodex/heliodex.xml";
inline constexpr char kDownloadPath[] = "/download/programs/heliodex.exe";

// `path` under the base address `base` (such as "https://example.org" or
// "https://example.org/mirror/", or a bare host name taken as https); the base itself for an
// empty path. Empty unless `base` is an http or https address with a host, so that nothing is
// fetched or opened without a site.
QUrl MakerSiteUrl(const QString& base, const QString& path = {});

}  // namespace hx::net
