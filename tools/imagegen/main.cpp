// Draws the game's tile pictures, the window's design assets and the
// launcher icons. The output is committed; run this again only after changing
// the drawings.

#include "ContactSheet.h"
#include "PictureFiles.h"
#include "TileSelfCheck.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

namespace {

int reportProblems(const QStringList& problems)
{
    for (const QString& problem : problems) {
        std::fprintf(stderr, "quorbit_imagegen: %s\n", qPrintable(problem));
    }
    return problems.isEmpty() ? 0 : 1;
}

QStringList preparedFolder(const QString& path)
{
    if (!QDir().mkpath(path)) {
        return {QStringLiteral("cannot create folder %1").arg(path)};
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[])
{
    // Painting needs no screen; the offscreen platform lets this run anywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("quorbit_imagegen"));

    const QString sourceRoot = QStringLiteral(QUORBIT_SOURCE_DIR);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the tile pictures, the window's design assets and the launcher icons."));
    parser.addHelpOption();
    const QCommandLineOption tilesOption(QStringLiteral("tiles"),
                                         QStringLiteral(
                                             "Folder for the tile pictures (default: the repository's images/)."),
                                         QStringLiteral("folder"), sourceRoot + QStringLiteral("/images"));
    const QCommandLineOption assetsOption(QStringLiteral("assets"),
                                          QStringLiteral(
                                              "Folder for the design assets (default: the repository's app/assets/)."),
                                          QStringLiteral("folder"), sourceRoot + QStringLiteral("/app/assets"));
    const QCommandLineOption iconsOption(
        QStringLiteral("icons"),
        QStringLiteral("Folder for the launcher icons (default: the repository's packaging/icons/)."),
        QStringLiteral("folder"), sourceRoot + QStringLiteral("/packaging/icons"));
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                         QStringLiteral("Also write a preview of all pictures to this PNG file."),
                                         QStringLiteral("file"));
    const QCommandLineOption checkOption(QStringLiteral("check-only"),
                                         QStringLiteral("Only check the drawings against the tile table."));
    parser.addOptions({tilesOption, assetsOption, iconsOption, sheetOption, checkOption});
    parser.process(app);

    // The preview is written even when the check fails: it is how a wrong
    // drawing gets looked at.
    QStringList problems = checkTilePictures();
    if (parser.isSet(sheetOption)) {
        problems << picturefiles::save(renderContactSheet(), parser.value(sheetOption));
    }
    if (!problems.isEmpty() || parser.isSet(checkOption)) {
        return reportProblems(problems);
    }

    problems << preparedFolder(parser.value(tilesOption));
    problems << preparedFolder(parser.value(assetsOption));
    problems << preparedFolder(parser.value(iconsOption));
    if (problems.isEmpty()) {
        problems << picturefiles::writeTilePictures(QDir(parser.value(tilesOption)));
        problems << picturefiles::writeDesignAssets(QDir(parser.value(assetsOption)));
        problems << picturefiles::writeLauncherIcons(QDir(parser.value(iconsOption)));
    }
    return reportProblems(problems);
}
