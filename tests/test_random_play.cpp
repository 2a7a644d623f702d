// Thousands of random clicks and ticks, as an impatient player and the clock
// would make them, with the game's rules checked after every single event.
#include "support/Player.h"

#include <QRandomGenerator>
#include <QWidget>
#include <map>

namespace {

using enum Screen;

// Where the game may go from each screen, besides staying: the menu's items
// and the panels' X, a level's countdown, play and its two ends, the pause
// after a lost game and the name entry.
const std::map<Screen, Screens> kNextScreens{
    {Menu, {HiScores, HowToPlay, Credits, Countdown}},
    {HiScores, {Menu}},
    {HowToPlay, {Menu}},
    {Credits, {Menu}},
    {Countdown, {Playing, GameOverPause}},
    {Playing, {LevelWon, GameOverPause}},
    {LevelWon, {Countdown, GameOverPause}},
    {GameOverPause, {Menu, NameEntry}},
    {NameEntry, {HiScores}},
};

// The buttons a player can click besides the cells: every one the table of
// controls gives a click, but "exit", which ends the run.
std::vector<Control*> buttons(Player& p)
{
    std::vector<Control*> found;
    for (const ControlRow& row : controlTable()) {
        if (row.click && row.click != &Game::Label26_Click) {
            found.push_back(row.control(p.ui(), p.game()));
        }
    }
    return found;
}

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
        Form1Controls& ui = p.ui();
        const std::vector<Control*> clickable = buttons(p);
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
            const Screen screenBefore = p.screen();

            const int roll = int(random.bounded(100));
            if (roll < 30) {
                const int cell = game.playerCell;
                if (Player::inView(ui.Picture1[cell])) {
                    p.clickCell(cell);
                }
            } else if (roll < 55) {
                const int cell = game.targetCell;
                if (cell >= 0 && Player::inView(ui.Picture1[cell])) {
                    p.clickCell(cell);
                }
            } else if (roll < 65) {
                const int cell = int(random.bounded(board::kCells));
                const Control* pick[] = {&ui.Picture1[cell], &ui.Label1[cell], &ui.Label2[cell]};
                const Control& control = *pick[random.bounded(3)];
                if (Player::inView(control)) {
                    p.click(control);
                }
            } else if (roll < 90) {
                // Only a running timer ticks.
                QList<Timer*> running;
                for (Timer* timer : ui.timers()) {
                    if (timer->enabled()) {
                        running.append(timer);
                    }
                }
                if (!running.isEmpty()) {
                    Timer* timer = running[random.bounded(int(running.size()))];
                    squaresTick = timer == &ui.Timer7;
                    timer->onTick();
                }
            } else {
                if (ui.Picture6.visible() && random.bounded(2)) {
                    ui.Text1.setText(QStringLiteral("player %1").arg(event));
                }
                QList<const Control*> shown;
                for (const Control* button : clickable) {
                    if (Player::inView(*button)) {
                        shown.append(button);
                    }
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
            QVERIFY2(p.screen() == screenBefore || kNextScreens.at(screenBefore).contains(p.screen()),
                     qPrintable(
                         QStringLiteral("from %1 to %2").arg(screenWords(screenBefore), screenWords(p.screen()))));
            // One information panel at a time, and the menu never under a
            // game's result.
            QVERIFY(ui.Picture5.visible() + ui.Picture7.visible() + ui.Picture8.visible() <= 1);
            QVERIFY(!(ui.Picture4.visible() && ui.Picture3.visible()));
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
            gamesLost += p.screen() == GameOverPause && screenBefore != GameOverPause;
            // Right after a squares tick the total is what the column shows,
            // with the squares counted twice (no squares are carried).
            if (squaresTick) {
                int columnSum = 2 * p.counter("squares");
                for (const char* counter : {"prev level", "time bonus", "fast click", "clicks", "points", "door"}) {
                    columnSum += p.counter(counter);
                }
                QCOMPARE(p.total(), columnSum);
            }
        }
    }
};

QTEST_MAIN(RandomPlayTest)
#include "test_random_play.moc"
