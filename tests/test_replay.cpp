// Games of random inputs at random moments, each recorded as it is played and
// played again from its recording in a second window: the score column, the
// total and the level must come out the same every time. Recordings kept from
// an earlier build must play as they did then.
#include "app/replay/Playback.h"
#include "board/TileCodes.h"
#include "replay/RecordingFile.h"
#include "rules/MoveTarget.h"
#include "storage/Recordings.h"
#include "support/Player.h"

#include <QDir>
#include <QRandomGenerator>
#include <map>
#include <optional>
#include <set>

namespace {

using enum Screen;

// The ways a game can go, counted over all games, so that a run that never
// won, paused or minimised fails rather than proving little.
enum class Way { LevelWon, BlackHole, UsedBox, Quit, PausedInCountdown, PausedInPlay, Minimised, SecondGame };
const std::map<Way, const char*> kWays{
    {Way::LevelWon, "levels won"},
    {Way::BlackHole, "black holes"},
    {Way::UsedBox, "used boxes"},
    {Way::Quit, "quits"},
    {Way::PausedInCountdown, "pauses in the countdown"},
    {Way::PausedInPlay, "pauses in play"},
    {Way::Minimised, "minimised"},
    {Way::SecondGame, "second games"},
};

// The cells to move to, one by one, to reach the door from where the player
// stands, turning each tile as needed; none within `depth` moves.
std::optional<std::vector<int>> wayToTheDoor(Game& game, int from, std::set<int> used, int depth = 8)
{
    if (depth == 0) {
        return std::nullopt;
    }
    used.insert(from);
    CellValue code = game.cellCodes(from, CellCodes::kTileCode);
    for (int turn = 0; turn < 4; ++turn) {
        const moves::Move move = moves::offeredFrom(from, code, game.cellCodes(from, CellCodes::kFirstNumber).toInt(),
                                                    game.cellCodes(from, CellCodes::kSecondNumber).toInt());
        if (move.row >= 0 && move.row < board::kRows && move.column >= 0 && move.column < board::kColumns) {
            const int target = move.row * board::kColumns + move.column;
            const moves::TargetWarning* warning = moves::warningAbout(game.cellCodes, target);
            if (warning && warning->tone == moves::Tone::Welcome) {
                return std::vector<int>{target};
            }
            if (!warning && !used.contains(target)) {
                if (auto rest = wayToTheDoor(game, target, used, depth - 1)) {
                    rest->insert(rest->begin(), target);
                    return rest;
                }
            }
        }
        code = tiles::afterQuarterTurn(code).value_or(code);
    }
    return std::nullopt;
}

}  // namespace

class ReplayTest : public QObject {
    Q_OBJECT

    std::map<Way, int> seen;

    // One game of random inputs, from "new game" to the pause after its end.
    void playRandomly(Player& p, StartedWindow& window, QRandomGenerator& random)
    {
        Game& game = p.game();
        p.click("new game");
        for (int event = 0; p.screen() != GameOverPause; ++event) {
            const Screen shown = p.screen();
            const int roll = int(random.bounded(100));
            if (event > 400 || (roll < 4 && Player::inView(p.ui().Label27))) {
                const bool yes = event > 400 || random.bounded(2);
                window.boxes.answerNext(yes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
                window.boxes.whileWaiting = [&p, wait = int(random.bounded(3000))] { p.wait(wait); };
                p.click(p.ui().Label27);
                seen[Way::Quit] += yes && p.screen() == GameOverPause;
            } else if (shown == LevelWon) {
                p.click(p.ui().Command2);
            } else if (roll < 40) {
                p.wait(int(random.bounded(1, 900)));
            } else if (roll < 50 && (shown == Countdown || shown == Playing)) {
                p.press(Qt::Key_P);
                seen[shown == Countdown ? Way::PausedInCountdown : Way::PausedInPlay]++;
                p.wait(int(random.bounded(5000)));
                p.press(Qt::Key_P);
            } else if (roll < 53 && (shown == Countdown || shown == Playing)) {
                p.minimise();
                p.minimise(false);
                seen[Way::Minimised]++;
                p.wait(int(random.bounded(3000)));
                p.press(Qt::Key_P);
            } else if (roll < 70 && shown == Playing) {
                const int target = p.target();
                const bool usedBox = target >= 0 && game.cellCodes(target, CellCodes::kUsedMark).toInt() != 0;
                const bool blackHole =
                    target >= 0 && game.cellCodes(target, CellCodes::kTileCode) == CellValue(tiles::kBlackHole);
                p.clickCell(roll < 60 ? p.standsOn() : std::max(target, 0));
                seen[Way::UsedBox] += usedBox && p.screen() == GameOverPause;
                seen[Way::BlackHole] += blackHole && p.screen() == GameOverPause;
            } else if (shown == Playing) {
                // A player who looks ahead: turns until the move leads along
                // a way to the door, then makes it.
                if (const auto way = wayToTheDoor(game, p.standsOn(), {})) {
                    for (int turn = 0; turn < 4 && p.target() != way->front(); ++turn) {
                        p.turn();
                    }
                    p.move();
                    seen[Way::LevelWon] += p.screen() == LevelWon;
                }
            }
        }
    }

private slots:
    // A short game into an empty list, and Return right after the name is
    // saved: the game plays again in the window, to its result, and the list
    // comes back with nothing changed, the generator included.
    void aSavedGameIsWatchedFromTheList()
    {
        StartedWindow window;
        QVERIFY(!window.failure);
        window.form->show();
        Player p(window);
        p.click("new game");
        p.wait(4000);
        p.turn();
        p.wait(700);
        p.turn();
        window.boxes.answerNext(MessageBoxes::Answer::Yes);
        p.click(p.ui().Label27);
        const int total = p.finalTotal();
        p.wait(5000);
        p.type(QStringLiteral("Ada"));
        p.click("save name");
        QCOMPARE(p.screen(), HiScores);
        const std::optional<std::uint64_t> generator = window.random->position();
        const auto contents = [&window] {
            QFile file(window.folder.database());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = contents();

        p.press(Qt::Key_Return);
        QVERIFY(window.form->watching());
        QCOMPARE(p.screen(), Countdown);
        p.click(p.ui().Picture1[p.standsOn()]);  // a click does not reach a watched game
        p.wait(4000 + 300);
        QCOMPARE(p.screen(), Playing);
        p.wait(400);
        QCOMPARE(p.finalTotal(), total);
        QCOMPARE(p.result(), QStringLiteral("NEW HI-SCORE"));
        p.wait(10000);
        QCoreApplication::processEvents();
        QVERIFY(!window.form->watching());
        QCOMPARE(p.screen(), HiScores);
        QCOMPARE(window.random->position(), generator);
        QCOMPARE(contents(), before);
    }

    // Games recorded by an earlier build, each beside what it came to: the
    // score column, then its total and level. A build that plays one of them
    // differently breaks every recording a player keeps.
    void keptRecordingsPlayAsTheyDid_data()
    {
        QTest::addColumn<QString>("path");
        const QDir kept(QStringLiteral(QUORBIT_RECORDINGS_DIR));
        for (const QString& name : kept.entryList({QStringLiteral("*.qbrc")}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << kept.filePath(name);
        }
    }
    void keptRecordingsPlayAsTheyDid()
    {
        QFETCH(QString, path);
        QFile recording(path);
        QFile result(path.chopped(4) + QStringLiteral("result"));
        QVERIFY(recording.open(QIODevice::ReadOnly) && result.open(QIODevice::ReadOnly));
        const QStringList expected = QString::fromUtf8(result.readAll()).split(QChar(10), Qt::SkipEmptyParts);
        const replay::Decoded decoded = replay::decode(recording.readAll());
        QVERIFY2(decoded.recording, qPrintable(decoded.error));
        StartedWindow window;
        const std::optional<GameResult> replayed = Playback::playThrough(*window.form, *decoded.recording);
        QVERIFY(replayed);
        QCOMPARE(replayed->counters.join(QChar(' ')), expected.value(0));
        QCOMPARE(QStringLiteral("%1 %2").arg(replayed->total).arg(replayed->level), expected.value(1));
    }

    void cleanupTestCase()
    {
        for (const auto& [way, words] : kWays) {
            if (seen.empty()) {
                break;  // the random games did not run
            }
            qInfo("%s: %d", words, seen[way]);
            QVERIFY2(seen[way] > 0, words);
        }
    }

    void randomGamesPlayAgainExactly_data()
    {
        QTest::addColumn<std::uint32_t>("seed");
        for (std::uint32_t seed = 1; seed <= 8; ++seed) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    void randomGamesPlayAgainExactly()
    {
        QFETCH(std::uint32_t, seed);
        StartedWindow window;
        QVERIFY(!window.failure);
        window.form->show();
        Player p(window);
        QRandomGenerator random(seed);
        for (std::uint32_t skip = 0; skip < seed * 977; ++skip) {
            window.random->Rnd();
        }
        // A second game carries on from where the first left the generator.
        for (int game = 0; game < 2; ++game) {
            seen[Way::SecondGame] += game;
            playRandomly(p, window, random);
            const GameResult played = resultShown(*window.form);
            const std::optional<replay::Recording> recording = p.game().recorder.lastGame();
            QVERIFY(recording);
            QCOMPARE(replay::decode(replay::encode(*recording)).recording, recording);

            StartedWindow again;
            const std::optional<GameResult> replayed = Playback::playThrough(*again.form, *recording);
            QVERIFY(replayed);
            QCOMPARE(replayed->counters, played.counters);
            QCOMPARE(replayed->total, played.total);
            QCOMPARE(replayed->level, played.level);

            p.wait(5000);
            if (p.screen() == NameEntry) {
                p.type(QStringLiteral("Ada"));
                p.click("save name");
                const QList<recordings::Kept> kept = recordings::readAll(p.game().cn);
                const recordings::RowValues row{QStringLiteral("Ada"), played.total, played.level};
                QVERIFY(std::any_of(kept.begin(), kept.end(), [&](const recordings::Kept& one) {
                    return one.row == row && replay::decode(one.recording).recording == recording;
                }));
                p.click(p.ui().Label35);
            }
        }
    }
};

QTEST_MAIN(ReplayTest)
#include "test_replay.moc"
