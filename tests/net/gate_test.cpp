// The Internet switch, the refresh option and the start-up lookups, with scripted answers.
#include <gtest/gtest.h>

#include "core/error.h"
#include "net/gate.h"

using namespace hx;
using namespace hx::net;

namespace {

// Answers the gate's question and counts how often it was asked.
struct Asker {
    bool answer = false;
    QStringList asked;
    AskFunction Fn() {
        return [this](const QString& q) {
            asked << q;
            return answer;
        };
    }
};

OptionsModel Options(bool disabled, bool refresh = false, bool clock = false) {
    OptionsModel o;
    o.SetChecked("Disabled1", disabled);
    o.SetChecked("Refresh1", refresh);
    o.SetChecked("Clockon1", clock);
    return o;
}

}  // namespace

TEST(Gate, AsksOnlyWhileDisabledAndEnablesOnConsent) {
    struct Row {
        bool disabled, answer, passes, asked;
    } rows[] = {
        {false, false, true, false},
        {true, true, true, true},
        {true, false, false, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.disabled << r.answer);
        OptionsModel o = Options(r.disabled);
        const OptionsModel before = o;
        Asker ask{r.answer, {}};
        EXPECT_EQ(PassInternetGate(o, ask.Fn()), r.passes);
        EXPECT_EQ(ask.asked.size(), r.asked ? 1 : 0);
        if (r.asked) {
            EXPECT_EQ(ask.asked[0], "This will activate Internet functions.  OK?");
        }
        if (r.passes) {
            EXPECT_FALSE(o.Checked("Disabled1"));
        } else {
            EXPECT_EQ(o, before);  // No changes nothing
        }
    }
}

TEST(Gate, DisabledClickOnlyInverts) {
    OptionsModel o = Options(false, true, true);
    ToggleInternetDisabled(o);
    EXPECT_EQ(o.Differences(Options(false, true, true)), QStringList{"Disabled1"});
    EXPECT_FALSE(RefreshTickLooksUp(o));
    ToggleInternetDisabled(o);
    EXPECT_TRUE(RefreshTickLooksUp(o));
}

TEST(Gate, RefreshClick) {
    struct Row {
        const char* name;
        bool refresh, disabled, clock, answer, timerBefore;
        bool refreshAfter, disabledAfter, timerAfter, runClock;
        int asked;
    } rows[] = {
        {"unchecking leaves a running timer", true, false, true, false, true,  //
         false, false, true, false, 0},
        {"unchecking leaves a stopped timer", true, true, false, false, false,  //
         false, true, false, false, 0},
        {"on while enabled, clock on", false, false, true, false, false,  //
         true, false, true, false, 0},
        {"on while the clock is off runs its handler", false, false, false, false, false,  //
         true, false, true, true, 0},
        {"on while disabled, Yes", false, true, true, true, false,  //
         true, false, true, false, 1},
        {"on while disabled, No stops the timer", false, true, true, false, true,  //
         false, true, false, false, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        OptionsModel o = Options(r.disabled, r.refresh, r.clock);
        Asker ask{r.answer, {}};
        const RefreshClickResult result = RefreshClick(o, ask.Fn(), r.timerBefore);
        EXPECT_EQ(o.Checked("Refresh1"), r.refreshAfter);
        EXPECT_EQ(o.Checked("Disabled1"), r.disabledAfter);
        EXPECT_EQ(o.Checked("Clockon1"), r.clock);
        EXPECT_EQ(result.timer2Enabled, r.timerAfter);
        EXPECT_EQ(result.runClockHandler, r.runClock);
        EXPECT_EQ(ask.asked.size(), r.asked);
    }
}

TEST(Gate, PrepareLookup) {
    struct Row {
        const char* name;
        bool disabled, answer, user;
        const char* url;
        bool busy;
        LookupStart start;
        int asked;
    } rows[] = {
        {"go", false, false, true, "http://w/forexml.cgi?1", false, LookupStart::Go, 0},
        {"running download: no question", true, true, true, "http://w", true, LookupStart::Busy, 0},
        {"declined", true, false, true, "http://w", false, LookupStart::Declined, 1},
        {"consent", true, true, true, "http://w", false, LookupStart::Go, 1},
        {"user, no address", false, false, true, "", false, LookupStart::NoAddress, 0},
        {"timed, no address", false, false, false, "", false, LookupStart::Skip, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        OptionsModel o = Options(r.disabled);
        Asker ask{r.answer, {}};
        EXPECT_EQ(PrepareLookup(o, ask.Fn(), r.user, r.url, r.busy), r.start);
        EXPECT_EQ(ask.asked.size(), r.asked);
    }
}
