#pragma once

#include "app/Screen.h"

#include <span>

class Player;

// A named situation of the window that the screenshot tool can put it in,
// played from a window that has just started up; it ends on `screen`.
struct ScreenshotState {
    const char* name;
    const char* description;
    Screen screen;
    void (*prepare)(Player& player);
};

std::span<const ScreenshotState> screenshotStates();
