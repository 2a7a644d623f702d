#pragma once

#include <cstdio>
#include <optional>
#include <span>

// The game takes no arguments but --help and --version. Both are answered
// before anything touches a file or the display, so they work on a build host
// without either. Returns the exit status when the program should end at once,
// nothing when it should play.
std::optional<int> answerCommandLine(std::span<char* const> arguments, std::FILE* out, std::FILE* err);
