// The database file, its refusals, the random-sequence counter and the hi-score
// list's queries, on real files in a temporary folder.

#include "common/Rounding.h"
#include "common/SystemPath.h"
#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/EngineHandle.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameDatabase.h"
#include "storage/HiScoreQuery.h"
#include "storage/NoReplaceMove.h"
#include "storage/RandomSequenceCounter.h"
#include "storage/RecordSet.h"
#include "storage/ScratchFile.h"
#include "storage/SqlDialect.h"
#include "support/ScriptedRandom.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

#define SQLITE_HAS_CODEC 1
#include <sqlite3.h>

namespace {

// What is done to the bytes of a file; a game file changed by statements is
// Damage::None.
enum class Damage {
    None,
    WrongPassword,
    NotEncrypted,
    RandomBytes,
    Empty,
    TruncatedToHalf,
    ByteFlippedInMiddle,
    ByteFlippedNearEnd,
    Folder
};

const QString kNewFile = QStringLiteral("the game then makes a new file, with an empty hi-score list");
const QString kMoveAway = ": move it away, and " + kNewFile;
const QString kKeptCopyOrMoveAway = ": put back a copy of it you kept, or move it away, and " + kNewFile;
const QString kCorrupt = "the file is damaged" + kKeptCopyOrMoveAway;
const QString kNotOurs = "wrong password or not a Quorbit database" + kMoveAway;
const QString kBestFirst = QStringLiteral("SELECT * FROM hiscores order by punteggio desc ");
const QString kCounterRemedy =
    ". Resetting the hi-scores does not mend this; a new file does: move this one away, and " + kNewFile;

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), std::int64_t(bytes.size()));
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// The game's tables written with another password, or none at all.
void writeForeignDatabase(const QString& path, const QByteArray& password)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    if (!password.isEmpty()) {
        sqlite3_key(db, password.constData(), int(password.size()));
    }
    const char* script = R"(CREATE TABLE "temp"(dato TEXT, dato1 TEXT); INSERT INTO "temp" VALUES('nummag','0');
                            CREATE TABLE hiscores(nome TEXT, punteggio INTEGER, livello INTEGER);)";
    QCOMPARE(sqlite3_exec(db, script, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void makeGameFile(const QString& path, const QStringList& statements = {})
{
    Connection cn;
    cn.create(path);
    for (const QString& sql : statements) {
        cn.execute(sql);
    }
}

void spoil(const QString& path, Damage damage, const QStringList& statements)
{
    if (damage == Damage::WrongPassword || damage == Damage::NotEncrypted) {
        return writeForeignDatabase(path, damage == Damage::WrongPassword ? "rk58302746tolbeM" : "");
    }
    if (damage == Damage::Folder) {
        QVERIFY(QDir().mkpath(path));
        return;
    }
    makeGameFile(path, statements);
    QByteArray bytes = bytesOf(path);
    switch (damage) {
    case Damage::RandomBytes: {
        QRandomGenerator noise(2024);
        bytes = QByteArray(4096, '\0');
        for (char& byte : bytes) {
            byte = char(noise.bounded(256));
        }
        break;
    }
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::TruncatedToHalf:
        bytes.truncate(bytes.size() / 2);
        break;
    case Damage::ByteFlippedInMiddle:
        bytes[bytes.size() / 2] ^= 0x01;
        break;
    case Damage::ByteFlippedNearEnd:
        bytes[bytes.size() - 500] ^= 0x01;
        break;  // in hiscores, unread at start-up
    default:
        return;
    }
    writeBytes(path, bytes);
}

QString setCounter(const QString& value)
{
    return QStringLiteral("UPDATE temp SET dato1=%1 WHERE dato='nummag'").arg(value);
}

// A draw as the 24-bit whole number it is made of: exact to compare, unlike
// floats.
std::uint32_t top24(float draw)
{
    const float scaled = draw * 0x1p24f;
    return scaled == float(std::uint32_t(scaled)) ? std::uint32_t(scaled) : 0xffffffffu;
}

// Folders below `folder` that make `folder/.../qb.mdb` `length` bytes long.
QString folderForPathLength(QString folder, int length)
{
    const int missing = length - int(systemPath(folder + "/qb.mdb").size());
    for (const int segment : {missing / 3, missing / 3, missing - 2 * (missing / 3)}) {
        folder += '/' + QString(segment - 1, 'd');
    }
    return folder;
}

// A copy of the game killed while it made `path`, as it leaves the folder.
void leaveAsAKilledCopy(const QString& path)
{
    if (const pid_t child = ::fork(); child == 0) {
        const ScratchFile scratch(path);
        ::_exit(::creat(QFile::encodeName(scratch.path() + "-journal").constData(), 0600) < 0);
    } else {
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child && status == 0);
    }
}

// Stand-ins for the first ways of moving a file without replacing one, on a
// file system that lacks them and says so with these errors.
std::array<int, 2> injectedErrors{};
template <std::size_t Way> int lackedWay(const char* /*from*/, const char* /*to*/)
{
    errno = injectedErrors.at(Way);
    return -1;
}
constexpr std::array kLackedWays{lackedWay<0>, lackedWay<1>};

// The rows every connection of this test steps through, as the engine itself
// counts them.
int rowsStepped = 0;
int countRow(unsigned /*event*/, void* /*context*/, void* /*statement*/, void* /*unused*/)
{
    ++rowsStepped;
    return 0;
}
int countRowsOf(sqlite3* db, char** /*error*/, const sqlite3_api_routines* /*api*/)
{
    return sqlite3_trace_v2(db, SQLITE_TRACE_ROW, countRow, nullptr);
}

// counter + 1 skipped draws, all unlike the step, then the step itself.
QList<float> drawsEndingWith(int counter, float step) { return QList<float>(qMax(counter + 1, 0), 0.99f) << step; }

}  // namespace

Q_DECLARE_METATYPE(Damage)

class TestStorage : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    int folders_ = 0;
    Connection hiScores_;  // one file for every row of the rank table

    // qb.mdb in a folder of its own, not there yet.
    QString freshPath()
    {
        const QString sub = folder_.filePath(QString::number(++folders_));
        QDir().mkpath(sub);
        return QDir(sub).filePath(QStringLiteral("qb.mdb"));
    }

    // Start-up as the window does it.
    static std::int32_t startUp(Connection& cn, const QString& path, RandomSource& rnd, RecordSet& rs, QString& sqlText)
    {
        openGameDatabase(cn, path);
        return advanceRandomSequence(cn, rs, sqlText, rnd, path);
    }

private slots:
    void initTestCase()
    {
        // Every connection opened from here on counts the rows it steps.
        QCOMPARE(sqlite3_auto_extension(reinterpret_cast<void (*)()>(countRowsOf)), SQLITE_OK);
    }

    void advanceCounter_data()
    {
        QTest::addColumn<int>("counter");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<int>("expected");
        QTest::newRow("counter 0") << 0 << drawsEndingWith(0, 0.3f) << 300;
        QTest::newRow("highest draw adds 1000") << 0 << drawsEndingWith(0, 1.0f - 0x1p-24f) << 1000;
        QTest::newRow("26500 + 700.2 wraps to 200") << 26500 << drawsEndingWith(26500, 0.7002f) << 200;
        QTest::newRow("exactly 27000 stays") << 26500 << drawsEndingWith(26500, 0.5f) << 27000;
        QTest::newRow("27001 wraps to 1") << 26501 << drawsEndingWith(26501, 0.5f) << 1;
        QTest::newRow("62.5 down to even") << 0 << drawsEndingWith(0, 0.0625f) << 62;
        QTest::newRow("187.5 up to even") << 0 << drawsEndingWith(0, 0.1875f) << 188;
        QTest::newRow("63.5 up to even") << 1 << drawsEndingWith(1, 0.0625f) << 64;
        QTest::newRow("step under one half keeps it") << 4321 << drawsEndingWith(4321, 0.0004f) << 4321;
        QTest::newRow("step over 999.5 adds 1000") << 10 << drawsEndingWith(10, 0.99975f) << 1010;
        QTest::newRow("negative: nothing skipped") << -5 << QList<float>{0.3f} << 295;
        QTest::newRow("most negative") << -32768 << QList<float>{0.5f} << -32268;
        QTest::newRow("most positive") << 32767 << drawsEndingWith(32767, 0.5f) << 6267;
    }

    // Every scripted draw is used: counter + 1 skipped and the step (only the
    // step when negative).
    void advanceCounter()
    {
        QFETCH(int, counter);
        QFETCH(QList<float>, draws);
        QFETCH(int, expected);
        ScriptedRandom rnd(draws);
        QCOMPARE(::advanceCounter(std::int16_t(counter), rnd), expected);
        QCOMPARE(rnd.remaining(), qsizetype(0));
    }

    void counterFromField_data()
    {
        QTest::addColumn<QVariant>("dato1");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("cause");  // empty when accepted
        QTest::newRow("text") << QVariant("27000") << 27000 << "";
        QTest::newRow("blanks around") << QVariant(" 12 ") << 12 << "";
        QTest::newRow("a number") << QVariant(qlonglong(345)) << 345 << "";
        QTest::newRow("2.5 to even") << QVariant("2.5") << 2 << "";
        QTest::newRow("-3.5 to even") << QVariant("-3.5") << -4 << "";
        QTest::newRow("real 7.5 to even") << QVariant(7.5) << 8 << "";
        QTest::newRow("32766.5 to even") << QVariant("32766.5") << 32766 << "";
        QTest::newRow("highest") << QVariant("32767") << 32767 << "";
        QTest::newRow("lowest") << QVariant("-32768") << -32768 << "";
        QTest::newRow("letters") << QVariant("abc") << 0 << "the counter in table temp is not a number: 'abc'";
        QTest::newRow("empty text") << QVariant("") << 0 << "the counter in table temp is not a number: ''";
        QTest::newRow("infinite") << QVariant("inf") << 0 << "the counter in table temp is not a number: 'inf'";
        QTest::newRow("null") << QVariant() << 0 << "the counter in table temp is empty";
        QTest::newRow("40000") << QVariant("40000") << 0 << "the counter 40000 is outside -32768..32767";
        QTest::newRow("32767.5 rounds out")
            << QVariant("32767.5") << 0 << "the counter 32767.5 is outside -32768..32767";
        QTest::newRow("-32769") << QVariant("-32769") << 0 << "the counter -32769 is outside -32768..32767";
        QTest::newRow("beyond 32 bits") << QVariant("1e10") << 0 << "the counter 1e10 is outside -32768..32767";
        QTest::newRow("a blob with a NUL")
            << QVariant(QByteArray("1\0\xff", 3)) << 0 << "the counter in table temp is not a number: '1\\x00\\xff'";
    }

    void counterFromField()
    {
        QFETCH(QVariant, dato1);
        QFETCH(int, expected);
        QFETCH(QString, cause);
        try {
            const int counter = ::counterFromField(dato1, QStringLiteral("/q/qb.mdb"));
            QVERIFY2(cause.isEmpty(), "accepted");
            QCOMPARE(counter, expected);
        } catch (const DatabaseError& error) {
            QCOMPARE(error.cause(), cause + kCounterRemedy);
            QCOMPARE(error.file(), QStringLiteral("/q/qb.mdb"));
        }
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::int64_t>("expected");
        QTest::newRow("0.5") << 0.5 << std::int64_t(0);
        QTest::newRow("1.5") << 1.5 << std::int64_t(2);
        QTest::newRow("2.5") << 2.5 << std::int64_t(2);
        QTest::newRow("-2.5") << -2.5 << std::int64_t(-2);
        QTest::newRow("-3.5") << -3.5 << std::int64_t(-4);
        QTest::newRow("under a half") << 2.4999999 << std::int64_t(2);
        QTest::newRow("over a half") << 2.5000001 << std::int64_t(3);
        QTest::newRow("large odd half") << 1e15 + 1.5 << std::int64_t(1e15) + 2;
        QTest::newRow("large even half") << 1e15 + 2.5 << std::int64_t(1e15) + 2;
    }

    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(std::int64_t, expected);
        QCOMPARE(std::int64_t(::roundHalfEven(value)), expected);
    }

    void fixedSequenceFirstDraws()
    {
        // PCG32's published first outputs for state 42, stream 54.
        FixedSequenceRandom raw;
        for (std::uint32_t reference : {0xa15c02b7u, 0x7b47f409u, 0xba1d3330u, 0x83d2f293u, 0xbfa4784bu, 0xcbed606eu}) {
            QCOMPARE(raw.nextUInt32(), reference);
        }

        // What every saved counter means: these draws, n * 2^-24 exactly.
        FixedSequenceRandom rnd;
        for (std::uint32_t expected : {10574850u, 8079348u, 12197171u, 8639218u, 12559480u}) {
            QCOMPARE(top24(rnd.Rnd()), expected);
        }
        for (int i = 5; i < 27001; ++i) {
            rnd.Rnd();
        }
        QCOMPARE(top24(rnd.Rnd()), 5236942u);  // the 27002nd, the last a start-up can reach
    }

    void scriptedRandomRunsOut()
    {
        ScriptedRandom rnd({0.25f});
        QCOMPARE(rnd.Rnd(), 0.25f);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, rnd.Rnd());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, ScriptedRandom({1.0f}));
    }

    void engineDialect_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("recordSet");
        const QString deleteAll = QStringLiteral("DELETE FROM hiscores");
        const QString counterQuery = QStringLiteral("SELECT * FROM temp WHERE dato= 'nummag' ");
        QTest::newRow("delete star") << "delete * from hiscores" << deleteAll << deleteAll;
        QTest::newRow("any case, any spacing") << "  DELETE  *  From  hiscores" << deleteAll << deleteAll;
        QTest::newRow("plain delete") << deleteAll << deleteAll << deleteAll;
        QTest::newRow("select kept") << counterQuery << counterQuery << counterQuery;
        QTest::newRow("bare table") << "hiscores"
                                    << "hiscores"
                                    << R"(SELECT * FROM "hiscores" ORDER BY rowid)";
        QTest::newRow("tabs and newlines") << "\tdelete\n*\tfrom\nhiscores" << deleteAll << deleteAll;
        QTest::newRow("underscore and digits") << "_temp2"
                                               << "_temp2"
                                               << R"(SELECT * FROM "_temp2" ORDER BY rowid)";
        // Neither a "delete * from" nor a table name: passed on as written.
        const struct {
            const char* name;
            const char* text;
        } kLeftAlone[] = {
            {"no blank around the star", "delete*from hiscores"},
            {"a longer word", "deleted * from hiscores"},
            {"nothing after from", "delete * from"},
            {"a digit first is no name", "2temp"},
            {"two words are no name", "hi scores"},
            {"a quote is no name", "hi\"scores"},
            {"empty", ""},
        };
        for (const auto& row : kLeftAlone) {
            QTest::newRow(row.name) << row.text << row.text << row.text;
        }
    }

    void engineDialect()
    {
        QFETCH(QString, source);
        QFETCH(QString, statement);
        QFETCH(QString, recordSet);
        QCOMPARE(toEngineDialect(source), statement);
        QCOMPARE(recordSetSql(source), recordSet);
    }

    void startUpRoundTrip_data()
    {
        QTest::addColumn<QString>("stored");  // null: no file yet
        QTest::addColumn<int>("counter");
        QTest::newRow("new file") << QString() << 0;
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("near the wrap") << "26999" << 26999;
        QTest::newRow("hand-edited negative") << "-3" << -3;
    }

    void startUpRoundTrip()
    {
        QFETCH(QString, stored);
        QFETCH(int, counter);
        const QString path = freshPath();
        if (!stored.isNull()) {
            makeGameFile(path, {setCounter(QLatin1Char('\'') + stored + QLatin1Char('\''))});
        }

        FixedSequenceRandom rnd;
        Connection cn;
        RecordSet rs;
        QString sqlText;
        const std::int32_t next = startUp(cn, path, rnd, rs, sqlText);

        FixedSequenceRandom reference;
        QCOMPARE(next, ::advanceCounter(std::int16_t(counter), reference));
        QCOMPARE(top24(rnd.Rnd()), top24(reference.Rnd()));  // levels are dealt from just after the step
        QCOMPARE(sqlText, ::counterUpdateSql(next));
        QCOMPARE(rs.field(QStringLiteral("dato1")).toString(), stored.isNull() ? QStringLiteral("0") : stored);
        cn.close();

        Connection again;
        again.open(path);
        QCOMPARE(again.openRecordSet(QStringLiteral("temp")).field(QStringLiteral("dato1")),
                 QVariant(QString::number(next)));
    }

    // The user's data folder of an installed copy may not exist yet on the
    // first run; it is made for the player alone. A copy killed while it made
    // the file left its scratch file and journal beside it, which go; one that
    // is making it at this moment keeps its own.
    void missingFileIsCreated_data()
    {
        QTest::addColumn<QString>("below");
        QTest::addColumn<int>("pathLength");            // 0: as below makes it
        QTest::addColumn<QStringList>("playersFiles");  // kept, whatever their names
        QTest::addColumn<int>("killedCopies");
        QTest::addColumn<bool>("anotherCopyMakingIt");
        QTest::addColumn<QString>("renamedByPlayer");  // a killed copy's leftover, renamed so before the start
        QTest::newRow("in a folder that is there") << QString() << 0 << QStringList() << 0 << false << QString();
        QTest::newRow("in folders not made yet")
            << QStringLiteral("share/quorbit") << 0 << QStringList() << 0 << false << QString();
        QTest::newRow("beside what killed copies left, and the player's look-alike names")
            << QString() << 0
            << QStringList{"qb.mdb.quorbit-scratch-ABCDEF", "qb.mdb.quorbit-scratch-ABCDEF-journal",
                           "qb.mdb.quorbit-scratch-backup", "qb.mdb.new-notes1"}
            << 20 << false << QString();
        QTest::newRow("beside a killed copy's leftover the player renamed")
            << QString() << 0 << QStringList() << 1 << false << QStringLiteral("qb.mdb.quorbit-scratch-Kept01");
        QTest::newRow("beside a copy making it") << QString() << 0 << QStringList() << 0 << true << QString();
        QTest::newRow("at the engine's longest path")
            << QString() << int(longestEnginePath()) << QStringList() << 0 << false << QString();
    }

    void missingFileIsCreated()
    {
        QFETCH(QString, below);
        QFETCH(int, pathLength);
        QFETCH(QStringList, playersFiles);
        QFETCH(int, killedCopies);
        QFETCH(bool, anotherCopyMakingIt);
        QFETCH(QString, renamedByPlayer);
        const QFileInfo fresh(freshPath());
        if (pathLength > 0) {
            below = folderForPathLength(fresh.path(), pathLength).mid(fresh.path().size() + 1);
        }
        const QString path = below.isEmpty() ? fresh.filePath() : fresh.dir().filePath(below + "/qb.mdb");
        for (const QString& name : playersFiles) {
            writeBytes(fresh.dir().filePath(name), "the player's own");
        }
        for (int copy = 0; copy < killedCopies; ++copy) {
            leaveAsAKilledCopy(path);
        }
        std::optional<ScratchFile> otherCopy;
        QStringList expected = QStringList{"qb.mdb"} + playersFiles;
        if (!renamedByPlayer.isEmpty()) {
            // Its mark names the file it was: under another name it is the
            // player's.
            const QString leftover = fresh.dir().filePath(entriesOf(fresh.path()).constFirst());
            for (const QString& part : {QString(), QStringLiteral("-journal")}) {
                QVERIFY(QFile::rename(leftover + part, fresh.dir().filePath(renamedByPlayer + part)));
                expected << renamedByPlayer + part;
            }
        }
        if (anotherCopyMakingIt) {
            otherCopy.emplace(path);
            expected << QFileInfo(otherCopy->path()).fileName();
        }
        Connection cn;
        openGameDatabase(cn, path);
        QVERIFY(cn.isOpen());
        expected.sort();
        QCOMPARE(entriesOf(QFileInfo(path).path()), expected);
        for (QDir made(QFileInfo(path).path()); made != fresh.dir(); made.cdUp()) {
            struct stat status {};
            QCOMPARE(::stat(QFile::encodeName(made.path()).constData(), &status), 0);
            QCOMPARE(status.st_mode & 0777, mode_t(0700));
        }
        QVERIFY2(!bytesOf(path).startsWith("SQLite format 3"), "the file must be encrypted");

        const RecordSet temp = cn.openRecordSet(QStringLiteral("temp"));
        QCOMPARE(temp.rowCount(), 1);
        QCOMPARE(temp.field(QStringLiteral("dato")), QVariant("nummag"));
        QCOMPARE(temp.field(QStringLiteral("dato1")), QVariant("0"));
        const RecordSet hiscores = cn.openRecordSet(QStringLiteral("hiscores"));
        QVERIFY(hiscores.eof());
        QCOMPARE(hiscores.columnNames(), (QStringList{"nome", "punteggio", "livello"}));
    }

    // A file system takes the first way it has: a FAT or exFAT stick reports
    // the rename flag unknown and links not permitted. No way replaces a file.
    void finishedFileNeverReplacesOne_data()
    {
        QTest::addColumn<QList<int>>("lackedWays");  // the errors the first ways give
        QTest::addColumn<bool>("nameTaken");
        const QList<int> exFat{EINVAL, EPERM};
        for (const bool taken : {false, true}) {
            const char* name = taken ? "a file there" : "no file there";
            QTest::addRow("%s, every way", name) << QList<int>() << taken;
            QTest::addRow("%s, no rename flag", name) << exFat.first(1) << taken;
            QTest::addRow("%s, neither rename flag nor links, as on exFAT", name) << exFat << taken;
        }
    }

    void finishedFileNeverReplacesOne()
    {
        QFETCH(QList<int>, lackedWays);
        QFETCH(bool, nameTaken);
        std::vector<NoReplaceWay> ways(noReplaceWays().begin(), noReplaceWays().end());
        for (qsizetype i = 0; i < lackedWays.size(); ++i) {
            injectedErrors[std::size_t(i)] = lackedWays.at(i);
            ways[std::size_t(i)].move = kLackedWays[std::size_t(i)];
        }
        const QString to = freshPath();
        const QString from = to + ".finished";
        writeBytes(from, "finished");
        if (nameTaken) {
            writeBytes(to, "the player's own");
        }
        const bool moved = moveWithoutReplacing(QFile::encodeName(from), QFile::encodeName(to), ways);
        QCOMPARE(moved, !nameTaken);
        QCOMPARE(bytesOf(to), nameTaken ? QByteArray("the player's own") : QByteArray("finished"));
        const QStringList left = nameTaken ? QStringList{"qb.mdb", "qb.mdb.finished"} : QStringList{"qb.mdb"};
        QCOMPARE(entriesOf(QFileInfo(to).path()), left);
    }

    void goodFileOpensUntouched()
    {
        const QString path = freshPath();
        makeGameFile(path);
        const QByteArray before = bytesOf(path);
        Connection cn;
        openGameDatabase(cn, path);
        cn.openRecordSet(kBestFirst);
        cn.close();
        QCOMPARE(bytesOf(path), before);
    }

    void refusedFileIsLeftUntouched_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("cause");
        QTest::newRow("wrong password") << Damage::WrongPassword << QStringList() << kNotOurs;
        QTest::newRow("not encrypted") << Damage::NotEncrypted << QStringList() << kNotOurs;
        QTest::newRow("random bytes") << Damage::RandomBytes << QStringList() << kNotOurs;
        QTest::newRow("empty") << Damage::Empty << QStringList() << "the file is empty: delete it, and " + kNewFile;
        QTest::newRow("truncated") << Damage::TruncatedToHalf << QStringList() << kCorrupt;
        QTest::newRow("one byte flipped") << Damage::ByteFlippedInMiddle << QStringList() << kCorrupt;
        QTest::newRow("one byte flipped near the end") << Damage::ByteFlippedNearEnd << QStringList() << kCorrupt;
        QTest::newRow("a folder") << Damage::Folder << QStringList() << "it is a folder, not a file" + kMoveAway;
        QTest::newRow("no table temp") << Damage::None << QStringList{R"(DROP TABLE "temp")"}
                                       << "the table temp is missing" + kKeptCopyOrMoveAway;
        QTest::newRow("no table hiscores") << Damage::None << QStringList{"DROP TABLE hiscores"}
                                           << "the table hiscores is missing" + kKeptCopyOrMoveAway;
        QTest::newRow("hiscores columns swapped")
            << Damage::None
            << QStringList{"DROP TABLE hiscores",
                           "CREATE TABLE hiscores(punteggio INTEGER, nome TEXT, livello INTEGER)"}
            << "the table hiscores has the columns punteggio, nome, livello instead of nome, punteggio, livello" +
                   kKeptCopyOrMoveAway;
        QTest::newRow("no nummag row") << Damage::None << QStringList{"DELETE FROM temp"}
                                       << "table temp has no nummag row" + kCounterRemedy;
        QTest::newRow("counter abc") << Damage::None << QStringList{setCounter("'abc'")}
                                     << "the counter in table temp is not a number: 'abc'" + kCounterRemedy;
        QTest::newRow("counter 40000") << Damage::None << QStringList{setCounter("'40000'")}
                                       << "the counter 40000 is outside -32768..32767" + kCounterRemedy;
        QTest::newRow("counter null") << Damage::None << QStringList{setCounter("NULL")}
                                      << "the counter in table temp is empty" + kCounterRemedy;
        QTest::newRow("hiscores a view") << Damage::None
                                         << QStringList{"DROP TABLE hiscores",
                                                        "CREATE VIEW hiscores AS SELECT 1 nome, 2 punteggio, 3 livello"}
                                         << "hiscores is a view, not a table, and the game cannot write to it" +
                                                kKeptCopyOrMoveAway;
        QTest::newRow("hiscores a fourth column that must be filled")
            << Damage::None
            << QStringList{"DROP TABLE hiscores",
                           "CREATE TABLE hiscores(nome, punteggio, livello, quando TEXT NOT NULL)"}
            << "the table hiscores has a column quando that must be filled (NOT NULL without a default), and the "
               "game fills only nome, punteggio, livello" +
                   kKeptCopyOrMoveAway;
    }

    void refusedFileIsLeftUntouched()
    {
        QFETCH(Damage, damage);
        QFETCH(QStringList, statements);
        QFETCH(QString, cause);
        const QString path = freshPath();
        spoil(path, damage, statements);
        const QByteArray before = bytesOf(path);

        Connection cn;
        RecordSet rs;
        QString sqlText;
        FixedSequenceRandom rnd;
        try {
            startUp(cn, path, rnd, rs, sqlText);
            QFAIL("the file was accepted");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.cause(), cause);
            QCOMPARE(error.file(), path);
        }
        cn.close();
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(entriesOf(QFileInfo(path).path()), QStringList{"qb.mdb"});
    }

    void lockedFileIsRefused()
    {
        const QString path = freshPath();
        makeGameFile(path);
        const QByteArray before = bytesOf(path);
        Connection otherCopy;
        otherCopy.open(path);
        otherCopy.execute(QStringLiteral("BEGIN EXCLUSIVE"));

        Connection cn;
        cn.setBusyTimeout(std::chrono::milliseconds(0));
        try {
            openGameDatabase(cn, path);
            QFAIL("a locked file was opened");
        } catch (const DatabaseError& error) {
            QVERIFY(
                error.cause().contains(QStringLiteral("(another copy of Quorbit, or a backup or sync tool): close")));
        }
        QVERIFY(!cn.isOpen());
        otherCopy.execute(QStringLiteral("ROLLBACK"));
        otherCopy.close();
        QCOMPARE(bytesOf(path), before);
    }

    // Run as root, so a folder cannot be made unwritable by its mode; these
    // places cannot hold a file.
    void uncreatableFileIsRefused_data()
    {
        QTest::addColumn<QString>("below");  // empty: one byte past the engine's longest path
        QTest::addColumn<QString>("cause");  // %1: the folder, or the path's length and one less
        const QString fileInTheWay = ": a file stands where a folder must be: move that file away, and the game "
                                     "makes the folder";
        QTest::newRow("below a regular file") << "afile/qb.mdb"
                                              << "cannot create the folder %1/afile: Not a directory" + fileInTheWay;
        QTest::newRow("two folders below a regular file")
            << "afile/sub/qb.mdb"
            << "cannot create the folder %1/afile/sub: Not a directory" + fileInTheWay;
        QTest::newRow("in a folder that is a link to nowhere")
            << "alink/qb.mdb"
            << "the folder %1/alink is a link to %1/nowhere, which is not there: point the link at a folder, or "
               "remove it and the game makes the folder";
        QTest::newRow("one byte past the engine's longest path")
            << QString()
            << "its path is %1 bytes long, and the database engine takes paths of at most %2 bytes: keep it in a "
               "folder with a shorter path (for an installed copy, set XDG_DATA_HOME to one)";
    }

    void uncreatableFileIsRefused()
    {
        QFETCH(QString, below);
        QFETCH(QString, cause);
        const QDir root = QFileInfo(freshPath()).dir();
        writeBytes(root.filePath(QStringLiteral("afile")), "not a folder");
        QVERIFY(QFile::link(root.filePath(QStringLiteral("nowhere")), root.filePath(QStringLiteral("alink"))));
        const int longest = int(longestEnginePath());
        cause = below.isEmpty() ? cause.arg(longest + 1).arg(longest) : cause.arg(root.path());
        below = below.isEmpty() ? folderForPathLength(root.path(), longest + 1).mid(root.path().size() + 1) + "/qb.mdb"
                                : below;
        const QString path = root.filePath(below);

        Connection cn;
        try {
            openGameDatabase(cn, path);
            QFAIL("a file was created");
        } catch (const DatabaseError& error) {
            QCOMPARE(error.cause(), cause);
            QCOMPARE(error.file(), path);
        }
        QCOMPARE(entriesOf(root.path()), (QStringList{"afile", "alink"}));
        QCOMPARE(bytesOf(root.filePath(QStringLiteral("afile"))), QByteArray("not a folder"));
    }

    // The hi-score reset may run its statement either way.
    void deleteStarEmptiesTable_data()
    {
        QTest::addColumn<bool>("asRecordSet");
        QTest::newRow("executed") << false;
        QTest::newRow("opened as a record set") << true;
    }

    void deleteStarEmptiesTable()
    {
        QFETCH(bool, asRecordSet);
        Connection cn;
        cn.create(freshPath());
        cn.addRow(QStringLiteral("hiscores"), {"ann", 500, 2});
        cn.addRow(QStringLiteral("hiscores"), {"bob", 300, 1});
        const QString sqlText = QStringLiteral("delete * from hiscores");
        if (asRecordSet) {
            QVERIFY(cn.openRecordSet(sqlText).eof());
        } else {
            cn.execute(sqlText);
        }
        QVERIFY(cn.openRecordSet(QStringLiteral("hiscores")).eof());
        QCOMPARE(cn.openRecordSet(QStringLiteral("temp")).rowCount(), 1);
    }

    void boundValuesRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quote") << "O'Brien";
        QTest::newRow("statement inside") << "x'); DROP TABLE hiscores; --";
        QTest::newRow("double quotes") << R"(the "best")";
        QTest::newRow("unicode") << QStringLiteral("Zoë 漢字 🎲");
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("25 characters") << "ABCDEFGHIJKLMNOPQRSTUVWXY";
    }

    // The score arrives as the result label's text and must be stored as a
    // number.
    void boundValuesRoundTrip()
    {
        QFETCH(QString, name);
        Connection cn;
        cn.create(freshPath());
        cn.addRow(QStringLiteral("hiscores"), {name, QStringLiteral("12345"), 3});
        const RecordSet rs = cn.openRecordSet(kBestFirst);
        QCOMPARE(rs.rowCount(), 1);
        QCOMPARE(rs.value(0, 0), QVariant(name));
        QCOMPARE(rs.value(1, 0), QVariant(qlonglong(12345)));
        QCOMPARE(rs.value(2, 0), QVariant(qlonglong(3)));
    }

    void scoresOrderAsNumbersTableAsAdded()
    {
        Connection cn;
        cn.create(freshPath());
        for (const char* score : {"900", "10000", "25"}) {
            cn.addRow(QStringLiteral("hiscores"), {score, score, 1});
        }
        const RecordSet best = cn.openRecordSet(kBestFirst);
        const RecordSet added = cn.openRecordSet(QStringLiteral("hiscores"));
        const QStringList bestOrder{"10000", "900", "25"};
        const QStringList addedOrder{"900", "10000", "25"};
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(best.value(0, row).toString(), bestOrder.at(row));
            QCOMPARE(added.value(0, row).toString(), addedOrder.at(row));
        }
    }

    // The rank a final score earns among the best rows, read back as the game
    // reads them; the game only asks whether there is one.
    void rankAmongTheBest_data()
    {
        QTest::addColumn<QVariantList>("saved");  // in the order saved; null: no score
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("rank");  // the lowest place beaten; -1: none

        const QVariantList hundredToTen{100, 90, 80, 70, 60, 50, 40, 30, 20, 10};
        const QVariantList tenToHundred{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
        const QVariantList three{5000, 4000, 3000};
        QVariantList tenthIs12000;
        for (int listed = 21000; listed >= 12000; listed -= 1000) {
            tenthIs12000 << listed;
        }
        QTest::newRow("empty list takes 0") << QVariantList{} << 0 << 0;
        QTest::newRow("empty list takes a negative") << QVariantList{} << -50 << 0;
        QTest::newRow("one above the tenth") << hundredToTen << 11 << 9;
        QTest::newRow("a tie with the tenth") << hundredToTen << 10 << -1;
        QTest::newRow("beats the best") << hundredToTen << 1000000 << 9;
        QTest::newRow("9000 against a tenth of 12000") << tenthIs12000 << 9000 << -1;
        QTest::newRow("one above the last of three") << three << 3001 << 2;
        QTest::newRow("a tie with the last of three") << three << 3000 << -1;
        QTest::newRow("below the last of three") << three << 2000 << -1;
        QTest::newRow("a tie with the only row") << QVariantList{500} << 500 << -1;
        QTest::newRow("one above the only row") << QVariantList{500} << 501 << 0;
        QTest::newRow("an eleventh row is not compared") << hundredToTen + QVariantList{5} << 6 << -1;
        QTest::newRow("the worst, saved first, stays out of view") << QVariantList{5} + tenToHundred << 6 << -1;
        QTest::newRow("saved worst first, a tie with the tenth") << tenToHundred << 10 << -1;
        QTest::newRow("saved worst first, one above the tenth") << tenToHundred << 11 << 9;
        QTest::newRow("past 16 bits, a tie") << QVariantList{70000} << 70000 << -1;
        QTest::newRow("past 16 bits, one above") << QVariantList{70000} << 70001 << 0;
        QTest::newRow("a row without a score") << QVariantList{QVariant()} << 1 << -1;
        QTest::newRow("a row without a score comes last") << QVariantList{QVariant(), 100} << 200 << 0;
        QVariantList thousand;
        for (int listed = 1; listed <= 1000; ++listed) {
            thousand << listed;
        }
        QTest::newRow("a thousand rows, one above the tenth") << thousand << 992 << 9;
    }
    void rankAmongTheBest()
    {
        QFETCH(QVariantList, saved);
        QFETCH(int, score);
        QFETCH(int, rank);
        if (!hiScores_.isOpen()) {
            hiScores_.create(freshPath());
        }
        // One transaction: a row's own commit would wait for the disk.
        hiScores_.execute(QStringLiteral("BEGIN"));
        hiScores_.execute(hiscores::kDeleteAll);
        for (const QVariant& listed : saved) {
            hiScores_.addRow(hiscores::kTable, {QStringLiteral("someone"), listed, 1});
        }
        hiScores_.execute(QStringLiteral("COMMIT"));
        RecordSet best;
        rowsStepped = 0;
        QVERIFY(!hiscores::readBestFirst(hiScores_, best));
        // However long the table, the list and the check step through no
        // more than the ten rows shown.
        QCOMPARE(rowsStepped, int(std::min<qsizetype>(saved.size(), 10)));

        QCOMPARE(int(hiscores::rankAmong(score, best)), rank);
    }

    void recordSetReadsByNameAndPosition()
    {
        const RecordSet empty;
        QVERIFY(empty.eof());
        QVERIFY_THROWS_EXCEPTION(DatabaseError, empty.field(QStringLiteral("dato1")));

        const RecordSet rs(QStringLiteral("/q/qb.mdb"), {"dato", "dato1"}, {{"nummag", "7"}, {"other", "8"}});
        QCOMPARE(rs.field(QStringLiteral("DATO1")), QVariant("7"));
        QCOMPARE(rs.value(0, 1), QVariant("other"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, rs.field(QStringLiteral("nome")));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, rs.value(2, 0));
    }

    void errorMessageNamesFileAndCause()
    {
        const DatabaseError error(QStringLiteral("qb.mdb"), QStringLiteral("the disk is full"));
        const QString absolute = QDir::current().absoluteFilePath(QStringLiteral("qb.mdb"));
        QCOMPARE(error.file(), absolute);
        QCOMPARE(error.message(),
                 QStringLiteral("The database file\n%1\ncannot be used: the disk is full.").arg(absolute));
        QCOMPARE(QString::fromStdString(error.what()), error.message());
    }

    // Two copies of the game started together on a folder without the file:
    // one makes it, the other opens what the first made; neither refuses.
    void twoCopiesStartingTogetherBothGetTheNewFile()
    {
        for (int round = 0; round < 6; ++round) {
            QTemporaryDir folder;
            const QString file = folder.filePath(QStringLiteral("qb.mdb"));
            QString failures[2];
            auto start = [&file](QString& failure) {
                try {
                    Connection cn;
                    openGameDatabase(cn, file);
                } catch (const DatabaseError& error) {
                    failure = error.message();
                }
            };
            std::thread first(start, std::ref(failures[0]));
            std::thread second(start, std::ref(failures[1]));
            first.join();
            second.join();
            QVERIFY2(failures[0].isEmpty(), qPrintable(failures[0]));
            QVERIFY2(failures[1].isEmpty(), qPrintable(failures[1]));
        }
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "test_storage.moc"
