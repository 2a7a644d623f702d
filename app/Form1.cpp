#include "app/Form1.h"

#include "app/Form1Layout.h"

#include <QIcon>
#include <QPalette>

namespace {

QIcon gameIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48"}) {
        icon.addFile(QStringLiteral(":/icon%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

}  // namespace

Form1::Form1(const QString& programFolder, RandomSource& random, MessageBoxes& boxes)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      game_(ui_, programFolder, random, boxes)
{
    setWindowTitle(QStringLiteral("QUORBIT"));
    setWindowIcon(gameIcon());
    QPalette black = palette();
    black.setColor(QPalette::Window, toQColor(colours::kMenuText));
    setPalette(black);
    setAutoFillBackground(true);

    buildForm1(ui_, this);
    connectHandlers();
}

void Form1::connectHandlers()
{
    ui_.Label26.onClick = [this] { game_.Label26_Click(); };
}
