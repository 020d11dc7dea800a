// Saved places: one place a line, its fields separated by tabs, numbers with a point.
#include "locale/saved_places.h"

#include <algorithm>
#include <cmath>

#include "menu/stored_names.h"
#include "settings/textfile.h"

namespace hx {

namespace {

constexpr QChar kTab = u'\t';

bool SameName(const QString& a, const QString& b) {
    return QString::compare(a.trimmed(), b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString Clean(const QString& text) {  // a field may hold no tab nor line break
    QString out = text;
    for (QChar& c : out)
        if (c == kTab || c == u'\r' || c == u'\n') c = u' ';
    return out.trimmed();
}

std::optional<SavedPlace> ParseLine(const QString& line) {
    const QStringList f = line.split(kTab);
    if (f.size() < 7) return std::nullopt;
    SavedPlace p;
    bool ok[4] = {};
    p.name = f[0].trimmed();
    p.latitude = f[1].toDouble(&ok[0]);
    p.longitude = f[2].toDouble(&ok[1]);
    p.zoneId = f[3].trimmed();
    p.timeZone = f[4].toDouble(&ok[2]);
    p.daylight = f[5] == u"1";
    p.altitude = f[6].trimmed();
    ok[3] = f[5] == u"0" || f[5] == u"1";
    if (p.name.isEmpty() || !std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return std::nullopt;
    if (!(std::abs(p.latitude) <= 90 && std::abs(p.longitude) <= 180)) return std::nullopt;
    if (std::abs(p.timeZone) > 14) return std::nullopt;
    return p;
}

QString Line(const SavedPlace& p) {
    return QStringList{Clean(p.name),
                       QString::number(p.latitude, 'f', 6),
                       QString::number(p.longitude, 'f', 6),
                       Clean(p.zoneId),
                       QString::number(p.timeZone, 'g', 6),
                       p.daylight ? QStringLiteral("1") : QStringLiteral("0"),
                       Clean(p.altitude)}
        .join(kTab);
}

}  // namespace

std::optional<SavedPlace> SavedPlaces::Find(const QString& name) const {
    for (const SavedPlace& p : places_)
        if (SameName(p.name, name)) return p;
    return std::nullopt;
}

bool SavedPlaces::Save(const SavedPlace& place) {
    SavedPlace kept = place;
    kept.name = Clean(place.name);
    if (kept.name.isEmpty()) return false;
    for (SavedPlace& p : places_)
        if (SameName(p.name, kept.name)) {
            p = kept;
            return true;
        }
    if (int(places_.size()) >= kMax) return false;
    places_.push_back(kept);
    return true;
}

bool SavedPlaces::Remove(const QString& name) {
    const auto it = std::find_if(places_.begin(), places_.end(),
                                 [&](const SavedPlace& p) { return SameName(p.name, name); });
    if (it == places_.end()) return false;
    places_.erase(it);
    return true;
}

QStringList SavedPlaces::ToLines() const {
    QStringList lines;
    for (const SavedPlace& p : places_) lines << Line(p);
    return lines + unread_;
}

SavedPlaces SavedPlaces::FromLines(const QStringList& lines) {
    SavedPlaces out;
    for (const QString& line : lines) {
        const std::optional<SavedPlace> p = ParseLine(line);
        // A line of a newer version or one damaged by hand is not lost at the next save;
        // neither is a place beyond the ten, nor a second of one name.
        if (!p || out.Find(p->name) || !out.Save(*p)) {
            if (!line.trimmed().isEmpty()) out.unread_ << line;
        }
    }
    return out;
}

QString SavedPlacesFileName() {
    return StoredName(StateFile::SavedPlaces);
}

SavedPlaces LoadSavedPlaces() {
    return SavedPlaces::FromLines(
        files::ReadLines(files::ProgramFile(SavedPlacesFileName())).value_or(QStringList()));
}

void WriteSavedPlaces(const SavedPlaces& places) {
    files::WriteLines(files::ProgramFile(SavedPlacesFileName()), places.ToLines());
}

}  // namespace hx
