// Recent lists: the latest first, unique without regard to case, and their files.
#include "recent_list.h"

#include "menu/stored_names.h"
#include "settings/textfile.h"

namespace hx {

int RecentList::IndexOf(const QString& text) const {
    for (int i = 0; i < int(entries_.size()); ++i)
        if (QString::compare(entries_[i], text, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void RecentList::SetEntries(const QStringList& entries) {
    entries_.clear();
    for (const QString& e : entries)
        if (IndexOf(e) < 0) entries_ << e;
}

bool RecentList::Contains(const QString& text) const {
    return IndexOf(text) >= 0;
}

bool RecentList::Add(const QString& text) {
    const int at = IndexOf(text);
    if (at == 0 && entries_.front() == text) return false;
    if (at >= 0) entries_.removeAt(at);
    entries_.prepend(text);
    return true;
}

QString RecentFileName() {
    return StoredName(StateFile::RecentLocations);
}

QString RecentLookupsFileName() {
    return StoredName(StateFile::RecentLookups);
}

QStringList LoadRecentEntries() {
    return files::ReadLines(files::ProgramFile(RecentFileName())).value_or(QStringList());
}

void SaveRecentEntries(const QStringList& entries) {
    files::WriteLines(files::ProgramFile(RecentFileName()), entries);
}

QStringList LoadRecentLookups() {
    return files::ReadLines(files::ProgramFile(RecentLookupsFileName())).value_or(QStringList());
}

void SaveRecentLookups(const QStringList& entries) {
    files::WriteLines(files::ProgramFile(RecentLookupsFileName()), entries);
}

}  // namespace hx
