#include "app/Form1.h"

#include "app/Form1Layout.h"
#include "common/GameWords.h"

#include <QIcon>
#include <QPainter>

namespace {

using F = Form1Controls;

// Which handler of the game answers a click on which label.
struct LabelClick {
    Label F::*label;
    void (Game::*handler)();
};

const LabelClick kLabelClicks[] = {
    {&F::Label22, &Game::Label22_Click}, {&F::Label23, &Game::Label23_Click}, {&F::Label24, &Game::Label24_Click},
    {&F::Label25, &Game::Label25_Click}, {&F::Label26, &Game::Label26_Click}, {&F::Label27, &Game::Label27_Click},
    {&F::Label35, &Game::Label35_Click}, {&F::Label37, &Game::Label37_Click}, {&F::Label38, &Game::Label38_Click},
    {&F::Label45, &Game::Label45_Click}, {&F::Label48, &Game::Label48_Click},
};

struct TimerTick {
    Timer F::*timer;
    void (Game::*handler)();
};

const TimerTick kTimerTicks[] = {
    {&F::Timer1, &Game::Timer1_Timer}, {&F::Timer2, &Game::Timer2_Timer}, {&F::Timer3, &Game::Timer3_Timer},
    {&F::Timer4, &Game::Timer4_Timer}, {&F::Timer5, &Game::Timer5_Timer}, {&F::Timer7, &Game::Timer7_Timer},
};

QIcon gameIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"}) {
        icon.addFile(QStringLiteral(":/icon%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace

Form1::Form1(const GameFiles& files, RandomSource& random, MessageBoxes& boxes, PreparedDatabaseKey* preparedKey)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(ui_, files, random, boxes, preparedKey)
{
    setWindowTitle(words::kTitle);
    setWindowIcon(gameIcon());

    buildForm1(ui_, this);
    connectHandlers();
}

void Form1::connectHandlers()
{
    for (const LabelClick& click : kLabelClicks) {
        (ui_.*click.label).onClick = [this, handler = click.handler] { (game_.*handler)(); };
    }
    for (const TimerTick& tick : kTimerTicks) {
        (ui_.*tick.timer).onTick = [this, handler = tick.handler] { (game_.*handler)(); };
    }
    for (std::int16_t i = 0; i < board::kCells; ++i) {
        ui_.Picture1[i].onClick = [this, i] { game_.Picture1_Click(i); };
        ui_.Label1[i].onClick = [this, i] { game_.Label1_Click(i); };
        ui_.Label2[i].onClick = [this, i] { game_.Label2_Click(i); };
    }
    ui_.Command2.onClick = [this] { game_.Command2_Click(); };
}

// The window paints its own black rather than taking a black palette, which
// every control and box on it would inherit.
void Form1::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), toQColor(colours::kMenuText)); }
