#include "app/Game.h"

#include "board/TileCodes.h"

Game::Game(Form1Controls& ui, GameFiles files, RandomSource& random, MessageBoxes& boxes,
           PreparedDatabaseKey* preparedKey)
    : ui(ui), random(random), boxes(boxes), files_(std::move(files)), preparedKey_(preparedKey)
{
}

QString Game::TilePictureFile(const QString& name) const
{
    return files_.picturesFolder + QLatin1Char('/') + name + QStringLiteral(".jpg");
}

Picture Game::LoadTilePicture(const QString& name) { return pictures_.load(TilePictureFile(name)); }

QStringList Game::TilePictureFiles() const
{
    QStringList files;
    for (const tiles::ArrowTile& tile : tiles::kArrowTiles) {
        files << TilePictureFile(QLatin1String(tile.code));
    }
    for (const char* special : {tiles::kBlackHole, tiles::kDoor, tiles::kUsedBox}) {
        files << TilePictureFile(QLatin1String(special));
    }
    return files;
}

void Game::CheckTilePictures()
{
    for (const QString& file : TilePictureFiles()) {
        pictures_.load(file);
    }
}
