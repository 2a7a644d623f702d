// NEXT LEVEL: the score carried over and the next board dealt.
#include "app/Game.h"
#include "common/Rounding.h"
#include "scoring/Rulebook.h"

void Game::Command2_Click()
{
    // The door points of every level won so far stay in doorScore; the score
    // carried is the rest. Formed in 32 bits: from level 4 the door points no
    // longer fit in 16.
    const double finalTotal = ui.Label17.caption().toDouble();
    prevLevelsScore =
        static_cast<std::int32_t>(roundHalfEven(finalTotal - std::int32_t(levelNumber) * rulebook::kDoorPoints));
    ++levelNumber;
    BuildLevel();
    ui.Command2.setVisible(false);
}
