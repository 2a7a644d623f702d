// The counters and the total: level start, the time bonus and fast-click
// steps, and the squares that count twice.
#include "support/BoardSetup.h"
#include "support/StartedWindow.h"

class ScoreTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
        Game& game = window->game();
        game.levelNumber = 1;
        game.doorScore = 0;
        game.prevLevelsScore = 0;
        game.BuildLevel();
    }
    void cleanup() { window.reset(); }

    void levelStartsAtThirteenThousand()
    {
        window->game().StepSquares();
        QCOMPARE(window->ui().Label16.caption(), QStringLiteral("13000"));
    }

    // Until the first squares tick the total still holds the squares the
    // last level ended with; the tick puts them right.
    void lastLevelsSquaresLingerUntilTheFirstTick()
    {
        Game& game = window->game();
        game.squaresScore = 250;
        game.BuildLevel();
        QCOMPARE(window->ui().Label16.caption(), QStringLiteral("13250"));
        game.StepSquares();
        QCOMPARE(window->ui().Label16.caption(), QStringLiteral("13000"));
    }

    void carriedScoresJoinTheTotal()
    {
        Game& game = window->game();
        game.doorScore = 20000;
        game.prevLevelsScore = 31415;
        game.BuildLevel();
        game.StepSquares();
        QCOMPARE(window->ui().Labeldoor.caption(), QStringLiteral("20000"));
        QCOMPARE(window->ui().Label21.caption(), QStringLiteral("31415"));
        QCOMPARE(window->ui().Label16.caption(), QString::number(13000 + 20000 + 31415));
    }

    void squaresCountTwice_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("points");
        QTest::newRow("2x2") << 2 << 40;
        QTest::newRow("3x3") << 3 << 250;
        QTest::newRow("4x4") << 4 << 880;
    }
    void squaresCountTwice()
    {
        QFETCH(int, side);
        QFETCH(int, points);
        Game& game = window->game();
        for (int cell = 0; cell < board::kCells; ++cell) {
            game.cellCodes(cell, CellCodes::kUsedMark) = 0;
        }
        for (int r = 6; r < 6 + side; ++r) {
            for (int c = 9; c < 9 + side; ++c) {
                game.cellCodes(r * 22 + c, CellCodes::kUsedMark) = 1;
            }
        }
        game.StepSquares();
        // The game keeps the count where the squares timer and the total
        // read it.
        QCOMPARE(int(game.squaresScore), points);
        QCOMPARE(window->ui().Label29.caption(), QString::number(points));
        QCOMPARE(window->ui().Label16.caption(), QString::number(13000 + 2 * points));
    }

    void timeBonusRunsDownToZeroAndStays()
    {
        Game& game = window->game();
        game.StepSquares();
        game.StepTimeBonus();
        QCOMPARE(window->ui().Label7.caption(), QStringLiteral("9990"));
        QCOMPARE(window->ui().Label16.caption(), QStringLiteral("12990"));
        for (int tick = 1; tick < 1000; ++tick) {
            game.StepTimeBonus();
        }
        QCOMPARE(window->ui().Label7.caption(), QStringLiteral("0"));
        game.StepTimeBonus();
        QCOMPARE(window->ui().Label7.caption(), QStringLiteral("0"));
        QCOMPARE(window->ui().Label16.caption(), QStringLiteral("3000"));
    }

    // After a move the bank shows with 190, 180, ... 10 on top, then bare.
    void fastClickRunsDownOverTheBank()
    {
        Game& game = window->game();
        game.fastClickBank = 500;
        game.fastClickBonus = 200;
        for (int tick = 1; tick <= 19; ++tick) {
            game.StepFastClick();
            QCOMPARE(window->ui().Label8.caption(), QString::number(500 + 200 - 10 * tick));
        }
        for (int tick = 20; tick <= 40; ++tick) {
            game.StepFastClick();
            QCOMPARE(window->ui().Label8.caption(), QStringLiteral("500"));
            QVERIFY(game.fastClickBonus > 0 && game.fastClickBonus <= 2);
        }
    }

private:
    std::unique_ptr<StartedWindow> window;
};

QTEST_MAIN(ScoreTest)
#include "test_score.moc"
