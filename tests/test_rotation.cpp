// Turning the tile under the player and laying out a cell's numbers, both as
// the table of tiles says: the turned code, its picture, the numbers' places,
// and the move worked out again. No window is started: the controls keep
// their places and pictures without one.
#include "board/TileCodes.h"
#include "support/BareGame.h"
#include "support/BoardSetup.h"
#include "support/ProgramFolder.h"

#include <QTest>

Q_DECLARE_METATYPE(CellValue)

namespace {

constexpr int kPlayer = 5 * 22 + 8;

QPoint placeOf(const Label& label) { return {label.left(), label.top()}; }

// Where the table puts the numbers of `code`: the second hidden when it has
// none.
void compareWithTheTable(const Form1Controls& ui, int cell, const CellValue& code)
{
    const tiles::ArrowTile* tile = tiles::findArrowTile(code);
    QVERIFY(tile);
    QCOMPARE(placeOf(ui.Label1[cell]), QPoint(tile->firstNumber.left, tile->firstNumber.top));
    QVERIFY(ui.Label1[cell].visible());
    QCOMPARE(ui.Label2[cell].visible(), tile->secondNumber.has_value());
    if (tile->secondNumber) {
        QCOMPARE(placeOf(ui.Label2[cell]), QPoint(tile->secondNumber->left, tile->secondNumber->top));
    }
}

}  // namespace

class RotationTest : public QObject {
    Q_OBJECT

    ProgramFolder folder;  // the tile pictures
    std::unique_ptr<BareGame> bare;

private slots:
    void init()
    {
        bare = std::make_unique<BareGame>(GameFiles::besideProgram(folder.path()));
        clearBoard(bare->game);
        bare->game.playerCell = kPlayer;
        bare->game.trailCount = 1;
    }
    void cleanup() { bare.reset(); }

    // Every arrow code, and the numbers a deal may leave in place of one.
    void oneTurn_data()
    {
        QTest::addColumn<CellValue>("code");
        for (const tiles::ArrowTile& tile : tiles::kArrowTiles) {
            QTest::newRow(tile.code) << CellValue(tile.code);
        }
        QTest::newRow("dealt as the number 1") << CellValue(1);
        QTest::newRow("dealt as the number 2") << CellValue(2);
        QTest::newRow("dealt as the number 3") << CellValue(3);
    }
    // The labels go where the table says, from wherever the cell's previous
    // tile left them. One turn gives the code the table turns it into,
    // written as text, with its picture, its numbers and their places.
    void oneTurn()
    {
        QFETCH(CellValue, code);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        putTile(game, kPlayer, code, 2, 3);
        ui.Label2[kPlayer].setVisible(true);
        ui.Label2[kPlayer].setLeft(1);
        ui.Label2[kPlayer].setTop(1);
        game.cellIndex = kPlayer;
        game.currentCode = code;
        game.PlaceCellLabels();
        compareWithTheTable(ui, kPlayer, code);

        game.RotateCurrentTile();

        const CellValue turned = game.cellCodes(kPlayer, CellCodes::kTileCode);
        QCOMPARE(turned.text(), QString::fromLatin1(tiles::findArrowTile(code)->afterQuarterTurn));
        QVERIFY(!turned.isNumber());
        QVERIFY(ui.Picture1[kPlayer].picture().source().endsWith("/images/" + turned.text() + ".jpg"));
        compareWithTheTable(ui, kPlayer, turned);
        QCOMPARE(ui.Label1[kPlayer].caption(), QStringLiteral("2"));
        QCOMPARE(ui.Label2[kPlayer].caption(), QStringLiteral("3"));
        QVERIFY(ui.Form1.enabled());
    }

    // Each turn offers the move of the turned tile at once.
    void theTurnedTileOffersItsMove()
    {
        Game& game = bare->game;
        putTile(game, kPlayer, "1c", 2);
        game.RotateCurrentTile();  // "1": two up
        QCOMPARE(int(game.targetCell), kPlayer - 2 * 22);
        game.RotateCurrentTile();  // "1a": two left
        QCOMPARE(int(game.targetCell), kPlayer - 2);
    }

    // Tiles without arrows keep their labels where they are; the door and a
    // black hole do not turn either, and their move is worked out again: a
    // tile without legs targets its own, now used, cell.
    void tilesWithoutArrows_data()
    {
        QTest::addColumn<CellValue>("code");
        QTest::addColumn<QString>("message");  // after a turn; empty: not turned
        QTest::newRow("door") << CellValue("door") << "*box already used";
        QTest::newRow("black hole") << CellValue("4bh") << "*black hole";
        QTest::newRow("unknown") << CellValue("7x") << "";
        QTest::newRow("number 4") << CellValue(4) << "";
    }
    void tilesWithoutArrows()
    {
        QFETCH(CellValue, code);
        QFETCH(QString, message);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        putTile(game, kPlayer, code);
        ui.Label1[kPlayer].setGeometry(11, 22, 135, 255);
        ui.Label2[kPlayer].setGeometry(33, 44, 135, 255);
        ui.Label1[kPlayer].setVisible(true);
        ui.Label2[kPlayer].setVisible(false);
        ui.Label1[kPlayer].setCaption(QStringLiteral("9"));
        game.cellIndex = kPlayer;
        game.currentCode = code;
        game.PlaceCellLabels();
        if (!message.isEmpty()) {
            game.RotateCurrentTile();
            QCOMPARE(game.cellCodes(kPlayer, CellCodes::kTileCode).text(), code.text());
            QCOMPARE(ui.Label1[kPlayer].caption(), QStringLiteral("9"));
            QCOMPARE(int(game.targetCell), kPlayer);
            QCOMPARE(ui.Label4.caption(), message);
        }
        QCOMPARE(placeOf(ui.Label1[kPlayer]), QPoint(11, 22));
        QCOMPARE(placeOf(ui.Label2[kPlayer]), QPoint(33, 44));
        QVERIFY(ui.Label1[kPlayer].visible());
        QVERIFY(!ui.Label2[kPlayer].visible());
    }
};

QTEST_MAIN(RotationTest)
#include "test_rotation.moc"
