#include "app/accessibility/CellSpeech.h"

#include "board/Board.h"
#include "board/TileCodes.h"

#include <array>

namespace speech {

namespace {

using tiles::Leg;

// Indexed by tiles::Leg.
constexpr std::array<const char*, 5> kLegWords{"", "up", "left", "down", "right"};

QString legWords(Leg leg, const CellValue& steps)
{
    return steps.text() + QLatin1Char(' ') + QLatin1String(kLegWords.at(static_cast<std::size_t>(leg)));
}

}  // namespace

QString cellContents(const GameState& state, int cell)
{
    const CellValue& code = state.cellCodes(cell, CellCodes::kTileCode);
    if (code == CellValue(tiles::kDoor)) {
        return QStringLiteral("door");
    }
    if (code == CellValue(tiles::kBlackHole)) {
        return QStringLiteral("black hole");
    }
    // The player's own cell carries the used mark from the moment its move is
    // worked out, but it shows its arrow until the player leaves it.
    if (state.cellCodes.isUsed(cell) && cell != state.playerCell) {
        return QStringLiteral("used box");
    }
    const tiles::ArrowTile* tile = tiles::findArrowTile(code);
    if (!tile) {
        return code.text();
    }
    QString words = QStringLiteral("arrow ") + legWords(tile->firstLeg, state.cellCodes(cell, CellCodes::kFirstNumber));
    if (tile->secondLeg != Leg::None) {
        words += QStringLiteral(" then ") + legWords(tile->secondLeg, state.cellCodes(cell, CellCodes::kSecondNumber));
    }
    return words;
}

QString cellPlace(int cell)
{
    return QStringLiteral("row %1, column %2").arg(board::rowOf(cell) + 1).arg(board::columnOf(cell) + 1);
}

QString cellName(const GameState& state, int cell)
{
    if (cell != state.playerCell) {
        const QString role = cell == state.targetCell ? QStringLiteral(", target: ") : QStringLiteral(": ");
        return cellPlace(cell) + role + cellContents(state, cell);
    }
    // The player's own cell also says where its move leads, so a turn is
    // heard whole without looking for the target.
    const QString target = state.targetCell < 0 ? QStringLiteral("outside the playing field")
                                                : cellPlace(state.targetCell) + QStringLiteral(", ") +
                                                      cellContents(state, state.targetCell);
    return cellPlace(cell) + QStringLiteral(", player: ") + cellContents(state, cell) + QStringLiteral("; target: ") +
           target;
}

}  // namespace speech
