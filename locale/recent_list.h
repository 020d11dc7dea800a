// The recent-locations lists of the two lookup pages and their files: zipcodes.txt for the
// Alternate page's, recentlookups.txt for the Look up page's.
#pragma once

#include <QString>
#include <QStringList>

namespace hx {

// One entry per text without regard to letter case, the latest first; no size limit. The
// lookups the program answers itself add the place's "City, Region, Country", so every
// spelling of a place comes to one entry.
class RecentList {
  public:
    RecentList() = default;
    explicit RecentList(const QStringList& entries) { SetEntries(entries); }

    // Replaces the entries, in their order; of entries equal without regard to case the first
    // is kept.
    void SetEntries(const QStringList& entries);
    // Puts the text, as given, first; an entry equal to it without regard to case is taken
    // out. Returns whether the list changed.
    bool Add(const QString& text);
    bool Contains(const QString& text) const;  // without regard to case
    void Clear() { entries_.clear(); }

    const QStringList& Entries() const { return entries_; }
    int Count() const { return int(entries_.size()); }
    QString At(int index) const { return entries_.value(index); }

  private:
    int IndexOf(const QString& text) const;
    QStringList entries_;
};

QString RecentFileName();         // "zipcodes.txt", in the program directory
QString RecentLookupsFileName();  // "recentlookups.txt", in the program directory

// The lines of zipcodes.txt in the program directory; empty when the file does not exist.
QStringList LoadRecentEntries();
// Writes the entries to zipcodes.txt, replacing it; raises hx::Error when it cannot.
void SaveRecentEntries(const QStringList& entries);
// The same for the Look up page's list in recentlookups.txt.
QStringList LoadRecentLookups();
void SaveRecentLookups(const QStringList& entries);

}  // namespace hx
