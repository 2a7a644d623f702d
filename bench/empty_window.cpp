// The floor for start-up: an empty fixed-size Qt window of the game's size.
// What any Qt program of this size pays before its window is on screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("EMPTY WINDOW"));
    window.setFixedSize(1018, 750);
    window.show();
    return application.exec();
}
