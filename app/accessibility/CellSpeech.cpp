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

QString cellName(const GameState& state, int cell)
{
    QString name = QStringLiteral("row %1, column %2").arg(board::rowOf(cell) + 1).arg(board::columnOf(cell) + 1);
    if (cell == state.playerCell) {
        name += QStringLiteral(", player");
    } else if (cell == state.targetCell) {
        name += QStringLiteral(", target");
    }
    return name + QStringLiteral(": ") + cellContents(state, cell);
}

}  // namespace speech
