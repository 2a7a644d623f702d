// Dealing a level: the draws in their order, the door, the tiles and their
// numbers, the layout, the counters at their start and the countdown.
#include "board/Dealing.h"
#include "support/DealScript.h"
#include "support/ScriptedRandom.h"
#include "support/StartedWindow.h"
#include "support/SwitchableRandom.h"

namespace {

// How the family of a tile is drawn.
enum class Drawn {
    Easy,          // a roll of 100 well above the hard chance
    Hard,          // just below it: the level's wider range
    AtHardChance,  // exactly at it, which is not below: the easy range
    OnHalves,      // easy, with every later roll landing on a half
};

// A tile as the test wants it dealt at a cell.
struct Dealt {
    int family;  // 4: a black hole
    int first, second, letter;
    Drawn drawn;
};

// The share of cells, in percent, dealt from the wider range of a level.
int hardChanceOf(int levelNumber) { return std::min(3 * levelNumber + 25, 80); }

// Family, numbers, letter and way of drawing of every cell, varied so that a
// wrong order of draws or a wrong reading of a roll shows up on some cell.
Dealt patternAt(int cell)
{
    if (cell % 17 == 5) {
        return {4, 0, 0, 0, Drawn::Easy};
    }
    const auto drawn = Drawn(cell % 4);
    if (drawn == Drawn::OnHalves) {
        // Only even rolls come out of halves.
        return {1 + 2 * (cell / 4 % 2), 1 + 2 * (cell % 3), 1 + 2 * (cell / 5 % 3), 2 * (cell / 3 % 3), drawn};
    }
    return {1 + cell % 3, 1 + cell % 5, 1 + (cell / 5) % 5, (cell / 3) % 5, drawn};
}

QString codeOf(const Dealt& d)
{
    static const char* const kLetters[] = {"", "a", "b", "c", ""};
    return d.family == 4 ? QStringLiteral("4bh") : QString::number(d.family) + QLatin1String(kLetters[d.letter]);
}

DealScript scriptFor(int door, int levelNumber)
{
    const int hardChance = hardChanceOf(levelNumber);
    DealScript script;
    script.door(door);
    for (int cell = 0; cell < board::kCells; ++cell) {
        if (cell == door) {
            continue;
        }
        const Dealt d = patternAt(cell);
        if (d.family == 4) {
            script.blackHole(levelNumber);
            continue;
        }
        switch (d.drawn) {
        case Drawn::Easy:
            script.arrow(d.family, d.first, d.second, d.letter);
            break;
        case Drawn::Hard:
            script.hardArrow(levelNumber, hardChance, d.family, d.first, d.second, d.letter);
            break;
        case Drawn::AtHardChance:
            script.arrowAtHardChance(hardChance, d.family, d.first, d.second, d.letter);
            break;
        case Drawn::OnHalves:
            script.arrowOnHalves(d.family, d.first, d.second, d.letter);
            break;
        }
    }
    return script;
}

// A started window whose next level is dealt from `draws`.
struct ScriptedLevel {
    explicit ScriptedLevel(const QList<float>& draws, int levelNumber = 1)
        : random(new SwitchableRandom), window(std::unique_ptr<RandomSource>(random))
    {
        random->script(draws);
        window.game().levelNumber = std::int16_t(levelNumber);
    }
    ScriptedLevel(const ScriptedLevel&) = delete;
    ScriptedLevel& operator=(const ScriptedLevel&) = delete;
    Game& game() { return window.game(); }
    Form1Controls& ui() { return window.ui(); }

    SwitchableRandom* random;
    StartedWindow window;
};

}  // namespace

class BuildLevelTest : public QObject {
    Q_OBJECT

    // One window deals the many levels of the statistics.
    std::unique_ptr<StartedWindow> sharedWindow;

private slots:
    void initTestCase()
    {
        sharedWindow = std::make_unique<StartedWindow>();
        QVERIFY(!sharedWindow->failure);
    }
    void cleanupTestCase() { sharedWindow.reset(); }

    void dealsExactlyWhatTheDrawsSay_data()
    {
        QTest::addColumn<int>("levelNumber");
        QTest::newRow("level 1") << 1;
        QTest::newRow("level 7") << 7;
    }
    void dealsExactlyWhatTheDrawsSay()
    {
        QFETCH(int, levelNumber);
        const int door = 154;
        ScriptedLevel level(scriptFor(door, levelNumber).draws, levelNumber);
        QVERIFY(!level.window.failure);
        Game& scripted = level.game();
        Form1Controls& ui = level.ui();
        // Every cell used, as a long previous level might have left them.
        for (int cell = 0; cell < board::kCells; ++cell) {
            scripted.cellCodes(cell, CellCodes::kUsedMark) = 1;
        }

        scripted.BuildLevel();

        QCOMPARE(level.random->remaining(), 0);
        QCOMPARE(scripted.cellCodes(door, 0), CellValue("door"));
        for (int plane = 1; plane <= 3; ++plane) {
            QCOMPARE(scripted.cellCodes(door, plane), CellValue("0"));
        }
        QVERIFY(!ui.Label1[door].visible() && !ui.Label2[door].visible());
        QVERIFY(ui.Picture1[door].picture().source().endsWith("/images/door.jpg"));
        QCOMPARE(ui.Shape1.left(), ui.Picture1[door].left() - 30);
        QCOMPARE(ui.Shape1.top(), ui.Picture1[door].top() - 30);
        for (int cell = 0; cell < board::kCells; ++cell) {
            if (cell == door) {
                continue;
            }
            const Dealt d = patternAt(cell);
            const CellValue code = scripted.cellCodes(cell, 0);
            QCOMPARE(code.text(), codeOf(d));
            QVERIFY(ui.Picture1[cell].picture().source().endsWith("/images/" + codeOf(d) + ".jpg"));
            QCOMPARE(scripted.cellCodes(cell, 3), CellValue(0));
            if (d.family == 4) {
                QVERIFY(!ui.Label1[cell].visible() && !ui.Label2[cell].visible());
                continue;
            }
            // Without a letter the code is the bare number.
            QCOMPARE(code.isNumber(), codeOf(d).size() == 1);
            QCOMPARE(scripted.cellCodes(cell, 1).text(), QString::number(d.first));
            QCOMPARE(scripted.cellCodes(cell, 2).text(), QString::number(d.second));
            QCOMPARE(ui.Label1[cell].caption(), QString::number(d.first));
            QCOMPARE(ui.Label2[cell].visible(), d.family != 1);
        }
    }

    void layoutCountersAndCountdown()
    {
        StartedWindow window;
        Game& game = window.game();
        Form1Controls& ui = window.ui();
        game.levelNumber = 1;
        game.doorScore = 0;
        game.prevLevelsScore = 0;
        // As a lost game leaves the X, and a quit declined on a won level's
        // result screen leaves the bonuses running.
        ui.Label27.setEnabled(false);
        ui.Timer2.setEnabled(true);
        ui.Timer3.setEnabled(true);
        game.BuildLevel();

        const struct {
            int cell, left, top;
        } places[] = {{0, 2900, 2500}, {21, 13820, 2500}, {22, 2900, 3020}, {307, 13820, 9260}};
        for (const auto& p : places) {
            QCOMPARE(ui.Picture1[p.cell].left(), p.left);
            QCOMPARE(ui.Picture1[p.cell].top(), p.top);
        }
        for (const PictureBox& cell : ui.Picture1) {
            QVERIFY(cell.visible());
            QVERIFY(!cell.enabled());
        }
        QVERIFY(game.cellCodes(0, 0) != CellValue("4bh"));
        QVERIFY(ui.Shape2[0].visible());
        QCOMPARE(ui.Shape2[0].left(), 2900);
        QCOMPARE(ui.Shape2[0].top(), 2500);
        QCOMPARE(ui.Label19.caption(), QStringLiteral("LEVEL 1"));
        QCOMPARE(ui.Label5.caption(), QStringLiteral("3"));
        QCOMPARE(ui.Label5.foreColor(), Colour(192));
        QCOMPARE(ui.Label17.caption(), QString());
        QVERIFY(ui.Picture3.visible());
        QVERIFY(ui.Timer4.enabled() && ui.Timer7.enabled());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled());
        QVERIFY(ui.Label27.enabled());
        QCOMPARE(ui.Label4.left(), 2900);
        QCOMPARE(ui.Label4.top(), 9260 + 495 + 80);
        QCOMPARE(int(game.playerCell), 0);
        QCOMPARE(int(game.trailCount), 1);
        // The counters at their level start, the squares still those of before.
        QCOMPARE(ui.Label7.caption(), QStringLiteral("10000"));
        QCOMPARE(ui.Label8.caption(), QStringLiteral("0"));
        QCOMPARE(ui.Label11.caption(), QStringLiteral("3000"));
        QCOMPARE(ui.Label13.caption(), QStringLiteral("0"));
        QCOMPARE(ui.Label29.caption(), QStringLiteral("0"));
        QCOMPARE(int(game.fastClickBonus), 200);
        QCOMPARE(int(game.clickScore), 3000);
    }

    // The first move is worked out on the board just dealt, not left over
    // from the level before: its target, frame, message and blinking.
    void firstMoveOnTheFreshBoard_data()
    {
        QTest::addColumn<int>("family");  // of the start cell's tile
        QTest::addColumn<int>("letter");
        QTest::addColumn<int>("steps");   // its first number
        QTest::addColumn<int>("target");  // -1: off the field
        QTest::addColumn<QString>("onTarget");
        QTest::addColumn<QString>("message");
        QTest::newRow("down onto an arrow") << 1 << 2 << 2 << 44 << "2"
                                            << "";
        QTest::newRow("right onto a black hole") << 1 << 3 << 3 << 3 << "4bh"
                                                 << "*black hole";
        QTest::newRow("down onto the door") << 1 << 2 << 1 << 22 << "door"
                                            << "*door";
        QTest::newRow("up, off the field") << 1 << 0 << 1 << -1 << "2"
                                           << "*outside the playing field";
    }
    void firstMoveOnTheFreshBoard()
    {
        QFETCH(int, family);
        QFETCH(int, letter);
        QFETCH(int, steps);
        QFETCH(int, target);
        QFETCH(QString, onTarget);
        QFETCH(QString, message);
        const int door = onTarget == QLatin1String("door") ? target : 300;
        DealScript script;
        script.door(door);
        for (int cell = 0; cell < board::kCells; ++cell) {
            if (cell == 0) {
                script.arrow(family, steps, 1, letter);
            } else if (cell == target && onTarget == QLatin1String("4bh")) {
                script.blackHole(1);
            } else if (cell != door) {
                script.arrow(2, 1, 1, 0);
            }
        }
        ScriptedLevel level(script.draws);
        Game& game = level.game();
        Form1Controls& ui = level.ui();
        // What the level before left: a pending move the other way, and every
        // cell used.
        ui.Label4.setCaption(QStringLiteral("left over"));
        game.targetCell = 99;
        ui.Shape2[1].setVisible(target < 0);
        ui.Timer1.setEnabled(target < 0);
        for (int cell = 0; cell < board::kCells; ++cell) {
            game.cellCodes(cell, CellCodes::kUsedMark) = 1;
        }

        game.BuildLevel();

        QCOMPARE(level.random->remaining(), 0);
        QCOMPARE(int(game.targetCell), target);
        QCOMPARE(ui.Label4.caption(), message);
        QCOMPARE(ui.Shape2[1].visible(), target >= 0);
        QCOMPARE(ui.Timer1.enabled(), target >= 0);
        if (target >= 0) {
            QCOMPARE(ui.Shape2[1].left(), 2900 + 520 * (target % 22) - 30);
            QCOMPARE(ui.Shape2[1].top(), 2500 + 520 * (target / 22) - 30);
        }
        // Only the start cell is used, and only when its move stays inside.
        for (int cell = 0; cell < board::kCells; ++cell) {
            QCOMPARE(game.cellCodes.isUsed(cell), cell == 0 && target >= 0);
        }
    }

    // Dealing on its own, no window: a black hole drawn for the start cell
    // is drawn again, with both its draws; a door drawn on the start cell or
    // past the last cell is drawn again.
    void startCellIsRedealtWithBothDraws()
    {
        DealScript script;
        // A hard roll that makes a black hole, then an easy family 2.
        script.draws << DealScript::drawFor(0, 100) << DealScript::drawFor(3, 3);
        script.arrow(2, 3, 4, 1);
        ScriptedRandom random(script.draws);
        const dealing::Tile tile = dealing::drawTile(random, board::kStartCell, 1, dealing::hardChance(1));
        QCOMPARE(random.remaining(), 0);
        QCOMPARE(tile.code, CellValue("2a"));
        QCOMPARE(tile.first, 3);
    }
    void doorIsRedealtOnTheStartAndPastTheEnd()
    {
        DealScript script;
        script.draws << DealScript::drawFor(0, 308) << DealScript::drawFor(308, 308);
        script.door(5);
        ScriptedRandom random(script.draws);
        QCOMPARE(dealing::drawDoorCell(random), 5);
        QCOMPARE(random.remaining(), 0);
    }

    void blackHoleKeepsTheCaptionsItsLabelsHad()
    {
        DealScript script;
        script.door(300);
        script.arrow(1, 1, 1, 0);
        script.blackHole(1);  // cell 1
        for (int cell = 2; cell < 307; ++cell) {
            script.arrow(1, 1, 1, 0);
        }
        ScriptedLevel level(script.draws);
        level.ui().Label1[1].setCaption(QStringLiteral("4"));
        level.ui().Label2[1].setCaption(QStringLiteral("2"));
        Game& scripted = level.game();
        scripted.BuildLevel();
        QCOMPARE(scripted.cellCodes(1, 0), CellValue("4bh"));
        QCOMPARE(scripted.cellCodes(1, 1), CellValue("4"));
        QCOMPARE(scripted.cellCodes(1, 2), CellValue("2"));
    }

    void hardChanceGrowsWithTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("chance");
        QTest::newRow("1") << 1 << 28;
        QTest::newRow("2") << 2 << 31;
        QTest::newRow("18") << 18 << 79;
        QTest::newRow("19") << 19 << 80;
        QTest::newRow("40") << 40 << 80;
    }
    void hardChanceGrowsWithTheLevel()
    {
        QFETCH(int, level);
        QFETCH(int, chance);
        QCOMPARE(dealing::hardChance(level), chance);
    }

    // Many levels from the program's own source: the share of black holes
    // among the cells other than the start and the door. The tolerance is
    // several standard deviations of the sample, and the source is fixed.
    void blackHoleSharesFollowTheLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("share");
        QTest::newRow("1") << 1 << 0.046;
        QTest::newRow("2") << 2 << 0.114;
        QTest::newRow("3") << 3 << 0.168;
        QTest::newRow("5") << 5 << 0.254;
        QTest::newRow("10") << 10 << 0.432;
        QTest::newRow("15") << 15 << 0.593;
        QTest::newRow("19") << 19 << 0.70;
    }
    void blackHoleSharesFollowTheLevel()
    {
        QFETCH(int, level);
        QFETCH(double, share);
        Game& game = sharedWindow->game();
        constexpr int kLevels = 80;
        int holes = 0;
        int cells = 0;
        for (int n = 0; n < kLevels; ++n) {
            game.levelNumber = std::int16_t(level);
            game.BuildLevel();
            for (int cell = 1; cell < board::kCells; ++cell) {
                const CellValue& code = game.cellCodes(cell, 0);
                if (code == CellValue("door")) {
                    continue;
                }
                ++cells;
                holes += code == CellValue("4bh") ? 1 : 0;
            }
        }
        const double measured = double(holes) / cells;
        QVERIFY2(std::abs(measured - share) < 0.015,
                 qPrintable(QStringLiteral("level %1: %2 black holes").arg(level).arg(measured)));
    }
};

QTEST_MAIN(BuildLevelTest)
#include "test_build_level.moc"
