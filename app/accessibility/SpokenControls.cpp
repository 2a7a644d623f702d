#include "app/accessibility/SpokenControls.h"

#include "app/Form1.h"
#include "app/accessibility/CellSpeech.h"

#include <QStringList>

namespace {

using F = Form1Controls;
using QAccessible::Button;
using QAccessible::StaticText;

// Labels that act as buttons and say what they do in their caption.
Label F::*const kCaptionButtons[] = {
    &F::Label22, &F::Label23, &F::Label24, &F::Label25, &F::Label26, &F::Label48,
};

// Buttons whose caption is only a mark.
struct MarkButton {
    Label F::*label;
    const char* name;
};
const MarkButton kMarkButtons[] = {
    {&F::Label35, "close"},
    {&F::Label38, "close"},
    {&F::Label45, "close"},
    {&F::Label37, "save name"},
};

// Texts to read on the panels: how to play and credits. The name prompt is
// the entry box's own name.
Label F::*const kPanelTexts[] = {
    &F::Label41, &F::Label42, &F::Label43, &F::Label44, &F::Label46, &F::Label47, &F::Label39, &F::Label40,
};

// The score column: each counter's caption beside its value.
struct Counter {
    Label F::*caption;
    Label F::*value;
};
const Counter kCounters[] = {
    {&F::Label20, &F::Label21}, {&F::Label6, &F::Label7},     {&F::Label9, &F::Label8},   {&F::Label10, &F::Label11},
    {&F::Label12, &F::Label13}, {&F::Label18, &F::Labeldoor}, {&F::Label28, &F::Label29}, {&F::Label15, &F::Label16},
};

SpokenControl captionText(Label& label)
{
    return {&label, StaticText, [&label] { return label.caption(); }, {}, {&label}};
}

SpokenControl button(Control& control, std::function<QString()> name)
{
    return {&control, Button, std::move(name), {}, {}, true};
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

void addMenuAndPanels(std::vector<SpokenControl>& spoken, F& ui)
{
    for (Label F::*member : kCaptionButtons) {
        Label& label = ui.*member;
        spoken.push_back(button(label, [&label] { return label.caption(); }));
    }
    for (const MarkButton& mark : kMarkButtons) {
        spoken.push_back(button(ui.*mark.label, [name = QString::fromLatin1(mark.name)] { return name; }));
    }
    for (Label F::*member : kPanelTexts) {
        spoken.push_back(captionText(ui.*member));
    }
    spoken.push_back({&ui.Label32,
                      StaticText,
                      [&ui] {
                          const QString rows = hiScoreRows(ui);
                          return rows.isEmpty() ? ui.Label30.caption()
                                                : ui.Label30.caption() + QStringLiteral(": ") + rows;
                      },
                      {},
                      {&ui.Label32}});
    spoken.push_back({&ui.Text1,
                      QAccessible::EditableText,
                      [&ui] { return ui.Label36.caption(); },
                      [&ui] { return ui.Text1.text(); },
                      {}});
}

void addScoreColumn(std::vector<SpokenControl>& spoken, F& ui)
{
    spoken.push_back(captionText(ui.Label19));
    for (const Counter& counter : kCounters) {
        const Label& caption = ui.*counter.caption;
        Label& value = ui.*counter.value;
        spoken.push_back({&value,
                          StaticText,
                          [&caption, &value] { return caption.caption() + QStringLiteral(", ") + value.caption(); },
                          [&value] { return value.caption(); },
                          {&value}});
    }
    spoken.push_back(button(ui.Label27, [] { return QStringLiteral("quit game"); }));
}

void addBoard(std::vector<SpokenControl>& spoken, Form1& form)
{
    F& ui = form.controls();
    const Game& game = form.game();
    for (int cell = 0; cell < board::kCells; ++cell) {
        SpokenControl spokenCell = button(ui.Picture1[cell], [&game, cell] { return speech::cellName(game, cell); });
        spokenCell.value = [&game, cell] { return speech::cellContents(game, cell); };
        spokenCell.speaksFrom = {&ui.Label1[cell], &ui.Label2[cell]};
        spoken.push_back(std::move(spokenCell));
    }
}

void addMessages(std::vector<SpokenControl>& spoken, F& ui)
{
    spoken.push_back(captionText(ui.Label4));
    // The result panel is read as one text: the outcome, then the total.
    spoken.push_back({&ui.Picture3,
                      StaticText,
                      [&ui] {
                          QStringList lines{ui.Label5.caption(), ui.Label17.caption()};
                          lines.removeAll(QString());
                          return lines.join(QStringLiteral(", "));
                      },
                      {},
                      {&ui.Label5, &ui.Label17}});
    spoken.push_back(button(ui.Command2, [&ui] { return ui.Command2.caption(); }));
}

}  // namespace

std::vector<SpokenControl> spokenControls(Form1& form)
{
    std::vector<SpokenControl> spoken;
    addMenuAndPanels(spoken, form.controls());
    addScoreColumn(spoken, form.controls());
    addBoard(spoken, form);
    addMessages(spoken, form.controls());
    return spoken;
}
