#pragma once

#include <QString>

// A file being built under a fresh name beside its final place. Unless it is
// moved into place, it is removed again, together with any journal the engine
// left next to it.
//
// A copy of the game killed while it builds one cannot remove it; the next
// start does. A start must never take a player's file for one, whatever its
// name, so each scratch file is born with a mark: an extended attribute that
// holds the file's own name, there before the name is. A copy of it under
// another name, or the file moved into place, no longer matches its mark. So
// that a start never takes the file of another copy building it at the same
// moment, a copy holds a lock on its scratch file for as long as it builds it,
// and a start removes only the marked files nobody holds. On a file system
// without extended attributes the file stays unmarked: a copy killed there
// leaves it behind, rather than risk a player's file.
class ScratchFile {
public:
    explicit ScratchFile(const QString& finalPath);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const QString& path() const { return path_; }
    void moveInto(const QString& finalPath);  // never replaces a file that is already there

    // Removes the scratch files that copies killed while they built files in
    // the folder of `finalPath` left there.
    static void removeAbandoned(const QString& finalPath);

private:
    QString path_;
    int lock_ = -1;  // the scratch file, open and locked while it is built
    bool moved_ = false;
};
