// The menu model: the table, the radio-group rule and the Thelemic style it gives.
#include <gtest/gtest.h>

#include "core/thelemic.h"
#include "menu/options_model.h"

using namespace hx;

TEST(MenuModel, TableAndDesignMarks) {
    EXPECT_EQ(MenuItems().size(), 51u);
    const OptionsModel o;
    QStringList checked;
    for (const auto& d : MenuItems())
        if (o.Checked(d.name)) checked << d.name;
    EXPECT_EQ(checked,
              QStringList({"Long1", "Long2", "IVx1", "An1", "N11", "Degrees1", "Solarevents1",
                           "PlanetaryHours1", "Moonphase1", "MoonPhase2"}));
    EXPECT_FALSE(o.Has("Nonesuch"));
    EXPECT_FALSE(o.Checked("Nonesuch"));
}

TEST(MenuModel, GroupRule) {
    OptionsModel o;
    o.Invert("Short1");  // checking one clears the others of its group
    EXPECT_TRUE(o.Checked("Short1"));
    EXPECT_FALSE(o.Checked("Long1"));
    EXPECT_TRUE(o.Checked("Long2"));  // another group is untouched
    o.Invert("Short1");               // clearing sets none
    EXPECT_FALSE(o.Checked("Short1"));
    EXPECT_FALSE(o.Checked("Long1"));
    EXPECT_FALSE(o.Checked("Roman1"));
    EXPECT_FALSE(o.Checked("None3"));

    // The check item of the year group neither clears nor is cleared.
    o.Invert("Nospace1");
    EXPECT_TRUE(o.Checked("IVx1"));
    o.Invert("N4x1");
    EXPECT_TRUE(o.Checked("Nospace1"));
    EXPECT_FALSE(o.Checked("IVx1"));

    // Degrees1 is alone in its group: it behaves as a check item.
    o.Invert("Degrees1");
    EXPECT_FALSE(o.Checked("Degrees1"));
    EXPECT_TRUE(o.Checked("N11"));

    // Task bar group.
    o.Invert("PlanetaryHours2");
    EXPECT_FALSE(o.Checked("MoonPhase2"));
    EXPECT_TRUE(o.Checked("PlanetaryHours1"));
    EXPECT_EQ(o.Differences(OptionsModel()).size(), 7);
}

TEST(MenuModel, ThelemicLineThroughTheModel) {
    const struct {
        QStringList clicks;
        const char* line;
    } rows[] = {
        {{}, "An V x Sol 24° Gemini Luna 13° Virgo "},
        {{"Degrees1"}, "An V x Sol Gemini Luna Virgo "},
        {{"Anno1", "Nospace1", "N4X2"}, "Anno 5X Sol 24° Gemini Luna 13° Virgo "},
        {{"iv101"}, "An v 10 Sol 24° Gemini Luna 13° Virgo "},
        {{"ivX2", "None1"}, "v X Sol 24° Gemini Luna 13° Virgo "},
        {{"N4x1", "Degrees1"}, "An 5 x Sol Gemini Luna Virgo "},
        {{"An1"}, "Sol 24° Gemini Luna 13° Virgo "},
        {{"IVx1"}, "An   Sol 24° Gemini Luna 13° Virgo "},
        {{"IVx1", "Nospace1"}, "An  Sol 24° Gemini Luna 13° Virgo "},
    };
    for (const auto& r : rows) {
        OptionsModel o;
        for (const QString& c : r.clicks) o.Invert(c);
        EXPECT_EQ(ThelemicDateText(2024, 6, 84.5, 163.2, ThelemicStyleOf(o)),
                  QString::fromUtf8(r.line))
            << r.clicks.join(',').toStdString();
    }
}
