// The recent-locations lists of the two lookup pages and their file zipcodes.txt.
#pragma once

#include <QString>
#include <QStringList>

namespace hx {

// Entries kept in ascending order without regard to letter case; no size limit.
class RecentList {
  public:
    RecentList() = default;
    explicit RecentList(const QStringList& entries) { SetEntries(entries); }

    // Replaces the entries, sorted (duplicates from a file are kept, as a sorted list box does).
    void SetEntries(const QStringList& entries);
    // Adds the text as typed, at its sorted place, unless an entry equal to it without regard
    // to case is present. Returns whether it was added.
    bool Add(const QString& text);
    bool Contains(const QString& text) const;  // without regard to case
    void Clear() { entries_.clear(); }

    const QStringList& Entries() const { return entries_; }
    int Count() const { return int(entries_.size()); }
    QString At(int index) const { return entries_.value(index); }
    // The sorted place the text would take.
    int PlaceOf(const QString& text) const;

  private:
    QStringList entries_;
};

QString RecentFileName();  // "zipcodes.txt", in the program directory

// The lines of zipcodes.txt in the program directory; empty when the file does not exist.
QStringList LoadRecentEntries();
// Writes the entries to zipcodes.txt, replacing it; raises hx::Error when it cannot.
void SaveRecentEntries(const QStringList& entries);

}  // namespace hx
