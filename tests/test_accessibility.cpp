// What a screen reader hears of the real window: the controls in view with
// their names, roles and values, and the changes it is told of.
#include "support/Player.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

struct Heard {
    QAccessible::Event type;
    QString name;
    QAccessibleInterface* iface;
};
QList<Heard> heard;
// What the name box told of its text and caret, and whether it showed as it
// did.
QString typedTold;
bool toldWhileHidden = false;

void listen(QAccessibleEvent* event)
{
    const auto* box = qobject_cast<const QLineEdit*>(event->object());
    const QAccessible::Event type = event->type();
    if (box && (type == QAccessible::TextCaretMoved || type == QAccessible::TextInserted ||
                type == QAccessible::TextRemoved || type == QAccessible::TextUpdated)) {
        toldWhileHidden |= !box->isVisible();
        if (event->type() == QAccessible::TextInserted) {
            typedTold += static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
        }
    }
    QAccessibleInterface* iface = event->accessibleInterface();
    // The real widgets' own events, which the game's tree does not offer;
    // the window's are kept.
    const auto* widget = qobject_cast<const QWidget*>(event->object());
    if (!iface || (event->object() && !(widget && widget->isWindow()))) {
        return;
    }
    heard.append({event->type(), iface->text(QAccessible::Name), iface});
}

// Qt hands announcements on only while a reader is active. The listener is
// installed before the first window, which puts the game's filter of hidden
// text in front of it, as in front of a real reader.
void startListening() { QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); }

QString nameOf(QAccessibleInterface* iface) { return iface->text(QAccessible::Name); }

// A press runs once the reader's call has returned.
void press(QAccessibleInterface* control)
{
    control->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::sendPostedEvents();
}

QString cellPlace(int cell)
{
    return QStringLiteral("row %1, column %2").arg(board::rowOf(cell) + 1).arg(board::columnOf(cell) + 1);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    QAccessibleInterface* tree() { return QAccessible::queryAccessibleInterface(window->form.get()); }

    // The game's own children; Qt tells of the real widgets among them.
    QSet<QAccessibleInterface*> children()
    {
        QSet<QAccessibleInterface*> all;
        QAccessibleInterface* form = tree();
        for (int i = 0; i < form->childCount(); ++i) {
            if (!form->child(i)->object()) {
                all.insert(form->child(i));
            }
        }
        return all;
    }

    QStringList childNames()
    {
        QStringList names;
        QAccessibleInterface* form = tree();
        for (int i = 0; i < form->childCount(); ++i) {
            names << nameOf(form->child(i));
        }
        return names;
    }

    // The one child whose name begins with `start`.
    QAccessibleInterface* childNamed(const QString& start)
    {
        QAccessibleInterface* found = nullptr;
        QAccessibleInterface* form = tree();
        for (int i = 0; i < form->childCount(); ++i) {
            QAccessibleInterface* child = form->child(i);
            if (nameOf(child).startsWith(start)) {
                if (found) {
                    qWarning() << "two children begin with" << start;
                    return nullptr;
                }
                found = child;
            }
        }
        return found;
    }
    // A cell's place ends at the comma before "player" or "target", or at the
    // colon.
    QAccessibleInterface* cellChild(int cell)
    {
        QAccessibleInterface* iface = childNamed(cellPlace(cell) + QLatin1Char(','));
        return iface ? iface : childNamed(cellPlace(cell) + QLatin1Char(':'));
    }
    QString cellName(int cell)
    {
        QAccessibleInterface* iface = cellChild(cell);
        return iface ? nameOf(iface) : QString();
    }

    // One step of play, as a player or a reader takes it: a control in view
    // pressed by its name, or a named turn of the game.
    void perform(const QString& step)
    {
        using Step = std::function<void(AccessibilityTest&)>;
        static const QHash<QString, Step> kSteps{
            {"countdown", [](AccessibilityTest& t) { t.player->runCountdown(); }},
            {"countdown step", [](AccessibilityTest& t) { t.player->ui().Timer4.onTick(); }},
            {"step onto an arrow", [](AccessibilityTest& t) { t.stepDownOnto("1c"); }},
            {"black hole below", [](AccessibilityTest& t) { t.stepDownOnto("4bh"); }},
            // The reader hears the tile planted as if it were played.
            {"aim away",
             [](AccessibilityTest& t) {
                 t.player->plant(0, "1a", 1);
                 t.player->replan();
                 t.window->form->onChanged(Form1::Mover::Player);
             }},
            {"turn", [](AccessibilityTest& t) { t.player->turn(); }},
            {"move", [](AccessibilityTest& t) { t.player->move(); }},
            {"lose", [](AccessibilityTest& t) { t.player->clickCell(board::kColumns); }},
            {"level won", [](AccessibilityTest& t) { t.player->playTo(Screen::LevelWon); }},
            {"pause", [](AccessibilityTest& t) { t.player->waitOutTheGameOverPause(); }},
            {"name typed", [](AccessibilityTest& t) { t.player->type(QStringLiteral("Ada")); }},
            {"key Down", [](AccessibilityTest& t) { t.player->press(Qt::Key_Down); }},
            {"key P", [](AccessibilityTest& t) { t.player->press(Qt::Key_P); }},
            {"key S", [](AccessibilityTest& t) { t.player->press(Qt::Key_S); }},
            {"tick", [](AccessibilityTest& t) { t.player->ui().Timer2.onTick(); }},
            {"blink", [](AccessibilityTest& t) { t.player->game().Timer1_Timer(); }},
        };
        if (const auto named = kSteps.find(step); named != kSteps.end()) {
            (*named)(*this);
            return;
        }
        QAccessibleInterface* control = childNamed(step);
        QVERIFY2(control, qPrintable(step));
        press(control);
    }

    // The player on cell 0 with a tile that steps one cell down, onto `below`.
    void stepDownOnto(const CellValue& below, int first = 1, int second = 1)
    {
        player->startNewGame();
        player->plant(0, "1b", 1);
        player->plant(board::kColumns, below, first, second);
        player->replan();
    }

private slots:
    void initTestCase() { QAccessible::installUpdateHandler(&listen); }

    void init()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
        player = std::make_unique<Player>(*window);
        heard.clear();
    }
    void cleanup()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        player.reset();
        window.reset();
    }

    // At start-up the menu is all there is: five buttons, and none of the
    // hidden or covered controls beneath.
    void theMenuOffersItsFiveItemsAlone()
    {
        QCOMPARE(tree()->role(), QAccessible::Window);
        QCOMPARE(nameOf(tree()), QStringLiteral("QUORBIT"));
        QCOMPARE(childNames(), (QStringList{"new game", "hi-scores", "how to play", "credits", "exit"}));
        QAccessibleInterface* item = childNamed(QStringLiteral("how to play"));
        QCOMPARE(item->role(), QAccessible::Button);
        QCOMPARE(item->parent(), tree());
        QCOMPARE(tree()->indexOfChild(item), 2);
        QCOMPARE(tree()->childAt(item->rect().center().x(), item->rect().center().y()), item);

        QCOMPARE(item->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                 QStringList{"F1"});
        QCOMPARE(tree()->text(QAccessible::Description), QStringLiteral("menu"));

        // The reader's calls return first; the second press finds "new game"
        // covered by the panel the first one opened, and is dropped.
        item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        press(childNamed(QStringLiteral("new game")));
        QCOMPARE(player->screen(), Screen::HowToPlay);
        QCOMPARE(tree()->text(QAccessible::Description), QStringLiteral("how to play"));
        QVERIFY(!childNamed(QStringLiteral("new game")));
        player->press(Qt::Key_Escape);
        QCOMPARE(player->screen(), Screen::Menu);
    }

    // On every screen the reader hears some controls it names, and only
    // controls that the table of controls says are used there; its focus
    // rests where the player acts or reads first.
    void eachScreenShowsOnlyItsOwnControls_data()
    {
        QTest::addColumn<Screen>("shown");
        QTest::addColumn<QStringList>("heard");  // the start of some names
        QTest::addColumn<QString>("focus");      // part of the focused one's name
        using enum Screen;
        QTest::newRow("menu") << Menu << QStringList{"new game", "exit"} << "new game";
        QTest::newRow("hi-scores") << HiScores << QStringList{"reset", "close", "hi-scores"} << "hi-scores";
        QTest::newRow("how to play") << HowToPlay << QStringList{"close", "the door - you won"} << "close";
        QTest::newRow("credits") << Credits << QStringList{"close", "    designed and created  by"} << "close";
        QTest::newRow("countdown") << Countdown << QStringList{"LEVEL 2", "3", "quit game"} << "3";
        QTest::newRow("playing") << Playing
                                 << QStringList{"time bonus", "quit game", "LEVEL 1", "row 1, column 1, player"}
                                 << ", player: ";
        QTest::newRow("paused") << Paused << QStringList{"LEVEL 1", "quit game"} << "paused - press P or Pause";
        QTest::newRow("level won") << LevelWon << QStringList{"YOU WON", "NEXT LEVEL", "door"} << "NEXT LEVEL";
        QTest::newRow("game over") << GameOverPause << QStringList{"NEW HI-SCORE", "total"} << "NEW HI-SCORE";
        QTest::newRow("name entry") << NameEntry << QStringList{"save name", "please insert your name"}
                                    << "please insert your name";
    }
    void eachScreenShowsOnlyItsOwnControls()
    {
        QFETCH(Screen, shown);
        QFETCH(QStringList, heard);
        QFETCH(QString, focus);
        player->playTo(shown);
        QCOMPARE(player->screen(), shown);
        QCOMPARE(tree()->text(QAccessible::Description), QString::fromLatin1(screenWords(shown)));
        QVERIFY2(tree()->focusChild() && nameOf(tree()->focusChild()).contains(focus), qPrintable(focus));
        for (const QString& name : heard) {
            QVERIFY2(childNamed(name), qPrintable(name));
        }
        for (const ControlRow& row : controlTable()) {
            const Control* control =
                row.control ? row.control(player->ui(), player->game()) : &player->ui().Picture1[0];
            if (control && Player::inView(*control)) {
                QVERIFY2(row.screens.contains(shown), row.words);
            }
        }
    }

    // The name entry covers the hi-score panel's X and reset.
    void theNameEntryCoversThePanelsButtons()
    {
        player->playTo(Screen::NameEntry);
        QVERIFY(childNamed(QStringLiteral("save name")));
        QAccessibleInterface* entry = childNamed(QStringLiteral("please insert your name"));
        QVERIFY(entry);
        QCOMPARE(entry->role(), QAccessible::EditableText);
        QVERIFY(!childNamed(QStringLiteral("reset")));
        QVERIFY(!childNamed(QStringLiteral("close")));
    }

    void countersSayTheirValues_data()
    {
        QTest::addColumn<QString>("counter");
        QTest::addColumn<int>("timeBonusTicks");
        QTest::addColumn<int>("turns");
        QTest::addColumn<int>("expected");
        QTest::newRow("time bonus at the start") << "time bonus" << 0 << 0 << 10000;
        QTest::newRow("time bonus after 3 ticks") << "time bonus" << 3 << 0 << 10000 - 3 * 10;
        QTest::newRow("clicks after 2 turns") << "clicks" << 0 << 2 << 3000 - 2 * 10;
        QTest::newRow("total after both") << "total" << 3 << 2 << (10000 - 3 * 10) + (3000 - 2 * 10);
    }
    void countersSayTheirValues()
    {
        QFETCH(QString, counter);
        QFETCH(int, timeBonusTicks);
        QFETCH(int, turns);
        QFETCH(int, expected);
        player->startNewGame();
        for (int tick = 0; tick < timeBonusTicks; ++tick) {
            player->game().Timer2_Timer();
        }
        for (int turn = 0; turn < turns; ++turn) {
            player->clickCell(player->game().playerCell);
        }
        QAccessibleInterface* iface = childNamed(counter);
        QVERIFY(iface);
        QCOMPARE(nameOf(iface), counter + QLatin1Char(' ') + QString::number(expected));
        QCOMPARE(iface->valueInterface()->currentValue(), QVariant(expected));
    }

    void cellsSayWhatTheyHold_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<bool>("used");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1") << "1" << 3 << 5 << false << "arrow 3 up";
        QTest::newRow("1a") << "1a" << 2 << 5 << false << "arrow 2 left";
        QTest::newRow("1b") << "1b" << 4 << 5 << false << "arrow 4 down";
        QTest::newRow("1c") << "1c" << 5 << 1 << false << "arrow 5 right";
        QTest::newRow("2") << "2" << 4 << 1 << false << "arrow 4 right then 1 up";
        QTest::newRow("2b") << "2b" << 1 << 2 << false << "arrow 1 left then 2 down";
        QTest::newRow("3a") << "3a" << 3 << 2 << false << "arrow 3 right then 2 down";
        QTest::newRow("3c") << "3c" << 5 << 4 << false << "arrow 5 left then 4 up";
        QTest::newRow("black hole") << "4bh" << 1 << 1 << false << "black hole";
        QTest::newRow("door") << "door" << 0 << 0 << false << "door";
        QTest::newRow("used box") << "2a" << 1 << 1 << true << "used box";
    }
    void cellsSayWhatTheyHold()
    {
        QFETCH(QString, code);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, used);
        QFETCH(QString, expected);
        player->startNewGame();
        const int cell = board::cellAt(3, 4);
        player->plant(cell, code, first, second);
        player->game().cellCodes(cell, CellCodes::kUsedMark) = used ? 1 : 0;
        QCOMPARE(cellName(cell), cellPlace(cell) + QStringLiteral(": ") + expected);
    }

    void playerAndTargetBeforeAndAfterAMove()
    {
        const int below = board::kColumns;
        const int door = below + 2;
        stepDownOnto("1c", 2);
        player->plant(door, "door");
        QCOMPARE(cellName(0), cellPlace(0) + QStringLiteral(", player: arrow 1 down; target: ") + cellPlace(below) +
                                  QStringLiteral(", arrow 2 right"));
        QCOMPARE(cellName(below), cellPlace(below) + QStringLiteral(", target: arrow 2 right"));
        QAccessibleInterface* target = cellChild(below);
        QCOMPARE(target->role(), QAccessible::Button);

        press(target);
        QCOMPARE(cellName(0), cellPlace(0) + QStringLiteral(": used box"));
        QCOMPARE(cellName(below), cellPlace(below) + QStringLiteral(", player: arrow 2 right; target: ") +
                                      cellPlace(door) + QStringLiteral(", door"));
        QCOMPARE(cellName(door), cellPlace(door) + QStringLiteral(", target: door"));
        QVERIFY(childNamed(QStringLiteral("*door")));
        QCOMPARE(childNamed(QStringLiteral("points"))->valueInterface()->currentValue(), QVariant(1 * 10));
    }

    // Cells under the result panel are covered while it shows the countdown.
    void theCountdownCoversTheMiddleOfTheBoard()
    {
        player->click(player->ui().Label22);
        const int middle = board::cellAt(4, 10);
        QVERIFY(cellName(middle).isEmpty());
        QVERIFY(!cellName(0).isEmpty());
        QCOMPARE(nameOf(childNamed(QStringLiteral("3"))), QStringLiteral("3"));
        player->runCountdown();
        QVERIFY(!cellName(middle).isEmpty());
    }

    void theResultPanelAfterALostGame()
    {
        stepDownOnto("4bh");
        player->clickCell(board::kColumns);
        // The losing click costs its 10 clicks; nothing else has moved.
        const int total = 10000 + (3000 - 10);
        QVERIFY(childNamed(QStringLiteral("NEW HI-SCORE")));
        QCOMPARE(nameOf(childNamed(QStringLiteral("NEW HI-SCORE"))), QStringLiteral("NEW HI-SCORE, %1").arg(total));
    }

    // What the reader is told after one change, the view and the names caught
    // up at once: the focus landing on a fresh object, with the news heard
    // first as its label, and never a tick of a counter or a value change.
    void changesAreTold_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("name");  // its start
        QTest::addColumn<QString>("news");  // the start of the focus's label
        const QStringList onAnArrow{"step onto an arrow"};
        const int focus = QAccessible::Focus;
        const QString below = cellPlace(board::kColumns);
        QTest::newRow("a tick") << onAnArrow << "tick" << int(QAccessible::InvalidEvent) << ""
                                << "";
        QTest::newRow("a turn") << onAnArrow << "turn" << focus
                                << cellPlace(0) + QStringLiteral(", player: arrow 1 right; target: ") + cellPlace(1)
                                << "";
        QTest::newRow("a turn to a black hole") << QStringList{"black hole below", "aim away"} << "turn" << focus
                                                << cellPlace(0) + QStringLiteral(", player: ") << "*black hole";
        QTest::newRow("a move") << onAnArrow << "move" << focus
                                << below + QStringLiteral(", player: arrow 1 right; target: ") +
                                       cellPlace(board::kColumns + 1)
                                << "";
        QTest::newRow("the result") << QStringList{"black hole below"} << "move" << focus
                                    << QStringLiteral("NEW HI-SCORE, %1").arg(10000 + 3000 - 10) << "";
        QTest::newRow("a menu step") << QStringList{} << "key Down" << focus << "hi-scores"
                                     << "";
        QTest::newRow("a won level") << QStringList{} << "level won" << focus << "NEXT LEVEL"
                                     << "YOU WON, ";
        QTest::newRow("a new board") << QStringList{"level won"} << "NEXT LEVEL" << focus << "3"
                                     << "LEVEL 2";
        QTest::newRow("the countdown's step") << QStringList{"new game"} << "countdown step" << focus << "2"
                                              << "";
        QTest::newRow("how to play opens") << QStringList{} << "how to play" << focus << "close"
                                           << "the door - you won - go to next level, black hole - you lose";
    }
    void changesAreTold()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, change);
        QFETCH(int, event);
        QFETCH(QString, name);
        QFETCH(QString, news);
        tree();
        startListening();
        for (const QString& step : steps) {
            perform(step);
            QCoreApplication::sendPostedEvents();
        }
        heard.clear();
        perform(change);
        QCoreApplication::sendPostedEvents();
        const bool told = std::any_of(heard.begin(), heard.end(), [&](const Heard& h) {
            return h.type == QAccessible::Event(event) && h.name.startsWith(name);
        });
        QVERIFY2(event == QAccessible::InvalidEvent ? heard.isEmpty() : told, qPrintable(name));
        QVERIFY(std::none_of(heard.begin(), heard.end(),
                             [](const Heard& h) { return h.type == QAccessible::ValueChanged; }));
        const auto labels = tree()->focusChild()->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty(), news.isEmpty());
        QVERIFY2(news.isEmpty() || nameOf(labels.first().first).startsWith(news), qPrintable(news));
    }

    // S has the reader say the score column's numbers as they are now, the
    // total first, as news with a focus the reader takes for a new one (of
    // another name than the last); only while a level counts down or is
    // played.
    void theScoreIsSaidOnDemand_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("said");
        QTest::newRow("in play") << QStringList{"step onto an arrow", "tick"} << true;
        QTest::newRow("in play, again") << QStringList{"step onto an arrow", "key S"} << true;
        QTest::newRow("in play, a third time") << QStringList{"step onto an arrow", "key S", "key S"} << true;
        QTest::newRow("in the countdown") << QStringList{"new game", "countdown step"} << true;
        QTest::newRow("paused") << QStringList{"step onto an arrow", "key P"} << false;
        QTest::newRow("on the menu") << QStringList{} << false;
    }
    void theScoreIsSaidOnDemand()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, said);
        tree();
        startListening();
        QCoreApplication::sendPostedEvents();
        for (const QString& step : steps) {
            perform(step);
            QCoreApplication::sendPostedEvents();
        }
        const auto lastFocus = [] {
            const auto found =
                std::find_if(heard.rbegin(), heard.rend(), [](const Heard& h) { return h.type == QAccessible::Focus; });
            return found == heard.rend() ? std::optional<Heard>() : std::optional<Heard>(*found);
        };
        const std::optional<Heard> before = lastFocus();
        heard.clear();
        perform(QStringLiteral("key S"));
        QCoreApplication::sendPostedEvents();
        const std::optional<Heard> focus = lastFocus();
        const auto labels = focus ? focus->iface->relations(QAccessible::Label)
                                  : QList<QPair<QAccessibleInterface*, QAccessible::Relation>>();
        const QString news = labels.isEmpty() ? QString() : nameOf(labels.first().first);
        if (!said) {
            QVERIFY2(!news.startsWith(QStringLiteral("total ")), qPrintable(news));
            return;
        }
        QStringList column{nameOf(childNamed(QStringLiteral("total ")))};
        for (const char* counter : {"prev level", "time bonus", "fast click", "clicks", "points", "door", "squares"}) {
            column << nameOf(childNamed(QLatin1String(counter) + QLatin1Char(' ')));
        }
        QCOMPARE(column.first(), QStringLiteral("total %1").arg(player->game().TotalScore()));
        QVERIFY(focus && before);
        QVERIFY2(focus->name != before->name, qPrintable(focus->name));
        // A reader says the news, then the name.
        const QString heardAll = news + QStringLiteral(", ") + focus->name;
        QVERIFY2(heardAll.startsWith(column.join(QStringLiteral(", "))), qPrintable(heardAll));
        // Read a moment later, as the counters tick and once the reader is
        // told of it, its name still says what the news says.
        perform(QStringLiteral("tick"));
        QCOMPARE(nameOf(focus->iface), focus->name);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(nameOf(focus->iface), focus->name);
        // The column itself reads on.
        QCOMPARE(nameOf(childNamed(QStringLiteral("total "))),
                 QStringLiteral("total %1").arg(player->game().TotalScore()));
    }

    // The name being typed reaches the reader, and the box the reader is
    // given reads it back; the box emptied while hidden, before it shows,
    // tells nothing that would make a reader take it for focused too early.
    void theNameBoxTellsWhatIsTyped()
    {
        tree();
        startListening();
        typedTold.clear();
        toldWhileHidden = false;
        for (const char* step : {"black hole below", "lose", "pause", "name typed"}) {
            perform(QLatin1String(step));
            QCoreApplication::sendPostedEvents();
        }
        QCOMPARE(typedTold, QStringLiteral("Ada"));
        QVERIFY(!toldWhileHidden);
        QCOMPARE(tree()->focusChild()->text(QAccessible::Value), QStringLiteral("Ada"));
    }

    // As panels open and close, each control that left the view loses its
    // object and each that came into it has a fresh one, so a reader never
    // holds one it was told is hidden; none of this is sent as events, which
    // would flood a reader as a level deals its cells. The test compares the
    // children it finds before and after the change.
    void controlsShownAgainAreNewToTheReader_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("came");  // the start of some names told as shown
        QTest::addColumn<QStringList>("left");  // and as hidden
        const QString middleCell = cellPlace(board::cellAt(4, 10));
        const QStringList lost{"black hole below", "lose"};
        const QStringList named = lost + QStringList{"pause", "name typed"};
        QTest::newRow("how to play opens")
            << QStringList{} << "how to play" << QStringList{"close", "the door - you won"}
            << QStringList{"new game", "exit"};
        QTest::newRow("how to play closes by its X")
            << QStringList{"how to play"} << "close" << QStringList{"new game", "credits"} << QStringList{"close"};
        QTest::newRow("hi-scores open") << QStringList{} << "hi-scores" << QStringList{"reset", "close", "hi-scores"}
                                        << QStringList{"new game"};
        QTest::newRow("hi-scores close by their X")
            << QStringList{"hi-scores"} << "close" << QStringList{"new game"} << QStringList{"reset"};
        QTest::newRow("a level starts") << QStringList{} << "new game"
                                        << QStringList{"time bonus", cellPlace(0) + QLatin1Char(','), "3"}
                                        << QStringList{"new game", "exit"};
        QTest::newRow("the countdown ends")
            << QStringList{"new game"} << "countdown" << QStringList{"quit game", middleCell} << QStringList{"3"};
        QTest::newRow("the result panel") << QStringList{"black hole below"} << "lose" << QStringList{"NEW HI-SCORE"}
                                          << QStringList{"quit game", middleCell};
        QTest::newRow("the name entry") << lost << "pause" << QStringList{"save name"}
                                        << QStringList{cellPlace(0), "NEW HI-SCORE"};
        QTest::newRow("the name saved") << named << "save name" << QStringList{"close", "reset"}
                                        << QStringList{"save name"};
        QTest::newRow("the menu comes back")
            << named + QStringList{"save name"} << "close" << QStringList{"new game"} << QStringList{"close", "reset"};
        QTest::newRow("the target blinks")
            << QStringList{"new game", "countdown"} << "blink" << QStringList{} << QStringList{};
    }
    void controlsShownAgainAreNewToTheReader()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, change);
        QFETCH(QStringList, came);
        QFETCH(QStringList, left);
        QSet<QAccessible::Id> seen;
        const auto see = [&seen](const QSet<QAccessibleInterface*>& children) {
            for (QAccessibleInterface* child : children) {
                seen.insert(QAccessible::uniqueId(child));
            }
        };
        startListening();
        see(children());
        for (const QString& step : steps) {
            perform(step);
            QCoreApplication::sendPostedEvents();
        }
        heard.clear();
        const QSet<QAccessibleInterface*> before = children();
        see(before);
        QHash<QString, QAccessible::Id> named;
        for (QAccessibleInterface* child : before) {
            named.insert(nameOf(child), QAccessible::uniqueId(child));
        }
        perform(change);
        QCoreApplication::sendPostedEvents();
        QSet<QAccessible::Id> after;
        for (QAccessibleInterface* child : children()) {
            after.insert(QAccessible::uniqueId(child));
        }

        QVERIFY(std::none_of(heard.begin(), heard.end(), [](const Heard& h) {
            return h.type == QAccessible::ObjectShow || h.type == QAccessible::ObjectHide ||
                   h.type == QAccessible::ObjectReorder;
        }));
        for (const QString& start : left) {
            const QStringList names = named.keys();
            const auto name = std::find_if(names.begin(), names.end(),
                                           [&start](const QString& one) { return one.startsWith(start); });
            QVERIFY2(name != names.end() && !after.contains(named.value(*name)), qPrintable(start));
        }
        for (const QString& start : came) {
            QAccessibleInterface* child = childNamed(start);
            QVERIFY2(child && !seen.contains(QAccessible::uniqueId(child)), qPrintable(start));
        }
    }

    // A counter that changes under the menu says nothing.
    void coveredControlsStayQuiet()
    {
        startListening();
        tree();
        player->game().Timer2_Timer();
        QVERIFY(heard.isEmpty());
    }

private:
    std::unique_ptr<StartedWindow> window;
    std::unique_ptr<Player> player;
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
