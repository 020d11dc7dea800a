// The main window's place on the desktop and its page, kept in heliodex.ini's "Window" section.
#pragma once

#include <optional>

#include <QRect>
#include <QString>

#include "settings/extini.h"

namespace hx::ui {

struct WindowPlace {
    QRect geometry;  // the normal (not maximized) frame-less geometry
    bool maximized = false;
    QString page;  // the current page's stored name (StoredName(Page::…))
};

// The saved place; nullopt when the section is missing or its size is not a usable number.
std::optional<WindowPlace> LoadWindowPlace(const TExtIniF& store);
// Writes Left, Top, Width, Height, Maximized and Page in one replacement of the file.
void SaveWindowPlace(TExtIniF& store, const WindowPlace& place);

// The height the window system's title bar is taken to have, above the frame-less geometry.
inline constexpr int kTitleBarHeight = 24;

// Where a saved geometry goes on the screens there are now: it stays where at least half of
// its title bar's width and half of its area lie on the screens; otherwise it moves, title bar
// and all, onto the screen that holds most of it (or the nearest), keeping its size as far as
// that screen allows.
QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& available);

}  // namespace hx::ui
