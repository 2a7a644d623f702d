#pragma once

#include <QColor>

// Every colour of the pictures in one place, so the tiles, the banner and the
// icons stay one family. Tiles are pale so they stand out on the black
// window and so the black digits the game writes on them read well.
namespace palette {

inline const QColor kFace(246, 240, 222);        // ivory tile face
inline const QColor kFaceLight(255, 253, 246);   // bevel catching the light
inline const QColor kFaceShadow(205, 192, 160);  // bevel turned away from it
inline const QColor kLabelSpot(255, 255, 250);   // family 1's window for its number

// One strong colour per arrow family, far apart in hue so the families can be
// told apart at a glance even at 33 pixels.
inline const QColor kFamilyStraight(24, 82, 204);  // family 1: blue
inline const QColor kFamilyLeft(206, 32, 40);      // family 2: red
inline const QColor kFamilyRight(118, 40, 170);    // family 3: violet

inline const QColor kBoxGreen(46, 160, 62);
inline const QColor kBoxGreenLight(128, 214, 120);
inline const QColor kBoxGreenDark(20, 96, 34);

inline const QColor kWood(132, 74, 30);
inline const QColor kWoodDark(82, 42, 14);
inline const QColor kGold(236, 184, 48);
inline const QColor kGoldLight(255, 230, 130);

inline const QColor kHoleCore(6, 2, 10);
inline const QColor kHoleSwirl(120, 30, 150);
inline const QColor kHoleGlow(255, 110, 20);

// The board's own frames: green rings on the trail, yellow around the door.
inline const QColor kTrailFrame(0, 255, 0);
inline const QColor kDoorFrame(255, 255, 0);

inline const QColor kWindow(0, 0, 0);

}  // namespace palette
