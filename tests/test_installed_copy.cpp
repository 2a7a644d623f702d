// The game as a package installs it: `cmake --install` into a prefix that is
// then made read-only, started headless by an ordinary user. The window comes
// up, a game is quit into the hi-score list, the row lands in that user's data
// folder, and nothing is written under the prefix. A start-up refused for a
// missing installed picture leaves the data folder as it was. The probe, a copy
// of the game's start-up, is placed beside the installed program so that it
// finds its files exactly as the program does.

#include "storage/Connection.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

constexpr int kWaitMs = 60000;
constexpr uid_t kNobody = 65534;
const QString kInstalledProgram = QStringLiteral("games/quorbit");
const QString kInstalledPictures = QStringLiteral("share/games/quorbit/images");

constexpr QFile::Permissions kReadAndEnter =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// Every path under `root` with its size and time of change: what "nothing
// written" compares.
QStringList snapshotOf(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        entries << QStringLiteral("%1 %2 %3")
                       .arg(info.filePath().mid(root.size()))
                       .arg(info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

// Write permission off for everybody on every folder of the tree (and the root
// itself).
void makeReadOnly(const QString& root, bool readOnly)
{
    const auto apply = [readOnly](const QString& folder) {
        QFile::setPermissions(folder, readOnly ? kReadAndEnter : kReadAndEnter | QFile::WriteOwner);
    };
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        apply(it.next());
    }
    apply(root);
}

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The probe placed in the installed tree, as an ordinary user, with `dataHome`
// as their data folder.
Run runInstalled(const QString& prefix, const QString& dataHome, const QStringList& arguments)
{
    QStringList command{prefix + QStringLiteral("/games/quorbit_probe")};
    command << arguments;
    if (geteuid() == 0) {
        command = QStringList{QStandardPaths::findExecutable(QStringLiteral("setpriv")),
                              QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNobody),
                              QStringLiteral("--clear-groups")} +
                  command;
    }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), dataHome);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome + QStringLiteral("/share"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dataHome);
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setWorkingDirectory(dataHome);
    probe.start(command.first(), command.mid(1));
    Run run;
    if (probe.waitForFinished(kWaitMs) && probe.exitStatus() == QProcess::NormalExit) {
        run.exitCode = probe.exitCode();
    }
    run.out = QString::fromUtf8(probe.readAllStandardOutput());
    run.err = QString::fromUtf8(probe.readAllStandardError());
    return run;
}

}  // namespace

class TestInstalledCopy : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (geteuid() == 0 && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty()) {
            QSKIP("running as root, and setpriv, to start the game as somebody else, is missing");
        }
        QVERIFY(prefix_.isValid());
        // The build's record of a player's real install is kept.
        QProcess install;
        install.start(QStringLiteral(QUORBIT_KEEP_INSTALL_RECORD),
                      {QStringLiteral(QUORBIT_BUILD_DIR), QStringLiteral(QUORBIT_CMAKE), QStringLiteral("--install"),
                       QStringLiteral(QUORBIT_BUILD_DIR), QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(kWaitMs));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        QVERIFY(QFileInfo(prefix_.filePath(kInstalledProgram)).isExecutable());
        QVERIFY(QFile::copy(QStringLiteral(QUORBIT_PROBE), prefix_.filePath(QStringLiteral("games/quorbit_probe"))));
        makeReadOnly(prefix_.path(), true);
    }

    void cleanupTestCase() { makeReadOnly(prefix_.path(), false); }

    void init()
    {
        home_.emplace();
        QVERIFY(home_->isValid());
        // The player owns their home; QTemporaryDir made it root's and closed
        // to others.
        QVERIFY(QFile::setPermissions(home_->path(), kReadAndEnter | QFile::WriteOwner));
        if (geteuid() == 0) {
            QCOMPARE(chown(QFile::encodeName(home_->path()).constData(), kNobody, kNobody), 0);
        }
    }

    void cleanup() { home_.reset(); }

    void aGameIsSavedInTheUsersDataFolder()
    {
        const QStringList prefixBefore = snapshotOf(prefix_.path());
        const Run run =
            runInstalled(prefix_.path(), home_->path(), {QStringLiteral("--save-a-game"), QStringLiteral("Ada")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(snapshotOf(prefix_.path()), prefixBefore);

        const QString database = home_->filePath(QStringLiteral("share/quorbit/qb.mdb"));
        QVERIFY(QFileInfo(database).isFile());
        Connection cn;
        cn.open(database);
        const RecordSet rows = cn.openRecordSet(QStringLiteral("SELECT * FROM hiscores"));
        QCOMPARE(rows.rowCount(), 1);
        QCOMPARE(rows.field(QStringLiteral("nome")).toString(), QStringLiteral("Ada"));
    }

    void aMissingInstalledPictureLeavesTheDataFolderAlone()
    {
        const QString picture = prefix_.filePath(kInstalledPictures + QStringLiteral("/door.jpg"));
        QFile file(picture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        makeReadOnly(prefix_.path(), false);
        QVERIFY(file.remove());
        makeReadOnly(prefix_.path(), true);
        const QStringList homeBefore = snapshotOf(home_->path());

        const Run run = runInstalled(prefix_.path(), home_->path(), {});

        makeReadOnly(prefix_.path(), false);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        makeReadOnly(prefix_.path(), true);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QFileInfo(picture).absoluteFilePath()), qPrintable(run.out));
        QVERIFY2(run.out.contains(QStringLiteral("the file is missing")), qPrintable(run.out));
        QCOMPARE(snapshotOf(home_->path()), homeBefore);
    }

private:
    QTemporaryDir prefix_;
    std::optional<QTemporaryDir> home_;
};

QTEST_GUILESS_MAIN(TestInstalledCopy)
#include "test_installed_copy.moc"
