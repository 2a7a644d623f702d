#include "storage/GameFiles.h"

#include "common/SystemPath.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

// Names stay the bytes they are, UTF-8 or not.
QString text(const std::filesystem::path& path) { return pathFromSystem(path.lexically_normal().native()); }

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

// The home folder the system's list of users gives the player; empty where it
// gives none.
std::filesystem::path homeOfAccount()
{
    std::vector<char> buffer(std::max(::sysconf(_SC_GETPW_R_SIZE_MAX), 16384L));
    passwd account{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &account, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir) {
        return {};
    }
    return found->pw_dir;
}

// The XDG base directory rule: $XDG_DATA_HOME when it is an absolute path, else
// .local/share in the home folder. That is $HOME; where it is unset or not
// absolute, as other desktop programs do, the system's list of users says.
std::filesystem::path userDataHome(const UserFolders& user)
{
    if (user.xdgDataHome.is_absolute()) {
        return user.xdgDataHome;
    }
    for (const std::filesystem::path& home : {user.home, user.accountHome}) {
        if (home.is_absolute()) {
            return home / ".local/share";
        }
    }
    return {};
}

}  // namespace

GameFiles GameFiles::besideProgram(const QString& folder)
{
    return {folder + QStringLiteral("/images"), folder + QStringLiteral("/qb.mdb")};
}

UserFolders UserFolders::fromEnvironment() { return {variable("XDG_DATA_HOME"), variable("HOME"), homeOfAccount()}; }

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
