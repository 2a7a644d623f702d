// What the program does before it starts the game: the command line it accepts,
// and where a portable or an installed copy finds its pictures and keeps its
// hi-score file.

#include "app/CommandLine.h"
#include "common/SystemPath.h"
#include "replay/RecordingFile.h"
#include "storage/Connection.h"
#include "storage/GameFiles.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

struct Answer {
    std::optional<int> status;
    QString out;
    QString err;
    Command command;
};

// The command as the table writes it: "play", "verify", "watch FILE",
// "export N FILE".
QString written(const Command& command)
{
    switch (command.kind) {
    case Command::Kind::Play:
        return QStringLiteral("play");
    case Command::Kind::Verify:
        return QStringLiteral("verify");
    case Command::Kind::Watch:
        return QStringLiteral("watch ") + command.file;
    case Command::Kind::ExportReplay:
        return QStringLiteral("export %1 %2").arg(command.row).arg(command.file);
    }
    return {};
}

QString readAll(std::FILE* stream)
{
    std::rewind(stream);
    QByteArray bytes;
    char buffer[512];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, stream)) {
        bytes.append(buffer, qsizetype(read));
    }
    return QString::fromUtf8(bytes);
}

Answer answerTo(QStringList arguments)
{
    arguments.prepend(QStringLiteral("quorbit"));
    std::vector<QByteArray> bytes;
    for (const QString& argument : arguments) {
        bytes.push_back(argument.toUtf8());
    }
    std::vector<char*> argv;
    argv.reserve(bytes.size());
    for (QByteArray& argument : bytes) {
        argv.push_back(argument.data());
    }
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Command command;
    const std::optional<int> status = answerCommandLine(argv, out, err, command);
    Answer answer{status, readAll(out), readAll(err), command};
    std::fclose(out);
    std::fclose(err);
    return answer;
}

const QString kUsage =
    QStringLiteral("Usage: quorbit [--help | --version | --verify | --export-replay N FILE | --watch FILE]\n");

QString notUnderstood(const char* argument)
{
    return QStringLiteral("quorbit: argument not understood: '%1'\n").arg(QLatin1String(argument)) + kUsage;
}

struct Run {
    int status;
    QString out;
    QString err;
};

// The game itself in a throw-away program folder, with `arguments`.
Run runIn(const ProgramFolder& folder, const QStringList& arguments)
{
    const QString program = folder.file(QStringLiteral("quorbit"));
    if (!QFile::exists(program)) {
        QFile::copy(QStringLiteral(QUORBIT_PROGRAM), program);
    }
    QProcess run;
    run.start(program, arguments);
    run.waitForFinished(60000);
    return {run.exitCode(), QString::fromUtf8(run.readAllStandardOutput()),
            QString::fromUtf8(run.readAllStandardError()).remove(QRegularExpression("QStandardPaths: [^\n]*\n"))};
}

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestLaunch : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");  // -1: the game starts
        QTest::addColumn<QString>("outStartsWith");
        QTest::addColumn<QString>("err");
        QTest::newRow("none") << QStringList() << -1 << QString() << QString();
        QTest::newRow("--help") << QStringList{"--help"} << 0 << kUsage << QString();
        QTest::newRow("--version") << QStringList{"--version"} << 0
                                   << QStringLiteral("quorbit " QUORBIT_TEST_VERSION "\n") << QString();
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << 2 << QString()
                                        << notUnderstood("--fullscreen");
        QTest::newRow("a file") << QStringList{"qb.mdb"} << 2 << QString() << notUnderstood("qb.mdb");
        QTest::newRow("-h is not --help") << QStringList{"-h"} << 2 << QString() << notUnderstood("-h");
        QTest::newRow("two options") << QStringList{"--help", "--version"} << 2 << QString()
                                     << notUnderstood("--version");
        QTest::newRow("an empty argument") << QStringList{""} << 2 << QString() << notUnderstood("");
        QTest::newRow("--verify") << QStringList{"--verify"} << -1 << QString() << QString();
        QTest::newRow("--verify, one too many") << QStringList{"--verify", "x"} << 2 << QString() << notUnderstood("x");
        QTest::newRow("--watch") << QStringList{"--watch", "a game"} << -1 << QString() << QString();
        QTest::newRow("--watch, no file") << QStringList{"--watch"} << 2 << QString()
                                          << QStringLiteral("quorbit: the option --watch needs a file\n") + kUsage;
        QTest::newRow("--export-replay") << QStringList{"--export-replay", "10", "f"} << -1 << QString() << QString();
        QTest::newRow("--export-replay, row 1")
            << QStringList{"--export-replay", "1", "f"} << -1 << QString() << QString();
        for (const char* row : {"0", "11", "01", "-1", "x", ""}) {
            QTest::addRow("--export-replay, row '%s'", row)
                << QStringList{"--export-replay", row, "f"} << 2 << QString()
                << QStringLiteral("quorbit: --export-replay takes a row of the list, 1 to 10, not '%1'\n").arg(row) +
                       kUsage;
        }
        QTest::newRow("--export-replay, no file")
            << QStringList{"--export-replay", "1"} << 2 << QString()
            << QStringLiteral("quorbit: the option --export-replay needs a row and a file\n") + kUsage;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, outStartsWith);
        QFETCH(QString, err);
        const Answer answer = answerTo(arguments);
        QCOMPARE(answer.status.value_or(-1), status);
        QVERIFY2(answer.out.startsWith(outStartsWith), qPrintable(answer.out));
        QCOMPARE(answer.out.isEmpty(), outStartsWith.isEmpty());
        QCOMPARE(answer.err, err);
        // What the options ask for, from the arguments the row gave them.
        const QString asked = status >= 0                        ? QStringLiteral("play")
                              : arguments.value(0) == "--verify" ? QStringLiteral("verify")
                              : arguments.value(0) == "--watch"  ? QStringLiteral("watch ") + arguments.value(1)
                              : arguments.value(0).isEmpty()     ? QStringLiteral("play")
                                                             : QStringLiteral("export ") + arguments.mid(1).join(' ');
        QCOMPARE(written(answer.command), asked);
    }

    // A game saved into the list, proven by --verify, written out by
    // --export-replay; then its score raised by hand, which --verify catches.
    // Neither option makes a hi-score file, or changes one.
    void recordedGamesAreProvenAndExported()
    {
        ProgramFolder folder;
        const Run none = runIn(folder, {QStringLiteral("--verify")});
        QCOMPARE(none.status, 1);
        QVERIFY2(none.err.contains(QLatin1String("there is no hi-score file here yet")), qPrintable(none.err));
        QVERIFY(!QFile::exists(folder.database()));

        QProcess probe;
        probe.start(QStringLiteral(QUORBIT_PROBE),
                    {QStringLiteral("--save-a-game"), QStringLiteral("Ada"), folder.path()});
        QVERIFY(probe.waitForFinished(60000) && probe.exitCode() == 0);
        Connection cn;
        cn.open(folder.database());
        const RecordSet row = cn.openRecordSet(QStringLiteral("SELECT nome, punteggio, livello FROM hiscores"));
        const QString listed =
            QStringLiteral("%1, level %2").arg(row.value(1, 0).toString(), row.value(2, 0).toString());
        const QByteArray before = contentsOf(folder.database());

        const Run verified = runIn(folder, {QStringLiteral("--verify")});
        QCOMPARE(verified.out, QStringLiteral("1. Ada: listed %1; replayed %1: ok\n").arg(listed));
        QCOMPARE(verified.status, 0);
        const QString exported = folder.file(QStringLiteral("ada.qbr"));
        QCOMPARE(runIn(folder, {QStringLiteral("--export-replay"), QStringLiteral("1"), exported}).status, 0);
        QVERIFY(replay::decode(contentsOf(exported)).recording);
        const Run noRow = runIn(folder, {QStringLiteral("--export-replay"), QStringLiteral("2"), exported});
        QCOMPARE(noRow.err, QStringLiteral("quorbit: the hi-score list has 1 rows, and no row 2\n"));
        QCOMPARE(contentsOf(folder.database()), before);

        cn.execute(QStringLiteral("UPDATE hiscores SET punteggio = punteggio + 1000"));
        cn.close();
        const Run raised = runIn(folder, {QStringLiteral("--verify")});
        QCOMPARE(raised.status, 1);
        QVERIFY2(raised.out.endsWith(QLatin1String(": differs\n")), qPrintable(raised.out));
        QCOMPARE(raised.err,
                 QStringLiteral("quorbit: the score of row 1 (Ada) is not the one its recorded game makes\n"));
    }

    // A recording file is anything a player was sent: each of these is
    // refused in one line, before a display or the hi-score file is touched.
    void hostileRecordingFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("contents");  // null: the path is a folder
        QTest::addColumn<QString>("why");
        const QByteArray valid = replay::encode({42, {{0, replay::Input::Pause, -1}, {10, replay::Input::End, -1}}});
        QTest::newRow("empty") << QByteArray("") << "the file is truncated";
        QTest::newRow("cut short") << valid.left(valid.size() - 1) << "the file is truncated";
        QTest::newRow("not a recording") << QByteArray("PK\x03\x04 a zip file") << "it is not a Quorbit recording";
        QTest::newRow("too large") << valid + QByteArray(replay::kMaxFileBytes, '\0') << "it is larger than 256 KiB";
        QTest::newRow("a folder") << QByteArray() << "cannot be read: it is not a file (a folder, a device or a pipe)";
    }
    void hostileRecordingFilesAreRefused()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, why);
        ProgramFolder folder;
        const QString path = folder.file(QStringLiteral("game.qbr"));
        if (contents.isNull()) {
            QDir().mkpath(path);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        }
        const Run run = runIn(folder, {QStringLiteral("--watch"), path});
        QCOMPARE(run.status, 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("quorbit: %1: %2").arg(path, why)), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1);
        QVERIFY(!QFile::exists(folder.database()));
    }

    // The real program on a build host: no platform plugin chosen, and no
    // display, or one that cannot be reached. Qt would abort; the game says
    // why in its own last line, the only one where no display is named.
    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");  // empty: unset
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QString>("redirection");  // of standard output, by the shell
        const QString noDisplay = QStringLiteral("quorbit: no display could be opened; start the game on a desktop (or "
                                                 "over ssh -X from one), or on a virtual display: xvfb-run quorbit\n");
        const QString unwritten = QStringLiteral("quorbit: cannot write to standard output: %1\n");
        QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << ""
                                << "";
        QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << ""
                                   << "";
        QTest::newRow("unknown") << QStringList{"--nonsense"} << "" << 2 << notUnderstood("--nonsense") << "";
        QTest::newRow("the game, no display named") << QStringList() << "" << 1 << noDisplay << "";
        QTest::newRow("the game, a display out of reach") << QStringList() << ":31999" << 1 << noDisplay << "";
        for (const char* option : {"--help", "--version"}) {
            QTest::addRow("%s into a full disk", option)
                << QStringList{option} << "" << 1 << unwritten.arg("No space left on device") << ">/dev/full";
            QTest::addRow("%s, output closed", option)
                << QStringList{option} << "" << 1 << unwritten.arg("Bad file descriptor") << ">&-";
        }
    }

    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(QString, redirection);
        QTemporaryDir home;
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        if (!display.isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), display);
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral("/bin/sh"),
                      QStringList{"-c", R"(exec "$0" "$@" )" + redirection, QStringLiteral(QUORBIT_PROGRAM)} +
                          arguments);
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString written = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(display.isEmpty() ? written == err : written.endsWith(err), qPrintable(written));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    }

    // `images` beside the program marks a portable copy; an installed one keeps
    // its hi-scores in the user's data folder by the XDG rule.
    void filesOfACopy_data()
    {
        QTest::addColumn<bool>("imagesFolderBeside");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("accountHome");  // what the system's list of users says
        QTest::addColumn<QString>("database");     // %1: the program's folder
        QTest::addColumn<QString>("pictures");
        const QString installedPictures = QStringLiteral("%1/../share/games/quorbit/images");
        QTest::newRow("portable") << true << "/data"
                                  << "/home/ada"
                                  << "/home/bob"
                                  << "%1/qb.mdb"
                                  << "%1/images";
        QTest::newRow("installed, XDG_DATA_HOME set") << false << "/data"
                                                      << "/home/ada"
                                                      << "/home/bob"
                                                      << "/data/quorbit/qb.mdb" << installedPictures;
        QTest::newRow("installed, XDG_DATA_HOME unset") << false << ""
                                                        << "/home/ada"
                                                        << "/home/bob"
                                                        << "/home/ada/.local/share/quorbit/qb.mdb" << installedPictures;
        QTest::newRow("installed, XDG_DATA_HOME relative")
            << false << "data"
            << "/home/ada"
            << "/home/bob"
            << "/home/ada/.local/share/quorbit/qb.mdb" << installedPictures;
        QTest::newRow("installed, HOME unset") << false << ""
                                               << ""
                                               << "/home/bob"
                                               << "/home/bob/.local/share/quorbit/qb.mdb" << installedPictures;
        QTest::newRow("installed, HOME relative") << false << ""
                                                  << "ada"
                                                  << "/home/bob"
                                                  << "/home/bob/.local/share/quorbit/qb.mdb" << installedPictures;
        QTest::newRow("installed, no home at all") << false << ""
                                                   << "ada"
                                                   << ""
                                                   << "" << installedPictures;
        // Latin-1, as an older system named it.
        QTest::newRow("installed, HOME not in UTF-8")
            << false << "" << pathFromSystem("/home/g\xf6ran") << ""
            << pathFromSystem("/home/g\xf6ran/.local/share/quorbit/qb.mdb") << installedPictures;
    }

    // Where HOME says nothing, the system's list of users is asked.
    void theAccountsHomeComesFromTheListOfUsers()
    {
        const passwd* account = ::getpwuid(::getuid());
        QVERIFY(account);
        const QByteArray home = qgetenv("HOME");
        qunsetenv("HOME");
        const UserFolders user = UserFolders::fromEnvironment();
        qputenv("HOME", home);
        QCOMPARE(user.accountHome, std::filesystem::path(account->pw_dir));
    }

    void filesOfACopy()
    {
        QFETCH(bool, imagesFolderBeside);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, home);
        QFETCH(QString, accountHome);
        QFETCH(QString, database);
        QFETCH(QString, pictures);
        QTemporaryDir prefix;
        const QString programFolder = prefix.filePath(QStringLiteral("games"));
        QVERIFY(QDir().mkpath(programFolder));
        if (imagesFolderBeside) {
            QVERIFY(QDir().mkpath(programFolder + QStringLiteral("/images")));
        } else {
            // A file of that name is no folder of pictures.
            QFile notAFolder(programFolder + QStringLiteral("/images"));
            QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        }
        const GameFiles files = locateGameFiles((programFolder + QStringLiteral("/quorbit")).toStdString(),
                                                {systemPath(xdgDataHome).toStdString(), systemPath(home).toStdString(),
                                                 accountHome.toStdString()});
        QCOMPARE(systemPath(files.databaseFile),
                 systemPath(database.isEmpty() ? QString() : QDir::cleanPath(database.arg(programFolder))));
        QCOMPARE(QDir::cleanPath(files.picturesFolder), QDir::cleanPath(pictures.arg(programFolder)));
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "test_launch.moc"
