#include "app/CommandLine.h"
#include "app/Display.h"
#include "app/FontConfigWarmUp.h"
#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartGame.h"
#include "app/replay/RecordedGames.h"
#include "common/FileError.h"
#include "common/SystemPath.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameFiles.h"
#include "storage/PreparedDatabaseKey.h"

#include <QApplication>
#include <optional>

namespace {

// --watch: the recorded game in a window of its own, which closes at its end.
int watchAlone(const GameFiles& files, replay::Recording recording)
{
    FixedSequenceRandom random;
    DialogMessageBoxes boxes;
    Form1 form(files, random, boxes);
    boxes.setParent(&form);
    if (const auto failure = loadForm(form.game(), &Game::LoadToWatch)) {
        reportStartupFailure(boxes, *failure);
        return 1;
    }
    form.show();
    if (!form.watch(std::move(recording), [] { QCoreApplication::quit(); })) {
        return 1;
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    Command command;
    if (const auto status = answerCommandLine({argv, std::size_t(argc)}, stdout, stderr, command)) {
        return *status;
    }
    const GameFiles files = locateGameFiles(runningProgramFile(), UserFolders::fromEnvironment());
    if (command.kind == Command::Kind::ExportReplay) {
        QCoreApplication application(argc, argv);
        return exportRecordedGame(files, command.row, command.file, stderr);
    }
    if (command.kind == Command::Kind::Verify) {
        // The games are played again in windows that are never shown.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        return verifyRecordedGames(files, stdout, stderr);
    }
    // A file that is no recording is refused before anything else is opened.
    std::optional<replay::Recording> watched;
    if (command.kind == Command::Kind::Watch && !(watched = readRecordingFile(command.file, stderr))) {
        return 1;
    }
    if (displayMissing()) {
        reportNoDisplay(stderr);
        return 1;
    }
    if (watched) {
        QApplication application(argc, argv);
        QGuiApplication::setDesktopFileName(QStringLiteral(QUORBIT_APP_ID));
        return watchAlone(files, std::move(*watched));
    }
    // The database key starts its derivation before anything else, so that it
    // runs while Qt starts and the window is built. It makes no Qt object and
    // writes nothing.
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
