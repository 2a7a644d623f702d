// qb.mdb seen from outside the game's process: a copy of the game killed while
// it saves hi-scores loses none it had finished saving, and two copies saving
// at once both get every row in. The copies are hiscore_saver processes.

#include "storage/Connection.h"
#include "storage/GameDatabase.h"
#include "storage/RecordSet.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSaver = QStringLiteral(QUORBIT_HISCORE_SAVER);
// Far above the second or so a saver needs, so only a hung or dead saver runs
// into it.
constexpr int kWaitMs = 20000;
constexpr int kRoundsPerRow = 10;
// The game saves one row per finished game; a few in a row make the two copies'
// saves meet, while a copy's whole run stays well inside the other's wait of
// play even on a slow disk.
constexpr int kRowsPerCopy = 8;

// hiscore_saver scores its row n as n times this.
constexpr qlonglong kScorePerRow = 100;

// Name to score, the two columns that tell every saved row apart.
using HiScores = QMap<QString, qlonglong>;

// Rows 1..count as hiscore_saver writes them.
HiScores rowsOfSaver(const QString& prefix, int count)
{
    HiScores rows;
    for (int n = 1; n <= count; ++n) {
        rows.insert(QStringLiteral("%1 %2").arg(prefix).arg(n), kScorePerRow * n);
    }
    return rows;
}

// How many saves the output reports, whole lines only; -1 unless they read
// "saved 1", "saved 2", ... in order.
int reportedSaves(const QByteArray& output)
{
    QList<QByteArray> lines = output.left(output.lastIndexOf('\n') + 1).split('\n');
    lines.removeLast();  // what follows the last line break: nothing, or a line still coming
    for (int n = 1; n <= lines.size(); ++n) {
        if (lines.at(n - 1) != "saved " + QByteArray::number(n)) {
            return -1;
        }
    }
    return int(lines.size());
}

void waitForReports(QProcess& saver, int saves, QByteArray& output)
{
    while (reportedSaves(output) < saves) {
        QVERIFY2(reportedSaves(output) >= 0, output.constData());
        QVERIFY2(saver.waitForReadyRead(kWaitMs), saver.readAllStandardError().constData());
        output += saver.readAllStandardOutput();
    }
}

// The file must open as the game opens it and pass the engine's full check of
// every page.
void readWholeFile(const QString& file, HiScores& rows)
{
    Connection cn;
    QVERIFY_THROWS_NO_EXCEPTION(openGameDatabase(cn, file));
    QCOMPARE(cn.openRecordSet(QStringLiteral("PRAGMA integrity_check")).value(0, 0), QVariant("ok"));
    const RecordSet all = cn.openRecordSet(QStringLiteral("hiscores"));
    for (int row = 0; row < all.rowCount(); ++row) {
        const QString name = all.value(0, row).toString();
        QVERIFY2(!rows.contains(name), qPrintable(name + QStringLiteral(" is saved twice")));
        rows.insert(name, all.value(1, row).toLongLong());
    }
}

}  // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedWhileSaving_data()
    {
        QTest::addColumn<int>("fewestSaves");
        QTest::addColumn<int>("mostSaves");
        QTest::newRow("right after the first save") << 1 << 1;
        QTest::newRow("after a few saves") << 2 << 8;
        QTest::newRow("after many saves") << 9 << 40;
    }

    // Every round kills a saver on the same file, so the rows of earlier rounds
    // must come through the later kills as well.
    void killedWhileSaving()
    {
        QFETCH(int, fewestSaves);
        QFETCH(int, mostSaves);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("qb.mdb"));
        HiScores kept;
        for (int round = 1; round <= kRoundsPerRow; ++round) {
            const QString prefix = QStringLiteral("round%1").arg(round);
            const int killAt = int(QRandomGenerator::global()->bounded(fewestSaves, mostSaves + 1));
            QProcess saver;
            saver.start(kSaver, {file, prefix});
            QByteArray output;
            waitForReports(saver, killAt, output);
            if (QTest::currentTestFailed()) {
                return;
            }
            saver.kill();
            QVERIFY(saver.waitForFinished(kWaitMs));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
            const int saved = reportedSaves(output + saver.readAllStandardOutput());

            HiScores rows;
            readWholeFile(file, rows);
            if (QTest::currentTestFailed()) {
                return;
            }
            HiScores reported = kept;
            reported.insert(rowsOfSaver(prefix, saved));
            HiScores withRowInFlight = kept;
            withRowInFlight.insert(rowsOfSaver(prefix, saved + 1));
            QVERIFY2(rows == reported || rows == withRowInFlight,
                     qPrintable(QStringLiteral("round %1: %2 saves reported, %3 rows in the file, %4 expected")
                                    .arg(round)
                                    .arg(saved)
                                    .arg(rows.size())
                                    .arg(reported.size())));
            kept = rows;
        }
    }

    // Whichever copy gets the file first keeps it busy for its whole run, so
    // the other one waits, within the wait the game allows itself during play,
    // until that run is over.
    void copiesSavingAtOnce()
    {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("qb.mdb"));
        Connection().create(file);
        const QStringList prefixes{QStringLiteral("first copy"), QStringLiteral("second copy")};
        QProcess copies[2];
        for (int i = 0; i < 2; ++i) {
            copies[i].start(kSaver, {file, prefixes[i], QString::number(kRowsPerCopy)});
        }

        HiScores expected;
        for (int i = 0; i < 2; ++i) {
            QVERIFY(copies[i].waitForFinished(kWaitMs));
            QCOMPARE(copies[i].readAllStandardError(), QByteArray());
            QCOMPARE(copies[i].exitStatus(), QProcess::NormalExit);
            QCOMPARE(copies[i].exitCode(), 0);
            QCOMPARE(reportedSaves(copies[i].readAllStandardOutput()), kRowsPerCopy);
            expected.insert(rowsOfSaver(prefixes[i], kRowsPerCopy));
        }
        HiScores rows;
        readWholeFile(file, rows);
        QCOMPARE(rows, expected);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
