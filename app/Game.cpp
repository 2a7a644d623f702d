#include "app/Game.h"

#include "board/TileCodes.h"

Game::Game(Form1Controls& ui, QString programFolder, RandomSource& random, MessageBoxes& boxes)
    : ui(ui), random(random), boxes(boxes), programFolder_(std::move(programFolder))
{
}

Picture Game::LoadTilePicture(const QString& name)
{
    return pictures_.load(programFolder_ + QStringLiteral("/images/") + name + QStringLiteral(".jpg"));
}

void Game::CheckTilePictures()
{
    for (const tiles::ArrowTile& tile : tiles::kArrowTiles) {
        LoadTilePicture(QLatin1String(tile.code));
    }
    for (const char* special : {tiles::kBlackHole, tiles::kDoor, tiles::kUsedBox}) {
        LoadTilePicture(QLatin1String(special));
    }
}
