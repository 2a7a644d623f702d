#include "rules/CellClick.h"

#include "board/TileCodes.h"

namespace turns {

Outcome outcomeOf(const GameState& state, int index, bool onPicture)
{
    if (index != state.targetCell && index != state.playerCell) {
        return Outcome::Ignored;
    }
    const CellValue& code = state.cellCodes(index, CellCodes::kTileCode);
    if (onPicture && code == tiles::kDoor) {
        return Outcome::LevelWon;
    }
    if (onPicture && code == tiles::kBlackHole) {
        return Outcome::Lost;
    }
    if (state.targetCell != -1 && index == state.targetCell &&
        state.cellCodes(state.targetCell, CellCodes::kUsedMark) == 1) {
        return Outcome::Lost;  // into a green box already used
    }
    return index == state.targetCell ? Outcome::Move : Outcome::Turn;
}

}  // namespace turns
