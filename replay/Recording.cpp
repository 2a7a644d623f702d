#include "replay/Recording.h"

#include "board/Board.h"

namespace replay {

namespace {

bool known(Input input) { return input >= Input::PictureClick && input <= Input::End; }

}  // namespace

bool takesCell(Input input)
{
    return input == Input::PictureClick || input == Input::FirstNumberClick || input == Input::SecondNumberClick;
}

QString StepRules::next(std::int64_t atMs, Input input, std::int64_t cell)
{
    const qsizetype step = ++index_;
    if (atMs < lastAtMs_) {
        return QStringLiteral("the steps go back in time at step %1").arg(step);
    }
    if (atMs > kLongestGameMs) {
        return QStringLiteral("the game runs past 24 hours at step %1").arg(step);
    }
    lastAtMs_ = atMs;
    if (!known(input)) {
        return QStringLiteral("step %1 is of an unknown kind (%2)").arg(step).arg(int(input));
    }
    if (takesCell(input) && (cell < 0 || cell >= board::kCells)) {
        return QStringLiteral("step %1 names cell %2, and the board has %3 cells")
            .arg(step)
            .arg(cell)
            .arg(board::kCells);
    }
    if (!takesCell(input) && cell != -1) {
        return QStringLiteral("step %1 names cell %2, and only a click names one").arg(step).arg(cell);
    }
    // The end closes a game's recording and nothing else does: no step can
    // come after it, and a recording without it was cut short.
    if (input == Input::End && step < stepCount_) {
        return QStringLiteral("the game ends at step %1, and more steps follow").arg(step);
    }
    if (input != Input::End && step == stepCount_) {
        return QStringLiteral("it does not end with the game's end");
    }
    return {};
}

QString problemWith(const Recording& recording)
{
    if (recording.steps.empty()) {
        return QStringLiteral("it holds no steps");
    }
    StepRules rules(qsizetype(recording.steps.size()));
    for (const Step& step : recording.steps) {
        QString problem = rules.next(step.atMs, step.input, step.cell);
        if (!problem.isEmpty()) {
            return problem;
        }
    }
    return {};
}

}  // namespace replay
