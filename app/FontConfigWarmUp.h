#pragma once

#include <thread>

// Fontconfig reads its configuration and its font caches the first time a
// program asks it for a font: some milliseconds of parsing, which Qt would do
// on the main thread when the window measures its first caption. Made before
// QApplication, this has it done on a thread of its own while Qt connects to
// the display; Qt's own request then finds it done. Fontconfig loads its
// configuration once per process, safely from any thread. Where the game is
// built without fontconfig, this does nothing.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();

private:
    std::jthread loader_;  // joined when the warm-up goes
};
