// The sites the user keeps to switch between (home, a temple abroad, a journey's end), and
// their file savedplaces.txt in the program directory.
#pragma once

#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

namespace hx {

struct SavedPlace {
    QString name;           // as the menus show it, such as "Munich, Bavaria, Germany"
    double latitude = 0;    // degrees, north positive
    double longitude = 0;   // degrees, east positive
    QString zoneId;         // IANA zone; empty for a site with a fixed offset
    double timeZone = 0;    // hours east of UT, used when zoneId is empty
    bool daylight = false;  // daylight time in force, used when zoneId is empty
    QString altitude;       // metres, as typed; may be empty

    bool operator==(const SavedPlace&) const = default;
};

// Up to kMaxSavedPlaces places in the order they were saved, names unique without regard
// to case. Lines of the file that are not places are kept as they were and written back.
class SavedPlaces {
  public:
    static constexpr int kMax = 10;

    const std::vector<SavedPlace>& Places() const { return places_; }
    std::optional<SavedPlace> Find(const QString& name) const;  // without regard to case
    // Keeps the place: one of the same name is replaced where it stands; a new one is added
    // at the end unless kMax are kept, when nothing changes and false is returned.
    bool Save(const SavedPlace& place);
    bool Remove(const QString& name);  // false when no place has the name

    QStringList ToLines() const;
    static SavedPlaces FromLines(const QStringList& lines);

  private:
    std::vector<SavedPlace> places_;
    QStringList unread_;  // lines that are not places
};

QString SavedPlacesFileName();  // "savedplaces.txt"

// The places of savedplaces.txt in the program directory; none when the file does not exist
// (or cannot be read, which the line files remember so it is not replaced).
SavedPlaces LoadSavedPlaces();
// Writes them to savedplaces.txt, replacing it; raises hx::Error when it cannot.
void WriteSavedPlaces(const SavedPlaces& places);

}  // namespace hx
