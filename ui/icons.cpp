// Icons from the program's drawn artwork; the lightning glyph is drawn here.
#include "icons.h"

#include <QFile>
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
    static const QList<QImage> north = MoonIconList(false), south = MoonIconList(true);
    return At(mirrored ? south : north, iconIndex);
}

QIcon PlanetIcon(int body) {
    static const QList<QImage> planets = PlanetImageList();
    return At(planets, body);
}

QIcon OnOffIcon(int state) {
    static const QList<QImage> lamps = OnOff();
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
