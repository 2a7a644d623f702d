// The database key worked out ahead of the engine: the same bytes as the
// standard PBKDF2, and files that the stock sqlcipher shell and the game each
// open whoever made them.

#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/DatabaseKey.h"
#include "storage/GameDatabase.h"
#include "storage/Pbkdf2Sha1.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <openssl/evp.h>
#include <sqlite3.h>

namespace {

const QString kBestFirst = QStringLiteral("SELECT * FROM hiscores order by punteggio desc ");

std::span<const unsigned char> bytes(const QByteArray& text)
{
    return {reinterpret_cast<const unsigned char*>(text.constData()), std::size_t(text.size())};
}

QByteArray openSslPbkdf2(const QByteArray& password, const QByteArray& salt, int rounds, int length)
{
    QByteArray key(length, '\0');
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), int(password.size()),
                               reinterpret_cast<const unsigned char*>(salt.constData()), int(salt.size()), rounds,
                               length, reinterpret_cast<unsigned char*>(key.data())) != 1) {
        qFatal("OpenSSL's PBKDF2 failed");
    }
    return key;
}

QByteArray ours(const QByteArray& password, const QByteArray& salt, int rounds, int length, unsigned threads = 2)
{
    const std::vector<unsigned char> key =
        pbkdf2HmacSha1(bytes(password), bytes(salt), rounds, std::size_t(length), threads);
    return QByteArray(reinterpret_cast<const char*>(key.data()), qsizetype(key.size()));
}

QByteArray firstBytes(const QString& path, qsizetype count)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(count) : QByteArray();
}

QByteArray asBytes(const DatabaseKey::Salt& salt)
{
    return QByteArray(reinterpret_cast<const char*>(salt.data()), qsizetype(salt.size()));
}

// What the shell prints for its output `rows`: SQLCipher 4 answers the
// password's pragma with "ok" first, SQLCipher 3 says nothing. The answer is
// asked of the engine the game links, the shell's own.
QString shellPrints(const QString& rows)
{
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    QString answer;
    sqlite3_exec(
        db, "PRAGMA key = 'any'",
        [](void* out, int, char** values, char**) {
            *static_cast<QString*>(out) = QString::fromUtf8(values[0]) + QLatin1Char('\n');
            return 0;
        },
        &answer, nullptr);
    sqlite3_close(db);
    return answer + rows;
}

// Runs the stock shell on `file` with the game's password; its output, or a
// failed test.
QString shell(const QString& file, const QString& statements)
{
    const QString sqlcipher = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
    if (sqlcipher.isEmpty()) {
        QTest::qFail("the sqlcipher shell is not installed (scripts/install-deps installs it)", __FILE__, __LINE__);
        return {};
    }
    QProcess process;
    process.start(sqlcipher, {QStringLiteral("-batch"), file});
    const QString script = QStringLiteral("PRAGMA key = '%1';\nPRAGMA cipher_compatibility = 3;\n%2\n")
                               .arg(QLatin1String(Connection::kPassword), statements);
    process.write(script.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("the shell failed: ") + process.readAllStandardError()), __FILE__,
                     __LINE__);
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

}  // namespace

class TestDatabaseKey : public QObject {
    Q_OBJECT

private slots:
    // RFC 6070's published vectors, then lengths and rounds on both sides of a
    // block and the HMAC's 64-byte key limit, against OpenSSL.
    void derivationMatchesThePublishedVectors_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<QByteArray>("salt");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QByteArray>("expectedHex");
        QTest::newRow("one round") << QByteArray("password") << QByteArray("salt") << 1
                                   << QByteArray("0c60c80f961f0e71f3a9b524af6012062fe037a6");
        QTest::newRow("two rounds") << QByteArray("password") << QByteArray("salt") << 2
                                    << QByteArray("ea6c014dc72d6f8ccd1ed92ace1d41f0d8de8957");
        QTest::newRow("4096 rounds") << QByteArray("password") << QByteArray("salt") << 4096
                                     << QByteArray("4b007901b765489abead49d926f721d065a429c1");
        QTest::newRow("25 bytes over two blocks")
            << QByteArray("passwordPASSWORDpassword") << QByteArray("saltSALTsaltSALTsaltSALTsaltSALTsalt") << 4096
            << QByteArray("3d2eec4fe41c849b80c8d83662c0e44a8b291a964cf2f07038");
        QTest::newRow("zero bytes inside") << QByteArray("pass\0word", 9) << QByteArray("sa\0lt", 5) << 4096
                                           << QByteArray("56fa6aa75548099dcc37d7f03425e0c3");
    }

    void derivationMatchesThePublishedVectors()
    {
        QFETCH(QByteArray, password);
        QFETCH(QByteArray, salt);
        QFETCH(int, rounds);
        QFETCH(QByteArray, expectedHex);
        QCOMPARE(ours(password, salt, rounds, int(expectedHex.size() / 2)).toHex(), expectedHex);
    }

    // Every length on every number of threads: blocks shared out in turn (two
    // threads on three or five blocks), more threads than blocks, and none
    // asked for.
    void derivationMatchesOpenSsl_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<int>("length");
        QTest::addColumn<unsigned>("threads");
        const QByteArray game(Connection::kPassword);
        const struct {
            const char* name;
            QByteArray password;
            int rounds;
            int length;
        } kCases[] = {
            {"the game's key", game, DatabaseKey::kRounds, int(DatabaseKey::kKeyBytes)},
            {"exactly one block", game, 3, 20},
            {"one byte into the second block", game, 3, 21},
            {"three blocks", game, 3, 60},
            {"five blocks less a byte", game, 3, 99},
            {"password of 64 bytes", QByteArray(64, 'k'), 5, 32},
            {"password longer than a hash block", QByteArray(65, 'k'), 5, 32},
            {"empty password", QByteArray(), 5, 32},
        };
        for (const auto& c : kCases) {
            for (const unsigned threads : {0U, 1U, 2U, 3U, 8U}) {
                QTest::addRow("%s, %u threads", c.name, threads) << c.password << c.rounds << c.length << threads;
            }
        }
    }

    void derivationMatchesOpenSsl()
    {
        QFETCH(QByteArray, password);
        QFETCH(int, rounds);
        QFETCH(int, length);
        QFETCH(unsigned, threads);
        const QByteArray salt = QByteArray::fromHex("00112233445566778899aabbccddeeff");
        QCOMPARE(ours(password, salt, rounds, length, threads).toHex(),
                 openSslPbkdf2(password, salt, rounds, length).toHex());
    }

    void databaseKeyIsTheGamePasswordsDerivation()
    {
        const DatabaseKey made = DatabaseKey::forNewFile(Connection::kPassword);
        const QByteArray expected =
            openSslPbkdf2(Connection::kPassword, asBytes(made.salt), DatabaseKey::kRounds, int(DatabaseKey::kKeyBytes));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(made.key.data()), qsizetype(made.key.size())).toHex(),
                 expected.toHex());
        QCOMPARE(made.engineKeyText(), "x'" + expected.toHex() + asBytes(made.salt).toHex() + "'");
        QVERIFY(DatabaseKey::forNewFile(Connection::kPassword).salt != made.salt);
    }

    void gameMadeFileOpensInTheShellWithThePassword()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("qb.mdb"));
        const DatabaseKey key = DatabaseKey::forNewFile(Connection::kPassword);
        {
            Connection cn;
            openGameDatabase(cn, path, key);
            cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("Ada"), 1234, 2});
        }
        QCOMPARE(firstBytes(path, DatabaseKey::kSaltBytes).toHex(), asBytes(key.salt).toHex());
        QCOMPARE(shell(path, QStringLiteral("SELECT nome, punteggio, livello FROM hiscores;")),
                 shellPrints(QStringLiteral("Ada|1234|2")));
        QCOMPARE(shell(path, QStringLiteral("PRAGMA cipher_page_size;")), shellPrints(QStringLiteral("1024")));
    }

    // The key prepared for the file, one prepared for a file since replaced,
    // and none at all. A key of another password under the file's own salt is
    // refused: that is how the test knows the prepared key, not the password,
    // opened the file in the first row.
    void shellMadeFileOpensInTheGame_data()
    {
        QTest::addColumn<QString>("prepared");
        QTest::addColumn<bool>("opens");
        QTest::newRow("key for its own salt") << "own" << true;
        QTest::newRow("key for another salt") << "other" << true;
        QTest::newRow("no key, the password") << "none" << true;
        QTest::newRow("another password's key for its salt") << "wrong" << false;
    }

    void shellMadeFileOpensInTheGame()
    {
        QFETCH(QString, prepared);
        QFETCH(bool, opens);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("qb.mdb"));
        shell(path, QStringLiteral("CREATE TABLE hiscores (nome TEXT, punteggio INTEGER, livello INTEGER);"
                                   "CREATE TABLE temp (dato TEXT, dato1 TEXT);"
                                   "INSERT INTO temp VALUES ('nummag', '7');"
                                   "INSERT INTO hiscores VALUES ('Grace', 900, 1);"));
        const DatabaseKey::Salt salt = *saltOfFile(QFile::encodeName(path).toStdString());
        std::optional<DatabaseKey> key;
        if (prepared == QLatin1String("own")) {
            key = DatabaseKey::derive(Connection::kPassword, salt);
        } else if (prepared == QLatin1String("other")) {
            key = DatabaseKey::forNewFile(Connection::kPassword);
        } else if (prepared == QLatin1String("wrong")) {
            key = DatabaseKey::derive("another password", salt);
        }
        const QByteArray before = firstBytes(path, 1 << 20);

        Connection cn;
        try {
            openGameDatabase(cn, path, key);
            QVERIFY(opens);
            QCOMPARE(cn.openRecordSet(kBestFirst).field(QStringLiteral("nome")).toString(), QStringLiteral("Grace"));
        } catch (const DatabaseError& error) {
            QVERIFY2(!opens, qPrintable(error.message()));
        }
        cn.close();
        QVERIFY(firstBytes(path, 1 << 20) == before);
    }

    // A raw key is still checked against every page: under another password the
    // file is refused as it would be with the password, and left as it was.
    void keyOfAnotherPasswordIsRefused()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("qb.mdb"));
        Connection().create(path);
        const QByteArray before = firstBytes(path, 1 << 20);
        const auto salt = saltOfFile(QFile::encodeName(path).toStdString());
        QVERIFY(salt);
        Connection cn;
        try {
            cn.open(path, DatabaseKey::derive("another password", *salt));
            QFAIL("opened under the wrong key");
        } catch (const DatabaseError& error) {
            QVERIFY(error.cause().startsWith(QStringLiteral("wrong password or not a Quorbit database: ")));
        }
        QVERIFY(firstBytes(path, 1 << 20) == before);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseKey)
#include "test_database_key.moc"
