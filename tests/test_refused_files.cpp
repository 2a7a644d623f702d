// The whole start-up, run as its own process by quorbit_probe, on every kind of
// qb.mdb the game must refuse: the player sees one QUORBIT box that names the
// file and what is wrong with it, the same words reach standard error, the game
// ends with status 1, and the file stays exactly as it was.

#include "storage/Connection.h"
#include "storage/EngineHandle.h"
#include "storage/GameSchema.h"
#include "storage/Statement.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kProbe = QStringLiteral(QUORBIT_PROBE);
// Far above the second or so a start-up needs, so only a hung probe runs into
// it.
constexpr int kWaitMs = 30000;
constexpr int kHiScoreRows = 40;  // enough pages that the middle of the file is a table's data
constexpr qsizetype kRandomFileSize = 4096;
// Root writes into any folder whatever its mode; this user, nobody, does not.
const QStringList kAsNobody{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                            QStringLiteral("--clear-groups")};

const char* const kNotOurs = "wrong password or not a Quorbit database";
const char* const kDamaged = "the file is damaged";

// Nothing but a regular file is read: a named pipe would wait for good.
QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// A game file with a full hi-score list, then changed by the statements.
void writeGameFile(const QString& path, const QStringList& changes = {})
{
    Connection cn;
    cn.create(path);
    for (int n = 1; n <= kHiScoreRows; ++n) {
        cn.addRow(QStringLiteral("hiscores"), {QStringLiteral("player %1").arg(n), 1000 * n, 1});
    }
    for (const QString& sql : changes) {
        cn.execute(sql);
    }
}

// Everything a new game file holds, but under the game's password in capitals.
void writeWithOtherPassword(const QString& path)
{
    const EngineHandle db = openKeyedEngine(path, {QByteArray(Connection::kPassword).toUpper(), true, {}}, path);
    for (const QString& statement : newDatabaseStatements()) {
        Statement(db.get(), statement, path).step();
    }
}

void writeRandomBytes(const QString& path)
{
    QByteArray bytes(kRandomFileSize, '\0');
    for (char& byte : bytes) {
        byte = char(QRandomGenerator::global()->bounded(256));
    }
    writeBytes(path, bytes);
}

void writeTruncatedGameFile(const QString& path)
{
    writeGameFile(path);
    const QByteArray bytes = bytesOf(path);
    writeBytes(path, bytes.first(bytes.size() / 2));
}

void writeGameFileWithFlippedByte(const QString& path)
{
    writeGameFile(path);
    QByteArray bytes = bytesOf(path);
    bytes[bytes.size() / 2] ^= 0x01;
    writeBytes(path, bytes);
}

// A socket bound to the name, as a program listening there leaves it.
void makeSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::copy(name.begin(), name.end(), address.sun_path);
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        throw std::runtime_error("cannot bind a socket to " + path.toStdString());
    }
    ::close(listening);
}

// A good file that anybody may write: only its folder is closed.
void writeGameFileForAll(const QString& path)
{
    writeGameFile(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                    QFile::ReadOther | QFile::WriteOther);
}

QString counterSetTo(const char* text)
{
    return QStringLiteral("UPDATE temp SET dato1='%1' WHERE dato='nummag'").arg(QLatin1String(text));
}

// A crash in the middle of a save: beside the file, the journal to undo it.
void writeGameFileWithHotJournal(const QString& path)
{
    writeGameFileForAll(path);
    const pid_t child = ::fork();
    if (child == 0) {
        Connection cn;
        cn.open(path);
        cn.execute(QStringLiteral("BEGIN"));
        cn.execute(QStringLiteral("UPDATE hiscores SET nome = nome || ' changed'"));
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
}

struct StartUpCase {
    const char* name;
    void (*makeDatabase)(const QString& path);  // null: the folder has no qb.mdb
    bool folderWritable;
    const char* cause;                     // null: the game starts
    const char* missingPicture = nullptr;  // removed from images/ before the start
    bool undoneByJournal = false;          // the engine puts back what the journal holds
    bool readOnlyMount = false;            // the folder as a CD or a write-protected stick shows it
};

const StartUpCase kCases[] = {
    {"good folder", nullptr, true, nullptr},
    {"wrong password", writeWithOtherPassword, true, kNotOurs},
    {"random bytes", writeRandomBytes, true, kNotOurs},
    {"truncated", writeTruncatedGameFile, true, kDamaged},
    {"one byte flipped in the middle", writeGameFileWithFlippedByte, true, kDamaged},
    {"no table hiscores", [](const QString& path) { writeGameFile(path, {QStringLiteral("DROP TABLE hiscores")}); },
     true, "the table hiscores is missing"},
    {"no nummag row", [](const QString& path) { writeGameFile(path, {QStringLiteral("DELETE FROM temp")}); }, true,
     "table temp has no nummag row"},
    {"counter abc", [](const QString& path) { writeGameFile(path, {counterSetTo("abc")}); }, true,
     "the counter in table temp is not a number: 'abc'"},
    {"counter 40000", [](const QString& path) { writeGameFile(path, {counterSetTo("40000")}); }, true,
     "the counter 40000 is outside -32768..32767"},
    {"unwritable folder without qb.mdb", nullptr, false,
     "cannot create the file here: Permission denied: give yourself write access to the folder it goes in"},
    {"unwritable folder, qb.mdb writable", writeGameFileForAll, false,
     "its folder is read-only, and the game must write a journal file beside it while it saves"},
    {"unwritable folder, a crash's journal beside qb.mdb", writeGameFileWithHotJournal, false,
     "the journal a crash left beside it must be removed first, and its folder", nullptr, true},
    {"a link that leads round in a loop", [](const QString& path) { QFile::link(QStringLiteral("qb.mdb"), path); },
     true, "it is a link to qb.mdb, and the links lead round in a loop: point the link at the file"},
    // Opening any of these waits, or reads for ever: each is refused at once.
    {"a named pipe", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); }, true,
     "it is a named pipe (FIFO), not a file: move it away"},
    {"a socket", makeSocket, true, "it is a socket, not a file: move it away"},
    {"a link to /dev/null", [](const QString& path) { QFile::link(QStringLiteral("/dev/null"), path); }, true,
     "it is a device, not a file: move it away"},
    {"read-only mount without qb.mdb", nullptr, true,
     "cannot create the file here: Read-only file system: the disk is a CD, a write-protected stick or mounted "
     "read-only: copy the game's folder to a writable disk, or mount this one writable",
     nullptr, false, true},
    {"read-only mount, good qb.mdb", [](const QString& path) { writeGameFile(path); }, true,
     "Read-only file system: the disk is a CD, a write-protected stick or mounted read-only", nullptr, false, true},
    // Pictures are checked before the file is touched: no new file, no counter
    // moved on.
    {"a picture missing, no qb.mdb", nullptr, true, "the file is missing", "door.jpg"},
    {"a picture missing, good qb.mdb", [](const QString& path) { writeGameFile(path); }, true, "the file is missing",
     "3c.jpg"},
};

// Takes write permission on a folder away from everybody while it lives, and
// gives it back to the owner afterwards so the folder can be cleaned away.
class ReadOnlyFolder {
public:
    static constexpr QFile::Permissions kReadAndEnter =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

    explicit ReadOnlyFolder(const QString& path) : path_(path), applied_(QFile::setPermissions(path, kReadAndEnter)) {}
    ~ReadOnlyFolder() { QFile::setPermissions(path_, kReadAndEnter | QFile::WriteOwner); }
    bool applied() const { return applied_; }

private:
    QString path_;
    bool applied_;
};

// The folder mounted over itself read-only while it lives, which only root may
// do.
class ReadOnlyMount {
public:
    explicit ReadOnlyMount(const QString& path) : path_(QFile::encodeName(path))
    {
        bound_ = ::mount(path_.constData(), path_.constData(), nullptr, MS_BIND, nullptr) == 0;
        applied_ =
            bound_ && ::mount(nullptr, path_.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    }
    ~ReadOnlyMount()
    {
        if (bound_) {
            ::umount2(path_.constData(), MNT_DETACH);
        }
    }
    ReadOnlyMount(const ReadOnlyMount&) = delete;
    ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;
    bool applied() const { return applied_; }

private:
    QByteArray path_;
    bool bound_ = false;
    bool applied_ = false;
};

// Starts the program of the command line headless, in the folder it is to run
// in.
void startOffscreen(QProcess& process, const QStringList& command, const QString& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(command.first(), command.mid(1));
}

// The probe prints the box as its title on one line, then its text and a line
// break; the same text must reach standard error behind the program's name.
void verifyRefusalBox(const QString& out, const QString& err, const QString& database, const QString& cause)
{
    QCOMPARE(out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("QUORBIT"));
    QString text = out.section(QLatin1Char('\n'), 1);
    QVERIFY(text.endsWith(QLatin1Char('\n')));
    text.chop(1);
    QVERIFY2(text.contains(database), qPrintable(text));
    QVERIFY2(text.contains(cause), qPrintable(text));
    QVERIFY2(err.contains(QStringLiteral("QUORBIT: %1\n").arg(text)), qPrintable(err));
}

}  // namespace

class TestRefusedFiles : public QObject {
    Q_OBJECT

private slots:
    void startUp_data()
    {
        QTest::addColumn<int>("caseIndex");
        for (int i = 0; i < int(std::size(kCases)); ++i) {
            QTest::newRow(kCases[i].name) << i;
        }
    }

    void startUp()
    {
        QFETCH(int, caseIndex);
        const StartUpCase& situation = kCases[caseIndex];
        ProgramFolder folder;
        if (situation.makeDatabase) {
            QVERIFY_THROWS_NO_EXCEPTION(situation.makeDatabase(folder.database()));
        }
        const QString picture =
            situation.missingPicture
                ? folder.file(QStringLiteral("images/%1").arg(QLatin1String(situation.missingPicture)))
                : QString();
        if (!picture.isEmpty()) {
            QVERIFY(QFile::remove(picture));
        }
        const QByteArray bytesBefore = bytesOf(folder.database());
        const QStringList entriesBefore = entriesOf(folder.path());

        QStringList command{kProbe, folder.path()};
        std::optional<ReadOnlyFolder> readOnly;
        std::optional<ReadOnlyMount> readOnlyMount;
        if (situation.readOnlyMount) {
            readOnlyMount.emplace(folder.path());
            if (!readOnlyMount->applied()) {
                QSKIP("the folder cannot be mounted read-only here (that needs root)");
            }
        }
        QTemporaryDir probeHome;  // where somebody else can reach the probe
        if (!situation.folderWritable) {
            readOnly.emplace(folder.path());
            if (!readOnly->applied()) {
                QSKIP("the folder's write permission cannot be taken away");
            }
            if (geteuid() == 0) {
                const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
                if (setpriv.isEmpty()) {
                    QSKIP("running as root, and setpriv, to start the game as somebody else, is missing");
                }
                // The build folder may lie where nobody else may enter; a copy
                // of the probe in a folder open to all runs anywhere.
                const QString probe = probeHome.filePath(QStringLiteral("quorbit_probe"));
                QVERIFY(QFile::copy(kProbe, probe));
                QVERIFY(QFile::setPermissions(probeHome.path(), ReadOnlyFolder::kReadAndEnter | QFile::WriteOwner));
                command[0] = probe;
                command = QStringList{setpriv} + kAsNobody + command;
            }
        }
        QProcess probe;
        startOffscreen(probe, command, folder.path());
        QVERIFY2(probe.waitForFinished(kWaitMs), qPrintable(probe.errorString()));
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        const QString err = QString::fromUtf8(probe.readAllStandardError());
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);

        if (!situation.cause) {
            QVERIFY2(probe.exitCode() == 0, qPrintable(out + err));
            QCOMPARE(out, QString());
            QVERIFY(QFileInfo(folder.database()).isFile());
            return;
        }
        QVERIFY2(probe.exitCode() == 1, qPrintable(out + err));
        verifyRefusalBox(out, err, picture.isEmpty() ? folder.database() : picture, QLatin1String(situation.cause));
        if (QTest::currentTestFailed()) {
            return;
        }
        QCOMPARE(entriesOf(folder.path()), entriesBefore);
        QVERIFY(situation.undoneByJournal || bytesOf(folder.database()) == bytesBefore);
    }
};

QTEST_GUILESS_MAIN(TestRefusedFiles)
#include "test_refused_files.moc"
