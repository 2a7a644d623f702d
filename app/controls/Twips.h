#pragma once

// The window is laid out in twips, as its designer measured it: 1440 to the
// inch, 15 to a pixel at 96 dots per inch. Controls keep the twips they were
// given, so the game reads back exactly what it wrote; only the widgets below
// them work in pixels.
namespace twips {

constexpr int kPerPixel = 15;

// Rounded to the nearest pixel, so that edges laid out 520 twips apart keep a
// steady rhythm instead of drifting by truncation.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
}

// A font size in points drawn at the 96 dpi the layout assumes.
constexpr int pointsToPixels(double points)
{
    // NOLINTNEXTLINE(bugprone-incorrect-roundings): sizes are positive; std::lround is not constexpr before C++23
    return static_cast<int>(points * 96.0 / 72.0 + 0.5);
}

}  // namespace twips
