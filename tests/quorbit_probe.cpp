// The game's start-up exactly as main() runs it, for tests that watch it from
// outside the process: the message boxes are printed instead of shown, and the
// program ends as soon as the window is up instead of waiting for the player.
//
//   quorbit_probe [--save-a-game NAME] [program folder]
//
// Without a folder the probe finds its files as the game does, from where it
// lies (a copy placed in an installed tree behaves as the installed game). With
// --save-a-game it then plays a game the shortest way to the hi-score list: new
// game, the countdown, quit, NAME saved.
//
// Exit status 0 when the game started (and the name was saved), 1 when start-up
// refused to go on or the name was not saved, 2 for a wrong command line. Every
// box is printed to standard output as its title on one line, then its text,
// and answered with OK or Yes.

#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartGame.h"
#include "common/SystemPath.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameFiles.h"
#include "storage/PreparedDatabaseKey.h"
#include "support/ClickControl.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int kUsageStatus = 2;
constexpr int kCountdownTicks = 4;
constexpr int kGameOverTicks = 5;

class PrintedMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& prompt, Buttons buttons, const QString& title, Icon) override
    {
        std::printf("%s\n%s\n", qPrintable(title), qPrintable(prompt));
        std::fflush(stdout);
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

// New game, quit at once, and the name into the list; true when the name entry
// closed on it.
bool saveAGame(Form1& form, const QString& name)
{
    Form1Controls& ui = form.controls();
    // The seconds pass on the window's clock, so the game's recording holds
    // them as they went.
    constexpr std::int64_t kSecondMs = 1000;
    click(form, ui.Label22);
    form.handClock()->advance(kCountdownTicks * kSecondMs);
    click(form, ui.Label27);
    form.handClock()->advance(kGameOverTicks * kSecondMs);
    if (!ui.Picture6.visible()) {
        return false;
    }
    QTest::keyClicks(ui.Text1.nativeWidget(), name);
    click(form, ui.Label37);
    return !ui.Picture6.visible();
}

}  // namespace

int main(int argc, char* argv[])
{
    std::optional<QString> nameToSave;
    int next = 1;
    if (next + 1 < argc && std::strcmp(argv[next], "--save-a-game") == 0) {
        nameToSave = QString::fromLocal8Bit(argv[next + 1]);
        next += 2;
    }
    if (argc - next > 1) {
        std::fprintf(stderr, "usage: quorbit_probe [--save-a-game NAME] [program folder]\n");
        return kUsageStatus;
    }
    // A folder from the command line lets one built probe start the game in any
    // folder a test prepares; without one it is where the probe lies that
    // counts, as for the game.
    const GameFiles files = next < argc ? GameFiles::besideProgram(pathFromSystem(argv[next]))
                                        : locateGameFiles(runningProgramFile(), UserFolders::fromEnvironment());
    PreparedDatabaseKey preparedKey(systemPath(files.databaseFile).toStdString());

    QApplication application(argc, argv);
    FixedSequenceRandom random;
    PrintedMessageBoxes boxes;
    Form1 form(files, random, boxes, &preparedKey, nameToSave ? Ticks::ByHand : Ticks::FromClock);
    if (!startGame(form, boxes)) {
        return 1;
    }
    return nameToSave && !saveAGame(form, *nameToSave) ? 1 : 0;
}
