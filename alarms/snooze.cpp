// The snooze list.
#include "snooze.h"

#include <algorithm>

#include <QStringList>

#include "alarm_check.h"

namespace hx::alarms {

QStringList NotificationActions() {
    return {QLatin1String(kSnooze5Action),  QStringLiteral("Snooze 5 min"),
            QLatin1String(kSnooze10Action), QStringLiteral("Snooze 10 min"),
            QLatin1String(kDismissAction),  QStringLiteral("Dismiss")};
}

int SnoozeMinutes(const QString& action) {
    if (action == QLatin1String(kSnooze5Action)) return 5;
    if (action == QLatin1String(kSnooze10Action)) return 10;
    return 0;
}

void SnoozeList::Snooze(int key, const QString& body, const QString& sound, int minutes,
                        Moment presentUtc) {
    std::erase_if(waiting_, [key](const Snoozed& s) { return s.key == key; });
    if (minutes <= 0) return;
    waiting_.push_back({key, presentUtc + minutes / 1440.0, body, sound});
    std::stable_sort(waiting_.begin(), waiting_.end(),
                     [](const Snoozed& a, const Snoozed& b) { return a.at < b.at; });
}

std::vector<Snoozed> SnoozeList::TakeDue(Moment presentUtc) {
    std::vector<Snoozed> due;
    const qint64 now = MinuteOf(presentUtc);
    std::erase_if(waiting_, [&](const Snoozed& s) {
        if (MinuteOf(s.at) > now) return false;
        due.push_back(s);
        return true;
    });
    return due;
}

}  // namespace hx::alarms
