// Start-up: the database file beside the program, the random sequence moved
// on by its counter, and the clear refusals when a file cannot be used.
#include "common/SystemPath.h"
#include "storage/Connection.h"
#include "storage/PreparedDatabaseKey.h"
#include "storage/RandomSequenceCounter.h"
#include "support/StartedWindow.h"

#include <QFile>
#include <filesystem>
#include <thread>

namespace {

int storedCounter(const QString& file)
{
    Connection cn;
    cn.open(file);
    return cn.openRecordSet(QStringLiteral("SELECT * FROM temp WHERE dato= 'nummag' "))
        .field(QStringLiteral("dato1"))
        .toInt();
}

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the window up in `folder`; the reason when it refuses to start.
std::optional<QString> startUpIn(const ProgramFolder& folder)
{
    FixedSequenceRandom random;
    ScriptedMessageBoxes boxes;
    Form1 form(GameFiles::besideProgram(folder.path()), random, boxes);
    return loadForm(form.game());
}

// A key that opens nothing of the game's: start-up refusing the file under it
// is how a test knows that start-up took the prepared key.
DatabaseKey anotherPasswordsKey(const std::filesystem::path& file)
{
    return DatabaseKey::derive("another password", saltOfFile(file).value_or(DatabaseKey::Salt{}));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunMakesTheDatabaseAndStoresTheAdvancedCounter()
    {
        StartedWindow window;
        QVERIFY(!window.failure);
        QVERIFY(QFile::exists(window.folder.database()));
        FixedSequenceRandom replay;
        QCOMPARE(storedCounter(window.folder.database()), advanceCounter(0, replay));
        QCOMPARE(window.game().sqlText, QStringLiteral("UPDATE temp SET dato1='%1'WHERE dato= 'nummag'")
                                            .arg(advanceCounter(0, *std::make_unique<FixedSequenceRandom>())));
    }

    // Every run continues the one fixed sequence from where the stored
    // counter says, so the second run starts further along than the first.
    void secondRunContinuesFromTheStoredCounter()
    {
        ProgramFolder folder;
        ScriptedMessageBoxes boxes;
        int counters[2] = {};
        Connection other;
        std::jthread letGo;
        for (int& counter : counters) {
            FixedSequenceRandom random;
            Form1 form(GameFiles::besideProgram(folder.path()), random, boxes);
            QVERIFY(!loadForm(form.game()));
            counter = storedCounter(folder.database());
            if (&counter == &counters[0]) {  // the second outwaits a hold longer than play would wait
                other.open(folder.database());
                other.execute(QStringLiteral("BEGIN EXCLUSIVE"));
                letGo = std::jthread([&other] {
                    std::this_thread::sleep_for((Connection::kPlayBusyTimeout + Connection::kDefaultBusyTimeout) / 2);
                    other.close();
                });
            }
        }
        FixedSequenceRandom replay;
        QCOMPARE(counters[1], advanceCounter(std::int16_t(counters[0]), replay));
    }

    // Start-up may wait a while for another copy before the window shows; once
    // it shows, every wait for another program freezes it, so it stays within
    // about a second.
    void playWaitsForAnotherProgramAtMostASecond()
    {
        StartedWindow window;
        QVERIFY(!window.failure);
        const int waitMs = window.game().cn.openRecordSet(QStringLiteral("PRAGMA busy_timeout")).value(0, 0).toInt();
        QVERIFY2(waitMs > 0 && waitMs <= 1000, qPrintable(QString::number(waitMs)));
    }

    // The key worked out while the window was built opens the file it was
    // prepared for; one prepared for another file is left alone.
    void startUpTakesTheKeyPreparedForItsFile_data()
    {
        QTest::addColumn<bool>("gamesOwnKey");
        QTest::addColumn<bool>("forItsFile");
        QTest::addColumn<bool>("starts");
        QTest::newRow("the game's key for the file") << true << true << true;
        QTest::newRow("another password's key for the file") << false << true << false;
        QTest::newRow("another password's key for another file") << false << false << true;
    }
    void startUpTakesTheKeyPreparedForItsFile()
    {
        QFETCH(bool, gamesOwnKey);
        QFETCH(bool, forItsFile);
        QFETCH(bool, starts);
        ProgramFolder folder;
        QVERIFY(!startUpIn(folder));  // the file is there, under its salt
        const QString preparedFor = forItsFile ? folder.database() : folder.file(QStringLiteral("other.mdb"));
        PreparedDatabaseKey key(QFile::encodeName(preparedFor).toStdString(),
                                gamesOwnKey ? PreparedDatabaseKey::gameKeyForFile : anotherPasswordsKey);
        FixedSequenceRandom random;
        ScriptedMessageBoxes boxes;
        Form1 form(GameFiles::besideProgram(folder.path()), random, boxes, &key);

        const std::optional<QString> failure = loadForm(form.game());

        QVERIFY2(failure.has_value() != starts, qPrintable(failure.value_or(QString())));
        if (failure) {
            QVERIFY2(failure->contains(QStringLiteral("wrong password or not a Quorbit database")),
                     qPrintable(*failure));
        }
    }

    // A picture that cannot be read is named at start-up, before the database
    // is touched, and not in the middle of a game.
    void badPictureIsNamedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QByteArray>("content");  // empty: the file is missing
        QTest::newRow("missing arrow tile") << "2b.jpg" << QByteArray();
        QTest::newRow("missing door") << "door.jpg" << QByteArray();
        QTest::newRow("green box not a picture") << "ok.jpg" << QByteArray("not a picture at all");
        const QByteArray door = bytesOf(QStringLiteral(QUORBIT_IMAGES_DIR "/door.jpg"));
        QTest::newRow("door cut in half") << "door.jpg" << door.first(door.size() / 2);
    }
    void badPictureIsNamedBeforeAnythingIsWritten()
    {
        QFETCH(QString, picture);
        QFETCH(QByteArray, content);
        ProgramFolder folder;
        QFile file(folder.file("images/" + picture));
        if (content.isEmpty()) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content);
            file.close();
        }
        const auto failure = startUpIn(folder);
        QVERIFY(failure);
        QVERIFY2(failure->contains(picture), qPrintable(*failure));
        QVERIFY(!QFile::exists(folder.database()));
    }

    // A folder named in Latin-1 holds the copy; what the game finds and makes
    // there is named by the very same bytes.
    void aFolderNamedInAnotherEncodingIsUsedAsItIs()
    {
        const QTemporaryDir parent;
        const std::filesystem::path folder = systemPath(parent.path()).toStdString() + "/g\xf6ran";
        std::filesystem::create_directory(folder);
        std::filesystem::copy(QUORBIT_IMAGES_DIR, folder / "images");
        FixedSequenceRandom random;
        ScriptedMessageBoxes boxes;
        Form1 form(locateGameFiles(folder / "quorbit", {}), random, boxes);
        const std::optional<QString> failure = loadForm(form.game());
        QVERIFY2(!failure, qPrintable(failure.value_or(QString())));
        QVERIFY(std::filesystem::is_regular_file(folder / "qb.mdb"));
        std::filesystem::remove_all(folder);  // a name QTemporaryDir cannot spell
    }

    // Without a home folder there is no place for the file, and the message
    // names none.
    void noHomeFolderIsSaidWithoutAPlace()
    {
        const ProgramFolder folder;
        GameFiles files = GameFiles::besideProgram(folder.path());
        files.databaseFile.clear();
        FixedSequenceRandom random;
        ScriptedMessageBoxes boxes;
        Form1 form(files, random, boxes);
        QCOMPARE(loadForm(form.game()), QStringLiteral("The database file cannot be used: there is no folder to keep "
                                                       "it in: neither XDG_DATA_HOME nor HOME names one, and the "
                                                       "system gives you no home folder."));
    }
};

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
