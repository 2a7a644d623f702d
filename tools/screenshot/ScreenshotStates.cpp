#include "tools/screenshot/ScreenshotStates.h"

#include "app/Form1.h"

namespace {

void menu(Form1&) {}

// A first level as "new game" deals it, before the countdown has run.
void levelOneDealt(Form1& form)
{
    Game& game = form.game();
    game.prevLevelsScore = 0;
    game.levelNumber = 1;
    game.doorScore = 0;
    game.BuildLevel();
    form.controls().Picture4.setVisible(false);
    game.StepSquares();
}

const ScreenshotState kStates[] = {
    {"menu", "the window right after start-up: banner and menu", menu},
    {"level1", "level 1 dealt: the board, the counters and the countdown's \"3\"", levelOneDealt},
};

}  // namespace

std::span<const ScreenshotState> screenshotStates()
{
    return kStates;
}
