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
    QString page;  // the object name of the current page, e.g. "TabSheet1"
};

// The saved place; nullopt when the section is missing or its size is not a usable number.
std::optional<WindowPlace> LoadWindowPlace(const TExtIniF& store);
// Writes Left, Top, Width, Height, Maximized and Page in one replacement of the file.
void SaveWindowPlace(TExtIniF& store, const WindowPlace& place);

// Where a saved geometry goes on the screens there are now: a window that would lie wholly
// off them keeps its size but is moved onto the first; one larger than a screen shrinks to it.
QRect PlaceOnScreens(const QRect& saved, const QList<QRect>& available);

}  // namespace hx::ui
