// Simple drawn stand-ins for the image lists.
#include "artwork_placeholder.h"

#include <QPainter>
#include <QPainterPath>

namespace hx::ui {

namespace {

QPixmap Blank(int size) {
    QPixmap p(size, size);
    p.fill(Qt::transparent);
    return p;
}

// A Moon disc lit by the phase: picture 0 and 28 dark, 14 full, waxing lit on the right.
QPixmap MoonDisc(int picture, int size, bool opaque) {
    QPixmap p = Blank(size);
    if (opaque) p.fill(Qt::black);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(40, 40, 48));
    g.drawEllipse(disc);
    const double t = qBound(0, picture, 28) / 28.0;     // 0 new, 0.5 full, 1 new
    const double lit = t <= 0.5 ? t * 2 : (1 - t) * 2;  // 0..1
    if (lit > 0.02) {
        const bool rightSide = t <= 0.5;
        // The terminator is an ellipse whose half-width runs from r (new) through 0 to r (full).
        const double r = disc.width() / 2, cx = disc.center().x();
        const double w = std::abs(1 - 2 * lit) * r;
        QPainterPath half;
        half.moveTo(cx, disc.top());
        half.arcTo(disc, 90, rightSide ? -180 : 180);
        QPainterPath term;
        term.addEllipse(QPointF(cx, disc.center().y()), w, r);
        QPainterPath litPath = lit < 0.5 ? half.subtracted(term) : half.united(term);
        g.setBrush(QColor(235, 230, 200));
        g.drawPath(litPath);
    }
    return p;
}

QIcon Glyph(QColor color, const QString& text) {
    QPixmap p = Blank(16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(color);
    g.setPen(color.darker(160));
    g.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    g.setPen(Qt::white);
    QFont f = g.font();
    f.setPixelSize(11);
    f.setBold(true);
    g.setFont(f);
    g.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    return QIcon(p);
}

}  // namespace

QList<QIcon> PlaceholderPageIcons() {
    return {Glyph(Qt::gray, ""),
            Glyph(QColor(40, 110, 200), "?"),
            Glyph(QColor(170, 90, 40), "H"),
            Glyph(QColor(90, 140, 60), "o"),
            Glyph(QColor(120, 120, 120), "="),
            Glyph(QColor(200, 60, 40), "!"),
            Glyph(QColor(160, 60, 40), "A"),
            Glyph(QColor(60, 90, 160), "C"),
            Glyph(QColor(60, 90, 160), "1")};
}

QPixmap PlaceholderMoonPicture(int picture) {
    return MoonDisc(picture, 50, true);
}

QIcon PlaceholderMoonIcon(int icon) {
    return QIcon(MoonDisc(icon, 16, false));
}

QIcon PlaceholderPlanetIcon(int body) {
    static const QColor colors[] = {
        QColor(230, 170, 0), QColor(150, 150, 170), QColor(120, 120, 90), QColor(60, 160, 80),
        QColor(200, 40, 30), QColor(80, 90, 190),   QColor(60, 60, 60)};
    static const char* letters[] = {"S", "M", "m", "V", "M", "J", "S"};
    const int b = qBound(0, body, 6);
    return Glyph(colors[b], QString::fromLatin1(letters[b]));
}

QIcon PlaceholderOnOffIcon(int state) {
    QPixmap p = Blank(16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(state == 0 ? QColor(255, 40, 30) : QColor(90, 20, 20));
    g.setPen(Qt::black);
    g.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(p);
}

QIcon PlaceholderLightningGlyph() {
    QPixmap p = Blank(16);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(250, 200, 0));
    g.setPen(QColor(120, 90, 0));
    const QPointF bolt[] = {{9, 1}, {3, 9}, {7.5, 9}, {6, 15}, {13, 6}, {8.5, 6}, {10.5, 1}};
    g.drawPolygon(bolt, 7);
    return QIcon(p);
}

}  // namespace hx::ui
