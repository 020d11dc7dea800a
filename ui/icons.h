// The image lists as icons and pixmaps for the widgets.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace hx::ui {

QList<QIcon> PageIcons();                            // ImageList1
QPixmap MoonPicture(int phaseIndex, bool mirrored);  // MoonImageList, phase 1..28
// The pixel sizes the tray icons are drawn at: the panels' usual sizes at scale 1 and 2.
inline constexpr int kTrayIconSizes[] = {16, 22, 24, 32, 44, 48};
QIcon MoonIcon(int iconIndex, bool mirrored);  // MoonIconList, 0..28, at kTrayIconSizes
QIcon PlanetIcon(int body);                    // PlanetImageList, 0..6
QIcon OnOffIcon(int state);                    // OnOff: 0 on, 1 off
QIcon LightningGlyph();                        // nowButton

// The application icon: the icon theme's "heliodex" where the package installed it, else the
// copy compiled into the program; null only in a build made without rsvg-convert.
QIcon ApplicationIcon();

}  // namespace hx::ui
