#pragma once

#include <QString>
#include <filesystem>

// Where one copy of the game keeps its tile pictures and its hi-score file.
//
// A folder images/ beside the program marks a portable copy (the build tree, an
// unpacked archive): the pictures and qb.mdb are both beside the program.
// Without it the copy is installed: the pictures come from the installed data
// folder and qb.mdb lives in the user's data folder, so that no player ever
// needs to write where the program is installed.
struct GameFiles {
    QString picturesFolder;
    QString databaseFile;

    // A portable copy in `folder`.
    static GameFiles besideProgram(const QString& folder);
};

// The environment that decides where an installed copy keeps the hi-score file.
struct UserFolders {
    std::filesystem::path xdgDataHome;  // $XDG_DATA_HOME; ignored unless absolute
    std::filesystem::path home;         // $HOME; ignored unless absolute
    std::filesystem::path accountHome;  // the home the system's list of users gives
    static UserFolders fromEnvironment();
};

// The files of the copy whose program is `programFile`. Works without Qt
// running, so the database key can be prepared from main()'s first line. An
// installed copy with no home folder at all gets an empty databaseFile, which
// start-up reports.
GameFiles locateGameFiles(const std::filesystem::path& programFile, const UserFolders& user);

// The running program's own file, known before Qt is up; empty where the system
// does not say.
std::filesystem::path runningProgramFile();
