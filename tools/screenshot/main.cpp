// Renders the game window headless into a PNG, in a named state, so anyone
// can look at it without a display:
//
//     quorbit_screenshot [--scale FACTOR] <state> <file.png>
//     quorbit_screenshot --list
//
// The window is drawn at the design's size times FACTOR (1 unless given):
// 1.5 and 2 show it as on a high-density screen or a maximised window.
//
// The window starts up in a fresh temporary folder (new database, the tile
// pictures of the source tree), with its timers driven by the states
// themselves, so every picture of a state is the same.
#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartGame.h"
#include "storage/FixedSequenceRandom.h"
#include "tools/screenshot/ScreenshotStates.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Answers every question with Yes and prints it, so a state can pass a box.
class PrintedMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& prompt, Buttons, const QString& title, Icon) override
    {
        std::printf("[%s] %s -> Yes\n", qPrintable(title), qPrintable(prompt));
        return Answer::Yes;
    }
};

bool copyPictures(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        if (!QFile::copy(from + '/' + name, to + '/' + name)) {
            return false;
        }
    }
    return true;
}

int list()
{
    for (const ScreenshotState& state : screenshotStates()) {
        std::printf("%-20s %s\n", state.name, state.description);
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QStringList args = application.arguments();
    if (args.size() == 2 && args[1] == QLatin1String("--list")) {
        return list();
    }
    double scale = 1.0;
    if (args.size() == 5 && args[1] == QLatin1String("--scale")) {
        bool number = false;
        scale = args[2].toDouble(&number);
        if (!number || scale <= 0) {
            std::fprintf(stderr, "--scale wants a factor above 0, not '%s'\n", qPrintable(args[2]));
            return 2;
        }
        args.remove(1, 2);
    }
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quorbit_screenshot [--scale FACTOR] <state> <file.png> | --list\n");
        return 2;
    }
    const ScreenshotState* chosen = nullptr;
    for (const ScreenshotState& state : screenshotStates()) {
        if (args[1] == QLatin1String(state.name)) {
            chosen = &state;
        }
    }
    if (!chosen) {
        std::fprintf(stderr, "unknown state '%s'; --list shows them\n", qPrintable(args[1]));
        return 2;
    }

    QTemporaryDir folder;
    if (!folder.isValid() || !copyPictures(QStringLiteral(QUORBIT_IMAGES_DIR), folder.filePath("images"))) {
        std::fprintf(stderr, "cannot prepare a temporary program folder\n");
        return 1;
    }
    FixedSequenceRandom random;
    PrintedMessageBoxes boxes;
    Form1 form(GameFiles::besideProgram(folder.path()), random, boxes, nullptr, Ticks::ByHand);
    if (const auto failure = loadForm(form.game())) {
        reportStartupFailure(boxes, *failure);
        return 1;
    }
    form.show();
    form.resize(form.controls().Form1.designSize() * scale);
    chosen->prepare(form);
    QApplication::processEvents();
    if (!form.grab().save(args[2])) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
