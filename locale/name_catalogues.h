// The names of libgeonames' places in other languages, from the library's own message
// catalogues (one geonames.mo per language): each entry maps a place's key, the geonames id
// of a city or the code of a country ("DE") or region ("US.IL"), to its name there.
#pragma once

#include <utility>
#include <vector>

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace hx::places {

// The entries of a GNU message catalogue (.mo), in file order; the header entry (empty key)
// and entries whose offsets leave the data are left out, and a catalogue that is not one
// gives none. Texts are read as UTF-8; of plural forms only the first is kept.
std::vector<std::pair<QString, QString>> ParseMessageCatalogue(const QByteArray& bytes);

// Every catalogue named geonames.mo under `localeDir`/*/LC_MESSAGES: for each key, its
// distinct names in all languages, in the order the languages sort.
QHash<QString, QStringList> ReadNameCatalogues(const QString& localeDir);

// Where the system keeps the catalogues.
QString SystemLocaleDirectory();

}  // namespace hx::places
