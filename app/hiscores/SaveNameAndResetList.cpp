// The two buttons of the hi-score list: saving the player's name with the
// final score, and emptying the list.
#include "app/Game.h"
#include "app/MessageBoxes.h"
#include "app/hiscores/HiScoreFailure.h"
#include "common/GameWords.h"
#include "replay/RecordingFile.h"
#include "scoring/Captions.h"
#include "storage/GameDatabase.h"
#include "storage/HiScoreQuery.h"
#include "storage/Recordings.h"

#include <optional>

namespace {

// Adds the row to the list, the file opened afresh first when asked; what went
// wrong, or nothing once the row is in. The name goes in as a bound value,
// exactly as typed: quotes, semicolons and blanks are part of it, never of
// the statement.
std::optional<DatabaseError> saveHiScore(Connection& cn, RecordSet& rs, const QList<QVariant>& row,
                                         const QByteArray& recording, bool reopen)
{
    try {
        if (reopen) {
            reopenGameDatabase(cn);
        }
        hiscores::openInto(rs, cn, hiscores::kTable);
        if (recording.isEmpty()) {
            cn.addRow(hiscores::kTable, row);
        } else {
            recordings::addRowWithRecording(cn, row, recording);
        }
        return std::nullopt;
    } catch (const DatabaseError& error) {
        return error;
    }
}

}  // namespace

void Game::Label37_Click()
{
    if (ui.Text1.text().isEmpty()) {
        boxes.show(QStringLiteral("*insert a name"), MessageBoxes::Buttons::Ok, words::kTitle);
        return;
    }

    // Every try saves the name and score as they were when the player chose
    // to save.
    const QList<QVariant> row{ui.Text1.text(), captions::toNumber(ui.Label17.caption()), int(levelNumber)};
    const QByteArray recording = recorder.lastGame() ? replay::encode(*recorder.lastGame()) : QByteArray();
    bool reopen = false;
    savedRow = recordings::RowValues{row.at(0), row.at(1), row.at(2)};
    while (const std::optional<DatabaseError> failure = saveHiScore(cn, rs, row, recording, reopen)) {
        // A player who frees the disk, closes the other program or puts the
        // file back keeps the score; one who gives up gets back to the menu
        // instead of being held on a panel that cannot be left. The rows
        // already saved stay as they are either way.
        reopen = askToTryAgain(boxes, QStringLiteral("The hi-score could not be saved"), *failure);
        if (!reopen) {
            break;
        }
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
        recordings::deleteAllWith(cn, sqlText);
    } catch (const DatabaseError& error) {
        // The delete runs whole or not at all, so the list on the panel is
        // still the list in the file.
        reportHiScoreFailure(boxes, QStringLiteral("The hi-scores could not be reset"), error);
        return;
    }
    ShowHiScores();
}
