// Recent lists: case-insensitive order and uniqueness, and the zipcodes.txt file.
#include "recent_list.h"

#include <algorithm>

#include "settings/textfile.h"

namespace hx {

namespace {
bool Before(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}
}  // namespace

void RecentList::SetEntries(const QStringList& entries) {
    entries_ = entries;
    std::stable_sort(entries_.begin(), entries_.end(), Before);
}

int RecentList::PlaceOf(const QString& text) const {
    return int(std::upper_bound(entries_.begin(), entries_.end(), text, Before) - entries_.begin());
}

bool RecentList::Contains(const QString& text) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const QString& e) {
        return QString::compare(e, text, Qt::CaseInsensitive) == 0;
    });
}

bool RecentList::Add(const QString& text) {
    if (Contains(text)) return false;
    entries_.insert(PlaceOf(text), text);
    return true;
}

QString RecentFileName() {
    return QStringLiteral("zipcodes.txt");
}

QStringList LoadRecentEntries() {
    return files::ReadLines(files::ProgramFile(RecentFileName())).value_or(QStringList());
}

void SaveRecentEntries(const QStringList& entries) {
    files::WriteLines(files::ProgramFile(RecentFileName()), entries);
}

}  // namespace hx
