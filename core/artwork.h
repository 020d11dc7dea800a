// The program's pictures, drawn by code: Moon phases, planet symbols, alarm lamps, page icons.
#pragma once

#include <QImage>
#include <QList>

#include "observer.h"

namespace hx {

inline constexpr int kMoonPictureCount = 29;

// The lit share of the disc shown by Moon picture 0..28: dark at 0 and 28, full at 13 and
// 14; picture n - 1 belongs to phase index n.
double MoonPictureLitFraction(int picture);
// True while pictures 0..13 are waxing (lit on the right in the northern view).
bool MoonPictureWaxing(int picture);

// MoonImageList: 29 opaque pictures of 50x50, northern view unless mirrored.
QList<QImage> MoonImageList(bool mirrored = false);
// MoonIconList: 29 icons of 16x16 on a transparent ground, same order.
QList<QImage> MoonIconList(bool mirrored = false);
// An icon of that list drawn at another size (8 to 49 pixels), for panels larger than 16.
QImage MoonIconOfSize(int index, int size, bool mirrored);
// PlanetImageList: 7 icons of 16x16, a coloured disc with the body's symbol, body order.
QList<QImage> PlanetImageList();
// OnOff: 0 the bright red lamp (alarm on), 1 the dark red lamp (off), 16x16.
QList<QImage> OnOff();
// ImageList1: the nine 16x16 page icons.
QList<QImage> ImageList1();

// South of the equator the Moon is seen mirrored left to right.
inline bool MoonSeenMirrored(const Observer& obs) {
    return obs.Latitude < 0;
}
// The picture and the tray icon of a phase index 1..28 (clamped), as seen from the site.
QImage MoonPictureForPhase(int phaseIndex, bool mirrored);
QImage MoonIconForPhase(int phaseIndex, bool mirrored);

}  // namespace hx
