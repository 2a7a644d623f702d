#pragma once

#include "replay/Recording.h"

#include <cstdint>
#include <optional>

class HandClock;

// Keeps what decides the game being played: where chance stood as it began,
// and each input that reached the rules, at its moment on the game's clock.
// The clock decides the order of every tick, so nothing else is needed to
// play the game again exactly.
class GameRecorder {
public:
    void attach(const HandClock& clock) { clock_ = &clock; }

    // A new game. One whose chance cannot be told (a test's scripted draws)
    // is not recorded.
    void started(std::optional<std::uint64_t> generatorState);
    // An input of the game being recorded; nothing between games.
    void note(replay::Input input, std::int16_t cell = -1);
    void ended();

    bool recording() const { return current_.has_value(); }
    // The last game played to its end; none while a game runs.
    const std::optional<replay::Recording>& lastGame() const { return lastGame_; }

private:
    std::int64_t sinceStart() const;

    const HandClock* clock_ = nullptr;
    std::int64_t startMs_ = 0;
    std::optional<replay::Recording> current_;
    std::optional<replay::Recording> lastGame_;
};
