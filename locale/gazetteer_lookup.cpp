// Cutting the gazetteer page: location text, coordinates, hemispheres and post-office name.
#include "gazetteer_lookup.h"

#include "core/error.h"
#include "settings/textfile.h"

namespace hx {

namespace {

const QString kNoMatch = QStringLiteral("Sorry, no matches found");
const QString kLocation = QStringLiteral("Location:");
const QString kBrowse = QStringLiteral("<br>\r\nBrowse Tiger");
const QString kPoName = QStringLiteral("PO Name: ");

struct Part {
    QString degrees, decimals;
    QChar last;
};

// "44.998 N": degrees before the first ".", then the digits after it together with the blank
// that ends them (up to the end when no blank follows), and the last character.
Part Cut(const QString& part) {
    Part out;
    out.last = part.isEmpty() ? QChar() : part.back();
    const qsizetype point = part.indexOf('.');
    if (point < 0) {
        out.degrees = part.section(' ', 0, 0);
        return out;
    }
    out.degrees = part.left(point);
    const qsizetype blank = part.indexOf(' ', point + 1);
    out.decimals = blank < 0 ? part.mid(point + 1) : part.mid(point + 1, blank - point);
    return out;
}

}  // namespace

QString GazetteerPageFile() {
    return files::ProgramFile(QStringLiteral("locale.html"));
}

QString GazetteerPageText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

QString ReadGazetteerPage(const QString& fileName) {
    const auto lines = files::ReadLines(fileName);
    if (!lines) throw Error(QStringLiteral("Cannot read file \"%1\".").arg(fileName));
    return GazetteerPageText(*lines);
}

GazetteerOutcome CompleteGazetteerLookup(const QString& page, const QString& query) {
    GazetteerOutcome out;
    const qsizetype location = page.indexOf(kLocation);
    const qsizetype end = location < 0 ? -1 : page.indexOf(kBrowse, location);
    const qsizetype start = location + kLocation.size() + 1;
    const QString text = end < start ? QString() : page.mid(start, end - start);
    const qsizetype comma = text.indexOf(',');
    if (page.contains(kNoMatch) || comma < 0) {
        out.message = QStringLiteral(
            "Location search not specific enough, try again with a zip code or do it manually.");
        return out;
    }
    out.found = true;
    out.recentEntry = query;
    const Part lat = Cut(text.left(comma));
    const Part lon = Cut(text.mid(comma + 2, 99));
    out.fields.latDegrees = lat.degrees;
    out.fields.latMinutes = lat.decimals;
    out.fields.north = lat.last == 'N';
    out.fields.lonDegrees = lon.degrees;
    out.fields.lonMinutes = lon.decimals;
    out.fields.west = lon.last == 'W';
    out.notice = QStringLiteral(
        "Look up completed. You must set your time zone and daylight time manually.");

    const qsizetype po = page.indexOf(kPoName);
    if (po < 0) {
        out.message = QStringLiteral(
            "Search returned more than one result, you should double check it.  Try a zip code, "
            "or do it manually.");
        return out;
    }
    // Up to and including the first ")" after the marker; without one, to the end of its line.
    const qsizetype from = po + kPoName.size();
    qsizetype lineEnd = page.indexOf(QStringLiteral("\r\n"), from);
    if (lineEnd < 0) lineEnd = page.size();
    const qsizetype close = page.indexOf(')', from);
    const qsizetype stop = close >= 0 && close < lineEnd ? close + 1 : lineEnd;
    out.placeCaption = page.mid(from, stop - from);
    return out;
}

}  // namespace hx
