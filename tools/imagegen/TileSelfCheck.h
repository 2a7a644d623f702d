#pragma once

#include <QStringList>

// Checks the tile table and the pictures drawn from it before anything is
// written: lettered codes must be their family's tile turned a quarter turn
// left per letter, in the table and in the drawing alike, and every label
// spot must stay light enough for a black digit. Returns the problems found.
QStringList checkTilePictures();
