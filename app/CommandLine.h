#pragma once

#include <QString>
#include <cstdio>
#include <optional>
#include <span>

// What the command line asks for: to play, or one of the options that work on
// the recorded hi-score games.
struct Command {
    enum class Kind { Play, Verify, ExportReplay, Watch };
    Kind kind = Kind::Play;
    int row = 0;   // --export-replay's place in the list, 1 to 10
    QString file;  // --export-replay's and --watch's file
};

// The game's options. --help and --version are answered here, before anything
// touches a file or the display, so they work on a build host without either.
// Returns the exit status when the program should end at once; otherwise
// `command` says what to do.
std::optional<int> answerCommandLine(std::span<char* const> arguments, std::FILE* out, std::FILE* err,
                                     Command& command);
