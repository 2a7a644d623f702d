#pragma once

#include "TileCatalogue.h"

#include <QByteArray>
#include <QImage>
#include <array>

class QPainter;

// The pictures built into the game window: the title banner, the icons of
// the how-to-play panel and the window icon.
namespace assetart {

// The banner is drawn in units of half a pixel of the design (it is shown at
// 926 x 145). It is written three times as large, for windows scaled up to
// three times, and again at one and two times: the game decodes the smallest
// file that is sharp enough rather than shrinking the largest at every start.
constexpr int kBannerWidth = 1852;
constexpr int kBannerHeight = 290;
constexpr int kBannerUnitsPerPixel = 2;
// The panels open 128 pixels down the window, over the banner's bottom strip:
// the drawing keeps above it, so a panel never slices it.
constexpr int kBannerArtHeight = 256;

// The how-to-play panel shows a family 2 tile with two "5" labels of its own,
// placed a little differently from the board's.
inline constexpr const char* kHowToArrowTile = "2c";
inline constexpr std::array<LabelPlace, 2> kHowToArrowLabels{{{0, 160}, {160, 360}}};

// The banner at `density` pixels to a pixel of the design.
QImage renderBanner(int density);

// The game's emblem: an arrow tile bending towards a door, with a transparent
// surround so it sits on any title bar or desktop. It is painted in a square
// of kEmblemUnits units at the painter's origin, so one drawing gives the
// window icon, the launcher icon at every size and the scalable launcher icon.
inline constexpr double kEmblemUnits = 64.0;
void paintEmblem(QPainter& painter);
QImage renderEmblem(int pixels);
// The same emblem as an SVG document whose view box is the emblem's square.
QByteArray renderEmblemSvg();

}  // namespace assetart
