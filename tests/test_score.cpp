// The counters and the total: level start, the time bonus and fast-click
// steps, and the squares that count twice. No window is started.
#include "support/BareGame.h"
#include "support/BoardSetup.h"

#include <QTest>

class ScoreTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        bare = std::make_unique<BareGame>();
        clearBoard(bare->game);
        bare->game.ResetLevelCounters();
    }
    void cleanup() { bare.reset(); }

    // Until the first squares tick the total still holds the squares the
    // last level ended with; the tick puts them right. The door points and
    // the score carried join the total.
    void levelStartTotal_data()
    {
        QTest::addColumn<int>("lastSquares");
        QTest::addColumn<int>("door");
        QTest::addColumn<int>("carried");
        QTest::newRow("first level") << 0 << 0 << 0;
        QTest::newRow("last level's squares") << 250 << 0 << 0;
        QTest::newRow("door points and score carried") << 0 << 20000 << 31415;
    }
    void levelStartTotal()
    {
        QFETCH(int, lastSquares);
        QFETCH(int, door);
        QFETCH(int, carried);
        Game& game = bare->game;
        game.squaresScore = lastSquares;
        game.doorScore = door;
        game.prevLevelsScore = carried;
        game.ResetLevelCounters();
        QCOMPARE(bare->ui.Label16.caption(), QString::number(13000 + lastSquares + door + carried));
        game.StepSquares();
        QCOMPARE(bare->ui.Labeldoor.caption(), QString::number(door));
        QCOMPARE(bare->ui.Label21.caption(), QString::number(carried));
        QCOMPARE(bare->ui.Label16.caption(), QString::number(13000 + door + carried));
    }

    // A 3x3 square of used cells is worth 250 (four of side 2, one of
    // side 3): shown in its counter and counted twice in the total.
    void squaresCountTwice()
    {
        Game& game = bare->game;
        for (int r = 6; r < 9; ++r) {
            for (int c = 9; c < 12; ++c) {
                game.cellCodes(r * 22 + c, CellCodes::kUsedMark) = 1;
            }
        }
        game.StepSquares();
        // The game keeps the count where the squares timer and the total
        // read it.
        QCOMPARE(int(game.squaresScore), 250);
        QCOMPARE(bare->ui.Label29.caption(), QStringLiteral("250"));
        QCOMPARE(bare->ui.Label16.caption(), QString::number(13000 + 2 * 250));
    }

    void timeBonusRunsDownToZeroAndStays()
    {
        Game& game = bare->game;
        game.StepTimeBonus();
        QCOMPARE(bare->ui.Label7.caption(), QStringLiteral("9990"));
        QCOMPARE(bare->ui.Label16.caption(), QStringLiteral("12990"));
        for (int tick = 1; tick < 1000; ++tick) {
            game.StepTimeBonus();
        }
        QCOMPARE(bare->ui.Label7.caption(), QStringLiteral("0"));
        game.StepTimeBonus();
        QCOMPARE(bare->ui.Label7.caption(), QStringLiteral("0"));
        QCOMPARE(bare->ui.Label16.caption(), QStringLiteral("3000"));
    }

    // After a move the bank shows with 190, 180, ... 10 on top, then bare.
    void fastClickRunsDownOverTheBank()
    {
        Game& game = bare->game;
        game.fastClickBank = 500;
        game.fastClickBonus = 200;
        for (int tick = 1; tick <= 19; ++tick) {
            game.StepFastClick();
            QCOMPARE(bare->ui.Label8.caption(), QString::number(500 + 200 - 10 * tick));
        }
        for (int tick = 20; tick <= 40; ++tick) {
            game.StepFastClick();
            QCOMPARE(bare->ui.Label8.caption(), QStringLiteral("500"));
            QVERIFY(game.fastClickBonus > 0 && game.fastClickBonus <= 2);
        }
    }

private:
    std::unique_ptr<BareGame> bare;
};

QTEST_MAIN(ScoreTest)
#include "test_score.moc"
