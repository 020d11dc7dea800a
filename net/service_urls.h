// The lookup URLs built from the services' base addresses, and the texts that name the hosts.
#pragma once

#include <QString>

namespace hx::net {

// The query percent-encoded as one query component: everything but letters, digits and
// "-._~" is escaped from its UTF-8 bytes, so blanks, "&", "#" and non-ASCII letters survive.
// Not trimmed, and sent without a key.
QString EncodeQuery(const QString& query);

// The base address as configured ("https://example.org", "http://host:8080/", or a bare
// host name, which means https), without trailing "/"; empty when none is set.
QString BaseAddress(const QString& configured);

// base + "/forexml.cgi?" + query, and base + "/cgi-bin/gazetteer-tbl?" + query. Empty when
// no base address is set.
QString WeatherUrl(const QString& weatherService, const QString& query);
QString GazetteerUrl(const QString& gazetteerService, const QString& query);

// The host of a base address ("https://weather.example.org:8080/x" -> "weather.example.org").
QString HostName(const QString& configured);

// Captions of the Lookup and alternateFetch buttons (the service's host, or "Look up" without one)
// and the text of sourceNote.
QString LookupCaption(const QString& service);
QString WeatherLabelText(const QString& weatherService);

// What a lookup the user asked for says when its address is not set: which key of which file.
QString MissingAddressMessage(const QString& key, const QString& iniPath);

}  // namespace hx::net
