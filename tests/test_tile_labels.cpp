// The number labels of a cell follow its tile code: where each sits, which
// are shown, and that the door and black holes leave them alone. The labels
// keep their places and Visible without a window, so none is started.
#include "board/TileCodes.h"
#include "support/BareGame.h"

#include <QTest>

class TileLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { bare = std::make_unique<BareGame>(); }
    void cleanup() { bare.reset(); }

    void labelsTakeTheirPlaces_data()
    {
        QTest::addColumn<CellValue>("code");
        QTest::addColumn<QPoint>("first");   // (Left, Top) in twips
        QTest::addColumn<QPoint>("second");  // (-1, -1): hidden
        const QPoint hidden(-1, -1);
        QTest::newRow("1") << CellValue("1") << QPoint(180, 160) << hidden;
        QTest::newRow("1 as a number") << CellValue(1) << QPoint(180, 160) << hidden;
        QTest::newRow("1a") << CellValue("1a") << QPoint(180, 160) << hidden;
        QTest::newRow("1b") << CellValue("1b") << QPoint(180, 160) << hidden;
        QTest::newRow("1c") << CellValue("1c") << QPoint(180, 160) << hidden;
        QTest::newRow("2") << CellValue("2") << QPoint(30, 140) << QPoint(220, 40);
        QTest::newRow("2 as a number") << CellValue(2) << QPoint(30, 140) << QPoint(220, 40);
        QTest::newRow("2a") << CellValue("2a") << QPoint(180, 240) << QPoint(0, 180);
        QTest::newRow("2b") << CellValue("2b") << QPoint(300, 140) << QPoint(180, 240);
        QTest::newRow("2c") << CellValue("2c") << QPoint(140, 0) << QPoint(300, 140);
        QTest::newRow("3") << CellValue("3") << QPoint(220, 40) << QPoint(30, 140);
        QTest::newRow("3a") << CellValue("3a") << QPoint(0, 140) << QPoint(180, 240);
        QTest::newRow("3b") << CellValue("3b") << QPoint(160, 240) << QPoint(320, 140);
        QTest::newRow("3c") << CellValue("3c") << QPoint(300, 140) << QPoint(160, 0);
    }
    void labelsTakeTheirPlaces()
    {
        QFETCH(CellValue, code);
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        Game& game = bare->game;
        Form1Controls& ui = bare->ui;
        // Start from labels that are shown somewhere else, as the cell's
        // previous tile may have left them.
        ui.Label1[40].setVisible(true);
        ui.Label2[40].setVisible(true);
        ui.Label2[40].setLeft(1);
        ui.Label2[40].setTop(1);
        game.cellIndex = 40;
        game.currentCode = code;
        game.PlaceCellLabels();
        QCOMPARE(QPoint(ui.Label1[40].left(), ui.Label1[40].top()), first);
        QVERIFY(ui.Label1[40].visible());
        if (second == QPoint(-1, -1)) {
            QVERIFY(!ui.Label2[40].visible());
        } else {
            QVERIFY(ui.Label2[40].visible());
            QCOMPARE(QPoint(ui.Label2[40].left(), ui.Label2[40].top()), second);
        }
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
        QCOMPARE(QPoint(ui.Label1[7].left(), ui.Label1[7].top()), QPoint(11, 22));
        QCOMPARE(QPoint(ui.Label2[7].left(), ui.Label2[7].top()), QPoint(33, 44));
        QVERIFY(ui.Label1[7].visible());
        QVERIFY(!ui.Label2[7].visible());
    }

    // The quarter-turn table closes every family into a cycle of four.
    void everyCodeComesBackAfterFourTurns()
    {
        for (const tiles::ArrowTile& start : tiles::kArrowTiles) {
            const tiles::ArrowTile* tile = &start;
            for (int turn = 0; turn < 4; ++turn) {
                tile = tiles::findArrowTile(CellValue(tile->afterQuarterTurn));
                QVERIFY(tile);
                QCOMPARE(tile->code[0], start.code[0]);
            }
            QCOMPARE(QString(tile->code), QString(start.code));
        }
    }

    void numbersEqualTheirText_data()
    {
        QTest::addColumn<CellValue>("a");
        QTest::addColumn<CellValue>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("1 and \"1\"") << CellValue(1) << CellValue("1") << true;
        QTest::newRow("0 and \"0\"") << CellValue(0) << CellValue("0") << true;
        QTest::newRow("0 and 1") << CellValue(0) << CellValue(1) << false;
        QTest::newRow(R"("0" and "1")") << CellValue("0") << CellValue("1") << false;
        QTest::newRow("3 and \"3c\"") << CellValue(3) << CellValue("3c") << false;
    }
    void numbersEqualTheirText()
    {
        QFETCH(CellValue, a);
        QFETCH(CellValue, b);
        QFETCH(bool, equal);
        QCOMPARE(a == b, equal);
    }

private:
    std::unique_ptr<BareGame> bare;
};

QTEST_MAIN(TileLabelsTest)
#include "test_tile_labels.moc"
