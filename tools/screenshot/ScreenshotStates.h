#pragma once

#include <span>

class Form1;

// A named situation of the window that the screenshot tool can put it in,
// starting from a window that has just started up.
struct ScreenshotState {
    const char* name;
    const char* description;
    void (*prepare)(Form1& form);
};

std::span<const ScreenshotState> screenshotStates();
