// Icons from the program's drawn artwork; the lightning glyph is drawn here.
#include "icons.h"

#include <QFile>
#include <QHash>
#include <QPainter>

#include "core/artwork.h"

namespace hx::ui {

namespace {
QIcon At(const QList<QImage>& list, int i) {
    return i >= 0 && i < list.size() ? QIcon(QPixmap::fromImage(list[i])) : QIcon();
}
}  // namespace

QList<QIcon> PageIcons() {
    QList<QIcon> icons;
    for (const QImage& image : ImageList1()) icons << QIcon(QPixmap::fromImage(image));
    return icons;
}

QPixmap MoonPicture(int phaseIndex, bool mirrored) {
    return QPixmap::fromImage(MoonPictureForPhase(phaseIndex, mirrored));
}

QIcon MoonIcon(int iconIndex, bool mirrored) {
    // Drawn at each size a panel asks for, so its rim stays sharp at twice the scale; kept,
    // as the tray asks again on every tick.
    static QHash<int, QIcon> made;
    if (iconIndex < 0 || iconIndex >= MoonIconList(false).size()) return QIcon();
    const int key = iconIndex * 2 + (mirrored ? 1 : 0);
    if (const auto it = made.constFind(key); it != made.constEnd()) return *it;
    QIcon icon(QPixmap::fromImage(MoonIconList(mirrored).at(iconIndex)));
    for (int size : kTrayIconSizes)
        if (size != 16)
            icon.addPixmap(QPixmap::fromImage(MoonIconOfSize(iconIndex, size, mirrored)));
    return made[key] = icon;
}

QIcon PlanetIcon(int body) {
    static const QList<QImage> planets = PlanetImageList();
    return At(planets, body);
}

QIcon OnOffIcon(int state) {
    // The lit lamp carries a white check mark, so on and off differ in shape, not only in
    // shade, for eyes that cannot tell the two reds apart.
    static const QList<QImage> lamps = [] {
        QList<QImage> l = OnOff();
        QPainter p(&l[0]);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{4.6, 8.2}, {7.2, 10.8}, {11.6, 5.4}};
        p.drawPolyline(tick, 3);
        return l;
    }();
    return At(lamps, state);
}

QIcon LightningGlyph() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(250, 200, 0));
    g.setPen(QColor(120, 90, 0));
    const QPointF bolt[] = {{9, 1}, {3, 9}, {7.5, 9}, {6, 15}, {13, 6}, {8.5, 6}, {10.5, 1}};
    g.drawPolygon(bolt, 7);
    return QIcon(p);
}

QIcon ApplicationIcon() {
    const QIcon themed = QIcon::fromTheme(QStringLiteral("heliodex"));
    if (!themed.isNull()) return themed;
    QIcon built;
    for (int size : {16, 32, 64, 256}) {
        const QString png = QStringLiteral(":/appicon/heliodex-%1.png").arg(size);
        if (QFile::exists(png)) built.addFile(png, QSize(size, size));
    }
    return built;
}

}  // namespace hx::ui
