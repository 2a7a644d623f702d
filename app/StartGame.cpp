#include "app/StartGame.h"

#include "app/Form1.h"
#include "app/Game.h"
#include "app/MessageBoxes.h"
#include "app/controls/Font.h"
#include "common/FileError.h"
#include "common/GameWords.h"
#include "common/SystemPath.h"

#include <cstdio>

std::optional<QString> loadForm(Game& game, void (Game::*load)())
{
    try {
        (game.*(load ? load : &Game::Form_Load))();
    } catch (const FileError& error) {  // the database file or a picture
        return error.message();
    }
    return std::nullopt;
}

void reportStartupFailure(MessageBoxes& boxes, const QString& message)
{
    // A file's name comes out as the bytes it is, UTF-8 or not.
    std::fprintf(stderr, "%s: %s\n", qPrintable(words::kTitle), systemPath(message).constData());
    boxes.show(message, MessageBoxes::Buttons::Ok, words::kTitle, MessageBoxes::Icon::Critical);
}

bool startGame(Form1& form, MessageBoxes& boxes)
{
    // Said once, and not in a box: a box would show boxes too.
    if (const QString faces = missingFacesWarning(); !faces.isEmpty()) {
        std::fprintf(stderr, "quorbit: %s\n", qPrintable(faces));
    }
    if (const auto failure = loadForm(form.game())) {
        reportStartupFailure(boxes, *failure);
        return false;
    }
    form.show();
    return true;
}
