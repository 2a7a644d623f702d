#include "app/Game.h"

#include "storage/DatabaseError.h"
#include "storage/GameDatabase.h"
#include "storage/PreparedDatabaseKey.h"
#include "storage/RandomSequenceCounter.h"

#include "common/SystemPath.h"

namespace {
// The window's outer size, frame and caption included.
constexpr int kWindowHeight = 11255;
constexpr int kWindowWidth = 15280;
}  // namespace

void Game::Form_Load()
{
    // Pictures first: a start-up that fails on a missing picture must not
    // have moved the stored counter already.
    LoadToWatch();

    accedi_database = files_.databaseFile;
    if (accedi_database.isEmpty()) {
        throw DatabaseError(QString(), QStringLiteral("there is no folder to keep it in: neither XDG_DATA_HOME nor "
                                                      "HOME names one, and the system gives you no home folder"));
    }
    std::optional<DatabaseKey> key;
    if (preparedKey_ && preparedKey_->file() == systemPath(accedi_database).toStdString()) {
        key = preparedKey_->take();
    }
    openGameDatabase(cn, accedi_database, key);
    advanceRandomSequence(cn, rs, sqlText, random, accedi_database);
    // Start-up may wait for another copy before the window shows; from here on
    // a wait freezes the window the player is looking at.
    cn.setBusyTimeout(Connection::kPlayBusyTimeout);
}

void Game::LoadToWatch()
{
    ui.Form1.setHeight(kWindowHeight);
    ui.Form1.setWidth(kWindowWidth);
    CheckTilePictures();
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        PictureBox& cell = ui.Picture1[cellIndex];
        cell.setVisible(false);
        cell.setTop(0);
        cell.setLeft(0);
    }
}
