#include "app/replay/RecordedInputs.h"

#include "app/Game.h"

namespace {

using replay::Input;

struct RecordedAction {
    Input input;
    GameAction action;
};
const RecordedAction kActions[] = {
    {Input::NextLevel, &Game::Command2_Click},
    {Input::Quit, &Game::Label27_Click},
    {Input::Pause, &Game::PauseLevel},
    {Input::Resume, &Game::ResumeLevel},
};

struct RecordedCellAction {
    Input input;
    CellAction action;
    Control& (*control)(Form1Controls&, std::int16_t);
};
const RecordedCellAction kCellActions[] = {
    {Input::PictureClick, &Game::Picture1_Click,
     [](Form1Controls& ui, std::int16_t i) -> Control& { return ui.Picture1[i]; }},
    {Input::FirstNumberClick, &Game::Label1_Click,
     [](Form1Controls& ui, std::int16_t i) -> Control& { return ui.Label1[i]; }},
    {Input::SecondNumberClick, &Game::Label2_Click,
     [](Form1Controls& ui, std::int16_t i) -> Control& { return ui.Label2[i]; }},
};

template <typename Row, typename Action> std::optional<Input> inputOf(const Row& rows, Action action)
{
    for (const auto& row : rows) {
        if (row.action == action) {
            return row.input;
        }
    }
    return std::nullopt;
}

template <typename Row> auto actionOf(const Row& rows, Input input) -> decltype(rows[0].action)
{
    for (const auto& row : rows) {
        if (row.input == input) {
            return row.action;
        }
    }
    return nullptr;
}

}  // namespace

std::optional<Input> recordedAs(GameAction action) { return inputOf(kActions, action); }
std::optional<Input> recordedAs(CellAction action) { return inputOf(kCellActions, action); }
GameAction gameActionOf(Input input) { return actionOf(kActions, input); }
CellAction cellActionOf(Input input) { return actionOf(kCellActions, input); }

Control& cellControlOf(Form1Controls& ui, Input input, std::int16_t cell)
{
    for (const RecordedCellAction& row : kCellActions) {
        if (row.input == input) {
            return row.control(ui, cell);
        }
    }
    return ui.Picture1[cell];
}
