// The hi-score list: the ten best rows on the hi-score panel, the test of a
// final score against them, saving the player's name and emptying the list.
#include "app/Game.h"
#include "app/MessageBoxes.h"
#include "scoring/Captions.h"
#include "storage/DatabaseError.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>

namespace {

// Best first; the trailing blank is part of the game's statement text.
const QString kBestFirst = QStringLiteral("SELECT * FROM hiscores order by punteggio desc ");
const QString kTable = QStringLiteral("hiscores");
const QString kDeleteAll = QStringLiteral("delete * from hiscores");
const QString kTitle = QStringLiteral("QUORBIT");

// Only the first rows of the list are shown and compared; the rest stay in
// the table and come back into view when better ones are deleted.
constexpr int kShownRows = 10;
constexpr int kScoreColumn = 1;
constexpr std::int16_t kNoRank = -1;
constexpr Colour kNewHiScoreColour = 0xC000;
constexpr Colour kGameOverColour = 0xC0;

// The list columns of the panel, each filled from the query column of the
// same position: name, score, level.
constexpr Label Form1Controls::*kListColumns[] = {
    &Form1Controls::Label32,
    &Form1Controls::Label33,
    &Form1Controls::Label34,
};
constexpr int kColumnsRead = int(std::size(kListColumns));

// The loop counter is 16 bits wide; a list longer than it can count is still
// walked to the end the counter reaches, and only its first rows matter.
std::int16_t lastRowOf(const RecordSet& list)
{
    return std::int16_t(std::min(list.rowCount() - 1, int(std::numeric_limits<std::int16_t>::max()) - 1));
}

// A row without a score (edited by hand) is beaten by no one.
bool beats(std::int32_t score, const QVariant& listed) { return !listed.isNull() && double(score) > listed.toDouble(); }

void report(MessageBoxes& boxes, const QString& whatFailed, const DatabaseError& error)
{
    boxes.show(whatFailed + QStringLiteral(":\n") + error.message(), MessageBoxes::Buttons::Ok, kTitle,
               MessageBoxes::Icon::Critical);
}

void showNewHiScore(Form1Controls& ui)
{
    ui.Label5.setCaption(QStringLiteral("NEW HI-SCORE"));
    ui.Label27.setVisible(false);
    ui.Label5.setForeColor(kNewHiScoreColour);
    ui.Label17.setForeColor(kNewHiScoreColour);
}

void showGameOver(Form1Controls& ui)
{
    ui.Label27.setEnabled(false);
    ui.Label17.setForeColor(kGameOverColour);
    ui.Label5.setForeColor(kGameOverColour);
    ui.Label5.setCaption(QStringLiteral("GAME OVER"));
}

// The previous record set is let go before the query runs, so a query that
// fails leaves nothing stale behind to be read.
void openInto(RecordSet& rs, Connection& cn, const QString& source)
{
    rs = RecordSet();
    rs = cn.openRecordSet(source);
}

// The best rows into rs, or why the file can no longer give them. A list that
// cannot be read counts as no list at all, so the game goes on without one;
// the caller tells the player once its own work is done.
std::optional<DatabaseError> readBestFirst(Game& game)
{
    try {
        openInto(game.rs, game.cn, kBestFirst);
        // The columns are read by position; a table rebuilt by hand with fewer
        // of them cannot be shown.
        if (game.rs.columnCount() < kColumnsRead)
            throw DatabaseError(game.cn.file(), QStringLiteral("the table hiscores has lost some of its columns"));
        return std::nullopt;
    } catch (const DatabaseError& error) {
        game.rs = RecordSet();
        return error;
    }
}

void reportUnreadable(MessageBoxes& boxes, const DatabaseError& error)
{
    report(boxes, QStringLiteral("The hi-score list could not be read"), error);
}

}  // namespace

void Game::ShowHiScores()
{
    for (Label Form1Controls::*column : kListColumns)
        (ui.*column).setCaption(QString());
    if (const auto failure = readBestFirst(*this)) {
        reportUnreadable(boxes, *failure);
        return;
    }
    if (rs.eof())
        return;

    const std::int16_t last = lastRowOf(rs);
    for (cellIndex = 0; cellIndex <= last; ++cellIndex) {
        if (cellIndex >= kShownRows)
            continue;
        for (int position = 0; position < kColumnsRead; ++position) {
            Label& column = ui.*kListColumns[position];
            // A null value shows as an empty line; numbers as plain decimal.
            column.setCaption(column.caption() + rs.value(position, cellIndex).toString() + QChar(10));
        }
    }
}

void Game::CheckHiScore()
{
    std::int16_t rank = kNoRank;
    // An unreadable list takes no score: nothing could be saved into it anyway.
    const auto failure = readBestFirst(*this);
    if (!failure) {
        if (rs.eof()) {
            rank = 0;
        } else {
            const std::int32_t score = captions::toNumber(ui.Label17.caption());
            const std::int16_t last = lastRowOf(rs);
            for (cellIndex = 0; cellIndex <= last; ++cellIndex) {
                if (cellIndex < kShownRows && beats(score, rs.value(kScoreColumn, cellIndex)))
                    rank = cellIndex;
            }
        }
    }

    if (rank != kNoRank)
        showNewHiScore(ui);
    else
        showGameOver(ui);
    // Told only once the result line is written: the pause after the game
    // keeps ticking while the box waits, and its last tick must find the
    // result there, however long the player takes to answer.
    if (failure)
        reportUnreadable(boxes, *failure);
}

void Game::Label37_Click()
{
    if (ui.Text1.text().isEmpty()) {
        boxes.show(QStringLiteral("*insert a name"), MessageBoxes::Buttons::Ok, kTitle);
        return;
    }

    // The name goes in as a bound value, exactly as typed: quotes, semicolons
    // and blanks are part of it, never of the statement.
    try {
        openInto(rs, cn, kTable);
        cn.addRow(kTable, {ui.Text1.text(), captions::toNumber(ui.Label17.caption()), int(levelNumber)});
    } catch (const DatabaseError& error) {
        // The rows already saved stay as they are; the player still gets back
        // to the menu instead of being held on a panel that cannot be left.
        report(boxes, QStringLiteral("The hi-score could not be saved"), error);
    }

    ui.Picture4.setVisible(true);
    ShowHiScores();
    ui.Picture6.setVisible(false);
}

void Game::Label48_Click()
{
    const MessageBoxes::Answer answer = boxes.show(QStringLiteral("Are you sure you want to reset the hi-scores?"),
                                                   MessageBoxes::Buttons::YesNo, kTitle);
    if (answer != MessageBoxes::Answer::Yes)
        return;

    try {
        sqlText = kDeleteAll;
        openInto(rs, cn, sqlText);
    } catch (const DatabaseError& error) {
        // The delete runs whole or not at all, so the list on the panel is
        // still the list in the file.
        report(boxes, QStringLiteral("The hi-scores could not be reset"), error);
        return;
    }
    ShowHiScores();
}
