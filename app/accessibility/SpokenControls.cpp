#include "app/accessibility/SpokenControls.h"

#include "app/ControlTable.h"
#include "app/Form1.h"
#include "app/accessibility/CellSpeech.h"

#include <QStringList>

namespace {

using F = Form1Controls;

QString captionOf(const Control& control)
{
    if (const auto* label = dynamic_cast<const Label*>(&control)) {
        return label->caption();
    }
    const auto* button = dynamic_cast<const CommandButton*>(&control);
    return button ? button->caption() : QString();
}

// The three list columns hold one line a row; a row is read across them.
QString hiScoreRows(const F& ui)
{
    const QStringList names = ui.Label32.caption().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList points = ui.Label33.caption().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList levels = ui.Label34.caption().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList rows;
    for (qsizetype row = 0; row < names.size() && row < points.size() && row < levels.size(); ++row) {
        rows << QStringLiteral("%1, %2 points, level %3").arg(names[row], points[row], levels[row]);
    }
    return rows.join(QStringLiteral("; "));
}

// The result panel is read as one text: the outcome, then the total.
QString resultLines(const F& ui)
{
    QStringList lines{ui.Label5.caption(), ui.Label17.caption()};
    lines.removeAll(QString());
    return lines.join(QStringLiteral(", "));
}

void addBoard(std::vector<SpokenControl>& spoken, Form1& form)
{
    F& ui = form.controls();
    const Game& game = form.game();
    for (int cell = 0; cell < board::kCells; ++cell) {
        spoken.push_back({&ui.Picture1[cell],
                          QAccessible::Button,
                          [&game, cell] { return speech::cellName(game, cell); },
                          {},
                          Qt::Key_unknown,
                          {},
                          true});
    }
}

// The control of one row as the reader meets it.
SpokenControl spokenRow(const ControlRow& row, Form1& form)
{
    F& ui = form.controls();
    Control* control = row.control(ui, form.game());
    auto* label = dynamic_cast<Label*>(control);
    const char* words = row.words;
    SpokenControl spoken{control, row.role, [words] { return QString::fromUtf8(words); }, {}, row.key, row.heard};
    switch (row.speech) {
    case Speech::Caption:
        spoken.name = [control] { return captionOf(*control); };
        break;
    case Speech::Counter:
        // Read with its number, as flat review reads a name alone; the number
        // changing is never told (see AccessibleForm).
        spoken.name = [words, label] { return QString::fromUtf8(words) + QLatin1Char(' ') + label->caption(); };
        spoken.value = [label] { return label->caption(); };
        break;
    case Speech::Entry:
        // The prompt above the box asks for what goes in it; Qt's own line
        // edit tells what was typed.
        spoken.name = [&ui] { return ui.Label36.caption(); };
        break;
    case Speech::HiScoreList:
        spoken.name = [words, &ui] {
            const QString rows = hiScoreRows(ui);
            const QString title = QString::fromUtf8(words);
            return rows.isEmpty() ? title : title + QStringLiteral(": ") + rows;
        };
        break;
    case Speech::Result:
        spoken.name = [&ui] { return resultLines(ui); };
        break;
    case Speech::Words:
    case Speech::Board:
    case Speech::OnTheBoard:
        break;
    }
    return spoken;
}

}  // namespace

std::vector<SpokenControl> spokenControls(Form1& form)
{
    std::vector<SpokenControl> spoken;
    for (const ControlRow& row : controlTable()) {
        if (row.speech == Speech::Board) {
            addBoard(spoken, form);
        } else if (row.speech != Speech::OnTheBoard) {
            spoken.push_back(spokenRow(row, form));
        }
    }
    return spoken;
}
