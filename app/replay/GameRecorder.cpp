#include "app/replay/GameRecorder.h"

#include "app/controls/Timer.h"

#include <utility>

std::int64_t GameRecorder::sinceStart() const { return clock_ ? clock_->now() - startMs_ : 0; }

void GameRecorder::started(std::optional<std::uint64_t> generatorState)
{
    lastGame_.reset();
    current_.reset();
    if (generatorState) {
        startMs_ = clock_ ? clock_->now() : 0;
        current_ = replay::Recording{*generatorState, {}};
    }
}

void GameRecorder::note(replay::Input input, std::int16_t cell)
{
    if (current_) {
        current_->steps.push_back({sinceStart(), input, cell});
    }
}

void GameRecorder::ended()
{
    if (current_) {
        note(replay::Input::End);
        lastGame_ = std::exchange(current_, std::nullopt);
    }
}
