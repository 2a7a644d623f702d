// Turning the tile under the player: the cycle of codes, the redrawn cell
// and the move worked out again.
#include "support/BoardSetup.h"
#include "support/StartedWindow.h"

namespace {
constexpr int kPlayer = 5 * 22 + 8;
}

class RotationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
        window->game().levelNumber = 1;
        window->game().BuildLevel();
    }
    void init()
    {
        clearBoard(window->game());
        window->game().playerCell = kPlayer;
        window->game().trailCount = 1;
    }
    void cleanupTestCase() { window.reset(); }

    void oneTurn_data()
    {
        QTest::addColumn<CellValue>("before");
        QTest::addColumn<QString>("after");
        const char* const cycles[][2] = {
            {"1", "1a"},  {"1a", "1b"}, {"1b", "1c"}, {"1c", "1"},  {"2", "2a"},  {"2a", "2b"},
            {"2b", "2c"}, {"2c", "2"},  {"3", "3c"},  {"3c", "3b"}, {"3b", "3a"}, {"3a", "3"},
        };
        for (const auto& c : cycles) {
            QTest::addRow("%s", c[0]) << CellValue(c[0]) << c[1];
        }
        QTest::newRow("dealt as the number 1") << CellValue(1) << "1a";
        QTest::newRow("dealt as the number 3") << CellValue(3) << "3c";
    }
    void oneTurn()
    {
        QFETCH(CellValue, before);
        QFETCH(QString, after);
        Game& game = window->game();
        putTile(game, kPlayer, before, 2, 3);
        game.RotateCurrentTile();
        const CellValue turned = game.cellCodes(kPlayer, 0);
        QCOMPARE(turned.text(), after);
        QVERIFY(!turned.isNumber());
        QVERIFY(window->ui().Picture1[kPlayer].picture().source().endsWith("/images/" + after + ".jpg"));
        QVERIFY(window->ui().Form1.enabled());
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
        Game& game = window->game();
        Form1Controls& ui = window->ui();
        putTile(game, kPlayer, code, 4, 5);
        game.currentCode = code;
        game.cellIndex = kPlayer;
        game.PlaceCellLabels();
        ui.Picture1[kPlayer].setPicture(game.LoadTilePicture(code));
        const QPoint first(ui.Label1[kPlayer].left(), ui.Label1[kPlayer].top());
        const QString picture = ui.Picture1[kPlayer].picture().source();
        const bool familyOne = code.startsWith('1');

        for (int turn = 0; turn < 4; ++turn) {
            game.RotateCurrentTile();
            QCOMPARE(ui.Label1[kPlayer].caption(), QStringLiteral("4"));
            QCOMPARE(ui.Label2[kPlayer].caption(), QStringLiteral("5"));
            QCOMPARE(ui.Label2[kPlayer].visible(), !familyOne);
        }
        QCOMPARE(game.cellCodes(kPlayer, 0).text(), code);
        QCOMPARE(QPoint(ui.Label1[kPlayer].left(), ui.Label1[kPlayer].top()), first);
        QCOMPARE(ui.Picture1[kPlayer].picture().source(), picture);
    }

    // Each turn offers the move of the turned tile at once.
    void theTurnedTileOffersItsMove()
    {
        Game& game = window->game();
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
        Game& game = window->game();
        Form1Controls& ui = window->ui();
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

private:
    std::unique_ptr<StartedWindow> window;
};

QTEST_MAIN(RotationTest)
#include "test_rotation.moc"
