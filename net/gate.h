// The Internet switch: the question before user-started network use, the refresh option
// and the hourly refresh timer's decisions, over the menu's check marks.
#pragma once

#include <functional>
#include <optional>

#include <QString>

#include "menu/options_model.h"

namespace hx::net {

QString InternetQuestion();  // "This will activate Internet functions.  OK?"

// Asks a Yes/No question; true for Yes.
using AskFunction = std::function<bool(const QString& question)>;

// The gate of a lookup the user started. With "Disable internet functions" checked the
// question is asked; No returns false and changes nothing. Otherwise Internet functions
// are switched on (Disabled1 unchecked) and true is returned.
bool PassInternetGate(OptionsModel& options, const AskFunction& ask);

// onInternetSwitchClicked: inverts the switch and nothing else.
void ToggleInternetDisabled(OptionsModel& options);

// What onRefreshClicked leaves for the window to do.
struct RefreshClickResult {
    bool timer2Enabled;    // the refresh timer's new enabled flag
    bool runClockHandler;  // run onClockOnClicked once (the clock option is off)
};
// onRefreshClicked: inverts Refresh1; when it becomes checked, passes the gate (a No unchecks
// it again and stops the timer) and couples with the clock option.
RefreshClickResult RefreshClick(OptionsModel& options, const AskFunction& ask, bool timer2Enabled);

// onRefreshTick: a tick runs the weather lookup only while Internet functions are enabled.
bool RefreshTickLooksUp(const OptionsModel& options);

// Whether a lookup goes ahead. A download already running wins (no lookup inside another,
// no question asked); then the gate; then the address: a lookup the user started and whose
// address is not set gets NoAddress (the window says which key to set), a timed or start-up
// one gets Skip.
enum class LookupStart { Go, Busy, Declined, NoAddress, Skip };
LookupStart PrepareLookup(OptionsModel& options, const AskFunction& ask, bool userStarted,
                          const QString& url, bool downloadRunning);

}  // namespace hx::net
