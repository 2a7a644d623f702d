#pragma once

#include "app/MessageBoxes.h"
#include "replay/Recording.h"

#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

class Form1;

// What a game came to: the score column's counters as the window shows them,
// the final total and the level it ended on.
struct GameResult {
    QStringList counters;
    std::int32_t total = 0;
    std::int32_t level = 0;
    bool operator==(const GameResult&) const = default;
};
GameResult resultShown(Form1& form);

// Plays a recorded game again in a window, through the very handlers the
// player's inputs reach, each at its moment on the game's clock: the same
// boards, counters and messages. Whatever moves the window's clock moves the
// playback, the hand of a test or the real clock at any speed. The generator
// goes back where it stood once the playback is over, so it changes nothing
// of the game the player plays next.
class Playback {
public:
    Playback(Form1& form, replay::Recording recording);
    ~Playback();
    Playback(const Playback&) = delete;
    Playback& operator=(const Playback&) = delete;

    // Deals the first board where the recorded one was dealt; false where
    // the window's source of chance cannot go there.
    bool start();
    // Whether the recording's end has come, and whether the game had ended
    // by then, as it had when it was recorded.
    bool over() const { return over_; }
    bool endedWithTheRecording() const { return endedWithTheRecording_; }
    // Told once the recording's end has come.
    std::function<void()> onOver;

    // The game the recording holds, played through to its end on a window
    // whose timers tick by hand, as fast as the machine goes; none when the
    // recording does not come to the end it claims.
    static std::optional<GameResult> playThrough(Form1& form, const replay::Recording& recording);

private:
    void setAlarm();
    void ring();
    MessageBoxes::Answer awaitAnswer();

    Form1& form_;
    replay::Recording recording_;
    std::size_t next_ = 0;
    std::int64_t startMs_ = 0;
    std::optional<std::uint64_t> generatorBefore_;
    std::optional<MessageBoxes::Answer> answer_;
    bool over_ = false;
    bool endedWithTheRecording_ = false;
};
