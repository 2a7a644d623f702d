// Whole games through the real window: new game, countdown, turns and moves,
// the door and NEXT LEVEL, a black hole, the quit, the end screens.
#include "scoring/Captions.h"
#include "support/Player.h"

namespace {
int shown(const Label& label) { return captions::toNumber(label.caption()); }
}  // namespace

Q_DECLARE_METATYPE(MessageBoxes::Answer)

class WholeGameTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
        player = std::make_unique<Player>(*window);
    }
    void cleanup()
    {
        player.reset();
        window.reset();
    }

    void countdownOpensTheBoard()
    {
        Form1Controls& ui = player->ui();
        player->click(ui.Label22);
        QVERIFY(!ui.Picture4.visible());
        QCOMPARE(ui.Label19.caption(), QStringLiteral("LEVEL 1"));
        for (const char* expected : {"2", "1", "START"}) {
            QVERIFY(!ui.Picture1[0].answersClicks());
            player->game().Timer4_Timer();
            QCOMPARE(ui.Label5.caption(), QString::fromLatin1(expected));
        }
        QVERIFY(!ui.Timer2.enabled());
        player->game().Timer4_Timer();
        QVERIFY(!ui.Picture3.visible());
        QVERIFY(ui.Label27.visible());
        QVERIFY(!ui.Timer4.enabled());
        QVERIFY(ui.Timer2.enabled() && ui.Timer3.enabled() && ui.Timer7.enabled());
        for (const PictureBox& cell : ui.Picture1) {
            QVERIFY(cell.answersClicks());
        }
    }

    // Two turns, a move, the door, NEXT LEVEL: every counter on its way.
    void aLevelPlayedToTheDoorAndOn()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        Game& game = p.game();
        p.startNewGame();
        p.plant(0, "1", 1);  // up: off the board
        p.plant(22, "1c", 2);
        p.plant(24, "door");
        game.cellCodes(24, CellCodes::kUsedMark) = "0";
        p.replan();
        QCOMPARE(int(game.targetCell), -1);

        p.clickCell(0);  // "1a": still off the board
        p.clickCell(0);  // "1b": one down, onto cell 22
        QCOMPARE(int(game.clickScore), 2980);
        QCOMPARE(ui.Label11.caption(), QStringLiteral("2980"));
        QCOMPARE(int(game.targetCell), 22);
        QVERIFY(ui.Shape2[1].visible());

        p.clickCell(5);  // neither the player's nor the target: ignored
        QCOMPARE(int(game.clickScore), 2980);

        p.click(ui.Label1[22]);  // the move, through the target's number
        QCOMPARE(int(game.playerCell), 22);
        QVERIFY(ui.Picture1[0].picture().source().endsWith("/images/ok.jpg"));
        QCOMPARE(ui.Label1[0].caption(), QString());
        QCOMPARE(ui.Label2[0].caption(), QString());
        QCOMPARE(ui.Label13.caption(), QStringLiteral("10"));
        QCOMPARE(int(game.trailCount), 2);
        QVERIFY(ui.Shape2[1].visible());
        QCOMPARE(int(game.targetCell), 24);
        QCOMPARE(ui.Label4.caption(), QStringLiteral("*door"));

        p.clickCell(24);
        QCOMPARE(ui.Label5.caption(), QStringLiteral("YOU WON"));
        QCOMPARE(ui.Label5.foreColor(), RGB(0, 192, 0));
        QCOMPARE(int(game.doorScore), 10000);
        QCOMPARE(ui.Labeldoor.caption(), QStringLiteral("10000"));
        QVERIFY(ui.Command2.visible());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled());
        QVERIFY(ui.Timer7.enabled());
        QVERIFY(!ui.Picture1[22].answersClicks());
        const int total = shown(ui.Label17);
        QCOMPARE(total, game.TotalScore());

        p.click(ui.Command2);
        QCOMPARE(int(game.prevLevelsScore), total - 10000);
        QCOMPARE(int(game.levelNumber), 2);
        QCOMPARE(ui.Label19.caption(), QStringLiteral("LEVEL 2"));
        QVERIFY(!ui.Command2.visible());
        QCOMPARE(ui.Label5.caption(), QStringLiteral("3"));
        p.tickSquares();
        QCOMPARE(shown(ui.Label16), total + 13000);
    }

    void fourLevelsWonInARow()
    {
        Player& p = *player;
        p.startNewGame();
        for (int level = 1; level <= 4; ++level) {
            p.winLevel();
            QCOMPARE(p.ui().Label5.caption(), QStringLiteral("YOU WON"));
            p.click(p.ui().Command2);
            p.runCountdown();
        }
        QCOMPARE(int(p.game().levelNumber), 5);
        QCOMPARE(int(p.game().doorScore), 40000);
        QCOMPARE(p.ui().Labeldoor.caption(), QStringLiteral("40000"));
        QVERIFY(p.game().prevLevelsScore > 0);
    }

    // A black hole ends the game; with an empty list any total is a new
    // hi-score, and five seconds later the name entry opens.
    void blackHoleEndsTheGameIntoTheNameEntry()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        p.startNewGame();
        p.plant(0, "1b", 1);
        p.plant(22, "4bh");
        p.replan();
        QCOMPARE(ui.Label4.caption(), QStringLiteral("*black hole"));
        p.clickCell(22);
        QCOMPARE(int(p.game().clickScore), 2990);
        QCOMPARE(shown(ui.Label17), p.game().TotalScore());
        QVERIFY(ui.Picture3.visible());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled() && !ui.Timer7.enabled());
        QVERIFY(ui.Timer5.enabled());
        QCOMPARE(ui.Label5.caption(), QStringLiteral("NEW HI-SCORE"));
        for (int tick = 0; tick < 4; ++tick) {
            p.game().Timer5_Timer();
            QVERIFY(ui.Picture1[0].visible());
        }
        p.game().Timer5_Timer();
        QVERIFY(!ui.Picture1[0].visible());
        QVERIFY(!ui.Timer5.enabled());
        QVERIFY(ui.Picture5.visible() && ui.Picture6.visible());
        QVERIFY(!ui.Picture4.visible());
        QCOMPARE(ui.Text1.text(), QString());

        QTest::keyClicks(ui.Text1.widget(), QStringLiteral("Ada"));
        p.click(ui.Label37);
        QVERIFY(!ui.Picture6.visible());
        QVERIFY(ui.Picture4.visible());
        QCOMPARE(ui.Label32.caption(), QStringLiteral("Ada\n"));
        QCOMPARE(ui.Label33.caption(), ui.Label17.caption() + '\n');
        QCOMPARE(ui.Label34.caption(), QStringLiteral("1\n"));
        p.click(ui.Label35);
        QVERIFY(!ui.Picture5.visible());
    }

    // A total below every listed score ends on the menu.
    void usedBoxEndsTheGameOnTheMenu()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        for (int row = 0; row < 10; ++row) {
            p.game().cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("best"), 900000 + row, 9});
        }
        p.startNewGame();
        p.plant(0, "1b", 1);
        p.plant(22, "1", 1);
        p.game().cellCodes(22, CellCodes::kUsedMark) = 1;
        p.replan();
        QCOMPARE(ui.Label4.caption(), QStringLiteral("*box already used"));
        p.clickCell(22);
        QCOMPARE(ui.Label5.caption(), QStringLiteral("GAME OVER"));
        QCOMPARE(ui.Label17.foreColor(), Colour(0xC0));
        QVERIFY(!ui.Label27.enabled());
        for (int tick = 0; tick < 5; ++tick) {
            p.game().Timer5_Timer();
        }
        QVERIFY(ui.Picture4.visible());
        QVERIFY(!ui.Picture3.visible());
        QVERIFY(!ui.Picture5.visible());
    }

    // The quit while a level is played, and during the countdown of level 2,
    // where the X shows and answers, with the countdown's seconds going by
    // under the question. The total of a confirmed quit is worked out here:
    // level 1 starts at 13000 (time bonus 10000, clicks 3000); winning it in
    // one click (2990) with its door (10000) makes 22990, of which 12990 is
    // carried and 10000 kept as door points, so level 2 starts at 35990.
    void quit_data()
    {
        QTest::addColumn<bool>("inCountdown");
        QTest::addColumn<int>("secondsUnderTheQuestion");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<int>("finalTotal");
        const auto yes = MessageBoxes::Answer::Yes;
        const auto no = MessageBoxes::Answer::No;
        QTest::newRow("playing, declined") << false << 0 << no << 0;
        QTest::newRow("playing, confirmed") << false << 0 << yes << 13000;
        QTest::newRow("countdown, declined") << true << 0 << no << 0;
        QTest::newRow("countdown, declined, START came") << true << 4 << no << 0;
        QTest::newRow("countdown, confirmed") << true << 0 << yes << 35990;
        QTest::newRow("countdown, confirmed, START shown") << true << 3 << yes << 35990;
        QTest::newRow("countdown, confirmed, START came") << true << 4 << yes << 35990;
    }
    void quit()
    {
        QFETCH(bool, inCountdown);
        QFETCH(int, secondsUnderTheQuestion);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(int, finalTotal);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        p.startNewGame();
        if (inCountdown) {
            p.winLevel();
            p.click(ui.Command2);
        }
        const int clicks = p.game().clickScore;
        window->boxes.whileWaiting = [&] {
            for (int second = 0; second < secondsUnderTheQuestion && ui.Timer4.enabled(); ++second)
                p.game().Timer4_Timer();
        };
        window->boxes.answerNext(answer);

        p.click(ui.Label27);

        QCOMPARE(window->boxes.prompts.last(), QStringLiteral("Are you sure you want to quit?"));
        QCOMPARE(window->boxes.titles.last(), QStringLiteral("QUORBIT"));
        QCOMPARE(int(p.game().clickScore), clicks);
        const bool started = !inCountdown || secondsUnderTheQuestion >= 4;
        if (answer == MessageBoxes::Answer::No) {
            // Declining switches the bonuses on, even before the level opens.
            QVERIFY(ui.Timer2.enabled() && ui.Timer3.enabled());
            QCOMPARE(ui.Timer4.enabled(), !started);
            QVERIFY(ui.Label27.visible());
            QCOMPARE(ui.Picture3.visible(), !started);
            return;
        }
        QVERIFY(!ui.Label27.visible());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled());
        QVERIFY(!ui.Timer4.enabled() && !ui.Timer7.enabled());
        QVERIFY(ui.Timer5.enabled());
        QVERIFY(ui.Picture3.visible());
        QCOMPARE(shown(ui.Label17), finalTotal);
        for (const PictureBox& cell : ui.Picture1)
            QVERIFY(!cell.answersClicks());
    }

    // Quitting on the result screen of a won level takes NEXT LEVEL away.
    void quitAfterAWinLeavesNoNextLevel()
    {
        Player& p = *player;
        p.startNewGame();
        p.winLevel();
        QVERIFY(p.ui().Command2.visible());
        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.click(p.ui().Label27);
        QVERIFY(!p.ui().Command2.visible());
    }

    void newGameStartsAfreshAfterAGame()
    {
        Player& p = *player;
        p.startNewGame();
        p.winLevel();
        p.click(p.ui().Command2);
        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.click(p.ui().Label27);
        for (int tick = 0; tick < 5; ++tick) {
            p.game().Timer5_Timer();
        }
        if (p.ui().Picture6.visible()) {
            QTest::keyClicks(p.ui().Text1.widget(), QStringLiteral("x"));
            p.click(p.ui().Label37);
            p.click(p.ui().Label35);
        }
        p.startNewGame();
        QCOMPARE(int(p.game().levelNumber), 1);
        QCOMPARE(int(p.game().doorScore), 0);
        QCOMPARE(int(p.game().prevLevelsScore), 0);
        QCOMPARE(p.ui().Labeldoor.caption(), QStringLiteral("0"));
    }

    void panelsOpenOverTheMenuAndClose_data()
    {
        QTest::addColumn<Label Form1Controls::*>("opener");
        QTest::addColumn<PictureBox Form1Controls::*>("panel");
        QTest::addColumn<Label Form1Controls::*>("closer");
        QTest::newRow("hi-scores") << &Form1Controls::Label23 << &Form1Controls::Picture5 << &Form1Controls::Label35;
        QTest::newRow("how to play") << &Form1Controls::Label24 << &Form1Controls::Picture8 << &Form1Controls::Label45;
        QTest::newRow("credits") << &Form1Controls::Label25 << &Form1Controls::Picture7 << &Form1Controls::Label38;
    }
    void panelsOpenOverTheMenuAndClose()
    {
        QFETCH(Label Form1Controls::*, opener);
        QFETCH(PictureBox Form1Controls::*, panel);
        QFETCH(Label Form1Controls::*, closer);
        Form1Controls& ui = player->ui();
        player->click(ui.*opener);
        QVERIFY((ui.*panel).visible());
        QVERIFY(ui.Picture4.visible());
        player->click(ui.*closer);
        QVERIFY(!(ui.*panel).visible());
        QVERIFY(ui.Picture4.visible());
    }

private:
    std::unique_ptr<StartedWindow> window;
    std::unique_ptr<Player> player;
};

QTEST_MAIN(WholeGameTest)
#include "test_whole_game.moc"
