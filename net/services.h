// The addresses of the outside services, the lookup URLs and the texts that name the hosts.
#pragma once

#include <QString>

namespace hx::net {

// Section "Services" of heliodex.ini: base addresses such as "https://example.org".
struct Services {
    QString WeatherService;
    QString GazetteerService;
    QString MakerSite;
    QString NewsFeed;
};

QString ServicesSection();  // "Services"

// The query percent-encoded as one query component: everything but letters, digits and
// "-._~" is escaped from its UTF-8 bytes, so blanks, "&", "#" and non-ASCII letters survive.
// Not trimmed, and sent without a key.
QString EncodeQuery(const QString& query);

// base + "/forexml.cgi?" + query, and base + "/cgi-bin/gazetteer-tbl?" + query; a trailing
// "/" of the base is dropped. Empty when no base address is set.
QString WeatherUrl(const Services& services, const QString& query);
QString GazetteerUrl(const Services& services, const QString& query);

// The host of a base address ("https://weather.example.org:8080/x" -> "weather.example.org").
QString HostName(const QString& baseAddress);

// Captions of the Lookup and Button1 buttons and the text of Label17.
QString LookupCaption(const Services& services);
QString GazetteerCaption(const Services& services);
QString WeatherLabelText(const Services& services);

// What a lookup the user asked for says when its address is not set: which key of which file.
QString MissingAddressMessage(const QString& key, const QString& iniPath);

}  // namespace hx::net
