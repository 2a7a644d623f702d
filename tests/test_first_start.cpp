// The first start on a machine: no qb.mdb yet, and the thread that works out
// the key has done all its work, but is still there, when Qt starts: the order
// a busy machine can give the two. Qt must still take main()'s thread for its
// own, the window must answer clicks, and the file must be made only once
// start-up has checked the pictures.

#include "app/Form1.h"
#include "app/StartGame.h"
#include "storage/FixedSequenceRandom.h"
#include "storage/GameFiles.h"
#include "storage/PreparedDatabaseKey.h"
#include "support/ClickControl.h"
#include "support/ScriptedMessageBoxes.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <future>

namespace {

QStringList qtWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        qtWarnings << message;
    }
}

// A fresh program folder with the pictures, made with nothing from Qt: Qt has
// not started.
std::filesystem::path freshProgramFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "first-start-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::abort();
    }
    std::filesystem::path folder(pattern);
    std::filesystem::copy(QUORBIT_IMAGES_DIR, folder / "images");
    return folder;
}

std::promise<void> keyWorkedOut;
std::promise<void> qtStarted;
std::shared_future<void> qtStartedSeen = qtStarted.get_future().share();

// The game's own preparation, whose thread then waits until Qt has started.
DatabaseKey preparationHeldOpen(const std::filesystem::path& file)
{
    DatabaseKey key = PreparedDatabaseKey::gameKeyForFile(file);
    keyWorkedOut.set_value();
    qtStartedSeen.wait();
    return key;
}

const std::filesystem::path programFolder = freshProgramFolder();
const std::filesystem::path databaseFile = programFolder / "qb.mdb";

class TestFirstStart : public QObject {
    Q_OBJECT

public:
    explicit TestFirstStart(PreparedDatabaseKey& preparedKey) : preparedKey_(preparedKey) {}

private slots:
    void theEarlyKeyWroteNothing() { QVERIFY(!std::filesystem::exists(databaseFile)); }

    void qtRunsOnTheMainThread()
    {
        QVERIFY2(qtWarnings.filter(QStringLiteral("main() thread")).isEmpty(), qPrintable(qtWarnings.join('\n')));
        bool ran = false;
        QTimer::singleShot(0, qApp, [&ran] {
            ran = true;
            QCoreApplication::exit(0);
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(ran);
    }

    void theWindowAnswersAClick()
    {
        FixedSequenceRandom random;
        ScriptedMessageBoxes boxes;
        Form1 form(GameFiles::besideProgram(QString::fromStdString(programFolder.string())), random, boxes,
                   &preparedKey_);
        QVERIFY(startGame(form, boxes));
        QVERIFY(std::filesystem::exists(databaseFile));
        QVERIFY(!form.controls().Picture5.visible());
        click(form, form.controls().Label23);  // hi-scores
        QVERIFY(form.controls().Picture5.visible());
        QVERIFY2(qtWarnings.filter(QStringLiteral("thread")).isEmpty(), qPrintable(qtWarnings.join('\n')));
    }

    void cleanupTestCase() { std::filesystem::remove_all(programFolder); }

private:
    PreparedDatabaseKey& preparedKey_;
};

}  // namespace

int main(int argc, char* argv[])
{
    PreparedDatabaseKey preparedKey(databaseFile, preparationHeldOpen);
    keyWorkedOut.get_future().wait();

    qInstallMessageHandler(collectWarnings);
    QApplication application(argc, argv);
    qtStarted.set_value();
    TestFirstStart test(preparedKey);
    return QTest::qExec(&test, argc, argv);
}

#include "test_first_start.moc"
