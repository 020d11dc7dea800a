// Reading and writing the "Window" section, and fitting a saved place to the screens.
#include "window_place.h"

#include <algorithm>

#include <QList>

#include "menu/stored_names.h"

namespace hx::ui {

namespace {
const QString kSection = StoredName(Section::Window);

std::optional<int> Number(const IniDocument& doc, Key key) {
    bool ok = false;
    const int v = IniValueText(doc.Raw(kSection, StoredName(key)).value_or(QString())).toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}
}  // namespace

std::optional<WindowPlace> LoadWindowPlace(const TExtIniF& store) {
    const IniDocument doc = store.Document();
    const auto left = Number(doc, Key::Left), top = Number(doc, Key::Top);
    const auto width = Number(doc, Key::Width), height = Number(doc, Key::Height);
    if (!left || !top || !width || !height || *width < 100 || *height < 100) return std::nullopt;
    WindowPlace p;
    p.geometry = QRect(*left, *top, *width, *height);
    p.maximized = IniValueBool(doc.Raw(kSection, StoredName(Key::Maximized))).value_or(false);
    p.page = IniValueText(doc.Raw(kSection, StoredName(Key::Page)).value_or(QString()));
    return p;
}

void SaveWindowPlace(TExtIniF& store, const WindowPlace& place) {
    store.Modify([&](IniDocument& doc) {
        doc.Set(kSection, StoredName(Key::Left), QString::number(place.geometry.x()));
        doc.Set(kSection, StoredName(Key::Top), QString::number(place.geometry.y()));
        doc.Set(kSection, StoredName(Key::Width), QString::number(place.geometry.width()));
        doc.Set(kSection, StoredName(Key::Height), QString::number(place.geometry.height()));
        doc.Set(kSection, StoredName(Key::Maximized), place.maximized ? "1" : "0");
        doc.Set(kSection, StoredName(Key::Page), place.page);
    });
}

QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& available) {
    if (available.isEmpty() || saved.isEmpty()) return saved;
    // The title bar lies above the frame-less geometry; it must be there to move the window.
    const QRect titleBar(saved.left(), saved.top() - kTitleBarHeight, saved.width(),
                         kTitleBarHeight);
    qint64 shown = 0, titleShown = 0;
    for (const QRect& screen : available) {
        const QRect part = screen.intersected(saved), title = screen.intersected(titleBar);
        shown += qint64(part.width()) * part.height();
        if (title.height() == kTitleBarHeight) titleShown += title.width();
    }
    const qint64 area = qint64(saved.width()) * saved.height();
    if (2 * titleShown >= saved.width() && 2 * shown >= area) return saved;
    // Elsewhere: onto the screen that holds most of it, or the nearest, wholly and title bar
    // included, at its saved size as far as the screen allows.
    const auto distance = [&saved](const QRect& screen) {
        const QPoint c = saved.center();
        const int dx = std::max({screen.left() - c.x(), 0, c.x() - screen.right()});
        const int dy = std::max({screen.top() - c.y(), 0, c.y() - screen.bottom()});
        return qint64(dx) * dx + qint64(dy) * dy;
    };
    const QRect* best = &available.front();
    for (const QRect& screen : available) {
        const QRect a = screen.intersected(saved), b = best->intersected(saved);
        const qint64 areaA = qint64(a.width()) * a.height(), areaB = qint64(b.width()) * b.height();
        if (areaA > areaB || (areaA == areaB && distance(screen) < distance(*best))) best = &screen;
    }
    const QRect room = best->adjusted(0, kTitleBarHeight, 0, 0);
    QRect r(saved.topLeft(), saved.size().boundedTo(room.size()));
    r.moveLeft(std::clamp(r.left(), room.left(), room.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), room.top(), room.bottom() + 1 - r.height()));
    return r;
}

}  // namespace hx::ui
