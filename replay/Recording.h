#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// A recorded game: where chance started, and every input that reached the
// rules, with the time it came. Replaying the inputs against a board dealt
// from the same place plays the same game again.
namespace replay {

// What reached the game's rules, in the order it came. The numbers are stored
// in files: never renumber.
enum class Input : std::uint8_t {
    PictureClick = 1,       // a click on cell `cell`'s picture
    FirstNumberClick = 2,   // on its first number label
    SecondNumberClick = 3,  // on its second number label
    NextLevel = 4,
    Quit = 5,  // the red X; the answer to its question follows as its own step
    AnswerYes = 6,
    AnswerNo = 7,
    Pause = 8,
    Resume = 9,
    End = 10,  // the game ended here (its last step)
};

// True for the three clicks, the only inputs that name a cell.
bool takesCell(Input input);

struct Step {
    std::int64_t atMs = 0;  // on the game's clock, from the moment the game started
    Input input = Input::End;
    std::int16_t cell = -1;  // 0..307 for the clicks, -1 otherwise
    bool operator==(const Step&) const = default;
};

struct Recording {
    std::uint64_t generatorState = 0;  // where the first board starts in the random sequence
    std::vector<Step> steps;
    bool operator==(const Recording&) const = default;
};

// No real game lasts a day; a recording that does was made up or damaged.
constexpr std::int64_t kLongestGameMs = 24LL * 60 * 60 * 1000;

// Holds steps to the rules a game's recording keeps, one at a time, so that a
// recording in memory and one being read from a file are refused in the same
// words. The words are a sentence for a player: lower-case, no full stop,
// steps counted from 1.
class StepRules {
public:
    explicit StepRules(qsizetype stepCount) : stepCount_(stepCount) {}

    // Why the next step cannot follow the ones before it, or an empty string.
    // The cell is wider than a Step's so that a reader can pass the number it
    // found before narrowing it.
    QString next(std::int64_t atMs, Input input, std::int64_t cell);

private:
    qsizetype stepCount_;
    qsizetype index_ = 0;
    std::int64_t lastAtMs_ = 0;
};

// Why `recording` could not have come from a game, or an empty string.
QString problemWith(const Recording& recording);

}  // namespace replay
