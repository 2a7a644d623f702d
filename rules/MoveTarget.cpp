#include "rules/MoveTarget.h"

#include "board/Board.h"
#include "board/TileCodes.h"
#include "scoring/Rulebook.h"

#include <array>

namespace moves {

namespace {

using tiles::Leg;

// Cells moved along each direction, indexed by Leg.
using Steps = std::array<int, 5>;

struct Warning {
    bool (*applies)(const CellCodes& cellCodes, int cell);
    TargetWarning says;
};

// The first that applies wins, so a used black hole still warns of the black
// hole.
const Warning kTargetWarnings[] = {
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kTileCode) == tiles::kBlackHole; },
     {"*black hole", Tone::Warning}},
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kUsedMark) == 1; },
     {"*box already used", Tone::Warning}},
    {[](const CellCodes& c, int cell) { return c(cell, CellCodes::kTileCode) == tiles::kDoor; },
     {"*door", Tone::Welcome}},
};

}  // namespace

Move offeredFrom(int cell, const CellValue& code, int first, int second)
{
    Steps steps{};
    if (const tiles::ArrowTile* tile = tiles::findArrowTile(code)) {
        steps[size_t(tile->firstLeg)] = first;
        if (tile->secondLeg != Leg::None) {
            steps[size_t(tile->secondLeg)] = second;
        }
    }
    const int right = steps[size_t(Leg::Right)];
    const int left = steps[size_t(Leg::Left)];
    const int down = steps[size_t(Leg::Down)];
    const int up = steps[size_t(Leg::Up)];
    return {board::rowOf(cell) + down - up, board::columnOf(cell) + right - left,
            std::int16_t(rulebook::kMovePointsPerCell * (down + up + right + left))};
}

const TargetWarning* warningAbout(const CellCodes& cellCodes, int target)
{
    for (const Warning& warning : kTargetWarnings) {
        if (warning.applies(cellCodes, target)) {
            return &warning.says;
        }
    }
    return nullptr;
}

}  // namespace moves
