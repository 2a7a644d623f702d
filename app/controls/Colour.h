#pragma once

#include <QColor>
#include <cstdint>

// Colours as the game writes them: &HBBGGRR, blue in the high byte. A value
// &H800000nn is not a colour but the number of a system colour.
using Colour = std::uint32_t;

namespace colours {
constexpr Colour kMenuText = 0x80000007;  // black in the standard scheme
constexpr Colour kMenuBar = 0x80000004;   // light grey in the standard scheme
constexpr Colour kButtonText = 0x80000012;
constexpr Colour kButtonFace = 0x8000000F;  // the grey of buttons and plain panels
constexpr Colour kRed = 0x0000FF;
constexpr Colour kDarkRed = 0x0000C0;
constexpr Colour kGreen = 0x00C000;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kOlive = 0x008080;
constexpr Colour kLightBlue = 0xED9487;
constexpr Colour kGrey = 0x808080;
constexpr Colour kBrightGreen = 0x00FF00;
}  // namespace colours

QColor toQColor(Colour colour);
