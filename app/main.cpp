#include "app/Form1.h"
#include "app/Launch.h"
#include "app/MessageBoxes.h"
#include "storage/DatabaseOpening.h"
#include "storage/FixedSequenceRandom.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    // The database starts opening before anything else: its password's key
    // derivation then runs while Qt starts and the window is built.
    const QString folder = executableFolder();
    std::unique_ptr<DatabaseOpening> opening;
    if (!folder.isEmpty()) {
        opening = std::make_unique<DatabaseOpening>(folder + QStringLiteral("/qb.mdb"));
    }

    QApplication application(argc, argv);
    FixedSequenceRandom random;
    DialogMessageBoxes boxes;
    Form1 form(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder, random, boxes);
    boxes.setParent(&form);
    form.game().databaseOpening = opening.get();
    return startGame(form, boxes) ? application.exec() : 1;
}
