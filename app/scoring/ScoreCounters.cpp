#include "app/Game.h"

#include "scoring/Captions.h"

namespace {
constexpr const char* kTimeBonusAtStart = "10000";
constexpr std::int16_t kClicksAtStart = 3000;
constexpr int kTimeBonusStep = 10;
constexpr std::int16_t kFastClickStep = 10;
// Once the countdown of a move has run out it rests here, above zero only in
// name, so that further ticks show the bare bank without running it down.
constexpr std::int16_t kFastClickSpent = 2;
}  // namespace

std::int32_t Game::TotalScore() const
{
    // In this order, as the counters stand in their captions. The squares count
    // twice, once as shown and once as last counted.
    using captions::toNumber;
    return toNumber(ui.Label8.caption()) + toNumber(ui.Label7.caption()) + toNumber(ui.Label11.caption()) +
           toNumber(ui.Label13.caption()) + toNumber(ui.Labeldoor.caption()) + prevLevelsScore +
           toNumber(ui.Label29.caption()) + squaresScore;
}

void Game::ShowTotalScore() { ui.Label16.setCaption(captions::fromNumber(TotalScore())); }

void Game::ResetLevelCounters()
{
    squaresCarry = 0;
    ui.Label29.setCaption(captions::fromNumber(squaresCarry));
    ui.Label7.setCaption(QLatin1String(kTimeBonusAtStart));
    ui.Label8.setCaption(QStringLiteral("0"));
    fastClickBank = 0;
    fastClickBonus = kFastClickCountdown;
    clickScore = kClicksAtStart;
    ui.Label11.setCaption(captions::fromNumber(clickScore));
    ui.Label13.setCaption(QStringLiteral("0"));
    movePoints = 0;
    ui.Labeldoor.setCaption(captions::fromNumber(doorScore));
    ui.Label21.setCaption(captions::fromNumber(prevLevelsScore));
    // squaresScore keeps the last level's value until the first squares tick.
    ShowTotalScore();
}

void Game::StepTimeBonus()
{
    if (ui.Label7.caption() != QLatin1String("0")) {
        ui.Label7.setCaption(QString::number(ui.Label7.caption().toDouble() - kTimeBonusStep));
    }
    ShowTotalScore();
}

void Game::StepFastClick()
{
    fastClickBonus -= kFastClickStep;
    if (fastClickBonus > 0) {
        ui.Label8.setCaption(captions::fromNumber(fastClickBank + fastClickBonus));
    } else {
        ui.Label8.setCaption(captions::fromNumber(fastClickBank));
        fastClickBonus = kFastClickSpent;
    }
    ShowTotalScore();
}

void Game::StepSquares()
{
    CountSquares();
    ui.Label29.setCaption(captions::fromNumber(std::int64_t(squaresCarry) + squaresScore));
    ShowTotalScore();
}
