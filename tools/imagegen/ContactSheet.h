#pragma once

#include <QImage>

// A preview of every picture as the game will show it: tiles at 66 and at 33
// pixels on the black window with digits in their label spots, the 33-pixel
// ones also enlarged to judge them pixel by pixel, then the how-to-play
// icons, the window icon and the banner at its on-screen size.
QImage renderContactSheet();
