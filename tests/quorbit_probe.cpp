// The game's start-up exactly as main() runs it, for tests that watch it from outside the
// process: the message boxes are printed instead of shown, and the program ends as soon as
// the window is up instead of waiting for the player.
//
//   quorbit_probe <program folder>
//
// Exit status 0 when the game started, 1 when start-up refused to go on. Every box is printed
// to standard output as its title on one line, then its text, and answered with OK.

#include "app/Form1.h"
#include "app/Launch.h"
#include "app/MessageBoxes.h"
#include "storage/DatabaseOpening.h"
#include "storage/FixedSequenceRandom.h"

#include <QApplication>
#include <cstdio>

namespace {

constexpr int kUsageStatus = 2;

class PrintedMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& prompt, Buttons, const QString& title, Icon) override
    {
        std::printf("%s\n%s\n", qPrintable(title), qPrintable(prompt));
        std::fflush(stdout);
        return Answer::Ok;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorbit_probe <program folder>\n");
        return kUsageStatus;
    }
    // The program folder comes from the command line, not from where this file lies, so that
    // one built probe can start the game in any folder a test prepares.
    const QString folder = QString::fromLocal8Bit(argv[1]);
    DatabaseOpening opening(folder + QStringLiteral("/qb.mdb"));

    QApplication application(argc, argv);
    FixedSequenceRandom random;
    PrintedMessageBoxes boxes;
    Form1 form(folder, random, boxes);
    form.game().databaseOpening = &opening;
    return startGame(form, boxes) ? 0 : 1;
}
