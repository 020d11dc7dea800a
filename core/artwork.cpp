// Pictures drawn with QPainter, so the program ships no image files.
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace hx {

namespace {

constexpr int kIcon = 16;
constexpr int kPicture = 50;
const QColor kLit(246, 240, 214);
const QColor kUnlit(52, 54, 64);

QImage Blank(int size, const QColor& ground = Qt::transparent) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(ground);
    return img;
}

void Antialiased(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
}

QPen Stroke(const QColor& c, double width = 1.4) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A mid-grey ring along the edge of an icon's disc: it stands out at 3:1 or more against
// black and against white, so a new Moon shows on a dark panel and a full Moon on a light one.
const QColor kRim(128, 132, 140);
constexpr double kRimWidth = 1.5;
// The ring just outside a disc of radius r; it grows with the icon, a 16-pixel icon's is
// kRimWidth wide.
double RimWidth(int size) {
    return kRimWidth * std::max(1.0, size / 16.0);
}
void Rim(QPainter& p, QPointF c, double r, double width) {
    p.setPen(QPen(kRim, width));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r + width / 2, r + width / 2);
}

// The lit part of a disc: the limb on the lit side, back along the terminator, an ellipse
// whose half-width makes the lit area the given share of the disc.
QPainterPath LitRegion(QPointF c, double r, double fraction, bool litOnRight) {
    QPainterPath path;
    if (fraction <= 0) return path;
    const double k = 1 - 2 * std::clamp(fraction, 0.0, 1.0);
    const double side = litOnRight ? 1 : -1;
    constexpr int n = 64;
    for (int i = 0; i <= n; ++i) {  // limb, top to bottom
        const double v = -1 + 2.0 * i / n;
        const QPointF pt(c.x() + side * r * std::sqrt(1 - v * v), c.y() + r * v);
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    for (int i = n; i >= 0; --i) {  // terminator, bottom to top
        const double v = -1 + 2.0 * i / n;
        path.lineTo(c.x() + side * k * r * std::sqrt(1 - v * v), c.y() + r * v);
    }
    path.closeSubpath();
    return path;
}

QImage DrawMoon(int picture, int size, const QColor& ground) {
    QImage img = Blank(size, ground);
    QPainter p(&img);
    Antialiased(p);
    const QPointF c(size / 2.0, size / 2.0);
    // An icon's disc leaves room for its rim, so a thin crescent stays whole inside it.
    const double r = size / 2.0 - (size >= kPicture ? 2.0 : 0.25 + RimWidth(size));
    p.setPen(Qt::NoPen);
    p.setBrush(kUnlit);
    p.drawEllipse(c, r, r);
    p.setBrush(kLit);
    p.drawPath(LitRegion(c, r, MoonPictureLitFraction(picture), MoonPictureWaxing(picture)));
    if (size < kPicture) Rim(p, c, r, RimWidth(size));  // the picture has its own black ground
    return img;
}

QList<QImage> MoonList(int size, const QColor& ground, bool mirrored) {
    QList<QImage> list;
    for (int i = 0; i < kMoonPictureCount; ++i) {
        const QImage img = DrawMoon(i, size, ground);
        list << (mirrored ? img.mirrored(true, false) : img);
    }
    return list;
}

// Planet symbols in a 16-unit square, stroked in the symbol colour.
void DrawSymbol(QPainter& p, int body, const QColor& ink) {
    p.setPen(Stroke(ink));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    switch (body) {
        case 0:  // Sun: circle with a point
            p.drawEllipse(QPointF(8, 8), 4.2, 4.2);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(QPointF(8, 8), 1.3, 1.3);
            break;
        case 1: {  // Moon: crescent bulging to the right
            QPainterPath outer, inner;
            outer.addEllipse(QPointF(8, 8), 5, 5);
            inner.addEllipse(QPointF(5.6, 8), 4.3, 4.3);
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawPath(outer.subtracted(inner));
            break;
        }
        case 2:  // Mercury: horns, circle, cross
            path.moveTo(5.6, 2.2);
            path.cubicTo(6.2, 4.2, 9.8, 4.2, 10.4, 2.2);
            path.addEllipse(QPointF(8, 7), 2.5, 2.5);
            path.moveTo(8, 9.5);
            path.lineTo(8, 14);
            path.moveTo(6, 12);
            path.lineTo(10, 12);
            p.drawPath(path);
            break;
        case 3:  // Venus: circle over a cross
            path.addEllipse(QPointF(8, 6), 3, 3);
            path.moveTo(8, 9);
            path.lineTo(8, 14);
            path.moveTo(5.8, 11.6);
            path.lineTo(10.2, 11.6);
            p.drawPath(path);
            break;
        case 4:  // Mars: circle with an arrow to the upper right
            path.addEllipse(QPointF(6.8, 9.2), 3, 3);
            path.moveTo(8.9, 7.1);
            path.lineTo(12.4, 3.6);
            path.moveTo(9.2, 3.6);
            path.lineTo(12.4, 3.6);
            path.lineTo(12.4, 6.8);
            p.drawPath(path);
            break;
        case 5:  // Jupiter: the curved stroke over a bar, crossed by a stem
            path.moveTo(4, 5.2);
            path.cubicTo(4.6, 2.6, 8.8, 2.6, 7.6, 6.4);
            path.lineTo(4.4, 10.6);
            path.lineTo(12.6, 10.6);
            path.moveTo(10.4, 3.4);
            path.lineTo(10.4, 13.8);
            p.drawPath(path);
            break;
        case 6:  // Saturn: a cross whose stem ends in a sickle
            path.moveTo(6.4, 2.4);
            path.lineTo(6.4, 11.6);
            path.moveTo(4.2, 4.6);
            path.lineTo(8.6, 4.6);
            path.moveTo(6.4, 8.4);
            path.cubicTo(7.6, 6.4, 11, 6.6, 10.8, 9.4);
            path.cubicTo(10.6, 11, 9, 11.8, 10.6, 13.8);
            p.drawPath(path);
            break;
        default:
            break;
    }
}

QImage PlanetIcon(int body) {
    struct Colours {
        QColor disc, ink;
    };
    static const Colours colours[7] = {
        {{240, 188, 40}, {112, 58, 0}},    // Sun
        {{206, 210, 222}, {36, 44, 84}},   // Moon
        {{236, 150, 54}, {70, 34, 0}},     // Mercury
        {{58, 158, 84}, {255, 255, 255}},  // Venus
        {{202, 46, 38}, {255, 255, 255}},  // Mars
        {{56, 96, 200}, {255, 255, 255}},  // Jupiter
        {{104, 82, 56}, {255, 236, 190}},  // Saturn
    };
    QImage img = Blank(kIcon);
    QPainter p(&img);
    Antialiased(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colours[body].disc);
    p.drawEllipse(QPointF(8, 8), 7.6, 7.6);
    Rim(p, QPointF(8, 8), 7.6 - kRimWidth, kRimWidth);
    DrawSymbol(p, body, colours[body].ink);
    return img;
}

QImage Lamp(bool on) {
    QImage img = Blank(kIcon);
    QPainter p(&img);
    Antialiased(p);
    QRadialGradient g(QPointF(6.5, 6), 7.5);
    g.setColorAt(0, on ? QColor(255, 170, 160) : QColor(120, 30, 30));
    g.setColorAt(0.45, on ? QColor(250, 30, 24) : QColor(92, 8, 8));
    g.setColorAt(1, on ? QColor(176, 0, 0) : QColor(52, 0, 0));
    p.setPen(QPen(QColor(40, 0, 0), 0.8));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 6.6, 6.6);
    return img;
}

void ClockFace(QPainter& p, QPointF c, double r) {
    p.setPen(Stroke(QColor(40, 40, 40), 1.1));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.drawLine(c, c + QPointF(0, -r * 0.7));
    p.drawLine(c, c + QPointF(r * 0.55, 0));
}

void AlarmClock(QPainter& p, bool ringing) {
    p.setPen(Stroke(QColor(40, 40, 40), 1.1));
    p.setBrush(QColor(214, 52, 44));
    p.drawEllipse(QPointF(4.4, 4), 2.2, 2.2);  // bells
    p.drawEllipse(QPointF(11.6, 4), 2.2, 2.2);
    p.drawLine(QPointF(5, 14.6), QPointF(6, 13.2));  // feet
    p.drawLine(QPointF(11, 14.6), QPointF(10, 13.2));
    ClockFace(p, QPointF(8, 9), 5);
    if (ringing) {
        p.setPen(Stroke(QColor(214, 52, 44), 1.1));
        p.drawLine(QPointF(0.6, 7.5), QPointF(1.8, 8.5));
        p.drawLine(QPointF(0.6, 11), QPointF(1.8, 10.4));
        p.drawLine(QPointF(15.4, 7.5), QPointF(14.2, 8.5));
        p.drawLine(QPointF(15.4, 11), QPointF(14.2, 10.4));
    }
}

void CalendarPage(QPainter& p) {
    p.setPen(Stroke(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 2.5, 11, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(2.5, 2.5, 11, 3.2));
}

QImage PageIcon(int index) {
    QImage img = Blank(kIcon);
    QPainter p(&img);
    Antialiased(p);
    const QColor ink(60, 60, 60);
    switch (index) {
        case 0:  // empty frame
            p.setPen(Stroke(QColor(110, 110, 110), 1));
            p.drawRect(QRectF(2.5, 2.5, 11, 11));
            break;
        case 1: {  // globe with a magnifying glass
            p.setPen(Stroke(QColor(20, 70, 140), 1));
            p.setBrush(QColor(90, 160, 230));
            p.drawEllipse(QPointF(6.5, 6.5), 5.5, 5.5);
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(6.5, 6.5), 2.4, 5.5);
            p.drawLine(QPointF(1, 6.5), QPointF(12, 6.5));
            p.setPen(Stroke(ink, 1.3));
            p.setBrush(QColor(255, 255, 255, 150));
            p.drawEllipse(QPointF(11, 11), 2.6, 2.6);
            p.setPen(Stroke(ink, 2));
            p.drawLine(QPointF(12.9, 12.9), QPointF(15, 15));
            break;
        }
        case 2:  // house
            p.setPen(Stroke(ink, 1));
            p.setBrush(QColor(236, 220, 180));
            p.drawRect(QRectF(3.5, 7.5, 9, 7));
            p.setBrush(QColor(180, 60, 40));
            p.drawPolygon(QPolygonF({QPointF(1.5, 8), QPointF(8, 1.8), QPointF(14.5, 8)}));
            p.setBrush(QColor(120, 80, 40));
            p.drawRect(QRectF(7, 10.5, 2.5, 4));
            break;
        case 3:  // ring of dots
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 100, 170));
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4;
                p.drawEllipse(QPointF(8 + 5.2 * std::cos(a), 8 + 5.2 * std::sin(a)), 1.4, 1.4);
            }
            break;
        case 4:  // written page
            p.setPen(Stroke(QColor(90, 90, 90), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(3.5, 1.5, 9, 13));
            p.setPen(Stroke(QColor(60, 60, 150), 0.9));
            for (double y = 4.5; y < 13; y += 2) p.drawLine(QPointF(5, y), QPointF(11, y));
            break;
        case 5:
        case 6:  // alarm clock, ringing or still
            AlarmClock(p, index == 5);
            break;
        case 7:  // calendar page with a clock
            CalendarPage(p);
            ClockFace(p, QPointF(10.5, 10.8), 3.6);
            break;
        case 8:  // calendar page showing the first of January
            CalendarPage(p);
            p.setPen(Stroke(ink, 1.4));
            p.drawLine(QPointF(8.6, 7.4), QPointF(8.6, 13.2));
            p.drawLine(QPointF(8.6, 7.4), QPointF(6.8, 9));
            break;
        default:
            break;
    }
    return img;
}

}  // namespace

double MoonPictureLitFraction(int picture) {
    if (picture <= 0 || picture >= 28) return 0;
    if (picture <= 13) return (picture + 1) / 14.0;
    return (28 - picture) / 14.0;
}

bool MoonPictureWaxing(int picture) {
    return picture <= 13;
}

QList<QImage> MoonImageList(bool mirrored) {
    static const QList<QImage> northern = MoonList(kPicture, Qt::black, false);
    static const QList<QImage> southern = MoonList(kPicture, Qt::black, true);
    return mirrored ? southern : northern;
}

QList<QImage> MoonIconList(bool mirrored) {
    static const QList<QImage> northern = MoonList(kIcon, Qt::transparent, false);
    static const QList<QImage> southern = MoonList(kIcon, Qt::transparent, true);
    return mirrored ? southern : northern;
}

QList<QImage> PlanetImageList() {
    static const QList<QImage> list = [] {
        QList<QImage> l;
        for (int body = 0; body < 7; ++body) l << PlanetIcon(body);
        return l;
    }();
    return list;
}

QList<QImage> OnOff() {
    static const QList<QImage> list = {Lamp(true), Lamp(false)};
    return list;
}

QList<QImage> ImageList1() {
    static const QList<QImage> list = [] {
        QList<QImage> l;
        for (int i = 0; i < 9; ++i) l << PageIcon(i);
        return l;
    }();
    return list;
}

QImage MoonPictureForPhase(int phaseIndex, bool mirrored) {
    return MoonImageList(mirrored).at(std::clamp(phaseIndex, 1, 28) - 1);
}

QImage MoonIconOfSize(int index, int size, bool mirrored) {
    const QImage img = DrawMoon(std::clamp(index, 0, kMoonPictureCount - 1),
                                std::clamp(size, 8, kPicture - 1), Qt::transparent);
    return mirrored ? img.mirrored(true, false) : img;
}

QImage MoonIconForPhase(int phaseIndex, bool mirrored) {
    return MoonIconList(mirrored).at(std::clamp(phaseIndex, 1, 28) - 1);
}

}  // namespace hx
