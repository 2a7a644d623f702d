#include "tools/screenshot/ScreenshotStates.h"

#include "app/Form1.h"

namespace {

void menu(Form1&) {}

const ScreenshotState kStates[] = {
    {"menu", "the window right after start-up: banner and menu", menu},
};

}  // namespace

std::span<const ScreenshotState> screenshotStates()
{
    return kStates;
}
