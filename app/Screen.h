#pragma once

#include <cstdint>
#include <initializer_list>

struct Form1Controls;

// The screens the player meets, as the game moves between them: the menu and
// the three panels that open over it, the countdown that opens a level, play,
// a level the player paused, the result screen of a won level, the pause
// after a lost game, and the name entry for a new hi-score.
enum class Screen : std::uint8_t {
    Menu,
    HiScores,
    HowToPlay,
    Credits,
    Countdown,
    Playing,
    Paused,
    LevelWon,
    GameOverPause,
    NameEntry,
};

// The screen the window shows now. The game keeps no record of it: it is read
// from the panels that are shown and the timers that run, so it can never
// disagree with what the player sees.
Screen screen(const Form1Controls& ui);

// How the game calls a screen: "menu", "how to play", "level won".
const char* screenWords(Screen shown);

// A set of screens, for what holds on several of them.
class Screens {
public:
    constexpr Screens() = default;
    constexpr Screens(std::initializer_list<Screen> screens)
    {
        for (const Screen one : screens) {
            bits_ |= bit(one);
        }
    }
    constexpr bool contains(Screen one) const { return (bits_ & bit(one)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }

private:
    static constexpr std::uint16_t bit(Screen one) { return std::uint16_t(1U << unsigned(one)); }
    std::uint16_t bits_ = 0;
};
