// Reading and writing the "Window" section, and fitting a saved place to the screens.
#include "window_place.h"

#include <QList>

namespace hx::ui {

namespace {
const QString kSection = QStringLiteral("Window");

std::optional<int> Number(const IniDocument& doc, const char* key) {
    bool ok = false;
    const int v =
        IniValueText(doc.Raw(kSection, QLatin1String(key)).value_or(QString())).toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}
}  // namespace

std::optional<WindowPlace> LoadWindowPlace(const TExtIniF& store) {
    const IniDocument doc = store.Document();
    const auto left = Number(doc, "Left"), top = Number(doc, "Top");
    const auto width = Number(doc, "Width"), height = Number(doc, "Height");
    if (!left || !top || !width || !height || *width < 100 || *height < 100) return std::nullopt;
    WindowPlace p;
    p.geometry = QRect(*left, *top, *width, *height);
    p.maximized = IniValueBool(doc.Raw(kSection, QStringLiteral("Maximized"))).value_or(false);
    p.page = IniValueText(doc.Raw(kSection, QStringLiteral("Page")).value_or(QString()));
    return p;
}

void SaveWindowPlace(TExtIniF& store, const WindowPlace& place) {
    store.Modify([&](IniDocument& doc) {
        doc.Set(kSection, QStringLiteral("Left"), QString::number(place.geometry.x()));
        doc.Set(kSection, QStringLiteral("Top"), QString::number(place.geometry.y()));
        doc.Set(kSection, QStringLiteral("Width"), QString::number(place.geometry.width()));
        doc.Set(kSection, QStringLiteral("Height"), QString::number(place.geometry.height()));
        doc.Set(kSection, QStringLiteral("Maximized"), place.maximized ? "1" : "0");
        doc.Set(kSection, QStringLiteral("Page"), place.page);
    });
}

QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& available) {
    if (available.isEmpty()) return saved;
    for (const QRect& screen : available)
        if (screen.intersects(saved)) {
            QRect r = saved;
            r.setSize(r.size().boundedTo(screen.size()));
            return r;
        }
    const QRect& first = available.front();
    QRect r(first.topLeft(), saved.size().boundedTo(first.size()));
    return r;
}

}  // namespace hx::ui
