#pragma once

#include "app/MessageBoxes.h"

#include <functional>

class GameRecorder;

// The boxes the game asks its questions through: the player's answer to a
// question during a recorded game goes into its recording, and while a
// recorded game is played again, the recording answers instead of the player.
class RecordedAnswers final : public MessageBoxes {
public:
    explicit RecordedAnswers(MessageBoxes& shown) : shown_(shown) {}
    Answer show(const QString& prompt, Buttons buttons, const QString& title, Icon icon = Icon::None) override;

    // Where the answers go; none before the game is made.
    GameRecorder* recorder = nullptr;
    // Set while a recorded game plays: waits for the recorded answer's moment.
    std::function<Answer()> playedBack;

private:
    MessageBoxes& shown_;
};
