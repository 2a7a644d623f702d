// Whole games through the real window: new game, countdown, turns and moves,
// the door and NEXT LEVEL, a black hole, the quit, the end screens.
#include "support/Player.h"

#include <QKeySequence>
#include <algorithm>
#include <map>

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
        player->click("new game");
        QCOMPARE(player->screen(), Screen::Countdown);
        QCOMPARE(ui.Label19.caption(), QStringLiteral("LEVEL 1"));
        for (const char* expected : {"2", "1", "START"}) {
            QVERIFY(!ui.Picture1[0].answersClicks());
            player->runCountdown(1);
            QCOMPARE(player->result(), QString::fromLatin1(expected));
        }
        QVERIFY(!ui.Timer2.enabled());
        player->runCountdown(1);
        QCOMPARE(player->screen(), Screen::Playing);
        QVERIFY(Player::inView(player->control("quit game")));
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
        QCOMPARE(p.target(), -1);

        p.turn();  // "1a": still off the board
        p.turn();  // "1b": one down, onto cell 22
        QCOMPARE(int(game.clickScore), 2980);
        QCOMPARE(p.counter("clicks"), 2980);
        QCOMPARE(p.target(), 22);
        QVERIFY(ui.Shape2[1].visible());

        p.clickCell(5);  // neither the player's nor the target: ignored
        QCOMPARE(p.counter("clicks"), 2980);

        p.click(ui.Label1[22]);  // the move, through the target's number
        QCOMPARE(p.standsOn(), 22);
        QVERIFY(ui.Picture1[0].picture().source().endsWith("/images/ok.jpg"));
        QCOMPARE(ui.Label1[0].caption(), QString());
        QCOMPARE(ui.Label2[0].caption(), QString());
        QCOMPARE(p.counter("points"), 10);
        QCOMPARE(int(game.trailCount), 2);
        QVERIFY(ui.Shape2[1].visible());
        QCOMPARE(p.target(), 24);
        QCOMPARE(ui.Label4.caption(), QStringLiteral("*door"));

        p.move();
        QCOMPARE(p.screen(), Screen::LevelWon);
        QCOMPARE(p.result(), QStringLiteral("YOU WON"));
        QCOMPARE(ui.Label5.foreColor(), colours::kGreen);
        QCOMPARE(int(game.doorScore), 10000);
        QCOMPARE(p.counter("door"), 10000);
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled());
        QVERIFY(ui.Timer7.enabled());
        QVERIFY(!ui.Picture1[22].answersClicks());
        // Time bonus 10000, fast click 0 (banked before any tick), four
        // accepted clicks 2960, one move 10, the door 10000.
        const int total = 10000 + 0 + 2960 + 10 + 10000;
        QCOMPARE(p.finalTotal(), total);
        QCOMPARE(ui.Label17.foreColor(), colours::kGreen);
        QCOMPARE(p.total(), total);

        p.click("NEXT LEVEL");
        QCOMPARE(int(game.prevLevelsScore), total - 10000);
        QCOMPARE(int(game.levelNumber), 2);
        QCOMPARE(ui.Label19.caption(), QStringLiteral("LEVEL 2"));
        QCOMPARE(p.screen(), Screen::Countdown);
        QVERIFY(!Player::inView(ui.Command2));
        QCOMPARE(p.result(), QStringLiteral("3"));
        p.tickSquares();
        QCOMPARE(p.total(), total + 13000);
    }

    // Each level is won with one click: its own 12990 (time bonus 10000,
    // clicks 2990) joins what was carried, and the door points of every win
    // so far show beside it. NEXT LEVEL carries all but those door points.
    void fourLevelsWonInARow()
    {
        Player& p = *player;
        p.startNewGame();
        for (int level = 1; level <= 4; ++level) {
            p.winLevel();
            QCOMPARE(p.result(), QStringLiteral("YOU WON"));
            const int carried = 12990 * (level - 1);
            QCOMPARE(p.finalTotal(), carried + 12990 + 10000 * level);
            p.click("NEXT LEVEL");
            QCOMPARE(int(p.game().prevLevelsScore), carried + 12990);
            QCOMPARE(p.counter("prev level"), carried + 12990);
            p.runCountdown();
        }
        QCOMPARE(int(p.game().levelNumber), 5);
        QCOMPARE(int(p.game().doorScore), 40000);
        QCOMPARE(p.counter("door"), 40000);
    }

    // Three moves down a planted path, with the clock running before each:
    // every move banks the fast-click points shown at that moment and starts
    // the countdown afresh, and the frames of the cells reached stay on, in
    // order, even when a blink had just hidden the pending one.
    void movesAlongAPath_data()
    {
        QTest::addColumn<QList<int>>("fastClickTicks");  // before each move
        QTest::addColumn<int>("blinks");                 // before each move
        QTest::newRow("no ticks") << QList<int>{0, 0, 0} << 0;
        QTest::newRow("quick moves, frame hidden") << QList<int>{3, 5, 1} << 1;
        QTest::newRow("bonus spent, frame shown") << QList<int>{25, 1, 19} << 2;
        QTest::newRow("last tick of the bonus, frame hidden") << QList<int>{19, 20, 2} << 3;
    }
    void movesAlongAPath()
    {
        QFETCH(QList<int>, fastClickTicks);
        QFETCH(int, blinks);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        Game& game = p.game();
        p.startNewGame();
        const int path[] = {0, 22, 44, 45, 46};
        p.plant(0, "1b", 1);
        p.plant(22, "1b", 1);
        p.plant(44, "1c", 1);
        p.plant(45, "1c", 1);
        p.replan();

        int bank = 0;
        for (int move = 1; move <= 3; ++move) {
            for (int tick = 0; tick < fastClickTicks[move - 1]; ++tick) {
                game.Timer3_Timer();
            }
            for (int blink = 0; blink < blinks; ++blink) {
                game.Timer1_Timer();
            }
            QCOMPARE(ui.Shape2[move].visible(), blinks % 2 == 0);
            // After a move the bank shows bare, then with 190, 180, ... 10
            // on top, then bare again.
            const int ticks = fastClickTicks[move - 1];
            bank += ticks > 0 && ticks < 20 ? 200 - 10 * ticks : 0;
            QCOMPARE(p.counter("fast click"), bank);

            p.move();

            QCOMPARE(p.standsOn(), path[move]);
            QCOMPARE(int(game.fastClickBank), bank);
            QVERIFY(ui.Timer3.enabled());
            QCOMPARE(p.counter("points"), 10 * move);
            QCOMPARE(ui.Shape2[0].left(), 2900);
            QCOMPARE(ui.Shape2[0].top(), 2500);
            for (int reached = 1; reached <= move; ++reached) {
                const Shape& frame = ui.Shape2[reached];
                QVERIFY(frame.visible());
                QCOMPARE(frame.left(), 2900 + 520 * board::columnOf(path[reached]) - 30);
                QCOMPARE(frame.top(), 2500 + 520 * board::rowOf(path[reached]) - 30);
            }
        }
        game.Timer3_Timer();
        QCOMPARE(p.counter("fast click"), bank + 190);
    }

    // A losing click ends the game. A square of used cells that no squares
    // tick has counted yet makes the final total differ from the running
    // one: time bonus 10000, clicks 2990 after the losing click, and the
    // 2 x 2 square twice, once as shown (0, not yet ticked) and once counted
    // (40): 13030, where the running total still shows 12990. The list
    // holds ten scores just below the final total, or equal to it.
    void aLosingClickEndsTheGame_data()
    {
        QTest::addColumn<bool>("intoABlackHole");  // otherwise into a used box
        QTest::addColumn<int>("listed");
        QTest::addColumn<bool>("newHiScore");
        QTest::newRow("black hole, above the list") << true << 13029 << true;
        QTest::newRow("black hole, level with the list") << true << 13030 << false;
        QTest::newRow("used box, above the list") << false << 13029 << true;
        QTest::newRow("used box, level with the list") << false << 13030 << false;
    }
    void aLosingClickEndsTheGame()
    {
        QFETCH(bool, intoABlackHole);
        QFETCH(int, listed);
        QFETCH(bool, newHiScore);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        for (int row = 0; row < 10; ++row) {
            p.game().cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("best"), listed, 9});
        }
        p.startNewGame();
        p.plant(0, "1b", 1);
        p.plant(22, intoABlackHole ? "4bh" : "1");
        if (!intoABlackHole) {
            p.game().cellCodes(22, CellCodes::kUsedMark) = 1;
        }
        for (int cell : {120, 121, 142, 143}) {
            p.game().cellCodes(cell, CellCodes::kUsedMark) = 1;
        }
        p.replan();
        QCOMPARE(ui.Label4.caption(),
                 intoABlackHole ? QStringLiteral("*black hole") : QStringLiteral("*box already used"));

        p.move();

        QCOMPARE(p.screen(), Screen::GameOverPause);
        QCOMPARE(p.counter("clicks"), 2990);
        QCOMPARE(p.total(), 12990);
        QCOMPARE(p.finalTotal(), 13030);
        QVERIFY(Player::inView(ui.Picture3));
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled() && !ui.Timer7.enabled());
        QVERIFY(ui.Timer5.enabled());
        for (const PictureBox& cell : ui.Picture1) {
            QVERIFY(!cell.answersClicks());
        }
        QCOMPARE(p.result(), newHiScore ? QStringLiteral("NEW HI-SCORE") : QStringLiteral("GAME OVER"));
        QCOMPARE(ui.Label17.foreColor(), newHiScore ? colours::kGreen : colours::kDarkRed);
        QCOMPARE(ui.Label27.enabled(), newHiScore);
        for (int tick = 0; tick < 4; ++tick) {
            p.game().Timer5_Timer();
            QVERIFY(ui.Picture1[0].visible());
        }
        p.game().Timer5_Timer();
        QVERIFY(!ui.Picture1[0].visible());
        QVERIFY(!ui.Timer5.enabled());
        QVERIFY(!ui.Picture3.visible());
        QCOMPARE(p.screen(), newHiScore ? Screen::NameEntry : Screen::Menu);
        if (!newHiScore) {
            return;
        }

        QCOMPARE(ui.Text1.text(), QString());
        QTest::keyClicks(ui.Text1.nativeWidget(), QStringLiteral("Ada"));
        p.press(Qt::Key_Return);
        QCOMPARE(p.screen(), Screen::HiScores);
        QVERIFY(ui.Label32.caption().startsWith(QStringLiteral("Ada\nbest\n")));
        QVERIFY(ui.Label33.caption().startsWith(QStringLiteral("13030\n13029\n")));
        QVERIFY(ui.Label34.caption().startsWith(QStringLiteral("1\n9\n")));
        p.click("close");
        QCOMPARE(p.screen(), Screen::Menu);
        const auto framed = [this](const Label& item) {  // the keys' frame, drawn just above an item
            const QRect r = window->form->windowRectOf(item);
            return qGray(window->form->grab(QRect(r.center().x(), r.top() - 2, 1, 1)).toImage().pixel(0, 0)) > 0;
        };
        QVERIFY(!framed(ui.Label22));  // the Return that saved the name was no key on the menu
        p.press(Qt::Key_Down);
        QVERIFY(framed(ui.Label23));
        p.press(Qt::Key_Tab, Qt::ShiftModifier);  // and back up
        QVERIFY(framed(ui.Label22) && !framed(ui.Label23));
    }

    // A whole game with the keys alone: Return starts it from the menu,
    // Space turns the tile, Return moves, Escape asks to quit, the name is
    // typed and saved with Return, and Escape closes the list. What each key
    // does elsewhere is the table of whatEachKeyClicks.
    void aWholeGameFromTheKeyboard()
    {
        Player& p = *player;
        Form1Controls& ui = p.ui();
        Game& game = p.game();
        p.press(Qt::Key_Return);
        QCOMPARE(p.screen(), Screen::Countdown);
        QCOMPARE(int(game.levelNumber), 1);
        p.runCountdown();
        p.plant(0, "1", 1);  // up: off the board
        p.plant(22, "1c", 1);
        p.replan();
        p.press(Qt::Key_Return);  // no move offered: nothing to make
        QCOMPARE(p.standsOn(), 0);
        p.press(Qt::Key_Space);  // "1a": still off the board
        p.press(Qt::Key_Space);  // "1b": one down, onto cell 22
        QCOMPARE(p.counter("clicks"), 2980);
        QCOMPARE(p.target(), 22);
        p.press(Qt::Key_Return);
        QCOMPARE(p.standsOn(), 22);
        QCOMPARE(p.counter("clicks"), 2970);

        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.press(Qt::Key_Escape);
        QCOMPARE(window->boxes.prompts.last(), QStringLiteral("Are you sure you want to quit?"));
        p.waitOutTheGameOverPause();
        QCOMPARE(p.screen(), Screen::NameEntry);
        p.type(QStringLiteral("Ada R"));
        QCOMPARE(ui.Text1.text(), QStringLiteral("Ada R"));
        QCOMPARE(window->boxes.prompts.size(), 1);
        p.press(Qt::Key_Return);
        QCOMPARE(p.screen(), Screen::HiScores);
        QCOMPARE(ui.Label32.caption(), QStringLiteral("Ada R\n"));
        p.press(Qt::Key_Escape);
        QCOMPARE(p.screen(), Screen::Menu);
    }

    // What each key clicks on each screen, and that a key acts only where
    // its click would land: under a panel, on a hidden or a disabled control
    // it clicks nothing. The controls are named as the player knows them.
    void whatEachKeyClicks_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("clicked");  // empty: nothing
        QTest::addColumn<bool>("pausedAfter");
        const auto add = [](const char* situation, Qt::Key key, const char* clicked, bool pausedAfter = false) {
            QTest::addRow("%s: %s", situation, qPrintable(QKeySequence(key).toString()))
                << situation << key << clicked << pausedAfter;
        };
        add("menu", Qt::Key_F1, "how to play");
        add("menu", Qt::Key_Return, "new game");
        add("menu", Qt::Key_Space, "new game");
        add("menu", Qt::Key_Escape, "");
        add("menu", Qt::Key_R, "");
        add("hi-scores", Qt::Key_Escape, "close");
        add("hi-scores", Qt::Key_R, "reset");
        add("hi-scores", Qt::Key_F1, "");
        add("how to play", Qt::Key_Escape, "close");
        add("how to play", Qt::Key_Return, "");
        add("credits", Qt::Key_Escape, "close");
        add("credits", Qt::Key_Space, "");
        add("first countdown", Qt::Key_Escape, "");
        add("first countdown", Qt::Key_Return, "");
        add("first countdown", Qt::Key_Space, "");
        add("countdown", Qt::Key_Escape, "quit game");
        add("playing", Qt::Key_Space, "player");
        add("playing", Qt::Key_Return, "target");
        add("playing", Qt::Key_Escape, "quit game");
        add("playing", Qt::Key_R, "");
        add("level won", Qt::Key_Return, "NEXT LEVEL");
        add("level won", Qt::Key_Escape, "quit game");
        add("level won", Qt::Key_Space, "");
        add("game over", Qt::Key_Escape, "");
        add("game over", Qt::Key_Return, "");
        add("name entry", Qt::Key_Return, "save name");
        add("name entry", Qt::Key_Escape, "");
        add("name entry", Qt::Key_R, "");
        add("disabled", Qt::Key_Return, "");
        add("countdown", Qt::Key_Pause, "", true);
        add("paused", Qt::Key_P, "");
        add("paused", Qt::Key_Pause, "");
        add("paused", Qt::Key_Space, "", true);
        add("paused", Qt::Key_Escape, "quit game", true);
        add("menu", Qt::Key_P, "");
        add("level won", Qt::Key_P, "");
        add("game over", Qt::Key_Pause, "");
        add("name entry", Qt::Key_P, "");
    }
    void whatEachKeyClicks()
    {
        QFETCH(QString, situation);
        QFETCH(Qt::Key, key);
        QFETCH(QString, clicked);
        QFETCH(bool, pausedAfter);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        using enum Screen;
        const std::map<QString, Screen> screens{
            {"menu", Menu},          {"hi-scores", HiScores},      {"how to play", HowToPlay},
            {"credits", Credits},    {"countdown", Countdown},     {"playing", Playing},
            {"level won", LevelWon}, {"game over", GameOverPause}, {"name entry", NameEntry},
            {"paused", Paused},
        };
        if (situation == "first countdown") {
            p.click("new game");
        } else if (situation == "disabled") {
            ui.Form1.setEnabled(false);
        } else {
            p.playTo(screens.at(situation));
        }
        if (situation == "playing" || situation == "paused") {
            p.aimAt("1");  // a target to move to
        }
        // The keyboard away from the name box, so letters are keys.
        ui.Text1.nativeWidget()->clearFocus();

        // Every control a key could click tells which one it was, and no
        // handler runs.
        const Control* hit = nullptr;
        std::vector<Control*> clickable{ui.Picture1.size()};
        std::transform(ui.Picture1.begin(), ui.Picture1.end(), clickable.begin(), [](auto& cell) { return &cell; });
        for (const ControlRow& row : controlTable()) {
            if (row.click) {
                clickable.push_back(row.control(ui, p.game()));
            }
        }
        for (Control* control : clickable) {
            control->onClick = [&hit, control] { hit = control; };
        }
        const Control* expected = clicked.isEmpty() ? nullptr : &p.control(qPrintable(clicked));
        p.press(key);
        QCOMPARE(hit, expected);
        QCOMPARE(p.screen() == Paused, pausedAfter);
    }

    // The quit while a level is played, on a won level's result screen
    // (where it takes NEXT LEVEL away), and during the countdown of level 2,
    // where the X shows and answers, with the countdown's seconds going by
    // under the question. The total of a confirmed quit is worked out here:
    // level 1 starts at 13000 (time bonus 10000, clicks 3000); winning it in
    // one click (2990) with its door (10000) makes 22990, of which 12990 is
    // carried and 10000 kept as door points, so level 2 starts at 35990.
    void quit_data()
    {
        QTest::addColumn<Screen>("stage");
        QTest::addColumn<int>("secondsUnderTheQuestion");
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<int>("finalTotal");
        const auto yes = MessageBoxes::Answer::Yes;
        const auto no = MessageBoxes::Answer::No;
        using enum Screen;
        QTest::newRow("playing, declined") << Playing << 0 << no << 0;
        QTest::newRow("playing, confirmed") << Playing << 0 << yes << 13000;
        QTest::newRow("countdown, declined") << Countdown << 0 << no << 0;
        QTest::newRow("countdown, declined, START came") << Countdown << 4 << no << 0;
        QTest::newRow("countdown, confirmed") << Countdown << 0 << yes << 35990;
        QTest::newRow("countdown, confirmed, START shown") << Countdown << 3 << yes << 35990;
        QTest::newRow("countdown, confirmed, START came") << Countdown << 4 << yes << 35990;
        QTest::newRow("level won, confirmed") << LevelWon << 0 << yes << 22990;
        QTest::newRow("paused, declined") << Paused << 0 << no << 0;
        QTest::newRow("paused, confirmed") << Paused << 0 << yes << 13000;
    }
    void quit()
    {
        QFETCH(Screen, stage);
        QFETCH(int, secondsUnderTheQuestion);
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(int, finalTotal);
        Player& p = *player;
        Form1Controls& ui = p.ui();
        p.playTo(stage);
        const int clicks = p.game().clickScore;
        window->boxes.whileWaiting = [this, secondsUnderTheQuestion] {
            const QString bonuses = player->ui().Label7.caption() + '/' + player->ui().Label8.caption();
            for (Timer* bonus : {&player->ui().Timer2, &player->ui().Timer3}) {  // only while on, as the window ticks
                if (bonus->enabled()) {
                    bonus->onTick();
                }
            }
            QCOMPARE(player->ui().Label7.caption() + '/' + player->ui().Label8.caption(), bonuses);
            for (int second = 0; second < secondsUnderTheQuestion && player->ui().Timer4.enabled(); ++second) {
                player->game().Timer4_Timer();
            }
        };
        window->boxes.answerNext(answer);

        p.click("quit game");

        QCOMPARE(window->boxes.prompts.last(), QStringLiteral("Are you sure you want to quit?"));
        QCOMPARE(window->boxes.titles.last(), QStringLiteral("QUORBIT"));
        QCOMPARE(int(p.game().clickScore), clicks);
        const bool started = stage != Screen::Countdown || secondsUnderTheQuestion >= 4;
        if (answer == MessageBoxes::Answer::No) {
            // Declining switches the bonuses on, even before the level opens.
            QVERIFY(ui.Timer2.enabled() && ui.Timer3.enabled());
            QCOMPARE(ui.Timer4.enabled(), !started);
            QVERIFY(ui.Label27.visible());
            QCOMPARE(ui.Picture3.visible(), !started);
            QCOMPARE(p.screen() == Screen::Paused, stage == Screen::Paused);
            QCOMPARE(ui.Timer2.remainingMs(), ui.Timer2.interval());
            return;
        }
        QVERIFY(!ui.Label27.visible());
        QVERIFY(!ui.Timer2.enabled() && !ui.Timer3.enabled());
        QVERIFY(!ui.Timer4.enabled() && !ui.Timer7.enabled());
        QVERIFY(ui.Timer5.enabled());
        QVERIFY(ui.Picture3.visible());
        QCOMPARE(p.screen(), Screen::GameOverPause);
        QVERIFY(!ui.Command2.visible());  // no NEXT LEVEL into a game that is over
        QCOMPARE(p.finalTotal(), finalTotal);
        for (const PictureBox& cell : ui.Picture1) {
            QVERIFY(!cell.answersClicks());
        }
    }

    // The same level from the same counter, with the same seconds between
    // its clicks, scores the same with an hour's pause in it: by P in the
    // countdown, or minimised in play with cells clicked through the cover.
    void aPauseChangesNoScore_data()
    {
        QTest::addColumn<bool>("inPlay");
        QTest::newRow("countdown, P") << false;
        QTest::newRow("playing, minimised") << true;
    }
    void aPauseChangesNoScore()
    {
        QFETCH(bool, inPlay);
        StartedWindow unpausedWindow;
        Player unpaused(unpausedWindow);
        QList<int> scores[2];
        for (Player* p : {player.get(), &unpaused}) {
            const auto pauseAnHour = [p, &unpaused, inPlay](bool inPlayNow) {
                if (p != &unpaused && inPlayNow == inPlay) {
                    inPlay ? p->minimise() : p->press(Qt::Key_P);
                    // The cover hides the counters as well as the board;
                    // minimised and restored, a paused level stays paused.
                    for (const char* counter : {"prev level", "time bonus", "fast click", "squares", "total"}) {
                        QVERIFY2(!Player::inView(*controlRow(counter, Screen::Playing)->control(p->ui(), p->game())),
                                 counter);
                    }
                    QVERIFY(!Player::inView(p->ui().Picture1[p->standsOn()]));
                    p->minimise();
                    p->minimise(false);
                    QCOMPARE(p->screen(), Screen::Paused);
                    p->wait(3'600'000);
                    p->turn();
                    p->clickCell(std::max(p->target(), 0));
                    p->minimise(false);
                    QCOMPARE(p->game().pausedFrom, inPlay ? Screen::Playing : Screen::Countdown);
                    p->press(Qt::Key_P);
                }
            };
            p->click("new game");
            p->wait(1500);
            pauseAnHour(false);
            p->wait(2700);
            p->playCarefully(2);
            p->wait(2200);
            pauseAnHour(true);
            p->playCarefully(2);
            p->wait(640);
            p->winLevel();
            QList<int>& score = scores[p == &unpaused] << p->finalTotal();
            for (const char* counter : {"time bonus", "fast click", "clicks", "points", "squares", "total"}) {
                score << p->counter(counter);
            }
        }
        QCOMPARE(scores[0], scores[1]);
    }

    void newGameStartsAfreshAfterAGame()
    {
        Player& p = *player;
        p.startNewGame();
        p.winLevel();
        p.click("NEXT LEVEL");
        window->boxes.answerNext(MessageBoxes::Answer::Yes);
        p.click("quit game");
        p.waitOutTheGameOverPause();
        QCOMPARE(p.screen(), Screen::NameEntry);
        // In the name box P and S are letters, not the pause and score keys.
        p.type(QStringLiteral("ps"));
        QCOMPARE(p.ui().Text1.text(), QStringLiteral("ps"));
        p.click("save name");
        p.click("close");
        p.click("new game");
        QCOMPARE(p.screen(), Screen::Countdown);
        p.runCountdown();
        QCOMPARE(int(p.game().levelNumber), 1);
        QCOMPARE(int(p.game().doorScore), 0);
        QCOMPARE(int(p.game().prevLevelsScore), 0);
        QCOMPARE(p.counter("door"), 0);
    }

    // A panel opens over the menu, by a click or a key, and closes back onto
    // it by its X or by Escape. The highlight was moved on the way; the menu
    // that comes back has it on "new game", so Return starts a game.
    void panelsOpenOverTheMenuAndClose_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<Screen>("panel");
        QTest::addColumn<int>("downs");        // presses of Down before the panel opens
        QTest::addColumn<Qt::Key>("openKey");  // Key_unknown: the item is clicked
        QTest::addColumn<bool>("closedByEscape");
        const auto click = Qt::Key_unknown;
        const auto ret = Qt::Key_Return;
        const auto x = false;
        const auto escape = true;
        using enum Screen;
        QTest::newRow("hi-scores clicked, X") << "hi-scores" << HiScores << 0 << click << x;
        QTest::newRow("hi-scores by Return, X") << "hi-scores" << HiScores << 1 << ret << x;
        QTest::newRow("hi-scores by Space, Escape") << "hi-scores" << HiScores << 1 << Qt::Key_Space << escape;
        QTest::newRow("how to play by Return, Escape") << "how to play" << HowToPlay << 2 << ret << escape;
        QTest::newRow("how to play by F1 from credits, X") << "how to play" << HowToPlay << 3 << Qt::Key_F1 << x;
        QTest::newRow("credits clicked from exit, X") << "credits" << Credits << 4 << click << x;
        QTest::newRow("credits by Return, Escape") << "credits" << Credits << 3 << ret << escape;
    }
    void panelsOpenOverTheMenuAndClose()
    {
        QFETCH(QString, item);
        QFETCH(Screen, panel);
        QFETCH(int, downs);
        QFETCH(Qt::Key, openKey);
        QFETCH(bool, closedByEscape);
        Player& p = *player;
        for (int down = 0; down < downs; ++down) {
            p.press(Qt::Key_Down);
        }
        if (openKey == Qt::Key_unknown) {
            p.click(qPrintable(item));
        } else {
            p.press(openKey);
        }
        QCOMPARE(p.screen(), panel);
        QVERIFY(p.ui().Picture4.visible());  // the menu stays shown under the panel
        if (closedByEscape) {
            p.press(Qt::Key_Escape);
        } else {
            p.click("close");
        }
        QCOMPARE(p.screen(), Screen::Menu);
        p.press(Qt::Key_Return);
        QCOMPARE(p.screen(), Screen::Countdown);
        QCOMPARE(int(p.game().levelNumber), 1);
    }

private:
    std::unique_ptr<StartedWindow> window;
    std::unique_ptr<Player> player;
};

QTEST_MAIN(WholeGameTest)
#include "test_whole_game.moc"
