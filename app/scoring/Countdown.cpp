#include "app/Game.h"
#include "common/GameWords.h"

// The countdown that opens a level: "3", "2", "1", "START", then play.
void Game::Timer4_Timer()
{
    const QString shown = ui.Label5.caption();
    if (shown == words::kStart) {
        ui.Label27.setVisible(true);
        ui.Picture3.setVisible(false);
        ui.Timer4.setEnabled(false);
        EnableAllCells();
        StartBonusClocks();
    } else if (shown == QLatin1String("1")) {
        ui.Label5.setCaption(words::kStart);
    } else {
        ui.Label5.setCaption(QString::number(std::int16_t(shown.toShort() - 1)));
    }
}
