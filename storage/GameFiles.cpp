#include "storage/GameFiles.h"

#include <cstdlib>
#include <system_error>

namespace {

QString text(const std::filesystem::path& path) { return QString::fromStdString(path.lexically_normal().string()); }

bool isFolder(const std::filesystem::path& path)
{
    std::error_code failed;
    return std::filesystem::is_directory(path, failed);
}

std::filesystem::path variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::filesystem::path(value) : std::filesystem::path();
}

// The XDG base directory rule: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share.
std::filesystem::path userDataHome(const UserFolders& user)
{
    if (user.xdgDataHome.is_absolute()) {
        return user.xdgDataHome;
    }
    if (user.home.is_absolute()) {
        return user.home / ".local/share";
    }
    return {};
}

}  // namespace

GameFiles GameFiles::besideProgram(const QString& folder)
{
    return {folder + QStringLiteral("/images"), folder + QStringLiteral("/qb.mdb")};
}

UserFolders UserFolders::fromEnvironment() { return {variable("XDG_DATA_HOME"), variable("HOME")}; }

GameFiles locateGameFiles(const std::filesystem::path& programFile, const UserFolders& user)
{
    const std::filesystem::path programFolder = programFile.parent_path();
    if (isFolder(programFolder / "images")) {
        return GameFiles::besideProgram(text(programFolder));
    }
    // QUORBIT_DATA_FROM_PROGRAM is the installed data folder as seen from the
    // program's folder.
    GameFiles installed;
    installed.picturesFolder = text(programFolder / QUORBIT_DATA_FROM_PROGRAM / "images");
    if (const std::filesystem::path dataHome = userDataHome(user); !dataHome.empty()) {
        installed.databaseFile = text(dataHome / "quorbit" / "qb.mdb");
    }
    return installed;
}

std::filesystem::path runningProgramFile()
{
    std::error_code failed;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    return failed ? std::filesystem::path() : program;
}
