// The two buttons of the hi-score list: saving the player's name with the
// final score, and emptying the list.
#include "app/Game.h"
#include "app/MessageBoxes.h"
#include "app/hiscores/HiScoreFailure.h"
#include "common/GameWords.h"
#include "scoring/Captions.h"
#include "storage/HiScoreQuery.h"

void Game::Label37_Click()
{
    if (ui.Text1.text().isEmpty()) {
        boxes.show(QStringLiteral("*insert a name"), MessageBoxes::Buttons::Ok, words::kTitle);
        return;
    }

    // The name goes in as a bound value, exactly as typed: quotes, semicolons
    // and blanks are part of it, never of the statement.
    try {
        hiscores::openInto(rs, cn, hiscores::kTable);
        cn.addRow(hiscores::kTable, {ui.Text1.text(), captions::toNumber(ui.Label17.caption()), int(levelNumber)});
    } catch (const DatabaseError& error) {
        // The rows already saved stay as they are; the player still gets back
        // to the menu instead of being held on a panel that cannot be left.
        reportHiScoreFailure(boxes, QStringLiteral("The hi-score could not be saved"), error);
    }

    ui.Picture4.setVisible(true);
    ShowHiScores();
    ui.Picture6.setVisible(false);
}

void Game::Label48_Click()
{
    const MessageBoxes::Answer answer = boxes.show(QStringLiteral("Are you sure you want to reset the hi-scores?"),
                                                   MessageBoxes::Buttons::YesNo, words::kTitle);
    if (answer != MessageBoxes::Answer::Yes) {
        return;
    }

    try {
        sqlText = hiscores::kDeleteAll;
        hiscores::openInto(rs, cn, sqlText);
    } catch (const DatabaseError& error) {
        // The delete runs whole or not at all, so the list on the panel is
        // still the list in the file.
        reportHiScoreFailure(boxes, QStringLiteral("The hi-scores could not be reset"), error);
        return;
    }
    ShowHiScores();
}
