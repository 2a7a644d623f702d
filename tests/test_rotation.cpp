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
    void codes_data()
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
    // tile left them.
    void labelsTakeTheirPlaces_data() { codes_data(); }
    void labelsTakeTheirPlaces()
    {
        QFETCH(CellValue, code);
        Form1Controls& ui = bare->ui;
        ui.Label1[40].setVisible(true);
        ui.Label2[40].setVisible(true);
        ui.Label2[40].setLeft(1);
        ui.Label2[40].setTop(1);
        bare->game.cellIndex = 40;
        bare->game.currentCode = code;
        bare->game.PlaceCellLabels();
        compareWithTheTable(ui, 40, code);
    }

    void doorBlackHoleAndUnknownLeaveLabelsAlone_data()
    {
        QTest::addColumn<CellValue>("code");
        QTest::newRow("door") << CellValue("door");
        QTest::newRow("black hole") << CellValue("4bh");
        QTest::newRow("unknown") << CellValue("7x");
        QTest::newRow("number 4") << CellValue(4);
    }
    void doorBlackHoleAndUnknownLeaveLabelsAlone()
    {
        QFETCH(CellValue, code);
        Form1Controls& ui = bare->ui;
        ui.Label1[7].setGeometry(11, 22, 135, 255);
        ui.Label2[7].setGeometry(33, 44, 135, 255);
        ui.Label1[7].setVisible(true);
        ui.Label2[7].setVisible(false);
        bare->game.cellIndex = 7;
        bare->game.currentCode = code;
        bare->game.PlaceCellLabels();
        QCOMPARE(placeOf(ui.Label1[7]), QPoint(11, 22));
        QCOMPARE(placeOf(ui.Label2[7]), QPoint(33, 44));
        QVERIFY(ui.Label1[7].visible());
        QVERIFY(!ui.Label2[7].visible());
    }

    // One turn gives the code the table turns it into, written as text,
    // with its picture and its numbers' places.
    void oneTurn_data() { codes_data(); }
    void oneTurn()
    {
        QFETCH(CellValue, code);
        Game& game = bare->game;
        putTile(game, kPlayer, code, 2, 3);
        game.RotateCurrentTile();
        const CellValue turned = game.cellCodes(kPlayer, CellCodes::kTileCode);
        QCOMPARE(turned.text(), QString::fromLatin1(tiles::findArrowTile(code)->afterQuarterTurn));
        QVERIFY(!turned.isNumber());
        QVERIFY(bare->ui.Picture1[kPlayer].picture().source().endsWith("/images/" + turned.text() + ".jpg"));
        compareWithTheTable(bare->ui, kPlayer, turned);
        QVERIFY(bare->ui.Form1.enabled());
    }

    // Four turns bring back the code, the labels and the picture, and the
    // numbers stay with their arrows all the way round.
    void fourTurnsComeBack_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"1b", "2", "3a"}) {
            QTest::newRow(code) << code;
        }
    }
    void fourTurnsComeBack()
    {
        QFETCH(QString, code);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        putTile(game, kPlayer, code, 4, 5);
        game.currentCode = code;
        game.cellIndex = kPlayer;
        game.PlaceCellLabels();
        ui.Picture1[kPlayer].setPicture(game.LoadTilePicture(code));
        const QPoint first = placeOf(ui.Label1[kPlayer]);
        const QString picture = ui.Picture1[kPlayer].picture().source();
        const bool familyOne = code.startsWith('1');

        for (int turn = 0; turn < 4; ++turn) {
            game.RotateCurrentTile();
            QCOMPARE(ui.Label1[kPlayer].caption(), QStringLiteral("4"));
            QCOMPARE(ui.Label2[kPlayer].caption(), QStringLiteral("5"));
            QCOMPARE(ui.Label2[kPlayer].visible(), !familyOne);
        }
        QCOMPARE(game.cellCodes(kPlayer, 0).text(), code);
        QCOMPARE(placeOf(ui.Label1[kPlayer]), first);
        QCOMPARE(ui.Picture1[kPlayer].picture().source(), picture);
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

    void doorAndBlackHoleDoNotTurn_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("door") << "door";
        QTest::newRow("black hole") << "4bh";
    }
    void doorAndBlackHoleDoNotTurn()
    {
        QFETCH(QString, code);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        putTile(game, kPlayer, code);
        ui.Label1[kPlayer].setCaption(QStringLiteral("9"));
        ui.Label4.setCaption(QStringLiteral("old message"));
        game.RotateCurrentTile();
        QCOMPARE(game.cellCodes(kPlayer, 0).text(), code);
        QCOMPARE(ui.Label1[kPlayer].caption(), QStringLiteral("9"));
        // Worked out again: a tile without legs targets its own, now used,
        // cell.
        QCOMPARE(int(game.targetCell), kPlayer);
        QCOMPARE(ui.Label4.caption(),
                 code == "4bh" ? QStringLiteral("*black hole") : QStringLiteral("*box already used"));
    }
};

QTEST_MAIN(RotationTest)
#include "test_rotation.moc"
