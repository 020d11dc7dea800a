// Placeholder pictures drawn in code, used until the program's artwork is linked in.
// Each function stands for one image list; switch the callers to the artwork when it lands.
#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

namespace hx::ui {

QList<QIcon> PlaceholderPageIcons();          // ImageList1: 9 page icons, 16 x 16
QPixmap PlaceholderMoonPicture(int picture);  // MoonImageList: picture 0..28, 50 x 50
QIcon PlaceholderMoonIcon(int icon);          // MoonIconList: icon 0..28, 16 x 16
QIcon PlaceholderPlanetIcon(int body);        // PlanetImageList: body 0..6, 16 x 16
QIcon PlaceholderOnOffIcon(int state);        // OnOff: 0 on, 1 off
QIcon PlaceholderLightningGlyph();            // SpeedButton1's glyph

}  // namespace hx::ui
