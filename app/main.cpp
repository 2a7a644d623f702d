#include "app/CommandLine.h"
#include "app/Display.h"
#include "app/FontConfigWarmUp.h"
#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartGame.h"
#include "common/SystemPath.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameFiles.h"
#include "storage/PreparedDatabaseKey.h"

#include <QApplication>
#include <optional>

int main(int argc, char* argv[])
{
    if (const auto status = answerCommandLine({argv, std::size_t(argc)}, stdout, stderr)) {
        return *status;
    }
    if (displayMissing()) {
        reportNoDisplay(stderr);
        return 1;
    }
    // The database key starts its derivation before anything else, so that it
    // runs while Qt starts and the window is built. It makes no Qt object and
    // writes nothing.
    const GameFiles files = locateGameFiles(runningProgramFile(), UserFolders::fromEnvironment());
    PreparedDatabaseKey preparedKey(systemPath(files.databaseFile).toStdString());
    const FontConfigWarmUp fonts;

    std::optional<DisplayOpening> opening(std::in_place);
    QApplication application(argc, argv);
    opening.reset();
    // Ties the window to its launcher where the desktop goes by the launcher's
    // name (Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORBIT_APP_ID));
    FixedSequenceRandom random;
    DialogMessageBoxes boxes;
    Form1 form(files, random, boxes, &preparedKey);
    boxes.setParent(&form);
    return startGame(form, boxes) ? application.exec() : 1;
}
