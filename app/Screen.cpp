#include "app/Screen.h"

#include "app/Form1Controls.h"

#include <array>

Screen screen(const Form1Controls& ui)
{
    // The panels lie over everything else, the name entry over the list, and
    // the three information panels over the menu, which stays shown beneath.
    if (ui.Picture5.visible()) {
        return ui.Picture6.visible() ? Screen::NameEntry : Screen::HiScores;
    }
    if (ui.Picture8.visible()) {
        return Screen::HowToPlay;
    }
    if (ui.Picture7.visible()) {
        return Screen::Credits;
    }
    if (ui.Picture4.visible()) {
        return Screen::Menu;
    }
    // A game is on. A level the player paused lies under its cover, its
    // timers standing still.
    if (ui.PauseCover.visible()) {
        return Screen::Paused;
    }
    // Otherwise its timers tell where it stands. The pause counts down
    // whatever else a quit left behind; NEXT LEVEL shows only on a won level.
    if (ui.Timer5.enabled()) {
        return Screen::GameOverPause;
    }
    if (ui.Command2.visible()) {
        return Screen::LevelWon;
    }
    return ui.Timer4.enabled() ? Screen::Countdown : Screen::Playing;
}

const char* screenWords(Screen shown)
{
    static constexpr std::array<const char*, 10> kWords{
        "menu",    "hi-scores", "how to play", "credits",   "countdown",
        "playing", "paused",    "level won",   "game over", "name entry",
    };
    return kWords.at(std::size_t(shown));
}
