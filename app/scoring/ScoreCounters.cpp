#include "app/Game.h"

#include "scoring/Captions.h"
#include "scoring/Counters.h"
#include "scoring/Rulebook.h"

std::int32_t Game::TotalScore() const
{
    // As the counters stand in their captions.
    using captions::toNumber;
    const counters::Shown shown{toNumber(ui.Label8.caption()),    toNumber(ui.Label7.caption()),
                                toNumber(ui.Label11.caption()),   toNumber(ui.Label13.caption()),
                                toNumber(ui.Labeldoor.caption()), toNumber(ui.Label29.caption())};
    return counters::total(shown, prevLevelsScore, squaresScore);
}

void Game::ShowTotalScore() { ui.Label16.setCaption(captions::fromNumber(TotalScore())); }

void Game::ResetLevelCounters()
{
    squaresCarry = 0;
    ui.Label29.setCaption(captions::fromNumber(squaresCarry));
    ui.Label7.setCaption(captions::fromNumber(rulebook::kTimeBonusAtStart));
    ui.Label8.setCaption(QStringLiteral("0"));
    fastClickBank = 0;
    fastClickBonus = rulebook::kFastClickAtStart;
    clickScore = rulebook::kClicksAtStart;
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
        ui.Label7.setCaption(QString::number(ui.Label7.caption().toDouble() - rulebook::kTimeBonusStep));
    }
    ShowTotalScore();
}

void Game::StepFastClick()
{
    const counters::FastClickTick tick = counters::fastClickTick(fastClickBank, fastClickBonus);
    fastClickBonus = tick.countdown;
    ui.Label8.setCaption(captions::fromNumber(tick.shown));
    ShowTotalScore();
}

void Game::StepSquares()
{
    CountSquares();
    ui.Label29.setCaption(captions::fromNumber(std::int64_t(squaresCarry) + squaresScore));
    ShowTotalScore();
}
