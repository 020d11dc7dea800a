// The drawn pictures: list sizes, the Moon's lit share and side, mirroring, distinct icons.
#include <gtest/gtest.h>

#include <QColor>
#include <QPainter>

#include <cmath>

#include "core/artwork.h"

using namespace hx;

namespace {
struct LitCount {
    int disc = 0, lit = 0, litRight = 0;
};

// Counts disc and lit pixels; the unlit disc is dark grey, the lit part near white.
LitCount Count(const QImage& img) {
    LitCount c;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.alpha() < 128 || (p.red() < 20 && p.green() < 20)) continue;
            // The icons' mid-grey rim belongs to neither part.
            if (std::abs(p.red() - 128) < 16 && std::abs(p.blue() - 140) < 16) continue;
            ++c.disc;
            if (p.red() > 150) {
                ++c.lit;
                if (x >= img.width() / 2) ++c.litRight;
            }
        }
    return c;
}

// WCAG relative luminance of an opaque colour.
double Luminance(const QColor& c) {
    const auto lin = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}

// Pixels of the icon, laid on the ground, that stand out from it at 3:1 or more.
int PixelsStandingOut(const QImage& icon, const QColor& ground) {
    QImage onGround(icon.size(), QImage::Format_RGB32);
    onGround.fill(ground);
    QPainter(&onGround).drawImage(0, 0, icon);
    const double lg = Luminance(ground);
    int n = 0;
    for (int y = 0; y < onGround.height(); ++y)
        for (int x = 0; x < onGround.width(); ++x) {
            const double l = Luminance(onGround.pixelColor(x, y));
            if ((std::max(l, lg) + 0.05) / (std::min(l, lg) + 0.05) >= 3.0) ++n;
        }
    return n;
}
}  // namespace

// Every tray icon shows on a dark and on a light panel: a ring of at least 32 pixels at 3:1.
TEST(Artwork, TrayIconsStandOutOnBlackAndWhite) {
    const struct {
        const char* name;
        QList<QImage> icons;
    } lists[] = {{"Moon", MoonIconList(false)},
                 {"Moon, southern", MoonIconList(true)},
                 {"planets", PlanetImageList()}};
    for (const auto& list : lists)
        for (int i = 0; i < list.icons.size(); ++i)
            for (const QColor& ground : {QColor(Qt::black), QColor(Qt::white)})
                EXPECT_GE(PixelsStandingOut(list.icons[i], ground), 32)
                    << list.name << " " << i << " on " << ground.name().toStdString();
}

TEST(Artwork, ListSizes) {
    const std::tuple<QList<QImage>, int, int> rows[] = {
        {MoonImageList(), 29, 50}, {MoonImageList(true), 29, 50},
        {MoonIconList(), 29, 16},  {PlanetImageList(), 7, 16},
        {OnOff(), 2, 16},          {ImageList1(), 9, 16}};
    for (const auto& [list, count, size] : rows) {
        ASSERT_EQ(list.size(), count);
        for (const QImage& img : list) EXPECT_EQ(img.size(), QSize(size, size));
    }
    // The large Moon pictures have no transparent pixels.
    for (const QImage& img : MoonImageList())
        for (int i = 0; i < 50; ++i) EXPECT_EQ(img.pixelColor(i, i).alpha(), 255);
}

TEST(Artwork, MoonLitShareAndSide) {
    for (int pic : {0, 1, 3, 6, 10, 13, 14, 18, 21, 25, 27, 28}) {
        const double f = MoonPictureLitFraction(pic);
        for (const QList<QImage>& list : {MoonImageList(), MoonIconList()}) {
            const LitCount c = Count(list[pic]);
            ASSERT_GT(c.disc, 0);
            EXPECT_NEAR(double(c.lit) / c.disc, f, list[pic].width() > 16 ? 0.04 : 0.1) << pic;
            // Northern view: waxing lit on the right, waning on the left.
            if (f > 0 && f < 0.9) {
                const bool right = 2 * c.litRight > c.lit;
                EXPECT_EQ(right, pic <= 13) << pic;
            }
        }
    }
    EXPECT_EQ(MoonPictureLitFraction(6), 0.5);
    EXPECT_EQ(MoonPictureLitFraction(21), 0.5);
    EXPECT_EQ(MoonPictureLitFraction(13), 1.0);
}

TEST(Artwork, SouthernMoonIsMirrored) {
    for (int index : {1, 4, 7, 20, 28}) {
        const QImage north = MoonPictureForPhase(index, false);
        EXPECT_EQ(north, MoonImageList()[index - 1]);
        EXPECT_EQ(MoonPictureForPhase(index, true), north.mirrored(true, false));
        EXPECT_EQ(MoonIconForPhase(index, true), MoonIconList()[index - 1].mirrored(true, false));
    }
    EXPECT_NE(MoonPictureForPhase(4, true), MoonPictureForPhase(4, false));
    Observer south;
    south.Latitude = -33.9;
    EXPECT_TRUE(MoonSeenMirrored(south));
    EXPECT_FALSE(MoonSeenMirrored(Observer{}));
}

TEST(Artwork, IconsAreDistinctAndLampsDiffer) {
    for (const QList<QImage>& list : {PlanetImageList(), ImageList1()})
        for (int i = 0; i < list.size(); ++i)
            for (int j = i + 1; j < list.size(); ++j) EXPECT_NE(list[i], list[j]) << i << " " << j;
    const QColor on = OnOff()[0].pixelColor(8, 8), off = OnOff()[1].pixelColor(8, 8);
    EXPECT_GT(on.red(), off.red() + 80);
    EXPECT_GT(on.red(), 2 * on.green());
}
