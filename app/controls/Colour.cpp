#include "app/controls/Colour.h"

#include <array>

namespace {

struct SystemColour {
    Colour number;
    QColor colour;
};

// The standard scheme's values for the system colours the window uses.
const std::array<SystemColour, 4> kSystemColours{{
    {colours::kMenuText, QColor(0, 0, 0)},
    {colours::kMenuBar, QColor(212, 208, 200)},
    {colours::kButtonText, QColor(0, 0, 0)},
    {colours::kButtonFace, QColor(212, 208, 200)},
}};

}  // namespace

QColor toQColor(Colour colour)
{
    for (const SystemColour& system : kSystemColours) {
        if (system.number == colour) {
            return system.colour;
        }
    }
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}
