#include "app/Form1.h"
#include "app/MessageBoxes.h"
#include "app/StartupFailure.h"
#include "storage/FixedSequenceRandom.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    FixedSequenceRandom random;
    DialogMessageBoxes boxes;
    Form1 form(QCoreApplication::applicationDirPath(), random, boxes);
    boxes.setParent(&form);

    if (const auto failure = loadForm(form.game())) {
        reportStartupFailure(boxes, *failure);
        return 1;
    }
    form.show();
    return application.exec();
}
