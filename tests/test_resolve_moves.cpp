// Where the tile under the player leads: the target, its frame, the move's
// value, the used mark and the move message.
#include "support/BoardSetup.h"
#include "support/StartedWindow.h"

namespace {
using colours::kGreen;
using colours::kRed;
constexpr int kMiddle = 7 * 22 + 10;  // row 7, column 10
// A cell none of the moves tried starts from or leads to; one step right
// stays inside the field, one step up leaves it.
constexpr int kElsewhere = 1;
}  // namespace

class ResolveMovesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
    }
    void init()
    {
        Game& game = window->game();
        clearBoard(game);
        game.trailCount = 1;
        game.targetCell = -1;
        window->ui().Label4.setCaption(QStringLiteral("left over"));
        window->ui().Timer1.setEnabled(false);
    }
    void cleanupTestCase() { window.reset(); }

    void targetValueAndFrame_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("target");  // -1: off the board
        QTest::addColumn<int>("value");

        QTest::newRow("start cell, 1 up, off the top") << 0 << "1" << 1 << 1 << -1 << 10;
        QTest::newRow("last cell, 2c, off the corner") << 307 << "2c" << 1 << 1 << -1 << 20;
        QTest::newRow("start cell, 2c 5 5") << 0 << "2c" << 5 << 5 << 115 << 100;
        QTest::newRow("right edge, 2 1 1") << 284 << "2" << 1 << 1 << 263 << 20;
        QTest::newRow("last column, one right, no wrap") << 21 << "1c" << 1 << 1 << -1 << 10;
        QTest::newRow("2b 3 4 is worth 70") << kMiddle << "2b" << 3 << 4 << 7 * 22 + 10 - 3 + 4 * 22 << 70;
        QTest::newRow("3 2 4") << 50 << "3" << 2 << 4 << 50 + 2 * 22 - 4 << 60;
        QTest::newRow("2b 4 2, the same target") << 50 << "2b" << 4 << 2 << 50 + 2 * 22 - 4 << 60;
        // Every code from the middle of the board, first number 2, second 3.
        const struct {
            const char* code;
            int row, column, value;
        } fromMiddle[] = {
            {"1", 5, 10, 20}, {"1a", 7, 8, 20},   {"1b", 9, 10, 20}, {"1c", 7, 12, 20},
            {"2", 4, 12, 50}, {"2a", 5, 7, 50},   {"2b", 10, 8, 50}, {"2c", 9, 13, 50},
            {"3", 9, 7, 50},  {"3a", 10, 12, 50}, {"3b", 5, 13, 50}, {"3c", 4, 8, 50},
        };
        for (const auto& m : fromMiddle) {
            QTest::addRow("middle %s", m.code) << kMiddle << m.code << 2 << 3 << m.row * 22 + m.column << m.value;
        }
        QTest::newRow("a legless code stays put") << kMiddle << "7x" << 2 << 3 << kMiddle << 0;
    }
    void targetValueAndFrame()
    {
        QFETCH(int, player);
        QFETCH(QString, code);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, target);
        QFETCH(int, value);
        Game& game = window->game();
        Form1Controls& ui = window->ui();
        // The move before went the other way, inside the field or off it, and
        // left the blinking and the frame as it needed them.
        putTile(game, kElsewhere, target < 0 ? "1c" : "1", 1);
        game.playerCell = kElsewhere;
        game.ResolveMoves();
        QCOMPARE(ui.Timer1.enabled(), target < 0);
        putTile(game, player, code, first, second);
        game.playerCell = std::int16_t(player);

        game.ResolveMoves();

        QCOMPARE(int(game.targetCell), target);
        QCOMPARE(int(game.pendingMoveValue), value);
        const Shape& frame = ui.Shape2[1];
        if (target < 0) {
            QCOMPARE(ui.Label4.caption(), QStringLiteral("*outside the playing field"));
            QCOMPARE(ui.Label4.foreColor(), kRed);
            QVERIFY(!frame.visible());
            QVERIFY(!ui.Timer1.enabled());
            QVERIFY(!game.cellCodes.isUsed(player));
        } else {
            QVERIFY(frame.visible());
            QCOMPARE(frame.left(), 2900 + 520 * board::columnOf(target) - 30);
            QCOMPARE(frame.top(), 2500 + 520 * board::rowOf(target) - 30);
            QVERIFY(ui.Timer1.enabled());
            QVERIFY(game.cellCodes.isUsed(player));
            const QString expected = target == player ? QStringLiteral("*box already used") : QString();
            QCOMPARE(ui.Label4.caption(), expected);
        }
    }

    void warningAboutTheTarget_data()
    {
        QTest::addColumn<QString>("targetCode");
        QTest::addColumn<CellValue>("targetMark");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("black hole") << "4bh" << CellValue(0) << "*black hole" << kRed;
        QTest::newRow("used black hole") << "4bh" << CellValue(1) << "*black hole" << kRed;
        QTest::newRow("used box") << "2a" << CellValue(1) << "*box already used" << kRed;
        QTest::newRow("door") << "door" << CellValue("0") << "*door" << kGreen;
        QTest::newRow("used door") << "door" << CellValue(1) << "*box already used" << kRed;
        QTest::newRow("fresh tile") << "3b" << CellValue(0) << "" << Colour(0);
    }
    void warningAboutTheTarget()
    {
        QFETCH(QString, targetCode);
        QFETCH(CellValue, targetMark);
        QFETCH(QString, message);
        QFETCH(Colour, colour);
        Game& game = window->game();
        const int target = kMiddle + 2;
        putTile(game, kMiddle, "1c", 2);
        putTile(game, target, targetCode);
        game.cellCodes(target, CellCodes::kUsedMark) = targetMark;
        game.playerCell = kMiddle;
        window->ui().Label4.setForeColor(Colour(0));

        game.ResolveMoves();

        QCOMPARE(int(game.targetCell), target);
        QCOMPARE(window->ui().Label4.caption(), message);
        QCOMPARE(window->ui().Label4.foreColor(), colour);
    }

    // Working the same move out again changes nothing, and a move turned off
    // the board later leaves the mark the cell already had.
    void repeatedAndThenRefusedKeepsTheMark()
    {
        Game& game = window->game();
        putTile(game, kMiddle, "2", 1, 2);
        game.playerCell = kMiddle;
        game.ResolveMoves();
        const int first = game.targetCell;
        const QRect frame(window->ui().Shape2[1].left(), window->ui().Shape2[1].top(), 0, 0);
        game.ResolveMoves();
        QCOMPARE(int(game.targetCell), first);
        QCOMPARE(QRect(window->ui().Shape2[1].left(), window->ui().Shape2[1].top(), 0, 0), frame);
        QVERIFY(game.cellCodes.isUsed(kMiddle));

        putTile(game, kMiddle, "1", 9);
        game.ResolveMoves();
        QCOMPARE(int(game.targetCell), -1);
        QVERIFY(game.cellCodes.isUsed(kMiddle));
    }

    // The frame of the pending target is the one numbered by trailCount, up
    // to the last move a level can have.
    void framesReachTheLongestLevel()
    {
        Game& game = window->game();
        putTile(game, kMiddle, "1c", 1);
        game.playerCell = kMiddle;
        game.trailCount = std::int16_t(Form1Controls::kTrailFrames - 1);
        game.ResolveMoves();
        QVERIFY(window->ui().Shape2[Form1Controls::kTrailFrames - 1].visible());
        QVERIFY(Form1Controls::kTrailFrames >= board::kCells + 1);
    }

private:
    std::unique_ptr<StartedWindow> window;
};

QTEST_MAIN(ResolveMovesTest)
#include "test_resolve_moves.moc"
