#include "scoring/Counters.h"

#include "common/Rounding.h"
#include "scoring/Rulebook.h"

namespace counters {

std::int32_t total(const Shown& shown, std::int32_t prevLevelsScore, std::int32_t squaresScore)
{
    return shown.fastClick + shown.timeBonus + shown.clicks + shown.points + shown.door + prevLevelsScore +
           shown.squares + squaresScore;
}

FastClickTick fastClickTick(std::int32_t bank, std::int16_t countdown)
{
    countdown = std::int16_t(countdown - rulebook::kFastClickStep);
    if (countdown > 0) {
        return {countdown, bank + countdown};
    }
    return {rulebook::kFastClickSpent, bank};
}

std::int32_t carriedScore(double finalTotal, std::int16_t levelNumber)
{
    // Formed in 32 bits: from level 4 the door points no longer fit in 16.
    return static_cast<std::int32_t>(roundHalfEven(finalTotal - std::int32_t(levelNumber) * rulebook::kDoorPoints));
}

}  // namespace counters
