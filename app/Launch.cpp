#include "app/Launch.h"

#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "common/FileError.h"

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
    std::fprintf(stderr, "QUORBIT: %s\n", qPrintable(message));
    boxes.show(message, MessageBoxes::Buttons::Ok, QStringLiteral("QUORBIT"), MessageBoxes::Icon::Critical);
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
