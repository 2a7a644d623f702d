// Whole games through the real window: new game, countdown, turns and moves,
// the door and NEXT LEVEL, a black hole, the quit, the end screens.
#include "scoring/Captions.h"
#include "support/Player.h"

namespace {
int shown(const Label& label) { return captions::toNumber(label.caption()); }
}  // namespace

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

        QTest::keyClicks(ui.Text1.nativeWidget(), QStringLiteral("Ada"));
        p.click(ui.Label37);
        QVERIFY(!ui.Picture6.visible());
        QVERIFY(ui.Picture4.visible());
        QCOMPARE(ui.Label32.caption(), QStringLiteral("Ada\n"));
        QCOMPARE(ui.Label33.caption(), ui.Label17.caption() + '\n');
        QCOMPARE(ui.Label34.caption(), QStringLiteral("1\n"));
        p.click(ui.Label35);
        QVERIFY(!ui.Picture5.visible());
    }

    // A whole game with the keys alone: Return starts it from the menu, the
    // countdown takes no key, Space turns the tile, Return moves, Escape asks
    // to quit, the name is typed and saved with Return, and Escape closes
    // the list back to the menu, where the highlight stands on "new game".
    void aWholeGameFromTheKeyboard()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        Game& game = p.game();
        p.press(Qt::Key_Return);
        QVERIFY(!ui.Picture4.visible());
        QCOMPARE(int(game.levelNumber), 1);
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}) {
            p.press(key);
            QCOMPARE(int(game.clickScore), 3000);
        }
        p.runCountdown();
        p.plant(0, "1", 1);  // up: off the board
        p.plant(22, "1c", 1);
        p.replan();
        p.press(Qt::Key_Return);  // no move offered: nothing to make
        QCOMPARE(int(game.playerCell), 0);
        p.press(Qt::Key_Space);  // "1a": still off the board
        p.press(Qt::Key_Space);  // "1b": one down, onto cell 22
        QCOMPARE(int(game.clickScore), 2980);
        QCOMPARE(int(game.targetCell), 22);
        p.press(Qt::Key_Return);
        QCOMPARE(int(game.playerCell), 22);
        QCOMPARE(int(game.clickScore), 2970);

        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.press(Qt::Key_Escape);
        QCOMPARE(window->boxes.prompts.last(), QStringLiteral("Are you sure you want to quit?"));
        for (int tick = 0; tick < 5; ++tick) {
            game.Timer5_Timer();
        }
        QVERIFY(ui.Picture6.visible());
        p.press(Qt::Key_Escape);  // the list's X lies under the name entry
        QVERIFY(ui.Picture5.visible() && ui.Picture6.visible());
        p.type(QStringLiteral("Ada R"));
        QCOMPARE(ui.Text1.text(), QStringLiteral("Ada R"));
        QCOMPARE(window->boxes.prompts.size(), 1);
        p.press(Qt::Key_Return);
        QVERIFY(!ui.Picture6.visible());
        QCOMPARE(ui.Label32.caption(), QStringLiteral("Ada R\n"));
        p.press(Qt::Key_Escape);
        QVERIFY(!ui.Picture5.visible() && ui.Picture4.visible());

        p.press(Qt::Key_Down);  // from "new game" to "hi-scores"
        p.press(Qt::Key_Space);
        QVERIFY(ui.Picture5.visible());
        p.press(Qt::Key_Escape);
        p.press(Qt::Key_F1);
        QVERIFY(ui.Picture8.visible());
    }

    // A key acts only where its click would land: under a panel, on a
    // hidden or a disabled control it does nothing.
    void keysWhereTheirClickCannotLand_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return under how to play") << "how to play" << Qt::Key_Return;
        QTest::newRow("Space under credits") << "credits" << Qt::Key_Space;
        QTest::newRow("F1 under how to play's own panel") << "hi-scores" << Qt::Key_F1;
        QTest::newRow("R under the name entry") << "name entry" << Qt::Key_R;
        QTest::newRow("Escape under the name entry") << "name entry" << Qt::Key_Escape;
        QTest::newRow("Escape on the menu") << "menu" << Qt::Key_Escape;
        QTest::newRow("R on the menu") << "menu" << Qt::Key_R;
        QTest::newRow("Escape in the countdown") << "countdown" << Qt::Key_Escape;
        QTest::newRow("Return on a disabled window") << "disabled" << Qt::Key_Return;
    }
    void keysWhereTheirClickCannotLand()
    {
        QFETCH(QString, situation);
        QFETCH(Qt::Key, key);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        if (situation == "how to play") {
            p.click(ui.Label24);
        } else if (situation == "credits") {
            p.click(ui.Label25);
        } else if (situation == "hi-scores") {
            p.click(ui.Label23);
        } else if (situation == "name entry") {
            window->boxes.answerNext(MessageBoxes::Answer::Yes);
            p.startNewGame();
            p.click(ui.Label27);
            for (int tick = 0; tick < 5; ++tick) {
                p.game().Timer5_Timer();
            }
            // The keyboard away from the name box, so letters are keys.
            ui.Text1.nativeWidget()->clearFocus();
        } else if (situation == "countdown") {
            p.click(ui.Label22);
        } else if (situation == "disabled") {
            ui.Form1.setEnabled(false);
        }
        const auto shown = [&ui] {
            return QList<bool>{ui.Picture3.visible(), ui.Picture4.visible(), ui.Picture5.visible(),
                               ui.Picture6.visible(), ui.Picture7.visible(), ui.Picture8.visible()};
        };
        const QList<bool> before = shown();
        const int prompts = int(window->boxes.prompts.size());
        p.press(key);
        QCOMPARE(shown(), before);
        QCOMPARE(int(window->boxes.prompts.size()), prompts);
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

    void declinedQuitRestartsTheBonuses()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        p.startNewGame();
        const int clicks = p.game().clickScore;
        window->boxes.answerNext(MessageBoxes::Answer::No);
        p.click(ui.Label27);
        QCOMPARE(window->boxes.prompts.last(), QStringLiteral("Are you sure you want to quit?"));
        QCOMPARE(window->boxes.titles.last(), QStringLiteral("QUORBIT"));
        QVERIFY(ui.Timer2.enabled() && ui.Timer3.enabled());
        QVERIFY(ui.Label27.visible());
        QCOMPARE(int(p.game().clickScore), clicks);
        QVERIFY(!ui.Picture3.visible());
    }

    void confirmedQuitEndsTheGameWithoutAClick()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        p.startNewGame();
        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.click(ui.Label27);
        QCOMPARE(int(p.game().clickScore), 3000);
        QVERIFY(!ui.Label27.visible());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled() && !ui.Timer4.enabled() && !ui.Timer7.enabled());
        QVERIFY(ui.Timer5.enabled());
        QVERIFY(ui.Picture3.visible());
        QCOMPARE(shown(ui.Label17), p.game().TotalScore());
        QVERIFY(!ui.Picture1[0].answersClicks());
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
            QTest::keyClicks(p.ui().Text1.nativeWidget(), QStringLiteral("x"));
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
