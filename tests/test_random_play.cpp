// Thousands of random clicks and ticks, as an impatient player and the clock
// would make them, with the game's rules checked after every single event.
#include "app/controls/ControlTree.h"
#include "scoring/Captions.h"
#include "support/Player.h"

#include <QRandomGenerator>
#include <QWidget>
#include <functional>

namespace {

using F = Form1Controls;

// The controls a player can click besides the cells ("exit" ends the run).
const std::initializer_list<Label F::*> kLabels{
    &F::Label22, &F::Label23, &F::Label24, &F::Label25, &F::Label27,
    &F::Label35, &F::Label37, &F::Label38, &F::Label45, &F::Label48,
};

struct Tick {
    Timer F::*timer;
    void (Game::*handler)();
};

const Tick kTicks[] = {
    {&F::Timer1, &Game::Timer1_Timer}, {&F::Timer2, &Game::Timer2_Timer}, {&F::Timer3, &Game::Timer3_Timer},
    {&F::Timer4, &Game::Timer4_Timer}, {&F::Timer5, &Game::Timer5_Timer}, {&F::Timer7, &Game::Timer7_Timer},
};

// The situations the window can be in; exactly one holds at any time.
int situationsHolding(const F& ui)
{
    const bool menu = ui.Picture4.visible();
    const int panels = ui.Picture5.visible() + ui.Picture7.visible() + ui.Picture8.visible();
    const bool entry = ui.Picture6.visible();
    const bool atMenu = menu && panels == 0;
    const bool panelOpen = menu && panels == 1 && !entry;
    const bool playing = !menu && panels == 0;
    const bool nameEntry = !menu && ui.Picture5.visible() && entry && panels == 1;
    return atMenu + panelOpen + playing + nameEntry;
}

int shown(const Label& label) { return captions::toNumber(label.caption()); }

}  // namespace

class RandomPlayTest : public QObject {
    Q_OBJECT

    // What the random player got up to over all games: a run that never
    // moved or never lost would have checked little.
    int movesMade = 0;
    int gamesLost = 0;

private slots:
    void cleanupTestCase()
    {
        qInfo("moves made: %d, games lost: %d", movesMade, gamesLost);
        QVERIFY2(movesMade > 100, qPrintable(QString::number(movesMade)));
        QVERIFY2(gamesLost > 5, qPrintable(QString::number(gamesLost)));
    }

    void manyGamesOfRandomClicks_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    void manyGamesOfRandomClicks()
    {
        QFETCH(std::uint32_t, seed);
        StartedWindow window;
        QVERIFY(!window.failure);
        window.form->show();
        Player p(window);
        Game& game = p.game();
        F& ui = p.ui();
        QRandomGenerator random(seed);
        // Each run continues the one fixed sequence from its own place.
        for (std::uint32_t skip = 0; skip < seed * 977; ++skip) {
            window.random->Rnd();
        }

        CellCodes::UsedRows usedBefore{};
        for (int event = 0; event < 1500; ++event) {
            const std::int16_t levelBefore = game.levelNumber;
            const std::int32_t clicksBefore = game.clickScore;
            const std::int32_t pointsBefore = game.movePoints;
            const std::int16_t valueBefore = game.pendingMoveValue;
            const int trailBefore = game.trailCount;
            bool squaresTick = false;
            const bool timerFiveBefore = ui.Timer5.enabled();

            const int roll = int(random.bounded(100));
            if (roll < 30) {
                const int cell = game.playerCell;
                if (controltree::clickWouldLand(ui.Picture1[cell])) {
                    p.clickCell(cell);
                }
            } else if (roll < 55) {
                const int cell = game.targetCell;
                if (cell >= 0 && controltree::clickWouldLand(ui.Picture1[cell])) {
                    p.clickCell(cell);
                }
            } else if (roll < 65) {
                const int cell = int(random.bounded(board::kCells));
                const Control* pick[] = {&ui.Picture1[cell], &ui.Label1[cell], &ui.Label2[cell]};
                const Control& control = *pick[random.bounded(3)];
                if (controltree::clickWouldLand(control)) {
                    p.click(control);
                }
            } else if (roll < 90) {
                // Only a running timer ticks.
                QList<const Tick*> running;
                for (const Tick& tick : kTicks) {
                    if ((ui.*tick.timer).enabled()) {
                        running.append(&tick);
                    }
                }
                if (!running.isEmpty()) {
                    const Tick* tick = running[random.bounded(int(running.size()))];
                    squaresTick = tick->timer == &F::Timer7;
                    (game.*tick->handler)();
                }
            } else {
                if (ui.Picture6.visible() && random.bounded(2)) {
                    ui.Text1.setText(QStringLiteral("player %1").arg(event));
                }
                QList<const Control*> shown;
                for (Label F::*label : kLabels) {
                    if (controltree::clickWouldLand(ui.*label)) {
                        shown.append(&(ui.*label));
                    }
                }
                if (controltree::clickWouldLand(ui.Command2)) {
                    shown.append(&ui.Command2);
                }
                if (!shown.isEmpty()) {
                    window.boxes.answerNext(random.bounded(2) ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
                    p.click(*shown[random.bounded(int(shown.size()))]);
                }
            }

            // A level dealt anew (new game or NEXT LEVEL) resets the level's
            // counters.
            const bool newLevel = game.trailCount == 1 &&
                                  (trailBefore != 1 || game.levelNumber != levelBefore || game.clickScore == 3000);
            QVERIFY(game.playerCell >= 0 && game.playerCell < board::kCells);
            QVERIFY(game.targetCell == -1 || (game.targetCell >= 0 && game.targetCell < board::kCells));
            QCOMPARE(situationsHolding(ui), 1);
            if (newLevel) {
                usedBefore = {};
            }
            for (int row = 0; row < board::kRows; ++row) {
                QCOMPARE(game.cellCodes.usedRows()[row] & usedBefore[row], usedBefore[row]);
            }
            usedBefore = game.cellCodes.usedRows();
            if (!newLevel) {
                QVERIFY(game.clickScore == clicksBefore || game.clickScore == clicksBefore - 10);
                QVERIFY(game.movePoints == pointsBefore || game.movePoints == pointsBefore + valueBefore);
            }
            movesMade += game.movePoints > pointsBefore;
            gamesLost += ui.Timer5.enabled() && game.gameOverTicks == 0 && !timerFiveBefore;
            // Right after a squares tick the total is what the column shows,
            // with the squares counted twice (no squares are carried).
            if (squaresTick) {
                int columnSum = 2 * shown(ui.Label29);
                for (const Label* counter :
                     {&ui.Label21, &ui.Label7, &ui.Label8, &ui.Label11, &ui.Label13, &ui.Labeldoor}) {
                    columnSum += shown(*counter);
                }
                QCOMPARE(shown(ui.Label16), columnSum);
            }
        }
    }
};

QTEST_MAIN(RandomPlayTest)
#include "test_random_play.moc"
