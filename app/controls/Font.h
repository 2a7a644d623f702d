#pragma once

#include <QString>

class QFont;

// A font as the window design gives it. Captions use the game's digital face;
// the numbers on the cells use the plain system font.
struct Font {
    enum class Face { Caption, System };

    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Face face = Face::Caption;
};

// What to tell a player whose machine has none of the faces the game draws in,
// which the game then draws as boxes: the faces and the Debian packages that
// bring them. Empty when a face is there.
QString missingFacesWarning();

// The Qt font for a design font, sized in pixels at 96 dpi so that the text
// fits the twips layout whatever the screen reports.
QFont toQFont(const Font& font);

// The same font drawn `scale` times as large, for the real widgets of a
// scaled window: every measure of it grows together, the spacing of the
// substitute face's cells included.
QFont scaledQFont(const Font& font, double scale);
