// Where the tile under the player leads. First the move itself, from the tile
// and the record alone: its target, its value and the warning about the
// target. Then ResolveMoves, which puts it on the board: the frame, the
// blinking, the used mark and the move message. Neither needs the window.
#include "rules/MoveTarget.h"
#include "support/BareGame.h"
#include "support/BoardSetup.h"

#include <QTest>

namespace {

using colours::kGreen;
using colours::kRed;
constexpr Colour kUntouched = 0x123456;

// A square of the board by row and column, or off it. The legs a row of a
// table walks from it are the test's own reading of the arrows.
struct Square {
    int row, column;
    Square up(int cells) const { return {row - cells, column}; }
    Square down(int cells) const { return {row + cells, column}; }
    Square left(int cells) const { return {row, column - cells}; }
    Square right(int cells) const { return {row, column + cells}; }
};

constexpr Square kMiddle{7, 10};
constexpr Square kTopLeft{0, 0};
constexpr Square kBottomRight{13, 21};
constexpr int kMiddleCell = 7 * 22 + 10;
// A cell none of the moves tried starts from or leads to; one step right
// stays inside the field, one step up leaves it.
constexpr int kElsewhere = 1;

}  // namespace

Q_DECLARE_METATYPE(Square)
Q_DECLARE_METATYPE(moves::Tone)

class ResolveMovesTest : public QObject {
    Q_OBJECT

private slots:
    // ---- The move, from the tile alone ----

    void theTileOffersAMove_data()
    {
        QTest::addColumn<Square>("from");
        QTest::addColumn<CellValue>("code");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<Square>("to");
        QTest::addColumn<int>("value");

        // Where each code's legs point is the tile table's (test_tiles); here,
        // that a move takes the first number along the first leg and the
        // second along the second, its two numbers unlike so that a mix-up
        // shows.
        const Square m = kMiddle;
        // A tile dealt as a bare number is its family's first code.
        QTest::newRow("the number 1") << m << CellValue(1) << 4 << 1 << m.up(4) << 40;
        QTest::newRow("the number 2") << m << CellValue(2) << 4 << 1 << m.right(4).up(1) << 50;
        QTest::newRow("the number 3") << m << CellValue(3) << 4 << 1 << m.down(4).left(1) << 50;
        // "3" and "2b" with their numbers swapped meet on one square.
        QTest::newRow("3 with 2 and 4") << Square{2, 6} << CellValue("3") << 2 << 4 << Square{4, 2} << 60;
        QTest::newRow("2b with 4 and 2") << Square{2, 6} << CellValue("2b") << 4 << 2 << Square{4, 2} << 60;
        QTest::newRow("2b with 3 and 4 is worth 70") << m << CellValue("2b") << 3 << 4 << m.left(3).down(4) << 70;

        // Onto each edge of the board, the last square still on it.
        QTest::newRow("up onto the top row") << Square{5, 7} << CellValue("1") << 5 << 1 << Square{0, 7} << 50;
        QTest::newRow("down onto the bottom row") << Square{8, 4} << CellValue("1b") << 5 << 1 << Square{13, 4} << 50;
        QTest::newRow("left onto the first column") << Square{3, 5} << CellValue("1a") << 5 << 1 << Square{3, 0} << 50;
        QTest::newRow("right onto the last column")
            << Square{3, 16} << CellValue("1c") << 5 << 1 << Square{3, 21} << 50;
        QTest::newRow("2 onto the right edge") << Square{12, 20} << CellValue("2") << 1 << 1 << Square{11, 21} << 20;
        QTest::newRow("2c 5 5 from the start") << kTopLeft << CellValue("2c") << 5 << 5 << Square{5, 5} << 100;
        // One square further leads off the board; the move keeps its value,
        // and a column past the last never wraps into the next row.
        QTest::newRow("off the top") << kTopLeft << CellValue("1") << 1 << 1 << Square{-1, 0} << 10;
        QTest::newRow("off the bottom") << Square{9, 4} << CellValue("1b") << 5 << 1 << Square{14, 4} << 50;
        QTest::newRow("off the left") << Square{3, 4} << CellValue("1a") << 5 << 1 << Square{3, -1} << 50;
        QTest::newRow("off the right") << Square{0, 21} << CellValue("1c") << 1 << 1 << Square{0, 22} << 10;
        QTest::newRow("off the corner") << kBottomRight << CellValue("2c") << 1 << 1 << Square{14, 22} << 20;
        QTest::newRow("far off, 5 and 5") << kTopLeft << CellValue("3c") << 5 << 5 << Square{-5, -5} << 100;

        // Tiles without arrows offer a move of no length.
        for (const char* code : {"door", "4bh", "7x", "", "1d"}) {
            QTest::addRow("no arrows: \"%s\"", code) << m << CellValue(code) << 2 << 3 << m << 0;
        }
        QTest::newRow("no arrows: the number 4") << m << CellValue(4) << 2 << 3 << m << 0;
    }
    void theTileOffersAMove()
    {
        QFETCH(Square, from);
        QFETCH(CellValue, code);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(Square, to);
        QFETCH(int, value);

        const moves::Move move = moves::offeredFrom(from.row * 22 + from.column, code, first, second);

        QCOMPARE(move.row, to.row);
        QCOMPARE(move.column, to.column);
        QCOMPARE(int(move.value), value);
    }

    void theWarningAboutTheTarget_data()
    {
        QTest::addColumn<CellValue>("code");
        QTest::addColumn<CellValue>("mark");
        QTest::addColumn<QString>("text");  // empty: no warning
        QTest::addColumn<moves::Tone>("tone");
        const moves::Tone warning = moves::Tone::Warning;
        QTest::newRow("black hole") << CellValue("4bh") << CellValue(0) << "*black hole" << warning;
        QTest::newRow("used black hole") << CellValue("4bh") << CellValue(1) << "*black hole" << warning;
        QTest::newRow("used tile") << CellValue("2a") << CellValue(1) << "*box already used" << warning;
        QTest::newRow("used, the mark as text") << CellValue("1") << CellValue("1") << "*box already used" << warning;
        QTest::newRow("door, the mark dealt as text")
            << CellValue("door") << CellValue("0") << "*door" << moves::Tone::Welcome;
        QTest::newRow("door") << CellValue("door") << CellValue(0) << "*door" << moves::Tone::Welcome;
        QTest::newRow("used door") << CellValue("door") << CellValue(1) << "*box already used" << warning;
        QTest::newRow("fresh tile") << CellValue("3b") << CellValue(0) << "" << moves::Tone{};
        QTest::newRow("fresh tile dealt as a number") << CellValue(3) << CellValue("0") << "" << moves::Tone{};
    }
    void theWarningAboutTheTarget()
    {
        QFETCH(CellValue, code);
        QFETCH(CellValue, mark);
        QFETCH(QString, text);
        QFETCH(moves::Tone, tone);
        // Every other cell is a used black hole: only the target may decide.
        CellCodes codes;
        for (int cell = 0; cell < board::kCells; ++cell) {
            codes(cell, CellCodes::kTileCode) = "4bh";
            codes(cell, CellCodes::kUsedMark) = 1;
        }
        codes(kMiddleCell, CellCodes::kTileCode) = code;
        codes(kMiddleCell, CellCodes::kUsedMark) = mark;

        const moves::TargetWarning* warning = moves::warningAbout(codes, kMiddleCell);

        if (text.isEmpty()) {
            QCOMPARE(warning, nullptr);
        } else {
            QVERIFY(warning);
            QCOMPARE(QString::fromLatin1(warning->text), text);
            QCOMPARE(warning->tone, tone);
        }
    }

    // ---- ResolveMoves: the move on the board ----

    void init()
    {
        bare = std::make_unique<BareGame>();
        Game& game = bare->game;
        clearBoard(game);
        game.trailCount = 1;
        game.targetCell = -1;
        bare->ui.Label4.setCaption(QStringLiteral("left over"));
        bare->ui.Label4.setForeColor(kUntouched);
    }
    void cleanup() { bare.reset(); }

    void theTargetIsFramedOrRefused_data()
    {
        QTest::addColumn<int>("player");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("target");  // -1: off the board
        QTest::addColumn<int>("value");

        QTest::newRow("start cell, 1 up, off the top") << 0 << "1" << 1 << 1 << -1 << 10;
        QTest::newRow("last cell, 2c, off the corner") << 307 << "2c" << 1 << 1 << -1 << 20;
        QTest::newRow("first column, one left") << 5 * 22 << "1a" << 1 << 1 << -1 << 10;
        QTest::newRow("bottom row, one down") << 13 * 22 + 5 << "1b" << 1 << 1 << -1 << 10;
        QTest::newRow("last column, one right, no wrap") << 21 << "1c" << 1 << 1 << -1 << 10;
        QTest::newRow("start cell, 2c 5 5") << 0 << "2c" << 5 << 5 << 115 << 100;
        QTest::newRow("onto the right edge, 2 1 1") << 284 << "2" << 1 << 1 << 263 << 20;
        QTest::newRow("onto the last cell") << 307 - 22 << "1b" << 1 << 1 << 307 << 10;
        QTest::newRow("onto the start cell") << 2 * 22 << "1" << 2 << 1 << 0 << 20;
        QTest::newRow("2b 3 4 from the middle") << kMiddleCell << "2b" << 3 << 4 << kMiddleCell - 3 + 4 * 22 << 70;
        // Marked used before the warning is chosen, so a tile that does not
        // move the player warns that its own cell is used.
        QTest::newRow("a legless code stays put") << kMiddleCell << "7x" << 2 << 3 << kMiddleCell << 0;
    }
    void theTargetIsFramedOrRefused()
    {
        QFETCH(int, player);
        QFETCH(QString, code);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, target);
        QFETCH(int, value);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        // The move before went the other way, inside the field or off it, and
        // left the blinking and the frame as it needed them.
        putTile(game, kElsewhere, target < 0 ? "1c" : "1", 1);
        game.playerCell = kElsewhere;
        game.ResolveMoves();
        QCOMPARE(ui.Timer1.enabled(), target < 0);
        QCOMPARE(ui.Shape2[1].visible(), target < 0);
        putTile(game, player, code, first, second);
        game.playerCell = std::int16_t(player);
        ui.Label4.setCaption(QStringLiteral("left over"));
        ui.Label4.setForeColor(kUntouched);

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
            QCOMPARE(frame.left(), 2900 + 520 * (target % 22) - 30);
            QCOMPARE(frame.top(), 2500 + 520 * (target / 22) - 30);
            QVERIFY(ui.Timer1.enabled());
            QVERIFY(game.cellCodes.isUsed(player));
            const bool stays = target == player;
            QCOMPARE(ui.Label4.caption(), stays ? QStringLiteral("*box already used") : QString());
            QCOMPARE(ui.Label4.foreColor(), stays ? kRed : kUntouched);
        }
    }

    // The warning the move core chooses is the one the player reads.
    void theWarningIsShown_data()
    {
        QTest::addColumn<QString>("targetCode");
        QTest::addColumn<int>("targetMark");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Colour>("colour");
        QTest::newRow("black hole") << "4bh" << 0 << "*black hole" << kRed;
        QTest::newRow("used box") << "2a" << 1 << "*box already used" << kRed;
        QTest::newRow("door") << "door" << 0 << "*door" << kGreen;
        QTest::newRow("fresh tile") << "3b" << 0 << "" << kUntouched;
    }
    void theWarningIsShown()
    {
        QFETCH(QString, targetCode);
        QFETCH(int, targetMark);
        QFETCH(QString, message);
        QFETCH(Colour, colour);
        Game& game = bare->game;
        const int target = kMiddleCell + 2;
        putTile(game, kMiddleCell, "1c", 2);
        putTile(game, target, targetCode);
        game.cellCodes(target, CellCodes::kUsedMark) = targetMark;
        game.playerCell = kMiddleCell;

        game.ResolveMoves();

        QCOMPARE(int(game.targetCell), target);
        QCOMPARE(bare->ui.Label4.caption(), message);
        QCOMPARE(bare->ui.Label4.foreColor(), colour);
    }

    // Working the same move out again changes nothing, and a move turned off
    // the board later leaves the mark the cell already had.
    void repeatedAndThenRefusedKeepsTheMark()
    {
        Game& game = bare->game;
        const Shape& frame = bare->ui.Shape2[1];
        putTile(game, kMiddleCell, "2", 1, 2);
        game.playerCell = kMiddleCell;
        game.ResolveMoves();
        const int first = game.targetCell;
        const QPoint framedAt(frame.left(), frame.top());
        game.ResolveMoves();
        QCOMPARE(int(game.targetCell), first);
        QCOMPARE(QPoint(frame.left(), frame.top()), framedAt);
        QVERIFY(game.cellCodes.isUsed(kMiddleCell));

        putTile(game, kMiddleCell, "1", 9);
        game.ResolveMoves();
        QCOMPARE(int(game.targetCell), -1);
        QVERIFY(game.cellCodes.isUsed(kMiddleCell));
    }

    // The frame of the pending target is the one numbered by trailCount, up
    // to the last move a level can have.
    void framesReachTheLongestLevel()
    {
        Game& game = bare->game;
        putTile(game, kMiddleCell, "1c", 1);
        game.playerCell = kMiddleCell;
        game.trailCount = std::int16_t(Form1Controls::kTrailFrames - 1);
        game.ResolveMoves();
        QVERIFY(bare->ui.Shape2[Form1Controls::kTrailFrames - 1].visible());
        QVERIFY(Form1Controls::kTrailFrames >= board::kCells + 1);
    }

private:
    std::unique_ptr<BareGame> bare;
};

QTEST_MAIN(ResolveMovesTest)
#include "test_resolve_moves.moc"
