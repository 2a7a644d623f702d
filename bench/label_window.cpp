// A Qt window of the game's size that shows one label: what a Qt program that
// draws any text at all pays before its window is on screen (fonts found and
// loaded), beside the empty window.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("new game"));
    window.setWindowTitle(QStringLiteral("LABEL WINDOW"));
    window.setFixedSize(1018, 750);
    window.show();
    return application.exec();
}
