// The gazetteer lookup's completion: cutting the answer page by its markers.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

#include "locale/field_texts.h"

namespace hx {

QString GazetteerPageFile();  // "locale.html" in the program directory

// The page text: the file's lines joined again with CR LF after every line, so the marker
// "<br>\r\nBrowse Tiger" matches whatever line breaks the service sent.
QString GazetteerPageText(const QStringList& lines);
// The page text of a file (byte-order mark honoured, else UTF-8 or Windows-1252); raises
// hx::Error when the file cannot be read.
QString ReadGazetteerPage(const QString& fileName);

struct GazetteerOutcome {
    bool found = false;                   // false: only the message is shown, nothing changes
    std::optional<QString> message;       // plain message box, shown after the fields are set
    LocaleFieldTexts fields;              // latDegrees..lonMinutes, north, west
    std::optional<QString> placeCaption;  // alternatePlace
    QString recentEntry;  // added to alternateRecent unless an equal entry (any case) is there
    QString notice;  // "Look up completed. You must set your time zone and daylight time manually."
    QString resultPage;  // HTML the program made for the result pane; empty: show the page
};

// onGazetteerLookupDone for the page text and the query that fetched it. A page that
// says "Sorry, no matches found", or lacks the "Location:" text with its markers, gives the
// "not specific enough" message and nothing else. After applying a found outcome the window
// re-reads the site, so the Observer never mixes the new latitude with the old longitude.
GazetteerOutcome CompleteGazetteerLookup(const QString& pageText, const QString& query);

}  // namespace hx
