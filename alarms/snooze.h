// Snoozed alarms: a notification's "Snooze 5 min" or "Snooze 10 min" fires its alarm again
// that long after the click, its notification replacing the first one.
#pragma once

#include <vector>

#include <QString>

#include "core/datetime.h"

namespace hx::alarms {

// The actions a notification offers where the server supports them, as the pairs of the
// Notify call's action list: the key, then the text shown.
inline constexpr const char* kSnooze5Action = "snooze-5";
inline constexpr const char* kSnooze10Action = "snooze-10";
inline constexpr const char* kDismissAction = "dismiss";
// {"snooze-5", "Snooze 5 min", "snooze-10", "Snooze 10 min", "dismiss", "Dismiss"}.
QStringList NotificationActions();
// The minutes an action key snoozes for: 5, 10; 0 for "dismiss" and any other key.
int SnoozeMinutes(const QString& action);

struct Snoozed {
    int key = 0;    // the alarm's notification key: the same key replaces the notification
    Moment at = 0;  // when it fires again (UTC reading)
    QString body;   // the notification's text
    QString sound;  // played again unless muted; empty for none
};

class SnoozeList {
  public:
    // The alarm of the key fires again `minutes` after presentUtc; snoozing it again moves
    // it. Minutes of 0 or less (Dismiss) drop a waiting snooze of the key.
    void Snooze(int key, const QString& body, const QString& sound, int minutes, Moment presentUtc);
    // Takes the snoozes due by presentUtc (their minute has come), in time order.
    std::vector<Snoozed> TakeDue(Moment presentUtc);
    const std::vector<Snoozed>& Waiting() const { return waiting_; }

  private:
    std::vector<Snoozed> waiting_;
};

}  // namespace hx::alarms
