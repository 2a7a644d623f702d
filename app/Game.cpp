#include "app/Game.h"

#include "board/TileCodes.h"

Game::Game(Form1Controls& ui, GameFiles files, RandomSource& random, MessageBoxes& boxes,
           PreparedDatabaseKey* preparedKey)
    : ui(ui), random(random), boxes(boxes), files_(std::move(files)), preparedKey_(preparedKey)
{
}

Picture Game::LoadTilePicture(const QString& name)
{
    return pictures_.load(files_.picturesFolder + QLatin1Char('/') + name + QStringLiteral(".jpg"));
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
