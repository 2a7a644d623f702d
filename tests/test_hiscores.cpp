// The hi-score list on a real database file: the ten best rows, the test of a
// final score, saving a name, the reset, and a file that fails underneath.
#include "storage/DatabaseError.h"
#include "support/StartedWindow.h"

#include <QFile>
#include <chrono>

namespace {

using colours::kDarkRed;
using colours::kGreen;
constexpr Colour kUntouched = 0x123456;
const QString kInsertAName = QStringLiteral("*insert a name");
const QString kResetQuestion = QStringLiteral("Are you sure you want to reset the hi-scores?");
// Seconds from a lost game to its end screen.
constexpr int kGameOverPause = 5;

// Ways the file stops cooperating after start-up.
enum class Sabotage {
    ReadOnly,      // the engine refuses every write, as for a read-only file
    Locked,        // another copy of the game holds the file
    TableDropped,  // another program removed the list
    Overwritten,   // the file's bytes replaced in place by garbage
    Deleted,       // the file removed while the game runs
};

}  // namespace

Q_DECLARE_METATYPE(Sabotage)
Q_DECLARE_METATYPE(MessageBoxes::Answer)

class HiScoresTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window = std::make_unique<StartedWindow>();
        QVERIFY(!window->failure);
    }
    void cleanup()
    {
        other.close();
        window.reset();
    }

    // Which rows a score beats is the query's business (the rank table of
    // test_storage); here, that the final total is read from its caption and
    // the result line follows the rank.
    void checkHiScore_data()
    {
        QTest::addColumn<QList<int>>("listed");
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("enters");

        const QList<int> hundredToTen{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
        QTest::newRow("empty list takes 0") << QList<int>{} << 0 << true;
        QTest::newRow("equal to the tenth") << hundredToTen << 10 << false;
        QTest::newRow("one above the tenth") << hundredToTen << 11 << true;
    }
    void checkHiScore()
    {
        QFETCH(QList<int>, listed);
        QFETCH(int, score);
        QFETCH(bool, enters);
        Form1Controls& ui = window->ui();
        for (int listedScore : listed) {
            addRow(QStringLiteral("someone"), listedScore, 1);
        }
        ui.Label17.setCaption(QString::number(score));
        ui.Label5.setForeColor(kUntouched);
        ui.Label17.setForeColor(kUntouched);
        ui.Label27.setVisible(true);
        ui.Label27.setEnabled(true);

        window->game().CheckHiScore();

        QCOMPARE(ui.Label5.caption(), enters ? QStringLiteral("NEW HI-SCORE") : QStringLiteral("GAME OVER"));
        const Colour colour = enters ? kGreen : kDarkRed;
        QCOMPARE(ui.Label5.foreColor(), colour);
        QCOMPARE(ui.Label17.foreColor(), colour);
        QCOMPARE(ui.Label27.visible(), !enters);
        QCOMPARE(ui.Label27.enabled(), enters);
        QVERIFY(window->boxes.prompts.isEmpty());
    }

    void showsTheTenBest_data()
    {
        QTest::addColumn<int>("rows");
        QTest::newRow("none") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("ten") << 10;
        QTest::newRow("twelve") << 12;
    }
    void showsTheTenBest()
    {
        QFETCH(int, rows);
        // Saved worst first, so the order shown is the query's and not the
        // file's.
        for (int row = rows; row >= 1; --row) {
            addRow(QStringLiteral("p%1").arg(row), 1000 - row, row);
        }
        QString names, scores, levels;
        for (int row = 1; row <= std::min(rows, 10); ++row) {
            names += QStringLiteral("p%1\n").arg(row);
            scores += QStringLiteral("%1\n").arg(1000 - row);
            levels += QStringLiteral("%1\n").arg(row);
        }

        window->game().ShowHiScores();

        QCOMPARE(window->ui().Label32.caption(), names);
        QCOMPARE(window->ui().Label33.caption(), scores);
        QCOMPARE(window->ui().Label34.caption(), levels);
        if (rows > 0) {
            QCOMPARE(int(window->game().cellIndex), std::min(rows, 10));  // rows past the ten are not read
        }
    }

    void aRowWithoutANameShowsAnEmptyLine()
    {
        window->game().cn.execute(QStringLiteral("INSERT INTO hiscores VALUES (NULL, 80, NULL)"));
        window->game().ShowHiScores();
        QCOMPARE(window->ui().Label32.caption(), QStringLiteral("\n"));
        QCOMPARE(window->ui().Label33.caption(), QStringLiteral("80\n"));
        QCOMPARE(window->ui().Label34.caption(), QStringLiteral("\n"));
    }

    void aThirteenthBestRowPushesTheTenthOutOfView()
    {
        // another tool's column, left empty
        window->game().cn.execute(QStringLiteral("ALTER TABLE hiscores ADD COLUMN quando TEXT"));
        for (int row = 1; row <= 12; ++row) {
            addRow(QStringLiteral("p%1").arg(row), 1300 - 100 * row, 1);
        }

        save(QStringLiteral("Champion"), QStringLiteral("5000"), 7);

        QStringList expected{QStringLiteral("Champion")};
        for (int row = 1; row <= 9; ++row) {
            expected << QStringLiteral("p%1").arg(row);
        }
        QCOMPARE(window->ui().Label32.caption(), expected.join('\n') + '\n');
        QCOMPARE(count(), 13);
        QCOMPARE(count(QStringLiteral("WHERE nome = 'p10'")), 1);
    }

    void anEmptyNameIsRefused()
    {
        Form1Controls& ui = window->ui();
        openNameEntry();

        save(QString(), QStringLiteral("500"), 1);

        QCOMPARE(window->boxes.prompts, QStringList{kInsertAName});
        QCOMPARE(window->boxes.titles, QStringList{QStringLiteral("QUORBIT")});
        QCOMPARE(count(), 0);
        QVERIFY(ui.Picture6.visible());
        QVERIFY(!ui.Picture4.visible());
        QCOMPARE(ui.Label32.caption(), QString());
    }

    void namesAreStoredAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("one blank") << " ";
        QTest::newRow("blanks around") << "  Ann  ";
        QTest::newRow("apostrophe") << "O'Brien";
        QTest::newRow("double quotes") << "the \"best\"";
        QTest::newRow("statement inside") << "');DROP TABLE hiscores;--";
        QTest::newRow("non-Latin letters") << QStringLiteral("Ζωή 山田 Ёлка");
        QTest::newRow("emoji") << QStringLiteral("🙂 Çağla");
        QTest::newRow("full box") << "1234567890123456789012345";
        QTest::newRow("right-to-left override") << QStringLiteral("\u202EAnn");
    }
    void namesAreStoredAsTyped()
    {
        QFETCH(QString, name);
        addRow(QStringLiteral("already there"), 100, 1);

        save(name, QStringLiteral("48210"), 3);

        QVERIFY(window->boxes.prompts.isEmpty());
        const RecordSet stored = window->game().cn.openRecordSet(
            QStringLiteral("SELECT nome, punteggio, livello, typeof(punteggio) FROM hiscores ORDER BY rowid"));
        QCOMPARE(stored.rowCount(), 2);
        QCOMPARE(stored.value(0, 1).toString(), name);
        QCOMPARE(stored.value(1, 1).toLongLong(), 48210);
        QCOMPARE(stored.value(2, 1).toLongLong(), 3);
        QCOMPARE(stored.value(3, 1).toString(), QStringLiteral("integer"));
        QCOMPARE(window->ui().Label32.caption(), name + QStringLiteral("\nalready there\n"));
    }

    void reset_data()
    {
        QTest::addColumn<MessageBoxes::Answer>("answer");
        QTest::addColumn<int>("rowsLeft");
        QTest::newRow("no keeps every row") << MessageBoxes::Answer::No << 3;
        QTest::newRow("yes deletes every row") << MessageBoxes::Answer::Yes << 0;
    }
    void reset()
    {
        QFETCH(MessageBoxes::Answer, answer);
        QFETCH(int, rowsLeft);
        Game& game = window->game();
        addThreeRows();
        game.ShowHiScores();
        const QString shownBefore = window->ui().Label32.caption();
        window->boxes.answerNext(answer);

        game.Label48_Click();

        QCOMPARE(window->boxes.prompts, QStringList{kResetQuestion});
        QCOMPARE(window->boxes.titles, QStringList{QStringLiteral("QUORBIT")});
        QCOMPARE(count(), rowsLeft);
        QCOMPARE(window->ui().Label32.caption(), rowsLeft ? shownBefore : QString());
        QCOMPARE(window->ui().Label33.caption().isEmpty(), rowsLeft == 0);
        QCOMPARE(window->ui().Label34.caption().isEmpty(), rowsLeft == 0);
        if (answer == MessageBoxes::Answer::Yes) {
            QCOMPARE(game.sqlText, QStringLiteral("delete * from hiscores"));
        }
    }

    // Tried again, the file opens afresh: a cause put right keeps the score.
    void aFailedSaveStillReturnsToTheMenu_data() { sabotages(); }
    void aFailedSaveStillReturnsToTheMenu()
    {
        QFETCH(Sabotage, sabotage);
        QFETCH(QString, cause);
        QFETCH(bool, rowsSurvive);
        Form1Controls& ui = window->ui();
        addThreeRows();
        openNameEntry();
        apply(sabotage);
        window->boxes.answerNext(MessageBoxes::Answer::Retry);
        window->boxes.answerNext(MessageBoxes::Answer::Cancel);
        if (rowsSurvive) {
            window->boxes.whileWaiting = [this, sabotage] { lift(sabotage); };
        }

        save(QStringLiteral("Ann"), QStringLiteral("9999"), 4);

        QCOMPARE(window->boxes.prompts.filter(QStringLiteral("could not be saved")).size(), rowsSurvive ? 1 : 2);
        QVERIFY(window->boxes.prompts.first().startsWith(QStringLiteral("The hi-score could not be saved:\n")));
        QVERIFY2(window->boxes.prompts.first().contains(cause), qPrintable(window->boxes.prompts.first()));
        QCOMPARE(window->boxes.titles, QStringList(window->boxes.prompts.size(), QStringLiteral("QUORBIT")));
        QVERIFY(ui.Picture4.visible());
        QVERIFY(!ui.Picture6.visible());
        if (rowsSurvive) {
            QCOMPARE(count(QStringLiteral(
                         "WHERE nome LIKE 'keep %' OR nome = 'Ann' AND punteggio = 9999 AND livello = 4")),
                     4);
        }
    }

    void aFailedResetKeepsThePanelAndTheRows_data() { sabotages(); }
    void aFailedResetKeepsThePanelAndTheRows()
    {
        QFETCH(Sabotage, sabotage);
        QFETCH(QString, cause);
        QFETCH(bool, rowsSurvive);
        Form1Controls& ui = window->ui();
        addThreeRows();
        window->game().ShowHiScores();
        ui.Picture5.setVisible(true);
        const QString shownBefore = ui.Label33.caption();
        apply(sabotage);
        window->boxes.answerNext(MessageBoxes::Answer::Yes);

        window->game().Label48_Click();

        QCOMPARE(window->boxes.prompts.size(), 2);
        QVERIFY(window->boxes.prompts.at(1).startsWith(QStringLiteral("The hi-scores could not be reset:\n")));
        QVERIFY2(window->boxes.prompts.at(1).contains(cause), qPrintable(window->boxes.prompts.at(1)));
        QCOMPARE(window->boxes.titles.at(1), QStringLiteral("QUORBIT"));
        QVERIFY(ui.Picture5.visible());
        QCOMPARE(ui.Label33.caption(), shownBefore);
        if (rowsSurvive) {
            lift(sabotage);
            QCOMPARE(count(), 3);
        }
    }

    // An unreadable list shows empty columns and takes no score.
    void anUnreadableListShowsNothingAndTakesNoScore_data() { unreadable(); }
    void anUnreadableListShowsNothingAndTakesNoScore()
    {
        QFETCH(Sabotage, sabotage);
        Form1Controls& ui = window->ui();
        addThreeRows();
        apply(sabotage);
        window->game().ShowHiScores();
        expectOneReadFailure();
        for (const Label* column : {&ui.Label32, &ui.Label33, &ui.Label34}) {
            QCOMPARE(column->caption(), QString());
        }
        window->boxes.prompts.clear();
        window->boxes.titles.clear();
        ui.Label17.setCaption(QStringLiteral("1000000"));
        ui.Label27.setEnabled(true);

        window->game().CheckHiScore();

        expectOneReadFailure();
        QCOMPARE(ui.Label5.caption(), QStringLiteral("GAME OVER"));
        QCOMPARE(ui.Label5.foreColor(), kDarkRed);
        QVERIFY(!ui.Label27.enabled());
    }

    // The box that says the list cannot be read waits while the pause after
    // the game ticks on; however late it is answered, the game ends on the
    // menu and the rows in the file stay.
    void aLostGameEndsOnTheMenuHoweverLateTheBoxIsAnswered_data()
    {
        QTest::addColumn<Sabotage>("sabotage");
        QTest::addColumn<bool>("rowsSurvive");
        QTest::addColumn<int>("secondsUnderTheBox");
        QTest::newRow("locked, answered at once") << Sabotage::Locked << true << 0;
        QTest::newRow("locked, answered in the last second") << Sabotage::Locked << true << kGameOverPause - 1;
        QTest::newRow("locked, answered as the pause ends") << Sabotage::Locked << true << kGameOverPause;
        QTest::newRow("locked, answered long after") << Sabotage::Locked << true << 12;
        QTest::newRow("table dropped, answered long after") << Sabotage::TableDropped << false << 12;
        QTest::newRow("overwritten, answered long after") << Sabotage::Overwritten << false << 12;
    }
    void aLostGameEndsOnTheMenuHoweverLateTheBoxIsAnswered()
    {
        QFETCH(Sabotage, sabotage);
        QFETCH(bool, rowsSurvive);
        QFETCH(int, secondsUnderTheBox);
        Form1Controls& ui = window->ui();
        addThreeRows();
        apply(sabotage);
        ui.Picture4.setVisible(false);
        ui.Label5.setCaption(QStringLiteral("START"));  // as play leaves the result line
        window->boxes.whileWaiting = [this, secondsUnderTheBox] { secondsGoBy(secondsUnderTheBox); };

        window->game().RunLosingSequence();
        secondsGoBy(std::max(0, kGameOverPause - secondsUnderTheBox));

        expectOneReadFailure();
        QCOMPARE(ui.Label5.caption(), QStringLiteral("GAME OVER"));
        QVERIFY(ui.Picture4.visible());
        QVERIFY(!ui.Picture3.visible());
        QVERIFY(!ui.Picture6.visible());
        QVERIFY(!ui.Timer5.enabled());
        QVERIFY(!ui.Picture1[0].visible());
        if (rowsSurvive) {
            lift(sabotage);
            QCOMPARE(count(), 3);
        }
    }

private:
    void addRow(const QString& name, int score, int level)
    {
        window->game().cn.addRow(QStringLiteral("hiscores"), {name, score, level});
    }
    void addThreeRows()
    {
        for (int score : {5000, 4000, 3000}) {
            addRow(QStringLiteral("keep %1").arg(score), score, 2);
        }
    }

    int count(const QString& where = QString())
    {
        return window->game()
            .cn.openRecordSet(QStringLiteral("SELECT count(*) FROM hiscores ") + where)
            .value(0, 0)
            .toInt();
    }

    // Where the game stands after the pause of a lost game with a new hi-score.
    void openNameEntry()
    {
        Form1Controls& ui = window->ui();
        ui.Picture4.setVisible(false);
        for (Label* column : {&ui.Label32, &ui.Label33, &ui.Label34}) {
            column->setCaption(QString());
        }
        ui.Picture5.setVisible(true);
        ui.Picture6.setVisible(true);
    }

    void save(const QString& name, const QString& score, int level)
    {
        window->ui().Text1.setText(name);
        QCOMPARE(window->ui().Text1.text(), name);
        window->ui().Label17.setCaption(score);
        window->game().levelNumber = std::int16_t(level);
        window->game().Label37_Click();
    }

    void sabotages()
    {
        QTest::addColumn<Sabotage>("sabotage");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("rowsSurvive");
        QTest::newRow("read-only") << Sabotage::ReadOnly << "read-only" << true;
        QTest::newRow("locked") << Sabotage::Locked << "the file is in use by another program" << true;
        QTest::newRow("deleted") << Sabotage::Deleted << "the file is missing" << true;
        QTest::newRow("table dropped") << Sabotage::TableDropped << "no such table" << false;
        QTest::newRow("overwritten") << Sabotage::Overwritten << "wrong password or not a Quorbit database" << false;
    }
    void unreadable()
    {
        QTest::addColumn<Sabotage>("sabotage");
        QTest::addColumn<bool>("rowsSurvive");
        QTest::newRow("locked") << Sabotage::Locked << true;
        QTest::newRow("table dropped") << Sabotage::TableDropped << false;
        QTest::newRow("overwritten") << Sabotage::Overwritten << false;
    }

    void apply(Sabotage sabotage)
    {
        Connection& cn = window->game().cn;
        const QString file = window->folder.database();
        switch (sabotage) {
        case Sabotage::ReadOnly:
            cn.execute(QStringLiteral("PRAGMA query_only = ON"));
            break;
        case Sabotage::Locked:
            // The game's connection gives up at once instead of waiting for the
            // lock.
            cn.setBusyTimeout(std::chrono::milliseconds(0));
            other.open(file);
            other.execute(QStringLiteral("BEGIN EXCLUSIVE"));
            break;
        case Sabotage::TableDropped:
            other.open(file);
            other.execute(QStringLiteral("DROP TABLE hiscores"));
            other.close();
            break;
        case Sabotage::Overwritten: {
            QFile bytes(file);
            QVERIFY(bytes.open(QIODevice::ReadWrite));
            const QByteArray garbage(int(bytes.size()), '\x5a');
            QCOMPARE(bytes.write(garbage), std::int64_t(garbage.size()));
            break;
        }
        case Sabotage::Deleted:
            QVERIFY(QFile::copy(file, file + ".kept"));
            QVERIFY(QFile::remove(file));
            break;
        }
    }
    void lift(Sabotage sabotage)
    {
        if (sabotage == Sabotage::ReadOnly) {
            window->game().cn.execute(QStringLiteral("PRAGMA query_only = OFF"));
        }
        if (sabotage == Sabotage::Locked) {
            other.close();
        }
        QFile::rename(window->folder.database() + ".kept", window->folder.database());  // a deleted file put back
    }

    // The pause after a lost game running on: Timer5 ticks once a second
    // until it stops itself.
    void secondsGoBy(int seconds)
    {
        for (int second = 0; second < seconds && window->ui().Timer5.enabled(); ++second) {
            window->game().Timer5_Timer();
        }
    }

    void expectOneReadFailure()
    {
        QCOMPARE(window->boxes.prompts.size(), 1);
        QVERIFY(window->boxes.prompts.first().startsWith(QStringLiteral("The hi-score list could not be read:\n")));
        QCOMPARE(window->boxes.titles.first(), QStringLiteral("QUORBIT"));
    }

    std::unique_ptr<StartedWindow> window;
    Connection other;  // a second program on the same file
};

QTEST_MAIN(HiScoresTest)
#include "test_hiscores.moc"
