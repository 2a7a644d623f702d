// The hi-score list on the window: the ten best rows on the hi-score panel and
// the result line a final score earns.
#include "app/Game.h"
#include "app/MessageBoxes.h"
#include "app/hiscores/HiScoreFailure.h"
#include "common/GameWords.h"
#include "scoring/Captions.h"
#include "storage/HiScoreQuery.h"

#include <iterator>

namespace {

constexpr Colour kNewHiScoreColour = colours::kGreen;
constexpr Colour kGameOverColour = colours::kDarkRed;

// The list columns of the panel, each filled from the query column of the
// same position.
constexpr Label Form1Controls::*kListColumns[] = {
    &Form1Controls::Label32,
    &Form1Controls::Label33,
    &Form1Controls::Label34,
};
static_assert(std::size(kListColumns) == hiscores::kColumnsRead);

void showNewHiScore(Form1Controls& ui)
{
    ui.Label5.setCaption(words::kNewHiScore);
    ui.Label27.setVisible(false);
    ui.Label5.setForeColor(kNewHiScoreColour);
    ui.Label17.setForeColor(kNewHiScoreColour);
}

void showGameOver(Form1Controls& ui)
{
    ui.Label27.setEnabled(false);
    ui.Label17.setForeColor(kGameOverColour);
    ui.Label5.setForeColor(kGameOverColour);
    ui.Label5.setCaption(words::kGameOver);
}

QString failureText(const QString& whatFailed, const DatabaseError& error)
{
    return whatFailed + QStringLiteral(":\n") + error.message();
}

void reportUnreadable(MessageBoxes& boxes, const DatabaseError& error)
{
    reportHiScoreFailure(boxes, QStringLiteral("The hi-score list could not be read"), error);
}

}  // namespace

void reportHiScoreFailure(MessageBoxes& boxes, const QString& whatFailed, const DatabaseError& error)
{
    boxes.show(failureText(whatFailed, error), MessageBoxes::Buttons::Ok, words::kTitle, MessageBoxes::Icon::Critical);
}

bool askToTryAgain(MessageBoxes& boxes, const QString& whatFailed, const DatabaseError& error)
{
    const QString question = failureText(whatFailed, error) +
                             QStringLiteral("\n\nRetry tries again once that is put right; Cancel gives it up.");
    return boxes.show(question, MessageBoxes::Buttons::RetryCancel, words::kTitle, MessageBoxes::Icon::Critical) ==
           MessageBoxes::Answer::Retry;
}

void Game::ShowHiScores()
{
    for (Label Form1Controls::*column : kListColumns) {
        (ui.*column).setCaption(QString());
    }
    // The caller tells the player once its own work is done.
    if (const auto failure = hiscores::readBestFirst(cn, rs)) {
        reportUnreadable(boxes, *failure);
        return;
    }
    if (rs.eof()) {
        return;
    }

    const std::int16_t last = hiscores::lastRowOf(rs);
    for (cellIndex = 0; cellIndex <= last; ++cellIndex) {
        if (cellIndex >= hiscores::kShownRows) {
            continue;
        }
        for (int position = 0; position < hiscores::kColumnsRead; ++position) {
            Label& column = ui.*kListColumns[position];
            // A null value shows as an empty line; numbers as plain decimal.
            column.setCaption(column.caption() + rs.value(position, cellIndex).toString() + QChar(10));
        }
    }
}

void Game::CheckHiScore()
{
    // A game watched again went into the list: it shows the result it earned
    // then, whatever the list holds now.
    if (watching) {
        showNewHiScore(ui);
        return;
    }
    std::int16_t rank = hiscores::kNoRank;
    // An unreadable list takes no score: nothing could be saved into it anyway.
    const auto failure = hiscores::readBestFirst(cn, rs);
    if (!failure) {
        rank = hiscores::rankAmong(captions::toNumber(ui.Label17.caption()), rs);
        if (!rs.eof()) {
            cellIndex = std::int16_t(hiscores::lastRowOf(rs) + 1);  // where the walk down the list stops
        }
    }

    if (rank != hiscores::kNoRank) {
        showNewHiScore(ui);
    } else {
        showGameOver(ui);
    }
    // Told only once the result line is written: the pause after the game
    // keeps ticking while the box waits, and its last tick must find the
    // result there, however long the player takes to answer.
    if (failure) {
        reportUnreadable(boxes, *failure);
    }
}
