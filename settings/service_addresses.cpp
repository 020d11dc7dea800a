// The "Services" section of the settings file.
#include "service_addresses.h"

#include "menu/stored_names.h"

namespace hx {

namespace {
const QString kSection = StoredName(Section::Services);

template <typename Fn>
void ForEachKey(Fn fn, auto& a) {
    fn(StoredName(Key::WeatherService), a.weatherService);
    fn(StoredName(Key::GazetteerService), a.gazetteerService);
    fn(StoredName(Key::MakerSite), a.makerSite);
    fn(StoredName(Key::NewsFeed), a.newsFeed);
}
}  // namespace

ServiceAddresses LoadServices(const TExtIniF& store, const ServiceAddresses& defaults) {
    const IniDocument doc = store.Document();
    ServiceAddresses out = defaults;
    ForEachKey(
        [&](const QString& key, QString& value) {
            const auto raw = doc.Raw(kSection, key);
            const QString text = raw ? IniValueText(*raw) : QString();
            if (!text.isEmpty()) value = text;
        },
        out);
    return out;
}

void SaveServices(TExtIniF& store, const ServiceAddresses& addresses) {
    store.Modify([&](IniDocument& doc) {
        ForEachKey([&](const QString& key, const QString& value) { doc.Set(kSection, key, value); },
                   addresses);
    });
}

}  // namespace hx
