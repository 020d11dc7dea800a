// The addresses of the outside services, kept in the settings file's "Services" section.
#pragma once

#include <QString>

#include "settings/extini.h"

namespace hx {

struct ServiceAddresses {
    QString weatherService;    // key WeatherService
    QString gazetteerService;  // key GazetteerService
    QString makerSite;         // key MakerSite
    QString newsFeed;          // key NewsFeed
    bool operator==(const ServiceAddresses&) const = default;
};

// Each address from its key; a missing or empty key gives the default's address.
ServiceAddresses LoadServices(const TExtIniF& store, const ServiceAddresses& defaults);
// Writes the four keys in one replacement of the file.
void SaveServices(TExtIniF& store, const ServiceAddresses& addresses);

}  // namespace hx
