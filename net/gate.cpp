// The Internet switch and the refresh timer's rules.
#include "gate.h"

#include "core/error.h"

namespace hx::net {

namespace {
const QString kDisabled = StoredName(Option::InternetDisabled);
const QString kRefresh = StoredName(Option::Refresh);
const QString kClock = StoredName(Option::ClockOn);
}  // namespace

QString InternetQuestion() {
    return QStringLiteral("This will activate Internet functions.  OK?");
}

bool PassInternetGate(OptionsModel& options, const AskFunction& ask) {
    if (options.Checked(kDisabled) && !(ask && ask(InternetQuestion()))) return false;
    options.SetChecked(kDisabled, false);
    return true;
}

void ToggleInternetDisabled(OptionsModel& options) {
    options.Invert(kDisabled);
}

RefreshClickResult RefreshClick(OptionsModel& options, const AskFunction& ask, bool timer2Enabled) {
    if (!options.Invert(kRefresh)) return {timer2Enabled, false};
    if (options.Checked(kDisabled) && !(ask && ask(InternetQuestion())))
        options.SetChecked(kRefresh, false);
    bool runClock = false;
    if (options.Checked(kRefresh)) {
        options.SetChecked(kDisabled, false);
        runClock = !options.Checked(kClock);
    }
    return {options.Checked(kRefresh), runClock};
}

bool RefreshTickLooksUp(const OptionsModel& options) {
    return !options.Checked(kDisabled);
}

LookupStart PrepareLookup(OptionsModel& options, const AskFunction& ask, bool userStarted,
                          const QString& url, bool downloadRunning) {
    if (downloadRunning) return LookupStart::Busy;
    if (!PassInternetGate(options, ask)) return LookupStart::Declined;
    if (url.isEmpty()) return userStarted ? LookupStart::NoAddress : LookupStart::Skip;
    return LookupStart::Go;
}

}  // namespace hx::net
