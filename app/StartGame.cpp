#include "app/StartGame.h"

#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "common/FileError.h"
#include "common/GameWords.h"

#include <cstdio>

std::optional<QString> loadForm(Game& game)
{
    try {
        game.Form_Load();
    } catch (const FileError& error) {  // the database file or a picture
        return error.message();
    }
    return std::nullopt;
}

void reportStartupFailure(MessageBoxes& boxes, const QString& message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(words::kTitle), qPrintable(message));
    boxes.show(message, MessageBoxes::Buttons::Ok, words::kTitle, MessageBoxes::Icon::Critical);
}

bool startGame(Form1& form, MessageBoxes& boxes)
{
    if (const auto failure = loadForm(form.game())) {
        reportStartupFailure(boxes, *failure);
        return false;
    }
    form.show();
    return true;
}
